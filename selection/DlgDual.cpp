#include "selection/DlgDual.h"

#include <algorithm>

#include "framework/win/App.h"
#include "framework/win/MessageMap.h"
#include "framework/win/WaitCursor.h"
#include "model/Component.h"
#include "res/selection_ids.h"
#include "selection/DlgDualLogic.h"
#include "selection/ProductFiles.h"
#include "selection/SelGuard.h"
#include "selection/SelMessages.h"
#include "selection/SelSettings.h"
#include "selection/Selection.h"

BEGIN_MESSAGE_MAP(CDlgDual, CDialog)
    ON_LBN_SELCHANGE(IDC_SEL_LEFT, &CDlgDual::OnSelChangeLeft)
    ON_LBN_SELCHANGE(IDC_SEL_RIGHT, &CDlgDual::OnSelChangeRight)
    ON_BN_CLICKED(IDC_SEL_OK, &CDlgDual::OnOkButton)
    ON_BN_CLICKED(IDC_SEL_NEXT_DL, &CDlgDual::OnNextDL)
    ON_BN_CLICKED(IDC_SEL_NEXT_SL, &CDlgDual::OnNextSL)
    ON_BN_CLICKED(IDC_SEL_CLEAR, &CDlgDual::OnClear)
    ON_BN_CLICKED(IDC_SEL_AUTO, &CDlgDual::OnAuto)
    ON_EN_SETFOCUS(IDC_SEL_FIGURE_ENTRY, &CDlgDual::OnFigureSetFocus)
    ON_EN_KILLFOCUS(IDC_SEL_FIGURE_ENTRY, &CDlgDual::OnFigureKillFocus)
    ON_COMMAND(ID_SEL_VALVE, &CDlgDual::OnValve)
    ON_COMMAND(ID_SEL_ACTUATOR, &CDlgDual::OnActuator)
    ON_COMMAND(ID_SEL_ACCESSORIES, &CDlgDual::OnAccessories)
    ON_WM_MOVE()
END_MESSAGE_MAP()

namespace {

RECT ChildRect(HWND hDlg, int nID) {
    RECT rc{0, 0, 0, 0};
    HWND hChild = ::GetDlgItem(hDlg, nID);
    if (!hChild) return rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool IsEmptyRect(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

// The lines a label's text takes at the given width: a title line too long
// for the label wraps, and the label must grow for it to be seen whole.
// Measured as the label draws it: an "&" is a plain character.
int WrappedLines(HWND hLabel, int nWidth, int nLineHeight) {
    char text[2048] = "";
    ::GetWindowTextA(hLabel, text, sizeof text);
    if (!*text || nLineHeight <= 0) return 0;
    HDC hdc = ::GetDC(hLabel);
    HGDIOBJ old = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hLabel, WM_GETFONT, 0, 0)));
    RECT need{0, 0, nWidth, 0};
    ::DrawTextA(hdc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
    ::SelectObject(hdc, old);
    ::ReleaseDC(hLabel, hdc);
    return static_cast<int>((need.bottom + nLineHeight - 1) / nLineHeight);
}

}  // namespace

CDlgDual::CDlgDual(CWnd* pParent) : CDialog(IDD_SEL_DIALOG, pParent) {}

CDlgDual::~CDlgDual() { m_arrComponents.DeleteAll(); }

void CDlgDual::SetComponents(const CObArray& components) {
    m_arrComponents.DeleteAll();
    for (CObject* p : components) m_arrComponents.Add(new CComponent(*static_cast<CComponent*>(p)));
}

void CDlgDual::GetComponents(CObArray& components) const {
    components.DeleteAll();
    for (CObject* p : m_arrComponents) components.Add(new CComponent(*static_cast<CComponent*>(p)));
}

