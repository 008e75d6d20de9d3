// The save path under faults: every system call failing in turn, a full disk, saves killed at
// random points, and the temporary files those leave behind.

#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "support/ChildProcess.h"
#include "support/ListImage.h"
#include "support/MessageOf.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::set<std::string> FolderNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct TSeam {
    explicit TSeam(std::function<int(TSaveCall)> faults) { SetSaveFaults(std::move(faults)); }
    ~TSeam() { SetSaveFaults(nullptr); }
};

std::vector<TSaveCall> CallsOfSave(const std::string& name, const std::string& bytes)
{
    std::vector<TSaveCall> calls;
    TSeam seam([&](TSaveCall call) {
        calls.push_back(call);
        return 0;
    });
    SafeWriteFile(name, bytes);
    return calls;
}

// A save killed right before its call number `at` (counted from 0), or after a delay when one is given.
void KilledSave(const std::string& name, const std::string& bytes, std::size_t at,
    std::chrono::microseconds delay = std::chrono::microseconds(-1))
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::size_t made = 0;
        SetSaveFaults([&](TSaveCall) { return made++ == at ? ::raise(SIGKILL) : 0; });
        try {
            SafeWriteFile(name, bytes);
        } catch (...) {
        }
        ::_exit(0);
    }
    if (delay.count() >= 0) {
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
    }
    ::waitpid(child, nullptr, 0);
}

std::string JournalIn(const fs::path& folder)
{
    for (const std::string& entry : FolderNames(folder))
        if (Contains(entry, ".velmoria-journal-"))
            return (folder / entry).string();
    return "";
}

// A list in a folder of its own, with a second name or without.
class SaveFaults : public ::testing::Test {
protected:
    void Prepare(const std::string& bytes, bool hardLinked, bool exists = true)
    {
        fs::remove(Name);
        fs::remove(Other);
        if (exists)
            WriteBytes(Name, bytes);
        if (hardLinked)
            fs::create_hard_link(Name, Other);
    }
    std::set<std::string> Names() const { return FolderNames(Dir.Path()); }

    TTempDir Dir;
    const std::string Name = Dir.File("list.vmr");
    const std::string Other = Dir.File("other name.vmr");
};

} // namespace

