// The volume list and the folder list of the browser.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QVector>

struct Volume {
    QString racine;   // mount point or drive root, native separators
    QString libelle;  // what the list shows
};

// The volumes a user would pick: the root first, then the other mounted
// file systems with real storage (no pseudo file systems); drive letters on
// Windows.
QVector<Volume> volumesUtilisateur();
// The volume that holds `chemin` (its longest mount point).
QString volumeDe(const QString& chemin);

// The classic folder list: the ancestors of the current folder from the
// root down, then its subfolders one level deeper. An item is opened with
// a double-click or Enter; its path is in Qt::UserRole.
class ListeDossiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeDossiers(QWidget* parent = nullptr);
    void afficher(const QString& dossier);
};

// The volume list. Screen readers read it as "Lecteurs" with the current
// volume as its value (a plain combo box would be named by its value).
class ListeLecteurs : public QComboBox {
    Q_OBJECT
public:
    explicit ListeLecteurs(QWidget* parent = nullptr);
};
