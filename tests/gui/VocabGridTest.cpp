#include "ui/VocabGrid.h"

#include "core/DocumentBuilders.h"
#include "settings/Session.h"
#include "settings/Settings.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <time.h>
#include <vector>

namespace {

void NewDocument(TSession& session, const std::vector<TListItem>& rows, LangId foreign = French)
{
    session.ReplaceDocument(ListOf(rows, foreign, EnglishUK));
}

void NewDocument(TSession& session, const TWords& words)
{
    std::vector<TListItem> rows;
    for (const auto& word : words)
        rows.push_back({ word, "", "", "x" });
    NewDocument(session, rows);
}

TWords Numbered(int count)
{
    TWords words;
    for (int i = 0; i < count; ++i)
        words.push_back("w" + std::to_string(i));
    return words;
}

class VocabGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Session.Settings.DisplayFont = { "Verdana", 12 };
        NewDocument(Session, TWords {});
    }

    // A shown grid with the given height in rows (plus half a row when partial).
    std::unique_ptr<TVocabGrid> MakeGrid(int rows = 8, bool partial = false)
    {
        auto grid = std::make_unique<TVocabGrid>(Session);
        grid->resize(400, 100);
        grid->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
        const int frame = grid->height() - grid->viewport()->height();
        grid->resize(400, frame + rows * grid->RowHeight() + (partial ? grid->RowHeight() / 2 : 0));
        grid->RefreshGrid();
        return grid;
    }

    static int SelectedRow(const TVocabGrid& grid)
    {
        const auto rows = grid.selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -2;
    }

    static QPoint RowCentre(const TVocabGrid& grid, int row)
    {
        return grid.visualRect(grid.Model()->index(row, 0)).center();
    }

    // Moves with the button held, as the pointer does while dragging.
    static void DragMove(TVocabGrid& grid, QPoint pos)
    {
        QMouseEvent move(QEvent::MouseMove, pos, grid.viewport()->mapToGlobal(pos), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid.viewport(), &move);
    }

    // Presses on a row and moves, the button held, first by a pixel and then to the given point.
    static void StartDrag(TVocabGrid& grid, int from, QPoint to)
    {
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, RowCentre(grid, from));
        DragMove(grid, RowCentre(grid, from) + QPoint(0, 1));
        DragMove(grid, to);
    }

    static void Drag(TVocabGrid& grid, int from, QPoint to)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, RowCentre(grid, from));
        StartDrag(grid, from, to);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, to);
    }

    TVocabFile& Doc() { return Session.Document(); }

    TSession Session;
};

