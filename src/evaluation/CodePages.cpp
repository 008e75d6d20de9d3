// Conversions between 8-bit code pages, UTF-16 and UTF-8.

#include "evaluation/CodePageTables.h"
#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"

#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace TextDetail {
namespace {

constexpr int SingleBytePages[] = { 1250, 1251, 1252, 1253, 1254, 1257 };
constexpr int SingleBytePageCount = static_cast<int>(std::size(SingleBytePages));
// The platform converter's default character: visible in the grid, unlike the control code 0x1A,
// and not white space, so cleaning a field keeps it.
constexpr std::uint8_t SubstituteByte = '?';

int SingleByteIndex(int codePage)
{
    for (int i = 0; i < SingleBytePageCount; ++i)
        if (SingleBytePages[i] == codePage)
            return i;
    return -1;
}

[[noreturn]] void ThrowUnsupported(int codePage)
{
    throw std::runtime_error("Unsupported code page " + std::to_string(codePage));
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

std::unique_ptr<TSingleByteCodePage> BuildSingleByte(int codePage)
{
    const std::string name = "windows-" + std::to_string(codePage);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open(name.c_str(), &status));
    if (U_FAILURE(status) || !converter)
        throw std::runtime_error("Cannot open the converter for code page " + std::to_string(codePage) + ": "
            + u_errorName(status));
    // Stop instead of substituting, so a unit that does not map back is seen as such.
    status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);

    auto table = std::make_unique<TSingleByteCodePage>();
    table->CodePage = codePage;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        UChar unit[4];
        status = U_ZERO_ERROR;
        ucnv_resetToUnicode(converter.get());
        const int32_t length = ucnv_toUChars(converter.get(), unit, 4, &byte, 1, &status);
        // A byte the code page leaves undefined (0xD2 in 1253) gets a private-use unit of its own so
        // that it survives a round trip instead of turning into U+FFFD.
        const bool defined = U_SUCCESS(status) && length == 1 && unit[0] != 0xFFFD;
        const char16_t wide
            = defined ? static_cast<char16_t>(unit[0]) : static_cast<char16_t>(UndefinedByteBase + b);
        table->ToWide[b] = wide;
        if (!defined) {
            table->FromWide[wide] = static_cast<std::uint8_t>(b);
            continue;
        }
        char back[8];
        status = U_ZERO_ERROR;
        ucnv_resetFromUnicode(converter.get());
        const int32_t backLength = ucnv_fromUChars(converter.get(), back, 8, unit, 1, &status);
        if (U_SUCCESS(status) && backLength == 1 && static_cast<unsigned char>(back[0]) == b
            && table->FromWide[wide] == 0)
            table->FromWide[wide] = static_cast<std::uint8_t>(b);
    }
    return table;
}

bool IsAscii(std::string_view text)
{
    const char* p = text.data();
    std::size_t n = text.size();
    while (n >= 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, p, 8);
        if (chunk & 0x8080808080808080ull)
            return false;
        p += 8;
        n -= 8;
    }
    for (; n > 0; --n, ++p)
        if (static_cast<unsigned char>(*p) & 0x80)
            return false;
    return true;
}

int32_t IcuLength(std::size_t size, std::size_t factor)
{
    if (size > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()) / factor)
        throw std::length_error("Text too long to convert");
    return static_cast<int32_t>(size);
}

std::u16string Utf8ToWide(std::string_view text)
{
    std::u16string result(text.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    // Invalid sequences become U+FFFD, as the converter would make them.
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(result.data()), static_cast<int32_t>(result.size()),
        &length, text.data(), IcuLength(text.size(), 1), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("UTF-8 conversion failed: ") + u_errorName(status));
    result.resize(static_cast<std::size_t>(length));
    return result;
}

std::string WideToUtf8(std::u16string_view text, bool* lost)
{
    std::string result(text.size() * 3, '\0');
    int32_t length = 0;
    int32_t substitutions = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(result.data(), static_cast<int32_t>(result.size()), &length,
        reinterpret_cast<const UChar*>(text.data()), IcuLength(text.size(), 3), 0xFFFD, &substitutions,
        &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("UTF-8 conversion failed: ") + u_errorName(status));
    result.resize(static_cast<std::size_t>(length));
    if (lost)
        *lost = substitutions > 0;
    return result;
}

