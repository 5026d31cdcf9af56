#include "texttools/fenrecherchetxt.h"

#include "texttools/chargementtexte.h"
#include "texttools/vuetexte.h"
#include "ui/chrome.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kTitre = QStringLiteral("Rechercher un texte dans un fichier");

const Bande bandes[] = {
    {"Forme2", 0, 315, 6735, 120, Couleur::Degrade},
    {"Forme1", 0, 435, 120, 4560, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme3", 6615, 435, 120, 4560, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme4", 0, 4995, 6735, 120, Couleur::Degrade},
    {"Forme5", 0, 6585, 6735, 120, Couleur::DegradeInverse},
};

}  // namespace

FenRechercheTxt::FenRechercheTxt(General& general, QWidget* parent) : QWidget(parent, Qt::Window), m_general(general)
{
    new Chrome(this, general, {.nom = "FenRechercheTxt", .titre = kTitre, .largeur = 6735, .hauteur = 6825,
                               .options = {.aide = true, .sujetGauche = SujetAide::RechercheTexte}, .bandes = bandes});
    construireCadre();
    appliquerCouleurs(this, general.couleurs);
}

void FenRechercheTxt::construireCadre()
{
    TavPanel* bas = creerPanneau(this, QStringLiteral("Forme7"), Couleur::Degrade);
    bas->setEncadre(false);
    bas->setGradientsens(Qt::Horizontal);
    placer(bas, 0, 6705, 6735, 120);

    m_zone = new VueTexte(this);
    m_zone->setObjectName(QStringLiteral("Rtb1"));
    m_zone->setAccessibleName(QStringLiteral("Texte du fichier"));
    donnerRoles(m_zone, role::Champ);
    m_zone->installEventFilter(this);
    placer(m_zone, 120, 435, 6495, 4560);

    TavPanel* fond = creerPanneau(this, QStringLiteral("FondCommandes"), Couleur::Degrade);
    placer(fond, 0, 5115, 6735, 1470);
    construireCommandes(fond);
}

void FenRechercheTxt::construireCommandes(TavPanel* fond)
{
    QLabel* etiquette = creerEtiquette(fond, QStringLiteral("LblMot"), QStringLiteral("Texte à trouver :"));
    placer(etiquette, 150, 150, 3800, 255);
    m_mot = creerChamp(fond, QStringLiteral("txtMotRechercher"), QStringLiteral("Texte à trouver"));
    etiquette->setBuddy(m_mot);
    placer(m_mot, 150, 435, 3800, 315);
    connect(m_mot, &QLineEdit::returnPressed, this, [this] { rechercher(1); });

    m_casse = new QCheckBox(fond);
    m_casse->setObjectName(QStringLiteral("CheckCasse"));
    m_casse->setAccessibleName(QStringLiteral("Respecter la casse"));
    placer(m_casse, 150, 960, 240, 240);
    connect(m_casse, &QCheckBox::toggled, this, [this](bool exacte) {
        m_comparaison = exacte ? ordalis::CaseMode::Exact : ordalis::CaseMode::IgnoreCase;
    });
    TavBttn* libelle =
        creerBouton(fond, QStringLiteral("LblCasse"), role::Commande, QStringLiteral("Respecter la casse"));
    libelle->setCaptionalign(Qt::AlignLeft);
    libelle->setGradientcolorstart(Qt::transparent);
    libelle->setGradientcolorend(Qt::transparent);
    placer(libelle, 420, 930, 2400, 300);
    connect(libelle, &TavBttn::clicked, m_casse, [this] { m_casse->setChecked(!m_casse->isChecked()); });

    placer(creerForme(fond, QStringLiteral("Forme6"), Couleur::DegradeInverse, Qt::Vertical), 4110, 120, 60, 1230);
    connect(commande(fond, "CmdFichier", "fichier", "Choix du fichier", 4320), &TavBttn::clicked, this,
            &FenRechercheTxt::choisirFichier);
    connect(commande(fond, "CmdRechercher", "rechercher", "Commencer la recherche", 5115), &TavBttn::clicked, this,
            [this] { rechercher(1); });
    connect(commande(fond, "CmdSuivant", "suivant", "Chercher l'occurence suivante", 5910), &TavBttn::clicked,
            this, [this] { rechercher(std::int64_t(m_derniere) + 1); });
}

