// The main window: layout, start state, the browser's selection count and
// command states, the filter, the menu panel and start-up.
#include "app/demarrage.h"
#include "app/fenprin.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "fileops/navigateur.h"
#include "support/banc.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProcess>
#include <QSysInfo>
#include <QtTest>

class TstFenPrin : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BancFenPrin> banc;
    Environnement* env = nullptr;
    FenPrin* fen = nullptr;

    TavBttn* bouton(const char* nom) { return banc->bouton(nom); }
    QString legende() { return banc->legende(); }
    void cliquer(int ligne, Qt::KeyboardModifiers m = {}) { banc->cliquer(ligne, m); }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        banc = std::make_unique<BancFenPrin>();
        env = banc->env.get();
        for (const char* n : {"a.txt", "b.txt", "c.doc", ".cache"})
            env->creerFichier(QString::fromLatin1(n));
        QDir(env->dossier.path()).mkdir(QStringLiteral("sous"));
        banc->ouvrir();
        fen = banc->fen.get();
    }
    void cleanup() { banc.reset(); }

    void commandesInactivesAuDepart()
    {
        for (const char* n : {"CmdAttributs", "CmdDateHeure", "CmdProprietes"})
            QVERIFY2(!bouton(n)->isEnabled(), n);
        QVERIFY(bouton("CmdRename")->isEnabled());  // the folder holds files
        QCOMPARE(legende(), QStringLiteral(" Aucun fichier sélectionné"));
        QCOMPARE(banc->lignes().size(), 4);  // hidden files listed too
    }

    void selectionEtLegendes()
    {
        cliquer(0);
        QCOMPARE(legende(), QStringLiteral(" 1 fichier sélectionné"));
        for (const char* n : {"CmdAttributs", "CmdDateHeure", "CmdProprietes"})
            QVERIFY2(bouton(n)->isEnabled(), n);
        cliquer(2, Qt::ShiftModifier);
        QCOMPARE(legende(), QStringLiteral(" 3 fichiers sélectionnés"));
        QCOMPARE(fen->navigateur()->list1()->count(), 3);
        cliquer(0);
        cliquer(0, Qt::ControlModifier);
        QCOMPARE(legende(), QStringLiteral(" 0 fichier sélectionné"));
        QVERIFY(bouton("CmdAttributs")->isEnabled());
        QCOMPARE(env->general->FichierCourant, banc->natif(banc->lignes().at(0)));
    }

    void filtreRemetLaLegendeEtGardeList1()
    {
        cliquer(1);
        auto* filtre = fen->findChild<QLineEdit*>(QStringLiteral("txtExtension"));
        filtre->setText(QStringLiteral("txt"));
        QCOMPARE(legende(), QStringLiteral(" Aucun fichier sélectionné"));
        QCOMPARE(banc->lignes().size(), 2);
        QCOMPARE(fen->navigateur()->list1()->count(), 1);
        filtre->clear();
        QCOMPARE(fen->navigateur()->motif(), QStringLiteral("*.*"));
        QCOMPARE(banc->lignes().size(), 4);
    }

    void dossierSansFichierDesactiveRenommer()
    {
        QVERIFY(fen->navigateur()->setDossier(env->chemin(QStringLiteral("sous"))));
        QVERIFY(!bouton("CmdRename")->isEnabled());
        env->creerFichier(QStringLiteral("sous/.cache"));
        QVERIFY(fen->navigateur()->setDossier(env->chemin(QStringLiteral("sous"))));
        QVERIFY(bouton("CmdRename")->isEnabled());
    }

    void volumeIndisponible()
    {
        QComboBox* lecteur = fen->navigateur()->lecteur();
        const QString avant = lecteur->currentData().toString();
        lecteur->setCurrentIndex(-1);
        env->dialogues.reponses = {Reponse::Recommencer, Reponse::Annuler};
        fen->navigateur()->ouvrirVolume(env->chemin(QStringLiteral("absent")));
        QCOMPARE(env->dialogues.messages.size(), 2);  // asked again after Retry
        QCOMPARE(env->dialogues.messages[0].boutons, BoutonsMessage::RecommencerAnnuler);
        QCOMPARE(env->dialogues.messages[0].icone, IconeMessage::Exclamation);
        QCOMPARE(env->dialogues.messages[0].titre, QStringLiteral("Ordalis..."));
        QCOMPARE(lecteur->currentData().toString(), avant);
        QCOMPARE(fen->navigateur()->dossier(), QDir::toNativeSeparators(env->dossier.path()));
    }

    void menuBasculeALaMemePlace()
    {
        auto* menu = fen->popUpInfos();
        QVERIFY(!menu->isVisible());
        bouton("CmdApropos")->click();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), QPoint(308, 28));
        bouton("CmdApropos")->click();
        QVERIFY(!menu->isVisible());
        menu->move(0, 0);
        bouton("CmdApropos")->click();
        QCOMPARE(menu->pos(), QPoint(308, 28));
        bouton("CmdFerMnu")->click();
        QVERIFY(!menu->isVisible());
    }

    void explorateurOuvreLeDossier()
    {
        bouton("CmdExplorer")->click();
        QCOMPARE(env->dialogues.demandesFichier.size(), 1);
        QCOMPARE(env->dialogues.demandesFichier[0].titre, QStringLiteral("Vérification des modifications"));
        QCOMPARE(env->dialogues.demandesFichier[0].dossier, fen->navigateur()->dossier());
    }

    void questionDeuxiemeInstance()
    {
        QTemporaryDir d;
        InstanceUnique premiere(d.filePath(QStringLiteral("verrou")));
        InstanceUnique seconde(d.filePath(QStringLiteral("verrou")));
        QVERIFY(premiere.acquise());
        QVERIFY(!seconde.acquise());
        QVERIFY(!accepterNouvelleInstance(*env->general));
        const Message m = env->dialogues.messages.last();
        QCOMPARE(m.parDefaut, Reponse::Non);
        QCOMPARE(m.icone, IconeMessage::Exclamation);
        QCOMPARE(m.boutons, BoutonsMessage::OuiNon);
        QCOMPARE(m.texte, QStringLiteral("Ordalis... est déjà en cours d'exécution.\n"
                                         "Souhaitez-vous exécuter une nouvelle instance ?"));
        env->dialogues.reponses.push_back(Reponse::Oui);
        QVERIFY(accepterNouvelleInstance(*env->general));
    }

    void verrouDUneCopieMorteRepris()
    {
        // A lock left by a copy that was killed: its process no longer runs.
        QProcess morte;
        morte.start(QStringLiteral("true"), QStringList());
        QVERIFY(morte.waitForStarted());
        const qint64 pid = morte.processId();
        QVERIFY(morte.waitForFinished());
        QTemporaryDir d;
        const QString chemin = d.filePath(QStringLiteral("verrou"));
        QFile verrou(chemin);
        QVERIFY(verrou.open(QIODevice::WriteOnly));
        verrou.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8()
                     + '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
        verrou.close();
        InstanceUnique instance(chemin);
        QVERIFY(instance.acquise());
        QVERIFY(env->dialogues.messages.isEmpty());
    }

    void datesDuJourAuFormatFrancais()
    {
        const QString date = fen->findChild<QLineEdit*>(QStringLiteral("txtDateCreation"))->text();
        const QString heure = fen->findChild<QLineEdit*>(QStringLiteral("txtHeureEcriture"))->text();
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}$")).match(date).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(heure).hasMatch());
    }
};

QTEST_MAIN(TstFenPrin)
#include "tst_fenprin.moc"
