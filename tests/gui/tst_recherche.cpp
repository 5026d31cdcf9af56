// The file search window: count line, stopping and closing, subfolders switch, sorts, icons, odd names.
#include "app/outils.h"
#include "search/fenrechercher.h"
#include "search/modeleresultats.h"
#include "search/moteurrecherche.h"
#include "search/vuesresultats.h"
#include "support/environnement.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QImageWriter>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTableView>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <functional>
#include <future>
#include <mutex>
#include <optional>


class TstRecherche : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenRechercher> fen;

    TavBttn* bouton(const char* nom) const { return fen->findChild<TavBttn*>(QString::fromLatin1(nom)); }
    QLineEdit* critere() const { return fen->findChild<QLineEdit*>(QStringLiteral("txtCritere")); }
    QString ligneCompte() const { return fen->findChild<TavPanel*>(QStringLiteral("Forme3"))->caption(); }
    ModeleResultats* modele() const { return fen->resultats(); }

    void ouvrir(const QString& motif = QStringLiteral("*.txt"))
    {
        fen = std::make_unique<FenRechercher>(*env->general);
        fen->show();
        QVERIFY(fen->setDossier(QFile::encodeName(env->dossier.path()).toStdString()));
        critere()->setText(motif);
    }
    void chercher(int attente = 20000)
    {
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        bouton("btnRechercher")->click();
        QVERIFY(fin.wait(attente));
    }
    // The texts of one column, in the order shown.
    QStringList colonne(int c = ModeleResultats::Nom) const
    {
        QStringList out;
        for (int r = 0; r < modele()->rowCount(); ++r)
            out << modele()->index(r, c).data().toString();
        return out;
    }
    void cliquerEntete(int c)
    {
        QHeaderView* h = fen->vues()->details()->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
    }
    // Does `geste` once the first results are shown, back in the event loop.
    void aLaPremiereLigne(QAbstractItemModel* m, const std::function<void()>& geste)
    {
        connect(m, &QAbstractItemModel::rowsInserted, this, [this, geste] { QTimer::singleShot(0, this, geste); },
                Qt::SingleShotConnection);
    }

