#include "qtsupport/WindowStyle.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

namespace {

class TWindowStyle : public QProxyStyle {
public:
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
