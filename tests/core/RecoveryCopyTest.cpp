// Recovery copies, file stamps, reloading and the background writer.

#include "core/RecoveryCopy.h"

#include "DocumentBuilders.h"
#include "core/BackgroundWriter.h"
#include "core/FileStamp.h"
#include "core/SafeSave.h"
#include "support/ChildProcess.h"
#include "support/SecondUser.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace fs = std::filesystem;

namespace {

void FillSample(TVocabFile& doc)
{
    Fill(doc, German, English,
        { { "der Hund", 1, "", "dog" }, { "die Katze", 2, "pl. Katzen", "cat" },
            { "das \xC4pfelchen", 3, "", "apple" } });
    doc.SetProperties(piAuthor, "me");
    doc.SetCurrentIndex(1);
    doc.RecordAnswer(false, 3);
}

// The process's umask for one block: files made meanwhile get the usual bits only if asked for.
struct TUmask {
    explicit TUmask(mode_t mask)
        : Old(::umask(mask))
    {
    }
    ~TUmask() { ::umask(Old); }
    mode_t Old;
};

// A folder with the given permissions.
void Folder(const std::string& name, fs::perms perms)
{
    fs::create_directory(name);
    fs::permissions(name, perms);
}

} // namespace

TEST(RecoveryCopy, RoundTripKeepsTheListItsFileAndPositionAndCountsAsModified)
{
    const struct {
        const char* FileName;
        std::int32_t Current;
        std::int32_t Expected;
    } cases[] = {
        { "/home/me/Lists/words.vmr", 2, 2 }, { "", 1, 1 }, // untitled stays untitled
        { "/x.vmr", 7, 0 }, // a position the list no longer has
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FileName);
        TVocabFile doc;
        FillSample(doc);
        TRecoveryInfo info { c.FileName, StampOf("/nonexistent", "old bytes"), c.Current };
        const std::string image = BuildRecoveryImage(doc, info);

        TVocabFile restored;
        AppendByAdd(restored, "something to be replaced");
        const TRecoveryInfo read = LoadRecoveryImage(image, restored);
        const std::string saved = doc.SaveToBytes();
        EXPECT_EQ(restored.SaveToBytes(), saved);
        EXPECT_EQ(std::tuple(restored.FileName(), read.FileName, ReadRecoveryInfo(image).FileName),
            std::tuple(c.FileName, c.FileName, c.FileName));
        EXPECT_EQ(std::tuple(read.Disk.Hash, read.Disk.Size), std::tuple(ContentHash("old bytes"), 9u));
        EXPECT_EQ(std::tuple(restored.CurrentIndex(), restored.UndoCount()), std::tuple(c.Expected, 0));
        // Edit and undo: the recovered state is still not the file's.
        AppendByAdd(restored, "more");
        restored.Undo();
        EXPECT_TRUE(restored.Modified());
        // Only the list's exact file makes the copy needless.
        EXPECT_EQ(image.size() - RecoveryHeaderSize(image.substr(0, RecoveryHeaderLimit)), saved.size());
        EXPECT_TRUE(RecoveryCopyMatches(image, saved));
        EXPECT_FALSE(RecoveryCopyMatches(image, saved.substr(0, saved.size() - 1)));
        EXPECT_FALSE(RecoveryCopyMatches(image, restored.SaveToBytes() + "x"));
    }
}

TEST(RecoveryCopy, ADamagedCopyIsRefusedAndLeavesTheDocumentEmpty)
{
    TVocabFile doc;
    FillSample(doc);
    const std::string image = BuildRecoveryImage(doc, { "/a/list.vmr", {}, 0 });
    const std::size_t header = image.size() - doc.SaveToBytes().size();
    for (std::size_t cut = 0; cut < image.size(); cut += cut < header + 60 ? 1 : 97) {
        TVocabFile restored;
        AppendByAdd(restored, "old");
        EXPECT_ANY_THROW(LoadRecoveryImage(image.substr(0, cut), restored)) << cut;
        EXPECT_EQ(restored.Count(), 0) << cut;
    }
    std::string foreign = image;
    foreign[3] = 'X';
    EXPECT_THROW(ReadRecoveryInfo(foreign), EVocabFileError);
    std::string longName = image;
    longName[22] = '\x7F'; // a name longer than the copy
    EXPECT_THROW(ReadRecoveryInfo(longName), EVocabFileError);
}

