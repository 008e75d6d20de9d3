// Every writer leaves a pipe, a device or a socket where it is: it is refused before anything is
// made beside it, also through a link or when it takes the name during the save.

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
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::size_t CountFiles(const TTempDir& dir)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.Path()), {}));
}

} // namespace

TEST(SpecialTarget, EveryWriterAndSaveAsRefuseItByNameOrThroughALink)
{
    const std::function<void(const std::string&)> writers[] = {
        [](const std::string& name) { TVocabFile().SaveToFile(name); },
        [](const std::string& name) { SafeWriteFile(name, "bytes"); },
        [](const std::string& name) { SafeWritePrivateFile(name, "bytes"); },
        [](const std::string& name) { RefuseSpecialTarget(name); },
    };
    for (const mode_t type : { S_IFIFO, S_IFCHR, S_IFSOCK })
        for (const bool link : { false, true })
            for (std::size_t w = 0; w < std::size(writers); ++w) {
                SCOPED_TRACE(testing::Message() << "type " << type << " writer " << w << " link " << link);
                TTempDir dir;
                const std::string node = dir.File("n.vmr"), name = link ? dir.File("l.vmr") : node;
                if (!MakeSpecialFile(node, type))
                    GTEST_SKIP() << "cannot make a node of type " << type << " here";
                if (link)
                    fs::create_symlink("n.vmr", name);
                EXPECT_TRUE(Contains(MessageOf<EFileError>([&] { writers[w](name); }), "\"" + name + "\""));
                EXPECT_TRUE(IsSpecialFile(node, type));
                EXPECT_EQ(fs::is_symlink(name), link);
                EXPECT_EQ(CountFiles(dir), link ? 2u : 1u);
                for (const int saveAs : { 1, 9 })
                    EXPECT_EQ(SaveAsRefusal(name, saveAs, "").Text().rfind(name + "\n", 0), 0u);
            }
}

// Another program puts a pipe in place of the file while the new contents are written: the rename
// would replace it, and the rewrite of a file with two names would wait on it (a reader frees it
// after a while, and the clock tells).
TEST(SpecialTarget, APipeThatTakesTheNameDuringTheSaveStays)
{
    for (const auto& [hardLinked, moment] :
        { std::pair(false, TSaveCall::Close), { true, TSaveCall::OpenInPlace } }) {
        SCOPED_TRACE(hardLinked ? "rewrite in place" : "rename");
        TTempDir dir;
        const std::string file = dir.File("list.vmr");
        WriteBytes(file, "old");
        if (hardLinked)
            fs::create_hard_link(file, dir.File("twin.vmr"));
        std::atomic<bool> saved = false;
        std::thread reader;
        SetSaveFaults([&](TSaveCall call) {
            if (call == moment && !reader.joinable()) {
                fs::remove(file);
                EXPECT_TRUE(MakeSpecialFile(file, S_IFIFO));
                reader = std::thread([&] {
                    for (int i = 0; i < 30 && !saved; ++i)
                        std::this_thread::sleep_for(std::chrono::milliseconds(50));
                    if (const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK); fd >= 0)
                        ::close(fd);
                });
            }
            return 0;
        });
        const auto start = std::chrono::steady_clock::now();
        EXPECT_NE(MessageOf<EFileError>([&] { SafeWriteFile(file, "new contents"); }), NoError);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
        saved = true;
        SetSaveFaults(nullptr);
        ASSERT_TRUE(reader.joinable());
        reader.join();
        EXPECT_TRUE(IsSpecialFile(file, S_IFIFO));
        EXPECT_EQ(CountFiles(dir), hardLinked ? 2u : 1u);
    }
}
