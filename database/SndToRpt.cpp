#include "database/SndToRpt.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include "database/Connection.h"
#include "database/DbEngine.h"
#include "database/DbMessages.h"
#include "database/DbWaitCursor.h"
#include "database/SqlValueError.h"
#include "database/StoredRowsDigest.h"
#include "framework/core/MessageBox.h"
#include "framework/db/DBException.h"
#include "framework/db/Database.h"
#include "framework/db/Recordset.h"
#include "model/CorvDoc.h"

IMPLEMENT_DYNAMIC(CSndToRpt, CSndTo)

namespace {

// The whole text (blanks around it aside) as a decimal integer.
bool ReadWholeInteger(const CString& strText, int* pnValue) {
    CString str(strText);
    str.Trim();
    const std::string& s = str.str();
    size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i == s.size()) return false;
    for (size_t j = i; j < s.size(); ++j) {
        if (!std::isdigit(static_cast<unsigned char>(s[j]))) return false;
    }
    errno = 0;
    long long n = std::strtoll(s.c_str(), nullptr, 10);
    if (errno != 0 || n < INT_MIN || n > INT_MAX) return false;
    *pnValue = static_cast<int>(n);
    return true;
}

// Reads the first column of a one-row query as text.
class CFirstColumnSet : public CRecordset {
public:
    explicit CFirstColumnSet(CDatabase* pDb) : CRecordset(pDb) {}
    void DoFieldExchange(CFieldExchange* pFX) override {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "Identity", m_strValue);
    }
    CString m_strValue;
};

void ShowDriverError(const CException& e) { AfxMessageBox(e.GetErrorMessage(), MB_OK); }

// A driver error as the user sees it: a lock waited for as long as a store
// waits is said plainly; anything else in the driver's own words.
void ShowDbError(const CDatabase& db, const CDBException& e, const CString& strBusy) {
    if (CDbEngine(db).IsLockWaitGivenUp(e))
        AfxMessageBox(strBusy, MB_OK);
    else
        ShowDriverError(e);
}

// A job's rows go Detail first, then Summary, then Project.
void DeleteJobRows(CDatabase* pDb, const CString& strWhere) {
    pDb->ExecuteSQL("DELETE FROM Detail WHERE " + strWhere);
    pDb->ExecuteSQL("DELETE FROM Summary WHERE " + strWhere);
    pDb->ExecuteSQL("DELETE FROM Project WHERE " + strWhere);
}

}  // namespace

CSndToRpt::CSndToRpt(CCorvDoc* pDoc, const CString& strNumber)
    : m_pDoc(pDoc), m_strNumber("0"), m_bInDb(FALSE), m_strDbName(DbMsg::kDatabaseName) {
    int nNumber = 0;
    if (strNumber != DbMsg::kUnassignedNumber && strNumber != DbMsg::kDeletedNumber &&
        ReadWholeInteger(strNumber, &nNumber) && nNumber != 0) {
        m_bInDb = TRUE;
        m_strNumber = IntToText(nNumber);
    }
}

CString CSndToRpt::Where() const { return "CorvNumber = " + m_strNumber; }

BOOL CSndToRpt::Send() {
    CDbWaitCursor wait;
    CDatabase db;
    const CString strDb = m_strDbName;
    try {
        if (!db.OpenEx(CorvConnectString(), 0)) {
            wait.End();
            AfxMessageBox(DbMsg::kCouldNotOpenThe + strDb, MB_OK);
            return FALSE;
        }
        LimitLockWaits(db);
        // Every row is built, and every value checked, before anything is
        // asked or sent: a value that cannot be written stops the store.
        m_bRowsBuilt = false;
        try {
            Rows(&db);
        } catch (CSqlValueException& e) {
            wait.End();
            AfxMessageBox(e.GetErrorMessage(), MB_OK);
            db.Close();
            return FALSE;
        }

        BOOL bChanged = FALSE;
        for (;;) {
            m_bAdding = !(m_bInDb && Exists(&db));
            if (!m_bAdding) {
                const Outcome outcome = ReplaceOrDelete(db);
                // Another store came between the question and this one's
                // turn: the user is asked again about what is stored now.
                if (outcome == Outcome::AskAgain) continue;
                bChanged = outcome == Outcome::Changed;
                break;
            }
            if (AfxMessageBox(DbMsg::kAddQuestion + strDb + DbMsg::kQuestionEnd,
                              MB_YESNO | MB_ICONQUESTION) != IDYES)
                break;
            const CString strOldNumber = m_strNumber;
            CString strStored;
            bChanged = RunChange(db, [&] { return AddNew(&db) && ReadStoredRows(&db, &strStored); });
            if (bChanged) {
                m_pDoc->SetCorvNumber(m_strNumber);
                m_pDoc->RememberStoredRows(m_strNumber, strStored);
                m_pDoc->SetTitle(GetTitle());
                m_pDoc->ClearChangedSinceStore();
                AfxMessageBox(DbMsg::kNewQuotation + m_strNumber + DbMsg::kWasAddedToThe + strDb, MB_OK);
            } else {
                // A number drawn inside a rolled-back change was never stored.
                m_strNumber = strOldNumber;
                AfxMessageBox(DbMsg::kNotAdded + strDb, MB_OK);
            }
            break;
        }
        db.Close();
        return bChanged;
    } catch (CDBException& e) {
        wait.End();
        ShowDbError(db, e, BusyMessage());
        db.Close();
        return FALSE;
    }
}

