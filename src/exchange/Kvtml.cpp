#include "exchange/Kvtml.h"

#include "core/Errors.h"
#include "core/SafeSave.h"
#include "evaluation/Languages.h"
#include "exchange/ExchangeText.h"
#include "exchange/ImportRules.h"
#include "exchange/TextCheck.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <ctime>
#include <libxml/parser.h>
#include <libxml/xmlreader.h>
#include <libxml/xmlwriter.h>
#include <limits>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace {

constexpr std::string_view MissingTranslation = "#Value?#";

[[noreturn]] void Refuse(TSaying reason)
{
    throw EVocabFileError(NothingImported(std::move(reason)));
}

void InitLibxml()
{
    // The parser's global tables are made once, before a worker thread first uses them.
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

enum class TTag : std::uint8_t {
    Other,
    Kvtml,
    Information,
    Title,
    Identifiers,
    Identifier,
    Name,
    Locale,
    Entries,
    Entry,
    Translation,
    Text,
    Comment,
    Grade,
    CurrentGrade,
    Count,
    Date,
    Lessons,
    WordTypes,
    Container,
    ContainerEntry,
    ContainerTranslation,
};

TTag TagOf(std::string_view name)
{
    static const std::unordered_map<std::string_view, TTag> tags = { { "kvtml", TTag::Kvtml },
        { "information", TTag::Information }, { "title", TTag::Title }, { "identifiers", TTag::Identifiers },
        { "identifier", TTag::Identifier }, { "name", TTag::Name }, { "locale", TTag::Locale },
        { "entries", TTag::Entries }, { "entry", TTag::Entry }, { "translation", TTag::Translation },
        { "text", TTag::Text }, { "comment", TTag::Comment }, { "grade", TTag::Grade },
        { "currentgrade", TTag::CurrentGrade }, { "count", TTag::Count }, { "date", TTag::Date },
        { "lessons", TTag::Lessons }, { "wordtypes", TTag::WordTypes }, { "container", TTag::Container },
        { "containerentry", TTag::ContainerEntry }, { "containertranslation", TTag::ContainerTranslation } };
    const auto found = tags.find(name);
    return found == tags.end() ? TTag::Other : found->second;
}

std::int32_t Number(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    std::int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::max(value, 0);
}

struct TReaderFree {
    void operator()(xmlTextReader* reader) const { xmlFreeTextReader(reader); }
};

// The first error the parser met, with its line.
struct TParseError {
    std::string Message;
    int Line = 0;
};

void OnError(void* arg, const char* message, xmlParserSeverities severity, xmlTextReaderLocatorPtr locator)
{
    auto& error = *static_cast<TParseError*>(arg);
    if (!error.Message.empty()
        || (severity != XML_PARSER_SEVERITY_ERROR && severity != XML_PARSER_SEVERITY_VALIDITY_ERROR))
        return;
    error.Message = message ? message : "";
    while (!error.Message.empty() && std::isspace(static_cast<unsigned char>(error.Message.back())))
        error.Message.pop_back();
    error.Line = xmlTextReaderLocatorLineNumber(locator);
}

std::string Attribute(xmlTextReader* reader, const char* name)
{
    xmlChar* value = xmlTextReaderGetAttribute(reader, reinterpret_cast<const xmlChar*>(name));
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

// Walks the file's elements, keeping what the import uses. Elements it does not know, and known ones
// in places it does not expect them, are passed over with their content.
class TKvtmlReader {
public:
    explicit TKvtmlReader(xmlTextReader* reader)
        : Reader_(reader)
    {
    }

    TKvtmlFile Read(TParseError& error)
    {
        int more = 0;
        while ((more = xmlTextReaderRead(Reader_)) == 1) {
            switch (xmlTextReaderNodeType(Reader_)) {
            case XML_READER_TYPE_ELEMENT:
                Start();
                break;
            case XML_READER_TYPE_END_ELEMENT:
                End();
                break;
            case XML_READER_TYPE_TEXT:
            case XML_READER_TYPE_CDATA:
            case XML_READER_TYPE_WHITESPACE:
            case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
                if (Capture_ && Stack_.size() == CaptureDepth_) {
                    if (const xmlChar* value = xmlTextReaderConstValue(Reader_))
                        Capture_->append(reinterpret_cast<const char*>(value));
                }
                break;
            case XML_READER_TYPE_ENTITY_REFERENCE:
                // Its text would have to come from the file's own document type.
                Refuse(VM_TRANSLATE_NOOP(
                    "Velmoria::Model", "The file uses entities declared in its own document type."));
            default:
                break;
            }
        }
        if (more < 0 || !error.Message.empty()) {
            Refuse(TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "The file is damaged XML (line %1: %2)."),
                { TSaying::Number(error.Line), TSaying(error.Message) }));
        }
        Finish();
        return std::move(File_);
    }

private:
    static TSaying NotKvtml()
    {
        return VM_TRANSLATE_NOOP("Velmoria::Model", "The file is XML, but not a KVTML 2 vocabulary file.");
    }

    // The parent an element must have for the import to read it; elsewhere it is passed over.
    static bool InPlace(TTag tag, TTag parent)
    {
        switch (tag) {
        case TTag::Information:
        case TTag::Identifiers:
        case TTag::Entries:
        case TTag::Lessons:
        case TTag::WordTypes:
            return parent == TTag::Kvtml;
        case TTag::Title:
            return parent == TTag::Information;
        case TTag::Identifier:
            return parent == TTag::Identifiers;
        case TTag::Name:
            return parent == TTag::Identifier || parent == TTag::Container;
        case TTag::Locale:
            return parent == TTag::Identifier;
        case TTag::Entry:
            return parent == TTag::Entries;
        case TTag::Translation:
            return parent == TTag::Entry;
        case TTag::Text:
        case TTag::Comment:
        case TTag::Grade:
            return parent == TTag::Translation;
        case TTag::CurrentGrade:
        case TTag::Count:
        case TTag::Date:
            return parent == TTag::Grade;
        case TTag::Container:
            return parent == TTag::Lessons || parent == TTag::WordTypes || parent == TTag::Container;
        case TTag::ContainerEntry:
            return parent == TTag::Container;
        case TTag::ContainerTranslation:
            return parent == TTag::ContainerEntry;
        case TTag::Kvtml:
        case TTag::Other:
            break;
        }
        return false;
    }

    void Start()
    {
        const auto* local = reinterpret_cast<const char*>(xmlTextReaderConstLocalName(Reader_));
        TTag tag = TagOf(local ? local : "");
        const TTag parent = Stack_.empty() ? TTag::Other : Stack_.back();
        if (Stack_.empty()) {
            if (tag != TTag::Kvtml || xmlTextReaderConstNamespaceUri(Reader_) != nullptr
                || !Attribute(Reader_, "version").starts_with('2'))
                Refuse(NotKvtml());
        } else if (!InPlace(tag, parent)) {
            tag = TTag::Other;
        }
        std::string* capture = nullptr;
        switch (tag) {
        case TTag::Title:
            capture = &File_.Title;
            break;
        case TTag::Identifier:
            File_.Identifiers.push_back({ Attribute(Reader_, "id"), {}, {}, 0 });
            break;
        case TTag::Name:
            capture = parent == TTag::Identifier ? &File_.Identifiers.back().Name : &Containers_.back().Name;
            break;
        case TTag::Locale:
            capture = &File_.Identifiers.back().Locale;
            break;
        case TTag::Entry:
            File_.Entries.push_back({ Attribute(Reader_, "id"), {} });
            break;
        case TTag::Translation:
            File_.Entries.back().Translations.push_back({ Attribute(Reader_, "id"), {}, {}, {}, {} });
            break;
        case TTag::Text:
            capture = &File_.Entries.back().Translations.back().Text;
            break;
        case TTag::Comment:
            capture = &File_.Entries.back().Translations.back().Comment;
            break;
        case TTag::Grade:
            File_.Entries.back().Translations.back().Grades.emplace_back().FromId
                = Attribute(Reader_, "fromid");
            break;
        case TTag::Date:
            capture = &File_.Entries.back().Translations.back().Grades.back().Date;
            break;
        case TTag::CurrentGrade:
        case TTag::Count:
            Scratch_.clear();
            capture = &Scratch_;
            break;
        case TTag::Container: {
            const bool lesson
                = parent == TTag::Container ? Containers_.back().Lesson : parent == TTag::Lessons;
            Containers_.push_back({ lesson, {}, lesson ? File_.Lessons.size() : NoLesson, {} });
            if (lesson)
                File_.Lessons.emplace_back();
            break;
        }
        case TTag::ContainerEntry:
            ContainerEntry();
            break;
        case TTag::ContainerTranslation:
            if (!Containers_.back().Lesson)
                Containers_.back().WordTypeEntries.back().second.push_back(Attribute(Reader_, "id"));
            break;
        default:
            break;
        }
        if (xmlTextReaderIsEmptyElement(Reader_) == 1) {
            Ended(tag);
            return;
        }
        Stack_.push_back(tag);
        if (capture) {
            Capture_ = capture;
            CaptureDepth_ = Stack_.size();
        }
    }

    void End()
    {
        if (Stack_.empty())
            return;
        const TTag tag = Stack_.back();
        Stack_.pop_back();
        if (Capture_ && Stack_.size() < CaptureDepth_)
            Capture_ = nullptr;
        Ended(tag);
    }

    // The end of an element read (an empty one ends where it starts).
    void Ended(TTag tag)
    {
        switch (tag) {
        case TTag::CurrentGrade:
        case TTag::Count: {
            auto& grade = File_.Entries.back().Translations.back().Grades.back();
            (tag == TTag::CurrentGrade ? grade.Current : grade.Count) = Number(Scratch_);
            break;
        }
        case TTag::Container: {
            const TContainer& container = Containers_.back();
            if (container.LessonIndex != NoLesson)
                File_.Lessons[container.LessonIndex].Name = container.Name;
            for (const auto& [entry, translations] : container.WordTypeEntries) {
                for (const std::string& translation : translations)
                    WordTypes_.try_emplace(entry + '\0' + translation, container.Name);
            }
            Containers_.pop_back();
            break;
        }
        default:
            break;
        }
    }

    void ContainerEntry()
    {
        TContainer& container = Containers_.back();
        if (container.Lesson) {
            ++File_.Lessons[container.LessonIndex].Entries;
        } else {
            container.WordTypeEntries.push_back({ Attribute(Reader_, "id"), {} });
        }
    }

    void Finish()
    {
        std::unordered_map<std::string_view, std::size_t> identifiers;
        for (std::size_t i = 0; i < File_.Identifiers.size(); ++i)
            identifiers.try_emplace(File_.Identifiers[i].Id, i);
        std::vector<std::size_t> counted(File_.Identifiers.size(), static_cast<std::size_t>(-1));
        for (std::size_t e = 0; e < File_.Entries.size(); ++e) {
            TKvtmlEntry& entry = File_.Entries[e];
            for (TKvtmlTranslation& translation : entry.Translations) {
                if (const auto type = WordTypes_.find(entry.Id + '\0' + translation.Id);
                    type != WordTypes_.end())
                    translation.WordType = type->second;
                const auto found = identifiers.find(translation.Id);
                if (found == identifiers.end() || Trim(translation.Text).empty()
                    || counted[found->second] == e)
                    continue;
                counted[found->second] = e;
                ++File_.Identifiers[found->second].Texts;
            }
        }
    }

    static constexpr std::size_t NoLesson = static_cast<std::size_t>(-1);
    struct TContainer {
        bool Lesson;
        std::string Name;
        std::size_t LessonIndex = NoLesson;
        // A word type's entries, each with the translations it lists.
        std::vector<std::pair<std::string, std::vector<std::string>>> WordTypeEntries;
    };

    xmlTextReader* Reader_;
    TKvtmlFile File_;
    std::vector<TTag> Stack_;
    std::vector<TContainer> Containers_;
    std::unordered_map<std::string, std::string> WordTypes_; // by entry and translation id
    std::string* Capture_ = nullptr;
    std::size_t CaptureDepth_ = 0;
    std::string Scratch_;
};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    return lower;
}

