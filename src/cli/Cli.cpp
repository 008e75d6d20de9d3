#include "cli/Cli.h"

#include "cli/CliSupport.h"
#include "cli/Drill.h"
#include "cli/ReminderCommands.h"
#include "cli/ReviewCommands.h"
#include "cli/SayCommand.h"
#include "core/ListLock.h"
#include "core/SafeSave.h"
#include "core/SaveTarget.h"
#include "core/SortKeys.h"
#include "core/SortingMarker.h"
#include "core/VocabFile.h"
#include "deck/DeckImport.h"
#include "evaluation/AnswerMatch.h"
#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"
#include "exchange/Export.h"
#include "exchange/ImportRules.h"
#include "exchange/Kvtml.h"
#include "exchange/TextImport.h"
#include "review/History.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sys/stat.h>
#include <unicode/ustring.h>
#include <vector>

namespace {

constexpr const char* HelpText = R"HELP(Usage: velmoria-cli COMMAND ARGUMENTS

Texts on the command line and in the output are UTF-8. LANG is a hexadecimal language
identifier such as 0x0407 or an English language name such as "German (Standard)".
Item indexes count from 0. "--" ends the options: every argument after it is a file or text.

Commands that change a list lock it while they work; when another process holds the lock they
wait for it up to SECONDS (--wait, default 10) and then fail naming that process.

Commands:
  new FILE --foreign LANG --native LANG [--description T] [--author T] [--comments T]
      Create an empty list (an existing file is never overwritten).
  info FILE
      Show the languages, counts and properties of a list.
  list FILE
      One line per item, tab-separated: index, word/phrase, part of speech, notes,
      translations, sorting position, penalty points, last attempt.
  add FILE WORD TRANSLATIONS [--category T] [--notes T] [--wait SECONDS]
      Append an item; an "@" in WORD marks where sorting starts ("der @Hund").
  reset FILE [--wait SECONDS]
      Reset the test data (penalty points, learnt state, statistics) and save.
  sort FILE [--field 0..3] [--wait SECONDS]
      Sort by word/phrase (0), part of speech (1), notes (2) or translations (3) and save.
  shuffle FILE [--wait SECONDS]
      Put the list in random order and save.
  find FILE TEXT [--field 0..3] [--mode any|start|end|whole] [--match-case]
                 [--match-accents] [--whole-word]
      Print the index of every matching item.
  match EXPECTED RESPONSE [--lang LANG] [--flags N] [--delimiters CHARS]
      Judge a response as a test would: prints "accepted" or "refused". An "@" in
      EXPECTED is the sorting marker, as in add, and is not part of the answer.
      CHARS are five characters: two synonym delimiters, the opening and closing
      bracket and the alternative delimiter (default ";,()/").
  detect SOURCE
      Print the proposed format of a text file, judged on the whole file: text-comma,
      text-tab, text-semicolon, unicode-comma, unicode-tab, unicode-semicolon,
      utf8-comma, utf8-tab or utf8-semicolon.
  import FILE SOURCE [--format NAME] [--columns LIST] [--start-line N] [--wait SECONDS]
      Add the items of another list (.vmr) or of a delimited text file and save.
      SOURCE may be a pipe such as /dev/stdin.
      LIST names the columns in order, from word, category, notes, translations.
      Without it the columns follow the widths of the lines (word; word,translations;
      word,translations,notes; or all four) and the choice is printed. Without --format
      the format is detected; an 8-bit format (text-...) is refused for UTF-8 text, and
      files that are not text (NUL characters, archives, XML) are refused.
  import FILE DECK.apkg [--no-notes] [--tags] [--no-review-log] [--retention R] [--wait SECONDS]
      Add the notes of a deck package (.apkg, .colpkg) and save: the first field is the
      word, the second the translations, the others notes (not with --no-notes), the tags
      the part of speech with --tags. Its fields and counts are printed first. The review
      log of the cards goes into the review history (not with --no-review-log).
  import FILE SOURCE.kvtml [--languages A,B] [--grades none|answers] [--retention R]
                           [--wait SECONDS]
      Add the entries of a KVTML 2 file (by its extension or its root element kvtml):
      language A becomes the word/phrase, B the translations, each named by the id of
      the file's identifier or by its locale (such as 0,1 or de,en). Without it the
      languages whose locales are the list's are read, else the first two, and the
      choice is printed. Comments become notes, word types the part of speech.
      --grades answers: each practised grade becomes the card's answer at its date
      (right when its grade is above 0) in the review history, merged as history
      import merges (default none).
  export FILE TARGET --format NAME [--directions word,translations] [--review-log] [--wait SECONDS]
      Write the list as NAME: one of the nine text formats, vmr, rtf, html, kvtml (KVTML 2:
      the word/phrase as identifier 0, the translations as 1) or apkg (a deck package: one
      card per direction asked, the word by default; --review-log adds the answers and
      schedules of those cards from the review history).
  test FILE [--into native|foreign] [--multiple-choice] [--choices N] [--penalty N]
            [--disallow-hints] [--test-notes] [--native-flags HEX] [--foreign-flags HEX]
            [--english-flags HEX] [--native-accents] [--foreign-accents] [--native-typos]
            [--foreign-typos] [--seed N]
            [--speak] [--wait SECONDS] [--due [--new-per-day N] [--retention R] [--today YYYY-MM-DD]]
      Ask the items one per line until all are learnt, then save the progress.
      --due: review the words due today instead; the answers go to the review history
      at once and the list is not saved.
      --native-accents, --foreign-accents: accept answers that differ only in accents.
      --native-typos, --foreign-typos: count a single wrong letter as a typo (right).
      --speak: read each question aloud in its language as it is asked.
      Answer lines: the answer (the number in multiple choice), ":hint TEXT", ":stop";
      in a review ":1" to ":4" rate the answer before (Again, Hard, Good, Easy).
      Ctrl+C stops the test as ":stop" does.
  say TEXT --lang LANG
      Read TEXT aloud with a voice of the language, through the speech service
      (speech-dispatcher); returns once it has been read. The sorting marker and
      signs such as brackets are not read; delimiters become pauses.
  due FILE [--into native|foreign] [--today YYYY-MM-DD] [--new-per-day N] [--list]
      Print "due N", "new N" and "next YYYY-MM-DD" (or "next none") for reviews in that
      direction (default native). --today pins the calendar date; N new cards a day
      (default 20). --list: one line per item, tab-separated: index, due date or "new",
      stability and difficulty (empty for a new card).
  due --all [--into native|foreign] [--today YYYY-MM-DD] [--new-per-day N]
      The lists the window opened lately, one line each, tab-separated: words due, new
      words, foreign and native language, file. Without the options, counted as the window
      counts (in its direction, with its new words per day). A list that cannot be read is
      named on standard error and left out.
  remind [--once-a-day]
      Show a desktop notification for each of those lists with words due, whose Review
      action opens the list's review in the window; nothing when no word is due. Waits
      until the notifications are closed. --once-a-day: not again on the same day.
  reminder on [--at HH:MM] | reminder off
      Install the daily reminder (remind at HH:MM, default the window's time, with a
      systemd user timer; without a systemd user manager at each login, once a day, with
      an autostart entry), or remove it.
  history export OUT.csv
      Write every answer of the review history as CSV, the FSRS optimizer's columns first:
      card_id, review_time (ms since the epoch), review_rating (1-4), review_state (0-3),
      review_duration (ms); then the card's languages, direction, word and translations.
  history import IN.csv [--retention R]
      Merge such a file (from another machine): answers already present are skipped and the
      cards they touch are rebuilt by replaying their answers at a desired retention of R
      (0.70 to 0.97, default 0.90).
  history optimize [--apply] [--pair FOREIGN-NATIVE]
      Fit the scheduler's 21 parameters to the history (or to the answers of one pair of
      languages) and print them with the log-loss and RMSE(bins) before and after, on all
      answers and on later answers held out. --apply keeps them for the next answers, if
      they predict the held-out answers better than the current ones; with --pair for that
      pair's answers alone, if it has 64 training items (after the outlier filter).
  history reset-parameters
      Schedule with the published parameters again, for every pair of languages too.
  history evaluate [--parameters "w0,...,w20"]
      Print the log-loss and RMSE(bins) of the current parameters (or of the given ones)
      on the history.
  history sync FOLDER [--retention R]
      Share the history through FOLDER, which a sync tool keeps in step between machines:
      append this machine's answers not yet there (all of them the first time) and the
      ratings changed since to its own journals in FOLDER (one gone from it is written again
      whole), then merge the answers and rating changes of the other machines' journals (and
      of the sync tool's conflict copies) that are not yet in the history, replaying the cards
      they touch as import does. A journal cut short is read up to its last complete line; a
      foreign or damaged file is left out and named on standard error once.
      The history is kept in the user's data folder under $XDG_DATA_HOME (default
      ~/.local/share); due and history never change a list.