CSndToRpt::Outcome CSndToRpt::ReplaceOrDelete(CDatabase& db) {
    const CString strN = m_strNumber;
    const CString strDb = m_strDbName;
    // What is stored now, when the job knows what it last loaded or stored.
    const bool bKnown = m_pDoc->m_strStoredNumber == m_strNumber && !m_pDoc->m_strStoredDigest.IsEmpty();
    const CString strSeen = bKnown ? StoredRowsNow(db) : CString();
    if (!strSeen.IsEmpty() && strSeen != m_pDoc->m_strStoredDigest) {
        // Replacing would undo another store that this job has not seen.
        if (AfxMessageBox(
                DbMsg::kCorvQuote + strN + DbMsg::kChangedInThe + strDb + DbMsg::kChangedQuestionEnd,
                MB_YESNO | MB_ICONQUESTION) != IDYES)
            return Outcome::NotChanged;
        return RunReplace(db, strSeen);
    }
    if (AfxMessageBox(DbMsg::kReplaceQuestion + strN + DbMsg::kInThe + strDb + DbMsg::kQuestionEnd,
                      MB_YESNO | MB_ICONQUESTION) == IDYES)
        return RunReplace(db, strSeen);
    if (AfxMessageBox(DbMsg::kDeleteQuestion + strN + DbMsg::kFromThe + strDb + DbMsg::kQuestionEnd,
                      MB_YESNO | MB_ICONQUESTION) == IDYES)
        return RunDelete(db, strSeen);
    return Outcome::NotChanged;
}

CSndToRpt::Outcome CSndToRpt::RunReplace(CDatabase& db, const CString& strSeen) {
    const CString strN = m_strNumber;
    const CString strWhere = Where();
    CString strStored;
    m_bMovedMeanwhile = false;
    const BOOL bDone = RunChange(db, [&] {
        return StillAsAsked(&db, strSeen) && Replace(&db, strWhere) && ReadStoredRows(&db, &strStored);
    });
    if (m_bMovedMeanwhile) return Outcome::AskAgain;
    if (!bDone) {
        AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kNotReplacedInThe + m_strDbName, MB_OK);
        return Outcome::NotChanged;
    }
    m_pDoc->RememberStoredRows(strN, strStored);
    m_pDoc->SetTitle(GetTitle());
    m_pDoc->ClearChangedSinceStore();
    AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kReplacedInThe + m_strDbName, MB_OK);
    return Outcome::Changed;
}

CSndToRpt::Outcome CSndToRpt::RunDelete(CDatabase& db, const CString& strSeen) {
    const CString strN = m_strNumber;
    const CString strWhere = Where();
    m_bMovedMeanwhile = false;
    const BOOL bDone = RunChange(db, [&] { return StillAsAsked(&db, strSeen) && DeleteRows(&db, strWhere); });
    if (m_bMovedMeanwhile) return Outcome::AskAgain;
    if (!bDone) {
        AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kNotDeletedFromThe + m_strDbName, MB_OK);
        return Outcome::NotChanged;
    }
    m_pDoc->SetCorvNumber(DbMsg::kDeletedNumber);
    m_pDoc->ForgetStoredRows();
    m_pDoc->SetTitle(DbMsg::kDeletedNumber);
    m_pDoc->ClearChangedSinceStore();
    AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kDeletedFromThe + m_strDbName, MB_OK);
    return Outcome::Changed;
}

CString CSndToRpt::StoredRowsNow(CDatabase& db) {
    try {
        return StoredRowsDigest(db, m_strNumber);
    } catch (CDBException&) {
        // Rows that cannot be read are compared with nothing; the store
        // itself then meets and reports what is wrong.
        return "";
    }
}

BOOL CSndToRpt::StillAsAsked(CDatabase* pDb, const CString& strSeen) {
    // A job that knows nothing of its stored rows was asked about none.
    if (strSeen.IsEmpty()) return TRUE;
    BOOL bSame = FALSE;
    if (!RunReported(pDb, [&] {
            LockJob(pDb);
            bSame = StoredRowsDigest(*pDb, m_strNumber) == strSeen;
        }))
        return FALSE;
    if (!bSame) m_bMovedMeanwhile = true;
    return bSame;
}

BOOL CSndToRpt::ReadStoredRows(CDatabase* pDb, CString* pstrDigest) {
    return RunReported(pDb, [&] { *pstrDigest = StoredRowsDigest(*pDb, m_strNumber); });
}

