#include "ui/VocabGrid.h"

#include "core/GlobalDocument.h"
#include "settings/Settings.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr LangId French = 0x040C;
constexpr LangId English = 0x0809;
constexpr LangId Russian = 0x0419;

struct TRow {
    std::string Foreign, Category, Notes, Native;
    std::int32_t SortingPosition = 0;
    bool Learnt = false;
};

TVocabFile& NewDocument(const std::vector<TRow>& rows, LangId foreign = French, LangId native = English)
{
    auto document = std::make_unique<TVocabFile>();
    document->SetForeignLangID(foreign);
    document->SetNativeLangID(native);
    for (const auto& row : rows) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(row.Foreign, row.Category, row.Notes, row.Native);
        item->SortingPosition = row.SortingPosition;
        item->PenaltyPoints = row.Learnt ? -1 : 0;
        document->AppendItem(std::move(item));
    }
    if (!rows.empty())
        document->EndBulkAppend();
    ReplaceDocument(std::move(document));
    return Document();
}

std::vector<TRow> Words(const std::vector<std::string>& words)
{
    std::vector<TRow> rows;
    for (const auto& word : words)
        rows.push_back({ word, "", "", "x" });
    return rows;
}

std::vector<std::string> Foreigns()
{
    std::vector<std::string> result;
    for (const auto& item : Document().ItemList())
        result.emplace_back(item->FieldValue(fiForeign));
    return result;
}

class VocabGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSettings();
        DisplayFont = { "Verdana", 12 };
        NewDocument({});
    }

    void TearDown() override { NewDocument({}); }

    // A shown grid with the given height in rows (plus a part of a row when partial).
    std::unique_ptr<TVocabGrid> MakeGrid(int rows = 8, bool partial = false)
    {
        auto grid = std::make_unique<TVocabGrid>();
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

    static void Drag(TVocabGrid& grid, int from, QPoint to)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, RowCentre(grid, from));
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, RowCentre(grid, from));
        DragMove(grid, RowCentre(grid, from) + QPoint(0, 1));
        DragMove(grid, to);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, to);
    }
};

TEST_F(VocabGridTest, ModelPassesTheItemModelTesterThroughEveryKindOfChange)
{
    TVocabGrid grid;
    QAbstractItemModelTester tester(grid.Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(grid.Model()->rowCount(), 1);
    EXPECT_FALSE(grid.Model()->data(grid.Model()->index(0, 0)).isValid());

    NewDocument(Words({ "a", "b", "c" }));
    grid.RefreshGrid();
    EXPECT_EQ(grid.Model()->rowCount(), 4);
    Document().SetCurrentIndex(1);
    Document().DeleteCurrent();
    grid.RefreshGrid();
    EXPECT_EQ(grid.Model()->rowCount(), 3);
    Document().Undo();
    grid.RefreshGrid();
    EXPECT_EQ(grid.Model()->rowCount(), 4);
    NewDocument({});
    grid.RefreshGrid();
    EXPECT_EQ(grid.Model()->rowCount(), 1);
    EXPECT_EQ(grid.Model()->columnCount(), 1);
}

TEST_F(VocabGridTest, DisplayTextReadsAsTheRowAndConvertsEachFieldsCodePage)
{
    // "дом" in code page 1251 as the word, English notes and translation.
    NewDocument(
        { { "\xE4\xEE\xEC", "n.", "", "house" }, { "\xE2\xEE\xE4\xE0", "", "f.", "water" } }, Russian);
    TVocabGrid grid;
    const auto text = [&](int row) { return grid.Model()->data(grid.Model()->index(row, 0)).toString(); };
    EXPECT_EQ(text(0), QString::fromUtf8("дом n. house"));
    EXPECT_EQ(text(1), QString::fromUtf8("вода f. water"));
    EXPECT_FALSE(grid.Model()->data(grid.Model()->index(2, 0)).isValid());
}

TEST_F(VocabGridTest, EmptyDocumentShowsOneSelectedBlankRow)
{
    auto grid = MakeGrid();
    QSignalSpy activated(grid.get(), &TVocabGrid::ActivateItem);
    EXPECT_EQ(grid->Model()->rowCount(), 1);
    EXPECT_EQ(SelectedRow(*grid), 0);
    EXPECT_EQ(Document().CurrentIndex(), -1);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 0));
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(Document().CurrentIndex(), -1);
}

