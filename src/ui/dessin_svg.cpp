// Pictures drawn from their SVG by Qt's SVG module.
#include "ui/dessin.h"

#include <QSvgRenderer>

struct Dessin::Image {
    QSvgRenderer svg;
};

Dessin::Dessin(const QString& svgResource) : m_image(std::make_unique<Image>())
{
    m_image->svg.load(svgResource);
}

Dessin::~Dessin() = default;

bool Dessin::isValid() const
{
    return m_image->svg.isValid();
}

void Dessin::render(QPainter* painter, const QRectF& zone) const
{
    m_image->svg.render(painter, zone);
}

QIcon iconeDessin(const QString& svgResource)
{
    return QIcon(svgResource);
}
