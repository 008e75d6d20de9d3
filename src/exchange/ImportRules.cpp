#include "exchange/ImportRules.h"

#include "core/VocabItem.h"
#include "evaluation/Translatable.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {
constexpr std::array<TImportField, 4> Fields
    = { { { VM_TRANSLATE_NOOP("Velmoria::Model", "Word/phrase"), fiForeign },
        { VM_TRANSLATE_NOOP("Velmoria::Model", "Part of speech"), fiCategory },
        { VM_TRANSLATE_NOOP("Velmoria::Model", "Notes"), fiNotes },
        { VM_TRANSLATE_NOOP("Velmoria::Model", "Translations"), fiNative } } };

int MoveEntry(std::vector<int>& from, std::vector<int>& to, int row)
{
    if (row < 0 || row >= static_cast<int>(from.size()))
        return -1;
    to.push_back(from[static_cast<std::size_t>(row)]);
    from.erase(from.begin() + row);
    return std::min(row, static_cast<int>(from.size()) - 1);
}
} // namespace

std::span<const TImportField> ImportFields()
{
    return Fields;
}

TFieldLists::TFieldLists()
{
    for (const auto& field : Fields)
        Available_.push_back(field.Field);
}

int TFieldLists::Add(int row)
{
    return MoveEntry(Available_, Selected_, row);
}

int TFieldLists::Remove(int row)
{
    return MoveEntry(Selected_, Available_, row);
}

TFieldColumns TFieldLists::Columns() const
{
    TFieldColumns columns {};
    for (std::size_t p = 0; p < Selected_.size(); ++p)
        columns[static_cast<std::size_t>(Selected_[p])] = static_cast<std::int32_t>(p + 1);
    return columns;
}

std::optional<std::int32_t> ParseStartLine(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1
        || value > MaxStartLine)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

TImportCheck CheckImport(std::string_view startLineText, const TFieldLists& lists)
{
    if (!ParseStartLine(startLineText))
        return icBadStartLine;
    const auto& selected = lists.Selected();
    if (std::find(selected.begin(), selected.end(), fiForeign) == selected.end())
        return icNoWordPhrase;
    return icOk;
}

bool IsVocabularyFileName(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    const std::size_t separator = fileName.find_last_of("/\\:");
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
        return false;
    const std::string_view extension = fileName.substr(dot);
    constexpr std::string_view vmr = ".vmr";
    return extension.size() == vmr.size()
        && std::equal(extension.begin(), extension.end(), vmr.begin(),
            [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + ('a' - 'A') : a) == b; });
}

TSaying ImportedMessage(const TImportResult& result)
{
    return TSaying::Joined(
        { TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n items imported successfully."),
              "%n item imported successfully.", result.Added),
            ImportNotes(result) },
        "\n\n");
}

std::optional<TTextFormat> Utf8Instead(TTextFormat chosen, std::string_view bytes, bool cut)
{
    if (chosen >= TextFormatCount || TextFormatEncoding(chosen) != teEightBit || !IsUtf8Text(bytes, cut))
        return std::nullopt;
    return MakeTextFormat(teUtf8, TextFormatDelimiter(chosen));
}

TSaying Utf8Question(TTextFormat offered)
{
    return { VM_TRANSLATE_NOOP("Velmoria::Model",
                 "This file looks like UTF-8 text. Read as 8-bit text, each of its accented and other "
                 "non-English characters would become two or three wrong ones (\"K\xC3\xA4se\" would become "
                 "\"K\xC3\x83\xC2\xA4se\").\n\nImport it as \"%1\" instead?"),
        { FormatCaption(offered) } };
}

std::string Utf8Refusal(TTextFormat chosen, TTextFormat offered)
{
    return "The source looks like UTF-8 text; read as " + std::string(TextFormatName(chosen))
        + " its non-English characters would be garbled (\"K\xC3\xA4se\" would become "
          "\"K\xC3\x83\xC2\xA4se\"). "
          "Pass --format "
        + std::string(TextFormatName(offered)) + " to read it as UTF-8.";
}

TSaying ImportNotes(const TImportResult& result)
{
    const auto note = [](std::int32_t count, const char* many, const char* one) {
        return count > 0 ? TSaying::Counted(many, one, count) : TSaying();
    };
    return TSaying::Joined(
        { note(result.InvalidBytes,
              VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n bytes were not UTF-8; they were replaced."),
              "%n byte was not UTF-8; it was replaced."),
            note(result.LostFields,
                VM_TRANSLATE_N_NOOP("Velmoria::Model",
                    "%n fields held characters the list's languages cannot store; they were replaced."),
                "%n field held characters the list's languages cannot store; they were replaced."),
            note(result.Skipped,
                VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n lines had no word/phrase and were left out."),
                "%n line had no word/phrase and was left out."),
            note(result.UnusedColumns,
                VM_TRANSLATE_N_NOOP(
                    "Velmoria::Model", "%n lines had text in columns that were not imported."),
                "%n line had text in columns that were not imported."),
            note(result.NoTranslation,
                VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n items had no translation and got \"#Value?#\"."),
                "%n item had no translation and got \"#Value?#\"."),
            note(result.JoinedBreaks,
                VM_TRANSLATE_N_NOOP(
                    "Velmoria::Model", "%n fields ran over several lines; their line breaks became spaces."),
                "%n field ran over several lines; its line breaks became spaces."),
            note(result.UnclosedQuotes,
                VM_TRANSLATE_N_NOOP(
                    "Velmoria::Model", "%n lines had a quote that never closed; it was read as a character."),
                "%n line had a quote that never closed; it was read as a character.") },
        "\n");
}
