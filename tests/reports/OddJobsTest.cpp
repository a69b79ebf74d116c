// Jobs the reports meet from outside the editor: a job without a line
// table, and a stored job whose text indents are far out of range.
#include <gtest/gtest.h>

#include <vector>

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/WordsField.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "tests/reports/BodyPage.h"
#include "tests/reports/PageRecorder.h"
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
    pDoc->SetIntro("Thank you for the enquiry. We are pleased to offer the valves below for your project.");
    pDoc->SetQNotes("All items are tested to the applicable standards before shipment.");
    pDoc->SetTerms("Prices are firm for 30 days from the date of this quotation.");
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

    // Every text run of every page, from its first character to its last.
    for (int nReport = 0; nReport < kReportCount; ++nReport) {
        const std::vector<RecordedPage> pages = PrintedPages(stored, nReport);
        ASSERT_GE(pages.size(), 1u) << nReport;
        const int W = ReportOrientation(nReport) == DMORIENT_LANDSCAPE ? 1100 : 850;
        for (size_t p = 0; p < pages.size(); ++p) {
            for (const RecordedText& t : pages[p].texts) {
                int width = 0;
                for (int w : t.widths) width += w;
                const bool bCentred = (t.align & TA_CENTER) == TA_CENTER;
                const int left = t.x - (bCentred ? width / 2 : (t.align & TA_RIGHT) ? width : 0);
                EXPECT_TRUE(left >= 0 && left + width <= W)
                    << "report " << nReport << " page " << p + 1 << " \"" << t.text << "\" from " << left
                    << " to " << left + width;
            }
        }
    }
}
