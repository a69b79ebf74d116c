// CProjLookupPage: the part the Customer and Offices pages share - a key
// number and a key name, twelve detail fields, look-ups in their table by
// number, by name and by stepping to the next or previous name, and the
// Update button that hands the page to its writer.
//
// Every look-up opens its own connection and snapshot and closes both
// before it returns, whatever happens on the way: a driver error at any
// step, also after the rows were opened, is shown and ends the look-up.
#pragma once

#include "database/Schema.h"
#include "framework/core/ObArray.h"
#include "framework/db/Database.h"
#include "project/ProjPage.h"

class CConvertSet;

// The texts and columns that tell the two pages apart.
struct CLookupTexts {
    DbTable table;
    const char* pszNumberColumn;
    const char* pszNameColumn;
    const char* pszFindNumberEmpty;
    const char* pszFindNameEmpty;
    const char* pszNextEmpty;
    const char* pszPreviousEmpty;
    const char* pszUpdateEmpty;
    const char* pszDidNotUpdate;
    // The twelve detail columns, in the order of the detail fields.
    const char* pszDetailColumns[12];
};

class CProjLookupPage : public CProjPage {
    DECLARE_DYNAMIC(CProjLookupPage)
public:
    CProjLookupPage(UINT nIDTemplate, const CLookupTexts& texts);
    ~CProjLookupPage() override;

    void OnFindNumber();
    void OnFindName();
    void OnNext();
    void OnPrevious();
    void OnUpdate();

    // Every apostrophe of the text replaced by the replacement.
    static CString ReplaceChar(const CString& str, char ch, const char* pszReplacement);

    // The page's connection, open only while a look-up runs.
    CDatabase m_db;
    // The expected columns of the table, filled when the page opens.
    CObArray m_columns;

protected:
    enum class Lookup { ByNumber, ByName, Next, Previous };

    BOOL OnInitDialog() override;
    void RunLookup(Lookup kind);
    BOOL OpenTable(CConvertSet*& rpSet, const CString& strSort, const CString& strFilter);
    BOOL CheckFound(CConvertSet* pSet, const CString& strTable, const CString& strValue);
    void ClearDetails();
    void FillDetails(const CConvertSet& set);
    // Steps through the snapshot for Next and Previous; FALSE at its end.
    BOOL StepToRow(CConvertSet& set, bool bNext, const CString& strName, const CString& strNumber);

    // The fields the look-ups read and write.
    virtual CString& NumberField() = 0;
    virtual CString& NameField() = 0;
    virtual CString* DetailField(int nIndex) = 0;
    // What a look-up appends to its filter (the office page's limit), in
    // the engine's form of a bit literal.
    virtual CString LimitClause(bool bQuotedBits) {
        (void)bQuotedBits;
        return CString();
    }
    // The writer's dialogue over the page's values.
    virtual BOOL SendToDatabase() = 0;
    // Reached once the rows are open; tests make the driver fail here.
    virtual void OnRowsOpened(CConvertSet& set) { (void)set; }

    const CLookupTexts& m_texts;

    DECLARE_MESSAGE_MAP()
};