Exit status: 0 success, 1 failure or nothing found, 2 bad usage.
)HELP";

int CmdNew(const TArguments& args, std::ostream& out, std::ostream& /*err*/)
{
    args.ExpectPositional(
        1, "new FILE --foreign LANG --native LANG [--description T] [--author T] [--comments T]");
    const auto foreign = args.Option("foreign");
    const auto native = args.Option("native");
    if (!foreign || !native)
        throw TUsageError("Both --foreign and --native are needed.");
    if (FileExists(args[0]))
        throw TCommandError("The file \"" + args[0] + "\" already exists; it is left as it is.");
    TVocabFile document;
    document.SetForeignLangID(ParseLanguage(*foreign));
    document.SetNativeLangID(ParseLanguage(*native));
    const std::pair<const char*, int> properties[]
        = { { "description", piDescription }, { "author", piAuthor }, { "comments", piComments } };
    for (const auto& [name, index] : properties)
        if (const auto value = args.Option(name))
            document.SetProperties(
                index, ToCodePage(*value, document.NativeLangID(), ("--" + std::string(name)).c_str()));
    document.SaveToFile(args[0]);
    out << "Created " << args[0] << ".\n";
    return 0;
}

int CmdInfo(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(1, "info FILE");
    TVocabFile document;
    Load(document, args[0], err);
    const auto language = [](LangId id) {
        const auto& entry = FindLanguage(id);
        std::string text = HexId(id);
        if (!entry.Name.empty())
            text.append(" ").append(entry.Name);
        return text;
    };
    const LangId native = document.NativeLangID();
    out << "foreign: " << language(document.ForeignLangID()) << '\n'
        << "native: " << language(native) << '\n'
        << "items: " << document.Count() << '\n'
        << "learnt: " << document.LearntCount() << '\n'
        << "attempts: " << document.Attempts() << '\n'
        << "successes: " << document.Successes() << '\n'
        << "description: " << ToUtf8(document.Properties(piDescription), native) << '\n'
        << "author: " << ToUtf8(document.Properties(piAuthor), native) << '\n'
        << "comments: " << ToUtf8(document.Properties(piComments), native) << '\n';
    return 0;
}

