#include "ui/HelpRequest.h"

#include <QVariant>
#include <QWidget>

namespace {
THelpHandler Handler;
const char* const ContextProperty = "HelpContext";
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

void SetHelpContext(QWidget* widget, int context)
{
    widget->setProperty(ContextProperty, context);
}

int HelpContext(const QWidget* widget)
{
    return widget->property(ContextProperty).toInt();
}
