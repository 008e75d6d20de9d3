#include "core/CommandRules.h"

#include "evaluation/TextUtils.h"

TPasteAction DecidePaste(std::int32_t cutIndex, std::int32_t currentIndex, std::int32_t count, bool canPaste)
{
    if (cutIndex >= 0 && cutIndex < count) {
        if (currentIndex == cutIndex)
            return paClearMark;
        // The blank row is no item to move to.
        return currentIndex >= 0 && currentIndex < count ? paMove : paNone;
    }
    return canPaste ? paClipboard : paNone;
}

bool PasteEnabled(std::int32_t cutIndex, std::int32_t currentIndex, std::int32_t count, bool canPaste)
{
    return DecidePaste(cutIndex, currentIndex, count, canPaste) != paNone;
}

void MoveCutItem(TVocabFile& document, std::int32_t cutIndex)
{
    const std::int32_t target = document.CurrentIndex();
    if (cutIndex < 0 || cutIndex >= document.Count() || target < 0 || target == cutIndex)
        return;
    document.SetCurrentIndex(cutIndex);
    document.MoveCurrent(target);
}

LangId SearchFieldLanguage(const TVocabFile& document, int field)
{
    return field == fiForeign ? document.ForeignLangID() : document.NativeLangID();
}

bool WholeWordAvailable(std::string_view text, std::uint8_t mode, LangId lang)
{
    return mode != smWhole && RemovePunctuation(text, lang, true) == text;
}

bool FindNextAvailable(std::string_view text, std::uint8_t mode)
{
    return !text.empty() || mode == smWhole;
}

std::optional<int> DialogTopOffRow(
    const TScreenRect& row, int rowHeight, const TScreenRect& dialog, int screenHeight)
{
    const TScreenRect around { row.Left, row.Top - rowHeight, row.Right, row.Bottom + rowHeight };
    if (!around.Intersects(dialog))
        return std::nullopt;
    const int height = dialog.Bottom - dialog.Top;
    if (around.Top + around.Bottom > screenHeight)
        return around.Top - height;
    return around.Bottom;
}
