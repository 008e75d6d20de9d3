#include "cli/Drill.h"

#include "core/DisplayText.h"
#include "core/FileAttributes.h"
#include "core/Random.h"
#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"
#include "settings/Settings.h"
#include "testing/TestEngine.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TUsage : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct TDrillSettings {
    std::string FileName;
    TOptions Options;
    std::uint8_t TestMode = 0;
    bool MultipleChoice = false;
    std::optional<std::uint64_t> Seed;
};

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
        throw TUsage(std::string(what) + " must be a number from " + show(min) + " to " + show(max) + ".");
    }
    return static_cast<std::uint32_t>(value);
}

TDrillSettings ParseArguments(const std::vector<std::string>& args)
{
    TDrillSettings s;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw TUsage("Option " + a + " needs a value.");
            return args[++i];
        };
        if (a == "--into") {
            const std::string& into = value();
            if (into != "native" && into != "foreign")
                throw TUsage("--into must be native or foreign.");
            s.TestMode = into == "foreign" ? 1 : 0;
        } else if (a == "--multiple-choice") {
            s.MultipleChoice = true;
        } else if (a == "--choices") {
            s.Options.NumChoices = static_cast<std::int32_t>(ParseNumber(value(), "--choices", 3, 10, 10));
        } else if (a == "--penalty") {
            s.Options.UsePenaltyPoints = true;
            s.Options.MaxPenaltyPoints
                = static_cast<std::int32_t>(ParseNumber(value(), "--penalty", 1, 5, 10));
        } else if (a == "--disallow-hints") {
            s.Options.DisallowHints = true;
        } else if (a == "--test-notes") {
            s.Options.TestNotesPassive = s.Options.TestNotesActive = true;
        } else if (a == "--native-flags") {
            s.Options.NativeEvaluation = static_cast<EvaluationFlags>(
                ParseNumber(value(), "--native-flags", 0, SideEvaluationMask, 16));
        } else if (a == "--foreign-flags") {
            s.Options.ForeignEvaluation = static_cast<EvaluationFlags>(
                ParseNumber(value(), "--foreign-flags", 0, SideEvaluationMask, 16));
        } else if (a == "--english-flags") {
            const auto flags = ParseNumber(value(), "--english-flags", 0, EnglishEvaluationMask, 16);
            if (flags & ~EnglishEvaluationMask)
                throw TUsage("--english-flags holds only the bits 0x40, 0x80 and 0x100.");
            s.Options.EnglishEvaluation = static_cast<EvaluationFlags>(flags);
        } else if (a == "--seed") {
            s.Seed = ParseNumber(value(), "--seed", 0, 0xFFFFFFFFu, 10);
        } else if (a.size() > 1 && a[0] == '-') {
            throw TUsage("Unknown option " + a + ".");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1)
        throw TUsage("Usage: velmoria-cli test FILE [options]; see velmoria-cli --help.");
    s.FileName = files[0];
    return s;
}

// Terminal colours; nothing at all on a pipe.
struct TStyle {
    bool On = false;
    std::string Right() const { return On ? "\x1b[32m" : ""; }
    std::string Wrong() const { return On ? "\x1b[31m" : ""; }
    std::string Surplus() const { return On ? "\x1b[9;31m" : ""; } // struck out
    std::string Missing() const { return On ? "\x1b[4;32m" : ""; } // underlined
    std::string Dim() const { return On ? "\x1b[2m" : ""; }
    std::string Reset() const { return On ? "\x1b[0m" : ""; }
};

class TDrill {
public:
    TDrill(TVocabFile& doc, TTestEngine& engine, std::istream& in, std::ostream& out, std::ostream& err,
        bool terminal)
        : Doc_(doc)
        , Engine_(engine)
        , In_(in)
        , Out_(out)
        , Err_(err)
        , Terminal_(terminal)
        , Style_ { terminal }
    {
    }

    void Run()
    {
        const auto onAllLearnt = [&](const std::string& message) { Out_ << message << '\n'; };
        if (Doc_.Count() == 0) {
            Out_ << "The list has no items to ask.\n";
            return;
        }
        bool more = Engine_.NextQuestion(false, onAllLearnt);
        while (more) {
            if (!Ask())
                return;
            more = Engine_.NextQuestion(true, onAllLearnt);
        }
    }

    int Answered() const { return Answered_; }
    int Right() const { return Right_; }

private:
    std::string Utf8(std::string_view text, LangId lang) const
    {
        return AnsiToUtf8(text, LanguageCodePage(lang));
    }
    std::string Local(const std::string& utf8, LangId lang) const
    {
        return Utf8ToAnsi(utf8, LanguageCodePage(lang));
    }