TEST_F(VocabGridTest, ModelPassesTheItemModelTesterAndReadsEachFieldInItsCodePage)
{
    TVocabGrid grid(Session);
    QAbstractItemModelTester tester(grid.Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto text = [&](int row) { return grid.Model()->data(grid.Model()->index(row, 0)); };
    const auto rows = [&] {
        grid.RefreshGrid();
        return grid.Model()->rowCount();
    };
    EXPECT_EQ(grid.Model()->rowCount(), 1);
    EXPECT_FALSE(text(0).isValid());
    // Russian words in code page 1251, English notes and translations.
    NewDocument(Session,
        { { "\xE4\xEE\xEC", "n.", "", "house" }, { "\xE2\xEE\xE4\xE0", "", "f.", "water" },
            { "c", "", "", "x" } },
        0x0419);
    EXPECT_EQ(rows(), 4);
    EXPECT_EQ(text(0).toString(), QString::fromUtf8("дом n. house"));
    EXPECT_EQ(text(1).toString(), QString::fromUtf8("вода f. water"));
    EXPECT_FALSE(text(3).isValid());
    Doc().SetCurrentIndex(1);
    Doc().DeleteCurrent();
    EXPECT_EQ(rows(), 3);
    Doc().Undo();
    EXPECT_EQ(rows(), 4);
    NewDocument(Session, TWords {});
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(grid.Model()->columnCount(), 1);
}

// A screen reader reads each row with its fields apart and what only colours and frames show, the
// blank row as what it is for, which is current when the list is empty.
TEST_F(VocabGridTest, AScreenReaderReadsTheRowsAsATableThatAlwaysHasACurrentCell)
{
    NewDocument(Session,
        { { "Haus", "n.", "pl. H\xE4user", "house" }, { "Baum", "", "", "tree", 0, true }, { "See" } });
    auto grid = MakeGrid();
    grid->SetCutIndex(2);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid.get())->tableInterface();
    QStringList read;
    for (int row = 0; row < table->rowCount(); ++row)
        read << table->cellAt(row, 0)->text(QAccessible::Name) + u'|'
                + table->cellAt(row, 0)->text(QAccessible::Description);
    EXPECT_EQ(read.join(u'/').toStdString(),
        "Haus, n., pl. H\u00e4user, house|/Baum, tree|learnt/See|cut/Blank row (Enter adds an item)|");
    NewDocument(Session, TWords {});
    grid->RefreshGrid();
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(VocabGridTest, SelectionCurrentIndexAndActivationFollowEachOther)
{
    auto grid = MakeGrid();
    QSignalSpy activated(grid.get(), &TVocabGrid::ActivateItem);
    EXPECT_EQ(SelectedRow(*grid), 0) << "an empty list selects its blank row";
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 0));
    EXPECT_EQ(activated.count(), 1);
    NewDocument(Session, TWords { "a", "b", "c", "d", "e" });
    grid->RefreshGrid();
    EXPECT_EQ(SelectedRow(*grid), 5) << "no current item: the blank row";
    EXPECT_EQ(Doc().CurrentIndex(), -1) << "a refresh does not write the selection back";

    Doc().SetCurrentIndex(3);
    grid->RefreshGrid();
    EXPECT_EQ(SelectedRow(*grid), 3);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 1));
    EXPECT_EQ(Doc().CurrentIndex(), 1);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(Doc().CurrentIndex(), 2);
    QTest::keyClick(grid.get(), Qt::Key_End);
    EXPECT_EQ(SelectedRow(*grid), 5);
    EXPECT_EQ(Doc().CurrentIndex(), -1);
    QTest::keyClick(grid.get(), Qt::Key_Home);
    EXPECT_EQ(Doc().CurrentIndex(), 0);

    // The one selected row cannot be clicked away: not by Ctrl, not below the last row.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(*grid, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, grid->RowHeight() * 7 + 2));
    EXPECT_EQ(SelectedRow(*grid), 0);
    EXPECT_EQ(Doc().CurrentIndex(), 0);
    // Return, Enter and a double-click activate the item.
    QTest::keyClick(grid.get(), Qt::Key_Return);
    QTest::keyClick(grid.get(), Qt::Key_Enter);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 1));
    EXPECT_EQ(activated.count(), 4);
    EXPECT_EQ(Doc().CurrentIndex(), 1);
}

TEST_F(VocabGridTest, RefreshScrollsTheSelectionIntoView)
{
    NewDocument(Session, Numbered(100));
    auto grid = MakeGrid(10);
    ASSERT_EQ(grid->VisibleRows(), 10);
    EXPECT_EQ(grid->TopRow(), 91) << "the blank row is selected and shown at the bottom";
    const auto topRowFor = [&](int current) {
        Doc().SetCurrentIndex(current);
        grid->RefreshGrid();
        return grid->TopRow();
    };
    EXPECT_EQ(topRowFor(3), 3);
    EXPECT_EQ(topRowFor(50), 41);
    EXPECT_EQ(topRowFor(45), 41) << "a visible row does not scroll";
}

TEST_F(VocabGridTest, TypeAheadStepsThroughTheItemsOfTheTypedLetter)
{
    NewDocument(Session,
        { { "l'eau", "", "", "water" }, { "Lampe", "", "", "lamp" }, { "chat", "", "", "cat" },
            { "la maison", "", "", "house", 3 }, { "lune", "", "", "moon" } });
    auto grid = MakeGrid();
    // Which item a letter selects is the rules' own; the grid steps on from each selection.
    QTest::keyClick(grid.get(), 'l');
    QTest::keyClick(grid.get(), 'l');
    EXPECT_EQ(Doc().CurrentIndex(), 1);
    EXPECT_EQ(SelectedRow(*grid), 1);

    QTest::keyClick(grid.get(), 'M', Qt::ShiftModifier);
    EXPECT_EQ(Doc().CurrentIndex(), 3);
    QTest::keyClick(grid.get(), 'z');
    EXPECT_EQ(Doc().CurrentIndex(), 3) << "no match keeps the selection";
    QTest::keyClick(grid.get(), 'l', Qt::ControlModifier);
    EXPECT_EQ(Doc().CurrentIndex(), 3) << "a command key is no type-ahead";
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("ж"));
    QCoreApplication::sendEvent(grid.get(), &zhe);
    EXPECT_EQ(Doc().CurrentIndex(), 3) << "a character the code page lacks finds nothing";
}

