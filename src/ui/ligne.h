// A separator line whose colour follows the interface colours.
#pragma once

#include <QColor>
#include <QWidget>

class Ligne : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor forecolor READ forecolor WRITE setForecolor)
public:
    explicit Ligne(QWidget* parent = nullptr) : QWidget(parent) {}
    QColor forecolor() const { return m_couleur; }
    void setForecolor(const QColor& c) { m_couleur = c; update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_couleur{Qt::white};
};
