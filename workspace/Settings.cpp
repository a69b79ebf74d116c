// Reading the INI settings at start-up, the setters that write a single
// setting back at once, and the standard text files.
#include "workspace/Settings.h"

#include <cstdio>
#include <vector>

#include "framework/win/App.h"
#include "workspace/SettingDefaults.h"

namespace {

// A text setting: its key, its default and the most characters kept.
struct TextSetting {
    const char* key;
    const char* def;
    int maxLength;
    CString CCorvSettings::*member;
};

// A flag: TRUE unless the stored word is exactly `falseWord`, or (when
// `trueWord` is given) TRUE only when it is exactly `trueWord`.
struct FlagSetting {
    const char* section;
    const char* key;
    const char* def;
    const char* trueWord;
    const char* falseWord;
    BOOL& (*member)(CCorvSettings&);
};

template <BOOL CCorvSettings::*Member>
BOOL& Flag(CCorvSettings& s) {
    return s.*Member;
}
// A reference member has no pointer to member.
BOOL& RoundFlag(CCorvSettings& s) { return s.m_bRound; }

const FlagSetting kFlags[] = {
    {"Quotation", "Logo", "STD", "ALT", nullptr, &Flag<&CCorvSettings::m_bAltLogo>},
    {"Quote Descriptions", "Format", "STD", "ALT", nullptr, &Flag<&CCorvSettings::m_bAltFormat>},
    {"Quote Descriptions", "Round", "Yes", nullptr, "No", &RoundFlag},
    {"Preferences", "MaximizeView", "No", "Yes", nullptr, &Flag<&CCorvSettings::m_bMaximizeView>},
    {"Preferences", "AutoSelect", "Yes", nullptr, "No", &Flag<&CCorvSettings::m_bAutoSelect>},
    {"Preferences", "MoveBy", "Character", nullptr, "Field", &Flag<&CCorvSettings::m_bMoveByChar>},
    {"Preferences", "POAAlert", "Yes", nullptr, "No", &Flag<&CCorvSettings::m_bPOAAlert>},
    {"Preferences", "VantrAlert", "Yes", nullptr, "No", &Flag<&CCorvSettings::m_bVantrAlert>},
    {"Preferences", "AutoSelFld", "Yes", nullptr, "No", &Flag<&CCorvSettings::m_bAutoSelFld>},
    {"Quotation", "PrintLogo", "Yes", nullptr, "No", &Flag<&CCorvSettings::m_bPrintLogo>},
    {"Quotation", "PrintHeader", "Yes", nullptr, "No", &Flag<&CCorvSettings::m_bPrintHeader>},
    {"Quotation", "PrintFooter", "Yes", nullptr, "No", &Flag<&CCorvSettings::m_bPrintFooter>},
};

// [Defaults] up to the file names: read, then written back.
const TextSetting kDefaultsFirst[] = {
    {"Country", "", 40, &CCorvSettings::m_strDefCountry},
    {"Packaging", "Standard Packaging", 250, &CCorvSettings::m_strDefPackaging},
    {"Payment", "Net 30 Days", 40, &CCorvSettings::m_strDefPayment},
    {"Shipping", SettingDefault::kShipping1, 40, &CCorvSettings::m_strDefShipping},
    {"Freight", "Prepaid and Add", 100, &CCorvSettings::m_strDefFreight},
    {"PreparedBy", "Prepared By", 40, &CCorvSettings::m_strDefPreparedBy},
    {"PreparedByTitle", "Title", 40, &CCorvSettings::m_strDefPreparedByTitle},
    {"PreparedByEmail", SettingDefault::kEmail, 40, &CCorvSettings::m_strDefPreparedByEmail},
    {"1stCC", "1st CC Person", 40, &CCorvSettings::m_strDef1stCC},
    {"1stCCTitle", "1st CC Title", 40, &CCorvSettings::m_strDef1stCCTitle},
    {"2ndCC", "2nd CC Person", 40, &CCorvSettings::m_strDef2ndCC},
    {"2ndCCTitle", "2nd CC Title", 40, &CCorvSettings::m_strDef2ndCCTitle},
    {"Validity", "30 Days", 40, &CCorvSettings::m_strDefValidity},
    {"Status", "Open", 10, &CCorvSettings::m_strDefStatus},
    {"LastUpdatedBy", "Person One", 40, &CCorvSettings::m_strDefLastUpdatedBy},
    {"Introduction", "We are pleased to propose the following:", 3000, &CCorvSettings::m_strDefIntroduction},
    {"QuoteNotes", "", 3000, &CCorvSettings::m_strDefQuoteNotes},
    {"Terms", "", 3000, &CCorvSettings::m_strDefTerms},
    {"IntroFileName", "", 20, &CCorvSettings::m_strDefIntroFileName},
    {"NotesFileName", "", 20, &CCorvSettings::m_strDefNotesFileName},
    {"TermsFileName", "Terms", 20, &CCorvSettings::m_strDefTermsFileName},
};

// [Defaults] after the standard texts are loaded.
const TextSetting kDefaultsSecond[] = {
    {"ProjectType", "", 25, &CCorvSettings::m_strDefProjectType},
    {"SalesRegion", "", 10, &CCorvSettings::m_strDefSalesRegion},
    {"Initials", "", 3, &CCorvSettings::m_strDefInitials},
    {"QuoteType", "", 10, &CCorvSettings::m_strDefQuoteType},
    {"MarketingGroup", "", 10, &CCorvSettings::m_strDefMarketingGroup},
};

const TextSetting kLetterhead[] = {
    {"Company", SettingDefault::kCompany, 90, &CCorvSettings::m_strCompany},
    {"Address", SettingDefault::kStreet, 90, &CCorvSettings::m_strAddress},
    {"PhoneNo", SettingDefault::kPhone, 90, &CCorvSettings::m_strPhoneNo},
    {"FooterLn1", "Line 1 of Quotation Footer", 90, &CCorvSettings::m_strFooterLn1},
    {"FooterLn2", "Line 2 of Quotation Footer", 90, &CCorvSettings::m_strFooterLn2},
};

const TextSetting kBillTo[] = {
    {"Name", "Bill To Name", 40, &CCorvSettings::m_strBillToName},
    {"AddressLn1", "Bill To Address Line 1", 40, &CCorvSettings::m_strBillToAddressLn1},
    {"AddressLn2", "Bill To Address Line 2", 40, &CCorvSettings::m_strBillToAddressLn2},
    {"City", "Bill To City", 25, &CCorvSettings::m_strBillToCity},
    {"State", "BT", 2, &CCorvSettings::m_strBillToState},
    {"Zip", "Bill To Zip", 25, &CCorvSettings::m_strBillToZip},
    {"Attn", "Bill To Attn", 40, &CCorvSettings::m_strBillToAttn},
};

const char* const kPrintDefaultKeys[kPrintDefaultCount] = {
    "Quote",
    "Scope",
    "Scope Priced",
    "Distribution",
    "Parts",
    "ICDS",
    "Proposal Summary",
    "Proposal Summary Plant",
    "Project Sell Price",
    "Commission",
    "Purchase Order",
};

// The most bytes a standard text file gives.
constexpr int kMaxTextFileBytes = 9999;

// The settings live in the application's INI file.
CWinApp& Profile() { return *AfxGetApp(); }

template <size_t N>
void ReadTexts(CCorvSettings& target, const char* section, const TextSetting (&settings)[N]) {
    for (const TextSetting& s : settings)
        target.*s.member = Profile().GetProfileString(section, s.key, s.def).Left(s.maxLength);
}

template <size_t N>
void WriteTexts(CCorvSettings& target, const char* section, const TextSetting (&settings)[N]) {
    for (const TextSetting& s : settings) Profile().WriteProfileString(section, s.key, target.*s.member);
}

}  // namespace

