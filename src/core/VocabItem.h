#pragma once
// One word or phrase with its translations and test state.

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

// Field indexes of an item's texts; this order is the file, clipboard, import/export and find/sort order.
enum TField : int { fiForeign = 0, fiCategory = 1, fiNotes = 2, fiNative = 3 };
inline constexpr int FieldCount = 4;

// The four texts as plain strings, for code that builds or reads items as a whole.
using TFieldValues = std::array<std::string, FieldCount>;
// Names the texts of an item (TVocabItem::TextStamp). 32 bits keep an item at 40 bytes.
using TTextStamp = std::uint32_t;

class TVocabItem {
public:
    TVocabItem() = default;
    ~TVocabItem();
    // An item whose texts live in its own allocation, right after it: one allocation instead of
    // two for each item a load or import makes.
    static std::unique_ptr<TVocabItem> Make(
        std::string_view foreign, std::string_view category, std::string_view notes, std::string_view native);
    // Plain allocation; deleting needs no size, since a made item is larger than the class.
    // Out of line: the compiler must not pair the global functions with the destroying delete.
    static void* operator new(std::size_t size);
    static void operator delete(void* item);
    // An item in a block of a TItemArena gives its place back to the block instead of the heap.
    static void operator delete(TVocabItem* item, std::destroying_delete_t);

    TVocabItem(const TVocabItem& other);
    TVocabItem& operator=(const TVocabItem& other);
    // A moved-from item is left empty (its lengths must not outlive its buffer).
    TVocabItem(TVocabItem&& other) noexcept;
    TVocabItem& operator=(TVocabItem&& other) noexcept;

    // Field i (0..3). The four texts share one buffer: a million items must fit in little memory.
    std::string_view FieldValue(int i) const
    {
        return { Data_ + Offset(i), static_cast<std::size_t>(Length_[static_cast<std::size_t>(i)]) };
    }
    void SetFieldValue(int i, std::string_view value);
    void SetFieldValues(
        std::string_view foreign, std::string_view category, std::string_view notes, std::string_view native);
    void SetFieldValues(const TFieldValues& values);
    TFieldValues FieldValues() const;

    bool Learnt() const { return PenaltyPoints == -1; }
    // Names the present texts: it changes whenever they change, so a view can keep what it derives
    // from the texts by it. A copy shares it, as it shares the texts; an item without texts has 0.
    // A stamp comes back only after 2^30 changes of texts in one run.
    TTextStamp TextStamp() const { return TextStamp_ & ~Flags; }

    std::int32_t LastAttempt = 0;
    std::int32_t SortingPosition = 0;
    std::int32_t PenaltyPoints = 0;

private:
    std::size_t Offset(int i) const
    {
        std::size_t offset = 0;
        for (int k = 0; k < i; ++k)
            offset += Length_[static_cast<std::size_t>(k)];
        return offset;
    }

    friend class TItemArena;
    static TTextStamp NextTextStamp();
    // An item at place with its texts right after it; placeFlag marks a place in an arena's block.
    static TVocabItem* Construct(void* place, const std::array<std::string_view, FieldCount>& values,
        const std::array<std::uint32_t, FieldCount>& lengths, std::size_t total, TTextStamp placeFlag);
    bool Inline() const { return (TextStamp_ & InlineFlag) != 0; }
    // Takes texts made elsewhere (an owned buffer) in place of the present ones.
    void Adopt(char* data, const std::array<std::uint32_t, FieldCount>& lengths, TTextStamp stamp);
    void Release();

    // The stamp's top bit tells that the texts follow the item in its allocation, the next that
    // the allocation is a place in an arena's block (it stays with the item while texts change).
    static constexpr TTextStamp InlineFlag = 0x80000000u;
    static constexpr TTextStamp ArenaFlag = 0x40000000u;
    static constexpr TTextStamp Flags = InlineFlag | ArenaFlag;
    // In the room the three numbers above leave before the pointer.
    TTextStamp TextStamp_ = 0;
    char* Data_ = nullptr; // owned unless inline
    std::array<std::uint32_t, FieldCount> Length_ {};
};

using TVocabItemList = std::vector<std::unique_ptr<TVocabItem>>;

// Makes many items at once, as a load does: items are placed one after another in large blocks,
// so making and freeing them costs next to nothing per item. Each item may outlive the arena and
// be deleted alone, on any thread; a block is freed with the last item placed in it. A place
// freed early is not reused: an arena is for lists made whole.
class TItemArena {
public:
    TItemArena() = default;
    ~TItemArena();
    TItemArena(const TItemArena&) = delete;
    TItemArena& operator=(const TItemArena&) = delete;

    std::unique_ptr<TVocabItem> Make(
        std::string_view foreign, std::string_view category, std::string_view notes, std::string_view native);
    // Blocks not yet freed, in the whole program.
    static std::size_t BlocksInUse();
    // Freed blocks kept for the next load go back to the system.
    static void ReturnKeptBlocks();
    // Deletes every item of the list, as deleting each would, with one step per block of items
    // placed together.
    static void DeleteAll(TVocabItemList& items);

private:
    friend class TVocabItem;
    static void Release(TVocabItem* item);
    void LeaveBlock();

    char* Block_ = nullptr;
    std::size_t Used_ = 0;
    std::size_t Placed_ = 0; // items placed in the present block
};

// Items handed out by GetChoices; they stay owned by the document.
using TVocabItemArray = std::vector<TVocabItem*>;
