// Reading and writing the vocabulary file format.

#include "core/FileStamp.h"
#include "core/FreedMemory.h"
#include "core/SafeSave.h"
#include "core/VocabFile.h"

#include <cstring>
#include <exception>
#include <future>
#include <istream>
#include <iterator>
#include <ostream>
#include <system_error>

namespace {

constexpr char Magic[] = "\x0CVelmoria 2.3";
constexpr std::size_t MagicSize = 13;
// Four empty texts and three numbers: the smallest item record.
constexpr std::size_t MinItemRecordSize = 4 * 2 + 3 * 4;
// The item list cannot hold more than this many items.
constexpr std::int32_t MaxItemCount = 134217728;

// Whole sentences: a field's name takes its own article and case in other languages.
const char* const FieldTooLong[FieldCount] = {
    VM_TRANSLATE_NOOP(
        "Velmoria::Model", "Cannot save: the word/phrase of item %1 is longer than 65535 bytes."),
    VM_TRANSLATE_NOOP(
        "Velmoria::Model", "Cannot save: the part of speech of item %1 is longer than 65535 bytes."),
    VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot save: the notes of item %1 are longer than 65535 bytes."),
    VM_TRANSLATE_NOOP(
        "Velmoria::Model", "Cannot save: the translations of item %1 are longer than 65535 bytes."),
};

// Exact reads over the file image: running short is the stream's read error.
class TReader {
public:
    explicit TReader(std::string_view bytes)
        : Bytes_(bytes)
    {
    }
    std::string_view Take(std::size_t n)
    {
        if (n > Bytes_.size() - Pos_)
            throw std::runtime_error(StreamReadError);
        const auto part = Bytes_.substr(Pos_, n);
        Pos_ += n;
        return part;
    }
    std::uint16_t U16()
    {
        const auto b = Take(2);
        return static_cast<std::uint16_t>(
            static_cast<unsigned char>(b[0]) | (static_cast<unsigned char>(b[1]) << 8));
    }
    std::int32_t I32()
    {
        const auto b = Take(4);
        const std::uint32_t v = static_cast<std::uint32_t>(static_cast<unsigned char>(b[0]))
            | (static_cast<std::uint32_t>(static_cast<unsigned char>(b[1])) << 8)
            | (static_cast<std::uint32_t>(static_cast<unsigned char>(b[2])) << 16)
            | (static_cast<std::uint32_t>(static_cast<unsigned char>(b[3])) << 24);
        return static_cast<std::int32_t>(v);
    }
    std::string_view Str() { return Take(U16()); }
    std::size_t Remaining() const { return Bytes_.size() - Pos_; }

private:
    std::string_view Bytes_;
    std::size_t Pos_ = 0;
};

// Lists of this many items and more are read by two threads.
constexpr std::size_t ParallelLoadItems = 1 << 16;

void SkipItem(TReader& reader)
{
    for (int field = 0; field < 4; ++field)
        (void)reader.Str();
    (void)reader.Take(12);
}

// Reads items [first, last) into their places; returns how many are learnt.
std::int32_t ReadItems(TReader& reader, TVocabItemList& items, std::size_t first, std::size_t last)
{
    TItemArena arena;
    std::int32_t learnt = 0;
    for (std::size_t i = first; i < last; ++i) {
        const auto foreign = reader.Str();
        const auto category = reader.Str();
        const auto notes = reader.Str();
        const auto native = reader.Str();
        auto item = arena.Make(foreign, category, notes, native);
        item->LastAttempt = reader.I32();
        item->SortingPosition = reader.I32();
        item->PenaltyPoints = reader.I32();
        learnt += item->Learnt() ? 1 : 0;
        items[i] = std::move(item);
    }
    return learnt;
}

// Writes into a buffer sized beforehand: one pass, no capacity checks per byte.
class TWriter {
public:
    explicit TWriter(char* out)
        : Out_(out)
    {
    }
    void Raw(const char* data, std::size_t n)
    {
        // An empty text may have no buffer at all, and memcpy must not see a null pointer.
        if (n == 0)
            return;
        std::memcpy(Out_, data, n);
        Out_ += n;
    }
    void U16(std::uint16_t v)
    {
        Out_[0] = static_cast<char>(v & 0xFF);
        Out_[1] = static_cast<char>(v >> 8);
        Out_ += 2;
    }
    void I32(std::int32_t value)
    {
        const auto v = static_cast<std::uint32_t>(value);
        Out_[0] = static_cast<char>(v & 0xFF);
        Out_[1] = static_cast<char>((v >> 8) & 0xFF);
        Out_[2] = static_cast<char>((v >> 16) & 0xFF);
        Out_[3] = static_cast<char>(v >> 24);
        Out_ += 4;
    }
    void Str(std::string_view text)
    {
        U16(static_cast<std::uint16_t>(text.size()));
        Raw(text.data(), text.size());
    }

private:
    char* Out_;
};

} // namespace

