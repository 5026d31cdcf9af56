#include "search/fenrechercher.h"

#include "core/platform/platform.h"
#include "search/modeleresultats.h"
#include "search/moteurrecherche.h"
#include "search/vuesresultats.h"
#include "ui/bureau.h"
#include "ui/chrome.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/listes.h"
#include "ui/raisons.h"
#include "ui/tavbttn.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

const QString kSousDossiersExclus = QStringLiteral("Sous-dossiers inclus/exclus (EXCLUS)");
const QString kSousDossiersInclus = QStringLiteral("Sous-dossiers inclus/exclus (INCLUS)");
const QString kRechercher = QStringLiteral("Rechercher...");
const QString kTitre = QStringLiteral("Rechercher des fichiers");

// A view button: the gradient button with a small drawing of its view.
class BoutonVue : public TavBttn {
public:
    BoutonVue(VuesResultats::Vue vue, QWidget* parent) : TavBttn(parent), m_vue(vue) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        TavBttn::paintEvent(event);
        QPainter p(this);
        p.setOpacity(isEnabled() ? 1.0 : 0.35);
        p.translate(width() / 2 - 10, height() / 2 - 10);
        p.setPen(QPen(QColor(0x1e, 0x34, 0x40), 1.5));
        p.setBrush(QColor(0xe8, 0xee, 0xf2));
        switch (m_vue) {
        case VuesResultats::Vue::GrandesIcones:
            for (int i = 0; i < 4; ++i)
                p.drawRect(QRectF(1 + (i % 2) * 11, 1 + (i / 2) * 11, 7, 7));
            break;
        case VuesResultats::Vue::PetitesIcones:
            lignes(p, 2, 3, 10, 7);
            break;
        case VuesResultats::Vue::Liste:
            lignes(p, 2, 4, 10, 5);
            break;
        case VuesResultats::Vue::Details:
            lignes(p, 1, 4, 20, 5);
            break;
        }
    }

private:
    // `colonnes` columns of `rangs` rows: a small square and a line each.
    static void lignes(QPainter& p, int colonnes, int rangs, int pasX, int pasY)
    {
        for (int c = 0; c < colonnes; ++c) {
            for (int r = 0; r < rangs; ++r) {
                const qreal x = 1 + c * pasX, y = 1 + r * pasY;
                p.drawRect(QRectF(x, y, 3, 3));
                p.drawLine(QPointF(x + 5, y + 1.5), QPointF(x + pasX - 2, y + 1.5));
            }
        }
    }

    VuesResultats::Vue m_vue;
};

// Why a folder of the list cannot be opened: it went away since, or the
// program's words for the system's reason.
QString raisonDossier(const std::error_code& err)
{
    if (err == std::errc::no_such_file_or_directory)
        return QStringLiteral("il n'existe plus");
    if (err == std::errc::not_a_directory)
        return QStringLiteral("ce n'est plus un dossier");
    return raisonEnFrancais(err);
}

QString ligneCompte(int n)
{
    return QString::number(n) + (n > 1 ? QStringLiteral(" fichiers trouvés") : QStringLiteral(" fichier trouvé"));
}

const Bande bandes[] = {
    {"Forme1", 0, 315, 8355, 120, Couleur::Degrade},
    {"Forme2", 0, 435, 120, 6000, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme5", 8235, 435, 120, 3000, Couleur::Degrade, Qt::Vertical},
    {"Forme6", 8235, 3435, 120, 3000, Couleur::DegradeInverse, Qt::Vertical},
    {"Forme4", 180, 3300, 7995, 45, Couleur::DegradeInverse},
};

}  // namespace

FenRechercher::FenRechercher(General& general, QWidget* parent)
    : QWidget(parent, Qt::Window), m_general(general), m_modele(new ModeleResultats(this)),
      m_moteur(new MoteurRecherche(this))
{
    new Chrome(this, general, {.nom = "FenRechercher", .titre = kTitre, .largeur = 8355, .hauteur = 6585,
                               .options = {.aide = true, .sujetGauche = SujetAide::Recherche}, .bandes = bandes});
    construireCadre();
    connect(m_moteur, &MoteurRecherche::lot, this, [this](const std::shared_ptr<LotResultats>& lot) {
        m_modele->ajouter(std::move(*lot));
    });
    connect(m_moteur, &MoteurRecherche::terminee, this, &FenRechercher::finir);
    remplirLecteurs();
    setDossier(QFile::encodeName(QDir::toNativeSeparators(QDir::currentPath())).toStdString());
    appliquerCouleurs(this, general.couleurs);
}

FenRechercher::~FenRechercher()
{
    m_moteur->arreter();
}

TavBttn* FenRechercher::bouton(QWidget* parent, const char* nom, RolesCouleur roles, const QString& caption, int g,
                               int h, int l, int ht)
{
    TavBttn* b = creerBouton(parent, QString::fromLatin1(nom), roles, caption);
    placer(b, g, h, l, ht);
    return b;
}