TEST_F(VocabGridTest, SelectionAndCurrentIndexFollowEachOther)
{
    NewDocument(Words({ "a", "b", "c", "d", "e" }));
    auto grid = MakeGrid();
    EXPECT_EQ(SelectedRow(*grid), 5) << "no current item: the blank row";
    EXPECT_EQ(Document().CurrentIndex(), -1) << "a refresh does not write the selection back";

    Document().SetCurrentIndex(3);
    grid->RefreshGrid();
    EXPECT_EQ(SelectedRow(*grid), 3);

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 1));
    EXPECT_EQ(Document().CurrentIndex(), 1);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(Document().CurrentIndex(), 2);
    QTest::keyClick(grid.get(), Qt::Key_End);
    EXPECT_EQ(SelectedRow(*grid), 5);
    EXPECT_EQ(Document().CurrentIndex(), -1);
    QTest::keyClick(grid.get(), Qt::Key_Home);
    EXPECT_EQ(Document().CurrentIndex(), 0);

    // The one selected row cannot be clicked away: not by Ctrl, not below the last row.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(*grid, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, grid->RowHeight() * 7 + 2));
    EXPECT_EQ(SelectedRow(*grid), 0);
    EXPECT_EQ(Document().CurrentIndex(), 0);
}

TEST_F(VocabGridTest, RefreshScrollsTheSelectionIntoView)
{
    std::vector<std::string> words;
    for (int i = 0; i < 100; ++i)
        words.push_back("w" + std::to_string(i));
    NewDocument(Words(words));
    auto grid = MakeGrid(10);
    ASSERT_EQ(grid->VisibleRows(), 10);
    EXPECT_EQ(grid->TopRow(), 91) << "the blank row is selected and shown at the bottom";

    Document().SetCurrentIndex(3);
    grid->RefreshGrid();
    EXPECT_EQ(grid->TopRow(), 3);
    Document().SetCurrentIndex(50);
    grid->RefreshGrid();
    EXPECT_EQ(grid->TopRow(), 41);
    Document().SetCurrentIndex(45);
    grid->RefreshGrid();
    EXPECT_EQ(grid->TopRow(), 41) << "a visible row does not scroll";
}

TEST_F(VocabGridTest, TypeAheadStepsThroughTheItemsOfTheTypedLetter)
{
    NewDocument({ { "l'eau", "", "", "water" }, { "Lampe", "", "", "lamp" }, { "chat", "", "", "cat" },
        { "la maison", "", "", "house", 3 }, { "lune", "", "", "moon" } });
    auto grid = MakeGrid();
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(grid.get(), 'l');
        visited.push_back(Document().CurrentIndex());
    }
    EXPECT_EQ(visited, (std::vector<int> { 0, 1, 4, 0 }));
    EXPECT_EQ(SelectedRow(*grid), 0);

    QTest::keyClick(grid.get(), 'M', Qt::ShiftModifier);
    EXPECT_EQ(Document().CurrentIndex(), 3);
    QTest::keyClick(grid.get(), 'z');
    EXPECT_EQ(Document().CurrentIndex(), 3) << "no match keeps the selection";
    QTest::keyClick(grid.get(), 'l', Qt::ControlModifier);
    EXPECT_EQ(Document().CurrentIndex(), 3) << "a command key is no type-ahead";
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("ж"));
    QCoreApplication::sendEvent(grid.get(), &zhe);
    EXPECT_EQ(Document().CurrentIndex(), 3) << "a character the code page lacks finds nothing";
}

TEST_F(VocabGridTest, EnterReturnAndDoubleClickActivateTheItem)
{
    NewDocument(Words({ "a", "b", "c" }));
    auto grid = MakeGrid();
    QSignalSpy activated(grid.get(), &TVocabGrid::ActivateItem);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    QTest::keyClick(grid.get(), Qt::Key_Enter);
    EXPECT_EQ(activated.count(), 2);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 1));
    EXPECT_EQ(activated.count(), 3);
    EXPECT_EQ(Document().CurrentIndex(), 1);
}