// The language part of a locale: "de" of "de_DE", "de-AT" or "de.UTF-8".
std::string LanguageOfLocale(std::string_view locale)
{
    return Lower(Trim(locale.substr(0, locale.find_first_of("_-.@"))));
}

std::optional<std::size_t> IdentifierOf(const TKvtmlFile& file, LangId language)
{
    const std::string code = Lower(FindLanguage(language).Code);
    if (code.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < file.Identifiers.size(); ++i) {
        if (LanguageOfLocale(file.Identifiers[i].Locale) == code)
            return i;
    }
    return std::nullopt;
}

// A text as a field holds it: line breaks and tabs become spaces (counted), the ends trimmed.
std::string FieldText(std::string_view text, bool& joined)
{
    std::string field = Trim(text);
    for (char& c : field) {
        if (c == '\n' || c == '\r' || c == '\t') {
            joined |= c != '\t';
            c = ' ';
        }
    }
    return field;
}

// "2009-08-12T14:33:51" (or with a blank, without seconds, or the day alone) in local time; nothing
// may follow.
std::optional<std::int64_t> GradeTime(std::string_view date)
{
    int parts[6] = { 0, 0, 0, 0, 0, 0 };
    constexpr std::string_view separators = "--T::";
    std::size_t at = 0;
    int read = 0;
    for (; read < 6 && at < date.size(); ++read) {
        const auto [end, error] = std::from_chars(date.data() + at, date.data() + date.size(), parts[read]);
        if (error != std::errc())
            return std::nullopt;
        at = static_cast<std::size_t>(end - date.data());
        if (at < date.size()) {
            const char c = date[at];
            if (read == 5 || (c != separators[static_cast<std::size_t>(read)] && !(read == 2 && c == ' ')))
                return std::nullopt;
            ++at;
        }
    }
    // A field left out is 0, which no month or day is: mktime moves it, and the check below refuses it.
    std::tm local {};
    local.tm_year = parts[0] - 1900;
    local.tm_mon = parts[1] - 1;
    local.tm_mday = parts[2];
    local.tm_hour = parts[3];
    local.tm_min = parts[4];
    local.tm_sec = parts[5];
    local.tm_isdst = -1;
    const std::time_t time = std::mktime(&local);
    // A field out of its range (the 31st of April, hour 25) comes back moved.
    const int back[] = { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min };
    if (time == static_cast<std::time_t>(-1) || !std::equal(std::begin(back), std::end(back), parts))
        return std::nullopt;
    return static_cast<std::int64_t>(time) * 1000;
}