TavBttn* FenRechercheTxt::commande(TavPanel* fond, const char* nom, const char* image, const char* bulle, int gauche)
{
    TavBttn* b = creerBouton(fond, QString::fromLatin1(nom), role::Aucun);
    b->setPicture(QStringLiteral(":/texttools/recherche/%1.svg").arg(QLatin1String(image)));
    installerBulle(b, m_general, QString::fromUtf8(bulle));
    placer(b, gauche, 315, 720, 720);
    return b;
}

bool FenRechercheTxt::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_zone && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            rechercher(std::int64_t(m_derniere) + 1);
            return true;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

void FenRechercheTxt::rechercher(std::int64_t depuis)
{
    const QString mot = m_mot->text();
    if (mot.isEmpty())
        return;
    const std::size_t trouve =
        ordalis::findText(m_zone->texte(), vueUtf16(mot), std::size_t(depuis), m_comparaison);
    if (trouve == 0) {
        m_general.dialogues().message(this, {m_general.TitreProgramme + QStringLiteral(" - Rechercher un texte"),
                                             QStringLiteral("La zone de recherche a été parcourue."),
                                             IconeMessage::Information});
        m_zone->setFocus();
        return;
    }
    m_derniere = std::int32_t(trouve);
    m_zone->selectionner(trouve - 1, std::size_t(mot.size()));
    m_zone->setFocus();
}

void FenRechercheTxt::choisirFichier()
{
    DemandeFichier demande;
    demande.filtre = QStringLiteral("Fichier texte ( *.txt  );;Tous les fichiers (*)");
    const std::optional<QString> chemin = m_general.dialogues().ouvrirFichier(this, demande);
    if (!chemin || chemin->isEmpty()) {
        m_general.JouerSon(General::SonFin);
        return;
    }
    m_mot->setFocus();
    setCursor(Qt::WaitCursor);
    m_chargement.demarrer([this, lu = *chemin](const std::atomic<bool>&, const Tache::Rapport& rapporter) {
        auto charge = std::make_shared<TexteCharge>(lireTexte(lu));
        rapporter([this, charge] {
            unsetCursor();
            afficher(*charge);
            Q_EMIT chargementTermine();
        });
    });
}

void FenRechercheTxt::afficher(TexteCharge& charge)
{
    switch (charge.etat) {
    case TexteCharge::Etat::Erreur:
        m_general.dialogues().message(this, {QStringLiteral("Ouvrir un fichier..."),
                                             QStringLiteral("Erreur de lecture de fichier. %1  %2")
                                                 .arg(charge.erreur.value())
                                                 .arg(versQString(charge.erreur.message())),
                                             IconeMessage::Stop});
        return;
    case TexteCharge::Etat::TropGros:
        m_general.dialogues().message(
            this, {QStringLiteral("Ouvrir un fichier..."),
                   QStringLiteral("Ce fichier fait %1 Mo : la recherche de texte ne lit que les fichiers de %2 Mo "
                                  "au plus.\nLe texte affiché reste le même.")
                       .arg((charge.taille + 1024 * 1024 - 1) / (1024 * 1024))
                       .arg(kTailleMaxTexte / (1024 * 1024)),
                   IconeMessage::Exclamation});
        return;
    case TexteCharge::Etat::Lu:
        break;
    }
    if (charge.texte.empty())
        return;  // an empty file leaves the text shown as it was
    m_zone->setTexte(std::move(charge.texte), std::move(charge.lignes));
}
