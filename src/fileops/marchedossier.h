// A whole-folder command: counts the files of the tree on a worker thread,
// then walks it in short steps driven by the event loop, applying one action
// per file, with the progress bar; the window keeps repainting and moving
// meanwhile, and the other file commands are disabled until the walk ends.
#pragma once

#include "core/treewalk.h"

#include <QObject>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class FenPrin;
class Progression;

class MarcheDossier : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(const std::string& chemin)>;

    // Starts at once on `racine`; deletes itself when done.
    static MarcheDossier* lancer(FenPrin& fenetre, const QString& racine, Action action);
    ~MarcheDossier() override;

    std::uint64_t NbFichiersArbre() const { return m_compte; }

Q_SIGNALS:
    void terminee();

private:
    MarcheDossier(FenPrin& fenetre, const QString& racine, Action action);
    void demarrerMarche();
    void etape();
    void finir();

    FenPrin& m_fenetre;
    ordalis::TreeWalk m_marche;
    Action m_action;
    QTimer m_minuterie;
    std::unique_ptr<Progression> m_barre;
    QThread* m_comptage = nullptr;
    std::vector<std::string> m_chemins;  // written by the counting thread only
    std::uint64_t m_compte = 0;
    std::uint64_t m_fait = 0;
    bool m_dansEtape = false;
};