const TKvtmlTranslation* TranslationIn(const TKvtmlEntry& entry, std::string_view id)
{
    for (const TKvtmlTranslation& translation : entry.Translations) {
        if (translation.Id == id)
            return &translation;
    }
    return nullptr;
}

} // namespace

TKvtmlFile ReadKvtml(std::string_view bytes)
{
    InitLibxml();
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        Refuse(VM_TRANSLATE_NOOP("Velmoria::Model", "The file is too large."));
    // Neither the network nor any other file is read, whatever the file names.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    std::unique_ptr<xmlTextReader, TReaderFree> reader(
        xmlReaderForMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, options));
    if (!reader)
        throw std::bad_alloc();
    TParseError error;
    xmlTextReaderSetErrorHandler(reader.get(), OnError, &error);
    return TKvtmlReader(reader.get()).Read(error);
}

std::optional<TKvtmlChoice> ProposedKvtmlChoice(const TKvtmlFile& file, LangId foreign, LangId native)
{
    if (file.Identifiers.size() < 2)
        return std::nullopt;
    TKvtmlChoice choice;
    const auto word = IdentifierOf(file, foreign);
    const auto translations = IdentifierOf(file, native);
    if (word && translations && *word != *translations) {
        choice.Word = *word;
        choice.Translations = *translations;
    } else if (word) {
        choice.Word = *word;
        choice.Translations = *word == 0 ? 1 : 0;
    } else if (translations) {
        choice.Translations = *translations;
        choice.Word = *translations == 0 ? 1 : 0;
    }
    return choice;
}

