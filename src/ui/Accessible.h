#pragma once
// What a screen reader needs that Qt's widgets do not give by themselves.

class QLabel;
class QToolBar;
class QWidget;

// The label names its control through its buddy; Qt's item views do not read buddies, so a list or
// table takes the label's text as its name besides. Again after the label's text changes.
void SetBuddy(QLabel* label, QWidget* buddy);
// The button a tool bar shows when its buttons do not fit has no text of its own.
void NameToolBarExtension(QToolBar* bar);
