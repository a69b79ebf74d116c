// CDlgEditIni: the modal editor of one choice list and/or its default
// value: add an entry at the top, delete one, move one up or down. It only
// edits what it is handed; CEditIni::EditChoiceList writes the results.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"
#include "framework/win/Dialog.h"

class CListBox;

class CDlgEditIni : public CDialog {
    DECLARE_DYNAMIC(CDlgEditIni)
public:
    explicit CDlgEditIni(CWnd* pParent = nullptr);

    void SetDefault(const CString& strDefault) {
        m_strDefault = strDefault;
        m_bHasDefault = 1;
    }
    void SetSelections(const CStringArray& arrSelections) {
        m_bHasSelections = 1;
        m_arrSelections.Copy(arrSelections);
    }
    // The default as edited, without trailing blanks.
    CString GetDefault() const;

    BOOL m_bHasDefault = 0;
    BOOL m_bHasSelections = 0;
    int m_nMaxLength = 0;          // longest default or new entry accepted
    CStringArray m_arrSelections;  // in, and after OK out, in display order
    CString m_strDefault;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter does not close the editor: only its own OK button does.
    void OnOK() override {}

    void OnAdd();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnClickedOk();

private:
    CListBox* List() const;

    DECLARE_MESSAGE_MAP()
};
