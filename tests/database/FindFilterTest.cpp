// The finder's window-free pieces: the filter each criterion makes, the
// listed line of a found quotation, the count text and the job title.
#include <gtest/gtest.h>

#include "database/DbEngine.h"
#include "database/FindFilter.h"
#include "database/JobRows.h"

namespace {

CString Filter(void (*set)(CFindCriteria&), DbEngineKind kind = DbEngineKind::Other) {
    CFindCriteria c;
    set(c);
    return BuildFindFilter(c, CDbEngine(kind));
}

}  // namespace

TEST(FindFilter, EachCriterionMakesItsTerm) {
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strCorvNumber = "1234"; }), "CorvNumber = 1234");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strQuoteNo = "Q-1"; }), "QuoteNo = 'Q-1'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strCustomer = "Lake"; }), "Customer LIKE '%Lake%'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strProject = "Pump"; }), "Project LIKE '%Pump%'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strOffice = "East"; }), "Office = 'East'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strProjectType = "Water"; }), "ProjectType = 'Water'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strMarketGroup = "MG"; }), "MarketGroup = 'MG'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strSalesRegion = "SR"; }), "SalesRegion = 'SR'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strQuoteType = "Budget"; }), "QuoteType = 'Budget'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strInitials = "JS"; }), "Initials = 'JS'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strMoreThan = "1000.00"; }), "TotalFinal >= 1000.00");
    EXPECT_EQ(Filter([](CFindCriteria& c) {
                  c.strFrom = "05/01/2006";
                  c.strTo = "05/31/2006";
              }),
              "QuoteDate >= '05/01/2006' AND QuoteDate <= '05/31/2006'");
    CFindCriteria none;
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(BuildFindFilter(none, CDbEngine(DbEngineKind::Other)), "");
}

TEST(FindFilter, TermsJoinInTheirOrderWithApostrophesDoubled) {
    EXPECT_EQ(Filter([](CFindCriteria& c) {
                  c.strInitials = "JS";
                  c.strCustomer = "Lake's End";
                  c.strFrom = "05/01/2006";
                  c.strTo = "05/31/2006";
              }),
              "Customer LIKE '%Lake''s End%' AND QuoteDate >= '05/01/2006' AND QuoteDate <= '05/31/2006' AND "
              "Initials = 'JS'");
    // A percent sign keeps its pattern meaning.
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strProject = "50%"; }), "Project LIKE '%50%%'");
    // Every quoted criterion is one literal, whatever it holds.
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strQuoteNo = "x' OR '1'='1"; }),
              "QuoteNo = 'x'' OR ''1''=''1'");
    EXPECT_EQ(Filter([](CFindCriteria& c) {
                  c.strOffice = "O'Brien";
                  c.strQuoteType = "'";
              }),
              "Office = 'O''Brien' AND QuoteType = ''''");
}

TEST(FindFilter, NumbersGoInOnlyAsNumbers) {
    EXPECT_EQ(FindNumberLiteral("12"), "12");
    EXPECT_EQ(FindNumberLiteral("-1.5"), "-1.5");
    EXPECT_EQ(FindNumberLiteral("**********"), "99999999.99");
    EXPECT_EQ(FindNumberLiteral("1 OR 1=1"), "1.00");
    EXPECT_EQ(FindNumberLiteral("0; DROP TABLE Project"), "0.00");
    EXPECT_EQ(FindNumberLiteral("abc"), "0.00");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strCorvNumber = "5 OR 1=1"; }), "CorvNumber = 5.00");
}

TEST(FindFilter, DatesTakeTheEnginesForm) {
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strFrom = "05/01/2006"; }, DbEngineKind::SQLite),
              "QuoteDate >= '2006-05-01'");
    EXPECT_EQ(Filter([](CFindCriteria& c) { c.strTo = "12/31/2006"; }, DbEngineKind::PostgreSQL),
              "QuoteDate <= '12/31/2006'");
}

TEST(FindFilter, FoundLineLaysTheValuesOutInColumns) {
    const CString strLine = FormatFoundLine("1234", "Q-2006-0147-A", "B", "2", "Pump Station Eleven North",
                                            "Lakeside Mills", "05/17/2006");
    EXPECT_EQ(strLine,
              "1234    Q-2006-014  B    2           Pump Station Eleve  Lakeside Mills      05/17/2006  ");
    EXPECT_EQ(strLine.GetLength(), 89);
    // Values are trimmed before they are placed.
    EXPECT_EQ(FormatFoundLine(" 7 ", "  Q ", "", "", "", "", "").Left(20), "7       Q           ");
    // A number that fills its column runs into the next; a longer one
    // keeps a blank before it.
    EXPECT_EQ(FormatFoundLine("12345678", "Q", "", "", "", "", "").Left(10), "12345678Q ");
    EXPECT_EQ(FormatFoundLine("123456789", "Q", "", "", "", "", "").Left(12), "123456789 Q ");
}

TEST(FindFilter, CountTextAndTitle) {
    EXPECT_EQ(FoundCountText(12), "(12)");
    EXPECT_EQ(FoundCountText(299), "(299)");
    EXPECT_EQ(FoundCountText(300), "First 300");

    CProjectRow row;
    row.Text("CorvNumber") = "1234";
    EXPECT_EQ(row.BuildTitle(), "Corv: 1234  --  Count: No");
    row.Text("QuoteRev") = "B";
    EXPECT_EQ(row.BuildTitle(), "Corv: 1234  --  Count: No");  // no revision without a quote number
    row.Text("QuoteNo") = " Q-2006-0147-A ";
    row.Text("QuoteVersion") = "2";
    row.Int("QuoteCount") = 1;
    EXPECT_EQ(row.BuildTitle(),
              "Corv: 1234  --  Quote No: Q-2006-0147-A Rev: B  --  Version: 2  --  Count: Yes");
}