const char* PrintDefaultKey(int nIndex) {
    return nIndex >= 0 && nIndex < kPrintDefaultCount ? kPrintDefaultKeys[nIndex] : "";
}

void CCorvSettings::ReadSettings() {
    m_strDtaFolder = Profile().GetProfileString("Folders", "DtaFolder", SettingDefault::kDtaFolder);
    if (m_strDtaFolder.IsEmpty() || m_strDtaFolder[m_strDtaFolder.GetLength() - 1] != '\\')
        m_strDtaFolder += '\\';

    ReadFlags();
    m_nSearchByOffices = static_cast<int>(Profile().GetProfileInt("SearchBy", "Offices", 2));

    ReadDefaults();
    for (int i = 0; i < kPrintDefaultCount; ++i)
        m_nPrintDefault[i] =
            static_cast<int>(Profile().GetProfileInt("PrintDefaults", kPrintDefaultKeys[i], 0));
    ReadLetterhead();
    ReadBillTo();
}

void CCorvSettings::ReadFlags() {
    for (const FlagSetting& f : kFlags) {
        const CString word = Profile().GetProfileString(f.section, f.key, f.def);
        f.member(*this) = f.trueWord ? word == f.trueWord : word != f.falseWord;
    }
}

void CCorvSettings::ReadDefaults() {
    ReadTexts(*this, "Defaults", kDefaultsFirst);
    ReadTexts(*this, "Defaults", kDefaultsSecond);
    WriteTexts(*this, "Defaults", kDefaultsFirst);

    LoadTextFile(m_strDefIntroFileName, m_strIntroText, m_strDefIntroduction);
    LoadTextFile(m_strDefNotesFileName, m_strNotesText, m_strDefQuoteNotes);
    LoadTextFile(m_strDefTermsFileName, m_strTermsText, m_strDefTerms);

    WriteTexts(*this, "Defaults", kDefaultsSecond);
}

