// The vocabulary file format: exact bytes, round trips, damaged files and safe saving.

#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const std::string EmptyFile = std::string("\x0CVelmoria 2.3", 13) + std::string("\x07\x04\x09\x04", 4)
    + std::string(8, '\0') + std::string(16, '\0') + std::string(4, '\0');

void AddItem(TVocabFile& doc, std::string_view foreign, std::string_view category, std::string_view notes,
    std::string_view native, std::int32_t sortingPosition = 0)
{
    doc.SetCurrentIndex(-1);
    doc.NewItem().SetFieldValues(foreign, category, notes, native);
    doc.NewItem().SortingPosition = sortingPosition;
    doc.Add();
}

// A document with every kind of value the format carries.
void FillSample(TVocabFile& doc)
{
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    for (int i = 0; i < PropertyCount; ++i)
        doc.SetProperties(i, "property " + std::to_string(i) + " \xE4\xF6\xFC");
    AddItem(doc, "der Hund", "noun", "", "dog", 4);
    AddItem(doc, "\xDF\xE9\x80\x81\xFF", "", "note \"quoted\"", "a; b, c");
    AddItem(doc, "", "", "", "");
}

std::string Saved(TVocabFile& doc)
{
    std::ostringstream out;
    doc.SaveToStream(out);
    return out.str();
}

// A stream buffer that accepts only a given number of bytes, like a disk that fills up.
class TFailingBuffer : public std::streambuf {
public:
    explicit TFailingBuffer(std::size_t limit)
        : Limit_(limit)
    {
    }

protected:
    int_type overflow(int_type ch) override
    {
        if (Written_ >= Limit_)
            return traits_type::eof();
        ++Written_;
        return ch;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        const auto room = static_cast<std::streamsize>(Limit_ - Written_);
        const auto taken = std::min(room, n);
        Written_ += static_cast<std::size_t>(taken);
        return taken;
    }

private:
    std::size_t Limit_;
    std::size_t Written_ = 0;
};

} // namespace

TEST(VocabFileStorage, EmptyDocumentIs45Bytes)
{
    TVocabFile doc;
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    const std::string bytes = Saved(doc);
    EXPECT_EQ(bytes.size(), 45u);
    EXPECT_EQ(bytes, EmptyFile);
    EXPECT_FALSE(doc.Modified());
}

TEST(VocabFileStorage, ItemRecordLayoutIsExact)
{
    TVocabFile doc;
    AddItem(doc, "ab", "c", "", "de", 1);
    doc.Items(0).LastAttempt = 0x01020304;
    doc.Items(0).PenaltyPoints = -1;
    const std::string bytes = Saved(doc);
    const std::string record = std::string("\x02\x00"
                                           "ab"
                                           "\x01\x00"
                                           "c"
                                           "\x00\x00"
                                           "\x02\x00"
                                           "de",
                                   13)
        + std::string("\x04\x03\x02\x01"
                      "\x01\x00\x00\x00"
                      "\xFF\xFF\xFF\xFF",
            12);
    ASSERT_EQ(bytes.size(), 45u + record.size());
    EXPECT_EQ(bytes.substr(41, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(45), record);
}

TEST(VocabFileStorage, SaveAndReloadKeepsEveryByte)
{
    TVocabFile doc;
    FillSample(doc);
    doc.Items(0).PenaltyPoints = -1;
    doc.Items(0).LastAttempt = 17;
    doc.Items(1).PenaltyPoints = 3;
    const std::string first = Saved(doc);

    TVocabFile loaded;
    loaded.LoadFromBytes(first);
    EXPECT_EQ(loaded.ForeignLangID(), 0x0407);
    EXPECT_EQ(loaded.NativeLangID(), 0x0409);
    ASSERT_EQ(loaded.Count(), 3);
    for (int i = 0; i < PropertyCount; ++i)
        EXPECT_EQ(loaded.Properties(i), doc.Properties(i));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.Items(i).FieldValues(), doc.Items(i).FieldValues());
        EXPECT_EQ(loaded.Items(i).LastAttempt, doc.Items(i).LastAttempt);
        EXPECT_EQ(loaded.Items(i).SortingPosition, doc.Items(i).SortingPosition);
        EXPECT_EQ(loaded.Items(i).PenaltyPoints, doc.Items(i).PenaltyPoints);
    }
    EXPECT_TRUE(loaded.Items(0).Learnt());
    EXPECT_EQ(loaded.CurrentIndex(), -1);
    EXPECT_FALSE(loaded.Modified());
    EXPECT_EQ(loaded.UndoPos(), 0);
    EXPECT_EQ(loaded.SavedPos(), 0);
    EXPECT_EQ(Saved(loaded), first);
}

