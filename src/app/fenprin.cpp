#include "app/fenprin.h"

#include "ui/chrome.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "app/annulation.h"
#include "app/menuconfig.h"
#include "app/ouverture.h"
#include "app/outils.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"
#include "core/browser.h"
#include "fileops/contexte.h"
#include "fileops/marchedossier.h"
#include "fileops/navigateur.h"
#include "fileops/panneauattributs.h"
#include "fileops/panneaudateheure.h"
#include "fileops/panneauproprietes.h"
#include "fileops/panneaurenommer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>

namespace {

using I = IconesFenPrin;

struct BoutonIcone {
    const char *nom, *image, *bulle;
    TavBttn* I::*membre;  // where the window keeps it
};

// The icon bar, from left to right.
const BoutonIcone barreIcones[] = {
    {"CmdExplorer", "explorer", "Vérification des modifications", &I::explorer},
    {"CmdProprietes", "proprietes",
     "Date-heure et attributs du fichier sélectionné/Propriétés du fichier sélectionné", &I::proprietes},
    {"CmdDateHeure", "dateheure", "Modification de la date et de l'heure du ou des fichiers sélectionnés",
     &I::dateHeure},
    {"CmdToutDateHeure", "toutdateheure", "Modification de la date et de l'heure de tout le dossier",
     &I::toutDateHeure},
    {"CmdAttributs", "attributs", "Modification des attributs du ou des fichiers sélectionnés", &I::attributs},
    {"CmdToutAttributs", "toutattributs", "Modification des attributs de tout le dossier", &I::toutAttributs},
    {"CmdRename", "renommer", "Renommer les fichiers/Retour", &I::renommer},
    {"CmdFiFi", "rechercher", "Recherche de fichiers/Fenêtre\"Rechercher\" de l'explorateur", &I::fifi},
    {"CmdCrypteur", "crypteur", "Crypter/décrypter un texte", &I::crypteur},
    {"CmdChercheTxt", "cherchetxt", "Rechercher un texte dans un fichier", &I::chercheTxt},
    {"CmdApropos", "apropos",
     "A propos de Ordalis.../Changer les couleurs, afficher ou non les info-bulles et les conseils au "
     "démarrage, désinstaller", &I::apropos},
    {"CmdAide", "aide", "Appel de l'aide générale/Appel de l'aide sur la fenêtre", &I::aide},
};

const Bande bandes[] = {
    {"Forme4", 0, 315, 8460, 315, Couleur::DegradeInverse},
    {"Forme1", 0, 615, 600, 1680, Couleur::Degrade, Qt::Vertical},
    {"Forme2", 0, 2295, 600, 1650, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme5", 7860, 615, 600, 1680, Couleur::Degrade, Qt::Vertical},
    {"Forme6", 7860, 2295, 600, 1650, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme3", 0, 3945, 8460, 255, Couleur::Degrade},
    {"Forme7", 0, 4815, 8460, 195, Couleur::Degrade},
    {"Forme8", 0, 5010, 8460, 195, Couleur::DegradeInverse},
};

}  // namespace

FenPrin::FenPrin(General& general, QWidget* parent)
    : QWidget(parent), m_general(general), m_journal(cheminJournalRenommage())
{
    setAcceptDrops(true);
    m_chrome = new Chrome(this, general, {.nom = "FenPrin", .largeur = 8460, .hauteur = 5205,
                                          .options = {.principale = true}, .bandes = bandes});
    m_outils = new Outils(general, this);
    construireNavigateur();
    construireBarreIcones();
    creerContexte();
    m_dateHeure = new PanneauDateHeure(*m_contexte);
    m_attributs = new PanneauAttributs(*m_contexte);
    m_renommer = new PanneauRenommer(*m_contexte, m_journal);
    m_proprietes = new PanneauProprietes(*m_contexte);
    m_menu = new MenuConfiguration(*this, m_general);
    connect(m_menu, &MenuConfiguration::couleursChangees, this, &FenPrin::ProcCoulDefUtil);
    connect(m_menu, &MenuConfiguration::aproposDemande, m_outils, &Outils::ouvrirApropos);
    m_popUp = m_menu->panneau();
    brancherNavigateur();
    // Ctrl+Z in a text box undoes its typing while it has some to undo.
    for (QLineEdit* champ : findChildren<QLineEdit*>())
        champ->installEventFilter(this);
}

FenPrin::~FenPrin()
{
    arreterCommande();
}

void FenPrin::creerContexte()
{
    const CommandesFichiers commandes{m_icones.dateHeure, m_icones.toutDateHeure, m_icones.attributs,
                                      m_icones.toutAttributs, m_icones.renommer, m_icones.proprietes};
    m_suspension = std::make_unique<Suspension>();
    m_suspension->inscrire({commandes.dateHeure, commandes.toutDateHeure, commandes.attributs,
                            commandes.toutAttributs, commandes.renommer, commandes.proprietes,
                            m_navigateur->lecteur(), m_navigateur->repertoire(), m_navigateur->fichier()});
    m_contexte = std::make_unique<ContexteFichiers>(ContexteFichiers{m_general, this, m_navigateur, m_nbFichiers,
        m_progression, commandes, m_suspension.get(), [this] { masquerMenu(); }, {}});
}

void FenPrin::arreterCommande()
{
    if (m_contexte && m_contexte->marche)
        m_contexte->marche->arreter();
}

void FenPrin::interrompreCommande()
{
    if (m_contexte && m_contexte->marche)
        m_contexte->marche->interrompre();
}

void FenPrin::annulerRenommage()
{
    if (m_contexte->marche)
        return;
    masquerMenu();
    if (annulerDernierRenommage(m_general, this, m_journal))
        m_renommer->retablirFiltre();
    m_navigateur->rafraichir();
    m_nbFichiers->setCaption(versQString(ordalis::kAucunFichier));
}

bool FenPrin::ouvrir(const std::string& chemin)
{
    return ouvrirChemin(*m_navigateur, m_general, chemin);
}

void FenPrin::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        interrompreCommande();
    else if (event->matches(QKeySequence::Undo))
        annulerRenommage();
    else
        QWidget::keyPressEvent(event);
}

bool FenPrin::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)) {
        const auto* champ = qobject_cast<QLineEdit*>(objet);
        if (champ && !(champ->isUndoAvailable() && !champ->isReadOnly())) {
            annulerRenommage();
            return true;
        }
    }
    return QWidget::eventFilter(objet, event);
}

