#pragma once
// One recorded editing action of the undo history, owning what it needs to switch states.

#include "core/VocabItem.h"

#include <cstdint>
#include <memory>

enum TUndoKind : std::uint8_t {
    ukNone = 0,
    ukAdd = 1,
    ukEdit = 2,
    ukDelete = 3,
    ukPaste = 4,
    ukMove = 5,
    ukSort = 6,
    ukShuffle = 7,
};

// "Add", "Edit", ... : the word the Edit menu puts after "&Undo " and "&Redo ".
const char* UndoKindName(TUndoKind kind);

// A list payload holds the same items as the document's list in another order. Whichever list is
// the document's owns the items, so this one gives them up instead of freeing them.
class TBorrowedItemList {
public:
    TBorrowedItemList() = default;
    explicit TBorrowedItemList(TVocabItemList list)
        : List_(std::move(list))
    {
    }
    TBorrowedItemList(TBorrowedItemList&&) noexcept = default;
    TBorrowedItemList& operator=(TBorrowedItemList&& other) noexcept;
    ~TBorrowedItemList() { Release(); }
    TVocabItemList& List() { return List_; }
    std::size_t Size() const { return List_.size(); }

private:
    void Release()
    {
        for (auto& item : List_)
            (void)item.release();
        List_.clear();
    }
    TVocabItemList List_;
};

struct TUndoRecord {
    TUndoKind Kind = ukNone;
    std::int32_t OldIndex = -1;
    std::int32_t NewIndex = -1;
    std::unique_ptr<TVocabItem> Item; // item payload (add, edit, delete, paste)
    TBorrowedItemList List; // list payload (sort, shuffle)
    // A paste of text can put in several items at once: they are one step, and while it is undone
    // its payload holds them in order (Item stays empty).
    std::int32_t Added = 1;
    TVocabItemList Items {};
};
