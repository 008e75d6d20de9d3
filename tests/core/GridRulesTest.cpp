#include "core/GridRules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr LangId French = 0x040C;
constexpr LangId Russian = 0x0419;

struct TWord {
    std::string Foreign;
    std::int32_t SortingPosition = 0;
};

void Fill(TVocabFile& doc, LangId foreign, const std::vector<TWord>& words)
{
    doc.SetForeignLangID(foreign);
    doc.SetNativeLangID(0x0409);
    for (const auto& word : words) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValue(fiForeign, word.Foreign);
        item->SortingPosition = word.SortingPosition;
        doc.AppendItem(std::move(item));
    }
    if (!words.empty())
        doc.EndBulkAppend();
}

// Presses the key repeatedly, selecting each hit as the grid does, and records the rows visited.
std::vector<std::int32_t> Steps(TVocabFile& doc, char typed, int presses)
{
    std::vector<std::int32_t> visited;
    for (int i = 0; i < presses; ++i) {
        const std::int32_t hit = TypeAheadIndex(doc, typed);
        visited.push_back(hit);
        if (hit >= 0)
            doc.SetCurrentIndex(hit);
    }
    return visited;
}

TEST(TypeAheadIndex, StepsThroughItemsBeginningWithTheLetterFromAfterTheCurrentOne)
{
    TVocabFile doc;
    Fill(doc, French, { { "l'eau" }, { "chat" }, { "Lampe" }, { "la maison", 3 }, { "lune" } });
    doc.SetCurrentIndex(2);
    // After Lampe: lune, then wrapping to l'eau, then Lampe itself (looked at last); "la maison"
    // begins at its sorting position and is never an "l".
    EXPECT_EQ(Steps(doc, 'l', 4), (std::vector<std::int32_t> { 4, 0, 2, 4 }));
}

TEST(TypeAheadIndex, SortingPositionDecidesWhereTheWordBegins)
{
    TVocabFile doc;
    Fill(doc, French, { { "l'eau" }, { "la maison", 3 }, { "Lampe" } });
    EXPECT_EQ(TypeAheadIndex(doc, 'm'), 1);
    EXPECT_EQ(TypeAheadIndex(doc, 'M'), 1);
    doc.SetCurrentIndex(0);
    EXPECT_EQ(TypeAheadIndex(doc, 'l'), 2);
}

TEST(TypeAheadIndex, WithoutCurrentItemTheSearchStartsAtTheFirstItem)
{
    TVocabFile doc;
    Fill(doc, French, { { "arbre" }, { "avion" } });
    ASSERT_EQ(doc.CurrentIndex(), -1);
    EXPECT_EQ(TypeAheadIndex(doc, 'a'), 0);
}

TEST(TypeAheadIndex, TheCurrentItemIsFoundLastWhenItIsTheOnlyMatch)
{
    TVocabFile doc;
    Fill(doc, French, { { "chat" }, { "eau" }, { "pain" } });
    doc.SetCurrentIndex(1);
    EXPECT_EQ(TypeAheadIndex(doc, 'e'), 1);
}

struct TMatchCase {
    const char* Name;
    std::string Foreign;
    std::int32_t SortingPosition;
    char Typed;
    bool Found;
};

class TypeAheadMatch : public ::testing::TestWithParam<TMatchCase> { };

TEST_P(TypeAheadMatch, FirstLetterOrDigitAfterTheSortingPosition)
{
    const TMatchCase& c = GetParam();
    TVocabFile doc;
    Fill(doc, French, { { c.Foreign, c.SortingPosition } });
    EXPECT_EQ(TypeAheadIndex(doc, c.Typed), c.Found ? 0 : -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, TypeAheadMatch,
    ::testing::Values(TMatchCase { "UpperCaseTyped", "lune", 0, 'L', true },
        TMatchCase { "UpperCaseWord", "Lampe", 0, 'l', true },
        TMatchCase { "LeadingPunctuationSkipped", "(le) chat", 0, 'l', true },
        TMatchCase { "LeadingSpacesSkipped", "   vin", 0, 'v', true },
        TMatchCase { "Digit", "3 pommes", 0, '3', true },
        TMatchCase { "OnlyTheFirstLetterCounts", "chat", 0, 'h', false },
        TMatchCase { "AccentedCapital",
            "\xC9"
            "cole",
            0, '\xE9', true }, // École typed é
        TMatchCase { "AccentIsNotTheBareLetter",
            "\xE9"
            "cole",
            0, 'e', false },
        TMatchCase { "PunctuationTypedNeverMatches", "-ment", 0, '-', false },
        TMatchCase { "NoLetterAtAll", "?!", 0, '?', false }, TMatchCase { "EmptyWord", "", 0, 'a', false },
        TMatchCase { "PositionAtTheEnd", "abc", 3, 'a', false },
        TMatchCase { "PositionBeyondTheText", "abc", 99, 'a', false },
        TMatchCase { "NegativePositionFromTheStart", "abc", -5, 'a', true }),
    [](const ::testing::TestParamInfo<TMatchCase>& info) { return std::string(info.param.Name); });

TEST(TypeAheadIndex, UsesTheForeignLanguagesCodePageAndCase)
{
    TVocabFile doc;
    // "Дом" and "вода" in code page 1251; typed lower-case д finds the capital Д.
    Fill(doc, Russian, { { "\xE2\xEE\xE4\xE0" }, { "\xC4\xEE\xEC" } });
    EXPECT_EQ(TypeAheadIndex(doc, '\xE4'), 1);
    EXPECT_EQ(TypeAheadIndex(doc, '\xC2'), 0);
}

TEST(TypeAheadIndex, EmptyDocumentAndNoMatchGiveMinusOne)
{
    TVocabFile empty;
    EXPECT_EQ(TypeAheadIndex(empty, 'a'), -1);
    TVocabFile doc;
    Fill(doc, French, { { "chat" }, { "chien" } });
    doc.SetCurrentIndex(1);
    EXPECT_EQ(TypeAheadIndex(doc, 'z'), -1);
    EXPECT_EQ(doc.CurrentIndex(), 1);
}

} // namespace