TEST(VocabFileStorage, CountersAndBytesAboveAsciiSurviveWhateverTheLanguages)
{
    std::string bytes = EmptyFile;
    bytes[13] = '\x19'; // Russian foreign, Greek native: the bytes must not be touched
    bytes[14] = '\x04';
    bytes[15] = '\x08';
    bytes[16] = '\x04';
    bytes.replace(17, 8, std::string("\xFF\xFF\xFF\x7F\x05\x00\x00\x00", 8));
    TVocabFile doc;
    doc.LoadFromBytes(bytes);
    EXPECT_EQ(doc.Attempts(), 0x7FFFFFFF);
    EXPECT_EQ(doc.Successes(), 5);
    EXPECT_EQ(Saved(doc), bytes);
}

TEST(VocabFileStorage, TrailingBytesAreIgnored)
{
    TVocabFile doc;
    doc.LoadFromBytes(EmptyFile + "garbage");
    EXPECT_EQ(doc.Count(), 0);
    EXPECT_EQ(doc.ForeignLangID(), 0x0407);
}

TEST(VocabFileStorage, WrongMagicIsRefused)
{
    for (const std::string& magic :
        { std::string("\x0CVELMORIA 2.3", 13), std::string("\x0BVelmoria 2.3", 13),
            std::string("\x0CVelmoria 2.4", 13), std::string("\x0Cvelmoria 2.3", 13) }) {
        TVocabFile doc;
        try {
            doc.LoadFromBytes(magic + EmptyFile.substr(13));
            FAIL() << "accepted " << magic;
        } catch (const EVocabFileError& e) {
            EXPECT_STREQ(e.what(), "Invalid file format.");
        }
        EXPECT_EQ(doc.Count(), 0);
    }
}

TEST(VocabFileStorage, FileCutAtEveryOffsetFailsCleanly)
{
    TVocabFile source;
    FillSample(source);
    const std::string bytes = Saved(source);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        TVocabFile doc;
        FillSample(doc);
        EXPECT_ANY_THROW(doc.LoadFromBytes(std::string_view(bytes).substr(0, cut))) << "cut at " << cut;
        EXPECT_EQ(doc.Count(), 0) << "cut at " << cut;
        EXPECT_EQ(doc.FileName(), "");
        EXPECT_EQ(doc.Properties(0), "");
        EXPECT_EQ(doc.Attempts(), 0);
        EXPECT_FALSE(doc.Modified());
        EXPECT_EQ(doc.UndoKind(), ukNone);
    }
}

TEST(VocabFileStorage, TruncatedFileFailsWithTheReadErrorAndEmptiesTheDocument)
{
    TTempDir dir;
    TVocabFile source;
    FillSample(source);
    const std::string bytes = Saved(source);
    WriteBytes(dir.File("cut.vmr"), bytes.substr(0, bytes.size() - 3));
    TVocabFile doc;
    FillSample(doc);
    try {
        doc.LoadFromFile(dir.File("cut.vmr"));
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), StreamReadError);
    }
    EXPECT_EQ(doc.Count(), 0);
    EXPECT_EQ(doc.FileName(), "");
}

TEST(VocabFileStorage, ImpossibleItemCountsAreRefusedBeforeAllocating)
{
    struct Case {
        const char* name;
        std::string count;
    };
    const Case cases[] = {
        { "negative", std::string("\xFF\xFF\xFF\xFF", 4) },
        { "capacity limit", std::string("\x00\x00\x00\x08", 4) },
        { "largest", std::string("\xFF\xFF\xFF\x7F", 4) },
        // 100 million items cannot fit in the 20 bytes that follow.
        { "more than the bytes hold", std::string("\x00\xE1\xF5\x05", 4) },
        { "one more than the bytes hold", std::string("\x02\x00\x00\x00", 4) },
    };
    for (const auto& c : cases) {
        TVocabFile doc;
        FillSample(doc);
        const std::string bytes = EmptyFile.substr(0, 41) + c.count + std::string(20, '\0');
        EXPECT_THROW(doc.LoadFromBytes(bytes), EVocabFileError) << c.name;
        EXPECT_EQ(doc.Count(), 0) << c.name;
    }
    TVocabFile doc;
    doc.LoadFromBytes(EmptyFile.substr(0, 41) + std::string("\x01\x00\x00\x00", 4) + std::string(20, '\0'));
    EXPECT_EQ(doc.Count(), 1);
}

TEST(VocabFileStorage, LoadFromStreamReadsTheRestOfTheStream)
{
    TVocabFile source;
    FillSample(source);
    std::istringstream in(Saved(source));
    TVocabFile doc;
    doc.LoadFromStream(in);
    EXPECT_EQ(doc.Count(), 3);
    std::istringstream bad("\x0CVelmoria");
    EXPECT_ANY_THROW(doc.LoadFromStream(bad));
    EXPECT_EQ(doc.Count(), 0);
}

TEST(VocabFileStorage, MissingFileLeavesTheDocumentUntouched)
{
    TTempDir dir;
    TVocabFile doc;
    FillSample(doc);
    try {
        doc.LoadFromFile(dir.File("missing.vmr"));
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.vmr"), std::string::npos);
    }
    EXPECT_EQ(doc.Count(), 3);
    EXPECT_THROW(doc.LoadFromFile(dir.Path().string()), EFileError);
    EXPECT_EQ(doc.Count(), 3);
}

