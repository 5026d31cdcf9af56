#include "tips/apropos.h"

#include "tips/feuilleapropos.h"
#include "ui/chrome.h"
#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/ui.h"

#include <QDesktopServices>
#include <QFrame>
#include <QTimer>
#include <QUrl>

namespace {

// The program's public page. While it is empty the program has none, and
// the button opens the help contents instead.
const QString adresseSite;

// The presentation; the sheet centres each line.
const QList<LigneApropos>& lignesApropos()
{
    static const QList<LigneApropos> lignes = {
        {QStringLiteral("          Ordalis..."), 18},
        {QString(), 10},
        {QStringLiteral(" Modification de la date et de l'heure,"), 10},
        {QStringLiteral("    des attributs (lecture seule, etc.)"), 10},
        {QStringLiteral("   d'un, plusieurs ou tous les fichiers"), 10},
        {QStringLiteral(" d'un dossier (et des sous-dossiers)."), 10},
        {QStringLiteral("                Utilitaires divers..."), 10},
        {QString(), 10},
        {QStringLiteral("         Version 1.05 - Février 2002"), 10},
        {QString(), 10},
        {QStringLiteral("       Réalisé par l'équipe Ordalis"), 10},
        {QStringLiteral("     avec ses premiers utilisateurs"), 10},
        {QString(), 10},
        {QStringLiteral("     © L'équipe Ordalis - Février 2002"), 10},
        {QString(), 10},
        {QString(), 10},
        {QStringLiteral("  L'équipe Ordalis"), 18},
        {QStringLiteral("  vous souhaite une"), 18},
        {QStringLiteral(" bonne utilisation !"), 18},
    };
    return lignes;
}

const Bande bandes[] = {
    {"Forme1", 0, 315, 5340, 165, Couleur::DegradeInverse},
    {"Forme2", 0, 480, 465, 2595, Couleur::Degrade, Qt::Vertical},
    {"Forme3", 4860, 480, 480, 2595, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme4", 0, 3075, 5340, 105, Couleur::Degrade},
    {"Forme5", 0, 3180, 465, 375, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme6", 4860, 3180, 480, 375, Couleur::DegradeInverse, Qt::Vertical},
};

}  // namespace

Apropos::Apropos(General& general, QWidget* parent) : QWidget(parent, Qt::Window), m_general(general)
{
    new Chrome(this, general, {.nom = "Apropos", .titre = QStringLiteral("A propos..."),
                               .legende = QStringLiteral("A propos de Ordalis..."), .largeur = 5340, .hauteur = 3555,
                               .bandes = bandes});
    construireSite();
    construireFeuille();
    appliquerCouleurs(this, general.couleurs);
    m_minuterie = new QTimer(this);
    m_minuterie->setObjectName(QStringLiteral("Minuterie1"));
    m_minuterie->setInterval(50);
    connect(m_minuterie, &QTimer::timeout, this, &Apropos::tic);
    m_minuterie->start();
}

void Apropos::construireSite()
{
    const QString caption = adresseSite.isEmpty() ? QStringLiteral("Aide de Ordalis...")
                                                  : QStringLiteral("Visitez notre site : ") + adresseSite;
    // The page button dresses as the close button.
    TavBttn* site = creerBouton(this, QStringLiteral("CmdSite"), role::Titre, caption);
    placer(site, 585, 3225, 4155, 285);
    connect(site, &TavBttn::clicked, this, &Apropos::ouvrirSite);
}

// The viewport shows the inside of a sunken frame; the sheet starts with
// only its icon in view, its first line just below the viewport.
void Apropos::construireFeuille()
{
    auto* cadre = new QFrame(this);
    cadre->setObjectName(QStringLiteral("Image1"));
    cadre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cadre->setLineWidth(2);
    cadre->setBackgroundRole(QPalette::Base);
    cadre->setAutoFillBackground(true);
    cadre->setAccessibleName(QStringLiteral("A propos de Ordalis..."));
    donnerRoles(cadre, Couleur::Visu);
    placer(cadre, 585, 600, 4155, 2355);

    auto* vue = new QWidget(cadre);
    vue->setAccessibleName(QStringLiteral("Texte défilant"));
    vue->setGeometry(cadre->contentsRect());
    const int hauteurVue = vue->height();
    m_feuille = new FeuilleApropos(vue, lignesApropos(), hauteurVue, vue->width());
    donnerRoles(m_feuille, role::Champ);
    // Below its text the sheet still fills the viewport.
    m_feuille->setGeometry(0, 0, vue->width(), m_feuille->finDuTexte() + hauteurVue);
    connect(m_feuille, &FeuilleApropos::basculer, this, &Apropos::basculerDefilement);
    setFocusProxy(m_feuille);
}

bool Apropos::defile() const
{
    return m_minuterie->isActive();
}

void Apropos::tic()
{
    m_feuille->move(0, m_position);
    --m_position;
    if (m_position < -m_feuille->finDuTexte())
        m_position = 0;
}

void Apropos::basculerDefilement()
{
    if (m_minuterie->isActive())
        m_minuterie->stop();
    else
        m_minuterie->start();
}

void Apropos::ouvrirSite()
{
    if (adresseSite.isEmpty())
        m_general.afficherAide(this, SujetAide::Sommaire);
    else
        QDesktopServices::openUrl(QUrl(adresseSite));
}
