// The options dialog's pages as they are built: General, Question, Evaluation (with its two
// language sides) and Feedback; the Speech and Reviews pages have files of their own.

#include "qtsupport/ColourTheme.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/ModelText.h"
#include "settings/UiLanguage.h"
#include "testing/TestEngine.h"
#include "ui/OptionsDialog.h"
#include "ui/QtText.h"
#include "ui/ValueChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Q(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QCheckBox* MakeCheck(QWidget* parent, const QString& caption, int helpContext)
{
    auto* box = new QCheckBox(caption, parent);
    SetHelpContext(box, helpContext);
    return box;
}

// A label naming its control (the & reaches the control), with the control's help context.
QLabel* MakeLabel(QWidget* parent, const QString& caption, QWidget* buddy, int helpContext)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    SetHelpContext(label, helpContext);
    SetHelpContext(buddy, helpContext);
    return label;
}

QGroupBox* MakeGroup(QWidget* parent, const QString& caption)
{
    return new QGroupBox(caption, parent);
}

// The colour lists: a swatch before each name, outlined, half again as wide as it is high.
QComboBox* MakeColourList(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    const int height = box->fontMetrics().height();
    const QSize swatch(height * 3 / 2, height);
    box->setIconSize(swatch);
    for (const TColourEntry& entry : ColourList()) {
        QPixmap pixmap(swatch);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        // Outlined in the list's text colour, so black shows on a dark list and white on a light one.
        painter.setPen(box->palette().color(QPalette::Text));
        painter.setBrush(ToQColor(entry.Value));
        painter.drawRect(QRect(QPoint(1, 2), QPoint(swatch.width() - 2, swatch.height() - 3)));
        painter.end();
        // The swatch keeps its colour in a disabled list: the value still counts.
        QIcon icon(pixmap);
        icon.addPixmap(pixmap, QIcon::Disabled);
        box->addItem(icon, ModelText(std::string(entry.Name).c_str()), static_cast<uint>(entry.Value));
    }
    box->setMaxVisibleItems(16);
    return box;
}

QComboBox* MakeDelimiterList(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (const char delimiter : DelimiterList())
        box->addItem(QString(QLatin1Char(delimiter)));
    box->setMaxVisibleItems(20);
    return box;
}

QComboBox* MakeBracketList(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (const TBracketEntry& entry : BracketList())
        box->addItem(QString::fromStdString(BracketText(entry)));
    return box;
}

// An editable list of small numbers: at most two digits may be typed.
QComboBox* MakeNumberList(QWidget* parent, int from, int to)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int n = from; n <= to; ++n)
        box->addItem(QString::number(n));
    box->lineEdit()->setMaxLength(2);
    SetDigitsOnly(box->lineEdit());
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 40);
    return box;
}

QKeySequence ShortcutSequence(int index)
{
    const TShortcutKey key = ShortcutKey(index);
    Qt::KeyboardModifiers modifiers;
    if (key.Shift)
        modifiers |= Qt::ShiftModifier;
    if (key.Ctrl)
        modifiers |= Qt::ControlModifier;
    if (key.Alt)
        modifiers |= Qt::AltModifier;
    const int code = key.Letter ? Qt::Key_A + (key.Letter - 'A') : Qt::Key_F1 + key.FunctionKey - 1;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(code)));
}

// A delimiter control with its label on one row.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, int indent = 0)
{
    auto* row = new QHBoxLayout;
    if (indent)
        row->addSpacing(indent);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

int CheckIndent()
{
    // Lines that belong to a check box start under its caption, not under its box.
    return QCheckBox().sizeHint().width() + 2;
}
} // namespace