    // The next input line; false at the end of input.
    bool ReadLine(const std::string& prompt, std::string& line)
    {
        if (Terminal_)
            Out_ << prompt << std::flush;
        if (!std::getline(In_, line)) {
            if (Terminal_)
                Out_ << '\n';
            return false;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }

    enum class TRead { Answer, Stop, End };

    // One answer line for a field, with hints and :stop handled; the text stays UTF-8.
    TRead ReadAnswer(const std::string& prompt, TTestField field, LangId lang, std::string& answer)
    {
        for (;;) {
            if (!ReadLine(prompt, answer))
                return TRead::End;
            if (answer == ":stop")
                return TRead::Stop;
            if (answer == ":hint" || answer.starts_with(":hint ")) {
                const std::string typed = answer.size() > 6 ? answer.substr(6) : "";
                try {
                    Out_ << "Hint: " << Utf8(Engine_.Hint(field, Local(typed, lang)), lang) << '\n';
                } catch (const EVocabFileError& e) {
                    Err_ << e.what() << '\n';
                }
                continue;
            }
            return TRead::Answer;
        }
    }

    // One question; false when the test ends here.
    bool Ask()
    {
        const TQuestionView question = Engine_.ShowQuestion();
        const LangId answerLang = Engine_.AnswerLanguage();
        const LangId nativeLang = Doc_.NativeLangID();
        Out_ << "Q: " << Utf8(question.QuestionText, question.QuestionLanguage) << '\n';
        if (Terminal_ && !Engine_.MultipleChoice()) {
            std::string about = Utf8(question.Category, nativeLang);
            if (!question.NotesText.empty())
                about += (about.empty() ? "" : ", ") + Utf8(question.NotesText, nativeLang);
            if (!about.empty())
                Out_ << Style_.Dim() << "   (" << about << ")" << Style_.Reset() << '\n';
        }

        TAnswerOutcome outcome;
        if (Engine_.MultipleChoice()) {
            const auto& choices = question.Choices;
            for (std::size_t i = 0; i < choices.size(); ++i)
                Out_ << i + 1 << ") " << Utf8(Engine_.ChoiceText(*choices[i]), answerLang) << '\n';
            const TVocabItem* selected = nullptr;
            for (;;) {
                std::string line;
                const TRead read = ReadAnswer("Choice: ", TTestField::Choice, answerLang, line);
                if (read != TRead::Answer)
                    return false;
                if (line.empty())
                    break; // nothing chosen: a wrong answer
                const auto number = ParseInt32(line);
                if (number && *number >= 1 && static_cast<std::size_t>(*number) <= choices.size()) {
                    selected = choices[static_cast<std::size_t>(*number - 1)];
                    break;
                }
                Err_ << "Answer with a number from 1 to " << choices.size() << ".\n";
            }
            outcome = Engine_.SubmitChoice(selected);
        } else {
            std::string response, notes;
            if (ReadAnswer("> ", TTestField::Response, answerLang, response) != TRead::Answer)
                return false;
            if (question.TestNotes
                && ReadAnswer("Notes: ", TTestField::Notes, nativeLang, notes) != TRead::Answer)
                return false;
            outcome = Engine_.SubmitTyped(Local(response, answerLang), Local(notes, nativeLang));
        }
        ++Answered_;
        if (outcome.Right)
            ++Right_;
        ShowVerdict();
        return true;
    }

    void ShowVerdict()
    {
        const TAnswerView view = Engine_.AnswerView();
        const LangId answerLang = Engine_.AnswerLanguage();
        const LangId nativeLang = Doc_.NativeLangID();
        Out_ << (view.Tick ? Style_.Right() : Style_.Wrong()) << view.Verdict << Style_.Reset() << ' '
             << Utf8(Engine_.ExpectedAnswer(), answerLang);
        if (view.Notes)
            Out_ << " (Notes: " << Utf8(view.Notes->Text, nativeLang) << ')';
        Out_ << '\n';
        if (!Terminal_ || view.Tick || Engine_.MultipleChoice() || Engine_.ResponseCorrect())
            return;
        Engine_.ToggleAnswer();
        const TAnswerView user = Engine_.AnswerView();
        Engine_.ToggleAnswer();
        Out_ << "   ";
        for (const TAnswerMark& mark : user.ResponseMarks) {
            const std::string text = Utf8(mark.Text, answerLang);
            if (mark.Kind == TMarkKind::Surplus)
                Out_ << Style_.Surplus() << text << Style_.Reset();
            else if (mark.Kind == TMarkKind::Missing)
                Out_ << Style_.Missing() << text << Style_.Reset();
            else
                Out_ << text;
        }
        Out_ << '\n';
    }

    TVocabFile& Doc_;
    TTestEngine& Engine_;
    std::istream& In_;
    std::ostream& Out_;
    std::ostream& Err_;
    bool Terminal_;
    TStyle Style_;
    int Answered_ = 0;
    int Right_ = 0;
};

void RequireReadable(const std::string& fileName)
{
    struct stat st { };
    if (::stat(fileName.c_str(), &st) != 0)
        throw EFileError(fileName, "Cannot open file", errno);
    if (S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot open file", EISDIR);
}

} // namespace

int RunDrill(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    bool terminal)
{
    TDrillSettings settings;
    try {
        settings = ParseArguments(args);
    } catch (const TUsage& e) {
        err << e.what() << '\n';
        return 2;
    }
    try {
        RequireReadable(settings.FileName);
        TVocabFile doc;
        doc.LoadFromFile(settings.FileName);
        if (!doc.LoadNotice().empty())
            err << doc.LoadNotice() << '\n';
        // Answers that could not be saved would be lost: refuse before the first question.
        if (IsReadOnlyFile(settings.FileName)) {
            err << DisplayName(settings.FileName)
                << "\nThis file is read-only: the test results could not be saved.\n";
            return 1;
        }
        if (settings.Seed)
            SeedRandom(*settings.Seed);
        TTestEngine engine(doc, settings.Options);
        engine.SetTestMode(settings.TestMode);
        engine.SetMultipleChoice(settings.MultipleChoice);
        TDrill drill(doc, engine, in, out, err, terminal);
        drill.Run();
        if (doc.Modified())
            doc.SaveToFile(settings.FileName);
        const TStatistics s = ReadStatistics(doc);
        out << "Totals: " << drill.Answered() << " answered, " << drill.Right() << " right; " << s.Learnt
            << " of " << s.Words << " words learnt (" << s.Progress << ").\n";
        return 0;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
}

int RunDrillCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const bool terminal = &out == &std::cout && ::isatty(STDOUT_FILENO);
    return RunDrill(args, std::cin, out, err, terminal);
}
