#include "fileops/navigateur.h"

#include "core/browser.h"
#include "core/natural.h"
#include "core/paths.h"
#include "core/pattern.h"
#include "core/platform/platform.h"
#include "fileops/modelefichiers.h"
#include "ui/bureau.h"
#include "ui/dialogues.h"
#include "ui/general.h"
#include "ui/listes.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QListView>

#include <algorithm>

Navigateur::Navigateur(QWidget* fenetre, TavPanel* cadre, General& general)
    : QObject(fenetre), m_general(general), m_lecteur(new ListeLecteurs(fenetre)),
      m_repertoire(new ListeDossiers(fenetre)), m_fichier(new QListView(cadre)), m_modele(new ModeleFichiers(this)),
      m_cadre(cadre)
{
    m_lecteur->setObjectName(QStringLiteral("Lecteur"));
    m_lecteur->setAccessibleName(QStringLiteral("Lecteurs"));
    m_repertoire->setObjectName(QStringLiteral("Repertoire"));
    m_repertoire->setAccessibleName(QStringLiteral("Dossiers"));
    m_fichier->setObjectName(QStringLiteral("Fichier"));
    m_fichier->setAccessibleName(QStringLiteral("Fichiers"));
    m_fichier->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fichier->setUniformItemSizes(true);
    m_fichier->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fichier->setModel(m_modele);
    m_cadre->setCaption(versQString(ordalis::kAucunFichier));

    remplirLecteurs();
    connect(m_lecteur, &QComboBox::activated, this, &Navigateur::changerLecteur);
    connect(m_repertoire, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setDossierNatif(ListeDossiers::chemin(item));
    });
    connect(m_fichier->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Navigateur::majSelection);
    setDossier(QDir::currentPath());
}

QListWidget* Navigateur::repertoire() const
{
    return m_repertoire;
}

QString Navigateur::dossier() const
{
    return versQString(m_dossier);
}

void Navigateur::remplirLecteurs()
{
    m_lecteur->clear();
    for (const Volume& v : volumesUtilisateur())
        m_lecteur->addItem(v.libelle, v.racine);
}

void Navigateur::remettreLecteur()
{
    const int i = m_lecteur->findData(volumeDe(dossier()));
    if (i >= 0)
        m_lecteur->setCurrentIndex(i);
}

void Navigateur::changerLecteur(int index)
{
    const QString racine = m_lecteur->itemData(index).toString();
    if (racine != volumeDe(dossier()))
        ouvrirVolume(racine);
}

void Navigateur::ouvrirVolume(const QString& racine)
{
    for (;;) {
        std::vector<ordalis::platform::DirEntry> entrees;
        const std::error_code err = ordalis::platform::listDirectory(racine.toStdString(), entrees);
        if (!err) {
            setDossier(racine);
            return;
        }
        const Reponse r = m_general.dialogues().message(m_fichier->window(),
            {m_general.TitreProgramme, QString::fromStdString(err.message()), IconeMessage::Exclamation,
             BoutonsMessage::RecommencerAnnuler, Reponse::Recommencer});
        if (r != Reponse::Recommencer) {
            remettreLecteur();
            return;
        }
    }
}

bool Navigateur::setDossier(const QString& chemin)
{
    return setDossierNatif(QDir::toNativeSeparators(QDir::cleanPath(QDir(chemin).absolutePath())).toStdString());
}

bool Navigateur::setDossierNatif(const std::string& chemin)
{
    std::vector<ordalis::platform::DirEntry> entrees;
    if (ordalis::platform::listDirectory(chemin, entrees))
        return false;
    m_dossier = chemin;
    m_repertoire->afficher(m_dossier, entrees);
    remettreLecteur();
    std::size_t fichiers = 0;
    m_modele->remplacer(filtrer(entrees, fichiers));
    m_cadre->setCaption(versQString(ordalis::kAucunFichier));
    Q_EMIT dossierChange(fichiers > 0);
    return true;
}

void Navigateur::setMotif(const QString& motif)
{
    m_motif = motif;
    rafraichir();
}

void Navigateur::filtreChange(const QString& texte)
{
    setMotif(QString::fromStdString(ordalis::patternFromFilter(texte.toStdString())));
    m_cadre->setCaption(versQString(ordalis::kAucunFichier));
}

std::vector<std::string> Navigateur::filtrer(std::vector<ordalis::platform::DirEntry>& entrees,
                                             std::size_t& fichiers) const
{
    const std::string motif = m_motif.toStdString();
    std::vector<std::string> noms;
    fichiers = 0;
    for (auto& e : entrees) {
        if (e.isDirectory || e.isSpecial)
            continue;
        if (e.isSymlink && ordalis::platform::leadsToFolder(chemin(e.name)))
            continue;  // a link to a folder belongs to the folder list
        ++fichiers;
        if (ordalis::matchesPattern(motif, e.name))
            noms.push_back(std::move(e.name));
    }
    std::sort(noms.begin(), noms.end(), ordalis::naturalLess);
    return noms;
}

void Navigateur::rafraichir()
{
    std::vector<ordalis::platform::DirEntry> entrees;
    ordalis::platform::listDirectory(m_dossier, entrees);
    std::size_t fichiers = 0;
    m_modele->remplacer(filtrer(entrees, fichiers));
}

bool Navigateur::selectionner(const std::string& nom)
{
    const std::vector<std::string>& liste = m_modele->noms();
    const auto trouve = std::find(liste.begin(), liste.end(), nom);
    if (trouve == liste.end())
        return false;
    const QModelIndex index = m_modele->index(int(trouve - liste.begin()), 0);
    m_fichier->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_fichier->scrollTo(index);
    return true;
}

const std::vector<std::string>& Navigateur::noms() const
{
    return m_modele->noms();
}

std::vector<bool> Navigateur::selection() const
{
    std::vector<bool> out(m_modele->noms().size());
    for (const QItemSelectionRange& r : m_fichier->selectionModel()->selection())
        for (int i = r.top(); i <= r.bottom(); ++i)
            out[std::size_t(i)] = true;
    return out;
}

std::string Navigateur::chemin(const std::string& nom) const
{
    return ordalis::joinPath(m_dossier, nom, ordalis::platform::separator());
}

void Navigateur::majSelection()
{
    const QModelIndex courant = m_fichier->selectionModel()->currentIndex();
    if (courant.isValid())
        m_general.FichierCourant = chemin(m_modele->nom(courant.row()));
    const std::vector<bool> choix = selection();
    const auto choisis = std::size_t(std::count(choix.cbegin(), choix.cend(), true));
    m_cadre->setCaption(QString::fromStdString(ordalis::selectionCaption(choisis)));
    Q_EMIT selectionChange();
}