void CDlgDual::MoveChild(int nID, const RECT& rc) {
    if (HWND hChild = ::GetDlgItem(m_hWnd, nID))
        ::MoveWindow(hChild, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

INT_PTR CDlgDual::DoModal() {
    m_bAuto = TRUE;
    m_bAlert = TRUE;
    m_bFirstMove = TRUE;
    m_bNextDL = FALSE;
    m_bNextSL = FALSE;
    return CDialog::DoModal();
}

BOOL CDlgDual::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CWinApp* pApp = AfxGetApp()) {
        if (HICON hIcon = pApp->LoadIcon(IDI_SEL_APP_ICON))
            SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    }

    m_left.Attach(::GetDlgItem(m_hWnd, IDC_SEL_LEFT));
    m_right.Attach(::GetDlgItem(m_hWnd, IDC_SEL_RIGHT));
    m_title1.Attach(::GetDlgItem(m_hWnd, IDC_SEL_TITLE1));
    m_lineTitle.Attach(::GetDlgItem(m_hWnd, IDC_SEL_LINE_TITLE));
    m_title2.Attach(::GetDlgItem(m_hWnd, IDC_SEL_TITLE2));
    m_price.Attach(::GetDlgItem(m_hWnd, IDC_SEL_PRICE));
    m_figure.Attach(::GetDlgItem(m_hWnd, IDC_SEL_FIGURE));
    m_figureEntry.Attach(::GetDlgItem(m_hWnd, IDC_SEL_FIGURE_ENTRY));
    m_measure.Attach(m_hWnd);
    m_rcTitle1 = ChildRect(m_hWnd, IDC_SEL_TITLE1);
    m_rcLineTitle = ChildRect(m_hWnd, IDC_SEL_LINE_TITLE);
    m_rcTitle2 = ChildRect(m_hWnd, IDC_SEL_TITLE2);
    m_rcLeft = ChildRect(m_hWnd, IDC_SEL_LEFT);
    m_rcRight = ChildRect(m_hWnd, IDC_SEL_RIGHT);
    m_nLineHeight = m_measure.GetLineHeight();

    m_strDtaFolder = GetSelSettings().strDtaFolder;

    SetWindowText(DlgDualCaption(m_nRow, m_bPreset, m_strDescription));
    if (m_bPreset) {
        m_bPreset = FALSE;
        m_bNextDL = FALSE;
        m_bNextSL = FALSE;
    }

    const int q = static_cast<int>(LOWORD(::GetDialogBaseUnits())) / 4;
    const int stop = q * 4;
    m_left.SetTabStops(1, &stop);

    RunGuarded([this] {
        if (m_strFileName.IsEmpty()) return;
        if (m_nStyle == ProductFile::kStyleTable) {
            m_bAlert = FALSE;
            LoadFile(m_strFileName, true, false);
        } else if (m_nStyle == ProductFile::kStyleGrouped) {
            LoadFile(m_strFileName, false, false);
            int g = 0, l = 0;
            if (m_pSelection && m_pSelection->FindDescription(m_strDescription, &g, &l)) {
                SelectLeft(g);
                m_bAlert = FALSE;
                SelectRight(l);
            }
        }
    });
    m_bAlert = TRUE;

    // The dialog opens where it was last moved, else where its template puts it.
    if (!IsEmptyRect(m_rcDialog)) {
        MoveWindow(&m_rcDialog, TRUE);
    } else {
        GetWindowRect(&m_rcDialog);
    }
    m_bFirstMove = FALSE;
    return TRUE;
}

void CDlgDual::OnMove(int x, int y) {
    CDialog::OnMove(x, y);
    if (!m_hWnd) return;
    if (!m_bFirstMove && !m_bPreset) {
        GetWindowRect(&m_rcDialog);
        return;
    }
    if (IsEmptyRect(m_rcDialog)) GetWindowRect(&m_rcDialog);
    m_bFirstMove = FALSE;
}

