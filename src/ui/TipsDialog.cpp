#include "ui/TipsDialog.h"

#include "core/RichText.h"
#include "qtsupport/HelpRequest.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QFont PixelFont(const char* family, QFont::StyleHint hint, int pixels)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    return font;
}

void ShowRichText(QTextEdit& box, const TRichText& text)
{
    box.clear();
    QTextCursor cursor(box.document());
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (p > 0)
            cursor.insertBlock();
        for (const TRichRun& run : text[p].Runs) {
            QTextCharFormat format;
            format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.Italic);
            cursor.insertText(QString::fromStdU16String(run.Text), format);
        }
    }
    box.moveCursor(QTextCursor::Start);
}

} // namespace

TTipsDialog::TTipsDialog(QWidget* parent, TTipsData& state)
    : QDialog(parent)
    , Data_(state)
{
    setWindowTitle(tr("Tip of the Day"));

    // The framed panel in the window colour, with a strip in the work-space colour at its left.
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    auto* strip = new QFrame(panel);
    strip->setBackgroundRole(QPalette::Dark);
    strip->setAutoFillBackground(true);
    strip->setFixedWidth(64);
    auto* picture = new QLabel(strip);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/tip.svg")).pixmap(48, 48));
    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(8, 12, 8, 8);
    stripLayout->addWidget(picture, 0, Qt::AlignHCenter);
    stripLayout->addStretch();

    lblHeading = new QLabel(tr("Did you know..."), panel);
    lblHeading->setFont(PixelFont("Times New Roman", QFont::Serif, 19));
    auto* rule = new QFrame(panel);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    reTip = new QTextEdit(panel);
    reTip->setObjectName(QStringLiteral("reTip"));
    lblHeading->setBuddy(reTip);
    reTip->setReadOnly(true);
    reTip->setFrameStyle(QFrame::NoFrame);
    reTip->setFont(PixelFont("Arial", QFont::SansSerif, 13));
    reTip->setPlainText(tr("[tips unavailable]"));
    reTip->setMinimumSize(320, 110);
    auto* text = new QVBoxLayout;
    text->setContentsMargins(12, 10, 12, 8);
    text->addWidget(lblHeading);
    text->addWidget(rule);
    text->addWidget(reTip, 1);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(
        panel->frameWidth(), panel->frameWidth(), panel->frameWidth(), panel->frameWidth());
    panelLayout->setSpacing(0);
    panelLayout->addWidget(strip);
    panelLayout->addLayout(text, 1);

    chbShowTips = new QCheckBox(tr("&Show tips at startup"), this);
    btnDetails = new QPushButton(tr("&Details..."), this);
    btnNextTip = new QPushButton(tr("&Next Tip"), this);
    btnClose = new QPushButton(tr("&Close"), this);
    btnClose->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chbShowTips);
    buttons->addStretch();
    buttons->addWidget(btnDetails);
    buttons->addWidget(btnNextTip);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);

    connect(btnNextTip, &QPushButton::clicked, this, &TTipsDialog::btnNextTipClick);
    connect(btnDetails, &QPushButton::clicked, this, &TTipsDialog::btnDetailsClick);
    // Close is also the cancel button: Esc and the close box end the dialog the same way.
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    chbShowTips->setChecked(state.ShowTips);
    if (auto tips = ReadTipFile(QFile::encodeName(state.TipFileName).toStdString()))
        Tips_ = std::move(*tips);
    btnNextTip->setEnabled(!Tips_.empty());
    btnDetails->setEnabled(false);
    btnNextTipClick();
    btnClose->setFocus();
}

void TTipsDialog::btnNextTipClick()
{
    const int index = TakeNextTip(Data_.NextTip, Tips_.size());
    if (index < 0)
        return;
    const TTip tip = ParseTipLine(Tips_[static_cast<std::size_t>(index)]);
    TipContext_ = tip.HelpContext;
    btnDetails->setEnabled(TipContext_ != 0);
    ShowRichText(*reTip, ReadRichText(TipDocument(tip.Text)));
}

void TTipsDialog::btnDetailsClick()
{
    if (TipContext_ != 0)
        RequestHelp(TipContext_);
}

void TTipsDialog::done(int result)
{
    Data_.ShowTips = chbShowTips->isChecked();
    QDialog::done(result);
}
