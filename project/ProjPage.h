// CProjPage: what every page of the project sheet shares - the sheet's OK
// (command 1040) that checks the page, remembers it and ends the sheet,
// and the small steps the pages' checks are made of.
#pragma once

#include "framework/win/PropertyPage.h"

class CNumEdit;
class CTableStruct;

class CProjPage : public CPropertyPage {
    DECLARE_DYNAMIC(CProjPage)
public:
    explicit CProjPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

    // The sheet's OK button: the page's checks, then the page is
    // remembered for the next sheet and the sheet ends with OK.
    void OnSheetOK();

    // Today's date as MM/DD/YYYY, from the local clock.
    static CString TodayText();

protected:
    // Records the sheet's active page index for the next sheet.
    virtual void RememberPage(int nIndex);

    // The text limit of an edit or combo box.
    void LimitText(int nID, int nChars);
    // Appends the items of the INI section's choice list to the combo box.
    void FillCombo(int nID, const char* pszSection);
    // The date check of a date edit: when the user changed it, the text is
    // checked and, when valid, written back normalised.
    void CheckDate(int nID, int& nStatus);
    // Puts today's date into a date edit as typed text and focuses it.
    void PutToday(int nID);
    // The number check of a number edit: when its text differs from the
    // member, it is normalised in the form of a Summary field; returns the
    // reinterpretation flag and refreshes every member.
    int CheckNumber(CNumEdit* pEdit, int nID, const CString& strMember, const char* pszLabel,
                    CTableStruct* pLayout);
    // Shows a message, moves the focus to the control and returns FALSE.
    BOOL Refuse(const char* pszMessage, int nID);

    DECLARE_MESSAGE_MAP()
};

// The first nChars characters of a text.
CString CutText(const CString& str, int nChars);

// A page's text field from a list of (name, control, limit): the setter
// cuts the text to the limit before the page holds it.
#define CORV_PROJ_PAGE_ACCESS(name, id, width)                                   \
    void Set##name(CString strValue) { m_str##name = CutText(strValue, width); } \
    CString Get##name() const { return m_str##name; }
#define CORV_PROJ_PAGE_MEMBER(name, id, width) CString m_str##name;
// In a page's OnInitDialog: the field's control takes no more than its limit.
#define CORV_PROJ_PAGE_LIMIT(name, id, width) LimitText(id, width);
