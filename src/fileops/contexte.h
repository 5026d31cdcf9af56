// What the main window lends to its file panels: the shared services, the
// browser, the progress bar, the icon-bar commands they act on, and the
// switch that holds the file commands while a whole-folder command runs.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

class General;
class MarcheDossier;
class Navigateur;
class QProgressBar;
class TavBttn;
class TavPanel;

// The file commands of the icon bar.
struct CommandesFichiers {
    TavBttn* dateHeure = nullptr;
    TavBttn* toutDateHeure = nullptr;
    TavBttn* attributs = nullptr;
    TavBttn* toutAttributs = nullptr;
    TavBttn* renommer = nullptr;
    TavBttn* proprietes = nullptr;
};

// Holds the file commands during a whole-folder command. Each panel enrols
// its own controls; when the hold ends every control gets back the state it
// had, also one that changed its state meanwhile is set as it was before.
class Suspension {
public:
    void inscrire(std::initializer_list<QWidget*> controles);
    void suspendre(bool suspendre);

private:
    std::vector<QPointer<QWidget>> m_controles;
    std::vector<std::pair<QPointer<QWidget>, bool>> m_etats;
    bool m_active = false;
};

struct ContexteFichiers {
    General& general;
    QWidget* fenetre;              // parent of the panels and of messages
    Navigateur* navigateur;
    TavPanel* compte;              // the selection-count panel
    QProgressBar* progression;
    CommandesFichiers commandes;
    Suspension* suspension;
    std::function<void()> masquerMenu;
    QPointer<MarcheDossier> marche;  // the whole-folder command running, if any
};
