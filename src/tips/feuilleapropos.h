// The about window's scrolling sheet: the program's icon at its top left
// corner, then lines of bold text, each in its own point size, the first
// one `debut` pixels below the top. A click, Space or Enter, or a screen
// reader's Press asks to pause or resume the scrolling; screen readers read
// the lines as the sheet's text.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QSvgRenderer;

struct LigneApropos {
    QString texte;
    int points;
};

class FeuilleApropos : public QWidget {
    Q_OBJECT
public:
    FeuilleApropos(QWidget* parent, QList<LigneApropos> lignes, int debut);

    // Verdana bold, or a bold sans-serif of similar width where it is absent.
    static QFont police(int points);
    // The lines that carry text, one per line.
    QString texte() const;

Q_SIGNALS:
    void basculer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<LigneApropos> m_lignes;
    int m_debut;
    QSvgRenderer* m_icone;
};

// Makes screen readers see the sheet as text with a Press action. Installed
// once.
void installerAccessibiliteFeuille();
