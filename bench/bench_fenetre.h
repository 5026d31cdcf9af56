// What the benchmarks of the text windows share: dialogs answered without
// a window, the longest hold of the event loop, and the peak memory of the
// process.
#pragma once

#include "ui/dialogues.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

namespace bench {

// Open and save dialogs answer `chemin`; messages are counted.
class DialoguesBanc final : public Dialogues {
public:
    QString chemin;
    int messages = 0;
    Reponse message(QWidget*, const Message&) override { ++messages; return Reponse::Oui; }
    std::optional<QString> ouvrirFichier(QWidget*, const DemandeFichier&) override { return chemin; }
    std::optional<QString> enregistrerFichier(QWidget*, const DemandeFichier&) override { return chemin; }
    std::optional<QColor> couleur(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> police(QWidget*, const QFont&) override { return std::nullopt; }
};

// The longest interval between two turns of the event loop while it runs,
// seen by a 1 ms timer.
class Pouls {
public:
    Pouls()
    {
        m_minuteur.setInterval(1);
        QObject::connect(&m_minuteur, &QTimer::timeout, &m_minuteur,
                         [this] { m_plusLong = std::max(m_plusLong, m_horloge.restart()); });
    }
    void demarrer()
    {
        m_plusLong = 0;
        m_horloge.start();
        m_minuteur.start();
    }
    qint64 arreter()
    {
        m_minuteur.stop();
        return std::max(m_plusLong, m_horloge.elapsed());
    }

private:
    QTimer m_minuteur;
    QElapsedTimer m_horloge;
    qint64 m_plusLong = 0;
};

// The process's resident memory now, and its peak since the last
// remiseAZeroPic (both in bytes; 0 where the system does not say).
inline double memoire(const char* champ)
{
    std::ifstream etat("/proc/self/status");
    std::string ligne;
    while (std::getline(etat, ligne))
        if (ligne.rfind(champ, 0) == 0)
            return std::atof(ligne.c_str() + std::char_traits<char>::length(champ)) * 1024.0;
    return 0;
}
inline double residente() { return memoire("VmRSS:"); }
inline double pic() { return memoire("VmHWM:"); }
inline void remiseAZeroPic()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace bench