TKvtmlChoice ParseKvtmlLanguages(std::string_view text, const TKvtmlFile& file)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        throw std::invalid_argument("--languages names two of the file's languages, as A,B.");
    const auto find = [&file](std::string_view name) {
        for (std::size_t i = 0; i < file.Identifiers.size(); ++i) {
            if (file.Identifiers[i].Id == name)
                return i;
        }
        std::optional<std::size_t> found;
        for (std::size_t i = 0; i < file.Identifiers.size(); ++i) {
            if (!name.empty() && Lower(file.Identifiers[i].Locale) == Lower(name)) {
                if (found)
                    throw std::invalid_argument("The file has two languages of the locale \""
                        + std::string(name) + "\"; name its id.");
                found = i;
            }
        }
        if (!found)
            throw std::invalid_argument("The file has no language \"" + std::string(name) + "\".");
        return *found;
    };
    TKvtmlChoice choice;
    choice.Word = find(text.substr(0, comma));
    choice.Translations = find(text.substr(comma + 1));
    if (choice.Word == choice.Translations)
        throw std::invalid_argument("--languages names one language twice.");
    return choice;
}

TSaying IdentifierCaption(const TKvtmlIdentifier& identifier)
{
    const std::string name = Trim(identifier.Name).empty() ? identifier.Id : Trim(identifier.Name);
    return TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%1 (%2): %n texts"), "%1 (%2): %n text",
        identifier.Texts, { TSaying(name), TSaying(Trim(identifier.Locale)) });
}

