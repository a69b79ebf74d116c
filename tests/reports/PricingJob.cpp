#include "tests/reports/PricingJob.h"

#include <string>

#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/NewJobDefaults.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/WordsField.h"

void Put(CRecord* pLine, const char* pszName, const CString& text) {
    pLine->GetFieldByName(pszName)->SetText(text);
}

namespace {
CRecord* NewLine(CCorvDoc& doc) {
    CTable* pTable = doc.m_pTable;
    // A new job holds one empty line: use it first.
    if (pTable->GetSize() == 1 && pTable->GetRecord(0)->IsEmpty()) return pTable->GetRecord(0);
    return pTable->AddRecord(doc.m_pDetailStruct);
}

void AddDetail(CRecord* pLine, const char* pszTech, const char* pszPart, const char* pszQuotePN,
               const char* pszDescription, const char* pszWeight, const char* pszCost, const char* pszList,
               const char* pszNet, const char* pszMult, const char* pszMargin) {
    CRecord* pDetail = pLine->GetChild()->AddRecord();
    Put(pDetail, "Technical Description", pszTech);
    Put(pDetail, "PartNumber", pszPart);
    Put(pDetail, "QuotePN", pszQuotePN);
    Put(pDetail, "QuoteDescription", pszDescription);
    Put(pDetail, "weight", pszWeight);
    Put(pDetail, "cost", pszCost);
    Put(pDetail, "list", pszList);
    Put(pDetail, "net", pszNet);
    Put(pDetail, "mult", pszMult);
    Put(pDetail, "margin", pszMargin);
}

void PutPrices(CRecord* pLine, const char* pszList, const char* pszMult, const char* pszNet,
               const char* pszFinal, const char* pszCost, const char* pszMargin) {
    Put(pLine, "List", pszList);
    Put(pLine, "Mult", pszMult);
    Put(pLine, "Net", pszNet);
    Put(pLine, "Final", pszFinal);
    Put(pLine, "Cost", pszCost);
    Put(pLine, "Margin", pszMargin);
}
}  // namespace

CRecord* AddPricedLine(CCorvDoc& doc, const char* pszItem, const char* pszQty, const char* pszNet) {
    CRecord* pLine = NewLine(doc);
    Put(pLine, "Itm", pszItem);
    Put(pLine, "Qty", pszQty);
    Put(pLine, "Net", pszNet);
    return pLine;
}

std::unique_ptr<CCorvDoc> MakePricingJob(const PricingJobOptions& options) {
    auto pDoc = std::make_unique<CCorvDoc>();
    CNewJobDefaults defaults;
    defaults.m_strPayment = "Net 30 Days";
    pDoc->InitNewJobData(defaults);
    FillPricingJob(*pDoc, options);
    return pDoc;
}

void AddPlainLines(CCorvDoc& doc, int nFirst, int nCount) {
    const char* plants[] = {"WEST", "EAST", "CENTRAL", "NORTH", "SOUTH"};
    for (int i = nFirst; i < nFirst + nCount; ++i) {
        CRecord* pLine = AddPricedLine(doc, std::to_string(i).c_str(), "2", "100.00");
        Put(pLine, "Final", "110.00");
        Put(pLine, "List", "200.00");
        Put(pLine, "Cost", "80.00");
        Put(pLine, "Comm", "5.00");
        Put(pLine, "Size", "2");
        Put(pLine, "Type", "BALL");
        Put(pLine, "Plant", plants[i % 5]);
    }
}

void AddLargestLines(CCorvDoc& doc, int nFirst, int nCount) {
    const char* kAmount = "9999999.99";
    for (int i = nFirst; i < nFirst + nCount; ++i) {
        CRecord* pLine = AddPricedLine(doc, std::to_string(i).c_str(), "9999", kAmount);
        PutPrices(pLine, kAmount, "99.9999", kAmount, kAmount, kAmount, "9999.99");
        Put(pLine, "BuyOut", kAmount);
        Put(pLine, "FrtAmount", kAmount);
        Put(pLine, "Comm", "9999.99");
        Put(pLine, "Weight", "999999");
        Put(pLine, "Weeks", "99999");
        Put(pLine, "Description", "10 BALL 300 RF");
        Put(pLine, "Plant", i % 2 ? "WEST" : "EAST");
        if (i % 2) {
            Put(pLine, "Size", "10");
            Put(pLine, "Type", "BALL");
        }
        for (int d = 0; d < 2; ++d)
            AddDetail(pLine, "10  300 CS 316 RF BALL", "BV10-300", "BV10-300", "10\" ball valve", "999999",
                      kAmount, kAmount, kAmount, "99.9999", "9999.99");
    }
}