void CDlgDual::LoadFile(const CString& fileName, bool bTableForm, bool bClearDescription) {
    CWaitCursor wait;
    m_bTableForm = bTableForm ? TRUE : FALSE;
    if (HWND h = ::GetDlgItem(m_hWnd, IDC_SEL_CLEAR)) ::ShowWindow(h, SW_SHOW);
    m_strFigureText.Empty();
    m_figureEntry.SetText("");
    m_figure.SetText("");
    for (int id : {IDC_SEL_FIGURE_LABEL, IDC_SEL_FIGURE_ENTRY, IDC_SEL_FIGURE})
        if (HWND h = ::GetDlgItem(m_hWnd, id)) ::ShowWindow(h, SW_HIDE);

    const CSelSettings settings = GetSelSettings();
    if (!CanReuseSelection(m_pSelection, fileName, settings.bDtaFolderChanged)) {
        delete m_pSelection;
        m_pSelection = NewSelection(bTableForm);
        if (!m_pSelection->LoadDataFile(m_strDtaFolder, fileName)) {
            m_title1.SetText("");
            m_title2.SetText("");
            m_lineTitle.SetText("");
            m_price.SetText("");
            m_left.ResetContent();
            m_right.ResetContent();
            return;
        }
    }
    if (bClearDescription) m_strDescription.Empty();
    const int n = m_pSelection->FillLists(&m_title1, &m_title2, &m_left, m_pTable, &m_price, &m_figure,
                                          &m_strDescription, m_nCol, m_nRow, m_pView, m_bAuto, m_bAlert);
    SizeAfterFill(n);
    if (m_pSelection->Find(ProductFile::kFigureNumber) >= 0)
        for (int id : {IDC_SEL_FIGURE_LABEL, IDC_SEL_FIGURE_ENTRY, IDC_SEL_FIGURE})
            if (HWND h = ::GetDlgItem(m_hWnd, id)) ::ShowWindow(h, SW_SHOW);
    SelectLeft(0);
}

void CDlgDual::SizeAfterFill(int nLines) {
    nLines = std::max(nLines, WrappedLines(::GetDlgItem(m_hWnd, IDC_SEL_TITLE1),
                                           m_rcTitle1.right - m_rcTitle1.left, m_nLineHeight));
    const int grow = m_nLineHeight * (nLines - 1);
    RECT title1 = m_rcTitle1, title2 = m_rcTitle2, left = m_rcLeft;
    title1.bottom += grow;
    title2.top += grow;
    left.top += grow;
    if (!m_bTableForm) {
        // The grouped form has no captions: the left list takes their column.
        title2.right = m_rcTitle1.left;
        left.left = m_rcTitle1.left;
    }
    MoveChild(IDC_SEL_TITLE1, title1);
    MoveChild(IDC_SEL_TITLE2, title2);
    MoveChild(IDC_SEL_LEFT, left);
}

void CDlgDual::SizeAfterLeftChange(int nLines) {
    nLines = std::max(nLines, WrappedLines(::GetDlgItem(m_hWnd, IDC_SEL_LINE_TITLE),
                                           m_rcLineTitle.right - m_rcLineTitle.left, m_nLineHeight));
    const int grow = m_nLineHeight * (nLines - 1);
    RECT lineTitle = m_rcLineTitle, right = m_rcRight;
    lineTitle.bottom += grow;
    right.top += grow;
    MoveChild(IDC_SEL_LINE_TITLE, lineTitle);
    MoveChild(IDC_SEL_RIGHT, right);
}

void CDlgDual::SelectLeft(int nIndex) {
    if (nIndex < 0 || nIndex >= m_left.GetCount()) return;
    m_left.SetCurSel(nIndex);
    OnSelChangeLeft();
}

void CDlgDual::SelectRight(int nIndex) {
    if (nIndex < 0 || nIndex >= m_right.GetCount()) return;
    m_right.SetCurSel(nIndex);
    OnSelChangeRight();
}