TEST(VocabFileStorage, SaveToFileNamesTheDocumentAndMarksItSaved)
{
    TTempDir dir;
    TVocabFile doc;
    FillSample(doc);
    ASSERT_TRUE(doc.Modified());
    doc.SaveToFile(dir.File("list.vmr"));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.FileName(), dir.File("list.vmr"));
    EXPECT_EQ(doc.SavedPos(), doc.UndoPos());
    TVocabFile loaded;
    loaded.LoadFromFile(dir.File("list.vmr"));
    EXPECT_EQ(loaded.FileName(), dir.File("list.vmr"));
    EXPECT_EQ(loaded.Count(), 3);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(VocabFileStorage, TooLongTextIsRefusedBeforeTheFileIsTouched)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    TVocabFile doc;
    FillSample(doc);
    doc.SaveToFile(name);
    const std::string before = ReadBytes(name);

    AddItem(doc, "long", "", "", std::string(65536, 'x'));
    try {
        doc.SaveToFile(name);
        FAIL();
    } catch (const EVocabFileError& e) {
        EXPECT_NE(std::string(e.what()).find("item 4"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("translations"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(name), before);
    EXPECT_TRUE(doc.Modified());

    // 65535 bytes is the longest text that fits, and it comes back whole.
    doc.Items(3).SetFieldValue(fiNative, std::string(65535, 'y'));
    doc.SaveToFile(name);
    TVocabFile loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ(loaded.Items(3).FieldValue(fiNative).size(), 65535u);
}

TEST(VocabFileStorage, FailingStreamLeavesTheDocumentModified)
{
    TVocabFile doc;
    FillSample(doc);
    for (std::size_t limit : { std::size_t(0), std::size_t(10), std::size_t(60) }) {
        TFailingBuffer buffer(limit);
        std::ostream out(&buffer);
        EXPECT_ANY_THROW(doc.SaveToStream(out)) << limit;
        EXPECT_TRUE(doc.Modified());
        EXPECT_NE(doc.SavedPos(), doc.UndoPos());
    }
}

TEST(VocabFileStorage, InterruptedSaveKeepsTheOldFile)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    TVocabFile doc;
    FillSample(doc);
    doc.SaveToFile(name);
    const std::string before = ReadBytes(name);
    for (int i = 0; i < 2000; ++i)
        AddItem(doc, "word " + std::to_string(i), "noun", "", "translation");

    // The file system refuses to grow the new file past a few kilobytes, as a full disk would.
    struct rlimit old { };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    try {
        doc.SaveToFile(name);
        ADD_FAILURE() << "save succeeded";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadBytes(name), before);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "temporary file left";
}

TEST(VocabFileStorage, SaveIntoReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    TVocabFile doc;
    FillSample(doc);
    doc.SaveToFile(name);
    const std::string before = ReadBytes(name);
    AddItem(doc, "new", "", "", "neu");
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(doc.SaveToFile(name), EFileError);
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadBytes(name), before);
    EXPECT_TRUE(doc.Modified());
}

TEST(SafeSave, ReplacesTheFileAndKeepsItsPermissions)
{
    TTempDir dir;
    const std::string name = dir.File("out.txt");
    WriteBytes(name, "old");
    std::filesystem::permissions(name,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
            | std::filesystem::perms::group_read);
    SafeWriteFile(name, std::string_view("new contents"));
    EXPECT_EQ(ReadBytes(name), "new contents");
    const auto perms = std::filesystem::status(name).permissions();
    EXPECT_EQ(perms & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
            | std::filesystem::perms::group_read);
}

TEST(SafeSave, WriterThatThrowsLeavesNothingBehind)
{
    TTempDir dir;
    const std::string name = dir.File("out.txt");
    WriteBytes(name, "old");
    EXPECT_THROW(SafeWriteFile(name,
                     [](std::ostream& out) {
                         out << std::string(200000, 'x');
                         throw std::runtime_error("writer failed");
                     }),
        std::runtime_error);
    EXPECT_EQ(ReadBytes(name), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    SafeWriteFile(name, [](std::ostream& out) { out << std::string(200000, 'y'); });
    EXPECT_EQ(ReadBytes(name), std::string(200000, 'y'));
}

TEST(SafeSave, ErrorsNameTheFile)
{
    TTempDir dir;
    // A folder in the way, and a folder that does not exist.
    std::filesystem::create_directory(dir.File("folder"));
    for (const std::string& name : { dir.File("folder"), dir.File("nowhere/out.txt") }) {
        try {
            SafeWriteFile(name, std::string_view("x"));
            ADD_FAILURE() << name;
        } catch (const EFileError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            EXPECT_EQ(e.FileName(), name);
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
    EXPECT_THROW(ReadWholeFile(dir.File("folder")), EFileError);
    EXPECT_THROW(ReadWholeFile(dir.File("absent")), EFileError);
}
