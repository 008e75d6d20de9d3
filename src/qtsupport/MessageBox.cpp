#include "qtsupport/MessageBox.h"

#include "qtsupport/DialogRunner.h"

#include <QApplication>
#include <QWidget>

namespace {

class TQtMessageBoxes : public IMessageBoxes {
public:
    QMessageBox::StandardButton Show(const TMessage& message) override
    {
        QMessageBox box(
            message.Icon, message.Caption, message.Text, message.Buttons, QApplication::activeWindow());
        SetModalFrame(box);
        if (message.Default != QMessageBox::NoButton)
            box.setDefaultButton(message.Default);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

IMessageBoxes* Installed = nullptr;

} // namespace

void UseMessageBoxes(IMessageBoxes* boxes)
{
    Installed = boxes;
}

QMessageBox::StandardButton ShowMessageBox(const QString& text, const QString& caption,
    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon, QMessageBox::StandardButton defaultButton)
{
    static TQtMessageBoxes qtBoxes;
    const TMessage message { text, caption.isEmpty() ? QStringLiteral("Velmoria") : caption, buttons, icon,
        defaultButton };
    return (Installed ? *Installed : qtBoxes).Show(message);
}
