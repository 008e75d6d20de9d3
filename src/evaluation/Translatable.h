#pragma once
// The model stays free of Qt, and its messages stay English where the command line shows them. A
// fixed English text or template that the window shows is marked with VM_TRANSLATE_NOOP: lupdate
// gathers it into the window's translations (as QT_TRANSLATE_NOOP), and the window translates it
// at its edge (qtsupport/ModelText.h). A counted template ("%n items") is marked with
// VM_TRANSLATE_N_NOOP, so that each language gets its plural forms.
#define VM_TRANSLATE_NOOP(context, text) text
#define VM_TRANSLATE_N_NOOP(context, text) text

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A marked template with its arguments put in, as QString::arg does: "%1" ... "%9" in order.
std::string FillIn(std::string_view text, const std::vector<std::string>& args);
std::string FillIn(std::string_view text, std::initializer_list<std::string> args);

// A sentence of the model as both ends say it: Text() is the command line's English, and the window
// says it in its own language (SayingText in qtsupport/ModelText.h). The user's and the system's
// words go in as they are, numbers as numbers (the window writes them in its locale), and marked
// phrases as sayings of their own, translated with the sentence around them.
class TSaying {
public:
    enum class TKind : std::uint8_t { Words, Marked, Counted, Number, Joined };

    TSaying() = default;
    // Words said as they are: a name, a path, the system's message.
    TSaying(std::string words); // NOLINT(google-explicit-constructor): words are the common argument
    // A template marked VM_TRANSLATE_NOOP and what goes into its "%1".."%9".
    TSaying(const char* marked, std::vector<TSaying> args = {});
    // A template marked VM_TRANSLATE_N_NOOP with "%n" (or "%Ln") for count; one is its English
    // singular, which the command line says for a count of 1.
    static TSaying Counted(
        const char* many, const char* one, std::int64_t count, std::vector<TSaying> args = {});
    // A number with its decimals; a negative count of decimals writes six significant digits.
    static TSaying Number(double value, int decimals = 0);
    // The parts one after another, the separator between those that say something.
    static TSaying Joined(std::vector<TSaying> parts, std::string separator);

    std::string Text() const;
    // Says nothing: no words, no template, or only parts that say nothing.
    bool Empty() const;

    TKind Kind() const { return Kind_; }
    // Marked and Counted: the template as marked; Words: the words; Joined: the separator.
    const std::string& Words() const { return Words_; }
    const std::string& Template() const { return Template_; }
    const std::vector<TSaying>& Args() const { return Args_; }
    double Value() const { return Value_; } // Number's value, Counted's count
    int Decimals() const { return Decimals_; }

private:
    TKind Kind_ = TKind::Words;
    std::string Template_;
    std::string One_;
    std::string Words_;
    std::vector<TSaying> Args_;
    double Value_ = 0;
    int Decimals_ = 0;
};

// An error that says its message: what() is the English, the window translates the saying.
class ESaidError : public std::runtime_error {
public:
    explicit ESaidError(TSaying saying)
        : std::runtime_error(saying.Text())
        , Saying_(std::move(saying))
    {
    }
    const TSaying& Saying() const { return Saying_; }

private:
    TSaying Saying_;
};

// What an error says: its saying, or its message as a text the model may have marked.
TSaying SayingOf(const std::exception& error);
