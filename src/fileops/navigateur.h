// The three-level folder browser of the main window: the volume list
// `Lecteur`, the folder list `Repertoire` and the multi-selection file list
// `Fichier`, kept in step, with the selection count on `NbFichiers`. Folder
// and file names are kept as the bytes the system gave, so a name that is
// not valid UTF-8 is shown with a replacement character and still acted on.
#pragma once

#include <QObject>
#include <QString>

#include "core/platform/platform.h"

#include <string>
#include <vector>

class General;
class ListeDossiers;
class ModeleFichiers;
class QComboBox;
class QListView;
class QListWidget;
class TavPanel;

class Navigateur : public QObject {
    Q_OBJECT
public:
    // Creates the lists inside `fenetre` (and the file list inside `cadre`),
    // on the process's current folder.
    Navigateur(QWidget* fenetre, TavPanel* cadre, General& general);

    QComboBox* lecteur() const { return m_lecteur; }
    QListWidget* repertoire() const;
    QListView* fichier() const { return m_fichier; }

    // The folder shown, as text and as the system's path.
    QString dossier() const;
    const std::string& dossierNatif() const { return m_dossier; }
    QString motif() const { return m_motif; }

    // Folder change: reloads the file list, resets the count caption.
    // False (and nothing changed) when the folder cannot be listed.
    bool setDossier(const QString& chemin);
    bool setDossierNatif(const std::string& chemin);
    // The file list's pattern ("*.txt"); reloads the list.
    void setMotif(const QString& motif);
    // Filter text as typed in the extension box: pattern and caption reset.
    void filtreChange(const QString& texte);
    // Reloads the file list from disk; the selection is cleared.
    void rafraichir();
    // Selects the file `nom` of the list alone, as a click would, and shows
    // it; false (selection unchanged) when the list does not show it.
    bool selectionner(const std::string& nom);
    // Drive change: opens the volume at `racine`. While it cannot be
    // listed the user is asked to retry or cancel; cancel puts the volume
    // list back on the volume of the folder shown.
    void ouvrirVolume(const QString& racine);

    // The names of the list in its order, and one flag per name.
    const std::vector<std::string>& noms() const;
    std::vector<bool> selection() const;
    // Full path of a name of the folder shown.
    std::string chemin(const std::string& nom) const;

Q_SIGNALS:
    // After a folder change; `contientFichiers` is false for a folder
    // whose list would show no file whatever the filter.
    void dossierChange(bool contientFichiers);
    // After a click in the file list (the count was updated).
    void selectionChange();

private:
    void remplirLecteurs();
    void changerLecteur(int index);
    void remettreLecteur();
    void majSelection();
    // The names the list shows of a listing of the folder, under the
    // current pattern, in natural order; `fichiers` gets how many files it
    // holds in all.
    std::vector<std::string> filtrer(std::vector<ordalis::platform::DirEntry>& entrees, std::size_t& fichiers) const;

    General& m_general;
    QComboBox* m_lecteur;
    ListeDossiers* m_repertoire;
    QListView* m_fichier;
    ModeleFichiers* m_modele;
    TavPanel* m_cadre;
    std::string m_dossier;
    QString m_motif = QStringLiteral("*.*");
};
