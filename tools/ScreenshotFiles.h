// Writing the pictures: one widget as it draws itself, or a window with another drawn over it
// where it stands on the screen (a popup, a tool tip, a dialog of its own).

#pragma once

#include <QString>

class QPixmap;
class QWidget;

// Lets the windows shown draw before they are grabbed.
void SettleEvents();
// FOLDER/NAME.png; prints the path, or why it could not be written.
void SavePicture(const QPixmap& picture, const QString& folder, const char* name);
void SaveWidget(QWidget* widget, const QString& folder, const char* name);
// settle: false where the one over would go on the next event (a tool tip).
void SaveOver(QWidget* under, QWidget* over, const QString& folder, const char* name, bool settle = true);
