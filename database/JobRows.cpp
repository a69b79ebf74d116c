#include "database/JobRows.h"

#include <cstring>

#include "database/ConvertSet.h"
#include "database/DbMessages.h"
#include "framework/core/Exceptions.h"
#include "framework/core/ObArray.h"
#include "framework/core/OwnedObArray.h"
#include "model/Component.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/NumberField.h"
#include "model/Record.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "model/WordsField.h"

namespace {

// How a column of the current row is read.
enum class Reading { Text, IntegerText, Date, Bit, Float2, Memo, Long };

using TextSetter = void (CCorvDoc::*)(const CString&);
using IntSetter = void (CCorvDoc::*)(int);

struct ProjectColumn {
    const char* pszName;
    Reading reading;
    const char* pszNumberForm;  // Summary field whose number form normalises it, or null
    TextSetter setText;         // null for the integers and the freight rate
    IntSetter setInt;
};

#define COL_TEXT(name) \
    { #name, Reading::Text, nullptr, &CCorvDoc::Set##name, nullptr }
#define DATE(name) \
    { #name, Reading::Date, nullptr, &CCorvDoc::Set##name, nullptr }
#define MEMO(name) \
    { #name, Reading::Memo, nullptr, &CCorvDoc::Set##name, nullptr }
#define LONGV(name) \
    { #name, Reading::Long, nullptr, nullptr, &CCorvDoc::Set##name }

// The Project columns in table order; TotalFinal is not read (the job
// holds no total of its own).
const ProjectColumn kProjectColumns[] = {
    {"CorvNumber", Reading::IntegerText, nullptr, &CCorvDoc::SetCorvNumber, nullptr},
    COL_TEXT(QuoteNo),
    COL_TEXT(QuoteRev),
    COL_TEXT(QuoteVersion),
    {"QuoteCount", Reading::Bit, nullptr, nullptr, &CCorvDoc::SetQuoteCount},
    DATE(QuoteDate),
    COL_TEXT(QuoteType),
    COL_TEXT(MarketGroup),
    COL_TEXT(SalesRegion),
    COL_TEXT(ProjectType),
    COL_TEXT(Project),
    COL_TEXT(ProjectLoc),
    COL_TEXT(Engineer),
    COL_TEXT(Packaging),
    COL_TEXT(Payment),
    COL_TEXT(Shipping),
    {"FreightRate", Reading::Text, "List", nullptr, nullptr},
    COL_TEXT(Freight),
    COL_TEXT(StartUp),
    COL_TEXT(CustRef),
    DATE(BidDate),
    COL_TEXT(BidTime),
    COL_TEXT(PreparedBy),
    COL_TEXT(Initials),
    COL_TEXT(PrepByTitle),
    COL_TEXT(PrepByEmail),
    COL_TEXT(FirstCC),
    COL_TEXT(FirstCCTitle),
    COL_TEXT(SecondCC),
    COL_TEXT(SecondCCTitle),
    COL_TEXT(Validity),
    COL_TEXT(Delivery),
    COL_TEXT(CustomerNo),
    COL_TEXT(Customer),
    COL_TEXT(CustAddrsLn1),
    COL_TEXT(CustAddrsLn2),
    COL_TEXT(CustAddrsLn3),
    COL_TEXT(CustCity),
    COL_TEXT(CustState),
    COL_TEXT(CustZip),
    COL_TEXT(CustCountry),
    COL_TEXT(CustAttn),
    COL_TEXT(CustPhone),
    COL_TEXT(CustFax),
    COL_TEXT(CustEmail),
    COL_TEXT(CustURL),
    COL_TEXT(OfficeNo),
    COL_TEXT(Office),
    COL_TEXT(OffAddrsLn1),
    COL_TEXT(OffAddrsLn2),
    COL_TEXT(OffAddrsLn3),
    COL_TEXT(OffCity),
    COL_TEXT(OffState),
    COL_TEXT(OffZip),
    COL_TEXT(OffCountry),
    COL_TEXT(OffContact),
    COL_TEXT(OffPhone),
    COL_TEXT(OffFax),
    COL_TEXT(OffEmail),
    COL_TEXT(OffURL),
    COL_TEXT(Status),
    {"ProbOfSuccess", Reading::Float2, "Margin", &CCorvDoc::SetProbOfSuccess, nullptr},
    COL_TEXT(LostTo),
    DATE(ExptAwardDate),
    MEMO(Notes),
    DATE(LastUpdate),
    COL_TEXT(LastUpdatedBy),
    COL_TEXT(SalesOrderNo),
    COL_TEXT(ReasonLost),
    LONGV(IntroIndLeft),
    LONGV(IntroIndRight),
    MEMO(Intro),
    LONGV(QNotesIndLeft),
    LONGV(QNotesIndRight),
    MEMO(QNotes),
    LONGV(TermsIndLeft),
    LONGV(TermsIndRight),
    MEMO(Terms),
    COL_TEXT(CompanyName),
    COL_TEXT(Address),
    COL_TEXT(PhoneNo),
    COL_TEXT(FooterLn1),
    COL_TEXT(FooterLn2),
    COL_TEXT(ShipToName),
    COL_TEXT(ShipToAddrsLn1),
    COL_TEXT(ShipToAddrsLn2),
    COL_TEXT(ShipToCity),
    COL_TEXT(ShipToState),
    COL_TEXT(ShipToZip),
    COL_TEXT(ShipToAttn),
    COL_TEXT(BillToName),
    COL_TEXT(BillToAddrsLn1),
    COL_TEXT(BillToAddrsLn2),
    COL_TEXT(BillToCity),
    COL_TEXT(BillToState),
    COL_TEXT(BillToZip),
    COL_TEXT(BillToAttn),
    COL_TEXT(CustomerPO),
    DATE(PODate),
    {"POAmount", Reading::Text, "List", &CCorvDoc::SetPOAmount, nullptr},
    COL_TEXT(POShippingNotes),
    DATE(PORequestDate),
    COL_TEXT(POShipVia),
    COL_TEXT(UDC01),
    COL_TEXT(UDC02),
    COL_TEXT(UDC03),
    COL_TEXT(UDC04),
    {"UDC05", Reading::Text, "List", &CCorvDoc::SetUDC05, nullptr},
    {"UDC06", Reading::Text, "List", &CCorvDoc::SetUDC06, nullptr},
    {"UDC07", Reading::IntegerText, "Weight", &CCorvDoc::SetUDC07, nullptr},
    {"UDC08", Reading::IntegerText, "Weight", &CCorvDoc::SetUDC08, nullptr},
};

#undef COL_TEXT
#undef DATE
#undef MEMO
#undef LONGV

constexpr int kProjectColumnCount = static_cast<int>(sizeof(kProjectColumns) / sizeof(kProjectColumns[0]));

bool IsIntColumn(const ProjectColumn& c) { return c.reading == Reading::Bit || c.reading == Reading::Long; }

CString ReadText(const CConvertSet& set, const char* pszColumn, Reading reading) {
    switch (reading) {
        case Reading::IntegerText:
            return set.GetIntegerText(pszColumn);
        case Reading::Date:
            return set.GetDateText(pszColumn);
        case Reading::Float2:
            return set.GetDoubleText(pszColumn, 2);
        case Reading::Memo:
            return set.GetMemoText(pszColumn);
        default:
            return set.GetText(pszColumn);
    }
}

// The Summary columns from Item to PC (line numbers left out), each with
// the field that receives it; the four indents are read apart.
struct LineColumn {
    const char* pszColumn;
    const char* pszField;
    Reading reading;
    int nDecimals;  // for Float2-like readings
};

const LineColumn kSummaryColumns[CSummaryRow::kFields] = {
    {"Item", "Itm", Reading::Text, 0},
    {"Qty", "Qty", Reading::IntegerText, 0},
    {"Description", "Description", Reading::Text, 0},
    {"Operator", "Operator", Reading::Text, 0},
    {"Cost", "Cost", Reading::Text, 0},
    {"List", "List", Reading::Text, 0},
    {"DetailNet", "Detail Net", Reading::Text, 0},
    {"Net", "Net", Reading::Text, 0},
    {"Mult", "Mult", Reading::Float2, 4},
    {"Margin", "Margin", Reading::Float2, 2},
    {"FrtAmount", "FrtAmount", Reading::Text, 0},
    {"Final", "Final", Reading::Text, 0},
    {"Weight", "Weight", Reading::IntegerText, 0},
    {"BuyOut", "BuyOut", Reading::Text, 0},
    {"Weeks", "Weeks", Reading::Text, 0},
    {"Tag", "Tag", Reading::Text, 0},
    {"Service", "Service", Reading::Text, 0},
    {"WordsAbove", "WordsAbove", Reading::Memo, 0},
    {"WordsBelow", "WordsBelow", Reading::Memo, 0},
    {"Comm", "Comm", Reading::Float2, 2},
    {"Plant", "Plant", Reading::Text, 0},
    {"Product", "Product", Reading::Text, 0},
    {"Size", "Size", Reading::Text, 0},
    {"Type", "Type", Reading::Text, 0},
    {"EC", "EC", Reading::Text, 0},
    {"Class", "Class", Reading::Text, 0},
    {"MC", "MC", Reading::Text, 0},
    {"PC", "PC", Reading::Text, 0},
};

const LineColumn kDetailColumns[CDetailRow::kFields] = {
    {"Product", "Product", Reading::Text, 0},
    {"TechnicalDescription", "Technical Description", Reading::Text, 0},
    {"Cost", "cost", Reading::Text, 0},
    {"List", "list", Reading::Text, 0},
    {"Net", "net", Reading::Text, 0},
    {"Mult", "mult", Reading::Float2, 4},
    {"Margin", "margin", Reading::Float2, 2},
    {"Weight", "weight", Reading::IntegerText, 0},
    {"PartNumber", "PartNumber", Reading::Text, 0},
    {"QuotePN", "QuotePN", Reading::Text, 0},
    {"QuoteDescription", "QuoteDescription", Reading::Text, 0},
    {"AltQuoteDescription", "AltQuoteDescription", Reading::Text, 0},
    {"DrawingNo", "DrawingNo", Reading::Text, 0},
    {"DwgItem", "DwgItem", Reading::Text, 0},
    {"QtyAssy", "QtyAssy", Reading::Text, 0},
    {"SecondPN", "SecondPN", Reading::Text, 0},
};

CString ReadLineColumn(const CConvertSet& set, const LineColumn& c) {
    if (c.reading == Reading::Float2) return set.GetDoubleText(c.pszColumn, c.nDecimals);
    return ReadText(set, c.pszColumn, c.reading);
}

CString SlotColumn(const char* pszPrefix, int nSlot) {
    CString strName;
    strName.Format("%s%02d", pszPrefix, nSlot);
    return strName;
}

// A NULL or negative component position counts as 0.
int NotNegative(LONG n) { return n < 0 ? 0 : static_cast<int>(n); }

}  // namespace

// --- CProjectRow ---

CProjectRow::CProjectRow() : m_texts(kProjectColumnCount), m_ints(kProjectColumnCount, 0) {}

int CProjectRow::ColumnCount() { return kProjectColumnCount; }

int CProjectRow::IndexOf(const char* pszColumn) {
    for (int i = 0; i < kProjectColumnCount; ++i) {
        if (std::strcmp(kProjectColumns[i].pszName, pszColumn) == 0) return i;
    }
    AfxThrowInvalidArgException();
}

CString& CProjectRow::Text(const char* pszColumn) { return m_texts[static_cast<size_t>(IndexOf(pszColumn))]; }
const CString& CProjectRow::Text(const char* pszColumn) const {
    return m_texts[static_cast<size_t>(IndexOf(pszColumn))];
}
LONG& CProjectRow::Int(const char* pszColumn) { return m_ints[static_cast<size_t>(IndexOf(pszColumn))]; }
LONG CProjectRow::Int(const char* pszColumn) const { return m_ints[static_cast<size_t>(IndexOf(pszColumn))]; }

void CProjectRow::Clear() {
    for (CString& s : m_texts) s.Empty();
    for (LONG& n : m_ints) n = 0;
}

void CProjectRow::Read(const CConvertSet& set, CTableStruct* pSummaryStruct) {
    // One number field per form, made when first needed.
    struct Form {
        const char* pszName;
        std::unique_ptr<CNumberField> pField;
    } forms[] = {{"List", nullptr}, {"Margin", nullptr}, {"Weight", nullptr}};

    for (int i = 0; i < kProjectColumnCount; ++i) {
        const ProjectColumn& c = kProjectColumns[i];
        const size_t k = static_cast<size_t>(i);
        if (c.reading == Reading::Bit) {
            m_ints[k] = set.GetBool(c.pszName) ? 1 : 0;
            continue;
        }
        if (c.reading == Reading::Long) {
            m_ints[k] = set.GetLong(c.pszName);
            continue;
        }
        CString strValue = ReadText(set, c.pszName, c.reading);
        if (c.pszNumberForm && pSummaryStruct) {
            for (Form& form : forms) {
                if (std::strcmp(form.pszName, c.pszNumberForm) != 0) continue;
                if (!form.pField) {
                    const int nField = pSummaryStruct->FindField(form.pszName);
                    if (nField >= 0) form.pField = std::make_unique<CNumberField>(pSummaryStruct, nField);
                }
                if (form.pField) {
                    form.pField->SetText(strValue);
                    strValue = form.pField->GetText();
                }
            }
        }
        m_texts[k] = strValue;
    }
}

void CProjectRow::ToDoc(CCorvDoc& doc, const FreightSetter& setFreight) const {
    for (int i = 0; i < kProjectColumnCount; ++i) {
        const ProjectColumn& c = kProjectColumns[i];
        const size_t k = static_cast<size_t>(i);
        if (IsIntColumn(c))
            (doc.*c.setInt)(static_cast<int>(m_ints[k]));
        else if (c.setText)
            (doc.*c.setText)(m_texts[k]);
        else if (setFreight)
            setFreight(doc, m_texts[k]);
    }
}

CString CProjectRow::BuildTitle() const {
    CString strTitle = CString(DbMsg::kTitleCorv) + Text("CorvNumber");
    CString strQuoteNo = Text("QuoteNo");
    strQuoteNo.Trim();
    if (!strQuoteNo.IsEmpty()) {
        strTitle += DbMsg::kTitleQuoteNo + strQuoteNo;
        CString strRev = Text("QuoteRev");
        strRev.Trim();
        if (!strRev.IsEmpty()) strTitle += DbMsg::kTitleRev + strRev;
    }
    CString strVersion = Text("QuoteVersion");
    strVersion.Trim();
    if (!strVersion.IsEmpty()) strTitle += DbMsg::kTitleVersion + strVersion;
    strTitle += Int("QuoteCount") ? DbMsg::kTitleCountYes : DbMsg::kTitleCountNo;
    return strTitle;
}

// --- CSummaryRow ---

void CSummaryRow::Read(const CConvertSet& set) {
    for (int i = 0; i < kFields; ++i) {
        m_strField[i] = ReadLineColumn(set, kSummaryColumns[i]);
        if (std::strcmp(kSummaryColumns[i].pszColumn, "WordsAbove") == 0) {
            m_nAboveIndLeft = set.GetLong("AboveIndLeft");
            m_nAboveIndRight = set.GetLong("AboveIndRight");
        } else if (std::strcmp(kSummaryColumns[i].pszColumn, "WordsBelow") == 0) {
            m_nBelowIndLeft = set.GetLong("BelowIndLeft");
            m_nBelowIndRight = set.GetLong("BelowIndRight");
        }
    }
}

void CSummaryRow::ToRecord(CRecord& record) const {
    for (int i = 0; i < kFields; ++i)
        record.GetFieldByName(kSummaryColumns[i].pszField)->SetText(m_strField[i]);
    auto* pAbove = dynamic_cast<CWordsField*>(record.GetFieldByName("WordsAbove"));
    if (pAbove) {
        pAbove->m_nIndentLeft = static_cast<int>(m_nAboveIndLeft);
        pAbove->m_nIndentRight = static_cast<int>(m_nAboveIndRight);
    }
    auto* pBelow = dynamic_cast<CWordsField*>(record.GetFieldByName("WordsBelow"));
    if (pBelow) {
        pBelow->m_nIndentLeft = static_cast<int>(m_nBelowIndLeft);
        pBelow->m_nIndentRight = static_cast<int>(m_nBelowIndRight);
    }
}

void CSummaryRow::Clear() { *this = CSummaryRow(); }

// --- CDetailRow ---

void CDetailRow::Read(const CConvertSet& set) {
    m_nSumLineNo = set.GetLong("SumLineNo");
    m_nDtlLineNo = set.GetLong("DtlLineNo");
    for (int i = 0; i < kFields; ++i) m_strField[i] = ReadLineColumn(set, kDetailColumns[i]);
    m_strTDFileName = set.GetText("TDFileName");
    m_nTDFileNo = set.GetLong("TDFileNo");
    m_nTDStyle = set.GetLong("TDStyle");
    const LONG nCount = set.GetLong("TDNoOfComp");
    m_nTDNoOfComp = nCount > kMaxComponents ? kMaxComponents : nCount;
    for (int k = 0; k < kMaxComponents; ++k) {
        m_strCompName[k] = set.GetText(SlotColumn("TDCN", k + 1));
        m_nCompStart[k] = set.GetLong(SlotColumn("TDCS", k + 1));
        m_nCompLength[k] = set.GetLong(SlotColumn("TDCL", k + 1));
    }
}

void CDetailRow::ToRecord(CRecord& record) const {
    auto* pTech = dynamic_cast<CTechField*>(record.GetFieldByName("Technical Description"));
    for (int i = 0; i < kFields; ++i)
        record.GetFieldByName(kDetailColumns[i].pszField)->SetText(m_strField[i]);
    if (!pTech) return;
    pTech->SetFileName(m_strTDFileName);
    pTech->m_nFileNo = static_cast<int>(m_nTDFileNo);
    pTech->m_nStyle = static_cast<int>(m_nTDStyle);

    COwnedObArray components;
    for (int k = 0; k < kMaxComponents && k < m_nTDNoOfComp; ++k)
        components.Add(
            new CComponent(m_strCompName[k], NotNegative(m_nCompStart[k]), NotNegative(m_nCompLength[k])));
    pTech->SetComponents(components);
}

void CDetailRow::Clear() { *this = CDetailRow(); }
