#pragma once
// What every velmoria-cli command shares: its arguments, its errors and the reading of lists.

#include "core/ListLock.h"
#include "evaluation/Languages.h"

#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TVocabFile;

// A command-line mistake: reported with exit status 2.
struct TUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A failure with a message of its own: exit status 1.
struct TCommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TArguments {
public:
    TArguments(
        std::vector<std::string> args, std::set<std::string> valueOptions, std::set<std::string> switches)
    {
        bool options = true;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (options && a == "--") {
                options = false;
            } else if (options && a.size() > 2 && a.starts_with("--")) {
                const std::string name = a.substr(2);
                if (valueOptions.count(name)) {
                    if (i + 1 >= args.size())
                        throw TUsageError("Option --" + name + " needs a value.");
                    Options_[name] = args[++i];
                } else if (switches.count(name)) {
                    Switches_.insert(name);
                } else {
                    throw TUsageError("Unknown option " + a + ".");
                }
            } else {
                Positional_.push_back(a);
            }
        }
    }
    void ExpectPositional(std::size_t count, const char* usage) const
    {
        if (Positional_.size() != count)
            throw TUsageError(std::string("Usage: velmoria-cli ") + usage);
    }
    const std::string& operator[](std::size_t i) const { return Positional_[i]; }
    std::size_t Count() const { return Positional_.size(); }
    std::optional<std::string> Option(const std::string& name) const
    {
        const auto found = Options_.find(name);
        return found == Options_.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    bool Switch(const std::string& name) const { return Switches_.count(name) > 0; }

private:
    std::vector<std::string> Positional_;
    std::map<std::string, std::string> Options_;
    std::set<std::string> Switches_;
};

std::string HexId(LangId id);
// A hexadecimal identifier such as 0x0407 or an English language name.
LangId ParseLanguage(const std::string& text);
// Decimal, or hexadecimal after 0x; min..max or a usage error naming what.
int ParseInteger(const std::string& text, const char* what, int min, int max);
// Digits in the given base (an 0x may lead hexadecimal ones); min..max or a usage error naming what.
std::uint32_t ParseNumber(
    const std::string& text, const char* what, std::uint32_t min, std::uint32_t max, int base);
bool IsValidUtf8(std::string_view text);
// UTF-8 from the command line (the argument called what) into a field's code page; nothing may be
// lost on the way.
std::string ToCodePage(const std::string& utf8, LangId lang, const char* what);
std::string ToUtf8(std::string_view text, LangId lang);
LangId FieldLanguage(const TVocabFile& document, int field);
// Held by a command that changes the list from before it reads the list until after it saves it.
TListLock LockList(const TArguments& args);
// Loads a list; what opening it found besides its items goes to notices.
void Load(TVocabFile& document, const std::string& fileName, std::ostream& notices);
bool FileExists(const std::string& fileName);
// A missing file or a folder fails here, before a lock or a load names it less clearly.
void RequireReadable(const std::string& fileName);
