#include "ui/chrome.h"

#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/ui.h"

#include <QWidget>
#include <QWindow>

Chrome::Chrome(QWidget* fenetre, General& general, const Cadre& cadre)
    : QObject(fenetre), m_fenetre(fenetre), m_general(general)
{
    fenetre->setObjectName(QString::fromLatin1(cadre.nom));
    QFont f = fenetre->font();
    f.setPointSizeF(8.0);
    fenetre->setFont(f);
    fenetre->setFixedSize(tw(cadre.largeur), tw(cadre.hauteur));
    fenetre->setWindowFlag(Qt::FramelessWindowHint);
    fenetre->setWindowTitle(cadre.titre.isEmpty() ? general.TitreProgramme : cadre.titre);
    fenetre->setProperty(kFenetrePrincipale, cadre.options.principale);
    creerBoutons(cadre.options);
    m_deplace->setCaption(cadre.legende.isEmpty() ? fenetre->windowTitle() : cadre.legende);
    placerTitre(cadre.largeur);
    for (const Bande& b : cadre.bandes) {
        TavBttn* bande = creerForme(fenetre, QString::fromLatin1(b.nom), b.roles, b.sens);
        placer(bande, b.gauche, b.haut, b.largeur, b.hauteur);
    }
}

void Chrome::creerBoutons(const OptionsChrome& options)
{
    m_deplace = creerBouton(m_fenetre, QStringLiteral("CmdDeplaceFen"), role::Titre);
    m_deplace->setCursor(Qt::SizeAllCursor);
    m_deplace->setFocusPolicy(Qt::NoFocus);
    installerBulle(m_deplace, m_general, QStringLiteral("Déplacement de la fenêtre"));
    connect(m_deplace, &TavBttn::mouseDown, this, [this] {
        if (QWindow* w = m_fenetre->windowHandle())
            w->startSystemMove();
    });
    if (options.fermer) {
        m_fermer = creerBouton(m_fenetre, QStringLiteral("CmdFermer"), role::Titre, QStringLiteral("x"));
        installerBulle(m_fermer, m_general, QStringLiteral("Fermer"));
        if (options.principale)
            connect(m_fermer, &TavBttn::clicked, this, [] { FermerTout(); });
        else
            connect(m_fermer, &TavBttn::clicked, m_fenetre, &QWidget::close);
    }
    if (options.principale) {
        m_reduire = creerBouton(m_fenetre, QStringLiteral("CmdReduire"), role::Titre, QStringLiteral("-"));
        installerBulle(m_reduire, m_general, QStringLiteral("Réduire"));
        connect(m_reduire, &TavBttn::clicked, m_fenetre, &QWidget::showMinimized);
    }
    if (options.aide) {
        m_aide = creerBouton(m_fenetre, QStringLiteral("CmdAide"), role::Titre);
        m_aide->setPicture(QStringLiteral(":/icons/aide.svg"));
        brancherAide(m_aide, options.sujetGauche, options.sujetDroit,
                     QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"));
    }
}

// The buttons sit at the right end of the row, 300 twips each; the title
// area takes the rest.
void Chrome::placerTitre(int largeur)
{
    int droite = largeur;
    for (TavBttn* b : {m_fermer, m_aide, m_reduire}) {
        if (b) {
            droite -= 300;
            placer(b, droite, 0, 300, 315);
        }
    }
    placer(m_deplace, 0, 0, droite, 315);
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
