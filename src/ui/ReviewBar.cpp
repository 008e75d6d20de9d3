#include "ui/ReviewBar.h"

#include "qtsupport/ModelText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QString NameOf(int rating)
{
    return ModelText(RatingName(static_cast<TRating>(rating)).data());
}

} // namespace

TReviewBar::TReviewBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlReview"));
    lblReviewLeft = new QLabel(this);
    lblReviewLeft->setObjectName(QStringLiteral("lblReviewLeft"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addWidget(lblReviewLeft, 1);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("btnRate%1")
                                  .arg(QString::fromUtf8(RatingName(static_cast<TRating>(i + 1)).data())));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        // The keys 1 to 4 rate; the buttons keep the focus on Continue.
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(tr("Rate this answer %1 (key %2)").arg(NameOf(i + 1)).arg(i + 1));
        connect(button, &QPushButton::clicked, this, [this, i] { emit Rated(static_cast<TRating>(i + 1)); });
        layout->addWidget(button);
        btnRate[static_cast<std::size_t>(i)] = button;
    }
    HideRatings();
}

void TReviewBar::ShowLeft(const TDueCounts& left)
{
    lblReviewLeft->setText(tr("%L1 left: %L2 due, %L3 again, %L4 new")
                               .arg(left.Left())
                               .arg(left.Due)
                               .arg(left.Again)
                               .arg(left.New));
}

void TReviewBar::ShowRatings(TRating rated, const std::optional<std::array<std::int64_t, 4>>& days)
{
    for (std::size_t i = 0; i < 4; ++i) {
        QPushButton* button = btnRate[i];
        const QString name = NameOf(static_cast<int>(i) + 1);
        button->setText(days
                ? QStringLiteral("%1 %2\n%3").arg(i + 1).arg(name, SayingText(IntervalText((*days)[i])))
                : QStringLiteral("%1 %2").arg(i + 1).arg(name));
        button->setChecked(static_cast<std::size_t>(rated) == i + 1);
        button->show();
    }
}

void TReviewBar::HideRatings()
{
    for (QPushButton* button : btnRate)
        button->hide();
}

bool TReviewBar::RatingsShown() const
{
    return isVisible() && btnRate[0]->isVisible();
}

bool TReviewBar::RateKey(int key)
{
    if (!RatingsShown() || key < 1 || key > 4)
        return false;
    btnRate[static_cast<std::size_t>(key - 1)]->click();
    return true;
}
