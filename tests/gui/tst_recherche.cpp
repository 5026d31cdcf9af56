// The file search window: its count line, stopping and closing during a
// search, the subfolders switch, the sorts, shared icons, and names that are
// not valid UTF-8.
#include "app/outils.h"
#include "search/fenrechercher.h"
#include "search/modeleresultats.h"
#include "search/vuesresultats.h"
#include "support/environnement.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImageWriter>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <cstdio>
#include <fstream>

class TstRecherche : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenRechercher> fen;

    TavBttn* bouton(const char* nom) const { return fen->findChild<TavBttn*>(QString::fromLatin1(nom)); }
    QString ligneCompte() const { return fen->findChild<TavPanel*>(QStringLiteral("Forme3"))->caption(); }
    ModeleResultats* modele() const { return fen->resultats(); }

    void ouvrir(const QString& motif = QStringLiteral("*.txt"))
    {
        fen = std::make_unique<FenRechercher>(*env->general);
        fen->show();
        QVERIFY(fen->setDossier(QFile::encodeName(env->dossier.path()).toStdString()));
        fen->findChild<QLineEdit*>(QStringLiteral("txtCritere"))->setText(motif);
    }
    void chercher()
    {
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        bouton("btnRechercher")->click();
        QVERIFY(fin.wait(20000));
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
    // 300 folders of 40 files: long enough to be stopped in the middle.
    void grandArbre()
    {
        for (int d = 0; d < 300; ++d) {
            const QString dossier = env->chemin(QStringLiteral("d%1").arg(d));
            QDir().mkpath(dossier);
            for (int f = 0; f < 40; ++f)
                QFile(dossier + QStringLiteral("/f%1.txt").arg(f)).open(QIODevice::WriteOnly);
        }
    }
    void demarrerProfond()
    {
        bouton("CmdRechercherDansSousRepertoires")->click();
        bouton("btnRechercher")->click();
        QTRY_VERIFY_WITH_TIMEOUT(modele()->rowCount() > 0, 20000);
    }
    void dater(const QString& nom, const QDateTime& quand)
    {
        QFile f(env->chemin(nom));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(quand, QFileDevice::FileModificationTime));
    }
    void creerIcone(const QString& nom, Qt::GlobalColor couleur)
    {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(couleur);
        QVERIFY(QImageWriter(env->chemin(nom), "ico").write(image));
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init() { env = std::make_unique<Environnement>(); }
    void cleanup()
    {
        fen.reset();
        env.reset();
    }

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
            env->creerFichier(QStringLiteral("t%1.txt").arg(i));
        env->creerFichier(QStringLiteral("autre.doc"));
        env->creerFichier(QStringLiteral("dossier.txt/dedans.doc"));  // a folder is never listed
        ouvrir();
        chercher();
        QCOMPARE(ligneCompte(), attendu);
        QVERIFY(fen->rechercheLibre());
    }

    void arretPendantUneMarcheProfonde()
    {
        grandArbre();
        ouvrir();
        demarrerProfond();
        QVERIFY2(!fen->rechercheLibre(), "the search ended before it could be stopped");
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        QTest::keyClick(fen->findChild<QLineEdit*>(QStringLiteral("txtCritere")), Qt::Key_Escape);
        QCOMPARE(fin.count(), 1);
        QVERIFY(fen->rechercheLibre());
        const int trouves = modele()->rowCount();
        QVERIFY(trouves < 12000);
        QTest::qWait(300);
        QCOMPARE(modele()->rowCount(), trouves);
        QCOMPARE(ligneCompte(), QStringLiteral("%1 fichiers trouvés").arg(trouves));
        QCOMPARE(fin.count(), 1);
    }

    void fermerPendantUneRecherche()
    {
        grandArbre();
        ouvrir();
        demarrerProfond();
        QPointer<FenRechercher> fenetre = fen.release();
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
        fenetre->close();
        QTRY_VERIFY(fenetre.isNull());  // the search thread was joined on the way
    }

    void echapSansRechercheNeFaitRien()
    {
        env->creerFichier(QStringLiteral("a.txt"));
        ouvrir();
        chercher();
        QSignalSpy fin(fen.get(), &FenRechercher::rechercheTerminee);
        QTest::keyClick(fen.get(), Qt::Key_Escape);
        QCOMPARE(fin.count(), 0);
        QCOMPARE(modele()->rowCount(), 1);
        QCOMPARE(ligneCompte(), QStringLiteral("1 fichier trouvé"));
        QVERIFY(fen->rechercheLibre());
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
        QVERIFY(premiere->sousDossiersInclus());
        premiere->findChild<TavBttn*>(QStringLiteral("CmdFermer"))->click();
        QTRY_VERIFY(premiere.isNull());

        FenRechercher* seconde = outils.ouvrirRecherche();
        QVERIFY(!seconde->sousDossiersInclus());
        QVERIFY(seconde->setDossier(QFile::encodeName(env->dossier.path()).toStdString()));
        QSignalSpy fin(seconde, &FenRechercher::rechercheTerminee);
        seconde->basculerRecherche();
        QVERIFY(fin.wait(20000));
        QCOMPARE(seconde->resultats()->rowCount(), 1);
        delete seconde;
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
        env->creerFichier(QStringLiteral("a.txt"), QByteArray(100, 'x'));
        env->creerFichier(QStringLiteral("b.txt"), QByteArray(9, 'x'));
        env->creerFichier(QStringLiteral("c.txt"), QByteArray(20, 'x'));
        dater(QStringLiteral("a.txt"), QDateTime(QDate(2023, 12, 31), QTime(23, 10)));
        dater(QStringLiteral("b.txt"), QDateTime(QDate(2023, 2, 10), QTime(9, 30)));
        dater(QStringLiteral("c.txt"), QDateTime(QDate(2024, 1, 5), QTime(8, 0)));
        ouvrir();
        chercher();
        cliquerEntete(entete);
        QCOMPARE(colonne(ModeleResultats::Nom), croissant);
        cliquerEntete(entete);
        QStringList decroissant(croissant.rbegin(), croissant.rend());
        QCOMPARE(colonne(ModeleResultats::Nom), decroissant);
        chercher();  // a new search keeps the sort
        QCOMPARE(colonne(ModeleResultats::Nom), decroissant);
        cliquerEntete(ModeleResultats::Nom);  // another column flips again
        QCOMPARE(colonne(ModeleResultats::Nom), (QStringList{"a.txt", "b.txt", "c.txt"}));
    }

    void triNaturelDesNomsEtDesLongueurs()
    {
        const QString long100 = QString(96, QLatin1Char('n')) + QStringLiteral(".txt");
        for (const char* nom : {"f10.txt", "F9.txt", "f100.txt", "e.txt"})
            env->creerFichier(QString::fromLatin1(nom));
        env->creerFichier(long100);
        ouvrir();
        chercher();
        cliquerEntete(ModeleResultats::Nom);
        QCOMPARE(colonne(), (QStringList{"e.txt", "F9.txt", "f10.txt", "f100.txt", long100}));
        cliquerEntete(ModeleResultats::LongNom);  // descending: 100, 8, 7, 6, 5
        QCOMPARE(colonne(ModeleResultats::LongNom), (QStringList{"100", "08", "07", "06", "05"}));
    }

    void colonneLgN_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("5") << QStringLiteral("a.txt") << QStringLiteral("05");
        QTest::newRow("accents") << QStringLiteral("été.txt") << QStringLiteral("07");
        QTest::newRow("12") << QStringLiteral("abcdefgh.txt") << QStringLiteral("12");
    }
    void colonneLgN()
    {
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        env->creerFichier(nom);
        ouvrir();
        chercher();
        QCOMPARE(colonne(), QStringList{nom});
        QCOMPARE(colonne(ModeleResultats::LongNom), QStringList{attendu});
    }

    void iconesPartagees()
    {
        creerIcone(QStringLiteral("a.ico"), Qt::red);
        creerIcone(QStringLiteral("b.ico"), Qt::red);
        creerIcone(QStringLiteral("c.ico"), Qt::blue);
        for (int i = 0; i < 50; ++i)
            env->creerFichier(QStringLiteral("t%1.txt").arg(i));
        ouvrir(QStringLiteral("*.*"));
        chercher();
        QHash<QString, QIcon> icones;
        for (int r = 0; r < modele()->rowCount(); ++r)
            icones.insert(colonne().at(r), modele()->index(r, 0).data(Qt::DecorationRole).value<QIcon>());
        QCOMPARE(icones.size(), 53);
        const QIcon rouge = icones.value(QStringLiteral("a.ico"));
        QCOMPARE(rouge.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(icones.value(QStringLiteral("b.ico")).cacheKey(), rouge.cacheKey());
        QVERIFY(icones.value(QStringLiteral("c.ico")).cacheKey() != rouge.cacheKey());
        const qint64 texte = icones.value(QStringLiteral("t0.txt")).cacheKey();
        for (int i = 1; i < 50; ++i)
            QCOMPARE(icones.value(QStringLiteral("t%1.txt").arg(i)).cacheKey(), texte);
        QVERIFY(modele()->nombreIcones() <= 4);  // default, red, blue, and maybe the text type's
    }

    void boucleDeLiens()
    {
        env->creerFichier(QStringLiteral("x.txt"));
        env->creerFichier(QStringLiteral("sous/y.txt"));
        QVERIFY(QFile::link(env->dossier.path(), env->chemin(QStringLiteral("sous/boucle"))));
        ouvrir();
        bouton("CmdRechercherDansSousRepertoires")->click();
        chercher();
        QCOMPARE(ligneCompte(), QStringLiteral("2 fichiers trouvés"));
    }

    void nomQuiNEstPasUtf8()
    {
        const std::string chemin = QFile::encodeName(env->dossier.path()).toStdString() + "/caf\xE9.txt";
        std::ofstream(chemin) << "x";
        // QTemporaryDir cannot remove a name that is not valid UTF-8.
        const auto menage = qScopeGuard([&chemin] { std::remove(chemin.c_str()); });
        ouvrir();
        chercher();
        QCOMPARE(colonne(), QStringList{QStringLiteral("caf\uFFFD.txt")});
        QCOMPARE(modele()->ligne(0).key, chemin);
        QVERIFY(urlFichier(chemin).toEncoded().endsWith("/caf%E9.txt"));
        QVERIFY(urlFichier(chemin).isLocalFile());
    }

    void renommerDansLeDossierDeRecherche()
    {
        ouvrir();
        bouton("CmdLgN")->click();
        QCOMPARE(env->dialogues.demandesFichier.size(), 1);
        QCOMPARE(env->dialogues.demandesFichier[0].dossier, env->dossier.path());
        QTest::mouseClick(bouton("CmdLgN"), Qt::RightButton);
        QCOMPARE(fen->findChild<QLineEdit*>(QStringLiteral("txtCritere"))->text(), QStringLiteral("*.*"));
    }
};

QTEST_MAIN(TstRecherche)
#include "tst_recherche.moc"
