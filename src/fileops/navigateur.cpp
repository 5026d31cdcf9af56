#include "fileops/navigateur.h"

#include "app/dialogues.h"
#include "app/general.h"
#include "app/ui.h"
#include "app/tavpanel.h"
#include "core/browser.h"
#include "core/paths.h"
#include "core/pattern.h"
#include "core/platform/platform.h"
#include "fileops/listes.h"

#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

#include <algorithm>

namespace {

QString depuisStd(const std::string& s) { return QString::fromStdString(s); }

QStringList trier(QStringList noms)
{
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(true);
    std::sort(noms.begin(), noms.end(), [&c](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    return noms;
}

}  // namespace

Navigateur::Navigateur(QWidget* fenetre, TavPanel* cadre, General& general)
    : QObject(fenetre), m_general(general), m_lecteur(new ListeLecteurs(fenetre)),
      m_repertoire(new ListeDossiers(fenetre)), m_fichier(new QListWidget(cadre)),
      m_list1(new QListWidget(fenetre)), m_cadre(cadre)
{
    m_lecteur->setObjectName(QStringLiteral("Lecteur"));
    m_lecteur->setAccessibleName(QStringLiteral("Lecteurs"));
    m_repertoire->setObjectName(QStringLiteral("Repertoire"));
    m_repertoire->setAccessibleName(QStringLiteral("Dossiers"));
    m_fichier->setObjectName(QStringLiteral("Fichier"));
    m_fichier->setAccessibleName(QStringLiteral("Fichiers"));
    m_fichier->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fichier->setUniformItemSizes(true);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->hide();
    m_cadre->setCaption(versQString(ordalis::kAucunFichier));

    remplirLecteurs();
    connect(m_lecteur, &QComboBox::activated, this, &Navigateur::changerLecteur);
    connect(m_repertoire, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setDossier(item->data(Qt::UserRole).toString());
    });
    connect(m_fichier, &QListWidget::itemSelectionChanged, this, &Navigateur::majSelection);
    setDossier(QDir::currentPath());
}

void Navigateur::remplirLecteurs()
{
    m_lecteur->clear();
    for (const Volume& v : volumesUtilisateur())
        m_lecteur->addItem(v.libelle, v.racine);
}

void Navigateur::remettreLecteur()
{
    const int i = m_lecteur->findData(volumeDe(m_dossier));
    if (i >= 0)
        m_lecteur->setCurrentIndex(i);
}

void Navigateur::changerLecteur(int index)
{
    const QString racine = m_lecteur->itemData(index).toString();
    if (racine != volumeDe(m_dossier))
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
    std::vector<ordalis::platform::DirEntry> entrees;
    const QString propre = QDir::cleanPath(QDir(chemin).absolutePath());
    if (ordalis::platform::listDirectory(QDir::toNativeSeparators(propre).toStdString(), entrees))
        return false;
    m_dossier = QDir::toNativeSeparators(propre);
    remplirDossiers();
    remettreLecteur();
    rafraichir();
    m_cadre->setCaption(versQString(ordalis::kAucunFichier));
    Q_EMIT dossierChange(!ordalis::DossierVide(m_dossier.toStdString(), true));
    return true;
}

void Navigateur::remplirDossiers()
{
    static_cast<ListeDossiers*>(m_repertoire)->afficher(m_dossier);
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

void Navigateur::rafraichir()
{
    std::vector<ordalis::platform::DirEntry> entrees;
    ordalis::platform::listDirectory(m_dossier.toStdString(), entrees);
    const std::string motif = m_motif.toStdString();
    QStringList noms;
    const QDir dossier(m_dossier);
    for (const auto& e : entrees) {
        if (e.isDirectory || e.isSpecial || !ordalis::matchesPattern(motif, e.name))
            continue;
        if (e.isSymlink && QFileInfo(dossier.filePath(depuisStd(e.name))).isDir())
            continue;  // a link to a folder belongs to the folder list
        noms << depuisStd(e.name);
    }
    const QSignalBlocker bloque(m_fichier);
    m_fichier->clear();
    m_fichier->addItems(trier(noms));
}

QStringList Navigateur::noms() const
{
    QStringList out;
    for (int i = 0; i < m_fichier->count(); ++i)
        out << m_fichier->item(i)->text();
    return out;
}

std::vector<bool> Navigateur::selection() const
{
    std::vector<bool> out(std::size_t(m_fichier->count()));
    for (int i = 0; i < m_fichier->count(); ++i)
        out[std::size_t(i)] = m_fichier->item(i)->isSelected();
    return out;
}

void Navigateur::majSelection()
{
    if (QListWidgetItem* courant = m_fichier->currentItem()) {
        const auto chemin = ordalis::joinPath(m_dossier.toStdString(), courant->text().toStdString(),
                                              ordalis::platform::separator());
        m_general.FichierCourant = QString::fromStdString(chemin);
    }
    m_list1->clear();
    for (int i = 0; i < m_fichier->count(); ++i) {
        if (m_fichier->item(i)->isSelected())
            m_list1->addItem(m_fichier->item(i)->text());
    }
    m_cadre->setCaption(QString::fromStdString(ordalis::selectionCaption(std::size_t(m_list1->count()))));
    Q_EMIT selectionChange();
}
