#include "database/Connection.h"

#include "database/ColumnCheck.h"
#include "database/ConvertSet.h"
#include "database/DbMessages.h"
#include "framework/core/MessageBox.h"
#include "framework/db/DBException.h"
#include "framework/db/Database.h"

namespace {

const char* const kConnectString = "DSN=Ostry Quotes;UID=Corv2004;PWD=Kelso_Wrint";

CString& ConnectOverride() {
    static CString s_strOverride;
    return s_strOverride;
}

// The formatted messages of the finder keep within a buffer of 250 bytes.
constexpr int kFinderMessageChars = 249;

}  // namespace

const char* CorvConnectString() {
    const CString& strOverride = ConnectOverride();
    return strOverride.IsEmpty() ? kConnectString : strOverride.GetString();
}

void CorvSetConnectStringForTests(const char* pszConnect) {
    ConnectOverride() = pszConnect ? pszConnect : "";
}

CString FormatDriverMessage(const char* pszFormat, const CString& strDriverText, int nMaxChars) {
    CString strMessage;
    strMessage.Format(pszFormat, strDriverText.GetString());
    if (strMessage.GetLength() > nMaxChars) strMessage = strMessage.Left(nMaxChars);
    return strMessage;
}

BOOL OpenQuotationDatabase(CDatabase& db) {
    try {
        if (!db.OpenEx(CorvConnectString(), 0)) {
            AfxMessageBox(DbMsg::kCouldNotOpenDatabase, MB_OK);
            return FALSE;
        }
    } catch (CDBException& e) {
        AfxMessageBox(FormatDriverMessage(DbMsg::kOpenDatabaseFmt, e.GetErrorMessage(), kFinderMessageChars),
                      MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL OpenCheckedRecordSet(CDatabase& db, std::unique_ptr<CConvertSet>& rpSet, const CObArray& arrExpected,
                          const CString& strTable, const CString& strSort, const CString& strFilter) {
    try {
        rpSet = std::make_unique<CConvertSet>(&db);
        rpSet->LoadColumns(strTable);
        if (!CheckColumns(rpSet.get(), arrExpected, strTable)) return FALSE;
        rpSet->m_strSort = strSort;
        rpSet->m_strFilter = strFilter;
        if (!rpSet->Open(CRecordset::snapshot, strTable, CRecordset::readOnly)) {
            AfxMessageBox(CString(DbMsg::kCouldNotOpenTable) + strTable + DbMsg::kCouldNotOpenTableEnd,
                          MB_OK);
            return FALSE;
        }
    } catch (CDBException& e) {
        AfxMessageBox(FormatDriverMessage(DbMsg::kOpenRecordSetFmt, e.GetErrorMessage(), kFinderMessageChars),
                      MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL HasRecords(CRecordset* pSet) { return pSet != nullptr && pSet->IsOpen() && !pSet->IsBOF(); }
