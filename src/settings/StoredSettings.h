#pragma once
// The window's settings read without Qt, for the command line: on this platform QSettings keeps
// them in an INI file, $XDG_CONFIG_HOME/Brannock/Velmoria.conf, group "2", with escapes of its
// own in texts and "@ByteArray(...)" around binary values.

#include "settings/MemoryStore.h"

#include <string>
#include <string_view>

// The file the window's settings store writes.
std::string StoredSettingsPath();

// The values of one group of such a file's text. Numbers are stored as text and read as numbers;
// a value that holds a list or another kind of Qt's values is not there for this store.
class TIniSettingsStore : public TMemorySettingsStore {
public:
    TIniSettingsStore(std::string_view text, std::string_view group);
    std::optional<std::int32_t> ReadInteger(const std::string& name) override;
};

// The settings stored by the window, as the window reads them; a file that is missing or cannot
// be read gives the defaults.
void LoadStoredSettings(TSettings& settings, TWindowState& window);
