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
#include <memory>
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
    // On a dark palette the pictures' ink lines turn light.
    QPixmap Draw(const QSize& size, QIcon::Mode mode, bool dark)
    {
        std::unique_ptr<QSvgRenderer>& renderer = Renderer_[dark];
        if (!renderer) {
            QFile file(FileName_);
            QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            const QColor ink = ToQColor(PairedColour(TPairedColour::IconInk, false));
            renderer = std::make_unique<QSvgRenderer>(dark
                    ? svg.replace(ink.name().toLatin1(),
                        ToQColor(PairedColour(TPairedColour::IconInk, true)).name().toLatin1())
                    : svg);
        }
        if (!renderer->isValid())
            return {};
        QSize scaled = renderer->defaultSize();
        if (!scaled.isNull())
            scaled.scale(size, Qt::KeepAspectRatio);
        if (scaled.isEmpty())
            return {};
        QPixmap drawn(scaled);
        drawn.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            renderer->render(&painter);
        }
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        return styled.isNull() ? drawn : styled;
    }

    QString FileName_;
    std::map<bool, std::unique_ptr<QSvgRenderer>> Renderer_; // light and dark
    std::map<std::tuple<int, int, int, int, bool>, QPixmap> Drawn_;
};

} // namespace

QIcon SvgIcon(const QString& fileName)
{
    return QIcon(new TSvgIconEngine(fileName));
}