TEST(RecoveryCopy, CopiesFollowChangesAtADistance)
{
    const struct {
        const char* Case;
        std::int64_t Now, FirstChange, LastChange, LastCopy, Delay;
    } cases[] = { { "quiet after one change", 100, 100, 100, -1, 2000 },
        { "the quiet time has passed", 2100, 100, 100, -1, 0 },
        { "each change starts it again", 1500, 0, 1500, -1, 2000 },
        { "never waits past the longest wait", 4500, 0, 4500, -1, 500 }, { "overdue", 9000, 0, 8000, -1, 0 },
        { "not sooner than a second after the last copy", 3000, 0, 100, 2500, 500 },
        { "an old copy does not hold it back", 3000, 0, 100, 100, 0 } };
    for (const auto& c : cases)
        EXPECT_EQ(RecoveryDelayMs(c.Now, c.FirstChange, c.LastChange, c.LastCopy), c.Delay) << c.Case;
}

TEST(FileStamp, OnlyOtherContentsOrAMissingFileCountAsAChange)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    TVocabFile doc;
    FillSample(doc);
    doc.SaveToFile(name);
    TVocabFile loaded;
    TFileStamp known;
    loaded.LoadFromFile(name, &known);
    EXPECT_EQ(DiskChange(known, StampFile(name)), dcNone);

    const std::string bytes = ReadBytes(name);
    std::string sameSize = bytes;
    sameSize.back() ^= 1;
    const struct {
        const char* Case;
        std::function<void()> Change;
        TDiskChange Expected;
    } cases[] = {
        { "written again with the same bytes", [&] { WriteBytes(name, bytes); }, dcNone },
        { "touched", [&] { ::utime(name.c_str(), nullptr); }, dcNone },
        { "one byte other, same size", [&] { WriteBytes(name, sameSize); }, dcChanged },
        { "longer", [&] { WriteBytes(name, bytes + "x"); }, dcChanged },
        { "deleted", [&] { fs::remove(name); }, dcMissing },
        { "moved away", [&] { fs::rename(name, dir.File("elsewhere.vmr")); }, dcMissing },
    };
    for (const auto& c : cases) {
        WriteBytes(name, bytes);
        c.Change();
        EXPECT_EQ(DiskChange(known, StampFile(name)), c.Expected) << c.Case;
    }
    EXPECT_EQ(DiskChange(TFileStamp {}, StampFile(name)), dcNone) << "nothing was known";

    // A file that cannot be read any more tells by its size and time only.
    TFileStamp unreadable = known;
    unreadable.Readable = false;
    EXPECT_EQ(DiskChange(known, unreadable), dcNone);
    unreadable.ModifiedNs += 1;
    EXPECT_EQ(DiskChange(known, unreadable), dcChanged);
}

