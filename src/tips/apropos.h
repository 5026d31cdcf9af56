// The about window: the program's presentation climbing without end in a
// small viewport, a button that opens the program's page (the help contents
// while the program has no public page), and a close button.
#pragma once

#include <QWidget>

class FeuilleApropos;
class General;
class QTimer;

class Apropos : public QWidget {
    Q_OBJECT
public:
    explicit Apropos(General& general, QWidget* parent = nullptr);

    // The scrolling sheet and the timer that drives it (50 ms).
    FeuilleApropos* feuille() const { return m_feuille; }
    bool defile() const;

public Q_SLOTS:
    // One step of the scrolling: the sheet is placed at the scroll position,
    // which then climbs by one pixel and goes back to 0 once the sheet's
    // last line has wholly left the top of the viewport.
    void tic();
    // Pauses the scrolling, or resumes it where it stood.
    void basculerDefilement();

private:
    void construireSite();
    void construireFeuille();
    void ouvrirSite();

    General& m_general;
    FeuilleApropos* m_feuille = nullptr;
    QTimer* m_minuterie = nullptr;
    int m_position = 0;
};
