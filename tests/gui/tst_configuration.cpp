// Settings store, interface colours, hover hints and help from the main
// window's menu panel and chrome.
#include "ui/aide.h"
#include "ui/chrome.h"
#include "ui/couleurs.h"
#include "app/fenprin.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "support/banc.h"

#include <QFile>
#include <QSettings>
#include <QTextBrowser>
#include <QtTest>

class TstConfiguration : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BancFenPrin> banc;
    Environnement* env = nullptr;
    FenPrin* fen = nullptr;

    TavBttn* bouton(const char* nom) { return banc->bouton(nom); }
    void ouvrir()
    {
        banc->ouvrirSansDossier();
        fen = banc->fen.get();
    }
    QString stocke(const QString& section, const QString& cle)
    {
        return env->reglages->lire(section, cle, QStringLiteral("<absent>"));
    }
    QColor debutTitre() { return bouton("CmdDeplaceFen")->gradientcolorstart(); }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        banc = std::make_unique<BancFenPrin>();
        env = banc->env.get();
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<FenAide*>(w))
                delete w;
        banc.reset();
    }

    void premierLancementDonneLesDefauts()
    {
        ouvrir();
        QVERIFY(env->general->InfoBulles);
        QCOMPARE(env->general->ConseilDemarrage, QStringLiteral("Oui"));
        QCOMPARE(bouton("CmdBulAide")->caption(), QStringLiteral("Affichage des info-bulles «"));
        QCOMPARE(debutTitre(), QColor(0x00, 0x80, 0x80));  // stored as &H808000: blue-green-red
    }

    void couleurHexaOuDecimale_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<uint>("attendu");
        QTest::newRow("hexadecimal") << "&H0000FF" << 0x0000FFu;
        QTest::newRow("decimal") << "255" << 0x0000FFu;
        QTest::newRow("illisible donne le defaut") << "vert" << 0x808000u;
    }
    void couleurHexaOuDecimale()
    {
        QFETCH(QString, texte);
        QFETCH(uint, attendu);
        env->reglages->ecrire(QStringLiteral("Couleurs de l'interface"), QStringLiteral("Début du dégradé"), texte);
        ouvrir();
        QCOMPARE(env->general->couleurs.debut, attendu);
    }

    void ouiEnMinusculesCoupeLesBulles()
    {
        env->reglages->ecrire(QStringLiteral("Affichage des info-bulles"), QStringLiteral("Valeur"), QStringLiteral("oui"));
        ouvrir();
        QVERIFY(!env->general->InfoBulles);
        QCOMPARE(bouton("CmdBulAide")->caption(), QStringLiteral("Affichage des info-bulles"));
    }

    void reinitialisationEcritLesDecimales()
    {
        ouvrir();
        bouton("CmdReset")->click();
        QCOMPARE(stocke(u"Couleurs de l'interface"_qs, u"Début du dégradé"_qs), u"8421376"_qs);
        QCOMPARE(stocke(u"Couleurs de l'interface"_qs, u"\"Lumière\" des boutons"_qs), u"14614380"_qs);
    }

    void annulerGardeLeTexteHexadecimal()
    {
        ouvrir();
        bouton("CmdCoulDeb")->click();
        QCOMPARE(env->dialogues.couleursInitiales.value(0), QColor(Qt::black));
        QCOMPARE(stocke(QStringLiteral("Couleurs de l'interface"), QStringLiteral("Début du dégradé")),
                 QStringLiteral("&H808000"));
    }

    void choixStockeEnDecimalEtRecolore()
    {
        ouvrir();
        env->dialogues.couleurs.push_back(QColor(0x11, 0x22, 0x33));
        bouton("CmdCoulDeb")->click();
        QCOMPARE(stocke(QStringLiteral("Couleurs de l'interface"), QStringLiteral("Début du dégradé")),
                 QString::number(0x332211));
        QCOMPARE(debutTitre(), QColor(0x11, 0x22, 0x33));
        bouton("CmdCoulVisu")->click();  // opens on the last colour picked
        QCOMPARE(env->dialogues.couleursInitiales.value(1), QColor(0x11, 0x22, 0x33));
    }

    void desinstallationEffaceTout()
    {
        ouvrir();
        bouton("CmdBulAide")->click();
        const QString ini = env->reglages->cheminIni();
        QVERIFY(QFile::exists(ini));
        env->dialogues.reponses.push_back(Reponse::Non);
        bouton("CmdSupprCle")->click();
        QVERIFY(QFile::exists(ini));
        QCOMPARE(env->dialogues.messages.last().parDefaut, Reponse::Non);
        env->dialogues.reponses.push_back(Reponse::Oui);
        bouton("CmdSupprCle")->click();
        QVERIFY(!QFile::exists(ini));
        QVERIFY(!QFileInfo::exists(QFileInfo(ini).absolutePath()));
        banc->fen.reset();
        ouvrir();  // a restart reads the defaults again
        QVERIFY(env->general->InfoBulles);
    }

    void interrupteursEcritsAussitot()
    {
        ouvrir();
        bouton("CmdBulAide")->click();
        QCOMPARE(stocke(QStringLiteral("Affichage des info-bulles"), QStringLiteral("Valeur")), QStringLiteral("Non"));
        bouton("CmdConseilDem")->click();
        QCOMPARE(stocke(QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage")), QStringLiteral("Non"));
    }

    void bullesCoupeesAuSurvolSuivant()
    {
        ouvrir();
        TavBttn* b = bouton("CmdRename");
        Q_EMIT b->mouseHover();
        QCOMPARE(b->toolTip(), QStringLiteral("Renommer les fichiers/Retour"));
        bouton("CmdBulAide")->click();
        QCOMPARE(b->toolTip(), QStringLiteral("Renommer les fichiers/Retour"));  // until the next hover
        Q_EMIT b->mouseHover();
        QCOMPARE(b->toolTip(), QString());
    }

    void aideGaucheEtDroite()
    {
        QTemporaryDir aide;
        for (const char* page : {"index.html", "sujet1.html", "sujet2.html"}) {
            QFile f(aide.filePath(QString::fromLatin1(page)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<p>aide</p>");
        }
        env->general->CheminAide = aide.filePath(QStringLiteral("index.html"));
        ouvrir();
        bouton("CmdApropos")->click();
        QTest::mouseClick(bouton("CmdAide"), Qt::RightButton);
        QVERIFY(fen->popUpInfos()->isVisible());
        FenAide* fenAide = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<FenAide*>(w))
                fenAide = a;
        QVERIFY(fenAide);
        QCOMPARE(QFileInfo(fenAide->pageAffichee()).fileName(), QStringLiteral("sujet1.html"));
        // The left button hides the menu before the help shows its page.
        bool menuVisibleALaPage = true;
        connect(fenAide->findChild<QTextBrowser*>(), &QTextBrowser::sourceChanged, this,
                [&] { menuVisibleALaPage = fen->popUpInfos()->isVisible(); });
        QTest::mouseClick(bouton("CmdAide"), Qt::LeftButton);
        QVERIFY(!menuVisibleALaPage);
        QVERIFY(!fen->popUpInfos()->isVisible());
        QCOMPARE(QFileInfo(fenAide->pageAffichee()).fileName(), QStringLiteral("index.html"));
        bouton("CmdAideRename")->click();
        QCOMPARE(QFileInfo(fenAide->pageAffichee()).fileName(), QStringLiteral("sujet2.html"));
    }

    void fenetreOutilSeFermeSeuleEtGardeSesCouleurs()
    {
        ouvrir();
        auto outil = [this](const char* nom) {
            auto* w = new QWidget;
            w->setObjectName(QString::fromLatin1(nom));
            w->setAttribute(Qt::WA_DeleteOnClose);
            new Chrome(w, *env->general, {.aide = true, .sujetGauche = 4, .sujetDroit = 0});
            appliquerCouleursFenetre(w, env->general->couleurs);
            w->show();
            return QPointer<QWidget>(w);
        };
        QPointer<QWidget> crypteur = outil("FenCrypteur");
        env->dialogues.couleurs.push_back(QColor(Qt::red));
        bouton("CmdCoulTxt")->click();
        QPointer<QWidget> editeur = outil("FenEditText");
        auto legende = [](QWidget* w) { return w->findChild<TavBttn*>(QStringLiteral("CmdDeplaceFen"))->forecolor(); };
        QCOMPARE(legende(crypteur), QColor(0x00, 0x80, 0x80));  // opened before the change
        QCOMPARE(legende(editeur), QColor(Qt::red));
        crypteur->findChild<TavBttn*>(QStringLiteral("CmdFermer"))->click();
        QTRY_VERIFY(crypteur.isNull());
        QVERIFY(editeur && editeur->isVisible());
        QVERIFY(fen->isVisible());
        delete editeur;
    }

    void sonSansPeripheriqueAudio()
    {
        Environnement sansScript;
        sansScript.general->remplacerSon(nullptr);
        sansScript.general->JouerSon(19);  // returns at once, silent without audio output
    }

    void aideManquanteSignalee()
    {
        env->general->CheminAide = env->chemin(QStringLiteral("absent/index.html"));
        ouvrir();
        bouton("CmdAide")->click();
        QCOMPARE(env->dialogues.messages.size(), 1);
        QVERIFY(env->dialogues.messages[0].texte.contains(QStringLiteral("index.html")));
    }
};

QTEST_MAIN(TstConfiguration)
#include "tst_configuration.moc"
