// Scripted dialogs that never block, settings and work files in temporary folders, sounds counted.
#pragma once

#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/reglages.h"

#include <QList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

class DialoguesScriptes final : public Dialogues {
public:
    // Answers in order; unscripted, a message gets its default button and any other dialog is cancelled.
    std::deque<Reponse> reponses;
    std::deque<std::optional<QString>> fichiers;  // open and save dialogs alike
    std::deque<std::optional<QColor>> couleurs;
    // Called while a message is shown, as a user acting behind the box.
    std::function<void(const Message&)> pendantMessage;
    QList<Message> messages;       // every message shown
    QList<QColor> couleursInitiales;
    QList<DemandeFichier> demandesFichier;

    Reponse message(QWidget*, const Message& m) override;
    std::optional<QString> ouvrirFichier(QWidget*, const DemandeFichier& d) override
    {
        demandesFichier << d;
        return suivant(fichiers);
    }
    std::optional<QString> enregistrerFichier(QWidget* w, const DemandeFichier& d) override { return ouvrirFichier(w, d); }
    std::optional<QColor> couleur(QWidget*, const QColor& initiale) override
    {
        couleursInitiales << initiale;
        return suivant(couleurs);
    }
    std::optional<QFont> police(QWidget*, const QFont&) override { return std::nullopt; }

private:
    template <class T>
    static std::optional<T> suivant(std::deque<std::optional<T>>& prevues)
    {
        if (prevues.empty())
            return std::nullopt;
        const auto r = prevues.front();
        prevues.pop_front();
        return r;
    }
};

// What the program's main does before its first window, and the test mode
// of the standard paths. Each test program calls it once, from its
// initTestCase.
void preparerProgrammeDeTest();

// True in a Windows program run by Wine, whose private prefix the tests may
// write into (registry, local application data); false elsewhere.
bool sousWine();

// Named pipes among the files: on POSIX systems, not on Windows.
#ifdef Q_OS_WIN
inline constexpr bool kTubes = false;
#else
inline constexpr bool kTubes = true;
#endif
// Makes a named pipe at `chemin`; false where that failed or there are none.
bool creerTube(const QString& chemin);
// Lets go a reader of the pipe that waits for a writer.
void libererTube(const QString& chemin);

struct Environnement {
    Environnement();
    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
    void creerFichier(const QString& nom, const QByteArray& contenu = "x") const;
    QByteArray lire(const QString& nom) const;  // "(absent)" when it cannot be read
    // Creates `nombre` empty files f000000.txt... with plain system calls, far faster than QFile.
    static void creerFichiersVides(const QString& dossier, int nombre);

    QTemporaryDir dossier;
    QTemporaryDir dossierReglages;
    DialoguesScriptes dialogues;
    std::unique_ptr<ReglagesQt> reglages;
    std::unique_ptr<General> general;
    QList<int> sons;
};
