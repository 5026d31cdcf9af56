// The browser and the whole-folder commands under conditions a user meets:
// closing in the middle of a command, any locale, names that are not UTF-8,
// folders holding only what the list does not show.
#include "app/fenprin.h"
#include "core/platform/platform.h"
#include "fileops/navigateur.h"
#include "support/banc.h"
#include "ui/tavbttn.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace p = ordalis::platform;

class TstNavigateur : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BancFenPrin> banc;

    // A tree of `dossiers` folders of `parDossier` files each.
    void creerArbre(int dossiers, int parDossier)
    {
        for (int d = 0; d < dossiers; ++d) {
            const QString sous = banc->env->chemin(QStringLiteral("d%1").arg(d));
            QDir().mkpath(sous);
            for (int f = 0; f < parDossier; ++f)
                QFile(sous + QStringLiteral("/f%1.txt").arg(f)).open(QIODevice::WriteOnly);
        }
    }
    // Every file of the tree has one of the two attribute sets.
    void verifierAttributs(std::uint32_t avant, std::uint32_t apres)
    {
        QDirIterator it(banc->env->dossier.path(), QDir::Files, QDirIterator::Subdirectories);
        int vus = 0;
        while (it.hasNext()) {
            std::uint32_t a = 0;
            QVERIFY(!p::getAttributes(it.next().toStdString(), a));
            QVERIFY2(a == avant || a == apres, qPrintable(QString::number(a)));
            ++vus;
        }
        QVERIFY(vus > 0);
    }
    // Starts "attributes of the whole folder" (hidden alone), then
    // closes the window once `attendre` says so.
    void fermerPendant(const std::function<bool()>& attendre)
    {
        creerArbre(400, 25);
        banc->ouvrir();
        banc->fen->findChild<QCheckBox*>(QStringLiteral("CheckSysteme"))->setChecked(false);
        banc->bouton("CmdToutAttributs")->click();
        QTRY_VERIFY_WITH_TIMEOUT(attendre(), 20000);
        QElapsedTimer chrono;
        chrono.start();
        banc->fen->close();
        QVERIFY2(chrono.elapsed() < 1000, qPrintable(QString::number(chrono.elapsed())));
        banc->fen.reset();  // nothing refers to the window's controls any more
        verifierAttributs(32, 2);  // archive before, hidden alone after
        QVERIFY(banc->env->sons.isEmpty());  // a stopped command plays no sound
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init() { banc = std::make_unique<BancFenPrin>(); }
    void cleanup() { banc.reset(); }

    void fermerPendantLeComptage()
    {
        fermerPendant([] { return true; });
    }

    void fermerPendantLaMarche()
    {
        // The walk shows the input message at its first file; the window is
        // closed while the message is up, in the middle of the walk's step.
        creerArbre(400, 25);
        banc->ouvrir();
        banc->champ("txtDateCreation")->setText(QStringLiteral("trente"));
        banc->champ("txtDateEcriture")->setText(QStringLiteral("14/08/01"));
        banc->champ("txtHeureEcriture")->setText(QStringLiteral("05:12:24"));
        qint64 duree = -1;
        banc->env->dialogues.pendantMessage = [this, &duree](const Message&) {
            QElapsedTimer chrono;
            chrono.start();
            banc->fen->close();
            duree = chrono.elapsed();
        };
        banc->bouton("CmdToutDateHeure")->click();
        QTRY_VERIFY_WITH_TIMEOUT(duree >= 0, 20000);
        QVERIFY2(duree < 1000, qPrintable(QString::number(duree)));
        QTest::qWait(50);  // the step that showed the message ends
        banc->fen.reset();
        QDirIterator it(banc->env->dossier.path(), QDir::Files, QDirIterator::Subdirectories);
        int changes = 0;
        while (it.hasNext()) {
            p::FileTimes t;
            QVERIFY(!p::getFileTimes(it.next().toStdString(), t));
            changes += t.write == 126422323440000000ull;  // 03:12:24 UTC
        }
        QVERIFY2(changes < 10000, qPrintable(QString::number(changes)));  // stopped before the end
        QVERIFY(banc->env->sons.isEmpty());
    }

    void ordreNaturelQuelleQueSoitLaLangue_data()
    {
        QTest::addColumn<QLocale>("langue");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("français") << QLocale(QLocale::French, QLocale::France);
    }
    void ordreNaturelQuelleQueSoitLaLangue()
    {
        QFETCH(QLocale, langue);
        QLocale::setDefault(langue);
        for (const char* d : {"dossier_10", "Dossier_9"})
            QDir(banc->env->dossier.path()).mkdir(QString::fromLatin1(d));
        banc->ouvrir({QStringLiteral("fichier_10"), QStringLiteral("Fichier_100"), QStringLiteral("fichier_9"),
                      QStringLiteral("fichier_1")});
        QLocale::setDefault(QLocale::system());
        QCOMPARE(banc->lignes(), (QStringList{QStringLiteral("fichier_1"), QStringLiteral("fichier_9"),
                                              QStringLiteral("fichier_10"), QStringLiteral("Fichier_100")}));
        QListWidget* dossiers = banc->fen->navigateur()->repertoire();
        QCOMPARE(dossiers->item(dossiers->count() - 2)->text(), QStringLiteral("Dossier_9"));
        QCOMPARE(dossiers->item(dossiers->count() - 1)->text(), QStringLiteral("dossier_10"));
    }

    void nomQuiNEstPasDeLUtf8()
    {
        const std::string brut = banc->env->dossier.path().toStdString() + "/caf\xe9.txt";
        const int fd = ::open(brut.c_str(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        // Qt cannot name this file, so it could not remove it with the folder.
        const auto nettoyage = qScopeGuard([brut] { ::unlink(brut.c_str()); });
        QCOMPARE(::write(fd, "contenu", 7), ssize_t(7));
        ::close(fd);
        banc->ouvrir();
        const QString affiche = QStringLiteral("caf\uFFFD.txt");
        QCOMPARE(banc->lignes(), QStringList{affiche});

        banc->champ("txtDateEcriture")->setText(QStringLiteral("14/08/2001"));
        banc->champ("txtHeureEcriture")->setText(QStringLiteral("05:12:24"));
        banc->choisir({affiche});
        banc->bouton("CmdDateHeure")->click();
        p::FileTimes t;
        QVERIFY(!p::getFileTimes(brut, t));
        QCOMPARE(t.write, 126422323440000000ull);  // the real file was stamped

        banc->bouton("CmdRename")->click();
        banc->champ("txtRename")->setText(QStringLiteral("Vac"));
        banc->choisir({affiche});
        banc->bouton("CmdRenommer")->click();
        QCOMPARE(banc->contenu(), QStringList{QStringLiteral("Vac001.txt")});
        QFile renomme(banc->env->chemin(QStringLiteral("Vac001.txt")));
        QVERIFY(renomme.open(QIODevice::ReadOnly));
        QCOMPARE(renomme.readAll(), QByteArray("contenu"));
    }

    void dossierSansRienQueLaListeMontre()
    {
        const QString dossier = banc->env->dossier.path();
        QVERIFY(::mkfifo((dossier + QStringLiteral("/tube")).toLocal8Bit().constData(), 0600) == 0);
        QDir().mkdir(dossier + QStringLiteral("/sous"));
        QVERIFY(QFile::link(dossier + QStringLiteral("/sous"), dossier + QStringLiteral("/lien")));
        banc->ouvrir();
        QVERIFY(banc->lignes().isEmpty());
        QVERIFY(!banc->bouton("CmdRename")->isEnabled());
        banc->env->creerFichier(QStringLiteral("a.txt"));
        QVERIFY(banc->fen->navigateur()->setDossier(dossier));
        QVERIFY(banc->bouton("CmdRename")->isEnabled());
    }
};

QTEST_MAIN(TstNavigateur)
#include "tst_navigateur.moc"
