// The rows of the file list: one name per row, kept as the bytes the system
// gave, shown as text (a byte that is not UTF-8 shows as a replacement
// character). No item object per file, so a folder of 200,000 files loads
// and selects quickly.
#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

class ModeleFichiers : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void remplacer(std::vector<std::string> noms);
    const std::vector<std::string>& noms() const { return m_noms; }
    const std::string& nom(int ligne) const { return m_noms[std::size_t(ligne)]; }

private:
    std::vector<std::string> m_noms;
};
