// The main window: selection, file commands and their interruption, odd names, paths, drops, the lock.
#include "app/demarrage.h"
#include "app/fenprin.h"
#include "app/ouverture.h"
#include "core/platform/platform.h"
#include "fileops/contexte.h"
#include "fileops/marchedossier.h"
#include "fileops/navigateur.h"
#include "support/banc.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QtTest>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>

namespace p = ordalis::platform;
constexpr std::uint64_t k140801 = 126422323440000000ull;  // 14/08/2001 05:12:24 in Paris, 03:12:24 UTC

class TstFenPrin : public TestFenPrin {
    Q_OBJECT

private:
    void cocher(const char* nom, bool oui) { fen()->findChild<QCheckBox*>(QLatin1String(nom))->setChecked(oui); }
    p::FileTimes temps(const QString& nom)
    {
        p::FileTimes t;
        p::getFileTimes(env->chemin(nom).toStdString(), t);
        return t;
    }
    void dateInvalideEtHeure()  // a creation date the walk reports, a valid write date and time
    {
        saisir("txtDateCreation", QStringLiteral("trente"));
        saisir("txtDateEcriture", QStringLiteral("14/08/01"));
        saisir("txtHeureEcriture", QStringLiteral("05:12:24"));
    }

private Q_SLOTS:

