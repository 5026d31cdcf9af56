// The file commands of the main window: rename panel, extension change,
// date and time, attributes, whole-folder walk and properties panel.
#include "app/fenprin.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "core/platform/platform.h"
#include "fileops/navigateur.h"
#include "support/banc.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QtTest>

namespace p = ordalis::platform;

class TstFichiers : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<BancFenPrin> banc;
    Environnement* env = nullptr;
    FenPrin* fen = nullptr;

    TavBttn* bouton(const char* nom) { return banc->bouton(nom); }
    QLineEdit* champ(const char* nom) { return banc->champ(nom); }
    void ouvrir(const QStringList& fichiers)
    {
        banc->ouvrir(fichiers);
        fen = banc->fen.get();
    }
    void choisir(const QStringList& noms) { banc->choisir(noms); }
    QStringList contenu() { return banc->contenu(); }
    std::uint32_t attributs(const QString& nom)
    {
        std::uint32_t a = 0;
        p::getAttributes(env->chemin(nom).toStdString(), a);
        return a;
    }
    p::FileTimes temps(const QString& nom)
    {
        p::FileTimes t;
        p::getFileTimes(env->chemin(nom).toStdString(), t);
        return t;
    }

private Q_SLOTS:
    void initTestCase() { preparerTests(); }
    void init()
    {
        banc = std::make_unique<BancFenPrin>();
        env = banc->env.get();
    }
    void cleanup() { banc.reset(); }

    void panneauRenommerBascule()
    {
        ouvrir({QStringLiteral("a.txt")});
        bouton("CmdRename")->click();
        auto* panneau = fen->findChild<TavPanel*>(QStringLiteral("AutoRename"));
        QVERIFY(panneau->isVisible());
        for (const char* n : {"CmdDateHeure", "CmdToutDateHeure", "CmdAttributs", "CmdToutAttributs"})
            QVERIFY2(!bouton(n)->isEnabled(), n);
        champ("txtExtension")->setText(QStringLiteral("doc"));
        bouton("CmdRename")->click();
        QVERIFY(!panneau->isVisible());
        QCOMPARE(fen->navigateur()->motif(), QStringLiteral("*.*"));
        QVERIFY(bouton("CmdToutDateHeure")->isEnabled());
        QVERIFY(!bouton("CmdDateHeure")->isEnabled());
    }

    void largeurDuNumeroCycle()
    {
        ouvrir({});
        const QStringList attendu = {QStringLiteral("0001"), QStringLiteral("01"), QStringLiteral("001")};
        for (const QString& a : attendu) {
            bouton("CmdNumFich")->click();
            QCOMPARE(bouton("CmdNumFich")->caption(), a);
            QCOMPARE(champ("txtIncrement")->text(), a);
        }
    }

    void renommerLesFichiersChoisis()
    {
        ouvrir({QStringLiteral("a.JPG"), QStringLiteral("b.txt"), QStringLiteral("c.Gif")});
        bouton("CmdRename")->click();
        champ("txtRename")->setText(QStringLiteral("Vac"));
        choisir({QStringLiteral("b.txt"), QStringLiteral("c.Gif")});
        bouton("CmdRenommer")->click();
        QCOMPARE(contenu(), (QStringList{"Vac002.txt", "Vac003.gif", "a.JPG"}));
        QCOMPARE(banc->lignes().size(), 3);
        QVERIFY(!banc->fichiers()->selectionModel()->hasSelection());
        QVERIFY(fen->progression()->isHidden());
    }

    void changerExtensionEtNouveauMotif()
    {
        ouvrir({"a.txt", "b.txt", "a.doc", "c.gif"});
        bouton("CmdRename")->click();
        champ("txtExtension")->setText(QStringLiteral("txt"));
        champ("txtNouvExtension")->setText(QStringLiteral("***"));
        bouton("CmdToutNExtension")->click();  // refused names: nothing changes
        QCOMPARE(contenu().size(), 4);
        QCOMPARE(fen->navigateur()->motif(), QStringLiteral("*.***"));
        QTest::mouseClick(champ("txtExtension"), Qt::LeftButton);  // a click sets the filter again
        QCOMPARE(fen->navigateur()->motif(), QStringLiteral("*.txt"));
        champ("txtNouvExtension")->setText(QStringLiteral("doc"));
        bouton("CmdToutNExtension")->click();
        QCOMPARE(contenu(), (QStringList{"a.doc", "a.txt", "b.doc", "c.gif"}));
        QFile existant(env->chemin(QStringLiteral("a.doc")));
        QVERIFY(existant.open(QIODevice::ReadOnly));
        QCOMPARE(existant.readAll(), QByteArray("a.doc"));  // never overwritten
        QCOMPARE(fen->navigateur()->motif(), QStringLiteral("*.doc"));
        QCOMPARE(banc->lignes().size(), 2);
    }

    void datesDesFichiersChoisis()
    {
        ouvrir({"a.txt", "b.txt", "lecture.txt"});
        QVERIFY(p::setAttributes(env->chemin(QStringLiteral("lecture.txt")).toStdString(), 1) == std::error_code());
        const auto avantLecture = temps(QStringLiteral("lecture.txt"));
        const auto avantA = temps(QStringLiteral("a.txt"));
        champ("txtDateCreation")->setText(QStringLiteral("14/08/01"));
        champ("txtHeureCreation")->setText(QStringLiteral("05:12:24"));
        champ("txtDateEcriture")->setText(QStringLiteral("quatorze"));
        choisir({"a.txt", "b.txt", "lecture.txt"});
        bouton("CmdDateHeure")->click();
        QCOMPARE(env->dialogues.messages.size(), 1);  // once per command, not per file
        for (const char* n : {"a.txt", "b.txt"})
            QCOMPARE(temps(QString::fromLatin1(n)).creation, 126422323440000000ull);  // 03:12:24 UTC
        QCOMPARE(temps(QStringLiteral("a.txt")).write, avantA.write);
        QCOMPARE(temps(QStringLiteral("lecture.txt")).creation, avantLecture.creation);
        QCOMPARE(env->sons, QList<int>{19});
        QCOMPARE(env->general->FichierCourant, banc->natif(QStringLiteral("lecture.txt")));
    }

    void memeDateEtHeurePartout()
    {
        ouvrir({});
        champ("txtDateCreation")->setText(QStringLiteral("01/01/00"));
        champ("txtHeureCreation")->setText(QStringLiteral("00:00:00"));
        bouton("CmdPareil")->click();
        QCOMPARE(champ("txtDateEcriture")->text(), QStringLiteral("01/01/00"));
        QCOMPARE(champ("txtHeureEcriture")->text(), QStringLiteral("00:00:00"));
    }

    void attributsDesCasesEtEtiquettes()
    {
        ouvrir({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
        choisir({QStringLiteral("a.txt")});
        bouton("CmdAttributs")->click();
        QCOMPARE(attributs(QStringLiteral("a.txt")), 6u);
        QCOMPARE(attributs(QStringLiteral("b.txt")), 32u);
        QTest::mouseClick(bouton("LblA"), Qt::LeftButton);
        QVERIFY(fen->findChild<QCheckBox*>(QStringLiteral("CheckArchive"))->isChecked());
        bouton("CmdAttributs")->click();
        QCOMPARE(attributs(QStringLiteral("a.txt")), 38u);
        for (const char* c : {"CheckCache", "CheckSysteme", "CheckArchive"})
            fen->findChild<QCheckBox*>(QString::fromLatin1(c))->setChecked(false);
        bouton("CmdAttributs")->click();
        QCOMPARE(attributs(QStringLiteral("a.txt")), 0u);
    }

    void toutLeDossierEtSesSousDossiers()
    {
        ouvrir({"a.txt", "b.doc", "S/c.txt", ".cache/d", ".e"});
        QVERIFY(fen->navigateur()->setDossier(env->dossier.path()));
        champ("txtExtension")->setText(QStringLiteral("txt"));  // the filter does not limit the walk
        fen->findChild<QCheckBox*>(QStringLiteral("CheckCache"))->setChecked(false);
        fen->findChild<QCheckBox*>(QStringLiteral("CheckSysteme"))->setChecked(false);
        fen->findChild<QCheckBox*>(QStringLiteral("CheckArchive"))->setChecked(true);
        bouton("CmdToutAttributs")->click();
        QVERIFY(!bouton("CmdToutDateHeure")->isEnabled());  // no nested walk
        QTRY_COMPARE(env->sons, QList<int>{19});
        QVERIFY(bouton("CmdToutDateHeure")->isEnabled());
        QCOMPARE(fen->navigateur()->list1()->count(), 3);  // counted: hidden entries left out
        QCOMPARE(attributs(QStringLiteral("a.txt")), 32u);
        QCOMPARE(attributs(QStringLiteral("S/c.txt")), 32u);
        QCOMPARE(attributs(QStringLiteral(".cache/d")), 32u);  // reached by the walk
        QCOMPARE(attributs(QStringLiteral(".e")), 34u);       // a dot name stays hidden
        QVERIFY(fen->progression()->isHidden());
    }

    void datesDeToutLeDossier()
    {
        const QStringList fichiers{"a.txt", "S/b.txt", "S/T/c.txt", ".cache/d"};
        ouvrir(fichiers + QStringList{QStringLiteral("S/lecture.txt")});
        QVERIFY(p::setAttributes(env->chemin(QStringLiteral("S/lecture.txt")).toStdString(), 1) == std::error_code());
        const auto avantLecture = temps(QStringLiteral("S/lecture.txt"));
        const auto avantA = temps(QStringLiteral("a.txt"));
        champ("txtDateCreation")->setText(QStringLiteral("trente"));
        champ("txtDateEcriture")->setText(QStringLiteral("14/08/01"));
        champ("txtHeureEcriture")->setText(QStringLiteral("05:12:24"));
        bouton("CmdToutDateHeure")->click();
        QVERIFY(!bouton("CmdToutAttributs")->isEnabled());
        QTRY_COMPARE(env->sons, QList<int>{19});
        QVERIFY(bouton("CmdToutAttributs")->isEnabled());
        QCOMPARE(env->dialogues.messages.size(), 1);  // once for the whole tree
        for (const QString& f : fichiers)
            QCOMPARE(temps(f).write, 126422323440000000ull);  // 03:12:24 UTC
        QCOMPARE(temps(QStringLiteral("a.txt")).creation, avantA.creation);
        QCOMPARE(temps(QStringLiteral("S/lecture.txt")).write, avantLecture.write);
    }

    void proprietesDuFichier()
    {
        ouvrir({});
        env->creerFichier(QStringLiteral("gros.bin"), QByteArray(1025, 'x'));
        fen->navigateur()->rafraichir();
        QTest::mouseClick(bouton("CmdProprietes"), Qt::LeftButton);  // nothing before a click in the list
        QVERIFY(fen->findChild<TavPanel*>(QStringLiteral("LblPropDate"))->isHidden());
        choisir({QStringLiteral("gros.bin")});
        // The keyboard opens it as the pointer does (Space on the focused button).
        bouton("CmdProprietes")->setFocus();
        QTest::keyClick(bouton("CmdProprietes"), Qt::Key_Space);
        auto* panneau = fen->findChild<TavPanel*>(QStringLiteral("LblPropDate"));
        QVERIFY(panneau->isVisible());
        QCOMPARE(panneau->caption(), QDir::toNativeSeparators(env->dossier.path()));
        QCOMPARE(fen->findChild<QLabel*>(QStringLiteral("LblTaille"))->text(), QStringLiteral("Taille : 1025 octets ou 2 Ko"));
        QCOMPARE(fen->findChild<QLabel*>(QStringLiteral("LblNomFic"))->text(), QStringLiteral("Nom du fichier : gros.bin"));
        QCOMPARE(fen->findChild<QLabel*>(QStringLiteral("LblAttributs"))->text(), QStringLiteral("Attributs : Archive"));
        bouton("CmdOK")->click();
        QVERIFY(panneau->isHidden());
    }
};

QTEST_MAIN(TstFichiers)
#include "tst_fichiers.moc"
