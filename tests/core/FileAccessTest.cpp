// Other users' files and links, and files that are no regular files: what the readers and writers
// of the program may touch.

#include "core/FileAttributes.h"
#include "core/SafeSave.h"
#include "core/TipFile.h"
#include "core/VocabFile.h"
#include "exchange/TextImport.h"
#include "support/ChildProcess.h"
#include "support/MessageOf.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr TFieldColumns WordNative = { 1, 0, 0, 2 };

// Ids no account or group of this machine has: the second users of a test need no entry in the
// user database and leave nothing behind.
uid_t FreeId(uid_t from)
{
    while (::getpwuid(from) || ::getgrgid(from))
        ++from;
    return from;
}

struct TUser {
    uid_t Uid;
    gid_t Gid;
    std::vector<gid_t> Groups; // supplementary
};

// Runs the check in a child process as that user; what it returns, or why it could not run.
std::string AsUser(const TUser& user, const std::function<std::string()>& check)
{
    return InChildProcess([&] {
        // A reader that waits for ever ends the child, and the test fails, instead of hanging.
        ::alarm(20);
        if (::setgroups(user.Groups.size(), user.Groups.data()) != 0 || ::setgid(user.Gid) != 0
            || ::setuid(user.Uid) != 0)
            return std::string("cannot become the second user");
        return check();
    });
}

// What the action raised, or NoError.
std::string Outcome(const std::function<void()>& action)
{
    return MessageOf<std::exception>(action);
}

std::string Owned(const std::string& name, uid_t uid, gid_t gid, mode_t mode)
{
    WriteBytes(name, "precious");
    if (::lchown(name.c_str(), uid, gid) != 0 || ::chmod(name.c_str(), mode) != 0)
        ADD_FAILURE() << "cannot set up " << name;
    return name;
}

class FileAccess : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP()
                << "acting as a second user needs root; run the tests as root to cover other users' files";
        Victim = { FreeId(61000), 0, {} };
        Victim.Gid = Victim.Uid;
        Shared = FreeId(Victim.Uid + 1);
        Victim.Groups = { Shared };
        Other = FreeId(Shared + 1);
        // The victim may create files here: a replacement of any file would succeed.
        fs::permissions(Dir.Path(), fs::perms::all);
    }

    TTempDir Dir;
    TUser Victim { 0, 0, {} };
    gid_t Shared = 0; // a group the victim is in besides its own
    uid_t Other = 0; // another user, and that user's group
};

} // namespace

