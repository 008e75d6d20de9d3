#include "ui/ResultImage.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr int Size = 20;

QImage Glyph(const QList<QPolygon>& strokes)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // No antialiasing: the recolouring replaces exactly black and exactly white.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const QPolygon& stroke : strokes)
        painter.drawPolyline(stroke);
    return image;
}

} // namespace

QImage TickImage()
{
    return Glyph({ QPolygon({ QPoint(3, 10), QPoint(8, 15), QPoint(16, 4) }) });
}

QImage CrossImage()
{
    return Glyph({ QPolygon({ QPoint(4, 4), QPoint(15, 15) }), QPolygon({ QPoint(15, 4), QPoint(4, 15) }) });
}

QImage ResultImage(bool correct, const QColor& colour)
{
    QImage image = (correct ? TickImage() : CrossImage()).convertToFormat(QImage::Format_ARGB32);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb target = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = line[x] == black ? target : qRgba(255, 255, 255, 0);
    }
    return image;
}