TEST_F(VocabGridTest, DraggingARowMovesTheItemAsOneUndoStep)
{
    NewDocument(Words({ "A", "B", "C", "D", "E" }));
    auto grid = MakeGrid();
    QSignalSpy moved(grid.get(), &TVocabGrid::ItemMoved);
    const int undoCount = Document().UndoCount();

    Drag(*grid, 1, RowCentre(*grid, 3));
    EXPECT_EQ(Foreigns(), (std::vector<std::string> { "A", "C", "D", "B", "E" }));
    EXPECT_EQ(Document().CurrentIndex(), 3);
    EXPECT_EQ(SelectedRow(*grid), 3);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(Document().UndoCount(), undoCount + 1);
    EXPECT_EQ(Document().UndoKind(), ukMove);
    EXPECT_FALSE(grid->Dragging());
    EXPECT_EQ(grid->DropTargetRow(), -1);

    Drag(*grid, 3, RowCentre(*grid, 0));
    EXPECT_EQ(Foreigns(), (std::vector<std::string> { "B", "A", "C", "D", "E" }));
    Document().Undo();
    Document().Undo();
    EXPECT_EQ(Foreigns(), (std::vector<std::string> { "A", "B", "C", "D", "E" }));
}

TEST_F(VocabGridTest, DropsOnItselfOrBelowTheLastFullyVisibleRowChangeNothing)
{
    NewDocument(Words({ "A", "B", "C", "D", "E", "F", "G", "H", "I", "J" }));
    Document().SetCurrentIndex(0);
    auto grid = MakeGrid(6, true);
    ASSERT_EQ(grid->TopRow(), 0);
    QSignalSpy moved(grid.get(), &TVocabGrid::ItemMoved);
    const std::vector<std::string> order = Foreigns();
    const int undoCount = Document().UndoCount();

    Drag(*grid, 2, RowCentre(*grid, 2) + QPoint(30, 3));
    EXPECT_EQ(Document().CurrentIndex(), 2);
    // Row 6 is only half visible.
    Drag(*grid, 2, QPoint(20, grid->RowHeight() * 6 + 2));

    EXPECT_EQ(Foreigns(), order);
    EXPECT_EQ(Document().UndoCount(), undoCount);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_FALSE(grid->Dragging());
}

TEST_F(VocabGridTest, DropsOnTheBlankRowAreRefused)
{
    NewDocument(Words({ "A", "B", "C", "D" }));
    Document().SetCurrentIndex(3);
    auto grid = MakeGrid(8);
    QSignalSpy moved(grid.get(), &TVocabGrid::ItemMoved);
    const int blank = 4;
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 3));
    DragMove(*grid, RowCentre(*grid, 3) + QPoint(0, 1));
    DragMove(*grid, RowCentre(*grid, blank));
    EXPECT_TRUE(grid->Dragging());
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::ForbiddenCursor);
    DragMove(*grid, RowCentre(*grid, 1));
    EXPECT_EQ(grid->DropTargetRow(), 1);
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::DragMoveCursor);
    DragMove(*grid, RowCentre(*grid, blank));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, blank));

    EXPECT_EQ(Foreigns(), (std::vector<std::string> { "A", "B", "C", "D" }));
    EXPECT_EQ(Document().UndoKind(), ukNone);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_FALSE(grid->Dragging());
    EXPECT_EQ(grid->DropTargetRow(), -1);
}

TEST_F(VocabGridTest, WhenADragMayStart)
{
    struct TCase {
        const char* Name;
        std::vector<std::string> Words;
        int PressRow; // the selected row the button goes down on
        int MoveBy; // pixels moved with the button held
        bool Drags;
    };
    const TCase cases[] = {
        { "TwoItems", { "A", "B" }, 0, 10, true },
        { "OneItemIsTooFewRows", { "A" }, 0, 10, false },
        { "BlankRowIsNoItem", { "A", "B" }, 2, 10, false },
        { "OnePixelIsNoDragYet", { "A", "B", "C" }, 1, 1, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        NewDocument(Words(c.Words));
        auto grid = MakeGrid();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, c.PressRow));
        DragMove(*grid, RowCentre(*grid, c.PressRow) + QPoint(0, 1));
        DragMove(*grid, RowCentre(*grid, c.PressRow) + QPoint(0, 1 + c.MoveBy));
        EXPECT_EQ(grid->Dragging(), c.Drags);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, c.PressRow));
        EXPECT_EQ(Foreigns(), c.Words);
        EXPECT_FALSE(grid->Dragging());
    }
}

