#include "ui/Keyboard.h"

#include "core/GlobalDocument.h"
#include "settings/Settings.h"
#include "ui/VocabEdit.h"
#include "ui/VocabGrid.h"

#include <QApplication>

std::uint16_t KeyboardLanguageFor(const QWidget* control)
{
    int tag = 0;
    if (const auto* edit = qobject_cast<const TVocabEdit*>(control))
        tag = edit->Tag();
    else if (const auto* grid = qobject_cast<const TVocabGrid*>(control))
        tag = grid->Tag();
    else if (control)
        tag = control->property("Tag").toInt(); // the multiple-choice list
    if (tag == -1)
        return Document().ForeignLangID();
    if (tag == -2)
        return Document().NativeLangID();
    return 0;
}

std::uint16_t SwitchKeyboardLayout(bool useDefault)
{
    if (!Options.KeyboardSwitching || useDefault)
        return 0;
    return KeyboardLanguageFor(QApplication::focusWidget());
}
