#include "bench/support/SampleJob.h"

#include "framework/core/ObArray.h"
#include "model/Component.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/NewJobDefaults.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TechField.h"

namespace {

void Put(CRecord* pRecord, const char* pszName, const char* pszText) {
    pRecord->GetFieldByName(pszName)->SetText(pszText);
}

}  // namespace

void FillSampleJob(CCorvDoc& doc, int nSummaryLines, int nDetailLines) {
    CNewJobDefaults defaults;
    defaults.m_strInitials = "BM";
    defaults.m_strCustCountry = "USA";
    defaults.m_strPayment = "Net 30 Days";
    defaults.m_strIntro = "We are pleased to quote as follows.\r\nPrices are firm for 30 days.";
    doc.InitNewJobData(defaults);
    doc.SetCustomer("Benchmark Valve Customer's Plant");
    doc.SetProject("Large refinery expansion");
    doc.SetQuoteNo("Q-BENCH-1");
    doc.SetQuoteDate("05/17/2006");

    CObArray parts;
    parts.Add(new CComponent("Size", 0, 2));
    parts.Add(new CComponent("Class", 3, 3));
    parts.Add(new CComponent("Body", 7, 2));
    parts.Add(new CComponent("Trim", 10, 4));
    CString text;
    for (int i = 0; i < nSummaryLines; ++i) {
        CRecord* pLine = i == 0 ? doc.m_pTable->GetRecord(0) : doc.m_pTable->AddRecord(doc.m_pDetailStruct);
        text.Format("%d", (i % 999) + 1);
        Put(pLine, "Itm", text);
        Put(pLine, "Qty", "2");
        Put(pLine, "Description", "2 BALL 150 RF SS");
        Put(pLine, "Cost", "1234.50");
        Put(pLine, "List", "2469.00");
        Put(pLine, "Net", "1851.75");
        Put(pLine, "Mult", "0.7500");
        Put(pLine, "Margin", "33.33");
        Put(pLine, "Final", "1900.00");
        Put(pLine, "Weight", "120");
        Put(pLine, "Tag", "FV-1001 / FV-1002");
        Put(pLine, "Size", "2");
        Put(pLine, "Type", "BALL");
        Put(pLine, "WordsAbove", "Valves for the east unit,\r\nincluding the operators' spares.");
        for (int d = 0; d < nDetailLines; ++d) {
            CRecord* pDetail = pLine->GetChild()->AddRecord();
            Put(pDetail, "Product", "BV150");
            Put(pDetail, "Technical Description", "2  150 CS  316 RF BALL VALVE");
            Put(pDetail, "cost", "123.45");
            Put(pDetail, "list", "246.90");
            Put(pDetail, "net", "185.17");
            Put(pDetail, "mult", "0.7500");
            Put(pDetail, "weight", "12");
            Put(pDetail, "PartNumber", "BV150-2-CS-316");
            Put(pDetail, "QuoteDescription", "2\" Class 150 carbon steel ball valve, 316 trim");
            auto* pTech = static_cast<CTechField*>(pDetail->GetFieldByName("Technical Description"));
            pTech->SetFileName("BALLVALV.dta");
            pTech->m_nFileNo = 3;
            pTech->m_nStyle = 1;
            pTech->SetComponents(parts);
        }
    }
    parts.DeleteAll();
}