TSaying KvtmlSummary(const TKvtmlFile& file)
{
    return TSaying::Counted(
        VM_TRANSLATE_N_NOOP("Velmoria::Model", "The file holds %n entries in %1 lessons."),
        "The file holds %n entry in %1 lessons.", static_cast<std::int64_t>(file.Entries.size()),
        { TSaying::Number(static_cast<double>(file.Lessons.size())) });
}

bool ValidKvtmlChoice(const TKvtmlFile& file, const TKvtmlChoice& choice)
{
    return choice.Word < file.Identifiers.size() && choice.Translations < file.Identifiers.size()
        && choice.Word != choice.Translations;
}

TKvtmlImport ImportKvtml(TVocabFile& document, const TKvtmlFile& file, const TKvtmlChoice& choice)
{
    if (!ValidKvtmlChoice(file, choice))
        throw EVocabFileError("Invalid procedure call.");
    const std::string& wordId = file.Identifiers[choice.Word].Id;
    const std::string& translationsId = file.Identifiers[choice.Translations].Id;
    const int foreignPage = LanguageCodePage(document.ForeignLangID());
    const int nativePage = LanguageCodePage(document.NativeLangID());

    TKvtmlImport import;
    TImportResult& result = import.Result;
    TVocabItemList built;
    TItemArena arena;
    std::string fields[FieldCount];
    for (const TKvtmlEntry& entry : file.Entries) {
        const TKvtmlTranslation* word = TranslationIn(entry, wordId);
        const TKvtmlTranslation* translations = TranslationIn(entry, translationsId);
        bool joined = false;
        fields[fiForeign] = word ? FieldText(word->Text, joined) : std::string();
        if (fields[fiForeign].empty()) {
            const bool held = std::any_of(entry.Translations.begin(), entry.Translations.end(),
                [](const TKvtmlTranslation& t) { return !Trim(t.Text).empty(); });
            import.EmptyEntries += held ? 1 : 0;
            continue;
        }
        fields[fiNative] = translations ? FieldText(translations->Text, joined) : std::string();
        const std::string wordNote = FieldText(word->Comment, joined);
        const std::string translationNote = translations ? FieldText(translations->Comment, joined) : "";
        fields[fiNotes] = wordNote.empty() || translationNote.empty() ? wordNote + translationNote
                                                                      : wordNote + "; " + translationNote;
        fields[fiCategory] = FieldText(word->WordType, joined);
        int lost = 0;
        for (int k = 0; k < FieldCount; ++k) {
            std::string& field = fields[k];
            if (!IsAscii(field)) {
                bool lostHere; // always set by the conversion
                field = Utf8ToAnsi(field, k == fiForeign ? foreignPage : nativePage, &lostHere);
                lost += lostHere ? 1 : 0;
            }
            if (field.size() > MaxTextLength) {
                throw EVocabFileError(
                    TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Entry %1: a text is longer than %2 bytes."),
                        { TSaying(entry.Id), TSaying::Number(MaxTextLength) }));
            }
        }
        if (fields[fiNative].empty()) {
            fields[fiNative] = MissingTranslation;
            ++result.NoTranslation;
        }
        result.LostFields += lost;
        result.JoinedBreaks += joined ? 1 : 0;
        if (choice.Grades) {
            const auto answers
                = [&](const TKvtmlTranslation* asked, const std::string& from, std::uint8_t direction) {
                      if (!asked)
                          return;
                      for (const TKvtmlGrade& grade : asked->Grades) {
                          if (grade.FromId != from || grade.Count == 0)
                              continue;
                          if (const auto ms = GradeTime(Trim(grade.Date)))
                              import.Answers.push_back({ built.size(), direction, *ms, grade.Current > 0 });
                          else
                              ++import.UndatedGrades;
                      }
                  };
            answers(translations, wordId, 0);
            answers(word, translationsId, 1);
        }
        built.push_back(arena.Make(fields[fiForeign], fields[fiCategory], fields[fiNotes], fields[fiNative]));
    }
    if (built.empty())
        return import;
    document.Reserve(static_cast<std::size_t>(document.Count()) + built.size());
    result.Added = static_cast<std::int32_t>(built.size());
    for (auto& item : built)
        document.AppendItem(std::move(item));
    document.EndBulkAppend();
    return import;
}

