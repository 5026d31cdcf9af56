#include "ui/tavpanel.h"

#include <QLinearGradient>
#include <QPainter>

TavPanel::TavPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, false);
}

void TavPanel::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption.trimmed());
    update();
}

namespace {

QColor melange(const QColor& a, const QColor& b, float part)
{
    return QColor::fromRgbF(a.redF() * (1 - part) + b.redF() * part, a.greenF() * (1 - part) + b.greenF() * part,
                            a.blueF() * (1 - part) + b.blueF() * part, a.alphaF() * (1 - part) + b.alphaF() * part);
}

}  // namespace

void TavPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    QLinearGradient g(r.topLeft(), m_sens == Qt::Horizontal ? r.topRight() : r.bottomLeft());
    // The start colour lights the caption strip only; the body runs from
    // the middle of the two colours towards the end colour, so that texts
    // stay readable over the whole panel.
    g.setColorAt(0, m_start);
    g.setColorAt(0.12, melange(m_start, m_end, 0.5));
    g.setColorAt(1, melange(m_start, m_end, 0.8));
    p.fillRect(r, g);
    if (m_encadre) {
        p.setPen(QPen(m_cadre, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QPen(m_cadre.darker(160), 1));
        p.drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
        p.drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
    }
    if (m_caption.isEmpty())
        return;
    QFont f = font();
    f.setBold(!(m_align & Qt::AlignBottom));
    p.setFont(f);
    p.setPen(m_fore);
    const int h = p.fontMetrics().height() + 4;
    const QRect zone = (m_align & Qt::AlignBottom) ? QRect(4, r.height() - h - 1, r.width() - 8, h)
                                                    : QRect(4, 1, r.width() - 8, h);
    const Qt::Alignment horiz = m_align & Qt::AlignHorizontal_Mask;
    p.drawText(zone, int(horiz ? horiz : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
}
