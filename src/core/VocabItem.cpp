#include "core/VocabItem.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <sanitizer/asan_interface.h>
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
    // Items are made on loading threads too: each thread takes its stamps a batch at a time, as an
    // atomic step per item was a tenth of a load. 0 stays the stamp of no texts; the top bits are
    // the marks.
    constexpr TTextStamp Batch = 1024;
    static std::atomic<TTextStamp> last { 0 };
    thread_local TTextStamp next = 0, end = 0;
    for (;;) {
        if (next == end) {
            next = last.fetch_add(Batch, std::memory_order_relaxed);
            end = next + Batch;
        }
        if (const TTextStamp stamp = next++ & ~Flags; stamp != 0)
            return stamp;
    }
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
    return std::unique_ptr<TVocabItem>(
        Construct(::operator new(sizeof(TVocabItem) + total), values, lengths, total, 0));
}

TVocabItem* TVocabItem::Construct(void* place, const std::array<std::string_view, FieldCount>& values,
    const std::array<std::uint32_t, FieldCount>& lengths, std::size_t total, TTextStamp placeFlag)
{
    auto* item = ::new (place) TVocabItem();
    item->TextStamp_ = placeFlag;
    if (total > 0) {
        item->Data_ = static_cast<char*>(place) + sizeof(TVocabItem);
        CopyTexts(item->Data_, values);
        item->Length_ = lengths;
        item->TextStamp_ |= NextTextStamp() | InlineFlag;
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
    TextStamp_ &= ArenaFlag;
}

void TVocabItem::Adopt(char* data, const std::array<std::uint32_t, FieldCount>& lengths, TTextStamp stamp)
{
    Release();
    Data_ = data;
    Length_ = lengths;
    TextStamp_ = (stamp & ~Flags) | (TextStamp_ & ArenaFlag);
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

// Blocks are aligned to their size, so an item finds its block from its own address; the block's
// first bytes count the holds on it: one per item placed and one for the arena while it fills.
namespace {
constexpr std::size_t BlockSize = std::size_t { 1 } << 20;
// An item this large would waste much of a block's end; the heap takes it.
constexpr std::size_t MaxPlaced = BlockSize / 16;
// While an arena fills a block, the block counts this many holds less the items placed; the
// arena gives back the rest when it leaves, so items deleted early never bring the count to 0.
constexpr std::size_t ArenaHold = std::size_t { 1 } << 40;

struct TBlockHead {
    std::atomic<std::size_t> Holds;
};
constexpr std::size_t Aligned(std::size_t size)
{
    return (size + alignof(TVocabItem) - 1) / alignof(TVocabItem) * alignof(TVocabItem);
}
constexpr std::size_t HeadSize = Aligned(sizeof(TBlockHead));

std::atomic<std::size_t> LiveBlocks { 0 };

TBlockHead* HeadOf(void* place)
{
    return static_cast<TBlockHead*>(
        reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(place) & ~(BlockSize - 1)));
}

// Freed blocks are kept for the next load: a block fresh from the system costs a page fault per
// page, which made loading a list again slower than the allocator's reused memory. They go back
// with ReturnFreedMemory.
constexpr std::size_t KeptBlocksMax = 128;
std::mutex KeptLock;
std::vector<void*>& KeptBlocks()
{
    static auto* kept = new std::vector<void*>(); // never destroyed: items may die after exit
    return *kept;
}

void* TakeBlock()
{
    {
        const std::lock_guard<std::mutex> lock(KeptLock);
        auto& kept = KeptBlocks();
        if (!kept.empty()) {
            void* block = kept.back();
            kept.pop_back();
            ASAN_UNPOISON_MEMORY_REGION(block, HeadSize);
            return block;
        }
    }
    void* block = std::aligned_alloc(BlockSize, BlockSize);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void DropHolds(TBlockHead* head, std::size_t holds)
{
    if (head->Holds.fetch_sub(holds, std::memory_order_acq_rel) == holds) {
        head->~TBlockHead();
        LiveBlocks.fetch_sub(1, std::memory_order_relaxed);
        {
            const std::lock_guard<std::mutex> lock(KeptLock);
            auto& kept = KeptBlocks();
            if (kept.size() < KeptBlocksMax) {
                ASAN_POISON_MEMORY_REGION(head, BlockSize);
                kept.push_back(head);
                return;
            }
        }
        ASAN_UNPOISON_MEMORY_REGION(head, BlockSize);
        std::free(head);
    }
}
} // namespace

void TItemArena::ReturnKeptBlocks()
{
    std::vector<void*> blocks;
    {
        const std::lock_guard<std::mutex> lock(KeptLock);
        blocks.swap(KeptBlocks());
    }
    for (void* block : blocks) {
        ASAN_UNPOISON_MEMORY_REGION(block, BlockSize);
        std::free(block);
    }
}

namespace {
} // namespace

void* TVocabItem::operator new(std::size_t size)
{
    return ::operator new(size);
}

void TVocabItem::operator delete(void* item)
{
    ::operator delete(item);
}

void TVocabItem::operator delete(TVocabItem* item, std::destroying_delete_t)
{
    const bool placed = (item->TextStamp_ & ArenaFlag) != 0;
    item->~TVocabItem();
    if (placed)
        TItemArena::Release(item);
    else
        ::operator delete(item);
}

TItemArena::~TItemArena()
{
    LeaveBlock();
}

void TItemArena::LeaveBlock()
{
    if (Block_)
        DropHolds(HeadOf(Block_), ArenaHold - Placed_);
    Block_ = nullptr;
    Used_ = 0;
    Placed_ = 0;
}

void TItemArena::Release(TVocabItem* item)
{
    // The sanitizer cannot see a place freed inside a block; told, it catches a use after delete.
    ASAN_POISON_MEMORY_REGION(item, sizeof(TVocabItem));
    DropHolds(HeadOf(item), 1);
}

void TItemArena::DeleteAll(TVocabItemList& items)
{
    // Freeing a loaded list item by item, an atomic step each, was a tenth of a load's time.
    TBlockHead* head = nullptr;
    std::size_t holds = 0;
    for (auto& owned : items) {
        TVocabItem* item = owned.release();
        if (!item || (item->TextStamp_ & TVocabItem::ArenaFlag) == 0) {
            delete item;
            continue;
        }
        item->~TVocabItem();
        ASAN_POISON_MEMORY_REGION(item, sizeof(TVocabItem));
        if (TBlockHead* const at = HeadOf(item); at != head) {
            if (head)
                DropHolds(head, holds);
            head = at;
            holds = 0;
        }
        ++holds;
    }
    if (head)
        DropHolds(head, holds);
    items.clear();
}

std::size_t TItemArena::BlocksInUse()
{
    return LiveBlocks.load(std::memory_order_relaxed);
}

std::unique_ptr<TVocabItem> TItemArena::Make(
    std::string_view foreign, std::string_view category, std::string_view notes, std::string_view native)
{
    const std::array<std::string_view, FieldCount> values { foreign, category, notes, native };
    std::array<std::uint32_t, FieldCount> lengths {};
    const std::size_t total = TotalOf(values, lengths);
    const std::size_t size = Aligned(sizeof(TVocabItem) + total);
    if (size > MaxPlaced)
        return TVocabItem::Make(foreign, category, notes, native);
    if (!Block_ || Used_ + size > BlockSize) {
        LeaveBlock();
        void* block = TakeBlock();
        ::new (block) TBlockHead { ArenaHold };
        ASAN_POISON_MEMORY_REGION(static_cast<char*>(block) + HeadSize, BlockSize - HeadSize);
        LiveBlocks.fetch_add(1, std::memory_order_relaxed);
        Block_ = static_cast<char*>(block);
        Used_ = HeadSize;
    }
    char* place = Block_ + Used_;
    ASAN_UNPOISON_MEMORY_REGION(place, size);
    Used_ += size;
    ++Placed_;
    return std::unique_ptr<TVocabItem>(
        TVocabItem::Construct(place, values, lengths, total, TVocabItem::ArenaFlag));
}