void TOptionsDialog::CreateGeneralPage()
{
    tsGeneral = new QWidget;
    auto* editing = MakeGroup(tsGeneral, tr(" Editing: "));
    chbAppendNewWords = MakeCheck(editing, tr("&Add new words at end of list"), 2200);
    chbConfirmDuplicates = MakeCheck(editing, tr("&Warn if word already exists"), 2201);
    chbConfirmNoSort = MakeCheck(editing, tr("War&n if sorting position not specified"), 2202);
    chbConfirmNoCategory = MakeCheck(editing, tr("Warn if &Part of Speech not specified"), 2203);
    chbSkipNotes = MakeCheck(editing, tr("&Tab past Part of Speech and Notes"), 2204);
    cbColourLearnt = MakeColourList(editing);
    auto* lblColourLearnt = MakeLabel(editing, tr("&Display learnt items in:"), cbColourLearnt, 2205);
    auto* editingLayout = new QVBoxLayout(editing);
    for (QWidget* box :
        { chbAppendNewWords, chbConfirmDuplicates, chbConfirmNoSort, chbConfirmNoCategory, chbSkipNotes })
        editingLayout->addWidget(box);
    editingLayout->addLayout(Row({ lblColourLearnt, cbColourLearnt }));

    auto* keys = MakeGroup(tsGeneral, tr(" Keyboard shortcuts: "));
    cbShortcut = new QComboBox(keys);
    cbShortcut->setObjectName(QStringLiteral("cbShortcut"));
    for (int i = 0; i < ShortcutCount; ++i)
        cbShortcut->addItem(ShortcutSequence(i).toString(QKeySequence::NativeText));
    cbShortcut->setMaxVisibleItems(16);
    cbCharSet = new QComboBox(keys);
    for (const TScriptEntry& script : ScriptList())
        cbCharSet->addItem(ModelText(std::string(script.Name).c_str()), script.Charset);
    cbCharacter = new QComboBox(keys);
    cbCharacter->setObjectName(QStringLiteral("cbCharacter"));
    for (const std::uint8_t code : CharacterList())
        cbCharacter->addItem(QString(), code);
    cbCharacter->setMaxVisibleItems(16);
    // Signs such as the middle dot are hard to tell apart at the dialog's size.
    QFont characterFont = cbCharacter->font();
    characterFont.setPointSizeF(characterFont.pointSizeF() * 1.5);
    cbCharacter->setFont(characterFont);
    cbCharacter->setMinimumWidth(cbCharacter->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 40);
    lblUnassigned = new QLabel(tr("[unassigned]"), keys);
    btnClearAll = new QPushButton(tr("Cl&ear All"), keys);
    SetHelpContext(btnClearAll, 2209);
    auto* keyGrid = new QGridLayout(keys);
    // The key and script lists share one width; the button stands apart at the right.
    cbCharSet->setMinimumWidth(cbShortcut->sizeHint().width());
    keyGrid->addWidget(MakeLabel(keys, tr("&Key:"), cbShortcut, 2206), 0, 0);
    keyGrid->addWidget(cbShortcut, 0, 1);
    keyGrid->addWidget(MakeLabel(keys, tr("&Script:"), cbCharSet, 2207), 1, 0);
    keyGrid->addWidget(cbCharSet, 1, 1);
    keyGrid->addWidget(MakeLabel(keys, tr("&Character:"), cbCharacter, 2208), 2, 0);
    keyGrid->addLayout(Row({ cbCharacter, lblUnassigned }), 2, 1);
    keyGrid->addWidget(btnClearAll, 0, 3, Qt::AlignTop | Qt::AlignRight);
    keyGrid->setColumnStretch(2, 1);
    SetHelpContext(lblUnassigned, 2208);

    chbKeyboardSwitching = MakeCheck(tsGeneral, tr("A&utomatic keyboard switching"), 2210);

    // The window's texts are made once: a language chosen here shows from the next start.
    cbUiLanguage = new QComboBox(tsGeneral);
    cbUiLanguage->setObjectName(QStringLiteral("cbUiLanguage"));
    //: The window's language as the desktop sets it
    cbUiLanguage->addItem(tr("The system's"), QString());
    for (const TUiLanguage& language : UiLanguages())
        cbUiLanguage->addItem(
            QString::fromUtf8(language.Name.data(), static_cast<qsizetype>(language.Name.size())),
            Q(language.Code));
    SetHelpContext(cbUiLanguage, 2211);
    auto* lblUiLanguage = MakeLabel(tsGeneral, tr("Lan&guage:"), cbUiLanguage, 2211);
    auto* lblUiLanguageNote = new QLabel(tr("(when Velmoria is started again)"), tsGeneral);
    for (QWidget* control : { static_cast<QWidget*>(lblUiLanguage), static_cast<QWidget*>(cbUiLanguage),
             static_cast<QWidget*>(lblUiLanguageNote) })
        control->setVisible(Target_.UiLanguage != nullptr);

    // Light or dark windows, taking effect on OK.
    cbColourTheme = new QComboBox(tsGeneral);
    cbColourTheme->setObjectName(QStringLiteral("cbColourTheme"));
    //: The window's colours as the desktop prefers them
    cbColourTheme->addItem(tr("As the desktop prefers"));
    cbColourTheme->addItem(tr("Light"));
    cbColourTheme->addItem(tr("Dark"));
    auto* lblColourTheme = MakeLabel(tsGeneral, tr("Light or dark displa&y:"), cbColourTheme, 2249);
    lblColourTheme->setVisible(Target_.Theme != nullptr);
    cbColourTheme->setVisible(Target_.Theme != nullptr);

    auto* layout = new QVBoxLayout(tsGeneral);
    layout->addWidget(editing);
    layout->addWidget(keys);
    layout->addWidget(chbKeyboardSwitching);
    layout->addLayout(Row({ lblColourTheme, cbColourTheme }));
    layout->addLayout(Row({ lblUiLanguage, cbUiLanguage, lblUiLanguageNote }));
    layout->addStretch();
    pcOptions->addTab(tsGeneral, tr("General"));

    connect(chbConfirmNoCategory, &QCheckBox::clicked, this, &TOptionsDialog::ConfirmNoCategoryClick);
    connect(cbShortcut, &QComboBox::currentIndexChanged, this, &TOptionsDialog::ShortcutKeySelected);
    connect(cbCharSet, &QComboBox::currentIndexChanged, this, &TOptionsDialog::ShortcutCharacterChosen);
    connect(cbCharacter, &QComboBox::currentIndexChanged, this, &TOptionsDialog::ShortcutCharacterChosen);
    connect(btnClearAll, &QPushButton::clicked, this, &TOptionsDialog::ClearAllClick);
}

