#include "database/SndToCust.h"

#include <vector>

#include "database/DbEngine.h"
#include "database/DbMessages.h"
#include "database/RecordWriter.h"
#include "database/SqlInsert.h"
#include "framework/db/Database.h"
#include "framework/db/Recordset.h"

IMPLEMENT_DYNAMIC(CSndToCust, CSndTo)
IMPLEMENT_DYNAMIC(CSndToOffices, CSndTo)

namespace {

CString Trimmed(const CString& str) {
    CString s(str);
    s.Trim();
    return s;
}

// The condition selecting a record by its number column.
CString WhereNumber(const char* pszColumn, const CString& strNumber) {
    return CString(pszColumn) + " = " + CSndTo::SqlText(strNumber, FALSE);
}

BOOL HasRow(CDatabase* pDb, const char* pszSelect, const CString& strWhere) {
    CRecordset rs(pDb);
    rs.m_strFilter = strWhere;
    BOOL bFound = FALSE;
    if (rs.Open(CRecordset::forwardOnly, pszSelect, CRecordset::readOnly)) bFound = !rs.IsEOF();
    rs.Close();
    return bFound;
}

// A whole record in the table's column order, every value in the text form.
CString TextRowSql(CDatabase* pDb, DbTable table, const std::vector<CString>& values) {
    CDbEngine engine(*pDb);
    CSqlInsert ins(table, engine);
    int nCount = 0;
    const CSchemaColumn* pColumns = SchemaColumns(table, &nCount);
    for (size_t i = 0; i < values.size() && static_cast<int>(i) < nCount; ++i)
        ins.Text(pColumns[i].pszName, values[i]);
    return ins.Finish();
}

// The dialogue of one writer over its table.
template <class Writer>
BOOL SendWith(Writer& writer, const CRecordWriterTexts& texts, DbTable table) {
    const CString strDelete = CString("DELETE FROM ") + SchemaTableName(table) + " WHERE ";
    CRecordWriterSteps steps;
    steps.exists = [&writer](CDatabase* pDb, const CString& strWhere) {
        return writer.Exists(pDb, strWhere);
    };
    steps.remove = [strDelete](CDatabase* pDb, const CString& strWhere) {
        pDb->ExecuteSQL(strDelete + strWhere);
    };
    steps.insertSql = [&writer](CDatabase* pDb) {
        return writer.InsertSql(pDb);
    };
    return SendRecord(texts, steps, writer.GetNumber(), writer.GetWhere());
}

}  // namespace

CString CSndToCust::GetNumber() const { return Trimmed(m_row.strCustNo); }

CString CSndToCust::GetWhere() const { return WhereNumber("CustNo", GetNumber()); }

BOOL CSndToCust::Exists(CDatabase* pDb, const CString& strWhere) {
    return HasRow(pDb, "SELECT CustNo FROM Customers", strWhere);
}

void CSndToCust::Insert(CDatabase* pDb) { pDb->ExecuteSQL(InsertSql(pDb)); }

CString CSndToCust::InsertSql(CDatabase* pDb) const {
    return TextRowSql(pDb, DbTable::Customers,
                      {GetNumber(), m_row.strCustomer, m_row.strAdrsLn1, m_row.strAdrsLn2, m_row.strAdrsLn3,
                       m_row.strCity, m_row.strState, m_row.strZip, m_row.strCountry, m_row.strAttn,
                       m_row.strPhone, m_row.strFax, m_row.strEmail, m_row.strURL});
}

BOOL CSndToCust::Send() {
    static const CRecordWriterTexts s_texts = {
        DbMsg::kCouldNotOpenCustomers,
        DbMsg::kUpdateCustomerQuestion,
        DbMsg::kUpdateCustomerQuestionEnd,
        DbMsg::kCustomerNo,
        DbMsg::kCustomerUpdated,
        DbMsg::kDeleteCustomerQuestion,
        DbMsg::kDeleteCustomerQuestionEnd,
        DbMsg::kCustomerNo,
        DbMsg::kCustomerDeleted,
        DbMsg::kAddCustomerQuestion,
        DbMsg::kCustomerNo,
        DbMsg::kCustomerAdded,
    };
    return SendWith(*this, s_texts, DbTable::Customers);
}

CString CSndToOffices::GetNumber() const { return Trimmed(m_row.strOfficeNo); }

CString CSndToOffices::GetWhere() const { return WhereNumber("OfficeNo", GetNumber()); }

BOOL CSndToOffices::Exists(CDatabase* pDb, const CString& strWhere) {
    return HasRow(pDb, "SELECT OfficeNo FROM Offices", strWhere);
}

void CSndToOffices::Insert(CDatabase* pDb) { pDb->ExecuteSQL(InsertSql(pDb)); }

CString CSndToOffices::InsertSql(CDatabase* pDb) const {
    // East (0) and Both (2) are Ostry's offices, West (1) and Both Kestrom's.
    const bool bOstry = m_row.nLimitTo == 0 || m_row.nLimitTo == 2;
    const bool bKestrom = m_row.nLimitTo == 1 || m_row.nLimitTo == 2;
    return TextRowSql(
        pDb, DbTable::Offices,
        {GetNumber(), bOstry ? "1" : "0", bKestrom ? "1" : "0", m_row.strOffice, m_row.strAdrsLn1,
         m_row.strAdrsLn2, m_row.strAdrsLn3, m_row.strCity, m_row.strState, m_row.strZip, m_row.strCountry,
         m_row.strContact, m_row.strPhone, m_row.strFax, m_row.strEmail, m_row.strURL});
}

BOOL CSndToOffices::Send() {
    static const CRecordWriterTexts s_texts = {
        DbMsg::kCouldNotOpenOffices,
        DbMsg::kUpdateOfficeQuestion,
        DbMsg::kUpdateOfficeQuestionEnd,
        DbMsg::kOfficeNo,
        DbMsg::kOfficeUpdated,
        DbMsg::kDeleteOfficeQuestion,
        DbMsg::kDeleteOfficeQuestionEnd,
        DbMsg::kOfficesNo,
        DbMsg::kOfficeDeleted,
        DbMsg::kAddOfficeQuestion,
        DbMsg::kOfficeNo,
        DbMsg::kOfficeAdded,
    };
    return SendWith(*this, s_texts, DbTable::Offices);
}