void FenPrin::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_contexte->marche && !cheminDepose(*event->mimeData()).empty())
        event->acceptProposedAction();
}

void FenPrin::dropEvent(QDropEvent* event)
{
    const std::string chemin = cheminDepose(*event->mimeData());
    if (m_contexte->marche || chemin.empty())
        return;
    event->acceptProposedAction();
    ouvrir(chemin);
}

void FenPrin::construireNavigateur()
{
    m_nbFichiers = creerPanneau(this, QStringLiteral("NbFichiers"), Couleur::Degrade | role::Champ);
    m_nbFichiers->setCaptionalign(Qt::AlignBottom | Qt::AlignLeft);
    placer(m_nbFichiers, 2955, 615, 2280, 3330);
    m_navigateur = new Navigateur(this, m_nbFichiers, m_general);
    donnerRoles(m_navigateur->lecteur(), role::Champ);
    donnerRoles(m_navigateur->repertoire(), role::Champ);
    donnerRoles(m_navigateur->fichier(), role::Champ);
    placer(m_navigateur->lecteur(), 600, 615, 2355, 315);
    placer(m_navigateur->repertoire(), 600, 930, 2355, 3015);
    placer(m_navigateur->fichier(), 15, 15, 2235, 2955);

    m_progression = new QProgressBar(this);
    m_progression->setObjectName(QStringLiteral("ProgressBar"));
    m_progression->setTextVisible(false);
    m_progression->setGeometry(tw(600), tw(3990), tw(7260), tw(165));
    m_progression->hide();
}

