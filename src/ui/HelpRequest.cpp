#include "ui/HelpRequest.h"

#include <QDialogButtonBox>
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
        if (button->text() == QStringLiteral("&Help"))
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
