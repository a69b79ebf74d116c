#include "workspace/BuiltInChoices.h"

#include <cstring>
#include <initializer_list>

#include "workspace/SettingDefaults.h"

namespace {

struct BuiltIn {
    const char* section;
    std::initializer_list<const char*> entries;
};

const BuiltIn kBuiltIns[] = {
    {"PreparedBy",
     {"Prepared By", "2nd Prepared By", "3rd Prepared By", "4th Prepared By", "5th Prepared By",
      "6th Prepared By"}},
    {"Title", {"Title", "2nd Title", "3rd Title", "4th Title", "5th Title", "6th Title"}},
    {"Shipping", {SettingDefault::kShipping1, SettingDefault::kShipping2}},
    {"Payment", {"Net 30 Days", "Net 60 Days"}},
    {"RSM",
     {"1st CC Person", "2nd 1st CC Person", "3rd 1st CC Person", "4th 1st CC Person", "5th 1st CC Person"}},
    {"2ndCC",
     {"2nd CC Person", "2nd 2nd CC Person", "3rd 2nd CC Person", "4th 2nd CC Person", "5th 2nd CC Person"}},
    {"CCTitle", {"1st CC Title", "2nd 1st CC Title", "3rd 1st CC Title", "4th 1st CC Title"}},
    {"2ndCCTitle", {"2nd CC Title", "2nd 2nd CC Title", "3rd 2nd CC Title", "4th 2nd CC Title"}},
    {"Freight", {"Prepaid and Add", "Full Freight Allowed to jobsite", "Freight Collect"}},
    {"E-Mail",
     {SettingDefault::kEmail, "sales@wexmoor.example", "service@wexmoor.example", "parts@wexmoor.example",
      "projects@wexmoor.example", "support@wexmoor.example"}},
    {"Status", {"Open", "Booked", "Lost", "Cancelled", "Pending", "No Bid"}},
    {"ReasonLost", {"Lead Time", "Delivery"}},
    {"LastUpdatedBy", {"Person One", "Person Two"}},
    {"CompanyName", {SettingDefault::kCompany, "2nd Company Name", "3rd Company Name", "4th Company Name"}},
    {"CompanyAddress",
     {SettingDefault::kStreet, "2nd STREET, CITY, STATE ZIP", "3rd STREET, CITY, STATE ZIP",
      "4th STREET, CITY, STATE ZIP"}},
    {"CompanyPhoneNo",
     {SettingDefault::kPhone, "2nd TEL: (xxx) xxx-xxxx  FAX: (xxx) xxx-xxxx",
      "3rd TEL: (xxx) xxx-xxxx  FAX: (xxx) xxx-xxxx", "4th TEL: (xxx) xxx-xxxx  FAX: (xxx) xxx-xxxx"}},
    {"1stFooterLn",
     {"Line 1 of Quotation Footer", "2nd Line 1 of Quotation Footer", "3rd Line 1 of Quotation Footer",
      "4th Line 1 of Quotation Footer"}},
    {"2ndFooterLn",
     {"Line 2 of Quotation Footer", "2nd Line 2 of Quotation Footer", "3rd Line 2 of Quotation Footer",
      "4th Line 2 of Quotation Footer"}},
    {"QuoteType", {"Quotation", "Budget", "Estimate"}},
    {"MarketingGroup", {"Projects", "OEM Sales", "Parts"}},
    {"CompWonOrder", {"ABC Company", "XYZ Company"}},
    {"StartUp",
     {"Not included in above lump sum price.", "Add $ xxx.xx to above lump sum price.",
      "Add $ 500.00 to above lump sum price.", "Add $ 1000.00 to above lump sum price.",
      "Add $ 1500.00 to above lump sum price.", "Add $ 2000.00 to above lump sum price.",
      "Add $ 2500.00 to above lump sum price."}},
    {"Introduction",
     {"We are pleased to propose the following:",
      "We are pleased to offer the following for your consideration:"}},
    {"Notes", {"1st Note", "2nd Note", "3rd Note", "4th Note", "5th Note"}},
    {"Terms", {"Wexmoor's standard terms and conditions."}},
    {"WordsAbove", {"These Words will go above this summary line item."}},
    {"WordsBelow", {"These Words will go below this summary line item."}},
    {"IntroFileName", {"IntroStandard", "IntroContractor", "IntroDistributor", "IntroSpecial", "IntroOEM"}},
    {"NotesFileName", {"NotesStandard", "NotesContractor", "NotesDistributor", "NotesSpecial", "NotesOEM"}},
    {"TermsFileName",
     {"Terms", "TermsStandard", "TermsContractor", "TermsDistributor", "TermsSpecial", "TermsOEM"}},
    {"WordsAboveFileName",
     {"WordsAboveStandard", "WordsAboveContractor", "WordsAboveDistributor", "WordsAboveSpecial",
      "WordsAboveOEM"}},
    {"WordsBelowFileName",
     {"WordsBelowStandard", "WordsBelowContractor", "WordsBelowDistributor", "WordsBelowSpecial",
      "WordsBelowOEM"}},
    {"ProjectType", {"HVAC", "Water", "Wastewater", "Industrial", "Power", "Nuclear"}},
    {"SalesRegion", {"East", "Central", "West", "Foreign"}},
    {"Initials", {"JQP", "MRS", "TLW"}},
    {"Tag", {"Tag:", "Location:", "Drawing:"}},
    {"Service", {"Service:", "Location:", "Drawing:"}},
    {"Plant", {SettingDefault::kPlantCity1, SettingDefault::kPlantCity2}},
    {"Customers", {"1st Customer", "2nd Customer", "3rd Customer"}},
    {"Offices", {"1st Office", "2nd Office", "3rd Office"}},
};

}  // namespace