void CheckSupported(int codePage)
{
    if (!IsSupportedCodePage(codePage))
        ThrowUnsupported(codePage);
}

} // namespace

const TSingleByteCodePage& SingleByteCodePage(int codePage)
{
    // Built once per code page and never changed afterwards, so all threads may share them.
    static std::once_flag built[SingleBytePageCount];
    static std::unique_ptr<TSingleByteCodePage> tables[SingleBytePageCount];
    const int index = SingleByteIndex(codePage);
    if (index < 0)
        ThrowUnsupported(codePage);
    std::call_once(built[index], [&] { tables[index] = BuildSingleByte(codePage); });
    return *tables[index];
}

} // namespace TextDetail

using namespace TextDetail;

int LanguageCodePage(LangId lang)
{
    const int codePage = FindLanguage(lang).CodePage;
    return codePage != 0 ? codePage : CP_SYSTEM_DEFAULT;
}

bool IsSupportedCodePage(int codePage)
{
    return codePage == CP_UTF8 || SingleByteIndex(codePage) >= 0;
}

std::u16string AnsiToWide(std::string_view text, int codePage)
{
    CheckSupported(codePage);
    if (codePage == CP_UTF8) {
        if (IsAscii(text))
            return std::u16string(text.begin(), text.end());
        return Utf8ToWide(text);
    }
    const auto& table = SingleByteCodePage(codePage);
    std::u16string result(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        result[i] = table.ToWide[static_cast<unsigned char>(text[i])];
    return result;
}

std::string WideToAnsi(std::u16string_view text, int codePage, bool* lost)
{
    CheckSupported(codePage);
    if (codePage == CP_UTF8)
        return WideToUtf8(text, lost);
    const auto& table = SingleByteCodePage(codePage);
    std::string result(text.size(), '\0');
    std::size_t length = 0;
    bool anyLost = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        std::uint8_t byte;
        if (!table.Encode(unit, byte)) {
            // A character outside the basic plane is one character, so one substitute.
            if (U16_IS_LEAD(unit) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1]))
                ++i;
            byte = SubstituteByte;
            anyLost = true;
        }
        result[length++] = static_cast<char>(byte);
    }
    result.resize(length);
    if (lost)
        *lost = anyLost;
    return result;
}

std::string AnsiToUtf8(std::string_view text, int codePage)
{
    CheckSupported(codePage);
    if (IsAscii(text))
        return std::string(text);
    return WideToUtf8(AnsiToWide(text, codePage), nullptr);
}

std::string Utf8ToAnsi(std::string_view text, int codePage, bool* lost)
{
    CheckSupported(codePage);
    if (IsAscii(text)) {
        if (lost)
            *lost = false;
        return std::string(text);
    }
    if (codePage == CP_UTF8)
        return WideToAnsi(Utf8ToWide(text), codePage, lost);
    // Straight from UTF-8 to the code page: the importer converts a million fields this way.
    const auto& table = SingleByteCodePage(codePage);
    std::string result(text.size(), '\0'); // never longer than the UTF-8 text
    std::size_t out = 0;
    bool anyLost = false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = IcuLength(text.size(), 1);
    for (int32_t i = 0; i < length;) {
        if (bytes[i] < 0x80) {
            result[out++] = static_cast<char>(bytes[i++]);
            continue;
        }
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        std::uint8_t byte = SubstituteByte;
        // Invalid sequences (c < 0) and characters outside the basic plane have no byte here.
        if (c < 0 || c > 0xFFFF || !table.Encode(static_cast<char16_t>(c), byte)) {
            byte = SubstituteByte;
            anyLost = true;
        }
        result[out++] = static_cast<char>(byte);
    }
    result.resize(out);
    if (lost)
        *lost = anyLost;
    return result;
}
