#include "tips/apropos.h"

#include "tips/feuilleapropos.h"
#include "ui/chrome.h"
#include "ui/couleurs.h"
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

}  // namespace

Apropos::Apropos(General& general, QWidget* parent) : QWidget(parent, Qt::Window), m_general(general)
{
    setObjectName(QStringLiteral("Apropos"));
    QFont f = font();
    f.setPointSizeF(8.0);
    setFont(f);
    installerAccessibiliteTavBttn();
    installerAccessibiliteFeuille();
    setFixedSize(tw(5340), tw(3555));
    construireCadre();
    construireFeuille();
    appliquerCouleursFenetre(this, general.couleurs);
    // The page button dresses as the close button.
    if (auto* site = findChild<TavBttn*>(QStringLiteral("CmdSite"))) {
        site->setGradientcolorstart(versQColor(general.couleurs.debut));
        site->setGradientcolorend(versQColor(general.couleurs.fin));
        site->setForecolor(versQColor(general.couleurs.texteBoutons));
        site->setHighlightcolor(versQColor(general.couleurs.lumiere));
    }
    m_minuterie = new QTimer(this);
    m_minuterie->setObjectName(QStringLiteral("Minuterie1"));
    m_minuterie->setInterval(50);
    connect(m_minuterie, &QTimer::timeout, this, &Apropos::tic);
    m_minuterie->start();
}

void Apropos::construireCadre()
{
    auto* chrome = new Chrome(this, m_general, {});
    setWindowTitle(QStringLiteral("A propos..."));
    chrome->deplace()->setCaption(QStringLiteral("A propos de Ordalis..."));
    placer(chrome->deplace(), 0, 0, 5040, 315);
    placer(chrome->fermer(), 5040, 0, 300, 315);

    placer(creerForme(this, QStringLiteral("Forme1")), 0, 315, 5340, 165);
    placer(creerForme(this, QStringLiteral("Forme2"), Qt::Vertical), 0, 480, 465, 2595);
    placer(creerForme(this, QStringLiteral("Forme3"), Qt::Vertical), 4860, 480, 480, 2595);
    placer(creerForme(this, QStringLiteral("Forme4")), 0, 3075, 5340, 105);
    placer(creerForme(this, QStringLiteral("Forme5"), Qt::Vertical), 0, 3180, 465, 375);
    placer(creerForme(this, QStringLiteral("Forme6"), Qt::Vertical), 4860, 3180, 480, 375);

    const QString caption = adresseSite.isEmpty() ? QStringLiteral("Aide de Ordalis...")
                                                  : QStringLiteral("Visitez notre site : ") + adresseSite;
    TavBttn* site = creerBouton(this, QStringLiteral("CmdSite"), caption);
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
    placer(cadre, 585, 600, 4155, 2355);

    auto* vue = new QWidget(cadre);
    vue->setAccessibleName(QStringLiteral("Texte défilant"));
    vue->setGeometry(cadre->contentsRect());
    const int hauteurVue = vue->height();
    m_feuille = new FeuilleApropos(vue, lignesApropos(), hauteurVue, vue->width());
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
