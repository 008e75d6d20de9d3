#pragma once
// The settings store of this platform: QSettings under "Brannock"/"Velmoria", group "2". Binary
// values are byte arrays, DWORD values integers, strings UTF-8 on our side.

#include "settings/Settings.h"

#include <QString>
#include <memory>

class QSettings;

class TQtSettingsStore : public ISettingsStore {
public:
    TQtSettingsStore();
    // The same values in the given file (tests read back what was written to disk this way).
    explicit TQtSettingsStore(const QString& fileName);
    ~TQtSettingsStore() override;
    TQtSettingsStore(const TQtSettingsStore&) = delete;
    TQtSettingsStore& operator=(const TQtSettingsStore&) = delete;

    std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) override;
    std::optional<std::int32_t> ReadInteger(const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& name) override;
    void WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes) override;
    void WriteInteger(const std::string& name, std::int32_t value) override;
    void WriteString(const std::string& name, const std::string& value) override;

    // The file behind the store, and writing it out now rather than at destruction.
    QString FileName() const;
    void Sync();

private:
    std::unique_ptr<QSettings> Settings_;
};

// The program folder, the user's language and the installed fonts, as the settings need them.
TSettingsEnvironment QtSettingsEnvironment();
