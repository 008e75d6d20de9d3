// The vocabulary file format: exact bytes, round trips, damaged files and safe saving.

#include "core/DocumentBuilders.h"
#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "exchange/Export.h"
#include "support/ChildProcess.h"
#include "support/MessageOf.h"
#include "support/TempDir.h"

#include <climits>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string EmptyFile = std::string("\x0CVelmoria 2.3", 13) + std::string("\x07\x04\x09\x04", 4)
    + std::string(8, '\0') + std::string(16, '\0') + std::string(4, '\0');

// A document with every kind of value the format carries.
void FillSample(TVocabFile& doc)
{
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    for (int i = 0; i < PropertyCount; ++i)
        doc.SetProperties(i, "property " + std::to_string(i) + " \xE4\xF6\xFC");
    AppendByAdd(doc, "der Hund", "noun", "", "dog", 4);
    AppendByAdd(doc, "\xDF\xE9\x80\x81\xFF", "", "note \"quoted\"", "a; b, c");
    AppendByAdd(doc, "");
}

std::string Saved(TVocabFile& doc)
{
    std::ostringstream out;
    doc.SaveToStream(out);
    return out.str();
}

// A sample list saved in a folder of its own.
class VocabFileStorage : public ::testing::Test {
protected:
    void SaveSample()
    {
        if (Doc.Count() == 0)
            FillSample(Doc);
        Doc.SaveToFile(Name);
        Before = ReadBytes(Name);
    }
    std::ptrdiff_t FilesInFolder() const { return std::distance(fs::directory_iterator(Dir.Path()), {}); }

    TTempDir Dir;
    const std::string Name = Dir.File("list.vmr");
    TVocabFile Doc;
    std::string Before;
};

} // namespace

TEST_F(VocabFileStorage, TheLayoutIsExactAndEveryByteComesBack)
{
    Doc.SetForeignLangID(0x0407);
    Doc.SetNativeLangID(0x0409);
    EXPECT_EQ(Saved(Doc), EmptyFile);
    EXPECT_FALSE(Doc.Modified());
    AppendByAdd(Doc, "ab", "c", "", "de", 1);
    Doc.Items(0).LastAttempt = 0x01020304;
    Doc.Items(0).PenaltyPoints = -1;
    const std::string record = std::string("\x02\x00"
                                           "ab\x01\x00"
                                           "c\x00\x00\x02\x00"
                                           "de",
                                   13)
        + std::string("\x04\x03\x02\x01\x01\x00\x00\x00\xFF\xFF\xFF\xFF", 12);
    EXPECT_EQ(Saved(Doc), EmptyFile.substr(0, 41) + std::string("\x01\x00\x00\x00", 4) + record);

    // With the exact layout above, saving the loaded list again checks every value read.
    FillSample(Doc);
    Doc.Items(1).PenaltyPoints = 3;
    const std::string first = Saved(Doc);
    TVocabFile loaded;
    loaded.LoadFromBytes(first);
    EXPECT_EQ(Saved(loaded), first);
    EXPECT_EQ(std::tuple(loaded.CurrentIndex(), loaded.Modified(), loaded.UndoPos(), loaded.SavedPos()),
        std::tuple(-1, false, 0, 0));

    // Russian foreign, Greek native, the largest counter: the bytes must not be touched.
    std::string bytes = EmptyFile;
    bytes.replace(13, 12, std::string("\x19\x04\x08\x04\xFF\xFF\xFF\x7F\x05\x00\x00\x00", 12));
    loaded.LoadFromBytes(bytes);
    EXPECT_EQ(std::tuple(loaded.Count(), loaded.ForeignLangID(), loaded.Attempts(), loaded.Successes()),
        std::tuple(0, 0x0419, 0x7FFFFFFF, 5));
    EXPECT_EQ(Saved(loaded), bytes);
}

