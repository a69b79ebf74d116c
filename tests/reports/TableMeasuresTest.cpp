// The table layouts measure their width templates once per font: a long
// table costs a handful of text measures, and a table in another font on
// the same page still lands where that font puts it.
#include <gtest/gtest.h>

#include <memory>

#include "bench/paginate/MeasureCount.h"
#include "tests/reports/BandTestSupport.h"

namespace {
CPrtSection* CommRow() {
    return MakeBand(
        {{"7"}, {"12"}, {"1,000.00"}, {"12,000.00"}, {"600.00"}, {"1.00"}, {"2.00"}, {"3.00"}, {"4.00"}});
}
}  // namespace

TEST(TableMeasures, ALongTableMeasuresItsTemplatesOnceAndAnotherFontAnew) {
    BandPage page;
    CFont large;
    large.CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    size_t nMeasures = 0;
    const RecordedPage shared = page.Draw([&](CDC* pDC) {
        {
            CMeasureCounter counter;
            for (int i = 0; i < 200; ++i) {
                std::unique_ptr<CPrtSection> pBand(CommRow());
                pBand->LayoutCommLine(pDC, &page.info);
            }
            nMeasures = counter.Count().nCalls;
        }
        HGDIOBJ hOld = pDC->SelectObject(&large);
        std::unique_ptr<CPrtSection> pBand(CommRow());
        pBand->LayoutCommLine(pDC, &page.info);
        pBand->Print(pDC, &page.info, 0);
        pDC->SelectObject(hOld);
    });
    EXPECT_LT(nMeasures, 20u);  // not nine a row

    // The large row alone on a fresh page.
    BandPage fresh;
    const RecordedPage alone = fresh.Draw([&](CDC* pDC) {
        pDC->SelectObject(&large);
        std::unique_ptr<CPrtSection> pBand(CommRow());
        pBand->LayoutCommLine(pDC, &fresh.info);
        pBand->Print(pDC, &fresh.info, 0);
        pDC->SelectObject(&fresh.body);
    });
    ASSERT_NE(shared.Find("1,000.00"), nullptr);
    ASSERT_NE(alone.Find("1,000.00"), nullptr);
    EXPECT_EQ(shared.Find("1,000.00")->x, alone.Find("1,000.00")->x);
    EXPECT_EQ(shared.Find("600.00")->x, alone.Find("600.00")->x);
}
