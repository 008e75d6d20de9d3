#include "core/EditRules.h"

#include "core/SortingMarker.h"
#include "evaluation/TextUtils.h"

#include <stdexcept>

namespace {

TEditStep Tell(const char* text, int field)
{
    return { esTell, text, field };
}

TEditStep Stay(int field)
{
    return { esStay, nullptr, field };
}

bool IsDuplicate(const TVocabFile& document, const std::string& foreign, const std::string& native)
{
    for (const auto& item : document.ItemList())
        if (item->FieldValue(fiForeign) == foreign || item->FieldValue(fiNative) == native)
            return true;
    return false;
}

} // namespace

void ReplaceCurrentItem(TVocabFile& document, const TItemEditData& data)
{
    TVocabItem& item = document.NewItem();
    item.SetFieldValues(data.FieldValues[0], data.FieldValues[1], data.FieldValues[2], data.FieldValues[3]);
    item.SortingPosition = data.SortingPosition;
    item.LastAttempt = 0;
    item.PenaltyPoints = 0;
    document.Replace();
}

TEditOk::TEditOk(const TItemEditData& data, bool dataChanged, const std::array<std::string, 4>& boxes,
    const TEditChecks& checks, const TVocabFile& document)
    : IsNew_(data.IsNew)
    , DataChanged_(dataChanged)
    , Checks_(checks)
    , Document_(document)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        Values_[i] = CollapseSpaces(boxes[i]);
}

TEditStep TEditOk::Start()
{
    Asked_ = qNone;
    // An untouched Edit stores nothing, so it records no undo step either.
    if (!IsNew_ && !DataChanged_)
        return { esCancel };
    std::string& foreign = Values_[fiForeign];
    if (foreign.empty())
        return Tell(NoWordMessage, fiForeign);
    if (Values_[fiNative].empty())
        return Tell(NoTranslationMessage, fiNative);

    bool marked = false;
    SortingPosition_ = TakeSortingMarker(foreign, &marked);
    // "@" alone would otherwise store an item without a word/phrase.
    if (foreign.empty())
        return Tell(NoWordMessage, fiForeign);
    if (!marked && Checks_.ConfirmNoSort)
        return Ask(qSort, NoSortQuestion);
    return FromCategory();
}

TEditStep TEditOk::Answer(bool yes)
{
    const TQuestion asked = Asked_;
    Asked_ = qNone;
    if (asked == qNone)
        throw std::logic_error("No question was asked");
    if (!yes)
        return Stay(asked == qCategory ? fiCategory : fiForeign);
    if (asked == qSort) {
        TEditStep next = FromCategory();
        next.MarkForeignBox = true;
        return next;
    }
    return asked == qCategory ? FromDuplicates() : TEditStep { esAccept };
}

TEditStep TEditOk::Ask(TQuestion question, const char* text)
{
    Asked_ = question;
    return { esAsk, text, question == qCategory ? fiCategory : fiForeign };
}

TEditStep TEditOk::FromCategory()
{
    if (Values_[fiCategory].empty() && Checks_.ConfirmNoCategory)
        return Ask(qCategory, NoCategoryQuestion);
    return FromDuplicates();
}

TEditStep TEditOk::FromDuplicates()
{
    if (IsNew_ && Checks_.ConfirmDuplicates && IsDuplicate(Document_, Values_[fiForeign], Values_[fiNative]))
        return Ask(qDuplicate, DuplicateQuestion);
    return { esAccept };
}
