// The file search window: count line, stopping and closing, subfolders switch, sorts, icons, odd names.
#include "app/outils.h"
#include "search/fenrechercher.h"
#include "search/modeleresultats.h"
#include "search/moteurrecherche.h"
#include "search/vuesresultats.h"
#include "support/environnement.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

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
#include <cstdio>
#include <fstream>
#include <future>
#include <optional>


class TstRecherche : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenRechercher> fen;

    TavBttn* bouton(const char* nom) const { return fen->findChild<TavBttn*>(QString::fromLatin1(nom)); }
    QLineEdit* critere() const { return fen->findChild<QLineEdit*>(u"txtCritere"_qs); }
    QString ligneCompte() const { return fen->findChild<TavPanel*>(u"Forme3"_qs)->caption(); }
    ModeleResultats* modele() const { return fen->resultats(); }

    void ouvrir(const QString& motif = u"*.txt"_qs)
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

private Q_SLOTS:
    void initTestCase() { preparerProgrammeDeTest(); }
    void init() { env = std::make_unique<Environnement>(); }
    void cleanup()
    {
        fen.reset();
        env.reset();
    }

    // Subfolders searched; 20,000 files in one folder all found.
    void ligneDeCompte_data()
    {
        QTest::addColumn<int>("fichiers");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("aucun") << 0 << u"0 fichier trouvé"_qs;
        QTest::newRow("un") << 1 << u"1 fichier trouvé"_qs;
        QTest::newRow("deux") << 2 << u"2 fichiers trouvés"_qs;
        QTest::newRow("20000, tous trouvés") << 20000 << u"20000 fichiers trouvés"_qs;
    }
    void ligneDeCompte()
    {
        QFETCH(int, fichiers);
        QFETCH(QString, attendu);
        if (fichiers > 2)
            Environnement::creerFichiersVides(env->dossier.path(), fichiers);
        else
            for (int i = 0; i < fichiers; ++i)
                env->creerFichier((i % 2 ? u"sous/t%1.txt"_qs : u"t%1.txt"_qs).arg(i));
        ouvrir();
        bouton("CmdRechercherDansSousRepertoires")->click();
        chercher(60000);
        QCOMPARE(ligneCompte(), attendu);
        // Escape with no search running changes nothing.
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        QTest::keyClick(fen.get(), Qt::Key_Escape);
        QCOMPARE(fin.count(), 0);
        QCOMPARE(ligneCompte(), attendu);
    }

    // Escape stops a search midway: what was found stays, and nothing more comes in.
    void arreterPendantUneMarcheProfonde()
    {
        for (int d = 0; d < 300; ++d) {  // 12,000 files in subfolders: long enough to be stopped midway
            QDir().mkpath(env->chemin(u"d%1"_qs.arg(d)));
            Environnement::creerFichiersVides(env->chemin(u"d%1"_qs.arg(d)), 40);
        }
        ouvrir();
        bouton("CmdRechercherDansSousRepertoires")->click();
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        std::optional<bool> enCours;
        const auto arreter = [&] {  // once the first results are shown, back in the event loop
            enCours = !fen->rechercheLibre();
            QTest::keyClick(critere(), Qt::Key_Escape);
        };
        connect(modele(), &QAbstractItemModel::rowsInserted, this, [&] { QTimer::singleShot(0, this, arreter); },
                Qt::SingleShotConnection);
        bouton("btnRechercher")->click();
        QTRY_VERIFY_WITH_TIMEOUT(enCours.has_value(), 20000);
        QVERIFY2(*enCours, "the search ended before it could be stopped");
        QVERIFY(fen->rechercheLibre());
        const int trouves = modele()->rowCount();
        QVERIFY(trouves < 12000);
        QTest::qWait(300);  // nothing more comes in
        QCOMPARE(ligneCompte(), u"%1 fichiers trouvés"_qs.arg(trouves));
        QCOMPARE(modele()->rowCount(), trouves);
        QCOMPARE(fin.count(), 1);
    }

    // A search held by the system (a lost share, a pipe): stopping it, or closing, does not wait for it, and what it
    // finds afterwards is dropped.
    void arretSansAttendreUneRechercheBloquee()
    {
        std::promise<void> relache;
        const std::shared_future<void> relachee = relache.get_future().share();
        std::atomic<int> finies{0};
        const auto bloquee = [relachee, &finies](const ordalis::SearchOptions&, const std::atomic<bool>&,
                                                 const ordalis::SearchBatchHandler& lot) {
            lot(std::vector<ordalis::SearchRow>(1));
            relachee.wait();
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
        relache.set_value();
        QTRY_COMPARE(finies.load(), 2);
        QTest::qWait(50);
        QCOMPARE(lots.count(), 2);
        QCOMPARE(fin.count(), 0);
    }

    void sousDossiersExclusAChaqueOuverture()
    {
        env->creerFichier(u"haut.txt"_qs);
        env->creerFichier(u"sous/bas.txt"_qs);
        QWidget principale;
        Outils outils(*env->general, &principale);
        QPointer<FenRechercher> premiere = outils.ouvrirRecherche();
        QCOMPARE(outils.ouvrirRecherche(), premiere.data());  // never a second window
        premiere->findChild<TavBttn*>(u"CmdRechercherDansSousRepertoires"_qs)->click();
        premiere->findChild<TavBttn*>(u"CmdFermer"_qs)->click();
        QTRY_VERIFY(premiere.isNull());

        std::unique_ptr<FenRechercher> seconde(outils.ouvrirRecherche());
        QCOMPARE(seconde->findChild<QLineEdit*>(u"txtCritere"_qs)->text(), u"*.txt"_qs);
        QCOMPARE(seconde->findChild<TavBttn*>(u"CmdRechercherDansSousRepertoires"_qs)->caption(),
                 u"Sous-dossiers inclus/exclus (EXCLUS)"_qs);
        QVERIFY(seconde->setDossier(QFile::encodeName(env->dossier.path()).toStdString()));
        QSignalSpy fin(seconde.get(), &FenRechercher::rechercheTerminee);
        seconde->basculerRecherche();
        QVERIFY(fin.wait(20000));
        QCOMPARE(seconde->resultats()->rowCount(), 1);
    }

    // Each sort key, both ways, kept by a new search. Names in natural order, accented letters among the plain ones;
    // LgN counts characters, not bytes; "Dans le dossier" sorts by folder, whatever the names' order.
    void tris_data()
    {
        QTest::addColumn<int>("entete");
        QTest::addColumn<QStringList>("croissant");
        QTest::newRow("Nom") << int(ModeleResultats::Nom)
                             << QStringList{u"d.txt"_qs, u"été.txt"_qs, u"F9.txt"_qs, u"f100.txt"_qs};
        QTest::newRow("LgN") << int(ModeleResultats::LongNom)  // 5, 6, 7 (9 bytes), 8
                             << QStringList{u"d.txt"_qs, u"F9.txt"_qs, u"été.txt"_qs, u"f100.txt"_qs};
        QTest::newRow("Taille") << int(ModeleResultats::Taille)  // 9, 20, 50, 100 B
                                << QStringList{u"F9.txt"_qs, u"été.txt"_qs, u"d.txt"_qs, u"f100.txt"_qs};
        QTest::newRow("Date") << int(ModeleResultats::Date)  // 2022, 2023-02, 2023-12, 2024
                              << QStringList{u"d.txt"_qs, u"F9.txt"_qs, u"f100.txt"_qs, u"été.txt"_qs};
        // The time of day, the date breaking the tie of the two 08:00.
        QTest::newRow("Heure") << int(ModeleResultats::Heure)  // 08:00, 08:00, 09:30, 23:10
                               << QStringList{u"d.txt"_qs, u"f100.txt"_qs, u"F9.txt"_qs, u"été.txt"_qs};
        QTest::newRow("Dans le dossier") << int(ModeleResultats::Dossier)  // in folders a, f, m, z
                                         << QStringList{u"f100.txt"_qs, u"F9.txt"_qs, u"été.txt"_qs, u"d.txt"_qs};
    }
    void tris()
    {
        QFETCH(int, entete);
        QFETCH(QStringList, croissant);
        const struct { const char* nom; int taille; QDateTime quand; } fichiers[] = {
            {"a/f100.txt", 100, QDateTime(QDate(2023, 12, 31), QTime(8, 0))},
            {"f/F9.txt", 9, QDateTime(QDate(2023, 2, 10), QTime(9, 30))},
            {"m/été.txt", 20, QDateTime(QDate(2024, 1, 5), QTime(23, 10))},
            {"z/d.txt", 50, QDateTime(QDate(2022, 6, 1), QTime(8, 0))}};
        for (const auto& f : fichiers) {
            env->creerFichier(QString::fromUtf8(f.nom), QByteArray(f.taille, 'x'));
            QFile date(env->chemin(QString::fromUtf8(f.nom)));
            QVERIFY(date.open(QIODevice::ReadWrite) && date.setFileTime(f.quand, QFileDevice::FileModificationTime));
        }
        ouvrir();
        bouton("CmdRechercherDansSousRepertoires")->click();
        chercher();
        cliquerEntete(entete);
        QCOMPARE(colonne(), croissant);
        QCOMPARE(colonne(ModeleResultats::Heure).at(croissant.indexOf(u"F9.txt"_qs)), u"09:30"_qs);  // the time of day
        cliquerEntete(entete);
        const QStringList decroissant(croissant.rbegin(), croissant.rend());
        QCOMPARE(colonne(), decroissant);
        chercher();  // a new search keeps the sort
        QCOMPARE(colonne(), decroissant);
    }

    // Rows of several batches take their sorted places; the selected row follows its file.
    void lignesTrieesAuFilDesLots()
    {
        for (int i = 0; i < 700; ++i)
            env->creerFichier(u"f%1.txt"_qs.arg((i * 7919) % 700));
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
            attendu << u"f%1.txt"_qs.arg(i);
        QCOMPARE(colonne(), attendu);
        QVERIFY(choisi.has_value());
        QCOMPARE(fen->vues()->details()->currentIndex().data().toString(), *choisi);
    }

    // A name under a large icon: one line when it fits, else two, the second cut in its middle so that the extension
    // shows; nothing lost when it fits, and each line within the cell.
    void nomsSousLesGrandesIcones_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("fin");
        QTest::newRow("court") << u"red2.ico"_qs << 1 << u"red2.ico"_qs;
        QTest::newRow("deux lignes") << u"programme_de_test.txt"_qs << 2 << u".txt"_qs;
        QTest::newRow("trop long") << u"un_nom_bien_trop_long_pour_deux_lignes_sous_une_icone.txt"_qs << 2 << u".txt"_qs;
    }
    void nomsSousLesGrandesIcones()
    {
        QFETCH(QString, nom);
        QFETCH(int, lignes);
        QFETCH(QString, fin);
        const QFont police = QApplication::font();
        const int largeur = tw(1290) - 4 - 2 * 3;  // a large icon's cell, less its margins
        const QStringList montre = lignesSousIcone(nom, police, largeur);
        QCOMPARE(montre.size(), lignes);
        QVERIFY2(montre.last().endsWith(fin), qPrintable(montre.join(u'|')));
        if (lignes == 2 && !montre.last().contains(QChar(0x2026)))
            QCOMPARE(montre.join(QString()), nom);  // nothing lost when it fits
        for (const QString& ligne : montre)
            QVERIFY(QFontMetrics(police).horizontalAdvance(ligne) <= largeur);
    }

    // Enter starts the search; the header sorts from the keyboard and by a screen reader's Press; one accessible item
    // per file in the icon views; volumes listed; spaces around the pattern ignored.
    void clavierEtLecteurDEcran()
    {
        for (const char* nom : {"b.txt", "sous/a.txt"})
            env->creerFichier(QString::fromLatin1(nom));
        ouvrir(u" *.txt "_qs);
        bouton("CmdRechercherDansSousRepertoires")->click();
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        critere()->setFocus();
        QTest::keyClick(critere(), Qt::Key_Return);
        QVERIFY(fin.wait(20000));
        QCOMPARE(modele()->rowCount(), 2);

        QHeaderView* entetes = fen->vues()->details()->horizontalHeader();
        QWidget* suivant = fen->vues()->details()->nextInFocusChain();  // where Tab goes from the list
        while (!(suivant->focusPolicy() & Qt::TabFocus) || !suivant->isVisible() || !suivant->isEnabled())
            suivant = suivant->nextInFocusChain();
        QCOMPARE(suivant, entetes);
        entetes->setFocus();
        QTest::keyClick(entetes, Qt::Key_Right);  // "Dans le dossier"
        QTest::keyClick(entetes, Qt::Key_Space);
        QCOMPARE(modele()->colonneTri(), int(ModeleResultats::Dossier));
        QCOMPARE(colonne().last(), u"a.txt"_qs);
        QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(entetes);
        QVERIFY(lu && lu->actionInterface());
        QCOMPARE(lu->text(QAccessible::Value), u"Dans le dossier"_qs);
        lu->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(modele()->sensTri(), Qt::DescendingOrder);
        QCOMPARE(colonne().first(), u"a.txt"_qs);
        for (const auto& [touche, colonneLue] : {std::pair{Qt::Key_Left, "Nom"}, {Qt::Key_Left, "LgN"},  // round
                                                 {Qt::Key_Right, "Nom"}, {Qt::Key_Right, "Dans le dossier"}}) {
            QTest::keyClick(entetes, touche);
            QCOMPARE(lu->text(QAccessible::Value), QString::fromUtf8(colonneLue));
        }

        fen->findChild<TavBttn*>(u"CmdPetiticones"_qs)->click();
        QCOMPARE(fen->vues()->icones()->flow(), QListView::LeftToRight);  // in rows, a list in columns
        fen->findChild<TavBttn*>(u"CmdListe"_qs)->click();
        QCOMPARE(fen->vues()->icones()->flow(), QListView::TopToBottom);
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(fen->vues()->icones());
        QCOMPARE(liste->childCount(), 2);
        QCOMPARE(liste->child(0)->text(QAccessible::Name), u"a.txt"_qs);
        fen->vues()->icones()->setCurrentIndex(fen->vues()->icones()->model()->index(1, 0));
        QCOMPARE(fen->vues()->details()->currentIndex().row(), 1);  // one selection in every view

        QVERIFY(fen->findChild<QComboBox*>(u"chxLecteur"_qs)->count() > 0);
    }

    // Hidden folders are listed and can be chosen; one that cannot be opened says so. The rename command opens on the
    // folder chosen, and its right click sets the criterion to every file.
    void dossiersCachesEtDossierIllisible()
    {
        env->creerFichier(u".cache/c.txt"_qs);
        env->creerFichier(u"parti/p.txt"_qs);
        ouvrir();
        auto* dossiers = fen->findChild<QListWidget*>(u"chxRepertoire"_qs);
        const auto item = [dossiers](const QString& texte) {
            const QList<QListWidgetItem*> trouves = dossiers->findItems(texte, Qt::MatchExactly);
            return trouves.isEmpty() ? nullptr : trouves.first();
        };
        QVERIFY(item(u".cache"_qs));
        QVERIFY(QDir(env->chemin(u"parti"_qs)).removeRecursively());
        Q_EMIT dossiers->itemActivated(item(u"parti"_qs));
        QCOMPARE(env->dialogues.messages.size(), 1);
        QCOMPARE(env->dialogues.messages[0].texte,
                 u"Le dossier « parti » ne peut pas être ouvert : il n'existe plus."_qs);
        QCOMPARE(QString::fromStdString(fen->dossier()), env->dossier.path());
        Q_EMIT dossiers->itemActivated(item(u".cache"_qs));
        QCOMPARE(QDir::fromNativeSeparators(QString::fromStdString(fen->dossier())), env->chemin(u".cache"_qs));
        chercher();
        QCOMPARE(colonne(), QStringList{u"c.txt"_qs});
        bouton("CmdLgN")->click();
        QCOMPARE(env->dialogues.demandesFichier.size(), 1);
        QCOMPARE(QDir::fromNativeSeparators(env->dialogues.demandesFichier[0].dossier), env->chemin(u".cache"_qs));
        QTest::mouseClick(bouton("CmdLgN"), Qt::RightButton);
        QCOMPARE(critere()->text(), u"*.*"_qs);
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
            env->creerFichier(u"t%1.txt"_qs.arg(i));
        ouvrir(u"*.*"_qs);
        chercher();
        QHash<QString, QIcon> vues;
        for (int r = 0; r < modele()->rowCount(); ++r)
            vues.insert(colonne().at(r), modele()->index(r, 0).data(Qt::DecorationRole).value<QIcon>());
        const qint64 rouge = vues.value(u"a.ico"_qs).cacheKey();
        QCOMPARE(vues.value(u"a.ico"_qs).pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(vues.value(u"b.ico"_qs).cacheKey(), rouge);
        QVERIFY(vues.value(u"c.ico"_qs).cacheKey() != rouge);
        QCOMPARE(vues.value(u"t49.txt"_qs).cacheKey(), vues.value(u"t0.txt"_qs).cacheKey());
        QVERIFY(modele()->nombreIcones() <= 4);  // default, red, blue, and maybe the text type's
    }

    void nomQuiNEstPasUtf8()
    {
#ifdef Q_OS_WIN
        QSKIP("names are UTF-16 on Windows: every name the system gives is valid");
#endif
        const std::string chemin = QFile::encodeName(env->dossier.path()).toStdString() + "/caf\xE9.txt";
        std::ofstream(chemin) << "x";
        const auto menage = qScopeGuard([&chemin] { std::remove(chemin.c_str()); });  // Qt cannot remove it
        ouvrir();
        chercher();
        QCOMPARE(colonne(), QStringList{u"caf\uFFFD.txt"_qs});
        QCOMPARE(modele()->ligne(0).key, chemin);
        QVERIFY(urlFichier(chemin).isLocalFile());
        QVERIFY(urlFichier(chemin).toEncoded().endsWith("/caf%E9.txt"));
    }
};

QTEST_MAIN(TstRecherche)
#include "tst_recherche.moc"
