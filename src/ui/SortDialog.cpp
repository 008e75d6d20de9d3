#include "ui/SortDialog.h"

#include "qtsupport/HelpRequest.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TSortDialog::TSortDialog(QWidget* parent, int field)
    : QDialog(parent)
    , Field_(field >= 0 && field < 4 ? field : 0)
{
    setObjectName(QStringLiteral("SortDialog"));
    setWindowTitle(tr("Sort"));
    auto* group = new QGroupBox(tr(" Sort by: "), this);
    auto* groupLayout = new QVBoxLayout(group);
    const QString captions[]
        = { tr("&Word/phrase"), tr("&Part of speech"), tr("&Notes"), tr("&Translations") };
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(captions[i], group);
        button->setObjectName(QStringLiteral("rbField%1").arg(i));
        SetHelpContext(button, 1800);
        button->setChecked(i == Field_);
        connect(button, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Field_ = i;
        });
        groupLayout->addWidget(button);
        rbField[static_cast<std::size_t>(i)] = button;
    }
    auto* buttons
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    buttons->button(QDialogButtonBox::Help)->setText(tr("&Help"));
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("btnHelp"));
    SetHelpContext(buttons->button(QDialogButtonBox::Ok), 1000);
    SetHelpContext(buttons->button(QDialogButtonBox::Cancel), 1001);
    SetHelpContext(buttons->button(QDialogButtonBox::Help), 1002);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { RequestHelp(3090); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
