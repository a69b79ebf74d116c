// CDlgFindPN: the modal "Find a Part Number" dialog. It searches the three
// product data files for an item with the typed part number, steps through
// the hits with Find Next, and on OK hands the hit back as the Selection
// Dialog does.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/StringArray.h"
#include "framework/win/Dialog.h"
#include "selection/PartNumberSearch.h"

class CDlgFindPN : public CDialog {
public:
    explicit CDlgFindPN(CWnd* pParent = nullptr);
    ~CDlgFindPN() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Enter presses the default button (Find); OK closes only through its button.
    void OnOK() override {}

    void OnFind();
    void OnOkButton();
    void OnChangePartNumber();

    // The hit, read by the caller after IDOK.
    CString GetDescription() const { return m_strDescription; }
    CString GetFileName() const { return m_strFileName; }
    void GetNames(CStringArray& names) const { names.Copy(m_arrNames); }
    void GetValues(CStringArray& values) const { values.Copy(m_arrValues); }
    // Deletes the caller's objects and fills the array with copies.
    void GetComponents(CObArray& components) const;
    int m_nFileNo = 0;
    int m_nStyle = 0;

    CString m_strPartNumber;

private:
    // Writes the members into the controls without taking the part-number
    // box's change notification for a change by the user.
    void PutTexts();
    void TakeTexts();
    void SetProgress(int nPos);

    CPartNumberSearch m_search;
    CString m_strDescription;
    CString m_strFileName;
    CStringArray m_arrNames;
    CStringArray m_arrValues;
    CObArray m_arrComponents;  // of CComponent, owned
    bool m_bWriting = false;

    DECLARE_MESSAGE_MAP()
};
