// The test panel: its layout, the question shown, the answer taken and the verdict.

#include "ui/TestPanel.h"

#include "core/Errors.h"
#include "evaluation/TextUtils.h"
#include "qtsupport/ColourTheme.h"
#include "qtsupport/ModelText.h"
#include "ui/Accessible.h"
#include "ui/QtText.h"
#include "ui/ResultImage.h"
#include "ui/ReviewBar.h"
#include "ui/Sound.h"
#include "ui/SymbolEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int Margin = TestPanelMargin;
// The question panel's designed height; a larger font makes it taller.
constexpr int QuestionHeight = 43;

} // namespace

// ---- Panel ---------------------------------------------------------------------------------

TTestPanel::TTestPanel(const TSettings& settings, QWidget* parent)
    : QWidget(parent)
    , Settings_(settings)
{
    setObjectName(QStringLiteral("pnlTest"));
    // Holds the focus while Continue waits out the delay, so Return does nothing meanwhile.
    setFocusPolicy(Qt::ClickFocus);

    pnlQuestion = new TQuestionPanel(this);
    pnlQuestion->setObjectName(QStringLiteral("pnlQuestion"));
    pnlQuestion->setAutoFillBackground(true);
    pnlQuestion->setBackgroundRole(QPalette::Base);
    pnlQuestion->setFixedHeight(QuestionHeight);
    pbQuestion = new TQuestionBox(pnlQuestion);
    imgResult = new QLabel(pnlQuestion);
    imgResult->setObjectName(QStringLiteral("imgResult"));
    imgResult->setFixedSize(20, 20);
    imgResult->hide();
    auto* question = new QHBoxLayout(pnlQuestion);
    question->setContentsMargins(0, 0, Margin + 4, 1);
    question->addWidget(pbQuestion, 1);
    question->addWidget(imgResult, 0, Qt::AlignVCenter);

    pnlNotes = new QWidget(this);
    pnlNotes->setObjectName(QStringLiteral("pnlNotes"));
    lblTestCategory = new QLabel(tr("Part of speech:"), pnlNotes);
    lblTestCategory->setObjectName(QStringLiteral("lblTestCategory"));
    edtTestCategory = new TVocabEdit(pnlNotes);
    edtTestCategory->setObjectName(QStringLiteral("edtTestCategory"));
    edtTestCategory->setReadOnly(true);
    edtTestCategory->setFocusPolicy(Qt::ClickFocus);
    edtTestCategory->SetTag(NativeLanguageTag);
    lblTestNotes = new QLabel(tr("Notes:"), pnlNotes);
    lblTestNotes->setObjectName(QStringLiteral("lblTestNotes"));
    edtTestNotes = new TSymbolEdit(pnlNotes);
    edtTestNotes->setObjectName(QStringLiteral("edtTestNotes"));
    edtTestNotes->SetTag(NativeLanguageTag);
    auto* notes = new QHBoxLayout(pnlNotes);
    notes->setContentsMargins(0, 0, 0, 0);
    notes->addWidget(lblTestCategory);
    notes->addWidget(edtTestCategory, 1);
    notes->addSpacing(Margin);
    notes->addWidget(lblTestNotes);
    notes->addWidget(edtTestNotes, 3);

    pnlResponse = new QWidget(this);
    pnlResponse->setObjectName(QStringLiteral("pnlResponse"));
    lblResponse = new QLabel(pnlResponse);
    lblResponse->setObjectName(QStringLiteral("lblResponse"));
    edtResponse = new TSymbolEdit(pnlResponse);
    edtResponse->setObjectName(QStringLiteral("edtResponse"));
    lblMarks = new QLabel(pnlResponse);
    lblMarks->setObjectName(QStringLiteral("lblMarks"));
    lblMarks->setTextFormat(Qt::RichText);
    // Its line is kept while it is hidden, so showing the marks moves nothing below it; a
    // long text is cut off rather than widening the panel.
    QSizePolicy marksPolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    marksPolicy.setRetainSizeWhenHidden(true);
    lblMarks->setSizePolicy(marksPolicy);
    lblMarks->hide();
    auto* response = new QGridLayout(pnlResponse);
    response->setContentsMargins(0, 0, 0, 0);
    response->setVerticalSpacing(4);
    response->addWidget(lblResponse, 0, 0);
    response->addWidget(edtResponse, 0, 1);
    response->addWidget(lblMarks, 1, 1);
    response->setColumnStretch(1, 1);
    // The labels name their fields for a screen reader.
    lblTestCategory->setBuddy(edtTestCategory);
    lblTestNotes->setBuddy(edtTestNotes);
    lblResponse->setBuddy(edtResponse);

    pnlChoice = new TChoicePanel(this);
    pnlChoice->setObjectName(QStringLiteral("pnlChoice"));
    lblChoice = new QLabel(pnlChoice);
    lblChoice->setObjectName(QStringLiteral("lblChoice"));
    lbChoice = new TChoiceList(pnlChoice);
    auto* choice = new QHBoxLayout(pnlChoice);
    choice->setContentsMargins(0, 0, 0, 0);
    choice->addWidget(lblChoice, 0, Qt::AlignTop);
    choice->addWidget(lbChoice, 1);

    pnlButtons = new QWidget(this);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlTestStatus = new QLabel(pnlButtons);
    pnlTestStatus->setObjectName(QStringLiteral("pnlTestStatus"));
    pnlTestStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlTestStatus->setEnabled(false);
    pnlTestStatus->setIndent(6);
    QFont statusFont = pnlTestStatus->font();
    statusFont.setBold(true);
    pnlTestStatus->setFont(statusFont);
    btnToggleAnswer = new QPushButton(ModelText("Your &Answer"), pnlButtons);
    btnToggleAnswer->setObjectName(QStringLiteral("btnToggleAnswer"));
    btnEnter = new QPushButton(tr("Enter"), pnlButtons);
    btnEnter->setObjectName(QStringLiteral("btnEnter"));
    btnEnter->setDefault(true);
    // Both captions fit, so the button does not jump when it turns into Continue.
    btnEnter->setMinimumWidth(std::max(
        btnEnter->sizeHint().width(), btnEnter->fontMetrics().horizontalAdvance(ModelText("Continue")) + 24));
    btnToggleAnswer->setMinimumWidth(btnToggleAnswer->fontMetrics().horizontalAdvance(
                                         ModelText("Correct &Answer").remove(QLatin1Char('&')))
        + 24);
    auto* buttons = new QHBoxLayout(pnlButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(pnlTestStatus, 1);
    buttons->addSpacing(Margin);
    buttons->addWidget(btnToggleAnswer);
    buttons->addWidget(btnEnter);
    pnlReview = new TReviewBar(this);
    pnlReview->hide();
    setAccessibleName(tr("Test"));
    pbQuestion->setAccessibleDescription(tr("Question"));

    Fields_ = new QWidget(this);
    auto* fields = new QVBoxLayout(Fields_);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setSpacing(6);
    pnlNotes->setParent(Fields_);
    pnlResponse->setParent(Fields_);
    fields->addWidget(pnlNotes);
    fields->addWidget(pnlResponse);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(Margin, 12, Margin, Margin);
    body->setSpacing(0);
    body->addWidget(Fields_);
    body->addWidget(pnlChoice);
    body->addSpacing(12);
    body->addWidget(pnlButtons);
    body->addWidget(pnlReview);
    body->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlQuestion);
    layout->addLayout(body, 1);

    timAnswer = new QTimer(this);
    timAnswer->setObjectName(QStringLiteral("timAnswer"));
    timAnswer->setSingleShot(true);

    connect(btnEnter, &QPushButton::clicked, this, &TTestPanel::EnterCommand);
    connect(btnToggleAnswer, &QPushButton::clicked, this, &TTestPanel::btnToggleAnswerClick);
    connect(timAnswer, &QTimer::timeout, this, &TTestPanel::timAnswerTimer);
    connect(lbChoice, &TChoiceList::EntryClicked, this, &TTestPanel::EnterCommand);
    connect(pnlChoice, &TChoicePanel::Released, this, &TTestPanel::pnlChoiceReleased);
    connect(pnlQuestion, &TQuestionPanel::DoubleClicked, this, &TTestPanel::EditItemRequested);

    ApplyDisplayFont(TItemFonts { font(), font(), font() });
    ApplyColours();
}

