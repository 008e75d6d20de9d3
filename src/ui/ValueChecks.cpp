#include "ui/ValueChecks.h"

#include "app/MessageBox.h"
#include "core/DisplayText.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>

namespace {
void ShowRangeMessage(const std::string& message)
{
    ShowMessageBox(QString::fromStdString(message), QString(), QMessageBox::Ok, QMessageBox::Warning);
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

bool CheckFloatRange(QLineEdit* edit, double min, double max)
{
    // The user writes decimals the locale's way; the range rule itself reads C-formatted text.
    std::string text = edit->text().toStdString();
    bool ok = false;
    const double value = QLocale().toDouble(edit->text().trimmed(), &ok);
    if (ok)
        text = QByteArray::number(value, 'g', 17).toStdString();
    if (FloatInRange(text, min, max))
        return true;
    ShowRangeMessage(FloatRangeMessage(min, max));
    FocusWhole(edit, edit);
    return false;
}

void SetDigitsOnly(QLineEdit* edit)
{
    // [0-9], not \d: other scripts' digits would pass a validator but not the number check.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

bool FontExists(const QString& name)
{
    return QFontDatabase::families(QFontDatabase::Latin).contains(name, Qt::CaseInsensitive);
}
