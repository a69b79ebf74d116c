// The job's rows as INSERT statements: the Project row, then each written
// Summary line's row followed at once by its Detail rows.
#include <algorithm>
#include <cstdio>
#include <string>

#include "database/DbEngine.h"
#include "database/SndToRpt.h"
#include "database/SqlInsert.h"
#include "framework/core/Exceptions.h"
#include "framework/db/Database.h"
#include "model/Component.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/WordsField.h"

namespace {

// At most this many components of a technical description are stored.
constexpr int kStoredComponents = 20;

// How a line value is read and written: text or number form from the
// field's text, or a words field's left or right indent as a number.
enum class LineForm { Text, Number, IndentLeft, IndentRight };

struct LineValue {
    const char* pszColumn;
    const char* pszField;
    LineForm form;
};

// The Summary row from its third column on, and the Detail row's fourth to
// nineteenth columns: each column with the line field it comes from.
const LineValue kSummaryValues[] = {
    {"Item", "Itm", LineForm::Text},
    {"Qty", "Qty", LineForm::Number},
    {"Description", "Description", LineForm::Text},
    {"Operator", "Operator", LineForm::Text},
    {"Cost", "Cost", LineForm::Number},
    {"List", "List", LineForm::Number},
    {"DetailNet", "Detail Net", LineForm::Number},
    {"Net", "Net", LineForm::Number},
    {"Mult", "Mult", LineForm::Number},
    {"Margin", "Margin", LineForm::Number},
    {"FrtAmount", "FrtAmount", LineForm::Number},
    {"Final", "Final", LineForm::Number},
    {"Weight", "Weight", LineForm::Number},
    {"BuyOut", "BuyOut", LineForm::Number},
    {"Weeks", "Weeks", LineForm::Text},
    {"Tag", "Tag", LineForm::Text},
    {"Service", "Service", LineForm::Text},
    {"WordsAbove", "WordsAbove", LineForm::Text},
    {"AboveIndLeft", "WordsAbove", LineForm::IndentLeft},
    {"AboveIndRight", "WordsAbove", LineForm::IndentRight},
    {"WordsBelow", "WordsBelow", LineForm::Text},
    {"BelowIndLeft", "WordsBelow", LineForm::IndentLeft},
    {"BelowIndRight", "WordsBelow", LineForm::IndentRight},
    {"Comm", "Comm", LineForm::Number},
    {"Plant", "Plant", LineForm::Text},
    {"Product", "Product", LineForm::Text},
    {"Size", "Size", LineForm::Text},
    {"Type", "Type", LineForm::Text},
    {"EC", "EC", LineForm::Text},
    {"Class", "Class", LineForm::Text},
    {"MC", "MC", LineForm::Text},
    {"PC", "PC", LineForm::Text},
};

// The Detail layout names its price and weight fields in lower case.
const LineValue kDetailValues[] = {
    {"Product", "Product", LineForm::Text},
    {"TechnicalDescription", "Technical Description", LineForm::Text},
    {"Cost", "cost", LineForm::Number},
    {"List", "list", LineForm::Number},
    {"Net", "net", LineForm::Number},
    {"Mult", "mult", LineForm::Number},
    {"Margin", "margin", LineForm::Number},
    {"Weight", "weight", LineForm::Number},
    {"PartNumber", "PartNumber", LineForm::Text},
    {"QuotePN", "QuotePN", LineForm::Text},
    {"QuoteDescription", "QuoteDescription", LineForm::Text},
    {"AltQuoteDescription", "AltQuoteDescription", LineForm::Text},
    {"DrawingNo", "DrawingNo", LineForm::Text},
    {"DwgItem", "DwgItem", LineForm::Text},
    {"QtyAssy", "QtyAssy", LineForm::Text},
    {"SecondPN", "SecondPN", LineForm::Text},
};

// The layout positions of a list of line values' fields, looked up once
// per table (a field the layout lacks is the caller's fault).
template <size_t N>
std::vector<int> FieldPositions(CTable* pTable, const LineValue (&values)[N]) {
    std::vector<int> positions;
    for (const LineValue& v : values) {
        int n = pTable->GetTableStruct()->FindField(v.pszField);
        if (n < 0) AfxThrowInvalidArgException();
        positions.push_back(n);
    }
    return positions;
}

template <size_t N>
void AppendLineValues(CSqlInsert& ins, CRecord* pRecord, const LineValue (&values)[N],
                      const std::vector<int>& positions) {
    for (size_t i = 0; i < N; ++i) {
        CField* pField = pRecord->GetField(positions[i]);
        switch (values[i].form) {
            case LineForm::Text:
                ins.Text(values[i].pszColumn, pField->GetText());
                break;
            case LineForm::Number:
                ins.Number(values[i].pszColumn, pField->GetText());
                break;
            case LineForm::IndentLeft:
            case LineForm::IndentRight: {
                CWordsField* pWords = dynamic_cast<CWordsField*>(pField);
                if (pWords == nullptr) AfxThrowInvalidArgException();
                int nIndent =
                    values[i].form == LineForm::IndentLeft ? pWords->m_nIndentLeft : pWords->m_nIndentRight;
                ins.Number(values[i].pszColumn, CSndTo::IntToText(nIndent));
                break;
            }
        }
    }
}

CString LineNumberText(int nLine) { return CString(std::to_string(nLine)); }

// "TDCN01", "TDCS01", "TDCL01" ... "TDCL20".
struct ComponentColumns {
    CString strName[kStoredComponents];
    CString strStart[kStoredComponents];
    CString strLength[kStoredComponents];
    ComponentColumns() {
        for (int k = 0; k < kStoredComponents; ++k) {
            char szNumber[8];
            std::snprintf(szNumber, sizeof(szNumber), "%02d", k + 1);
            strName[k] = CString("TDCN") + szNumber;
            strStart[k] = CString("TDCS") + szNumber;
            strLength[k] = CString("TDCL") + szNumber;
        }
    }
};

const ComponentColumns& TheComponentColumns() {
    static const ComponentColumns s_columns;
    return s_columns;
}

}  // namespace

