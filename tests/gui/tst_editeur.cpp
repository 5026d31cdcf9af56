// The mini text editor: title rules, the overwrite question, exact files
// (encodings, line endings, no-break spaces), failed saves, the font.
#include "support/environnement.h"
#include "texttools/fenedittext.h"
#include "texttools/zonetexte.h"
#include "ui/tavbttn.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QtTest>
#include <memory>

namespace {

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

class TstEditeur : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    DialoguesScriptes dialogues;
    std::unique_ptr<General> general;
    std::unique_ptr<FenEditText> fen;

    TavBttn* bouton(const char* nom) const { return fen->findChild<TavBttn*>(QString::fromLatin1(nom)); }
    ZoneTexte* edit() const { return fen->findChild<ZoneTexte*>(u"txtEdit"_qs); }
    QString titre() const { return bouton("CmdDeplaceFen")->caption(); }
    QString chemin(const char* nom) const { return env->chemin(QString::fromUtf8(nom)); }
    void ouvrir(const QString& fichier)
    {
        dialogues.fichiers.push_back(fichier);
        bouton("CmdOuvrir")->click();
    }
    void enregistrerSous(const QString& fichier)
    {
        dialogues.fichiers.push_back(fichier);
        bouton("CmdEnregSous")->click();
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        env = std::make_unique<Environnement>();
        dialogues = {};
        general = std::make_unique<General>(dialogues, *env->reglages);
        fen = std::make_unique<FenEditText>(*general);
        fen->show();
    }
    void cleanup()
    {
        fen.reset();
        general.reset();
        env.reset();
    }