void FenRechercher::construireCadre()
{
    auto* bas = creerPanneau(this, QStringLiteral("Forme7"), Couleur::DegradeInverse);
    bas->setEncadre(false);
    placer(bas, 0, 6435, 8355, 150);

    m_lecteur = new ListeLecteurs(this);
    m_lecteur->setObjectName(QStringLiteral("chxLecteur"));
    m_lecteur->setAccessibleName(QStringLiteral("Lecteurs"));
    donnerRoles(m_lecteur, role::Champ);
    placer(m_lecteur, 180, 495, 2940, 315);
    connect(m_lecteur, &QComboBox::activated, this, &FenRechercher::changerLecteur);
    m_repertoire = new ListeDossiers(this);
    m_repertoire->setObjectName(QStringLiteral("chxRepertoire"));
    m_repertoire->setAccessibleName(QStringLiteral("Dossiers"));
    donnerRoles(m_repertoire, role::Champ);
    placer(m_repertoire, 180, 855, 2940, 2385);
    connect(m_repertoire, &QListWidget::itemActivated, this, &FenRechercher::ouvrirDossier);

    auto* fond = creerPanneau(this, QStringLiteral("FondExtension"), Couleur::Degrade);
    placer(fond, 3240, 495, 4935, 1800);
    construireCritere(fond);
    construireAffichage();

    m_vues = new VuesResultats(m_modele, this);
    donnerRoles(m_vues, Couleur::TexteBoutons | Couleur::Visu);
    placer(m_vues, 180, 3390, 7995, 2985);
    connect(m_vues, &VuesResultats::ouvrir, this, &FenRechercher::ouvrirLigne);
}

void FenRechercher::construireCritere(TavPanel* fond)
{
    auto* sousExtension = creerPanneau(fond, QStringLiteral("SousExtension"), Couleur::DegradeInverse);
    placer(sousExtension, 90, 90, 4755, 675);
    placer(creerEtiquette(sousExtension, QStringLiteral("LblExtension"), QStringLiteral("Nom et/ou extension du fichier")),
           90, 45, 3900, 225);
    m_critere = creerChamp(sousExtension, QStringLiteral("txtCritere"), QStringLiteral("Nom et/ou extension du fichier"));
    placer(m_critere, 90, 300, 3900, 300);
    connect(m_critere, &QLineEdit::textChanged, m_moteur, &MoteurRecherche::setMotif);
    connect(m_critere, &QLineEdit::returnPressed, this, [this] {
        if (m_libre)
            demarrer();
    });
    m_critere->setText(QStringLiteral("*.txt"));
    TavBttn* lgn = bouton(sousExtension, "CmdLgN", role::Aucun, QString(), 4125, 75, 540, 525);
    lgn->setPicture(QStringLiteral(":/icons/renommer.svg"));
    installerBulle(lgn, m_general, QStringLiteral("Renommer les fichiers/Tous les fichiers (*.*)"));
    connect(lgn, &TavBttn::clicked, this, &FenRechercher::renommerFichiers);
    lgn->setActionDroite(true);
    connect(lgn, &TavBttn::mouseDown, this, [this](Qt::MouseButton b) {
        if (b == Qt::RightButton)
            m_critere->setText(QStringLiteral("*.*"));
    });

    auto* sousRechercher = creerPanneau(fond, QStringLiteral("SousRechercher"), Couleur::DegradeInverse);
    placer(sousRechercher, 90, 840, 4755, 420);
    m_rechercher = bouton(sousRechercher, "btnRechercher", Couleur::Degrade | role::Commande, kRechercher, 60, 60,
                          4635, 300);
    connect(m_rechercher, &TavBttn::clicked, this, &FenRechercher::basculerRecherche);
    auto* sousDossiers = creerPanneau(fond, QStringLiteral("FondSousDossiers"), Couleur::DegradeInverse);
    placer(sousDossiers, 90, 1290, 4755, 420);
    m_sousDossiersBouton = bouton(sousDossiers, "CmdRechercherDansSousRepertoires", role::Commande, kSousDossiersExclus,
                                  60, 60, 4635, 300);
    connect(m_sousDossiersBouton, &TavBttn::clicked, this, &FenRechercher::basculerSousDossiers);
}