TEST_F(VocabGridTest, StartingADragClearsTheCutMarkAndEscapeCancelsIt)
{
    NewDocument(Words({ "A", "B", "C", "D" }));
    auto grid = MakeGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 1));
    grid->SetCutIndex(3);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 1));
    DragMove(*grid, RowCentre(*grid, 1) + QPoint(0, 1));
    EXPECT_EQ(grid->CutIndex(), -1);
    DragMove(*grid, RowCentre(*grid, 2));
    EXPECT_TRUE(grid->Dragging());
    QTest::keyClick(grid.get(), Qt::Key_Escape);
    EXPECT_FALSE(grid->Dragging());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 2));
    EXPECT_EQ(Foreigns(), (std::vector<std::string> { "A", "B", "C", "D" }));
}

TEST_F(VocabGridTest, DraggingPastAnEdgeScrollsOneRowPerTickAsFarAsTheListGoes)
{
    const std::vector<std::string> words { "a", "b", "c", "d", "e", "f", "g", "h" };
    NewDocument(Words(words));
    Document().SetCurrentIndex(0);
    auto grid = MakeGrid(4);
    auto* timer = grid->findChild<QTimer*>(QStringLiteral("timDragScroll"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 40);
    QSignalSpy ticks(timer, &QTimer::timeout);
    ASSERT_EQ(grid->TopRow(), 0);

    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, RowCentre(*grid, 0));
    DragMove(*grid, RowCentre(*grid, 0) + QPoint(0, 1));
    DragMove(*grid, RowCentre(*grid, 1));
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(grid->DropTargetRow(), 1);

    // Nine rows, four visible: scrolling down ends with the top row at five.
    DragMove(*grid, QPoint(20, grid->viewport()->height() + 10));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(grid->DropTargetRow(), -1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid->TopRow() == 5; }, 5000));
    EXPECT_GE(ticks.count(), 5);
    const int ticksAtEnd = static_cast<int>(ticks.count());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= ticksAtEnd + 3; }, 5000));
    EXPECT_EQ(grid->TopRow(), 5);

    DragMove(*grid, QPoint(20, -10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid->TopRow() == 0; }, 5000));
    EXPECT_TRUE(timer->isActive()) << "it keeps running at the top, doing nothing";

    DragMove(*grid, RowCentre(*grid, 2));
    EXPECT_FALSE(timer->isActive());
    DragMove(*grid, QPoint(20, -10));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(20, -10));
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(Foreigns(), words) << "a drop outside the grid moves nothing";
}

// The colours of one row's pixels as drawn.
QImage RowImage(TVocabGrid& grid, int row)
{
    const QImage image = grid.viewport()->grab().toImage();
    return image.copy(grid.visualRect(grid.Model()->index(row, 0)));
}

