#include "ui/FindDialog.h"

#include "core/CommandRules.h"
#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"
#include "qtsupport/HelpRequest.h"
#include "settings/Settings.h"
#include "ui/SymbolEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Margin = 8;
constexpr int Gap = 6;
} // namespace

TSearchDialog::TSearchDialog(
    QWidget* parent, TSession& session, TSearchParams& params, std::function<void()> findNext)
    : QDialog(parent)
    , Session_(session)
    , Params_(params)
    , FindNext_(std::move(findNext))
{
    setObjectName(QStringLiteral("SearchDialog"));
    setWindowTitle(tr("Find"));
    setModal(false);

    cbField = new QComboBox(this);
    cbField->setObjectName(QStringLiteral("cbField"));
    cbField->addItems({ tr("Word/phrase"), tr("Part of speech"), tr("Notes"), tr("Translations") });
    edtFind = new TSymbolEdit(this);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    cbMode = new QComboBox(this);
    cbMode->setObjectName(QStringLiteral("cbMode"));
    cbMode->addItems(
        { tr("Any part of field"), tr("Start of field"), tr("End of field"), tr("Whole field") });
    chbMatchCase = new QCheckBox(tr("Match &case"), this);
    chbMatchCase->setObjectName(QStringLiteral("chbMatchCase"));
    chbMatchAccents = new QCheckBox(tr("Match &accents"), this);
    chbMatchAccents->setObjectName(QStringLiteral("chbMatchAccents"));
    chbMatchWord = new QCheckBox(tr("Find &whole word only"), this);
    chbMatchWord->setObjectName(QStringLiteral("chbMatchWord"));
    lblField = new QLabel(tr("&Search:"), this);
    lblField->setBuddy(cbField);
    lblFind = new QLabel(tr("&Find:"), this);
    lblFind->setBuddy(edtFind);
    lblMode = new QLabel(tr("&Match:"), this);
    lblMode->setBuddy(cbMode);
    btnFind = new QPushButton(tr("Find Next"), this);
    btnFind->setObjectName(QStringLiteral("btnFind"));
    btnFind->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnHelp = new QPushButton(tr("&Help"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));

    const std::pair<QWidget*, int> contexts[] = { { cbField, 1900 }, { edtFind, 1901 }, { cbMode, 1902 },
        { chbMatchCase, 1903 }, { chbMatchAccents, 1904 }, { chbMatchWord, 1905 }, { btnFind, 1906 },
        { btnCancel, 1001 }, { btnHelp, 1002 } };
    for (const auto& [widget, context] : contexts)
        SetHelpContext(widget, context);
    setTabOrder(cbField, edtFind);
    setTabOrder(edtFind, cbMode);
    setTabOrder(cbMode, chbMatchCase);
    setTabOrder(chbMatchCase, chbMatchAccents);
    setTabOrder(chbMatchAccents, chbMatchWord);
    setTabOrder(chbMatchWord, btnFind);

    connect(cbField, &QComboBox::currentIndexChanged, this, [this] { cbFieldChange(!KeyHeld_); });
    connect(cbMode, &QComboBox::currentIndexChanged, this, &TSearchDialog::UpdateAvailability);
    connect(edtFind, &QLineEdit::textChanged, this, &TSearchDialog::UpdateAvailability);
    connect(btnFind, &QPushButton::clicked, this, &TSearchDialog::btnFindClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::hide);
    connect(btnHelp, &QPushButton::clicked, this, [] { RequestHelp(3020); });
    cbField->installEventFilter(this);

    // Each text takes the room its language needs; the boxes are wide enough for a search.
    auto* fields = new QGridLayout;
    fields->setSpacing(Gap);
    fields->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 40);
    const std::pair<QLabel*, QWidget*> rows[]
        = { { lblField, cbField }, { lblFind, edtFind }, { lblMode, cbMode } };
    for (int row = 0; row < 3; ++row) {
        fields->addWidget(rows[row].first, row, 0);
        fields->addWidget(rows[row].second, row, 1);
    }
    auto* matches = new QHBoxLayout;
    matches->addWidget(chbMatchCase, 1);
    matches->addWidget(chbMatchAccents, 1);
    fields->addLayout(matches, 3, 1);
    fields->addWidget(chbMatchWord, 4, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(Gap);
    for (QPushButton* button : { btnFind, btnCancel, btnHelp })
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Gap);
    layout->setSpacing(2 * Margin);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    LayoutControls();
}

