// What the windows do on Windows alone: the rename journal in the local
// application data folder, the read-only attribute refusing a save, the
// settings in the registry, drive letters in the volume list, and the
// system's own find window behind the right button of the search command.
#include "app/annulation.h"
#include "app/fenprin.h"
#include "core/attributes.h"
#include "core/platform/platform.h"
#include "support/banc.h"
#include "texttools/fenedittext.h"
#include "texttools/zonetexte.h"
#include "ui/bureau.h"
#include "ui/reglages.h"
#include "ui/tavbttn.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QSettings>
#include <QtTest>

#include <shlobj.h>
#include <windows.h>

namespace {

QString donneesLocales()
{
    PWSTR dossier = nullptr;
    QString out;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &dossier)))
        out = QString::fromWCharArray(dossier);
    ::CoTaskMemFree(dossier);
    return out;
}

}  // namespace

class TstWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { preparerProgrammeDeTest(); }

    // A rename writes its journal under the local application data folder; Ctrl+Z offers it.
    void journalDansLesDonneesLocales()
    {
        if (!sousWine())
            QSKIP("writes the user's own rename journal: run under Wine only");
        const QString journal = QString::fromStdString(cheminJournalRenommage());
        QCOMPARE(journal, donneesLocales() + QStringLiteral("\\Ordalis\\dernier-renommage.journal"));
        QFile::remove(journal);
        BancFenPrin banc;
        banc.ouvrir({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
        banc.bouton("CmdRename")->click();
        banc.champ("txtRename")->setText(QStringLiteral("Vac"));
        banc.bouton("CmdToutRenommer")->click();
        QCOMPARE(banc.contenu(), (QStringList{QStringLiteral("Vac001.txt"), QStringLiteral("Vac002.txt")}));
        QVERIFY(QFile::exists(journal));
        banc.env->dialogues.reponses = {Reponse::Oui};
        QTest::keyClick(banc.fichiers(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(banc.contenu(), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    }

    // The editor refuses to save over a file with the read-only attribute, and says why.
    void lectureSeuleRefuseLEnregistrement()
    {
        Environnement env;
        env.creerFichier(QStringLiteral("protege.txt"), "gardé\r\n");
        const std::string chemin = QDir::toNativeSeparators(env.chemin(QStringLiteral("protege.txt"))).toStdString();
        QVERIFY(!ordalis::platform::setAttributes(chemin, ordalis::kReadOnly));
        FenEditText fen(*env.general);
        fen.show();
        fen.findChild<ZoneTexte*>(QStringLiteral("txtEdit"))->setTexteExact(QStringLiteral("nouveau"));
        env.dialogues.reponses = {Reponse::Oui};
        env.dialogues.fichiers.push_back(env.chemin(QStringLiteral("protege.txt")));
        fen.findChild<TavBttn*>(QStringLiteral("CmdEnregSous"))->click();
        QCOMPARE(env.dialogues.messages.size(), 2);  // overwrite? then the refusal
        QVERIFY2(env.dialogues.messages[1].texte.contains(QStringLiteral("il a l'attribut Lecture seule")),
                 qPrintable(env.dialogues.messages[1].texte));
        QCOMPARE(env.lire(QStringLiteral("protege.txt")), QByteArray("gardé\r\n"));
        ordalis::platform::setAttributes(chemin, 0);
    }

    // The settings are kept in the current user's registry, where the earlier versions kept them.
    void reglagesDansLeRegistre()
    {
        if (!sousWine())
            QSKIP("writes the user's own registry: run under Wine only");
        ReglagesQt reglages;
        reglages.ecrire(QStringLiteral("Couleurs"), QStringLiteral("Essai"), QStringLiteral("16777215"));
        QSettings registre(QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Ordalis..."),
                           QSettings::NativeFormat);
        QCOMPARE(registre.value(QStringLiteral("Couleurs/Essai")).toString(), QStringLiteral("16777215"));
        QVERIFY(reglages.supprimerTout());
        registre.sync();
        QVERIFY(!registre.contains(QStringLiteral("Couleurs/Essai")));
    }

    // The volume list offers drive letters, C: among them, as the main window's drive list shows them.
    void lettresDeLecteurs()
    {
        QStringList racines;
        for (const Volume& v : volumesUtilisateur())
            racines << v.racine;
        QVERIFY2(racines.contains(QStringLiteral("C:\\")), qPrintable(racines.join(u' ')));
        BancFenPrin banc;
        banc.ouvrir();
        auto* lecteurs = banc.fen->findChild<QComboBox*>(QStringLiteral("Lecteur"));
        QStringList vus;
        for (int i = 0; i < lecteurs->count(); ++i)
            vus << lecteurs->itemText(i);
        QVERIFY2(vus.filter(QStringLiteral("C:\\")).size() == 1, qPrintable(vus.join(u' ')));
        QCOMPARE(lecteurs->currentText().left(3), QDir::toNativeSeparators(banc.env->dossier.path()).left(3));
    }

    // The right button of the search command calls the system's own find window: no message.
    void rechercheDuSysteme()
    {
        if (sousWine())
            QSKIP("Wine has no find window of the shell's own");
        BancFenPrin banc;
        banc.ouvrir();
        QTest::mouseClick(banc.bouton("CmdFiFi"), Qt::RightButton);
        QCOMPARE(banc.env->dialogues.messages.size(), 0);
    }
};

QTEST_MAIN(TstWindows)
#include "tst_windows.moc"