TEST_F(VocabFileStorage, AFileCutAtAnyOffsetOrMissingFailsCleanly)
{
    FillSample(Doc);
    const std::string bytes = Saved(Doc);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        TVocabFile doc;
        FillSample(doc);
        EXPECT_ANY_THROW(doc.LoadFromBytes(std::string_view(bytes).substr(0, cut)));
        EXPECT_EQ(std::tuple(doc.Count(), doc.FileName(), doc.Properties(0), doc.Attempts(), doc.Modified(),
                      doc.UndoKind()),
            std::tuple(0, "", "", 0, false, ukNone));
    }
    // From a stream the rest of it is read; a stream that ends too soon empties the document too.
    std::istringstream in(bytes), cut("\x0CVelmoria");
    Doc.LoadFromStream(in);
    EXPECT_EQ(Doc.Count(), 3);
    EXPECT_ANY_THROW(Doc.LoadFromStream(cut));
    EXPECT_EQ(Doc.Count(), 0);

    SaveSample();
    // A missing file, or a folder, leaves the document as it was.
    EXPECT_TRUE(
        Contains(MessageOf<EFileError>([&] { Doc.LoadFromFile(Dir.File("missing.vmr")); }), "missing.vmr"));
    EXPECT_THROW(Doc.LoadFromFile(Dir.Path().string()), EFileError);
    EXPECT_EQ(std::tuple(Doc.Count(), Doc.FileName()), std::tuple(3, Name));
    // A file cut short fails with the read error after the file's name, emptying the document.
    WriteBytes(Name, Before.substr(0, Before.size() - 3));
    EXPECT_EQ(MessageOf<EFileError>([&] { Doc.LoadFromFile(Name); }), Name + "\n" + StreamReadError);
    EXPECT_EQ(std::tuple(Doc.Count(), Doc.FileName()), std::tuple(0, std::string()));
}

// Bytes after the last item mean a damaged count: a save would drop the items it does not name.
TEST_F(VocabFileStorage, DamagedListsAreRefusedBeforeAllocatingAndLoadNothing)
{
    SaveSample();
    // The count sits right after the eight properties.
    std::size_t countAt = 25;
    for (int p = 0; p < PropertyCount; ++p)
        countAt += 2 + static_cast<unsigned char>(Before[countAt])
            + 256 * static_cast<unsigned char>(Before[countAt + 1]);
    const auto withCount = [&](char count) {
        return std::string(Before).replace(countAt, 4, std::string(1, count) + std::string(3, '\0'));
    };
    const auto emptyWithCount = [](const char* count) {
        return EmptyFile.substr(0, 41) + std::string(count, 4) + std::string(20, '\0');
    };
    const auto magic = [](const char* text) { return std::string(text, 13) + EmptyFile.substr(13); };
    const std::pair<const char*, std::string> cases[] = { { "magic in capitals", magic("\x0CVELMORIA 2.3") },
        { "magic of another length", magic("\x0BVelmoria 2.3") },
        { "another version", magic("\x0CVelmoria 2.4") },
        { "magic in small letters", magic("\x0Cvelmoria 2.3") }, { "count lowered by one", withCount(2) },
        { "count lowered to none", withCount(0) }, { "one byte appended", Before + '\0' },
        { "an item appended", Before + Before.substr(Before.size() - 20) },
        { "empty list with bytes after it", EmptyFile + "garbage" },
        { "negative count", emptyWithCount("\xFF\xFF\xFF\xFF") },
        { "count at the capacity limit", emptyWithCount("\x00\x00\x00\x08") },
        { "largest count", emptyWithCount("\xFF\xFF\xFF\x7F") },
        { "100 million items in 20 bytes", emptyWithCount("\x00\xE1\xF5\x05") },
        { "one item more than the bytes hold", emptyWithCount("\x02\x00\x00\x00") } };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        TVocabFile doc;
        FillSample(doc);
        const std::string error = MessageOf<EVocabFileError>([&] { doc.LoadFromBytes(bytes); });
        // A count beyond the capacity says so; any other damage is a damaged file.
        const bool capacity
            = std::set<std::string_view> { "negative count", "count at the capacity limit", "largest count" }
                  .contains(name);
        EXPECT_EQ(capacity ? Contains(error, "out of bounds") : error == "Invalid file format.", true)
            << error;
        EXPECT_EQ(doc.Count(), 0);
        WriteBytes(Name, bytes);
        EXPECT_EQ(MessageOf<EVocabFileError>([&] { doc.LoadFromFile(Name); }), Name + "\n" + error);
        EXPECT_EQ(std::tuple(doc.Count(), doc.FileName(), ReadBytes(Name)), std::tuple(0, "", bytes));
    }
    Doc.LoadFromBytes(emptyWithCount("\x01\x00\x00\x00"));
    EXPECT_EQ(Doc.Count(), 1);
}

