// CCorvSettings: the settings of the INI file that the job windows, the
// finder, the reports and the project sheet read (data folder, rounding,
// alerts, auto-select, move-by, the print flags and defaults, the
// letterhead, Bill To and [Defaults]), the standard texts in effect, the
// remembered pages of the property sheets and SearchBy. Read once at
// start-up; the setters write a changed value back at once.
#pragma once

#include "framework/core/String.h"
#include "model/PriceSettings.h"

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

// The settings, in the order they are read: X(type, member, initial value).
// The application object binds members of the same names to these.
#define CORV_SETTING_MEMBERS(X)                                                       \
    X(BOOL, m_bDtaFolderChanged, FALSE)                                               \
    X(CString, m_strDtaFolder, {})                                                    \
    X(BOOL, m_bMaximizeView, FALSE)                                                   \
    X(BOOL, m_bAutoSelect, FALSE)                                                     \
    X(BOOL, m_bMoveByChar, FALSE)                                                     \
    X(BOOL, m_bPOAAlert, FALSE)                                                       \
    X(BOOL, m_bVantrAlert, FALSE)                                                     \
    X(BOOL, m_bAutoSelFld, FALSE)                                                     \
    X(BOOL, m_bPrintLogo, FALSE)                                                      \
    X(BOOL, m_bPrintHeader, FALSE)                                                    \
    X(BOOL, m_bPrintFooter, FALSE)                                                    \
    X(BOOL, m_bAltLogo, FALSE)                                                        \
    X(BOOL, m_bAltFormat, FALSE)                                                      \
    X(int, m_nSearchByOffices, 0) /* as read; GetSearchByOffices keeps it in -1..2 */ \
    X(int, m_nProjectPage, 0)                                                         \
    X(int, m_nPrefsPage, 0)                                                           \
    X(int, m_nWordsPage, 0)                                                           \
    /* [Quotation] letterhead and [BillTo]. The dialogs that edit a default */        \
    /* with the choice-list editor hand these texts to it directly. */                \
    X(CString, m_strCompany, {})                                                      \
    X(CString, m_strAddress, {})                                                      \
    X(CString, m_strPhoneNo, {})                                                      \
    X(CString, m_strFooterLn1, {})                                                    \
    X(CString, m_strFooterLn2, {})                                                    \
    X(CString, m_strBillToName, {})                                                   \
    X(CString, m_strBillToAddressLn1, {})                                             \
    X(CString, m_strBillToAddressLn2, {})                                             \
    X(CString, m_strBillToCity, {})                                                   \
    X(CString, m_strBillToState, {})                                                  \
    X(CString, m_strBillToZip, {})                                                    \
    X(CString, m_strBillToAttn, {})                                                   \
    /* [Defaults], as read (each cut to its width). */                                \
    X(CString, m_strDefCountry, {})                                                   \
    X(CString, m_strDefPackaging, {})                                                 \
    X(CString, m_strDefPayment, {})                                                   \
    X(CString, m_strDefShipping, {})                                                  \
    X(CString, m_strDefFreight, {})                                                   \
    X(CString, m_strDefPreparedBy, {})                                                \
    X(CString, m_strDefPreparedByTitle, {})                                           \
    X(CString, m_strDefPreparedByEmail, {})                                           \
    X(CString, m_strDef1stCC, {})                                                     \
    X(CString, m_strDef1stCCTitle, {})                                                \
    X(CString, m_strDef2ndCC, {})                                                     \
    X(CString, m_strDef2ndCCTitle, {})                                                \
    X(CString, m_strDefValidity, {})                                                  \
    X(CString, m_strDefStatus, {})                                                    \
    X(CString, m_strDefLastUpdatedBy, {})                                             \
    X(CString, m_strDefIntroduction, {})                                              \
    X(CString, m_strDefQuoteNotes, {})                                                \
    X(CString, m_strDefTerms, {})                                                     \
    X(CString, m_strDefIntroFileName, {})                                             \
    X(CString, m_strDefNotesFileName, {})                                             \
    X(CString, m_strDefTermsFileName, {})                                             \
    /* The standard texts in effect: the named text file's contents, else */          \
    /* the [Defaults] text. */                                                        \
    X(CString, m_strIntroText, {})                                                    \
    X(CString, m_strNotesText, {})                                                    \
    X(CString, m_strTermsText, {})                                                    \
    X(CString, m_strDefProjectType, {})                                               \
    X(CString, m_strDefSalesRegion, {})                                               \
    X(CString, m_strDefInitials, {})                                                  \
    X(CString, m_strDefQuoteType, {})                                                 \
    X(CString, m_strDefMarketingGroup, {})

