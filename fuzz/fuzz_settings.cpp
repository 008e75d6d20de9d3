// The settings reader on an arbitrary store: whatever a damaged store holds, loading never fails,
// and what is saved after it loads back to the same values (everything was brought into range).

#include "settings/MemoryStore.h"
#include "settings/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input is a sequence of values: a byte choosing the name and kind, a length byte, the bytes.
    static const char* const Names[] = { "Options", "PrintOptions", "PageSetup", "WindowPosition", "TestMode",
        "NextTip", "ImportFilter", "FileCount", "File1", "File2", "Sound1", "Sound2", "DisplayFont",
        "PrintFont", "DisplaySize", "PrintSize", "ShowTips", "ShowToolBar", "ShowStatusBar", "MultipleChoice",
        "ForeignLangID", "NativeLangID" };
    constexpr std::size_t NameCount = sizeof(Names) / sizeof(Names[0]);
    TMemorySettingsStore store;
    std::size_t at = 0;
    while (at + 2 <= size) {
        const std::uint8_t pick = data[at];
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        const std::uint8_t* bytes = data + at + 2;
        at += 2 + length;
        const std::string name = Names[pick % NameCount];
        switch (pick / NameCount % 3) {
        case 0:
            store.Values[name] = std::vector<std::uint8_t>(bytes, bytes + length);
            break;
        case 1: {
            std::int32_t value = 0;
            std::memcpy(&value, bytes, std::min<std::size_t>(length, sizeof value));
            store.Values[name] = value;
            break;
        }
        default:
            store.Values[name] = std::string(reinterpret_cast<const char*>(bytes), length);
        }
    }
    const TSettingsEnvironment environment { "/opt/velmoria/", 0x0409, {} };
    TSettings settings;
    TWindowState window;
    LoadSettings(store, environment, settings, window);
    TMemorySettingsStore saved;
    SaveSettings(saved, settings, window);
    TSettings settingsAgain;
    TWindowState again;
    LoadSettings(saved, environment, settingsAgain, again);
    TMemorySettingsStore savedAgain;
    SaveSettings(savedAgain, settingsAgain, again);
    if (saved.Values != savedAgain.Values)
        std::abort();
    return 0;
}
