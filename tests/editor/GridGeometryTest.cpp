// The grid's geometry and the two scroll computations, as plain numbers.
#include <gtest/gtest.h>

#include "editor/CorvScrollBar.h"
#include "editor/GridGeometry.h"

namespace {
const int kWidths[] = {40, 100, 30, 60, 50};
constexpr int kCount = 5;
}  // namespace

TEST(GridGeometry, MeasuresFollowTheFont) {
    EXPECT_EQ(Grid::ColumnWidth(10, 7), 74);
    EXPECT_EQ(Grid::LeftMargin(7), 27);  // room for three digits
    EXPECT_EQ(Grid::RowHeight(16, 0), 20);
    EXPECT_EQ(Grid::RowTop(0, 20), 25);  // the header row is at 5
    EXPECT_EQ(Grid::RowTop(3, 20), 85);
}

TEST(GridGeometry, TheGridLeavesRoomForTheBarsAndCountsWholeRows) {
    const RECT rc = Grid::GridRect(RECT{0, 0, 400, 300});
    EXPECT_EQ(rc.right, 383);
    EXPECT_EQ(rc.bottom, 283);
    const RECT rcTiny = Grid::GridRect(RECT{0, 0, 10, 10});
    EXPECT_EQ(rcTiny.right, 0);
    EXPECT_EQ(rcTiny.bottom, 0);

    EXPECT_EQ(Grid::VisibleRows(283, 20), 12);  // (283 - 10) / 20 - 1
    EXPECT_EQ(Grid::VisibleRows(30, 20), 0);    // room for the header only
    EXPECT_EQ(Grid::VisibleRows(0, 20), 0);
    EXPECT_EQ(Grid::VisibleRows(283, 0), 0);  // no font measured yet
}

TEST(GridGeometry, TheColumnLimitCountsColumnsThatStartInsideTheGrid) {
    // Left margin 20, grid right 200: columns start at 20, 60, 160 and 190; the fourth is cut.
    EXPECT_EQ(Grid::ColumnLimit(kWidths, kCount, 0, 20, 200), 4);
    EXPECT_EQ(Grid::ColumnLimit(kWidths, kCount, 3, 20, 200), 5);
    EXPECT_EQ(Grid::ColumnLimit(kWidths, kCount, 0, 20, 1000), 5);
    // A grid narrower than the number strip still shows the first column, never past the layout.
    EXPECT_EQ(Grid::ColumnLimit(kWidths, kCount, 2, 20, 10), 3);
    EXPECT_EQ(Grid::ColumnLimit(kWidths, kCount, 4, 20, 10), 5);
}

TEST(GridGeometry, APointSelectsTheCellItLiesInOrNone) {
    int nCol = -1, nRow = -1;
    RECT rc = {};
    // Left margin 20, row height 20, first column 1, first line 10, 3 rows.
    ASSERT_TRUE(Grid::HitTest(125, 50, kWidths, kCount, 1, 10, 20, 20, 3, nCol, nRow, rc));
    EXPECT_EQ(nCol, 2);   // column 1 spans 20..119, column 2 120..149
    EXPECT_EQ(nRow, 11);  // rows start at 25, 45, 65
    EXPECT_EQ(rc.left, 122);
    EXPECT_EQ(rc.top, 47);
    EXPECT_EQ(rc.right, 148);
    EXPECT_EQ(rc.bottom, 63);
    EXPECT_TRUE(Grid::HitTest(20, 25, kWidths, kCount, 1, 10, 20, 20, 3, nCol, nRow, rc));
    EXPECT_EQ(nCol, 1);
    EXPECT_EQ(nRow, 10);

    EXPECT_FALSE(Grid::HitTest(19, 50, kWidths, kCount, 1, 10, 20, 20, 3, nCol, nRow, rc));  // number strip
    EXPECT_FALSE(Grid::HitTest(50, 24, kWidths, kCount, 1, 10, 20, 20, 3, nCol, nRow, rc));  // header
    EXPECT_FALSE(
        Grid::HitTest(260, 50, kWidths, kCount, 1, 10, 20, 20, 3, nCol, nRow, rc));  // past the last column
    EXPECT_FALSE(Grid::HitTest(50, 85, kWidths, kCount, 1, 10, 20, 20, 3, nCol, nRow, rc));  // below the rows
    EXPECT_FALSE(Grid::HitTest(50, 30, kWidths, kCount, 1, 10, 20, 20, 0, nCol, nRow, rc));  // no rows at all
}

