// The three-level folder browser of the main window: the volume list
// `Lecteur`, the folder list `Repertoire` and the multi-selection file list
// `Fichier`, kept in step, with the selection count on `NbFichiers` and the
// names of the selected files in the hidden list `List1`.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class General;
class QComboBox;
class QListWidget;
class QLineEdit;
class TavPanel;

class Navigateur : public QObject {
    Q_OBJECT
public:
    // Creates the lists inside `fenetre` (and the file list inside `cadre`),
    // on the process's current folder.
    Navigateur(QWidget* fenetre, TavPanel* cadre, General& general);

    QComboBox* lecteur() const { return m_lecteur; }
    QListWidget* repertoire() const { return m_repertoire; }
    QListWidget* fichier() const { return m_fichier; }
    QListWidget* list1() const { return m_list1; }

    QString dossier() const { return m_dossier; }
    QString motif() const { return m_motif; }

    // Folder change: reloads the file list, resets the count caption.
    // False (and nothing changed) when the folder cannot be listed.
    bool setDossier(const QString& chemin);
    // The file list's pattern ("*.txt"); reloads the list.
    void setMotif(const QString& motif);
    // Filter text as typed in the extension box: pattern and caption reset.
    void filtreChange(const QString& texte);
    // Reloads the file list from disk; the selection is cleared.
    void rafraichir();
    // Drive change: opens the volume at `racine`. While it cannot be
    // listed the user is asked to retry or cancel; cancel puts the volume
    // list back on the volume of the folder shown.
    void ouvrirVolume(const QString& racine);

    QStringList noms() const;
    std::vector<bool> selection() const;

Q_SIGNALS:
    // After a folder change; `contientFichiers` is false for a folder with
    // no file (subfolders do not count).
    void dossierChange(bool contientFichiers);
    // After a click in the file list (the count was updated).
    void selectionChange();

private:
    void remplirLecteurs();
    void changerLecteur(int index);
    void remettreLecteur();
    void remplirDossiers();
    void majSelection();

    General& m_general;
    QComboBox* m_lecteur;
    QListWidget* m_repertoire;
    QListWidget* m_fichier;
    QListWidget* m_list1;
    TavPanel* m_cadre;
    QString m_dossier;
    QString m_motif = QStringLiteral("*.*");
};
