#pragma once
// The test panel (pnlTest): the question, the answer fields or the choice list, the verdict and
// the Enter/Continue button. It presents what the test engine decides and forwards the user's
// answer to it; the main window hosts it and runs the flow between questions. The widgets it is
// made of (the painted question, the choice list) are in TestPanelWidgets.cpp.

#include "settings/Settings.h"
#include "testing/TestEngine.h"
#include "ui/VocabGrid.h"

#include <QFrame>
#include <QListWidget>
#include <QWidget>

class ISoundPlayer;
class QLabel;
class QPushButton;
class QTimer;
class TReviewBar;
class TVocabEdit;
class TSymbolEdit;

// The panel's margin, where the question's text starts too.
inline constexpr int TestPanelMargin = 8;

// The question: painted, and disabled so that clicks reach the panel beneath.
class TQuestionBox : public QWidget {
    Q_OBJECT
public:
    explicit TQuestionBox(QWidget* parent);
    void SetQuestion(const TVocabFile* document, const TQuestionView* view, const TItemFonts* fonts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TVocabFile* Document_ = nullptr;
    const TQuestionView* View_ = nullptr;
    const TItemFonts* Fonts_ = nullptr;
};

// pnlQuestion: a double-click leaves testing to edit the item.
class TQuestionPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// lbChoice: entries carry their item; letters jump by the engine's type-ahead into the foreign
// language, and a click on an entry answers.
class TChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit TChoiceList(QWidget* parent);
    void SetEngine(TTestEngine* engine) { Engine_ = engine; }
    const TVocabItem* ItemAt(int row) const;
    // The selected entry's row, -1 when none is selected.
    int SelectedRow() const;
    void SetEntryColour(const QColor& colour) { EntryColour_ = colour; }
    QColor EntryColour() const { return EntryColour_; }
    void SetItemHeight(int height) { ItemHeight_ = height; }
    int ItemHeight() const { return ItemHeight_; }
    void SetFonts(const TItemFonts* fonts) { Fonts_ = fonts; }
    const TItemFonts* Fonts() const { return Fonts_; }
    TTestEngine* Engine() const { return Engine_; }

signals:
    void EntryClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TTestEngine* Engine_ = nullptr;
    QColor EntryColour_;
    int ItemHeight_ = 20;
    const TItemFonts* Fonts_ = nullptr;
};

// pnlChoice: the disabled list passes its clicks here, which continue the test.
class TChoicePanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
signals:
    void Released(QPoint pos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TTestPanel : public QWidget {
    Q_OBJECT
public:
    // The answer sounds are read from the settings at each answer.
    TTestPanel(const TSettings& settings, QWidget* parent);
    ~TTestPanel() override;

    // The engine of the running test; the panel does not own it. Null outside a test.
    void SetEngine(TTestEngine* engine);
    TTestEngine* Engine() const { return Engine_; }
    void SetSoundPlayer(ISoundPlayer* player) { Sound_ = player; }

    // The display font on the question, the fields and the list.
    void ApplyDisplayFont(const TItemFonts& fonts);
    void LayoutTestPanel();
    // Starts the engine's question for the document's current item and shows it.
    void ShowQuestion();
    // Enter: answers the question, or continues once answered (and the delay has run out).
    void EnterCommand();
    // Hint for the focused field; raises "Command unavailable." elsewhere.
    void HintCommand();
    // The focused answer field as the engine names it, and whether it is read-only.
    TTestField FocusedField() const;
    bool FocusedFieldReadOnly() const;

    TQuestionPanel* pnlQuestion = nullptr;
    TQuestionBox* pbQuestion = nullptr;
    QLabel* imgResult = nullptr;
    QWidget* pnlNotes = nullptr;
    QLabel* lblTestCategory = nullptr;
    TVocabEdit* edtTestCategory = nullptr;
    QLabel* lblTestNotes = nullptr;
    TSymbolEdit* edtTestNotes = nullptr;
    QWidget* pnlResponse = nullptr;
    QLabel* lblResponse = nullptr;
    TSymbolEdit* edtResponse = nullptr;
    // Where the typed answer went wrong, under the field while the user's answer shows.
    QLabel* lblMarks = nullptr;
    TChoicePanel* pnlChoice = nullptr;
    QLabel* lblChoice = nullptr;
    TChoiceList* lbChoice = nullptr;
    QWidget* pnlButtons = nullptr;
    QLabel* pnlTestStatus = nullptr;
    QPushButton* btnToggleAnswer = nullptr;
    QPushButton* btnEnter = nullptr;
    // Shown during a review only.
    TReviewBar* pnlReview = nullptr;
    QTimer* timAnswer = nullptr;

signals:
    // The answer was recorded in the document (its counters and the item's state changed).
    void AnswerRecorded();
    // The answer could not be kept (a review's history failed); no verdict was shown.
    // passing: the history was busy or the disk full, and the same answer may be given again.
    void AnswerFailed(const QString& message, bool passing);
    // Continue: the main window asks the next question or ends the test.
    void ContinueRequested();
    // The question panel was double-clicked.
    void EditItemRequested();
    // A new question is on screen.
    void QuestionShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowResult(const TAnswerOutcome& outcome);
    // What a screen reader says of the question on screen and of a verdict.
    QString QuestionReading() const;
    QString VerdictReading(const TAnswerView& view) const;
    void Announce(const QString& text);
    void ShowAnswer();
    void btnToggleAnswerClick();
    void timAnswerTimer();
    void pnlChoiceReleased(QPoint pos);
    void FillChoices(const TVocabItemArray& choices);
    void SetFieldColour(TVocabEdit* edit, TTextColour colour);
    TColour RoleValue(TTextColour colour) const;
    QColor RoleColour(TTextColour colour) const;
    void SetChoiceColour(TTextColour colour);
    void ShowResultImage(bool tick);
    // Paints what holds colours again in those of the palette now in use.
    void ApplyColours();
    void SetMarks(const std::vector<TAnswerMark>& marks);
    int AnswerCodePage() const;
    int NativeCodePage() const;

    TTestEngine* Engine_ = nullptr;
    const TSettings& Settings_;
    ISoundPlayer* Sound_ = nullptr;
    TItemFonts Fonts_;
    TQuestionView View_;
    QWidget* Fields_ = nullptr; // holds pnlNotes and pnlResponse in the direction's order
    // What is shown in which colour, so that another palette can paint it again.
    TTextColour ResponseColour_ = TTextColour::WindowText;
    TTextColour NotesColour_ = TTextColour::WindowText;
    TTextColour ChoiceColour_ = TTextColour::WindowText;
    std::vector<TAnswerMark> Marks_;
    bool Tick_ = false;
};
