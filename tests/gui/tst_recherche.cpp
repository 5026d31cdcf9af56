// The file search window: count line, stopping and closing, subfolders switch, sorts, icons, odd names.
#include "app/outils.h"
#include "search/fenrechercher.h"
#include "search/modeleresultats.h"
#include "search/vuesresultats.h"
#include "support/environnement.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QHeaderView>
#include <QImageWriter>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include <cstdio>
#include <fstream>
#include <functional>
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
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
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
        QTRY_VERIFY_WITH_TIMEOUT(fenetre.isNull(), 20000);  // the search thread was joined on the way
        QVERIFY2(*enCours, "the search ended before the window was closed");
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
                                << QStringList{"b.txt", "c.txt", "a.txt"};  // 9, 20, 100 bytes
        QTest::newRow("Date") << int(ModeleResultats::Date)
                              << QStringList{"b.txt", "a.txt", "c.txt"};  // 10/02/2023, 31/12/2023, 05/01/2024
        QTest::newRow("Heure") << int(ModeleResultats::Heure)
                               << QStringList{"b.txt", "a.txt", "c.txt"};  // 09:30, 23:10, 08:00
    }
    void tris()
    {
        QFETCH(int, entete);
        QFETCH(QStringList, croissant);
        const struct { const char* nom; int taille; QDateTime quand; } fichiers[] = {
            {"a.txt", 100, QDateTime(QDate(2023, 12, 31), QTime(23, 10))},
            {"b.txt", 9, QDateTime(QDate(2023, 2, 10), QTime(9, 30))},
            {"c.txt", 20, QDateTime(QDate(2024, 1, 5), QTime(8, 0))}};
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

    // Names in natural order; LgN counts characters, not bytes, and sorts as a number.
    void triNaturelDesNomsEtDesLongueurs()
    {
        const QString long100 = QString(96, QLatin1Char('n')) + QStringLiteral(".txt");
        for (const char* nom : {"f10.txt", "F9.txt", "f100.txt", "e.txt", "été.txt"})
            env->creerFichier(QString::fromUtf8(nom));
        env->creerFichier(long100);
        ouvrir();
        chercher();
        cliquerEntete(ModeleResultats::Nom);
        QCOMPARE(colonne(), (QStringList{"e.txt", "F9.txt", "f10.txt", "f100.txt", long100, "été.txt"}));
        cliquerEntete(ModeleResultats::LongNom);
        QCOMPARE(colonne(ModeleResultats::LongNom), (QStringList{"100", "08", "07", "07", "06", "05"}));
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