TEST_F(VocabGridTest, DraggingARowMovesTheItemAsOneUndoStep)
{
    const TWords words { "A", "B", "C", "D", "E" };
    NewDocument(Session, words);
    auto grid = MakeGrid();
    QSignalSpy moved(grid.get(), &TVocabGrid::ItemMoved);
    const int undoCount = Doc().UndoCount();

    Drag(*grid, 1, RowCentre(*grid, 3));
    EXPECT_EQ(std::tuple(Foreigns(Doc()), Doc().CurrentIndex(), SelectedRow(*grid), moved.count(),
                  Doc().UndoCount(), Doc().UndoKind()),
        std::tuple(TWords { "A", "C", "D", "B", "E" }, 3, 3, 1, undoCount + 1, ukMove));

    Drag(*grid, 3, RowCentre(*grid, 0));
    EXPECT_EQ(Foreigns(Doc()), (TWords { "B", "A", "C", "D", "E" }));
    Doc().Undo();
    Doc().Undo();
    EXPECT_EQ(Foreigns(Doc()), words);
}

TEST_F(VocabGridTest, WhenADragStartsAndDropsThatMoveNothing)
{
    enum TWhere { wItself, wHalfVisibleRow, wBlankRow, wAnyRowAfterEscape, wTenPixels, wOnePixel };
    const struct {
        const char* Name;
        int Count, From; // items; the selected row the button goes down on
        TWhere Where;
        Qt::CursorShape Cursor; // while over the target; ArrowCursor: no drag starts
    } cases[] = {
        { "OntoItself", 10, 2, wItself, Qt::DragMoveCursor }, // accepted, but changes nothing
        { "BelowTheLastFullyVisibleRow", 10, 2, wHalfVisibleRow, Qt::ForbiddenCursor },
        { "TwoItemsOntoTheBlankRow", 2, 1, wBlankRow, Qt::ForbiddenCursor },
        { "Escape", 10, 2, wAnyRowAfterEscape, Qt::DragMoveCursor },
        { "OneItemIsTooFewRows", 1, 0, wTenPixels, Qt::ArrowCursor },
        { "BlankRowIsNoItem", 2, 2, wTenPixels, Qt::ArrowCursor },
        { "OnePixelIsNoDragYet", 3, 1, wOnePixel, Qt::ArrowCursor },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        NewDocument(Session, Numbered(c.Count));
        Doc().SetCurrentIndex(0);
        auto grid = MakeGrid(6, true); // six rows and a half
        QSignalSpy moved(grid.get(), &TVocabGrid::ItemMoved);
        const TWords order = Foreigns(Doc());
        const int undoCount = Doc().UndoCount();
        const QPoint from = RowCentre(*grid, c.From);
        const QPoint to = c.Where == wItself ? from + QPoint(30, 3)
            : c.Where == wHalfVisibleRow     ? QPoint(20, grid->RowHeight() * 6 + 2)
            : c.Where == wBlankRow           ? RowCentre(*grid, c.Count)
            : c.Where == wTenPixels          ? from + QPoint(0, 11)
            : c.Where == wOnePixel           ? from + QPoint(0, 2)
                                             : RowCentre(*grid, 4);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, from);
        grid->SetCutIndex(0);
        StartDrag(*grid, c.From, to);
        const bool drags = c.Cursor != Qt::ArrowCursor;
        EXPECT_EQ(grid->Dragging(), drags);
        if (drags) {
            EXPECT_EQ(grid->CutIndex(), -1) << "starting a drag clears the cut mark";
            EXPECT_EQ(grid->viewport()->cursor().shape(), c.Cursor);
        }
        if (c.Where == wAnyRowAfterEscape) {
            QTest::keyClick(grid.get(), Qt::Key_Escape);
            EXPECT_FALSE(grid->Dragging());
        }
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, to);

        EXPECT_EQ(std::tuple(Foreigns(Doc()), Doc().UndoCount(), moved.count(), grid->Dragging(),
                      grid->DropTargetRow()),
            std::tuple(order, undoCount, 0, false, -1));
    }
}