const std::vector<CRowStatement>& CSndToRpt::Rows(CDatabase* pDb) {
    if (!m_bRowsBuilt) {
        std::vector<CRowStatement> rows;
        Sink collect = [&rows](const CRowStatement& row) {
            rows.push_back(row);
        };
        CDbEngine engine(*pDb);
        BuildProject(engine, collect);
        BuildSummary(engine, collect);
        m_rows = std::move(rows);
        m_bRowsBuilt = true;
    }
    return m_rows;
}

void CSndToRpt::InsertProject(CDatabase* pDb) {
    const std::vector<CRowStatement>& rows = Rows(pDb);
    pDb->ExecuteSQL(rows.front().Text(m_strNumber));
}

void CSndToRpt::InsertSummary(CDatabase* pDb) {
    const std::vector<CRowStatement>& rows = Rows(pDb);
    for (size_t i = 1; i < rows.size(); ++i) pDb->ExecuteSQL(rows[i].Text(m_strNumber));
}

void CSndToRpt::InsertDetails(CString strSumLineNo, CTable* pDetails, CDatabase* pDb) {
    const CString strNumber = m_strNumber;
    BuildDetails(CDbEngine(*pDb), strSumLineNo, pDetails,
                 [pDb, &strNumber](const CRowStatement& row) { pDb->ExecuteSQL(row.Text(strNumber)); });
}

std::vector<CString> CSndToRpt::BuildStatements(const CDbEngine& engine) {
    std::vector<CString> statements;
    Sink collect = [this, &statements](const CRowStatement& row) {
        statements.push_back(row.Text(m_strNumber));
    };
    BuildProject(engine, collect);
    BuildSummary(engine, collect);
    return statements;
}

