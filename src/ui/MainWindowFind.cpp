// The main window's clipboard, find and sort commands, and their command state.

#include "core/CommandRules.h"
#include "core/SortKeys.h"
#include "exchange/ImportRules.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "ui/Clipboard.h"
#include "ui/FindDialog.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/SortDialog.h"
#include "ui/VocabGrid.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {
QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// The action after 'action' in the widget's list, or nullptr at its end.
QAction* ActionAfter(QWidget* widget, QAction* action)
{
    const QList<QAction*> actions = widget->actions();
    const qsizetype at = actions.indexOf(action);
    return at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
}
} // namespace

void TMainForm::CreateFindActions()
{
    const auto editing = [this] { return Editing(); };
    const auto hasCurrent = [this] { return HasCurrentItem(); };
    const TActionEntry entries[] = {
        { &miFileImport, "miFileImport", "&Import...", QKeySequence(Qt::CTRL | Qt::Key_I),
            "Adds vocabulary from another file", nullptr, 2002, &TMainForm::miFileImportClick, editing },
        { &miEditCut, "miEditCut", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X),
            "Prepares to move the selected item", "cut", 2102, &TMainForm::miEditCutClick, hasCurrent },
        { &miEditCopy, "miEditCopy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), "Copies the selected item",
            "copy", 2103, &TMainForm::miEditCopyClick, hasCurrent },
        { &miEditPaste, "miEditPaste", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V),
            "Inserts the item on the clipboard", "paste", 2104, &TMainForm::miEditPasteClick,
            [this] {
                const int cut = dgVocab->CutIndex();
                // The clipboard is asked only when no mark decides.
                return Editing()
                    && PasteEnabled(cut, Session_.Document().CurrentIndex(), Session_.Document().Count(),
                        cut == -1 && CanPaste());
            } },
        { &miEditSort, "miEditSort", "&Sort...", QKeySequence(Qt::Key_F8),
            "Arranges items in alphabetical order", "sort", 2110, &TMainForm::miEditSortClick, editing },
        { &miEditFind, "miEditFind", "&Find...", QKeySequence(Qt::CTRL | Qt::Key_F),
            "Searches the current file", nullptr, 2112, &TMainForm::miEditFindClick, editing },
        { &miEditFindNext, "miEditFindNext", "Find &Next", QKeySequence(Qt::Key_F3),
            "Repeats the last search", nullptr, 2113, &TMainForm::miEditFindNextClick,
            [this] { return Editing() && FindNextAvailable(SearchParams_.Text, SearchParams_.Mode); } },
        { &tbSort, "tbSort", "&Sort...", QKeySequence(), "Arranges items in alphabetical order", "sort", 2110,
            &TMainForm::tbSortClick, editing },
    };
    for (const auto& entry : entries) {
        // The tool button shows the menu twin's shortcut (F8) though it runs without the dialog.
        if (entry.action == &tbSort)
            CreateAction(entry, QKeySequence(Qt::Key_F8));
        else
            CreateAction(entry);
    }

    // The menus and the tool bar exist already; the new entries go in at their places.
    auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("miFile"));
    // A group of its own between Save As and Print.
    const QList<QAction*> fileActions = file->actions();
    QAction* afterSaveAs = fileActions[fileActions.indexOf(miFileSaveAs) + 1];
    file->insertSeparator(afterSaveAs);
    file->insertAction(afterSaveAs, miFileImport);
    auto* edit = menuBar()->findChild<QMenu*>(QStringLiteral("miEdit"));
    edit->insertActions(miEditAdd, { miEditCut, miEditCopy, miEditPaste });
    edit->insertSeparator(miEditAdd);
    edit->insertAction(miEditShuffle, miEditSort);
    QAction* afterShuffle = ActionAfter(edit, miEditShuffle);
    edit->insertSeparator(afterShuffle);
    edit->insertActions(afterShuffle, { miEditFind, miEditFindNext });

    QAction* undo = miEditUndo;
    tbrToolBar->insertActions(undo, { miEditCut, miEditCopy, miEditPaste });
    tbrToolBar->insertSeparator(undo);
    QAction* afterDelete = ActionAfter(tbrToolBar, miEditDelete);
    tbrToolBar->insertSeparator(afterDelete);
    tbrToolBar->insertAction(afterDelete, tbSort);
    const std::pair<QAction*, const char*> buttons[] = { { miEditCut, "tbCut" }, { miEditCopy, "tbCopy" },
        { miEditPaste, "tbPaste" }, { tbSort, "tbSort" } };
    for (const auto& [action, name] : buttons)
        tbrToolBar->widgetForAction(action)->setObjectName(Q(name));
}