bool HasColour(const QImage& image, const std::function<bool(QColor)>& test, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

TEST_F(VocabGridTest, TheCutRowHasADottedFrameInTheTextColour)
{
    NewDocument(Words({ "A", "B", "C" }));
    Document().SetCurrentIndex(0);
    auto grid = MakeGrid();
    const QColor text = grid->palette().color(QPalette::Text);
    const QColor base = grid->palette().color(QPalette::Base);
    ASSERT_NE(text, base);
    const auto isText = [&](QColor c) { return c == text; };
    const auto isBase = [&](QColor c) { return c == base; };

    const QImage before = RowImage(*grid, 1);
    const QRect topEdge(0, 0, before.width(), 1);
    EXPECT_FALSE(HasColour(before, isText, topEdge));

    grid->SetCutIndex(1);
    const QImage cut = RowImage(*grid, 1);
    const QRect leftEdge(0, 0, 1, cut.height());
    EXPECT_TRUE(HasColour(cut, isText, topEdge));
    EXPECT_TRUE(HasColour(cut, isText, leftEdge));
    EXPECT_TRUE(HasColour(cut, isBase, topEdge)) << "dotted, not solid";
    EXPECT_FALSE(HasColour(RowImage(*grid, 2), isText, topEdge));

    grid->ClearCutMark();
    EXPECT_FALSE(HasColour(RowImage(*grid, 1), isText, topEdge));
}

TEST_F(VocabGridTest, LearntItemsUseTheLearntColourUnlessSelected)
{
    Options.ColourLearnt = 0x000000FF; // pure red
    NewDocument({ { "Wort", "", "", "word", 0, true }, { "Wort", "", "", "word", 0, false } });
    Document().SetCurrentIndex(-1);
    auto grid = MakeGrid();
    const auto isRed = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    EXPECT_TRUE(HasColour(RowImage(*grid, 0), isRed));
    EXPECT_FALSE(HasColour(RowImage(*grid, 1), isRed));

    Document().SetCurrentIndex(0);
    grid->RefreshGrid();
    EXPECT_FALSE(HasColour(RowImage(*grid, 0), isRed)) << "highlight colours win";
    EXPECT_TRUE(HasColour(
        RowImage(*grid, 0), [&](QColor c) { return c == grid->palette().color(QPalette::Highlight); }));
}

TEST_F(VocabGridTest, PaintItemTextMovesThePenPastEachPiece)
{
    TVocabGrid grid;
    const TItemFonts& fonts = grid.Fonts();
    const QFontMetrics bold(fonts.Bold), italic(fonts.Italic), regular(fonts.Regular);
    struct TCase {
        const char* Name;
        TRow Row;
        bool ForeignSide, ShowCategory, ShowNotes;
        QString Expected; // pieces: b = bold, i = italic, r = regular, separated by |
    };
    const TCase cases[] = {
        { "WordOnly", { "chien", "", "", "dog" }, true, true, true, QStringLiteral("b:chien ") },
        { "WithCategoryAndNotes", { "chien", "n.", "m.", "dog" }, true, true, true,
            QStringLiteral("b:chien |i:n. |i:m. ") },
        { "CategoryHidden", { "chien", "n.", "m.", "dog" }, true, false, true,
            QStringLiteral("b:chien |i:m. ") },
        { "NotesHidden", { "chien", "n.", "m.", "dog" }, true, true, false,
            QStringLiteral("b:chien |i:n. ") },
        { "NativeSide", { "chien", "n.", "m.", "dog" }, false, true, true, QStringLiteral("b:dog ") },
    };
    QImage image(600, 60, QImage::Format_RGB32);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabItem item;
        item.SetFieldValues(c.Row.Foreign, c.Row.Category, c.Row.Notes, c.Row.Native);
        int expected = 10;
        for (const QString& piece : c.Expected.split(QLatin1Char('|'))) {
            const QFontMetrics& metrics = piece.startsWith(u'b') ? bold
                : piece.startsWith(u'i')                         ? italic
                                                                 : regular;
            expected += metrics.horizontalAdvance(piece.mid(2));
        }
        QPainter painter(&image);
        QPoint pen(10, 5);
        PaintItemText(
            painter, pen, Document(), item, c.ShowNotes, c.ShowCategory, true, c.ForeignSide, fonts);
        EXPECT_EQ(pen, QPoint(expected, 5));
    }
}

TEST_F(VocabGridTest, ColumnIsAsWideAsTheWidestRowAndARefreshMeasuresOnlyNewItems)
{
    NewDocument(Words({ "a", "b" }));
    auto grid = MakeGrid();
    EXPECT_EQ(grid->columnWidth(0), grid->viewport()->width());
    EXPECT_GT(Document().Items(0).DisplayWidth, 0);

    // Pretend the cached widths were taken earlier: a refresh must keep them.
    Document().Items(0).DisplayWidth = 5;
    Document().Items(1).DisplayWidth = 7;
    Document().NewItem().SetFieldValues(std::string(200, 'w'), "n.", "", "word");
    Document().SetCurrentIndex(-1);
    Document().Add();
    grid->RefreshGrid();
    EXPECT_EQ(Document().Items(0).DisplayWidth, 5);
    EXPECT_EQ(Document().Items(1).DisplayWidth, 7);
    const int wide = Document().Items(2).DisplayWidth;
    EXPECT_EQ(wide, grid->MeasureRow(2));
    EXPECT_GT(wide, grid->viewport()->width());
    EXPECT_EQ(grid->columnWidth(0), wide);
    EXPECT_EQ(SelectedRow(*grid), 3);

    // Deleting the widest item narrows the column again.
    Document().SetCurrentIndex(2);
    Document().DeleteCurrent();
    grid->RefreshGrid();
    EXPECT_EQ(grid->columnWidth(0), grid->viewport()->width());

    // A resize keeps the column at least as wide as the grid.
    grid->resize(grid->width() + 100, grid->height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid->columnWidth(0) == grid->viewport()->width(); }, 2000));
}

