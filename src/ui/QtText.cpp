#include "ui/QtText.h"

#include "evaluation/TextUtils.h"

QString ToQString(std::string_view text, int codePage)
{
    const std::u16string wide = AnsiToWide(text, codePage);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQString(const QString& text, int codePage, bool* lost)
{
    const std::u16string wide(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    return WideToAnsi(wide, codePage, lost);
}

int FieldCodePage(const TVocabFile& document, int field)
{
    return LanguageCodePage(field == fiForeign ? document.ForeignLangID() : document.NativeLangID());
}

QString FieldText(const TVocabFile& document, const TVocabItem& item, int field)
{
    return ToQString(item.FieldValue(field), FieldCodePage(document, field));
}

bool FitsCodePage(const QString& text, int codePage)
{
    bool lost = false;
    (void)FromQString(text, codePage, &lost);
    return !lost;
}
