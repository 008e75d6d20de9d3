#include "ui/EditCommands.h"

#include "core/CommandRules.h"
#include "exchange/ImportRules.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "ui/Clipboard.h"
#include "ui/EditDialog.h"
#include "ui/MainWindow.h"
#include "ui/VocabGrid.h"

#include <QAction>
#include <QStatusBar>

TEditCommands::TEditCommands(TMainForm& form)
    : Form_(form)
    , Session_(form.Session())
{
    const auto editing = [&form] { return form.Editing(); };
    const auto hasCurrent = [&form] { return form.HasCurrentItem(); };
    TSession& session = Session_;
    // Undo and Redo name what they will undo or redo.
    const auto named = [&session](bool redo) {
        return [&session, redo](QAction& action) {
            const TUndoKind kind = redo ? session.Document().RedoKind() : session.Document().UndoKind();
            if (!action.isEnabled())
                action.setText(redo ? tr("&Redo") : tr("&Undo"));
            else
                //: %1 is what is undone or redone: Add, Edit, Delete, Paste, Move, Sort or Shuffle
                action.setText((redo ? tr("&Redo %1") : tr("&Undo %1")).arg(ModelText(UndoKindName(kind))));
        };
    };
    const TCommandRow rows[] = {
        { "miEditUndo", QT_TRANSLATE_NOOP("Commands", "&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
            QT_TRANSLATE_NOOP("Commands", "Reverses an action"), "undo", 2100, { TMenuId::Edit, 10, 30 },
            [this] { Change([](TSession& s) { s.Document().Undo(); }); },
            [&form, &session] { return form.Editing() && session.Document().UndoKind() != ukNone; }, {},
            named(false) },
        { "miEditRedo", QT_TRANSLATE_NOOP("Commands", "&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y),
            QT_TRANSLATE_NOOP("Commands", "Repeats an action"), "redo", 2101, { TMenuId::Edit, 11, 31 },
            [this] { Change([](TSession& s) { s.Document().Redo(); }); },
            [&form, &session] { return form.Editing() && session.Document().RedoKind() != ukNone; }, {},
            named(true) },
        { "miEditCut", QT_TRANSLATE_NOOP("Commands", "Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
            QT_TRANSLATE_NOOP("Commands", "Prepares to move the selected item"), "cut", 2102,
            { TMenuId::Edit, 20, 20, "tbCut" }, [this] { Cut(); }, hasCurrent },
        { "miEditCopy", QT_TRANSLATE_NOOP("Commands", "&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
            QT_TRANSLATE_NOOP("Commands", "Copies the selected item"), "copy", 2103,
            { TMenuId::Edit, 21, 21, "tbCopy" }, [this] { Copy(); }, hasCurrent },
        { "miEditPaste", QT_TRANSLATE_NOOP("Commands", "&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
            QT_TRANSLATE_NOOP("Commands", "Inserts the item on the clipboard"), "paste", 2104,
            { TMenuId::Edit, 22, 22, "tbPaste" }, [this] { Paste(); },
            [&form, &session] {
                const int cut = form.Grid()->CutIndex();
                // The clipboard is asked only when no mark decides, and not before the first
                // picture: asking loads every image plug-in, and the owner may answer slowly.
                return form.Editing()
                    && PasteEnabled(cut, session.Document().CurrentIndex(), session.Document().Count(),
                        cut == -1 && form.Painted() && CanPaste());
            } },
        { "miEditAdd", QT_TRANSLATE_NOOP("Commands", "&Add..."), QKeySequence(Qt::Key_Insert),
            QT_TRANSLATE_NOOP("Commands", "Adds a new item"), "add", 2105, { TMenuId::Edit, 30, 40 },
            [this] { Add(); }, editing },
        { "miEditEdit", QT_TRANSLATE_NOOP("Commands", "&Edit..."), QKeySequence(Qt::Key_F2),
            QT_TRANSLATE_NOOP("Commands", "Modifies the selected item"), "edit", 2106,
            { TMenuId::Edit, 31, 41 }, [this] { EditCurrent(); }, hasCurrent },
        { "miEditDelete", QT_TRANSLATE_NOOP("Commands", "&Delete"), QKeySequence(Qt::Key_Delete),
            QT_TRANSLATE_NOOP("Commands", "Deletes the selected item"), "delete", 2107,
            { TMenuId::Edit, 32, 42 }, [this] { Change([](TSession& s) { s.Document().DeleteCurrent(); }); },
            hasCurrent },
        { "miEditMoveUp", QT_TRANSLATE_NOOP("Commands", "&Move Up"), QKeySequence(Qt::CTRL | Qt::Key_U),
            QT_TRANSLATE_NOOP("Commands", "Moves the selected item up"), "up", 2108, { TMenuId::Edit, 40 },
            [this] {
                Change([](TSession& s) { s.Document().MoveCurrent(s.Document().CurrentIndex() - 1); });
            },
            [&form, &session] { return form.HasCurrentItem() && session.Document().CurrentIndex() > 0; } },
        { "miEditMoveDown", QT_TRANSLATE_NOOP("Commands", "M&ove Down"), QKeySequence(Qt::CTRL | Qt::Key_D),
            QT_TRANSLATE_NOOP("Commands", "Moves the selected item down"), "down", 2109,
            { TMenuId::Edit, 41 },
            [this] {
                Change([](TSession& s) { s.Document().MoveCurrent(s.Document().CurrentIndex() + 1); });
            },
            [&form, &session] {
                return form.HasCurrentItem()
                    && session.Document().CurrentIndex() < session.Document().Count() - 1;
            } },
        { "miEditShuffle", QT_TRANSLATE_NOOP("Commands", "S&huffle"), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Arranges items in a random order"), "shuffle", 2111,
            { TMenuId::Edit, 51 }, [this] { Change([](TSession& s) { s.Document().Shuffle(); }); }, editing },
    };
    form.AddCommands(rows);
    connect(form.Grid(), &TVocabGrid::ActivateItem, this, [this] {
        Form_.RunCommand([this] {
            if (Session_.Document().CurrentIndex() != -1)
                EditCurrent();
            else
                Add();
        });
    });
}

void TEditCommands::Change(void (*change)(TSession&))
{
    Form_.ClearCutMark();
    change(Session_);
    Form_.RefreshGrid();
}

void TEditCommands::Add()
{
    if (Form_.WindowMode() != wmEditing)
        return;
    Form_.ClearCutMark();
    TItemEditData edit;
    edit.IsNew = true;
    TEditDialog dialog(&Form_, edit, Session_);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    TVocabFile& document = Session_.Document();
    TVocabItem& item = document.NewItem();
    item.SetFieldValues(edit.FieldValues[0], edit.FieldValues[1], edit.FieldValues[2], edit.FieldValues[3]);
    item.SortingPosition = edit.SortingPosition;
    if (Session_.Settings.Options.AppendNewWords)
        document.SetCurrentIndex(-1);
    document.Add(ukAdd);
    Form_.RefreshGrid();
}

void TEditCommands::EditCurrent()
{
    TVocabFile& document = Session_.Document();
    if (Form_.WindowMode() != wmEditing || document.CurrentIndex() == -1)
        return;
    Form_.ClearCutMark();
    const TVocabItem& current = document.CurrentItem();
    TItemEditData edit;
    edit.IsNew = false;
    for (int f = 0; f < FieldCount; ++f)
        edit.FieldValues[static_cast<std::size_t>(f)] = std::string(current.FieldValue(f));
    edit.SortingPosition = current.SortingPosition;
    TEditDialog dialog(&Form_, edit, Session_);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    ReplaceCurrentItem(document, edit);
    Form_.RefreshGrid();
}

void TEditCommands::Cut()
{
    Copy();
    Form_.Grid()->SetCutIndex(Session_.Document().CurrentIndex());
}

void TEditCommands::Copy()
{
    Form_.ClearCutMark();
    CopyToClipboard(Session_.Document());
}

void TEditCommands::Paste()
{
    TVocabFile& document = Session_.Document();
    const int cut = Form_.Grid()->CutIndex();
    switch (DecidePaste(cut, document.CurrentIndex(), document.Count(), cut == -1 && CanPaste())) {
    case paClearMark:
        Form_.ClearCutMark();
        break;
    case paMove:
        Form_.ClearCutMark();
        MoveCutItem(document, cut);
        Form_.RefreshGrid();
        break;
    case paClipboard: {
        const auto pasted = PasteFromClipboard(document);
        Form_.RefreshGrid();
        if (!pasted)
            break;
        Form_.statusBar()->showMessage(SayingText(PastedTextMessage(*pasted)), 10000);
        if (const TSaying notes = ImportNotes(*pasted); !notes.Empty())
            ShowMessageBox(SayingText(notes), tr("Paste"), QMessageBox::Ok, QMessageBox::Information);
        break;
    }
    case paNone:
        break;
    }
}
