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
    // Items are made on loading threads too; 0 stays the stamp of no texts, and the top bit is
    // the inline mark.
    static std::atomic<TTextStamp> last { 0 };
    TTextStamp stamp = ++last & ~InlineFlag;
    while (stamp == 0)
        stamp = ++last & ~InlineFlag;
    return stamp;
}

namespace {
std::size_t TotalOf(
    const std::array<std::string_view, FieldCount>& values, std::array<std::uint32_t, FieldCount>& lengths)
{
    std::size_t total = 0;
    for (std::size_t k = 0; k < values.size(); ++k) {
        lengths[k] = CheckedLength(values[k].size());
        total += values[k].size();
    }
    CheckedLength(total);
    return total;
}

void CopyTexts(char* data, const std::array<std::string_view, FieldCount>& values)
{
    for (const auto& value : values) {
        if (!value.empty())
            std::memcpy(data, value.data(), value.size());
        data += value.size();
    }
}
} // namespace

std::unique_ptr<TVocabItem> TVocabItem::Make(
    std::string_view foreign, std::string_view category, std::string_view notes, std::string_view native)
{
    const std::array<std::string_view, FieldCount> values { foreign, category, notes, native };
    std::array<std::uint32_t, FieldCount> lengths {};
    const std::size_t total = TotalOf(values, lengths);
    void* raw = ::operator new(sizeof(TVocabItem) + total);
    std::unique_ptr<TVocabItem> item(::new (raw) TVocabItem());
    if (total > 0) {
        item->Data_ = static_cast<char*>(raw) + sizeof(TVocabItem);
        CopyTexts(item->Data_, values);
        item->Length_ = lengths;
        item->TextStamp_ = NextTextStamp() | InlineFlag;
    }
    return item;
}

TVocabItem::~TVocabItem()
{
    Release();
}

void TVocabItem::Release()
{
    if (!Inline())
        delete[] Data_;
    Data_ = nullptr;
    Length_ = {};
    TextStamp_ = 0;
}

void TVocabItem::Adopt(char* data, const std::array<std::uint32_t, FieldCount>& lengths, TTextStamp stamp)
{
    Release();
    Data_ = data;
    Length_ = lengths;
    TextStamp_ = stamp & ~InlineFlag;
}

TVocabItem::TVocabItem(const TVocabItem& other)
    : LastAttempt(other.LastAttempt)
    , SortingPosition(other.SortingPosition)
    , PenaltyPoints(other.PenaltyPoints)
{
    const std::size_t total = other.Offset(FieldCount);
    if (total > 0) {
        char* data = new char[total];
        std::memcpy(data, other.Data_, total);
        Adopt(data, other.Length_, other.TextStamp_);
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
{
    *this = std::move(other);
}

TVocabItem& TVocabItem::operator=(TVocabItem&& other) noexcept
{
    if (this == &other)
        return *this;
    LastAttempt = other.LastAttempt;
    SortingPosition = other.SortingPosition;
    PenaltyPoints = other.PenaltyPoints;
    if (other.Inline()) {
        // Texts inside the other item's allocation cannot change hands: they are copied.
        const std::size_t total = other.Offset(FieldCount);
        char* data = new char[total];
        std::memcpy(data, other.Data_, total);
        Adopt(data, other.Length_, other.TextStamp_);
    } else {
        Adopt(other.Data_, other.Length_, other.TextStamp_);
        other.Data_ = nullptr;
    }
    other.Release();
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
    const std::size_t total = TotalOf(values, lengths);
    // The values may point into the present buffer, so it is replaced only after copying.
    char* data = nullptr;
    if (total > 0) {
        data = new char[total];
        CopyTexts(data, values);
    }
    Adopt(data, lengths, NextTextStamp());
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
