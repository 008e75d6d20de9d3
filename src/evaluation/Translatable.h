#pragma once
// The model stays free of Qt, and its messages stay English where the command line shows them. A
// fixed English text or template that the window shows is marked with VM_TRANSLATE_NOOP: lupdate
// gathers it into the window's translations (as QT_TRANSLATE_NOOP), and the window translates it
// at its edge (qtsupport/ModelText.h).
#define VM_TRANSLATE_NOOP(context, text) text
