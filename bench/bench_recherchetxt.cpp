// The text search window on a 50 MB text file (UTF-8, French words with
// accents, CR LF line breaks): how long the file takes to show, the longest
// the event loop is held meanwhile, and find-next through the window's
// command from the start to a word near the end, in both case modes. The verdict is
// the slower find-next, median of rounds.
#include "bench_clock.h"
#include "texttools/fenrecherchetxt.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/reglages.h"
#include "ui/tavbttn.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr qint64 kOctets = 50LL * 1024 * 1024;
constexpr int kTours = 5;

class DialoguesBanc final : public Dialogues {
public:
    QString chemin;
    int messages = 0;
    Reponse message(QWidget*, const Message&) override { ++messages; return Reponse::Ok; }
    std::optional<QString> ouvrirFichier(QWidget*, const DemandeFichier&) override { return chemin; }
    std::optional<QString> enregistrerFichier(QWidget*, const DemandeFichier&) override { return std::nullopt; }
    std::optional<QColor> couleur(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> police(QWidget*, const QFont&) override { return std::nullopt; }
};

QByteArray fabriquerTexte()
{
    const std::vector<QByteArray> mots = {"le", "fichier", "été", "dossier", "Conseil", "zèbre", "Noël", "à",
                                          "renommer", "PRÉFÉRENCES", "texte", "chiffré", "clé", "où", "Œuvre"};
    std::mt19937 hasard(50);
    std::uniform_int_distribution<std::size_t> choix(0, mots.size() - 1);
    QByteArray texte;
    texte.reserve(kOctets + 64);
    for (int n = 1; texte.size() + 64 < kOctets; ++n) {
        texte += mots[choix(hasard)];
        texte += n % 12 == 0 ? "\r\n" : " ";
    }
    texte.insert(texte.size() - 1000, "zèbrelle zèbrelle ");
    return texte;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    DialoguesBanc dialogues;
    ReglagesQt reglages(dossier.path());
    General general(dialogues, reglages);
    dialogues.chemin = dossier.filePath(QStringLiteral("grand.txt"));
    QFile f(dialogues.chemin);
    f.open(QIODevice::WriteOnly);
    f.write(fabriquerTexte());
    f.close();

    FenRechercheTxt fen(general);
    fen.show();
    QElapsedTimer horloge, battement;
    qint64 plusLongArret = 0;
    QTimer pouls;
    QObject::connect(&pouls, &QTimer::timeout, [&] { plusLongArret = std::max(plusLongArret, battement.restart()); });
    QEventLoop attente;
    QObject::connect(&fen, &FenRechercheTxt::chargementTermine, &attente, &QEventLoop::quit);
    horloge.start();
    battement.start();
    pouls.start(5);
    fen.findChild<TavBttn*>(QStringLiteral("CmdFichier"))->click();
    attente.exec();
    const qint64 chargement = horloge.elapsed();
    pouls.stop();

    auto* mot = fen.findChild<QLineEdit*>(QStringLiteral("txtMotRechercher"));
    auto* casse = fen.findChild<QCheckBox*>(QStringLiteral("CheckCasse"));
    std::vector<double> exact, sansCasse;
    for (int tour = 0; tour < kTours; ++tour) {
        for (bool exacte : {true, false}) {
            casse->setChecked(exacte);
            mot->setText(exacte ? QStringLiteral("zèbrelle") : QStringLiteral("ZÈBRELLE"));
            horloge.restart();
            fen.findChild<TavBttn*>(QStringLiteral("CmdRechercher"))->click();  // the whole text up to its end
            (exacte ? exact : sansCasse).push_back(double(horloge.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("%lld bytes: shown in %lld ms, event loop held at most %lld ms; find through the window, "
                "median of %d rounds: exact %.1f ms, ignoring case %.1f ms%s\n",
                kOctets, chargement, plusLongArret, kTours, bench::median(exact), bench::median(sansCasse),
                dialogues.messages ? " (NOT FOUND)" : "");
    std::printf("recherchetxt: %.1f ms per find over 50 MB (goal < 100 ms)\n", std::max(bench::median(exact), bench::median(sansCasse)));
    return 0;
}
