// The main window's progress bar for one command: shown with its maximum,
// moved as files are done (held at the end when more files come than were
// counted), hidden when the command ends. An empty command shows nothing.
#pragma once

#include <QProgressBar>
#include <cstdint>

#include "core/treewalk.h"

class Progression {
public:
    Progression(QProgressBar* barre, std::uint64_t maximum) : m_barre(barre), m_maximum(maximum)
    {
        if (m_maximum == 0)
            return;
        m_barre->setRange(0, ordalis::progressRange(m_maximum));
        m_barre->setValue(0);
        m_barre->show();
    }
    ~Progression() { terminer(); }
    Progression(const Progression&) = delete;
    Progression& operator=(const Progression&) = delete;

    void valeur(std::uint64_t fait)
    {
        if (m_maximum != 0)
            m_barre->setValue(ordalis::progressValue(fait, m_maximum));
    }
    void terminer() { m_barre->hide(); }

private:
    QProgressBar* m_barre;
    std::uint64_t m_maximum;
};
