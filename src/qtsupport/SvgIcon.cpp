#include "qtsupport/SvgIcon.h"

#include "qtsupport/ColourTheme.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <map>
#include <tuple>

namespace {

class TSvgIconEngine : public QIconEngine {
public:
    explicit TSvgIconEngine(QString fileName)
        : FileName_(std::move(fileName))
    {
    }
    QIconEngine* clone() const override { return new TSvgIconEngine(FileName_); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QPixmap drawn = pixmap(size, mode, state);
        return drawn.isNull() ? QSize() : drawn.size();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const bool dark = PaletteIsDark(QGuiApplication::palette());
        const auto key = std::make_tuple(
            size.width(), size.height(), static_cast<int>(mode), static_cast<int>(state), dark);
        if (const auto found = Drawn_.find(key); found != Drawn_.end())
            return found->second;
        return Drawn_.emplace(key, Draw(size, mode, dark)).first->second;
    }

private:
    // As Qt's engine draws: the picture scaled into the size, then the style's look of the mode.
    QPixmap Draw(const QSize& size, QIcon::Mode mode, bool dark)
    {
        QPixmap drawn = DrawnAtBuild(FileName_, size, dark);
        if (drawn.isNull())
            drawn = QPixmap::fromImage(RenderSvgIcon(FileName_, size, dark));
        if (drawn.isNull())
            return {};
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        return styled.isNull() ? drawn : styled;
    }

    QString FileName_;
    std::map<std::tuple<int, int, int, int, bool>, QPixmap> Drawn_;
};

const QString Icons = QStringLiteral(":/icons/");

} // namespace

QImage RenderSvgIcon(const QString& fileName, const QSize& size, bool dark)
{
    QFile file(fileName);
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // On a dark palette the pictures' ink lines turn light.
    if (dark)
        svg.replace(ToQColor(PairedColour(TPairedColour::IconInk, false)).name().toLatin1(),
            ToQColor(PairedColour(TPairedColour::IconInk, true)).name().toLatin1());
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QSize scaled = renderer.defaultSize();
    if (!scaled.isNull())
        scaled.scale(size, Qt::KeepAspectRatio);
    if (scaled.isEmpty())
        return {};
    QImage drawn(scaled, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    renderer.render(&painter);
    return drawn;
}

QString DrawnIconFile(const QString& fileName, int size, bool dark)
{
    if (!fileName.startsWith(Icons) || !fileName.endsWith(QStringLiteral(".svg")))
        return {};
    return fileName.mid(Icons.size(), fileName.size() - Icons.size() - 4) + QLatin1Char('-')
        + QString::number(size) + (dark ? QStringLiteral("-dark.argb") : QStringLiteral(".argb"));
}

QPixmap DrawnAtBuild(const QString& fileName, const QSize& size, bool dark)
{
    const QString drawn = DrawnIconFile(fileName, size.width(), dark);
    if (size.width() != size.height() || drawn.isEmpty())
        return {};
    QFile file(QStringLiteral(":/drawn/") + drawn);
    const QByteArray pixels = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (pixels.size() != qsizetype { 4 } * size.width() * size.height())
        return {};
    // A copy: the pixmap may share the image's memory, which is the array's.
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), size.width(),
        size.height(), 4 * size.width(), QImage::Format_ARGB32_Premultiplied)
                                  .copy());
}

QIcon SvgIcon(const QString& fileName)
{
    return QIcon(new TSvgIconEngine(fileName));
}
