#include "ui/ui.h"

#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"

#include <QLabel>
#include <QLineEdit>

void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur)
{
    w->setGeometry(tw(gauche), tw(haut), tw(largeur), tw(hauteur));
}

TavBttn* creerBouton(QWidget* parent, const QString& nom, RolesCouleur roles, const QString& caption)
{
    auto* b = new TavBttn(parent);
    b->setObjectName(nom);
    donnerRoles(b, roles);
    b->setCaption(caption);
    return b;
}

TavBttn* creerForme(QWidget* parent, const QString& nom, RolesCouleur roles, Qt::Orientation sens)
{
    auto* b = creerBouton(parent, nom, roles);
    b->setDecoratif(true);
    b->setGradientsens(sens);
    return b;
}

TavPanel* creerPanneau(QWidget* parent, const QString& nom, RolesCouleur roles, const QString& caption)
{
    auto* p = new TavPanel(parent);
    p->setObjectName(nom);
    donnerRoles(p, roles);
    p->setCaption(caption);
    return p;
}

QLineEdit* creerChamp(QWidget* parent, const QString& nom, const QString& nomAccessible, const QString& texte)
{
    auto* c = new QLineEdit(texte, parent);
    c->setObjectName(nom);
    c->setAccessibleName(nomAccessible);
    donnerRoles(c, role::Champ);
    return c;
}

QLabel* creerEtiquette(QWidget* parent, const QString& nom, const QString& texte, RolesCouleur roles)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    donnerRoles(l, roles);
    return l;
}

void installerBulle(TavBttn* bouton, General& general, const QString& bulle)
{
    bouton->setBulle(bulle);
    QObject::connect(bouton, &TavBttn::mouseHover, bouton, [bouton, &general, bulle] {
        bouton->setToolTip(general.InfoBulles ? bulle : QString());
    });
}