TEST(FileStamp, AReloadKeepsTheCurrentItemWhereItCan)
{
    const TWords words = { "a", "b", "c", "d", "e" };
    const struct {
        const char* Case;
        TWords After;
        std::int32_t Index;
        std::int32_t Expected;
    } cases[] = { { "the same list", words, 2, 2 },
        { "items inserted before it", { "x", "y", "a", "b", "c", "d", "e" }, 2, 4 },
        { "the first item, moved", { "x", "a", "b", "c", "d", "e" }, 0, 1 },
        { "items deleted before it", { "b", "c", "d", "e" }, 2, 1 },
        { "of two equal items the nearer", { "c", "x", "y", "c", "z" }, 2, 3 },
        { "the item itself is gone", { "a", "b", "d", "e" }, 2, 2 },
        { "the list got shorter than the position", { "x", "y" }, 4, 1 }, { "no current item", words, -1, 0 },
        { "the list is empty now", {}, 2, -1 } };
    TVocabFile before;
    FillWords(before, words);
    for (const auto& c : cases) {
        TVocabFile after;
        FillWords(after, c.After);
        EXPECT_EQ(ReloadedIndex(before, c.Index, after), c.Expected) << c.Case;
    }
    // Other notes, the same word and translations: still that item.
    TVocabFile edited;
    FillWords(edited, words);
    edited.Items(2).SetFieldValue(fiNotes, "new notes");
    EXPECT_EQ(ReloadedIndex(before, 2, edited), 2);
}

TEST(BackgroundWriter, WritesInOrderTheNewestImageWinsFailuresAreKeptAndPrivateFilesStayPrivate)
{
    TTempDir dir;
    const std::string name = dir.File("copy");
    {
        TBackgroundWriter writer;
        for (int i = 0; i < 50; ++i)
            writer.Write(name, "image " + std::to_string(i));
        writer.Wait();
        EXPECT_EQ(ReadBytes(name), "image 49");
        EXPECT_LE(writer.Written(), 50u);
        EXPECT_GE(writer.Written(), 1u);

        // A removal waits for the writes before it; a write after it comes back.
        writer.Write(name, "before removal");
        writer.Remove(name);
        writer.Wait();
        EXPECT_FALSE(fs::exists(name));
        writer.Remove(name);
        writer.Write(name, "after removal");
        writer.Wait();
        EXPECT_EQ(ReadBytes(name), "after removal");
        EXPECT_EQ(writer.TakeError().Text(), "");

        writer.Write(dir.File("no such folder/copy"), "x");
        writer.Wait();
        EXPECT_NE(writer.TakeError().Text().find("no such folder"), std::string::npos);
        EXPECT_EQ(writer.TakeError().Text(), "");

        writer.Write(name, "last");
    } // the writer finishes before it goes
    EXPECT_EQ(ReadBytes(name), "last");

    // Private files are the owner's alone, whatever the umask or the file they replace.
    const TUmask open(0);
    const std::string fresh = dir.File("fresh");
    const std::string wider = dir.File("wider");
    WriteBytes(wider, "old");
    fs::permissions(wider, fs::perms::all);
    {
        TBackgroundWriter writer(true);
        writer.Write(fresh, "a copy");
        writer.Write(wider, "a copy");
        writer.Wait();
        EXPECT_EQ(writer.TakeError().Text(), "");
    }
    EXPECT_EQ(ModeOf(fresh), 0600u);
    EXPECT_EQ(ModeOf(wider), 0600u);
    EXPECT_EQ(ReadBytes(wider), "a copy");
}

