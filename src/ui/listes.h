// The volume list and the folder list of the browser.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <string>
#include <vector>

#include "core/platform/platform.h"

class QAccessibleInterface;

// The classic folder list: the ancestors of the current folder from the
// root down, then its subfolders one level deeper. An item is opened with
// a double-click or Enter.
class ListeDossiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeDossiers(QWidget* parent = nullptr);
    // Shows `dossier` (a path as the system gives it) with its ancestors and
    // its subfolders in natural order, hidden ones (dot-folders) included.
    void afficher(const std::string& dossier);
    // The same, from a listing of `dossier` already read.
    void afficher(const std::string& dossier, const std::vector<ordalis::platform::DirEntry>& entrees);
    // The path an item opens.
    static std::string chemin(const QListWidgetItem* item);
};

// The volume list. Screen readers read it as "Lecteurs" with the current
// volume as its value (a plain combo box would be named by its value), and
// its one child is the list of volumes.
class ListeLecteurs : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

// That reading, for QAccessible::installFactory.
QAccessibleInterface* accesLecteurs(const QString& classe, QObject* objet);
