// The about window's scrolling sheet: the program's icon at its top left
// corner, then lines of bold text centred on the sheet, the first one
// `debut` pixels below the top. Each line has its point size; the lines of
// one size that would not fit the sheet's width all get the largest
// smaller size that lets them fit, measured with the font the system
// actually gives. A click, Space or Enter, or a screen reader's Press asks
// to pause or resume the scrolling; screen readers read the lines as the
// sheet's text.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>

class Dessin;
class QAccessibleInterface;

struct LigneApropos {
    QString texte;
    int points;
};

class FeuilleApropos : public QWidget {
    Q_OBJECT
public:
    // `largeur`: the sheet's width, fixed.
    FeuilleApropos(QWidget* parent, QList<LigneApropos> lignes, int debut, int largeur);
    ~FeuilleApropos() override;

    // Verdana bold, or a bold sans-serif of similar width where it is absent.
    static QFont police(int points);
    // The lines that carry text, one per line.
    QString texte() const;
    // Where line `i` is drawn on the sheet: its text's width, its line's
    // height.
    QRect zoneLigne(int i) const;
    // The height of the sheet down to the bottom of its last line.
    int finDuTexte() const;

Q_SIGNALS:
    void basculer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ajusterPolices();

    QList<LigneApropos> m_lignes;
    QList<QFont> m_polices;  // one per line, fitted to the width
    QList<QRect> m_zones;    // where each line is drawn
    int m_debut;
    std::unique_ptr<Dessin> m_icone;
};

// The accessibility of the sheet, for QAccessible::installFactory: screen
// readers see it as text with a Press action.
QAccessibleInterface* accesFeuille(const QString& classe, QObject* objet);
