#include "ui/AboutDialog.h"

#include "core/ProductInfo.h"
#include "qtsupport/ModelText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

// The icon resource belongs to the GUI library; outside any namespace.
static void InitIconResource()
{
    Q_INIT_RESOURCE(velmoria);
}

namespace {

QLabel* Link(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TAboutDialog::TAboutDialog(QWidget* parent)
    : QDialog(parent)
{
    InitIconResource();
    setWindowTitle(tr("About Velmoria"));
    const QIcon icon
        = qApp->windowIcon().isNull() ? QIcon(QStringLiteral(":/velmoria/velmoria.svg")) : qApp->windowIcon();
    imgIcon = new QLabel(this);
    imgIcon->setPixmap(icon.pixmap(48, 48));
    lblTitle = new QLabel(QStringLiteral("Velmoria"), this);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    lblTitle->setFont(bold);
    const QString version = QString::fromStdString(FourPartVersion(VELMORIA_VERSION));
    lblVersion = new QLabel(version.isEmpty() ? QString() : tr("Version ") + version, this);
    lblCopyright = new QLabel(ModelText(ProductCopyright), this);
    lblHomePage = Link(QString::fromUtf8(ProductHomePage), this);
    lblMail = Link(QString::fromUtf8(ProductMailAddress), this);
    lblComments = new QLabel(tr("A vocabulary trainer for bilingual word lists."), this);
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setDefault(true);
    btnDonate = new QPushButton(tr("&Donate"), this);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblCopyright);
    texts->addWidget(lblHomePage);
    texts->addWidget(lblMail);
    texts->addSpacing(8);
    texts->addWidget(lblComments);
    auto* top = new QHBoxLayout;
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnDonate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(lblHomePage, &QLabel::linkActivated, this, &TAboutDialog::lblHomePageClick);
    connect(lblMail, &QLabel::linkActivated, this, &TAboutDialog::lblMailClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnDonate, &QPushButton::clicked, this, &TAboutDialog::btnDonateClick);
}

// The desktop's own handlers open the addresses; one that cannot be opened is not reported.
void TAboutDialog::lblHomePageClick()
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(ProductHomePage)));
}

void TAboutDialog::lblMailClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(ProductMailAddress)
        + QStringLiteral("?Subject=Velmoria")));
}

void TAboutDialog::btnDonateClick()
{
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(ProductDonatePage)));
}
