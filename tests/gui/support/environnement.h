// What a window test needs: scripted dialogs that never block, a settings
// store in a temporary folder, a counter of the sounds played, and a
// temporary folder for the files the test works on.
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
    // Answers given in order; a message without a scripted answer gets its
    // default button, a file or colour dialog without one is cancelled, a
    // font dialog always is.
    std::deque<Reponse> reponses;
    std::deque<std::optional<QString>> fichiers;  // open and save dialogs alike
    std::deque<std::optional<QColor>> couleurs;
    // Called while a message is shown, as a user acting behind the box.
    std::function<void(const Message&)> pendantMessage;
    QList<Message> messages;       // every message shown
    QList<QColor> couleursInitiales;
    QList<DemandeFichier> demandesFichier;

    Reponse message(QWidget*, const Message& m) override;
    std::optional<QString> ouvrirFichier(QWidget*, const DemandeFichier& d) override;
    std::optional<QString> enregistrerFichier(QWidget*, const DemandeFichier& d) override;
    std::optional<QColor> couleur(QWidget*, const QColor& initiale) override;
    std::optional<QFont> police(QWidget*, const QFont&) override { return std::nullopt; }

private:
    std::optional<QString> fichierSuivant();
};

struct Environnement {
    Environnement();
    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
    // Creates a file with `contenu` under the work folder.
    void creerFichier(const QString& nom, const QByteArray& contenu = "x") const;
    // Creates `nombre` empty files f000000.txt... in `dossier` with plain system calls,
    // far faster than Qt's file objects for the huge folders.
    static void creerFichiersVides(const QString& dossier, int nombre);

    QTemporaryDir dossier;
    QTemporaryDir dossierReglages;
    DialoguesScriptes dialogues;
    std::unique_ptr<ReglagesQt> reglages;
    std::unique_ptr<General> general;
    QList<int> sons;
};

// Runs once per test program: test mode for the standard paths and a
// private configuration folder.
void preparerTests();
