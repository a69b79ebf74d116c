// The engine-specific statements that make stores of one quotation take
// turns, and that bound how long a store waits for its turn.
#include <string>

#include "database/DbEngine.h"
#include "framework/db/DBException.h"

namespace {

// The first key of the PostgreSQL advisory locks of job numbers ("Corv"),
// so that they meet no other program's advisory locks on a shared server.
constexpr const char* kJobLockClass = "1131377270";

bool Contains(const CString& strText, const char* pszPart) { return strText.Find(pszPart) >= 0; }

}  // namespace

CString CDbEngine::LockWaitLimitSql() const {
    switch (m_kind) {
        case DbEngineKind::PostgreSQL:
            return ("SET lock_timeout = " + std::to_string(kLockWaitSeconds * 1000)).c_str();
        case DbEngineKind::SQLite:
            // The driver waits once more, for its own Timeout (5 s as the
            // data source is registered), after SQLite's busy wait ends:
            // half the bound each.
            return ("PRAGMA busy_timeout = " + std::to_string(kLockWaitSeconds * 1000 / 2)).c_str();
        case DbEngineKind::Other:
            break;
    }
    return "";
}

CString CDbEngine::JobLockSql(const CString& strNumber) const {
    // PostgreSQL: a lock on the number itself, which holds whether or not
    // the job's rows exist and is let go when the transaction ends.
    if (m_kind == DbEngineKind::PostgreSQL)
        return CString("SELECT pg_advisory_xact_lock(") + kJobLockClass + ", " + strNumber + ")";
    // Elsewhere: a write that changes nothing takes the job's Project row
    // (SQLite: the database's write lock) before anything is read.
    return "UPDATE Project SET CorvNumber = CorvNumber WHERE CorvNumber = " + strNumber;
}

bool CDbEngine::IsLockWaitGivenUp(const CDBException& e) const {
    switch (m_kind) {
        case DbEngineKind::PostgreSQL:
            // lock_not_available, as the server reports a lock_timeout
            return e.m_strSqlState == "55P03" || Contains(e.m_strError, "lock timeout");
        case DbEngineKind::SQLite:
            // SQLITE_BUSY once the busy timeout has passed
            return Contains(e.m_strStateNativeOrigin, "Native:5") ||
                   Contains(e.m_strError, "database is locked");
        case DbEngineKind::Other:
            break;
    }
    return false;
}
