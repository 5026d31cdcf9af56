// Pictures drawn from the PNG rendered from their SVG at build time.
#include "ui/dessin.h"

#include <QImage>
#include <QPainter>

namespace {

QString cheminPng(const QString& svgResource)
{
    QString png = svgResource;
    if (png.endsWith(QLatin1String(".svg")))
        png.replace(png.size() - 4, 4, QStringLiteral(".png"));
    return png;
}

}  // namespace

struct Dessin::Image {
    QImage png;
};

Dessin::Dessin(const QString& svgResource) : m_image(std::make_unique<Image>())
{
    m_image->png.load(cheminPng(svgResource));
}

Dessin::~Dessin() = default;

bool Dessin::isValid() const
{
    return !m_image->png.isNull();
}

void Dessin::render(QPainter* painter, const QRectF& zone) const
{
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(zone, m_image->png);
    painter->restore();
}

QIcon iconeDessin(const QString& svgResource)
{
    return QIcon(cheminPng(svgResource));
}
