// The text tools: the cipher window and the text search window (the mini editor: tst_editeur).
#include "support/environnement.h"
#include "texttools/fencrypteur.h"
#include "texttools/fenrecherchetxt.h"
#include "texttools/vuetexte.h"
#include "texttools/zonetexte.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QCheckBox>
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>
#include <memory>

class TstTextes : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    std::unique_ptr<QWidget> fen;

    template <class Fenetre>
    void montrer()
    {
        fen = std::make_unique<Fenetre>(*env->general);
        fen->show();
    }
    template <class T = TavBttn>
    T* w(const char* nom) const { return fen->findChild<T*>(QLatin1String(nom)); }
    QList<Message>& messages() { return env->dialogues.messages; }

    // Cipher window: ciphers or deciphers `source`, or what the source box holds when it is null.
    VueTexte* resultat() const { return w<VueTexte>("txtResult"); }
    ZoneTexte* source() const { return w<ZoneTexte>("txtTexte"); }
    static QString presse() { return QGuiApplication::clipboard()->text(); }
    void lancer(const QString& source, const QString& cle, bool crypter)
    {
        if (!source.isNull())
            this->source()->setTexteExact(source);
        w<QLineEdit>("txtCle")->setText(cle);
        if (w<QCheckBox>("CheckCrypter")->isChecked() != crypter)
            w("LblCrypter")->click();
        QSignalSpy fin(static_cast<FenCrypteur*>(fen.get()), &FenCrypteur::calculTermine);
        w("CmdCrypter")->click();
        QVERIFY(fin.count() == 1 || fin.wait(10000));
    }
    // Copies the result and pastes it into the emptied source box, as a user would.
    void copierColler()
    {
        w("CmdCopCrypt")->click();
        source()->clear();
        source()->paste();
    }

    // Text search: chooses the file `nom` under the work folder (null: the dialog is cancelled) and waits for it, read
    // off the window: the choice returns before it is read.
    void choisir(const QString& nom)
    {
        env->dialogues.fichiers.push_back(nom.isNull() ? std::nullopt : std::optional(env->chemin(nom)));
        QSignalSpy fin(static_cast<FenRechercheTxt*>(fen.get()), &FenRechercheTxt::chargementTermine);
        w("CmdFichier")->click();
        QCOMPARE(fin.count(), 0);
        QVERIFY(nom.isNull() || fin.wait(20000));
    }
    void charger(const QByteArray& octets, const QString& nom = u"t.txt"_qs)
    {
        env->creerFichier(nom, octets);
        choisir(nom);
    }
    void chercher(const QString& mot)
    {
        w<QLineEdit>("txtMotRechercher")->setText(mot);
        w("CmdRechercher")->click();
    }
    VueTexte* zone() const { return w<VueTexte>("Rtb1"); }
    int debut() const { return int(zone()->selectionDebut()); }

