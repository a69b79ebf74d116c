#include "database/Schema.h"

#include <cctype>
#include <map>
#include <string>

#include "database/CustCol.h"
#include "framework/core/Exceptions.h"
#include "framework/db/Odbc.h"

namespace {

const CSchemaColumn kProjectColumns[] = {
    {"CorvNumber", 'I', 10},     {"QuoteNo", 'W', 20},        {"QuoteRev", 'W', 3},
    {"QuoteVersion", 'W', 10},   {"QuoteCount", 'B', 1},      {"QuoteDate", 'T', 16},
    {"QuoteType", 'W', 10},      {"MarketGroup", 'W', 10},    {"SalesRegion", 'W', 10},
    {"ProjectType", 'W', 25},    {"Project", 'W', 40},        {"ProjectLoc", 'W', 40},
    {"Engineer", 'W', 40},       {"Packaging", 'W', 250},     {"Payment", 'W', 40},
    {"Shipping", 'W', 40},       {"FreightRate", 'D', 19},    {"Freight", 'W', 100},
    {"StartUp", 'W', 100},       {"CustRef", 'W', 40},        {"BidDate", 'T', 16},
    {"BidTime", 'W', 5},         {"PreparedBy", 'W', 40},     {"Initials", 'W', 3},
    {"PrepByTitle", 'W', 40},    {"PrepByEmail", 'W', 40},    {"FirstCC", 'W', 40},
    {"FirstCCTitle", 'W', 40},   {"SecondCC", 'W', 40},       {"SecondCCTitle", 'W', 40},
    {"Validity", 'W', 40},       {"Delivery", 'W', 40},       {"TotalFinal", 'D', 19},
    {"CustomerNo", 'W', 15},     {"Customer", 'W', 40},       {"CustAddrsLn1", 'W', 40},
    {"CustAddrsLn2", 'W', 40},   {"CustAddrsLn3", 'W', 40},   {"CustCity", 'W', 25},
    {"CustState", 'W', 2},       {"CustZip", 'W', 25},        {"CustCountry", 'W', 40},
    {"CustAttn", 'W', 40},       {"CustPhone", 'W', 25},      {"CustFax", 'W', 25},
    {"CustEmail", 'W', 40},      {"CustURL", 'W', 50},        {"OfficeNo", 'W', 15},
    {"Office", 'W', 40},         {"OffAddrsLn1", 'W', 40},    {"OffAddrsLn2", 'W', 40},
    {"OffAddrsLn3", 'W', 40},    {"OffCity", 'W', 25},        {"OffState", 'W', 2},
    {"OffZip", 'W', 25},         {"OffCountry", 'W', 40},     {"OffContact", 'W', 40},
    {"OffPhone", 'W', 25},       {"OffFax", 'W', 25},         {"OffEmail", 'W', 40},
    {"OffURL", 'W', 50},         {"Status", 'W', 10},         {"ProbOfSuccess", 'F', 15},
    {"LostTo", 'W', 15},         {"ExptAwardDate", 'T', 16},  {"Notes", 'L', 1073741823},
    {"LastUpdate", 'T', 16},     {"LastUpdatedBy", 'W', 40},  {"SalesOrderNo", 'W', 10},
    {"ReasonLost", 'W', 40},     {"Intro", 'L', 1073741823},  {"IntroIndLeft", 'I', 10},
    {"IntroIndRight", 'I', 10},  {"QNotes", 'L', 1073741823}, {"QNotesIndLeft", 'I', 10},
    {"QNotesIndRight", 'I', 10}, {"Terms", 'L', 1073741823},  {"TermsIndLeft", 'I', 10},
    {"TermsIndRight", 'I', 10},  {"CompanyName", 'W', 90},    {"Address", 'W', 90},
    {"PhoneNo", 'W', 90},        {"FooterLn1", 'W', 90},      {"FooterLn2", 'W', 90},
    {"ShipToName", 'W', 40},     {"ShipToAddrsLn1", 'W', 40}, {"ShipToAddrsLn2", 'W', 40},
    {"ShipToCity", 'W', 25},     {"ShipToState", 'W', 2},     {"ShipToZip", 'W', 25},
    {"ShipToAttn", 'W', 40},     {"BillToName", 'W', 40},     {"BillToAddrsLn1", 'W', 40},
    {"BillToAddrsLn2", 'W', 40}, {"BillToCity", 'W', 25},     {"BillToState", 'W', 2},
    {"BillToZip", 'W', 25},      {"BillToAttn", 'W', 40},     {"CustomerPO", 'W', 25},
    {"PODate", 'T', 16},         {"POAmount", 'D', 19},       {"POShippingNotes", 'W', 100},
    {"PORequestDate", 'T', 16},  {"POShipVia", 'W', 40},      {"UDC01", 'W', 40},
    {"UDC02", 'W', 40},          {"UDC03", 'W', 250},         {"UDC04", 'W', 250},
    {"UDC05", 'D', 19},          {"UDC06", 'D', 19},          {"UDC07", 'I', 10},
    {"UDC08", 'I', 10},
};

const CSchemaColumn kSummaryColumns[] = {
    {"CorvNumber", 'I', 10},
    {"SumLineNo", 'I', 10},
    {"Item", 'W', 3},
    {"Qty", 'I', 10},
    {"Description", 'W', 28},
    {"Operator", 'W', 15},
    {"Cost", 'D', 19},
    {"List", 'D', 19},
    {"DetailNet", 'D', 19},
    {"Net", 'D', 19},
    {"Mult", 'F', 15},
    {"Margin", 'F', 15},
    {"FrtAmount", 'D', 19},
    {"Final", 'D', 19},
    {"Weight", 'I', 10},
    {"BuyOut", 'D', 19},
    {"Weeks", 'W', 5},
    {"Tag", 'W', 250},
    {"Service", 'W', 250},
    {"WordsAbove", 'L', 1073741823},
    {"AboveIndLeft", 'I', 10},
    {"AboveIndRight", 'I', 10},
    {"WordsBelow", 'L', 1073741823},
    {"BelowIndLeft", 'I', 10},
    {"BelowIndRight", 'I', 10},
    {"Comm", 'F', 15},
    {"Plant", 'W', 10},
    {"Product", 'W', 10},
    {"Size", 'W', 7},
    {"Type", 'W', 10},
    {"EC", 'W', 2},
    {"Class", 'W', 4},
    {"MC", 'W', 4},
    {"PC", 'W', 4},
};

const CSchemaColumn kDetailColumns[] = {
    {"CorvNumber", 'I', 10},
    {"SumLineNo", 'I', 10},
    {"DtlLineNo", 'I', 10},
    {"Product", 'W', 10},
    {"TechnicalDescription", 'W', 80},
    {"Cost", 'D', 19},
    {"List", 'D', 19},
    {"Net", 'D', 19},
    {"Mult", 'F', 15},
    {"Margin", 'F', 15},
    {"Weight", 'I', 10},
    {"PartNumber", 'W', 20},
    {"QuotePN", 'W', 20},
    {"QuoteDescription", 'W', 250},
    {"AltQuoteDescription", 'W', 250},
    {"DrawingNo", 'W', 16},
    {"DwgItem", 'W', 7},
    {"QtyAssy", 'W', 7},
    {"SecondPN", 'W', 20},
    {"TDFileName", 'W', 40},
    {"TDFileNo", 'I', 10},
    {"TDStyle", 'I', 10},
    {"TDNoOfComp", 'I', 10},
    {"TDCN01", 'W', 40},
    {"TDCS01", 'I', 10},
    {"TDCL01", 'I', 10},
    {"TDCN02", 'W', 40},
    {"TDCS02", 'I', 10},
    {"TDCL02", 'I', 10},
    {"TDCN03", 'W', 40},
    {"TDCS03", 'I', 10},
    {"TDCL03", 'I', 10},
    {"TDCN04", 'W', 40},
    {"TDCS04", 'I', 10},
    {"TDCL04", 'I', 10},
    {"TDCN05", 'W', 40},
    {"TDCS05", 'I', 10},
    {"TDCL05", 'I', 10},
    {"TDCN06", 'W', 40},
    {"TDCS06", 'I', 10},
    {"TDCL06", 'I', 10},
    {"TDCN07", 'W', 40},
    {"TDCS07", 'I', 10},
    {"TDCL07", 'I', 10},
    {"TDCN08", 'W', 40},
    {"TDCS08", 'I', 10},
    {"TDCL08", 'I', 10},
    {"TDCN09", 'W', 40},
    {"TDCS09", 'I', 10},
    {"TDCL09", 'I', 10},
    {"TDCN10", 'W', 40},
    {"TDCS10", 'I', 10},
    {"TDCL10", 'I', 10},
    {"TDCN11", 'W', 40},
    {"TDCS11", 'I', 10},
    {"TDCL11", 'I', 10},
    {"TDCN12", 'W', 40},
    {"TDCS12", 'I', 10},
    {"TDCL12", 'I', 10},
    {"TDCN13", 'W', 40},
    {"TDCS13", 'I', 10},
    {"TDCL13", 'I', 10},
    {"TDCN14", 'W', 40},
    {"TDCS14", 'I', 10},
    {"TDCL14", 'I', 10},
    {"TDCN15", 'W', 40},
    {"TDCS15", 'I', 10},
    {"TDCL15", 'I', 10},
    {"TDCN16", 'W', 40},
    {"TDCS16", 'I', 10},
    {"TDCL16", 'I', 10},
    {"TDCN17", 'W', 40},
    {"TDCS17", 'I', 10},
    {"TDCL17", 'I', 10},
    {"TDCN18", 'W', 40},
    {"TDCS18", 'I', 10},
    {"TDCL18", 'I', 10},
    {"TDCN19", 'W', 40},
    {"TDCS19", 'I', 10},
    {"TDCL19", 'I', 10},
    {"TDCN20", 'W', 40},
    {"TDCS20", 'I', 10},
    {"TDCL20", 'I', 10},
};

const CSchemaColumn kProjectFindColumns[] = {
    {"CorvNumber", 'I', 10},  {"QuoteNo", 'W', 20},     {"QuoteRev", 'W', 3},   {"QuoteVersion", 'W', 10},
    {"QuoteCount", 'B', 1},   {"QuoteDate", 'T', 16},   {"QuoteType", 'W', 10}, {"MarketGroup", 'W', 10},
    {"SalesRegion", 'W', 10}, {"ProjectType", 'W', 25}, {"Project", 'W', 40},   {"ProjectLoc", 'W', 40},
    {"Engineer", 'W', 40},    {"TotalFinal", 'D', 19},  {"Customer", 'W', 40},  {"Office", 'W', 40},
    {"Status", 'W', 10},
};

const CSchemaColumn kCustomersColumns[] = {
    {"CustNo", 'W', 15},  {"Customer", 'W', 40}, {"AdrsLn1", 'W', 40}, {"AdrsLn2", 'W', 40},
    {"AdrsLn3", 'W', 40}, {"City", 'W', 25},     {"State", 'W', 2},    {"Zip", 'W', 25},
    {"Country", 'W', 40}, {"Attn", 'W', 40},     {"Phone", 'W', 25},   {"Fax", 'W', 25},
    {"Email", 'W', 40},   {"URL", 'W', 50},
};

const CSchemaColumn kOfficesColumns[] = {
    {"OfficeNo", 'W', 15}, {"Ostry", 'B', 1},    {"Kestrom", 'B', 1},  {"Office", 'W', 40},
    {"AdrsLn1", 'W', 40},  {"AdrsLn2", 'W', 40}, {"AdrsLn3", 'W', 40}, {"City", 'W', 25},
    {"State", 'W', 2},     {"Zip", 'W', 25},     {"Country", 'W', 40}, {"Contact", 'W', 40},
    {"Phone", 'W', 25},    {"Fax", 'W', 25},     {"Email", 'W', 40},   {"URL", 'W', 50},
};
// Read by the query ProjectFind besides its checked columns.
const char* const kExtraNames[] = {"Initials"};

template <size_t N>
const CSchemaColumn* Columns(const CSchemaColumn (&columns)[N], int* pnCount) {
    *pnCount = static_cast<int>(N);
    return columns;
}

std::string Lower(const char* psz) {
    std::string s(psz);
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

const DbTable kAllTables[] = {DbTable::Project,     DbTable::Summary,   DbTable::Detail,
                              DbTable::ProjectFind, DbTable::Customers, DbTable::Offices};

}  // namespace

const CSchemaColumn* SchemaColumns(DbTable table, int* pnCount) {
    switch (table) {
        case DbTable::Project:
            return Columns(kProjectColumns, pnCount);
        case DbTable::Summary:
            return Columns(kSummaryColumns, pnCount);
        case DbTable::Detail:
            return Columns(kDetailColumns, pnCount);
        case DbTable::ProjectFind:
            return Columns(kProjectFindColumns, pnCount);
        case DbTable::Customers:
            return Columns(kCustomersColumns, pnCount);
        case DbTable::Offices:
            return Columns(kOfficesColumns, pnCount);
    }
    AfxThrowInvalidArgException();
}

const char* SchemaTableName(DbTable table) {
    switch (table) {
        case DbTable::Project:
            return "Project";
        case DbTable::Summary:
            return "Summary";
        case DbTable::Detail:
            return "Detail";
        case DbTable::ProjectFind:
            return "ProjectFind";
        case DbTable::Customers:
            return "Customers";
        case DbTable::Offices:
            return "Offices";
    }
    AfxThrowInvalidArgException();
}

int SchemaSqlType(char chKind) {
    switch (chKind) {
        case 'I':
            return SQL_INTEGER;
        case 'W':
            return SQL_WVARCHAR;
        case 'B':
            return SQL_BIT;
        case 'T':
            return SQL_TIMESTAMP;
        case 'D':
            return SQL_DECIMAL;
        case 'F':
            return SQL_FLOAT;
        case 'L':
            return SQL_WLONGVARCHAR;
        default:
            AfxThrowInvalidArgException();
    }
}

void BuildExpectedColumns(DbTable table, CObArray& arrColumns) {
    int nCount = 0;
    const CSchemaColumn* pColumns = SchemaColumns(table, &nCount);
    for (int i = 0; i < nCount; ++i)
        arrColumns.Add(
            new CCustCol(pColumns[i].pszName, pColumns[i].nWidth, SchemaSqlType(pColumns[i].chKind)));
}

void DeleteExpectedColumns(CObArray& arrColumns) { arrColumns.DeleteAll(); }

const CString& SchemaInsertColumnList(DbTable table) {
    static const std::map<DbTable, CString> s_lists = [] {
        std::map<DbTable, CString> lists;
        for (DbTable t : kAllTables) {
            int nCount = 0;
            const CSchemaColumn* pColumns = SchemaColumns(t, &nCount);
            CString strList("(");
            for (int i = 0; i < nCount; ++i) {
                if (i > 0) strList += ", ";
                strList += pColumns[i].pszName;
            }
            strList += ")";
            lists[t] = strList;
        }
        return lists;
    }();
    return s_lists.at(table);
}

const char* SchemaCanonicalName(const char* pszName) {
    static const std::map<std::string, const char*> s_names = [] {
        std::map<std::string, const char*> names;
        for (DbTable t : kAllTables) {
            int nCount = 0;
            const CSchemaColumn* pColumns = SchemaColumns(t, &nCount);
            for (int i = 0; i < nCount; ++i) names.emplace(Lower(pColumns[i].pszName), pColumns[i].pszName);
        }
        for (const char* pszExtra : kExtraNames) names.emplace(Lower(pszExtra), pszExtra);
        return names;
    }();
    auto it = s_names.find(Lower(pszName));
    return it == s_names.end() ? nullptr : it->second;
}
