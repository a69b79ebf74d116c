#include "editor/CorvView.h"

#include <algorithm>

#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "editor/GridGeometry.h"
#include "editor/GridUpdate.h"
#include "editor/TableDraw.h"
#include "framework/win/App.h"
#include "framework/win/Frame.h"
#include "framework/win/MessageMap.h"
#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "res/resource.h"
#include "selection/Selection.h"
#include "workspace/Workspace.h"

IMPLEMENT_DYNCREATE(CCorvView, CView)

BEGIN_MESSAGE_MAP(CCorvView, CView)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
    ON_COMMAND(ID_VIEW_DETAIL, &CCorvView::OnViewDetail)
    ON_UPDATE_COMMAND_UI(ID_VIEW_DETAIL, &CCorvView::OnUpdateViewDetail)
    ON_COMMAND(ID_VIEW_LINE, &CCorvView::OnViewLine)
    ON_UPDATE_COMMAND_UI(ID_VIEW_LINE, &CCorvView::OnUpdateViewLine)
    ON_COMMAND(ID_VIEW_PROJECT, &CCorvView::OnViewProject)
    ON_COMMAND(ID_VIEW_WORDS, &CCorvView::OnViewWords)
    ON_UPDATE_COMMAND_UI(ID_VIEW_WORDS, &CCorvView::OnUpdateViewWords)
    ON_COMMAND(ID_EDIT_UNDO, &CCorvView::OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &CCorvView::OnUpdateEditUndo)
    ON_COMMAND(ID_EDIT_CUT, &CCorvView::OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CCorvView::OnUpdateEditCutCopy)
    ON_COMMAND(ID_EDIT_COPY, &CCorvView::OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CCorvView::OnUpdateEditCutCopy)
    ON_COMMAND(ID_EDIT_PASTE, &CCorvView::OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CCorvView::OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_CUT_LINE, &CCorvView::OnEditCutLine)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT_LINE, &CCorvView::OnUpdateActiveEditor)
    ON_COMMAND(ID_EDIT_COPY_LINE, &CCorvView::OnEditCopyLine)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY_LINE, &CCorvView::OnUpdateActiveEditor)
    ON_COMMAND(ID_EDIT_PASTE_LINE, &CCorvView::OnEditPasteLine)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE_LINE, &CCorvView::OnUpdateActiveEditor)
    ON_COMMAND(ID_EDIT_INSERT_LINE, &CCorvView::OnEditInsertLine)
    ON_UPDATE_COMMAND_UI(ID_EDIT_INSERT_LINE, &CCorvView::OnUpdateActiveEditor)
    ON_COMMAND(ID_VIEW_SELECT, &CCorvView::OnViewSelect)
    ON_UPDATE_COMMAND_UI(ID_VIEW_SELECT, &CCorvView::OnUpdateDetailEditor)
    ON_COMMAND(ID_VIEW_FIND_PN, &CCorvView::OnViewFindPartNumber)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FIND_PN, &CCorvView::OnUpdateDetailEditor)
    ON_COMMAND(ID_EDIT_TECH_TO_QUOTE, &CCorvView::OnEditTechToQuote)
    ON_UPDATE_COMMAND_UI(ID_EDIT_TECH_TO_QUOTE, &CCorvView::OnUpdateDetailEditor)
    ON_COMMAND(ID_EDIT_PN_TO_QUOTEPN, &CCorvView::OnEditPNToQuotePN)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PN_TO_QUOTEPN, &CCorvView::OnUpdateDetailEditor)
    ON_COMMAND(ID_OPTIONS_FONT, &CCorvView::OnFont)
    ON_COMMAND(ID_OPTIONS_ARROW_CONTROL, &CCorvView::OnViewArrowControl)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_ARROW_CONTROL, &CCorvView::OnUpdateViewArrowControl)
    ON_COMMAND(ID_EDIT_DELETE_BOTTOM_BLANKS, &CCorvView::OnDeleteBottomBlanks)
    ON_COMMAND(ID_EDIT_MULTIPLIER, &CCorvView::OnEditMultiplier)
    ON_UPDATE_COMMAND_UI(ID_EDIT_MULTIPLIER, &CCorvView::OnUpdateEditRevise)
    ON_COMMAND(ID_EDIT_MARGIN, &CCorvView::OnEditMargin)
    ON_UPDATE_COMMAND_UI(ID_EDIT_MARGIN, &CCorvView::OnUpdateEditRevise)
    ON_COMMAND(ID_EDIT_TOTAL_FINAL_VALUE, &CCorvView::OnEditTotalFinalValue)
    ON_UPDATE_COMMAND_UI(ID_EDIT_TOTAL_FINAL_VALUE, &CCorvView::OnUpdateEditRevise)
    ON_COMMAND(ID_EDIT_TOTAL_EXTENDED, &CCorvView::OnEditTotalExtendedValues)
    ON_UPDATE_COMMAND_UI(ID_EDIT_TOTAL_EXTENDED, &CCorvView::OnUpdateEditRevise)
    // Print and Print Preview (CorvViewPrint.cpp).
    ON_COMMAND(ID_FILE_PRINT, &CCorvView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CCorvView::OnFilePrintPreview)
    ON_COMMAND(ID_FILE_PRINT_SELECT, &CCorvView::OnPrintSelect)
    ON_COMMAND(ID_FILE_PRINT_QUOTE, &CCorvView::OnPrintQuote)
    ON_COMMAND(ID_FILE_PRINT_SCOPE, &CCorvView::OnPrintScope)
    ON_COMMAND(ID_FILE_PRINT_SCOPE_PRICED, &CCorvView::OnPrintScopePriced)
    ON_COMMAND(ID_FILE_PRINT_DISTRIBUTION, &CCorvView::OnPrintDistribution)
    ON_COMMAND(ID_FILE_PRINT_PARTS, &CCorvView::OnPrintParts)
    ON_COMMAND(ID_FILE_PRINT_ICDS, &CCorvView::OnPrintItemCost)
    ON_COMMAND(ID_FILE_PRINT_PROP_SUM, &CCorvView::OnPrintProposalSummary)
    ON_COMMAND(ID_FILE_PRINT_PROP_SUM_PLANT, &CCorvView::OnPrintProposalSummaryByPlant)
    ON_COMMAND(ID_FILE_PRINT_PROJ_SELL, &CCorvView::OnPrintProjectSellPrice)
    ON_COMMAND(ID_FILE_PRINT_COMMISSION, &CCorvView::OnPrintCommission)
    ON_COMMAND(ID_FILE_PRINT_PURCH_ORD, &CCorvView::OnPrintPurchaseOrder)
    ON_COMMAND(ID_FILE_PREVIEW_QUOTE, &CCorvView::OnPreviewQuote)
    ON_COMMAND(ID_FILE_PREVIEW_SCOPE, &CCorvView::OnPreviewScope)
    ON_COMMAND(ID_FILE_PREVIEW_SCOPE_PRICED, &CCorvView::OnPreviewScopePriced)
    ON_COMMAND(ID_FILE_PREVIEW_DISTRIBUTION, &CCorvView::OnPreviewDistribution)
    ON_COMMAND(ID_FILE_PREVIEW_PARTS, &CCorvView::OnPreviewParts)
    ON_COMMAND(ID_FILE_PREVIEW_ICDS, &CCorvView::OnPreviewItemCost)
    ON_COMMAND(ID_FILE_PREVIEW_PROP_SUM, &CCorvView::OnPreviewProposalSummary)
    ON_COMMAND(ID_FILE_PREVIEW_PROP_SUM_PLANT, &CCorvView::OnPreviewProposalSummaryByPlant)
    ON_COMMAND(ID_FILE_PREVIEW_PROJ_SELL, &CCorvView::OnPreviewProjectSellPrice)
    ON_COMMAND(ID_FILE_PREVIEW_COMMISSION, &CCorvView::OnPreviewCommission)
    ON_COMMAND(ID_FILE_PREVIEW_PURCH_ORD, &CCorvView::OnPreviewPurchaseOrder)