void CSndToRpt::LockJob(CDatabase* pDb) { pDb->ExecuteSQL(CDbEngine(*pDb).JobLockSql(m_strNumber)); }

void CSndToRpt::LimitLockWaits(CDatabase& db) {
    const CString strLimit = CDbEngine(db).LockWaitLimitSql();
    if (strLimit.IsEmpty()) return;
    try {
        db.ExecuteSQL(strLimit);
    } catch (CDBException&) {
        // A server that cannot bound its waits still stores; it only waits
        // as long as it always did.
    }
}

CString CSndToRpt::BusyMessage() const {
    if (m_bAdding) return DbMsg::kDatabaseBusy;
    return DbMsg::kCorvQuote + m_strNumber + DbMsg::kBeingStored;
}

BOOL CSndToRpt::RunReported(CDatabase* pDb, const std::function<void()>& statements) {
    try {
        statements();
    } catch (CDBException& e) {
        ShowDbError(*pDb, e, BusyMessage());
        return FALSE;
    } catch (CSqlValueException& e) {
        ShowDriverError(e);
        return FALSE;
    }
    return TRUE;
}

BOOL CSndToRpt::RunChange(CDatabase& db, const std::function<BOOL()>& change) {
    const BOOL bTransaction = db.CanTransact() && db.BeginTrans();
    BOOL bDone = change();
    if (bTransaction) {
        if (bDone)
            db.CommitTrans();
        else
            db.Rollback();
    }
    return bDone;
}

BOOL CSndToRpt::Exists(CDatabase* pDb) {
    CRecordset rs(pDb);
    rs.m_strFilter = Where();
    BOOL bFound = FALSE;
    if (rs.Open(CRecordset::forwardOnly, "SELECT CorvNumber FROM Project", CRecordset::readOnly))
        bFound = !rs.IsEOF();
    rs.Close();
    return bFound;
}

BOOL CSndToRpt::DeleteRows(CDatabase* pDb, const CString& strWhere) {
    return RunReported(pDb, [&] {
        LockJob(pDb);
        DeleteJobRows(pDb, strWhere);
    });
}

BOOL CSndToRpt::Replace(CDatabase* pDb, const CString& strWhere) {
    return RunReported(pDb, [&] {
        // Stores of one job take turns: the rows deleted are all there is.
        LockJob(pDb);
        DeleteJobRows(pDb, strWhere);
        InsertProject(pDb);
        InsertSummary(pDb);
    });
}

BOOL CSndToRpt::AddNew(CDatabase* pDb) {
    BOOL bNumber = TRUE;
    const BOOL bDone = RunReported(pDb, [&] {
        CDbEngine engine(*pDb);
        std::time_t now = std::time(nullptr);
        std::tm local = *std::localtime(&now);
        CString strValues =
            SqlText(m_pDoc->GetInitials(), FALSE) + SqlText(engine.TimestampValue(local), TRUE);
        pDb->ExecuteSQL("INSERT INTO CorvNumbers (Initials, DateTime) VALUES (" + strValues + ")");
        bNumber = GetNewNumber(pDb);
        if (!bNumber) return;
        InsertProject(pDb);
        InsertSummary(pDb);
    });
    if (bDone && !bNumber) {
        AfxMessageBox(DbMsg::kNoNewNumber, MB_OK);
        return FALSE;
    }
    return bDone;
}

BOOL CSndToRpt::GetNewNumber(CDatabase* pDb) {
    CFirstColumnSet rs(pDb);
    CString strIdentity;
    if (rs.Open(CRecordset::forwardOnly, CDbEngine(*pDb).IdentitySql(), CRecordset::readOnly) && !rs.IsEOF())
        strIdentity = rs.m_strValue;
    rs.Close();
    // The number goes into every statement: only a plain positive integer will do.
    int nNumber = 0;
    if (!ReadWholeInteger(strIdentity, &nNumber) || nNumber <= 0) return FALSE;
    m_strNumber = IntToText(nNumber);
    return TRUE;
}

CString CSndToRpt::GetTitle() {
    CString strTitle = DbMsg::kTitleCorv + m_strNumber;
    CString strQuoteNo = m_pDoc->GetQuoteNo();
    strQuoteNo.Trim();
    if (!strQuoteNo.IsEmpty()) {
        strTitle += DbMsg::kTitleQuoteNo + strQuoteNo;
        CString strRev = m_pDoc->GetQuoteRev();
        strRev.Trim();
        if (!strRev.IsEmpty()) strTitle += DbMsg::kTitleRev + strRev;
    }
    CString strVersion = m_pDoc->GetQuoteVersion();
    strVersion.Trim();
    if (!strVersion.IsEmpty()) strTitle += DbMsg::kTitleVersion + strVersion;
    strTitle += m_pDoc->m_nQuoteCount != 0 ? DbMsg::kTitleCountYes : DbMsg::kTitleCountNo;
    return strTitle;
}
