#include "database/SndToCust.h"

#include "database/DbEngine.h"
#include "database/DbMessages.h"
#include "database/RecordWriter.h"
#include "database/SqlInsert.h"
#include "framework/db/Database.h"
#include "framework/db/Recordset.h"

IMPLEMENT_DYNAMIC(CSndToCust, CSndTo)
IMPLEMENT_DYNAMIC(CSndToOffices, CSndTo)

namespace {

CString Trimmed(const CString& str)
{
    CString s(str);
    s.Trim();
    return s;
}

BOOL HasRow(CDatabase* pDb, const char* pszSelect, const CString& strWhere)
{
    CRecordset rs(pDb);
    rs.m_strFilter = strWhere;
    BOOL bFound = FALSE;
    if (rs.Open(CRecordset::forwardOnly, pszSelect, CRecordset::readOnly))
        bFound = !rs.IsEOF();
    rs.Close();
    return bFound;
}

}  // namespace

CString CSndToCust::GetNumber() const
{
    return Trimmed(m_row.strCustNo);
}

CString CSndToCust::GetWhere() const
{
    return "CustNo = " + SqlText(GetNumber(), FALSE);
}

BOOL CSndToCust::Exists(CDatabase* pDb, const CString& strWhere)
{
    return HasRow(pDb, "SELECT CustNo FROM Customers", strWhere);
}

void CSndToCust::Insert(CDatabase* pDb)
{
    CDbEngine engine(*pDb);
    CSqlInsert ins(DbTable::Customers, engine);
    ins.Text("CustNo", GetNumber());
    ins.Text("Customer", m_row.strCustomer);
    ins.Text("AdrsLn1", m_row.strAdrsLn1);
    ins.Text("AdrsLn2", m_row.strAdrsLn2);
    ins.Text("AdrsLn3", m_row.strAdrsLn3);
    ins.Text("City", m_row.strCity);
    ins.Text("State", m_row.strState);
    ins.Text("Zip", m_row.strZip);
    ins.Text("Country", m_row.strCountry);
    ins.Text("Attn", m_row.strAttn);
    ins.Text("Phone", m_row.strPhone);
    ins.Text("Fax", m_row.strFax);
    ins.Text("Email", m_row.strEmail);
    ins.Text("URL", m_row.strURL);
    pDb->ExecuteSQL(ins.Finish());
}

BOOL CSndToCust::Send()
{
    static const CRecordWriterTexts s_texts = {
        DbMsg::kCouldNotOpenCustomers,   DbMsg::kUpdateCustomerQuestion, DbMsg::kUpdateCustomerQuestionEnd,
        DbMsg::kCustomerNo,              DbMsg::kCustomerUpdated,        DbMsg::kDeleteCustomerQuestion,
        DbMsg::kDeleteCustomerQuestionEnd, DbMsg::kCustomerNo,           DbMsg::kCustomerDeleted,
        DbMsg::kAddCustomerQuestion,     DbMsg::kCustomerNo,             DbMsg::kCustomerAdded,
    };
    CRecordWriterSteps steps;
    steps.exists = [this](CDatabase* pDb, const CString& strWhere) { return Exists(pDb, strWhere); };
    steps.remove = [](CDatabase* pDb, const CString& strWhere) {
        pDb->ExecuteSQL("DELETE FROM Customers WHERE " + strWhere);
    };
    steps.insert = [this](CDatabase* pDb) { Insert(pDb); };
    return SendRecord(s_texts, steps, GetNumber(), GetWhere());
}

CString CSndToOffices::GetNumber() const
{
    return Trimmed(m_row.strOfficeNo);
}

CString CSndToOffices::GetWhere() const
{
    return "OfficeNo = " + SqlText(GetNumber(), FALSE);
}

BOOL CSndToOffices::Exists(CDatabase* pDb, const CString& strWhere)
{
    return HasRow(pDb, "SELECT OfficeNo FROM Offices", strWhere);
}

void CSndToOffices::Insert(CDatabase* pDb)
{
    // East (0) and Both (2) are Ostry's offices, West (1) and Both Kestrom's.
    const bool bOstry = m_row.nLimitTo == 0 || m_row.nLimitTo == 2;
    const bool bKestrom = m_row.nLimitTo == 1 || m_row.nLimitTo == 2;
    CDbEngine engine(*pDb);
    CSqlInsert ins(DbTable::Offices, engine);
    ins.Text("OfficeNo", GetNumber());
    ins.Text("Ostry", bOstry ? "1" : "0");
    ins.Text("Kestrom", bKestrom ? "1" : "0");
    ins.Text("Office", m_row.strOffice);
    ins.Text("AdrsLn1", m_row.strAdrsLn1);
    ins.Text("AdrsLn2", m_row.strAdrsLn2);
    ins.Text("AdrsLn3", m_row.strAdrsLn3);
    ins.Text("City", m_row.strCity);
    ins.Text("State", m_row.strState);
    ins.Text("Zip", m_row.strZip);
    ins.Text("Country", m_row.strCountry);
    ins.Text("Contact", m_row.strContact);
    ins.Text("Phone", m_row.strPhone);
    ins.Text("Fax", m_row.strFax);
    ins.Text("Email", m_row.strEmail);
    ins.Text("URL", m_row.strURL);
    pDb->ExecuteSQL(ins.Finish());
}

BOOL CSndToOffices::Send()
{
    static const CRecordWriterTexts s_texts = {
        DbMsg::kCouldNotOpenOffices,   DbMsg::kUpdateOfficeQuestion, DbMsg::kUpdateOfficeQuestionEnd,
        DbMsg::kOfficeNo,              DbMsg::kOfficeUpdated,        DbMsg::kDeleteOfficeQuestion,
        DbMsg::kDeleteOfficeQuestionEnd, DbMsg::kOfficesNo,          DbMsg::kOfficeDeleted,
        DbMsg::kAddOfficeQuestion,     DbMsg::kOfficeNo,             DbMsg::kOfficeAdded,
    };
    CRecordWriterSteps steps;
    steps.exists = [this](CDatabase* pDb, const CString& strWhere) { return Exists(pDb, strWhere); };
    steps.remove = [](CDatabase* pDb, const CString& strWhere) {
        pDb->ExecuteSQL("DELETE FROM Offices WHERE " + strWhere);
    };
    steps.insert = [this](CDatabase* pDb) { Insert(pDb); };
    return SendRecord(s_texts, steps, GetNumber(), GetWhere());
}