END_MESSAGE_MAP()

namespace {
constexpr UINT kHScrollId = 32000;
constexpr UINT kVScrollId = 32002;
constexpr UINT kDetailWndId = 32004;
constexpr UINT kEditorId = 32005;
}  // namespace

CCorvView::CCorvView() = default;

CCorvView::~CCorvView() {
    DeletePrintObjects();
    delete m_pSelection;
}

CCorvDoc* CCorvView::GetDocument() const { return static_cast<CCorvDoc*>(m_pDocument); }

CTableStruct* CCorvView::GetSummaryStruct() const {
    const CCorvDoc* pDoc = GetDocument();
    return pDoc ? pDoc->m_pSummaryStruct : nullptr;
}

CRecord* CCorvView::GetCurrentSummaryLine() const {
    const CCorvDoc* pDoc = GetDocument();
    if (!pDoc || !pDoc->m_pTable || !m_pEditWnd) return nullptr;
    const int nRow = m_pEditWnd->m_nRow;
    return nRow >= 0 && nRow < pDoc->m_pTable->GetSize() ? pDoc->m_pTable->GetRecord(nRow) : nullptr;
}

BOOL CCorvView::PreCreateWindow(CREATESTRUCTA& cs) {
    m_pBackBrush = std::make_unique<CBrush>(RGB(255, 255, 153));
    m_strClassName =
        AfxRegisterWndClass(CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW), *m_pBackBrush, nullptr);
    cs.lpszClass = m_strClassName;
    return CView::PreCreateWindow(cs);
}

