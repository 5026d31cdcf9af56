// A whole-folder command: counts the files of the tree on a worker thread,
// then walks it in short steps driven by the event loop, with the progress
// bar. For each file the command's preparation runs on the window's thread
// (it reads the window's fields, may show a message) and gives the file
// operation, which a few worker threads carry out. The window keeps
// repainting and moving meanwhile, and the other file commands are disabled
// until the last operation is done.
#pragma once

#include "core/fileworkers.h"
#include "core/treewalk.h"

#include <QObject>
#include <QStringList>
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
    using Operation = ordalis::FileWorkers::Job;
    using Preparation = std::function<Operation(const std::string& chemin)>;

    // Starts at once on `racine`; deletes itself when done.
    static MarcheDossier* lancer(FenPrin& fenetre, const QString& racine, Preparation preparation);
    ~MarcheDossier() override;

    std::uint64_t NbFichiersArbre() const { return m_compte; }

Q_SIGNALS:
    void terminee();

private:
    MarcheDossier(FenPrin& fenetre, const QString& racine, Preparation preparation);
    void demarrerMarche();
    void etape();
    void finir();

    FenPrin& m_fenetre;
    ordalis::TreeWalk m_marche;
    Preparation m_preparation;
    ordalis::FileWorkers m_travaux;
    QTimer m_minuterie;
    std::unique_ptr<Progression> m_barre;
    QThread* m_comptage = nullptr;
    QStringList m_chemins;  // written by the counting thread only
    std::uint64_t m_compte = 0;
    std::uint64_t m_fait = 0;
    bool m_dansEtape = false;
};