    void selectionEtLegendes()
    {
        banc->ouvrir({QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.doc"),
                      QStringLiteral(".cache")});
        QVERIFY(!bouton("CmdAttributs")->isEnabled() && !bouton("CmdProprietes")->isEnabled());
        QCOMPARE(banc->legende(), QStringLiteral(" Aucun fichier sélectionné"));
        QCOMPARE(banc->lignes().size(), 4);  // hidden files listed too
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}$")).match(banc->champ("txtDateCreation")->text()).hasMatch());
        banc->cliquer(0);
        QCOMPARE(banc->legende(), QStringLiteral(" 1 fichier sélectionné"));
        QVERIFY(bouton("CmdAttributs")->isEnabled() && bouton("CmdProprietes")->isEnabled());
        banc->cliquer(2, Qt::ShiftModifier);
        QCOMPARE(banc->legende(), QStringLiteral(" 3 fichiers sélectionnés"));
        banc->cliquer(0);
        banc->cliquer(0, Qt::ControlModifier);
        QCOMPARE(banc->legende(), QStringLiteral(" 0 fichier sélectionné"));
        QCOMPARE(env->general->FichierCourant, QDir::toNativeSeparators(env->chemin(banc->lignes().at(0))).toStdString());
        saisir("txtExtension", QStringLiteral("txt"));  // the filter clears the caption
        QCOMPARE(banc->legende(), QStringLiteral(" Aucun fichier sélectionné"));
        QCOMPARE(banc->lignes().size(), 2);
    }

    // The rename panel takes the whole-folder commands away; the width button cycles 001, 0001, 01 and the numbers
    // follow it; closing the panel resets the filter.
    void renommerLesFichiersChoisis()
    {
        banc->ouvrir({QStringLiteral("a.JPG"), QStringLiteral("b.txt"), QStringLiteral("c.Gif")});
        bouton("CmdRename")->click();
        QVERIFY(!bouton("CmdToutDateHeure")->isEnabled());
        saisir("txtRename", QStringLiteral("Vac"));
        for (const QString& largeur : {u"0001"_qs, u"01"_qs, u"001"_qs, u"0001"_qs, u"01"_qs}) {
            bouton("CmdNumFich")->click();
            QCOMPARE(bouton("CmdNumFich")->caption(), largeur);
        }
        banc->choisir({QStringLiteral("b.txt"), QStringLiteral("c.Gif")});
        bouton("CmdRenommer")->click();
        QCOMPARE(banc->contenu(), (QStringList{QStringLiteral("Vac02.txt"), QStringLiteral("Vac03.gif"),
                                               QStringLiteral("a.JPG")}));
        saisir("txtExtension", QStringLiteral("doc"));
        bouton("CmdRename")->click();
        QCOMPARE(fen()->navigateur()->motif(), QStringLiteral("*.*"));
    }

    // Bad date reported once and left; read-only files skipped; hidden folders walked, the filter ignored.
    void datesDeToutLeDossier()
    {
        const QStringList fichiers{QStringLiteral("a.txt"), QStringLiteral("S/b.txt"), QStringLiteral(".cache/d")};
        banc->ouvrir(fichiers + QStringList{QStringLiteral("lecture.txt")});
        QVERIFY(!p::setAttributes(env->chemin(QStringLiteral("lecture.txt")).toStdString(), 1));
        const auto avantLecture = temps(QStringLiteral("lecture.txt"));
        const auto avantA = temps(QStringLiteral("a.txt"));
        saisir("txtExtension", QStringLiteral("doc"));
        dateInvalideEtHeure();
        bouton("CmdToutDateHeure")->click();
        QVERIFY(!bouton("CmdToutAttributs")->isEnabled());  // no nested walk
        QTRY_COMPARE(env->sons, QList<int>{19});
        QCOMPARE(messages().size(), 1);
        for (const QString& f : fichiers)
            QCOMPARE(temps(f).write, k140801);
        if (!sousWine())  // Wine keeps no creation time of its own
            QCOMPARE(temps(QStringLiteral("a.txt")).creation, avantA.creation);
        if (!sousWine())  // Wine run by root writes read-only files
            QCOMPARE(temps(QStringLiteral("lecture.txt")).write, avantLecture.write);
        QVERIFY(bouton("CmdToutAttributs")->isEnabled());
        QVERIFY(!bouton("CmdAttributs")->isEnabled() && !bouton("CmdDateHeure")->isEnabled());  // no file chosen
    }

    void proprietesAuClavier()
    {
        env->creerFichier(QStringLiteral("gros.bin"), QByteArray(1025, 'x'));
        banc->ouvrir();
        auto* panneau = fen()->findChild<TavPanel*>(QStringLiteral("LblPropDate"));
        banc->choisir({QStringLiteral("gros.bin")});
        bouton("CmdProprietes")->setFocus();
        QTest::keyClick(bouton("CmdProprietes"), Qt::Key_Space);  // as the pointer does
        QVERIFY(panneau->isVisible());
        QCOMPARE(fen()->findChild<QLabel*>(QStringLiteral("LblTaille"))->text(), QStringLiteral("Taille : 1025 octets ou 2 Ko"));
        QCOMPARE(fen()->findChild<QLabel*>(QStringLiteral("LblAttributs"))->text(), QStringLiteral("Attributs : Archive"));
        QCOMPARE(fen()->findChild<QLabel*>(QStringLiteral("LblNomFic"))->text(), QStringLiteral("Nom du fichier : gros.bin"));
        QFile gros(env->chemin(QStringLiteral("gros.bin")));
        QVERIFY(gros.open(QIODevice::ReadWrite));
        QVERIFY(gros.setFileTime(QDateTime::fromSecsSinceEpoch(997758744, Qt::UTC), QFileDevice::FileAccessTime));
        QVERIFY(gros.setFileTime(QDateTime::fromSecsSinceEpoch(978737400, Qt::UTC), QFileDevice::FileModificationTime));
        gros.close();
        bouton("CmdProprietes")->click();
        QCOMPARE(fen()->findChild<QLabel*>(QStringLiteral("LblAcces"))->text(), QStringLiteral("Accédé le : 14/08/2001 05:12:24"));
        QCOMPARE(fen()->findChild<QLabel*>(QStringLiteral("LblModifier"))->text(),
                 QStringLiteral("Modifié le : 06/01/2001 00:30:00"));
    }

    // The right button of CmdFiFi asks for the system's own find window: none here, so the message.
    void rechercheDuSysteme()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows has its own find window: tst_windows checks that it is called");
