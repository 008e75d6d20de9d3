#pragma once
// The Speak commands and the question read as it appears. What is read is the model's decision
// (SpokenField, SpeechText, the voice for the language); the speaker does the talking on a thread
// of its own, so nothing here waits for it.

#include "evaluation/Languages.h"
// Whole: lupdate reads an opaque enum declaration as the start of a scope and loses the class.
#include "testing/SpokenField.h"

#include <QCoreApplication>
#include <QObject>
#include <memory>
#include <optional>
#include <string>

class TMainForm;
class TSession;
class ISpeaker;
struct TSpeechPageTarget;

class TSpeechFeature : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TSpeechFeature)

public:
    explicit TSpeechFeature(TMainForm& form);
    ~TSpeechFeature() override;

    // Replaces the speaker (tests listen to their own).
    void SetSpeaker(std::unique_ptr<ISpeaker> speaker);
    ISpeaker& Speaker() { return *Speaker_; }
    void SpeakSide(TSpokenSide side);
    // The Speech page of the options: the settings, the speaker and the document's languages.
    TSpeechPageTarget PageTarget();

private:
    // Why the side's Speak command cannot run: nullopt when it can, "" when there is nothing to read.
    std::optional<QString> Blocked(TSpokenSide side);
    // Reads the question on screen when its direction's option is on; stops the old speech.
    void SpeakQuestion();
    void SpeakAnswer();
    void SpeakField(const std::optional<TSpokenField>& field, bool asked);
    // asked: the user asked for it, so a missing voice or service is told (once per run).
    void SpeakText(const std::string& text, TSpokenSide side, LangId language, bool asked);
    void SpeakerChanged();

    TMainForm& Form_;
    TSession& Session_;
    std::unique_ptr<ISpeaker> Speaker_;
    // What was to be said while the service was still being reached.
    struct TPendingSpeech {
        std::string Text;
        TSpokenSide Side;
        LangId Language;
        bool Asked;
    };
    std::optional<TPendingSpeech> PendingSpeech_;
    bool ToldSpeechProblem_ = false;
};
