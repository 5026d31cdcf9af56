#include "ui/chrome.h"

#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/ui.h"

#include <QWidget>
#include <QWindow>

Chrome::Chrome(QWidget* fenetre, General& general, const OptionsChrome& options)
    : QObject(fenetre), m_fenetre(fenetre), m_general(general)
{
    fenetre->setWindowFlag(Qt::FramelessWindowHint);
    fenetre->setWindowTitle(general.TitreProgramme);

    m_deplace = creerBouton(fenetre, QStringLiteral("CmdDeplaceFen"));
    m_deplace->setCursor(Qt::SizeAllCursor);
    m_deplace->setFocusPolicy(Qt::NoFocus);
    installerBulle(m_deplace, general, QStringLiteral("Déplacement de la fenêtre"));
    connect(m_deplace, &TavBttn::mouseDown, this, [this] {
        if (QWindow* w = m_fenetre->windowHandle())
            w->startSystemMove();
    });

    m_fermer = creerBouton(fenetre, QStringLiteral("CmdFermer"), QStringLiteral("x"));
    installerBulle(m_fermer, general, QStringLiteral("Fermer"));
    fenetre->setProperty(kFenetrePrincipale, options.principale);
    if (options.principale)
        connect(m_fermer, &TavBttn::clicked, this, [] { FermerTout(); });
    else
        connect(m_fermer, &TavBttn::clicked, fenetre, &QWidget::close);

    if (options.principale) {
        m_reduire = creerBouton(fenetre, QStringLiteral("CmdReduire"), QStringLiteral("-"));
        installerBulle(m_reduire, general, QStringLiteral("Réduire"));
        connect(m_reduire, &TavBttn::clicked, fenetre, &QWidget::showMinimized);
    }
    if (options.aide) {
        m_aide = creerBouton(fenetre, QStringLiteral("CmdAide"));
        m_aide->setPicture(QStringLiteral(":/icons/aide.svg"));
        brancherAide(m_aide, options.sujetGauche, options.sujetDroit,
                     QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"));
    }
}

void Chrome::brancherAide(TavBttn* bouton, SujetAide sujetGauche, SujetAide sujetDroit, const QString& bulle)
{
    installerBulle(bouton, m_general, bulle);
    bouton->setActionDroite(true);
    connect(bouton, &TavBttn::clicked, this, [this, sujetGauche] {
        m_general.afficherAide(m_fenetre, sujetGauche);
    });
    connect(bouton, &TavBttn::mouseDown, this, [this, sujetDroit](Qt::MouseButton b) {
        if (b == Qt::RightButton)
            m_general.afficherAide(m_fenetre, sujetDroit);
    });
}