void TVocabFile::LoadFromBytes(std::string_view bytes)
{
    Clear();
    try {
        TReader reader(bytes);
        if (reader.Remaining() < MagicSize || std::memcmp(bytes.data(), Magic, MagicSize) != 0)
            throw EVocabFileError("Invalid file format.");
        reader.Take(MagicSize);
        ForeignLangID_ = reader.U16();
        NativeLangID_ = reader.U16();
        Attempts_ = reader.I32();
        Successes_ = reader.I32();
        for (auto& property : Properties_)
            property = reader.Str();
        const std::int32_t count = reader.I32();
        if (count < 0 || count >= MaxItemCount)
            throw EVocabFileError(
                TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "List capacity out of bounds (%1)"),
                    { std::to_string(count) }));
        // A count the remaining bytes cannot hold is refused before anything is allocated.
        if (static_cast<std::size_t>(count) > reader.Remaining() / MinItemRecordSize)
            throw EVocabFileError("Invalid file format.");
        const auto total = static_cast<std::size_t>(count);
        ReserveLarge(Items_, total);
        Items_.resize(total);
        // A large list is read by two threads: the second steps over the first part's items (a
        // few length fields each) while the first reads them, then reads the rest.
        std::size_t split = total >= ParallelLoadItems ? total * 5 / 8 : total;
        std::future<std::int32_t> rest;
        try {
            if (split < total)
                rest = std::async(std::launch::async, [this, reader, split, total]() mutable {
                    for (std::size_t i = 0; i < split; ++i)
                        SkipItem(reader);
                    const std::int32_t learnt = ReadItems(reader, Items_, split, total);
                    // The writer puts nothing after the last item: bytes there mean a damaged
                    // count, and loading the items it names would lose the rest with the next save.
                    if (reader.Remaining() != 0)
                        throw EVocabFileError("Invalid file format.");
                    return learnt;
                });
        } catch (const std::system_error&) {
            split = total; // no thread to be had: one reads it all
        }
        // The first part's error is the one a single reader would have met first.
        std::exception_ptr failure;
        try {
            Learnt_ = ReadItems(reader, Items_, 0, split);
            if (split == total && reader.Remaining() != 0)
                throw EVocabFileError("Invalid file format.");
        } catch (...) {
            failure = std::current_exception();
        }
        if (rest.valid()) {
            try {
                Learnt_ += rest.get();
            } catch (...) {
                if (!failure)
                    failure = std::current_exception();
            }
        }
        if (failure)
            std::rethrow_exception(failure);
    } catch (...) {
        Clear();
        throw;
    }
}

void TVocabFile::LoadFromStream(std::istream& stream)
{
    Clear();
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
        if (stream.bad())
            throw std::runtime_error(StreamReadError);
    } catch (...) {
        Clear();
        throw;
    }
    LoadFromBytes(bytes);
}

