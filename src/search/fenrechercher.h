// The file search window: a drive, a start folder, a name pattern and the
// subfolders switch; "Rechercher..." starts the search on a worker thread
// and, while it runs, stops it (so does Escape). Found files fill the
// results list as they come; the count line is shown at the end. The window
// can be closed at any moment: a running search is stopped first.
#pragma once

#include "ui/couleurs.h"

#include <QWidget>

#include <string>
#include <system_error>

class General;
class ListeDossiers;
class ListeLecteurs;
class ModeleResultats;
class MoteurRecherche;
class QLineEdit;
class QListWidgetItem;
class TavBttn;
class TavPanel;
class VuesResultats;

class FenRechercher : public QWidget {
    Q_OBJECT
public:
    explicit FenRechercher(General& general, QWidget* parent = nullptr);
    ~FenRechercher() override;

    // The click of btnRechercher: starts a search when none runs, else
    // stops it.
    void basculerRecherche();
    bool rechercheLibre() const { return m_libre; }

    // The start folder (chxRepertoire's current path), as the system gives it.
    const std::string& dossier() const { return m_dossier; }
    // Shows `chemin` in the folder list; false (nothing changed) when it
    // cannot be listed.
    bool setDossier(const std::string& chemin);

    ModeleResultats* resultats() const { return m_modele; }
    VuesResultats* vues() const { return m_vues; }

Q_SIGNALS:
    // The search has ended, by itself or stopped; the count line is shown.
    void rechercheTerminee();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void construireCadre();
    void construireCritere(TavPanel* fond);
    void construireAffichage();
    TavBttn* bouton(QWidget* parent, const char* nom, RolesCouleur roles, const QString& caption, int g, int h, int l,
                    int ht);
    void remplirLecteurs();
    void changerLecteur(int index);
    void remettreLecteur();
    void demarrer();
    void arreter();
    void finir();
    void basculerSousDossiers();
    void ouvrirLigne(int rangee);
    void renommerFichiers();
    std::error_code lireDossier(const std::string& chemin);
    // An item of the folder list opened: a folder that cannot be listed says why.
    void ouvrirDossier(QListWidgetItem* item);

    General& m_general;
    ListeLecteurs* m_lecteur = nullptr;
    ListeDossiers* m_repertoire = nullptr;
    QLineEdit* m_critere = nullptr;
    TavBttn* m_rechercher = nullptr;
    TavBttn* m_sousDossiersBouton = nullptr;
    TavPanel* m_compte = nullptr;
    ModeleResultats* m_modele;
    VuesResultats* m_vues = nullptr;
    MoteurRecherche* m_moteur;
    std::string m_dossier;
    bool m_libre = true;
    bool m_sousDossiers = false;
};
