// CDlgDual: the modal Selection Dialog in which the user picks a product
// for one Detail line. The editor hands it the line (and the selection the
// view keeps between openings); on OK, Next DL or Next SL it hands back the
// chosen item's description, file, style, components, names and values.
// The dialog never owns the selection.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/StringArray.h"
#include "framework/win/Dialog.h"
#include "selection/SelWinAdapters.h"

class CSelection;
class CSelOwner;
class CTable;

class CDlgDual : public CDialog {
public:
    explicit CDlgDual(CWnd* pParent = nullptr);
    ~CDlgDual() override;

    void SetDescription(const CString& description) { m_strDescription = description; }
    CString GetDescription() const { return m_strDescription; }
    void SetFileName(const CString& fileName) { m_strFileName = fileName; }
    CString GetFileName() const { return m_strFileName; }
    // Replaces the dialog's components by copies of the given ones.
    void SetComponents(const CObArray& components);
    // Deletes the caller's objects and fills the array with copies.
    void GetComponents(CObArray& components) const;
    void GetNames(CStringArray& names) const { names.Copy(m_arrNames); }
    void GetValues(CStringArray& values) const { values.Copy(m_arrValues); }

    // One dialog object may be run several times in a row: every opening
    // starts in auto mode, with the alert on, the first move still to come
    // and neither next-line flag set.
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    // Enter: a figure-number search when typed in its entry; never closes.
    void OnOK() override;

    // Handlers.
    void OnSelChangeLeft();
    void OnSelChangeRight();
    void OnOkButton();
    void OnNextDL();
    void OnNextSL();
    void OnClear();
    void OnAuto();
    void OnFigureSetFocus();
    void OnFigureKillFocus();
    void OnValve();
    void OnActuator();
    void OnAccessories();
    void OnMove(int x, int y);

    // In and out (see the class comment).
    int m_nFileNo = 0;
    int m_nStyle = 0;
    BOOL m_bPreset = FALSE;
    BOOL m_bNextDL = FALSE;
    BOOL m_bNextSL = FALSE;
    CSelOwner* m_pView = nullptr;
    CTable* m_pTable = nullptr;
    int m_nRow = 0;
    int m_nCol = 0;
    CSelection* m_pSelection = nullptr;  // not owned
    RECT m_rcDialog{0, 0, 0, 0};         // screen coordinates; empty until first shown
    CWnd* m_pEditor = nullptr;           // shown again by Next SL
    BOOL m_bAuto = TRUE;
    BOOL m_bAlert = TRUE;

private:
    // Selecting a line as a click does: the line, then its handler.
    void SelectLeft(int nIndex);
    void SelectRight(int nIndex);
    // Loads (or reuses) the file and fills the lists.
    void LoadFile(const CString& fileName, bool bTableForm, bool bClearDescription);
    void SizeAfterFill(int nLines);
    void SizeAfterLeftChange(int nLines);
    void EndWithItem(BOOL* pFlag);
    void MoveChild(int nID, const RECT& rc);

    CString m_strDescription;
    CString m_strFileName;
    CObArray m_arrComponents;  // of CComponent, owned
    CStringArray m_arrNames;
    CStringArray m_arrValues;

    CSelListBoxWnd m_left;
    CSelListBoxWnd m_right;
    CSelTextWndWin m_title1;     // 1017: the file's titles
    CSelTextWndWin m_lineTitle;  // 1016: titles of the selected left line
    CSelTextWndWin m_title2;     // 1018: one caption per left line
    CSelTextWndWin m_price;
    CSelTextWndWin m_figure;
    CSelTextWndWin m_figureEntry;
    CSelDialogWndWin m_measure;

    CString m_strFigureText;  // the entry's text while it has no focus
    RECT m_rcTitle1{}, m_rcLineTitle{}, m_rcTitle2{}, m_rcLeft{}, m_rcRight{};
    int m_nLineHeight = 0;
    BOOL m_bTableForm = TRUE;
    BOOL m_bFirstMove = TRUE;
    CString m_strDtaFolder;

    DECLARE_MESSAGE_MAP()
};
