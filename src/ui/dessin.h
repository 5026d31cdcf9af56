// A picture of the program's resources, drawn at any size. The resources
// hold SVG; a build without Qt's SVG module (Windows) holds beside each one
// the PNG rendered from it at build time, large enough for every size the
// windows draw (64 pixels a side), under the same path ending in ".png".
#pragma once

#include <QIcon>
#include <QString>
#include <memory>

class QPainter;
class QRectF;

class Dessin {
public:
    explicit Dessin(const QString& svgResource);
    ~Dessin();
    Dessin(const Dessin&) = delete;
    Dessin& operator=(const Dessin&) = delete;

    bool isValid() const;
    void render(QPainter* painter, const QRectF& zone) const;

private:
    struct Image;
    std::unique_ptr<Image> m_image;
};

// The picture as an icon (windows' title bars, lists).
QIcon iconeDessin(const QString& svgResource);
