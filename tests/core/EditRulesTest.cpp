// The item edit dialog's OK sequence, without a screen: each case types four texts, answers the
// questions in turn and reads the steps the dialog is told to take; the sorting marker it reads.

#include "core/EditRules.h"

#include "core/DocumentBuilders.h"
#include "core/SortingMarker.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Boxes = std::array<std::string, 4>;

// "word|category|notes|translation" as typed into the four boxes.
Boxes Typed(std::string_view text)
{
    Boxes boxes;
    for (std::string& box : boxes) {
        const auto bar = std::min(text.find('|'), text.size());
        box = text.substr(0, bar);
        text.remove_prefix(std::min(bar + 1, text.size()));
    }
    return boxes;
}

// "sort?, mark, accept" and the like.
std::string Name(const TEditStep& step)
{
    static const std::map<std::string, std::string> texts { { NoWordMessage, "no word, " },
        { NoTranslationMessage, "no translation, " }, { NoSortQuestion, "sort?" },
        { NoCategoryQuestion, "category?" }, { DuplicateQuestion, "duplicate?" } };
    const char* const fields[] = { "word", "category", "notes", "translation" };
    const std::string rest = step.Kind == esCancel ? "cancel"
        : step.Kind == esAccept                    ? "accept"
        : step.Kind == esAsk                       ? ""
                                                   : std::string("stay ") + fields[step.Field];
    return (step.MarkForeignBox ? "mark, " : "") + (step.Text ? texts.at(step.Text) : "") + rest;
}

