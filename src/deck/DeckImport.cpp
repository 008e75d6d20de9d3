#include "deck/DeckImport.h"

#include "core/Errors.h"
#include "evaluation/TextUtils.h"
#include "exchange/ExchangeText.h"
#include "exchange/Export.h"

#include <algorithm>
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr char Break = '\n';
constexpr std::string_view MissingTranslation = "#Value?#";

bool IsBlock(std::string_view name)
{
    static constexpr std::string_view Blocks[]
        = { "div", "p", "li", "tr", "ul", "ol", "table", "h1", "h2", "h3", "h4", "h5", "h6", "blockquote" };
    return std::find(std::begin(Blocks), std::end(Blocks), name) != std::end(Blocks);
}

// The text of a field as libxml2's HTML parser hands it on (its events, no tree: a tree costs
// several times more for a field of a few words).
struct TFieldReader {
    std::string Text;
    std::int32_t Dropped = 0;
    int Hidden = 0; // inside a script or style element

    static TFieldReader& Of(void* context)
    {
        return *static_cast<TFieldReader*>(static_cast<htmlParserCtxtPtr>(context)->_private);
    }
    static std::string_view Name(const xmlChar* name)
    {
        return name ? reinterpret_cast<const char*>(name) : "";
    }
    static void Start(void* context, const xmlChar* tag, const xmlChar**)
    {
        TFieldReader& reader = Of(context);
        const std::string_view name = Name(tag);
        if (name == "script" || name == "style")
            ++reader.Hidden;
        else if (name == "img" || name == "audio" || name == "video" || name == "object")
            ++reader.Dropped;
        else if (name == "br" || IsBlock(name))
            reader.Text += Break;
    }
    static void End(void* context, const xmlChar* tag)
    {
        TFieldReader& reader = Of(context);
        const std::string_view name = Name(tag);
        if (name == "script" || name == "style")
            reader.Hidden = std::max(reader.Hidden - 1, 0);
        else if (IsBlock(name))
            reader.Text += Break;
    }
    static void Characters(void* context, const xmlChar* text, int length)
    {
        TFieldReader& reader = Of(context);
        if (reader.Hidden == 0)
            reader.Text.append(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
    }
};

// Sound references are the format's own markup, not HTML: "[sound:name.mp3]".
// libxml2 is set up once, before any thread parses.
struct TParserSetUp {
    TParserSetUp() { xmlInitParser(); }
};

void DropSounds(std::string& text, std::int32_t& dropped)
{
    for (std::size_t at; (at = text.find("[sound:")) != std::string::npos;) {
        const std::size_t end = text.find(']', at);
        if (end == std::string::npos)
            return;
        text.erase(at, end + 1 - at);
        ++dropped;
    }
}

// Each line's runs of spaces made one, the lines that hold text joined with "; ".
std::string JoinLines(std::string_view text)
{
    std::string out, line;
    const auto flush = [&] {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (!line.empty())
            (out.empty() ? out : out += "; ") += line;
        line.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool nbsp = text.compare(i, 2, "\xC2\xA0") == 0;
        if (c == Break) {
            flush();
        } else if (c == ' ' || c == '\t' || c == '\r' || nbsp) {
            i += nbsp ? 1 : 0;
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    flush();
    return out;
}

std::string ToCodePage(const std::string& text, int codePage, std::int32_t& lost)
{
    bool lostHere = false;
    std::string out = IsAscii(text) ? text : Utf8ToAnsi(text, codePage, &lostHere);
    lost += lostHere ? 1 : 0;
    return out;
}

} // namespace

std::string DeckFieldText(std::string_view html, std::int32_t& droppedMedia)
{
    std::string text;
    if (html.find_first_of("<&") == std::string_view::npos) {
        text = html;
    } else {
        static const TParserSetUp setUp;
        htmlSAXHandler events {};
        events.startElement = TFieldReader::Start;
        events.endElement = TFieldReader::End;
        events.characters = TFieldReader::Characters;
        events.cdataBlock = TFieldReader::Characters;
        events.ignorableWhitespace = TFieldReader::Characters;
        TFieldReader reader;
        const std::unique_ptr<htmlParserCtxt, decltype(&htmlFreeParserCtxt)> parser(
            htmlCreatePushParserCtxt(&events, nullptr, nullptr, 0, nullptr, XML_CHAR_ENCODING_UTF8),
            htmlFreeParserCtxt);
        if (!parser)
            throw std::bad_alloc();
        parser->_private = &reader;
        htmlCtxtUseOptions(
            parser.get(), HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
        htmlParseChunk(
            parser.get(), html.data(), static_cast<int>(std::min<std::size_t>(html.size(), INT32_MAX)), 1);
        text = std::move(reader.Text);
        droppedMedia += reader.Dropped;
    }
    DropSounds(text, droppedMedia);
    return JoinLines(text);
}

TDeckImport MapDeck(
    const TDeckCollection& deck, LangId foreign, LangId native, const TDeckImportOptions& options)
{
    TDeckImport import;
    TDeckImportResult& result = import.Result;
    TVocabFile& items = *import.Items;
    items.SetForeignLangID(foreign);
    items.SetNativeLangID(native);
    const int foreignPage = LanguageCodePage(foreign), nativePage = LanguageCodePage(native);
    std::unordered_map<std::int64_t, std::size_t> itemOfNote;
    TItemArena arena;
    for (const TDeckNote& note : deck.Notes) {
        const auto field = [&](std::size_t i) {
            return i < note.Fields.size() ? DeckFieldText(note.Fields[i], result.DroppedMedia)
                                          : std::string();
        };
        const std::string word = field(0);
        if (word.empty()) {
            ++result.Skipped;
            continue;
        }
        std::string translations = field(1), notes, category;
        if (options.OtherFieldsToNotes) {
            for (std::size_t i = 2; i < note.Fields.size(); ++i)
                if (const std::string more = field(i); !more.empty())
                    (notes.empty() ? notes : notes += "; ") += more;
        }
        if (options.TagsAsCategory)
            category = JoinLines(std::string_view(note.Tags));
        std::replace(category.begin(), category.end(), ';', ',');
        std::int32_t lost = 0;
        std::array<std::string, FieldCount> values { ToCodePage(word, foreignPage, lost),
            ToCodePage(category, nativePage, lost), ToCodePage(notes, nativePage, lost),
            ToCodePage(translations, nativePage, lost) };
        if (values[fiNative].empty()) {
            values[fiNative] = MissingTranslation;
            ++result.NoTranslation;
        }
        for (const std::string& value : values)
            if (value.size() > MaxTextLength)
                throw EVocabFileError(
                    TSaying(VM_TRANSLATE_NOOP("Velmoria::Model",
                                "Note %1 of the deck package: a field is longer than %2 bytes."),
                        { TSaying::Number(static_cast<double>(itemOfNote.size() + result.Skipped + 1)),
                            TSaying::Number(MaxTextLength) }));
        result.LostFields += lost;
        itemOfNote[note.Id] = static_cast<std::size_t>(items.Count());
        items.AppendItem(arena.Make(values[0], values[1], values[2], values[3]));
    }
    result.Added = items.Count();

    // Each card of an imported note in a direction of ours, its key made once.
    std::unordered_map<std::int64_t, std::size_t> keyOfCard;
    std::vector<TCardKey> keys;
    for (const TDeckCard& card : deck.Cards) {
        const auto item = itemOfNote.find(card.Note);
        if (item == itemOfNote.end() || card.Template < 0 || card.Template > 1)
            continue;
        keyOfCard.emplace(card.Id, keys.size());
        keys.push_back(
            CardKeyOf(items, *items.ItemList()[item->second], static_cast<std::uint8_t>(card.Template)));
    }
    if (!options.ReviewLog)
        return import;
    for (const TDeckReview& review : deck.Reviews) {
        const auto key = keyOfCard.find(review.Card);
        // As the optimizer of the schedule reads a log: manual changes and cram reviews say nothing
        // of the memory.
        if (key == keyOfCard.end() || review.Rating < 1 || review.Rating > 4 || review.Type < 0
            || review.Type > 2 || !IsImportableAnswerTime(review.TimeMs)) {
            ++result.DroppedAnswers;
            continue;
        }
        import.Answers.push_back(
            { keys[key->second], review.TimeMs, std::max(review.DurationMs, 0), review.Rating, false });
    }
    result.Answers = static_cast<std::int32_t>(import.Answers.size());
    return import;
}

TDeckPreview PreviewDeck(const TDeckCollection& deck, std::size_t rows)
{
    TDeckPreview preview;
    preview.FieldNames = deck.FieldNames;
    preview.Notes = static_cast<std::int32_t>(deck.Notes.size());
    preview.Reviews = static_cast<std::int32_t>(deck.Reviews.size());
    std::int32_t dropped {}; // not counted in the preview
    for (std::size_t i = 0; i < deck.Notes.size() && preview.First.size() < rows; ++i) {
        const auto& fields = deck.Notes[i].Fields;
        preview.First.push_back({ fields.empty() ? std::string() : DeckFieldText(fields[0], dropped),
            fields.size() < 2 ? std::string() : DeckFieldText(fields[1], dropped) });
    }
    return preview;
}

TSaying DeckPreviewSaying(const TDeckPreview& preview)
{
    std::string names;
    for (const std::string& name : preview.FieldNames)
        (names.empty() ? names : names += ", ") += name;
    return TSaying::Joined(
        { TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Fields: %1."), { names }),
            TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n notes."), "%n note.", preview.Notes),
            TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n review log entries."),
                "%n review log entry.", preview.Reviews) },
        " ");
}

TDeckImportResult ApplyDeckImport(
    TDeckImport& import, TVocabFile& document, THistory* history, const TSchedulerParameters& p)
{
    TDeckImportResult result = import.Result;
    if (history && !import.Answers.empty())
        result.AddedAnswers = history->ImportAnswers(import.Answers, p);
    result.Added = document.MergeDocument(*import.Items);
    return result;
}

TSaying DeckImportedMessage(const TDeckImportResult& result)
{
    const auto note = [](std::int32_t count, const char* many, const char* one) {
        return count > 0 ? TSaying::Counted(many, one, count) : TSaying();
    };
    return TSaying::Joined(
        { TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n items imported successfully."),
              "%n item imported successfully.", result.Added),
            TSaying::Joined(
                { note(result.LostFields,
                      VM_TRANSLATE_N_NOOP("Velmoria::Model",
                          "%n fields held characters the list's languages cannot store; they were replaced."),
                      "%n field held characters the list's languages cannot store; they were replaced."),
                    note(result.Skipped,
                        VM_TRANSLATE_N_NOOP(
                            "Velmoria::Model", "%n notes had an empty first field and were left out."),
                        "%n note had an empty first field and was left out."),
                    note(result.NoTranslation,
                        VM_TRANSLATE_N_NOOP(
                            "Velmoria::Model", "%n items had no translation and got \"#Value?#\"."),
                        "%n item had no translation and got \"#Value?#\"."),
                    note(result.DroppedMedia,
                        VM_TRANSLATE_N_NOOP(
                            "Velmoria::Model", "%n sound and image references were left out."),
                        "%n sound or image reference was left out."),
                    note(result.Answers,
                        VM_TRANSLATE_N_NOOP("Velmoria::Model",
                            "%n answers of the review log were taken into the review history."),
                        "%n answer of the review log was taken into the review history."),
                    note(result.DroppedAnswers,
                        VM_TRANSLATE_N_NOOP("Velmoria::Model",
                            "%n review log entries were left out (manual changes, cram reviews, other "
                            "cards)."),
                        "%n review log entry was left out (a manual change, a cram review, another card).") },
                "\n") },
        "\n\n");
}

namespace {

// A field of the list in its code page, as the note's HTML holds it.
std::string HtmlField(std::string_view text, int codePage)
{
    std::string out;
    AppendHtmlText(out, text, codePage);
    return out;
}

} // namespace

std::string ExportDeckBytes(
    const TVocabFile& document, const TDeckExportOptions& options, THistory* history, std::int64_t nowSeconds)
{
    TDeckCollection deck;
    const std::string& file = document.FileName();
    std::string name = file.substr(file.find_last_of('/') + 1);
    name = name.substr(0, name.find_last_of('.'));
    deck.DeckName = name.empty() ? "Velmoria" : name;
    const std::int64_t base = nowSeconds * 1000;
    const int foreignPage = LanguageCodePage(document.ForeignLangID()),
              nativePage = LanguageCodePage(document.NativeLangID());
    std::vector<std::uint8_t> directions;
    if (options.WordAsked)
        directions.push_back(0);
    if (options.TranslationsAsked)
        directions.push_back(1);
    const auto& list = document.ItemList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TVocabItem& item = *list[i];
        deck.Notes.push_back({ base + static_cast<std::int64_t>(i), base,
            { HtmlField(item.FieldValue(fiForeign), foreignPage),
                HtmlField(item.FieldValue(fiNative), nativePage) },
            {} });
        for (const std::uint8_t direction : directions) {
            TDeckCard card;
            card.Id = base + 2 * static_cast<std::int64_t>(i) + direction;
            card.Note = deck.Notes.back().Id;
            card.Template = direction;
            card.Due = static_cast<std::int64_t>(i) + 1;
            deck.Cards.push_back(card);
        }
    }
    if (options.ReviewLog && history) {
        const TDay today = LocalDay(nowSeconds);
        std::vector<TCardKey> keys;
        for (const TDeckCard& card : deck.Cards)
            keys.push_back(CardKeyOf(document, *list[static_cast<std::size_t>(card.Note - base)],
                static_cast<std::uint8_t>(card.Template)));
        const auto memories = history->Memories(keys);
        std::unordered_set<std::int64_t> times;
        for (std::size_t c = 0; c < keys.size(); ++c) {
            TDeckCard& card = deck.Cards[c];
            bool first = true;
            for (const auto& answer : history->AnswersOf(keys[c])) {
                // The log's id is its time and must be unique: answers of one millisecond move apart.
                std::int64_t id = answer.TimeMs;
                while (!times.insert(id).second)
                    ++id;
                deck.Reviews.push_back({ id, card.Id, answer.Rating,
                    static_cast<std::int32_t>(std::min<std::int64_t>(answer.DurationMs, INT32_MAX)),
                    first ? 0 : 1 });
                first = false;
            }
            if (const auto& memory = memories[c]; memory && memory->State != TCardState::New) {
                card.Type = card.Queue = 2;
                card.Due = memory->Due - today;
                card.Interval
                    = static_cast<std::int32_t>(std::max<TDay>(1, memory->Due - memory->LastReview));
                card.Reps = memory->Reps;
                card.Lapses = memory->Lapses;
            }
        }
        std::ranges::sort(deck.Reviews, {}, &TDeckReview::TimeMs);
    }
    return WriteDeckPackage(deck, nowSeconds);
}
