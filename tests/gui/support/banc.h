// The main window opened on a temporary folder, and the controls and file list as a user reaches them.
#pragma once

#include "support/environnement.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

class FenPrin;
class QLineEdit;
class QListView;
class TavBttn;

class BancFenPrin {
public:
    // Also gives the rename journal a temporary state folder (XDG_STATE_HOME).
    BancFenPrin();
    ~BancFenPrin();

    // Creates `fichiers` (each holding its own name), then opens the main window on the work folder.
    void ouvrir(const QStringList& fichiers = {});
    void ouvrirSansDossier();

    TavBttn* bouton(const char* nom) const;
    QLineEdit* champ(const char* nom) const;
    QString legende() const;
    QListView* fichiers() const;
    // The texts the file list shows, in order.
    QStringList lignes() const;
    void cliquer(int ligne, Qt::KeyboardModifiers m = {});
    // Selects the named rows by clicks (the first plain, then with Ctrl).
    void choisir(const QStringList& noms);
    // Files (hidden ones included) of the work folder, by name.
    QStringList contenu() const;

    QTemporaryDir etat;
    std::unique_ptr<Environnement> env;
    std::unique_ptr<FenPrin> fen;
};

// The base of a test class over the main window: a fresh bench for each
// test function, and what every such test reaches for.
class TestFenPrin : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<BancFenPrin> banc;
    Environnement* env = nullptr;

    FenPrin* fen() const { return banc->fen.get(); }
    TavBttn* bouton(const char* nom) const { return banc->bouton(nom); }
    void saisir(const char* champ, const QString& texte) const;
    QList<Message>& messages() const { return env->dialogues.messages; }

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
};