TSaying KvtmlAnswersMessage(std::int64_t added, std::int64_t outOfRange)
{
    return TSaying::Joined(
        { TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n answers went into the review history."),
              "%n answer went into the review history.", added),
            outOfRange > 0
                ? TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model",
                                       "%n grades dated before 1990 or ahead of the clock were left out."),
                    "%n grade dated before 1990 or ahead of the clock was left out.", outOfRange)
                : TSaying() },
        "\n");
}

TSaying KvtmlNotes(const TKvtmlImport& import)
{
    const auto note = [](std::int32_t count, const char* many, const char* one) {
        return count > 0 ? TSaying::Counted(many, one, count) : TSaying();
    };
    return TSaying::Joined(
        { ImportNotes(import.Result),
            note(import.EmptyEntries,
                VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n entries had no word/phrase and were left out."),
                "%n entry had no word/phrase and was left out."),
            note(import.UndatedGrades,
                VM_TRANSLATE_N_NOOP(
                    "Velmoria::Model", "%n grades had no date that could be read and gave no answer."),
                "%n grade had no date that could be read and gave no answer.") },
        "\n");
}

namespace {

struct TWriterFree {
    void operator()(xmlTextWriter* writer) const { xmlFreeTextWriter(writer); }
};
struct TBufferFree {
    void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
};

// libxml2's writer, each call checked: a failure is a lack of memory.
class TWriter {
public:
    TWriter()
        : Buffer_(xmlBufferCreate())
    {
        if (!Buffer_)
            throw std::bad_alloc();
        // Grown by doubling: a long list's file is written in one pass, not copied per element.
        xmlBufferSetAllocationScheme(Buffer_.get(), XML_BUFFER_ALLOC_DOUBLEIT);
        Writer_.reset(xmlNewTextWriterMemory(Buffer_.get(), 0));
        if (!Writer_)
            throw std::bad_alloc();
        Check(xmlTextWriterSetIndent(Writer_.get(), 1));
        Check(xmlTextWriterSetIndentString(Writer_.get(), Name(" ")));
    }
    xmlTextWriter* operator*() const { return Writer_.get(); }
    static void Check(int result)
    {
        if (result < 0)
            throw std::bad_alloc();
    }
    static const xmlChar* Name(const char* name) { return reinterpret_cast<const xmlChar*>(name); }
    void Start(const char* name) { Check(xmlTextWriterStartElement(Writer_.get(), Name(name))); }
    void End() { Check(xmlTextWriterEndElement(Writer_.get())); }
    void Attribute(const char* name, const std::string& value)
    {
        Check(xmlTextWriterWriteAttribute(Writer_.get(), Name(name), Name(value.c_str())));
    }
    void Element(const char* name, const std::string& text)
    {
        Check(xmlTextWriterWriteElement(Writer_.get(), Name(name), Name(text.c_str())));
    }
    // An element holding only an id, as the containers list their entries.
    void Empty(const char* name, const std::string& id)
    {
        Start(name);
        Attribute("id", id);
        End();
    }
    std::string Finish()
    {
        Check(xmlTextWriterEndDocument(Writer_.get()));
        Writer_.reset();
        return { reinterpret_cast<const char*>(xmlBufferContent(Buffer_.get())),
            static_cast<std::size_t>(xmlBufferLength(Buffer_.get())) };
    }

private:
    std::unique_ptr<xmlBuffer, TBufferFree> Buffer_;
    std::unique_ptr<xmlTextWriter, TWriterFree> Writer_;
};

// UTF-8 as XML text: control characters XML cannot hold (a list may) made blanks.
std::string XmlSafe(std::string text)
{
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            c = ' ';
    }
    return text;
}

