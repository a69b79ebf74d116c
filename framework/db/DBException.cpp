#include "framework/db/DBException.h"

#include <vector>

#include "framework/db/OdbcMessages.h"

IMPLEMENT_DYNAMIC(CDBException, CException)

CString CDBException::GetErrorMessage() const {
    if (!m_strError.IsEmpty()) return m_strError;
    CString strText;
    strText.Format(OdbcMsg::kNoDiagnostics, static_cast<int>(m_nRetCode));
    return strText;
}

void CDBException::CollectDiagnostics(SQLSMALLINT nHandleType, SQLHANDLE hHandle) {
    if (hHandle == SQL_NULL_HANDLE) return;
    for (SQLSMALLINT nRecord = 1;; ++nRecord) {
        SQLCHAR szState[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER nNative = 0;
        std::vector<SQLCHAR> text(SQL_MAX_MESSAGE_LENGTH + 1);
        SQLSMALLINT nLength = 0;
        SQLRETURN rc = SQLGetDiagRec(nHandleType, hHandle, nRecord, szState, &nNative, text.data(),
                                     static_cast<SQLSMALLINT>(text.size()), &nLength);
        if (rc == SQL_SUCCESS_WITH_INFO && nLength >= static_cast<SQLSMALLINT>(text.size())) {
            // A longer text than the usual limit: ask again with room for it.
            text.assign(static_cast<size_t>(nLength) + 1, 0);
            rc = SQLGetDiagRec(nHandleType, hHandle, nRecord, szState, &nNative, text.data(),
                               static_cast<SQLSMALLINT>(text.size()), &nLength);
        }
        if (!OdbcSucceeded(rc)) break;
        CString strMessage(reinterpret_cast<const char*>(text.data()));
        strMessage.TrimRight();
        CString strState(reinterpret_cast<const char*>(szState));
        if (m_strSqlState.IsEmpty()) m_strSqlState = strState;
        if (!m_strError.IsEmpty()) m_strError += "\n";
        m_strError += strMessage;
        if (!m_strStateNativeOrigin.IsEmpty()) m_strStateNativeOrigin += "\n";
        m_strStateNativeOrigin.AppendFormat("State:%s,Native:%ld", strState.GetString(),
                                            static_cast<long>(nNative));
    }
}

void AfxThrowDBException(SQLRETURN nRetCode, SQLSMALLINT nHandleType, SQLHANDLE hHandle) {
    CDBException e(nRetCode);
    e.CollectDiagnostics(nHandleType, hHandle);
    throw e;
}
