#pragma once
// Every message box of the program goes through ShowMessageBox, which asks the installed
// IMessageBoxes: modal Qt boxes unless a test program has installed scripted ones.

#include <QMessageBox>
#include <QString>

// A box as it is asked for; its caption is never empty.
struct TMessage {
    QString Text;
    QString Caption;
    QMessageBox::StandardButtons Buttons;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton Default = QMessageBox::NoButton;
};

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // The button the user chose.
    virtual QMessageBox::StandardButton Show(const TMessage& message) = 0;
};

// Installs boxes (kept by the caller) for every box the program shows; nullptr goes back to Qt's.
void UseMessageBoxes(IMessageBoxes* boxes);

QMessageBox::StandardButton ShowMessageBox(const QString& text, const QString& caption,
    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
