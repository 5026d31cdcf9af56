#include "app/ui.h"

#include "app/general.h"
#include "app/tavbttn.h"
#include "app/tavpanel.h"

void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur)
{
    w->setGeometry(tw(gauche), tw(haut), tw(largeur), tw(hauteur));
}

TavBttn* creerBouton(QWidget* parent, const QString& nom, const QString& caption)
{
    auto* b = new TavBttn(parent);
    b->setObjectName(nom);
    b->setCaption(caption);
    return b;
}

TavBttn* creerForme(QWidget* parent, const QString& nom, int sens)
{
    auto* b = creerBouton(parent, nom);
    b->setDecoratif(true);
    b->setGradientsens(sens);
    return b;
}

TavPanel* creerPanneau(QWidget* parent, const QString& nom, const QString& caption)
{
    auto* p = new TavPanel(parent);
    p->setObjectName(nom);
    p->setCaption(caption);
    return p;
}

void installerBulle(TavBttn* bouton, General& general, const QString& bulle)
{
    bouton->setBulle(bulle);
    QObject::connect(bouton, &TavBttn::mouseHover, bouton, [bouton, &general, bulle] {
        bouton->setToolTip(general.InfoBulles ? bulle : QString());
    });
}
