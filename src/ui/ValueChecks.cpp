#include "ui/ValueChecks.h"

#include "core/DisplayText.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <cmath>

namespace {
void ShowRangeMessage(const TSaying& message)
{
    ShowMessageBox(SayingText(message), QString(), QMessageBox::Ok, QMessageBox::Warning);
}

void FocusWhole(QWidget* widget, QLineEdit* edit)
{
    if (edit)
        edit->selectAll();
    widget->setFocus(Qt::OtherFocusReason);
}

bool CheckIntText(const QString& text, QWidget* widget, QLineEdit* edit, int min, int max)
{
    if (IntInRange(text.toStdString(), min, max))
        return true;
    ShowRangeMessage(IntRangeMessage(min, max));
    FocusWhole(widget, edit);
    return false;
}
} // namespace

bool CheckIntRange(QLineEdit* edit, int min, int max)
{
    return CheckIntText(edit->text(), edit, edit, min, max);
}

bool CheckIntRange(QComboBox* box, int min, int max)
{
    return CheckIntText(box->currentText(), box, box->lineEdit(), min, max);
}

std::optional<double> ParseLocaleDecimal(const QString& given, const QLocale& locale)
{
    const QString text = given.trimmed();
    qsizetype i = 0;
    if (text.startsWith(locale.negativeSign()))
        i = locale.negativeSign().size();
    else if (text.startsWith(locale.positiveSign()))
        i = locale.positiveSign().size();
    const QString point = locale.decimalPoint();
    bool digits = false;
    bool seenPoint = false;
    while (i < text.size()) {
        if (text[i].isDigit()) {
            digits = true;
            ++i;
        } else if (!seenPoint && text.mid(i, point.size()) == point) {
            seenPoint = true;
            i += point.size();
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool CheckFloatRange(QLineEdit* edit, double min, double max, double* value)
{
    const auto parsed = ParseLocaleDecimal(edit->text(), QLocale());
    if (parsed && *parsed >= min && *parsed <= max) {
        if (value)
            *value = *parsed;
        return true;
    }
    ShowRangeMessage(FloatRangeMessage(min, max));
    FocusWhole(edit, edit);
    return false;
}

void SetDigitsOnly(QLineEdit* edit)
{
    // [0-9], not \d: other scripts' digits would pass a validator but not the number check.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}
