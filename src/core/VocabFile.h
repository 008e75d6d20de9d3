#pragma once
// The vocabulary document: the list of items with its languages, properties, test data and
// undo history. Every change goes through these operations.

#include "core/ChangeNotice.h"
#include "core/Errors.h"
#include "core/KeyTable.h"
#include "core/RowChanges.h"
#include "core/UndoRecord.h"
#include "core/VocabItem.h"
#include "evaluation/Languages.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TFileStamp;

enum TPropertyIndex : int { piDescription = 0, piAuthor = 1, piComments = 2 };
inline constexpr int PropertyCount = 8;

enum TSearchMode : std::uint8_t { smAnyPart = 0, smStart = 1, smEnd = 2, smWhole = 3 };
enum TSearchOption : std::uint8_t { MatchCase = 1, MatchAccents = 2, MatchWord = 4 };

struct TSearchParams {
    std::string Text;
    std::uint8_t Field = 0; // 0..3
    std::uint8_t Options = 0; // MatchCase | MatchAccents | MatchWord
    std::uint8_t Mode = smAnyPart;
};

// The largest number of undo records kept.
inline constexpr int MaxUndoRecords = 5000;
// Sort and shuffle records keep the whole new order; beyond this many entries in all such records
// together the oldest records are dropped, so huge lists keep bounded memory.
inline constexpr std::size_t MaxUndoListEntries = 4u * 1024 * 1024;
// The largest text a file can hold (its length is stored in 16 bits).
inline constexpr std::size_t MaxTextLength = 65535;

class TVocabFile {
public:
    TVocabFile();
    ~TVocabFile();
    TVocabFile(const TVocabFile&) = delete;
    TVocabFile& operator=(const TVocabFile&) = delete;

    // ---- Queries
    std::int32_t Count() const { return static_cast<std::int32_t>(Items_.size()); }
    TVocabItem& Items(std::int32_t i);
    const TVocabItem& Items(std::int32_t i) const;
    TVocabItem& CurrentItem();
    // Kept up to date by every operation, so a status bar may ask on each update of a huge list.
    std::int32_t LearntCount() const { return Learnt_; }
    // For a caller that set items' PenaltyPoints itself instead of through the operations: what
    // is kept by the revision (the test's order of questions) is made anew too.
    void RecountLearnt();
    const std::string& Properties(int i) const;
    bool SameLanguages(LangId foreign, LangId native) const;
    // The raw list, in order (for views and exporters that walk every item).
    const TVocabItemList& ItemList() const { return Items_; }

    // ---- Fields with setters
    std::int32_t CurrentIndex() const { return CurrentIndex_; }
    void SetCurrentIndex(std::int32_t v);
    LangId ForeignLangID() const { return ForeignLangID_; }
    void SetForeignLangID(LangId v);
    LangId NativeLangID() const { return NativeLangID_; }
    void SetNativeLangID(LangId v);
    void SetProperties(int i, const std::string& s);
    std::int32_t Attempts() const { return Attempts_; }
    std::int32_t Successes() const { return Successes_; }
    const std::string& FileName() const { return FileName_; }
    bool Modified() const { return Modified_; }
    std::int32_t UndoPos() const { return UndoPos_; }
    std::int32_t SavedPos() const { return SavedPos_; }
    // Changes whenever the contents change (edits, undo, answers, loading), and is never the
    // same for two documents: a view tells from it whether it has seen the present state.
    std::uint64_t Revision() const { return Revision_; }
    // What changed in the rows since the list was at revision, in order (none when it still is), so
    // that a view of a huge list follows an edit without looking at every item; nullopt when that
    // is not known: an older revision, a sort, a load or another change of the whole list.
    std::optional<std::vector<TRowChange>> RowChangesSince(std::uint64_t revision) const;
    // Changes with the items' texts, the set of items and the languages, but not with answers,
    // moves or sorts: what review cards are made of.
    std::uint64_t TextsRevision() const { return TextsRevision_; }
    std::int32_t UndoCount() const { return static_cast<std::int32_t>(UndoList_.size()); }
    // Entries held by the orders of all records (bounded by MaxUndoListEntries).
    std::size_t UndoListEntries() const { return UndoListEntries_; }

    // The staging item the editing commands fill before Add, Replace or PasteFromClipboard.
    TVocabItem& NewItem() { return *NewItem_; }

    // ---- Editing operations, each recorded for undo
    void Add(TUndoKind kind = ukAdd);
    // Puts all of the source's items where Add puts one, as one step "Paste"; they arrive unlearnt.
    // Returns how many there were (no step for none).
    std::int32_t PasteItems(TVocabFile& source);
    void Replace();
    void DeleteCurrent();
    void MoveCurrent(std::int32_t newIndex);
    // Orders the list by the keys, one per item in present order; equal keys keep their order.
    void Sort(const TKeyTable& sortKeys);
    // The two halves of Sort, so the slow half can run away from the document: the order of the
    // item indexes the keys give (empty when already in order), and putting the items in it.
    static std::vector<std::uint32_t> SortOrder(const TKeyTable& sortKeys);
    void SortByOrder(std::span<const std::uint32_t> order);
    void Shuffle();

