// The copy of a list's card texts that the window makes a few items at a time for the due count.

#include "review/Card.h"
#include "review/ReviewSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(CardTextsCopy, CopiesTheCardsInStepsUnlessTheListChangesMeanwhile)
{
    const struct {
        const char* Name;
        int Items;
        std::size_t Step;
        int Steps; // calls until done
        std::function<void(TVocabFile&)> Change; // after the first step
    } cases[] = { { "an empty list is copied at once", 0, 3, 1, nullptr },
        { "steps that end with the list", 6, 3, 2, nullptr }, { "a last short step", 7, 3, 3, nullptr },
        { "an answer", 4, 2, 0, [](TVocabFile& doc) { doc.RecordAnswer(false, 3); } },
        { "a move", 4, 2, 0, [](TVocabFile& doc) { doc.MoveCurrent(0); } },
        { "another document", 4, 2, 0, [](TVocabFile& doc) { doc.LoadFromBytes(doc.SaveToBytes()); } } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        std::vector<std::pair<std::string, std::string>> pairs;
        for (int i = 0; i < c.Items; ++i)
            pairs.emplace_back("W\xF6rter " + std::to_string(i), "words " + std::to_string(i));
        FillPairs(doc, pairs);
        for (std::int32_t i = 0; i < doc.Count(); ++i)
            doc.Items(i).SetFieldValue(fiNotes, "notes");
        doc.SetCurrentIndex(doc.Count() - 1);
        TCardTextsCopy copy(doc);
        if (c.Items > 0) {
            EXPECT_THROW(TCardTexts { copy }, std::logic_error) << "nothing to count on yet";
        }
        if (c.Change) {
            EXPECT_FALSE(copy.Step(doc, c.Step));
            c.Change(doc);
            EXPECT_FALSE(copy.Fits(doc));
            EXPECT_THROW(copy.Step(doc, c.Step), std::logic_error);
            continue;
        }
        int calls = 1;
        while (!copy.Step(doc, c.Step))
            ASSERT_LT(++calls, 100);
        EXPECT_EQ(calls, c.Steps);
        EXPECT_EQ(copy.Revision(), doc.Revision());
        const TCardTexts texts(copy);
        ASSERT_EQ(texts.Count(), doc.ItemList().size());
        for (std::int32_t i = 0; i < doc.Count(); ++i)
            for (std::uint8_t d = 0; d < 2; ++d)
                EXPECT_EQ(texts.KeyOf(static_cast<std::size_t>(i), d), CardKeyOf(doc, doc.Items(i), d));
    }
}
