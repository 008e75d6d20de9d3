// Which field a Speak command reads, and which question is read as it appears: the answer's side
// never before the verdict.

#include "testing/SpokenField.h"

#include "core/DocumentBuilders.h"

#include <gtest/gtest.h>

namespace {

class SpokenFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillItems(Doc, German, EnglishUK,
            { { "der Hund", "", "", "dog" }, { "die Katze", "", "", "cat" },
                { "das Haus", "", "", "house" } });
    }
    // The text and language read, "" when nothing is.
    std::string Read(const TTestEngine* engine, TSpokenSide side) const
    {
        const auto field = SpokenField(Doc, engine, side);
        if (!field)
            return "";
        return std::string(field->Item->FieldValue(field->Field))
            + (field->Language == German ? " (de)" : " (en)");
    }

    TQuestionView AskFirst(std::uint8_t mode, bool choice)
    {
        Engine.SetTestMode(mode);
        Engine.SetMultipleChoice(choice);
        Doc.SetCurrentIndex(0);
        return Engine.ShowQuestion();
    }
    // Typed, or the entry whose text is response chosen.
    void Submit(const TQuestionView& view, bool choice, const std::string& response)
    {
        if (!choice) {
            Engine.SubmitTyped(response, "");
            return;
        }
        for (const TVocabItem* entry : view.Choices)
            if (Engine.ChoiceText(*entry) == response)
                Engine.SubmitChoice(entry);
        ASSERT_TRUE(Engine.Answered());
    }

    TVocabFile Doc;
    TOptions Options;
    TTestEngine Engine { Doc, Options };
};

TEST_F(SpokenFieldTest, ATestReadsTheQuestionAtOnceWithItsOptionAndTheAnswerAfterTheVerdict)
{
    const struct {
        const char* Case;
        std::uint8_t Mode;
        bool Choice;
        const char* Response; // typed, or in multiple choice the word of the entry chosen
        std::string Before[2], After[2]; // foreign, native
    } cases[] = {
        { "into the native language", 0, false, "cat", { "der Hund (de)", "" },
            { "der Hund (de)", "dog (en)" } },
        { "into the foreign language", 1, false, "x", { "", "dog (en)" }, { "der Hund (de)", "dog (en)" } },
        { "choice into the native language", 0, true, "cat", { "der Hund (de)", "" },
            { "der Hund (de)", "cat (en)" } },
        { "choice into the foreign language", 1, true, "das Haus", { "", "dog (en)" },
            { "das Haus (de)", "dog (en)" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        const TQuestionView view = AskFirst(c.Mode, c.Choice);
        for (const TSpokenSide side : { TSpokenSide::Foreign, TSpokenSide::Native })
            EXPECT_EQ(Read(&Engine, side), c.Before[static_cast<int>(side)]);
        Submit(view, c.Choice, c.Response);
        for (const TSpokenSide side : { TSpokenSide::Foreign, TSpokenSide::Native })
            EXPECT_EQ(Read(&Engine, side), c.After[static_cast<int>(side)]);
    }

    // The question is read as it appears only with its direction's option and speech on.
    Engine.SetMultipleChoice(false);
    Doc.SetCurrentIndex(2);
    for (const auto& [enabled, passive, active, mode, read] : { std::tuple(true, true, false, 0, "das Haus"),
             { true, true, false, 1, "" }, { true, false, true, 1, "house" }, { true, false, true, 0, "" },
             { false, true, true, 0, "" }, { true, false, false, 0, "" } }) {
        Engine.SetTestMode(static_cast<std::uint8_t>(mode));
        Engine.ShowQuestion();
        const auto field
            = SpokenQuestion(Doc, Engine, TSpeechSettings { enabled, passive, active, false, "", "", 0 });
        EXPECT_EQ(field ? std::string(field->Item->FieldValue(field->Field)) : "", read)
            << enabled << passive << active << mode;
    }
}

TEST_F(SpokenFieldTest, TheExpectedAnswerIsReadAfterAWrongVerdictWithItsOption)
{
    const struct {
        const char* Case;
        std::uint8_t Mode;
        bool Choice;
        const char* Response; // typed, or the native word of the entry chosen into the native language
        bool Enabled, Option;
        const char* Read;
    } cases[] = {
        { "wrong into the native language", 0, false, "cat", true, true, "dog (en)" },
        { "wrong into the foreign language", 1, false, "die Katze", true, true, "der Hund (de)" },
        { "option off", 0, false, "cat", true, false, "" },
        { "speech off", 0, false, "cat", false, true, "" },
        { "a wrong choice: the word expected, not the one chosen", 0, true, "cat", true, true, "dog (en)" },
        { "right (last: the word is learnt then)", 0, false, "dog", true, true, "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        const TQuestionView view = AskFirst(c.Mode, c.Choice);
        TSpeechSettings speech;
        speech.Enabled = c.Enabled;
        speech.SpeakAnswerWrong = c.Option;
        EXPECT_FALSE(SpokenAnswer(Doc, Engine, speech)) << "nothing before the verdict";
        Submit(view, c.Choice, c.Response);
        ASSERT_TRUE(Engine.Answered());
        const auto field = SpokenAnswer(Doc, Engine, speech);
        EXPECT_EQ(field ? std::string(field->Item->FieldValue(field->Field))
                    + (field->Language == German ? " (de)" : " (en)")
                        : "",
            c.Read);
    }
}

} // namespace