    // ---- Other operations
    void Clear();
    std::int32_t MergeFile(const std::string& name);
    // MergeFile on a document already read: takes over all its items.
    std::int32_t MergeDocument(TVocabFile& source);
    void ResetTestData();
    void RecordAnswer(bool correct, std::int32_t maxPenalty);
    void GetChoices(TVocabItemArray& choices, std::int32_t wanted);
    std::int32_t FindNext(const TSearchParams& params) const;
    // Raises the item list's capacity once before a bulk append.
    void Reserve(std::size_t capacity);
    // Appends an item at the end without recording undo (bulk import); the caller finishes the
    // import with EndBulkAppend when at least one item was added.
    void AppendItem(std::unique_ptr<TVocabItem> item);
    void EndBulkAppend();

    // ---- Storage
    // The stamp, when asked for, is of exactly the bytes read. A rewrite of the file that broke off
    // is completed first (FinishInterruptedSave), and temporary files that killed saves left beside
    // the file are removed.
    void LoadFromFile(const std::string& fileName, TFileStamp* stamp = nullptr);
    // What the last LoadFromFile found and set right besides reading the file (a save that broke
    // off), for the user to be told once; mostly empty.
    const TSaying& LoadNotice() const { return LoadNotice_; }
    void LoadFromStream(std::istream& stream);
    // Parses a whole file image; the fast path of both loaders.
    void LoadFromBytes(std::string_view bytes);
    void SaveToFile(const std::string& fileName);
    void SaveToStream(std::ostream& stream);
    // The exact file image of the document; raises when a text cannot be stored.
    std::string SaveToBytes() const;
    // The same image put at the end of out, which grows once.
    void AppendBytes(std::string& out) const;
    // Marks the present state as saved (after the bytes reached their file).
    void MarkSaved();
    // The same after the bytes were written under a (new) name by the caller.
    void MarkSavedAs(const std::string& fileName);
    // A document restored from a recovery copy: it belongs to the file (or to none) but differs
    // from it, so it counts as modified until saved, whatever the undo history does.
    void MarkRecovered(const std::string& fileName);

    // ---- Undo history
    TUndoKind UndoKind() const;
    TUndoKind RedoKind() const;
    void Undo();
    void Redo();
    void ClearUndo();
    // Puts the items in order (item k from order[k]), or back from it; moves the current index along.
    void ApplyOrder(std::span<const std::uint32_t> order, bool back);
    void PushUndo(TUndoRecord record);

    // Where the document tells of its changes (mcList, mcFileName); none by default.
    void SetNotice(TChangeNotice* notice) { Notice_ = notice; }

private:
    // A new revision, told as mcList; rows says what it changed in the rows, if known.
    void Renew(std::optional<TRowChange> rows = std::nullopt);
    void SetModifiedFromHistory(std::optional<TRowChange> rows)
    {
        Modified_ = UndoPos_ != SavedPos_;
        Renew(rows);
    }
    void Touch(std::optional<TRowChange> rows = std::nullopt)
    {
        Modified_ = true;
        Renew(rows);
    }
    void Announce(std::uint32_t changes);
    void TextsChanged() { TextsRevision_ = NextRevision(); }
    static std::uint64_t NextRevision();
    void TrimUndoMemory();

    std::vector<TUndoRecord> UndoList_;
    std::int32_t UndoPos_ = 0;
    std::int32_t SavedPos_ = 0;
    std::size_t UndoListEntries_ = 0; // entries held by the orders of all records
    std::int32_t Attempts_ = 0;
    std::unique_ptr<TVocabItem> NewItem_;
    std::string FileName_;
    TSaying LoadNotice_;
    LangId ForeignLangID_ = 0;
    std::int32_t CurrentIndex_ = -1;
    TVocabItemList Items_;
    bool Modified_ = false;
    LangId NativeLangID_ = 0;
    std::array<std::string, PropertyCount> Properties_;
    std::int32_t Successes_ = 0;
    std::uint64_t Revision_ = NextRevision();
    std::uint64_t TextsRevision_ = NextRevision();
    // The latest revisions' steps, in a ring: enough for the edits between two looks of a view.
    struct TRevisionStep {
        std::uint64_t Before = 0;
        std::optional<TRowChange> Rows;
    };
    std::array<TRevisionStep, 16> Steps_ {};
    std::size_t StepCount_ = 0;
    std::int32_t Learnt_ = 0;
    TChangeNotice* Notice_ = nullptr;
};

// How many of the items are learnt.
std::int32_t CountLearnt(std::span<const std::unique_ptr<TVocabItem>> items);