TEST_F(FileAccess, AListIsWritableOnlyWhenTheUserMayWriteTheFileItself)
{
    const struct {
        const char* Name;
        uid_t Owner;
        gid_t Group;
        mode_t Mode;
        bool ReadOnly;
    } cases[] = {
        { "another user's 0644 file", Other, Other, 0644, true },
        { "own 0644 file", Victim.Uid, Victim.Gid, 0644, false },
        { "own 0444 file", Victim.Uid, Victim.Gid, 0444, true },
        { "own 0464 file: the owner's bits decide", Victim.Uid, Shared, 0464, true },
        { "group-writable, own group", Other, Victim.Gid, 0664, false },
        { "group-writable, supplementary group", Other, Shared, 0664, false },
        { "writable by others, but in the file's group", Other, Shared, 0646, true },
        { "writable by others", Other, Other, 0646, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string name = Owned(Dir.File("list.vmr"), c.Owner, c.Group, c.Mode);
        const std::string seen = AsUser(Victim, [&] {
            TVocabFile doc;
            const bool readOnly = IsReadOnlyFile(name);
            const std::string saved = Outcome([&] { doc.SaveToFile(name); });
            return std::string(readOnly ? "read-only" : "writable") + ": " + saved;
        });
        EXPECT_EQ(seen.substr(0, seen.find(':')), c.ReadOnly ? "read-only" : "writable") << seen;
        struct stat st { };
        ASSERT_EQ(::stat(name.c_str(), &st), 0);
        if (c.ReadOnly) {
            // The save is refused: the file keeps its bytes and its owner.
            EXPECT_TRUE(Contains(seen, name) && Contains(seen, "read-only")) << seen;
            EXPECT_EQ(std::tuple(ReadBytes(name), st.st_uid), std::tuple("precious", c.Owner));
        } else {
            EXPECT_TRUE(Contains(seen, ": " + NoError)) << seen;
        }
        fs::remove(name);
    }
    // Root still goes by the owner's bit alone.
    EXPECT_FALSE(IsReadOnlyFile(Owned(Dir.File("theirs"), Other, Other, 0644)));
    EXPECT_TRUE(IsReadOnlyFile(Owned(Dir.File("kept"), 0, 0, 0444)));
}

TEST(LinkRule, OnlyTheUsersOrTheFolderOwnersLinksAreFollowedInASharedStickyFolder)
{
    const auto stat = [](mode_t mode, uid_t owner) {
        struct stat st { };
        st.st_mode = mode;
        st.st_uid = owner;
        return st;
    };
    constexpr uid_t user = 1000, other = 1001, root = 0;
    const struct stat link = stat(S_IFLNK | 0777, other), tmp = stat(S_IFDIR | 01777, root);
    const struct {
        const char* Name;
        struct stat Link, Folder;
        uid_t User;
        bool Followed;
    } cases[] = {
        { "another user's link in /tmp", link, tmp, user, false },
        { "even for root", link, stat(S_IFDIR | 01777, user), root, false },
        { "the user's own link", stat(S_IFLNK | 0777, user), tmp, user, true },
        { "the folder owner's link", link, stat(S_IFDIR | 01777, other), user, true },
        { "folder not sticky", link, stat(S_IFDIR | 0777, root), user, true },
        { "sticky, not writable by all", link, stat(S_IFDIR | 01775, root), user, true },
        { "no link at all", stat(S_IFREG | 0644, other), tmp, user, true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinkMayBeFollowed(c.Link, c.Folder, c.User), c.Followed) << c.Name;
}

TEST_F(FileAccess, AnotherUsersLinkInASharedFolderIsNotFollowedAtAnyHop)
{
    const std::string tmp = Dir.File("tmp");
    fs::create_directory(tmp);
    fs::permissions(tmp, fs::perms::all | fs::perms::sticky_bit);
    const std::string notes = Owned(Dir.File("notes.txt"), Victim.Uid, Victim.Gid, 0644);
    const auto link = [&](const std::string& name, const std::string& to, uid_t owner) {
        fs::create_symlink(to, name);
        EXPECT_EQ(::lchown(name.c_str(), owner, owner), 0);
        return name;
    };
    const std::string planted = link(tmp + "/words.vmr", notes, Other);
    // The victim's own link leads to the planted one: refused at the second hop.
    const std::string chained = link(tmp + "/mine.vmr", "words.vmr", Victim.Uid);
    const std::string own = link(tmp + "/own.vmr", notes, Victim.Uid);
    for (const std::string& name : { planted, chained }) {
        const std::string error
            = AsUser(Victim, [&] { return Outcome([&] { SafeWriteFile(name, "overwritten"); }); });
        EXPECT_TRUE(Contains(error, name) && Contains(error, planted)) << error;
        EXPECT_EQ(ReadBytes(notes), "precious");
        EXPECT_TRUE(fs::is_symlink(planted));
    }
    EXPECT_EQ(AsUser(Victim, [&] { return Outcome([&] { SafeWriteFile(own, "mine"); }); }), NoError);
    EXPECT_EQ(ReadBytes(notes), "mine");
}

namespace {

// Every reader of a file a user names.
const std::pair<const char*, std::function<std::string(const std::string&)>> Readers[] = {
    { "open", [](const std::string& name) { return Outcome([&] { TVocabFile().LoadFromFile(name); }); } },
    { "merge", [](const std::string& name) { return Outcome([&] { TVocabFile().MergeFile(name); }); } },
    { "import",
        [](const std::string& name) {
            TVocabFile doc;
            return Outcome([&] { ImportText(doc, name, tfTextComma, WordNative, 1); });
        } },
    { "sample", [](const std::string& name) { return Outcome([&] { ReadFileStart(name, 4096); }); } },
    { "tips", [](const std::string& name) { return ReadTipFile(name) ? "tips" : "no tips"; } },
};

} // namespace

// Refused at once by every reader; only the command line's import reads a pipe, to its end.
TEST(SpecialFiles, AreRefusedAtOnceByEveryReaderButTheCommandLineImport)
{
    TTempDir dir;
    const std::string fifo = dir.File("fifo.vmr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& name : { fifo, std::string("/dev/zero") }) {
        for (const auto& [reader, read] : Readers) {
            SCOPED_TRACE(name + " by " + reader);
            // A reader that waits or reads for ever is ended by the alarm and returns nothing.
            const std::string outcome = InChildProcess([&] {
                ::alarm(5);
                return read(name);
            });
            if (std::string_view(reader) == "tips" || std::string_view(reader) == "detect")
                EXPECT_TRUE(outcome == "no tips" || outcome == "comma") << outcome;
            else
                EXPECT_TRUE(Contains(outcome, name) && Contains(outcome, "not a regular file")) << outcome;
        }
    }
    std::thread writer([&] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        for (int i = 0; i < 3000 && fd >= 0; ++i)
            (void)!::write(fd, "Hund,dog\n", 9);
        ::close(fd);
    });
    TVocabFile doc;
    EXPECT_EQ(ImportText(doc, fifo, tfTextComma, WordNative, 1, TReadFrom::FileOrPipe).Added, 3000);
    writer.join();
    // A device never ends, pipe or not, and no name opens a socket.
    const std::string unixSocket = dir.File("socket.vmr");
    ASSERT_TRUE(MakeSpecialFile(unixSocket, S_IFSOCK));
    for (const std::string& name : { std::string("/dev/zero"), unixSocket }) {
        EXPECT_TRUE(Contains(InChildProcess([&name] {
            ::alarm(5);
            return Outcome([&name] { ReadWholeFile(name, TReadFrom::FileOrPipe); });
        }),
            "not a regular file"))
            << name;
    }
}

TEST(SpecialFiles, ALargeFileIsReadOnceAndANonListOnlyByItsFirstBytes)
{
    // Sparse files: large, but they take no room on the disk.
    TTempDir dir;
    constexpr off_t size = off_t { 128 } << 20;
    const std::string other = dir.File("film.vmr"), list = dir.File("big.vmr");
    WriteBytes(list, "\x0CVelmoria 2.3");
    WriteBytes(other, "not a list");
    ASSERT_EQ(::truncate(list.c_str(), size), 0);
    ASSERT_EQ(::truncate(other.c_str(), 4 * size), 0);
    // In a child process whose memory allows one copy of the list, not two, and not the other file.
    const std::string outcome = InChildProcess([&] {
        std::string seen;
        try {
            long pages = 0;
            if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
                (void)!std::fscanf(statm, "%ld", &pages);
                std::fclose(statm);
            }
            const rlim_t limit = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + size + (size / 2);
            const rlimit memory { limit, limit };
            ::setrlimit(RLIMIT_AS, &memory);
            seen = std::to_string(ReadWholeFile(list).size());
            seen += " " + Outcome([&] { TVocabFile().LoadFromFile(other); });
            seen += " " + ReadFileStart(other, 10);
        } catch (const std::bad_alloc&) {
            seen += " out of memory";
        }
        return seen;
    });
    EXPECT_EQ(outcome, std::to_string(size) + " " + other + "\nInvalid file format. not a list");
}
