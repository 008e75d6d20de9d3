#include "qtsupport/HelpRequest.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace {
THelpHandler Handler;
int ControlContext = 0;
const char* const ContextProperty = "HelpContext";

QPushButton* HelpButton(QWidget* window)
{
    for (auto* box : window->findChildren<QDialogButtonBox*>()) {
        if (QPushButton* button = box->button(QDialogButtonBox::Help))
            return button;
    }
    for (auto* button : window->findChildren<QPushButton*>()) {
        if (button->objectName() == QLatin1String("btnHelp"))
            return button;
    }
    return nullptr;
}
} // namespace

THelpHandler SetHelpHandler(THelpHandler handler)
{
    std::swap(Handler, handler);
    return handler;
}

void RequestHelp(int context)
{
    if (Handler)
        Handler(context);
}

void SetHelpContext(QObject* object, int context)
{
    object->setProperty(ContextProperty, context);
}

int HelpContext(const QObject* object)
{
    return object->property(ContextProperty).toInt();
}

bool RequestDialogHelp(QWidget* focus)
{
    QWidget* window = focus->window();
    QPushButton* button = HelpButton(window);
    if (!button || !button->isEnabled())
        return false;
    int context = 0;
    for (QWidget* widget = focus; widget && !context; widget = widget->parentWidget()) {
        context = HelpContext(widget);
        if (widget == window)
            break;
    }
    ControlContext = context;
    button->click();
    ControlContext = 0;
    return true;
}

int RequestedControlContext()
{
    return ControlContext;
}

TDialogButtons MakeDialogButtons(
    QDialog* dialog, std::function<void()> onHelp, int okContext, int cancelContext, int helpContext)
{
    TDialogButtons buttons;
    buttons.OK = new QPushButton(QCoreApplication::translate("TDialogButtons", "OK"), dialog);
    buttons.Cancel = new QPushButton(QCoreApplication::translate("TDialogButtons", "Cancel"), dialog);
    buttons.Help = new QPushButton(QCoreApplication::translate("TDialogButtons", "&Help"), dialog);
    buttons.OK->setDefault(true);
    const std::pair<QPushButton*, int> named[]
        = { { buttons.OK, okContext }, { buttons.Cancel, cancelContext }, { buttons.Help, helpContext } };
    for (const auto& [button, context] : named)
        SetHelpContext(button, context);
    buttons.OK->setObjectName(QStringLiteral("btnOK"));
    buttons.Cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons.Help->setObjectName(QStringLiteral("btnHelp"));
    QObject::connect(buttons.Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(buttons.Help, &QPushButton::clicked, dialog, std::move(onHelp));
    buttons.Row = new QHBoxLayout;
    buttons.Row->addStretch();
    buttons.Row->addWidget(buttons.OK);
    buttons.Row->addWidget(buttons.Cancel);
    buttons.Row->addWidget(buttons.Help);
    return buttons;
}
