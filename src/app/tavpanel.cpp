#include "app/tavpanel.h"

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

void TavPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    QLinearGradient g(r.topLeft(), m_sens == 0 ? r.topRight() : r.bottomLeft());
    // The gradient stops short of the end colour so that texts stay
    // readable over the whole panel.
    const QColor fin = QColor::fromRgbF(m_start.redF() * 0.4f + m_end.redF() * 0.6f,
                                        m_start.greenF() * 0.4f + m_end.greenF() * 0.6f,
                                        m_start.blueF() * 0.4f + m_end.blueF() * 0.6f,
                                        m_start.alphaF() * 0.4f + m_end.alphaF() * 0.6f);
    g.setColorAt(0, m_start);
    g.setColorAt(1, fin);
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
