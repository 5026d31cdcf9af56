#include "fileops/modelefichiers.h"

int ModeleFichiers::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_noms.size());
}

QVariant ModeleFichiers::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const std::string& n = m_noms[std::size_t(index.row())];
    return QString::fromUtf8(n.data(), qsizetype(n.size()));
}

void ModeleFichiers::remplacer(std::vector<std::string> noms)
{
    beginResetModel();
    m_noms = std::move(noms);
    endResetModel();
}
