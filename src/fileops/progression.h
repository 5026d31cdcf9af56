// The main window's progress bar for one command: shown with its maximum,
// moved as files are done (held at the end when more files come than were
// counted), hidden when the command ends. An empty command shows nothing.
// A command stopped by the user may leave the bar where it stopped for a
// few seconds; the next command's bar takes it over at once.
#pragma once

#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <cstdint>

#include "core/treewalk.h"

class Progression {
public:
    Progression(QProgressBar* barre, std::uint64_t maximum) : m_barre(barre), m_maximum(maximum)
    {
        if (QTimer* figee = barre->findChild<QTimer*>(nomFigee(), Qt::FindDirectChildrenOnly)) {
            delete figee;
            barre->hide();
        }
        if (m_maximum == 0)
            return;
        m_barre->setRange(0, ordalis::progressRange(m_maximum));
        m_pas = std::max(1, m_barre->maximum() / 500);
        m_barre->setValue(0);
        m_barre->show();
    }
    ~Progression() { terminer(); }
    Progression(const Progression&) = delete;
    Progression& operator=(const Progression&) = delete;

    // Moves the bar in steps of a 500th of its range at least: a long walk
    // does not repaint it (nor tell a screen reader) for every file.
    void valeur(std::uint64_t fait)
    {
        if (m_maximum == 0 || !m_barre)
            return;
        const int v = ordalis::progressValue(fait, m_maximum);
        if (v - m_barre->value() >= m_pas || v == m_barre->maximum())
            m_barre->setValue(v);
    }
    void terminer()
    {
        if (m_barre)
            m_barre->hide();
    }
    // Leaves the bar shown where it is for `duree`, then hides it; this
    // command no longer moves nor hides it.
    void figer(int duree = 4000)
    {
        if (!m_barre || !m_barre->isVisible())
            return;
        auto* minuterie = new QTimer(m_barre);
        minuterie->setObjectName(nomFigee());
        minuterie->setSingleShot(true);
        QProgressBar* barre = m_barre;
        QObject::connect(minuterie, &QTimer::timeout, barre, [barre, minuterie] {
            barre->hide();
            minuterie->deleteLater();
        });
        minuterie->start(duree);
        m_barre = nullptr;
    }

private:
    static QString nomFigee() { return QStringLiteral("ProgressionFigee"); }

    QPointer<QProgressBar> m_barre;  // the window may close first
    std::uint64_t m_maximum;
    int m_pas = 1;
};