private Q_SLOTS:
    void initTestCase() { preparerProgrammeDeTest(); }
    void init() { env = std::make_unique<Environnement>(); }
    void cleanup()
    {
        fen.reset();
        env.reset();
    }

    // Each copy button puts the exact text on the clipboard, whatever the boxes show; the source box takes a pasted
    // cipher text exactly, and deciphers it back. A key is used whole, past 32,767 characters.
    void crypteurResultatsEtCopies_data()
    {
        QTest::addColumn<QString>("clair");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("chiffre");  // null: not written out here
        QTest::addColumn<bool>("strict");      // whether the deciphered text shows control codes as pictures
        QString cle40000(40000, u'a');
        cle40000[39999] = u'z';
        const QString ligne3000 = QString(3000, u'x');
        QTest::addRow("CR seul et FF") << u"ab"_qs << u"«©"_qs << u"\r\x0C"_qs << false;
        QTest::addRow("CR LF, saut ordinaire") << u"ab"_qs << u"«§"_qs << u"\r\n"_qs << false;
        QTest::addRow("chiffré d'espaces seules") << u"o"_qs << u"°"_qs << u" "_qs << false;
        // Codes 0x82 for 'a', 0x9B for 'z': the position 40,000 takes the key's first character again.
        QTest::addRow("clé de 40000") << QString(40002, u'!') << cle40000 << QString(39999, u'‚') + u"›‚‚"_qs << false;
        QTest::addRow("tabulations, CR LF, ligne de 3000")
            << u"a\tb\tc\r\n"_qs + ligne3000 + u"\r\nfin\r\n"_qs << u"Grimoire"_qs << QString() << false;
        // Pairs that the widgets would merge or split; a key holding a space is a key.
        QTest::addRow("LF CR, CR CR LF LF") << u"a\n\rb\r\r\n\nc"_qs << u"Gri moire"_qs << QString() << true;
        QTest::addRow("codes de contrôle") << u"\x01a\tb\rc\nd\x1F\x7F\r\n"_qs + ligne3000 << u"Grimoire"_qs
                                           << QString() << true;
    }
    void crypteurResultatsEtCopies()
    {
        QFETCH(QString, clair);
        QFETCH(QString, cle);
        QFETCH(QString, chiffre);
        QFETCH(bool, strict);
        montrer<FenCrypteur>();
        lancer(clair, cle, true);
        if (!chiffre.isNull())
            QCOMPARE(resultat()->texteQString(), chiffre);
        chiffre = resultat()->texteQString();
        w("CmdCopClair")->click();
        QCOMPARE(presse(), clair);
        copierColler();
        QCOMPARE(presse(), chiffre);
        lancer(QString(), cle, false);
        QCOMPARE(resultat()->texteQString(), clair);
        QCOMPARE(resultat()->strict(), strict);
        w("CmdCopCrypt")->click();
        QCOMPARE(presse(), clair);
        QVERIFY(messages().isEmpty());
        QAccessibleTextInterface* lu = QAccessible::queryAccessibleInterface(resultat())->textInterface();
        QCOMPARE(lu->text(0, lu->characterCount()), clair);  // what a screen reader reads of the result
    }

    // Each of the four mode controls toggles the mode, both boxes and the run command's caption, from either mode. "*"
    // shows the key and hides it again. A typed line break is CR LF: two positions of the key. Pictures pasted stand for
    // their codes; the same pictures typed beside them are the user's, and refused. A refusal says which character, or
    // that the key is missing, and leaves the result as it was.
    void crypteurModeSaisieEtRefus()
    {
        montrer<FenCrypteur>();
        source()->setTexteExact(u"abc"_qs);
        w<QLineEdit>("txtCle")->setText(u"k"_qs);
        const QStringList crypter{u"1"_qs, u"0"_qs, u"Crypter le texte"_qs, u"Texte crypté"_qs};
        const QStringList decrypter{u"0"_qs, u"1"_qs, u"Décrypter le texte"_qs, u"Texte décrypté"_qs};
        bool enCryptage = true;  // at the start
        for (const char* nom : {"CheckDecrypter", "CheckDecrypter", "CheckCrypter", "CheckCrypter", "LblCrypter",
                                "LblCrypter", "LblDecrypter", "LblDecrypter"}) {
            if (auto* b = w<QCheckBox>(nom))
                b->click();
            else
                w(nom)->click();
            enCryptage = !enCryptage;
            QSignalSpy fin(static_cast<FenCrypteur*>(fen.get()), &FenCrypteur::calculTermine);
            w("CmdCrypter")->click();
            QVERIFY(fin.count() == 1 || fin.wait(10000));
            // The boxes, the command's caption, and the result's once it has run.
            const QStringList etat{QString::number(w<QCheckBox>("CheckCrypter")->isChecked()),
                                   QString::number(w<QCheckBox>("CheckDecrypter")->isChecked()),
                                   w("CmdCrypter")->caption(), w<TavPanel>("FondResult")->caption()};
            QVERIFY2(etat == (enCryptage ? crypter : decrypter), nom);
        }

        for (const auto mode : {QLineEdit::Password, QLineEdit::Normal, QLineEdit::Password}) {
            QCOMPARE(w<QLineEdit>("txtCle")->echoMode(), mode);
            w("CmdCache")->click();
        }
        source()->clear();
        QTest::keyClicks(source(), u"a"_qs);
        QTest::keyClick(source(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(source(), u"b"_qs);
        lancer(QString(), u"AB"_qs, true);
        QCOMPARE(resultat()->texteQString(), u"¢OK¤"_qs);

        QGuiApplication::clipboard()->setText(u"\x01\t\n"_qs);
        source()->clear();
        source()->paste();
        QVERIFY(source()->strict());  // shown as ␁␉␊
        lancer(QString(), u"\x01"_qs, false);
        QCOMPARE(resultat()->texteQString(), u"\xFF\x08\x09"_qs);
        QTest::keyClick(source(), Qt::Key_Home, Qt::ControlModifier);
        QKeyEvent tape(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"\u2409"_qs);
        QCoreApplication::sendEvent(source(), &tape);
        const struct { QString source, cle, message; } refus[] = {  // message: part of the title and text
            {QString(), u"\x01"_qs, u"Le texte contient le caractère « ␉ » (U+2409)"_qs},  // typed before the pasted ones
            {u"Ωmega"_qs, u"clé"_qs, u"Le texte contient le caractère « Ω » (U+03A9)"_qs},
            {u"texte"_qs, u"cl\u0153\u2013\u0444"_qs, u"La clé contient le caractère « ф » (U+0444)"_qs},
            {u"abc↩\r\ndef"_qs, u"clé"_qs, u"Le texte contient le caractère « ↩ » (U+21A9)"_qs},  // ↩ and a break typed
            {u"Bonjour"_qs, QString(), u"Absence de clé\nVeuillez entrer une clé pour crypter/décrypter"_qs},
            {u"Bonjour"_qs, u"   "_qs, u"Absence de clé\n"_qs}};  // spaces only
        for (const auto& [texte, cle, message] : refus) {
            messages().clear();
            lancer(texte, cle, true);
            QCOMPARE(messages().size(), 1);
            const QString vu = messages()[0].titre + u'\n' + messages()[0].texte;
            QVERIFY2(vu.contains(message), qPrintable(vu));
            QCOMPARE(resultat()->texteQString(), u"\xFF\x08\x09"_qs);
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        }
    }

    // Find, then next to the end: past the last find the message comes at each request, the last find stays selected.
    void rechercheOccurrencesSuccessives_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("cherche");
        QTest::addColumn<bool>("casse");
        QTest::addColumn<QList<int>>("debuts");
        // The text widgets would turn these characters into others.
        const QByteArray garde = u"a\u00A0b\u2028c\U0001F600\td\u2029e f\r\nmot"_qs.toUtf8();
        QTest::newRow("casse ignorée au départ") << QByteArray("Un CHAT, un chat.") << "chat" << false << QList<int>{3, 12};
        QTest::newRow("casse respectée") << QByteArray("Un CHAT, un chat.") << "chat" << true << QList<int>{12};
        QTest::newRow("ligne 3 en CR LF") << QByteArray("un\r\ndeux\r\ntrois mots\r\nfin") << "mots" << false << QList<int>{14};
        QTest::newRow("espace insécable") << garde << u"\u00A0b"_qs << false << QList<int>{1};
        QTest::newRow("après paire, séparateurs et CR LF") << garde << "mot" << false << QList<int>{14};
    }
    void rechercheOccurrencesSuccessives()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, cherche);
        QFETCH(bool, casse);
        QFETCH(QList<int>, debuts);
        montrer<FenRechercheTxt>();
        charger(contenu);
        if (casse)
            w("LblCasse")->click();
        chercher(cherche);
        for (int i = 0; i < debuts.size(); ++i, w("CmdSuivant")->click()) {
            QCOMPARE(debut(), debuts[i]);
            QCOMPARE(zone()->texteSelectionne().toLower(), cherche.toLower());
        }
        w("CmdSuivant")->click();
        QCOMPARE(messages().size(), 2);
        if (!debuts.isEmpty())
            QCOMPARE(debut(), debuts.last());
    }

    // Enter finds in the word box and then in the text. The shown text stays when the file chosen is empty, unreadable,
    // too big (left unread) or cancelled. A file of 50 MB on one line is shown; next goes on from the old file's
    // position, a new search from the top.
    void rechercheEntreeFichiersRefusesEtLigneDe50Mo()
    {
        montrer<FenRechercheTxt>();
        charger("abc abc abc");
        w<QLineEdit>("txtMotRechercher")->setText(u"abc"_qs);
        w<QLineEdit>("txtMotRechercher")->setFocus();
        QTest::keyClick(w<QLineEdit>("txtMotRechercher"), Qt::Key_Return);
        QCOMPARE(debut(), 0);
        QVERIFY(zone()->hasFocus());
        QTest::keyClick(zone(), Qt::Key_Enter);
        QCOMPARE(debut(), 4);
        QTest::keyClick(zone(), Qt::Key_Return);  // the main keyboard's key as well as the keypad's
        QCOMPARE(debut(), 8);
        QCOMPARE(zone()->texteQString(), u"abc abc abc"_qs);

        env->creerFichier(u"vide.txt"_qs, "");
        QFile gros(env->chemin(u"gros.txt"_qs));
        QVERIFY(gros.open(QIODevice::WriteOnly) && gros.resize(64 * 1024 * 1024 + 1));
        gros.close();
        const std::pair<QString, const char*> choix[] = {  // a file, and a pattern of the message it gives
            {u"vide.txt"_qs, nullptr},
            {u"absent.txt"_qs, "^Erreur de lecture de fichier\\. [1-9][0-9]*  \\S"},
            {u"gros.txt"_qs, "65 Mo"},
            {QString(), nullptr}};  // cancelled
        for (const auto& [nom, message] : choix) {
            messages().clear();
            choisir(nom);
            QCOMPARE(zone()->texteQString(), u"abc abc abc"_qs);
            QCOMPARE(messages().size(), message ? 1 : 0);
            if (message)
                QVERIFY2(QRegularExpression(QString::fromLatin1(message)).match(messages()[0].texte).hasMatch(),
                         qPrintable(messages()[0].texte));
            QCOMPARE(fen->cursor().shape(), Qt::ArrowCursor);
        }
        QCOMPARE(env->sons, QList<int>{19});  // the cancelled choice's
        chercher(u"abc"_qs);  // in the text still shown
        w("CmdSuivant")->click();
        QCOMPARE(debut(), 4);

        QByteArray octets(50 * 1024 * 1024, 'a');
        octets.replace(0, 3, "abc");
        octets.replace(octets.size() - 10, 3, "abc");
        charger(std::exchange(octets, {}), u"ligne.txt"_qs);
        QVERIFY(zone()->nombreRangees() > 1000);
        w("CmdSuivant")->click();
        QCOMPARE(debut(), 50 * 1024 * 1024 - 10);
        chercher(u"ABC"_qs);
        QCOMPARE(debut(), 0);
    }
};

QTEST_MAIN(TstTextes)
#include "tst_textes.moc"
