#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "reports/RptBaseClass.h"
#include "tests/reports/BandTestSupport.h"

TEST(Paginate, ABandEndingOnTheLimitStaysOneUnitMoreStartsAPage) {
    CRptBaseClass report;
    int band = 0, y = -75, limit = -1000;
    EXPECT_EQ(report.Paginate(45, -925, band, y, limit), 0);
    EXPECT_EQ(y, -1000);
    EXPECT_EQ(report.Paginate(45, -1, band, y, limit), 1);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(band, 2);
    EXPECT_EQ(limit, -955);  // the later pages' room is laterTop smaller
    ASSERT_EQ(report.m_pageStarts.size(), 1u);
    EXPECT_EQ(report.m_pageStarts[0], 1u);
    // The limit is raised once only.
    EXPECT_EQ(report.Paginate(45, -955, band, y, limit), 1);
    EXPECT_EQ(limit, -955);
}

TEST(Paginate, AFirstBandThatDoesNotFitLeavesPageOneEmpty) {
    CRptBaseClass report;
    int band = 0, y = -75, limit = -1000;
    EXPECT_EQ(report.Paginate(45, -926, band, y, limit), 1);
    ASSERT_EQ(report.m_pageStarts.size(), 1u);
    EXPECT_EQ(report.m_pageStarts[0], 0u);
}

namespace {
std::string AllLines(const CRptBaseClass& report, int nColumn) {
    std::string all;
    for (int i = 0; i < report.GetBandCount(); ++i) {
        const CPrtCol* pCol = report.GetBand(i)->GetColumn(nColumn);
        for (int j = 0; j < pCol->GetLineCount(); ++j) all += std::string(pCol->GetLine(j)) + "|";
    }
    return all;
}
}  // namespace

// A band taller than a page continues on the following pages at line
// boundaries, each page keeping its bands above the limit.
TEST(Paginate, ABandTallerThanAPageContinuesAtALineBoundary) {
    BandPage page;
    CRptBaseClass report;
    std::string expected;
    page.Draw([&](CDC* pDC) {
        CBandCursor cur;
        report.BeginBuild(pDC, &page.info, 45, 75, cur);
        report.AddBand(pDC, MakeBand({{"before"}}), cur);
        CPrtSection* pTall = new CPrtSection;
        CPrtCol* pCol = pTall->AddColumn();
        pTall->AddColumn()->AddLine("side");
        expected = "before|";
        for (int i = 0; i < 150; ++i) {
            pCol->AddLine(std::to_string(i).c_str());
            expected += std::to_string(i) + "|";
        }
        report.AddBand(pDC, pTall, cur);
        EXPECT_EQ(report.AddBand(pDC, MakeBand({{"after"}, {}}), cur), 0);
        report.EndBuild(cur);
        expected += "after|";
        // Every page's bands fit between its top and the limit.
        const int lh = page.lineHeight;
        for (int p = 1; p <= report.GetPageCount(); ++p) {
            int lines = 0;
            for (int b = report.GetPageFirstBand(p); b < report.GetPageEndBand(p); ++b)
                lines += report.GetBand(b)->GetLineCount();
            const int room = p == 1 ? 1100 - 100 - 75 : 1100 - 100 - 45;
            EXPECT_LE(lines * lh, room) << "page " << p;
        }
    });
    EXPECT_GE(report.GetPageCount(), 3);
    // Nothing lost, nothing repeated, in order.
    EXPECT_EQ(AllLines(report, 0), expected);
    // The first page is filled before the band continues.
    EXPECT_EQ(report.GetPageFirstBand(2), 2);
    EXPECT_EQ(report.GetBand(1)->GetColumn(1)->GetLine(0), "side");
}
