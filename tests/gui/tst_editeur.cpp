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

#include <cerrno>

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

    // Closing, a new text and opening ask before dropping edited text: Yes saves it first (save dialog, then the
    // overwrite question), No drops it, Cancel keeps everything as it was.
    void texteModifieDemandeAvantDEtrePerdu_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<QString>("texteApres");  // null: the window is closed
        QTest::addColumn<QByteArray>("fichierA");
        const QByteArray ancien("texte de a\n"), enregistre("texte de a\najout\n");
        const QString garde = u"texte de a\najout"_qs;
        for (const QString& c : {u"CmdFermer"_qs, u"CmdNouveau"_qs, u"CmdOuvrir"_qs}) {
            const QString apres = c == u"CmdFermer"_qs ? QString() : c == u"CmdNouveau"_qs ? u""_qs : u"texte de b\n"_qs;
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
        ouvrir(u"a.txt"_qs);
        taper(u"ajout"_qs);
        repondre({reponse, Reponse::Oui});  // then the overwrite question
        if (reponse == Reponse::Oui)
            fichierChoisi(u"a.txt"_qs);  // the save dialog
        if (commande == u"CmdOuvrir"_qs)
            fichierChoisi(u"b.txt"_qs);
        bouton(qPrintable(commande))->click();
        QVERIFY(!messages().isEmpty());
        const Message& question = messages().first();
        QCOMPARE(question.texte, u"Enregistrer les modifications ?"_qs);
        QCOMPARE(question.boutons, BoutonsMessage::OuiNonAnnuler);
        QCOMPARE(question.parDefaut, Reponse::Oui);
        QCOMPARE(fen->isVisible(), !texteApres.isNull());
        if (!texteApres.isNull())
            QTRY_COMPARE(edit()->texteExact(), texteApres);
        QCOMPARE(env->lire(u"a.txt"_qs), fichierA);
        if (reponse == Reponse::Annuler)
            QCOMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"a.txt"_qs));
    }

    // A text as it was opened or saved, or typed back to it, asks nothing; after a save, closing asks nothing either.
    void texteIntactNeDemandeRien()
    {
        ouvrir(u"a.txt"_qs);
        bouton("CmdNouveau")->click();
        ouvrir(u"a.txt"_qs);
        taper(u"x"_qs);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        ouvrir(u"b.txt"_qs);
        taper(u"y"_qs);
        repondre({Reponse::Oui});
        fichierChoisi(u"c.txt"_qs);
        bouton("CmdEnregSous")->click();
        QCOMPARE(env->lire(u"c.txt"_qs), QByteArray("texte de b\ny\n"));
        QVERIFY(messages().isEmpty());
        QVERIFY(fen->close());
        QVERIFY(messages().isEmpty());
    }

    // The title follows the file: "Sans_titre" for a new text, emptied; a file not there yet keeps the text shown.
    void titreSuitLeFichier()
    {
        QCOMPARE(titre(), u"Mini-Editeur"_qs);
        edit()->setTexteExact(u"brouillon"_qs);
        bouton("CmdNouveau")->click();
        QCOMPARE(titre(), u"Mini-Editeur - Sans_titre"_qs);
        QCOMPARE(edit()->texteExact(), QString());
        ouvrir(u"a.txt"_qs);
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"a.txt"_qs));
        fichierChoisi(u"absent.txt"_qs);
        bouton("CmdOuvrir")->click();
        QTRY_COMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"absent.txt"_qs));
        QCOMPARE(edit()->texteExact(), u"texte de a\n"_qs);
        QVERIFY(messages().isEmpty());
    }

    // Saving over another file asks first, No by default: No keeps the file, the title follows the choice.
    void ecraserRepondreNon()
    {
        edit()->setTexteExact(u"nouveau"_qs);
        repondre({Reponse::Non, Reponse::Oui});
        fichierChoisi(u"a.txt"_qs);
        bouton("CmdEnregSous")->click();
        QCOMPARE(env->lire(u"a.txt"_qs), QByteArray("texte de a\n"));
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].texte, u"Ecraser le fichier existant ?"_qs);
        QCOMPARE(messages()[0].parDefaut, Reponse::Non);
        QCOMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"a.txt"_qs));
        fichierChoisi(u"a.txt"_qs);
        bouton("CmdEnregSous")->click();
#ifdef Q_OS_WIN  // a new text's lines end as the system's do
        QCOMPARE(env->lire(u"a.txt"_qs), QByteArray("nouveau\r\n"));
#else
        QCOMPARE(env->lire(u"a.txt"_qs), QByteArray("nouveau\n"));