void TOptionsDialog::CreateQuestionPage()
{
    tsQuestion = new QWidget;
    auto* notes = MakeGroup(tsQuestion, tr(" Test Notes when translating into: "));
    chbTestNotesPassive = MakeCheck(notes, tr("&Native language"), 2212);
    chbTestNotesActive = MakeCheck(notes, tr("&Foreign language"), 2213);
    auto* notesLayout = new QVBoxLayout(notes);
    notesLayout->addWidget(chbTestNotesPassive);
    notesLayout->addWidget(chbTestNotesActive);

    auto* choice = MakeGroup(tsQuestion, tr(" Multiple choice: "));
    cbNumChoices = MakeNumberList(choice, 3, 10);
    auto* choiceLayout = new QVBoxLayout(choice);
    choiceLayout->addLayout(
        Row({ MakeLabel(choice, tr("Num&ber of items to choose from:"), cbNumChoices, 2214), cbNumChoices }));

    auto* penalty = MakeGroup(tsQuestion, tr(" Penalty points: "));
    chbUsePenaltyPoints = MakeCheck(penalty, tr("&Use penalty points to target difficult words"), 2215);
    lblPenaltyPoints = new QLabel(
        tr("Each incorrect response incurs a penalty point against that word, up to a specified maximum. "
           "You must recall the word correctly one more time for every point assigned."),
        penalty);
    lblPenaltyPoints->setWordWrap(true);
    SetHelpContext(lblPenaltyPoints, 2215);
    cbMaxPenaltyPoints = MakeNumberList(penalty, 1, 5);
    lblMaxPenaltyPoints
        = MakeLabel(penalty, tr("&Maximum number of points per word:"), cbMaxPenaltyPoints, 2216);
    auto* penaltyLayout = new QVBoxLayout(penalty);
    penaltyLayout->addWidget(chbUsePenaltyPoints);
    auto* text = new QHBoxLayout;
    text->addSpacing(CheckIndent());
    text->addWidget(lblPenaltyPoints);
    penaltyLayout->addLayout(text);
    penaltyLayout->addLayout(Row({ lblMaxPenaltyPoints, cbMaxPenaltyPoints }, CheckIndent()));

    chbDisallowHints = MakeCheck(tsQuestion, tr("&Treat response as incorrect if Hint used"), 2217);

    auto* layout = new QVBoxLayout(tsQuestion);
    layout->addWidget(notes);
    layout->addWidget(choice);
    layout->addWidget(penalty);
    layout->addWidget(chbDisallowHints);
    layout->addStretch();
    pcOptions->addTab(tsQuestion, tr("Question"));

    connect(chbUsePenaltyPoints, &QCheckBox::clicked, this, [this] { UsePenaltyPointsClick(true); });
}

