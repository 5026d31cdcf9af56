// The date and time panel `FondDateHeure` and its commands: stamp the
// selected files, or every file of the folder tree, with the typed creation
// and modification dates and times.
#pragma once

#include <QObject>
#include <array>

class FenPrin;
class QLineEdit;
class TavPanel;

class PanneauDateHeure : public QObject {
    Q_OBJECT
public:
    explicit PanneauDateHeure(FenPrin& fenetre);

    void CmdDateHeure();
    void CmdToutDateHeure();
    void CmdPareil();

private:
    QLineEdit* champ(const char* nom, const QString& accessible, int gauche, int haut, int largeur);

    FenPrin& m_fenetre;
    TavPanel* m_panneau;
    std::array<QLineEdit*, 4> m_champs{};
};
