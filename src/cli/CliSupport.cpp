#include "cli/CliSupport.h"

#include "core/Errors.h"
#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"

#include <cerrno>
#include <cstdio>
#include <ostream>
#include <sys/stat.h>
#include <unicode/ustring.h>

std::string HexId(LangId id)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%04X", id);
    return buffer;
}

LangId ParseLanguage(const std::string& text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        unsigned long value = 0;
        std::size_t used = 0;
        try {
            value = std::stoul(text.substr(2), &used, 16);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == text.size() - 2 && value <= 0xFFFF)
            return static_cast<LangId>(value);
        throw TUsageError("Not a language identifier: " + text);
    }
    if (const TLanguage* language = FindLanguageByName(text))
        return language->Id;
    throw TUsageError("Unknown language: " + text);
}

int ParseInteger(const std::string& text, const char* what, int min, int max)
{
    int value = 0;
    std::size_t used = 0;
    try {
        const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
        value = std::stoi(hex ? text.substr(2) : text, &used, hex ? 16 : 10);
        if (hex)
            used += 2;
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < min || value > max)
        throw TUsageError(std::string(what) + " must be a number from " + std::to_string(min) + " to "
            + std::to_string(max) + ".");
    return value;
}

bool IsValidUtf8(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<std::int32_t>(text.size()), &status);
    return status != U_INVALID_CHAR_FOUND;
}

std::string ToCodePage(const std::string& utf8, LangId lang, const char* what)
{
    if (!IsValidUtf8(utf8))
        throw TUsageError(std::string("The text given as ") + what + " is not valid UTF-8.");
    bool lost = false;
    std::string text = Utf8ToAnsi(utf8, LanguageCodePage(lang), &lost);
    if (lost)
        throw TCommandError("The text \"" + utf8 + "\" holds characters that code page "
            + std::to_string(LanguageCodePage(lang)) + " of the language cannot hold.");
    return text;
}

std::string ToUtf8(std::string_view text, LangId lang)
{
    return AnsiToUtf8(text, LanguageCodePage(lang));
}

LangId FieldLanguage(const TVocabFile& document, int field)
{
    return field == fiForeign ? document.ForeignLangID() : document.NativeLangID();
}

TListLock LockList(const TArguments& args)
{
    const int wait = ParseInteger(
        args.Option("wait").value_or(std::to_string(TListLock::DefaultWait.count())), "--wait", 0, 3600);
    return TListLock(args[0], std::chrono::seconds(wait));
}

void Load(TVocabFile& document, const std::string& fileName, std::ostream& notices)
{
    document.LoadFromFile(fileName);
    if (!document.LoadNotice().Empty())
        notices << document.LoadNotice().Text() << '\n';
}

bool FileExists(const std::string& fileName)
{
    struct stat st { };
    return ::stat(fileName.c_str(), &st) == 0;
}

void RequireReadable(const std::string& fileName)
{
    struct stat st { };
    if (::stat(fileName.c_str(), &st) != 0)
        throw EFileError(fileName, "Cannot open file", errno);
    if (S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot open file", EISDIR);
}

std::uint32_t ParseNumber(
    const std::string& text, const char* what, std::uint32_t min, std::uint32_t max, int base)
{
    std::string digits = text;
    if (base == 16 && digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits = digits.substr(2);
    std::size_t used = 0;
    unsigned long long value = 0;
    try {
        if (!digits.empty() && digits[0] != '-' && digits[0] != '+')
            value = std::stoull(digits, &used, base);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != digits.size() || value < min || value > max) {
        const auto show = [base](std::uint32_t v) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, base == 16 ? "0x%X" : "%u", v);
            return std::string(buffer);
        };
        throw TUsageError(
            std::string(what) + " must be a number from " + show(min) + " to " + show(max) + ".");
    }
    return static_cast<std::uint32_t>(value);
}
