#include "ui/Keyboard.h"

#include "settings/Session.h"
#include "ui/VocabEdit.h"
#include "ui/VocabGrid.h"

#include <QApplication>

std::uint16_t KeyboardLanguageFor(const TVocabFile& document, const QWidget* control)
{
    int tag = 0;
    if (const auto* edit = qobject_cast<const TVocabEdit*>(control))
        tag = edit->Tag();
    else if (const auto* grid = qobject_cast<const TVocabGrid*>(control))
        tag = grid->Tag();
    else if (control)
        tag = control->property("Tag").toInt(); // the multiple-choice list
    if (tag == -1)
        return document.ForeignLangID();
    if (tag == -2)
        return document.NativeLangID();
    return 0;
}

std::uint16_t SwitchKeyboardLayout(TSession& session, bool useDefault)
{
    if (!session.Settings.Options.KeyboardSwitching || useDefault)
        return 0;
    return KeyboardLanguageFor(session.Document(), QApplication::focusWidget());
}