TSearchDialog* TMainForm::SearchDialog()
{
    if (!SearchDialog_)
        SearchDialog_ = new TSearchDialog(
            this, Session_, SearchParams_, [this] { RunCommand([this] { miEditFindNextClick(); }); });
    return SearchDialog_;
}

void TMainForm::miEditCutClick()
{
    miEditCopyClick();
    dgVocab->SetCutIndex(Session_.Document().CurrentIndex());
}

void TMainForm::miEditCopyClick()
{
    ClearCutMark();
    CopyToClipboard(Session_.Document());
}

void TMainForm::miEditPasteClick()
{
    TVocabFile& document = Session_.Document();
    const int cut = dgVocab->CutIndex();
    switch (DecidePaste(cut, document.CurrentIndex(), document.Count(), cut == -1 && CanPaste())) {
    case paClearMark:
        ClearCutMark();
        break;
    case paMove:
        ClearCutMark();
        MoveCutItem(document, cut);
        RefreshGrid();
        break;
    case paClipboard: {
        const auto pasted = PasteFromClipboard(document);
        RefreshGrid();
        if (!pasted)
            break;
        statusBar()->showMessage(QString::fromStdString(PastedTextMessage(*pasted)), 10000);
        if (const std::string notes = ImportNotes(*pasted); !notes.empty())
            ShowMessageBox(QString::fromStdString(notes), QStringLiteral("Paste"), QMessageBox::Ok,
                QMessageBox::Information);
        break;
    }
    case paNone:
        break;
    }
}

void TMainForm::miEditSortClick()
{
    ClearCutMark();
    TSortDialog dialog(this, SortField_);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    SortField_ = dialog.Field();
    SortDocument();
}

void TMainForm::tbSortClick()
{
    ClearCutMark();
    SortDocument();
}

void TMainForm::SortDocument()
{
    // The keys and the order are worked out away from the window; the list changes here.
    const TVocabFile& document = Session_.Document();
    std::vector<std::uint32_t> order;
    RunLongTask(this, QStringLiteral("Sorting..."),
        [&] { order = TVocabFile::SortOrder(BuildSortKeys(document, SortField_)); });
    Session_.Document().SortByOrder(order);
    RefreshGrid();
}

void TMainForm::miEditFindClick()
{
    if (WindowMode_ != wmEditing)
        return;
    ClearCutMark();
    SearchDialog()->ShowDialog();
}

void TMainForm::HideSearchDialog()
{
    if (SearchDialog_)
        SearchDialog_->hide();
}

void TMainForm::miEditFindNextClick()
{
    if (WindowMode_ != wmEditing || !FindNextAvailable(SearchParams_.Text, SearchParams_.Mode))
        return;
    const TVocabFile& document = Session_.Document();
    const TSearchParams params = SearchParams_;
    std::int32_t found = -1;
    RunLongTask(this, QStringLiteral("Searching..."), [&] { found = document.FindNext(params); });
    if (found == -1) {
        ShowMessageBox(QStringLiteral("Search text not found."), QStringLiteral("Find"), QMessageBox::Ok,
            QMessageBox::Information);
        return;
    }
    if (found == document.CurrentIndex())
        return;
    Session_.Document().SetCurrentIndex(found);
    RefreshGrid();
    if (SearchDialog_ && SearchDialog_->isVisible())
        MoveSearchDialogOffRow(found);
}

void TMainForm::MoveSearchDialogOffRow(int row)
{
    const QRect cell = dgVocab->visualRect(dgVocab->Model()->index(row, 0));
    const QPoint topLeft = dgVocab->viewport()->mapToGlobal(cell.topLeft());
    const TScreenRect onScreen { topLeft.x(), topLeft.y(), topLeft.x() + cell.width(),
        topLeft.y() + cell.height() };
    const QRect frame = SearchDialog_->frameGeometry();
    const TScreenRect dialog { frame.left(), frame.top(), frame.left() + frame.width(),
        frame.top() + frame.height() };
    const int screenHeight = screen() ? screen()->geometry().height() : 768;
    if (const auto top = DialogTopOffRow(onScreen, cell.height(), dialog, screenHeight))
        SearchDialog_->move(frame.left(), *top);
}
