#include "ui/ligne.h"

#include <QPainter>

void Ligne::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(m_couleur);
    const int y = height() / 2;
    p.drawLine(0, y, width(), y);
}
