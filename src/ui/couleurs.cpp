#include "ui/couleurs.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

QColor versQColor(ordalis::Colour c)
{
    return QColor(ordalis::red(c), ordalis::green(c), ordalis::blue(c));
}

ordalis::Colour depuisQColor(const QColor& c)
{
    return ordalis::rgb(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

void donnerRoles(QWidget* controle, RolesCouleur roles)
{
    controle->setProperty(kRolesCouleur, roles.toInt());
}

namespace {

bool aPropriete(QWidget* w, const char* nom)
{
    return w->metaObject()->indexOfProperty(nom) >= 0;
}

void couleurTexte(QWidget* w, const QColor& c)
{
    if (aPropriete(w, "forecolor")) {
        w->setProperty("forecolor", c);
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

void couleurFond(QWidget* w, const QColor& c)
{
    if (aPropriete(w, "couleurcadre")) {
        w->setProperty("couleurcadre", c);
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::AlternateBase, c.lighter(110));
    w->setPalette(p);
}

void fondFenetre(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void degrade(QWidget* w, const QColor& debut, const QColor& fin)
{
    w->setProperty("gradientcolorstart", debut);
    w->setProperty("gradientcolorend", fin);
}

void appliquerRoles(QWidget* w, RolesCouleur r, const Couleurs& c)
{
    const QColor debut = versQColor(c.debut), fin = versQColor(c.fin);
    if (r & Couleur::Degrade)
        degrade(w, debut, fin);
    if (r & Couleur::DegradeInverse)
        degrade(w, fin, debut);
    if (r & Couleur::TexteBoutons)
        couleurTexte(w, versQColor(c.texteBoutons));
    if (r & Couleur::Lumiere)
        w->setProperty("highlightcolor", versQColor(c.lumiere));
    if (r & Couleur::Textes)
        couleurTexte(w, versQColor(c.autresTextes));
    if (r & Couleur::Visu)
        couleurFond(w, versQColor(c.visu));
    if (r & Couleur::Fond) {
        fondFenetre(w, versQColor(c.fond));
        w->setBackgroundRole(QPalette::Window);  // buttons and check boxes paint with Button
    }
}

}  // namespace

void appliquerCouleurs(QWidget* fenetre, const Couleurs& c)
{
    fondFenetre(fenetre, versQColor(c.fond));
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const QVariant roles = w->property(kRolesCouleur);
        if (roles.isValid() && w->window() == fenetre)
            appliquerRoles(w, RolesCouleur::fromInt(roles.toInt()), c);
    }
}
