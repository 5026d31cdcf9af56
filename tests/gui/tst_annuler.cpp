// Ways back in the main window: Ctrl+Z undoes the last rename command, also
// after a restart; Escape stops a whole-folder command; a folder opened
// from the command line or dropped onto the window.
#include "app/fenprin.h"
#include "app/ouverture.h"
#include "core/platform/platform.h"
#include "fileops/navigateur.h"
#include "support/banc.h"
#include "ui/tavbttn.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace p = ordalis::platform;

class TstAnnuler : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> etat;
    std::unique_ptr<BancFenPrin> banc;
    Environnement* env = nullptr;

    FenPrin* fen() { return banc->fen.get(); }
    QList<Message>& messages() { return env->dialogues.messages; }
    void ctrlZ() { QTest::keyClick(banc->fichiers(), Qt::Key_Z, Qt::ControlModifier); }
    QByteArray lire(const QString& nom)
    {
        QFile f(env->chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
    }
    // Renames every file of the list to Vac001... through the rename panel.
    void renommerTout()
    {
        banc->bouton("CmdRename")->click();
        banc->champ("txtRename")->setText(QStringLiteral("Vac"));
        banc->bouton("CmdToutRenommer")->click();
    }
    bool lectureSeule(const QString& nom)
    {
        std::uint32_t a = 0;
        p::getAttributes(env->chemin(nom).toStdString(), a);
        return (a & 1) != 0;
    }
    // The whole-folder attribute command will make every file read-only.
    void choisirLectureSeule()
    {
        for (const char* nom : {"CheckCache", "CheckSysteme", "CheckArchive"})
            fen()->findChild<QCheckBox*>(QLatin1String(nom))->setChecked(false);
        fen()->findChild<QCheckBox*>(QStringLiteral("CheckLectureSeule"))->setChecked(true);
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        etat = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", etat->path().toUtf8());
        banc = std::make_unique<BancFenPrin>();
        env = banc->env.get();
    }
    void cleanup()
    {
        banc.reset();
        etat.reset();
    }

    void annulerLeRenommage_data()
    {
        QTest::addColumn<QString>("entreTemps");  // what happens between the rename and the undo
        QTest::addColumn<QStringList>("apres");
        QTest::addColumn<QString>("bilan");
        QTest::newRow("tout rendu") << QString() << QStringList{"a.JPG", "b.txt", "c"}
                                    << "3 fichiers ont retrouvé leur nom.";
        QTest::newRow("nom repris") << "reprendre b.txt" << QStringList{"Vac002.txt", "a.JPG", "b.txt", "c"}
                                    << "2 fichiers ont retrouvé leur nom.\n1 fichier garde son nom actuel "
                                       "(ancien nom déjà pris, ou fichier disparu) : Vac002.txt.";
        QTest::newRow("fichiers disparus")
            << "effacer" << QStringList{"a.JPG"}
            << "1 fichier a retrouvé son nom.\n2 fichiers gardent leur nom actuel "
               "(ancien nom déjà pris, ou fichier disparu) : Vac003, Vac002.txt.";
        QTest::newRow("redemarrage") << "redemarrer" << QStringList{"a.JPG", "b.txt", "c"}
                                     << "3 fichiers ont retrouvé leur nom.";
    }
    void annulerLeRenommage()
    {
        QFETCH(QString, entreTemps);
        QFETCH(QStringList, apres);
        QFETCH(QString, bilan);
        banc->ouvrir({QStringLiteral("a.JPG"), QStringLiteral("b.txt"), QStringLiteral("c")});
        renommerTout();
        QCOMPARE(banc->contenu(), (QStringList{"Vac001.jpg", "Vac002.txt", "Vac003"}));
        if (entreTemps == QLatin1String("reprendre b.txt"))
            env->creerFichier(QStringLiteral("b.txt"), "nouveau");
        if (entreTemps == QLatin1String("effacer")) {
            QFile::remove(env->chemin(QStringLiteral("Vac002.txt")));
            QFile::remove(env->chemin(QStringLiteral("Vac003")));
        }
        if (entreTemps == QLatin1String("redemarrer")) {
            banc->fen.reset();
            banc->ouvrirSansDossier();
        }
        env->dialogues.reponses = {Reponse::Oui};
        ctrlZ();
        QCOMPARE(messages().size(), 2);
        const Message& question = messages()[0];
        QCOMPARE(question.texte, QStringLiteral("Annuler le dernier renommage ? 3 fichiers de %1 retrouveront leur nom.")
                                     .arg(QDir::toNativeSeparators(env->dossier.path())));
        QCOMPARE(question.titre, QStringLiteral("Ordalis..."));
        QCOMPARE(question.icone, IconeMessage::Question);
        QCOMPARE(question.boutons, BoutonsMessage::OuiNon);
        QCOMPARE(question.parDefaut, Reponse::Non);
        QCOMPARE(messages()[1].texte, bilan);
        QCOMPARE(banc->contenu(), apres);
        QCOMPARE(lire(QStringLiteral("a.JPG")), QByteArray("a.JPG"));
        if (apres.contains(QStringLiteral("Vac002.txt")))
            QCOMPARE(lire(QStringLiteral("b.txt")), QByteArray("nouveau"));  // never overwritten
        if (entreTemps != QLatin1String("redemarrer")) {
            QStringList lignes = banc->lignes();  // the list is read again
            lignes.sort();
            QCOMPARE(lignes, apres);
        }
        ctrlZ();
        QCOMPARE(messages().size(), 3);
        QCOMPARE(messages()[2].texte, QStringLiteral("Il n'y a aucun renommage à annuler."));
        QCOMPARE(banc->contenu(), apres);
    }

    void nonLaisseToutEnPlace()
    {
        banc->ouvrir({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
        banc->bouton("CmdRename")->click();
        banc->champ("txtNouvExtension")->setText(QStringLiteral("doc"));
        banc->bouton("CmdToutNExtension")->click();
        QCOMPARE(banc->contenu(), (QStringList{"a.doc", "b.doc"}));
        ctrlZ();  // no answer scripted: the default button
        QCOMPARE(messages().size(), 1);
        QCOMPARE(banc->contenu(), (QStringList{"a.doc", "b.doc"}));
        env->dialogues.reponses = {Reponse::Oui};
        ctrlZ();  // the journal stays until the undo is done
        QCOMPARE(banc->contenu(), (QStringList{"a.txt", "b.txt"}));
        QCOMPARE(messages().last().texte, QStringLiteral("2 fichiers ont retrouvé leur nom."));
    }

    void echapPendantLeComptage()
    {
        banc->ouvrir({QStringLiteral("a.txt"), QStringLiteral("S/b.txt")});
        choisirLectureSeule();
        banc->bouton("CmdToutAttributs")->click();
        QTest::keyClick(fen(), Qt::Key_Escape);
        QCOMPARE(banc->legende(), QStringLiteral("Commande arrêtée : aucun fichier traité."));
        QTest::qWait(50);
        QVERIFY(!lectureSeule(QStringLiteral("a.txt")));
        QVERIFY(!lectureSeule(QStringLiteral("S/b.txt")));
        QVERIFY(banc->bouton("CmdToutAttributs")->isEnabled());
        QVERIFY(fen()->progression()->isHidden());
        QVERIFY(env->sons.isEmpty());
    }

    void echapPendantLaMarche()
    {
        QStringList fichiers;
        for (int i = 0; i < 400; ++i)
            fichiers << QStringLiteral("S%1/f%2.txt").arg(i % 4).arg(i);
        banc->ouvrir(fichiers);
        choisirLectureSeule();
        QProgressBar* barre = fen()->progression();
        // Escape once the bar has moved an eighth of its way.
        QMetaObject::Connection c = connect(barre, &QProgressBar::valueChanged, this, [&](int v) {
            if (v >= 50) {
                disconnect(c);
                QTest::keyClick(fen(), Qt::Key_Escape);
            }
        });
        banc->bouton("CmdToutAttributs")->click();
        QTRY_VERIFY2(banc->legende().startsWith(QStringLiteral("Commande arrêtée")), qPrintable(banc->legende()));
        const QRegularExpression forme(QStringLiteral("^Commande arrêtée : (\\d+) fichiers? traités? sur 400\\.$"));
        const QRegularExpressionMatch m = forme.match(banc->legende());
        QVERIFY2(m.hasMatch(), qPrintable(banc->legende()));
        const int traites = m.captured(1).toInt();
        QVERIFY(traites > 0 && traites < 400);
        const auto changes = [&] {
            int n = 0;
            for (const QString& f : fichiers)
                n += lectureSeule(f);
            return n;
        };
        QTRY_COMPARE(changes(), traites);  // every file handed over is finished
        QVERIFY(barre->isVisible());
        const int position = barre->value();
        QVERIFY(position > 0 && position < barre->maximum());
        QVERIFY(banc->bouton("CmdToutAttributs")->isEnabled());
        QVERIFY(env->sons.isEmpty());
        QTest::qWait(200);
        QCOMPARE(changes(), traites);  // and no other was touched
        QTRY_VERIFY_WITH_TIMEOUT(barre->isHidden(), 6000);
    }

    void cheminDeLaLigneDeCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("chemin");
        QTest::newRow("aucun") << QStringList{} << QString();
        QTest::newRow("dossier") << QStringList{"/home/x/photos"} << "/home/x/photos";
        QTest::newRow("options avant") << QStringList{"-style", "--x", "photos"} << "photos";
        QTest::newRow("après --") << QStringList{"--", "-photos"} << "-photos";
        QTest::newRow("options seules") << QStringList{"--x", "--"} << QString();
    }
    void cheminDeLaLigneDeCommande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, chemin);
        std::vector<std::string> args;
        for (const QString& a : arguments)
            args.push_back(a.toStdString());
        QCOMPARE(QString::fromStdString(cheminDemande(args)), chemin);
    }

    void ouvrirUnChemin_data()
    {
        QTest::addColumn<QString>("chemin");  // under the work folder
        QTest::addColumn<QString>("dossier");
        QTest::addColumn<QString>("legende");
        QTest::newRow("dossier") << "S" << "S" << " Aucun fichier sélectionné";
        QTest::newRow("dossier, barre finale et ..") << "S/T/../" << "S" << " Aucun fichier sélectionné";
        QTest::newRow("fichier") << "S/b.txt" << "S" << " 1 fichier sélectionné";
        QTest::newRow("absent") << "S/absent.txt" << "" << " Aucun fichier sélectionné";
    }
    void ouvrirUnChemin()
    {
        QFETCH(QString, chemin);
        QFETCH(QString, dossier);
        QFETCH(QString, legende);
        banc->ouvrir({QStringLiteral("a.txt"), QStringLiteral("S/b.txt"), QStringLiteral("S/c.txt"),
                      QStringLiteral("S/T/d.txt")});
        const bool ouvert = fen()->ouvrir(env->chemin(chemin).toStdString());
        QCOMPARE(ouvert, !dossier.isEmpty());
        QCOMPARE(fen()->navigateur()->dossier(), QDir::toNativeSeparators(env->chemin(dossier)));
        QCOMPARE(banc->legende(), legende);
        if (chemin.endsWith(QLatin1String(".txt")) && ouvert)
            QCOMPARE(fen()->navigateur()->selection(), (std::vector<bool>{true, false}));
        QCOMPARE(messages().size(), ouvert ? 0 : 1);
        if (!ouvert)
            QCOMPARE(messages()[0].icone, IconeMessage::Exclamation);
    }

    void cheminRelatif()
    {
        banc->ouvrir({QStringLiteral("S/b.txt")});
        const QString avant = QDir::currentPath();
        QDir::setCurrent(env->dossier.path());
        const bool ouvert = fen()->ouvrir("S");
        QDir::setCurrent(avant);
        QVERIFY(ouvert);
        QCOMPARE(fen()->navigateur()->dossier(), QDir::toNativeSeparators(env->chemin(QStringLiteral("S"))));
    }

    void deposer_data()
    {
        QTest::addColumn<QByteArray>("nom");  // a folder under the work folder, as the system's bytes
        QTest::newRow("dossier") << QByteArray("Vacances 2024");
#ifndef Q_OS_WIN
        QTest::newRow("nom qui n'est pas UTF-8") << QByteArray("caf\xE9");
#endif
    }
    void deposer()
    {
        QFETCH(QByteArray, nom);
        banc->ouvrir({QStringLiteral("a.txt")});
        const std::string cible = (QFile::encodeName(env->dossier.path()) + "/" + nom).toStdString();
        std::filesystem::create_directory(cible);
        QMimeData donnees;
        donnees.setData(QStringLiteral("text/uri-list"),
                        "file://" + QFile::encodeName(env->dossier.path()).toPercentEncoding("/") + "/"
                            + nom.toPercentEncoding() + "\r\n");
        QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fen(), &entree);
        QVERIFY(entree.isAccepted());
        QDropEvent depot(QPointF(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fen(), &depot);
        QCOMPARE(fen()->navigateur()->dossierNatif(), cible);
        QVERIFY(messages().isEmpty());
        std::filesystem::remove(cible);  // a name Qt cannot remove
    }
};

QTEST_MAIN(TstAnnuler)
#include "tst_annuler.moc"
