// The file properties panel `LblPropDate`: folder, name, size, the three
// dates and the attributes of the current file (left button), or the
// desktop's own properties dialog (right button).
#pragma once

#include <QObject>

struct ContexteFichiers;
class QLabel;
class TavPanel;

class PanneauProprietes : public QObject {
    Q_OBJECT
public:
    explicit PanneauProprietes(ContexteFichiers& contexte);

    void remplir();
    void proprietesSysteme();

private:
    QLabel* ligne(const char* nom, const QString& texte, int haut);

    ContexteFichiers& m_contexte;
    TavPanel* m_panneau;
};
