#include "app/menuconfig.h"

#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/ligne.h"
#include "ui/reglages.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QLabel>

namespace {

struct RoleCouleur {
    const char* commande;
    const char* cle;      // key in the colour section
    const char* caption;  // menu entry
    ordalis::Colour Couleurs::*membre;
    const char* defaut;
};

const RoleCouleur roles[7] = {
    {"CmdCoulDeb", "Début du dégradé", "Début du dégradé", &Couleurs::debut, "&H808000"},
    {"CmdCoulFin", "Fin du dégradé", "Fin du dégradé", &Couleurs::fin, "&HE0E0E0"},
    {"CmdCoulTxt", "Texte des boutons", "Texte des boutons", &Couleurs::texteBoutons, "&H808000"},
    {"CmdLumiere", "\"Lumière\" des boutons", "Lumière des boutons", &Couleurs::lumiere, "&HDEFF6C"},
    {"CmdAutrTxt", "Autres textes", "Autres textes", &Couleurs::autresTextes, "&HFFFFFF"},
    {"CmdCoulFondFen", "Fond des fenêtres", "Fond des fenêtres", &Couleurs::fond, "&H808000"},
    {"CmdCoulVisu", "Visualisation, dossiers, etc.", "Visualisation, dossiers, etc.", &Couleurs::visu, "&HD2D200"},
};

const QString legendeBulles = QStringLiteral("Affichage des info-bulles");
const QString legendeConseils = QStringLiteral("Conseils au démarrage");
const QString marque = QStringLiteral(" «");
constexpr int hauteurEntree = 255;  // twips
constexpr int largeurPanneau = 3255;

}  // namespace

MenuConfiguration::MenuConfiguration(QWidget& fenetre, General& general)
    : QObject(&fenetre), m_fenetre(fenetre), m_general(general),
      m_panneau(creerPanneau(&fenetre, QStringLiteral("PopUpInfos"), role::Panneau,
                               QStringLiteral("Configuration des couleurs, etc.")))
{
    placer(m_panneau, 4620, 420, largeurPanneau, 4515);
    m_panneau->hide();
    int haut = 270;
    auto ligne = [this, &haut](const char* nom) {
        auto* l = new Ligne(m_panneau);
        l->setObjectName(QString::fromLatin1(nom));
        donnerRoles(l, Couleur::Textes);
        placer(l, 60, haut, largeurPanneau - 120, 60);
        haut += 60;
    };
    connect(entree("CmdApropos2", QStringLiteral("A propos..."), haut), &TavBttn::clicked, this,
            &MenuConfiguration::aproposDemande);
    haut += hauteurEntree;
    ligne("Line1");
    QLabel* titre = creerEtiquette(m_panneau, QStringLiteral("LblChangerCoul"), QStringLiteral("[COULEURS]"));
    titre->setAlignment(Qt::AlignCenter);
    placer(titre, 60, haut, largeurPanneau - 120, hauteurEntree);
    haut += hauteurEntree;
    for (int i = 0; i < 7; ++i) {
        connect(entree(roles[i].commande, QString::fromUtf8(roles[i].caption), haut), &TavBttn::clicked, this,
                [this, i] { ProcChangeCoul(i); });
        haut += hauteurEntree;
    }
    ligne("Line2");
    connect(entree("CmdReset", QStringLiteral("Réinitialiser les couleurs"), haut), &TavBttn::clicked, this,
            &MenuConfiguration::reinitialiser);
    haut += hauteurEntree;
    m_bulles = entree("CmdBulAide", legendeBulles, haut);
    connect(m_bulles, &TavBttn::clicked, this, &MenuConfiguration::basculerBulles);
    haut += hauteurEntree;
    m_conseils = entree("CmdConseilDem", legendeConseils, haut);
    connect(m_conseils, &TavBttn::clicked, this, &MenuConfiguration::basculerConseils);
    haut += hauteurEntree;
    ligne("Line3");
    connect(entree("CmdSupprCle", QStringLiteral("Désinstallation"), haut), &TavBttn::clicked, this,
            &MenuConfiguration::desinstaller);
    haut += hauteurEntree;
    ligne("Line7");
    entree("CmdFerMnu", QStringLiteral("Fermer le menu"), haut);
}

