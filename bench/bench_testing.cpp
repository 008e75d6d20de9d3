// Test figures: choosing the next question, beside a plain walk over the same items.

#include "BenchFigures.h"
#include "core/Random.h"
#include "core/VocabFile.h"
#include "testing/NextItem.h"

#include <cstdio>
#include <memory>
#include <string>

void BenchTesting(int items)
{
    TVocabFile doc;
    doc.Reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues("word " + std::to_string(i), "noun", "", "translation " + std::to_string(i));
        // A list in the middle of a test: some learnt, some with points, some answered.
        item->PenaltyPoints = i % 4 - 1;
        item->LastAttempt = i % 3 == 0 ? 0 : i / 2;
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
    SeedRandom(1);
    const int repeats = 5;

    long long sum = 0;
    const double walk = BestMs(
        [&] {
            for (const auto& item : doc.ItemList())
                sum += item->PenaltyPoints + item->LastAttempt;
        },
        repeats);
    if (sum == 42)
        std::printf("\n");
    // The first question groups the items in one walk; each answer and question after it moves one.
    const double first = BestMs(
        [&] {
            if (TNextTestItem().Choose(doc) < 0)
                std::printf("nothing to ask\n");
        },
        repeats);
    PrintFigure("first-question", items, first, walk);
    TNextTestItem chooser;
    const double next = BestMs(
        [&] {
            doc.SetCurrentIndex(chooser.Choose(doc));
            chooser.RecordAnswer(doc, false, 5);
        },
        repeats);
    PrintFigure("next-question", items, next, walk);

    // The multiple-choice list of an item whose part of speech no other item shares: every
    // candidate is looked at before the other groups are.
    doc.SetCurrentIndex(items / 2);
    doc.CurrentItem().SetFieldValue(fiCategory, "unique");
    TVocabItemArray choices;
    const double choose = BestMs([&] { doc.GetChoices(choices, 5); }, repeats);
    PrintFigure("choices", items, choose, walk);

    // A fresh list: every item ties, and one draw picks among them.
    doc.ResetTestData();
    const double fresh = BestMs(
        [&] {
            doc.SetCurrentIndex(chooser.Choose(doc));
            chooser.RecordAnswer(doc, true, 5);
        },
        repeats);
    PrintFigure("next-question-fresh", items, fresh, walk);
}