void CCorvView::OnInitialUpdate() {
    CCorvDoc* pDoc = GetDocument();
    if (!pDoc || !pDoc->m_pTable || !pDoc->m_pSummaryStruct || !pDoc->m_pDetailStruct) {
        CView::OnInitialUpdate();
        return;
    }
    RebuildFont();
    m_pSumWidths.assign(pDoc->m_pSummaryStruct->GetSize(), 0);
    m_pDetWidths.assign(pDoc->m_pDetailStruct->GetSize(), 0);
    CalcMetrics();
    CalcVisibleRows();

    CRect rc;
    GetClientRect(&rc);
    const DWORD dwBar = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    m_pHScroll = std::make_unique<CCorvScrollBar>();
    m_pHScroll->Create(dwBar | SBS_HORZ,
                       CRect(0, rc.bottom - Grid::kBarSize, rc.right - Grid::kBarSize, rc.bottom), this,
                       kHScrollId);
    m_pHScroll->SetScrollRange(0, std::max(pDoc->m_pSummaryStruct->GetSize() - 1, 0), FALSE);
    m_pHScroll->SetScrollPos(0, TRUE);
    m_pVScroll = std::make_unique<CCorvScrollBar>();
    m_pVScroll->Create(dwBar | SBS_VERT,
                       CRect(rc.right - Grid::kBarSize, 0, rc.right, rc.bottom - Grid::kBarSize), this,
                       kVScrollId);
    m_pVScroll->SetScrollRange(0, std::max(pDoc->m_pTable->GetSize() - 1, 0), FALSE);
    m_pVScroll->SetScrollPos(0, TRUE);

    m_pEditWnd = std::make_unique<CEditWnd>(this, nullptr, pDoc->m_pTable, m_pHScroll.get(), m_pVScroll.get(),
                                            m_pSumWidths.data(), pDoc->m_pDetailStruct);
    m_pEditWnd->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), this, kEditorId);
    m_pEditWnd->SetFont(*m_pFont, TRUE);

    // The job window reaches to the right and bottom edges of the main window's client area.
    CFrameWnd* pFrame = GetParentFrame();
    HWND hClient = pFrame ? ::GetParent(pFrame->m_hWnd) : nullptr;
    if (pFrame && hClient) {
        CRect rcFrame, rcClient;
        pFrame->GetWindowRect(&rcFrame);
        ::MapWindowPoints(nullptr, hClient, reinterpret_cast<LPPOINT>(&rcFrame), 2);
        ::GetClientRect(hClient, &rcClient);
        pFrame->MoveWindow(rcFrame.left, rcFrame.top, rcClient.right - rcFrame.left,
                           rcClient.bottom - rcFrame.top, TRUE);
    }

    m_pDetailBrush = std::make_unique<CBrush>(RGB(192, 192, 192));
    // The window class outlives every view, so it takes the stock brush of
    // the same grey rather than this view's brush: one class then serves
    // every view. A class per view was never freed (nor the copy of the
    // icon the system makes for each class), and named a deleted brush
    // once its view was gone.
    LPCSTR lpszDetailClass = AfxRegisterWndClass(
        CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW), static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)),
        ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    GetClientRect(&rc);
    CRect rcDetail(rc.left, rc.top + rc.Height() / 3, rc.right - Grid::kBarSize, rc.bottom - Grid::kBarSize);
    m_pDetailWnd = std::make_unique<CDetailWnd>();
    m_pDetailWnd->Create(
        lpszDetailClass, EditorMsg::kDetailScreen,
        WS_CHILD | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, rcDetail, this,
        kDetailWndId);

    const CCorvSettings& settings = CorvGetWorkspace().Settings();
    m_bArrowControl = settings.m_bMoveByChar;
    if (settings.m_bMaximizeView && pFrame) {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        ::GetWindowPlacement(pFrame->m_hWnd, &wp);
        wp.showCmd = SW_SHOWMAXIMIZED;
        ::SetWindowPlacement(pFrame->m_hWnd, &wp);
    }
    CView::OnInitialUpdate();
}

