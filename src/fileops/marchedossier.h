// A whole-folder command: counts the files of the tree, then walks it, both
// on a thread of its own, with the progress bar. For each file the command's
// preparation runs on the window's thread (it reads the window's fields, may
// show a message) and gives the file operation, which a few worker threads
// carry out. The window keeps repainting and moving meanwhile, and the other
// file commands are held until the last operation is done. The command can
// be stopped at any moment, and stopping never waits: no further file is
// touched, and the operations already handed over finish on their own, so no
// file is left half-changed; the commands come back once they are done.
#pragma once

#include "core/fileworkers.h"
#include "ui/tache.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ContexteFichiers;
class Progression;

class MarcheDossier : public QObject {
public:
    using Operation = ordalis::FileWorkers::Job;
    using Preparation = std::function<Operation(const std::string& chemin)>;

    // Starts at once on `racine` and becomes the context's running command;
    // deletes itself when done, or once stopped and its operations are done.
    static MarcheDossier* lancer(ContexteFichiers& contexte, const std::string& racine, Preparation preparation);
    ~MarcheDossier() override;

    // Stops the command and returns at once; the progress bar is hidden, the
    // commands come back once the operations already handed over are done,
    // no sound is played.
    void arreter();
    // Stops the command as arreter() does, at the user's request: the
    // progress bar stays a few seconds where it stopped, the count caption
    // says the command was stopped and a message how many files were
    // handed to it, out of how many.
    void interrompre();

private:
    MarcheDossier(ContexteFichiers& contexte, const std::string& racine, Preparation preparation);
    void demarrerMarche(std::uint64_t compte);
    void preparer(const std::vector<std::string>& lot);
    void attendreOperations();
    void finir();

    ContexteFichiers& m_contexte;
    Preparation m_preparation;
    // Shared with the threads, which may outlive this command.
    std::shared_ptr<ordalis::FileWorkers> m_travaux;
    std::unique_ptr<Progression> m_barre;
    Tache m_tache;  // the count and the walk, then the wait for the last operations
    std::uint64_t m_compte = 0;
    std::uint64_t m_fait = 0;
    std::uint64_t m_operations = 0;  // files handed to the command
    bool m_arretee = false;
    bool m_finie = false;
};
