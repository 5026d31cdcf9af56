// The results list `Resultats` in its four views over one model: large
// icons (the name under the icon on up to two lines), small icons, list,
// and details (one line per file with the six columns, sorted by a header
// click, or from the keyboard: Tab to the header, Left and Right to choose a
// column, Space to sort). The icon and list views show one item per file.
// The selection is the same in every view. A double-click or Enter on a row opens its file with the desktop's
// program for its type.
#pragma once

#include <QStackedWidget>
#include <QStringList>
#include <QUrl>

#include <string>

class ModeleResultats;
class QAbstractItemDelegate;
class QAbstractProxyModel;
class QAccessibleInterface;
class QFont;
class QListView;
class QTableView;

// The URL of a local file given by the system's bytes. Bytes that are not
// UTF-8 stay as they are (percent-encoded), so the URL still names the file.
QUrl urlFichier(const std::string& chemin);

// A name as the large icons show it under the icon, within `largeur`
// pixels: on one line when it fits, else on two, the second shortened in
// its middle when it is still too long.
QStringList lignesSousIcone(const QString& nom, const QFont& police, int largeur);

// The accessibility of the details' header, for QAccessible::installFactory.
QAccessibleInterface* accesEntete(const QString& classe, QObject* objet);

class VuesResultats : public QStackedWidget {
    Q_OBJECT
public:
    enum class Vue { GrandesIcones, PetitesIcones, Liste, Details };

    VuesResultats(ModeleResultats* modele, QWidget* parent = nullptr);

    void setVue(Vue vue);
    Vue vue() const { return m_vue; }
    QTableView* details() const { return m_details; }
    QListView* icones() const { return m_icones; }

Q_SIGNALS:
    // A row was opened (double-click or Enter).
    void ouvrir(int rangee);

private:
    void construireDetails();
    void construireIcones();

    ModeleResultats* m_modele;
    QAbstractProxyModel* m_noms;  // the names column alone, for the icon and list views
    QTableView* m_details;
    QListView* m_icones;
    QAbstractItemDelegate* m_delegueSimple = nullptr;
    QAbstractItemDelegate* m_delegueGrandes = nullptr;
    Vue m_vue = Vue::Details;
};