// A list long enough to be read by two threads loads whole, in order, and every damage in either
// thread's part fails the whole load as one reader's would.
TEST_F(VocabFileStorage, ALargeListLoadsWholeAndItsDamageAnywhereLoadsNothing)
{
    const auto number = [](std::uint32_t value, int size) {
        return std::string { char(value), char(value >> 8), char(value >> 16), char(value >> 24) }.substr(
            0, size);
    };
    constexpr int Count = 70000;
    std::string items;
    std::vector<std::size_t> starts;
    for (int i = 0; i < Count; ++i) {
        starts.push_back(items.size());
        for (const std::string& field :
            { "w" + std::to_string(i), std::string(i % 3, 'c'), std::string(), "n" + std::to_string(i) })
            items += number(static_cast<std::uint32_t>(field.size()), 2) + field;
        items += number(i, 4) + number(i % 7, 4) + number(i % 5 == 0 ? 0xFFFFFFFF : 0, 4);
    }
    const std::string head = EmptyFile.substr(0, EmptyFile.size() - 4);
    const std::string bytes = head + number(Count, 4) + items;
    TVocabFile doc;
    doc.LoadFromBytes(bytes);
    const int late = Count * 5 / 8 + 1;
    EXPECT_EQ(std::tuple(doc.Count(), doc.LearntCount(), doc.Items(late).FieldValue(fiForeign),
                  doc.Items(late).SortingPosition, doc.Items(Count - 1).FieldValue(fiNative)),
        std::tuple(Count, Count / 5, "w" + std::to_string(late), late % 7, "n69999"));
    EXPECT_EQ(Saved(doc), bytes);

    const std::size_t at = head.size() + 4;
    std::string longer = bytes;
    longer[at + starts[100]] = '\xFF';
    const std::pair<const char*, std::string> cases[] = {
        { "cut in the first part", bytes.substr(0, at + starts[100] + 3) },
        { "cut in the last item", bytes.substr(0, bytes.size() - 3) },
        { "a text in the first part longer", longer },
        { "one byte appended", bytes + '\0' },
        { "count lowered by one", head + number(Count - 1, 4) + items },
        { "count raised by one", head + number(Count + 1, 4) + items },
    };
    for (const auto& [name, damaged] : cases) {
        SCOPED_TRACE(name);
        FillSample(doc);
        EXPECT_ANY_THROW(doc.LoadFromBytes(damaged));
        EXPECT_EQ(std::tuple(doc.Count(), doc.LearntCount()), std::tuple(0, 0));
    }
}

TEST_F(VocabFileStorage, SaveToFileNamesTheDocumentButTooLongTextIsRefusedBeforeTheFileIsTouched)
{
    FillSample(Doc);
    ASSERT_TRUE(Doc.Modified());
    SaveSample();
    EXPECT_EQ(std::tuple(Doc.Modified(), Doc.FileName(), Doc.SavedPos(), FilesInFolder()),
        std::tuple(false, Name, Doc.UndoPos(), 1));

    AppendByAdd(Doc, "long", "", "", std::string(65536, 'x'));
    const std::string error = MessageOf<EVocabFileError>([&] { Doc.SaveToFile(Name); });
    EXPECT_TRUE(Contains(error, "item 4") && Contains(error, "translations")) << error;
    EXPECT_EQ(ReadBytes(Name), Before);
    EXPECT_TRUE(Doc.Modified());

    // 65535 bytes is the longest text that fits, and it comes back whole.
    Doc.Items(3).SetFieldValue(fiNative, std::string(65535, 'y'));
    Doc.SaveToFile(Name);
    TVocabFile loaded;
    loaded.LoadFromFile(Name);
    EXPECT_EQ(std::tuple(loaded.FileName(), loaded.Count(), loaded.Items(3).FieldValue(fiNative).size()),
        std::tuple(Name, 4, 65535u));

    // A stream that fails leaves the document modified.
    AppendByAdd(Doc, "more");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_ANY_THROW(Doc.SaveToStream(out));
    EXPECT_TRUE(Doc.Modified());
    EXPECT_NE(Doc.SavedPos(), Doc.UndoPos());
}

namespace {

// Every writer of the program, as the commands reach them.
const std::pair<const char*, std::function<void(TVocabFile&, const std::string&)>> Writers[] = {
    { "list", [](TVocabFile& doc, const std::string& name) { doc.SaveToFile(name); } },
    { "text", [](TVocabFile& doc, const std::string& name) { ExportText(doc, name, tfUnicodeTab); } },
    { "rtf", [](TVocabFile& doc, const std::string& name) { ExportRtf(doc, name); } },
    { "html", [](TVocabFile& doc, const std::string& name) { ExportHtml(doc, name); } },
};

} // namespace

