#include "core/RichText.h"

#include "evaluation/TextUtils.h"

#include <cstdint>

namespace {

// Groups whose text is never shown: tables, metadata and pictures.
bool IsHiddenDestination(std::string_view word)
{
    static constexpr std::string_view hidden[] = { "fonttbl", "colortbl", "stylesheet", "info", "pict",
        "object", "header", "footer", "headerl", "headerr", "footerl", "footerr", "footnote", "listtable",
        "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl", "themedata", "datastore" };
    for (const auto name : hidden) {
        if (word == name)
            return true;
    }
    return false;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class TReader {
public:
    TReader(std::string_view rtf, int codePage)
        : Rtf_(rtf)
        , CodePage_(IsSupportedCodePage(codePage) ? codePage : 1252)
    {
    }

    TRichText Read()
    {
        while (Pos_ < Rtf_.size()) {
            const char c = Rtf_[Pos_++];
            switch (c) {
            case '{':
                Flush();
                Stack_.push_back(State_);
                break;
            case '}':
                Flush();
                FallbackLeft_ = 0;
                if (!Stack_.empty()) {
                    State_ = Stack_.back();
                    Stack_.pop_back();
                }
                break;
            case '\\':
                ControlWord();
                break;
            case '\r':
            case '\n':
                break;
            case '\t':
                Character(u'\t');
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20)
                    Byte(c);
                break;
            }
        }
        Flush();
        if (!Paragraph_.Runs.empty())
            Text_.push_back(std::move(Paragraph_));
        return std::move(Text_);
    }

private:
    struct TState {
        bool Bold = false;
        bool Italic = false;
        bool Hidden = false;
        int FallbackLength = 1; // \ucN: characters that stand in for each \u character
    };

    // After \uN the next FallbackLength characters are the stand-in for readers without Unicode.
    bool SkipFallback()
    {
        if (FallbackLeft_ == 0)
            return false;
        --FallbackLeft_;
        return true;
    }

    void Byte(char byte)
    {
        if (SkipFallback() || State_.Hidden)
            return;
        Pending_.push_back(byte);
    }

    void Character(char16_t ch)
    {
        if (SkipFallback() || State_.Hidden)
            return;
        Flush();
        Append(std::u16string(1, ch));
    }

    void Flush()
    {
        if (Pending_.empty())
            return;
        Append(AnsiToWide(Pending_, CodePage_));
        Pending_.clear();
    }

    void Append(const std::u16string& text)
    {
        auto& runs = Paragraph_.Runs;
        if (runs.empty() || runs.back().Bold != State_.Bold || runs.back().Italic != State_.Italic)
            runs.push_back({ {}, State_.Bold, State_.Italic });
        runs.back().Text += text;
    }

    void EndParagraph()
    {
        if (State_.Hidden)
            return;
        Flush();
        Text_.push_back(std::move(Paragraph_));
        Paragraph_ = {};
    }

    void ControlWord()
    {
        if (Pos_ >= Rtf_.size())
            return;
        const char first = Rtf_[Pos_];
        if (!IsLetter(first)) {
            ++Pos_;
            ControlSymbol(first);
            return;
        }
        const std::size_t start = Pos_;
        while (Pos_ < Rtf_.size() && IsLetter(Rtf_[Pos_]) && Pos_ - start < 32)
            ++Pos_;
        const std::string_view word = Rtf_.substr(start, Pos_ - start);
        bool hasParameter = false;
        bool negative = false;
        std::int64_t parameter = 0;
        if (Pos_ < Rtf_.size() && Rtf_[Pos_] == '-') {
            negative = true;
            ++Pos_;
        }
        while (Pos_ < Rtf_.size() && Rtf_[Pos_] >= '0' && Rtf_[Pos_] <= '9') {
            // Ten digits are the most a parameter may have; more are read and ignored.
            if (parameter < 10'000'000'000)
                parameter = parameter * 10 + (Rtf_[Pos_] - '0');
            hasParameter = true;
            ++Pos_;
        }
        if (negative)
            parameter = -parameter;
        if (Pos_ < Rtf_.size() && Rtf_[Pos_] == ' ')
            ++Pos_;
        Apply(word, hasParameter, parameter);
    }

    void ControlSymbol(char symbol)
    {
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            Byte(symbol);
            break;
        case '\'': {
            const int high = Pos_ < Rtf_.size() ? HexValue(Rtf_[Pos_]) : -1;
            const int low = Pos_ + 1 < Rtf_.size() ? HexValue(Rtf_[Pos_ + 1]) : -1;
            if (high < 0 || low < 0)
                break;
            Pos_ += 2;
            Byte(static_cast<char>(high * 16 + low));
            break;
        }
        case '~':
            Character(u'\u00A0');
            break;
        case '_':
            Character(u'\u2011');
            break;
        case '*':
            // An optional destination: none of them holds text for us.
            Flush();
            State_.Hidden = true;
            break;
        case '\r':
        case '\n':
            EndParagraph();
            break;
        default: // \- (optional hyphen), \| and the rest add nothing
            break;
        }
    }

    void Apply(std::string_view word, bool hasParameter, std::int64_t parameter)
    {
        const bool on = !hasParameter || parameter != 0;
        if (word == "par") {
            EndParagraph();
        } else if (word == "line") {
            Character(RichLineBreak);
        } else if (word == "tab") {
            Character(u'\t');
        } else if (word == "b") {
            Flush();
            State_.Bold = on;
        } else if (word == "i") {
            Flush();
            State_.Italic = on;
        } else if (word == "plain") {
            Flush();
            State_.Bold = State_.Italic = false;
        } else if (word == "ansicpg") {
            if (hasParameter && IsSupportedCodePage(static_cast<int>(parameter))) {
                Flush();
                CodePage_ = static_cast<int>(parameter);
            }
        } else if (word == "uc") {
            if (hasParameter && parameter >= 0 && parameter <= 8)
                State_.FallbackLength = static_cast<int>(parameter);
        } else if (word == "u") {
            if (hasParameter && parameter >= -32768 && parameter <= 65535) {
                // Values above 32767 are written as negative numbers.
                Character(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter));
                FallbackLeft_ = State_.FallbackLength;
            }
        } else if (word == "emdash") {
            Character(u'\u2014');
        } else if (word == "endash") {
            Character(u'\u2013');
        } else if (word == "bullet") {
            Character(u'\u2022');
        } else if (word == "lquote") {
            Character(u'\u2018');
        } else if (word == "rquote") {
            Character(u'\u2019');
        } else if (word == "ldblquote") {
            Character(u'\u201C');
        } else if (word == "rdblquote") {
            Character(u'\u201D');
        } else if (IsHiddenDestination(word)) {
            Flush();
            State_.Hidden = true;
        }
        // Every other control word (fonts, sizes, colours, paragraph layout) is ignored.
    }

    std::string_view Rtf_;
    std::size_t Pos_ = 0;
    int CodePage_;
    TState State_;
    std::vector<TState> Stack_;
    int FallbackLeft_ = 0;
    std::string Pending_;
    TRichParagraph Paragraph_;
    TRichText Text_;
};

} // namespace

TRichText ReadRichText(std::string_view rtf, int defaultCodePage)
{
    return TReader(rtf, defaultCodePage).Read();
}

std::u16string PlainText(const TRichText& text)
{
    std::u16string plain;
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (p > 0)
            plain += u'\n';
        for (const auto& run : text[p].Runs)
            plain += run.Text;
    }
    return plain;
}
