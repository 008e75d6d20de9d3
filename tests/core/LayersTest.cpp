// The model's folders depend one way: evaluation (text utilities, languages, matching) is the
// lowest, core (the document) builds on it, exchange and settings on both, testing on settings;
// none of them uses Qt.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(Layers, ModelFoldersIncludeOnlyTheFoldersBelowThem)
{
    const struct {
        const char* Folder;
        std::set<std::string> MayInclude;
    } layers[] = {
        { "evaluation", { "evaluation" } },
        { "core", { "core", "evaluation" } },
        { "exchange", { "exchange", "core", "evaluation" } },
        { "settings", { "settings", "core", "evaluation" } },
        { "testing", { "testing", "settings", "core", "evaluation" } },
        { "cli", { "cli", "testing", "exchange", "settings", "core", "evaluation" } },
    };
    const fs::path src = fs::path(VELMORIA_SOURCE_DIR) / "src";
    for (const auto& layer : layers) {
        int files = 0;
        for (const auto& entry : fs::directory_iterator(src / layer.Folder)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("Qt", 0) == 0) // the Qt side of a folder belongs to the GUI library
                continue;
            ++files;
            std::ifstream file(entry.path());
            std::string line;
            while (std::getline(file, line)) {
                if (line.rfind("#include", 0) != 0)
                    continue;
                SCOPED_TRACE(std::string(layer.Folder) + "/" + name + ": " + line);
                EXPECT_EQ(line.find("<Q"), std::string::npos);
                const auto quote = line.find('"');
                const auto slash = line.find('/', quote);
                if (quote != std::string::npos && slash != std::string::npos) {
                    EXPECT_TRUE(layer.MayInclude.count(line.substr(quote + 1, slash - quote - 1)));
                }
            }
        }
        EXPECT_GT(files, 0) << layer.Folder;
    }
}

} // namespace
