// The cipher window: exact texts through the boxes and the clipboard, the
// mode pair, the refusals, and the way to the mini editor.
#include "app/outils.h"
#include "core/cp1252.h"
#include "support/environnement.h"
#include "texttools/fencrypteur.h"
#include "texttools/fenedittext.h"
#include "texttools/zonetexte.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>
#include <memory>
#include <random>

class TstCrypteur : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenCrypteur> fen;

    template <class T = TavBttn>
    T* w(const char* nom) const { return fen->findChild<T*>(QString::fromLatin1(nom)); }
    ZoneTexte* texte() const { return w<ZoneTexte>("txtTexte"); }
    ZoneTexte* resultat() const { return w<ZoneTexte>("txtResult"); }
    QLineEdit* cle() const { return w<QLineEdit>("txtCle"); }
    QString legende() const { return w<TavPanel>("FondResult")->caption(); }
    void modeCrypter(bool crypter)
    {
        if (w<QCheckBox>("CheckCrypter")->isChecked() != crypter)
            w("LblCrypter")->click();
    }
    void crypter(const QString& source, const QString& cleTexte)
    {
        texte()->setTexteExact(source);
        cle()->setText(cleTexte);
        modeCrypter(true);
        w("CmdCrypter")->click();
    }
    // Copies the result, pastes it into the emptied source box as a user
    // would, and deciphers it.
    void copierColler()
    {
        w("CmdCopCrypt")->click();
        texte()->clear();
        texte()->paste();
    }
    void decrypterLaCopie()
    {
        copierColler();
        modeCrypter(false);
        w("CmdCrypter")->click();
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        env = std::make_unique<Environnement>();
        fen = std::make_unique<FenCrypteur>(*env->general);
        fen->show();
    }
    void cleanup()
    {
        fen.reset();
        env.reset();
    }

    void allerRetourExactParLePressePapiers()
    {
        std::mt19937 aleas(20240611);
        auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(aleas); };
        auto de1252 = [](const QByteArray& o) {
            return QString::fromStdU16String(ordalis::cp1252::decode(std::string_view(o.constData(), o.size())));
        };
        for (int essai = 0; essai < 1200; ++essai) {
            QByteArray clair, cleOctets;
            for (int i = entre(1, essai % 50 == 0 ? 3000 : 60); i > 0; --i)
                clair += char(entre(1, 255));
            for (int i = entre(1, 12); i > 0; --i)
                cleOctets += char(entre(1, 255));
            // Pairs that the widgets would merge or split.
            clair.insert(entre(0, int(clair.size())), QByteArray(essai % 3 == 0 ? "\r\n" : essai % 3 == 1 ? "\n\r" : "\r\r\n\n"));
            if (clair.count(' ') == clair.size() || cleOctets.count(' ') == cleOctets.size())
                continue;
            const QString source = de1252(clair);
            crypter(source, de1252(cleOctets));
            QCOMPARE(resultat()->texteExact().size(), source.size());
            const QString affiche = resultat()->texteAffiche();
            copierColler();
            QCOMPARE(QGuiApplication::clipboard()->text(), affiche);
            modeCrypter(false);
            w("CmdCrypter")->click();
            QVERIFY2(resultat()->texteExact() == source, qPrintable(QStringLiteral("essai %1").arg(essai)));
            copierColler();
            QVERIFY2(texte()->texteExact() == source, qPrintable(QStringLiteral("essai %1").arg(essai)));
        }
        QVERIFY(env->dialogues.messages.isEmpty());
    }

    void resultatsConnus_data()
    {
        QTest::addColumn<QString>("clair");
        QTest::addColumn<QString>("cleTexte");
        QTest::addColumn<QString>("affiche");  // the cipher text as the box shows it
        QTest::addColumn<QString>("exact");    // and as it is ciphered
        QTest::addRow("ÿ revient ÿ") << u"ÿ"_qs << u"A"_qs << u"A"_qs << u"A"_qs;
        QTest::addRow("clé ÿ sur ÿ") << u"ÿÿ"_qs << u"ÿ"_qs << u"ÿÿ"_qs << u"ÿÿ"_qs;
        QTest::addRow("espace final de la clé") << u"ab"_qs << u"A "_qs << u"¢‚"_qs << u"¢‚"_qs;
        QTest::addRow("code 14 en image") << u"a"_qs << u"¬"_qs << u"\u240E"_qs << u"\x0E"_qs;
        QTest::addRow("CR seul en image") << u"ab"_qs << u"«©"_qs << u"\u240D\u240C"_qs << u"\r\x0C"_qs;
        QTest::addRow("CR LF en saut de ligne") << u"ab"_qs << u"«§"_qs << u"\n"_qs << u"\r\n"_qs;
        QTest::addRow("espace insécable gardé") << u"a\u00A0"_qs << u"\x01"_qs << u"b¡"_qs << u"b¡"_qs;
        const QString b1000(1000, u'b');
        QTest::addRow("ligne longue coupée à l'affichage") << QString(2500, u'a') << u"\x01"_qs
            << b1000 + u"↩\n"_qs + b1000 + u"↩\n"_qs + QString(500, u'b') << QString(2500, u'b');
    }
    void resultatsConnus()
    {
        QFETCH(QString, clair);
        QFETCH(QString, cleTexte);
        QFETCH(QString, affiche);
        QFETCH(QString, exact);
        crypter(clair, cleTexte);
        QCOMPARE(resultat()->texteAffiche(), affiche);
        QCOMPARE(resultat()->texteExact(), exact);
        QCOMPARE(legende(), u"Texte crypté"_qs);
        decrypterLaCopie();
        QCOMPARE(resultat()->texteExact(), clair);
        QCOMPARE(legende(), u"Texte décrypté"_qs);
    }

    void sautTapeCompteDeuxPositions_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
        QTest::addColumn<QString>("cleTexte");
        QTest::addColumn<QString>("attendu");
        QTest::addRow("Entrée, clé d'un caractère") << Qt::KeyboardModifiers() << u"B"_qs << u"£OL¤"_qs;
        QTest::addRow("Maj+Entrée, clé de deux") << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"AB"_qs << u"¢OK¤"_qs;
    }
    void sautTapeCompteDeuxPositions()
    {
        QFETCH(Qt::KeyboardModifiers, modificateurs);
        QFETCH(QString, cleTexte);
        QFETCH(QString, attendu);
        texte()->clear();
        texte()->setFocus();
        QTest::keyClick(texte(), Qt::Key_A);
        QTest::keyClick(texte(), Qt::Key_Return, modificateurs);
        QTest::keyClick(texte(), Qt::Key_B);
        QCOMPARE(texte()->texteExact(), u"a\r\nb"_qs);
        cle()->setText(cleTexte);
        w("CmdCrypter")->click();
        QCOMPARE(resultat()->texteExact(), attendu);
    }

    void caractereAbsentDuJeu_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("cleTexte");
        QTest::addColumn<QString>("nomme");
        QTest::addRow("oméga dans le texte") << u"Ωmega"_qs << u"clé"_qs << u"Le texte contient le caractère « Ω » (U+03A9)"_qs;
        QTest::addRow("image de NUL") << u"a\u2400"_qs << u"clé"_qs << u"« \u2400 » (U+2400)"_qs;
        QTest::addRow("dans la clé") << u"texte"_qs << u"cl\u0153\u2013\u0444"_qs << u"La clé contient le caractère « ф » (U+0444)"_qs;
    }
    void caractereAbsentDuJeu()
    {
        QFETCH(QString, source);
        QFETCH(QString, cleTexte);
        QFETCH(QString, nomme);
        resultat()->setTexteExact(u"ancien"_qs);
        crypter(source, cleTexte);
        QCOMPARE(env->dialogues.messages.size(), 1);
        QVERIFY2(env->dialogues.messages[0].texte.contains(nomme), qPrintable(env->dialogues.messages[0].texte));
        QCOMPARE(resultat()->texteExact(), u"ancien"_qs);
        QCOMPARE(legende(), QString());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void absenceDeCle_data()
    {
        QTest::addColumn<QString>("cleTexte");
        QTest::addColumn<bool>("refusee");
        QTest::addRow("vide") << QString() << true;
        QTest::addRow("trois espaces") << u"   "_qs << true;
        QTest::addRow("lettre et espace") << u"a "_qs << false;
    }
    void absenceDeCle()
    {
        QFETCH(QString, cleTexte);
        QFETCH(bool, refusee);
        crypter(u"Bonjour"_qs, cleTexte);
        QCOMPARE(env->dialogues.messages.size(), refusee ? 1 : 0);
        QCOMPARE(resultat()->texteExact().isEmpty(), refusee);
        if (refusee) {
            const Message& m = env->dialogues.messages[0];
            QCOMPARE(m.titre, u"Absence de clé"_qs);
            QCOMPARE(m.texte, u"Veuillez entrer une clé pour crypter/décrypter"_qs);
            QCOMPARE(m.icone, IconeMessage::Stop);
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void coupleDeCases_data()
    {
        QTest::addColumn<QStringList>("gestes");
        QTest::addColumn<bool>("crypter");
        QTest::addRow("au départ") << QStringList() << true;
        QTest::addRow("clic sur la case cochée") << QStringList{u"CheckCrypter"_qs} << false;
        QTest::addRow("décochée puis cochée") << QStringList{u"CheckDecrypter"_qs, u"CheckDecrypter"_qs} << true;
        QTest::addRow("les deux étiquettes") << QStringList{u"LblDecrypter"_qs, u"LblCrypter"_qs} << true;
        QTest::addRow("espace sur la case") << QStringList{u"espace"_qs} << false;
        QTest::addRow("décochée par le code") << QStringList{u"code"_qs} << false;
    }
    void coupleDeCases()
    {
        QFETCH(QStringList, gestes);
        QFETCH(bool, crypter);
        auto* caseCrypter = w<QCheckBox>("CheckCrypter");
        for (const QString& geste : gestes) {
            if (geste == u"espace"_qs)
                QTest::keyClick(caseCrypter, Qt::Key_Space);
            else if (geste == u"code"_qs)
                caseCrypter->setChecked(false);
            else if (auto* c = fen->findChild<QCheckBox*>(geste))
                QTest::mouseClick(c, Qt::LeftButton);
            else
                QTest::mouseClick(w(qPrintable(geste)), Qt::LeftButton);
        }
        QCOMPARE(caseCrypter->isChecked(), crypter);
        QCOMPARE(w<QCheckBox>("CheckDecrypter")->isChecked(), !crypter);
        QCOMPARE(w("CmdCrypter")->caption(), crypter ? u"Crypter le texte"_qs : u"Décrypter le texte"_qs);
    }

    void cacheCopieEtEfface()
    {
        w("CmdCache")->click();
        QCOMPARE(cle()->echoMode(), QLineEdit::Normal);
        w("CmdCache")->click();
        QCOMPARE(cle()->echoMode(), QLineEdit::Password);
        crypter(u"a\r\n\x01"_qs, u"k"_qs);
        w("CmdCopClair")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"a\n\u2401"_qs);
        w("CmdEffacerCrypt")->click();
        QCOMPARE(resultat()->texteExact(), QString());
        QCOMPARE(env->sons, QList<int>{19});
    }

    void zoneLueEtEcriteParLeLecteurDEcran()
    {
        texte()->setTexteExact(u"abc"_qs);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(texte());
        QVERIFY(a->textInterface() && a->editableTextInterface());
        QCOMPARE(a->textInterface()->text(0, 3), u"abc"_qs);
        a->editableTextInterface()->insertText(3, u"d\u00A0e"_qs);
        QCOMPARE(texte()->texteExact(), u"abcd\u00A0e"_qs);
    }

    void miniEditeurUnique()
    {
        fen.reset();
        QWidget principale;
        Outils outils(*env->general, &principale);
        QPointer<FenCrypteur> crypteur = outils.ouvrirCrypteur();
        QCOMPARE(outils.ouvrirCrypteur(), crypteur.data());
        crypteur->findChild<TavBttn*>(u"CmdNotePad"_qs)->click();
        QPointer<FenEditText> editeur = outils.ouvrirEditeur();
        QVERIFY(editeur && editeur->isVisible());
        editeur->findChild<ZoneTexte*>(u"txtEdit"_qs)->setTexteExact(u"gardé"_qs);
        crypteur->findChild<TavBttn*>(u"CmdNotePad"_qs)->click();
        QCOMPARE(outils.ouvrirEditeur(), editeur.data());
        QCOMPARE(editeur->findChild<ZoneTexte*>(u"txtEdit"_qs)->texteExact(), u"gardé"_qs);
        editeur->close();
        crypteur->close();
        QTRY_VERIFY(editeur.isNull() && crypteur.isNull());
    }
};

QTEST_MAIN(TstCrypteur)
#include "tst_crypteur.moc"
