#include "testing/SpokenField.h"

namespace {

TSpokenField FieldOf(const TVocabFile& document, const TVocabItem& item, TSpokenSide side)
{
    return side == TSpokenSide::Foreign ? TSpokenField { &item, fiForeign, document.ForeignLangID() }
                                        : TSpokenField { &item, fiNative, document.NativeLangID() };
}

} // namespace

std::optional<TSpokenField> SpokenField(
    const TVocabFile& document, const TTestEngine* engine, TSpokenSide side)
{
    if (engine == nullptr) {
        if (document.CurrentIndex() < 0 || document.CurrentIndex() >= document.Count())
            return std::nullopt;
        return FieldOf(document, document.Items(document.CurrentIndex()), side);
    }
    const TQuestionView& question = engine->Question();
    if (question.Item == nullptr)
        return std::nullopt;
    // Into the native language the foreign word is asked.
    const TSpokenSide asked = engine->TestMode() == 0 ? TSpokenSide::Foreign : TSpokenSide::Native;
    if (side == asked)
        return FieldOf(document, *question.Item, side);
    if (!engine->Answered())
        return std::nullopt;
    const TVocabItem* answer = engine->MultipleChoice() && engine->SelectedChoice() != nullptr
        ? engine->SelectedChoice()
        : question.Item;
    return FieldOf(document, *answer, side);
}

std::optional<TSpokenField> SpokenAnswer(
    const TVocabFile& document, const TTestEngine& engine, const TSpeechSettings& speech)
{
    const TQuestionView& question = engine.Question();
    if (!speech.Enabled || !speech.SpeakAnswerWrong || !engine.Answered() || engine.AnswerCorrect()
        || question.Item == nullptr)
        return std::nullopt;
    // In multiple choice too the word expected, not the one chosen.
    return FieldOf(
        document, *question.Item, engine.TestMode() == 0 ? TSpokenSide::Native : TSpokenSide::Foreign);
}

std::optional<TSpokenField> SpokenQuestion(
    const TVocabFile& document, const TTestEngine& engine, const TSpeechSettings& speech)
{
    const bool passive = engine.TestMode() == 0;
    if (!speech.Enabled || !(passive ? speech.SpeakQuestionPassive : speech.SpeakQuestionActive))
        return std::nullopt;
    return SpokenField(document, &engine, passive ? TSpokenSide::Foreign : TSpokenSide::Native);
}