// Each call of the save fails in turn; a list with two names is also killed at each call instead.
TEST_F(SaveFaults, EveryCallOfTheSaveFailsInTurn)
{
    // Over a megabyte, so the contents go out in more than one write.
    const std::string oldBytes = ListImage(20000, 1), newBytes = ListImage(30000, 2);
    ASSERT_GT(newBytes.size(), 1u << 20);
    const struct {
        const char* Case;
        bool Exists, HardLinked;
        int Writes; // the journal's header is a write of its own
    } cases[] = { { "plain file", true, false, 2 }, { "new file", false, false, 2 },
        { "two names", true, true, 5 } };
    for (const auto& c : cases) {
        Prepare(oldBytes, c.HardLinked, c.Exists);
        const std::set<std::string> before = Names();
        const std::vector<TSaveCall> calls = CallsOfSave(Name, newBytes);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), TSaveCall::Write), c.Writes) << c.Case;
        EXPECT_EQ(
            std::count(calls.begin(), calls.end(), TSaveCall::Attributes), c.Exists && !c.HardLinked ? 1 : 0);
        bool inPlace = false;
        int killed[2] = { 0, 0 }; // old, new
        for (std::size_t failing = 0; failing < calls.size(); ++failing) {
            const TSaveCall call = calls[failing];
            SCOPED_TRACE(
                std::string(c.Case) + ", call " + std::to_string(failing) + ": " + SaveCallName(call));
            inPlace = inPlace || call == TSaveCall::OpenInPlace;
            TVocabFile doc;
            doc.LoadFromBytes(newBytes);
            doc.SetProperties(piAuthor, "changed");
            const std::string docBytes = doc.SaveToBytes();
            if (c.HardLinked) {
                Prepare(oldBytes, true);
                KilledSave(Name, docBytes, failing);
                TVocabFile opened;
                opened.LoadFromFile(failing % 2 ? Name : Other);
                const std::string bytes = ReadBytes(Name);
                ASSERT_TRUE(bytes == oldBytes || bytes == docBytes) << "killed: a mixed file";
                EXPECT_EQ(std::tuple(opened.SaveToBytes(), ReadBytes(Other), fs::hard_link_count(Name)),
                    std::tuple(bytes, bytes, 2u));
                EXPECT_EQ(Names(), before) << "what the killed save left is gone";
                // Once the journal is whole the file is told to have been completed, and not before.
                EXPECT_EQ(opened.LoadNotice().Empty(), bytes == oldBytes);
                ++killed[bytes == docBytes ? 1 : 0];
            }
            Prepare(oldBytes, c.HardLinked, c.Exists);
            std::size_t made = 0;
            std::string error;
            {
                const TSeam seam([&](TSaveCall) { return made++ == failing ? EIO : 0; });
                error = MessageOf<EFileError>([&] { doc.SaveToFile(Name); });
            }
            const std::set<std::string> after = Names();
            if (call == TSaveCall::FolderOpen || call == TSaveCall::EndJournal) {
                // Without the folder there is nothing to sync; a journal left behind equals the
                // file, and the next load drops it.
                EXPECT_EQ(
                    std::tuple(error, ReadBytes(Name), doc.Modified()), std::tuple(NoError, docBytes, false));
                TVocabFile().LoadFromFile(Name);
                EXPECT_EQ(Names().size(), before.size() + (c.Exists ? 0 : 1));
                continue;
            }
            EXPECT_TRUE(Contains(error, Name) && Contains(error, std::strerror(EIO))) << error;
            EXPECT_TRUE(doc.Modified());
            if (call == TSaveCall::FolderSync && !c.HardLinked) {
                // Past the rename the new file is whole; only its lasting is in doubt.
                EXPECT_EQ(ReadBytes(Name), docBytes);
                EXPECT_EQ(after.size(), before.size() + (c.Exists ? 0 : 1));
            } else if (inPlace && call != TSaveCall::Reserve && call != TSaveCall::OpenInPlace) {
                // A rewrite in place broke off: its journal completes it at the next load, under either name.
                EXPECT_TRUE(Contains(error, "complete the file the next time it is opened")) << error;
                EXPECT_EQ(after.size(), before.size() + 1);
                TVocabFile reopened;
                reopened.LoadFromFile(failing % 2 ? Name : Other);
                EXPECT_EQ(reopened.SaveToBytes(), docBytes);
                EXPECT_FALSE(reopened.LoadNotice().Empty());
                EXPECT_EQ(std::tuple(ReadBytes(Other), fs::hard_link_count(Name)), std::tuple(docBytes, 2u));
                EXPECT_EQ(Names(), before);
            } else {
                if (c.Exists) {
                    EXPECT_EQ(ReadBytes(Name), oldBytes);
                }
                EXPECT_EQ(after, before) << "a temporary file was left";
            }
        }
        if (c.HardLinked) {
            EXPECT_GT(killed[0], 3);
            EXPECT_GT(killed[1], 3);
        }
    }
}

// A real refusal of the file system: a file size limit, for a plain file and one with two names
// (rewritten in place), and a full tmpfs where the new list fits alone but not beside the old one.
TEST_F(SaveFaults, AFullDiskIsReportedAndLeavesTheOldFileWhole)
{
    const std::string oldBytes = ListImage(10, 1);
    for (const bool hardLinked : { false, true }) {
        SCOPED_TRACE(hardLinked ? "two names" : "plain file");
        Prepare(oldBytes, hardLinked);
        const std::string result = InChildProcess([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { 8192, 8192 };
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return std::string("no limit");
            TVocabFile doc;
            doc.LoadFromBytes(ListImage(2000, 2));
            doc.SetProperties(piAuthor, "changed");
            return MessageOf<EFileError>([&] { doc.SaveToFile(Name); })
                + (doc.Modified() ? "" : " (counted as saved)");
        });
        EXPECT_TRUE(Contains(result, "The disk is full") && Contains(result, Name)) << result;
        EXPECT_FALSE(Contains(result, "counted as saved")) << result;
        EXPECT_EQ(ReadBytes(Name), oldBytes);
        EXPECT_EQ(Names().size(), hardLinked ? 2u : 1u) << "a temporary file was left";
    }

    const std::string disk = Dir.File("disk");
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=128k") != 0)
        GTEST_SKIP() << "no tmpfs may be mounted here: " << std::strerror(errno);
    const std::string name = disk + "/list.vmr";
    SafeWriteFile(name, ListImage(900, 1));
    const std::string error = MessageOf<EFileError>([&] { SafeWriteFile(name, ListImage(1700, 2)); });
    EXPECT_TRUE(Contains(error, "The disk is full") && Contains(error, name)) << error;
    EXPECT_EQ(ReadBytes(name), ListImage(900, 1));
    EXPECT_EQ(FolderNames(disk).size(), 1u);
    ::umount2(disk.c_str(), MNT_DETACH);
}

