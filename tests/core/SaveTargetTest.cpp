// Which file Save As may write: the type's extension, read-only files, the list's own file.

#include "core/SaveTarget.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(SaveTarget, TheExtensionIsTheTypes)
{
    const char* const expected[]
        = { "vmr", "vmr", "rtf", "txt", "txt", "txt", "txt", "txt", "txt", "htm", "kvtml", "vmr" };
    for (int type = 0; type <= SaveAsTypeCount + 1; ++type)
        EXPECT_EQ(SaveAsExtension(type), expected[type]) << type;
}

TEST(SaveTarget, ReadOnlyFilesAndForAnExportTheListsOwnFileAreRefused)
{
    TTempDir dir;
    const std::string list = dir.File("list.vmr");
    WriteBytes(list, "list");
    WriteBytes(dir.File("other.htm"), "page");
    WriteBytes(dir.File("locked.vmr"), "locked");
    fs::permissions(dir.File("locked.vmr"), fs::perms::owner_read);
    fs::create_symlink(list, dir.File("alias.vmr"));
    fs::create_hard_link(list, dir.File("twin.vmr"));
    const std::string readOnly
        = dir.File("locked.vmr") + "\nThis file is read-only. Please use a different file name.";
    const std::string ownFile = "\nThis is the list's own file";
    const struct {
        const char* Chosen;
        int Type;
        std::string ListFile;
        std::string Refusal; // the start of the message, or empty
    } cases[] = { { "other.htm", 9, list, "" }, { "new.txt", 3, list, "" }, { "list.vmr", 1, list, "" },
        { "list.vmr", 9, list, list + ownFile }, { "alias.vmr", 3, list, dir.File("alias.vmr") + ownFile },
        { "twin.vmr", 2, list, dir.File("twin.vmr") + ownFile }, { "list.vmr", 9, "", "" },
        { "locked.vmr", 1, list, readOnly }, { "locked.vmr", 9, "", readOnly } };
    for (const auto& c : cases) {
        const std::string refusal = SaveAsRefusal(dir.File(c.Chosen), c.Type, c.ListFile).Text();
        EXPECT_EQ(refusal.substr(0, c.Refusal.size()), c.Refusal) << c.Chosen << " " << c.Type;
        EXPECT_EQ(refusal.empty(), c.Refusal.empty()) << c.Chosen << " " << c.Type;
    }
}