#endif
        banc->ouvrir();
        QTest::mouseClick(bouton("CmdFiFi"), Qt::RightButton);
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].texte, QStringLiteral("Votre version de Windows ne supporte pas cette option.\nDésolé..."));
        QCOMPARE(messages()[0].titre, QStringLiteral("Ordalis... - Erreur !"));
    }

    // Stopped by Escape or by closing, while counting or walking: at once, only whole files done, no sound.
    // Escape says how far the command went in a message; the count frame shows all of its shorter caption.
    void arreterUnParcours_data()
    {
        QTest::addColumn<bool>("pendantLaMarche");
        QTest::addColumn<bool>("fermer");  // else Escape
        QTest::addColumn<QString>("bilan");
        QTest::newRow("Echap au comptage") << false << false << "^Commande arrêtée : aucun fichier traité\\.$";
        QTest::newRow("Echap pendant la marche") << true << false
                                                 << "^Commande arrêtée : (\\d+) fichiers? traités? sur 10000\\.$";
        QTest::newRow("fermeture au comptage") << false << true << "";
        QTest::newRow("fermeture pendant le message de la marche") << true << true << "";
    }
    void arreterUnParcours()
    {
        QFETCH(bool, pendantLaMarche);
        QFETCH(bool, fermer);
        QFETCH(QString, bilan);
        QStringList tous;
        for (int i = 0; i < 10000; ++i) {  // 400 folders of 25 files: long enough to be interrupted
            tous << QStringLiteral("d%1/f%2.txt").arg(i / 25).arg(i);
            env->creerFichier(tous.last(), {});
        }
        banc->ouvrir();
        for (const char* nom : {"CheckCache", "CheckSysteme", "CheckArchive"})
            cocher(nom, false);
        cocher("CheckLectureSeule", true);
        QProgressBar* barre = fen()->progression();
        bool arrete = false;
        const auto arreter = [&] {
            fermer ? void(fen()->close()) : QTest::keyClick(fen(), Qt::Key_Escape);
            arrete = true;
        };
        if (fermer && pendantLaMarche) {  // the walk's date command asks about the bad date
            dateInvalideEtHeure();
            env->dialogues.pendantMessage = [&](const Message&) { arreter(); };
        }
        const QMetaObject::Connection c = connect(barre, &QProgressBar::valueChanged, this, [&](int v) {
            if (pendantLaMarche && !fermer && v >= 50 && !arrete)
                arreter();
        });
        bouton(fermer && pendantLaMarche ? "CmdToutDateHeure" : "CmdToutAttributs")->click();
        if (!pendantLaMarche)
            arreter();
        QTRY_VERIFY_WITH_TIMEOUT(arrete, 20000);
        disconnect(c);
        QTest::qWait(200);  // a file handed over is finished, no other is started
        QVERIFY(env->sons.isEmpty());
        const QRegularExpressionMatch m = QRegularExpression(bilan).match(messages().value(0).texte);
        if (fermer) {
            banc->fen.reset();  // nothing refers to the window's controls any more
        } else {
            QVERIFY2(m.hasMatch(), qPrintable(messages().value(0).texte));
            QCOMPARE(messages().size(), 1);
            QCOMPARE(banc->legende(), QStringLiteral("Commande arrêtée."));
            auto* cadre = fen()->findChild<TavPanel*>(QStringLiteral("NbFichiers"));
            QVERIFY(cadre->fontMetrics().horizontalAdvance(banc->legende()) <= cadre->width() - 8);
            QTRY_VERIFY(bouton("CmdToutAttributs")->isEnabled());
            QCOMPARE(barre->isVisible(), pendantLaMarche);  // frozen where it stopped, then hidden
            QTRY_VERIFY_WITH_TIMEOUT(barre->isHidden(), 6000);
        }
        int changes = 0;
        for (const QString& f : tous) {
            std::uint32_t a = 0;
            p::getAttributes(env->chemin(f).toStdString(), a);
            changes += fermer && pendantLaMarche ? temps(f).write == k140801 : (a & 1) != 0;
        }
        QVERIFY2(changes < tous.size(), "stopped before the end");
        if (!fermer)  // exactly the files the caption counts (none when stopped while counting)
            QCOMPARE(changes, m.captured(1).toInt());
    }

    // Stopping never waits for an operation the system holds: the commands come back once it ends,
    // with the sound only when the walk ran to its end.
    void arretSansAttendreUneOperationBloquee_data()
    {
        QTest::addColumn<int>("arret");  // 0: none, 1: arreter(), 2: interrompre()
        QTest::addColumn<QList<int>>("sons");
        QTest::addColumn<QString>("bilan");
        QTest::newRow("au bout de la marche") << 0 << QList<int>{19} << QString();
        QTest::newRow("arrêt") << 1 << QList<int>{} << QString();
        QTest::newRow("Echap") << 2 << QList<int>{} << u"Commande arrêtée : 3 fichiers traités sur 3."_qs;
    }
    void arretSansAttendreUneOperationBloquee()
    {
        QFETCH(int, arret);
        QFETCH(QList<int>, sons);
        QFETCH(QString, bilan);
        banc->ouvrir({u"a.txt"_qs, u"b.txt"_qs, u"S/c.txt"_qs});
        std::promise<void> liberer;
        auto garde = qScopeGuard([&] { liberer.set_value(); });
        const std::shared_future<void> libere = liberer.get_future().share();
        auto bloquee = std::make_shared<std::atomic<bool>>(false);
        int preparees = 0;
        Suspension suspension;
        suspension.inscrire({bouton("CmdToutAttributs")});
        ContexteFichiers contexte{*env->general, fen(), fen()->navigateur(), fen()->findChild<TavPanel*>(u"NbFichiers"_qs),
                                  fen()->progression(), {}, &suspension, [] {}, {}};
        const QPointer<MarcheDossier> marche = MarcheDossier::lancer(contexte, env->dossier.path().toStdString(),
                                                                     [&](const std::string& chemin) -> MarcheDossier::Operation {
            ++preparees;
            return [=] {
                if (chemin.ends_with("a.txt")) {
                    *bloquee = true;
                    libere.wait();
                }
            };
        });
        QTRY_VERIFY(*bloquee && preparees == 3);
        arret == 1 ? marche->arreter() : arret == 2 ? marche->interrompre() : void();  // returns, the operation held
        QCOMPARE(messages().value(0).texte, bilan);
        QVERIFY(!QTest::qWaitFor([&] { return !marche; }, 300));  // held while the operation is
        QVERIFY(!bouton("CmdToutAttributs")->isEnabled() && env->sons.isEmpty());
        garde.dismiss();
        liberer.set_value();
        QTRY_VERIFY(!marche);
        QVERIFY(bouton("CmdToutAttributs")->isEnabled());
        QCOMPARE(env->sons, sons);
    }

    void ordreNaturelQuelleQueSoitLaLangue_data()
    {
        QTest::addColumn<QLocale>("langue");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("français") << QLocale(QLocale::French, QLocale::France);
    }
    // Accented letters among the plain ones, in the lists and in the running numbers of a rename.
    void ordreNaturelQuelleQueSoitLaLangue()
    {
        QFETCH(QLocale, langue);
        QLocale::setDefault(langue);
        for (const char* d : {"dossier_10", "Dossier_9", "\u00c0rchives"})
            QDir(env->dossier.path()).mkdir(QString::fromUtf8(d));
        banc->ouvrir({QStringLiteral("fichier_10"), QStringLiteral("Fichier_100"), QStringLiteral("fichier_9"),
                      QStringLiteral("z\u00e8bre"), QStringLiteral("\u00c9t\u00e9"), QStringLiteral("\u00e9cho")});
        QLocale::setDefault(QLocale::system());
        QCOMPARE(banc->lignes(), (QStringList{QStringLiteral("\u00e9cho"), QStringLiteral("\u00c9t\u00e9"),
                                              QStringLiteral("fichier_9"), QStringLiteral("fichier_10"),
                                              QStringLiteral("Fichier_100"), QStringLiteral("z\u00e8bre")}));
        QListWidget* dossiers = fen()->navigateur()->repertoire();
        QStringList chemin;  // the root, each folder down to the open one, which is current
        for (int i = 0; i <= dossiers->currentRow(); ++i)
            chemin << dossiers->item(i)->text();
        QStringList parties = env->dossier.path().split(u'/', Qt::SkipEmptyParts);
#ifdef Q_OS_WIN
        parties.first() += u'\\';  // the drive's root, C:\ for instance
#else
        parties.prepend(u"/"_qs);
#endif
        QCOMPARE(chemin, parties);
        QStringList sous;
        for (int i = dossiers->count() - 3; i < dossiers->count(); ++i)
            sous << dossiers->item(i)->text();
        QCOMPARE(sous, (QStringList{QStringLiteral("\u00c0rchives"), QStringLiteral("Dossier_9"),
                                    QStringLiteral("dossier_10")}));
        bouton("CmdRename")->click();
        saisir("txtRename", QStringLiteral("Lot"));
        bouton("CmdToutRenommer")->click();
        QStringList avant;  // each file holds its first name
        for (const QString& nom : banc->contenu())
            if (nom.startsWith(u"Lot"))
                avant << nom + u'=' + QString::fromUtf8(env->lire(nom));
        QCOMPARE(avant, (QStringList{QStringLiteral("Lot001=\u00e9cho"), QStringLiteral("Lot002=\u00c9t\u00e9"),
                                     QStringLiteral("Lot003=fichier_9"), QStringLiteral("Lot004=fichier_10"),
                                     QStringLiteral("Lot005=Fichier_100"), QStringLiteral("Lot006=z\u00e8bre")}));
    }

    void nomQuiNEstPasDeLUtf8DateEtRenomme()
    {
#ifdef Q_OS_WIN
        QSKIP("names are UTF-16 on Windows: every name the system gives is valid");
#endif
        const std::string brut = QFile::encodeName(env->dossier.path()).toStdString() + "/caf\xe9.txt";
        std::ofstream(brut) << "contenu";
        const auto nettoyage = qScopeGuard([brut] { std::remove(brut.c_str()); });  // Qt cannot name it
        banc->ouvrir();
        const QString affiche = QStringLiteral("caf\uFFFD.txt");
        QCOMPARE(banc->lignes(), QStringList{affiche});
        saisir("txtDateCreation", QStringLiteral("14/08/2001"));
        saisir("txtHeureCreation", QStringLiteral("05:12:24"));
        bouton("CmdPareil")->click();  // "=": the modification boxes take the creation date and time
        banc->choisir({affiche});
        bouton("CmdDateHeure")->click();
        p::FileTimes t;
        QVERIFY(!p::getFileTimes(brut, t));
        QCOMPARE(t.write, k140801);  // the real file was stamped
        bouton("CmdRename")->click();
        saisir("txtRename", QStringLiteral("Vac"));
        banc->choisir({affiche});
        bouton("CmdRenommer")->click();
        QCOMPARE(banc->contenu(), QStringList{QStringLiteral("Vac001.txt")});
        QCOMPARE(env->lire(QStringLiteral("Vac001.txt")), QByteArray("contenu"));
    }

    // Nothing chosen at load; the rename command as soon as the list shows one file; the attribute boxes
    // ticked for hidden and system only, and the command sets exactly those.
    void commandesSelonLeDossier_data()
    {
        QTest::addColumn<bool>("unFichier");  // beside a pipe, a folder and a link, which the list never shows
        QTest::newRow("rien que la liste montre") << false;
        QTest::newRow("un seul fichier") << true;
    }
    void commandesSelonLeDossier()
    {
        QFETCH(bool, unFichier);
        const QString dossier = env->dossier.path();
        QCOMPARE(creerTube(dossier + QStringLiteral("/tube")), kTubes);
        QDir().mkdir(dossier + QStringLiteral("/sous"));
#ifndef Q_OS_WIN  // a link is a shortcut file there, which the list shows as any file
        QVERIFY(QFile::link(dossier + QStringLiteral("/sous"), dossier + QStringLiteral("/lien")));
#endif
        if (unFichier)
            env->creerFichier(QStringLiteral("seul.txt"));
        banc->ouvrirSansDossier();
        for (const char* nom : {"CmdAttributs", "CmdDateHeure", "CmdProprietes", "CmdRename"})
            QVERIFY2(!bouton(nom)->isEnabled(), nom);
        QVERIFY(fen()->navigateur()->setDossier(dossier));
        QCOMPARE(banc->lignes().size(), unFichier ? 1 : 0);
        QCOMPARE(bouton("CmdRename")->isEnabled(), unFichier);
        QStringList coches;
        for (const char* nom : {"CheckLectureSeule", "CheckCache", "CheckSysteme", "CheckArchive"})
            if (fen()->findChild<QCheckBox*>(QLatin1String(nom))->isChecked())
                coches << QLatin1String(nom);
        QCOMPARE(coches, (QStringList{QStringLiteral("CheckCache"), QStringLiteral("CheckSysteme")}));
        if (!unFichier)
            return;
        banc->choisir({QStringLiteral("seul.txt")});
        bouton("CmdAttributs")->click();
        std::uint32_t attributs = 0;
        QVERIFY(!p::getAttributes(env->chemin(QStringLiteral("seul.txt")).toStdString(), attributs));
        if (sousWine())  // Wine gives every file the archive attribute
            attributs &= ~0x20u;
        QCOMPARE(attributs, 2u | 4u);  // hidden, system
        cocher("CheckLectureSeule", true);
        cocher("CheckCache", false);
        cocher("CheckSysteme", false);
        cocher("CheckArchive", true);
        bouton("CmdAttributs")->click();
        QVERIFY(!p::getAttributes(env->chemin(QStringLiteral("seul.txt")).toStdString(), attributs));
        QCOMPARE(attributs, 1u | 0x20u);  // read-only, archive
    }

    // A lock left by a copy that was killed: its process no longer runs, or its number is now this process's.
    void verrouDUneCopieMorteRepris_data()
    {
        QTest::addColumn<bool>("numeroRedonne");
        QTest::newRow("processus fini") << false;
        QTest::newRow("numéro redonné à ce processus") << true;
    }
    void verrouDUneCopieMorteRepris()
    {
        QFETCH(bool, numeroRedonne);
        QProcess morte;  // a program that ends at once
#ifdef Q_OS_WIN
        morte.start(QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("exit")});