TTestPanel::~TTestPanel() = default;

void TTestPanel::SetEngine(TTestEngine* engine)
{
    Engine_ = engine;
    lbChoice->SetEngine(engine);
}

void TTestPanel::ApplyDisplayFont(const TItemFonts& fonts)
{
    Fonts_ = fonts;
    const QFontMetrics bold(Fonts_.Bold);
    const QFontMetrics regular(Fonts_.Regular);
    pnlQuestion->setFixedHeight(std::max(QuestionHeight, bold.height() + 2 * 12));
    pbQuestion->setFont(Fonts_.Bold);
    edtTestCategory->setFont(Fonts_.Regular);
    edtTestNotes->setFont(Fonts_.Italic);
    edtResponse->setFont(Fonts_.Regular);
    lblMarks->setFont(Fonts_.Regular);
    lblMarks->setFixedHeight(regular.height() + 4);
    lbChoice->setFont(Fonts_.Regular);
    lbChoice->SetFonts(&Fonts_);
    lbChoice->SetItemHeight(regular.height() + 6);
    lbChoice->doItemsLayout();
    // The labels share one column, wide enough for the longest of them.
    int labels = 0;
    for (const QString& caption :
        { tr("Part of speech:"), ModelText("Word/phrase:"), ModelText("Translations:") })
        labels = std::max(labels, lblResponse->fontMetrics().horizontalAdvance(caption));
    for (QLabel* label : { lblTestCategory, lblResponse, lblChoice })
        label->setFixedWidth(labels + Margin);
    pbQuestion->update();
}