int CmdList(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(1, "list FILE");
    TVocabFile document;
    Load(document, args[0], err);
    std::string line;
    for (std::int32_t i = 0; i < document.Count(); ++i) {
        const TVocabItem& item = document.Items(i);
        line = std::to_string(i);
        for (int f = 0; f < FieldCount; ++f) {
            line += '\t';
            line += ToUtf8(item.FieldValue(f), FieldLanguage(document, f));
        }
        line += '\t' + std::to_string(item.SortingPosition) + '\t' + std::to_string(item.PenaltyPoints) + '\t'
            + std::to_string(item.LastAttempt) + '\n';
        out << line;
    }
    return 0;
}

int CmdAdd(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(3, "add FILE WORD TRANSLATIONS [--category T] [--notes T] [--wait SECONDS]");
    const TListLock lock = LockList(args);
    TVocabFile document;
    Load(document, args[0], err);
    std::string foreign = CollapseSpaces(ToCodePage(args[1], document.ForeignLangID(), "WORD"));
    const std::int32_t position = TakeSortingMarker(foreign);
    const LangId native = document.NativeLangID();
    const std::string category
        = CollapseSpaces(ToCodePage(args.Option("category").value_or(""), native, "--category"));
    const std::string notes
        = CollapseSpaces(ToCodePage(args.Option("notes").value_or(""), native, "--notes"));
    const std::string translations = CollapseSpaces(ToCodePage(args[2], native, "TRANSLATIONS"));
    if (foreign.empty())
        throw TCommandError("Enter a word or phrase.");
    if (translations.empty())
        throw TCommandError("Enter a translation.");
    for (const std::string* text :
        std::array<const std::string*, 4> { &foreign, &category, &notes, &translations })
        if (text->size() > MaxTextLength)
            throw TCommandError("A text longer than 65535 bytes cannot be stored.");
    TVocabItem& item = document.NewItem();
    item.SetFieldValues(foreign, category, notes, translations);
    item.SortingPosition = position;
    document.SetCurrentIndex(-1);
    document.Add(ukAdd);
    document.SaveToFile(args[0]);
    out << "Added item " << document.Count() - 1 << ".\n";
    return 0;
}