void CCorvSettings::ReadLetterhead() {
    ReadTexts(*this, "Quotation", kLetterhead);
    WriteTexts(*this, "Quotation", kLetterhead);
}

void CCorvSettings::ReadBillTo() {
    ReadTexts(*this, "BillTo", kBillTo);
    WriteTexts(*this, "BillTo", kBillTo);
}

int CCorvSettings::GetSearchByOffices() {
    if (m_nSearchByOffices < -1 || m_nSearchByOffices > 2) m_nSearchByOffices = 2;
    return m_nSearchByOffices;
}

void CCorvSettings::SetSearchByOffices(int nValue) {
    if (nValue == m_nSearchByOffices) return;
    if (nValue < -1 || nValue > 2) nValue = 2;
    m_nSearchByOffices = nValue;
    Profile().WriteProfileInt("SearchBy", "Offices", nValue);
}

void CCorvSettings::SetPrintDefault(int nIndex, int nValue) {
    if (nIndex < 0 || nIndex >= kPrintDefaultCount) return;
    if (m_nPrintDefault[nIndex] == nValue) return;
    m_nPrintDefault[nIndex] = nValue;
    Profile().WriteProfileInt("PrintDefaults", kPrintDefaultKeys[nIndex], nValue);
}

int CCorvSettings::LoadTextFile(CString strFileName, CString& strText, const CString& strFallback) const {
    strFileName.Trim();
    if (strFileName.IsEmpty()) {
        strText = strFallback;
        return 0;
    }
    const CString path = m_strDtaFolder + strFileName + ".txt";
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        strText = strFallback;
        return 1;
    }
    std::vector<char> bytes(kMaxTextFileBytes + 1, '\0');
    const size_t nRead = std::fread(bytes.data(), 1, kMaxTextFileBytes, file);
    std::fclose(file);
    bytes[nRead] = '\0';
    strText = bytes.data();  // up to the first zero byte
    return 0;
}
