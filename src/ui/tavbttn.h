// The gradient button of every window: title areas, command buttons,
// picture buttons and the decorative bands. A click is raised for the left
// button only; `mouseDown` reports every button, `mouseHover` every move of
// the pointer over it. A button takes the focus when clicked or reached
// with Tab, as the desktops' buttons do.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <memory>

class Dessin;
class QAccessibleInterface;

class TavBttn : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor forecolor READ forecolor WRITE setForecolor)
    Q_PROPERTY(QColor gradientcolorstart READ gradientcolorstart WRITE setGradientcolorstart)
    Q_PROPERTY(QColor gradientcolorend READ gradientcolorend WRITE setGradientcolorend)
    Q_PROPERTY(QColor highlightcolor READ highlightcolor WRITE setHighlightcolor)

public:
    explicit TavBttn(QWidget* parent = nullptr);
    ~TavBttn() override;

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    QColor forecolor() const { return m_fore; }
    void setForecolor(const QColor& c);
    QColor gradientcolorstart() const { return m_start; }
    void setGradientcolorstart(const QColor& c);
    QColor gradientcolorend() const { return m_end; }
    void setGradientcolorend(const QColor& c);
    QColor highlightcolor() const { return m_highlight; }
    void setHighlightcolor(const QColor& c);

    void setGradientsens(Qt::Orientation sens);  // from the left or from the top
    // An SVG resource drawn centred (picture-only buttons) or at the left.
    void setPicture(const QString& svgResource);
    void setCaptionalign(Qt::Alignment align) { m_align = align; update(); }
    // Decorative bands take no input and no focus but keep their look.
    void setDecoratif(bool decoratif);
    bool isDecoratif() const { return m_decoratif; }
    // The hover hint. On a button whose right button has a command of its
    // own (setActionDroite) it reads "left button/right button"; anywhere
    // else a "/" is part of the text ("Crypter/décrypter un texte").
    void setBulle(const QString& bulle) { m_bulle = bulle; }
    QString bulle() const { return m_bulle; }
    void setActionDroite(bool actionDroite) { m_actionDroite = actionDroite; }
    bool actionDroite() const { return m_actionDroite; }
    // Screen readers name a button by its caption, or by its hint (the left
    // button's part of it) when the caption says nothing by itself ("", "x",
    // "-"). The description is the right button's part of the hint, or the
    // whole hint when the caption names the button.
    QString nomAccessible() const;
    QString descriptionAccessible() const;

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void mouseHover();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Return and Enter press the button as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    QSize sizeHint() const override;

private:
    void peindreFond(QPainter& p, const QRect& r) const;

    QColor m_fore{Qt::black};
    QColor m_start{0x00, 0x80, 0x80};
    QColor m_end{0xE0, 0xE0, 0xE0};
    QColor m_highlight{0x6C, 0xFF, 0xDE};
    Qt::Orientation m_sens = Qt::Horizontal;
    Qt::Alignment m_align = Qt::AlignCenter;
    bool m_survol = false;
    bool m_decoratif = false;
    bool m_actionDroite = false;
    std::unique_ptr<Dessin> m_image;
    QString m_bulle;
};

// The accessibility of the buttons, for QAccessible::installFactory: screen
// readers' Press action queues the click, so that a command opening a modal
// window does not hold the caller.
QAccessibleInterface* accesTavBttn(const QString& classe, QObject* objet);
