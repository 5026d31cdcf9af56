// The volume list and the folder list of the browser.
#pragma once

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