const std::vector<ChoiceListInfo>& ChoiceListsInLoadOrder() {
    static const std::vector<ChoiceListInfo> kOrder = {
        {kChoicePreparedBy, "PreparedBy", 40},
        {kChoiceTitle, "Title", 40},
        {kChoiceShipping, "Shipping", 40},
        {kChoicePayment, "Payment", 40},
        {kChoiceIntroduction, "Introduction", 3000},
        {kChoiceNotes, "Notes", 3000},
        {kChoiceTerms, "Terms", 3000},
        {kChoiceWordsAbove, "WordsAbove", 3000},
        {kChoiceWordsBelow, "WordsBelow", 3000},
        {kChoiceRSM, "RSM", 40},
        {kChoice2ndCC, "2ndCC", 40},
        {kChoiceCCTitle, "CCTitle", 40},
        {kChoice2ndCCTitle, "2ndCCTitle", 40},
        {kChoiceFreight, "Freight", 100},
        {kChoiceEMail, "E-Mail", 40},
        {kChoiceStatus, "Status", 10},
        {kChoiceReasonLost, "ReasonLost", 40},
        {kChoiceLastUpdatedBy, "LastUpdatedBy", 40},
        {kChoiceCompanyName, "CompanyName", 90},
        {kChoiceCompanyAddress, "CompanyAddress", 90},
        {kChoiceCompanyPhoneNo, "CompanyPhoneNo", 90},
        {kChoice1stFooterLn, "1stFooterLn", 90},
        {kChoice2ndFooterLn, "2ndFooterLn", 90},
        {kChoiceQuoteType, "QuoteType", 10},
        {kChoiceMarketingGroup, "MarketingGroup", 10},
        {kChoiceCompWonOrder, "CompWonOrder", 15},
        {kChoiceStartUp, "StartUp", 100},
        {kChoiceIntroFileName, "IntroFileName", 20},
        {kChoiceNotesFileName, "NotesFileName", 20},
        {kChoiceTermsFileName, "TermsFileName", 20},
        {kChoiceWordsAboveFileName, "WordsAboveFileName", 20},
        {kChoiceWordsBelowFileName, "WordsBelowFileName", 20},
        {kChoiceProjectType, "ProjectType", 25},
        {kChoiceSalesRegion, "SalesRegion", 10},
        {kChoiceInitials, "Initials", 3},
        {kChoiceTag, "Tag", 250},
        {kChoiceService, "Service", 250},
        {kChoicePlant, "Plant", 10},
        {kChoiceCustomers, "Customers", 40},
        {kChoiceOffices, "Offices", 40},
    };
    return kOrder;
}

CString ChoiceEntryKey(const CString& strSection, int nNumber) {
    CString key;
    key.Format("%s%d", strSection.GetString(), nNumber);
    return key;
}

CStringArray BuiltInChoices(const char* section) {
    CStringArray list;
    if (!section) return list;
    for (const BuiltIn& b : kBuiltIns) {
        if (std::strcmp(b.section, section) == 0) {
            for (const char* entry : b.entries) list.Add(entry);
            break;
        }
    }
    return list;
}
