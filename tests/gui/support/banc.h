// The main window opened on a temporary folder, with the helpers the window
// tests share: find a control by name, read the count caption, click rows of
// the file list as a user would.
#pragma once

#include "support/environnement.h"

#include <QStringList>
#include <memory>
#include <string>

class FenPrin;
class QLineEdit;
class QListView;
class TavBttn;

class BancFenPrin {
public:
    BancFenPrin();
    ~BancFenPrin();

    // Creates `fichiers` (each holding its own name) under the work folder,
    // then opens the main window on it.
    void ouvrir(const QStringList& fichiers = {});
    // Opens the main window without choosing a folder.
    void ouvrirSansDossier();

    TavBttn* bouton(const char* nom) const;
    QLineEdit* champ(const char* nom) const;
    QString legende() const;
    QListView* fichiers() const;
    // The texts the file list shows, in order.
    QStringList lignes() const;
    // Clicks row `ligne` of the file list with the given modifiers.
    void cliquer(int ligne, Qt::KeyboardModifiers m = {});
    // Selects the named rows by clicks (the first plain, then with Ctrl).
    void choisir(const QStringList& noms);
    // Files (hidden ones included) of the work folder, by name.
    QStringList contenu() const;
    std::string natif(const QString& nom) const { return env->chemin(nom).toStdString(); }

    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenPrin> fen;
};
