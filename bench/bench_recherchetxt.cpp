// The text search window on two 50 MB text files (UTF-8, French words with
// accents), one with CR LF lines and one made of a single line: how long
// each file takes to show, the longest the event loop is held while it
// loads and while the window finds a word near the end (first find, then
// next, in both case modes), and the peak memory the file adds to the
// process. The verdict is the worst of both files.
#include "bench_clock.h"
#include "bench_fenetre.h"
#include "texttools/fenrecherchetxt.h"
#include "ui/general.h"
#include "ui/reglages.h"
#include "ui/tavbttn.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr qint64 kOctets = 50LL * 1024 * 1024;
constexpr int kTours = 3;

QByteArray fabriquerTexte(bool lignes)
{
    const std::vector<QByteArray> mots = {"le", "fichier", "été", "dossier", "Conseil", "zèbre", "Noël", "à",
                                          "renommer", "PRÉFÉRENCES", "texte", "chiffré", "clé", "où", "Œuvre"};
    std::mt19937 hasard(50);
    std::uniform_int_distribution<std::size_t> choix(0, mots.size() - 1);
    QByteArray texte;
    texte.reserve(kOctets + 64);
    for (int n = 1; texte.size() + 64 < kOctets; ++n) {
        texte += mots[choix(hasard)];
        texte += lignes && n % 12 == 0 ? "\r\n" : " ";
    }
    texte.insert(texte.size() - 1000, "zèbrelle zèbrelle ");
    return texte;
}

struct Mesure {
    qint64 affiche = 0;    // ms from the choice to the text shown
    qint64 plusLong = 0;   // ms, the longest hold of the event loop
    double suivant = 0;    // ms, the slower median of a find and a next
    double memoire = 0;    // peak bytes added, over the file's size
};

// One command of the window, with the paint that follows: its milliseconds.
double commande(FenRechercheTxt& fen, const char* nom)
{
    QElapsedTimer horloge;
    horloge.start();
    fen.findChild<TavBttn*>(QString::fromLatin1(nom))->click();
    QCoreApplication::processEvents();
    return double(horloge.nsecsElapsed()) / 1e6;
}

Mesure mesurer(General& general)
{
    Mesure m;
    FenRechercheTxt fen(general);
    fen.show();
    QCoreApplication::processEvents();
    const double avant = bench::residente();
    bench::remiseAZeroPic();
    bench::Pouls pouls;
    QEventLoop attente;
    QObject::connect(&fen, &FenRechercheTxt::chargementTermine, &attente, &QEventLoop::quit);
    QElapsedTimer horloge;
    horloge.start();
    pouls.demarrer();
    fen.findChild<TavBttn*>(QStringLiteral("CmdFichier"))->click();
    attente.exec();
    QCoreApplication::processEvents();
    m.affiche = horloge.elapsed();
    m.plusLong = pouls.arreter();

    auto* mot = fen.findChild<QLineEdit*>(QStringLiteral("txtMotRechercher"));
    std::vector<double> durees[2];
    for (int tour = 0; tour < kTours; ++tour) {
        for (bool exacte : {true, false}) {
            fen.findChild<QCheckBox*>(QStringLiteral("CheckCasse"))->setChecked(exacte);
            mot->setText(exacte ? QStringLiteral("zèbrelle") : QStringLiteral("ZÈBRELLE"));
            durees[exacte].push_back(commande(fen, "CmdRechercher"));  // the whole text up to its end
            durees[exacte].push_back(commande(fen, "CmdSuivant"));
        }
    }
    for (const auto& d : durees) {
        m.suivant = std::max(m.suivant, bench::median(d));
        m.plusLong = std::max(m.plusLong, qint64(*std::max_element(d.begin(), d.end())));
    }
    m.memoire = (bench::pic() - avant) / double(kOctets);
    return m;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    bench::DialoguesBanc dialogues;
    ReglagesQt reglages(dossier.path());
    General general(dialogues, reglages);
    Mesure pire;
    for (bool lignes : {true, false}) {
        dialogues.chemin = dossier.filePath(lignes ? QStringLiteral("lignes.txt") : QStringLiteral("ligne.txt"));
        {
            QFile f(dialogues.chemin);
            f.open(QIODevice::WriteOnly);
            f.write(fabriquerTexte(lignes));
        }
        const Mesure m = mesurer(general);
        std::printf("%lld bytes %s: shown in %lld ms, event loop held at most %lld ms, find or next %.1f ms "
                    "(median of %d rounds, slower case mode), peak memory %.2f x the file's size%s\n",
                    kOctets, lignes ? "in lines" : "on one line", m.affiche, m.plusLong, m.suivant, kTours,
                    m.memoire, dialogues.messages ? " (NOT FOUND)" : "");
        pire = {std::max(pire.affiche, m.affiche), std::max(pire.plusLong, m.plusLong),
                std::max(pire.suivant, m.suivant), std::max(pire.memoire, m.memoire)};
        QFile::remove(dialogues.chemin);
    }
    std::printf("recherchetxt: event loop held %lld ms at most, shown in %lld ms, %.2f x the file's size in memory, "
                "50 MB files in lines and on one line (goal <= 100 ms, <= 2000 ms, <= 4 x)\n",
                pire.plusLong, pire.affiche, pire.memoire);
    return dialogues.messages ? 1 : 0;
}
