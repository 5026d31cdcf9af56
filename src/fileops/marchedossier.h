// A whole-folder command: counts the files of the tree on a worker thread,
// then walks it in short steps driven by the event loop, with the progress
// bar. For each file the command's preparation runs on the window's thread
// (it reads the window's fields, may show a message) and gives the file
// operation, which a few worker threads carry out. The window keeps
// repainting and moving meanwhile, and the other file commands are held
// until the last operation is done. The command can be stopped at any
// moment: no further file is touched and the operations already handed over
// finish, so no file is left half-changed.
#pragma once

#include "core/fileworkers.h"
#include "core/treewalk.h"
#include "ui/tache.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

struct ContexteFichiers;
class Progression;

class MarcheDossier : public QObject {
    Q_OBJECT
public:
    using Operation = ordalis::FileWorkers::Job;
    using Preparation = std::function<Operation(const std::string& chemin)>;

    // Starts at once on `racine` and becomes the context's running command;
    // deletes itself when done or stopped.
    static MarcheDossier* lancer(ContexteFichiers& contexte, const std::string& racine, Preparation preparation);
    ~MarcheDossier() override;

    // Stops the command and returns once the operations already handed
    // over are done; the commands are enabled again, no sound is played.
    void arreter();
    // Stops the command as arreter() does, at the user's request: the
    // progress bar stays a few seconds where it stopped, the count caption
    // says the command was stopped and a message how many files were
    // handed to it, out of how many.
    void interrompre();

Q_SIGNALS:
    void terminee();

private:
    MarcheDossier(ContexteFichiers& contexte, const std::string& racine, Preparation preparation);
    void demarrerMarche(std::uint64_t compte);
    void etape();
    void finir(bool arretee);

    ContexteFichiers& m_contexte;
    ordalis::TreeWalk m_marche;
    Preparation m_preparation;
    ordalis::FileWorkers m_travaux;
    QTimer m_minuterie;
    std::unique_ptr<Progression> m_barre;
    Tache m_comptage;
    std::uint64_t m_compte = 0;
    std::uint64_t m_fait = 0;
    std::uint64_t m_operations = 0;  // files handed to the command
    bool m_dansEtape = false;
    bool m_fini = false;
};