TEST(GridGeometry, TheCellRectangleFollowsTheScrollPositions) {
    const RECT rc = Grid::CellRect(kWidths, 2, 11, 1, 10, 20, 20);
    EXPECT_EQ(rc.left, 122);
    EXPECT_EQ(rc.top, 47);
    EXPECT_EQ(rc.right, 148);
    EXPECT_EQ(rc.bottom, 63);
    const RECT rcAbove = Grid::CellRect(kWidths, 0, 9, 1, 10, 20, 20);  // scrolled off to the left and above
    EXPECT_EQ(rcAbove.left, -18);
    EXPECT_EQ(rcAbove.top, 7);
}

TEST(ScrollByHeights, MovesByColumnsOfTheirOwnWidths) {
    using M = CCorvScrollBar::Move;
    auto byHeights = [](UINT code, int pos, int width = 120, int thumb = 0) {
        return CCorvScrollBar::ComputeByHeights(code, thumb, pos, 0, 4, width, kWidths);
    };
    auto same = [](M a, M b) {
        return a.nPos == b.nPos && a.nAmount == b.nAmount;
    };
    EXPECT_TRUE(same(byHeights(SB_LINERIGHT, 1), M{2, -100}));
    EXPECT_TRUE(same(byHeights(SB_LINELEFT, 2), M{1, 100}));
    EXPECT_TRUE(same(byHeights(SB_LINELEFT, 0), M{0, 0}));
    EXPECT_TRUE(same(byHeights(SB_LINERIGHT, 4), M{4, 0}));
    // A page takes the columns whose sum stays below the width: 100 + 30 reaches 120, so one.
    EXPECT_TRUE(same(byHeights(SB_PAGERIGHT, 1), M{2, -100}));
    EXPECT_TRUE(same(byHeights(SB_PAGERIGHT, 2), M{4, -90}));
    // A column wider than the whole grid still pages by one.
    EXPECT_TRUE(same(byHeights(SB_PAGERIGHT, 1, 50), M{2, -100}));
    EXPECT_TRUE(same(byHeights(SB_PAGELEFT, 4), M{2, 90}));
    EXPECT_TRUE(same(byHeights(SB_PAGELEFT, 1, 500), M{0, 40}));
    EXPECT_TRUE(same(byHeights(SB_THUMBTRACK, 1, 120, 3), M{3, -130}));
    EXPECT_TRUE(same(byHeights(SB_THUMBTRACK, 3, 120, 0), M{0, 170}));
    EXPECT_TRUE(same(byHeights(SB_THUMBPOSITION, 1, 120, 3), M{1, 0}));
    EXPECT_TRUE(same(byHeights(SB_LEFT, 3), M{0, 170}));
    EXPECT_TRUE(same(byHeights(SB_RIGHT, 1), M{4, -190}));
    EXPECT_TRUE(same(byHeights(SB_ENDSCROLL, 1), M{1, 0}));
}

TEST(ScrollByStep, MovesByRowsAndPagesByOneRowLessThanShown) {
    auto byStep = [](UINT code, int pos, int thumb = 0) {
        return CCorvScrollBar::ComputeByStep(code, thumb, pos, 0, 30, 200, 20);  // 10 rows shown
    };
    EXPECT_EQ(byStep(SB_LINEDOWN, 0).nPos, 1);
    EXPECT_EQ(byStep(SB_LINEDOWN, 0).nAmount, -20);
    EXPECT_EQ(byStep(SB_LINEUP, 0).nPos, 0);
    EXPECT_EQ(byStep(SB_PAGEDOWN, 0).nPos, 9);
    EXPECT_EQ(byStep(SB_PAGEDOWN, 0).nAmount, -180);
    EXPECT_EQ(byStep(SB_PAGEDOWN, 25).nPos, 30);
    EXPECT_EQ(byStep(SB_PAGEUP, 5).nPos, 0);
    EXPECT_EQ(byStep(SB_PAGEUP, 5).nAmount, 100);
    EXPECT_EQ(byStep(SB_THUMBTRACK, 4, 7).nAmount, -60);
    EXPECT_EQ(byStep(SB_BOTTOM, 4).nPos, 30);
    EXPECT_EQ(byStep(SB_TOP, 4).nAmount, 80);
    EXPECT_EQ(byStep(SB_THUMBPOSITION, 4, 7).nPos, 4);
    // A grid of one row still pages by one.
    EXPECT_EQ(CCorvScrollBar::ComputeByStep(SB_PAGEDOWN, 0, 0, 0, 30, 20, 20).nPos, 1);
}
