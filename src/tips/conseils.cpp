#include "tips/conseils.h"

#include "ui/chrome.h"
#include "ui/general.h"
#include "ui/reglages.h"
#include "ui/tavbttn.h"
#include "ui/ui.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QSignalBlocker>
#include <chrono>
#include <cstdint>
#include <random>

namespace {

const QString nomFichier = QStringLiteral("Conseils.txt");

ordalis::TipList::Random hasardHorloge()
{
    const auto graine = std::chrono::steady_clock::now().time_since_epoch().count();
    return [moteur = std::mt19937_64(static_cast<std::uint64_t>(graine))]() mutable {
        return std::uniform_real_distribution<double>(0.0, 1.0)(moteur);
    };
}

QString versQ(std::u16string_view texte)
{
    return QString::fromUtf16(texte.data(), qsizetype(texte.size()));
}

// Bands that alternate their direction with their neighbours.
const Bande bandes[] = {
    {"Forme1", 0, 315, 5880, 120, Couleur::DegradeInverse},
    {"Forme2", 0, 435, 480, 1230, Couleur::Degrade, Qt::Vertical},
    {"Forme3", 0, 1665, 480, 1215, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme6", 5400, 435, 480, 1230, Couleur::Degrade, Qt::Vertical},
    {"Forme7", 5400, 1665, 480, 1215, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme4", 0, 2880, 5880, 120, Couleur::Degrade},
    {"Forme5", 0, 3480, 5880, 120, Couleur::DegradeInverse},
};

}  // namespace

Conseils::Conseils(General& general, QWidget* parent, const QString& fichier, ordalis::TipList::Random hasard)
    : QWidget(parent, Qt::Window), m_general(general), m_hasard(hasard ? std::move(hasard) : hasardHorloge())
{
    new Chrome(this, general, {.nom = "Conseils", .titre = QStringLiteral("Ordalis... - Conseil du jour"),
                               .largeur = 5880, .hauteur = 3600, .options = {.fermer = false}, .bandes = bandes});
    construireConseil();
    construireCommandes();
    appliquerCouleurs(this, general.couleurs);
    lireInterrupteur();
    const QString chemin = fichier.isEmpty() ? QDir(General::dossierDonnees()).filePath(nomFichier) : fichier;
    if (!LoadTips(chemin))
        m_texte->setText(versQ(ordalis::missingTipsMessage(nomFichier.toStdU16String())));
}

void Conseils::construireConseil()
{
    auto* cadre = new QFrame(this);
    cadre->setObjectName(QStringLiteral("Picture1"));
    cadre->setFrameShape(QFrame::Panel);
    cadre->setFrameShadow(QFrame::Sunken);
    cadre->setBackgroundRole(QPalette::Base);
    cadre->setAutoFillBackground(true);
    cadre->setAccessibleName(QStringLiteral("Conseil du jour"));
    donnerRoles(cadre, Couleur::Visu);
    placer(cadre, 600, 555, 4680, 2205);

    QLabel* titre = creerEtiquette(cadre, QStringLiteral("Label1"), QStringLiteral("Le saviez-vous..."), role::Aucun);
    QFont gras = titre->font();
    gras.setBold(true);
    gras.setPointSizeF(10.0);
    titre->setFont(gras);
    placer(titre, 120, 90, 4440, 300);

    m_texte = creerEtiquette(cadre, QStringLiteral("lblTipText"), QString(), role::Champ);
    m_texte->setWordWrap(true);
    m_texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_texte->setTextFormat(Qt::PlainText);
    m_texte->setBackgroundRole(QPalette::Base);
    m_texte->setAutoFillBackground(true);
    placer(m_texte, 120, 480, 4440, 1635);
}

void Conseils::construireCommandes()
{
    m_demarrage = new QCheckBox(QStringLiteral("Afficher les conseils à l'ouverture"), this);
    m_demarrage->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    donnerRoles(m_demarrage, Couleur::Fond);
    placer(m_demarrage, 90, 3060, 3195, 360);
    connect(m_demarrage, &QCheckBox::toggled, this, &Conseils::basculerInterrupteur);

    TavBttn* suivant = creerBouton(this, QStringLiteral("CmdNextTip"), role::Panneau | Couleur::Lumiere,
                                    QStringLiteral("Conseil suivant"));
    placer(suivant, 3330, 3060, 1560, 345);
    connect(suivant, &TavBttn::clicked, this, &Conseils::CmdNextTip);

    TavBttn* ok = creerBouton(this, QStringLiteral("CmdOK"), role::Titre, QStringLiteral("OK"));
    placer(ok, 4935, 3060, 855, 345);
    connect(ok, &TavBttn::clicked, this, &QWidget::close);
    setFocusProxy(ok);
}

void Conseils::lireInterrupteur()
{
    m_general.ConseilDemarrage = m_general.reglages().lireOuiNon(Cles::sectionConseils, Cles::cleConseils);
    const QSignalBlocker lecture(m_demarrage);  // reading is no change
    m_demarrage->setChecked(m_general.ConseilDemarrage);
}

void Conseils::basculerInterrupteur(bool coche)
{
    m_general.ConseilDemarrage = coche;
    m_general.reglages().ecrireOuiNon(Cles::sectionConseils, Cles::cleConseils, coche);
}

bool Conseils::LoadTips(const QString& fichier)
{
    QFile f(fichier);
    bool lu = !fichier.isEmpty() && QFileInfo(fichier).isFile() && f.open(QIODevice::ReadOnly);
    QByteArray octets;
    if (lu) {
        octets = f.readAll();
        lu = f.error() == QFileDevice::NoError;
    }
    m_conseils = lu ? ordalis::parseTips(std::string_view(octets.constData(), std::size_t(octets.size())))
                    : std::vector<std::u16string>();
    PickRandomTip();
    return lu;
}

void Conseils::PickRandomTip()
{
    m_liste.assign(m_conseils, m_hasard);
    DisplayCurrentTip();
}

void Conseils::DisplayCurrentTip()
{
    if (!m_liste.empty())
        m_texte->setText(versQ(m_liste.current()));
}

void Conseils::CmdNextTip()
{
    m_liste.next();
    DisplayCurrentTip();
}
