// Huge inputs in the windows: a folder of many files in the file list and
// the file search, 200 MB text files in the text search and the editor. The
// windows stay usable: the list fills, selecting all works, the search
// completes and can be stopped, the huge files are refused with a message.
//
// The folder holds 20,000 files in the test runs: creating 200,000 takes
// most of a minute on some file systems, far longer than the checks. For
// the full size, as a benchmark:
//   ORDALIS_FICHIERS_ROBUSTESSE=200000 build/bin/tst_robustesse
#include "app/fenprin.h"
#include "fileops/navigateur.h"
#include "search/fenrechercher.h"
#include "search/modeleresultats.h"
#include "support/banc.h"
#include "texttools/fenedittext.h"
#include "texttools/fenrecherchetxt.h"
#include "texttools/zonetexte.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

int nombreDeFichiers()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ORDALIS_FICHIERS_ROBUSTESSE", &ok);
    return ok && n > 0 ? n : 20000;
}

// Empty files f000000.txt ... in `dossier`, with plain system calls: Qt's
// file objects would take longer than the checks themselves.
void creerFichiers(const QString& dossier, int nombre)
{
    const QByteArray base = QFile::encodeName(dossier);
    char nom[32];
    for (int i = 0; i < nombre; ++i) {
        std::snprintf(nom, sizeof nom, "/f%06d.txt", i);
        const int fd = ::open((base + nom).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
}

// A file of `taille` bytes that takes no room on the disk.
QString fichierCreux(const Environnement& env, const QString& nom, qint64 taille)
{
    QFile f(env.chemin(nom));
    if (!f.open(QIODevice::WriteOnly) || !f.resize(taille))
        return {};
    return f.fileName();
}

}  // namespace

class TstRobustesse : public QObject {
    Q_OBJECT

    // The big folder, made once for the list and the search.
    QTemporaryDir grand;
    const int kFichiers = nombreDeFichiers();

private Q_SLOTS:
    void initTestCase()
    {
        preparerTests();
        QVERIFY(grand.isValid());
        QElapsedTimer duree;
        duree.start();
        creerFichiers(grand.path(), kFichiers);
        qInfo("%d fichiers créés en %lld ms", kFichiers, duree.elapsed());
    }

    void grandDossierDansLaListe()
    {
        BancFenPrin banc;
        QElapsedTimer duree;
        duree.start();
        banc.ouvrirSansDossier();
        QVERIFY(banc.fen->navigateur()->setDossier(grand.path()));
        QTRY_COMPARE_WITH_TIMEOUT(banc.fichiers()->model()->rowCount(), kFichiers, 30000);
        const qint64 remplissage = duree.restart();
        banc.cliquer(0);
        QTest::keyClick(banc.fichiers(), Qt::Key_A, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(banc.fichiers()->selectionModel()->selectedIndexes().size(), kFichiers, 30000);
        const qint64 selection = duree.restart();
        banc.fen.reset();
        const qint64 fermeture = duree.elapsed();
        qInfo("liste remplie en %lld ms, tout choisi en %lld ms, fenêtre fermée en %lld ms", remplissage, selection,
              fermeture);
        QVERIFY2(selection < 5000, "selecting all the files held the window");
        QVERIFY2(fermeture < 5000, "closing the window with every file chosen took too long");
    }

    void grandDossierDansLaRecherche()
    {
        Environnement env;
        FenRechercher fen(*env.general);
        fen.show();
        QVERIFY(fen.setDossier(QFile::encodeName(grand.path()).toStdString()));
        fen.findChild<QLineEdit*>(QStringLiteral("txtCritere"))->setText(QStringLiteral("*"));
        auto* rechercher = fen.findChild<TavBttn*>(QStringLiteral("btnRechercher"));

        // Stopped at once: it ends, and nothing is added afterwards.
        QSignalSpy fin(&fen, &FenRechercher::rechercheTerminee);
        rechercher->click();
        QTest::qWait(20);
        QTest::keyClick(fen.findChild<QLineEdit*>(QStringLiteral("txtCritere")), Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(fin.count(), 1, 5000);
        QVERIFY(fen.rechercheLibre());
        const int arretes = fen.resultats()->rowCount();
        QTest::qWait(200);
        QCOMPARE(fen.resultats()->rowCount(), arretes);

        // Then in full: every file is found.
        QElapsedTimer duree;
        duree.start();
        rechercher->click();
        QTRY_COMPARE_WITH_TIMEOUT(fin.count(), 2, 60000);
        qInfo("recherche de * en %lld ms", duree.elapsed());
        QCOMPARE(fen.resultats()->rowCount(), kFichiers);
        QCOMPARE(fen.findChild<TavPanel*>(QStringLiteral("Forme3"))->caption(),
                 QStringLiteral("%1 fichiers trouvés").arg(kFichiers));
    }

    void texteDeDeuxCentsMoDansLaRechercheDeTexte()
    {
        Environnement env;
        FenRechercheTxt fen(*env.general);
        fen.show();
        const QString gros = fichierCreux(env, QStringLiteral("gros.txt"), 200LL * 1024 * 1024);
        QVERIFY(!gros.isEmpty());
        QSignalSpy fin(&fen, &FenRechercheTxt::chargementTermine);
        env.dialogues.fichiers.push_back(gros);
        QElapsedTimer duree;
        duree.start();
        fen.findChild<TavBttn*>(QStringLiteral("CmdFichier"))->click();
        QVERIFY(fin.count() == 1 || fin.wait(5000));
        QVERIFY(duree.elapsed() < 2000);
        QCOMPARE(env.dialogues.messages.size(), 1);
        QVERIFY2(env.dialogues.messages[0].texte.contains(QStringLiteral("200 Mo")),
                 qPrintable(env.dialogues.messages[0].texte));
    }

    void texteDeDeuxCentsMoDansLEditeur()
    {
        Environnement env;
        FenEditText fen(*env.general);
        fen.show();
        auto* zone = fen.findChild<ZoneTexte*>(QStringLiteral("txtEdit"));
        zone->setTexteExact(QStringLiteral("texte en cours"));
        const QString gros = fichierCreux(env, QStringLiteral("gros.txt"), 200LL * 1024 * 1024);
        QVERIFY(!gros.isEmpty());
        env.dialogues.fichiers.push_back(gros);
        QElapsedTimer duree;
        duree.start();
        fen.findChild<TavBttn*>(QStringLiteral("CmdOuvrir"))->click();
        QVERIFY(duree.elapsed() < 2000);
        QCOMPARE(env.dialogues.messages.size(), 1);
        QVERIFY2(env.dialogues.messages[0].texte.contains(QStringLiteral("200 Mo")),
                 qPrintable(env.dialogues.messages[0].texte));
        QCOMPARE(zone->toPlainText(), QStringLiteral("texte en cours"));
        // A save now goes to a new file, not over the file refused.
        QVERIFY(!fen.windowTitle().contains(QStringLiteral("gros.txt")));
        QCOMPARE(QFileInfo(gros).size(), 200LL * 1024 * 1024);
    }

    // Just below the limit the editor still opens the file.
    void texteSousLaLimiteOuvert()
    {
        Environnement env;
        FenEditText fen(*env.general);
        fen.show();
        const int lignes = qEnvironmentVariableIntValue("ORDALIS_LIGNES_EDITEUR") > 0
                               ? qEnvironmentVariableIntValue("ORDALIS_LIGNES_EDITEUR")
                               : 16 * 1024;  // 1 MB
        QByteArray texte;
        for (int i = 0; i < lignes; ++i)
            texte += QByteArray(63, 'a') + '\n';
        env.creerFichier(QStringLiteral("moyen.txt"), texte);
        env.dialogues.fichiers.push_back(env.chemin(QStringLiteral("moyen.txt")));
        QElapsedTimer duree;
        duree.start();
        fen.findChild<TavBttn*>(QStringLiteral("CmdOuvrir"))->click();
        qInfo("%lld octets ouverts en %lld ms", qint64(texte.size()), duree.elapsed());
        QVERIFY(env.dialogues.messages.isEmpty());
        QCOMPARE(fen.findChild<ZoneTexte*>(QStringLiteral("txtEdit"))->toPlainText().size(), texte.size());
    }
};

QTEST_MAIN(TstRobustesse)
#include "tst_robustesse.moc"
