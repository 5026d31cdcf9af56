// Settings, interface colours and help from the main window's menu panel;
// the tips of the day and their switch at start; the about window.
#include "app/demarrage.h"
#include "app/fenprin.h"
#include "support/banc.h"
#include "tips/apropos.h"
#include "tips/conseils.h"
#include "tips/feuilleapropos.h"
#include "ui/aide.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>
#include <QtTest>
#include <cmath>

namespace {
const QString kCouleurs = QStringLiteral("Couleurs de l'interface");
const QString kDebut = QStringLiteral("Début du dégradé");
const QString kConseils = QStringLiteral("Conseils du jour");
const QString kAuDemarrage = QStringLiteral("Conseil au démarrage");

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

class TstConfiguration : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BancFenPrin> banc;
    Environnement* env = nullptr;
    std::unique_ptr<QWidget> outil;  // a tips or about window under test

    FenPrin* fen() { return banc->fen.get(); }
    TavBttn* bouton(const char* nom, QWidget* dans = nullptr)
    {
        return (dans ? dans : fen())->findChild<TavBttn*>(QLatin1String(nom));
    }
    QString stocke(const QString& section, const QString& cle)
    {
        return env->reglages->lire(section, cle, QStringLiteral("<absent>"));
    }
    void demarrerProgramme()
    {
        FenDemarrage demarrage;
        banc->fen.reset(demarrer(*env->general, demarrage));
    }
    QString conseil() { return outil->findChild<QLabel*>(QStringLiteral("lblTipText"))->text(); }
    void conseils(const QString& chemin, double hasard = 0.0)
    {
        outil = std::make_unique<Conseils>(*env->general, nullptr, chemin, [hasard] { return hasard; });
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        banc = std::make_unique<BancFenPrin>();
        env = banc->env.get();
    }
    void cleanup()
    {
        outil.reset();
        qDeleteAll(fenetresOuvertes<FenAide>());
        banc.reset();
    }

    void couleurChoisieStockeeEnDecimal()
    {
        banc->ouvrirSansDossier();
        bouton("CmdCoulDeb")->click();  // cancelled: the stored text stays as it was
        QCOMPARE(env->dialogues.couleursInitiales.value(0), QColor(Qt::black));
        QCOMPARE(stocke(kCouleurs, kDebut), QStringLiteral("&H808000"));
        env->dialogues.couleurs.push_back(QColor(0x11, 0x22, 0x33));
        bouton("CmdCoulDeb")->click();
        QCOMPARE(stocke(kCouleurs, kDebut), QString::number(0x332211));
        QCOMPARE(bouton("CmdDeplaceFen")->gradientcolorstart(), QColor(0x11, 0x22, 0x33));
        bouton("CmdCoulVisu")->click();  // opens on the last colour picked
        QCOMPARE(env->dialogues.couleursInitiales.last(), QColor(0x11, 0x22, 0x33));
    }

    void desinstallationEffaceTout()
    {
        banc->ouvrirSansDossier();
        bouton("CmdBulAide")->click();
        const QString ini = env->reglages->cheminIni();
        env->dialogues.reponses = {Reponse::Non, Reponse::Oui};
        bouton("CmdSupprCle")->click();
        QVERIFY(QFile::exists(ini));
        QCOMPARE(env->dialogues.messages.first().parDefaut, Reponse::Non);
        bouton("CmdSupprCle")->click();
        QVERIFY(!QFileInfo::exists(QFileInfo(ini).absolutePath()));
        banc->fen.reset();
        banc->ouvrirSansDossier();  // a restart reads the defaults again
        QVERIFY(env->general->InfoBulles);
    }

