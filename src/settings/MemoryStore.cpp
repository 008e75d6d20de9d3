#include "settings/MemoryStore.h"

namespace {
template <typename T>
std::optional<T> Read(
    const std::map<std::string, TMemorySettingsStore::TValue>& values, const std::string& name)
{
    const auto found = values.find(name);
    if (found == values.end())
        return std::nullopt;
    if (const T* value = std::get_if<T>(&found->second))
        return *value;
    return std::nullopt;
}
} // namespace

std::optional<std::vector<std::uint8_t>> TMemorySettingsStore::ReadBinary(const std::string& name)
{
    return Read<std::vector<std::uint8_t>>(Values, name);
}

std::optional<std::int32_t> TMemorySettingsStore::ReadInteger(const std::string& name)
{
    return Read<std::int32_t>(Values, name);
}

std::optional<std::string> TMemorySettingsStore::ReadString(const std::string& name)
{
    return Read<std::string>(Values, name);
}

void TMemorySettingsStore::WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes)
{
    Values[name] = std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void TMemorySettingsStore::WriteInteger(const std::string& name, std::int32_t value)
{
    Values[name] = value;
}

void TMemorySettingsStore::WriteString(const std::string& name, const std::string& value)
{
    Values[name] = value;
}