TEST(RecoveryFolder, IsMadeForItsOwnerAloneAndRefusedWhenOthersCouldPlantCopies)
{
    TTempDir dir;
    const TUmask usual(022);
    const std::string base = dir.Path().string();
    const std::string own = base + "/own";
    fs::create_directory(own);
    using fs::perms;
    using TName = const std::string&;
    const struct {
        const char* Case;
        std::function<void(TName)> Make;
        const char* Refusal; // a word of the reason; null: usable, and 0700 afterwards
    } cases[] = {
        { "missing, with missing parents", [](TName) {}, nullptr },
        { "made by an earlier version for all to read",
            [](TName f) { Folder(f, perms::owner_all | perms::group_read | perms::others_exec); }, nullptr },
        { "a link to a folder of the user's", [&own](TName f) { fs::create_directory_symlink(own, f); },
            nullptr },
        { "writable by the group", [](TName f) { Folder(f, perms::owner_all | perms::group_all); }, "write" },
        { "writable by all", [](TName f) { Folder(f, perms::all); }, "write" },
        { "a plain file", [](TName f) { WriteBytes(f, ""); }, "file" },
        { "a dangling link", [&base](TName f) { fs::create_symlink(base + "/gone", f); }, "does not exist" },
        { "inside a file",
            [](TName f) {
                fs::remove(fs::path(f).parent_path());
                WriteBytes(fs::path(f).parent_path().string(), "");
            },
            "cannot be made" },
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        const std::string folder = base + "/" + std::to_string(number++) + "/data/recovery";
        if (number > 1)
            fs::create_directories(fs::path(folder).parent_path());
        c.Make(folder);
        const mode_t before = ModeOf(folder);
        const std::string reason = PrepareRecoveryFolder(folder, base).Text();
        if (!c.Refusal) {
            EXPECT_EQ(reason, "");
            EXPECT_EQ(ModeOf(folder), 0700u);
            EXPECT_EQ(ModeOf(fs::path(folder).parent_path()), 0755u) << "the parents are the usual";
        } else {
            EXPECT_NE(reason.find(c.Refusal), std::string::npos) << reason;
            EXPECT_EQ(ModeOf(folder), before) << "left as it was";
        }
    }
    EXPECT_EQ(ModeOf(own), 0700u) << "through the link";

    // The folders that hold it, up to the data folder: anyone may change one that is not sticky.
    const std::string shared = base + "/shared";
    Folder(shared, fs::perms::all);
    Folder(shared + "/recovery", fs::perms::owner_all);
    EXPECT_NE(PrepareRecoveryFolder(shared + "/recovery", base).Text(), "");
    EXPECT_EQ(PrepareRecoveryFolder(shared + "/recovery", shared + "/recovery").Text(), "")
        << "none above it checked";
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    EXPECT_EQ(PrepareRecoveryFolder(shared + "/recovery", base).Text(), "");
}

TEST(RecoveryFolder, AnotherUsersFolderIsRefusedAndTheirFilesAreNotRecoveredInto)
{
    const TSecondUser other;
    if (!other.Made())
        GTEST_SKIP() << other.Skip;
    TTempDir dir;
    const std::string base = dir.Path().string();
    fs::permissions(base, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const std::string planted = base + "/planted";
    Folder(planted, fs::perms::owner_all);
    ASSERT_EQ(::chown(planted.c_str(), other.Uid, other.Gid), 0);
    EXPECT_NE(PrepareRecoveryFolder(planted).Text().find(other.Name), std::string::npos)
        << PrepareRecoveryFolder(planted).Text();
    fs::create_directory(planted + "/recovery");
    EXPECT_NE(PrepareRecoveryFolder(planted + "/recovery", base).Text().find(other.Name), std::string::npos)
        << "inside another user's folder";

    // Files as the second user sees them: the superuser's list is not theirs to recover into.
    const struct {
        const char* Case;
        fs::perms Mode;
        bool Theirs;
        bool Offered;
    } cases[] = {
        { "another user's list", fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read,
            false, false },
        { "another user's list they may write", fs::perms::all, false, true },
        { "their own list, even read-only", fs::perms::owner_read, true, true },
    };
    for (const auto& c : cases) {
        const std::string list = base + "/" + c.Case + ".vmr";
        WriteBytes(list, "list");
        fs::permissions(list, c.Mode);
        if (c.Theirs) {
            ASSERT_EQ(::chown(list.c_str(), other.Uid, other.Gid), 0);
        }
        const std::string seen = InChildProcess([&] {
            if (!other.BecomeIt())
                return std::string("cannot become the second user");
            return std::string(MayRecoverInto(list) ? "offered" : "not offered");
        });
        EXPECT_EQ(seen, c.Offered ? "offered" : "not offered") << c.Case;
    }
    EXPECT_TRUE(MayRecoverInto(base + "/not there any more.vmr"));
}
