// The typo rule: one edit from an accepted form, and what the test engine makes of it.

#include "testing/Typos.h"

#include "core/DocumentBuilders.h"
#include "testing/TestEngine.h"

#include <gtest/gtest.h>

namespace {

// The typed answer read through its marks: surplus in {braces}, missing in [brackets].
std::string Render(const std::vector<TAnswerMark>& marks)
{
    std::string out;
    for (const TAnswerMark& m : marks)
        out += m.Kind == TMarkKind::Surplus ? "{" + m.Text + "}"
            : m.Kind == TMarkKind::Missing  ? "[" + m.Text + "]"
                                            : m.Text;
    return out;
}

constexpr EvaluationFlags Lenient = efCaps | efPunctuation | efSpacing;
using enum TTypoKind;

TEST(TyposTest, OneEditFromAnAcceptedFormOfFourLettersIsATypo)
{
    const struct {
        const char* Name;
        const char* Expected;
        const char* Response;
        EvaluationFlags Flags;
        TTypoKind Kind;
        const char* Form;
        std::size_t FormAt;
        const char* Marked;
    } cases[] = {
        { "substitution", "house", "hoube", 0, Substitution, "house", 3, "hou{b}[s]e" },
        { "insertion", "house", "houese", 0, Insertion, "house", 3, "hou{e}se" },
        { "insertion at the end", "house", "houses", 0, Insertion, "house", 5, "house{s}" },
        { "deletion", "house", "huse", 0, Deletion, "house", 1, "h[o]use" },
        { "deletion at the end", "house", "hous", 0, Deletion, "house", 4, "hous[e]" },
        { "deletion at the start", "house", "ouse", 0, Deletion, "house", 0, "[h]ouse" },
        { "neighbour swap", "house", "hosue", 0, Swap, "house", 2, "ho{s}u[s]e" },
        { "swap of the last two", "house", "houes", 0, Swap, "house", 3, "hou{e}s[e]" },
        { "four letters are enough", "Hund", "Hnud", 0, Swap, "Hund", 1, "H{n}u[n]d" },
        { "in a synonym", "big; large", "lagre", efAnyTranslation, Swap, "large", 2, "la{g}r[g]e" },
        { "in a translation, the short one passed over", "dog, hound", "hond", efAnyTranslation, Deletion,
            "hound", 2, "ho[u]nd" },
        { "in the whole list", "dog; hound", "dog; hond", 0, Deletion, "dog; hound", 7, "dog; ho[u]nd" },
        { "in an alternative", "the big/large house", "the lage house", efAlternatives, Deletion,
            "the large house", 6, "the la[r]ge house" },
        { "in a bracket variant", "(to) answer", "anwser", efBrackets, Swap, "answer", 2, "an{w}s[w]er" },
        { "after the case is folded", "House", "HOUES", efCaps, Swap, "House", 3, "HOU{E}S[e]" },
        { "past ignored punctuation and spaces", "ice-cream", "Ice crem!", Lenient, Deletion, "ice-cream", 7,
            "Ice cre[a]m!" },
        { "case counts without Caps", "House", "house", 0, Substitution, "House", 0, "{h}[H]ouse" },
        { "an accent is a letter", "caf\xE9s", "cafes", 0, Substitution, "caf\xE9s", 3, "caf{e}[\xE9]s" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto typo = FindTypo(c.Expected, c.Response, English, c.Flags, {});
        ASSERT_TRUE(typo.has_value());
        EXPECT_EQ(std::tuple(typo->Kind, typo->Form, typo->FormAt), std::tuple(c.Kind, c.Form, c.FormAt));
        EXPECT_EQ(Render(TypoMarks(*typo, c.Response)), c.Marked);
    }
}

TEST(TyposTest, MoreThanOneEditShortFormsAndAcceptedAnswersAreNoTypos)
{
    const struct {
        const char* Name;
        const char* Expected;
        const char* Response;
        EvaluationFlags Flags;
    } cases[] = { { "two substitutions", "house", "hoost", 0 }, { "two insertions", "house", "hounses", 0 },
        { "two deletions", "house", "hse", 0 }, { "letters two apart exchanged", "house", "hsuoe", 0 },
        { "swap across an ignored hyphen", "well-known", "welk-lnown", Lenient },
        { "three letters", "dog", "dgo", 0 }, { "three letters among other signs", "a-b-c", "a-b-d", 0 },
        { "short synonym", "dog; hound", "dgo", efAnyTranslation },
        { "case already ignored", "House", "hOUSE", efCaps },
        { "punctuation already ignored", "ice-cream", "icecream", Lenient },
        { "another form spelt right", "Hand; Hund", "Hund", efAnyTranslation },
        { "empty response", "house", "", 0 }, { "empty expected", "", "house", 0 },
        { "unrelated", "house", "garden", 0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(FindTypo(c.Expected, c.Response, English, c.Flags, {}), std::nullopt);
    }
}

TEST(TyposTest, MarksStayWithinTheResponseWhateverTheTypoSays)
{
    // A typo from another response must not read past this one.
    const TTypo swap { Swap, "house", 9, 3 };
    EXPECT_EQ(Render(TypoMarks(swap, "hou")), "hou[e]");
    const TTypo deletion { Deletion, "house", 1, 7 };
    EXPECT_EQ(Render(TypoMarks(deletion, "hse")), "hse");
    const TTypo insertion { Insertion, "house", 2, 2 };
    EXPECT_EQ(Render(TypoMarks(insertion, "ab")), "ab");
}

// Accents and typos each follow their side's option; the marks beside the correct answer show what
// differed, and after a wrong verdict the user's answer shows where it went wrong.
TEST(TyposTest, AccentsAndTyposAreRightOnlyWithTheirSidesOptions)
{
    const std::string strasse = "Stra\xDF"
                                "e";
    enum : unsigned { NA = 1, FA = 2, NT = 4, FT = 8 }; // accents and typos, native and foreign
    const struct {
        const char* Name;
        std::uint8_t Mode;
        const char* Native; // the item's translation; the word is Strasse
        const char* Response;
        const char* Notes;
        unsigned Options;
        bool Right;
        const char* Verdict;
        const char* Marked; // beside the correct answer
    } cases[] = {
        { "typo into native", 0, "house", "huose", "", NT, true, "Almost! One letter differs.",
            "h{u}o[u]se" },
        { "typo into foreign", 1, "house", "Strabe", "", FT, true, "Almost! One letter differs.",
            "Stra{b}[\xDF]e" },
        { "ss for \xDF is two letters", 1, "house", "Strasse", "", NT | FT, false,
            "Wrong! Only the accents differ.", "" },
        { "typo option off", 0, "house", "huose", "", 0, false, "Wrong!", "" },
        { "the other side's typo option", 0, "house", "huose", "", FT, false, "Wrong!", "" },
        { "two letters off", 0, "house", "huoss", "", NT | FT, false, "Wrong!", "" },
        { "right stays plain", 0, "House", "House", "", NT | FT, true, "Right!", "" },
        { "accents accepted before typos", 0, "caf\xE9s", "cafes", "", NA | NT | FT, true,
            "Right! Check the accents.", "caf{e}[\xE9]s" },
        { "typo, notes wrong", 0, "house", "huose", "x", NT | FT, false, "Wrong!", "h{u}o[u]se" },
        { "accents accepted into foreign", 1, "caf\xE9", "Strasse", "", FA, true, "Right! Check the accents.",
            "Stra{ss}[\xDF]e" },
        { "accents refused but told", 1, "caf\xE9", "strasse", "", NA, false,
            "Wrong! Only the accents differ.", "" },
        { "another letter is plain wrong", 1, "caf\xE9", "Strase", "", NA | FA, false, "Wrong!", "" },
        { "accents into native, its own option", 0, "caf\xE9", "cafe", "", NA, true,
            "Right! Check the accents.", "caf{e}[\xE9]" },
        { "accents into native, option off", 0, "caf\xE9", "cafe", "", FA, false,
            "Wrong! Only the accents differ.", "" },
        { "accents, notes wrong", 1, "caf\xE9", "Strasse", "x", 0, false, "Wrong!", "" },
        { "accents accepted, notes wrong", 1, "caf\xE9", "Strasse", "x", FA, false, "Wrong!",
            "Stra{ss}[\xDF]e" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        TOptions options;
        options.TestNotesActive = options.TestNotesPassive = std::string_view(c.Notes) == "x";
        options.NativeAccents = (c.Options & NA) != 0;
        options.ForeignAccents = (c.Options & FA) != 0;
        options.NativeTypos = (c.Options & NT) != 0;
        options.ForeignTypos = (c.Options & FT) != 0;
        TTestEngine engine(doc, options);
        FillItems(doc, German, French, { { strasse, "", "notes", c.Native } });
        doc.SetCurrentIndex(0);
        engine.SetTestMode(c.Mode);
        engine.ShowQuestion();
        const TAnswerOutcome outcome = engine.SubmitTyped(c.Response, c.Notes);
        const TAnswerView view = engine.AnswerView();
        // Right, recorded, learnt at once without penalty points, ticked.
        EXPECT_EQ(std::tuple(outcome.Right, outcome.RecordedCorrect, doc.Items(0).Learnt(), view.Tick),
            std::tuple(c.Right, c.Right, c.Right, c.Right));
        EXPECT_EQ(doc.Attempts(), 1);
        EXPECT_EQ(view.Verdict, c.Verdict);
        EXPECT_EQ(Render(view.ResponseMarks), c.Marked);
        EXPECT_EQ(engine.TypoAccepted(), c.Right && std::string_view(c.Verdict).starts_with("Almost"));
        if (!c.Right && *c.Marked == '\0') {
            engine.ToggleAnswer();
            EXPECT_FALSE(engine.AnswerView().ResponseMarks.empty()) << "the user's answer shows where";
        }
    }
}

TEST(TyposTest, TheTypoVerdictBelongsToItsQuestionAndPassesOnWithAutoContinue)
{
    TVocabFile doc;
    TOptions options;
    options.NativeTypos = true;
    options.AutoContinue = true;
    TTestEngine engine(doc, options);
    FillItems(doc, German, English,
        { { "das Haus", "", "", "house" }, { "der Garten", "", "", "garden" },
            { "der Baum", "", "", "tree" } });
    doc.SetCurrentIndex(0);
    engine.ShowQuestion();
    EXPECT_TRUE(engine.SubmitTyped("hous", "").ContinueAtOnce);
    EXPECT_TRUE(engine.TypoAccepted());
    doc.SetCurrentIndex(1);
    EXPECT_EQ(engine.ShowQuestion().PassedVerdict, "Almost! One letter differs.");
    EXPECT_FALSE(engine.TypoAccepted());
    engine.SubmitTyped("garden", "");
    EXPECT_FALSE(engine.TypoAccepted());

    doc.SetCurrentIndex(2);
    engine.ShowQuestion();
    engine.SubmitTyped("tere", "");
    ASSERT_TRUE(engine.TypoAccepted());
    engine.SetTestMode(1); // the question is dropped
    EXPECT_FALSE(engine.TypoAccepted());
}

} // namespace
