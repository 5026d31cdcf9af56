// The file list showing a folder of 200,000 files in natural order: from the
// folder change until the list is filled and the count caption set, against
// `ls -v DIR > /dev/null` in the same run (best of 3 each). Also prints how
// long selecting every name takes.
#include "fileops/navigateur.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/reglages.h"
#include "ui/tavpanel.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFiles = 200000;
constexpr int kRounds = 3;

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void makeFiles(const std::string& folder)
{
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = folder + "/fichier_" + std::to_string((i * 7919) % kFiles) + ".txt";
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0)
            ::close(fd);
    }
}

double timeLs(const std::string& folder)
{
    const std::string command = "ls -v '" + folder + "' > /dev/null";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    return milliseconds(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir donnees;
    QTemporaryDir reglagesDossier;
    const std::string folder = (donnees.path() + QStringLiteral("/dossier")).toStdString();
    QDir().mkpath(QString::fromStdString(folder));
    makeFiles(folder);

    DialoguesQt dialogues;
    ReglagesQt reglages(reglagesDossier.filePath(QStringLiteral("Ordalis...")));
    General general(dialogues, reglages);
    QWidget fenetre;
    auto* cadre = new TavPanel(&fenetre);
    QDir::setCurrent(donnees.path());
    Navigateur navigateur(&fenetre, cadre, general);
    fenetre.resize(560, 340);
    fenetre.show();

    timeLs(folder);  // warm cache
    double ours = 1e9, ls = 1e9, selection = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        navigateur.setDossier(donnees.path());
        auto start = Clock::now();
        navigateur.setDossierNatif(folder);
        QApplication::processEvents();  // the list paints its first rows
        ours = std::min(ours, milliseconds(Clock::now() - start));
        start = Clock::now();
        navigateur.fichier()->selectAll();
        selection = std::min(selection, milliseconds(Clock::now() - start));
        ls = std::min(ls, timeLs(folder));
    }
    std::printf("%d files: list %.0f ms, ls -v %.0f ms, select all %.0f ms (%s)\n", kFiles, ours, ls, selection,
                qPrintable(cadre->caption()));
    std::printf("browse: %.2fx ls -v (goal <= 0.75x)\n", ours / ls);
    return 0;
}
