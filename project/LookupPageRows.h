// The record of the customer or office page as its writer takes it, read
// through the page's getters. Templates, so that a test can hand in a
// stand-in page.
#pragma once

#include "database/LookupRows.h"

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