// The texts handed out by getter: X(getter, member). The application object
// offers the same getters.
#define CORV_SETTING_TEXT_GETTERS(X)                      \
    X(GetCompany, m_strCompany)                           \
    X(GetAddress, m_strAddress)                           \
    X(GetPhoneNo, m_strPhoneNo)                           \
    X(GetFooterLn1, m_strFooterLn1)                       \
    X(GetFooterLn2, m_strFooterLn2)                       \
    X(GetBillToName, m_strBillToName)                     \
    X(GetBillToAddressLn1, m_strBillToAddressLn1)         \
    X(GetBillToAddressLn2, m_strBillToAddressLn2)         \
    X(GetBillToCity, m_strBillToCity)                     \
    X(GetBillToState, m_strBillToState)                   \
    X(GetBillToZip, m_strBillToZip)                       \
    X(GetBillToAttn, m_strBillToAttn)                     \
    X(GetDefaultCountry, m_strDefCountry)                 \
    X(GetDefaultPackaging, m_strDefPackaging)             \
    X(GetDefaultPayment, m_strDefPayment)                 \
    X(GetDefaultShipping, m_strDefShipping)               \
    X(GetDefaultFreight, m_strDefFreight)                 \
    X(GetDefaultPreparedBy, m_strDefPreparedBy)           \
    X(GetDefaultPreparedByTitle, m_strDefPreparedByTitle) \
    X(GetDefaultPreparedByEmail, m_strDefPreparedByEmail) \
    X(GetDefault1stCC, m_strDef1stCC)                     \
    X(GetDefault1stCCTitle, m_strDef1stCCTitle)           \
    X(GetDefault2ndCC, m_strDef2ndCC)                     \
    X(GetDefault2ndCCTitle, m_strDef2ndCCTitle)           \
    X(GetDefaultValidity, m_strDefValidity)               \
    X(GetDefaultStatus, m_strDefStatus)                   \
    X(GetDefaultLastUpdatedBy, m_strDefLastUpdatedBy)     \
    X(GetIntroText, m_strIntroText)                       \
    X(GetNotesText, m_strNotesText)                       \
    X(GetTermsText, m_strTermsText)                       \
    X(GetDefaultProjectType, m_strDefProjectType)         \
    X(GetDefaultSalesRegion, m_strDefSalesRegion)         \
    X(GetDefaultInitials, m_strDefInitials)               \
    X(GetDefaultQuoteType, m_strDefQuoteType)             \
    X(GetDefaultMarketingGroup, m_strDefMarketingGroup)

#define CORV_DECLARE_SETTING_MEMBER(type, member, init) type member = init;
#define CORV_DECLARE_SETTING_GETTER(getter, member) \
    CString getter() const { return member; }

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

    CORV_SETTING_TEXT_GETTERS(CORV_DECLARE_SETTING_GETTER)

    CORV_SETTING_MEMBERS(CORV_DECLARE_SETTING_MEMBER)
    // [Quote Descriptions] Round is the price rules' own flag, not a copy of
    // it: the rules read it at every calculation, so a change made here (by
    // the Preferences sheet) applies to the next price worked out.
    BOOL& m_bRound = GetPriceSettings().m_bRound;
    int m_nPrintDefault[kPrintDefaultCount] = {};

private:
    void ReadFlags();
    void ReadDefaults();
    void ReadLetterhead();
    void ReadBillTo();
};