struct TRun {
    std::string Steps; // their names, joined by ", "
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
        run.Steps += (run.Steps.empty() ? "" : ", ") + Name(step);
        if (step.Kind != esAsk) {
            if (step.Kind == esAccept)
                std::tie(run.Values, run.Position) = std::pair(ok.Values(), ok.SortingPosition());
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

constexpr TEditChecks NoChecks {};
constexpr TEditChecks SortChecks { true, false, false };
constexpr TEditChecks CategoryChecks { false, true, false };
constexpr TEditChecks DuplicateChecks { false, false, true };
constexpr TEditChecks AllChecks { true, true, true };

// The marker itself is read as the sorting marker tests show; here it is taken from the cleaned text.
TEST(EditRules, AddCleansTheTextsAndReadsTheSortingMarker)
{
    const struct {
        const char* Typed;
        const char* Stored;
        std::int32_t Position;
    } cases[] = {
        { "la @maison", "la maison", 3 }, { "maison", "maison", 0 },
        { "  la   @maison\t", "la maison", 3 }, // collapsed before the marker is counted
        { "la @ maison", "la maison", 3 }, // no double blank where the marker stood
        { "la @", "la", 0 }, { "@ maison", "maison", 0 },
        { "x\x1A y", "x y", 0 }, // control characters are white space
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const TRun run
            = RunOk({}, true, { c.Typed, " n. ", "", "  the  house " }, { false, true, true }, {}, {});
        EXPECT_EQ(run.Steps, "accept");
        EXPECT_EQ(run.Values, (TFieldValues { c.Stored, "n.", "", "the house" }));
        EXPECT_EQ(run.Position, c.Position);
    }
}

TEST(EditRules, StepsInTheirOrder)
{
    TVocabFile document;
    FillWords(document, { "maison" });
    document.Items(0).SetFieldValue(fiNative, "house");
    const TItemEditData add;
    const TItemEditData edit { false, {}, 0 };
    const struct {
        const char* Name;
        const TItemEditData& Data;
        bool Changed;
        const char* Typed;
        TEditChecks Checks;
        std::vector<bool> Answers;
        const char* Expected;
    } cases[] = {
        { "NoWord", add, true, "|n.||house", NoChecks, {}, "no word, stay word" },
        { "BlanksAreNoWord", add, true, " \t  |n.||x", AllChecks, {}, "no word, stay word" },
        { "MarkerAloneIsNoWord", add, true, " @ |n.||x", AllChecks, {}, "no word, stay word" },
        { "NoTranslation", add, true, "chat|n.||   ", AllChecks, {}, "no translation, stay translation" },
        { "FirstFailingCheckAloneSpeaks", add, true, "|||", AllChecks, {}, "no word, stay word" },
        { "MarkerBeforeTranslationCheck", add, true, "@|||", NoChecks, {},
            "no translation, stay translation" },

        { "SortNoStays", add, true, "chat|n.||cat", SortChecks, { false }, "sort?, stay word" },
        { "SortYesMarksTheBox", add, true, "chat|n.||cat", SortChecks, { true }, "sort?, mark, accept" },
        { "MarkedWordIsNotAskedAbout", add, true, "@chat|n.||cat", SortChecks, {}, "accept" },
        { "SortYesThenCategoryNo", add, true, "chat|||cat", AllChecks, { true, false },
            "sort?, mark, category?, stay category" },
        { "CategoryYes", add, true, "@chat|||cat", CategoryChecks, { true }, "category?, accept" },
        { "CategoryGivenIsNotAskedAbout", add, true, "chat|n.||cat", CategoryChecks, {}, "accept" },
        { "AllThreeInOrder", add, true, "maison|||home", AllChecks, { true, true, true },
            "sort?, mark, category?, duplicate?, accept" },

        { "SameWord", add, true, "maison|||home", DuplicateChecks, { false }, "duplicate?, stay word" },
        { "SameTranslation", add, true, "chez|||house", DuplicateChecks, { false }, "duplicate?, stay word" },
        { "ComparedAfterCleaning", add, true, " maison |||home", DuplicateChecks, { true },
            "duplicate?, accept" },
        { "CaseCounts", add, true, "Maison|||House", DuplicateChecks, {}, "accept" },
        { "MarkerIsNotPartOfTheWord", add, true, "mai@son|||home", DuplicateChecks, { false },
            "duplicate?, stay word" },
        { "DuplicatesOff", add, true, "maison|||house", NoChecks, {}, "accept" },
        { "EditNeverAsksAboutDuplicates", edit, true, "maison|||house", DuplicateChecks, {}, "accept" },

        { "UnchangedEditIsCancel", edit, false, " maison |||the  house", AllChecks, {}, "cancel" },
        { "UnchangedEmptyEditIsCancel", edit, false, "|||", AllChecks, {}, "cancel" },
        { "ChangedEditIsChecked", edit, true, "chat|||cat", AllChecks, { false }, "sort?, stay word" },
        { "UnchangedAddIsChecked", add, false, "|||", NoChecks, {}, "no word, stay word" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RunOk(c.Data, c.Changed, Typed(c.Typed), c.Checks, document, c.Answers).Steps, c.Expected);
    }
    // An answer without a question is an error.
    TEditOk ok(add, true, Typed("chat|n.||cat"), SortChecks, document);
    EXPECT_EQ(ok.Start().Kind, esAsk);
    EXPECT_EQ(ok.Answer(true).Kind, esAccept);
    EXPECT_THROW(ok.Answer(true), std::logic_error);
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
        std::tie(doc.CurrentItem().LastAttempt, doc.CurrentItem().PenaltyPoints) = std::pair(12, penalty);
        // whatever a caller left in the new item does not leak in
        std::tie(doc.NewItem().LastAttempt, doc.NewItem().PenaltyPoints) = std::pair(5, 1);
        ReplaceCurrentItem(doc, { false, { "B", "n", "", "bee" }, 7 });
        const TVocabItem& edited = doc.CurrentItem();
        EXPECT_EQ(edited.FieldValues(), (TFieldValues { "B", "n", "", "bee" }));
        EXPECT_EQ(
            std::tuple(edited.SortingPosition, edited.LastAttempt, edited.PenaltyPoints, edited.Learnt()),
            std::tuple(7, 0, 0, false));
        doc.Undo();
        EXPECT_EQ(std::pair(doc.CurrentItem().LastAttempt, doc.CurrentItem().PenaltyPoints),
            std::pair(12, penalty));
    }
}

TEST(SortingMarker, ReadAndShow)
{
    for (const auto& [typed, text, position] :
        { std::tuple<const char*, const char*, int> { "la @maison", "la maison", 3 },
            { "@maison", "maison", 0 }, { "maison@", "maison", 0 }, { "a@b@c", "ab@c", 1 },
            { "maison", "maison", 0 }, { "@", "", 0 } }) {
        std::string read = typed;
        EXPECT_EQ(ExtractSortingMarker(read), position) << typed;
        EXPECT_EQ(read, text) << typed;
    }
    EXPECT_EQ(
        (std::vector { InsertSortingMarker("la maison", 3, false), InsertSortingMarker("maison", 0, true),
            InsertSortingMarker("maison", 0, false), InsertSortingMarker("ab", 10, false) }),
        (std::vector<std::string> { "la @maison", "@maison", "maison", "ab@" }));
    std::string scratch; // a text file's marker: an "@" of the text comes after it, the text kept whole
    for (const auto& [text, position, written] :
        { std::tuple<const char*, int, const char*> { "ab", 9, "ab@" }, { "ab", -1, "ab" },
            { "a@b", 0, "@a@b" }, { "a@b", 1, "a@@b" }, { "a@b c", 4, "@a@b c" } })
        EXPECT_EQ(MarkedForExport(text, position, scratch), written) << text << position;
}

} // namespace