#else
        morte.start(QStringLiteral("true"), QStringList());
#endif
        QVERIFY(morte.waitForStarted());
        const qint64 pid = morte.processId();
        QVERIFY(morte.waitForFinished());
        const QString verrou = env->chemin(QStringLiteral("verrou"));
        QByteArray contenu;  // this process's lock as the system writes it (its name, host and boot)
        {
            QLockFile vivant(verrou);
            QVERIFY(vivant.tryLock(0));
            QFile lu(verrou);
            QVERIFY(lu.open(QIODevice::ReadOnly));
            contenu = lu.readAll();
        }
        if (!numeroRedonne)
            contenu = QByteArray::number(pid) + contenu.mid(contenu.indexOf('\n'));
        env->creerFichier(QStringLiteral("verrou"), contenu);
        InstanceUnique instance(verrou);
        QVERIFY(instance.acquise());
        QVERIFY(env->dialogues.messages.isEmpty());
        QVERIFY(!InstanceUnique(verrou).acquise());  // a live lock is not taken
        QVERIFY(!accepterNouvelleInstance(*env->general));  // asked, No by default
        QCOMPARE(env->dialogues.messages.value(0).parDefaut, Reponse::Non);
        env->dialogues.reponses = {Reponse::Oui};
        QVERIFY(accepterNouvelleInstance(*env->general));
    }
    void ouvrirUnChemin_data()
    {
        QTest::addColumn<QString>("chemin");  // under the work folder; "./" taken from the current folder
        QTest::addColumn<QString>("dossier");  // empty when refused
        QTest::newRow("dossier") << "S" << "S";
        QTest::newRow("relatif, barre finale et ..") << "./S/T/../" << "S";
        QTest::newRow("fichier") << "S/b.txt" << "S";
        QTest::newRow("absent") << "S/absent.txt" << "";
    }
    void ouvrirUnChemin()
    {
        QFETCH(QString, chemin);
        QFETCH(QString, dossier);
        banc->ouvrir({QStringLiteral("a.txt"), QStringLiteral("S/b.txt"), QStringLiteral("S/c.txt"),
                      QStringLiteral("S/T/d.txt")});
        const QString courant = QDir::currentPath();
        QDir::setCurrent(env->dossier.path());
        const bool ouvert = fen()->ouvrir((chemin.startsWith(u"./") ? chemin : env->chemin(chemin)).toStdString());
        QDir::setCurrent(courant);
        QCOMPARE(ouvert, !dossier.isEmpty());
        QCOMPARE(fen()->navigateur()->dossier(), QDir::toNativeSeparators(env->chemin(dossier)));
        if (ouvert)  // the file named is chosen
            QCOMPARE(fen()->navigateur()->selection(), (std::vector<bool>{chemin.endsWith(u".txt"), false}));
        QCOMPARE(messages().size(), ouvert ? 0 : 1);
    }

    // The command line: the first argument that is no option, or the one after "--" whatever it is.
    void cheminDeLaLigneDeCommande()
    {
        QCOMPARE(cheminDemande({"--option", "-x", "S/b.txt", "autre"}), std::string("S/b.txt"));
        QCOMPARE(cheminDemande({"-x", "--", "-nom"}), std::string("-nom"));
        QCOMPARE(cheminDemande({"-x", "--"}), std::string());
    }

    void deposer_data()
    {
        QTest::addColumn<QByteArray>("nom");  // a folder under the work folder, as the system's bytes
        QTest::newRow("dossier") << QByteArray("Vacances 2024");
#ifndef Q_OS_WIN  // names are UTF-16 there
        QTest::newRow("nom qui n'est pas UTF-8") << QByteArray("caf\xE9");
#endif
    }
    void deposer()
    {
        QFETCH(QByteArray, nom);
        banc->ouvrir({QStringLiteral("a.txt")});
        const QByteArray dossier = QFile::encodeName(env->dossier.path());
        const std::string cible = (dossier + "/" + nom).toStdString();
        std::filesystem::create_directory(cible);
        const auto menage = qScopeGuard([&cible] { std::filesystem::remove(cible); });  // a name Qt cannot remove
        QMimeData donnees;
        donnees.setData(QStringLiteral("text/uri-list"),
                        QUrl::fromLocalFile(env->dossier.path()).toEncoded() + "/" + nom.toPercentEncoding() + "\r\n");
        QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fen(), &entree);
        QVERIFY(entree.isAccepted());
        QDropEvent depot(QPointF(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fen(), &depot);
#ifdef Q_OS_WIN
        QCOMPARE(fen()->navigateur()->dossierNatif(), QDir::toNativeSeparators(QString::fromStdString(cible)).toStdString());
#else
        QCOMPARE(fen()->navigateur()->dossierNatif(), cible);
#endif
        QVERIFY(messages().isEmpty());
    }
};

QTEST_MAIN(TstFenPrin)
#include "tst_fenprin.moc"