TOptionsDialog::TSideControls TOptionsDialog::CreateSidePage(QWidget* page, bool native, int helpBase)
{
    TSideControls c;
    c.Caps = MakeCheck(page, tr("Ignore &capitalization"), helpBase);
    c.Punc = MakeCheck(page, tr("Ignore p&unctuation"), helpBase + 1);
    c.Spaces = MakeCheck(page, tr("Ignore &spacing"), helpBase + 2);
    c.Brackets = MakeCheck(page, tr("&Treat text in brackets as optional"), helpBase + 3);
    c.cbBrackets = MakeBracketList(page);
    c.lblBrackets = MakeLabel(page, tr("Delimiters:"), c.cbBrackets, helpBase + 3);
    c.Alt = MakeCheck(page, tr("&Accept any correct alternative word"), helpBase + 4);
    c.cbAlt = MakeDelimiterList(page);
    c.lblAlt = MakeLabel(page, tr("Delimiter:"), c.cbAlt, helpBase + 4);
    c.Trans = MakeCheck(page,
        native ? tr("Accept any c&orrect translation") : tr("Accept any c&orrect synonym"), helpBase + 5);
    c.cbTrans1 = MakeDelimiterList(page);
    c.cbTrans2 = MakeDelimiterList(page);
    c.lblTrans = MakeLabel(page, tr("Delimiters:"), c.cbTrans1, helpBase + 5);
    SetHelpContext(c.cbTrans2, helpBase + 5);
    // Added after the English page took the contexts that would follow.
    c.Accents = MakeCheck(page, tr("Accept answers that &differ only in accents"), native ? 2239 : 2240);
    c.Typos = MakeCheck(page, tr("Count a single wrong letter as a t&ypo"), native ? 2243 : 2244);

    const QString prefix = native ? QStringLiteral("Native") : QStringLiteral("Foreign");
    const QString trans = native ? QStringLiteral("Trans") : QStringLiteral("Syn");
    c.Caps->setObjectName(QStringLiteral("chb%1Caps").arg(prefix));
    c.Punc->setObjectName(QStringLiteral("chb%1Punc").arg(prefix));
    c.Spaces->setObjectName(QStringLiteral("chb%1Spaces").arg(prefix));
    c.Brackets->setObjectName(QStringLiteral("chb%1Brackets").arg(prefix));
    c.cbBrackets->setObjectName(QStringLiteral("cb%1Brackets").arg(prefix));
    c.Alt->setObjectName(QStringLiteral("chb%1Alt").arg(prefix));
    c.cbAlt->setObjectName(QStringLiteral("cb%1Alt").arg(prefix));
    c.Trans->setObjectName(QStringLiteral("chb%1%2").arg(prefix, trans));
    c.cbTrans1->setObjectName(QStringLiteral("cb%1%21").arg(prefix, trans));
    c.cbTrans2->setObjectName(QStringLiteral("cb%1%22").arg(prefix, trans));
    c.Accents->setObjectName(QStringLiteral("chb%1Accents").arg(prefix));
    c.Typos->setObjectName(QStringLiteral("chb%1Typos").arg(prefix));

    const int indent = CheckIndent();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(c.Caps);
    layout->addWidget(c.Punc);
    layout->addWidget(c.Spaces);
    layout->addSpacing(6);
    layout->addWidget(c.Brackets);
    layout->addLayout(Row({ c.lblBrackets, c.cbBrackets }, indent));
    layout->addWidget(c.Alt);
    layout->addLayout(Row({ c.lblAlt, c.cbAlt }, indent));
    layout->addWidget(c.Trans);
    layout->addLayout(Row({ c.lblTrans, c.cbTrans1, c.cbTrans2 }, indent));
    layout->addSpacing(6);
    layout->addWidget(c.Accents);
    layout->addWidget(c.Typos);
    layout->addStretch();
    return c;
}

void TOptionsDialog::CreateEvaluationPage()
{
    tsEvaluation = new QWidget;
    pcEvaluation = new QTabWidget(tsEvaluation);
    tsNative = new QWidget;
    tsForeign = new QWidget;
    tsEnglish = new QWidget;
    Native = CreateSidePage(tsNative, true, 2218);
    Foreign = CreateSidePage(tsForeign, false, 2224);
    chbIgnoreAux = MakeCheck(tsEnglish, tr("Allow &auxiliary verb contractions"), 2230);
    chbIgnoreTo = MakeCheck(tsEnglish, tr("Allow &omission of 'to' before verbs"), 2231);
    chbIgnoreIze = MakeCheck(tsEnglish, tr("Allow &substitution of '-ize' and '-ise'"), 2232);
    auto* english = new QVBoxLayout(tsEnglish);
    english->addWidget(chbIgnoreAux);
    english->addWidget(chbIgnoreTo);
    english->addWidget(chbIgnoreIze);
    english->addStretch();
    pcEvaluation->addTab(tsNative, tr("&Native language"));
    pcEvaluation->addTab(tsForeign, tr("&Foreign language"));
    pcEvaluation->addTab(tsEnglish, tr("&English-specific"));
    auto* layout = new QVBoxLayout(tsEvaluation);
    layout->addWidget(pcEvaluation);
    pcOptions->addTab(tsEvaluation, tr("Evaluation"));

    for (const bool native : { true, false }) {
        TSideControls& c = native ? Native : Foreign;
        connect(c.Brackets, &QCheckBox::clicked, this,
            [this, side = &c, native] { DelimiterOptionClick(*side, native, TDelimiterOption::Brackets); });
        connect(c.Alt, &QCheckBox::clicked, this, [this, side = &c, native] {
            DelimiterOptionClick(*side, native, TDelimiterOption::Alternatives);
        });
        connect(c.Trans, &QCheckBox::clicked, this, [this, side = &c, native] {
            DelimiterOptionClick(*side, native, TDelimiterOption::Translations);
        });
    }
}