void CDlgDual::OnSelChangeLeft() {
    RunGuarded([this] {
        if (!m_pSelection) return;
        const int n =
            m_pSelection->SelChangeLeftListBox(&m_left, &m_lineTitle, &m_right, &m_measure, m_bAuto, &m_price,
                                               &m_figure, m_pView, m_pTable, m_nRow, m_nCol);
        SizeAfterLeftChange(n);
        if (GetSelSettings().bAutoSelect) {
            const int r =
                m_pSelection->FindFirstMatchingLine(&m_left, m_pView, m_pTable, m_nRow, m_nCol, m_bAuto);
            if (r >= 0) SelectRight(r);
        }
    });
}

void CDlgDual::OnSelChangeRight() {
    RunGuarded([this] {
        if (!m_pSelection) return;
        const BOOL taken =
            m_pSelection->SelChangeRightListBox(&m_left, &m_right, &m_price, &m_figure, m_bAlert);
        if (m_bAuto && taken) SelectLeft(m_left.GetCurSel() + 1);
    });
}

void CDlgDual::EndWithItem(BOOL* pFlag) {
    bool chosen = false;
    RunGuarded([&] {
        chosen = m_pSelection && m_pSelection->GetSelection(
                                     &m_left, &m_right, &m_price, &m_figure, &m_strDescription, &m_arrNames,
                                     &m_arrValues, &m_strFileName, &m_nFileNo, &m_nStyle, &m_arrComponents);
    });
    if (!chosen) return;
    if (pFlag) *pFlag = TRUE;
    EndDialog(IDOK);
}

void CDlgDual::OnOkButton() { EndWithItem(nullptr); }

void CDlgDual::OnNextDL() { EndWithItem(&m_bNextDL); }

void CDlgDual::OnNextSL() {
    if (m_pEditor && m_pEditor->m_hWnd) m_pEditor->ShowWindow(SW_SHOW);
    EndWithItem(&m_bNextSL);
}

void CDlgDual::OnClear() {
    RunGuarded([this] {
        if (!m_pSelection || m_title1.GetText().IsEmpty()) return;
        if (m_pSelection->ClearSelection(&m_left, &m_right, &m_lineTitle, &m_price, &m_figure)) SelectLeft(0);
    });
}

void CDlgDual::OnAuto() {
    m_bAuto = !m_bAuto;
    SetDlgItemText(IDC_SEL_AUTO, m_bAuto ? SelMsg::kAutoButton : SelMsg::kManualButton);
    RunGuarded([this] {
        if (!m_pSelection) return;
        if (m_pSelection->RefillLists(&m_title1, &m_title2, &m_left, m_bAuto, m_pView, m_pTable, m_nRow,
                                      m_nCol))
            SelectLeft(0);
    });
}

void CDlgDual::OnFigureSetFocus() { m_figureEntry.SetText(m_strFigureText); }

void CDlgDual::OnFigureKillFocus() {
    m_strFigureText = m_figureEntry.GetText();
    m_figureEntry.SetText("");
}

void CDlgDual::OnOK() {
    if (::GetFocus() != m_figureEntry.GetHwnd() || !m_pSelection) return;
    RunGuarded([this] {
        int l = -1, r = -1;
        m_pSelection->FindFigureNumber(m_figureEntry.GetText(), &m_left, &m_right, &m_lineTitle, &m_price,
                                       &m_figure, &l, &r);
        SelectLeft(l == -1 ? 0 : l);
        if (l != -1) SelectRight(r);
    });
}

void CDlgDual::OnValve() {
    RunGuarded([this] { LoadFile(CString(ProductFile::kValveBase) + ProductFile::kExtension, true, true); });
}

void CDlgDual::OnActuator() {
    RunGuarded(
        [this] { LoadFile(CString(ProductFile::kActuatorBase) + ProductFile::kExtension, true, true); });
}

void CDlgDual::OnAccessories() {
    RunGuarded(
        [this] { LoadFile(CString(ProductFile::kAccessoryBase) + ProductFile::kExtension, false, true); });
}
