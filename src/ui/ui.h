// Small helpers the windows share: twip geometry, named controls and hover
// hints.
#pragma once

#include "ui/couleurs.h"

#include <QRect>
#include <QString>
#include <string_view>

class General;
class QLabel;
class QLineEdit;
class QWidget;
class TavBttn;
class TavPanel;

// Texts of the core are UTF-8.
inline QString versQString(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), qsizetype(texte.size()));
}

// 15 twips make one pixel.
constexpr int tw(int twips) { return twips / 15; }
void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur);

// Each control is created with its colour roles; entry fields are role::Champ.
TavBttn* creerBouton(QWidget* parent, const QString& nom, RolesCouleur roles, const QString& caption = {});
// A band of the window's decoration: no input, no focus, not read aloud.
TavBttn* creerForme(QWidget* parent, const QString& nom, RolesCouleur roles, Qt::Orientation sens = Qt::Horizontal);
TavPanel* creerPanneau(QWidget* parent, const QString& nom, RolesCouleur roles, const QString& caption = {});
// An entry field named `nom`, read aloud as `nomAccessible`.
QLineEdit* creerChamp(QWidget* parent, const QString& nom, const QString& nomAccessible, const QString& texte = {});
QLabel* creerEtiquette(QWidget* parent, const QString& nom, const QString& texte, RolesCouleur roles = Couleur::Textes);

// Each hover sets the button's tooltip to `bulle` while the hints are on and
// to the empty text otherwise.
void installerBulle(TavBttn* bouton, General& general, const QString& bulle);
