// CSndToCust and CSndToOffices: write the customer or representative office
// of the customer or office page into the Customers or Offices table - an
// update or a deletion of the stored record, or a new record - each after
// a question.
#pragma once

#include "database/LookupRows.h"
#include "database/SndTo.h"

class CDatabase;

class CSndToCust : public CSndTo {
    DECLARE_DYNAMIC(CSndToCust)
public:
    explicit CSndToCust(const CCustomerRow& row) : m_row(row) {}

    // TRUE when the user said Yes and the change ran to its end.
    BOOL Send();
    BOOL Exists(CDatabase* pDb, const CString& strWhere);
    void Insert(CDatabase* pDb);
    // The INSERT statement of the record; CSqlValueException for a value
    // that cannot be written.
    CString InsertSql(CDatabase* pDb) const;

    // The record number trimmed at both ends, and the condition selecting it.
    CString GetNumber() const;
    CString GetWhere() const;

    CCustomerRow m_row;
};

class CSndToOffices : public CSndTo {
    DECLARE_DYNAMIC(CSndToOffices)
public:
    explicit CSndToOffices(const COfficeRow& row) : m_row(row) {}

    BOOL Send();
    BOOL Exists(CDatabase* pDb, const CString& strWhere);
    void Insert(CDatabase* pDb);
    CString InsertSql(CDatabase* pDb) const;

    CString GetNumber() const;
    CString GetWhere() const;

    COfficeRow m_row;
};
