// The menu panel's settings, colours and help; the tips of the day; the about window; what screen readers and the
// keyboard reach of the gradient buttons.
#include "app/demarrage.h"
#include "app/fenprin.h"
#include "app/outils.h"
#include "support/banc.h"
#include "tips/apropos.h"
#include "tips/conseils.h"
#include "search/fenrechercher.h"
#include "texttools/fencrypteur.h"
#include "texttools/fenedittext.h"
#include "texttools/fenrecherchetxt.h"
#include "tips/feuilleapropos.h"
#include "ui/aide.h"
#include "ui/couleurs.h"
#include "ui/dialogues.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>
#include <functional>

namespace {
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

class TstConfiguration : public TestFenPrin {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> outil;  // a tips or about window under test

    using TestFenPrin::bouton;
    TavBttn* bouton(const char* nom, QWidget* dans) { return dans->findChild<TavBttn*>(QLatin1String(nom)); }
    QString debutDuDegrade()
    {
        return env->reglages->lire(u"Couleurs de l'interface"_qs, u"Début du dégradé"_qs, u"<absent>"_qs);
    }
    void demarrerProgramme()
    {
        FenDemarrage demarrage;
        banc->fen.reset(demarrer(*env->general, demarrage));
    }
    QString conseil() { return outil->findChild<QLabel*>(u"lblTipText"_qs)->text(); }
    void conseils(const QString& chemin, double hasard = 0.0)
    {
        outil = std::make_unique<Conseils>(*env->general, nullptr, chemin, [hasard] { return hasard; });
    }

    // The main window on no folder, and the window named `nom` made for the test (none more for "FenPrin").
    QWidget* ouvrirFenetre(const QString& nom)
    {
        banc->ouvrirSansDossier();
        General& g = *env->general;
        const std::map<QString, std::function<QWidget*()>> fabriques = {
            {u"FenPrin"_qs, [&] { return nullptr; }},
            {u"FenRechercher"_qs, [&] { return new FenRechercher(g); }},
            {u"FenCrypteur"_qs, [&] { return new FenCrypteur(g); }},
            {u"FenRechercheTxt"_qs, [&] { return new FenRechercheTxt(g); }},
            {u"FenEditText"_qs, [&] { return new FenEditText(g); }},
            {u"Conseils"_qs, [&] { return new Conseils(g, nullptr, QString(), [] { return 0.0; }); }},
            {u"Apropos"_qs, [&] { return new Apropos(g); }},
        };
        outil.reset(fabriques.at(nom)());
        return outil ? outil.get() : fen();
    }

private Q_SLOTS:
    void cleanup()
    {
        outil.reset();
        qDeleteAll(fenetresOuvertes<FenAide>());
        TestFenPrin::cleanup();
    }

