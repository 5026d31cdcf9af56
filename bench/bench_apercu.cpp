// The rename preview of the main window over a folder of 10,000 files, for
// "Tous", while the base name changes 200 times: from each edit to the
// preview showing the plan of the new name (median and worst), and the
// longest hold of the event loop over the whole run. For scale, the same
// plan worked out once by the core alone, the folder listed included.
#include "app/fenprin.h"
#include "bench_clock.h"
#include "bench_fenetre.h"
#include "core/platform/platform.h"
#include "core/renamepreview.h"
#include "fileops/apercu.h"
#include "fileops/navigateur.h"
#include "ui/general.h"
#include "ui/reglages.h"
#include "ui/tavbttn.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using bench::Clock;
using bench::milliseconds;
constexpr int kFiles = 10000;
constexpr int kEdits = 200;

void makeFiles(const std::string& folder)
{
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = folder + "/photo_" + std::to_string((i * 7919) % kFiles) + ".JPG";
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0)
            ::close(fd);
    }
}

// Runs the event loop until `fait` holds.
template <class Condition>
void attendre(Condition fait)
{
    while (!fait())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

double planAlone(const std::string& folder, const ordalis::RenameRequest& request)
{
    const auto start = Clock::now();
    std::vector<ordalis::platform::DirEntry> entries;
    ordalis::platform::listDirectory(folder, entries);
    std::vector<std::string> present;
    for (auto& entry : entries)
        present.push_back(std::move(entry.name));
    const auto rows = ordalis::planRequest(request, present, false);
    const double ms = milliseconds(Clock::now() - start);
    return rows.size() == std::size_t(kFiles) ? ms : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir etat;
    qputenv("XDG_STATE_HOME", etat.path().toUtf8());
    QApplication app(argc, argv);
    QTemporaryDir dossier, reglagesDossier;
    makeFiles(dossier.path().toStdString());
    bench::DialoguesBanc dialogues;
    ReglagesQt reglages(reglagesDossier.filePath(QStringLiteral("Ordalis...")));
    General general(dialogues, reglages);

    FenPrin fen(general);
    fen.show();
    fen.charger();
    fen.navigateur()->setDossier(dossier.path());
    attendre([&] { return fen.navigateur()->fichier()->model()->rowCount() == kFiles; });
    auto bouton = [&](const char* nom) { return fen.findChild<TavBttn*>(QString::fromLatin1(nom)); };
    bouton("CmdRename")->click();
    bouton("CmdApercu")->click();
    Apercu* apercu = fen.findChild<Apercu*>(QStringLiteral("Apercu"));
    Q_EMIT bouton("CmdToutRenommer")->mouseHover();
    auto* nom = fen.findChild<QLineEdit*>(QStringLiteral("txtRename"));
    const auto montre = [&](const std::string& base) {
        const auto& lignes = apercu->modele()->lignes();
        return lignes.size() == std::size_t(kFiles) && lignes.front().op.newName.rfind(base, 0) == 0;
    };
    nom->setText(QStringLiteral("depart"));
    attendre([&] { return montre("depart"); });

    std::vector<double> delais;
    bench::Pouls pouls;
    pouls.demarrer();
    for (int i = 0; i < kEdits; ++i) {
        const std::string base = "Vacances_" + std::to_string(i) + "_";
        const auto debut = Clock::now();
        nom->setText(QString::fromStdString(base));
        attendre([&] { return montre(base); });
        delais.push_back(milliseconds(Clock::now() - debut));
    }
    const qint64 tenue = pouls.arreter();
    const double mediane = bench::median(delais), pire = *std::max_element(delais.begin(), delais.end());

    ordalis::RenameRequest request{false, fen.navigateur()->noms(), std::vector<bool>(kFiles, true), "Vac", "001",
                                   "000", ""};
    std::printf("%d files, %d edits of the base name for \"Tous\"\n", kFiles, kEdits);
    std::printf("edit to preview: median %.1f ms, worst %.1f ms; longest event-loop hold %lld ms\n", mediane, pire,
                static_cast<long long>(tenue));
    std::printf("the same plan by the core alone, the folder listed included: %.1f ms\n",
                planAlone(dossier.path().toStdString(), request));
    std::printf("apercu: %.0f ms median, %.0f ms worst (goal <= 50 ms)\n", mediane, pire);
    return 0;
}