void FenPrin::construireBarreIcones()
{
    auto* barre = creerPanneau(this, QStringLiteral("FondIcones"), Couleur::DegradeInverse);
    barre->setEncadre(false);
    placer(barre, 0, 4200, 8460, 615);
    int gauche = 600;
    for (const BoutonIcone& b : barreIcones) {
        TavBttn* bouton = m_icones.*b.membre = creerBouton(barre, QString::fromLatin1(b.nom), role::Aucun);
        bouton->setPicture(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(b.image)));
        placer(bouton, gauche, 60, 600, 480);
        gauche += 600;
        if (b.membre == &I::aide) {
            // The menu goes before the help window opens.
            connect(bouton, &TavBttn::clicked, this, &FenPrin::masquerMenu);
            m_chrome->brancherAide(bouton, SujetAide::Sommaire, SujetAide::FenetrePrincipale, QString::fromUtf8(b.bulle));
        } else {
            installerBulle(bouton, m_general, QString::fromUtf8(b.bulle));
        }
    }
    connect(m_icones.apropos, &TavBttn::clicked, this, &FenPrin::basculerMenu);
    for (TavBttn* b : {m_icones.fifi, m_icones.crypteur, m_icones.chercheTxt})
        connect(b, &TavBttn::clicked, this, &FenPrin::masquerMenu);
    connect(m_icones.fifi, &TavBttn::clicked, m_outils, &Outils::ouvrirRecherche);
    m_icones.fifi->setActionDroite(true);
    connect(m_icones.fifi, &TavBttn::mouseDown, this, [this](Qt::MouseButton b) {
        if (b == Qt::RightButton) {
            masquerMenu();
            m_outils->rechercheSysteme();
        }
    });
    connect(m_icones.crypteur, &TavBttn::clicked, m_outils, &Outils::ouvrirCrypteur);
    connect(m_icones.chercheTxt, &TavBttn::clicked, m_outils, &Outils::ouvrirRechercheTexte);
    connect(m_icones.explorer, &TavBttn::clicked, this, [this] {
        masquerMenu();
        m_general.dialogues().ouvrirFichier(this, {QStringLiteral("Vérification des modifications"),
                                                   m_navigateur->dossier(), QString(), QString()});
    });
}

void FenPrin::brancherNavigateur()
{
    connect(m_navigateur, &Navigateur::dossierChange, this, [this](bool contientFichiers) {
        for (TavBttn* b : {m_icones.attributs, m_icones.dateHeure, m_icones.proprietes})
            b->setEnabled(false);
        m_icones.renommer->setEnabled(contientFichiers);
    });
    connect(m_navigateur, &Navigateur::selectionChange, this, [this] {
        for (TavBttn* b : {m_icones.attributs, m_icones.dateHeure, m_icones.proprietes})
            b->setEnabled(true);
    });
}

void FenPrin::charger()
{
    m_menu->lireInterrupteurs();  // applies the colours read
    for (TavBttn* b : {m_icones.attributs, m_icones.dateHeure, m_icones.proprietes, m_icones.renommer})
        b->setEnabled(false);
}

void FenPrin::ProcCoulDefUtil()
{
    appliquerCouleurs(this, m_general.couleurs);
}

void FenPrin::masquerMenu()
{
    m_popUp->hide();
}

void FenPrin::basculerMenu()
{
    if (m_popUp->isVisible()) {
        m_popUp->hide();
        return;
    }
    m_popUp->move(tw(4620), tw(420));
    m_popUp->show();
    m_popUp->raise();
}

void FenPrin::rafraichirLegendes()
{
    m_chrome->deplace()->setCaption(m_general.TitreProgramme);
    m_menu->rafraichirInterrupteurs();
}

void FenPrin::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        rafraichirLegendes();
    }
    QWidget::changeEvent(event);
}

void FenPrin::closeEvent(QCloseEvent* event)
{
    if (!FermerTout()) {  // a tool window kept its work
        event->ignore();
        return;
    }
    arreterCommande();
    event->accept();
}
