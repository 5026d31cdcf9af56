#include "search/modeleresultats.h"

#include "core/natural.h"
#include "search/moteurrecherche.h"
#include "ui/ui.h"

#include <algorithm>
#include <numeric>

namespace {

template <class T>
int comparer(const T& a, const T& b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

}  // namespace

ModeleResultats::ModeleResultats(QObject* parent) : QAbstractTableModel(parent) {}

int ModeleResultats::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_ordre.size());
}

int ModeleResultats::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NombreColonnes;
}

QVariant ModeleResultats::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Ligne& l = ligneAffichee(index.row());
    const ordalis::SearchRow& r = l.resultat;
    if (role == Qt::DecorationRole && index.column() == Nom) {
        if (l.icone < 0)
            l.icone = m_icones.pourNom(r.displayName);
        return m_icones.icone(l.icone);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case Nom: return versQString(r.displayName);
    case Dossier: return versQString(r.displayFolder);
    case Taille: return versQString(r.sizeText);
    case Date: return versQString(r.dateText);
    case Heure: return versQString(r.timeText);
    case LongNom: return versQString(r.nameLengthText);
    default: return {};
    }
}

QVariant ModeleResultats::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const entetes[] = {"Nom", "Dans le dossier", "Taille", "Date", "Heure", "LgN"};
    return section >= 0 && section < NombreColonnes ? QString::fromLatin1(entetes[section]) : QVariant();
}

Qt::ItemFlags ModeleResultats::flags(const QModelIndex& index) const
{
    // Never editable: a result cannot be renamed in the list.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

const ordalis::SearchRow& ModeleResultats::ligne(int rangee) const
{
    return ligneAffichee(rangee).resultat;
}

void ModeleResultats::vider()
{
    beginResetModel();
    m_lignes.clear();
    m_ordre.clear();
    m_icones.vider();
    endResetModel();
}

void ModeleResultats::ajouter(LotResultats&& lot)
{
    if (lot.lignes.empty())
        return;
    const std::size_t debut = m_lignes.size();
    for (ordalis::SearchRow& r : lot.lignes)
        m_lignes.push_back({std::move(r)});
    for (const IconePropre& i : lot.icones)
        m_lignes[debut + i.ligne].icone = m_icones.pourImage(i.cle, i.image);
    if (m_trie) {
        insererTriees(debut);
        return;
    }
    beginInsertRows({}, int(debut), int(m_lignes.size()) - 1);
    for (std::size_t f = debut; f < m_lignes.size(); ++f)
        m_ordre.push_back(int(f));
    endInsertRows();
}

// Each run of new rows that go between the same two shown rows is inserted
// there at once: the rows already shown are neither compared again nor
// moved in the views.
void ModeleResultats::insererTriees(std::size_t debut)
{
    std::vector<int> nouvelles(m_lignes.size() - debut);
    std::iota(nouvelles.begin(), nouvelles.end(), int(debut));
    const auto cmp = [this](int a, int b) { return avant(a, b); };
    std::stable_sort(nouvelles.begin(), nouvelles.end(), cmp);
    for (std::size_t k = 0; k < nouvelles.size();) {
        const auto place = std::upper_bound(m_ordre.begin(), m_ordre.end(), nouvelles[k], cmp);
        std::size_t fin = k + 1;
        while (fin < nouvelles.size() && (place == m_ordre.end() || avant(nouvelles[fin], *place)))
            ++fin;
        const int rangee = int(place - m_ordre.begin());
        beginInsertRows({}, rangee, rangee + int(fin - k) - 1);
        m_ordre.insert(place, nouvelles.begin() + std::ptrdiff_t(k), nouvelles.begin() + std::ptrdiff_t(fin));
        endInsertRows();
        k = fin;
    }
}

void ModeleResultats::cliquerEntete(int colonne)
{
    m_trie = true;
    m_colonne = colonne;
    m_sens = m_sens == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    trierLignes();
}

// Rows of equal keys keep the order in which they were found.
bool ModeleResultats::avant(int a, int b) const
{
    const ordalis::SearchRow& x = m_lignes[std::size_t(a)].resultat;
    const ordalis::SearchRow& y = m_lignes[std::size_t(b)].resultat;
    int c = 0;
    switch (m_colonne) {
    case Nom: c = ordalis::naturalCompare(x.name, y.name); break;
    case Dossier: c = ordalis::naturalCompare(x.folder, y.folder); break;
    case Taille: c = comparer(x.size, y.size); break;
    case Date: c = comparer(x.writeTime, y.writeTime); break;
    case Heure:  // the time of day shown ("hh:mm"), then the moment
        c = comparer(x.timeText, y.timeText);
        c = c != 0 ? c : comparer(x.writeTime, y.writeTime);
        break;
    default: c = comparer(x.nameLength, y.nameLength); break;
    }
    return m_sens == Qt::AscendingOrder ? c < 0 : c > 0;
}

// Sorts every shown row again. Selected and current rows follow their files.
void ModeleResultats::trierLignes()
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList anciens = persistentIndexList();
    std::vector<int> fichiers;
    fichiers.reserve(std::size_t(anciens.size()));
    for (const QModelIndex& i : anciens)
        fichiers.push_back(m_ordre[std::size_t(i.row())]);

    std::iota(m_ordre.begin(), m_ordre.end(), 0);
    std::stable_sort(m_ordre.begin(), m_ordre.end(), [this](int a, int b) { return avant(a, b); });

    std::vector<int> rangees(m_ordre.size());
    for (std::size_t r = 0; r < m_ordre.size(); ++r)
        rangees[std::size_t(m_ordre[r])] = int(r);
    QModelIndexList nouveaux;
    nouveaux.reserve(anciens.size());
    for (qsizetype k = 0; k < anciens.size(); ++k)
        nouveaux << index(rangees[std::size_t(fichiers[std::size_t(k)])], anciens[k].column());
    changePersistentIndexList(anciens, nouveaux);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
