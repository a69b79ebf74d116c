// CCorvSettings: the settings of the INI file that the job windows, the
// finder, the reports and the project sheet read (data folder, rounding,
// alerts, auto-select, move-by, the print flags and defaults, the
// letterhead, Bill To and [Defaults]), the standard texts in effect, the
// remembered pages of the property sheets and SearchBy. Read once at
// start-up; the setters write a changed value back at once.
#pragma once

#include "framework/core/String.h"

// The reports of the print-selection defaults, in their order.
enum PrintDefault {
    kPrintQuote,
    kPrintScope,
    kPrintScopePriced,
    kPrintDistribution,
    kPrintParts,
    kPrintICDS,
    kPrintProposalSummary,
    kPrintProposalSummaryPlant,
    kPrintProjectSellPrice,
    kPrintCommission,
    kPrintPurchaseOrder,
    kPrintDefaultCount
};

// The [PrintDefaults] key of each report.
const char* PrintDefaultKey(int nIndex);

class CCorvSettings {
public:
    // Reads every setting of the application's INI file and writes back
    // the defaults.
    void ReadSettings();
    // Reads <data folder><name>.txt (at most 9,999 bytes, up to a zero
    // byte) into strText; returns 0 when read or no name is given (then
    // the fallback), 1 when the file could not be opened (the fallback).
    int LoadTextFile(CString strFileName, CString& strText, const CString& strFallback) const;

    void SetProjectPage(int nPage) { m_nProjectPage = nPage >= 0 && nPage <= 9 ? nPage : 0; }
    void SetWordsPage(int nPage) { m_nWordsPage = nPage == 0 || nPage == 1 ? nPage : 0; }
    void SetPrefsPage(int nPage) { m_nPrefsPage = nPage >= 0 && nPage <= 2 ? nPage : 0; }
    int GetSearchByOffices();
    void SetSearchByOffices(int nValue);
    CString GetDtaFolder() const { return m_strDtaFolder; }
    // Writes the report's print-selection default when it changed.
    void SetPrintDefault(int nIndex, int nValue);

    CString GetCompany() const { return m_strCompany; }
    CString GetAddress() const { return m_strAddress; }
    CString GetPhoneNo() const { return m_strPhoneNo; }
    CString GetFooterLn1() const { return m_strFooterLn1; }
    CString GetFooterLn2() const { return m_strFooterLn2; }
    CString GetBillToName() const { return m_strBillToName; }
    CString GetBillToAddressLn1() const { return m_strBillToAddressLn1; }
    CString GetBillToAddressLn2() const { return m_strBillToAddressLn2; }
    CString GetBillToCity() const { return m_strBillToCity; }
    CString GetBillToState() const { return m_strBillToState; }
    CString GetBillToZip() const { return m_strBillToZip; }
    CString GetBillToAttn() const { return m_strBillToAttn; }
    CString GetDefaultCountry() const { return m_strDefCountry; }
    CString GetDefaultPackaging() const { return m_strDefPackaging; }
    CString GetDefaultPayment() const { return m_strDefPayment; }
    CString GetDefaultShipping() const { return m_strDefShipping; }
    CString GetDefaultFreight() const { return m_strDefFreight; }
    CString GetDefaultPreparedBy() const { return m_strDefPreparedBy; }
    CString GetDefaultPreparedByTitle() const { return m_strDefPreparedByTitle; }
    CString GetDefaultPreparedByEmail() const { return m_strDefPreparedByEmail; }
    CString GetDefault1stCC() const { return m_strDef1stCC; }
    CString GetDefault1stCCTitle() const { return m_strDef1stCCTitle; }
    CString GetDefault2ndCC() const { return m_strDef2ndCC; }
    CString GetDefault2ndCCTitle() const { return m_strDef2ndCCTitle; }
    CString GetDefaultValidity() const { return m_strDefValidity; }
    CString GetDefaultStatus() const { return m_strDefStatus; }
    CString GetDefaultLastUpdatedBy() const { return m_strDefLastUpdatedBy; }
    CString GetIntroText() const { return m_strIntroText; }
    CString GetNotesText() const { return m_strNotesText; }
    CString GetTermsText() const { return m_strTermsText; }
    CString GetDefaultProjectType() const { return m_strDefProjectType; }
    CString GetDefaultSalesRegion() const { return m_strDefSalesRegion; }
    CString GetDefaultInitials() const { return m_strDefInitials; }
    CString GetDefaultQuoteType() const { return m_strDefQuoteType; }
    CString GetDefaultMarketingGroup() const { return m_strDefMarketingGroup; }

    // --- Members, in the order of the settings ---
    BOOL m_bDtaFolderChanged = FALSE;
    CString m_strDtaFolder;
    BOOL m_bRound = FALSE;
    BOOL m_bMaximizeView = FALSE;
    BOOL m_bAutoSelect = FALSE;
    BOOL m_bMoveByChar = FALSE;
    BOOL m_bPOAAlert = FALSE;
    BOOL m_bVantrAlert = FALSE;
    BOOL m_bAutoSelFld = FALSE;
    BOOL m_bPrintLogo = FALSE;
    BOOL m_bPrintHeader = FALSE;
    BOOL m_bPrintFooter = FALSE;
    BOOL m_bAltLogo = FALSE;
    BOOL m_bAltFormat = FALSE;
    int m_nSearchByOffices = 0;  // as read; GetSearchByOffices keeps it in -1..2
    int m_nProjectPage = 0;
    int m_nPrefsPage = 0;
    int m_nWordsPage = 0;

    // [Quotation] letterhead and [BillTo]. The dialogs that edit a default
    // with the choice-list editor hand these texts to it directly.
    CString m_strCompany;
    CString m_strAddress;
    CString m_strPhoneNo;
    CString m_strFooterLn1;
    CString m_strFooterLn2;
    CString m_strBillToName;
    CString m_strBillToAddressLn1;
    CString m_strBillToAddressLn2;
    CString m_strBillToCity;
    CString m_strBillToState;
    CString m_strBillToZip;
    CString m_strBillToAttn;

    // [Defaults], as read (each cut to its width).
    CString m_strDefCountry;
    CString m_strDefPackaging;
    CString m_strDefPayment;
    CString m_strDefShipping;
    CString m_strDefFreight;
    CString m_strDefPreparedBy;
    CString m_strDefPreparedByTitle;
    CString m_strDefPreparedByEmail;
    CString m_strDef1stCC;
    CString m_strDef1stCCTitle;
    CString m_strDef2ndCC;
    CString m_strDef2ndCCTitle;
    CString m_strDefValidity;
    CString m_strDefStatus;
    CString m_strDefLastUpdatedBy;
    CString m_strDefIntroduction;
    CString m_strDefQuoteNotes;
    CString m_strDefTerms;
    CString m_strDefIntroFileName;
    CString m_strDefNotesFileName;
    CString m_strDefTermsFileName;

    // The standard texts in effect: the named text file's contents, else
    // the [Defaults] text.
    CString m_strIntroText;
    CString m_strNotesText;
    CString m_strTermsText;

    CString m_strDefProjectType;
    CString m_strDefSalesRegion;
    CString m_strDefInitials;
    CString m_strDefQuoteType;
    CString m_strDefMarketingGroup;

    int m_nPrintDefault[kPrintDefaultCount] = {};

private:
    void ReadFlags();
    void ReadDefaults();
    void ReadLetterhead();
    void ReadBillTo();
};
