// The seven interface colours on a window's controls. Each control gets,
// when it is created, the roles it plays (which of the colours it takes);
// appliquerCouleurs gives every control of a window the colours of its
// roles.
#pragma once

#include "ui/general.h"

#include <QColor>
#include <QFlags>

class QWidget;

enum class Couleur : unsigned {
    Degrade = 1,          // gradient from start to end
    DegradeInverse = 2,   // gradient from end to start
    TexteBoutons = 4,     // caption colour (text colour of labels)
    Lumiere = 8,          // highlight under the pointer
    Textes = 16,          // other texts, captions and lines
    Visu = 32,            // background of lists and entry fields; frame of panels
    Fond = 64,            // painted with the window background
};
Q_DECLARE_FLAGS(RolesCouleur, Couleur)
Q_DECLARE_OPERATORS_FOR_FLAGS(RolesCouleur)

// The usual sets. A control with no role keeps its own colours (picture
// buttons, check boxes).
namespace role {
inline constexpr RolesCouleur Aucun{};
inline constexpr RolesCouleur Titre = Couleur::Degrade | Couleur::TexteBoutons | Couleur::Lumiere;
inline constexpr RolesCouleur Commande = Couleur::Lumiere | Couleur::Textes;
inline constexpr RolesCouleur Champ = Couleur::Textes | Couleur::Visu;
inline constexpr RolesCouleur Panneau = Couleur::DegradeInverse | Couleur::TexteBoutons;
}  // namespace role

// The dynamic property that holds a control's roles.
inline constexpr char kRolesCouleur[] = "rolesCouleur";
void donnerRoles(QWidget* controle, RolesCouleur roles);

QColor versQColor(ordalis::Colour c);
ordalis::Colour depuisQColor(const QColor& c);

// Paints the window's background with `fond` and gives each of its controls
// (not those of the windows it owns) the colours of its roles.
void appliquerCouleurs(QWidget* fenetre, const Couleurs& couleurs);
