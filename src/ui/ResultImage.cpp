#include "ui/ResultImage.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr int Size = 20;

QImage Glyph(const QList<QPolygon>& strokes, qreal ratio)
{
    // Drawn for the screen's pixels, so that a scaled screen shows it sharp.
    const int side = qRound(Size * ratio);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(ratio, ratio);
    // No antialiasing: the recolouring replaces exactly black and exactly white.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const QPolygon& stroke : strokes)
        painter.drawPolyline(stroke);
    return image;
}

} // namespace

QImage TickImage(qreal ratio)
{
    return Glyph({ QPolygon({ QPoint(3, 10), QPoint(8, 15), QPoint(16, 4) }) }, ratio);
}

QImage CrossImage(qreal ratio)
{
    return Glyph(
        { QPolygon({ QPoint(4, 4), QPoint(15, 15) }), QPolygon({ QPoint(15, 4), QPoint(4, 15) }) }, ratio);
}

QImage ResultImage(bool correct, const QColor& colour, qreal ratio)
{
    QImage image = (correct ? TickImage(ratio) : CrossImage(ratio)).convertToFormat(QImage::Format_ARGB32);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb target = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = line[x] == black ? target : qRgba(255, 255, 255, 0);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}
