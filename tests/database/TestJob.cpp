#include "TestJob.h"

#include "DbTestEnv.h"
#include "database/JobLoader.h"
#include "database/Schema.h"
#include "framework/core/ObArray.h"
#include "framework/core/OwnedObArray.h"
#include "framework/db/Database.h"
#include "model/Component.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/NewJobDefaults.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TechField.h"
#include "model/WordsField.h"

void InitTestJob(CCorvDoc& doc) {
    CNewJobDefaults defaults;
    defaults.m_strInitials = "JS";
    defaults.m_strPreparedBy = "Jo Smith";
    doc.InitNewJobData(defaults);
}

CRecord* AddSummaryLine(CCorvDoc& doc) { return doc.m_pTable->AddRecord(doc.m_pDetailStruct); }

CRecord* AddDetailLine(CCorvDoc&, CRecord* pSummary) { return pSummary->GetChild()->AddRecord(); }

void SetField(CRecord* pLine, const char* pszField, const CString& strText) {
    pLine->GetFieldByName(pszField)->SetText(strText);
}

void SetTech(CRecord* pDetail, const CString& strText, int nComponents, const CString& strFileName) {
    CTechField* pTech = static_cast<CTechField*>(pDetail->GetFieldByName("Technical Description"));
    pTech->SetText(strText);
    pTech->SetFileName(strFileName);
    pTech->m_nFileNo = 7;
    pTech->m_nStyle = 2;
    COwnedObArray components;
    for (int k = 1; k <= nComponents; ++k) {
        CString strName;
        strName.Format("Comp%d", k);
        components.Add(new CComponent(strName, 3 * k, k));
    }
    pTech->SetComponents(components);
}

void BuildSampleJob(CTestJobDoc& doc) {
    InitTestJob(doc);
    doc.SetQuoteNo("Q-2006-0147");
    doc.SetQuoteRev("B");
    doc.SetQuoteVersion("2");
    doc.SetQuoteCount(1);
    doc.SetQuoteDate("03/07/2006");
    doc.SetBidDate("12/31/2006");
    doc.SetBidTime("14:30");
    doc.SetCustomer("O'Brien's Mill");
    doc.SetCustomerNo("  C-17");
    doc.SetProject("Pump Station Eleven North");
    doc.SetProbOfSuccess("75.00");
    doc.SetPOAmount("1234.50");
    doc.SetUDC07("12");
    doc.SetNotes("First line\r\nSecond line with 'quotes'\r\n\r\n");
    doc.SetIntro("Dear Sir,\r\n\tWe are pleased to quote.");
    doc.SetIntroIndLeft(5);
    doc.SetTermsIndRight(-3);
    doc.SetFreightRateForTest("0.15");

    CRecord* pA = doc.m_pTable->GetRecord(0);
    SetField(pA, "Itm", "A");
    SetField(pA, "Qty", "2");
    SetField(pA, "Description", "Ball valve");
    SetField(pA, "Net", "400.00");
    SetField(pA, "Mult", "0.4500");
    SetField(pA, "Final", "500.00");
    SetField(pA, "Weight", "120");
    SetField(pA, "WordsAbove", "Above the line\r\nand more");
    static_cast<CWordsField*>(pA->GetFieldByName("WordsAbove"))->m_nIndentLeft = 4;
    static_cast<CWordsField*>(pA->GetFieldByName("WordsBelow"))->m_nIndentRight = 2;

    CRecord* pA1 = AddDetailLine(doc, pA);
    SetField(pA1, "Product", "BV-100");
    SetField(pA1, "cost", "120.00");
    SetField(pA1, "PartNumber", "PN-1");
    SetTech(pA1, "BV 2in CS RF 150#", 25);
    CRecord* pA2 = AddDetailLine(doc, pA);
    SetField(pA2, "Product", "ACT-5");
    SetField(pA2, "weight", "15");

    AddSummaryLine(doc);  // left empty

    CRecord* pB = AddSummaryLine(doc);
    SetField(pB, "Itm", "B");
    SetField(pB, "Qty", "1");
    SetField(pB, "Final", "250.00");
    SetField(pB, "Tag", "TAG-'7'");
}

BOOL LoadStoredJob(TestDatabase& db, CTestJobDoc& doc, const std::string& strNumber, std::string* pTitle) {
    COwnedObArray project, summary, detail;
    BuildExpectedColumns(DbTable::Project, project);
    BuildExpectedColumns(DbTable::Summary, summary);
    BuildExpectedColumns(DbTable::Detail, detail);
    CDatabase connection;
    db.Open(connection);
    CJobLoader loader(connection, project, summary, detail);
    loader.SetJob(&doc);
    loader.m_setFreight = [](CCorvDoc& d, const CString& strRate) {
        static_cast<CTestJobDoc&>(d).SetFreightRateForTest(strRate);
    };
    const BOOL bLoaded = loader.LoadJob(strNumber.c_str());
    if (pTitle) *pTitle = loader.m_projectRow.BuildTitle().str();
    return bLoaded;
}
