// The main window's undo of the last rename or extension change: what Ctrl+Z reaches, what the question counts, what
// a command that changes nothing leaves, the file list afterwards.
#include "app/fenprin.h"
#include "fileops/navigateur.h"
#include "support/banc.h"
#include "ui/tavbttn.h"

#include <QLineEdit>
#include <QListView>
#include <QtTest>

class TstAnnulation : public TestFenPrin {
    Q_OBJECT

private:
    void ctrlZ(QWidget* ou = nullptr) { QTest::keyClick(ou ? ou : banc->fichiers(), Qt::Key_Z, Qt::ControlModifier); }
    QString question(int fichiers)
    {
        return u"Annuler le dernier renommage ? %1 de %2 %3."_qs
            .arg(fichiers > 1 ? u"%1 fichiers"_qs.arg(fichiers) : u"%1 fichier"_qs.arg(fichiers),
                 QDir::toNativeSeparators(env->dossier.path()),
                 fichiers > 1 ? u"retrouveront leur nom"_qs : u"retrouvera son nom"_qs);
    }
    void renommerTout()
    {
        bouton("CmdRename")->click();
        saisir("txtRename", u"Vac"_qs);
        bouton("CmdToutRenommer")->click();
    }

private Q_SLOTS:

    void annulerLeRenommage_data()
    {
        QTest::addColumn<QString>("entreTemps");  // what happens between the rename and the undo
        QTest::addColumn<int>("annulables");      // the files the question counts
        QTest::addColumn<QStringList>("apres");
        QTest::addColumn<QString>("bilan");
        const QStringList rendus{u"a.JPG"_qs, u"b.txt"_qs, u"c"_qs, u"d.md"_qs};
        const QString tousRendus = u"4 fichiers ont retrouvé leur nom."_qs;
        QTest::newRow("tout rendu") << QString() << 4 << rendus << tousRendus;
        QTest::newRow("nom repris") << "reprendre" << 3 << QStringList{u"Vac002.txt"_qs, u"a.JPG"_qs, u"b.txt"_qs,
                                                                       u"c"_qs, u"d.md"_qs}
                                    << "3 fichiers ont retrouvé leur nom.\n1 fichier garde son nom actuel "
                                       "(ancien nom déjà pris, ou fichier disparu) : Vac002.txt.";
        QTest::newRow("fichiers disparus, trois noms cités") << "effacer" << 1 << QStringList{u"a.JPG"_qs}
            << "1 fichier a retrouvé son nom.\n3 fichiers gardent leur nom actuel "
               "(ancien nom déjà pris, ou fichier disparu) : Vac004.md, Vac003, Vac002.txt.";
        QTest::newRow("effacés derrière la question, trois noms sur quatre") << "effacer pendant la question" << 4
            << QStringList{} << "0 fichier a retrouvé son nom.\n4 fichiers gardent leur nom actuel "
                                "(ancien nom déjà pris, ou fichier disparu) : Vac004.md, Vac003, Vac002.txt...";
        QTest::newRow("redemarrage") << "redemarrer" << 4 << rendus << tousRendus;
        QTest::newRow("même bouton encore") << "renommer encore" << 4 << rendus << tousRendus;
        QTest::newRow("extension refusée partout") << "extension ***" << 4 << rendus << tousRendus;
        QTest::newRow("rien d'annulable") << "tout effacer" << 0 << QStringList{} << QString();
    }
    void annulerLeRenommage()
    {
        QFETCH(QString, entreTemps);
        QFETCH(int, annulables);
        QFETCH(QStringList, apres);
        QFETCH(QString, bilan);
        banc->ouvrir({u"a.JPG"_qs, u"b.txt"_qs, u"c"_qs, u"d.md"_qs});
        renommerTout();
        const QStringList renommes{u"Vac001.jpg"_qs, u"Vac002.txt"_qs, u"Vac003"_qs, u"Vac004.md"_qs};
        if (entreTemps == u"reprendre")
            env->creerFichier(u"b.txt"_qs, "nouveau");
        if (entreTemps == u"effacer" || entreTemps == u"tout effacer")
            for (const QString& nom : renommes.mid(entreTemps == u"effacer" ? 1 : 0))
                QFile::remove(env->chemin(nom));
        if (entreTemps == u"redemarrer") {
            banc->fen.reset();
            banc->ouvrirSansDossier();
        }
        if (entreTemps == u"renommer encore")
            bouton("CmdToutRenommer")->click();  // every name already the new one
        if (entreTemps == u"extension ***")
            bouton("CmdToutNExtension")->click();  // "***" is no name a file may carry
        if (annulables == 0) {  // said so, the journal kept for a later try
            env->dialogues.reponses = {Reponse::Oui};
            ctrlZ();
            ctrlZ();
            QCOMPARE(messages().size(), 2);
            QCOMPARE(messages()[1].texte, QStringLiteral("Aucun fichier du dernier renommage ne peut retrouver son "
                                                         "nom (ancien nom déjà pris, ou fichier disparu)."));
            return;
        }
        ctrlZ();  // no answer scripted: the default button leaves everything, journal included
        QCOMPARE(messages().value(0).texte, question(annulables));
        QCOMPARE(messages()[0].parDefaut, Reponse::Non);
        env->dialogues.reponses = {Reponse::Oui};
        if (entreTemps == u"effacer pendant la question")
            env->dialogues.pendantMessage = [&](const Message& m) {
                if (m.icone == IconeMessage::Question)
                    for (const QString& nom : renommes)
                        QFile::remove(env->chemin(nom));
            };
        ctrlZ();
        QCOMPARE(messages().value(2).texte, bilan);
        QCOMPARE(banc->contenu(), apres);
        if (!apres.isEmpty())
            QCOMPARE(env->lire(u"a.JPG"_qs), QByteArray("a.JPG"));
        if (entreTemps == u"reprendre")
            QCOMPARE(env->lire(u"b.txt"_qs), QByteArray("nouveau"));  // never overwritten
        QStringList lignes = banc->lignes();  // the list is read again
        lignes.sort();
        if (entreTemps != u"redemarrer")
            QCOMPARE(lignes, apres);
        ctrlZ();
        QCOMPARE(messages().size(), 4);
        QCOMPARE(messages()[3].texte, u"Il n'y a aucun renommage à annuler."_qs);
    }