TavBttn* MenuConfiguration::entree(const char* nom, const QString& caption, int haut)
{
    TavBttn* b = creerBouton(m_panneau, QString::fromLatin1(nom), role::Commande, caption);
    b->setCaptionalign(Qt::AlignLeft);
    b->setGradientcolorstart(Qt::transparent);
    b->setGradientcolorend(Qt::transparent);
    placer(b, 60, haut, largeurPanneau - 120, hauteurEntree);
    connect(b, &TavBttn::clicked, m_panneau, &QWidget::hide);  // before the entry's own work
    return b;
}

void MenuConfiguration::lireInterrupteurs()
{
    Reglages& r = m_general.reglages();
    for (int i = 0; i < 7; ++i) {
        const QString defaut = QString::fromLatin1(roles[i].defaut);
        QString texte = r.lire(Cles::sectionCouleurs, QString::fromUtf8(roles[i].cle), defaut);
        auto valeur = ordalis::parseColourText(texte.toStdString());
        if (!valeur) {
            texte = defaut;
            valeur = ordalis::parseColourText(defaut.toStdString());
        }
        m_textes[std::size_t(i)] = texte;
        m_general.couleurs.*roles[i].membre = *valeur;
    }
    Q_EMIT couleursChangees();

    m_general.InfoBulles = r.lireOuiNon(Cles::sectionBulles, Cles::cleBulles);
    m_general.ConseilDemarrage = r.lireOuiNon(Cles::sectionConseils, Cles::cleConseils);
    rafraichirInterrupteurs();
}

void MenuConfiguration::rafraichirInterrupteurs()
{
    m_bulles->setCaption(legendeBulles + (m_general.InfoBulles ? marque : QString()));
    m_conseils->setCaption(legendeConseils + (m_general.ConseilDemarrage ? marque : QString()));
}

void MenuConfiguration::ProcChangeCoul(int role)
{
    const RoleCouleur& r = roles[role];
    if (const auto choisie = m_general.dialogues().couleur(&m_fenetre, m_dernierChoix)) {
        m_dernierChoix = *choisie;
        m_general.couleurs.*r.membre = depuisQColor(*choisie);
        m_textes[std::size_t(role)] = QString::fromStdString(ordalis::colourToDecimalText(m_general.couleurs.*r.membre));
    }
    m_general.reglages().ecrire(Cles::sectionCouleurs, QString::fromUtf8(r.cle), m_textes[std::size_t(role)]);
    Q_EMIT couleursChangees();
}

void MenuConfiguration::reinitialiser()
{
    for (int i = 0; i < 7; ++i) {
        const auto valeur = *ordalis::parseColourText(roles[i].defaut);
        m_general.couleurs.*roles[i].membre = valeur;
        m_textes[std::size_t(i)] = QString::fromStdString(ordalis::colourToDecimalText(valeur));
        m_general.reglages().ecrire(Cles::sectionCouleurs, QString::fromUtf8(roles[i].cle), m_textes[std::size_t(i)]);
    }
    Q_EMIT couleursChangees();
}

void MenuConfiguration::basculerBulles()
{
    m_general.InfoBulles = !m_general.InfoBulles;
    rafraichirInterrupteurs();
    m_general.reglages().ecrireOuiNon(Cles::sectionBulles, Cles::cleBulles, m_general.InfoBulles);
}

void MenuConfiguration::basculerConseils()
{
    m_general.ConseilDemarrage = !m_general.ConseilDemarrage;
    rafraichirInterrupteurs();
    m_general.reglages().ecrireOuiNon(Cles::sectionConseils, Cles::cleConseils, m_general.ConseilDemarrage);
}

void MenuConfiguration::desinstaller()
{
    const Reponse r = m_general.dialogues().message(&m_fenetre, {QStringLiteral("DÉSINSTALLATION"),
        QStringLiteral("Cette opération ne devrait être effectuée que si vous souhaitez désinstaller le programme.\n"
                       "Etes-vous sûr(e) de vouloir supprimer la clé d'enregistrement des données "
                       "d'initialisation dans la base du Registre ?"),
        IconeMessage::Stop, BoutonsMessage::OuiNon, Reponse::Non});
    if (r == Reponse::Oui)
        m_general.reglages().supprimerTout();
}