private Q_SLOTS:
    void initTestCase() { preparerProgrammeDeTest(); }
    void init() { env = std::make_unique<Environnement>(); }
    void cleanup()
    {
        fen.reset();
        env.reset();
    }

    // Subfolders searched through a link back to the top: each file once.
    void ligneDeCompte_data()
    {
        QTest::addColumn<int>("fichiers");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("aucun") << 0 << QStringLiteral("0 fichier trouvé");
        QTest::newRow("un") << 1 << QStringLiteral("1 fichier trouvé");
        QTest::newRow("deux") << 2 << QStringLiteral("2 fichiers trouvés");
    }
    void ligneDeCompte()
    {
        QFETCH(int, fichiers);
        QFETCH(QString, attendu);
        for (int i = 0; i < fichiers; ++i)
            env->creerFichier((i % 2 ? QStringLiteral("sous/t%1.txt") : QStringLiteral("t%1.txt")).arg(i));
        env->creerFichier(QStringLiteral("sous/autre.doc"));
        env->creerFichier(QStringLiteral("dossier.txt/dedans.doc"));  // a folder is never listed
        QVERIFY(QFile::link(env->dossier.path(), env->chemin(QStringLiteral("sous/boucle"))));
        ouvrir();
        bouton("CmdRechercherDansSousRepertoires")->click();
        chercher();
        QCOMPARE(ligneCompte(), attendu);
        // Escape with no search running changes nothing.
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        QTest::keyClick(fen.get(), Qt::Key_Escape);
        QCOMPARE(fin.count(), 0);
        QCOMPARE(ligneCompte(), attendu);
    }

    void arreterPuisFermerPendantUneMarcheProfonde()
    {
        for (int d = 0; d < 300; ++d) {  // 12,000 files in subfolders: long enough to be stopped midway
            QDir().mkpath(env->chemin(QStringLiteral("d%1").arg(d)));
            Environnement::creerFichiersVides(env->chemin(QStringLiteral("d%1").arg(d)), 40);
        }
        ouvrir();
        bouton("CmdRechercherDansSousRepertoires")->click();
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        std::optional<bool> enCours;
        aLaPremiereLigne(modele(), [&] {
            enCours = !fen->rechercheLibre();
            QTest::keyClick(critere(), Qt::Key_Escape);
        });
        bouton("btnRechercher")->click();
        QTRY_VERIFY_WITH_TIMEOUT(enCours.has_value(), 20000);
        QVERIFY2(*enCours, "the search ended before it could be stopped");
        QVERIFY(fen->rechercheLibre());
        const int trouves = modele()->rowCount();
        QVERIFY(trouves < 12000);
        QTest::qWait(300);  // nothing more comes in
        QCOMPARE(ligneCompte(), QStringLiteral("%1 fichiers trouvés").arg(trouves));
        QCOMPARE(modele()->rowCount(), trouves);
        QCOMPARE(fin.count(), 1);

        QPointer<FenRechercher> fenetre = fen.release();
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
        enCours.reset();
        aLaPremiereLigne(fenetre->resultats(), [&] {
            enCours = !fenetre->rechercheLibre();
            fenetre->close();
        });
        fenetre->findChild<TavBttn*>(QStringLiteral("btnRechercher"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(fenetre.isNull(), 20000);
        QVERIFY2(*enCours, "the search ended before the window was closed");
    }

    // A link to a pipe named like an icon is no file: it is not listed and nothing opens it.
    void lienVersUnTube()
    {
        if (!kTubes)
            QSKIP("no named pipes among the files of this system");
        const QByteArray tube = QFile::encodeName(env->chemin(QStringLiteral("tube.ico")));
        QVERIFY(creerTube(env->chemin(QStringLiteral("tube.ico"))));
        // Should a reader be waiting for a writer, this lets it go.
        const auto liberer = qScopeGuard([this] { libererTube(env->chemin(QStringLiteral("tube.ico"))); });
        QVERIFY(QFile::link(env->chemin(QStringLiteral("tube.ico")), env->chemin(QStringLiteral("lien.ico"))));
        env->creerFichier(QStringLiteral("vrai.ico"));
        ouvrir(QStringLiteral("*.ico"));
        chercher();
        QCOMPARE(colonne(), QStringList{QStringLiteral("vrai.ico")});

        QByteArray cle;
        auto lecture = std::async(std::launch::async, [&] { return lireIconeFichier(tube.toStdString(), cle); });
        QVERIFY2(lecture.wait_for(std::chrono::seconds(5)) == std::future_status::ready, "the icon read waits");
        QVERIFY(lecture.get().isNull());
    }

    // A search held by the system (a lost share, a pipe): stopping it, or closing, does not wait for it, and
    // what it finds afterwards is dropped.
    void arretSansAttendreUneRechercheBloquee()
    {
        std::mutex verrou;
        std::condition_variable signal;
        bool relachee = false;
        std::atomic<int> finies{0};
        const auto bloquee = [&](const ordalis::SearchOptions&, const std::atomic<bool>&,
                                 const ordalis::SearchBatchHandler& lot) {
            lot(std::vector<ordalis::SearchRow>(1));
            {
                std::unique_lock<std::mutex> attente(verrou);
                signal.wait(attente, [&] { return relachee; });
            }
            lot(std::vector<ordalis::SearchRow>(1));
            ++finies;
        };
        auto moteur = std::make_unique<MoteurRecherche>(nullptr, bloquee);
        QSignalSpy lots(moteur.get(), &MoteurRecherche::lot);
        QSignalSpy fin(moteur.get(), &MoteurRecherche::terminee);
        moteur->demarrer(env->dossier.path().toStdString(), false);
        QTRY_COMPARE(lots.count(), 1);
        moteur->arreter();  // returns although the search is held
        QVERIFY(!moteur->enCours());
        moteur->demarrer(env->dossier.path().toStdString(), false);
        QTRY_COMPARE(lots.count(), 2);
        moteur.reset();  // so does closing
        {
            const std::lock_guard<std::mutex> relache(verrou);
            relachee = true;
        }
        signal.notify_all();
        QTRY_COMPARE(finies.load(), 2);
        QTest::qWait(50);
        QCOMPARE(lots.count(), 2);
        QCOMPARE(fin.count(), 0);
    }

    // 20,000 files in one folder, every one found (stopping is checked on the deep walk above).
    void grandDossier()
    {
        Environnement::creerFichiersVides(env->dossier.path(), 20000);
        ouvrir(QStringLiteral("*"));
        chercher(60000);
        QCOMPARE(ligneCompte(), QStringLiteral("20000 fichiers trouvés"));
    }

    void sousDossiersExclusAChaqueOuverture()
    {
        env->creerFichier(QStringLiteral("haut.txt"));
        env->creerFichier(QStringLiteral("sous/bas.txt"));
        QWidget principale;
        Outils outils(*env->general, &principale);
        QPointer<FenRechercher> premiere = outils.ouvrirRecherche();
        QCOMPARE(outils.ouvrirRecherche(), premiere.data());  // never a second window
        premiere->findChild<TavBttn*>(QStringLiteral("CmdRechercherDansSousRepertoires"))->click();
        premiere->findChild<TavBttn*>(QStringLiteral("CmdFermer"))->click();
        QTRY_VERIFY(premiere.isNull());

        std::unique_ptr<FenRechercher> seconde(outils.ouvrirRecherche());
        QCOMPARE(seconde->findChild<QLineEdit*>(QStringLiteral("txtCritere"))->text(), QStringLiteral("*.txt"));
        QCOMPARE(seconde->findChild<TavBttn*>(QStringLiteral("CmdRechercherDansSousRepertoires"))->caption(),
                 QStringLiteral("Sous-dossiers inclus/exclus (EXCLUS)"));
        QVERIFY(seconde->setDossier(QFile::encodeName(env->dossier.path()).toStdString()));
        QSignalSpy fin(seconde.get(), &FenRechercher::rechercheTerminee);
        seconde->basculerRecherche();
        QVERIFY(fin.wait(20000));
        QCOMPARE(seconde->resultats()->rowCount(), 1);
    }

    void tris_data()
    {
        QTest::addColumn<int>("entete");
        QTest::addColumn<QStringList>("croissant");
        QTest::newRow("Taille") << int(ModeleResultats::Taille)
                                << QStringList{QStringLiteral("b.txt"), QStringLiteral("c.txt"),
                                               QStringLiteral("d.txt"), QStringLiteral("a.txt")};  // 9, 20, 50, 100 bytes
        QTest::newRow("Date") << int(ModeleResultats::Date)
                              << QStringList{QStringLiteral("d.txt"), QStringLiteral("b.txt"), QStringLiteral("a.txt"),
                                             QStringLiteral("c.txt")};  // 2022, 2023-02, 2023-12, 2024
        // The time of day, the date breaking the tie of the two 08:00.
        QTest::newRow("Heure") << int(ModeleResultats::Heure)
                               << QStringList{QStringLiteral("d.txt"), QStringLiteral("c.txt"), QStringLiteral("b.txt"),
                                              QStringLiteral("a.txt")};  // 08:00, 08:00, 09:30, 23:10
    }
    void tris()
    {
        QFETCH(int, entete);
        QFETCH(QStringList, croissant);
        const struct { const char* nom; int taille; QDateTime quand; } fichiers[] = {
            {"a.txt", 100, QDateTime(QDate(2023, 12, 31), QTime(23, 10))},
            {"b.txt", 9, QDateTime(QDate(2023, 2, 10), QTime(9, 30))},
            {"c.txt", 20, QDateTime(QDate(2024, 1, 5), QTime(8, 0))},
            {"d.txt", 50, QDateTime(QDate(2022, 6, 1), QTime(8, 0))}};
        for (const auto& f : fichiers) {
            env->creerFichier(QString::fromLatin1(f.nom), QByteArray(f.taille, 'x'));
            QFile date(env->chemin(QString::fromLatin1(f.nom)));
            QVERIFY(date.open(QIODevice::ReadWrite) && date.setFileTime(f.quand, QFileDevice::FileModificationTime));
        }
        ouvrir();
        chercher();
        cliquerEntete(entete);
        QCOMPARE(colonne(), croissant);
        cliquerEntete(entete);
        const QStringList decroissant(croissant.rbegin(), croissant.rend());
        QCOMPARE(colonne(), decroissant);
        chercher();  // a new search keeps the sort
        QCOMPARE(colonne(), decroissant);
    }

    // Names in natural order, accented letters among the plain ones; LgN counts characters, not bytes, and sorts
    // as a number.
    void triNaturelDesNomsEtDesLongueurs()
    {
        const QString long100 = QString(96, QLatin1Char('n')) + QStringLiteral(".txt");
        for (const char* nom : {"f10.txt", "F9.txt", "f100.txt", "e.txt", "été.txt", "dix_ch.txt", "neuf1.txt"})
            env->creerFichier(QString::fromUtf8(nom));
        env->creerFichier(long100);
        ouvrir();
        chercher();
        cliquerEntete(ModeleResultats::Nom);
        QCOMPARE(colonne(), (QStringList{QStringLiteral("dix_ch.txt"), QStringLiteral("e.txt"),
                                         QStringLiteral("été.txt"), QStringLiteral("F9.txt"), QStringLiteral("f10.txt"),
                                         QStringLiteral("f100.txt"), QStringLiteral("neuf1.txt"), long100}));
        cliquerEntete(ModeleResultats::LongNom);
        QCOMPARE(colonne(ModeleResultats::LongNom), (QStringList{QStringLiteral("100"), QStringLiteral("10"),
                                                                 QStringLiteral("09"), QStringLiteral("08"),
                                                                 QStringLiteral("07"), QStringLiteral("07"),
                                                                 QStringLiteral("06"), QStringLiteral("05")}));
    }

    // "Dans le dossier" sorts by folder, whatever the names' order; the "Heure" column shows the time of day.
    void triParDossierEtHeureAffichee()
    {
        env->creerFichier(QStringLiteral("z/a.txt"));
        env->creerFichier(QStringLiteral("a/z.txt"));
        env->creerFichier(QStringLiteral("m/m.txt"));
        QFile date(env->chemin(QStringLiteral("m/m.txt")));
        QVERIFY(date.open(QIODevice::ReadWrite)
                && date.setFileTime(QDateTime(QDate(2023, 2, 10), QTime(9, 30)), QFileDevice::FileModificationTime));
        ouvrir();
        bouton("CmdRechercherDansSousRepertoires")->click();
        chercher();
        cliquerEntete(ModeleResultats::Dossier);
        QCOMPARE(colonne(), (QStringList{QStringLiteral("z.txt"), QStringLiteral("m.txt"), QStringLiteral("a.txt")}));
        QCOMPARE(colonne(ModeleResultats::Heure).at(1), u"09:30"_qs);
    }

    // Rows of several batches take their sorted places; the selected row follows its file.
    void lignesTrieesAuFilDesLots()
    {
        for (int i = 0; i < 700; ++i)
            env->creerFichier(QStringLiteral("f%1.txt").arg((i * 7919) % 700));
        ouvrir();
        cliquerEntete(ModeleResultats::Nom);
        cliquerEntete(ModeleResultats::Nom);  // descending
        std::optional<QString> choisi;  // the first row of the first batch
        connect(modele(), &QAbstractItemModel::rowsInserted, this, [&] {
            fen->vues()->details()->setCurrentIndex(modele()->index(0, 0));
            choisi = modele()->index(0, 0).data().toString();
        }, Qt::SingleShotConnection);
        chercher();
        QStringList attendu;
        for (int i = 699; i >= 0; --i)
            attendu << QStringLiteral("f%1.txt").arg(i);
        QCOMPARE(colonne(), attendu);
        QVERIFY(choisi.has_value());
        QCOMPARE(fen->vues()->details()->currentIndex().data().toString(), *choisi);
    }

    void nomsSousLesGrandesIcones_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("fin");
        QTest::newRow("court") << QStringLiteral("red2.ico") << 1 << QStringLiteral("red2.ico");
        QTest::newRow("deux lignes") << QStringLiteral("programme_de_test.txt") << 2 << QStringLiteral(".txt");
        QTest::newRow("trop long") << QStringLiteral("un_nom_bien_trop_long_pour_deux_lignes_sous_une_icone.txt") << 2
                                   << QStringLiteral(".txt");
    }
    void nomsSousLesGrandesIcones()
    {
        QFETCH(QString, nom);
        QFETCH(int, lignes);
        QFETCH(QString, fin);
        env->creerFichier(nom);
        ouvrir(QStringLiteral("*"));
        chercher();
        fen->findChild<TavBttn*>(QStringLiteral("CmdGrandicones"))->click();
        QListView* vue = fen->vues()->icones();
        const int largeur = vue->visualRect(vue->model()->index(0, 0)).width() - 6;
        QVERIFY2(largeur >= 70, qPrintable(QString::number(largeur)));
        const QStringList montre = lignesSousIcone(nom, vue->font(), largeur);
        QCOMPARE(montre.size(), lignes);
        QVERIFY2(montre.last().endsWith(fin), qPrintable(montre.join(u'|')));
        if (lignes == 2 && !montre.last().contains(QChar(0x2026)))
            QCOMPARE(montre.join(QString()), nom);  // nothing lost when it fits
        for (const QString& ligne : montre)
            QVERIFY(vue->fontMetrics().horizontalAdvance(ligne) <= largeur);
    }

    // Enter starts the search; the header sorts from the keyboard and by a screen reader's Press; one
    // accessible item per file in the icon views; the volumes listed; spaces around the pattern ignored.
    void clavierEtLecteurDEcran()
    {
        for (const char* nom : {"b.txt", "sous/a.txt", "semi;colon.txt"})
            env->creerFichier(QString::fromLatin1(nom));
        ouvrir(QStringLiteral(" *.txt "));
        QCOMPARE(fen->windowTitle(), QStringLiteral("Rechercher des fichiers"));
        bouton("CmdRechercherDansSousRepertoires")->click();
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        critere()->setFocus();
        QTest::keyClick(critere(), Qt::Key_Return);
        QVERIFY(fin.wait(20000));
        QCOMPARE(modele()->rowCount(), 3);

        QHeaderView* entetes = fen->vues()->details()->horizontalHeader();
        QWidget* suivant = fen->vues()->details()->nextInFocusChain();  // where Tab goes from the list
        while (!(suivant->focusPolicy() & Qt::TabFocus) || !suivant->isVisible() || !suivant->isEnabled())
            suivant = suivant->nextInFocusChain();
        QCOMPARE(suivant, entetes);
        entetes->setFocus();
        QTest::keyClick(entetes, Qt::Key_Right);  // "Dans le dossier"
        QTest::keyClick(entetes, Qt::Key_Space);
        QCOMPARE(modele()->colonneTri(), int(ModeleResultats::Dossier));
        QCOMPARE(colonne().last(), QStringLiteral("a.txt"));
        QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(entetes);
        QVERIFY(lu && lu->actionInterface());
        QCOMPARE(lu->text(QAccessible::Value), QStringLiteral("Dans le dossier"));
        lu->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(modele()->sensTri(), Qt::DescendingOrder);
        QCOMPARE(colonne().first(), QStringLiteral("a.txt"));
        for (const auto& [touche, colonneLue] : {std::pair{Qt::Key_Left, "Nom"}, {Qt::Key_Left, "LgN"},  // round
                                                 {Qt::Key_Right, "Nom"}, {Qt::Key_Right, "Dans le dossier"}}) {
            QTest::keyClick(entetes, touche);
            QCOMPARE(lu->text(QAccessible::Value), QString::fromUtf8(colonneLue));
        }

        fen->findChild<TavBttn*>(QStringLiteral("CmdPetiticones"))->click();
        QCOMPARE(fen->vues()->icones()->flow(), QListView::LeftToRight);  // in rows, a list in columns
        fen->findChild<TavBttn*>(QStringLiteral("CmdListe"))->click();
        QCOMPARE(fen->vues()->icones()->flow(), QListView::TopToBottom);
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(fen->vues()->icones());
        QCOMPARE(liste->childCount(), 3);
        QCOMPARE(liste->child(0)->text(QAccessible::Name), QStringLiteral("a.txt"));
        fen->vues()->icones()->setCurrentIndex(fen->vues()->icones()->model()->index(2, 0));
        QCOMPARE(fen->vues()->details()->currentIndex().row(), 2);  // one selection in every view

        auto* lecteurs = fen->findChild<QComboBox*>(QStringLiteral("chxLecteur"));
        QAccessibleInterface* volumes = QAccessible::queryAccessibleInterface(lecteurs);
        QCOMPARE(volumes->childCount(), 1);
        QCOMPARE(volumes->child(0)->role(), QAccessible::List);
        QVERIFY(lecteurs->count() > 0);
        QCOMPARE(volumes->child(0)->childCount(), lecteurs->count());

        critere()->setText(QStringLiteral("semi;colon.txt"));
        chercher();
        QCOMPARE(colonne(), QStringList{QStringLiteral("semi;colon.txt")});
    }

    // Hidden folders are listed and can be chosen; one that cannot be opened says so.
    void dossiersCachesEtDossierIllisible()
    {
        env->creerFichier(QStringLiteral(".cache/c.txt"));
        env->creerFichier(QStringLiteral("parti/p.txt"));
        ouvrir();
        auto* dossiers = fen->findChild<QListWidget*>(QStringLiteral("chxRepertoire"));
        const auto item = [dossiers](const QString& texte) {
            const QList<QListWidgetItem*> trouves = dossiers->findItems(texte, Qt::MatchExactly);
            return trouves.isEmpty() ? nullptr : trouves.first();
        };
        QVERIFY(item(QStringLiteral(".cache")));
        QVERIFY(QDir(env->chemin(QStringLiteral("parti"))).removeRecursively());
        Q_EMIT dossiers->itemActivated(item(QStringLiteral("parti")));
        QCOMPARE(env->dialogues.messages.size(), 1);
        QCOMPARE(env->dialogues.messages[0].texte,
                 QStringLiteral("Le dossier « parti » ne peut pas être ouvert : il n'existe plus."));
        QCOMPARE(QString::fromStdString(fen->dossier()), env->dossier.path());
        Q_EMIT dossiers->itemActivated(item(QStringLiteral(".cache")));
        QCOMPARE(QString::fromStdString(fen->dossier()), env->chemin(QStringLiteral(".cache")));
        chercher();
        QCOMPARE(colonne(), QStringList{QStringLiteral("c.txt")});
    }

    void iconesPartagees()
    {
        const std::pair<const char*, Qt::GlobalColor> icones[] = {
            {"a.ico", Qt::red}, {"b.ico", Qt::red}, {"c.ico", Qt::blue}};
        for (const auto& [nom, couleur] : icones) {
            QImage image(16, 16, QImage::Format_ARGB32);
            image.fill(couleur);
            QVERIFY(QImageWriter(env->chemin(QString::fromLatin1(nom)), "ico").write(image));
        }
        for (int i = 0; i < 50; ++i)
            env->creerFichier(QStringLiteral("t%1.txt").arg(i));
        ouvrir(QStringLiteral("*.*"));
        chercher();
        QHash<QString, QIcon> vues;
        for (int r = 0; r < modele()->rowCount(); ++r)
            vues.insert(colonne().at(r), modele()->index(r, 0).data(Qt::DecorationRole).value<QIcon>());
        const qint64 rouge = vues.value(QStringLiteral("a.ico")).cacheKey();
        QCOMPARE(vues.value(QStringLiteral("a.ico")).pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(vues.value(QStringLiteral("b.ico")).cacheKey(), rouge);
        QVERIFY(vues.value(QStringLiteral("c.ico")).cacheKey() != rouge);
        QCOMPARE(vues.value(QStringLiteral("t49.txt")).cacheKey(), vues.value(QStringLiteral("t0.txt")).cacheKey());
        QVERIFY(modele()->nombreIcones() <= 4);  // default, red, blue, and maybe the text type's
    }

    void nomQuiNEstPasUtf8()
    {
        const std::string chemin = QFile::encodeName(env->dossier.path()).toStdString() + "/caf\xE9.txt";
        std::ofstream(chemin) << "x";
        const auto menage = qScopeGuard([&chemin] { std::remove(chemin.c_str()); });  // Qt cannot remove it
        ouvrir();
        chercher();
        QCOMPARE(colonne(), QStringList{QStringLiteral("caf\uFFFD.txt")});
        QCOMPARE(modele()->ligne(0).key, chemin);
        QVERIFY(urlFichier(chemin).isLocalFile());
        QVERIFY(urlFichier(chemin).toEncoded().endsWith("/caf%E9.txt"));
    }

    void renommerDansLeDossierDeRecherche()
    {
        ouvrir();
        bouton("CmdLgN")->click();
        QCOMPARE(env->dialogues.demandesFichier.size(), 1);
        QCOMPARE(env->dialogues.demandesFichier[0].dossier, env->dossier.path());
        QTest::mouseClick(bouton("CmdLgN"), Qt::RightButton);
        QCOMPARE(critere()->text(), QStringLiteral("*.*"));
    }
};

QTEST_MAIN(TstRecherche)
#include "tst_recherche.moc"
