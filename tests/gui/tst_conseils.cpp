// The tips of the day window, its switch at start, and the about window.
#include "app/demarrage.h"
#include "app/fenprin.h"
#include "tips/apropos.h"
#include "tips/conseils.h"
#include "tips/feuilleapropos.h"
#include "ui/aide.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "support/environnement.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QtTest>
#include <cmath>

namespace {

const QString introuvable = QStringLiteral(
    "Le fichier Conseils.txt n'a pas été trouvé.\n\nVous n'auriez pas dû le supprimer du dossier de Ordalis...");

template <class Fenetre>
QList<Fenetre*> fenetresOuvertes()
{
    QList<Fenetre*> trouvees;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Fenetre*>(w); f && f->isVisible())
            trouvees << f;
    return trouvees;
}

}  // namespace

class TstConseils : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenPrin> fen;
    std::unique_ptr<QWidget> fenetre;

    QString fichier(const QByteArray& contenu)
    {
        env->creerFichier(QStringLiteral("Conseils.txt"), contenu);
        return env->chemin(QStringLiteral("Conseils.txt"));
    }
    Conseils* conseils(const QString& chemin, double hasard = 0.0)
    {
        fenetre = std::make_unique<Conseils>(*env->general, nullptr, chemin, [hasard] { return hasard; });
        return static_cast<Conseils*>(fenetre.get());
    }
    QString conseil() { return fenetre->findChild<QLabel*>(QStringLiteral("lblTipText"))->text(); }
    void cliquer(QWidget* dans, const char* nom) { dans->findChild<TavBttn*>(QString::fromLatin1(nom))->click(); }
    QString stocke()
    {
        return env->reglages->lire(QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage"),
                                   QStringLiteral("<absent>"));
    }
    void demarrerProgramme()
    {
        FenDemarrage demarrage;
        fen.reset(demarrer(*env->general, demarrage));
    }
    Apropos* apropos()
    {
        fenetre = std::make_unique<Apropos>(*env->general);
        return static_cast<Apropos*>(fenetre.get());
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init() { env = std::make_unique<Environnement>(); }
    void cleanup()
    {
        fenetre.reset();
        qDeleteAll(fenetresOuvertes<FenAide>());
        fen.reset();
        env.reset();
    }

    void premierAuHasardPuisOrdreDuFichier_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<double>("hasard");
        QTest::addColumn<QStringList>("vus");
        const QByteArray trois = "un\r\ndeux\r\ntrois\r\n";
        QTest::newRow("premier") << trois << 0.0 << QStringList{"un", "deux", "trois", "un"};
        QTest::newRow("dernier") << trois << 0.99 << QStringList{"trois", "un", "deux", "trois"};
        QTest::newRow("fins LF sans la derniere") << QByteArray("un\ndeux\ntrois") << 0.5
                                                  << QStringList{"deux", "trois", "un"};
        QTest::newRow("une seule ligne") << QByteArray("seul\r\n") << 0.7 << QStringList{"seul", "seul", "seul"};
        QTest::newRow("ligne vide") << QByteArray("a\r\n\r\nb\r\n") << 0.0 << QStringList{"a", "", "b", "a"};
        QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9 cr\xC3\xA8me\n") << 0.0 << QStringList{"Café crème"};
        QTest::newRow("cp1252") << QByteArray("Caf\xE9 \x80\r\n") << 0.0 << QStringList{"Café €"};
        QTest::newRow("fichier vide, sans message") << QByteArray() << 0.5 << QStringList{"", ""};
    }
    void premierAuHasardPuisOrdreDuFichier()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(double, hasard);
        QFETCH(QStringList, vus);
        conseils(fichier(contenu), hasard);
        QCOMPARE(conseil(), vus.first());
        for (qsizetype i = 1; i < vus.size(); ++i) {
            cliquer(fenetre.get(), "CmdNextTip");
            QCOMPARE(conseil(), vus.at(i));
        }
    }

    void fichierIllisibleDonneLeMessage_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::newRow("absent") << "absent";
        QTest::newRow("dossier de ce nom") << "dossier";
        QTest::newRow("sans droit de lecture") << "droits";
    }
    void fichierIllisibleDonneLeMessage()
    {
        QFETCH(QString, cas);
        const QString chemin = env->chemin(QStringLiteral("Conseils.txt"));
        if (cas == QLatin1String("dossier"))
            QVERIFY(QDir().mkpath(chemin));
        if (cas == QLatin1String("droits")) {
            fichier("un\r\n");
            QFile::setPermissions(chemin, QFileDevice::WriteOwner);
            if (QFile f(chemin); f.open(QIODevice::ReadOnly))
                QSKIP("this account reads files without read permission");
        }
        conseils(chemin);
        QCOMPARE(conseil(), introuvable);
        cliquer(fenetre.get(), "CmdNextTip");
        QCOMPARE(conseil(), introuvable);
    }

    void caseLueDesReglages_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<bool>("cochee");
        QTest::newRow("absent") << QString() << true;
        QTest::newRow("Non") << "Non" << false;
        QTest::newRow("oui en minuscules") << "oui" << false;
    }
    void caseLueDesReglages()
    {
        QFETCH(QString, valeur);
        QFETCH(bool, cochee);
        if (!valeur.isNull())
            env->reglages->ecrire(QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage"), valeur);
        conseils(fichier("un\r\n"));
        QCOMPARE(fenetre->findChild<QCheckBox*>(QStringLiteral("chkLoadTipsAtStartup"))->isChecked(), cochee);
    }

    void decocherEcritNonEtLeDemarrageSuivantSenPasse()
    {
        conseils(fichier("un\r\n"));
        auto* caseDemarrage = fenetre->findChild<QCheckBox*>(QStringLiteral("chkLoadTipsAtStartup"));
        QTest::keyClick(caseDemarrage, Qt::Key_Space);
        QCOMPARE(stocke(), QStringLiteral("Non"));
        fenetre.reset();
        demarrerProgramme();
        QVERIFY(fen->isVisible());
        QVERIFY(fenetresOuvertes<Conseils>().isEmpty());
    }

    void ouiMontreLesConseilsDevantLaFenetrePrincipale()
    {
        demarrerProgramme();
        const auto ouvertes = fenetresOuvertes<Conseils>();
        QCOMPARE(ouvertes.size(), 1);
        Conseils* c = ouvertes.first();
        QVERIFY(fen->isVisible() && c->isModal());
        QCOMPARE(c->parentWidget(), fen.get());
        // Switched off there: the menu entry follows once the main window is active again.
        c->findChild<QCheckBox*>(QStringLiteral("chkLoadTipsAtStartup"))->click();
        cliquer(c, "CmdOK");
        QTRY_VERIFY(fenetresOuvertes<Conseils>().isEmpty());
        fen->activateWindow();
        QTRY_COMPARE(fen->bouton(QStringLiteral("CmdConseilDem"))->caption(), QStringLiteral("Conseils au démarrage"));
        QCOMPARE(stocke(), QStringLiteral("Non"));
    }

    void feuilleMonteDUnPixelParTopEtRepart()
    {
        Apropos* a = apropos();
        FeuilleApropos* feuille = a->feuille();
        for (int attendu : {0, -1, -2, -3}) {
            a->tic();
            QCOMPARE(feuille->y(), attendu);
        }
        // Back to its start once it has climbed past 258/500 of its height.
        const int plusHaut = -int(std::floor(feuille->height() * 258.0 / 500.0));
        int vu = feuille->y();
        while (vu > plusHaut - 2) {
            a->tic();
            if (feuille->y() == 0)
                break;
            QCOMPARE(feuille->y(), vu - 1);
            vu = feuille->y();
        }
        QCOMPARE(vu, plusHaut);
        QCOMPARE(feuille->y(), 0);
        a->tic();
        QCOMPARE(feuille->y(), -1);
    }

    void unClicArreteEtUnSecondRelance_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::newRow("souris") << "souris";
        QTest::newRow("espace") << "espace";
        QTest::newRow("lecteur d'ecran") << "lecteur";
    }
    void unClicArreteEtUnSecondRelance()
    {
        QFETCH(QString, geste);
        Apropos* a = apropos();
        FeuilleApropos* feuille = a->feuille();
        const auto basculer = [&] {
            if (geste == QLatin1String("souris"))
                QTest::mouseClick(feuille, Qt::LeftButton, {}, QPoint(20, 20));
            else if (geste == QLatin1String("espace"))
                QTest::keyClick(feuille, Qt::Key_Space);
            else
                QAccessible::queryAccessibleInterface(feuille)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
        };
        QVERIFY(a->defile());
        a->tic();
        a->tic();
        basculer();
        QVERIFY(!a->defile());
        basculer();
        QVERIFY(a->defile());
        a->tic();
        QCOMPARE(feuille->y(), -2);
    }

    void boutonDuSiteOuvreLeSommaireDeLAide()
    {
        env->creerFichier(QStringLiteral("aide/index.html"), "<p>Sommaire</p>");
        env->general->CheminAide = env->chemin(QStringLiteral("aide/index.html"));
        cliquer(apropos(), "CmdSite");
        const auto aides = fenetresOuvertes<FenAide>();
        QCOMPARE(aides.size(), 1);
        QCOMPARE(aides.first()->pageAffichee(), env->chemin(QStringLiteral("aide/index.html")));
    }

    void menuOuvreUnSeulAproposModal()
    {
        env->reglages->ecrire(QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage"),
                              QStringLiteral("Non"));
        demarrerProgramme();
        fen->basculerMenu();
        cliquer(fen.get(), "CmdApropos2");
        cliquer(fen.get(), "CmdApropos2");
        const auto ouvertes = fenetresOuvertes<Apropos>();
        QCOMPARE(ouvertes.size(), 1);
        QVERIFY(ouvertes.first()->isModal() && !fen->popUpInfos()->isVisible());
        cliquer(ouvertes.first(), "CmdFermer");
        QTRY_VERIFY(fenetresOuvertes<Apropos>().isEmpty());
    }
};

QTEST_MAIN(TstConseils)
#include "tst_conseils.moc"
