// Answer matching figures: the worst case at the list and variant caps, and many typical answers,
// each beside a plain byte comparison of the same texts.

#include "BenchFigures.h"
#include "evaluation/AnswerMatch.h"

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr LangId English = 0x0409;
constexpr LangId German = 0x0407;

// Milliseconds per run of work, repeated until the total is long enough to trust the clock.
double MsPerRun(const std::function<void()>& work, double minTotalMs = 200.0)
{
    long runs = 0;
    const auto start = std::chrono::steady_clock::now();
    std::chrono::duration<double, std::milli> total {};
    do {
        work();
        ++runs;
        total = std::chrono::steady_clock::now() - start;
    } while (total.count() < minTotalMs);
    return total.count() / static_cast<double>(runs);
}

// Keeps the compiler from dropping work whose result is otherwise unused.
volatile long Sink = 0;
void Keep(bool value)
{
    Sink = Sink + value;
}

struct TPair {
    std::string Expected;
    std::string Response;
};

// Sixteen parts on both sides, eight-word chains, three bracket pairs, every option. Each expected
// part matches only the response part naming it, so every part is searched to the end.
TPair WorstCase()
{
    TPair pair;
    for (int i = 0; i < 16; ++i) {
        const char w = static_cast<char>('a' + i);
        pair.Expected += i ? "; to " : "to ";
        for (char c = 'a'; c <= 'h'; ++c)
            pair.Expected += std::string { w, c } + (c < 'h' ? "/" : " (x) (y) (would)");
        pair.Response = std::string { w, 'h', '/', w, 'g' } + " x 'd" + (i ? ", " : "") + pair.Response;
    }
    return pair;
}

std::string Word(std::mt19937& random)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz";
    std::uniform_int_distribution<int> length(2, 9);
    std::uniform_int_distribution<int> letter(0, 25);
    std::string word;
    for (int n = length(random); n > 0; --n)
        word += letters[letter(random)];
    return word;
}

// Translations as lists hold them: one to three, sometimes with a bracketed word or an alternative;
// half the responses name one or two of them with slips the options forgive, the rest are wrong.
std::vector<TPair> TypicalPairs(int items)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> percent(0, 99);
    std::vector<TPair> pairs;
    pairs.reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        std::vector<std::string> translations;
        std::vector<std::string> answers;
        const int count = 1 + percent(random) % 3;
        for (int t = 0; t < count; ++t) {
            const std::string head = Word(random);
            const std::string tail = Word(random);
            const int shape = percent(random);
            if (shape < 25) {
                translations.push_back("to " + head + " (" + tail + ")");
                answers.push_back(head);
            } else if (shape < 45) {
                const std::string other = Word(random);
                translations.push_back(head + "/" + other + " " + tail);
                answers.push_back(other + " " + tail);
            } else {
                translations.push_back(head + " " + tail);
                answers.push_back(head + " " + tail);
            }
        }
        TPair pair;
        for (std::size_t t = 0; t < translations.size(); ++t)
            pair.Expected += (t ? ", " : "") + translations[t];
        if (percent(random) < 50) {
            pair.Response = answers[0];
            if (answers.size() > 1 && percent(random) < 30)
                pair.Response += "; " + answers.back();
            if (percent(random) < 30)
                pair.Response[0] = static_cast<char>(pair.Response[0] - 32);
        } else {
            pair.Response = Word(random) + " " + Word(random);
        }
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

} // namespace

void BenchMatch(int items)
{
    const EvaluationDelimiters delimiters;
    {
        const TPair worst = WorstCase();
        const double ms = MsPerRun(
            [&] { Keep(MatchAnswer(worst.Expected, worst.Response, English, 0x01FF, delimiters)); });
        const double rawMs = MsPerRun([&] {
            for (int i = 0; i < 1000; ++i)
                Keep(worst.Expected == worst.Response);
        }) / 1000.0;
        PrintFigure("match-worst", 1, ms, rawMs);
    }
    {
        // One accent left out: the whole search fails, then runs again ignoring accents (in German a
        // third time, with the umlauts spelled out).
        TPair worst = WorstCase();
        worst.Expected.replace(worst.Expected.find("ah"), 2, "\xE1h");
        for (const LangId lang : { English, German }) {
            const EvaluationFlags flags = EffectiveFlags(SideEvaluationMask, EnglishEvaluationMask, lang);
            const double ms = MsPerRun([&] {
                Keep(MatchAnswerAccents(worst.Expected, worst.Response, lang, flags, delimiters)
                    != TAnswerMatch::None);
            });
            const double rawMs = MsPerRun([&] {
                for (int i = 0; i < 1000; ++i)
                    Keep(worst.Expected == worst.Response);
            }) / 1000.0;
            PrintFigure(lang == English ? "match-worst-accents" : "match-worst-accents-german", 1, ms, rawMs);
        }
    }
    {
        const std::vector<TPair> pairs = TypicalPairs(items);
        const EvaluationFlags flags
            = EffectiveFlags(efAnyTranslation | efBrackets | efAlternatives | efCaps | efPunctuation,
                efAux | efTo | efIze, English);
        const double ms = MsPerRun([&] {
            for (const auto& pair : pairs)
                Keep(MatchAnswer(pair.Expected, pair.Response, English, flags, delimiters));
        });
        const double rawMs = MsPerRun([&] {
            for (const auto& pair : pairs)
                Keep(pair.Expected == pair.Response);
        });
        PrintFigure("match-typical", items, ms, rawMs);
    }
}