    void aideGaucheEtDroite()
    {
        for (const char* page : {"index.html", "sujet1.html", "sujet2.html"})
            env->creerFichier(QStringLiteral("aide/") + QLatin1String(page), "<p>aide</p>");
        env->general->CheminAide = env->chemin(QStringLiteral("aide/index.html"));
        banc->ouvrirSansDossier();
        bouton("CmdApropos")->click();
        QTest::mouseClick(bouton("CmdAide"), Qt::RightButton);
        QVERIFY(fen()->popUpInfos()->isVisible());
        QCOMPARE(fenetresOuvertes<FenAide>().size(), 1);
        FenAide* aide = fenetresOuvertes<FenAide>().first();
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), QStringLiteral("sujet1.html"));
        // The left button hides the menu before the help shows its page.
        bool menuVisibleALaPage = true;
        connect(aide->findChild<QTextBrowser*>(), &QTextBrowser::sourceChanged, this,
                [&] { menuVisibleALaPage = fen()->popUpInfos()->isVisible(); });
        QTest::mouseClick(bouton("CmdAide"), Qt::LeftButton);
        QVERIFY(!menuVisibleALaPage && !fen()->popUpInfos()->isVisible());
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), QStringLiteral("index.html"));
        bouton("CmdAideRename")->click();
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), QStringLiteral("sujet2.html"));
    }

    void conseilsPremierAuHasardPuisOrdreDuFichier_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<double>("hasard");
        QTest::addColumn<QStringList>("vus");
        const QByteArray trois = "un\r\ndeux\r\ntrois\r\n";
        QTest::newRow("dernier") << trois << 0.99 << QStringList{"trois", "un", "deux", "trois"};
        QTest::newRow("fins LF sans la derniere") << QByteArray("un\ndeux\ntrois") << 0.5 << QStringList{"deux", "trois", "un"};
        QTest::newRow("une seule ligne") << QByteArray("seul\r\n") << 0.7 << QStringList{"seul", "seul"};
        QTest::newRow("ligne vide") << QByteArray("a\r\n\r\nb\r\n") << 0.0 << QStringList{"a", "", "b", "a"};
        QTest::newRow("cp1252") << QByteArray("Caf\xE9 \x80\r\n") << 0.0 << QStringList{"Café €"};
        QTest::newRow("fichier vide, sans message") << QByteArray() << 0.5 << QStringList{"", ""};
    }
    void conseilsPremierAuHasardPuisOrdreDuFichier()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(double, hasard);
        QFETCH(QStringList, vus);
        env->creerFichier(QStringLiteral("Conseils.txt"), contenu);
        conseils(env->chemin(QStringLiteral("Conseils.txt")), hasard);
        QCOMPARE(conseil(), vus.first());
        for (qsizetype i = 1; i < vus.size(); ++i) {
            bouton("CmdNextTip", outil.get())->click();
            QCOMPARE(conseil(), vus.at(i));
        }
    }

    void conseilsIllisibles_data()
    {
        QTest::addColumn<bool>("present");  // there, but without read permission
        QTest::newRow("absent") << false;
        QTest::newRow("sans droit de lecture") << true;
    }
    void conseilsIllisibles()
    {
        QFETCH(bool, present);
        const QString chemin = env->chemin(QStringLiteral("Conseils.txt"));
        if (present) {
            env->creerFichier(QStringLiteral("Conseils.txt"), "un\r\n");
            QFile::setPermissions(chemin, QFileDevice::WriteOwner);
            if (QFile f(chemin); f.open(QIODevice::ReadOnly))
                QSKIP("this account reads files without read permission");
        }
        conseils(chemin);
        const QString introuvable = QStringLiteral(
            "Le fichier Conseils.txt n'a pas été trouvé.\n\nVous n'auriez pas dû le supprimer du dossier de Ordalis...");
        QCOMPARE(conseil(), introuvable);
        bouton("CmdNextTip", outil.get())->click();
        QCOMPARE(conseil(), introuvable);
    }

    void conseilsDecochesEcriventNonEtLeDemarrageSuivantSenPasse()
    {
        env->creerFichier(QStringLiteral("Conseils.txt"), "un\r\n");
        conseils(env->chemin(QStringLiteral("Conseils.txt")));
        auto* caseDemarrage = outil->findChild<QCheckBox*>(QStringLiteral("chkLoadTipsAtStartup"));
        QVERIFY(caseDemarrage->isChecked());
        QTest::keyClick(caseDemarrage, Qt::Key_Space);
        QCOMPARE(stocke(kConseils, kAuDemarrage), QStringLiteral("Non"));
        outil.reset();
        demarrerProgramme();
        QVERIFY(fen()->isVisible());
        QVERIFY(fenetresOuvertes<Conseils>().isEmpty());
    }

    // Switched off in the tips window: the menu entry follows once the main window is active again.
    void conseilsDevantLaFenetrePrincipaleEtLegendeAlActivation()
    {
        demarrerProgramme();
        const auto ouvertes = fenetresOuvertes<Conseils>();
        QCOMPARE(ouvertes.size(), 1);
        Conseils* c = ouvertes.first();
        QVERIFY(fen()->isVisible() && c->isModal());
        QCOMPARE(c->parentWidget(), fen());
        c->findChild<QCheckBox*>(QStringLiteral("chkLoadTipsAtStartup"))->click();
        bouton("CmdOK", c)->click();
        QTRY_VERIFY(fenetresOuvertes<Conseils>().isEmpty());
        fen()->activateWindow();
        QTRY_COMPARE(bouton("CmdConseilDem")->caption(), QStringLiteral("Conseils au démarrage"));
    }

    void feuilleAproposMonteDUnPixelParTopEtRepart()
    {
        outil = std::make_unique<Apropos>(*env->general);
        auto* a = static_cast<Apropos*>(outil.get());
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
    }

    void feuilleAproposArreteeEtRelancee_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::newRow("souris") << "souris";
        QTest::newRow("espace") << "espace";
        QTest::newRow("lecteur d'ecran") << "lecteur";
    }
    void feuilleAproposArreteeEtRelancee()
    {
        QFETCH(QString, geste);
        outil = std::make_unique<Apropos>(*env->general);
        auto* a = static_cast<Apropos*>(outil.get());
        FeuilleApropos* feuille = a->feuille();
        const auto basculer = [&] {
            if (geste == u"souris")
                QTest::mouseClick(feuille, Qt::LeftButton, {}, QPoint(20, 20));
            else if (geste == u"espace")
                QTest::keyClick(feuille, Qt::Key_Space);
            else
                QAccessible::queryAccessibleInterface(feuille)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
        };
        a->tic();
        a->tic();
        basculer();
        QVERIFY(!a->defile());
        basculer();
        QVERIFY(a->defile());
        a->tic();
        QCOMPARE(feuille->y(), -2);
    }
};

QTEST_MAIN(TstConfiguration)
#include "tst_configuration.moc"
