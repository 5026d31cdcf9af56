// The text search window: loading a file through the open dialog, finding
// a word forward occurrence after occurrence, the case option.
#include "app/outils.h"
#include "support/environnement.h"
#include "texttools/fenrecherchetxt.h"
#include "ui/tavbttn.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

class TstRechercheTxt : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    DialoguesScriptes* dialogues = nullptr;
    std::unique_ptr<FenRechercheTxt> fen;

    TavBttn* bouton(const char* nom) { return fen->findChild<TavBttn*>(QString::fromLatin1(nom)); }
    QPlainTextEdit* zone() { return fen->findChild<QPlainTextEdit*>(QStringLiteral("Rtb1")); }
    QLineEdit* mot() { return fen->findChild<QLineEdit*>(QStringLiteral("txtMotRechercher")); }

    // Chooses a file holding `contenu` with CmdFichier and waits for it.
    void charger(const QByteArray& contenu, const QString& nom = QStringLiteral("t.txt"))
    {
        env->creerFichier(nom, contenu);
        choisir(env->chemin(nom));
    }
    void choisir(const QString& chemin)
    {
        QSignalSpy fin(fen.get(), &FenRechercheTxt::chargementTermine);
        dialogues->fichiers.push_back(chemin);
        bouton("CmdFichier")->click();
        QVERIFY(fin.wait(10000));
    }
    int debut() { return zone()->textCursor().selectionStart(); }
    QString selection() { return zone()->textCursor().selectedText(); }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        env = std::make_unique<Environnement>();
        dialogues = &env->dialogues;
        fen = std::make_unique<FenRechercheTxt>(*env->general);
        fen->show();
    }
    void cleanup()
    {
        fen.reset();
        env.reset();
    }

    // CmdRechercher, then CmdSuivant until the end: the selection goes from
    // find to find; past the last one the message comes at each further
    // request and the last find stays selected.
    void occurrencesSuccessives_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("cherche");
        QTest::addColumn<bool>("casse");
        QTest::addColumn<QList<int>>("debuts");
        QTest::newRow("casse ignorée au départ") << QByteArray("Un CHAT, un chat.") << "chat" << false
                                                 << QList<int>{3, 12};
        QTest::newRow("casse respectée") << QByteArray("Un CHAT, un chat.") << "chat" << true << QList<int>{12};
        QTest::newRow("casse respectée, absent") << QByteArray("CHAT") << "chat" << true << QList<int>{};
        QTest::newRow("accents sans casse") << QByteArray("Noël ÉTÉ été") << "été" << false << QList<int>{5, 9};
        QTest::newRow("recouvrements") << QByteArray("aaaa") << "aa" << false << QList<int>{0, 1, 2};
        QTest::newRow("trois occurrences") << QByteArray("x ab ab ab") << "ab" << false << QList<int>{2, 5, 8};
        QTest::newRow("ligne 3 en CR LF") << QByteArray("un\r\ndeux\r\ntrois mots\r\nfin") << "mots" << false
                                          << QList<int>{14};
    }
    void occurrencesSuccessives()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, cherche);
        QFETCH(bool, casse);
        QFETCH(QList<int>, debuts);
        charger(contenu);
        if (casse)
            bouton("LblCasse")->click();
        QCOMPARE(fen->findChild<QCheckBox*>(QStringLiteral("CheckCasse"))->isChecked(), casse);
        mot()->setText(cherche);
        for (int i = 0; i < debuts.size(); ++i) {
            bouton(i == 0 ? "CmdRechercher" : "CmdSuivant")->click();
            QCOMPARE(debut(), debuts[i]);
            QCOMPARE(selection().toLower(), cherche.toLower());
        }
        QVERIFY(dialogues->messages.isEmpty());
        if (debuts.isEmpty())
            bouton("CmdRechercher")->click();
        bouton("CmdSuivant")->click();
        bouton("CmdSuivant")->click();
        QCOMPARE(dialogues->messages.size(), debuts.isEmpty() ? 3 : 2);
        for (const Message& m : dialogues->messages)
            QCOMPARE(m.texte, u"La zone de recherche a été parcourue."_qs);
        if (!debuts.isEmpty())
            QCOMPARE(debut(), debuts.last());
        else
            QVERIFY(!zone()->textCursor().hasSelection());
    }

    void entreeCherche()
    {
        charger("ab ab");
        mot()->setText(QStringLiteral("ab"));
        mot()->setFocus();
        QTest::keyClick(mot(), Qt::Key_Return);
        QCOMPARE(debut(), 0);
        QVERIFY(zone()->hasFocus());
        QTest::keyClick(zone(), Qt::Key_Enter);
        QCOMPARE(debut(), 3);
        QCOMPARE(zone()->toPlainText(), QStringLiteral("ab ab"));
    }

    // The next find after a new file goes on from the old last position.
    void anciennePositionSurvitAuNouveauFichier()
    {
        charger("abc abc abc");
        mot()->setText(QStringLiteral("abc"));
        bouton("CmdRechercher")->click();
        bouton("CmdSuivant")->click();
        QCOMPARE(debut(), 4);
        charger("abc xxxxx abc", QStringLiteral("u.txt"));
        bouton("CmdSuivant")->click();
        QCOMPARE(debut(), 10);
        bouton("CmdRechercher")->click();
        QCOMPARE(debut(), 0);
    }

    void fichierVideGardeLeTexte()
    {
        charger("bonjour");
        charger("", QStringLiteral("vide.txt"));
        QCOMPARE(zone()->toPlainText(), QStringLiteral("bonjour"));
        mot()->setText(QStringLiteral("jour"));
        bouton("CmdRechercher")->click();
        QCOMPARE(debut(), 3);
        QVERIFY(dialogues->messages.isEmpty());
    }

    void erreurDeLecture_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("fichier absent") << "absent.txt";
        QTest::newRow("dossier") << "sous";
    }
    void erreurDeLecture()
    {
        QFETCH(QString, nom);
        env->creerFichier(QStringLiteral("sous/f.txt"));
        charger("avant");
        choisir(env->chemin(nom));
        QCOMPARE(dialogues->messages.size(), 1);
        const Message m = dialogues->messages[0];
        QVERIFY2(QRegularExpression(QStringLiteral("^Erreur de lecture de fichier\\. [1-9][0-9]*  \\S.*$"))
                     .match(m.texte).hasMatch(),
                 qPrintable(m.texte));
        QCOMPARE(zone()->toPlainText(), QStringLiteral("avant"));
        QCOMPARE(fen->cursor().shape(), Qt::ArrowCursor);
    }

    // Above 64 MB the file is refused at once, without being read.
    void fichierTropGrosRefuse()
    {
        charger("avant");
        QFile gros(env->chemin(QStringLiteral("gros.txt")));
        QVERIFY(gros.open(QIODevice::WriteOnly));
        QVERIFY(gros.resize(64 * 1024 * 1024 + 1));
        gros.close();
        QElapsedTimer duree;
        duree.start();
        choisir(gros.fileName());
        QVERIFY(duree.elapsed() < 2000);
        QCOMPARE(dialogues->messages.size(), 1);
        QVERIFY(dialogues->messages[0].texte.contains(QStringLiteral("65 Mo")));
        QCOMPARE(zone()->toPlainText(), QStringLiteral("avant"));
    }

    void annulerJoueLeSonSansRienChanger()
    {
        charger("avant");
        bouton("CmdFichier")->click();
        QCOMPARE(env->sons, QList<int>{19});
        QCOMPARE(zone()->toPlainText(), QStringLiteral("avant"));
    }

    void motVideNeFaitRien()
    {
        charger("abc abc");
        mot()->setText(QStringLiteral("abc"));
        bouton("CmdRechercher")->click();
        bouton("CmdSuivant")->click();
        mot()->clear();
        bouton("CmdRechercher")->click();
        bouton("CmdSuivant")->click();
        QTest::keyClick(mot(), Qt::Key_Return);
        QVERIFY(dialogues->messages.isEmpty());
        QCOMPARE(debut(), 4);
        mot()->setText(QStringLiteral("abc"));
        bouton("CmdSuivant")->click();
        QCOMPARE(dialogues->messages.size(), 1);
    }

    void encodages_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("UTF-8") << QByteArray("\x45\x74\xC3\xA9 \xC3\xA9t\xC3\xA9");
        QTest::newRow("UTF-8 avec BOM") << QByteArray("\xEF\xBB\xBF\x45t\xC3\xA9 \xC3\xA9t\xC3\xA9");
        QTest::newRow("code page 1252") << QByteArray("Et\xE9 \xE9t\xE9");
    }
    void encodages()
    {
        QFETCH(QByteArray, contenu);
        charger(contenu);
        QCOMPARE(zone()->toPlainText(), QStringLiteral("Eté été"));
        mot()->setText(QStringLiteral("été"));
        bouton("CmdRechercher")->click();
        QCOMPARE(debut(), 4);
    }

    // Characters the text widgets turn into others when giving their text
    // back are shown and searched as they are, at their own positions.
    void caracteresGardesTelsQuels()
    {
        charger(QStringLiteral(u"a\u00A0b\u2028c\U0001F600\td\u2029e f\r\nmot").toUtf8());
        const QTextDocument* doc = zone()->document();
        QCOMPARE(doc->characterCount(), 18);  // 17 characters and the closing separator
        QCOMPARE(doc->characterAt(1), QChar(0x00A0));
        QCOMPARE(doc->characterAt(3), QChar(0x2028));
        mot()->setText(QStringLiteral(u"\u00A0b"));
        bouton("CmdRechercher")->click();
        QCOMPARE(debut(), 1);
        mot()->setText(QStringLiteral("a b"));
        bouton("CmdRechercher")->click();
        QCOMPARE(dialogues->messages.size(), 1);
        mot()->setText(QStringLiteral("mot"));
        bouton("CmdRechercher")->click();
        QCOMPARE(debut(), 14);
        QCOMPARE(selection(), QStringLiteral("mot"));
    }

    void uneSeuleFenetre()
    {
        fen.reset();
        QWidget principale;
        Outils outils(*env->general, &principale);
        FenRechercheTxt* premiere = outils.ouvrirRechercheTexte();
        QCOMPARE(outils.ouvrirRechercheTexte(), premiere);
        QPointer<FenRechercheTxt> garde(premiere);
        premiere->close();
        QTRY_VERIFY(garde.isNull());
        std::unique_ptr<FenRechercheTxt> seconde(outils.ouvrirRechercheTexte());
        QVERIFY(seconde->isVisible());
    }
};

QTEST_MAIN(TstRechercheTxt)
#include "tst_recherchetxt.moc"
