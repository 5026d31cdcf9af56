// The rename preview "Aperçu": a pane the rename panel opens at the right of
// the main window, listing in list order, for the command chosen (the one
// the user points at or focuses, or picks in its own list), every file the
// command would touch: its name, its new name and whether it is renamed,
// left unchanged or refused (and why), with a summary line.
#pragma once

#include "core/renamepreview.h"
#include "ui/tache.h"

#include <QAbstractListModel>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListView;
class TavPanel;

class ModeleApercu : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { NouveauNom = Qt::UserRole + 1, Etat, Refuse };

    using QAbstractListModel::QAbstractListModel;
    void remplacer(std::vector<ordalis::PlannedRename> lignes);
    const std::vector<ordalis::PlannedRename>& lignes() const { return m_lignes; }
    int rowCount(const QModelIndex& parent = {}) const override;
    // Display: the current name; a screen reader reads "ancien nom, nouveau nom, état".
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<ordalis::PlannedRename> m_lignes;
};

// The four commands of the rename panel, in the order of the pane's list.
enum class CommandeRenommage { Renommer, RenommerTous, Extension, ExtensionTous };

// Works out the rows off the interface thread: the folder listed again, then
// the request's plan over its names. Only the newest request is computed
// once the one running ends, and only its rows arrive (on the interface
// thread, never after this object is gone).
class CalculApercu : public QObject {
    Q_OBJECT
public:
    using Resultat = std::function<void(std::vector<ordalis::PlannedRename>)>;
    CalculApercu(QObject* parent, Resultat resultat);
    void demander(std::string dossier, ordalis::RenameRequest demande);

private:
    void lancer();

    Resultat m_resultat;
    std::optional<std::pair<std::string, ordalis::RenameRequest>> m_attente;
    Tache m_tache;
};

// The rows of `demande` over the folder as it is now: what a command carries
// out, on the interface thread.
std::vector<ordalis::PlannedRename> planActuel(const std::string& dossier, const ordalis::RenameRequest& demande);

class Apercu : public QWidget {
    Q_OBJECT
public:
    // A pane of `fenetre`, placed at its right edge and widening it while shown.
    explicit Apercu(QWidget* fenetre);

    void ouvrir();
    void fermer();
    CommandeRenommage commande() const;
    void setCommande(CommandeRenommage commande);
    void afficher(std::vector<ordalis::PlannedRename> lignes);
    ModeleApercu* modele() const { return m_modele; }

Q_SIGNALS:
    void commandeChangee();
    void affiche();  // new rows are shown

private:
    QWidget* m_fenetre;
    int m_largeurFenetre = 0;  // the window's own width
    TavPanel* m_cadre;
    QComboBox* m_commandes;
    QListView* m_liste;
    QLabel* m_bilan;
    ModeleApercu* m_modele;
};