int CmdReset(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(1, "reset FILE [--wait SECONDS]");
    const TListLock lock = LockList(args);
    TVocabFile document;
    Load(document, args[0], err);
    document.ResetTestData();
    document.SaveToFile(args[0]);
    out << "Test data reset.\n";
    return 0;
}

int CmdSort(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(1, "sort FILE [--field 0..3] [--wait SECONDS]");
    const int field = ParseInteger(args.Option("field").value_or("0"), "--field", 0, 3);
    const TListLock lock = LockList(args);
    TVocabFile document;
    Load(document, args[0], err);
    SortByField(document, field);
    document.SaveToFile(args[0]);
    out << "Sorted " << document.Count() << " items.\n";
    return 0;
}

int CmdShuffle(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(1, "shuffle FILE [--wait SECONDS]");
    const TListLock lock = LockList(args);
    TVocabFile document;
    Load(document, args[0], err);
    document.Shuffle();
    document.SaveToFile(args[0]);
    out << "Shuffled " << document.Count() << " items.\n";
    return 0;
}

int CmdFind(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(2,
        "find FILE TEXT [--field 0..3] [--mode any|start|end|whole] [--match-case] "
        "[--match-accents] [--whole-word]");
    TSearchParams params;
    params.Field
        = static_cast<std::uint8_t>(ParseInteger(args.Option("field").value_or("0"), "--field", 0, 3));
    const std::map<std::string, TSearchMode> modes
        = { { "any", smAnyPart }, { "start", smStart }, { "end", smEnd }, { "whole", smWhole } };
    const auto mode = modes.find(args.Option("mode").value_or("any"));
    if (mode == modes.end())
        throw TUsageError("--mode must be any, start, end or whole.");
    params.Mode = mode->second;
    params.Options = static_cast<std::uint8_t>((args.Switch("match-case") ? MatchCase : 0)
        | (args.Switch("match-accents") ? MatchAccents : 0) | (args.Switch("whole-word") ? MatchWord : 0));
    TVocabFile document;
    Load(document, args[0], err);
    params.Text = ToCodePage(args[1], FieldLanguage(document, params.Field), "TEXT");
    // Walk the matches as Find Next meets them from no current item, until the search wraps.
    std::int32_t last = -1;
    int found = 0;
    for (;;) {
        const std::int32_t index = document.FindNext(params);
        if (index <= last)
            break;
        out << index << '\n';
        ++found;
        last = index;
        document.SetCurrentIndex(index);
    }
    return found > 0 ? 0 : 1;
}

int CmdMatch(const TArguments& args, std::ostream& out, std::ostream& /*err*/)
{
    args.ExpectPositional(2, "match EXPECTED RESPONSE [--lang LANG] [--flags N] [--delimiters CHARS]");
    const LangId lang = ParseLanguage(args.Option("lang").value_or("0x0409"));
    auto flags
        = static_cast<EvaluationFlags>(ParseInteger(args.Option("flags").value_or("0"), "--flags", 0, 0x1FF));
    if (!IsEnglish(lang))
        flags = static_cast<EvaluationFlags>(flags & ~EnglishEvaluationMask);
    const std::string chars = args.Option("delimiters").value_or(";,()/");
    if (chars.size() != 5)
        throw TUsageError("--delimiters must be five characters.");
    EvaluationDelimiters delimiters;
    delimiters.Syn1 = chars[0];
    delimiters.Syn2 = chars[1];
    delimiters.BracketOpen = chars[2];
    delimiters.BracketClose = chars[3];
    delimiters.Alt = chars[4];
    // A test asks the word as add stores it: without its sorting marker.
    std::string expected = ToCodePage(args[0], lang, "EXPECTED");
    ExtractSortingMarker(expected);
    const bool accepted
        = MatchAnswer(expected, ToCodePage(args[1], lang, "RESPONSE"), lang, flags, delimiters);
    out << (accepted ? "accepted" : "refused") << '\n';
    return accepted ? 0 : 1;
}