void FillPricingJob(CCorvDoc& doc, const PricingJobOptions& options) {
    doc.SetPayment("Net 30 Days");
    doc.SetCustomer("Harbour Chemical Works");
    doc.SetCustAddrsLn1("12 Dock Road");
    doc.SetCustCity("Baytown");
    doc.SetCustState("TX");
    doc.SetCustZip("77520");
    doc.SetCustAttn("R. Alvarez");
    doc.SetQuoteNo("Q-2041");
    doc.SetQuoteRev("B");
    doc.SetQuoteDate("05/04/2026");
    doc.SetProject("Cooling water upgrade");
    doc.SetProjectLoc("Baytown, TX");
    doc.SetEngineer("Gulf Process Engineers");
    doc.SetOffContact("Dana Wirth");
    doc.SetOffice("Coastal Valve Sales");
    doc.SetPreparedBy("Sam Ortega");
    doc.SetBidDate("06/15/2026");
    doc.SetBidTime("14:30");
    doc.SetShipping("Factory");
    doc.SetFreight("Prepaid and add");
    doc.SetPackaging("Export crating");
    doc.SetDelivery("8-10 weeks");
    doc.SetStartUp("One day of start-up assistance on site");
    doc.SetQNotes("Prices exclude taxes.\r\nQuantities to be confirmed.");
    doc.SetCustomerPO("PO-77812");
    doc.SetPODate("05/20/2026");
    doc.SetPORequestDate("07/01/2026");
    doc.SetPOShipVia("Truck");
    doc.SetPOShippingNotes("Deliver to gate 4");
    doc.SetShipToName("Harbour Chemical Works");
    doc.SetShipToAddrsLn1("Gate 4, Dock Road");
    doc.SetShipToCity("Baytown");
    doc.SetShipToZip("77520");
    doc.SetBillToName("Harbour Chemical Accounts");
    doc.SetBillToState("TX");
    doc.SetBillToZip("77001");
    doc.ApplyFreight("12.50", FALSE);

    CRecord* p1 = AddPricedLine(doc, "1", "3", "");
    PutPrices(p1, "2000.00", "0.7500", "1500.00", "1600.00", "1000.00", "33.33");
    Put(p1, "Size", "4");
    Put(p1, "Type", "BALL");
    Put(p1, "MC", "A1");
    Put(p1, "Class", "150");
    Put(p1, "Description", "4 BALL 150 RF");
    Put(p1, "Operator", "PNEU DA");
    Put(p1, "Plant", "WEST");
    Put(p1, "PC", "12");
    Put(p1, "EC", "7");
    Put(p1, "BuyOut", "200.00");
    Put(p1, "Comm", "5.00");
    Put(p1, "Weeks", "6");
    Put(p1, "Weight", "12000");
    Put(p1, "FrtAmount", "100.00");
    Put(p1, "Tag", "FV-101");
    AddDetail(p1, "4  150 CS 316 RF BALL", "BV4-150", "", "4\" ball valve", "100", "800.00", "1600.00",
              "1200.00", "0.7500", "33.33");
    AddDetail(p1, "DA-40 PNEUMATIC ACTUATOR", "ACT-DA40", "ACT-DA40  ", "double acting actuator", "20",
              "200.00", "400.00", "300.00", "0.7500", "33.33");

    CRecord* p2 = AddPricedLine(doc, "2", "2", "");
    PutPrices(p2, "4000.00", "0.7500", "3000.00", "3150.50", "2500.00", "16.67");
    Put(p2, "Type", "GATE");
    Put(p2, "Description", "6 GATE 300");
    Put(p2, "Operator", "GEAR");
    Put(p2, "Plant", " EAST ");
    Put(p2, "Comm", "4.00");
    Put(p2, "Weight", "300");
    AddDetail(p2, "6  300 WCB GATE", "GV6-300", "GV6-300", "6\" gate valve", "300", "2500.00", "4000.00",
              "3000.00", "0.7500", "16.67");

    CRecord* p3 = AddPricedLine(doc, "3", "1500", "");
    PutPrices(p3, "1500.00", "0.8230", "1234.50", "1300.00", "1000.00", "18.99");
    Put(p3, "Size", "1");
    Put(p3, "Type", "CHECK");
    Put(p3, "MC", "B2");
    Put(p3, "Class", "600");
    Put(p3, "Plant", "CENTRAL");
    Put(p3, "BuyOut", "100.00");
    Put(p3, "Comm", "2.50");
    Put(p3, "Weeks", "12");
    Put(p3, "WordsBelow", "Tested to API 598.");
    CWordsField* pAbove = static_cast<CWordsField*>(p3->GetFieldByName("WordsAbove"));
    pAbove->SetText("Check valves for the pump discharge:");
    pAbove->m_nIndentLeft = 8;
    AddDetail(p3, "1  600 CS CHECK", "CV1-600", "", "1\" check valve", "8", "1000.00", "1500.00", "1234.50",
              "0.8230", "18.99");

    if (options.bEmptyNetLine) {
        CRecord* p4 = AddPricedLine(doc, "4", "5", "");
        PutPrices(p4, "100.00", "", "", "", "50.00", "");
        Put(p4, "Description", "SPARE SEALS");
        Put(p4, "Plant", "EAST");
        Put(p4, "Comm", "5.00");
    }
    if (options.bOverflowLine) {
        CRecord* p6 = AddPricedLine(doc, "6", "2", "10.00");
        PutPrices(p6, "10.00", "", "10.00", "**********", "5.00", "");
        Put(p6, "Description", "GASKETS");
        Put(p6, "Plant", "WEST");
        Put(p6, "Comm", "5.00");
    }
    if (options.bTrailingBlank) doc.m_pTable->AddRecord(doc.m_pDetailStruct);
}
