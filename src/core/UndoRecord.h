#pragma once
// One recorded editing action of the undo history, owning what it needs to switch states.

#include "core/VocabItem.h"

#include <cstdint>
#include <memory>
#include <vector>

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

struct TUndoRecord {
    TUndoKind Kind = ukNone;
    std::int32_t OldIndex = -1;
    std::int32_t NewIndex = -1;
    std::unique_ptr<TVocabItem> Item; // item payload (add, edit, delete, paste)
    // Sort and shuffle: the new order as positions in the old one (item k came from Order[k]); empty
    // when the order did not change. Four bytes an item, where a list of the items would take eight.
    std::vector<std::uint32_t> Order;
    // A paste of text can put in several items at once: they are one step, and while it is undone
    // its payload holds them in order (Item stays empty).
    std::int32_t Added = 1;
    TVocabItemList Items {};
};
