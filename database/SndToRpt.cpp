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

// Runs the statements of one change. A statement the database refuses, or
// a value that may not be sent, is shown and reported as failure (FALSE);
// what ran before stays for the caller's transaction to roll back.
BOOL RunReported(const std::function<void()>& statements) {
    try {
        statements();
    } catch (CDBException& e) {
        ShowDriverError(e);
        return FALSE;
    } catch (CSqlValueException& e) {
        ShowDriverError(e);
        return FALSE;
    }
    return TRUE;
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
        if (m_bInDb && Exists(&db)) {
            const CString strN = m_strNumber;
            if (AfxMessageBox(DbMsg::kReplaceQuestion + strN + DbMsg::kInThe + strDb + DbMsg::kQuestionEnd,
                              MB_YESNO | MB_ICONQUESTION) == IDYES) {
                const CString strWhere = Where();
                bChanged = RunChange(db, [&] { return Replace(&db, strWhere); });
                if (bChanged) {
                    m_pDoc->SetTitle(GetTitle());
                    m_pDoc->ClearChangedSinceStore();
                    AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kReplacedInThe + strDb, MB_OK);
                } else {
                    AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kNotReplacedInThe + strDb, MB_OK);
                }
            } else if (AfxMessageBox(
                           DbMsg::kDeleteQuestion + strN + DbMsg::kFromThe + strDb + DbMsg::kQuestionEnd,
                           MB_YESNO | MB_ICONQUESTION) == IDYES) {
                const CString strWhere = Where();
                bChanged = RunChange(db, [&] { return DeleteRows(&db, strWhere); });
                if (bChanged) {
                    m_pDoc->SetCorvNumber(DbMsg::kDeletedNumber);
                    m_pDoc->SetTitle(DbMsg::kDeletedNumber);
                    m_pDoc->ClearChangedSinceStore();
                    AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kDeletedFromThe + strDb, MB_OK);
                } else {
                    AfxMessageBox(DbMsg::kCorvQuote + strN + DbMsg::kNotDeletedFromThe + strDb, MB_OK);
                }
            } else {
                db.Close();
                return FALSE;
            }
        } else {
            if (AfxMessageBox(DbMsg::kAddQuestion + strDb + DbMsg::kQuestionEnd,
                              MB_YESNO | MB_ICONQUESTION) != IDYES) {
                db.Close();
                return FALSE;
            }
            const CString strOldNumber = m_strNumber;
            bChanged = RunChange(db, [&] { return AddNew(&db); });
            if (bChanged) {
                m_pDoc->SetCorvNumber(m_strNumber);
                m_pDoc->SetTitle(GetTitle());
                m_pDoc->ClearChangedSinceStore();
                AfxMessageBox(DbMsg::kNewQuotation + m_strNumber + DbMsg::kWasAddedToThe + strDb, MB_OK);
            } else {
                // A number drawn inside a rolled-back change was never stored.
                m_strNumber = strOldNumber;
                AfxMessageBox(DbMsg::kNotAdded + strDb, MB_OK);
            }
        }
        db.Close();
        return bChanged;
    } catch (CDBException& e) {
        wait.End();
        ShowDriverError(e);
        db.Close();
        return FALSE;
    }
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
    return RunReported([&] { DeleteJobRows(pDb, strWhere); });
}

BOOL CSndToRpt::Replace(CDatabase* pDb, const CString& strWhere) {
    return RunReported([&] {
        DeleteJobRows(pDb, strWhere);
        InsertProject(pDb);
        InsertSummary(pDb);
    });
}

BOOL CSndToRpt::AddNew(CDatabase* pDb) {
    BOOL bNumber = TRUE;
    const BOOL bDone = RunReported([&] {
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
