#include "core/ClipboardBlock.h"

#include "evaluation/TextUtils.h"

#include <cstring>

namespace {
constexpr std::size_t HeaderSize = 8;
constexpr const char* NoValidData = "No valid data on clipboard.";
} // namespace

std::string BuildClipboardBlock(const TVocabFile& document)
{
    if (document.CurrentIndex() < 0)
        throw EVocabFileError("No current item");
    const TVocabItem& item = document.Items(document.CurrentIndex());
    std::string block(HeaderSize, '\0');
    const std::uint16_t foreign = document.ForeignLangID();
    const std::uint16_t native = document.NativeLangID();
    const auto position = static_cast<std::uint32_t>(item.SortingPosition);
    const unsigned char header[HeaderSize] = { static_cast<unsigned char>(foreign & 0xFF),
        static_cast<unsigned char>(foreign >> 8), static_cast<unsigned char>(native & 0xFF),
        static_cast<unsigned char>(native >> 8), static_cast<unsigned char>(position & 0xFF),
        static_cast<unsigned char>((position >> 8) & 0xFF),
        static_cast<unsigned char>((position >> 16) & 0xFF), static_cast<unsigned char>(position >> 24) };
    std::memcpy(block.data(), header, HeaderSize);
    for (int f = 0; f < FieldCount; ++f) {
        if (f > 0)
            block.push_back('\t');
        block.append(item.FieldValue(f));
    }
    block.push_back('\0');
    return block;
}

void PasteClipboardBlock(TVocabFile& document, std::string_view block)
{
    if (block.size() < HeaderSize)
        throw EVocabFileError(NoValidData);
    const auto byte
        = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(block[i])); };
    const auto foreign = static_cast<LangId>(byte(0) | (byte(1) << 8));
    const auto native = static_cast<LangId>(byte(2) | (byte(3) << 8));
    const auto position
        = static_cast<std::int32_t>(byte(4) | (byte(5) << 8) | (byte(6) << 16) | (byte(7) << 24));
    std::string_view text = block.substr(HeaderSize);
    if (const auto end = text.find('\0'); end != std::string_view::npos)
        text = text.substr(0, end);
    if (!document.SameLanguages(foreign, native))
        throw EVocabFileError("Languages are different.");
    std::vector<std::string> parts;
    if (SplitDelimited(text, "\t", false, 3, parts, false) < FieldCount)
        throw EVocabFileError(NoValidData);
    // Only texts fit for a file are accepted; the item must stay savable.
    for (const auto& part : parts)
        if (part.size() > MaxTextLength)
            throw EVocabFileError(NoValidData);
    TVocabItem& item = document.NewItem();
    item.SetFieldValues(parts[0], parts[1], parts[2], parts[3]);
    item.LastAttempt = 0;
    item.SortingPosition = position < 0 ? 0 : position; // a damaged block must not give a negative position
    item.PenaltyPoints = 0;
    document.Add(ukPaste);
}
