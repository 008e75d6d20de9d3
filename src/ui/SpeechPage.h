#pragma once
// The Speech page of the options dialog: speech on or off, the question read per direction, the
// voice of each side among those the speech service offers for its language, and the rate.
// Nothing is written before Store (the dialog's OK).

#include "evaluation/Languages.h"
#include "settings/Settings.h"

#include <QWidget>
#include <string>

class ISpeaker;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

struct TSpeechPageTarget {
    TSpeechSettings* Speech = nullptr;
    ISpeaker* Speaker = nullptr; // null: no voices are listed
    LangId ForeignLanguage = 0;
    LangId NativeLanguage = 0;
    // What each Test button reads (UTF-8).
    std::string ForeignSample;
    std::string NativeSample;
};

class TSpeechPage : public QWidget {
    Q_OBJECT
public:
    TSpeechPage(const TSpeechPageTarget& target, QWidget* parent = nullptr);
    void Store();

    QCheckBox* chbSpeechEnabled = nullptr;
    QCheckBox* chbSpeakQuestionPassive = nullptr;
    QCheckBox* chbSpeakQuestionActive = nullptr;
    QCheckBox* chbSpeakAnswerWrong = nullptr;
    QComboBox* cbForeignVoice = nullptr;
    QPushButton* btnTestForeign = nullptr;
    QComboBox* cbNativeVoice = nullptr;
    QPushButton* btnTestNative = nullptr;
    QSlider* tbRate = nullptr;
    // What stands in the way of speech, when something does.
    QLabel* lblSpeechState = nullptr;

private:
    // Lists the voices for each side's language, keeping what is chosen.
    void FillVoices();
    void FillVoiceList(QComboBox* box, LangId language, const std::string& chosen);
    void TestVoice(QComboBox* box, LangId language, const std::string& sample);
    void UpdateControls();

    TSpeechPageTarget Target_;
};