int CmdDetect(const TArguments& args, std::ostream& out, std::ostream& /*err*/)
{
    args.ExpectPositional(1, "detect SOURCE");
    // Detection never fails by itself; a missing file is still worth an error here.
    RequireReadable(args[0]);
    out << TextFormatName(DetectTextFormatBytes(ReadWholeFile(args[0], TReadFrom::FileOrPipe))) << '\n';
    return 0;
}

bool EndsWithVmr(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".vmr";
}

TFieldColumns ParseColumns(const std::string& list)
{
    TFieldColumns columns {};
    std::int32_t column = 0;
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        ++column;
        const auto field = std::find(ColumnNames.begin(), ColumnNames.end(), name);
        if (field == ColumnNames.end())
            throw TUsageError("--columns names word, category, notes or translations, not \"" + name + "\".");
        auto& taken = columns[static_cast<std::size_t>(field - ColumnNames.begin())];
        if (taken != 0)
            throw TUsageError("--columns names \"" + name + "\" twice.");
        taken = column;
        start = comma + 1;
    }
    return columns;
}

int ImportDeck(const TArguments& args, const std::string& bytes, std::ostream& out, std::ostream& err)
{
    for (const char* textOption : { "format", "columns", "start-line" })
        if (args.Option(textOption))
            throw TUsageError(std::string("--") + textOption + " is for text files, not deck packages.");
    TDeckImportOptions options;
    options.OtherFieldsToNotes = !args.Switch("no-notes");
    options.TagsAsCategory = args.Switch("tags");
    options.ReviewLog = !args.Switch("no-review-log");
    const TSchedulerParameters p = SchedulerOptions(args);
    // Read and checked whole before the list or the history is touched.
    const TDeckCollection deck = ReadDeckPackage(bytes);
    err << DeckPreviewSaying(PreviewDeck(deck, 0)).Text() << '\n';
    const TListLock lock = LockList(args);
    TVocabFile document;
    Load(document, args[0], err);
    TDeckImport import = MapDeck(deck, document.ForeignLangID(), document.NativeLangID(), options);
    if (import.Result.Added == 0)
        throw TCommandError("Nothing to import.");
    std::optional<THistory> history;
    if (!import.Answers.empty()) {
        history.emplace(THistory::DefaultPath());
        TellNotice(*history, err);
    }
    // The answers first: an import run again after a failure adds no answer twice, but would add
    // the items twice.
    const TDeckImportResult result = ApplyDeckImport(import, document, history ? &*history : nullptr, p);
    document.SaveToFile(args[0]);
    out << DeckImportedMessage(result).Text() << '\n';
    return 0;
}

// The import of a KVTML file, read whole and checked before the list is locked.
int ImportKvtmlFile(const TArguments& args, const std::string& bytes, std::ostream& out, std::ostream& err)
{
    for (const char* textOnly : { "format", "columns", "start-line" }) {
        if (args.Option(textOnly))
            throw TUsageError("--" + std::string(textOnly) + " is for delimited text, not for a KVTML file.");
    }
    const std::string grades = args.Option("grades").value_or("none");
    if (grades != "none" && grades != "answers")
        throw TUsageError("--grades must be none or answers.");
    const TSchedulerParameters p = SchedulerOptions(args);
    const TKvtmlFile file = ReadKvtml(bytes);
    std::optional<TKvtmlChoice> choice;
    if (const auto languages = args.Option("languages")) {
        try {
            choice = ParseKvtmlLanguages(*languages, file);
        } catch (const std::invalid_argument& e) {
            throw TUsageError(e.what());
        }
    }
    const TListLock lock = LockList(args);
    TVocabFile document;
    Load(document, args[0], err);
    if (!choice)
        choice = ProposedKvtmlChoice(file, document.ForeignLangID(), document.NativeLangID());
    if (!choice)
        throw TCommandError(NothingImported(TooFewLanguagesMessage).Text());
    choice->Grades = grades == "answers";
    const std::int32_t before = document.Count();
    const TKvtmlImport import = ImportKvtml(document, file, *choice);
    if (import.Result.Added == 0)
        throw TCommandError("Nothing to import.");
    if (!args.Option("languages")) {
        const TKvtmlIdentifier& word = file.Identifiers[choice->Word];
        const TKvtmlIdentifier& translations = file.Identifiers[choice->Translations];
        err << "Languages read: --languages " << word.Id << ',' << translations.Id << " (" << word.Locale
            << ", " << translations.Locale << ").\n";
    }
    if (const std::string notes = KvtmlNotes(import).Text(); !notes.empty())
        err << notes << '\n';
    // The history first: a list that then fails to save is imported again whole, and the history
    // skips the answers it holds.
    if (!import.Answers.empty()) {
        std::vector<THistoryAnswer> answers;
        answers.reserve(import.Answers.size());
        for (const TKvtmlAnswer& answer : import.Answers) {
            THistoryAnswer& made = answers.emplace_back();
            made.Key = CardKeyOf(
                document, document.Items(before + static_cast<std::int32_t>(answer.Item)), answer.Direction);
            made.Correct = answer.Correct;
            made.UnixMs = answer.UnixMs;
        }
        THistory history(THistory::DefaultPath());
        TellNotice(history, err);
        int outOfRange = 0;
        const int added = history.ImportAnswers(answers, p, outOfRange);
        err << KvtmlAnswersMessage(added, outOfRange).Text() << '\n';
    }
    document.SaveToFile(args[0]);
    out << import.Result.Added << " items imported successfully.\n";
    return 0;
}