    void titreSuitLeFichier()
    {
        QCOMPARE(titre(), u"Mini-Editeur"_qs);
        edit()->setTexteExact(u"brouillon"_qs);
        bouton("CmdNouveau")->click();
        QCOMPARE(titre(), u"Mini-Editeur - Sans_titre"_qs);
        QCOMPARE(fen->fichierEdite(), u"Sans_titre"_qs);
        QCOMPARE(edit()->texteExact(), QString());

        env->creerFichier(u"a.txt"_qs, "contenu\n");
        ouvrir(chemin("a.txt"));
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + chemin("a.txt"));
        bouton("CmdOuvrir")->click();  // cancelled
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + chemin("a.txt"));

        ouvrir(chemin("absent.txt"));
        QCOMPARE(edit()->texteExact(), u"contenu\n"_qs);
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + chemin("absent.txt"));
        QVERIFY(dialogues.messages.isEmpty());

        // A file that exists but cannot be read: reported, and the editor
        // keeps the file it had, so no later save goes over the unread one.
        QDir(env->dossier.path()).mkdir(u"dossier.txt"_qs);
        ouvrir(chemin("dossier.txt"));
        QCOMPARE(dialogues.messages.size(), 1);
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + chemin("absent.txt"));
    }

    void fichierAfficheNonRelu()
    {
        env->creerFichier(u"a.txt"_qs, "d'origine\n");
        ouvrir(chemin("a.txt"));
        edit()->setTexteExact(u"modifié"_qs);
        ouvrir(chemin("a.txt"));
        QCOMPARE(edit()->texteExact(), u"modifié"_qs);
        bouton("CmdNouveau")->click();
        ouvrir(chemin("a.txt"));
        QCOMPARE(edit()->texteExact(), u"d'origine\n"_qs);
    }

    void ecraserRepondreNon()
    {
        env->creerFichier(u"a.txt"_qs, "ancien\r\n");
        edit()->setTexteExact(u"nouveau"_qs);
        dialogues.reponses.push_back(Reponse::Non);
        enregistrerSous(chemin("a.txt"));
        QCOMPARE(contenu(chemin("a.txt")), QByteArray("ancien\r\n"));
        QCOMPARE(dialogues.messages.size(), 1);
        QCOMPARE(dialogues.messages[0].texte, u"Ecraser le fichier existant ?"_qs);
        QCOMPARE(dialogues.messages[0].parDefaut, Reponse::Non);
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + chemin("a.txt"));

        dialogues.reponses.push_back(Reponse::Oui);
        enregistrerSous(chemin("a.txt"));
        QCOMPARE(contenu(chemin("a.txt")), QByteArray("nouveau\n"));
    }

    void ouvrirEnregistrerSansChangement_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("texte");
        QTest::addRow("UTF-8, LF") << QByteArray("premi\xC3\xA8re\nseconde\n") << u"première\nseconde\n"_qs;
        QTest::addRow("1252, CR LF") << QByteArray("premi\xE8re\r\nseconde\r\n") << u"première\nseconde\n"_qs;
        QTest::addRow("UTF-8 avec BOM") << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC 5\r\n") << u"€ 5\n"_qs;
        QTest::addRow("insécables UTF-8") << QByteArray("Quoi\xC2\xA0? Oui\xC2\xA0!\n") << u"Quoi\u00A0? Oui\u00A0!\n"_qs;
        QTest::addRow("insécable 1252") << QByteArray("Quoi\xA0?\r\n") << u"Quoi\u00A0?\n"_qs;
        QTest::addRow("séparateur de ligne") << QByteArray("a\xE2\x80\xA8z\n") << u"a\u2028z\n"_qs;
        QTest::addRow("lignes vides finales") << QByteArray("a\n\n\n") << u"a\n\n\n"_qs;
        QTest::addRow("code de contrôle") << QByteArray("a\x01\tb\r\n") << u"a\x01\tb\n"_qs;
    }

    void ouvrirEnregistrerSansChangement()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, texte);
        env->creerFichier(u"f.txt"_qs, octets);
        ouvrir(chemin("f.txt"));
        QCOMPARE(edit()->texteExact(), texte);
        for (int fois = 0; fois < 2; ++fois) {
            dialogues.reponses.push_back(Reponse::Oui);
            enregistrerSous(chemin("f.txt"));
            QCOMPARE(contenu(chemin("f.txt")), octets);
        }
        enregistrerSous(chemin("copie.txt"));
        QCOMPARE(contenu(chemin("copie.txt")), octets);
        QCOMPARE(dialogues.messages.size(), 2);  // the two overwrite questions
    }

    void nouveauTexteUnSeulSautFinal_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("posix");
        QTest::addColumn<QByteArray>("windows");
        QTest::addRow("vide") << QString() << QByteArray("\n") << QByteArray("\r\n");
        QTest::addRow("sans saut") << u"abc"_qs << QByteArray("abc\n") << QByteArray("abc\r\n");
        QTest::addRow("avec saut") << u"abc\n"_qs << QByteArray("abc\n") << QByteArray("abc\r\n");
        QTest::addRow("ligne vide finale") << u"a\n\n"_qs << QByteArray("a\n\n") << QByteArray("a\r\n\r\n");
        QTest::addRow("accent") << u"été"_qs << QByteArray("\xC3\xA9t\xC3\xA9\n") << QByteArray("\xE9t\xE9\r\n");
        QTest::addRow("hors 1252") << u"Ω"_qs << QByteArray("\xCE\xA9\n") << QByteArray("\xCE\xA9\r\n");
    }

    void nouveauTexteUnSeulSautFinal()
    {
        QFETCH(QString, texte);
        QFETCH(QByteArray, posix);
        QFETCH(QByteArray, windows);
        bouton("CmdNouveau")->click();
        edit()->setTexteExact(texte);
        enregistrerSous(chemin("n.txt"));
#ifdef Q_OS_WIN
        QCOMPARE(contenu(chemin("n.txt")), windows);
#else
        QCOMPARE(contenu(chemin("n.txt")), posix);
#endif
        QVERIFY(dialogues.messages.isEmpty());
    }

    void caractereHors1252_data()
    {
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<QByteArray>("attendu");
        QTest::addRow("passer en UTF-8") << Reponse::Oui << QByteArray("caf\xC3\xA9 \xCE\xA9\r\n");
        QTest::addRow("refuser") << Reponse::Non << QByteArray("caf\xE9\r\n");
    }

    void caractereHors1252()
    {
        QFETCH(Reponse, reponse);
        QFETCH(QByteArray, attendu);
        env->creerFichier(u"f.txt"_qs, "caf\xE9\r\n");
        ouvrir(chemin("f.txt"));
        edit()->setTexteExact(u"café Ω"_qs);
        dialogues.reponses = {Reponse::Oui, reponse};
        enregistrerSous(chemin("f.txt"));
        QCOMPARE(contenu(chemin("f.txt")), attendu);
        QCOMPARE(dialogues.messages.size(), 2);
        QVERIFY(dialogues.messages[1].texte.contains(u"« Ω » (U+03A9)"_qs));
        QCOMPARE(dialogues.messages[1].parDefaut, Reponse::Non);
    }

    void echecDEnregistrement_data()
    {
        QTest::addColumn<QString>("cible");
        QTest::addRow("dossier absent") << u"absent/n.txt"_qs;
        QTest::addRow("la cible est un dossier") << u"dossier"_qs;
    }

    void echecDEnregistrement()
    {
        QFETCH(QString, cible);
        env->creerFichier(u"dossier/dedans.txt"_qs, "gardé\n");
        edit()->setTexteExact(u"texte"_qs);
        enregistrerSous(env->chemin(cible));
        QCOMPARE(dialogues.messages.size(), 1);
        QVERIFY(dialogues.messages[0].texte.contains(env->chemin(cible)));
        QVERIFY(!QFileInfo::exists(env->chemin(u"absent"_qs)));
        QCOMPARE(contenu(env->chemin(u"dossier/dedans.txt"_qs)), QByteArray("gardé\n"));
        QCOMPARE(QDir(env->chemin(u"dossier"_qs)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{u"dedans.txt"_qs});
    }

    void fichierIlisibleSignale()
    {
        env->creerFichier(u"dossier/dedans.txt"_qs);
        edit()->setTexteExact(u"gardé"_qs);
        ouvrir(env->chemin(u"dossier"_qs));
        QCOMPARE(dialogues.messages.size(), 1);
        QCOMPARE(edit()->texteExact(), u"gardé"_qs);
    }

    void copieDeLaSelectionExacte()
    {
        edit()->setTexteExact(u"Quoi\u00A0?\nOui\u00A0!"_qs);
        edit()->selectAll();
        edit()->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Quoi\u00A0?\nOui\u00A0!"_qs);
    }

    void police()
    {
        const QFont avant = edit()->font();
        bouton("CmdPolices")->click();  // cancelled
        QCOMPARE(edit()->font(), avant);
        QFont choisie(u"DejaVu Serif"_qs, 14);
        choisie.setStrikeOut(true);
        dialogues.policeChoisie = choisie;
        bouton("CmdPolices")->click();
        QCOMPARE(edit()->font(), choisie);
    }
};

QTEST_MAIN(TstEditeur)
#include "tst_editeur.moc"