    void couleurChoisieStockeeEnDecimal()
    {
        banc->ouvrirSansDossier();
        bouton("CmdCoulDeb")->click();  // cancelled: the stored text stays as it was
        QCOMPARE(debutDuDegrade(), u"&H808000"_qs);
        env->dialogues.couleurs.push_back(QColor(0x11, 0x22, 0x33));
        bouton("CmdCoulDeb")->click();
        QCOMPARE(debutDuDegrade(), QString::number(0x332211));  // decimal, blue first
        QCOMPARE(bouton("CmdDeplaceFen")->gradientcolorstart(), QColor(0x11, 0x22, 0x33));
        bouton("CmdReset")->click();  // stored and shown at once
        QCOMPARE(debutDuDegrade(), QString::number(0x808000));
        QCOMPARE(bouton("CmdDeplaceFen")->gradientcolorstart(), QColor(0x00, 0x80, 0x80));
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

    // Hints show while the menu's switch is on; each click turns them off or on at once, and is stored.
    void bullesSelonLInterrupteur()
    {
        banc->ouvrirSansDossier();
        TavBttn* survole = bouton("CmdRename");
        for (const bool allumees : {false, true}) {
            bouton("CmdBulAide")->click();
            Q_EMIT survole->mouseHover();
            QCOMPARE(survole->toolTip().isEmpty(), !allumees);
            QCOMPARE(env->reglages->lire(u"Affichage des info-bulles"_qs, u"Valeur"_qs, {}),
                     allumees ? u"Oui"_qs : u"Non"_qs);
        }
    }

    // The system's own message boxes: the button clicked is the answer; the default one is the message's.
    void boitesDuSysteme_data()
    {
        QTest::addColumn<int>("boutons");
        QTest::addColumn<int>("clic");
        QTest::addColumn<int>("reponse");
        QTest::newRow("Oui") << int(BoutonsMessage::OuiNon) << int(QMessageBox::Yes) << int(Reponse::Oui);
        QTest::newRow("Non") << int(BoutonsMessage::OuiNon) << int(QMessageBox::No) << int(Reponse::Non);
        QTest::newRow("Annuler") << int(BoutonsMessage::OuiNonAnnuler) << int(QMessageBox::Cancel) << int(Reponse::Annuler);
        QTest::newRow("Recommencer") << int(BoutonsMessage::RecommencerAnnuler) << int(QMessageBox::Retry)
                                     << int(Reponse::Recommencer);
        QTest::newRow("OK") << int(BoutonsMessage::Ok) << int(QMessageBox::Ok) << int(Reponse::Ok);
    }
    void boitesDuSysteme()
    {
        QFETCH(int, boutons);
        QFETCH(int, clic);
        QFETCH(int, reponse);
        bool montree = false, defautJuste = false;
        QTimer::singleShot(0, this, [&] {
            QMessageBox* boite = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible())
                    boite = b;
            QAbstractButton* bouton = boite ? boite->button(QMessageBox::StandardButton(clic)) : nullptr;
            montree = bouton != nullptr;
            defautJuste = montree && boite->defaultButton() == bouton;
            if (montree)
                bouton->click();
            else if (boite)
                boite->done(0);
        });
        DialoguesQt dialogues;
        const Reponse r = dialogues.message(nullptr, {u"Titre"_qs, u"Texte"_qs, IconeMessage::Question,
                                                      BoutonsMessage(boutons), Reponse(reponse)});
        QVERIFY(montree);
        QCOMPARE(int(r), reponse);
        QVERIFY(defautJuste);
    }

    // Beside an installed program, the data folder is the one of the installation.
    void donneesInstallees()
    {
        const QString installe = QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../share/ordalis"_qs);
        if (!QFileInfo(installe).isDir())
            QSKIP("the build has not laid out its data folder");
        QCOMPARE(General::dossierDonnees(), installe);
    }

