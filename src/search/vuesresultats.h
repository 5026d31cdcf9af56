// The results list `Resultats` in its four views over one model: large
// icons, small icons, list, and details (one line per file with the six
// columns, sorted by a header click). The selection is the same in every
// view. A double-click or Enter on a row opens its file with the desktop's
// program for its type.
#pragma once

#include <QStackedWidget>
#include <QUrl>

#include <string>

class ModeleResultats;
class QListView;
class QTableView;

// The URL of a local file given by the system's bytes. Bytes that are not
// UTF-8 stay as they are (percent-encoded), so the URL still names the file.
QUrl urlFichier(const std::string& chemin);

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
    QTableView* m_details;
    QListView* m_icones;
    Vue m_vue = Vue::Details;
};