    // Ctrl+Z undoes a text box's typing while it has some, and else offers the undo, wherever the focus is.
    void ctrlZAtteintLAnnulation()
    {
        banc->ouvrir({u"a.txt"_qs, u"b.txt"_qs});
        bouton("CmdRename")->click();
        QLineEdit* nom = banc->champ("txtRename");
        QTest::mouseClick(nom, Qt::LeftButton);
        QTest::keyClicks(nom, u"Vac"_qs);
        QTest::mouseClick(bouton("CmdToutRenommer"), Qt::LeftButton);
        QCOMPARE(banc->contenu(), (QStringList{u"Vac001.txt"_qs, u"Vac002.txt"_qs}));
        QCOMPARE(fen()->focusWidget(), bouton("CmdToutRenommer"));  // the click took the focus
        ctrlZ(fen()->focusWidget());
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].texte, question(2));
        QTest::mouseClick(nom, Qt::LeftButton);
        QTest::keyClicks(nom, u"X"_qs);
        for (int fois = 0; fois < 5 && nom->isUndoAvailable(); ++fois)
            ctrlZ(nom);
        QCOMPARE(messages().size(), 1);  // the typing undone first
        QVERIFY(!nom->text().contains(u'X'));
        ctrlZ(nom);
        QCOMPARE(messages().size(), 2);
        QCOMPARE(messages()[1].texte, question(2));
    }

    // The undo of an extension change puts the list's filter back, unless it changed since.
    void filtreRemisApresLAnnulation_data()
    {
        QTest::addColumn<bool>("fermerLeCadre");
        QTest::addColumn<QString>("motif");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("filtre de l'extension") << false << "*.txt" << QStringList{u"a.txt"_qs, u"b.txt"_qs};
        QTest::newRow("cadre fermé entre-temps") << true << "*.*" << QStringList{u"a.txt"_qs, u"b.txt"_qs,
                                                                                 u"c.md"_qs};
    }
    void filtreRemisApresLAnnulation()
    {
        QFETCH(bool, fermerLeCadre);
        QFETCH(QString, motif);
        QFETCH(QStringList, lignes);
        banc->ouvrir({u"a.txt"_qs, u"b.txt"_qs, u"c.md"_qs});
        bouton("CmdRename")->click();
        saisir("txtExtension", u"txt"_qs);
        saisir("txtNouvExtension", u"md"_qs);
        bouton("CmdToutNExtension")->click();
        QCOMPARE(banc->lignes(), (QStringList{u"a.md"_qs, u"b.md"_qs, u"c.md"_qs}));
        if (fermerLeCadre)
            bouton("CmdRename")->click();
        env->dialogues.reponses = {Reponse::Oui};
        ctrlZ();
        QCOMPARE(messages().value(1).texte, u"2 fichiers ont retrouvé leur nom."_qs);
        QCOMPARE(fen()->navigateur()->motif(), motif);
        QCOMPARE(banc->lignes(), lignes);
    }
};

QTEST_MAIN(TstAnnulation)
#include "tst_annulation.moc"