void CCorvView::RebuildFont() {
    m_pFont = std::make_unique<CFont>();
    const LOGFONT lf = GetDocument()->m_lfFont;
    m_pFont->CreateFontIndirect(&lf);
}

void CCorvView::CalcMetrics() {
    CCorvDoc* pDoc = GetDocument();
    CClientDC dc(this);
    HGDIOBJ hOld = dc.SelectObject(m_pFont.get());
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(hOld);
    for (int i = 0; i < static_cast<int>(m_pSumWidths.size()); ++i)
        m_pSumWidths[i] = Grid::ColumnWidth(pDoc->m_pSummaryStruct->GetFieldWidth(i), tm.tmAveCharWidth);
    for (int i = 0; i < static_cast<int>(m_pDetWidths.size()); ++i)
        m_pDetWidths[i] = Grid::ColumnWidth(pDoc->m_pDetailStruct->GetFieldWidth(i), tm.tmAveCharWidth);
    m_nLeftMargin = Grid::LeftMargin(tm.tmAveCharWidth);
    m_nRowHeight = Grid::RowHeight(tm.tmHeight, tm.tmExternalLeading);
}

CRect CCorvView::GetClientRectLessBars() const {
    CRect rc;
    GetClientRect(&rc);
    return Grid::GridRect(rc);
}

void CCorvView::CalcVisibleRows() {
    m_nVisibleRows = Grid::VisibleRows(GetClientRectLessBars().bottom, m_nRowHeight);
}

int CCorvView::GetColumnLimit() const {
    if (!m_pHScroll) return 0;
    return Grid::ColumnLimit(m_pSumWidths.data(), static_cast<int>(m_pSumWidths.size()),
                             m_pHScroll->GetScrollPos(), m_nLeftMargin, GetClientRectLessBars().right);
}

void CCorvView::OnDraw(CDC* pDC) {
    CCorvDoc* pDoc = GetDocument();
    if (!pDoc || !pDoc->m_pTable || !m_pFont || !m_pHScroll) return;
    DrawTable(*pDoc->m_pTable, pDC, m_pFont.get(), pDoc->m_crFontColor, GetClientRectLessBars(),
              m_pSumWidths.data(), m_nLeftMargin, m_nRowHeight, GetColumnLimit(), m_nVisibleRows, Grid::kTop,
              Grid::kCellMargin, Grid::kTextOffset, m_pHScroll->GetScrollPos(), m_pVScroll->GetScrollPos());
}

BOOL CCorvView::IsDetailVisible() const {
    return m_pDetailWnd && m_pDetailWnd->m_hWnd && m_pDetailWnd->IsWindowVisible();
}

void CCorvView::HideDetail() {
    if (IsDetailVisible()) m_pDetailWnd->ShowWindow(SW_HIDE);
}

void CCorvView::PlaceEditWnd() {
    if (m_pEditWnd && m_pEditWnd->IsWindowVisible())
        m_pEditWnd->MoveToCell(0, 0, GetClientRectLessBars(), m_nVisibleRows);
}

void CCorvView::CommitEdit() {
    HideDetail();
    PlaceEditWnd();
}

void CCorvView::OnViewDetail() {
    CCorvDoc* pDoc = GetDocument();
    if (!m_pEditWnd || !m_pEditWnd->IsWindowVisible() || !m_pEditWnd->HasCurrentField()) return;
    const int nRow = m_pEditWnd->m_nRow;
    if (nRow < 0 || nRow >= pDoc->m_pTable->GetSize()) return;
    CTable* pDetail = pDoc->m_pTable->GetRecord(nRow)->GetChild();
    if (pDetail) m_pDetailWnd->ShowForLine(this, pDetail, nRow, m_bOpenSelect);
}

