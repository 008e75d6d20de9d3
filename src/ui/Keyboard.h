#pragma once
// Keyboard-layout switching follows the focused control's language (Tag -1 foreign, -2 native).
// This platform offers programs no way to switch the layout, so the switch itself stays
// inactive; the option and the tags are kept, and the language it would select is reported.

#include <cstdint>

class TSession;
class TVocabFile;

class QWidget;

// The language whose layout belongs to the control: the document's foreign language for tag -1,
// its native language for -2, 0 (the start-up layout) for any other control.
std::uint16_t KeyboardLanguageFor(const TVocabFile& document, const QWidget* control);
// Returns the language whose layout is wanted now (0 for the start-up layout), or 0 when the
// option KeyboardSwitching is off.
std::uint16_t SwitchKeyboardLayout(TSession& session, bool useDefault);