void TVocabFile::LoadFromFile(const std::string& fileName, TFileStamp* stamp)
{
    // A save that broke off half-way is completed first, so the file is whole again; a file that
    // cannot be completed or read leaves the document as it was. A damaged file says only "Stream
    // read error" or "Invalid file format.": the user must learn which file it is.
    const TInterruptedSave interrupted = FinishInterruptedSave(fileName);
    std::string bytes;
    try {
        // Another kind of file, however large, is refused by its first bytes.
        bytes = ReadWholeFileChecked(fileName, MagicSize, [](std::string_view head) {
            if (head.size() < MagicSize || std::memcmp(head.data(), Magic, MagicSize) != 0)
                throw EVocabFileError("Invalid file format.");
        });
        LoadFromBytes(bytes);
    } catch (const EVocabFileError& error) {
        Clear();
        throw EVocabFileError(TSaying::Joined({ fileName, error.Saying() }, "\n"));
    } catch (const EFileError&) {
        throw;
    } catch (const std::runtime_error& error) {
        throw EFileError(fileName, TSaying::Joined({ fileName, TSaying(error.what()) }, "\n"));
    }
    FileName_ = fileName;
    Announce(mcFileName);
    if (stamp)
        *stamp = StampOf(fileName, bytes);
    RemoveStaleSaveFiles(fileName);
    LoadNotice_ = {};
    if (interrupted == TInterruptedSave::Completed)
        LoadNotice_ = { VM_TRANSLATE_NOOP("Velmoria::Model",
                            "The last save of \"%1\" was broken off; it has been completed now."),
            { fileName } };
    else if (interrupted == TInterruptedSave::AlreadyComplete)
        LoadNotice_ = { VM_TRANSLATE_NOOP("Velmoria::Model",
                            "The last save of \"%1\" was broken off after the list was written; the list is "
                            "complete."),
            { fileName } };
}

std::string TVocabFile::SaveToBytes() const
{
    std::string out;
    AppendBytes(out);
    return out;
}

void TVocabFile::AppendBytes(std::string& image) const
{
    // Every text must fit its 16-bit length, or the file would be corrupt.
    std::size_t size = MagicSize + 12 + 4;
    for (int p = 0; p < PropertyCount; ++p) {
        const std::size_t length = Properties_[static_cast<std::size_t>(p)].size();
        if (length > MaxTextLength)
            throw EVocabFileError(VM_TRANSLATE_NOOP(
                "Velmoria::Model", "Cannot save: a property of the list is longer than 65535 bytes."));
        size += 2 + length;
    }
    for (std::size_t i = 0; i < Items_.size(); ++i) {
        size += MinItemRecordSize;
        for (int f = 0; f < FieldCount; ++f) {
            const std::size_t length = Items_[i]->FieldValue(f).size();
            if (length > MaxTextLength)
                throw EVocabFileError(
                    TSaying(FieldTooLong[f], { TSaying::Number(static_cast<double>(i + 1)) }));
            size += length;
        }
    }
    const std::size_t start = image.size();
    ResizeLarge(image, start + size);
    TWriter writer(image.data() + start);
    writer.Raw(Magic, MagicSize);
    writer.U16(ForeignLangID_);
    writer.U16(NativeLangID_);
    writer.I32(Attempts_);
    writer.I32(Successes_);
    for (const auto& property : Properties_)
        writer.Str(property);
    writer.I32(Count());
    for (const auto& item : Items_) {
        for (int f = 0; f < FieldCount; ++f)
            writer.Str(item->FieldValue(f));
        writer.I32(item->LastAttempt);
        writer.I32(item->SortingPosition);
        writer.I32(item->PenaltyPoints);
    }
}

void TVocabFile::SaveToStream(std::ostream& stream)
{
    const std::string bytes = SaveToBytes();
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.flush();
    if (!stream)
        throw std::runtime_error(StreamWriteError);
    MarkSaved();
}

void TVocabFile::SaveToFile(const std::string& fileName)
{
    const std::string bytes = SaveToBytes();
    SafeWriteFile(fileName, bytes);
    MarkSavedAs(fileName);
}

void TVocabFile::MarkSaved()
{
    Modified_ = false;
    SavedPos_ = UndoPos_;
    Announce(mcList);
}

void TVocabFile::MarkSavedAs(const std::string& fileName)
{
    FileName_ = fileName;
    Announce(mcFileName);
    MarkSaved();
}

void TVocabFile::MarkRecovered(const std::string& fileName)
{
    FileName_ = fileName;
    Announce(mcFileName);
    ClearUndo();
    Touch(TRowChange {});
    SavedPos_ = -1;
}
