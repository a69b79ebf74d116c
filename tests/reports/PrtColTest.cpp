#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "reports/PrtCol.h"

TEST(PrtCol, StartsEmptyAtTheLeft) {
    CPrtCol col;
    EXPECT_EQ(col.GetX(), 0);
    EXPECT_EQ(col.GetAlign(), CPrtCol::kLeft);
    EXPECT_FALSE(col.GetUnderline());
    EXPECT_EQ(col.GetLineCount(), 0);
}

TEST(PrtCol, InsertLinePastTheEndFillsTheGap) {
    CPrtCol col;
    col.AddLine("a");
    col.InsertLine(0, "first");
    col.InsertLine(4, "far");
    ASSERT_EQ(col.GetLineCount(), 5);
    EXPECT_EQ(col.GetLine(0), "first");
    EXPECT_EQ(col.GetLine(1), "a");
    EXPECT_EQ(col.GetLine(2), "");
    EXPECT_EQ(col.GetLine(3), "");
    EXPECT_EQ(col.GetLine(4), "far");
}

TEST(PrtCol, BadIndexesRaiseAndChangeNothing) {
    CPrtCol col;
    col.AddLine("a");
    EXPECT_THROW(col.InsertLine(-1, "x"), CInvalidArgException);
    EXPECT_THROW(col.GetLine(1), CInvalidArgException);
    EXPECT_THROW(col.SetLine(-1, "x"), CInvalidArgException);
    EXPECT_THROW(col.SetLine(1, "x"), CInvalidArgException);
    ASSERT_EQ(col.GetLineCount(), 1);
    EXPECT_EQ(col.GetLine(0), "a");
}

TEST(PrtCol, CopiesShareNothing) {
    CPrtCol col;
    col.SetX(120);
    col.SetAlign(CPrtCol::kRight);
    col.SetUnderline(TRUE);
    col.AddLine("a");
    CPrtCol copy(col);
    copy.AddLine("b");
    copy.SetX(5);
    EXPECT_EQ(col.GetLineCount(), 1);
    EXPECT_EQ(col.GetX(), 120);
    EXPECT_EQ(copy.GetAlign(), CPrtCol::kRight);
    EXPECT_TRUE(copy.GetUnderline());
    CPrtCol assigned;
    assigned.AddLine("old");
    assigned = copy;
    EXPECT_EQ(assigned.GetLineCount(), 2);
    EXPECT_EQ(assigned.GetLine(0), "a");
    assigned = assigned;
    EXPECT_EQ(assigned.GetLineCount(), 2);
}
