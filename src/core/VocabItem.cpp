#include "core/VocabItem.h"

#include <atomic>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace {

std::uint32_t CheckedLength(std::size_t size)
{
    if (size > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("Text too long");
    return static_cast<std::uint32_t>(size);
}

} // namespace

// A million items must fit in little memory: the stamp took no room of its own.
static_assert(sizeof(void*) != 8 || sizeof(TVocabItem) == 40);

TTextStamp TVocabItem::NextTextStamp()
{
    // Items are made on loading threads too; 0 stays the stamp of no texts.
    static std::atomic<TTextStamp> last { 0 };
    TTextStamp stamp = ++last;
    while (stamp == 0)
        stamp = ++last;
    return stamp;
}

TVocabItem::TVocabItem(const TVocabItem& other)
    : LastAttempt(other.LastAttempt)
    , SortingPosition(other.SortingPosition)
    , PenaltyPoints(other.PenaltyPoints)
    , TextStamp_(other.TextStamp_)
    , Length_(other.Length_)
{
    const std::size_t total = other.Offset(FieldCount);
    if (total > 0) {
        Data_ = std::make_unique_for_overwrite<char[]>(total);
        std::memcpy(Data_.get(), other.Data_.get(), total);
    }
}

TVocabItem& TVocabItem::operator=(const TVocabItem& other)
{
    if (this != &other) {
        TVocabItem copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TVocabItem::TVocabItem(TVocabItem&& other) noexcept
    : LastAttempt(other.LastAttempt)
    , SortingPosition(other.SortingPosition)
    , PenaltyPoints(other.PenaltyPoints)
    , TextStamp_(other.TextStamp_)
    , Data_(std::move(other.Data_))
    , Length_(other.Length_)
{
    other.Length_ = {};
    other.TextStamp_ = 0;
}

TVocabItem& TVocabItem::operator=(TVocabItem&& other) noexcept
{
    if (this != &other) {
        LastAttempt = other.LastAttempt;
        SortingPosition = other.SortingPosition;
        PenaltyPoints = other.PenaltyPoints;
        Data_ = std::move(other.Data_);
        Length_ = other.Length_;
        TextStamp_ = other.TextStamp_;
        other.Length_ = {};
        other.TextStamp_ = 0;
    }
    return *this;
}

void TVocabItem::SetFieldValue(int i, std::string_view value)
{
    if (i < 0 || i >= FieldCount)
        throw std::out_of_range("Invalid field index");
    std::array<std::string_view, FieldCount> values;
    for (int k = 0; k < FieldCount; ++k)
        values[static_cast<std::size_t>(k)] = k == i ? value : FieldValue(k);
    SetFieldValues(values[0], values[1], values[2], values[3]);
}

void TVocabItem::SetFieldValues(
    std::string_view foreign, std::string_view category, std::string_view notes, std::string_view native)
{
    const std::array<std::string_view, FieldCount> values { foreign, category, notes, native };
    std::array<std::uint32_t, FieldCount> lengths {};
    std::size_t total = 0;
    for (std::size_t k = 0; k < values.size(); ++k) {
        lengths[k] = CheckedLength(values[k].size());
        total += values[k].size();
    }
    CheckedLength(total);
    // The values may point into the present buffer, so it is replaced only after copying.
    std::unique_ptr<char[]> data;
    if (total > 0) {
        data = std::make_unique_for_overwrite<char[]>(total);
        std::size_t offset = 0;
        for (const auto& value : values) {
            if (!value.empty())
                std::memcpy(data.get() + offset, value.data(), value.size());
            offset += value.size();
        }
    }
    Data_ = std::move(data);
    Length_ = lengths;
    TextStamp_ = NextTextStamp();
}

void TVocabItem::SetFieldValues(const TFieldValues& values)
{
    SetFieldValues(values[0], values[1], values[2], values[3]);
}

TFieldValues TVocabItem::FieldValues() const
{
    TFieldValues values;
    for (int k = 0; k < FieldCount; ++k)
        values[static_cast<std::size_t>(k)] = std::string(FieldValue(k));
    return values;
}