TEST_F(VocabGridTest, DraggingPastAnEdgeScrollsOneRowPerTickAsFarAsTheListGoes)
{
    const TWords words = Numbered(8);
    NewDocument(Session, words);
    Doc().SetCurrentIndex(0);
    auto grid = MakeGrid(4);
    auto* timer = grid->findChild<QTimer*>(QStringLiteral("timDragScroll"));
    ASSERT_NE(timer, nullptr);
    QSignalSpy ticks(timer, &QTimer::timeout);
    const auto waitFor = [](const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); };
    const QPoint above(20, -10), below(20, grid->viewport()->height() + 10);

    StartDrag(*grid, 0, RowCentre(*grid, 1));
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(grid->DropTargetRow(), 1);

    // Nine rows, four visible: scrolling down ends with the top row at five, the timer ticking on.
    DragMove(*grid, below);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(grid->DropTargetRow(), -1);
    EXPECT_TRUE(waitFor([&] { return grid->TopRow() == 5; }));
    EXPECT_GE(ticks.count(), 5);
    const auto ticksAtEnd = ticks.count();
    EXPECT_TRUE(waitFor([&] { return ticks.count() >= ticksAtEnd + 3; }));
    EXPECT_EQ(grid->TopRow(), 5);

    DragMove(*grid, above);
    EXPECT_TRUE(waitFor([&] { return grid->TopRow() == 0; }));
    EXPECT_TRUE(timer->isActive()) << "it keeps running at the top, doing nothing";
    DragMove(*grid, RowCentre(*grid, 2));
    EXPECT_FALSE(timer->isActive());
    DragMove(*grid, above);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, above);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(Foreigns(Doc()), words) << "a drop outside the grid moves nothing";
}

// Whether a pixel of one drawn row (or of the given part of it) passes the test.
bool RowHasColour(TVocabGrid& grid, int row, const std::function<bool(QColor)>& test, QRect area = {})
{
    const QImage image = grid.viewport()->grab().toImage().copy(grid.visualRect(grid.Model()->index(row, 0)));
    area = area.isNull() ? image.rect() : area & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

TEST_F(VocabGridTest, TheCutRowHasADottedFrameAndLearntItemsTheLearntColourUnlessSelected)
{
    Session.Settings.Options.ColourLearnt = 0x000000FF; // pure red
    NewDocument(
        Session, { { "Wort", "", "", "word", 0, true }, { "Wort", "", "", "word" }, { "C", "", "", "x" } });
    auto grid = MakeGrid();
    const QColor text = grid->palette().color(QPalette::Text);
    const QColor base = grid->palette().color(QPalette::Base);
    const QColor highlight = grid->palette().color(QPalette::Highlight);
    ASSERT_NE(text, base);
    const auto isText = [&](QColor c) { return c == text; };
    const auto isRed = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    const QRect topEdge(0, 0, grid->viewport()->width(), 1), leftEdge(0, 0, 1, grid->RowHeight());
    EXPECT_TRUE(RowHasColour(*grid, 0, isRed));
    EXPECT_FALSE(RowHasColour(*grid, 1, isRed));

    EXPECT_FALSE(RowHasColour(*grid, 1, isText, topEdge));
    grid->SetCutIndex(1);
    EXPECT_TRUE(RowHasColour(*grid, 1, isText, topEdge));
    EXPECT_TRUE(RowHasColour(*grid, 1, isText, leftEdge));
    EXPECT_TRUE(RowHasColour(
        *grid, 1, [&](QColor c) { return c == base; }, topEdge))
        << "dotted, not solid";
    EXPECT_FALSE(RowHasColour(*grid, 2, isText, topEdge));
    grid->ClearCutMark();
    EXPECT_FALSE(RowHasColour(*grid, 1, isText, topEdge));

    Doc().SetCurrentIndex(0);
    grid->RefreshGrid();
    EXPECT_FALSE(RowHasColour(*grid, 0, isRed)) << "highlight colours win";
    EXPECT_TRUE(RowHasColour(*grid, 0, [&](QColor c) { return c == highlight; }));
}

TEST_F(VocabGridTest, PaintItemTextMovesThePenPastEachPiece)
{
    TVocabGrid grid(Session);
    const TItemFonts& fonts = grid.Fonts();
    const QFontMetrics bold(fonts.Bold), italic(fonts.Italic);
    struct TCase {
        const char* Name;
        TListItem Row;
        bool ForeignSide, ShowCategory, ShowNotes;
        std::vector<std::string> Pieces; // each starts with b (bold) or i (italic)
    };
    const TListItem full { "chien", "n.", "m.", "dog" };
    const TCase cases[] = {
        { "WordOnly", { "chien", "", "", "dog" }, true, true, true, { "bchien " } },
        { "WithCategoryAndNotes", full, true, true, true, { "bchien ", "in. ", "im. " } },
        { "CategoryHidden", full, true, false, true, { "bchien ", "im. " } },
        { "NotesHidden", full, true, true, false, { "bchien ", "in. " } },
        { "NativeSide", full, false, true, true, { "bdog " } },
    };
    QImage image(600, 60, QImage::Format_RGB32);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabItem item;
        item.SetFieldValues(c.Row.Foreign, c.Row.Category, c.Row.Notes, c.Row.Native);
        int expected = 10;
        for (const std::string& piece : c.Pieces)
            expected += (piece[0] == 'b' ? bold : italic)
                            .horizontalAdvance(QString::fromStdString(piece.substr(1)));
        QPainter painter(&image);
        QPoint pen(10, 5);
        PaintItemText(painter, pen, Doc(), item,
            { .ForeignSide = c.ForeignSide,
                .ShowNotes = c.ShowNotes,
                .ShowCategory = c.ShowCategory,
                .Bold = true },
            fonts);
        EXPECT_EQ(pen, QPoint(expected, 5));
    }
}

