// The date and time panel `FondDateHeure` and its commands: stamp the
// selected files, or every file of the folder tree, with the typed creation
// and modification dates and times.
#pragma once

#include <QObject>
#include <array>

struct ContexteFichiers;
class QLineEdit;
class TavPanel;

class PanneauDateHeure : public QObject {
    Q_OBJECT
public:
    explicit PanneauDateHeure(ContexteFichiers& contexte);

    void CmdDateHeure();
    void CmdToutDateHeure();
    void CmdPareil();

private:
    ContexteFichiers& m_contexte;
    TavPanel* m_panneau;
    std::array<QLineEdit*, 4> m_champs{};
};
