// The values of one customer or representative office as the writers take
// them, in the column order of the Customers and Offices tables. The pages
// fill them from their getters (project/LookupPageRows.h) when they hand a
// record to its writer.
#pragma once

#include "framework/core/String.h"

struct CCustomerRow {
    CString strCustNo;
    CString strCustomer;
    CString strAdrsLn1;
    CString strAdrsLn2;
    CString strAdrsLn3;
    CString strCity;
    CString strState;
    CString strZip;
    CString strCountry;
    CString strAttn;
    CString strPhone;
    CString strFax;
    CString strEmail;
    CString strURL;
};

struct COfficeRow {
    CString strOfficeNo;
    // The page's Limit-to choice: 0 East (Ostry), 1 West (Kestrom), 2 Both.
    int nLimitTo = -1;
    CString strOffice;
    CString strAdrsLn1;
    CString strAdrsLn2;
    CString strAdrsLn3;
    CString strCity;
    CString strState;
    CString strZip;
    CString strCountry;
    CString strContact;
    CString strPhone;
    CString strFax;
    CString strEmail;
    CString strURL;
};
