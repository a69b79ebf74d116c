// The forty choice lists of the application: their profile sections, the
// longest entry each keeps, and the entries a list starts with when its
// section is still empty.
#pragma once

#include <vector>

#include "framework/core/StringArray.h"

// Index of each list in CChoiceLists (and CCorvApp::m_arrChoice).
enum ChoiceList {
    kChoicePreparedBy,
    kChoiceTitle,
    kChoiceShipping,
    kChoicePayment,
    kChoiceRSM,
    kChoice2ndCC,
    kChoiceCCTitle,
    kChoice2ndCCTitle,
    kChoiceFreight,
    kChoiceEMail,
    kChoiceStatus,
    kChoiceReasonLost,
    kChoiceLastUpdatedBy,
    kChoiceCompanyName,
    kChoiceCompanyAddress,
    kChoiceCompanyPhoneNo,
    kChoice1stFooterLn,
    kChoice2ndFooterLn,
    kChoiceQuoteType,
    kChoiceMarketingGroup,
    kChoiceCompWonOrder,
    kChoiceStartUp,
    kChoiceIntroduction,
    kChoiceNotes,
    kChoiceTerms,
    kChoiceWordsAbove,
    kChoiceWordsBelow,
    kChoiceIntroFileName,
    kChoiceNotesFileName,
    kChoiceTermsFileName,
    kChoiceWordsAboveFileName,
    kChoiceWordsBelowFileName,
    kChoiceProjectType,
    kChoiceSalesRegion,
    kChoiceInitials,
    kChoiceTag,
    kChoiceService,
    kChoicePlant,
    kChoiceCustomers,
    kChoiceOffices,
    kChoiceListCount
};

struct ChoiceListInfo {
    ChoiceList index;
    const char* section;
    int maxLength;
};

// The lists in the order start-up loads them (the five long text lists come
// right after Payment).
const std::vector<ChoiceListInfo>& ChoiceListsInLoadOrder();

// The key of entry nNumber (from 1) of a list: the section name followed
// by the number ("Payment1", "Payment2", ...).
CString ChoiceEntryKey(const CString& strSection, int nNumber);

// The built-in entries of a section, compared exactly; none for a section
// that has no built-in list.
CStringArray BuiltInChoices(const char* section);
