// Finding the next item whose field holds a text, as the find dialog and the command line ask.

#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"

#include <cstring>
#include <numeric>

namespace {

// The search normalisation of one text: case, accents, and word boundaries marked by tabs.
class TSearchNormaliser {
public:
    TSearchNormaliser(LangId lang, std::uint8_t options)
        : Lang_(lang)
        , Options_(options)
    {
        Identity_ = (options & (MatchCase | MatchAccents)) == (MatchCase | MatchAccents)
            && (options & MatchWord) == 0;
        if (Identity_)
            return;
        // Plain ASCII is lower-cased, stripped and masked one byte at a time by every locale, so one
        // run of the locale services over all ASCII bytes gives a table for the common case.
        std::string ascii(128, '\0');
        std::iota(ascii.begin(), ascii.end(), '\0');
        const std::string mapped = Transform(ascii);
        if (mapped.size() == ascii.size()) {
            std::memcpy(AsciiMap_, mapped.data(), sizeof AsciiMap_);
            HaveAsciiMap_ = true;
        }
    }

    // The normalised text; reuses out's storage.
    void Normalise(std::string_view text, std::string& out) const
    {
        out.clear();
        const bool word = (Options_ & MatchWord) != 0;
        if (word)
            out.push_back('\t');
        if (HaveAsciiMap_ && IsAscii(text)) {
            for (const char c : text)
                out.push_back(AsciiMap_[static_cast<unsigned char>(c)]);
        } else {
            out += Transform(text);
        }
        if (word)
            out.push_back('\t');
    }

    bool Identity() const { return Identity_; }

private:
    static bool IsAscii(std::string_view text)
    {
        for (const char c : text)
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
        return true;
    }

    std::string Transform(std::string_view text) const
    {
        std::string t(text);
        if ((Options_ & MatchCase) == 0)
            t = CaseFoldLocale(t, Lang_);
        if ((Options_ & MatchAccents) == 0)
            t = StripAccents(t, Lang_);
        if ((Options_ & MatchWord) != 0)
            t = MaskNonAlphanumeric(t, Lang_, '\t');
        return t;
    }

    LangId Lang_;
    std::uint8_t Options_;
    bool Identity_ = false;
    bool HaveAsciiMap_ = false;
    char AsciiMap_[128] = {};
};

bool Matches(std::string_view field, std::string_view text, std::uint8_t mode)
{
    switch (mode) {
    case smAnyPart:
        return field.find(text) != std::string_view::npos;
    case smStart:
        return field.starts_with(text);
    case smEnd:
        return field.ends_with(text);
    default:
        return field == text;
    }
}

} // namespace

std::int32_t TVocabFile::FindNext(const TSearchParams& params) const
{
    if (params.Field >= FieldCount || params.Mode > smWhole)
        throw EVocabFileError("Invalid parameter.");
    if (params.Text.empty() && params.Mode != smWhole)
        return -1;
    const int field = params.Field;
    const LangId lang = field == fiForeign ? ForeignLangID_ : NativeLangID_;
    const TSearchNormaliser normaliser(lang, params.Options);
    std::string text;
    normaliser.Normalise(params.Text, text);

    const std::int32_t count = Count();
    std::string buffer;
    for (std::int32_t k = 0; k < count; ++k) {
        // From the item after the current one round to the current one itself.
        const std::int32_t i = static_cast<std::int32_t>((std::int64_t { CurrentIndex_ } + 1 + k) % count);
        const std::string_view value = Items_[static_cast<std::size_t>(i)]->FieldValue(field);
        if (normaliser.Identity()) {
            if (Matches(value, text, params.Mode))
                return i;
            continue;
        }
        normaliser.Normalise(value, buffer);
        if (Matches(buffer, text, params.Mode))
            return i;
    }
    return -1;
}