void CSndToRpt::BuildProject(const CDbEngine& engine, const Sink& sink) {
    CCorvDoc& d = *m_pDoc;
    // The job's total of Final: Qty times Final over the lines, unrounded.
    CSlots slots;
    const CString strTotalFinal = slots.CalcColumnTotal(d.m_pTable, "Final", 1.0);

    CSqlInsert ins(DbTable::Project, engine);
#define CORV_TEXT(name) ins.Text(#name, d.Get##name())
#define CORV_NUMBER(name) ins.Number(#name, d.Get##name())
#define CORV_DATE(name) ins.Date(#name, d.Get##name())
#define CORV_INT(name) ins.Number(#name, IntToText(d.m_n##name))
    ins.Key("CorvNumber");
    CORV_TEXT(QuoteNo);
    CORV_TEXT(QuoteRev);
    CORV_TEXT(QuoteVersion);
    ins.Bit("QuoteCount", d.m_nQuoteCount != 0);
    CORV_DATE(QuoteDate);
    CORV_TEXT(QuoteType);
    CORV_TEXT(MarketGroup);
    CORV_TEXT(SalesRegion);
    CORV_TEXT(ProjectType);
    CORV_TEXT(Project);
    CORV_TEXT(ProjectLoc);
    CORV_TEXT(Engineer);
    CORV_TEXT(Packaging);
    CORV_TEXT(Payment);
    CORV_TEXT(Shipping);
    CORV_NUMBER(FreightRate);
    CORV_TEXT(Freight);
    CORV_TEXT(StartUp);
    CORV_TEXT(CustRef);
    CORV_DATE(BidDate);
    CORV_TEXT(BidTime);
    CORV_TEXT(PreparedBy);
    CORV_TEXT(Initials);
    CORV_TEXT(PrepByTitle);
    CORV_TEXT(PrepByEmail);
    CORV_TEXT(FirstCC);
    CORV_TEXT(FirstCCTitle);
    CORV_TEXT(SecondCC);
    CORV_TEXT(SecondCCTitle);
    CORV_TEXT(Validity);
    CORV_TEXT(Delivery);
    ins.Number("TotalFinal", strTotalFinal);
    CORV_TEXT(CustomerNo);
    CORV_TEXT(Customer);
    CORV_TEXT(CustAddrsLn1);
    CORV_TEXT(CustAddrsLn2);
    CORV_TEXT(CustAddrsLn3);
    CORV_TEXT(CustCity);
    CORV_TEXT(CustState);
    CORV_TEXT(CustZip);
    CORV_TEXT(CustCountry);
    CORV_TEXT(CustAttn);
    CORV_TEXT(CustPhone);
    CORV_TEXT(CustFax);
    CORV_TEXT(CustEmail);
    CORV_TEXT(CustURL);
    CORV_TEXT(OfficeNo);
    CORV_TEXT(Office);
    CORV_TEXT(OffAddrsLn1);
    CORV_TEXT(OffAddrsLn2);
    CORV_TEXT(OffAddrsLn3);
    CORV_TEXT(OffCity);
    CORV_TEXT(OffState);
    CORV_TEXT(OffZip);
    CORV_TEXT(OffCountry);
    CORV_TEXT(OffContact);
    CORV_TEXT(OffPhone);
    CORV_TEXT(OffFax);
    CORV_TEXT(OffEmail);
    CORV_TEXT(OffURL);
    CORV_TEXT(Status);
    CORV_NUMBER(ProbOfSuccess);
    CORV_TEXT(LostTo);
    CORV_DATE(ExptAwardDate);
    CORV_TEXT(Notes);
    CORV_DATE(LastUpdate);
    CORV_TEXT(LastUpdatedBy);
    CORV_TEXT(SalesOrderNo);
    CORV_TEXT(ReasonLost);
    CORV_TEXT(Intro);
    CORV_INT(IntroIndLeft);
    CORV_INT(IntroIndRight);
    CORV_TEXT(QNotes);
    CORV_INT(QNotesIndLeft);
    CORV_INT(QNotesIndRight);
    CORV_TEXT(Terms);
    CORV_INT(TermsIndLeft);
    CORV_INT(TermsIndRight);
    CORV_TEXT(CompanyName);
    CORV_TEXT(Address);
    CORV_TEXT(PhoneNo);
    CORV_TEXT(FooterLn1);
    CORV_TEXT(FooterLn2);
    CORV_TEXT(ShipToName);
    CORV_TEXT(ShipToAddrsLn1);
    CORV_TEXT(ShipToAddrsLn2);
    CORV_TEXT(ShipToCity);
    CORV_TEXT(ShipToState);
    CORV_TEXT(ShipToZip);
    CORV_TEXT(ShipToAttn);
    CORV_TEXT(BillToName);
    CORV_TEXT(BillToAddrsLn1);
    CORV_TEXT(BillToAddrsLn2);
    CORV_TEXT(BillToCity);
    CORV_TEXT(BillToState);
    CORV_TEXT(BillToZip);
    CORV_TEXT(BillToAttn);
    CORV_TEXT(CustomerPO);
    CORV_DATE(PODate);
    CORV_NUMBER(POAmount);
    CORV_TEXT(POShippingNotes);
    CORV_DATE(PORequestDate);
    CORV_TEXT(POShipVia);
    CORV_TEXT(UDC01);
    CORV_TEXT(UDC02);
    CORV_TEXT(UDC03);
    CORV_TEXT(UDC04);
    CORV_NUMBER(UDC05);
    CORV_NUMBER(UDC06);
    CORV_NUMBER(UDC07);
    CORV_NUMBER(UDC08);
#undef CORV_TEXT
#undef CORV_NUMBER
#undef CORV_DATE
#undef CORV_INT
    sink(ins.FinishRow());
}