TEST_F(VocabFileStorage, NoWriterReplacesAReadOnlyFileNotEvenForTheSuperuser)
{
    FillSample(Doc);
    const std::string link = Dir.File("link");
    for (const auto& [kind, write] : Writers) {
        SCOPED_TRACE(kind);
        const std::string name = Dir.File(std::string("locked.") + kind);
        WriteBytes(name, "precious");
        fs::permissions(name, fs::perms::owner_read | fs::perms::group_read);
        fs::remove(link);
        fs::create_symlink(name, link);
        for (const std::string& target : { name, link }) {
            const std::string error = MessageOf<EFileError>([&] { write(Doc, target); });
            EXPECT_TRUE(Contains(error, target) && Contains(error, "read-only")) << error;
            EXPECT_EQ(ReadBytes(name), "precious");
        }
    }
    EXPECT_EQ(Doc.FileName(), "");
    EXPECT_TRUE(Doc.Modified());
    EXPECT_EQ(FilesInFolder(), 5) << "temporary file left";
}

TEST_F(VocabFileStorage, SavingThroughALinkWritesTheFileItLeadsToAndKeepsTheLink)
{
    FillSample(Doc);
    const std::string real = Dir.File("real.vmr");
    WriteBytes(real, "old");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, perms);
    fs::create_directory(Dir.File("sub"));
    fs::create_symlink(real, Dir.File("symbolic.vmr"));
    fs::create_symlink("../real.vmr", Dir.File("sub/relative.vmr"));
    fs::create_symlink("sub/relative.vmr", Dir.File("chain.vmr"));
    fs::create_hard_link(real, Dir.File("hard.vmr"));
    const std::string longest = std::string(NAME_MAX - 4, 'l') + ".vmr"; // its temporary names still fit
    fs::create_hard_link(real, Dir.File(longest));
    fs::create_symlink("n", Dir.File("ahead.vmr")); // to a file not there yet, of a one-letter name
    for (const std::string name :
        { "real.vmr", "symbolic.vmr", "sub/relative.vmr", "chain.vmr", "hard.vmr", longest.c_str() }) {
        SCOPED_TRACE(name);
        WriteBytes(real, "old");
        const bool symbolic = fs::is_symlink(Dir.File(name));
        Doc.SaveToFile(Dir.File(name));
        EXPECT_EQ(std::tuple(ReadBytes(real), ReadBytes(Dir.File("hard.vmr")), Doc.FileName(),
                      fs::is_symlink(Dir.File(name)), fs::status(real).permissions() & fs::perms::all),
            std::tuple(Doc.SaveToBytes(), Doc.SaveToBytes(), Dir.File(name), symbolic, perms));
        EXPECT_EQ(FilesInFolder(), 7) << "temporary file left";
    }
    Doc.SaveToFile(Dir.File("ahead.vmr"));
    EXPECT_EQ(ReadBytes(Dir.File("n")), Doc.SaveToBytes());
    EXPECT_TRUE(fs::is_symlink(Dir.File("ahead.vmr")));
}

TEST_F(VocabFileStorage, AFolderThatTakesNoNewFileIsNamedWithTheReason)
{
    SaveSample();
    const std::string folder = Dir.File("shared");
    const std::string name = folder + "/list.vmr";
    fs::create_directory(folder);
    fs::copy_file(Name, name);
    for (const std::string& path : { Dir.Path().string(), folder, name })
        ASSERT_TRUE(::geteuid() != 0 || ::chown(path.c_str(), 65534, 65534) == 0) << path;
    // The file may be written, the folder may not: no temporary file can be made beside it.
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    // As an ordinary user, where permissions bind: as root they would not.
    const std::string error = InChildProcess([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return std::string("cannot drop privileges");
        return MessageOf<EFileError>([&] { Doc.SaveToFile(name); });
    });
    EXPECT_TRUE(Contains(error, "folder \"" + folder + "\"") && Contains(error, "Permission denied")
        && Contains(error, name))
        << error;
    EXPECT_EQ(ReadBytes(name), Before);
    fs::permissions(folder, fs::perms::owner_all);

    // A folder in the way, and a folder that does not exist.
    for (const std::string& bad : { folder, Dir.File("nowhere/out.txt") }) {
        const std::string message = MessageOf<EFileError>([&] { SafeWriteFile(bad, "x"); });
        EXPECT_TRUE(Contains(message, bad)) << message;
    }
    EXPECT_TRUE(fs::is_directory(folder));
}