TEST_F(SaveFaults, SavesKilledAtRandomPointsLeaveTheOldOrTheNewListWhole)
{
    const std::string images[2] = { ListImage(25000, 1), ListImage(25000, 2) };
    SafeWriteFile(Name, images[0]);
    const auto start = std::chrono::steady_clock::now();
    SafeWriteFile(Name, images[1]);
    const auto saveTime = std::chrono::steady_clock::now() - start;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(saveTime * 2).count() + 2000);
    int outcomes[2] = { 0, 0 }, leftBehind = 0, current = 1;
    for (int round = 0; round < 200; ++round) {
        const int next = 1 - current;
        KilledSave(Name, images[next], SIZE_MAX, std::chrono::microseconds(delay(random)));
        const std::string bytes = ReadBytes(Name);
        ASSERT_TRUE(bytes == images[0] || bytes == images[1]) << "round " << round << ": a mixed file";
        current = bytes == images[0] ? 0 : 1;
        ++outcomes[current == next ? 1 : 0];
        leftBehind += static_cast<int>(Names().size()) - 1;
        ASSERT_LE(Names().size(), 2u) << "the next save removes what the last one left";
    }
    TVocabFile doc;
    doc.LoadFromFile(Name);
    EXPECT_EQ(doc.SaveToBytes(), images[current]);
    EXPECT_EQ(Names().size(), 1u) << "opening removes what a killed save left";
    EXPECT_GT(outcomes[0], 0);
    EXPECT_GT(outcomes[1], 0);
    EXPECT_GT(leftBehind, 0) << "no save was killed half-way";
}

TEST_F(SaveFaults, OnlyTheTemporaryFilesOfEndedProcessesAreRemoved)
{
    WriteBytes(Name, "list");
    const pid_t child = ::fork(); // a process id that certainly runs no more
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child);
    const std::string running = std::to_string(::getppid());
    const std::string own = std::to_string(::getpid());
    const struct {
        std::string Name;
        bool Removed;
        const char* Bytes = "left";
    } files[] = {
        { ".list.vmr.velmoria-save-" + dead + "-a1B2c3", true },
        { ".list.vmr.velmoria-save-" + running + "-a1B2c3", false }, // another copy is saving
        { ".list.vmr.velmoria-save-" + own + "-a1B2c3", false },
        { ".other.vmr.velmoria-save-" + dead + "-a1B2c3", false }, // another list's
        { ".list.vmr.velmoria-save-" + dead + "-a1B2", false }, // not the pattern
        { ".list.vmr.velmoria-save-x" + dead + "-a1B2c3", false },
        { "list.vmr.velmoria-copy-a1B2c3", false }, // what an earlier version kept of a broken-off rewrite
        { ".list.vmr.velmoria-journal-" + dead + "-a1B2c3", true }, // no journal at all
        { ".list.vmr.velmoria-journal-" + running + "-a1B2c3", false },
        { ".other.vmr.velmoria-journal-" + dead + "-a1B2c3", false },
        // Kept copies of earlier versions go once they hold no more than the file, unless their save still
        // runs.
        { "list.vmr.velmoria-copy-b2C3d4", true, "list" },
        { "list.vmr.velmoria-copy-c3D4e5", false, "list" },
        { ".list.vmr.velmoria-save-" + running + "-c3D4e5", false, "list" },
    };
    for (const auto& file : files)
        WriteBytes(Dir.File(file.Name), file.Bytes);
    const std::string folder = Dir.File(".list.vmr.velmoria-save-" + dead + "-folder");
    const std::string link = Dir.File(".list.vmr.velmoria-save-" + dead + "-link00");
    fs::create_directory(folder);
    fs::create_symlink(Name, link);

    // The temporary file of a save carries its writer's id.
    std::string seen;
    {
        TSeam seam([&](TSaveCall call) {
            if (call == TSaveCall::Rename)
                for (const std::string& entry : Names())
                    if (entry.starts_with(".list.vmr.velmoria-save-" + own + "-") && entry != files[2].Name)
                        seen += entry;
            return 0;
        });
        SafeWriteFile(Name, "saved");
    }
    EXPECT_NE(seen, "");
    for (const auto& file : files)
        EXPECT_EQ(fs::exists(Dir.File(file.Name)), !file.Removed) << file.Name;
    EXPECT_TRUE(fs::is_directory(folder) && fs::is_symlink(link));
    EXPECT_TRUE(IsSaveTemporaryName(files[0].Name));
    EXPECT_FALSE(IsSaveTemporaryName(files[4].Name));
}