void CSndToRpt::BuildSummary(const CDbEngine& engine, const Sink& sink) {
    CTable* pTable = m_pDoc->m_pTable;
    if (pTable == nullptr) return;
    const std::vector<int> positions = FieldPositions(pTable, kSummaryValues);
    int nLine = 1;
    for (int nRow = 0; nRow < pTable->GetSize(); ++nRow) {
        CRecord* pRecord = pTable->GetRecord(nRow);
        if (pRecord->IsEmpty()) continue;
        const CString strLine = LineNumberText(nLine++);
        CSqlInsert ins(DbTable::Summary, engine);
        ins.Key("CorvNumber");
        ins.Number("SumLineNo", strLine);
        AppendLineValues(ins, pRecord, kSummaryValues, positions);
        sink(ins.FinishRow());
        BuildDetails(engine, strLine, pRecord->GetChild(), sink);
    }
}

void CSndToRpt::BuildDetails(const CDbEngine& engine, const CString& strSumLineNo, CTable* pDetails,
                             const Sink& sink) {
    if (pDetails == nullptr || pDetails->GetSize() == 0) return;
    const std::vector<int> positions = FieldPositions(pDetails, kDetailValues);
    const int nTech = pDetails->GetTableStruct()->FindField("Technical Description");
    const ComponentColumns& columns = TheComponentColumns();
    int nLine = 1;
    for (int nRow = 0; nRow < pDetails->GetSize(); ++nRow) {
        CRecord* pRecord = pDetails->GetRecord(nRow);
        if (pRecord->IsEmpty()) continue;
        CSqlInsert ins(DbTable::Detail, engine);
        ins.Key("CorvNumber");
        ins.Number("SumLineNo", strSumLineNo);
        ins.Number("DtlLineNo", LineNumberText(nLine++));
        AppendLineValues(ins, pRecord, kDetailValues, positions);
        ins.Text("TDFileName", GetTechFileName(pDetails, nRow, nTech));
        ins.Number("TDFileNo", GetTechFileNoText(pDetails, nRow, nTech));
        ins.Number("TDStyle", GetTechStyleText(pDetails, nRow, nTech));
        // The full count, also when more components than are stored.
        ins.Number("TDNoOfComp", GetTechCompCountText(pDetails, nRow, nTech));
        const int nStored = std::min(GetTechCompCount(pDetails, nRow, nTech), kStoredComponents);
        for (int k = 0; k < kStoredComponents; ++k) {
            if (k < nStored) {
                CComponent component;
                GetTechComponent(component, pDetails, nRow, nTech, k);
                ins.Text(columns.strName[k], component.GetName());
                ins.Number(columns.strStart[k], GetTechCompValue1Text(pDetails, nRow, nTech, k));
                ins.Number(columns.strLength[k], GetTechCompValue2Text(pDetails, nRow, nTech, k));
            } else {
                ins.Text(columns.strName[k], "");
                ins.Text(columns.strStart[k], "");
                ins.Text(columns.strLength[k], "");
            }
        }
        sink(ins.FinishRow());
    }
}