TEST_F(VocabGridTest, ApplyDisplayFontRemeasuresEverythingAndSetsTheRowHeight)
{
    NewDocument(Words({ "maison", "chat" }));
    auto grid = MakeGrid();
    const int smallRow = grid->RowHeight();
    const int smallWidth = Document().Items(0).DisplayWidth;
    DisplayFont = { "Verdana", 24 };
    grid->ApplyDisplayFont();
    EXPECT_EQ(grid->RowHeight(), QFontMetrics(grid->Fonts().Regular).height() + 6);
    EXPECT_EQ(grid->rowHeight(1), grid->RowHeight());
    EXPECT_GT(grid->RowHeight(), smallRow);
    EXPECT_GT(Document().Items(0).DisplayWidth, smallWidth);
    EXPECT_TRUE(grid->Fonts().Bold.bold());
    EXPECT_TRUE(grid->Fonts().Italic.italic());
    EXPECT_FALSE(grid->Fonts().Regular.bold() || grid->Fonts().Regular.italic());
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr qint64 TimeScale = 5;
#else
constexpr qint64 TimeScale = 1;
#endif

TEST_F(VocabGridTest, AMillionItemsRefreshQuicklyAndAreMeasuredInTheBackground)
{
    constexpr int count = 1'000'000;
    auto grid = MakeGrid(10);
    {
        auto document = std::make_unique<TVocabFile>();
        document->SetForeignLangID(French);
        document->SetNativeLangID(English);
        document->Reserve(count);
        for (int i = 0; i < count; ++i) {
            auto item = std::make_unique<TVocabItem>();
            const std::string number = std::to_string(i);
            item->SetFieldValues("mot" + number, i % 7 == 0 ? "n." : "", "", "word " + number);
            document->AppendItem(std::move(item));
        }
        document->Items(count / 2).SetFieldValue(fiNative, std::string(300, 'x'));
        document->EndBulkAppend();
        document->SetCurrentIndex(count / 3);
        ReplaceDocument(std::move(document));
    }

    QElapsedTimer clock;
    clock.start();
    grid->RefreshGrid();
    EXPECT_LT(clock.elapsed(), 200 * TimeScale);
    EXPECT_EQ(grid->Model()->rowCount(), count + 1);
    EXPECT_EQ(SelectedRow(*grid), count / 3);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !grid->MeasuringWidths(); }, 300000));
    int widest = 0;
    for (const auto& item : Document().ItemList()) {
        ASSERT_GT(item->DisplayWidth, 0);
        widest = std::max(widest, item->DisplayWidth);
    }
    EXPECT_EQ(widest, Document().Items(count / 2).DisplayWidth);
    EXPECT_EQ(grid->columnWidth(0), widest);

    // An add measures the one new item only.
    Document().NewItem().SetFieldValues("nouveau", "", "", "new");
    Document().Add();
    clock.restart();
    grid->RefreshGrid();
    EXPECT_LT(clock.elapsed(), 200 * TimeScale);
    EXPECT_FALSE(grid->MeasuringWidths());
    EXPECT_GT(Document().Items(count / 3).DisplayWidth, 0);
    EXPECT_EQ(SelectedRow(*grid), count / 3 + 1);

    // Painting and stepping through the list stay quick at the far end.
    Document().SetCurrentIndex(Document().Count() - 1);
    clock.restart();
    grid->RefreshGrid();
    grid->viewport()->repaint();
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_LT(clock.elapsed(), 200 * TimeScale);
    EXPECT_EQ(Document().CurrentIndex(), -1);
}

} // namespace
