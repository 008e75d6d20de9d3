#pragma once
// Which field the Speak commands read, in the grid and in a test: the side asked is read at once,
// the side answered only after the verdict, so speech never gives an answer away.

#include "settings/Settings.h"
#include "testing/TestEngine.h"

#include <optional>

enum class TSpokenSide : std::uint8_t { Foreign, Native };

struct TSpokenField {
    const TVocabItem* Item = nullptr;
    int Field = fiForeign; // fiForeign or fiNative
    LangId Language = 0;
};

// What the side's Speak command reads; nullopt when there is nothing to read (the command is
// disabled). Without a test (engine null) the document's current item. In a test the question's
// side at any time; the answer's side after the verdict: the expected answer, or in multiple
// choice the entry chosen.
std::optional<TSpokenField> SpokenField(
    const TVocabFile& document, const TTestEngine* engine, TSpokenSide side);
// The expected answer after a wrong verdict, when the option to read it is on.
std::optional<TSpokenField> SpokenAnswer(
    const TVocabFile& document, const TTestEngine& engine, const TSpeechSettings& speech);
// The question read as it appears: its field when the direction's option is on.
std::optional<TSpokenField> SpokenQuestion(
    const TVocabFile& document, const TTestEngine& engine, const TSpeechSettings& speech);