void FenRechercher::construireAffichage()
{
    auto* affichage = creerPanneau(this, QStringLiteral("FondAffichage"), Couleur::Degrade | Couleur::Textes,
                                   QStringLiteral("Mode d'affichage"));
    placer(affichage, 3240, 2355, 2460, 885);
    struct BoutonAffichage {
        const char* nom;
        VuesResultats::Vue vue;
        const char* bulle;
    };
    static const BoutonAffichage boutons[] = {
        {"CmdGrandicones", VuesResultats::Vue::GrandesIcones, "Grandes icônes"},
        {"CmdPetiticones", VuesResultats::Vue::PetitesIcones, "Petites icônes"},
        {"CmdListe", VuesResultats::Vue::Liste, "Liste"},
        {"CmdDetails", VuesResultats::Vue::Details, "Détails"},
    };
    int gauche = 90;
    for (const BoutonAffichage& b : boutons) {
        auto* bouton = new BoutonVue(b.vue, affichage);
        bouton->setObjectName(QString::fromLatin1(b.nom));
        donnerRoles(bouton, role::Aucun);
        placer(bouton, gauche, 315, 540, 480);
        installerBulle(bouton, m_general, QString::fromUtf8(b.bulle));
        const VuesResultats::Vue vue = b.vue;
        connect(bouton, &TavBttn::clicked, this, [this, vue] { m_vues->setVue(vue); });
        gauche += 570;
    }
    m_compte = creerPanneau(this, QStringLiteral("Forme3"), Couleur::Degrade | Couleur::Textes);
    m_compte->setCaptionalign(Qt::AlignBottom | Qt::AlignLeft);
    placer(m_compte, 5760, 2355, 2415, 885);
}

void FenRechercher::remplirLecteurs()
{
    m_lecteur->clear();
    for (const Volume& v : volumesUtilisateur())
        m_lecteur->addItem(v.libelle, v.racine);
}

void FenRechercher::remettreLecteur()
{
    const int i = m_lecteur->findData(volumeDe(QFile::decodeName(QByteArray::fromStdString(m_dossier))));
    if (i >= 0)
        m_lecteur->setCurrentIndex(i);
}

void FenRechercher::changerLecteur(int index)
{
    const QString racine = m_lecteur->itemData(index).toString();
    if (racine == volumeDe(QFile::decodeName(QByteArray::fromStdString(m_dossier))))
        return;
    for (;;) {
        std::vector<ordalis::platform::DirEntry> entrees;
        const std::error_code err = ordalis::platform::listDirectory(QFile::encodeName(racine).toStdString(), entrees);
        if (!err) {
            setDossier(QFile::encodeName(racine).toStdString());
            return;
        }
        const Reponse r = m_general.dialogues().message(this,
            {m_general.TitreProgramme, QString::fromStdString(err.message()), IconeMessage::Exclamation,
             BoutonsMessage::RecommencerAnnuler, Reponse::Recommencer});
        if (r != Reponse::Recommencer) {
            remettreLecteur();
            return;
        }
    }
}

bool FenRechercher::setDossier(const std::string& chemin)
{
    return !lireDossier(chemin);
}

std::error_code FenRechercher::lireDossier(const std::string& chemin)
{
    std::vector<ordalis::platform::DirEntry> entrees;
    if (const std::error_code err = ordalis::platform::listDirectory(chemin, entrees))
        return err;
    m_dossier = chemin;
    m_repertoire->afficher(m_dossier, entrees);
    remettreLecteur();
    return {};
}

void FenRechercher::ouvrirDossier(QListWidgetItem* item)
{
    const std::string chemin = ListeDossiers::chemin(item);
    if (const std::error_code err = lireDossier(chemin))
        m_general.dialogues().message(this, {m_general.TitreProgramme,
            QStringLiteral("Le dossier « %1 » ne peut pas être ouvert : %2.").arg(item->text(), raisonDossier(err)),
            IconeMessage::Exclamation, BoutonsMessage::Ok, Reponse::Ok});
}

void FenRechercher::basculerRecherche()
{
    if (m_libre)
        demarrer();
    else
        arreter();
}

void FenRechercher::demarrer()
{
    setCursor(Qt::BusyCursor);
    m_modele->vider();
    m_rechercher->setCaption(QStringLiteral("Arrêter la recherche"));
    m_compte->setCaption(QString());
    m_libre = false;
    m_moteur->demarrer(m_dossier, m_sousDossiers);
}

void FenRechercher::arreter()
{
    m_moteur->arreter();
    finir();
}

void FenRechercher::finir()
{
    m_rechercher->setCaption(kRechercher);
    m_libre = true;
    unsetCursor();
    m_compte->setCaption(ligneCompte(m_modele->rowCount()));
    Q_EMIT rechercheTerminee();
}

void FenRechercher::basculerSousDossiers()
{
    m_sousDossiers = !m_sousDossiers;
    m_sousDossiersBouton->setCaption(m_sousDossiers ? kSousDossiersInclus : kSousDossiersExclus);
}

void FenRechercher::ouvrirLigne(int rangee)
{
    if (rangee >= 0 && rangee < m_modele->rowCount())
        QDesktopServices::openUrl(urlFichier(m_modele->ligne(rangee).key));
}

void FenRechercher::renommerFichiers()
{
    m_general.dialogues().ouvrirFichier(this, {QStringLiteral("Renommer les fichiers"), versQString(m_dossier),
                                               QString(), QString()});
}

void FenRechercher::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!m_libre)
            arreter();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FenRechercher::closeEvent(QCloseEvent* event)
{
    if (!m_libre)
        arreter();
    QWidget::closeEvent(event);
}