int TTestPanel::AnswerCodePage() const
{
    return Engine_ ? LanguageCodePage(Engine_->AnswerLanguage()) : 1252;
}

int TTestPanel::NativeCodePage() const
{
    return Engine_ ? LanguageCodePage(Engine_->Document().NativeLangID()) : 1252;
}

void TTestPanel::LayoutTestPanel()
{
    if (!Engine_)
        return;
    const TTestLayout layout = Engine_->Layout();
    const QString label = ModelText(layout.AnswerLabel.c_str());
    const int answerPage = LanguageCodePage(layout.AnswerLanguage);
    Fields_->setVisible(!layout.MultipleChoice);
    pnlChoice->setVisible(layout.MultipleChoice);
    lblChoice->setText(label);
    SetBuddy(lblChoice, lbChoice);
    lblResponse->setText(label);
    lbChoice->setProperty("Tag", layout.AnswerTag);
    edtResponse->SetTag(layout.AnswerTag);
    edtResponse->SetCodePage(answerPage);
    edtTestCategory->SetCodePage(NativeCodePage());
    edtTestNotes->SetCodePage(NativeCodePage());

    // Exactly ChoiceRows rows, whatever the font.
    lbChoice->setFixedHeight(lbChoice->ItemHeight() * layout.ChoiceRows + 2 * lbChoice->frameWidth());

    auto* fields = static_cast<QVBoxLayout*>(Fields_->layout());
    fields->removeWidget(pnlNotes);
    fields->removeWidget(pnlResponse);
    QWidget* first = layout.NotesFirst ? pnlNotes : pnlResponse;
    QWidget* second = layout.NotesFirst ? pnlResponse : pnlNotes;
    fields->addWidget(first);
    fields->addWidget(second);
    if (layout.MultipleChoice) {
        setTabOrder(lbChoice, btnToggleAnswer);
    } else if (layout.NotesFirst) {
        setTabOrder(edtTestNotes, edtResponse);
        setTabOrder(edtResponse, btnToggleAnswer);
    } else {
        setTabOrder(edtResponse, edtTestNotes);
        setTabOrder(edtTestNotes, btnToggleAnswer);
    }
    setTabOrder(btnToggleAnswer, btnEnter);
}