int CmdImport(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(
        2, "import FILE SOURCE [--format NAME] [--columns LIST] [--start-line N] [--wait SECONDS]");
    const bool merge = EndsWithVmr(args[1]);
    if (!merge && (IsDeckPackageName(args[1]) || args.Switch("tags") || args.Switch("no-notes")))
        return ImportDeck(args, ReadWholeFile(args[1], TReadFrom::FileOrPipe), out, err);
    TFieldColumns columns {};
    int startLine = 1;
    std::optional<TTextFormat> format;
    std::string bytes;
    if (!merge) {
        const auto chosenColumns = args.Option("columns");
        if (chosenColumns)
            columns = ParseColumns(*chosenColumns);
        startLine = ParseInteger(args.Option("start-line").value_or("1"), "--start-line", 1, 32767);
        if (const auto name = args.Option("format")) {
            format = TextFormatFromName(*name);
            if (!format)
                throw TUsageError("Unknown text format \"" + *name + "\".");
        }
        // Read once, before the list is locked: a pipe has nothing left after a detection read it,
        // and a slow one must not hold the list.
        bytes = ReadWholeFile(args[1], TReadFrom::FileOrPipe);
        if (LooksLikeKvtml(bytes, args[1]))
            return ImportKvtmlFile(args, bytes, out, err);
        if (!format)
            format = DetectTextFormatBytes(bytes);
        // The list is saved at once, with no undo: garbled characters or junk would stay.
        if (const auto reason = NotTextReason(bytes, *format))
            throw TCommandError(NothingImported(*reason).Text());
        if (const auto offered = Utf8Instead(*format, bytes, false))
            throw TCommandError(Utf8Refusal(*format, *offered));
        if (!chosenColumns)
            columns = ProposedColumns(bytes, *format);
    }
    for (const char* kvtmlOnly : { "languages", "grades" }) {
        if (args.Option(kvtmlOnly))
            throw TUsageError("--" + std::string(kvtmlOnly) + " is for KVTML files.");
    }
    if (args.Option("retention"))
        throw TUsageError(
            "--retention is for deck packages and KVTML files, whose answers go into the history.");
    const TListLock lock = LockList(args);
    TVocabFile document;
    Load(document, args[0], err);
    std::int32_t added = 0;
    if (merge) {
        added = document.MergeFile(args[1]);
    } else {
        const TImportResult result = ImportTextBytes(document, bytes, *format, columns, startLine);
        added = result.Added;
        if (added > 0 && !args.Option("columns"))
            err << "Columns read: --columns " << ColumnsText(columns) << " (from the widths of the lines).\n";
        if (const std::string notes = ImportNotes(result).Text(); !notes.empty() && added > 0)
            err << notes << '\n';
    }
    if (added == 0)
        throw TCommandError("Nothing to import.");
    document.SaveToFile(args[0]);
    out << added << " items imported successfully.\n";
    return 0;
}

