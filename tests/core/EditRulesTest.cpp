// The item edit dialog's OK sequence, without a screen: each case types four texts, answers the
// questions in turn and reads the steps the dialog is told to take.

#include "core/EditRules.h"

#include "core/DocumentBuilders.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Boxes = std::array<std::string, 4>;
using Trace = std::vector<std::string>;

std::string Name(const TEditStep& step)
{
    const std::string field = step.Field == fiForeign ? "word"
        : step.Field == fiCategory                    ? "category"
        : step.Field == fiNotes                       ? "notes"
                                                      : "translation";
    switch (step.Kind) {
    case esCancel:
        return "cancel";
    case esAccept:
        return "accept";
    case esStay:
        return "stay " + field;
    case esTell:
        return std::string(step.Text == NoWordMessage      ? "no word"
                       : step.Text == NoTranslationMessage ? "no translation"
                                                           : "?")
            + ", stay " + field;
    case esAsk:
        return step.Text == NoSortQuestion    ? "sort?"
            : step.Text == NoCategoryQuestion ? "category?"
            : step.Text == DuplicateQuestion  ? "duplicate?"
                                              : "?";
    }
    return "?";
}

struct TRun {
    Trace Steps;
    TFieldValues Values;
    std::int32_t Position = -1;
};

// Runs the sequence as the dialog does, answering the questions from answers in turn.
TRun RunOk(const TItemEditData& data, bool changed, const Boxes& boxes, const TEditChecks& checks,
    const TVocabFile& document, std::vector<bool> answers)
{
    TRun run;
    TEditOk ok(data, changed, boxes, checks, document);
    for (TEditStep step = ok.Start();;) {
        if (step.MarkForeignBox)
            run.Steps.push_back("mark");
        run.Steps.push_back(Name(step));
        if (step.Kind != esAsk) {
            if (step.Kind == esAccept) {
                run.Values = ok.Values();
                run.Position = ok.SortingPosition();
            }
            return run;
        }
        if (answers.empty()) {
            ADD_FAILURE() << "more questions than answers";
            return run;
        }
        step = ok.Answer(answers.front());
        answers.erase(answers.begin());
    }
}

std::unique_ptr<TVocabFile> OneItemDocument()
{
    auto document = std::make_unique<TVocabFile>();
    auto item = std::make_unique<TVocabItem>();
    item->SetFieldValues("maison", "", "", "house");
    document->AppendItem(std::move(item));
    document->EndBulkAppend();
    return document;
}

constexpr TEditChecks NoChecks {};
constexpr TEditChecks SortChecks { true, false, false };
constexpr TEditChecks CategoryChecks { false, true, false };
constexpr TEditChecks DuplicateChecks { false, false, true };
constexpr TEditChecks AllChecks { true, true, true };

TEST(EditRules, AddCleansTheTextsAndReadsTheSortingMarker)
{
    const struct {
        const char* Typed;
        const char* Stored;
        std::int32_t Position;
    } cases[] = {
        { "la @maison", "la maison", 3 }, { "@maison", "maison", 0 }, { "maison@", "maison", 0 },
        { "a@b@c", "ab@c", 1 }, // only the first "@" is a marker
        { "  la   @maison\t", "la maison", 3 }, // collapsed before the marker is counted
        { "la @ maison", "la maison", 3 }, // no double blank where the marker stood
        { "la @", "la", 0 }, { "@ maison", "maison", 0 },
        { "x\x1A y", "x y", 0 }, // control characters are white space
    };
    const TVocabFile empty;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const TRun run
            = RunOk({}, true, { c.Typed, " n. ", "", "  the  house " }, { false, true, true }, empty, {});
        EXPECT_EQ(run.Steps, Trace { "accept" });
        EXPECT_EQ(run.Values, (TFieldValues { c.Stored, "n.", "", "the house" }));
        EXPECT_EQ(run.Position, c.Position);
    }
}

