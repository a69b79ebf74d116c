// The values of one customer or representative office as the customer and
// office pages hold them, in the column order of the Customers and Offices
// tables. The pages fill them from their getters (CustomerRowOf,
// OfficeRowOf) when they hand a record to its writer.
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

// The address, telephone and web fields that both pages hold.
template <class Row, class Page>
void CopyAddressFields(Row& row, Page& page) {
    row.strAdrsLn1 = page.GetAdrsLn1();
    row.strAdrsLn2 = page.GetAdrsLn2();
    row.strAdrsLn3 = page.GetAdrsLn3();
    row.strCity = page.GetCity();
    row.strState = page.GetState();
    row.strZip = page.GetZip();
    row.strCountry = page.GetCountry();
    row.strPhone = page.GetPhone();
    row.strFax = page.GetFax();
    row.strEmail = page.GetEmail();
    row.strURL = page.GetURL();
}

template <class Page>
CCustomerRow CustomerRowOf(Page& page) {
    CCustomerRow row;
    row.strCustNo = page.GetCustNo();
    row.strCustomer = page.GetCustomer();
    row.strAttn = page.GetAttn();
    CopyAddressFields(row, page);
    return row;
}

template <class Page>
COfficeRow OfficeRowOf(Page& page) {
    COfficeRow row;
    row.strOfficeNo = page.GetOfficeNo();
    row.nLimitTo = page.GetLimitTo();
    row.strOffice = page.GetOffice();
    row.strContact = page.GetContact();
    CopyAddressFields(row, page);
    return row;
}