void ExportDeck(const TArguments& args, const TVocabFile& document)
{
    TDeckExportOptions options;
    options.WordAsked = options.TranslationsAsked = false;
    const std::string directions = args.Option("directions").value_or("word");
    for (std::size_t start = 0; start <= directions.size();) {
        const std::size_t comma = std::min(directions.find(',', start), directions.size());
        const std::string direction = directions.substr(start, comma - start);
        if (direction != "word" && direction != "translations")
            throw TUsageError("--directions names word, translations or both, not \"" + direction + "\".");
        (direction == "word" ? options.WordAsked : options.TranslationsAsked) = true;
        start = comma + 1;
    }
    options.ReviewLog = args.Switch("review-log");
    std::optional<THistory> history;
    if (options.ReviewLog)
        history.emplace(THistory::DefaultPath());
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    SafeWriteFile(args[1], ExportDeckBytes(document, options, history ? &*history : nullptr, now.count()));
}

int CmdExport(const TArguments& args, std::ostream& out, std::ostream& err)
{
    args.ExpectPositional(2,
        "export FILE TARGET --format NAME [--directions word,translations] [--review-log] [--wait SECONDS]");
    const auto name = args.Option("format");
    if (!name)
        throw TUsageError("--format is needed: one of the nine text formats, vmr, rtf, html, kvtml or apkg.");
    if (*name != "apkg" && (args.Option("directions") || args.Switch("review-log")))
        throw TUsageError("--directions and --review-log belong to --format apkg.");
    // Only a list written over itself needs the lock; any other target leaves the list alone.
    const TListLock lock = IsSameFile(args[0], args[1]) ? LockList(args) : TListLock();
    TVocabFile document;
    Load(document, args[0], err);
    if (*name != "vmr" && IsSameFile(args[0], args[1]))
        throw TCommandError(
            "The target \"" + args[1] + "\" is the list's own file; an export would replace the list.");
    if (*name == "vmr")
        SafeWriteFile(args[1], document.SaveToBytes());
    else if (*name == "rtf")
        ExportRtf(document, args[1]);
    else if (*name == "html")
        ExportHtml(document, args[1]);
    else if (*name == "apkg")
        ExportDeck(args, document);
    else if (*name == "kvtml")
        ExportKvtml(document, args[1]);
    else if (const auto format = TextFormatFromName(*name))
        ExportText(document, args[1], *format);
    else
        throw TUsageError("Unknown format \"" + *name + "\".");
    out << "Exported " << document.Count() << " items.\n";
    return 0;
}

// Each command with the options that take a value and the switches it knows.
struct TCommand {
    const char* Name;
    std::set<std::string> ValueOptions;
    std::set<std::string> Switches;
    int (*Run)(const TArguments& args, std::ostream& out, std::ostream& err); // null: the drill reads its own
};

const TCommand Commands[] = {
    { "new", { "foreign", "native", "description", "author", "comments" }, {}, CmdNew },
    { "info", {}, {}, CmdInfo },
    { "list", {}, {}, CmdList },
    { "add", { "category", "notes", "wait" }, {}, CmdAdd },
    { "reset", { "wait" }, {}, CmdReset },
    { "sort", { "field", "wait" }, {}, CmdSort },
    { "shuffle", { "wait" }, {}, CmdShuffle },
    { "find", { "field", "mode" }, { "match-case", "match-accents", "whole-word" }, CmdFind },
    { "match", { "lang", "flags", "delimiters" }, {}, CmdMatch },
    { "detect", {}, {}, CmdDetect },
    { "import", { "format", "columns", "start-line", "wait", "languages", "grades", "retention" },
        { "no-notes", "tags", "no-review-log" }, CmdImport },
    { "test", {}, {}, nullptr },
    { "export", { "format", "wait", "directions" }, { "review-log" }, CmdExport },
    { "say", { "lang" }, {}, CmdSay },
    { "due", { "into", "today", "new-per-day" }, { "list", "all" }, CmdDue },
    { "remind", {}, { "once-a-day" }, CmdRemind },
    { "reminder", { "at" }, {}, CmdReminder },
    { "history", { "retention", "pair", "parameters" }, { "apply" }, CmdHistory },
};

} // namespace

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << HelpText;
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        for (const TCommand& entry : Commands)
            if (command == entry.Name) {
                if (!entry.Run)
                    return RunDrillCommand(args, out, err);
                return entry.Run(TArguments(args, entry.ValueOptions, entry.Switches), out, err);
            }
        throw TUsageError("Unknown command \"" + command + "\". Try velmoria-cli --help.");
    } catch (const TUsageError& e) {
        err << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
}
