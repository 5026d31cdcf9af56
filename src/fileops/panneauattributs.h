// The attributes panel `FondAttributs`: four check boxes with clickable
// labels, and the commands that write the chosen set to the selected files
// or to every file of the folder tree.
#pragma once

#include <QObject>
#include <cstdint>

struct ContexteFichiers;
class QCheckBox;
class TavPanel;

class PanneauAttributs : public QObject {
    Q_OBJECT
public:
    explicit PanneauAttributs(ContexteFichiers& contexte);

    // Recomputes the attribute value from the boxes.
    void Attributs();

    void CmdAttributs();
    void CmdToutAttributs();

private:
    QCheckBox* caseEtiquette(const char* nomCase, const char* nomEtiquette, const QString& texte, int haut);

    ContexteFichiers& m_contexte;
    TavPanel* m_panneau;
    QCheckBox* m_lectureSeule = nullptr;
    QCheckBox* m_cache = nullptr;
    QCheckBox* m_systeme = nullptr;
    QCheckBox* m_archive = nullptr;
    std::uint32_t m_valeur = 0;
};
