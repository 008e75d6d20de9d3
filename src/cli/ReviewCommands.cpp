#include "cli/ReviewCommands.h"

#include "cli/CliSupport.h"
#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "review/Card.h"
#include "review/History.h"
#include "review/ReviewQueue.h"
#include "settings/StoredSettings.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <sstream>

TDay TodayOption(const TArguments& args)
{
    if (const auto text = args.Option("today")) {
        if (const auto day = ParseDay(*text))
            return *day;
        throw TUsageError("--today must be a date such as 2024-03-31.");
    }
    return Today();
}

std::uint8_t DirectionOption(const TArguments& args)
{
    const std::string into = args.Option("into").value_or("native");
    if (into != "native" && into != "foreign" && into != "both")
        throw TUsageError("--into must be native, foreign or both.");
    return into == "both" ? BothDirections : into == "foreign" ? 1 : 0;
}

TSchedulerParameters SchedulerOptions(const TArguments& args)
{
    TSchedulerParameters p;
    if (const auto text = args.Option("retention")) {
        double value = 0;
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
        if (error != std::errc() || end != text->data() + text->size()
            || !TReviewSettings::RetentionInRange(value))
            throw TUsageError("--retention must be a number from 0.70 to 0.97.");
        p.DesiredRetention = value;
    }
    return p;
}

int NewPerDayOption(const TArguments& args)
{
    const std::optional<std::string> text = args.Option("new-per-day");
    return text ? ParseInteger(*text, "--new-per-day", 0, MaxNewPerDay) : TReviewSettings {}.NewPerDay;
}

