// The main window's Edit and View commands.

#include "qtsupport/DialogRunner.h"
#include "ui/EditDialog.h"
#include "ui/FindDialog.h"
#include "ui/FontDialog.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/VocabGrid.h"

#include <QStatusBar>
#include <QToolBar>

void TMainForm::miEditUndoClick()
{
    ClearCutMark();
    Session_.Document().Undo();
    RefreshGrid();
}

void TMainForm::miEditRedoClick()
{
    ClearCutMark();
    Session_.Document().Redo();
    RefreshGrid();
}

void TMainForm::miEditAddClick()
{
    if (WindowMode_ != wmEditing)
        return;
    ClearCutMark();
    TItemEditData edit;
    edit.IsNew = true;
    TEditDialog dialog(this, edit, Session_);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    TVocabFile& document = Session_.Document();
    TVocabItem& item = document.NewItem();
    item.SetFieldValues(edit.FieldValues[0], edit.FieldValues[1], edit.FieldValues[2], edit.FieldValues[3]);
    item.SortingPosition = edit.SortingPosition;
    if (Session_.Settings.Options.AppendNewWords)
        document.SetCurrentIndex(-1);
    document.Add(ukAdd);
    RefreshGrid();
}

void TMainForm::miEditEditClick()
{
    TVocabFile& document = Session_.Document();
    if (WindowMode_ != wmEditing || document.CurrentIndex() == -1)
        return;
    ClearCutMark();
    const TVocabItem& current = document.CurrentItem();
    TItemEditData edit;
    edit.IsNew = false;
    for (int f = 0; f < FieldCount; ++f)
        edit.FieldValues[static_cast<std::size_t>(f)] = std::string(current.FieldValue(f));
    edit.SortingPosition = current.SortingPosition;
    TEditDialog dialog(this, edit, Session_);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    ReplaceCurrentItem(document, edit);
    RefreshGrid();
}

void TMainForm::miEditDeleteClick()
{
    TVocabFile& document = Session_.Document();
    ClearCutMark();
    document.DeleteCurrent();
    RefreshGrid();
}

void TMainForm::miEditMoveUpClick()
{
    TVocabFile& document = Session_.Document();
    ClearCutMark();
    document.MoveCurrent(document.CurrentIndex() - 1);
    RefreshGrid();
}

void TMainForm::miEditMoveDownClick()
{
    TVocabFile& document = Session_.Document();
    ClearCutMark();
    document.MoveCurrent(document.CurrentIndex() + 1);
    RefreshGrid();
}

void TMainForm::miEditShuffleClick()
{
    ClearCutMark();
    Session_.Document().Shuffle();
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
    TSelectFontDialog dialog(this, Session_.Settings.DisplayFont);
    if (ExecDialog(dialog) == QDialog::Accepted) {
        ApplyDisplayFont();
        if (SearchDialog_)
            SearchDialog_->LayoutControls();
    }
}

void TMainForm::miViewOptionsClick()
{
    TSettings& settings = Session_.Settings;
    TOptionsTarget target { &settings.Options, &settings.SoundFileRight, &settings.SoundFileWrong,
        LanguageCharset(Session_.Document().ForeignLangID()), Sound_.get(), &Session_.OptionsPages };
    target.Speech = SpeechPageTarget();
    target.Reviews = &settings.Reviews;
    TOptionsDialog dialog(this, target);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    // The learnt colour may have changed; a question is chosen again under the new options.
    if (WindowMode_ == wmTesting)
        RefreshQuestion();
    else
        RefreshGrid();
}
