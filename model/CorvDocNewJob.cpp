// The starting values of a job that is not read from a file.
#include <cstring>

#include "model/CorvDoc.h"
#include "model/NewJobDefaults.h"
#include "model/Table.h"
#include "model/TableStruct.h"

namespace {

LOGFONT DefaultJobFont() {
    LOGFONT lf = {};
    lf.lfHeight = -15;
    lf.lfWeight = 400;
    lf.lfCharSet = 0;                        // ANSI_CHARSET
    lf.lfOutPrecision = 3;                   // OUT_STROKE_PRECIS
    lf.lfClipPrecision = 2;                  // CLIP_STROKE_PRECIS
    lf.lfQuality = 1;                        // DRAFT_QUALITY
    lf.lfPitchAndFamily = 34;                // VARIABLE_PITCH | FF_SWISS
    std::memcpy(lf.lfFaceName, "Arial", 5);  // the rest of the field stays zero
    return lf;
}
}  // namespace

void CCorvDoc::InitNewJobData(const CNewJobDefaults& d) {
    m_bLoadedOk = TRUE;
    m_strFileIdent.Empty();

    m_lfFont = DefaultJobFont();
    m_crFontColor = 0;

    // Assigned directly: the application cut its settings when it read them,
    // and a new job is not modified.
#define CORV_EMPTY_TEXT(name, width) m_str##name.Empty();
    CORV_HEADER_TEXTS_ALL(CORV_EMPTY_TEXT, CORV_EMPTY_TEXT, CORV_EMPTY_TEXT)
#undef CORV_EMPTY_TEXT
    m_strCorvNumber = kUnassignedNumber;
    ForgetStoredRows();
    m_strCustCountry = d.m_strCustCountry;
    m_strQuoteType = d.m_strQuoteType;
    m_strMarketGroup = d.m_strMarketGroup;
    m_strSalesRegion = d.m_strSalesRegion;
    m_strProjectType = d.m_strProjectType;
    m_strPackaging = d.m_strPackaging;
    m_strPayment = d.m_strPayment;
    m_strShipping = d.m_strShipping;
    m_strFreight = d.m_strFreight;
    m_strPreparedBy = d.m_strPreparedBy;
    m_strInitials = d.m_strInitials;
    m_strPrepByTitle = d.m_strPrepByTitle;
    m_strPrepByEmail = d.m_strPrepByEmail;
    m_strFirstCC = d.m_strFirstCC;
    m_strFirstCCTitle = d.m_strFirstCCTitle;
    m_strSecondCC = d.m_strSecondCC;
    m_strSecondCCTitle = d.m_strSecondCCTitle;
    m_strValidity = d.m_strValidity;
    m_strStatus = d.m_strStatus;
    m_strLastUpdatedBy = d.m_strLastUpdatedBy;
    m_strIntro = d.m_strIntro;
    m_strQNotes = d.m_strQNotes;
    m_strTerms = d.m_strTerms;
    m_strCompanyName = d.m_strCompanyName;
    m_strAddress = d.m_strAddress;
    m_strPhoneNo = d.m_strPhoneNo;
    m_strFooterLn1 = d.m_strFooterLn1;
    m_strFooterLn2 = d.m_strFooterLn2;
    m_strBillToName = d.m_strBillToName;
    m_strBillToAddrsLn1 = d.m_strBillToAddrsLn1;
    m_strBillToAddrsLn2 = d.m_strBillToAddrsLn2;
    m_strBillToCity = d.m_strBillToCity;
    m_strBillToState = d.m_strBillToState;
    m_strBillToZip = d.m_strBillToZip;
    m_strBillToAttn = d.m_strBillToAttn;

    m_nQuoteCount = 0;
    m_nIntroIndLeft = m_nIntroIndRight = 0;
    m_nQNotesIndLeft = m_nQNotesIndRight = 0;
    m_nTermsIndLeft = m_nTermsIndRight = 0;

    for (CString& s : m_strSpare) s.Empty();
    for (double& v : m_dSpare) v = 0.0;
    for (int& n : m_nSpare) n = 0;

    // One empty Summary line with an empty table of Detail lines.
    DeleteLines();
    m_pSummaryStruct = new CTableStruct(CTableStruct::kindSummary);
    m_pDetailStruct = new CTableStruct(CTableStruct::kindDetail);
    m_pTable = new CTable(m_pSummaryStruct);
    m_pTable->AddRecord(m_pDetailStruct);
}