void TSearchDialog::LayoutControls()
{
    QFont font(Session_.Settings.DisplayFont.Name.empty()
            ? QStringLiteral("Verdana")
            : QString::fromStdString(Session_.Settings.DisplayFont.Name));
    font.setPointSize(Session_.Settings.DisplayFont.Size > 0 ? Session_.Settings.DisplayFont.Size : 8);
    edtFind->setFont(font);
    // The window keeps its centre while it grows or shrinks with the Find box.
    const int before = height();
    layout()->invalidate();
    layout()->activate();
    if (isVisible())
        move(x(), y() - (height() - before) / 2);
}

void TSearchDialog::ShowDialog()
{
    if (!ShownBefore_) {
        ShownBefore_ = true;
        // Created before the settings were read: the display font arrives now.
        LayoutControls();
        if (QWidget* owner = parentWidget()) {
            const QRect frame = owner->frameGeometry();
            move(frame.center() - QPoint(width() / 2, height() / 2));
        }
    }
    const QSignalBlocker blockField(cbField);
    const QSignalBlocker blockMode(cbMode);
    cbField->setCurrentIndex(Params_.Field);
    cbMode->setCurrentIndex(Params_.Mode);
    chbMatchCase->setChecked(Params_.Options & MatchCase);
    chbMatchAccents->setChecked(Params_.Options & MatchAccents);
    chbMatchWord->setChecked(Params_.Options & MatchWord);
    // The stored text is in the code page of the field's language, as the last search left it.
    Charset_ = -1;
    cbFieldChange(false);
    edtFind->SetBytes(Params_.Text);
    UpdateAvailability();
    show();
    raise();
    activateWindow();
    FocusFindBox();
}

void TSearchDialog::cbFieldChange(bool byMouse)
{
    const int field = std::max(0, cbField->currentIndex());
    const LangId lang = SearchFieldLanguage(Session_.Document(), field);
    const int charset = LanguageCharset(lang);
    if (charset != Charset_) {
        edtFind->clear();
        Charset_ = charset;
    }
    edtFind->SetCodePage(LanguageCodePage(lang));
    edtFind->SetTag(field == fiForeign ? -1 : -2);
    UpdateAvailability();
    if (byMouse)
        edtFind->setFocus();
}

void TSearchDialog::UpdateAvailability()
{
    const int field = std::max(0, cbField->currentIndex());
    const std::string text = edtFind->Bytes();
    const auto mode = static_cast<std::uint8_t>(std::max(0, cbMode->currentIndex()));
    const bool wholeWord = WholeWordAvailable(text, mode, SearchFieldLanguage(Session_.Document(), field));
    chbMatchWord->setEnabled(wholeWord);
    if (!wholeWord)
        chbMatchWord->setChecked(false);
    btnFind->setEnabled(FindNextAvailable(text, mode));
}

void TSearchDialog::btnFindClick()
{
    if (!btnFind->isEnabled())
        return;
    Params_.Text = edtFind->Bytes();
    Params_.Field = static_cast<std::uint8_t>(std::max(0, cbField->currentIndex()));
    Params_.Mode = static_cast<std::uint8_t>(std::max(0, cbMode->currentIndex()));
    Params_.Options = static_cast<std::uint8_t>((chbMatchCase->isChecked() ? MatchCase : 0)
        | (chbMatchAccents->isChecked() ? MatchAccents : 0) | (chbMatchWord->isChecked() ? MatchWord : 0));
    if (FindNext_)
        FindNext_();
    FocusFindBox();
}

void TSearchDialog::FocusFindBox()
{
    edtFind->setFocus(Qt::OtherFocusReason);
    edtFind->selectAll();
}

bool TSearchDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A change made with the keys keeps the focus in the field list; Enter sends it to the Find box.
    if (watched == cbField && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            FocusFindBox();
            return true;
        }
        KeyHeld_ = true;
    } else if (watched == cbField && event->type() == QEvent::KeyRelease) {
        KeyHeld_ = false;
    }
    return QDialog::eventFilter(watched, event);
}
