// The mini editor keeps the user's work: typed text is never dropped without a question, a file keeps its bytes, and
// a refused save says why.
#include "core/fileerrors.h"
#include "support/environnement.h"
#include "texttools/fenedittext.h"
#include "texttools/zonetexte.h"
#include "ui/raisons.h"
#include "ui/tavbttn.h"

#include <QtTest>
#include <memory>

class TstEditeur : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenEditText> fen;

    TavBttn* bouton(const char* nom) const { return fen->findChild<TavBttn*>(QLatin1String(nom)); }
    ZoneTexte* edit() const { return fen->findChild<ZoneTexte*>(u"txtEdit"_qs); }
    QString titre() const { return bouton("CmdDeplaceFen")->caption(); }
    QList<Message>& messages() { return env->dialogues.messages; }
    void repondre(std::initializer_list<Reponse> reponses) { env->dialogues.reponses = reponses; }
    void fichierChoisi(const QString& nom) { env->dialogues.fichiers.push_back(env->chemin(nom)); }
    // Opens `nom` through the open command and waits for the read, the text then untouched.
    void ouvrir(const QString& nom)
    {
        QSignalSpy fin(fen.get(), &FenEditText::chargementTermine);
        fichierChoisi(nom);
        bouton("CmdOuvrir")->click();
        QVERIFY(fin.count() == 1 || fin.wait());
    }
    // What a user types at the end of the text.
    void taper(const QString& texte)
    {
        QTest::keyClick(edit(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit(), texte);
    }

private Q_SLOTS:
    void initTestCase() { preparerProgrammeDeTest(); }
    void init()
    {
        env = std::make_unique<Environnement>();
        fen = std::make_unique<FenEditText>(*env->general);
        fen->show();
        env->creerFichier(u"a.txt"_qs, "texte de a\n");
        env->creerFichier(u"b.txt"_qs, "texte de b\n");
    }
    void cleanup()
    {
        fen.reset();
        env.reset();
    }

    // Closing, a new text, opening and closing everything ask before dropping edited text: Yes saves it first (save
    // dialog, then the overwrite question), No drops it, Cancel keeps everything as it was. Closing everything closes
    // the main window last, so that it stays when the editor's user cancels.
    void texteModifieDemandeAvantDEtrePerdu_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<QString>("texteApres");  // null: the window is closed
        QTest::addColumn<QByteArray>("fichierA");
        const QByteArray ancien("texte de a\n"), enregistre("texte de a\najout\n");
        const QString garde = u"texte de a\najout"_qs;
        for (const QString& c : {u"CmdFermer"_qs, u"CmdNouveau"_qs, u"CmdOuvrir"_qs, u"FermerTout"_qs}) {
            const QString apres = c == u"CmdNouveau"_qs  ? u""_qs
                                  : c == u"CmdOuvrir"_qs ? u"texte de b\n"_qs
                                                         : QString();
            QTest::addRow("%s, Oui", qPrintable(c)) << c << Reponse::Oui << apres << enregistre;
            QTest::addRow("%s, Non", qPrintable(c)) << c << Reponse::Non << apres << ancien;
            QTest::addRow("%s, Annuler", qPrintable(c)) << c << Reponse::Annuler << garde << ancien;
        }
    }
    void texteModifieDemandeAvantDEtrePerdu()
    {
        QFETCH(QString, commande);
        QFETCH(Reponse, reponse);
        QFETCH(QString, texteApres);
        QFETCH(QByteArray, fichierA);
        QWidget principale;
        principale.setProperty(kFenetrePrincipale, true);
        principale.show();
        ouvrir(u"a.txt"_qs);
        taper(u"ajout"_qs);
        repondre({reponse, Reponse::Oui});  // then the overwrite question
        if (reponse == Reponse::Oui)
            fichierChoisi(u"a.txt"_qs);  // the save dialog
        if (commande == u"CmdOuvrir"_qs)
            fichierChoisi(u"b.txt"_qs);
        if (commande == u"FermerTout"_qs)
            QCOMPARE(FermerTout(), reponse != Reponse::Annuler);
        else
            bouton(qPrintable(commande))->click();
        QVERIFY(!messages().isEmpty());
        const Message& question = messages().first();
        QCOMPARE(question.boutons, BoutonsMessage::OuiNonAnnuler);
        QCOMPARE(question.parDefaut, Reponse::Oui);
        QCOMPARE(fen->isVisible(), !texteApres.isNull());
        QCOMPARE(principale.isVisible(), commande != u"FermerTout"_qs || reponse == Reponse::Annuler);
        if (!texteApres.isNull())
            QTRY_COMPARE(edit()->texteExact(), texteApres);
        QCOMPARE(env->lire(u"a.txt"_qs), fichierA);
        if (reponse == Reponse::Annuler)
            QCOMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"a.txt"_qs));
    }

    // A text as it was opened or saved, or typed back to it, asks nothing. The title follows the file, by the commands
    // and their shortcuts: "Sans_titre" for a new text, emptied, saved with the system's line ending; a file not there
    // yet keeps the text shown. The save dialog offers the file's name. The file is read off the window: the open
    // command returns before it is read, a later choice replaces the read under way, and closing the window drops it.
    // The largest file it opens, 16 MiB, is shown whole.
    void texteIntactTitreEtLecture()
    {
        fen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fen.get()));
        ouvrir(u"a.txt"_qs);
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"a.txt"_qs));
        taper(u"x"_qs);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QTest::keyClick(edit(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(titre(), u"Mini-Editeur - Sans_titre"_qs);
        QCOMPARE(edit()->texteExact(), QString());
        taper(u"z"_qs);
        fichierChoisi(u"n.txt"_qs);
        bouton("CmdEnregSous")->click();
#ifdef Q_OS_WIN  // a new text's lines end as the system's do
        QCOMPARE(env->lire(u"n.txt"_qs), QByteArray("z\r\n"));
#else
        QCOMPARE(env->lire(u"n.txt"_qs), QByteArray("z\n"));
#endif
        fichierChoisi(u"b.txt"_qs);
        QTest::keyClick(edit(), Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"b.txt"_qs));
        taper(u"y"_qs);
        fichierChoisi(u"c.txt"_qs);
        QTest::keyClick(edit(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(env->dialogues.demandesFichier.last().nom, u"b.txt"_qs);
        QCOMPARE(env->lire(u"c.txt"_qs), QByteArray("texte de b\ny\n"));
        fichierChoisi(u"absent.txt"_qs);
        bouton("CmdOuvrir")->click();
        QTRY_COMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"absent.txt"_qs));
        QCOMPARE(edit()->texteExact(), u"texte de b\ny"_qs);

        env->creerFichier(u"grand.txt"_qs, QByteArray(16 * 1024 * 1024, 'a'));
        QSignalSpy fin(fen.get(), &FenEditText::chargementTermine);
        fichierChoisi(u"grand.txt"_qs);
        bouton("CmdOuvrir")->click();
        QCOMPARE(edit()->texteExact(), u"texte de b\ny"_qs);
        QVERIFY(edit()->isReadOnly());  // the user agreed to replace the text
        QCOMPARE(fen->cursor().shape(), Qt::WaitCursor);
        fichierChoisi(u"b.txt"_qs);
        bouton("CmdOuvrir")->click();
        QTRY_COMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"b.txt"_qs));
        QCOMPARE(edit()->texteExact(), u"texte de b\n"_qs);
        QCOMPARE(fin.count(), 1);
        QVERIFY(!edit()->isReadOnly());
        QCOMPARE(fen->cursor().shape(), Qt::ArrowCursor);
        ouvrir(u"grand.txt"_qs);
        QCOMPARE(edit()->texte().size(), 16u * 1024 * 1024);
        bouton("CmdNouveau")->click();
        fichierChoisi(u"grand.txt"_qs);
        bouton("CmdOuvrir")->click();
        QVERIFY(fen->close());  // asks nothing
        fen.reset();  // the read goes on, and nothing it gives arrives
        QVERIFY(messages().isEmpty());
    }

    // Saving over a file asks first, No by default; a 1252 text given a character that code page lacks is saved in
    // UTF-8 only when the user agrees, No by default. A refusal keeps the file; the title follows the choice.
    void enregistrerSurUnFichier_data()
    {
        QTest::addColumn<QList<Reponse>>("reponses");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("question");  // part of the last one asked
        const QString hors1252 = u"« Ω » (U+03A9)"_qs;
        QTest::addRow("écraser : non") << QList{Reponse::Non} << QByteArray("texte de a\n")
                                       << u"Ecraser le fichier existant ?"_qs;
        QTest::addRow("UTF-8 : oui") << QList{Reponse::Oui, Reponse::Oui} << QByteArray("caf\xC3\xA9 \xCE\xA9\r\n")
                                     << hors1252;
        QTest::addRow("UTF-8 : non") << QList{Reponse::Oui, Reponse::Non} << QByteArray("texte de a\n") << hors1252;
    }
    void enregistrerSurUnFichier()
    {
        QFETCH(QList<Reponse>, reponses);
        QFETCH(QByteArray, octets);
        QFETCH(QString, question);
        env->creerFichier(u"c.txt"_qs, "caf\xE9\r\n");
        ouvrir(u"c.txt"_qs);
        edit()->setTexteExact(u"café Ω"_qs);
        env->dialogues.reponses.assign(reponses.begin(), reponses.end());
        fichierChoisi(u"a.txt"_qs);
        bouton("CmdEnregSous")->click();
        QCOMPARE(env->lire(u"a.txt"_qs), octets);
        QCOMPARE(messages().size(), reponses.size());
        QVERIFY2(messages().last().texte.contains(question), qPrintable(messages().last().texte));
        QCOMPARE(messages().last().parDefaut, Reponse::Non);
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"a.txt"_qs));
    }

    // What a file shows, and its bytes kept by a save over it (twice) and by a save as a copy, whatever it holds; a
    // file that is not text opens only when the user agrees.
    void fichierEnregistreSansModificationIdentique_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("texte");  // null: not a text, opened when the user agrees
        QTest::addRow("1252, CR LF") << QByteArray("premi\xE8re\r\nseconde\r\n") << u"première\nseconde\n"_qs;
        QTest::addRow("vide") << QByteArray() << u""_qs;
        QTest::addRow("insécable, U+2028 et U+2029") << QByteArray("a\xC2\xA0" "b\xE2\x80\xA8" "c\xE2\x80\xA9" "z\n")
                                                   << u"a\u00A0b\u2028c\nz\n"_qs;  // U+2029 ends a line
        QTest::addRow("code de contrôle") << QByteArray("a\x01\tb\r\n") << u"a\x01\tb\n"_qs;
        QTest::addRow("binaire") << QByteArray("\x7F" "ELF\x02\x01\x00\x00\r\n\xFF\xFE\x00\x81", 15) << QString();
    }
    void fichierEnregistreSansModificationIdentique()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, texte);
        const bool binaire = texte.isNull();
        env->creerFichier(u"f.bin"_qs, octets);
        edit()->setTexteExact(u"avant"_qs);
        if (binaire) {
            repondre({Reponse::Non});
            ouvrir(u"f.bin"_qs);
            QCOMPARE(messages().size(), 1);
            QVERIFY2(messages()[0].texte.contains(u"ne semble pas être un fichier texte"_qs), qPrintable(messages()[0].texte));
            QCOMPARE(messages()[0].parDefaut, Reponse::Non);
            QCOMPARE(edit()->texteExact(), u"avant"_qs);
            QCOMPARE(titre(), u"Mini-Editeur"_qs);
            repondre({Reponse::Oui});
        }
        ouvrir(u"f.bin"_qs);
        if (!binaire)
            QCOMPARE(edit()->texteExact(), texte);
        for (const QString& cible : {u"f.bin"_qs, u"f.bin"_qs, u"copie.bin"_qs}) {
            repondre({Reponse::Oui});
            fichierChoisi(cible);
            bouton("CmdEnregSous")->click();
            QCOMPARE(env->lire(cible), octets);
        }
    }

    // The reasons the messages give for the system's errors (the program's own refusals: a refused save below).
    void raisonsEnFrancais()
    {
        QCOMPARE(raisonEnFrancais(std::make_error_code(std::errc::permission_denied)), u"accès refusé"_qs);
    }

    // A refused open or save names the file and the reason, and changes nothing: neither the text nor what was on disk,
    // nor the title when a file is refused. The largest file the editor opens is 16 MiB (below); one byte more is
    // refused unread, and so are a folder and a named pipe (before anything waits for a writer).
    void refus_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("raison");
        QTest::addColumn<int>("questions");  // asked before the refusal: whether to overwrite
        const QString tube = u"ce n'est pas un fichier ordinaire"_qs, dossier = u"c'est un dossier"_qs;
        QTest::addRow("ouvrir 16 Mio et un octet") << u"CmdOuvrir"_qs << u"grand"_qs << u"fait 17 Mo"_qs << 0;
        QTest::addRow("ouvrir 200 Mio") << u"CmdOuvrir"_qs << u"immense"_qs << u"fait 200 Mo"_qs << 0;
        QTest::addRow("ouvrir un tube") << u"CmdOuvrir"_qs << u"tube"_qs << tube << 0;
        QTest::addRow("ouvrir un dossier") << u"CmdOuvrir"_qs << u"dossier"_qs << dossier << 0;
        QTest::addRow("enregistrer en lecture seule") << u"CmdEnregSous"_qs << u"cible"_qs
                                                      << u"il a l'attribut Lecture seule"_qs << 1;
        QTest::addRow("enregistrer sur un tube") << u"CmdEnregSous"_qs << u"tube"_qs << tube << 1;
        QTest::addRow("enregistrer dans un dossier absent") << u"CmdEnregSous"_qs << u"absent/n.txt"_qs
                                                            << u"dossier ou fichier introuvable"_qs << 0;
        QTest::addRow("enregistrer sur un dossier") << u"CmdEnregSous"_qs << u"dossier"_qs << dossier << 0;
    }
    void refus()
    {
        QFETCH(QString, commande);
        QFETCH(QString, cible);
        QFETCH(QString, raison);
        QFETCH(int, questions);
        if (cible == u"tube"_qs && !kTubes)
            QSKIP("no named pipes among the files of this system");
        QVERIFY(!kTubes || creerTube(env->chemin(u"tube"_qs)));  // a read that waited for a writer would never end
        QVERIFY(QDir().mkdir(env->chemin(u"dossier"_qs)));
        env->creerFichier(u"cible"_qs, "protégé\n");
        QFile::setPermissions(env->chemin(u"cible"_qs), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        for (const auto& [nom, taille] : {std::pair(u"grand"_qs, 16 * 1024 * 1024 + 1), {u"immense"_qs, 200 * 1024 * 1024}}) {
            QFile f(env->chemin(nom));  // nothing written: a file refused unread may be all holes
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(taille));
        }
        edit()->setTexteExact(u"avant"_qs);
        repondre({Reponse::Oui});
        QSignalSpy lu(fen.get(), &FenEditText::chargementTermine);
        fichierChoisi(cible);
        bouton(qPrintable(commande))->click();
        QVERIFY(commande != u"CmdOuvrir"_qs || lu.count() == 1 || lu.wait());
        QCOMPARE(messages().size(), questions + 1);
        const QString texte = messages().last().texte;
        QVERIFY2(texte.contains(env->chemin(cible)) && texte.contains(raison), qPrintable(texte));
        QCOMPARE(edit()->texteExact(), u"avant"_qs);
        QCOMPARE(env->lire(u"cible"_qs), QByteArray("protégé\n"));
        if (commande == u"CmdOuvrir"_qs)
            QCOMPARE(titre(), u"Mini-Editeur"_qs);  // a refused save still names the file chosen
    }
};

QTEST_MAIN(TstEditeur)
#include "tst_editeur.moc"