TColour TTestPanel::RoleValue(TTextColour colour) const
{
    return ColourOf(colour, Engine_ ? Engine_->Settings() : Settings_.Options,
        ToColour(palette().color(QPalette::Active, QPalette::Text)));
}

// The user's colour as chosen where it reads on the fields' background; where it does not (navy
// on a dark palette, yellow on white), the same colour lightened or darkened until it does:
// what the verdict says must be legible, and the choice is still recognisable.
QColor TTestPanel::RoleColour(TTextColour colour) const
{
    return ReadableColour(RoleValue(colour), palette().color(QPalette::Active, QPalette::Base));
}

void TTestPanel::SetFieldColour(TVocabEdit* edit, TTextColour colour)
{
    (edit == edtResponse ? ResponseColour_ : NotesColour_) = colour;
    QPalette palette = edit->palette();
    const QColor text = RoleColour(colour);
    palette.setColor(QPalette::Active, QPalette::Text, text);
    palette.setColor(QPalette::Inactive, QPalette::Text, text);
    edit->setPalette(palette);
}

void TTestPanel::SetChoiceColour(TTextColour colour)
{
    ChoiceColour_ = colour;
    lbChoice->SetEntryColour(RoleColour(colour));
    lbChoice->viewport()->update();
}

void TTestPanel::ShowResultImage(bool tick)
{
    Tick_ = tick;
    imgResult->setPixmap(QPixmap::fromImage(ResultImage(tick,
        ReadableColour(RoleValue(tick ? TTextColour::Right : TTextColour::Wrong),
            pnlQuestion->palette().color(QPalette::Active, QPalette::Base)),
        imgResult->devicePixelRatioF())));
}

void TTestPanel::ApplyColours()
{
    // Disabled only so it takes no part in the dialogue; the verdict itself must read clearly.
    QPalette statusPalette = pnlTestStatus->palette();
    statusPalette.setColor(
        QPalette::Disabled, QPalette::WindowText, palette().color(QPalette::Active, QPalette::WindowText));
    pnlTestStatus->setPalette(statusPalette);
    SetFieldColour(edtResponse, ResponseColour_);
    SetFieldColour(edtTestNotes, NotesColour_);
    SetChoiceColour(ChoiceColour_);
    // Notes shown as information take the panel's colour, like the part of speech.
    QPalette notesPalette = edtTestNotes->palette();
    notesPalette.setColor(
        QPalette::Base, palette().color(View_.NotesReadOnly ? QPalette::Window : QPalette::Base));
    edtTestNotes->setPalette(notesPalette);
    QPalette categoryPalette = edtTestCategory->palette();
    categoryPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    edtTestCategory->setPalette(categoryPalette);
    if (!imgResult->isHidden())
        ShowResultImage(Tick_);
    SetMarks(std::vector<TAnswerMark>(Marks_));
}

void TTestPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ApplyColours();
}

void TTestPanel::FillChoices(const TVocabItemArray& choices)
{
    lbChoice->setUpdatesEnabled(false);
    lbChoice->clear();
    for (const TVocabItem* choice : choices) {
        const std::string_view text = Engine_->ChoiceText(*choice);
        auto* entry = new QListWidgetItem(ToQString(text, AnswerCodePage()));
        entry->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(choice)));
        // Read as painted: with its notes, and while the choice is open with the number key.
        const QString read = ShownFieldsText(
            Engine_->Document(), *choice, ShownFields(*choice, Engine_->TestMode() == 1, false, true), u", ");
        const int number = lbChoice->count() + 1;
        entry->setData(Qt::AccessibleTextRole,
            lbChoice->isEnabled() && number <= 9 ? QStringLiteral("%1. %2").arg(number).arg(read) : read);
        lbChoice->addItem(entry);
    }
    lbChoice->setCurrentRow(-1);
    lbChoice->clearSelection();
    lbChoice->setUpdatesEnabled(true);
}

