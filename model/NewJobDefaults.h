// The header values a new job takes from the application's settings. The
// application fills one from its settings (already cut to their widths when
// it read them) and hands it to CCorvDoc::InitNewJobData; every header field
// not named here starts empty.
#pragma once

#include "framework/core/String.h"

struct CNewJobDefaults {
    CString m_strCustCountry;
    CString m_strQuoteType;
    CString m_strMarketGroup;
    CString m_strSalesRegion;
    CString m_strProjectType;
    CString m_strPackaging;
    CString m_strPayment;
    CString m_strShipping;
    CString m_strFreight;
    CString m_strPreparedBy;
    CString m_strInitials;
    CString m_strPrepByTitle;
    CString m_strPrepByEmail;
    CString m_strFirstCC;
    CString m_strFirstCCTitle;
    CString m_strSecondCC;
    CString m_strSecondCCTitle;
    CString m_strValidity;
    CString m_strStatus;
    CString m_strLastUpdatedBy;
    CString m_strIntro;
    CString m_strQNotes;
    CString m_strTerms;
    CString m_strCompanyName;
    CString m_strAddress;
    CString m_strPhoneNo;
    CString m_strFooterLn1;
    CString m_strFooterLn2;
    CString m_strBillToName;
    CString m_strBillToAddrsLn1;
    CString m_strBillToAddrsLn2;
    CString m_strBillToCity;
    CString m_strBillToState;
    CString m_strBillToZip;
    CString m_strBillToAttn;
};