void CCorvView::OnUpdateViewDetail(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pEditWnd && m_pEditWnd->IsWindowVisible());
}

void CCorvView::OnLButtonDown(UINT, CPoint point) {
    if (IsDetailVisible()) {
        HideDetail();
        return;
    }
    if (m_pEditWnd) m_pEditWnd->MoveToCell(point.x, point.y, GetClientRectLessBars(), m_nVisibleRows);
}

void CCorvView::OnRButtonDown(UINT, CPoint point) {
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame)
        ::SendMessageA(::GetParent(pFrame->m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pFrame->m_hWnd),
                       0);
    HideDetail();
    if (!m_pEditWnd) return;
    m_pEditWnd->MoveToCell(point.x, point.y, GetClientRectLessBars(), m_nVisibleRows);
    OnViewDetail();
}

void CCorvView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (!m_pHScroll || !pScrollBar || pScrollBar->m_hWnd != m_pHScroll->m_hWnd) return;
    HideDetail();
    const CRect rcGrid = GetClientRectLessBars();
    CRect rcClip = rcGrid;
    rcClip.left = std::min<LONG>(m_nLeftMargin, rcGrid.right);
    const int dx = m_pHScroll->ScrollByHeights(nSBCode, nPos, this, rcClip, m_pSumWidths.data());
    if (dx != 0) m_pEditWnd->Reposition(rcGrid, m_nVisibleRows, dx, 0);
}

void CCorvView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (!m_pVScroll || !pScrollBar || pScrollBar->m_hWnd != m_pVScroll->m_hWnd) return;
    HideDetail();
    const CRect rcGrid = GetClientRectLessBars();
    CRect rcClip = rcGrid;
    rcClip.top = std::min<LONG>(m_nRowHeight + Grid::kTop, rcGrid.bottom);
    rcClip.bottom = rcClip.top + m_nVisibleRows * m_nRowHeight;
    const int dy = m_pVScroll->ScrollByStep(nSBCode, nPos, this, rcClip, m_nRowHeight);
    if (dy != 0) m_pEditWnd->Reposition(rcGrid, m_nVisibleRows, 0, dy);
}

void CCorvView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if ((nType != SIZE_RESTORED && nType != SIZE_MAXIMIZED) || !m_pHScroll || !m_pVScroll) return;
    CalcVisibleRows();
    m_pHScroll->MoveWindow(0, cy - Grid::kBarSize, cx - Grid::kBarSize, Grid::kBarSize, TRUE);
    m_pVScroll->MoveWindow(cx - Grid::kBarSize, 0, Grid::kBarSize, cy - Grid::kBarSize, TRUE);
    if (m_pEditWnd) m_pEditWnd->Reposition(GetClientRectLessBars(), m_nVisibleRows, 0, 0);
}

void CCorvView::OnSetFocus(CWnd* pOldWnd) {
    CView::OnSetFocus(pOldWnd);
    if (!m_pEditWnd) return;
    if (IsDetailVisible()) {
        m_pDetailWnd->SetFocus();
        return;
    }
    m_pEditWnd->Reposition(GetClientRectLessBars(), m_nVisibleRows, 0, 0);
    if (m_bSelectNext) {
        m_bSelectNext = FALSE;
        GoOnWithNextSelection();
    }
}

void CCorvView::OnKeyDown(UINT nChar, UINT, UINT) {
    CCorvDoc* pDoc = GetDocument();
    if (!m_pEditWnd || !pDoc || !pDoc->m_pTable) return;
    GridContext g{this,
                  m_pHScroll.get(),
                  m_pVScroll.get(),
                  m_pEditWnd.get(),
                  m_pSumWidths.data(),
                  static_cast<int>(m_pSumWidths.size()),
                  m_nLeftMargin,
                  m_nRowHeight,
                  m_nVisibleRows,
                  GetClientRectLessBars(),
                  [this](UINT nCode) { OnHScroll(nCode, 0, m_pHScroll.get()); },
                  [this](UINT nCode) {
                      OnVScroll(nCode, 0, m_pVScroll.get());
                  }};
    GridKeyDown(g, nChar);
}
