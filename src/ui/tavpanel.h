// The gradient panel: a framed container with a caption, used for the
// panels and the bands of every window.
#pragma once

#include <QColor>
#include <QWidget>

class TavPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor forecolor READ forecolor WRITE setForecolor)
    Q_PROPERTY(QColor gradientcolorstart READ gradientcolorstart WRITE setGradientcolorstart)
    Q_PROPERTY(QColor gradientcolorend READ gradientcolorend WRITE setGradientcolorend)
    Q_PROPERTY(QColor couleurcadre READ couleurcadre WRITE setCouleurcadre)

public:
    explicit TavPanel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    // The caption is also the panel's accessible name, so screen readers
    // read a changing caption (the selection count).
    void setCaption(const QString& caption);
    QColor forecolor() const { return m_fore; }
    void setForecolor(const QColor& c) { m_fore = c; update(); }
    QColor gradientcolorstart() const { return m_start; }
    void setGradientcolorstart(const QColor& c) { m_start = c; update(); }
    QColor gradientcolorend() const { return m_end; }
    void setGradientcolorend(const QColor& c) { m_end = c; update(); }
    // The frame colour of framed panels.
    QColor couleurcadre() const { return m_cadre; }
    void setCouleurcadre(const QColor& c) { m_cadre = c; update(); }

    // Qt::AlignTop (default) or Qt::AlignBottom, combined with left/centre.
    void setCaptionalign(Qt::Alignment align) { m_align = align; update(); }
    void setEncadre(bool encadre) { m_encadre = encadre; update(); }
    void setGradientsens(Qt::Orientation sens) { m_sens = sens; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_fore{Qt::white};
    QColor m_start{0xE0, 0xE0, 0xE0};
    QColor m_end{0x00, 0x80, 0x80};
    QColor m_cadre{0x00, 0xD2, 0xD2};
    Qt::Alignment m_align = Qt::AlignTop | Qt::AlignLeft;
    bool m_encadre = true;
    Qt::Orientation m_sens = Qt::Vertical;
};