void TTestPanel::ShowQuestion()
{
    if (!Engine_)
        return;
    View_ = Engine_->ShowQuestion();
    pbQuestion->SetQuestion(&Engine_->Document(), &View_, &Fonts_);
    imgResult->hide();
    // After automatic continuation the verdict of the question passed stays in sight.
    pnlTestStatus->setText(View_.PassedVerdict.empty()
            ? QString()
            : ModelText(View_.PassedVerdict.c_str()) + QLatin1Char(' ')
                + ToQString(View_.PassedForeign, LanguageCodePage(Engine_->Document().ForeignLangID()))
                + QStringLiteral(" \u2013 ") + ToQString(View_.PassedNative, NativeCodePage()));
    SetMarks({});
    Announce(QString());
    const QString question = QuestionReading();
    pbQuestion->setAccessibleName(question);
    // The focus lands on the answer field, or stays there after a right answer that continued at
    // once: its description says the question, so a screen reader reads each new one.
    const QString asked = pnlTestStatus->text().isEmpty()
        ? tr("Question: %1").arg(question)
        : tr("%1 Question: %2").arg(pnlTestStatus->text(), question);
    for (QWidget* field : std::initializer_list<QWidget*> { edtResponse, edtTestNotes, lbChoice })
        field->setAccessibleDescription(asked);

    if (Engine_->MultipleChoice()) {
        lbChoice->setEnabled(true);
        SetChoiceColour(TTextColour::WindowText);
        FillChoices(View_.Choices);
        lbChoice->setFocus();
    } else {
        SetFieldColour(edtResponse, TTextColour::WindowText);
        edtResponse->setReadOnly(false);
        edtResponse->SetBytes({});
        edtTestCategory->SetBytes(View_.Category);
        edtTestCategory->setCursorPosition(0);
        SetFieldColour(edtTestNotes, TTextColour::WindowText);
        edtTestNotes->setFocusPolicy(View_.TestNotes ? Qt::StrongFocus : Qt::ClickFocus);
        edtTestNotes->setReadOnly(View_.NotesReadOnly);
        ApplyColours();
        edtTestNotes->SetBytes(View_.NotesText);
        edtTestNotes->setCursorPosition(0);
        (View_.Focus == TTestField::Notes ? edtTestNotes : edtResponse)->setFocus();
    }
    timAnswer->stop();
    btnEnter->setEnabled(true);
    btnEnter->setText(tr("Enter"));
    btnToggleAnswer->setEnabled(false);
    btnToggleAnswer->setText(ModelText("Your &Answer"));
    emit QuestionShown();
}

void TTestPanel::EnterCommand()
{
    if (!Engine_ || !btnEnter->isEnabled())
        return;
    if (Engine_->Answered()) {
        emit ContinueRequested();
        return;
    }
    TAnswerOutcome outcome;
    try {
        outcome = Engine_->MultipleChoice()
            ? Engine_->SubmitChoice(lbChoice->ItemAt(lbChoice->SelectedRow()))
            : Engine_->SubmitTyped(edtResponse->Bytes(), edtTestNotes->Bytes());
    } catch (const THistoryError& error) {
        // A verdict is shown only for an answer that was kept.
        emit AnswerFailed(ErrorText(error),
            error.Problem == THistoryProblem::Busy || error.Problem == THistoryProblem::Full);
        return;
    } catch (const std::exception& error) {
        emit AnswerFailed(ErrorText(error), false);
        return;
    }
    if (Sound_)
        Sound_->Play(outcome.Right ? Settings_.SoundFileRight : Settings_.SoundFileWrong);
    emit AnswerRecorded();
    if (outcome.ContinueAtOnce)
        emit ContinueRequested();
    else
        ShowResult(outcome);
}

void TTestPanel::ShowResult(const TAnswerOutcome& outcome)
{
    const TAnswerView view = Engine_->AnswerView();
    ShowResultImage(view.Tick);
    imgResult->show();
    if (Engine_->MultipleChoice()) {
        lbChoice->setEnabled(false);
    } else {
        edtResponse->setReadOnly(true);
        if (view.Notes)
            edtTestNotes->setReadOnly(true);
    }
    ShowAnswer();
    pnlTestStatus->setText(ModelText(view.Verdict.c_str()));
    imgResult->setAccessibleName(pnlTestStatus->text());
    Announce(VerdictReading(view));
    btnToggleAnswer->setEnabled(view.ToggleEnabled);
    btnEnter->setText(ModelText(view.EnterCaption.c_str()));
    btnEnter->setFocus();
    if (outcome.DelayMs > 0) {
        // Disabling the focused button would hand the focus to the toggle; the panel keeps it.
        setFocus();
        btnEnter->setEnabled(false);
        timAnswer->start(outcome.DelayMs);
    }
}

