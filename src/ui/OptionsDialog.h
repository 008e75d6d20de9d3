#pragma once
// The options dialog: five pages (and three evaluation sub-pages) over the settings record and
// the two answer sounds. Nothing is written before OK; the rules live in OptionsRules.

#include "settings/OptionsRules.h"
#include "settings/Session.h"
#include "ui/OptionsReviewsPage.h"
#include "ui/SpeechPage.h"

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

class ISoundPlayer;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// What the dialog edits, and what it needs around it.
struct TOptionsTarget {
    TOptions* Options = nullptr;
    std::string* SoundFileRight = nullptr;
    std::string* SoundFileWrong = nullptr;
    int ForeignCharset = 0; // the script of an unassigned shortcut
    ISoundPlayer* Sound = nullptr; // plays a browsed sound; may be null
    TOptionsPages* Pages = nullptr; // the pages to open on, updated by OK; may be null
    TSpeechPageTarget Speech {}; // the Speech page, shown when its settings are given
    TReviewSettings* Reviews = nullptr; // the Reviews page; null: no such page
    std::string* UiLanguage = nullptr; // the window's language from the next start; null: not offered
    TThemeChoice* Theme = nullptr; // light or dark windows; null: not offered
    TReminderChoice* Reminder = nullptr; // the daily reminder on the Reviews page; null: not written
    // The current list's languages (foreign, native): the Reviews page may fit parameters to theirs.
    std::optional<std::pair<std::uint16_t, std::uint16_t>> ListLanguages {};
};

class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    TOptionsDialog(QWidget* parent, const TOptionsTarget& target);

    QTabWidget* pcOptions = nullptr;
    QWidget* tsGeneral = nullptr;
    QWidget* tsQuestion = nullptr;
    QWidget* tsEvaluation = nullptr;
    QWidget* tsFeedback = nullptr;
    TSpeechPage* tsSpeech = nullptr;
    TOptionsReviewsPage* tsReviews = nullptr; // OptionsReviewsPage.cpp
    QTabWidget* pcEvaluation = nullptr;
    QWidget* tsNative = nullptr;
    QWidget* tsForeign = nullptr;
    QWidget* tsEnglish = nullptr;

    QCheckBox* chbAppendNewWords = nullptr;
    QCheckBox* chbConfirmDuplicates = nullptr;
    QCheckBox* chbConfirmNoSort = nullptr;
    QCheckBox* chbConfirmNoCategory = nullptr;
    QCheckBox* chbSkipNotes = nullptr;
    QComboBox* cbColourLearnt = nullptr;
    QComboBox* cbShortcut = nullptr;
    QComboBox* cbCharSet = nullptr;
    QComboBox* cbCharacter = nullptr;
    QLabel* lblUnassigned = nullptr;
    QPushButton* btnClearAll = nullptr;
    QCheckBox* chbKeyboardSwitching = nullptr;
    QComboBox* cbUiLanguage = nullptr;
    QComboBox* cbColourTheme = nullptr; // in the order of TThemeChoice

    QCheckBox* chbTestNotesPassive = nullptr;
    QCheckBox* chbTestNotesActive = nullptr;
    QComboBox* cbNumChoices = nullptr;
    QCheckBox* chbUsePenaltyPoints = nullptr;
    QLabel* lblPenaltyPoints = nullptr;
    QLabel* lblMaxPenaltyPoints = nullptr;
    QComboBox* cbMaxPenaltyPoints = nullptr;
    QCheckBox* chbDisallowHints = nullptr;

    // One language side of the evaluation page.
    struct TSideControls {
        QCheckBox* Caps = nullptr;
        QCheckBox* Punc = nullptr;
        QCheckBox* Spaces = nullptr;
        QCheckBox* Brackets = nullptr;
        QLabel* lblBrackets = nullptr;
        QComboBox* cbBrackets = nullptr;
        QCheckBox* Alt = nullptr;
        QLabel* lblAlt = nullptr;
        QComboBox* cbAlt = nullptr;
        QCheckBox* Trans = nullptr; // translations (native) or synonyms (foreign)
        QLabel* lblTrans = nullptr;
        QComboBox* cbTrans1 = nullptr;
        QComboBox* cbTrans2 = nullptr;
        QCheckBox* Accents = nullptr; // accept answers that differ only in accents
        QCheckBox* Typos = nullptr; // count a single wrong letter as a typo
    };
    TSideControls Native; // chbNativeCaps ... cbNativeTrans2, chbNativeAccents, chbNativeTypos
    TSideControls Foreign; // chbForeignCaps ... cbForeignSyn2, chbForeignAccents, chbForeignTypos
    QCheckBox* chbIgnoreAux = nullptr;
    QCheckBox* chbIgnoreTo = nullptr;
    QCheckBox* chbIgnoreIze = nullptr;

    QRadioButton* rbColourRight = nullptr;
    QComboBox* cbColourRight = nullptr;
    QRadioButton* rbAutoContinue = nullptr;
    QLineEdit* edtSoundFileRight = nullptr;
    QPushButton* btnBrowseRight = nullptr;
    QComboBox* cbColourWrong = nullptr;
    QLineEdit* edtDelay = nullptr;
    QLineEdit* edtSoundFileWrong = nullptr;
    QPushButton* btnBrowseWrong = nullptr;

    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

    // The working copy of the shortcuts (written on OK).
    const std::array<std::uint16_t, ShortcutCount>& EditedShortcuts() const { return Shortcuts_; }

private:
    // The pages as they are built (OptionsDialogPages.cpp).
    void CreateGeneralPage();
    void CreateQuestionPage();
    void CreateEvaluationPage();
    TSideControls CreateSidePage(QWidget* page, bool native, int helpBase);
    void CreateFeedbackPage();
    void LoadControls(const TOptionsForm& form);
    TOptionsForm ReadControls() const;
    void ShowSide(const TSideControls& controls, const TEvaluationSide& side);
    TEvaluationSide ReadSide(const TSideControls& controls, const TEvaluationSide& stored) const;

    void ConfirmNoCategoryClick();
    void UsePenaltyPointsClick(bool fromCheckBox);
    void DelimiterOptionClick(TSideControls& controls, bool native, TDelimiterOption option);
    void ColourRightChoiceClick();
    void ShortcutKeySelected();
    void ShortcutCharacterChosen();
    void RefreshCharacters();
    void ClearAllClick();
    void BrowseSound(QLineEdit* edit);

    // The page checks; a failure has been reported and the focus moved.
    bool CheckShownPage();
    QWidget* ControlOf(TOptionsControl control) const;
    void OuterPageChanged(int index);
    void EvaluationPageChanged(int index);
    void btnOKClick();

    TOptionsTarget Target_;
    TOptionsForm Loaded_;
    std::array<std::uint16_t, ShortcutCount> Shortcuts_ {};
    int ShownPage_ = 0;
    int ShownEvaluationPage_ = 0;
    int ShownCharset_ = -1;
    bool Updating_ = false;
};