TEST(EditRules, StepsInTheirOrder)
{
    const auto document = OneItemDocument();
    const TItemEditData add;
    TItemEditData edit;
    edit.IsNew = false;
    const struct {
        const char* Name;
        const TItemEditData& Data;
        bool Changed;
        Boxes Typed;
        TEditChecks Checks;
        std::vector<bool> Answers;
        Trace Expected;
    } cases[] = {
        { "NoWord", add, true, { "", "n.", "", "house" }, NoChecks, {}, { "no word, stay word" } },
        { "BlanksAreNoWord", add, true, { " \t  ", "n.", "", "x" }, AllChecks, {}, { "no word, stay word" } },
        { "MarkerAloneIsNoWord", add, true, { " @ ", "n.", "", "x" }, AllChecks, {},
            { "no word, stay word" } },
        { "NoTranslation", add, true, { "chat", "n.", "", "   " }, AllChecks, {},
            { "no translation, stay translation" } },
        { "FirstFailingCheckAloneSpeaks", add, true, { "", "", "", "" }, AllChecks, {},
            { "no word, stay word" } },
        { "MarkerBeforeTranslationCheck", add, true, { "@", "", "", "" }, NoChecks, {},
            { "no translation, stay translation" } },

        { "SortNoStays", add, true, { "chat", "n.", "", "cat" }, SortChecks, { false },
            { "sort?", "stay word" } },
        { "SortYesMarksTheBox", add, true, { "chat", "n.", "", "cat" }, SortChecks, { true },
            { "sort?", "mark", "accept" } },
        { "MarkedWordIsNotAskedAbout", add, true, { "@chat", "n.", "", "cat" }, SortChecks, {},
            { "accept" } },
        { "SortYesThenCategoryNo", add, true, { "chat", "", "", "cat" }, AllChecks, { true, false },
            { "sort?", "mark", "category?", "stay category" } },
        { "CategoryYes", add, true, { "@chat", "", "", "cat" }, CategoryChecks, { true },
            { "category?", "accept" } },
        { "CategoryGivenIsNotAskedAbout", add, true, { "chat", "n.", "", "cat" }, CategoryChecks, {},
            { "accept" } },
        { "AllThreeInOrder", add, true, { "maison", "", "", "home" }, AllChecks, { true, true, true },
            { "sort?", "mark", "category?", "duplicate?", "accept" } },

        { "SameWord", add, true, { "maison", "", "", "home" }, DuplicateChecks, { false },
            { "duplicate?", "stay word" } },
        { "SameTranslation", add, true, { "chez", "", "", "house" }, DuplicateChecks, { false },
            { "duplicate?", "stay word" } },
        { "ComparedAfterCleaning", add, true, { " maison ", "", "", "home" }, DuplicateChecks, { true },
            { "duplicate?", "accept" } },
        { "CaseCounts", add, true, { "Maison", "", "", "House" }, DuplicateChecks, {}, { "accept" } },
        { "MarkerIsNotPartOfTheWord", add, true, { "mai@son", "", "", "home" }, DuplicateChecks, { false },
            { "duplicate?", "stay word" } },
        { "DuplicatesOff", add, true, { "maison", "", "", "house" }, NoChecks, {}, { "accept" } },
        { "EditNeverAsksAboutDuplicates", edit, true, { "maison", "", "", "house" }, DuplicateChecks, {},
            { "accept" } },

        { "UnchangedEditIsCancel", edit, false, { " maison ", "", "", "the  house" }, AllChecks, {},
            { "cancel" } },
        { "UnchangedEmptyEditIsCancel", edit, false, { "", "", "", "" }, AllChecks, {}, { "cancel" } },
        { "ChangedEditIsChecked", edit, true, { "chat", "", "", "cat" }, AllChecks, { false },
            { "sort?", "stay word" } },
        { "UnchangedAddIsChecked", add, false, { "", "", "", "" }, NoChecks, {}, { "no word, stay word" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RunOk(c.Data, c.Changed, c.Typed, c.Checks, *document, c.Answers).Steps, c.Expected);
    }
}

// A learnt item and one answered a moment ago both come back from an edit as never answered; undo
// restores the old version with its test state.
TEST(EditRules, AnEditedItemStartsUntested)
{
    for (const int penalty : { -1, 2 }) {
        SCOPED_TRACE(penalty);
        TVocabFile doc;
        FillWords(doc, { "a", "b" });
        doc.SetCurrentIndex(1);
        doc.CurrentItem().LastAttempt = 12;
        doc.CurrentItem().PenaltyPoints = penalty;
        doc.NewItem().LastAttempt = 5; // whatever a caller left there does not leak in
        doc.NewItem().PenaltyPoints = 1;
        ReplaceCurrentItem(doc, { false, { "B", "n", "", "bee" }, 7 });
        const TVocabItem& edited = doc.CurrentItem();
        EXPECT_EQ(
            std::tuple(std::string(edited.FieldValue(fiForeign)), std::string(edited.FieldValue(fiNative)),
                edited.SortingPosition, edited.LastAttempt, edited.PenaltyPoints),
            std::tuple("B", "bee", 7, 0, 0));
        EXPECT_FALSE(edited.Learnt());
        doc.Undo();
        EXPECT_EQ(std::tuple(doc.CurrentItem().LastAttempt, doc.CurrentItem().PenaltyPoints),
            std::tuple(12, penalty));
    }
}

TEST(EditRules, AnAnswerWithoutAQuestionIsAnError)
{
    const TVocabFile empty;
    TEditOk ok({}, true, { "chat", "n.", "", "cat" }, SortChecks, empty);
    EXPECT_EQ(ok.Start().Kind, esAsk);
    EXPECT_EQ(ok.Answer(true).Kind, esAccept);
    EXPECT_THROW(ok.Answer(true), std::logic_error);
}

} // namespace