TEST_F(VocabGridTest, ColumnIsAsWideAsTheWidestRowARefreshMeasuresOnlyNewItemsAndAFontChangeAll)
{
    NewDocument(Session, TWords { "maison", "chat" });
    auto grid = MakeGrid();
    EXPECT_EQ(grid->columnWidth(0), grid->viewport()->width());
    TVocabGridModel& model = *grid->Model();
    const auto width = [&](int row) { return model.MeasuredWidth(row); };
    EXPECT_GT(width(0), 0);

    // Pretend the cached widths were taken earlier: a refresh must keep them, also across a sort.
    model.SetMeasuredWidth(0, 5);
    model.SetMeasuredWidth(1, 7);
    Doc().NewItem().SetFieldValues(std::string(200, 'w'), "n.", "", "word");
    Doc().SetCurrentIndex(-1);
    Doc().Add();
    grid->RefreshGrid();
    EXPECT_EQ(width(0), 5);
    EXPECT_EQ(width(1), 7);
    const int wide = width(2);
    EXPECT_EQ(wide, grid->MeasureRow(2));
    EXPECT_GT(wide, grid->viewport()->width());
    EXPECT_EQ(grid->columnWidth(0), wide);
    EXPECT_EQ(SelectedRow(*grid), 3);

    // A width follows its item when it moves; new texts and other code pages are measured anew.
    Doc().SetCurrentIndex(0);
    Doc().MoveCurrent(1);
    grid->RefreshGrid();
    EXPECT_EQ(std::pair(width(0), width(1)), std::pair(7, 5));
    Doc().NewItem().SetFieldValues("chat", "", "", "cat");
    Doc().Replace();
    grid->RefreshGrid();
    EXPECT_EQ(std::pair(width(0), width(1)), std::pair(7, grid->MeasureRow(1)));
    Doc().SetNativeLangID(0x0419); // Russian: another code page
    grid->RefreshGrid();
    EXPECT_EQ(width(0), grid->MeasureRow(0));

    // Deleting the widest item narrows the column again; a resize keeps it as wide as the grid.
    Doc().SetCurrentIndex(2);
    Doc().DeleteCurrent();
    grid->RefreshGrid();
    EXPECT_EQ(grid->columnWidth(0), grid->viewport()->width());
    grid->resize(grid->width() + 100, grid->height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid->columnWidth(0) == grid->viewport()->width(); }, 2000));

    // A new display font sets the row height and remeasures every item.
    const int smallRow = grid->RowHeight(), smallWidth = width(0);
    Session.Settings.DisplayFont = { "Verdana", 24 };
    grid->ApplyDisplayFont();
    EXPECT_EQ(grid->rowHeight(1), grid->RowHeight());
    EXPECT_GT(grid->RowHeight(), smallRow);
    EXPECT_GT(width(0), smallWidth);
    EXPECT_TRUE(grid->Fonts().Bold.bold() && grid->Fonts().Italic.italic());
    EXPECT_FALSE(grid->Fonts().Regular.bold() || grid->Fonts().Regular.italic());
}

