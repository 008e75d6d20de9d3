// Every writer leaves a pipe, a device, a socket or a folder where it is: it is refused before
// anything is made beside it, also when a link leads to it or it takes the name during the save.

#include "core/SafeSave.h"
#include "core/SaveTarget.h"
#include "core/VocabFile.h"
#include "support/MessageOf.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr TSpecialFile AllKinds[]
    = { TSpecialFile::Fifo, TSpecialFile::CharDevice, TSpecialFile::Socket, TSpecialFile::Folder };

std::set<std::string> Names(const fs::path& folder)
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

} // namespace

TEST(SpecialTarget, EveryWriterRefusesItByNameOrThroughALink)
{
    const struct {
        const char* Name;
        std::function<void(const std::string&)> Write;
    } writers[] = {
        { "list save", [](const std::string& name) { TVocabFile().SaveToFile(name); } },
        { "safe write", [](const std::string& name) { SafeWriteFile(name, "bytes"); } },
        { "private file", [](const std::string& name) { SafeWritePrivateFile(name, "bytes"); } },
        { "check before work", [](const std::string& name) { RefuseSpecialTarget(name); } },
    };
    for (const TSpecialFile kind : AllKinds) {
        for (const bool throughLink : { false, true }) {
            for (const auto& writer : writers) {
                SCOPED_TRACE(std::string(writer.Name) + ", " + SpecialFileName(kind)
                    + (throughLink ? ", through a link" : ""));
                TTempDir dir;
                const std::string node = dir.File("n.vmr");
                if (!MakeSpecialFile(node, kind))
                    GTEST_SKIP() << "cannot make a " << SpecialFileName(kind) << " here";
                const std::string name = throughLink ? dir.File("link.vmr") : node;
                if (throughLink)
                    fs::create_symlink("n.vmr", name);
                const auto before = Names(dir.Path());
                const std::string message = MessageOf<EFileError>([&] { writer.Write(name); });
                EXPECT_TRUE(Contains(message, "\"" + name + "\"")) << message;
                EXPECT_TRUE(IsSpecialFile(node, kind));
                EXPECT_EQ(Names(dir.Path()), before);
                EXPECT_EQ(fs::is_symlink(name), throughLink);
            }
        }
    }
}

TEST(SpecialTarget, ARegularFileAndALinkToOneAreStillWritten)
{
    TTempDir dir;
    const std::string file = dir.File("list.vmr");
    const std::string link = dir.File("link.vmr");
    WriteBytes(file, "old");
    fs::create_symlink("list.vmr", link);
    for (const std::string& name : { file, link, dir.File("new.vmr") }) {
        SCOPED_TRACE(name);
        EXPECT_NO_THROW(RefuseSpecialTarget(name));
        SafeWriteFile(name, "new " + name);
        EXPECT_EQ(ReadBytes(name), "new " + name);
    }
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(file), "new " + link);
}

// Another program puts a pipe in place of the file while the new contents are written: the rename
// would replace it, the rewrite of a file with two names would wait on it.
TEST(SpecialTarget, APipeThatTakesTheNameDuringTheSaveStays)
{
    const struct {
        const char* Name;
        bool HardLinked;
        TSaveCall Moment;
    } cases[] = {
        { "before the rename", false, TSaveCall::Close },
        { "before the rewrite in place", true, TSaveCall::OpenInPlace },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string file = dir.File("list.vmr");
        WriteBytes(file, "old");
        if (c.HardLinked)
            fs::create_hard_link(file, dir.File("twin.vmr"));
        bool swapped = false;
        std::atomic<bool> saved = false;
        std::string message;
        // Should the writer wait on the pipe after all, a reader frees it and the clock tells.
        std::thread reader;
        const auto start = std::chrono::steady_clock::now();
        {
            TSeam seam([&](TSaveCall call) {
                if (call == c.Moment && !swapped) {
                    swapped = true;
                    fs::remove(file);
                    EXPECT_TRUE(MakeSpecialFile(file, TSpecialFile::Fifo));
                    reader = std::thread([&] {
                        for (int i = 0; i < 30 && !saved; ++i)
                            std::this_thread::sleep_for(std::chrono::milliseconds(50));
                        if (const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK); fd >= 0)
                            ::close(fd);
                    });
                }
                return 0;
            });
            message = MessageOf<EFileError>([&] { SafeWriteFile(file, "new contents"); });
            saved = true;
        }
        const auto took = std::chrono::steady_clock::now() - start;
        if (reader.joinable())
            reader.join();
        EXPECT_TRUE(swapped);
        EXPECT_NE(message, NoError);
        EXPECT_LT(took, std::chrono::milliseconds(1000));
        EXPECT_TRUE(IsSpecialFile(file, TSpecialFile::Fifo));
        std::set<std::string> expected { "list.vmr" };
        if (c.HardLinked)
            expected.insert("twin.vmr");
        EXPECT_EQ(Names(dir.Path()), expected);
    }
}

TEST(SpecialTarget, SaveAsSendsTheChoiceBack)
{
    for (const TSpecialFile kind : AllKinds) {
        SCOPED_TRACE(SpecialFileName(kind));
        TTempDir dir;
        const std::string node = dir.File("n.txt");
        if (!MakeSpecialFile(node, kind))
            GTEST_SKIP() << "cannot make a " << SpecialFileName(kind) << " here";
        for (const int type : { 1, 3, 9 }) {
            const std::string refusal = SaveAsRefusal(node, type, dir.File("list.vmr"));
            EXPECT_EQ(refusal.rfind(node + "\n", 0), 0u) << refusal;
            EXPECT_TRUE(Contains(refusal, "not a regular file")) << refusal;
        }
    }
}
