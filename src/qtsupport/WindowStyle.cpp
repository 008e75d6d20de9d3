#include "qtsupport/WindowStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

namespace {

// A standard icon looked up when first drawn. The style's own reads a picture whose format every
// image plug-in is loaded to recognise: the tool and menu bars ask for their overflow buttons'
// icons when made, though the buttons rarely show, which was a twentieth of the start-up.
class TDeferredStandardIcon : public QIconEngine {
public:
    TDeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which)
        : Style_(style)
        , Which_(which)
    {
    }
    QIconEngine* clone() const override { return new TDeferredStandardIcon(Style_, Which_); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }

private:
    const QIcon& Icon()
    {
        if (Icon_.isNull() && Style_)
            Icon_ = Style_->standardIcon(Which_);
        return Icon_;
    }

    QPointer<const QStyle> Style_;
    QStyle::StandardPixmap Which_;
    QIcon Icon_;
};

class TWindowStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        // Left to right alone: the lookup when drawn has no option to tell the direction by.
        const bool leftToRight = option ? option->direction == Qt::LeftToRight
                                        : QGuiApplication::layoutDirection() == Qt::LeftToRight;
        if (leftToRight
            && (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton))
            return QIcon(new TDeferredStandardIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
        const QWidget* widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || box->text.isEmpty())
            return rect;
        const int room = AccentRoom(*option);
        if (part == SC_GroupBoxLabel || part == SC_GroupBoxCheckBox)
            rect.translate(0, room);
        else
            rect.setTop(rect.top() + room);
        return rect;
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_GroupBox && option)
            result.rheight() += AccentRoom(*option);
        return result;
    }

private:
    // How far the accents of capitals reach above the font's ascent, where the title starts.
    static int AccentRoom(const QStyleOption& option)
    {
        const QFontMetrics& metrics = option.fontMetrics;
        return std::max(0, -metrics.tightBoundingRect(QStringLiteral(u"ÅÜÖÂ")).top() - metrics.ascent());
    }
};

} // namespace

void UseWindowStyle()
{
    QApplication::setStyle(new TWindowStyle);
}
