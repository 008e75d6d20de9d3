#pragma once
// The model stays free of Qt, and its messages stay English where the command line shows them. A
// fixed English text or template that the window shows is marked with VM_TRANSLATE_NOOP: lupdate
// gathers it into the window's translations (as QT_TRANSLATE_NOOP), and the window translates it
// at its edge (qtsupport/ModelText.h).
#define VM_TRANSLATE_NOOP(context, text) text

#include <initializer_list>
#include <string>
#include <string_view>

// A marked template with its arguments put in, as QString::arg does: "%1" ... "%9" in order.
std::string FillIn(std::string_view text, std::initializer_list<std::string> args);