    void aideGaucheEtDroite()
    {
        for (const char* page : {"index.html", "sujet1.html", "sujet4.html"})
            env->creerFichier(u"aide/"_qs + QLatin1String(page), "<p>aide</p>");
        env->general->CheminAide = env->chemin(u"aide/index.html"_qs);
        banc->ouvrirSansDossier();
        bouton("CmdApropos")->click();
        QTest::mouseClick(bouton("CmdAide"), Qt::RightButton);
        QVERIFY(fen()->popUpInfos()->isVisible());
        QCOMPARE(fenetresOuvertes<FenAide>().size(), 1);
        FenAide* aide = fenetresOuvertes<FenAide>().first();
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), u"sujet1.html"_qs);
        Apropos apropos(*env->general);  // its page button opens the contents while the program has no site
        QCOMPARE(bouton("CmdSite", &apropos)->caption(), u"Aide de Ordalis..."_qs);
        bouton("CmdSite", &apropos)->click();
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), u"index.html"_qs);
        QTest::mouseClick(bouton("CmdAide"), Qt::RightButton);
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), u"sujet1.html"_qs);
        // The left button hides the menu before the help shows its page.
        bool menuVisibleALaPage = true;
        connect(aide->findChild<QTextBrowser*>(), &QTextBrowser::sourceChanged, this,
                [&] { menuVisibleALaPage = fen()->popUpInfos()->isVisible(); });
        QTest::mouseClick(bouton("CmdAide"), Qt::LeftButton);
        QVERIFY(!menuVisibleALaPage && !fen()->popUpInfos()->isVisible());
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), u"index.html"_qs);
        FenCrypteur outil(*env->general);  // a tool window: its own topic on the left, the contents on the right
        QTest::mouseClick(bouton("CmdAide", &outil), Qt::LeftButton);
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), u"sujet4.html"_qs);
        QTest::mouseClick(bouton("CmdAide", &outil), Qt::RightButton);
        QCOMPARE(QFileInfo(aide->pageAffichee()).fileName(), u"index.html"_qs);
    }

    // The first tip by chance, then the file's order, round again; a missing file says so, and again on Next.
    void conseilsDuFichier()
    {
        env->creerFichier(u"Conseils.txt"_qs, "un\r\ndeux\r\ntrois\r\n");
        conseils(env->chemin(u"Conseils.txt"_qs), 0.99);
        for (const QString& vu : {u"trois"_qs, u"un"_qs, u"deux"_qs, u"trois"_qs}) {
            QCOMPARE(conseil(), vu);
            bouton("CmdNextTip", outil.get())->click();
        }
        conseils(env->chemin(u"absent/Conseils.txt"_qs));
        for (int fois = 0; fois < 2; ++fois, bouton("CmdNextTip", outil.get())->click())
            QVERIFY2(conseil().startsWith(u"Le fichier Conseils.txt n'a pas été trouvé."_qs), qPrintable(conseil()));
    }

    // Tips modal over the window at start; unticked: "Non" stored, caption updated on activation, none next start.
    void conseilsAuDemarrage()
    {
        demarrerProgramme();
        const auto ouvertes = fenetresOuvertes<Conseils>();
        QCOMPARE(ouvertes.size(), 1);
        Conseils* c = ouvertes.first();
        QVERIFY(fen()->isVisible() && c->isModal());
        QCOMPARE(c->parentWidget(), fen());
        auto* interrupteur = c->findChild<QCheckBox*>(u"chkLoadTipsAtStartup"_qs);
        const auto stocke = [&] { return env->reglages->lire(u"Conseils du jour"_qs, u"Conseil au démarrage"_qs, {}); };
        const auto basculerParLecteur = [&] {
            QAccessible::queryAccessibleInterface(interrupteur)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        };
        basculerParLecteur();
        QCOMPARE(stocke(), u"Non"_qs);
        QTest::keyClick(interrupteur, Qt::Key_Space);
        QCOMPARE(stocke(), u"Oui"_qs);
        basculerParLecteur();
        QCOMPARE(stocke(), u"Non"_qs);
        bouton("CmdOK", c)->click();
        QTRY_VERIFY(fenetresOuvertes<Conseils>().isEmpty());
        fen()->activateWindow();
        QTRY_COMPARE(bouton("CmdConseilDem")->caption(), u"Conseils au démarrage"_qs);
        env->general->ConseilDemarrage = true;  // a new start knows only what is stored
        demarrerProgramme();
        QVERIFY(fen()->isVisible() && fenetresOuvertes<Conseils>().isEmpty());
    }

    // Up a pixel a tick, paused in place by mouse, Space or screen reader; every line within the sheet's width; back
    // to the start once the last line has wholly left the viewport, not before.
    void feuilleApropos()
    {
        Apropos a(*env->general);
        FeuilleApropos* feuille = a.feuille();
        const std::function<void()> gestes[] = {
            [&] { QTest::mouseClick(feuille, Qt::LeftButton, {}, QPoint(20, 20)); },
            [&] { QTest::keyClick(feuille, Qt::Key_Space); },
            [&] { QAccessible::queryAccessibleInterface(feuille)->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }};
        int attendu = 0;
        for (const auto& basculer : gestes) {
            basculer();
            QVERIFY(!a.defile());
            basculer();
            QVERIFY(a.defile());
            a.tic();
            QCOMPARE(feuille->y(), attendu--);
        }
        for (int i = 0; i < 19; ++i) {
            const QRect zone = feuille->zoneLigne(i);
            QVERIFY2(zone.left() >= 0 && zone.right() < feuille->width(), qPrintable(QString::number(i)));
        }
        const int fin = feuille->finDuTexte();
        QCOMPARE(feuille->zoneLigne(18).bottom() + 1, fin);
        QVERIFY(feuille->height() >= fin + feuille->parentWidget()->height());
        int vu = feuille->y();
        for (a.tic(); feuille->y() != 0 && vu > -fin - 2; a.tic()) {
            QCOMPARE(feuille->y(), vu - 1);
            vu = feuille->y();
        }
        QCOMPARE(vu, -fin);
    }

    // A screen reader names a button by its hint, split at "/" only where the right button has a command.
    void nomsAccessiblesDesBoutons_data()
    {
        QTest::addColumn<bool>("crypteur");  // else the main window
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("description");
        QTest::newRow("aide") << false << "CmdAide" << "Appel de l'aide générale" << "Appel de l'aide sur la fenêtre";
        QTest::newRow("crypteur") << false << "CmdCrypteur" << "Crypter/décrypter un texte" << "";
        QTest::newRow("renommer, retour") << false << "CmdRename" << "Renommer les fichiers/Retour" << "";
        QTest::newRow("copier") << true << "CmdCopCrypt" << "Copier le texte crypté/décrypté" << "";
    }
    void nomsAccessiblesDesBoutons()
    {
        QFETCH(bool, crypteur);
        QFETCH(QString, bouton);
        QFETCH(QString, nom);
        QFETCH(QString, description);
        banc->ouvrirSansDossier();
        QWidget* dans = crypteur ? static_cast<QWidget*>(fen()->outils()->ouvrirCrypteur()) : fen();
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(dans->findChild<TavBttn*>(bouton));
        QCOMPARE(i->text(QAccessible::Name), nom);
        QCOMPARE(i->text(QAccessible::Description), description);
        if (crypteur)
            delete dans;
    }

    // In every window: each gradient button, panel, band and line is given its colour roles when it is created (one
    // without would keep the colours it was built with whatever the user chooses); Return and Enter press a focused
    // button as Space does.
    void chaqueFenetre_data()
    {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("bouton");  // pressed by Return and Enter
        for (const auto& [nom, bouton] : {std::pair("FenPrin", "CmdApropos"), {"FenRechercher", "CmdAide"},
                                          {"FenCrypteur", "CmdCopCrypt"}, {"FenRechercheTxt", "CmdAide"},
                                          {"FenEditText", "CmdAide"}, {"Conseils", "CmdNextTip"}, {"Apropos", "CmdFermer"}})
            QTest::addRow("%s", nom) << QString::fromLatin1(nom) << QString::fromLatin1(bouton);
    }
    void chaqueFenetre()
    {
        QFETCH(QString, fenetre);
        QFETCH(QString, bouton);
        QWidget* dans = ouvrirFenetre(fenetre);
        int decors = 0;
        for (QWidget* w : dans->findChildren<QWidget*>()) {
            const QMetaObject* m = w->metaObject();
            if (m->indexOfProperty("gradientcolorstart") < 0 && m->indexOfProperty("forecolor") < 0)
                continue;
            ++decors;
            QVERIFY2(w->property(kRolesCouleur).isValid(),
                     qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(m->className()), w->objectName())));
        }
        QVERIFY(decors >= 8);
        dans->show();
        auto* b = dans->findChild<TavBttn*>(bouton);
        b->setFocus();
        QSignalSpy clics(b, &TavBttn::clicked);
        QTest::keyClick(b, Qt::Key_Return);
        QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clics.size(), 2);
        if (fenetre == u"FenPrin")
            QVERIFY(!fen()->popUpInfos()->isVisible());  // shown, then hidden again
    }
};

QTEST_MAIN(TstConfiguration)
#include "tst_configuration.moc"