// A sort moves every row: the widths follow their items instead of being measured anew, whether
// their texts' stamps lie close together (as in a loaded list) or far apart (after many edits).
TEST_F(VocabGridTest, MeasuredWidthsFollowTheirItemsThroughASort)
{
    constexpr int count = 300;
    for (const int spacing : { 1, 6 }) {
        SCOPED_TRACE(spacing);
        NewDocument(Session, TWords {});
        for (int i = 0; i < count; ++i) {
            for (int other = 1; other < spacing; ++other)
                TVocabItem().SetFieldValue(fiForeign, "x");
            auto item = std::make_unique<TVocabItem>();
            item->SetFieldValues("w" + std::to_string(i), "", "", "x");
            Doc().AppendItem(std::move(item));
        }
        Doc().EndBulkAppend();
        auto grid = MakeGrid();
        ASSERT_FALSE(grid->MeasuringWidths());
        grid->Model()->SetMeasuredWidth(150, 3);
        std::vector<std::uint32_t> reversed(count);
        for (int i = 0; i < count; ++i)
            reversed[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(count - 1 - i);
        Doc().SortByOrder(reversed);
        grid->RefreshGrid();
        EXPECT_EQ(grid->Model()->MeasuredWidth(count - 1 - 150), 3);
        EXPECT_EQ(grid->Model()->MeasuredWidth(150), grid->MeasureRow(150));
    }
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr qint64 TimeScale = 5;
#else
constexpr qint64 TimeScale = 1;
#endif

// The CPU time this thread has used in ms: other processes on a busy machine do not count against it.
qint64 ThreadMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// Builds a list of numbered items, one of them with a very long translation.
void NewLongDocument(TSession& session, int count, int widest)
{
    std::vector<TListItem> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        rows[static_cast<std::size_t>(i)] = { "mot" + number, i % 7 == 0 ? "n." : "", "", "word " + number };
    }
    rows[static_cast<std::size_t>(widest)].Native = std::string(300, 'x');
    NewDocument(session, rows);
}

TEST_F(VocabGridTest, AMillionItemsRefreshPaintAndStepQuickly)
{
    constexpr int count = 1'000'000;
    auto grid = MakeGrid(10);
    NewLongDocument(Session, count, count / 2);
    Doc().SetCurrentIndex(count / 3);
    qint64 start = ThreadMs();
    grid->RefreshGrid();
    EXPECT_LT(ThreadMs() - start, 200 * TimeScale);
    EXPECT_EQ(grid->Model()->rowCount(), count + 1);
    EXPECT_EQ(SelectedRow(*grid), count / 3);
    EXPECT_TRUE(grid->MeasuringWidths()) << "the rest is measured in the background";

    Doc().SetCurrentIndex(count - 1);
    start = ThreadMs();
    grid->RefreshGrid();
    grid->viewport()->repaint();
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_LT(ThreadMs() - start, 200 * TimeScale);
    EXPECT_EQ(Doc().CurrentIndex(), -1);

    // A screen reader's table answers and follows without a walk over the rows.
    start = ThreadMs();
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid.get())->tableInterface();
    EXPECT_EQ(table->rowCount(), count + 1);
    EXPECT_FALSE(table->cellAt(count - 1, 0)->text(QAccessible::Name).isEmpty());
    QTest::keyClick(grid.get(), Qt::Key_Up);
    grid->RefreshGrid();
    EXPECT_LT(ThreadMs() - start, 200 * TimeScale);
}

TEST_F(VocabGridTest, BackgroundMeasuringFindsTheWidestItem)
{
    constexpr int count = 60'000;
    auto grid = MakeGrid(10);
    NewLongDocument(Session, count, count - 10);
    Doc().SetCurrentIndex(count / 3);
    grid->RefreshGrid();
    EXPECT_TRUE(grid->MeasuringWidths());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !grid->MeasuringWidths(); }, 60000));
    int widest = 0;
    for (int row = 0; row < count; ++row) {
        ASSERT_GT(grid->Model()->MeasuredWidth(row), 0);
        widest = std::max(widest, grid->Model()->MeasuredWidth(row));
    }
    EXPECT_EQ(widest, grid->Model()->MeasuredWidth(count - 10));
    EXPECT_EQ(grid->columnWidth(0), widest);
}

} // namespace
