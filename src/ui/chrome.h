// The frame every window shares: the 8-point font, a fixed size, a title
// row whose title area drags the window with any mouse button, with at its
// right end, 300 twips each, a minimise button (main window), a help button
// that opens one topic on the left button and another on the right one, and
// a close button; then the decoration bands. The window names itself and
// sets its title through it; it applies the colours (appliquerCouleurs)
// once its own controls exist.
#pragma once

#include "ui/couleurs.h"
#include "ui/general.h"

#include <QObject>
#include <QString>
#include <span>

class General;
class QWidget;
class TavBttn;

struct OptionsChrome {
    bool principale = false;  // close ends the program; has a minimise button
    bool aide = false;        // has its own help button in the title row
    bool fermer = true;       // has a close button
    SujetAide sujetGauche = SujetAide::Sommaire;  // help topic of the left button
    SujetAide sujetDroit = SujetAide::Sommaire;   // help topic of the right button
};

// A band of the decoration, in twips; a vertical one runs its gradient downwards.
struct Bande {
    const char* nom;
    int gauche, haut, largeur, hauteur;
    RolesCouleur roles;
    Qt::Orientation sens = Qt::Horizontal;
};

struct Cadre {
    const char* nom = "";      // the window's object name
    QString titre{};           // the window's title; empty: the program's
    QString legende{};         // the title row's caption; empty: the title
    int largeur = 0;           // twips
    int hauteur = 0;
    OptionsChrome options{};
    std::span<const Bande> bandes{};
};

class Chrome : public QObject {
    Q_OBJECT
public:
    Chrome(QWidget* fenetre, General& general, const Cadre& cadre);

    TavBttn* deplace() const { return m_deplace; }
    TavBttn* fermer() const { return m_fermer; }    // null without close
    TavBttn* reduire() const { return m_reduire; }  // null unless main window
    TavBttn* aide() const { return m_aide; }         // null without help

    // Wires a help button (the main window's sits in its icon bar).
    void brancherAide(TavBttn* bouton, SujetAide sujetGauche, SujetAide sujetDroit, const QString& bulle);

private:
    void creerBoutons(const OptionsChrome& options);
    void placerTitre(int largeur);

    QWidget* m_fenetre;
    General& m_general;
    TavBttn* m_deplace;
    TavBttn* m_fermer = nullptr;
    TavBttn* m_reduire = nullptr;
    TavBttn* m_aide = nullptr;
};
