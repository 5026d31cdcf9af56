// The rows of the results list: name (with its icon), folder, size, date,
// time and name length, as texts, with the file's own bytes kept for
// opening it. Sorting, once a header asks for it, compares sizes and name
// lengths as numbers, dates as moments, times by the time of day shown (the
// moment breaking ties), names and folders in the program's natural order;
// rows that come later take their sorted place.
#pragma once

#include "core/filesearch.h"
#include "search/iconesfichiers.h"

#include <QAbstractTableModel>

#include <vector>

struct LotResultats;

class ModeleResultats : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Colonne { Nom, Dossier, Taille, Date, Heure, LongNom, NombreColonnes };

    explicit ModeleResultats(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Removes every row and every icon.
    void vider();
    void ajouter(LotResultats&& lot);

    // A header click: sorting is on from now on, by `colonne`, in the
    // direction opposite to the previous one.
    void cliquerEntete(int colonne);
    int colonneTri() const { return m_colonne; }
    Qt::SortOrder sensTri() const { return m_sens; }

    // The row shown at `rangee`.
    const ordalis::SearchRow& ligne(int rangee) const;
    // How many different icons the rows share.
    int nombreIcones() const { return m_icones.nombre(); }

private:
    struct Ligne {
        ordalis::SearchRow resultat;
        mutable int icone = -1;  // found on first display
    };

    bool avant(int a, int b) const;
    void trierLignes();
    // Shows the found rows from `debut` on, in their sorted places.
    void insererTriees(std::size_t debut);
    const Ligne& ligneAffichee(int rangee) const { return m_lignes[std::size_t(m_ordre[std::size_t(rangee)])]; }

    std::vector<Ligne> m_lignes;  // in the order found
    std::vector<int> m_ordre;     // shown row -> found row
    mutable IconesFichiers m_icones;
    bool m_trie = false;
    int m_colonne = Nom;
    Qt::SortOrder m_sens = Qt::DescendingOrder;  // the first click sorts ascending
};
