#pragma once
// The number checks of edit boxes with their message, digits-only boxes and font existence.

#include <optional>

class QComboBox;
class QLineEdit;
class QLocale;
class QString;

// True when the box holds a whole number from min to max. Otherwise the user is told the bounds,
// the box's text is selected and the box gets the focus, so the dialog can simply stay open.
bool CheckIntRange(QLineEdit* edit, int min, int max);
// The same for the edit part of an editable combo box (or the current text of a plain one).
bool CheckIntRange(QComboBox* box, int min, int max);
// The same for a decimal number written the way of the user's locale; value gets the number.
bool CheckFloatRange(QLineEdit* edit, double min, double max, double* value = nullptr);
// A decimal number in the locale's way and nothing else: an optional sign, digits and at most
// one of the locale's decimal separators. Exponents, hexadecimal, group separators and another
// locale's decimal point are refused.
std::optional<double> ParseLocaleDecimal(const QString& text, const QLocale& locale);
// The box accepts typed and pasted digits only.
void SetDigitsOnly(QLineEdit* edit);