std::string XmlText(std::string_view field, int codePage)
{
    return XmlSafe(IsAscii(field) ? std::string(field) : AnsiToUtf8(field, codePage));
}

void WriteIdentifier(TWriter& writer, const char* id, LangId language)
{
    const TLanguage& entry = FindLanguage(language);
    writer.Start("identifier");
    writer.Attribute("id", id);
    writer.Element("name", std::string(entry.Name));
    writer.Element("locale", Lower(entry.Code));
    writer.End();
}

} // namespace

std::string ExportKvtmlBytes(const TVocabFile& document, const std::string& fileName)
{
    std::string title
        = AnsiToUtf8(Trim(document.Properties(piDescription)), LanguageCodePage(document.NativeLangID()));
    if (title.empty()) {
        title = fileName.substr(fileName.find_last_of('/') + 1);
        title = title.substr(0, std::min(title.size(), title.rfind('.')));
    }
    const int foreignPage = LanguageCodePage(document.ForeignLangID());
    const int nativePage = LanguageCodePage(document.NativeLangID());
    TWriter writer;
    TWriter::Check(xmlTextWriterStartDocument(*writer, "1.0", "UTF-8", nullptr));
    TWriter::Check(xmlTextWriterWriteDTD(*writer, TWriter::Name("kvtml"), TWriter::Name("kvtml2.dtd"),
        TWriter::Name("http://edu.kde.org/kvtml/kvtml2.dtd"), nullptr));
    writer.Start("kvtml");
    writer.Attribute("version", "2.0");
    writer.Start("information");
    // A title from a file name that is not UTF-8 keeps its ASCII.
    std::string safeTitle = XmlSafe(title);
    if (CountUtf8(safeTitle).Invalid > 0)
        std::erase_if(safeTitle, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    writer.Element("title", safeTitle);
    writer.End();
    writer.Start("identifiers");
    WriteIdentifier(writer, "0", document.ForeignLangID());
    WriteIdentifier(writer, "1", document.NativeLangID());
    writer.End();

    // Each part of speech once, in the order the list first names it, with its items.
    std::vector<std::string> types;
    std::unordered_map<std::string, std::vector<std::size_t>> typed;
    writer.Start("entries");
    const auto& items = document.ItemList();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TVocabItem& item = *items[i];
        const std::string id = std::to_string(i);
        writer.Start("entry");
        writer.Attribute("id", id);
        writer.Start("translation");
        writer.Attribute("id", "0");
        writer.Element("text", XmlText(item.FieldValue(fiForeign), foreignPage));
        if (!item.FieldValue(fiNotes).empty())
            writer.Element("comment", XmlText(item.FieldValue(fiNotes), nativePage));
        writer.End();
        writer.Start("translation");
        writer.Attribute("id", "1");
        writer.Element("text", XmlText(item.FieldValue(fiNative), nativePage));
        writer.End();
        writer.End();
        if (!item.FieldValue(fiCategory).empty()) {
            auto [type, made] = typed.try_emplace(XmlText(item.FieldValue(fiCategory), nativePage));
            if (made)
                types.push_back(type->first);
            type->second.push_back(i);
        }
    }
    writer.End();

    // The other programs show words by their lessons: one holds them all.
    writer.Start("lessons");
    writer.Start("container");
    writer.Element("name", safeTitle);
    for (std::size_t i = 0; i < items.size(); ++i)
        writer.Empty("containerentry", std::to_string(i));
    writer.End();
    writer.End();
    if (!types.empty()) {
        writer.Start("wordtypes");
        for (const std::string& type : types) {
            writer.Start("container");
            writer.Element("name", type);
            for (const std::size_t i : typed[type]) {
                writer.Start("containerentry");
                writer.Attribute("id", std::to_string(i));
                for (const char* translation : { "0", "1" })
                    writer.Empty("containertranslation", translation);
                writer.End();
            }
            writer.End();
        }
    }
    // The end of the document closes the word types and the file's element.
    return writer.Finish();
}

void ExportKvtml(const TVocabFile& document, const std::string& fileName)
{
    SafeWriteFile(fileName, ExportKvtmlBytes(document, fileName));
}
