#include "project/ProjLookupPage.h"

#include <cstring>
#include <memory>

#include "database/ColumnCheck.h"
#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/DbEngine.h"
#include "framework/core/MessageBox.h"
#include "framework/db/DBException.h"
#include "framework/win/MessageMap.h"
#include "framework/win/WaitCursor.h"
#include "project/ProjMessages.h"
#include "res/project_ids.h"

IMPLEMENT_DYNAMIC(CProjLookupPage, CProjPage)

BEGIN_MESSAGE_MAP(CProjLookupPage, CProjPage)
    ON_BN_CLICKED(IDC_PROJ_FIND_NAME, &CProjLookupPage::OnFindName)
    ON_BN_CLICKED(IDC_PROJ_FIND_NUMBER, &CProjLookupPage::OnFindNumber)
    ON_BN_CLICKED(IDC_PROJ_NEXT, &CProjLookupPage::OnNext)
    ON_BN_CLICKED(IDC_PROJ_PREVIOUS, &CProjLookupPage::OnPrevious)
    ON_BN_CLICKED(IDC_PROJ_UPDATE, &CProjLookupPage::OnUpdate)
END_MESSAGE_MAP()

namespace {

// The "ODBC %s" message keeps within this many characters.
constexpr int kDriverMessageChars = 200;

void ShowDriverError(const CDBException& e) {
    AfxMessageBox(FormatDriverMessage(ProjMsg::kOdbcFmt, e.GetErrorMessage(), kDriverMessageChars), MB_OK);
}

// Whether two names are one name to the engine's case-blind name column.
// Stepping skips the rows of the page's own name; were it to fold more
// letters than the engine sorts together, it would skip names the engine
// sorts apart, and Next and Previous could never reach them.
bool SameName(const CDbEngine& engine, const CString& a, const CString& b) {
    if (!engine.FoldsAsciiCaseOnly()) return lstrcmpiA(a.GetString(), b.GetString()) == 0;
    if (a.GetLength() != b.GetLength()) return false;
    auto fold = [](char ch) {
        return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    };
    for (int i = 0; i < a.GetLength(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

}  // namespace

CProjLookupPage::CProjLookupPage(UINT nIDTemplate, const CLookupTexts& texts)
    : CProjPage(nIDTemplate), m_texts(texts) {}

CProjLookupPage::~CProjLookupPage() { DeleteExpectedColumns(m_columns); }

BOOL CProjLookupPage::OnInitDialog() {
    CProjPage::OnInitDialog();
    if (m_columns.IsEmpty()) BuildExpectedColumns(m_texts.table, m_columns);
    return TRUE;
}

CString CProjLookupPage::ReplaceChar(const CString& str, char ch, const char* pszReplacement) {
    CString strResult;
    for (int i = 0; i < str.GetLength(); ++i) {
        if (str[i] == ch)
            strResult += pszReplacement;
        else
            strResult += str[i];
    }
    return strResult;
}

BOOL CProjLookupPage::OpenTable(CConvertSet*& rpSet, const CString& strSort, const CString& strFilter) {
    const char* pszTable = SchemaTableName(m_texts.table);
    // A connection the driver refuses (no such data source, no server) is a
    // database that does not open: the driver's reason, then the page's own
    // message.
    BOOL bOpen = FALSE;
    try {
        bOpen = m_db.OpenEx(CorvConnectString(), 0);
    } catch (CDBException& e) {
        ShowDriverError(e);
    }
    if (!bOpen) {
        AfxMessageBox(ProjMsg::kCouldNotOpenCustomer, MB_OK);
        return FALSE;
    }
    try {
        rpSet = new CConvertSet(&m_db);
        rpSet->LoadColumns(pszTable);
        if (!CheckColumns(rpSet, m_columns, pszTable)) return FALSE;
        rpSet->m_strSort = strSort;
        rpSet->m_strFilter = strFilter + LimitClause(CDbEngine(m_db).QuotesBits());
        return rpSet->Open(CRecordset::snapshot, pszTable, CRecordset::readOnly);
    } catch (CDBException& e) {
        ShowDriverError(e);
        return FALSE;
    }
}

BOOL CProjLookupPage::CheckFound(CConvertSet* pSet, const CString& strTable, const CString& strValue) {
    if (pSet->IsOpen() && !pSet->IsBOF() && !pSet->IsEOF()) return TRUE;
    AfxMessageBox(CString("\"") + strValue + ProjMsg::kNotInTable + strTable + ProjMsg::kTableEnd, MB_OK);
    return FALSE;
}

void CProjLookupPage::ClearDetails() {
    for (int i = 0; i < 12; ++i) DetailField(i)->Empty();
}

void CProjLookupPage::FillDetails(const CConvertSet& set) {
    for (int i = 0; i < 12; ++i) *DetailField(i) = set.GetText(m_texts.pszDetailColumns[i]);
}

BOOL CProjLookupPage::StepToRow(CConvertSet& set, bool bNext, const CString& strName,
                                const CString& strNumber) {
    const CDbEngine engine(m_db);
    for (;;) {
        const CString strRowName = set.GetText(m_texts.pszNameColumn);
        const CString strRowNumber = set.GetText(m_texts.pszNumberColumn);
        if (!SameName(engine, strRowName, strName)) return TRUE;
        const int nOrder = std::strcmp(strRowNumber.GetString(), strNumber.GetString());
        if (bNext ? nOrder > 0 : nOrder < 0) return TRUE;
        set.MoveNext();
        if (set.IsEOF()) {
            AfxMessageBox(bNext ? ProjMsg::kNoMoreNext : ProjMsg::kNoMorePrevious, MB_OK);
            return FALSE;
        }
    }
}

void CProjLookupPage::RunLookup(Lookup kind) {
    UpdateData(TRUE);
    const bool bByNumber = kind == Lookup::ByNumber;
    const CString strKey = bByNumber ? NumberField() : NameField();
    if (strKey.IsEmpty()) {
        const char* pszMessage = kind == Lookup::ByNumber ? m_texts.pszFindNumberEmpty
                                 : kind == Lookup::ByName ? m_texts.pszFindNameEmpty
                                 : kind == Lookup::Next   ? m_texts.pszNextEmpty
                                                          : m_texts.pszPreviousEmpty;
        AfxMessageBox(pszMessage, MB_OK);
        return;
    }
    CWaitCursor wait;
    const CString strNumberColumn = m_texts.pszNumberColumn;
    const CString strNameColumn = m_texts.pszNameColumn;
    const CString strQuoted = ReplaceChar(strKey, '\'', "''");
    CString strSort, strFilter;
    switch (kind) {
        case Lookup::ByNumber:
            strSort = strNumberColumn;
            strFilter = strNumberColumn + " = '" + strQuoted + "'";
            break;
        case Lookup::ByName:
        case Lookup::Next:
            strSort = strNameColumn + ", " + strNumberColumn;
            strFilter = strNameColumn + " >= '" + strQuoted + "'";
            break;
        case Lookup::Previous:
            strSort = strNameColumn + " DESC, " + strNumberColumn + " DESC";
            strFilter = strNameColumn + " <= '" + strQuoted + "'";
            break;
    }

    // The set and the connection are closed on every road out.
    CConvertSet* pRawSet = nullptr;
    struct Closer {
        CConvertSet*& rpSet;
        CDatabase& db;
        ~Closer() {
            if (rpSet) {
                if (rpSet->IsOpen()) rpSet->Close();
                delete rpSet;
                rpSet = nullptr;
            }
            if (db.IsOpen()) db.Close();
        }
    } closer{pRawSet, m_db};

    if (OpenTable(pRawSet, strSort, strFilter)) {
        try {
            OnRowsOpened(*pRawSet);
            if (!CheckFound(pRawSet, SchemaTableName(m_texts.table), strKey)) {
                if (bByNumber)
                    NameField().Empty();
                else
                    NumberField().Empty();
                ClearDetails();
            } else if (kind == Lookup::ByNumber || kind == Lookup::ByName ||
                       StepToRow(*pRawSet, kind == Lookup::Next, NameField(), NumberField())) {
                NameField() = pRawSet->GetText(m_texts.pszNameColumn);
                NumberField() = pRawSet->GetText(m_texts.pszNumberColumn);
                FillDetails(*pRawSet);
            }
        } catch (CDBException& e) {
            ShowDriverError(e);
        }
    }
    UpdateData(FALSE);
}

void CProjLookupPage::OnFindNumber() { RunLookup(Lookup::ByNumber); }
void CProjLookupPage::OnFindName() { RunLookup(Lookup::ByName); }
void CProjLookupPage::OnNext() { RunLookup(Lookup::Next); }
void CProjLookupPage::OnPrevious() { RunLookup(Lookup::Previous); }

void CProjLookupPage::OnUpdate() {
    UpdateData(TRUE);
    CString strNumber = NumberField();
    CString strName = NameField();
    strNumber.Trim();
    strName.Trim();
    if (strNumber.IsEmpty() || strName.IsEmpty()) {
        AfxMessageBox(m_texts.pszUpdateEmpty, MB_OK);
        return;
    }
    if (!SendToDatabase()) AfxMessageBox(m_texts.pszDidNotUpdate, MB_OK);
}
