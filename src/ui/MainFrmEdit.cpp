// The main window's Edit and View commands.

#include "app/DialogRunner.h"
#include "core/GlobalDocument.h"
#include "ui/EditDlg.h"
#include "ui/FontDlg.h"
#include "ui/MainFrm.h"
#include "ui/OptsDlg.h"
#include "ui/SrchDlg.h"
#include "ui/VocabGrid.h"

#include <QStatusBar>
#include <QToolBar>

void TMainForm::miEditUndoClick()
{
    if (WindowMode_ != wmEditing || Document().UndoKind() == ukNone)
        return;
    ClearCutMark();
    Document().Undo();
    RefreshGrid();
}

void TMainForm::miEditRedoClick()
{
    if (WindowMode_ != wmEditing || Document().RedoKind() == ukNone)
        return;
    ClearCutMark();
    Document().Redo();
    RefreshGrid();
}

void TMainForm::miEditAddClick()
{
    if (WindowMode_ != wmEditing)
        return;
    ClearCutMark();
    TItemEditData edit;
    edit.IsNew = true;
    TEditDialog dialog(this, edit);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    TVocabFile& document = Document();
    TVocabItem& item = document.NewItem();
    item.SetFieldValues(edit.FieldValues[0], edit.FieldValues[1], edit.FieldValues[2], edit.FieldValues[3]);
    item.SortingPosition = edit.SortingPosition;
    if (Options.AppendNewWords)
        document.SetCurrentIndex(-1);
    document.Add(ukAdd);
    RefreshGrid();
}

void TMainForm::miEditEditClick()
{
    TVocabFile& document = Document();
    if (WindowMode_ != wmEditing || document.CurrentIndex() == -1)
        return;
    ClearCutMark();
    const TVocabItem& current = document.CurrentItem();
    TItemEditData edit;
    edit.IsNew = false;
    for (int f = 0; f < FieldCount; ++f)
        edit.FieldValues[static_cast<std::size_t>(f)] = std::string(current.FieldValue(f));
    edit.SortingPosition = current.SortingPosition;
    TEditDialog dialog(this, edit);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    TVocabItem& item = document.NewItem();
    item.SetFieldValues(edit.FieldValues[0], edit.FieldValues[1], edit.FieldValues[2], edit.FieldValues[3]);
    item.SortingPosition = edit.SortingPosition;
    item.LastAttempt = 0;
    item.PenaltyPoints = 0;
    document.Replace();
    RefreshGrid();
}

void TMainForm::miEditDeleteClick()
{
    TVocabFile& document = Document();
    if (WindowMode_ != wmEditing || document.CurrentIndex() == -1)
        return;
    ClearCutMark();
    document.CurrentItem().DisplayWidth = 0;
    document.DeleteCurrent();
    RefreshGrid();
}

void TMainForm::miEditMoveUpClick()
{
    TVocabFile& document = Document();
    if (WindowMode_ != wmEditing || document.CurrentIndex() <= 0)
        return;
    ClearCutMark();
    document.MoveCurrent(document.CurrentIndex() - 1);
    RefreshGrid();
}

void TMainForm::miEditMoveDownClick()
{
    TVocabFile& document = Document();
    if (WindowMode_ != wmEditing || document.CurrentIndex() == -1
        || document.CurrentIndex() >= document.Count() - 1)
        return;
    ClearCutMark();
    document.MoveCurrent(document.CurrentIndex() + 1);
    RefreshGrid();
}

void TMainForm::miEditShuffleClick()
{
    if (WindowMode_ != wmEditing)
        return;
    ClearCutMark();
    Document().Shuffle();
    RefreshGrid();
}

void TMainForm::miViewToolBarClick()
{
    tbrToolBar->setVisible(tbrToolBar->isHidden());
    WindowState_.ShowToolBar = !tbrToolBar->isHidden();
}

void TMainForm::miViewStatusBarClick()
{
    statusBar()->setVisible(statusBar()->isHidden());
    WindowState_.ShowStatusBar = !statusBar()->isHidden();
}

void TMainForm::miViewFontClick()
{
    TSelectFontDialog dialog(this, DisplayFont);
    if (ExecDialog(dialog) == QDialog::Accepted) {
        ApplyDisplayFont();
        SearchDialog_->LayoutControls();
    }
}

void TMainForm::miViewOptionsClick()
{
    const TOptionsTarget target { &Options, &SoundFileRight, &SoundFileWrong,
        LanguageCharset(Document().ForeignLangID()), Sound_.get() };
    TOptionsDialog dialog(this, target);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    // The learnt colour may have changed; a question is chosen again under the new options.
    if (WindowMode_ == wmTesting)
        RefreshQuestion();
    else
        RefreshGrid();
}
