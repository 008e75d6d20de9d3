#include "ui/OptionsReviewsPage.h"

#include "qtsupport/HelpRequest.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace {
enum TReviewsContext : int { hcRetention = 2241, hcNewPerDay = 2242 };

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

TOptionsReviewsPage::TOptionsReviewsPage(const TReviewSettings& reviews, QWidget* parent)
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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
}

TReviewSettings TOptionsReviewsPage::Read() const
{
    TReviewSettings reviews;
    reviews.RetentionPercent = static_cast<std::int32_t>(std::lround(sbRetention->value() * 100));
    reviews.NewPerDay = sbNewPerDay->value();
    return reviews;
}
