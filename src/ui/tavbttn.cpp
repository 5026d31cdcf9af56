#include "ui/tavbttn.h"

#include "ui/dessin.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor grise(const QColor& c)
{
    const int g = qGray(c.rgb());
    return QColor(g, g, g).lighter(115);
}

}  // namespace

TavBttn::TavBttn(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

TavBttn::~TavBttn() = default;

void TavBttn::setCaption(const QString& caption)
{
    setText(caption);
    update();
}

void TavBttn::setForecolor(const QColor& c) { m_fore = c; update(); }
void TavBttn::setGradientcolorstart(const QColor& c) { m_start = c; update(); }
void TavBttn::setGradientcolorend(const QColor& c) { m_end = c; update(); }
void TavBttn::setHighlightcolor(const QColor& c) { m_highlight = c; update(); }
void TavBttn::setGradientsens(Qt::Orientation sens) { m_sens = sens; update(); }

void TavBttn::setPicture(const QString& svgResource)
{
    m_image = std::make_unique<Dessin>(svgResource);
    update();
}

void TavBttn::setDecoratif(bool decoratif)
{
    m_decoratif = decoratif;
    setAttribute(Qt::WA_TransparentForMouseEvents, decoratif);
    setFocusPolicy(decoratif ? Qt::NoFocus : Qt::StrongFocus);
}

namespace {

bool legendeParlante(const QString& c)
{
    return !c.isEmpty() && c != QLatin1String("x") && c != QLatin1String("-");
}

}  // namespace

QString TavBttn::nomAccessible() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    if (legendeParlante(text()))
        return text();
    return m_actionDroite ? m_bulle.section(QLatin1Char('/'), 0, 0) : m_bulle;
}

QString TavBttn::descriptionAccessible() const
{
    if (m_actionDroite)
        return m_bulle.section(QLatin1Char('/'), 1);
    const QString nom = nomAccessible();
    return nom == m_bulle ? QString() : m_bulle;
}

QSize TavBttn::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(16, 8);
}

void TavBttn::peindreFond(QPainter& p, const QRect& r) const
{
    const bool actif = isEnabled() || m_decoratif;
    const QColor a = actif ? m_start : grise(m_start);
    const QColor b = actif ? m_end : grise(m_end);
    QLinearGradient g(r.topLeft(), m_sens == Qt::Horizontal ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
    if (isDown()) {
        p.fillRect(r, QColor(0, 0, 0, 40));
    } else if (m_survol && isEnabled() && !m_decoratif) {
        QColor voile = m_highlight;
        voile.setAlpha(70);
        p.fillRect(r, voile);
        p.setPen(QPen(m_highlight, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void TavBttn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
    peindreFond(p, r);
    QRect zoneTexte = r.adjusted(4, 0, -4, 0);
    if (m_image && m_image->isValid()) {
        const int cote = qMin(r.height() - 4, 32);
        QRect ri(0, 0, cote, cote);
        if (text().isEmpty())
            ri.moveCenter(r.center());
        else
            ri.moveTopLeft(QPoint(4, (r.height() - cote) / 2));
        if (!isEnabled())
            p.setOpacity(0.35);
        m_image->render(&p, QRectF(ri));
        p.setOpacity(1.0);
        zoneTexte.setLeft(ri.right() + 6);
    }
    if (hasFocus()) {
        p.setPen(QPen(m_fore, 1, Qt::DotLine));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
    if (!text().isEmpty()) {
        p.setPen(isEnabled() || m_decoratif ? m_fore : QColor(0x70, 0x70, 0x70));
        p.drawText(zoneTexte, (int(m_align | Qt::AlignVCenter) & ~int(Qt::AlignTop | Qt::AlignBottom)) | Qt::TextSingleLine, text());
    }
}

void TavBttn::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(event);
    else
        event->accept();
}

void TavBttn::keyPressEvent(QKeyEvent* event)
{
    const int k = event->key();
    const bool entree = k == Qt::Key_Return || k == Qt::Key_Enter;
    if (entree && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TavBttn::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseHover();
    QAbstractButton::mouseMoveEvent(event);
}

void TavBttn::enterEvent(QEnterEvent* event)
{
    m_survol = true;
    Q_EMIT mouseHover();
    update();
    QAbstractButton::enterEvent(event);
}

void TavBttn::leaveEvent(QEvent* event)
{
    m_survol = false;
    update();
    QAbstractButton::leaveEvent(event);
}

namespace {

// Press queues the click: a command that opens a modal window must not hold
// the assistive technology that asked for it.
class TavBttnAccessible : public QAccessibleWidget {
public:
    explicit TavBttnAccessible(TavBttn* b)
        : QAccessibleWidget(b, b->isDecoratif() ? QAccessible::Graphic : QAccessible::Button)
    {
        if (!b->isDecoratif())
            addControllingSignal(QStringLiteral("clicked(bool)"));
    }

    QString text(QAccessible::Text t) const override
    {
        auto* b = static_cast<TavBttn*>(widget());
        if (t == QAccessible::Name)
            return b->nomAccessible();
        if (t == QAccessible::Description)
            return b->descriptionAccessible();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        auto* b = static_cast<TavBttn*>(widget());
        if (b->isDecoratif() || !b->isEnabled())
            return {};
        return {pressAction()};
    }

    void doAction(const QString& action) override
    {
        auto* b = static_cast<TavBttn*>(widget());
        if (action == pressAction() && b->isEnabled() && !b->isDecoratif())
            QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
    }
};

}  // namespace

QAccessibleInterface* accesTavBttn(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("TavBttn") && objet && objet->isWidgetType())
        return new TavBttnAccessible(static_cast<TavBttn*>(objet));
    return nullptr;
}