namespace {

std::string TwoDecimals(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

void TellNotice(const THistory& history, std::ostream& err)
{
    if (!history.Notice().Empty())
        err << history.Notice().Text() << '\n';
}

std::vector<TListDue> RecentListsDue(const TArguments& args, std::ostream& err)
{
    TSettings settings;
    TWindowState window;
    LoadStoredSettings(settings, window);
    const TDay today = TodayOption(args);
    const std::uint8_t direction = args.Option("into") ? DirectionOption(args) : window.TestMode == 1 ? 1 : 0;
    TSchedulerParameters p;
    p.DesiredRetention = settings.Reviews.DesiredRetention();
    const int newPerDay = args.Option("new-per-day") ? NewPerDayOption(args) : settings.Reviews.NewPerDay;
    std::vector<TListDue> lists;
    if (window.RecentFiles.empty())
        return lists;
    THistory history(THistory::DefaultPath());
    TellNotice(history, err);
    for (const std::string& fileName : window.RecentFiles) {
        try {
            TVocabFile document;
            Load(document, fileName, err);
            lists.push_back({ fileName, document.ForeignLangID(), document.NativeLangID(),
                CountDue(document, history, direction, today, newPerDay, p) });
        } catch (const std::exception& error) {
            err << "Skipped: " << error.what() << '\n';
        }
    }
    return lists;
}

namespace {

std::string LanguageText(LangId id)
{
    const std::string_view name = FindLanguage(id).Name;
    return name.empty() ? HexId(id) : std::string(name);
}

int DueOfRecentLists(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(0, "due --all [--into native|foreign|both] [--today YYYY-MM-DD] [--new-per-day N]");
    if (args.Switch("list"))
        throw TUsageError("--list lists the items of one list; it does not go with --all.");
    for (const TListDue& list : RecentListsDue(args, err))
        out << list.Counts.DueToday() << '\t' << list.Counts.New << '\t' << LanguageText(list.Foreign) << '\t'
            << LanguageText(list.Native) << '\t' << list.FileName << '\n';
    return 0;
}

} // namespace

int CmdDue(const TArguments& args, std::ostream& out, std::ostream& err)
{
    if (args.Switch("all"))
        return DueOfRecentLists(args, out, err);
    args.ExpectPositional(1,
        "due FILE [--into native|foreign|both] [--today YYYY-MM-DD] [--new-per-day N] [--retention R] "
        "[--list]");
    const TDay today = TodayOption(args);
    const std::uint8_t direction = DirectionOption(args);
    const TSchedulerParameters p = SchedulerOptions(args);
    const int newPerDay = NewPerDayOption(args);
    TVocabFile document;
    Load(document, args[0], err);
    THistory history(THistory::DefaultPath());
    TellNotice(history, err);
    const TDueCounts counts = CountDue(document, history, direction, today, newPerDay, p);
    // Due counts the cards failed today too: they are asked again before the day is done.
    out << "due " << counts.DueToday() << "\nagain " << counts.Again << "\nnew " << counts.New << "\nnext "
        << (counts.Next ? FormatDay(*counts.Next) : std::string("none")) << '\n';
    if (args.Switch("list")) {
        std::vector<THistory::TCardFailures> leeches = history.FailedCards(LeechFailures);
        for (std::uint8_t d = 0; d < 2; ++d) {
            if (direction != BothDirections && direction != d)
                continue;
            std::vector<TCardKey> keys;
            keys.reserve(static_cast<std::size_t>(document.Count()));
            for (const auto& item : document.ItemList())
                keys.push_back(CardKeyOf(document, *item, d));
            const auto memories = history.Memories(keys);
            std::string line;
            for (std::size_t i = 0; i < memories.size(); ++i) {
                line = std::to_string(i) + '\t';
                if (direction == BothDirections)
                    line += d == 0 ? "native\t" : "foreign\t";
                if (const auto& memory = memories[i])
                    line += FormatDay(memory->Due) + '\t' + TwoDecimals(memory->Stability) + '\t'
                        + TwoDecimals(memory->Difficulty);
                else
                    line += "new\t\t";
                // A leech wants a note or a mnemonic, not more drill.
                if (std::any_of(leeches.begin(), leeches.end(),
                        [&](const THistory::TCardFailures& leech) { return leech.Key == keys[i]; }))
                    line += "\tleech";
                out << line << '\n';
            }
        }
    }
    return 0;
}

namespace {

std::string Figures(const TEvaluation& e)
{
    char text[64];
    std::snprintf(text, sizeof text, "log-loss %.4f, RMSE(bins) %.4f", e.LogLoss, e.RmseBins);
    return text;
}

std::string BeforeAfter(const std::optional<TEvaluation>& before, const std::optional<TEvaluation>& after)
{
    if (!before || !after)
        return "too few answers to tell";
    char text[96];
    std::snprintf(text, sizeof text, "log-loss %.4f -> %.4f, RMSE(bins) %.4f -> %.4f", before->LogLoss,
        after->LogLoss, before->RmseBins, after->RmseBins);
    return text;
}

// --pair FOREIGN-NATIVE: two languages (names or 0x identifiers).
std::optional<TLanguagePair> PairOption(const TArguments& args)
{
    const auto text = args.Option("pair");
    if (!text)
        return std::nullopt;
    const auto dash = text->find('-', 1);
    if (dash == std::string::npos || dash + 1 >= text->size())
        throw TUsageError("--pair must be two languages such as German-English.");
    // Cards are kept under the primary languages: German (Austria) is German.
    return TLanguagePair(PrimaryLanguage(ParseLanguage(text->substr(0, dash))),
        PrimaryLanguage(ParseLanguage(text->substr(dash + 1))));
}

int CmdOptimize(const TArguments& args, std::ostream& out, std::ostream& err)
{
    const auto pair = PairOption(args);
    THistory history(THistory::DefaultPath());
    TellNotice(history, err);
    // Judged against the set that schedules those answers now.
    const auto current = history.WithLearnerParameters({}, pair).W;
    const auto report = Optimize(history.OptimizerAnswers(pair), current);
    if (!report)
        return 1;
    out << "Answers: " << report->Answers << ", training items: " << report->Items << " ("
        << report->Fit.Items << " after the outlier filter)\n";
    out << (report->Fit.Kind == TFitKind::Defaults      ? "Too few answers: the published parameters"
            : report->Fit.Kind == TFitKind::InitialOnly ? "Fitted (first intervals only)"
                                                        : "Fitted")
        << ": " << FormatWeights(report->Fit.W) << '\n';
    out << "All answers: " << BeforeAfter(report->Before, report->After) << '\n';
    out << "Later answers held out: "
        << (report->HeldOut ? BeforeAfter(report->HeldOut->Current, report->HeldOut->Fitted)
                            : std::string("too few answers to tell"))
        << '\n';
    if (!args.Switch("apply"))
        return 0;
    if (pair && report->Fit.Kind != TFitKind::Full) {
        err << "Not applied: a pair of languages needs " << FewestItemsForFullFit
            << " training items after the outlier filter for parameters of its own.\n";
        return 1;
    }
    if (!(pair ? report->BetterForPair() : report->Better())) {
        err << "Not applied: they do not predict the later answers better than the current parameters.\n";
        return 1;
    }
    history.SetLearnerParameters(report->Fit.W,
        std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch())
            .count(),
        pair);
    out << (pair
            ? "Applied: reviews of that pair of languages are scheduled with them from the next answer on.\n"
            : "Applied: reviews are scheduled with them from the next answer on.\n");
    return 0;
}

int CmdResetParameters(std::ostream& out, std::ostream& err)
{
    THistory history(THistory::DefaultPath());
    TellNotice(history, err);
    history.ResetLearnerParameters();
    out << "Reviews are scheduled with the published parameters from the next answer on, for every pair of "
           "languages.\n";
    return 0;
}

int CmdEvaluate(const TArguments& args, std::ostream& out, std::ostream& err)
{
    THistory history(THistory::DefaultPath());
    TellNotice(history, err);
    TWeights w = history.WithLearnerParameters({}).W;
    if (const auto text = args.Option("parameters")) {
        const auto parsed = ParseWeights(*text);
        if (!parsed)
            throw TUsageError("--parameters must be 21 numbers separated by commas.");
        w = *parsed;
    }
    const auto items = TrainingItems(history.OptimizerAnswers());
    const auto e = Evaluate(items, ClipWeights(w));
    if (!e) {
        out << "Too few answers to evaluate.\n";
        return 0;
    }
    out << "Items: " << items.size() << ", " << Figures(*e) << '\n';
    return 0;
}

} // namespace

int CmdHistory(const TArguments& args, std::ostream& out, std::ostream& err)
{
    constexpr const char* Usage
        = "history export OUT.csv | history import IN.csv [--retention R] | history "
          "optimize [--apply] [--pair LANG-LANG] | history evaluate [--parameters "
          "\"w0,...,w20\"] | history reset-parameters | history sync FOLDER [--retention R]";
    if (args.Count() == 1 && args[0] == "optimize")
        return CmdOptimize(args, out, err);
    if (args.Count() == 1 && args[0] == "reset-parameters")
        return CmdResetParameters(out, err);
    if (args.Count() == 1 && args[0] == "evaluate")
        return CmdEvaluate(args, out, err);
    args.ExpectPositional(2, Usage);
    if (args[0] == "export") {
        // Refused before the history is opened, which would create it.
        RefuseSpecialTarget(args[1]);
        THistory history(THistory::DefaultPath());
        TellNotice(history, err);
        std::ostringstream csv;
        const std::int64_t answers = history.ExportCsv(csv);
        // Written whole or not at all: a half-written file would merge as a shorter history.
        SafeWriteFile(args[1], csv.str());
        out << "Exported " << answers << " answers.\n";
        return 0;
    }
    if (args[0] == "import") {
        const TSchedulerParameters p = SchedulerOptions(args);
        std::istringstream csv(ReadWholeFile(args[1], TReadFrom::FileOrPipe));
        THistory history(THistory::DefaultPath());
        TellNotice(history, err);
        // Its faults are named by the file as the user gave it.
        out << history.ImportCsv(csv, p, args[1]) << " answers imported.\n";
        return 0;
    }
    if (args[0] == "sync") {
        const TSchedulerParameters p = SchedulerOptions(args);
        THistory history(THistory::DefaultPath());
        TellNotice(history, err);
        const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch())
                                     .count();
        const TShareResult shared = history.ShareThrough(args[1], p, now);
        for (const TSaying& problem : shared.Problems)
            err << problem.Text() << '\n';
        out << "Wrote " << shared.Written << " answers, merged " << shared.Merged << " answers.\n";
        return 0;
    }
    throw TUsageError(std::string("Usage: velmoria-cli ") + Usage);
}
