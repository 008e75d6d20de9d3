#pragma once
// A settings store held in memory: for tests, screenshots and runs that must not touch the
// user's store.

#include "settings/Settings.h"

#include <map>
#include <variant>

class TMemorySettingsStore : public ISettingsStore {
public:
    using TValue = std::variant<std::vector<std::uint8_t>, std::int32_t, std::string>;

    std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) override;
    std::optional<std::int32_t> ReadInteger(const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& name) override;
    void WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes) override;
    void WriteInteger(const std::string& name, std::int32_t value) override;
    void WriteString(const std::string& name, const std::string& value) override;

    std::map<std::string, TValue> Values;
};
