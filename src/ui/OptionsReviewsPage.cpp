#include "ui/OptionsReviewsPage.h"

#include "qtsupport/HelpRequest.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <cmath>

namespace {
enum TReviewsContext : int {
    hcRetention = 2241,
    hcNewPerDay = 2242,
    hcReminder = 2245,
    hcReminderTime = 2246,
    hcShareHistory = 2247,
    hcShareFolder = 2248
};

QLabel* Explanation(QWidget* parent, const QString& text, int helpContext)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 52);
    label->setForegroundRole(QPalette::PlaceholderText);
    SetHelpContext(label, helpContext);
    return label;
}
} // namespace

TOptionsReviewsPage::TOptionsReviewsPage(
    const TReviewSettings& reviews, const TReminderChoice& reminder, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tsReviews"));
    // Spin boxes keep the values in range as they are typed, so the page needs no check of its own.
    sbRetention = new QDoubleSpinBox(this);
    sbRetention->setObjectName(QStringLiteral("sbRetention"));
    sbRetention->setDecimals(2);
    sbRetention->setSingleStep(0.01);
    sbRetention->setRange(MinRetentionPercent / 100.0, MaxRetentionPercent / 100.0);
    sbRetention->setValue(reviews.RetentionPercent / 100.0);
    SetHelpContext(sbRetention, hcRetention);
    sbNewPerDay = new QSpinBox(this);
    sbNewPerDay->setObjectName(QStringLiteral("sbNewPerDay"));
    sbNewPerDay->setRange(0, MaxNewPerDay);
    sbNewPerDay->setValue(reviews.NewPerDay);
    SetHelpContext(sbNewPerDay, hcNewPerDay);
    for (QAbstractSpinBox* box :
        { static_cast<QAbstractSpinBox*>(sbRetention), static_cast<QAbstractSpinBox*>(sbNewPerDay) })
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 40);

    auto* retentionLabel = new QLabel(tr("&Desired retention:"), this);
    retentionLabel->setBuddy(sbRetention);
    SetHelpContext(retentionLabel, hcRetention);
    auto* newLabel = new QLabel(tr("&New words per day:"), this);
    newLabel->setBuddy(sbNewPerDay);
    SetHelpContext(newLabel, hcNewPerDay);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(retentionLabel, sbRetention);
    form->addRow(QString(),
        Explanation(this,
            tr("The chance of still knowing a word when it is asked again, from 0.70 to 0.97. "
               "A higher value asks more often."),
            hcRetention));
    form->addRow(newLabel, sbNewPerDay);
    form->addRow(QString(),
        Explanation(this,
            tr("Words never reviewed before that Review Due Words adds each day, after the "
               "words that are due."),
            hcNewPerDay));

    chbReminder = new QCheckBox(tr("Remind &me when words are due"), this);
    chbReminder->setObjectName(QStringLiteral("chbReminder"));
    chbReminder->setChecked(reminder.On);
    SetHelpContext(chbReminder, hcReminder);
    // Hours and minutes in every language: the reminder's time is a clock time, not a date.
    edtReminderTime = new QTimeEdit(QTime(reminder.Time / 60, reminder.Time % 60), this);
    edtReminderTime->setObjectName(QStringLiteral("edtReminderTime"));
    edtReminderTime->setDisplayFormat(QStringLiteral("HH:mm"));
    SetHelpContext(edtReminderTime, hcReminderTime);
    lblReminderTime = new QLabel(tr("T&ime of day:"), this);
    lblReminderTime->setBuddy(edtReminderTime);
    SetHelpContext(lblReminderTime, hcReminderTime);
    const auto follow = [this](bool on) {
        lblReminderTime->setEnabled(on);
        edtReminderTime->setEnabled(on);
    };
    follow(reminder.On);
    connect(chbReminder, &QCheckBox::toggled, this, follow);
    auto* reminderForm = new QFormLayout;
    reminderForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    reminderForm->addRow(lblReminderTime, edtReminderTime);
    reminderForm->addRow(QString(),
        Explanation(this,
            tr("A desktop notification tells how many words are due in the lists you used "
               "lately; its Review button opens the review. Without a systemd user session it "
               "comes when you log in, once a day."),
            hcReminder));

    chbShareHistory = new QCheckBox(tr("Share my re&view history through this folder"), this);
    chbShareHistory->setObjectName(QStringLiteral("chbShareHistory"));
    chbShareHistory->setChecked(!reviews.ShareFolder.empty());
    SetHelpContext(chbShareHistory, hcShareHistory);
    edtShareFolder = new QLineEdit(QString::fromStdString(reviews.ShareFolder), this);
    edtShareFolder->setObjectName(QStringLiteral("edtShareFolder"));
    edtShareFolder->setAccessibleName(tr("Folder to share the review history through"));
    SetHelpContext(edtShareFolder, hcShareFolder);
    btnShareFolder = new QPushButton(QStringLiteral("..."), this);
    btnShareFolder->setObjectName(QStringLiteral("btnShareFolder"));
    btnShareFolder->setAccessibleName(tr("Choose the folder"));
    SetHelpContext(btnShareFolder, hcShareFolder);
    connect(btnShareFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Share the Review History"),
            edtShareFolder->text().isEmpty() ? QDir::homePath() : edtShareFolder->text());
        if (!folder.isEmpty())
            edtShareFolder->setText(QDir::toNativeSeparators(folder));
    });
    const auto followShare = [this](bool on) {
        edtShareFolder->setEnabled(on);
        btnShareFolder->setEnabled(on);
    };
    followShare(chbShareHistory->isChecked());
    connect(chbShareHistory, &QCheckBox::toggled, this, followShare);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(edtShareFolder, 1);
    folderRow->addWidget(btnShareFolder);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(chbReminder);
    layout->addLayout(reminderForm);
    layout->addWidget(chbShareHistory);
    layout->addLayout(folderRow);
    layout->addWidget(Explanation(this,
        tr("Any folder a sync tool keeps the same on your computers. Each computer writes its own "
           "answers there, all of them the first time, and takes in the others' answers."),
        hcShareHistory));
    layout->addStretch();
}

TReviewSettings TOptionsReviewsPage::Read() const
{
    TReviewSettings reviews;
    reviews.RetentionPercent = static_cast<std::int32_t>(std::lround(sbRetention->value() * 100));
    reviews.NewPerDay = sbNewPerDay->value();
    if (chbShareHistory->isChecked())
        reviews.ShareFolder = edtShareFolder->text().trimmed().toStdString();
    return reviews;
}

TReminderChoice TOptionsReviewsPage::ReadReminder() const
{
    const QTime time = edtReminderTime->time();
    return { chbReminder->isChecked(), time.hour() * 60 + time.minute() };
}