namespace {

// Writes the bytes over the start of the file, in place.
void Overwrite(const std::string& file, std::string_view bytes)
{
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void FlipByte(const std::string& file, std::size_t at)
{
    std::string bytes = ReadBytes(file);
    bytes[at] ^= 1;
    WriteBytes(file, bytes);
}

} // namespace

TEST_F(SaveFaults, AJournalCompletesItsFileOnlyWhenWholeOursAndItsWriterHasEnded)
{
    // Shorter than the list: a rewrite that is not cut to its length keeps the old tail.
    const std::string oldBytes = ListImage(3000, 1), newBytes = ListImage(2500, 2);
    const std::string running = std::to_string(::getppid());
    // Killed right before it opens the list: the journal is whole, the list untouched.
    Prepare(oldBytes, true);
    const std::vector<TSaveCall> calls = CallsOfSave(Name, newBytes);
    ASSERT_EQ(ReadBytes(Name), newBytes);
    const auto open = std::find(calls.begin(), calls.end(), TSaveCall::OpenInPlace);
    ASSERT_NE(open, calls.end());
    enum TFound : std::uint8_t { Nothing, Completed, AlreadyComplete };
    using TFiles = const std::string&;
    const struct {
        const char* Case;
        std::function<void(TFiles list, TFiles journal)> Change;
        bool OpenOtherName;
        TFound Notice; // and unless Nothing, the list opens with the new contents
        bool JournalStays;
    } cases[] = {
        { "complete", nullptr, false, Completed, false },
        { "opened under its other name", nullptr, true, Completed, false },
        { "the list half rewritten",
            [&](TFiles list, TFiles) { Overwrite(list, newBytes.substr(0, newBytes.size() / 2)); }, false,
            Completed, false },
        { "the list already rewritten", [&](TFiles list, TFiles) { WriteBytes(list, newBytes); }, false,
            AlreadyComplete, false },
        { "an older journal of other contents beside it",
            [&](TFiles list, TFiles j) {
                const std::string aside = Dir.File("newer");
                fs::rename(j, aside);
                KilledSave(list, ListImage(2600, 3), static_cast<std::size_t>(open - calls.begin()));
                fs::last_write_time(
                    JournalIn(Dir.Path()), fs::last_write_time(aside) - std::chrono::hours(1));
                fs::rename(aside, j);
            },
            false, Completed, false },
        { "cut short", [](TFiles, TFiles j) { fs::resize_file(j, fs::file_size(j) - 1); }, false, Nothing,
            false },
        { "its contents damaged", [](TFiles, TFiles j) { FlipByte(j, fs::file_size(j) - 9); }, false, Nothing,
            false },
        { "its header damaged", [](TFiles, TFiles j) { FlipByte(j, 30); }, false, Nothing, false },
        { "its writer runs",
            [&](TFiles, TFiles j) {
                fs::rename(j, Dir.File(".list.vmr.velmoria-journal-" + running + "-a1B2c3"));
            },
            false, Nothing, true },
        { "a link to it",
            [](TFiles, TFiles j) {
                fs::rename(j, j + ".real");
                fs::create_symlink(j + ".real", j);
            },
            false, Nothing, true },
        { "the list replaced since",
            [&](TFiles list, TFiles) {
                fs::remove(list);
                WriteBytes(list, oldBytes);
            },
            false, Nothing, false },
        { "another user's",
            [](TFiles, TFiles j) {
                if (::geteuid() != 0 || ::chown(j.c_str(), 65534, 65534) != 0)
                    fs::remove(j);
            },
            false, Nothing, ::geteuid() == 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Prepare(oldBytes, true);
        KilledSave(Name, newBytes, static_cast<std::size_t>(open - calls.begin()));
        const std::string journal = JournalIn(Dir.Path());
        ASSERT_NE(journal, "");
        ASSERT_EQ(ReadBytes(Name), oldBytes);
        if (c.Change)
            c.Change(Name, journal);
        const auto modified = fs::last_write_time(Name);
        TVocabFile doc;
        doc.LoadFromFile(c.OpenOtherName ? Other : Name);
        const std::string& expected = c.Notice != Nothing ? newBytes : oldBytes;
        EXPECT_EQ(std::tuple(doc.SaveToBytes() == expected, ReadBytes(Name) == expected,
                      ReadBytes(Other) == expected),
            std::tuple(true, true, true));
        const std::string notice = doc.LoadNotice().Text();
        EXPECT_EQ(Contains(notice, "it has been completed"), c.Notice == Completed) << notice;
        EXPECT_EQ(Contains(notice, "the list is complete"), c.Notice == AlreadyComplete) << notice;
        if (c.Notice == AlreadyComplete) {
            EXPECT_EQ(fs::last_write_time(Name), modified) << "a complete list is not written again";
        }
        EXPECT_EQ(JournalIn(Dir.Path()) != "", c.JournalStays);
        TVocabFile again;
        again.LoadFromFile(Name);
        EXPECT_EQ(again.LoadNotice().Text(), "") << "told once";
        for (const std::string& left : Names()) // what the case itself left
            if (left != "list.vmr" && left != "other name.vmr")
                fs::remove(Dir.File(left));
    }
}

TEST_F(SaveFaults, ARewriteThatCannotBeCompletedFailsTheLoadAndKeepsTheJournal)
{
    const std::string newBytes = ListImage(120, 2);
    Prepare(ListImage(100, 1), true);
    std::string error;
    {
        // Its first write in place fails; the second one is the journal's contents.
        int writes = 0;
        TSeam seam([&](TSaveCall call) { return call == TSaveCall::Write && ++writes == 3 ? EIO : 0; });
        error = MessageOf<EFileError>([&] { SafeWriteFile(Name, newBytes); });
    }
    ASSERT_TRUE(Contains(error, "complete the file the next time it is opened")) << error;
    // This process may complete what it left itself.
    TVocabFile doc;
    doc.SetProperties(piAuthor, "unchanged");
    {
        TSeam seam([](TSaveCall call) { return call == TSaveCall::Write ? ENOSPC : 0; });
        const std::string failure = MessageOf<EFileError>([&] { doc.LoadFromFile(Name); });
        EXPECT_TRUE(Contains(failure, "Cannot complete the last save of \"" + Name + "\"")) << failure;
    }
    EXPECT_EQ(doc.Properties(piAuthor), "unchanged");
    EXPECT_NE(JournalIn(Dir.Path()), "");
    doc.LoadFromFile(Name);
    EXPECT_EQ(doc.SaveToBytes(), newBytes);
    EXPECT_EQ(JournalIn(Dir.Path()), "");
}

TEST_F(SaveFaults, ASavedFileKeepsItsModeWhateverTheUmask)
{
    for (const bool hardLinked : { false, true }) {
        for (const mode_t mask : { 022, 077, 0 }) {
            const mode_t saved = ::umask(mask);
            for (const mode_t mode : { 0600, 0640, 0604, 0664, 0755 }) {
                SCOPED_TRACE((hardLinked ? "two names, mode " : "mode ") + std::to_string(mode) + ", umask "
                    + std::to_string(mask));
                Prepare("old", hardLinked);
                ASSERT_EQ(::chmod(Name.c_str(), mode), 0);
                SafeWriteFile(Name, "new");
                EXPECT_EQ(std::tuple(ModeOf(Name), ReadBytes(Name)), std::tuple(mode, "new"));
            }
            // A new file gets the usual permissions.
            fs::remove(Name);
            fs::remove(Other);
            SafeWriteFile(Name, "new");
            EXPECT_EQ(ModeOf(Name), 0666 & ~mask);
            ::umask(saved);
        }
    }
}

namespace {

// An extended attribute's value, or nullopt when the file has none of that name.
std::optional<std::string> Attribute(const std::string& fileName, const char* name)
{
    char value[4096];
    const ssize_t size = ::getxattr(fileName.c_str(), name, value, sizeof value);
    if (size < 0)
        return std::nullopt;
    return std::string(value, static_cast<std::size_t>(size));
}

bool Shell(const std::string& command)
{
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

} // namespace

TEST_F(SaveFaults, ASavedFileKeepsItsAclAndUserAttributes)
{
    // Removing an inherited ACL may fail only for want of one.
    EXPECT_TRUE(NoAttribute(ENODATA) && NoAttribute(ENOTSUP));
    EXPECT_FALSE(NoAttribute(EIO));
    if (!Shell("command -v setfacl >/dev/null"))
        GTEST_SKIP() << "setfacl (package acl) is not installed";
    WriteBytes(Name, "old");
    ::chmod(Name.c_str(), 0640);
    if (::setxattr(Name.c_str(), "user.velmoria.shelf", "blue", 4, 0) != 0)
        GTEST_SKIP() << "the file system keeps no user attributes here: " << std::strerror(errno);
    if (!Shell("setfacl -m u:65534:rw '" + Name + "'"))
        GTEST_SKIP() << "the file system keeps no ACL here";
    const auto acl = Attribute(Name, "system.posix_acl_access");
    ASSERT_TRUE(acl);
    const unsigned mode = ModeOf(Name);
    SafeWriteFile(Name, "new");
    EXPECT_EQ(ReadBytes(Name), "new");
    EXPECT_EQ(Attribute(Name, "system.posix_acl_access"), acl) << "the colleague may still read it";
    EXPECT_EQ(Attribute(Name, "user.velmoria.shelf"), "blue");
    EXPECT_EQ(ModeOf(Name), mode);

    // A folder's default ACL goes to a new file, but a file that had no ACL of its own gets none.
    WriteBytes(Other, "old");
    ASSERT_FALSE(Attribute(Other, "system.posix_acl_access"));
    ASSERT_TRUE(Shell("setfacl -d -m u:65534:rw '" + Dir.Path().string() + "'"));
    SafeWriteFile(Other, "new");
    EXPECT_FALSE(Attribute(Other, "system.posix_acl_access"));
    SafeWriteFile(Dir.File("new.vmr"), "new");
    EXPECT_TRUE(Attribute(Dir.File("new.vmr"), "system.posix_acl_access"));

    // An attribute that cannot be given to the new file fails the save; the old file stays.
    {
        TSeam seam([](TSaveCall call) { return call == TSaveCall::Attributes ? ENOSPC : 0; });
        EXPECT_THROW(SafeWriteFile(Name, "newer"), EFileError);
    }
    EXPECT_EQ(ReadBytes(Name), "new");
}

TEST_F(SaveFaults, AFileReplacedDuringTheSaveIsNotOverwrittenWhenTheCallerExpectsTheOldOne)
{
    const auto rewrite = [](const std::string& name) { WriteBytes(name, "theirs!"); };
    const struct {
        const char* Case;
        bool HardLinked;
        std::function<void(const std::string&)> Meanwhile;
        bool Refused;
    } cases[] = { { "untouched", false, nullptr, false },
        { "replaced", false,
            [](const std::string& name) {
                WriteBytes(name + ".other", "theirs");
                fs::rename(name + ".other", name);
            },
            true },
        { "rewritten", false, rewrite, true },
        { "deleted", false, [](const std::string& name) { fs::remove(name); }, false },
        { "two names, untouched", true, nullptr, false }, { "two names, rewritten", true, rewrite, true } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Prepare("ours", c.HardLinked);
        const TFileIdentity expected = IdentifyFile(Name);
        ASSERT_TRUE(expected.Exists);
        const std::set<std::string> before = Names();
        // Another program, a moment into the save: the new contents are complete by now.
        TSeam seam([&](TSaveCall call) {
            if (call == TSaveCall::Close && c.Meanwhile)
                c.Meanwhile(Name);
            return 0;
        });
        const std::string error = MessageOf<EFileChanged>([&] { SafeWriteFile(Name, "saved", &expected); });
        EXPECT_EQ(error != NoError, c.Refused) << error;
        if (c.Refused) {
            EXPECT_TRUE(Contains(error, "changed by another program")) << error;
            EXPECT_NE(ReadBytes(Name), "saved");
            EXPECT_EQ(Names(), before) << "nothing left behind";
        } else {
            EXPECT_EQ(ReadBytes(Name), "saved");
        }
    }
    // A file that appeared where none was expected is another program's too.
    Prepare("", false, false);
    const TFileIdentity none = IdentifyFile(Name);
    WriteBytes(Name, "theirs");
    EXPECT_THROW(SafeWriteFile(Name, "saved", &none), EFileChanged);
    EXPECT_EQ(ReadBytes(Name), "theirs");
}