QString TTestPanel::QuestionReading() const
{
    if (!View_.Item)
        return {};
    const TVocabFile& document = Engine_->Document();
    QString text = ShownFieldsText(document, *View_.Item,
        ShownFields(*View_.Item, View_.QuestionForeignSide, false, View_.QuestionShowsNotes), u", ");
    // What the fields beside the question show without being asked: they take no focus.
    if (!Engine_->MultipleChoice()) {
        if (!View_.Category.empty())
            text += QStringLiteral(", ") + ToQString(View_.Category, NativeCodePage());
        if (View_.NotesReadOnly && !View_.NotesText.empty())
            text += QStringLiteral(", ") + tr("notes: %1").arg(ToQString(View_.NotesText, NativeCodePage()));
    }
    return text;
}

// The verdict with the expected answer, as the terminal's drill prints it.
QString TTestPanel::VerdictReading(const TAnswerView& view) const
{
    QString text = ModelText(view.Verdict.c_str()) + QLatin1Char(' ')
        + ToQString(Engine_->ExpectedAnswer(), AnswerCodePage());
    if (view.Notes)
        text += QLatin1Char(' ') + tr("(notes: %1)").arg(ToQString(view.Notes->Text, NativeCodePage()));
    if (!view.ResponseMarks.empty())
        text += QLatin1Char(' ') + lblMarks->accessibleName();
    // A review's rating buttons take no focus: the reading says how the answer was rated.
    for (const QPushButton* button : pnlReview->btnRate)
        if (pnlReview->RatingsShown() && button->isChecked())
            text += QLatin1Char(' ')
                + tr("Rated %1; the keys 1 to 4 rate it again.").arg(button->text().replace(u'\n', u' '));
    return text;
}