#endif
    }

    // A 1252 file given a character it lacks: saved in UTF-8 only when the user agrees.
    void caractereHors1252()
    {
        for (const auto& [reponse, attendu] : {std::pair(Reponse::Oui, QByteArray("caf\xC3\xA9 \xCE\xA9\r\n")),
                                               std::pair(Reponse::Non, QByteArray("caf\xE9\r\n"))}) {
            const QString nom = reponse == Reponse::Oui ? u"oui.txt"_qs : u"non.txt"_qs;
            env->creerFichier(nom, "caf\xE9\r\n");
            ouvrir(nom);
            edit()->setTexteExact(u"café Ω"_qs);
            repondre({Reponse::Oui, reponse});
            fichierChoisi(nom);
            bouton("CmdEnregSous")->click();
            QCOMPARE(env->lire(nom), attendu);
            QVERIFY(messages().last().texte.contains(u"« Ω » (U+03A9)"_qs));
            QCOMPARE(messages().last().parDefaut, Reponse::Non);
        }
        QCOMPARE(messages().size(), 4);
    }

    // Closing everything stops at an editor whose user cancels.
    void fermerToutSArreteALEditeurAnnule()
    {
        QWidget principale;  // closed last, so it stays when the editor refuses
        principale.setProperty(kFenetrePrincipale, true);
        principale.show();
        taper(u"brouillon"_qs);
        repondre({Reponse::Annuler});
        QVERIFY(!FermerTout());
        QVERIFY(fen->isVisible() && principale.isVisible());
        repondre({Reponse::Non});
        QVERIFY(FermerTout());
        QVERIFY(!fen->isVisible() && !principale.isVisible());
    }

    void raccourcisClavier()
    {
        fen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fen.get()));
        ouvrir(u"a.txt"_qs);
        QTest::keyClick(edit(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(env->dialogues.demandesFichier.size(), 2);
        QCOMPARE(env->dialogues.demandesFichier.last().titre, u"Enregistrer sous"_qs);
        QCOMPARE(env->dialogues.demandesFichier.last().nom, u"a.txt"_qs);
        fichierChoisi(u"b.txt"_qs);
        QTest::keyClick(edit(), Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"b.txt"_qs));
        QTest::keyClick(edit(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(titre(), u"Mini-Editeur - Sans_titre"_qs);
        QVERIFY(messages().isEmpty());
    }

    // What a file shows, and its bytes kept by a save over it (twice) and by a save as a copy, whatever it holds; a
    // file that is not text opens only when the user agrees.
    void fichierEnregistreSansModificationIdentique_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("texte");  // null: not a text, opened when the user agrees
        QTest::addRow("1252, CR LF") << QByteArray("premi\xE8re\r\nseconde\r\n") << u"première\nseconde\n"_qs;
        QTest::addRow("fins mêlées") << QByteArray("a\r\nb\nc\rd\r\n") << u"a\nb\nc\nd\n"_qs;
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
#ifdef EDQUOT  // no disk quotas among Windows' error numbers
        QCOMPARE(raisonEnFrancais(std::error_code(EDQUOT, std::generic_category())), u"quota du disque dépassé"_qs);
#endif
    }

    // A refused save names the file and the reason, creates nothing, leaves nothing behind and keeps what was there.
    void enregistrementRefuseDitPourquoi_data()
    {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("raison");
        QTest::addColumn<int>("questions");  // asked before the refusal: whether to overwrite
        QTest::addRow("lecture seule") << u"cible"_qs << u"il a l'attribut Lecture seule"_qs << 1;
        QTest::addRow("tube") << u"tube"_qs << u"ce n'est pas un fichier ordinaire"_qs << 1;
        QTest::addRow("dossier absent") << u"absent/n.txt"_qs << u"dossier ou fichier introuvable"_qs << 0;
        QTest::addRow("dossier") << u"dossier"_qs << u"c'est un dossier"_qs << 0;
    }
    void enregistrementRefuseDitPourquoi()
    {
        QFETCH(QString, cible);
        QFETCH(QString, raison);
        QFETCH(int, questions);
        env->creerFichier(u"dossier/dedans.txt"_qs, "gardé\n");
        env->creerFichier(u"cible"_qs, "protégé\n");
        QFile::setPermissions(env->chemin(u"cible"_qs), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (cible == u"tube"_qs) {
            if (!kTubes)
                QSKIP("no named pipes among the files of this system");
            QVERIFY(creerTube(env->chemin(cible)));
        }
        edit()->setTexteExact(u"nouveau"_qs);
        repondre({Reponse::Oui});
        fichierChoisi(cible);
        bouton("CmdEnregSous")->click();
        QCOMPARE(messages().size(), questions + 1);
        const QString texte = messages().last().texte;
        QVERIFY2(texte.contains(env->chemin(cible)) && texte.contains(raison), qPrintable(texte));
        QCOMPARE(env->lire(u"cible"_qs), QByteArray("protégé\n"));
        QCOMPARE(env->lire(u"dossier/dedans.txt"_qs), QByteArray("gardé\n"));
        QStringList presents;
        for (const QString& d : {u"."_qs, u"dossier"_qs})
            presents << QDir(env->chemin(d)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        presents.removeOne(u"tube"_qs);
        QCOMPARE(presents, (QStringList{u"a.txt"_qs, u"b.txt"_qs, u"cible"_qs, u"dossier"_qs, u"dedans.txt"_qs}));
    }

    // The largest file the editor opens is 16 MiB; one byte more is refused unread, and so are a folder and a named
    // pipe (before anything waits for a writer). A refused file leaves the text and the title as they were.
    void ouvertureLimitee_data()
    {
        QTest::addColumn<qint64>("taille");  // -1: a named pipe, -2: a folder
        QTest::addColumn<QString>("refus");  // empty: opened
        QTest::addRow("16 Mio") << qint64(16 * 1024 * 1024) << QString();
        QTest::addRow("16 Mio et un octet") << qint64(16 * 1024 * 1024 + 1) << u"fait 17 Mo"_qs;
        QTest::addRow("200 Mio") << qint64(200 * 1024 * 1024) << u"fait 200 Mo"_qs;
        QTest::addRow("tube") << qint64(-1) << u"ce n'est pas un fichier ordinaire"_qs;
        QTest::addRow("dossier") << qint64(-2) << u"c'est un dossier"_qs;
    }
    void ouvertureLimitee()
    {
        QFETCH(qint64, taille);
        QFETCH(QString, refus);
        const bool ouvert = refus.isEmpty();
        const QString chemin = env->chemin(u"grand.txt"_qs);
        if (taille == -2) {
            QVERIFY(QDir().mkdir(chemin));
        } else if (taille < 0) {
            if (!kTubes)
                QSKIP("no named pipes among the files of this system");
            QVERIFY(creerTube(chemin));  // a read that waited for a writer would never end
        } else if (ouvert) {
            env->creerFichier(u"grand.txt"_qs, QByteArray(taille, 'a'));
        } else {  // nothing written: a file refused unread may be all holes
            QFile grand(chemin);
            QVERIFY(grand.open(QIODevice::WriteOnly) && grand.resize(taille));
        }
        edit()->setTexteExact(u"avant"_qs);
        ouvrir(u"grand.txt"_qs);
        QCOMPARE(messages().size(), ouvert ? 0 : 1);
        if (!ouvert)
            QVERIFY2(messages()[0].texte.contains(refus), qPrintable(messages()[0].texte));
        QCOMPARE(qint64(edit()->texte().size()), ouvert ? taille : 5);
        QCOMPARE(titre(), ouvert ? u"Mini-Editeur - "_qs + chemin : u"Mini-Editeur"_qs);
    }

    // The file is read off the window: the open command returns before it is read, a later choice replaces the read
    // under way, and closing the window drops it.
    void lectureHorsDeLaFenetre()
    {
        env->creerFichier(u"grand.txt"_qs, QByteArray(16 * 1024 * 1024, 'a'));
        edit()->setTexteExact(u"avant"_qs);
        QSignalSpy fin(fen.get(), &FenEditText::chargementTermine);
        fichierChoisi(u"grand.txt"_qs);
        bouton("CmdOuvrir")->click();
        QCOMPARE(edit()->texteExact(), u"avant"_qs);
        QVERIFY(edit()->isReadOnly());  // the user agreed to replace the text
        QCOMPARE(fen->cursor().shape(), Qt::WaitCursor);
        fichierChoisi(u"b.txt"_qs);
        bouton("CmdOuvrir")->click();
        QTRY_COMPARE(titre(), u"Mini-Editeur - "_qs + env->chemin(u"b.txt"_qs));
        QCOMPARE(edit()->texteExact(), u"texte de b\n"_qs);
        QCOMPARE(fin.count(), 1);
        QVERIFY(!edit()->isReadOnly());
        QCOMPARE(fen->cursor().shape(), Qt::ArrowCursor);
        fichierChoisi(u"grand.txt"_qs);
        bouton("CmdOuvrir")->click();
        QVERIFY(fen->close());
        fen.reset();  // the read goes on, and nothing it gives arrives
        QVERIFY(messages().isEmpty());
    }
};

QTEST_MAIN(TstEditeur)
#include "tst_editeur.moc"
