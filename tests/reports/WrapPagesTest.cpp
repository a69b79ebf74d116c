// The wrapped texts of a quotation letter, every kind of break in it, must
// land where they always have: the recorded runs of all its pages are
// compared with a digest of the runs the prefix-by-prefix wrap recorded.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "model/Table.h"
#include "model/WordsField.h"
#include "reports/ReportCatalog.h"
#include "reports/RptBaseClass.h"
#include "tests/reports/ReportJob.h"

namespace {
// Blanks before and after a break, a blank just past the fitting prefix,
// runs of blanks, carets, words longer than any column.
const char* const kLongText =
    "Valves  for the  east unit, including the operators' spares: Spare seat and seal kits, "
    "gaskets, packing sets and one spare actuator of each size, boxed and tagged per item. "
    "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z a b c d e f g h i j k l m n o p q r s";
const char* const kPartNumbers =
    "PN:BV2-150-CS-316-GO-RF-XX-0001/BV3-150-CS-316-GO-RF-XX-0002/BV4-150-CS-316-GO-RF-XX-0003/"
    "BV6-150-CS-316-GO-RF-XX-0004/BV8-150-CS-316-GO-RF-XX-0005";

void FillWrapJob(CCorvDoc& doc) {
    FillRealisticJob(doc);
    doc.SetIntro(CString(kLongText) + "\r\n  " + kPartNumbers + " " + kLongText + "\r\n\r\n^lead^ ^");
    doc.SetIntroIndLeft(12);
    doc.SetIntroIndRight(30);
    doc.SetQNotes(CString(kLongText) + " " + kLongText);
    doc.SetQNotesIndLeft(45);
    doc.SetQNotesIndRight(45);
    // Terms keep their leading blanks after each break.
    doc.SetTerms(CString("     ") + kPartNumbers + "\r\n   " + kLongText + "\r\n      x" + "\r\n" +
                 kLongText);
    doc.SetTermsIndRight(20);
    doc.SetPayment(kLongText);
    PutField(doc, 1, "Service", kLongText);
    PutField(doc, 1, "Tag", kPartNumbers);
    PutField(doc, 3, "WordsBelow", (CString(kLongText) + "\r\n\r\n" + kPartNumbers).GetString());
    PutDetailField(doc, 6, 0, "QuoteDescription", kPartNumbers);
    PutDetailField(doc, 6, 1, "QuoteDescription", kLongText);
    static_cast<CWordsField*>(doc.m_pTable->GetRecord(7)->GetFieldByName("WordsAbove"))
        ->SetText(CString(kLongText) + "\r\n" + kPartNumbers);
}

// Every text run of every page of the letter: page, position, alignment,
// underline and text, one run a line.
std::string LetterRuns(CCorvDoc& doc) {
    CPageRecorder recorder;
    LetterPrint print(doc, recorder);
    CRptBaseClass* pReport = nullptr;
    CReportPrintJob job;
    job.pDoc = &doc;
    job.ppReport = &pReport;
    job.pBodyFont = &print.jobFont;
    job.pFooterFont = &print.footerFont;
    job.nLaterTop = print.laterTop;
    std::string runs;
    CRect logical;
    for (UINT page = 1; page <= print.info.GetMaxPage(); ++page) {
        print.info.m_nCurPage = page;
        print.info.m_rectDraw = page == 1 ? recorder.PageRectDevice() : logical;
        const RecordedPage recorded = recorder.RecordPage([&](CDC* pDC) {
            PrintReportPage(pDC, &print.info, job);
            logical = recorder.PageRectDevice();
            pDC->DPtoLP(&logical);
        });
        char head[64];
        for (const RecordedText& t : recorded.texts) {
            std::snprintf(head, sizeof head, "%u %d %d %u %d|", page, t.x, t.y, t.align, t.underline ? 1 : 0);
            runs += head + t.text + "\n";
        }
    }
    delete pReport;
    return runs;
}

std::uint64_t Digest(const std::string& s) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
}

// Compares the runs with the digest of the reference; the runs go to a
// file beside the test for a look when they differ.
void ExpectRuns(const std::string& runs, std::uint64_t reference, const char* pszFile) {
    if (Digest(runs) == reference) return;
    FILE* f = std::fopen(pszFile, "wb");
    if (f) {
        std::fputs(runs.c_str(), f);
        std::fclose(f);
    }
    ADD_FAILURE() << "the letter's runs moved; they are in " << pszFile;
}
}  // namespace

TEST(WrappedLetter, EveryKindOfBreakLandsWhereItAlwaysHas) {
    CCorvDoc doc;
    FillWrapJob(doc);
    ExpectRuns(LetterRuns(doc), 0x27345b56820e10d6ull, "wrapped-letter-runs.txt");
    // The same job in the largest font the font dialog offers: single
    // characters wider than the notes column.
    doc.m_lfFont.lfHeight = -96;
    ExpectRuns(LetterRuns(doc), 0x0830eac2ade4fc9dull, "wrapped-letter-large-runs.txt");
}
