#include "ui/WelcomeDialog.h"

#include "core/DisplayText.h"
#include "qtsupport/HelpRequest.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <filesystem>

namespace {
// Radio buttons have no double-click signal; a double click on either one confirms the dialog.
class TDoubleClickFilter : public QObject {
public:
    TDoubleClickFilter(QObject* parent, std::function<void()> action)
        : QObject(parent)
        , Action_(std::move(action))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            // The button double-clicked is the choice, whatever the first click did.
            if (auto* button = qobject_cast<QRadioButton*>(watched))
                button->setChecked(true);
            Action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> Action_;
};
} // namespace

TWelcomeDialog::TWelcomeDialog(QWidget* parent, TWelcomeData& info)
    : QDialog(parent)
    , Data_(info)
{
    setWindowTitle(tr("Welcome"));
    rbNew = new QRadioButton(tr("&Create a new file"), this);
    rbOpen = new QRadioButton(tr("&Open an existing file:"), this);
    rbOpen->setChecked(true);
    lbFiles = new QListWidget(this);
    // The list is what the button above it opens from; a screen reader names it after the button.
    lbFiles->setAccessibleName(QString(rbOpen->text()).remove(QLatin1Char('&')));
    btnOK = new QPushButton(tr("OK"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnHelp = new QPushButton(tr("&Help"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnOK->setDefault(true);

    const QFontMetrics metrics(lbFiles->font());
    lbFiles->setFixedSize(metrics.averageCharWidth() * 60, metrics.height() * 9);
    lbFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* list = new QHBoxLayout;
    list->addSpacing(rbOpen->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + 6);
    list->addWidget(lbFiles);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rbNew);
    layout->addSpacing(4);
    layout->addWidget(rbOpen);
    layout->addLayout(list);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Room for a line: the client width less a little margin and a vertical scroll bar, so the
    // lines fit whether or not the bar appears.
    const int room = lbFiles->width() - 2 * lbFiles->frameWidth() - 4
        - lbFiles->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lbFiles);
    const TTextWidth width = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    lbFiles->addItem(tr("Browse..."));
    if (info.RecentFiles) {
        for (std::int32_t i = 0; i < info.RecentFiles->Count(); ++i) {
            const std::string& name = (*info.RecentFiles)[i];
            auto* item
                = new QListWidgetItem(QString::fromStdString(ShortenPath(DisplayName(name), width, room)));
            item->setToolTip(QString::fromStdString(name));
            lbFiles->addItem(item);
            // The count comes when a worker has read the list; the dialog never waits for it.
            TDueCounter* counter = nullptr;
            std::error_code error;
            const auto size = std::filesystem::file_size(std::filesystem::path(name), error);
            if (info.Due && !error && size <= static_cast<std::uintmax_t>(WelcomeDueCountLimit)) {
                counter = new TDueCounter(this);
                connect(counter, &TDueCounter::Counted, this,
                    [this, item, name, room, direction = info.Due->Direction](const TDueAnswer& answer) {
                        if (!answer)
                            return;
                        const QFontMetrics font(lbFiles->font());
                        const TTextWidth advance = [&font](std::string_view text) {
                            return font.horizontalAdvance(
                                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
                        };
                        const QString due
                            = QStringLiteral("  \u2013  ") + DueText((*answer)[direction == 1 ? 1 : 0]);
                        item->setToolTip(
                            QString::fromStdString(name) + QLatin1Char('\n') + DueToolTip(*answer));
                        // The name gives way to the count, so both fit the line.
                        const int nameRoom = room - font.horizontalAdvance(due);
                        item->setText(
                            QString::fromStdString(ShortenPath(DisplayName(name), advance, nameRoom)) + due);
                    });
                counter->CountFile(name, *info.Due);
            }
            DueCounters_.push_back(counter);
        }
    }
    lbFiles->setCurrentRow(0);

    auto* confirm = new TDoubleClickFilter(this, [this] { btnOKClick(); });
    rbNew->installEventFilter(confirm);
    rbOpen->installEventFilter(confirm);
    connect(lbFiles, &QListWidget::currentRowChanged, rbOpen, [this] { rbOpen->setChecked(true); });
    connect(lbFiles, &QListWidget::itemClicked, rbOpen, [this] { rbOpen->setChecked(true); });
    connect(lbFiles, &QListWidget::itemDoubleClicked, this, &TWelcomeDialog::btnOKClick);
    connect(btnOK, &QPushButton::clicked, this, &TWelcomeDialog::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [] { RequestHelp(3110); });
    lbFiles->setFocus();
}

void TWelcomeDialog::btnOKClick()
{
    Data_.Open = rbOpen->isChecked();
    const int line = lbFiles->currentRow();
    Data_.FileName = line >= 1 && Data_.RecentFiles && line - 1 < Data_.RecentFiles->Count()
        ? (*Data_.RecentFiles)[line - 1]
        : std::string();
    accept();
}
