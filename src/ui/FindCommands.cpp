#include "ui/FindCommands.h"

#include "core/CommandRules.h"
#include "core/SortKeys.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "ui/FindDialog.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/SortDialog.h"
#include "ui/VocabGrid.h"

#include <QScreen>

TFindCommands::TFindCommands(TMainForm& form)
    : Form_(form)
    , Session_(form.Session())
{
    const auto editing = [&form] { return form.Editing(); };
    const TCommandRow rows[] = {
        { "miEditSort", QT_TRANSLATE_NOOP("Commands", "&Sort..."), QKeySequence(Qt::Key_F8),
            QT_TRANSLATE_NOOP("Commands", "Arranges items in alphabetical order"), "sort", 2110,
            { TMenuId::Edit, 50 }, [this] { Sort(); }, editing },
        { "miEditFind", QT_TRANSLATE_NOOP("Commands", "&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F),
            QT_TRANSLATE_NOOP("Commands", "Searches the current file"), nullptr, 2112, { TMenuId::Edit, 60 },
            [this] { Find(); }, editing },
        { "miEditFindNext", QT_TRANSLATE_NOOP("Commands", "Find &Next"), QKeySequence(Qt::Key_F3),
            QT_TRANSLATE_NOOP("Commands", "Repeats the last search"), nullptr, 2113, { TMenuId::Edit, 61 },
            [this] { FindNext(); },
            [this, &form] {
                return form.Editing() && FindNextAvailable(SearchParams_.Text, SearchParams_.Mode);
            } },
        // The button sorts by the last field without asking; its tip shows the menu twin's shortcut.
        { "tbSort", QT_TRANSLATE_NOOP("Commands", "&Sort..."), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Arranges items in alphabetical order"), "sort", 2110,
            { TMenuId::None, 0, 50, "tbSort" }, [this] { SortAtOnce(); }, editing, {}, {},
            QKeySequence(Qt::Key_F8) },
    };
    form.AddCommands(rows);
}

TSearchDialog* TFindCommands::SearchDialog()
{
    if (!SearchDialog_)
        SearchDialog_ = new TSearchDialog(
            &Form_, Session_, SearchParams_, [this] { Form_.RunCommand([this] { FindNext(); }); });
    return SearchDialog_;
}

void TFindCommands::Sort()
{
    Form_.ClearCutMark();
    TSortDialog dialog(&Form_, SortField_);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    SortField_ = dialog.Field();
    SortDocument();
}

void TFindCommands::SortAtOnce()
{
    Form_.ClearCutMark();
    SortDocument();
}

void TFindCommands::SortDocument()
{
    // The keys and the order are worked out away from the window; the list changes here.
    const TVocabFile& document = Session_.Document();
    std::vector<std::uint32_t> order;
    RunLongTask(&Form_, tr("Sorting..."),
        [&] { order = TVocabFile::SortOrder(BuildSortKeys(document, SortField_)); });
    Session_.Document().SortByOrder(order);
    Form_.RefreshGrid();
}

void TFindCommands::Find()
{
    if (Form_.WindowMode() != wmEditing)
        return;
    Form_.ClearCutMark();
    SearchDialog()->ShowDialog();
}

void TFindCommands::HideSearchDialog()
{
    if (SearchDialog_)
        SearchDialog_->hide();
}

void TFindCommands::FindNext()
{
    if (Form_.WindowMode() != wmEditing || !FindNextAvailable(SearchParams_.Text, SearchParams_.Mode))
        return;
    const TVocabFile& document = Session_.Document();
    const TSearchParams params = SearchParams_;
    std::int32_t found = -1;
    RunLongTask(&Form_, tr("Searching..."), [&] { found = document.FindNext(params); });
    if (found == -1) {
        ShowMessageBox(tr("Search text not found."), tr("Find"), QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    if (found == document.CurrentIndex())
        return;
    Session_.Document().SetCurrentIndex(found);
    Form_.RefreshGrid();
    if (SearchDialog_ && SearchDialog_->isVisible())
        MoveSearchDialogOffRow(found);
}

void TFindCommands::MoveSearchDialogOffRow(int row)
{
    TVocabGrid* grid = Form_.Grid();
    const QRect cell = grid->visualRect(grid->Model()->index(row, 0));
    const QPoint topLeft = grid->viewport()->mapToGlobal(cell.topLeft());
    const TScreenRect onScreen { topLeft.x(), topLeft.y(), topLeft.x() + cell.width(),
        topLeft.y() + cell.height() };
    const QRect frame = SearchDialog_->frameGeometry();
    const TScreenRect dialog { frame.left(), frame.top(), frame.left() + frame.width(),
        frame.top() + frame.height() };
    const int screenHeight = Form_.screen() ? Form_.screen()->geometry().height() : 768;
    if (const auto top = DialogTopOffRow(onScreen, cell.height(), dialog, screenHeight))
        SearchDialog_->move(frame.left(), *top);
}