void TOptionsDialog::CreateFeedbackPage()
{
    tsFeedback = new QWidget;
    auto* right = MakeGroup(tsFeedback, tr(" Correct response: "));
    rbColourRight = new QRadioButton(tr("&Show expected answer in:"), right);
    SetHelpContext(rbColourRight, 2233);
    cbColourRight = MakeColourList(right);
    SetHelpContext(cbColourRight, 2233);
    rbAutoContinue = new QRadioButton(tr("&Continue to next question"), right);
    SetHelpContext(rbAutoContinue, 2234);
    edtSoundFileRight = new QLineEdit(right);
    btnBrowseRight = new QPushButton(QStringLiteral("..."), right);
    SetHelpContext(btnBrowseRight, 2235);
    auto* rightGrid = new QGridLayout(right);
    rightGrid->addWidget(rbColourRight, 0, 0);
    rightGrid->addWidget(cbColourRight, 0, 1, Qt::AlignLeft);
    rightGrid->addWidget(rbAutoContinue, 1, 0, 1, 2);
    rightGrid->addWidget(MakeLabel(right, tr("&Play sound:"), edtSoundFileRight, 2235), 2, 0);
    rightGrid->addLayout(Row({ edtSoundFileRight, btnBrowseRight }), 2, 1);

    auto* wrong = MakeGroup(tsFeedback, tr(" Incorrect response: "));
    cbColourWrong = MakeColourList(wrong);
    edtDelay = new QLineEdit(wrong);
    edtDelay->setMaxLength(2);
    SetDigitsOnly(edtDelay);
    edtDelay->setFixedWidth(edtDelay->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    edtSoundFileWrong = new QLineEdit(wrong);
    btnBrowseWrong = new QPushButton(QStringLiteral("..."), wrong);
    SetHelpContext(btnBrowseWrong, 2238);
    auto* wrongGrid = new QGridLayout(wrong);
    wrongGrid->addWidget(MakeLabel(wrong, tr("Show &expected answer in:"), cbColourWrong, 2236), 0, 0);
    wrongGrid->addWidget(cbColourWrong, 0, 1, Qt::AlignLeft);
    wrongGrid->addWidget(MakeLabel(wrong, tr("&Delay (seconds):"), edtDelay, 2237), 1, 0);
    wrongGrid->addWidget(edtDelay, 1, 1, Qt::AlignLeft);
    wrongGrid->addWidget(MakeLabel(wrong, tr("Play s&ound:"), edtSoundFileWrong, 2238), 2, 0);
    wrongGrid->addLayout(Row({ edtSoundFileWrong, btnBrowseWrong }), 2, 1);

    for (QLineEdit* edit : { edtSoundFileRight, edtSoundFileWrong })
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    for (QPushButton* browse : { btnBrowseRight, btnBrowseWrong })
        browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 20);
    // Both groups' fields start at the same column.
    const int labelWidth = std::max(
        rbColourRight->sizeHint().width(), wrongGrid->itemAtPosition(0, 0)->widget()->sizeHint().width());
    rightGrid->setColumnMinimumWidth(0, labelWidth);
    wrongGrid->setColumnMinimumWidth(0, labelWidth);

    auto* layout = new QVBoxLayout(tsFeedback);
    layout->addWidget(right);
    layout->addWidget(wrong);
    layout->addStretch();
    pcOptions->addTab(tsFeedback, tr("Feedback"));

    connect(rbColourRight, &QRadioButton::clicked, this, &TOptionsDialog::ColourRightChoiceClick);
    connect(rbAutoContinue, &QRadioButton::clicked, this, &TOptionsDialog::ColourRightChoiceClick);
    connect(btnBrowseRight, &QPushButton::clicked, this, [this] { BrowseSound(edtSoundFileRight); });
    connect(btnBrowseWrong, &QPushButton::clicked, this, [this] { BrowseSound(edtSoundFileWrong); });
}
