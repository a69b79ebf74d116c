// CProjWords: the words page - one long text with its left and right
// indent, taken from ready selections or standard-text files of its kind.
// The kind is the page's caption: "Introduction", "Notes" and "Terms" on
// the project sheet, "Words Above" and "Words Below" on a line's words
// sheet.
#pragma once

#include "framework/core/StringArray.h"
#include "project/ProjPage.h"

class CScrollBar;

class CProjWords : public CProjPage {
    DECLARE_DYNAMIC(CProjWords)
public:
    CProjWords();

    void SetCaption(CString strCaption) { m_strCaption = CutText(strCaption, 25); }
    CString GetCaption() const { return m_strCaption; }
    void SetWords(CString strWords) { m_strWords = CutText(strWords, 32000); }
    CString GetWords() const { return m_strWords; }

    void OnDblclkSelections();
    void OnDblclkSelectionsLabel();
    void OnCloseupStyle();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnSelchangeTextFile();
    void OnDblclkTextFileLabel();

    CString m_strCaption = "Caption";
    const CStringArray* m_pSelections = nullptr;  // not owned
    CStringArray* m_pTextFiles = nullptr;         // not owned
    CString m_strWords;
    int m_nIndentLeft = 0;
    int m_nIndentRight = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void RememberPage(int nIndex) override;
    void InsertIntoWords(const CString& strText);
    void ShowStyleOf(int nLeft, int nRight);
    void OnKillfocusLeft();
    void OnKillfocusRight();
    // A typed indent that would take left plus right past the sum the
    // scroll bars keep is cut to what its partner leaves; its bar follows.
    void KeepIndentSum(int nID);

    DECLARE_MESSAGE_MAP()
};
