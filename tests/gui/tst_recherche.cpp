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
#include <QHeaderView>
#include <QImageWriter>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTableView>
#include <QtTest>

#include <atomic>
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

    void ouvrir(const QString& motif = u"*.txt"_qs, bool sousDossiers = false)
    {
        fen = std::make_unique<FenRechercher>(*env->general);
        fen->show();
        QVERIFY(fen->setDossier(QFile::encodeName(env->dossier.path()).toStdString()));
        critere()->setText(motif);
        if (sousDossiers)
            bouton("CmdRechercherDansSousRepertoires")->click();
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

    // The count line as files come, subfolders searched. Escape stops a search midway: what was found stays, nothing
    // more comes in, and Escape again, with no search running, changes nothing. 32,000 files, all found, in batches whose
    // rows take their sorted places, the selected row following its file.
    void compteArretEtLots()
    {
        ouvrir(u"*.txt"_qs, true);
        const std::pair<const char*, QString> etapes[] = {
            {"", u"0 fichier trouvé"_qs}, {"t0.txt", u"1 fichier trouvé"_qs}, {"sous/t1.txt", u"2 fichiers trouvés"_qs}};
        for (const auto& [ajout, attendu] : etapes) {
            if (*ajout)
                env->creerFichier(QString::fromLatin1(ajout));
            chercher();
            QCOMPARE(ligneCompte(), attendu);
        }
        Environnement::creerFichiersVides(env->dossier.path(), 20000 - 2);
        for (int d = 0; d < 300; ++d) {  // 12,000 more in subfolders: a walk long enough to be stopped midway
            QDir().mkpath(env->chemin(u"d%1"_qs.arg(d)));
            Environnement::creerFichiersVides(env->chemin(u"d%1"_qs.arg(d)), 40);
        }
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
        QVERIFY(trouves < 32000);
        QTest::keyClick(critere(), Qt::Key_Escape);
        QTest::qWait(300);  // nothing more comes in
        QCOMPARE(ligneCompte(), trouves == 1 ? u"1 fichier trouvé"_qs : u"%1 fichiers trouvés"_qs.arg(trouves));
        QCOMPARE(modele()->rowCount(), trouves);  // a first batch may hold a single file
        QCOMPARE(fin.count(), 1);

        cliquerEntete(ModeleResultats::Nom);
        std::optional<QString> choisi;  // the first row of the first batch
        connect(modele(), &QAbstractItemModel::rowsInserted, this, [&] {
            fen->vues()->details()->setCurrentIndex(modele()->index(0, 0));
            choisi = modele()->index(0, 0).data().toString();
        }, Qt::SingleShotConnection);
        chercher(60000);
        QCOMPARE(ligneCompte(), u"32000 fichiers trouvés"_qs);
        QStringList attendu;
        for (int i = 0; i < 20000 - 2; ++i)
            for (int fois = 0; fois < (i < 40 ? 301 : 1); ++fois)  // f000000.txt to f000039.txt in each subfolder too
                attendu << u"f%1.txt"_qs.arg(i, 6, 10, QChar(u'0'));
        QCOMPARE(colonne(), attendu << u"t0.txt"_qs << u"t1.txt"_qs);
        QVERIFY(choisi.has_value());
        QCOMPARE(fen->vues()->details()->currentIndex().data().toString(), *choisi);
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

    // Enter starts the search, spaces around the pattern ignored. The header sorts from the keyboard and by a screen
    // reader's Press; one accessible item per file in the icon views, one selection in every view. Each sort key, both
    // ways, the last kept by a new search: names in natural order, accented letters among the plain ones; LgN counts
    // characters, not bytes; "Dans le dossier" sorts by folder, whatever the names' order.
    void trisClavierEtLecteurDEcran()
    {
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
        ouvrir(u" *.txt "_qs, true);
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        critere()->setFocus();
        QTest::keyClick(critere(), Qt::Key_Return);
        QVERIFY(fin.wait(20000));
        QCOMPARE(modele()->rowCount(), 4);

        QHeaderView* entetes = fen->vues()->details()->horizontalHeader();
        QWidget* suivant = fen->vues()->details()->nextInFocusChain();  // where Tab goes from the list
        while (!(suivant->focusPolicy() & Qt::TabFocus) || !suivant->isVisible() || !suivant->isEnabled())
            suivant = suivant->nextInFocusChain();
        QCOMPARE(suivant, entetes);
        entetes->setFocus();
        QTest::keyClick(entetes, Qt::Key_Right);  // "Dans le dossier"
        QTest::keyClick(entetes, Qt::Key_Space);
        QCOMPARE(modele()->colonneTri(), int(ModeleResultats::Dossier));
        QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(entetes);
        QVERIFY(lu && lu->actionInterface());
        QCOMPARE(lu->text(QAccessible::Value), u"Dans le dossier"_qs);
        lu->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(modele()->sensTri(), Qt::DescendingOrder);
        for (const auto& [touche, colonneLue] : {std::pair{Qt::Key_Left, "Nom"}, {Qt::Key_Left, "LgN"},  // round
                                                 {Qt::Key_Right, "Nom"}, {Qt::Key_Right, "Dans le dossier"}}) {
            QTest::keyClick(entetes, touche);
            QCOMPARE(lu->text(QAccessible::Value), QString::fromUtf8(colonneLue));
        }

        bouton("CmdPetiticones")->click();
        QCOMPARE(fen->vues()->icones()->flow(), QListView::LeftToRight);  // in rows, a list in columns
        bouton("CmdListe")->click();
        QCOMPARE(fen->vues()->icones()->flow(), QListView::TopToBottom);
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(fen->vues()->icones());
        QCOMPARE(liste->childCount(), 4);
        QCOMPARE(liste->child(0)->text(QAccessible::Name), u"d.txt"_qs);  // by folder, z first
        fen->vues()->icones()->setCurrentIndex(fen->vues()->icones()->model()->index(1, 0));
        QCOMPARE(fen->vues()->details()->currentIndex().row(), 1);  // one selection in every view

        bouton("CmdDetails")->click();
        const std::pair<int, QStringList> croissants[] = {
            {ModeleResultats::Nom, {u"d.txt"_qs, u"été.txt"_qs, u"F9.txt"_qs, u"f100.txt"_qs}},
            {ModeleResultats::LongNom, {u"d.txt"_qs, u"F9.txt"_qs, u"été.txt"_qs, u"f100.txt"_qs}},  // 5, 6, 7 (9 bytes), 8
            {ModeleResultats::Taille, {u"F9.txt"_qs, u"été.txt"_qs, u"d.txt"_qs, u"f100.txt"_qs}},  // 9, 20, 50, 100 B
            {ModeleResultats::Date, {u"d.txt"_qs, u"F9.txt"_qs, u"f100.txt"_qs, u"été.txt"_qs}},  // 2022, 2023-02, -12, 2024
            // The time of day, the date breaking the tie of the two 08:00.
            {ModeleResultats::Heure, {u"d.txt"_qs, u"f100.txt"_qs, u"F9.txt"_qs, u"été.txt"_qs}},
            {ModeleResultats::Dossier, {u"f100.txt"_qs, u"F9.txt"_qs, u"été.txt"_qs, u"d.txt"_qs}}};  // a, f, m, z
        QStringList decroissant;
        for (const auto& [entete, croissant] : croissants) {
            cliquerEntete(entete);
            QVERIFY2(colonne() == croissant, qPrintable(colonne().join(u' ')));
            cliquerEntete(entete);
            decroissant = QStringList(croissant.rbegin(), croissant.rend());
            QVERIFY2(colonne() == decroissant, qPrintable(colonne().join(u' ')));
        }
        QCOMPARE(colonne(ModeleResultats::Heure).at(decroissant.indexOf(u"F9.txt"_qs)), u"09:30"_qs);
        chercher();  // a new search keeps the sort
        QCOMPARE(colonne(), decroissant);
    }

    // A name under a large icon: one line when it fits, else two, the second cut in its middle so that the extension
    // shows; nothing lost when it fits, and each line within the cell.
    void nomsSousLesGrandesIcones()
    {
        const struct { const char* nom; int lignes; const char* fin; } cas[] = {
            {"red2.ico", 1, "red2.ico"},
            {"programme_de_test.txt", 2, ".txt"},  // two lines
            {"un_nom_bien_trop_long_pour_deux_lignes_sous_une_icone.txt", 2, ".txt"}};  // too long
        const QFont police = QApplication::font();
        const int largeur = tw(1290) - 4 - 2 * 3;  // a large icon's cell, less its margins
        for (const auto& [nom, lignes, fin] : cas) {
            const QStringList montre = lignesSousIcone(QString::fromLatin1(nom), police, largeur);
            QVERIFY2(montre.size() == lignes && montre.last().endsWith(QLatin1String(fin)), qPrintable(montre.join(u'|')));
            if (lignes == 2 && !montre.last().contains(QChar(0x2026)))
                QCOMPARE(montre.join(QString()), QString::fromLatin1(nom));  // nothing lost when it fits
            for (const QString& ligne : montre)
                QVERIFY(QFontMetrics(police).horizontalAdvance(ligne) <= largeur);
        }
    }

    // The one search window leaves the subfolders out at each opening, whatever the last one chose. Hidden folders are
    // listed and can be chosen; one that cannot be opened says so. The rename command opens on the folder chosen, and
    // its right click sets the criterion to every file.
    void ouvertureEtDossiers()
    {
        env->creerFichier(u".cache/c.txt"_qs);
        env->creerFichier(u".cache/sous/bas.txt"_qs);
        env->creerFichier(u"parti/p.txt"_qs);
        QWidget principale;
        Outils outils(*env->general, &principale);
        QPointer<FenRechercher> premiere = outils.ouvrirRecherche();
        QCOMPARE(outils.ouvrirRecherche(), premiere.data());  // never a second window
        premiere->findChild<TavBttn*>(u"CmdRechercherDansSousRepertoires"_qs)->click();
        premiere->findChild<TavBttn*>(u"CmdFermer"_qs)->click();
        QTRY_VERIFY(premiere.isNull());
        fen.reset(outils.ouvrirRecherche());
        const auto fermer = qScopeGuard([this] { fen.reset(); });  // before the main window that holds it
        QCOMPARE(critere()->text(), u"*.txt"_qs);
        QCOMPARE(bouton("CmdRechercherDansSousRepertoires")->caption(), u"Sous-dossiers inclus/exclus (EXCLUS)"_qs);
        QVERIFY(fen->setDossier(QFile::encodeName(env->dossier.path()).toStdString()));
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
        QCOMPARE(colonne(), QStringList{u"c.txt"_qs});  // not sous/bas.txt
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

    // A name that is not UTF-8 (shown with U+FFFD: the core's display) opens as the bytes it is.
    void lienDUnNomQuiNEstPasUtf8()
    {
#ifdef Q_OS_WIN
        QSKIP("names are UTF-16 on Windows: every name the system gives is valid");
#endif
        const QUrl lien = urlFichier("/dossier/caf\xE9.txt");
        QVERIFY(lien.isLocalFile());
        QCOMPARE(lien.toEncoded(), QByteArray("file:///dossier/caf%E9.txt"));
    }
};

QTEST_MAIN(TstRecherche)
#include "tst_recherche.moc"
