// Jobs the reports meet from outside the editor: a job without a line
// table, and a stored job whose text indents are far out of range.
#include <gtest/gtest.h>

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/WordsField.h"
#include "reports/PageMetrics.h"
#include "reports/PrtSection.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "tests/reports/BodyPage.h"
#include "tests/reports/PricingJob.h"

TEST(OddJobs, EveryReportOfAJobWithoutLinesHasItsPages) {
    CCorvDoc doc;
    ASSERT_EQ(doc.m_pTable, nullptr);
    for (int nReport = 0; nReport < kReportCount; ++nReport) {
        BodyPage page(nReport);
        EXPECT_GE(page.Build(doc), 1) << nReport;
    }
}

TEST(OddJobs, IndentsOutOfRangeInAStoredJobKeepTheTextOnThePage) {
    auto pDoc = MakePricingJob();
    pDoc->SetIntro("Thank you for the enquiry.");
    pDoc->SetTerms("Prices are firm for 30 days.");
    pDoc->SetIntroIndLeft(2147483000);
    pDoc->SetIntroIndRight(-2147483000);
    pDoc->SetQNotesIndLeft(-2147483000);
    pDoc->SetQNotesIndRight(2147483000);
    pDoc->SetTermsIndLeft(150);
    pDoc->SetTermsIndRight(2147483000);
    auto* pWords = static_cast<CWordsField*>(pDoc->m_pTable->GetRecord(2)->GetFieldByName("WordsAbove"));
    pWords->m_nIndentLeft = 65535;  // the file holds them in 16 bits
    pWords->m_nIndentRight = 65535;

    CMemFile out;
    CArchive store(&out, CArchive::store);
    pDoc->Serialize(store);
    store.Close();
    const auto bytes = out.Data();
    CCorvDoc stored;
    CMemFile in(bytes.data(), bytes.size());
    CArchive load(&in, CArchive::load);
    stored.Serialize(load);
    load.Close();

    for (int nReport : {kRptQuote, kRptDistribution, kRptPurchaseOrder}) {
        BodyPage page(nReport);
        ASSERT_GE(page.Build(stored), 1);
        const int W = PageWidth(page.DC(), page.Info());
        const CRptBaseClass& report = page.Report();
        for (int b = 0; b < report.GetBandCount(); ++b) {
            const CPrtSection* pBand = report.GetBand(b);
            for (int c = 0; c < pBand->GetColumnCount(); ++c) {
                EXPECT_GE(pBand->GetColumn(c)->m_x, 40) << nReport << " band " << b;
                EXPECT_LE(pBand->GetColumn(c)->m_x, W - 40) << nReport << " band " << b;
            }
        }
    }
}
