#include "tests/reports/ReportJob.h"

#include <string>

#include "framework/core/ObArray.h"
#include "model/Component.h"
#include "model/Field.h"
#include "model/NewJobDefaults.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TechField.h"
#include "model/WordsField.h"

void PutField(CCorvDoc& doc, int nLine, const char* pszField, const char* pszText) {
    doc.m_pTable->GetRecord(nLine)->GetFieldByName(pszField)->SetText(pszText);
}

void PutDetailField(CCorvDoc& doc, int nLine, int nDetail, const char* pszField, const char* pszText) {
    CTable* pDetails = doc.m_pTable->GetRecord(nLine)->GetChild();
    while (pDetails->GetSize() <= nDetail) pDetails->AddRecord();
    pDetails->GetRecord(nDetail)->GetFieldByName(pszField)->SetText(pszText);
}

void FillRealisticJob(CCorvDoc& doc) {
    CNewJobDefaults defaults;
    defaults.m_strCompanyName = "Corvantis Flow Controls";
    defaults.m_strAddress = "1200 Meridian Way, Suite 400, Dayton, OH 45402";
    defaults.m_strPhoneNo = "Phone (937) 555-0142   Fax (937) 555-0143";
    defaults.m_strFooterLn1 = "Prices in US dollars. Subject to our standard conditions of sale.";
    defaults.m_strFooterLn2 = "Corvantis Flow Controls - Dayton";
    defaults.m_strPayment = "Net 30 days";
    defaults.m_strShipping = "Factory, Dayton OH";
    defaults.m_strFreight = "Prepaid and added";
    defaults.m_strPreparedBy = "Dana Whitfield";
    defaults.m_strPrepByTitle = "Application Engineer";
    defaults.m_strFirstCC = "R. Okafor";
    defaults.m_strFirstCCTitle = "Regional Manager";
    defaults.m_strValidity = "60 days";
    doc.InitNewJobData(defaults);

    doc.SetCustomer("Harlow Process Systems");
    doc.SetCustAddrsLn1("77 Canal Street");
    doc.SetCustCity("Springfield");
    doc.SetCustState("IL");
    doc.SetCustZip("62701");
    doc.SetCustAttn("M. Brennan");
    doc.SetCustPhone("(217) 555-0199");
    doc.SetQuoteDate("03/14/2026");
    doc.SetQuoteNo("Q-26-0142");
    doc.SetQuoteRev("B");
    doc.SetCustRef("RFQ 5531");
    doc.SetBidDate("03/30/2026");
    doc.SetBidTime("14:30");
    doc.SetProject("North Basin Water Treatment");
    doc.SetDelivery("6 to 8 weeks after approval");
    doc.SetIntro(
        "We are pleased to offer the following valves and actuators for the above project.\r\n\r\n"
        "All items are tested to the applicable standards before shipment.");
    doc.SetQNotes("Drawings will follow within two weeks of the order.");
    doc.SetTerms("Warranty: 18 months from shipment or 12 months from start-up.");
    doc.SetStartUp("one day on site, included");
    doc.SetOffContact("Lee Parrish");
    doc.SetOffPhone("(312) 555-0110");
    doc.SetOffice("Great Lakes Valve Sales");
    doc.SetOffCity("Chicago");
    doc.SetOffState("IL");
    doc.SetOffZip("60601");

    CTable* pLines = doc.m_pTable;
    while (pLines->GetSize() < 30) pLines->AddRecord(doc.m_pDetailStruct);
    for (int i = 0; i < 30; ++i) {
        const int item = i + 1;
        PutField(doc, i, "Itm", std::to_string(item).c_str());
        const bool odd = item % 2 == 1;
        PutField(doc, i, "Qty", odd ? "1" : "2");
        PutField(doc, i, "Final", odd ? "2480.00" : "1250.50");
        const std::string size = std::to_string(1 + item % 6);
        PutDetailField(doc, i, 0, "QuoteDescription",
                       (size + "\" ball valve, carbon steel body, 316 SS trim, class 150 RF").c_str());
        PutDetailField(doc, i, 1, "QuoteDescription",
                       "Pneumatic actuator, spring return, with limit switches");
        CTechField* pTech = static_cast<CTechField*>(
            doc.m_pTable->GetRecord(i)->GetChild()->GetRecord(0)->GetFieldByName("Technical Description"));
        pTech->SetText(("BV" + size + "-150-CS-316").c_str());
        CObArray components;
        components.Add(new CComponent("Size", 2, 1));
        components.Add(new CComponent("Class", 4, 3));
        pTech->SetComponents(components);
        components.DeleteAll();
    }
    PutField(doc, 0, "Service", "Cooling water return");
    PutField(doc, 0, "Tag", "XV-101");
    static_cast<CWordsField*>(doc.m_pTable->GetRecord(0)->GetFieldByName("WordsAbove"))
        ->SetText("Area 100 - Intake");
    static_cast<CWordsField*>(doc.m_pTable->GetRecord(9)->GetFieldByName("WordsAbove"))
        ->SetText("Area 200 - Filtration");
    CWordsField* pIndented =
        static_cast<CWordsField*>(doc.m_pTable->GetRecord(19)->GetFieldByName("WordsAbove"));
    pIndented->SetText("Area 300 - Clear well");
    pIndented->m_nIndentLeft = 8;
    PutField(doc, 2, "WordsBelow", "Supplied with mating flanges.\r\nBolting by others.");
    PutField(doc, 14, "WordsBelow", "Spare parts kit included.");
    PutField(doc, 4, "Qty", "12");
    PutField(doc, 4, "Final", "48500.00");
    PutField(doc, 11, "Qty", "3");
    PutField(doc, 11, "Final", "");
    PutField(doc, 19, "Final", "123456789.00");  // too wide for the field: overflows
    PutField(doc, 29, "Qty", "");
    PutField(doc, 29, "Final", "");
}

LetterPrint::LetterPrint(CCorvDoc& doc, const CPageRecorder& recorder) {
    jobFont.CreateFontIndirect(&doc.m_lfFont);
    footerFont.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_MODERN, "Courier New");
    // As the view measures it: on the fresh context, before any mapping.
    HDC hRef = recorder.ReferenceDC();
    HGDIOBJ hOld = ::SelectObject(hRef, jobFont.m_hObject);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(hRef, &tm);
    ::SelectObject(hRef, hOld);
    laterTop = 3 * (tm.tmHeight + tm.tmExternalLeading);
    info.m_rectDraw = recorder.PageRectDevice();
    info.SetMaxPage(100);
}