// Qt 6.4 has no announcement event: the text becomes the description of the verdict line, of
// Continue, which takes the focus, and of the panel, which holds it while Continue waits.
void TTestPanel::Announce(const QString& text)
{
    for (QWidget* widget : std::initializer_list<QWidget*> { pnlTestStatus, btnEnter, this }) {
        widget->setAccessibleDescription(text);
        QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TTestPanel::ShowAnswer()
{
    const TAnswerView view = Engine_->AnswerView();
    btnToggleAnswer->setText(ModelText(view.ToggleCaption.c_str()));
    if (Engine_->MultipleChoice()) {
        lbChoice->clear();
        SetChoiceColour(view.ChoiceColour);
        if (view.ChoiceEntry)
            FillChoices({ const_cast<TVocabItem*>(view.ChoiceEntry) });
        return;
    }
    SetFieldColour(edtResponse, view.Response.Colour);
    edtResponse->SetBytes(view.Response.Text);
    edtResponse->setCursorPosition(0);
    if (view.Notes) {
        SetFieldColour(edtTestNotes, view.Notes->Colour);
        edtTestNotes->SetBytes(view.Notes->Text);
        edtTestNotes->setCursorPosition(0);
    }
    SetMarks(view.ResponseMarks);
}

void TTestPanel::SetMarks(const std::vector<TAnswerMark>& marks)
{
    Marks_ = marks;
    if (marks.empty()) {
        lblMarks->clear();
        lblMarks->hide();
        return;
    }
    const int codePage = AnswerCodePage();
    // The marks' backgrounds follow the palette's lightness; every text reads on its own.
    const QColor window = lblMarks->palette().color(QPalette::Active, QPalette::Window);
    const bool dark = PaletteIsDark(lblMarks->palette());
    const QColor surplusBack = ToQColor(PairedColour(TPairedColour::SurplusBack, dark));
    const QColor missingBack = ToQColor(PairedColour(TPairedColour::MissingBack, dark));
    const QString surplus
        = QStringLiteral("<s style=\"color:%1;background:%2\">%3</s>")
              .arg(ReadableColour(RoleValue(TTextColour::Wrong), surplusBack).name(), surplusBack.name());
    const QString missing
        = QStringLiteral("<u style=\"color:%1;background:%2;font-weight:bold\">%3</u>")
              .arg(PairedColourOn(TPairedColour::MissingText, missingBack).name(), missingBack.name());
    QString html = QStringLiteral("<span style=\"white-space:pre\">");
    // A screen reader hears no strike or underline: the marked letters are said as such.
    QStringList read;
    for (const TAnswerMark& mark : marks) {
        const QString plain = ToQString(mark.Text, codePage);
        const QString text = plain.toHtmlEscaped();
        switch (mark.Kind) {
        case TMarkKind::Same:
            html += text;
            read.push_back(plain);
            break;
        case TMarkKind::Surplus:
            html += surplus.arg(text);
            read.push_back(tr("not expected: %1").arg(plain));
            break;
        case TMarkKind::Missing:
            html += missing.arg(text);
            read.push_back(tr("missing: %1").arg(plain));
            break;
        }
    }
    lblMarks->setAccessibleName(read.join(QStringLiteral(", ")));
    html += QStringLiteral("</span>&nbsp;&nbsp;<span style=\"color:%1\">%2</span>")
                .arg(PairedColourOn(TPairedColour::Remark, window).name(),
                    tr("(struck out: not expected; underlined: missing)").toHtmlEscaped());
    lblMarks->setText(html);
    lblMarks->show();
}

void TTestPanel::btnToggleAnswerClick()
{
    if (!Engine_ || !Engine_->Answered() || !btnToggleAnswer->isEnabled())
        return;
    Engine_->ToggleAnswer();
    ShowAnswer();
}

void TTestPanel::timAnswerTimer()
{
    timAnswer->stop();
    btnEnter->setEnabled(true);
    if (QApplication::focusWidget() == this)
        btnEnter->setFocus();
}

void TTestPanel::pnlChoiceReleased(QPoint pos)
{
    if (Engine_ && Engine_->Answered() && btnEnter->isEnabled() && lbChoice->geometry().contains(pos))
        EnterCommand();
}

TTestField TTestPanel::FocusedField() const
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus == edtResponse)
        return TTestField::Response;
    if (focus == edtTestNotes)
        return TTestField::Notes;
    if (focus == lbChoice)
        return TTestField::Choice;
    if (focus == btnEnter)
        return TTestField::Enter;
    return TTestField::None;
}

bool TTestPanel::FocusedFieldReadOnly() const
{
    const auto* edit = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    return !edit || edit->isReadOnly();
}

void TTestPanel::HintCommand()
{
    if (!Engine_)
        return;
    const TTestField field = FocusedField();
    TVocabEdit* edit = field == TTestField::Response ? edtResponse
        : field == TTestField::Notes                 ? edtTestNotes
                                                     : nullptr;
    // A read-only field (the question is answered, or the notes are not asked) takes no hint.
    if (edit && edit->isReadOnly())
        return;
    // The engine raises "Command unavailable." for any other field.
    const std::string text = Engine_->Hint(field, edit ? edit->Bytes() : std::string());
    if (!edit)
        return;
    edit->SetBytes(text);
    edit->deselect();
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

void TTestPanel::keyPressEvent(QKeyEvent* event)
{
    // btnEnter is the default button: Return presses it wherever the focus is in the panel.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // A Return meant for the last answer or its Continue must not answer this question.
        const bool belongsHere
            = !Engine_ || Engine_->Answered() || Engine_->AnswerKeyAccepted(event->isAutoRepeat());
        if (btnEnter->isEnabled() && belongsHere)
            btnEnter->click();
        event->accept();
        return;
    }
    // A review's verdict takes the keys 1 to 4 as the learner's own rating.
    if (Engine_ && Engine_->Answered() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && pnlReview->RateKey(event->key() - Qt::Key_0)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
