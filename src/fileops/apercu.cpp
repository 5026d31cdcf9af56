#include "fileops/apercu.h"

#include "core/platform/platform.h"
#include "ui/couleurs.h"
#include "ui/tavpanel.h"
#include "ui/ui.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <memory>

namespace {

constexpr int kLargeur = 5400;  // twips

QString nomAffiche(const std::string& nom)
{
    return versQString(nom);  // bytes that are not UTF-8 show as U+FFFD
}

// Three columns in one row: the name, the new name, the state; a refused
// row's state in red.
class DelegueApercu : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem fond = option;
        initStyleOption(&fond, index);
        fond.text.clear();
        option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &fond, p, option.widget);
        const QRect r = option.rect.adjusted(3, 0, -3, 0);
        const int colonne = r.width() * 3 / 8;
        const bool choisie = option.state & QStyle::State_Selected;
        const QPalette::ColorRole role = choisie ? QPalette::HighlightedText : QPalette::Text;
        const QString textes[] = {index.data().toString(), index.data(ModeleApercu::NouveauNom).toString(),
                                  index.data(ModeleApercu::Etat).toString()};
        const QRect zones[] = {QRect(r.left(), r.top(), colonne - 4, r.height()),
                               QRect(r.left() + colonne, r.top(), colonne - 4, r.height()),
                               QRect(r.left() + 2 * colonne, r.top(), r.width() - 2 * colonne, r.height())};
        for (int i = 0; i < 3; ++i) {
            p->setPen(i == 2 && !choisie && index.data(ModeleApercu::Refuse).toBool()
                          ? QColor(0xB0, 0, 0) : option.palette.color(role));
            p->drawText(zones[i], Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        option.fontMetrics.elidedText(textes[i], Qt::ElideMiddle, zones[i].width()));
        }
    }
};

}  // namespace

void ModeleApercu::remplacer(std::vector<ordalis::PlannedRename> lignes)
{
    if (lignes.size() != m_lignes.size() || m_lignes.empty()) {
        beginResetModel();
        m_lignes = std::move(lignes);
        endResetModel();
        return;
    }
    m_lignes = std::move(lignes);  // the same files: the view keeps its place and its current row
    Q_EMIT dataChanged(index(0), index(rowCount() - 1));
}

int ModeleApercu::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lignes.size());
}

QVariant ModeleApercu::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_lignes.size())
        return {};
    const ordalis::PlannedRename& ligne = m_lignes[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: return nomAffiche(ligne.op.oldName);
    case NouveauNom: return nomAffiche(ligne.op.newName);
    case Etat: return versQString(ordalis::outcomeText(ligne));
    case Refuse: return ligne.outcome == ordalis::Outcome::Refused;
    case Qt::AccessibleTextRole:
        return QStringList{nomAffiche(ligne.op.oldName), nomAffiche(ligne.op.newName),
                           versQString(ordalis::outcomeText(ligne))}
            .join(QStringLiteral(", "));
    default: return {};
    }
}

CalculApercu::CalculApercu(QObject* parent, Resultat resultat) : QObject(parent), m_resultat(std::move(resultat)) {}

void CalculApercu::demander(std::string dossier, ordalis::RenameRequest demande)
{
    m_attente.emplace(std::move(dossier), std::move(demande));
    if (!m_tache.enCours())
        lancer();
}

void CalculApercu::lancer()
{
    auto [dossier, demande] = std::move(*m_attente);
    m_attente.reset();
    m_tache.demarrer(
        [this, dossier = std::move(dossier), demande = std::move(demande)](const std::atomic<bool>&,
                                                                          const Tache::Rapport& rapporter) {
            auto lignes = std::make_shared<std::vector<ordalis::PlannedRename>>(planActuel(dossier, demande));
            rapporter([this, lignes] {
                if (!m_attente)  // else already old: the newest request follows
                    m_resultat(std::move(*lignes));
            });
        },
        [this] {
            if (m_attente)
                lancer();
        });
}

std::vector<ordalis::PlannedRename> planActuel(const std::string& dossier, const ordalis::RenameRequest& demande)
{
    std::vector<ordalis::platform::DirEntry> entrees;
    ordalis::platform::listDirectory(dossier, entrees);
    std::vector<std::string> presents;
    presents.reserve(entrees.size());
    for (auto& e : entrees)
        presents.push_back(std::move(e.name));
    return ordalis::planRequest(demande, presents, ordalis::platform::namesIgnoreCase(dossier, demande.names));
}

Apercu::Apercu(QWidget* fenetre)
    : QWidget(fenetre), m_fenetre(fenetre), m_cadre(creerPanneau(this, QStringLiteral("FondApercu"),
                                                                 role::Panneau, QStringLiteral("Aperçu"))),
      m_commandes(new QComboBox(m_cadre)), m_liste(new QListView(m_cadre)), m_bilan(new QLabel(m_cadre)),
      m_modele(new ModeleApercu(this))
{
    setObjectName(QStringLiteral("Apercu"));
    hide();
    placer(m_cadre, 0, 0, kLargeur - 60, 5100);
    m_commandes->setObjectName(QStringLiteral("chxApercu"));
    m_commandes->setAccessibleName(QStringLiteral("Commande prévue"));
    m_commandes->addItems({QStringLiteral("Renommer les fichiers sélectionnés"),
                           QStringLiteral("Renommer tous les fichiers"),
                           QStringLiteral("Changer l'extension des fichiers sélectionnés"),
                           QStringLiteral("Changer l'extension de tous les fichiers")});
    placer(m_commandes, 90, 330, kLargeur - 240, 330);
    connect(m_commandes, &QComboBox::activated, this, &Apercu::commandeChangee);
    m_liste->setObjectName(QStringLiteral("LstApercu"));
    donnerRoles(m_liste, role::Champ);
    m_liste->setAccessibleName(QStringLiteral("Aperçu : ancien nom, nouveau nom, état"));
    m_liste->setUniformItemSizes(true);
    m_liste->setModel(m_modele);
    m_liste->setItemDelegate(new DelegueApercu(m_liste));
    placer(m_liste, 90, 720, kLargeur - 240, 3960);
    m_bilan->setObjectName(QStringLiteral("LblBilanApercu"));
    placer(m_bilan, 90, 4740, kLargeur - 240, 270);
}

void Apercu::ouvrir()
{
    if (isVisible())
        return;
    m_largeurFenetre = m_fenetre->width();
    m_fenetre->setFixedWidth(m_largeurFenetre + tw(kLargeur));
    setGeometry(m_largeurFenetre, 0, tw(kLargeur), m_fenetre->height());
    show();
    raise();
}

void Apercu::fermer()
{
    if (!isVisible())
        return;
    hide();
    m_fenetre->setFixedWidth(m_largeurFenetre);
}

CommandeRenommage Apercu::commande() const
{
    return CommandeRenommage(m_commandes->currentIndex());
}

void Apercu::setCommande(CommandeRenommage commande)
{
    if (commande == this->commande())
        return;
    m_commandes->setCurrentIndex(int(commande));
    Q_EMIT commandeChangee();
}

void Apercu::afficher(std::vector<ordalis::PlannedRename> lignes)
{
    m_bilan->setText(versQString(ordalis::outcomeSummary(ordalis::countOutcomes(lignes))));
    m_modele->remplacer(std::move(lignes));
    Q_EMIT affiche();
}
