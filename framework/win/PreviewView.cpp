#include "framework/win/PreviewView.h"

#include <algorithm>

#include "framework/win/Frame.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PreviewText.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/PrintInfo.h"
#include "framework/win/StdIds.h"
#include "framework/win/View.h"
#include "framework/win/WinMessages.h"

IMPLEMENT_DYNAMIC(CPreviewView, CWnd)

BEGIN_MESSAGE_MAP(CPreviewView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEACTIVATE()
    ON_BN_CLICKED(IDC_PREVIEW_PRINT, &CPreviewView::OnPreviewPrint)
    ON_BN_CLICKED(IDC_PREVIEW_NEXT, &CPreviewView::OnNextPage)
    ON_BN_CLICKED(IDC_PREVIEW_PREV, &CPreviewView::OnPrevPage)
    ON_BN_CLICKED(IDC_PREVIEW_NUMPAGE, &CPreviewView::OnNumPageChange)
    ON_BN_CLICKED(IDC_PREVIEW_ZOOMIN, &CPreviewView::OnZoomIn)
    ON_BN_CLICKED(IDC_PREVIEW_ZOOMOUT, &CPreviewView::OnZoomOut)
    ON_BN_CLICKED(IDC_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose)
END_MESSAGE_MAP()

namespace {

// The view keeps this id while the preview is the frame's pane.
constexpr UINT kViewIdInPreview = AFX_IDW_PANE_FIRST + 0xFF;
constexpr int kBarHeight = 30;  // toolbar strip, pixels
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 24;
constexpr int kMargin = 12;  // grey border around and between pages
constexpr int kShadow = 4;
constexpr UINT kUnknownPageCount = 0xffff;

const char* const kButtonTexts[] = {WinMsg::kPreviewPrint,   WinMsg::kPreviewNext,   WinMsg::kPreviewPrev,
                                    WinMsg::kPreviewTwoPage, WinMsg::kPreviewZoomIn, WinMsg::kPreviewZoomOut,
                                    WinMsg::kPreviewClose};

// Plays one record; a fixed mapping mode (inches, millimetres, twips) is
// played as the equivalent scaling measured on the recording's reference
// device, as the header gives it. Some players compute those modes from
// the context they play into, which shrinks a page recorded against a
// 300-dpi printer to a third when played on a 96-dpi screen.
int CALLBACK PlayRecord(HDC hDC, HANDLETABLE* pTable, const ENHMETARECORD* pRecord, int nHandles,
                        LPARAM lParam) {
    const auto* pHeader = reinterpret_cast<const ENHMETAHEADER*>(lParam);
    if (pRecord->iType == EMR_EXTTEXTOUTW && PlayTextByWords(hDC, pRecord)) return TRUE;
    if (pRecord->iType != EMR_SETMAPMODE) {
        ::PlayEnhMetaFileRecord(hDC, pTable, pRecord, nHandles);
        return TRUE;
    }
    const auto* pMode = reinterpret_cast<const EMRSETMAPMODE*>(pRecord);
    // Logical units per millimetre as numerator / denominator.
    LONG num = 0, den = 1;
    switch (pMode->iMode) {
        case MM_LOMETRIC:
            num = 10;
            break;
        case MM_HIMETRIC:
            num = 100;
            break;
        case MM_LOENGLISH:
            num = 1000, den = 254;
            break;
        case MM_HIENGLISH:
            num = 10000, den = 254;
            break;
        case MM_TWIPS:
            num = 14400, den = 254;
            break;
        default:
            ::PlayEnhMetaFileRecord(hDC, pTable, pRecord, nHandles);
            return TRUE;
    }
    EMRSETMAPMODE anisotropic = *pMode;
    anisotropic.iMode = MM_ANISOTROPIC;
    ::PlayEnhMetaFileRecord(hDC, pTable, reinterpret_cast<const ENHMETARECORD*>(&anisotropic), nHandles);
    EMRSETWINDOWEXTEX window{};
    window.emr.iType = EMR_SETWINDOWEXTEX;
    window.emr.nSize = sizeof window;
    window.szlExtent.cx = pHeader->szlMillimeters.cx * num;
    window.szlExtent.cy = pHeader->szlMillimeters.cy * num;
    ::PlayEnhMetaFileRecord(hDC, pTable, reinterpret_cast<const ENHMETARECORD*>(&window), nHandles);
    EMRSETVIEWPORTEXTEX viewport{};
    viewport.emr.iType = EMR_SETVIEWPORTEXTEX;
    viewport.emr.nSize = sizeof viewport;
    viewport.szlExtent.cx = pHeader->szlDevice.cx * den;
    viewport.szlExtent.cy = -pHeader->szlDevice.cy * den;  // y grows upwards
    ::PlayEnhMetaFileRecord(hDC, pTable, reinterpret_cast<const ENHMETARECORD*>(&viewport), nHandles);
    return TRUE;
}

}  // namespace

void CPreviewView::PlayPage(HDC hDC, HENHMETAFILE hPage, const RECT& rect) {
    ENHMETAHEADER header{};
    if (!hPage || !::GetEnhMetaFileHeader(hPage, sizeof header, &header)) return;
    ::EnumEnhMetaFile(hDC, hPage, PlayRecord, &header, &rect);
}

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView() {
    if (m_pbDeleted) *m_pbDeleted = TRUE;
    FreePages();
    delete m_pInfo;
}

void CPreviewView::PostNcDestroy() { delete this; }

BOOL CPreviewView::StartPreview(CView* pView, CFrameWnd* pFrame, CPrintInfo* pInfo) {
    m_pPrintView = pView;
    m_pFrame = pFrame;
    m_pInfo = pInfo;
    m_dcPrint.Attach(pInfo->m_pPD->DetachPrinterDC());
    if (!m_dcPrint.m_hDC) return FALSE;

    pView->OnBeginPrinting(&m_dcPrint, pInfo);
    m_bBegun = TRUE;
    m_nPages = pInfo->m_nNumPreviewPages == 2 ? 2 : 1;
    m_nCurrentPage = std::max<UINT>(1, pInfo->GetMinPage());

    // The preview takes the view's place: the frame lays out its pane, so
    // the view lends it its id, and everything in the frame is hidden.
    m_hFocusBefore = ::GetFocus();
    for (HWND hChild = ::GetWindow(pFrame->m_hWnd, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (::IsWindowVisible(hChild)) m_hidden.push_back(hChild);
    m_nViewID = static_cast<UINT>(::GetDlgCtrlID(pView->m_hWnd));
    ::SetWindowLongPtrA(pView->m_hWnd, GWLP_ID, kViewIdInPreview);
    for (HWND hWnd : m_hidden) ::ShowWindow(hWnd, SW_HIDE);

    CRect rc;
    ::GetClientRect(pFrame->m_hWnd, &rc);
    if (!Create(nullptr, "", WS_CHILD | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, rc, pFrame,
                AFX_IDW_PANE_FIRST)) {
        EndPreview();
        return FALSE;
    }
    ShowPages();
    pFrame->RecalcLayout();
    ShowWindow(SW_SHOW);
    SetFocus();
    return TRUE;
}

int CPreviewView::OnCreate(LPCREATESTRUCTA lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        m_font.CreateFontIndirect(&ncm.lfMessageFont);
    HFONT hFont = m_font.m_hObject ? static_cast<HFONT>(m_font)
                                   : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < 7; ++i) {
        if (!m_btn[i].Create(kButtonTexts[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 1, 1), this,
                             IDC_PREVIEW_PRINT + i))
            return -1;
        m_btn[i].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    }
    if (!m_pageDesc.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, CRect(0, 0, 1, 1), this,
                           IDC_PREVIEW_PAGEDESC))
        return -1;
    m_pageDesc.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    ShowScrollBar(SB_BOTH, FALSE);
    return 0;
}

void CPreviewView::OnDestroy() {
    m_bDestroying = TRUE;
    // The frame is closing with the preview still open.
    if (!m_bEnding) ClosePreview(FALSE);
    CWnd::OnDestroy();
}

int CPreviewView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (::GetFocus() != m_hWnd && !::IsChild(m_hWnd, ::GetFocus())) SetFocus();
    return nResult;
}

// --- Ending ---

void CPreviewView::ClosePreview(BOOL bRestore) {
    if (m_bEnding) return;
    m_bRestore = bRestore;
    BOOL bDeleted = FALSE;
    m_pbDeleted = &bDeleted;
    m_pPrintView->OnEndPrintPreview(&m_dcPrint, m_pInfo, CPoint(0, 0), this);
    if (bDeleted) return;
    m_pbDeleted = nullptr;
    // A view whose OnEndPrintPreview does not reach the base still ends.
    EndPreview();
}

void CView::OnEndPrintPreview(CDC*, CPrintInfo*, POINT, CPreviewView* pView) {
    if (pView) pView->EndPreview();
}

void CPreviewView::EndPreview() {
    if (m_bEnding) return;
    m_bEnding = TRUE;
    FreePages();
    if (m_bBegun) m_pPrintView->OnEndPrinting(&m_dcPrint, m_pInfo);
    m_bBegun = FALSE;

    if (m_nViewID) ::SetWindowLongPtrA(m_pPrintView->m_hWnd, GWLP_ID, static_cast<LONG_PTR>(m_nViewID));
    if (m_hWnd) ::SetWindowLongPtrA(m_hWnd, GWLP_ID, 0);
    if (m_bRestore) {
        if (m_hWnd) ShowWindow(SW_HIDE);
        for (HWND hWnd : m_hidden)
            if (::IsWindow(hWnd)) ::ShowWindow(hWnd, SW_SHOW);
        if (m_pFrame && m_pFrame->m_hWnd) m_pFrame->RecalcLayout();
        if (m_hFocusBefore && ::IsWindow(m_hFocusBefore) && ::IsWindowVisible(m_hFocusBefore))
            ::SetFocus(m_hFocusBefore);
        else if (m_pPrintView->m_hWnd)
            m_pPrintView->SetFocus();
    }
    m_hidden.clear();
    m_pPrintView->m_pPreviewView = nullptr;
    if (m_hWnd && !m_bDestroying) DestroyWindow();  // deletes this
}

// --- Pages ---

HENHMETAFILE CPreviewView::RecordPage(UINT nPage) {
    m_pInfo->m_nCurPage = nPage;
    m_pInfo->m_bContinuePrinting = TRUE;
    // The frame covers the printer's whole printable area, so playing the
    // recording into a rectangle maps the page onto it.
    CRect frame(0, 0, m_dcPrint.GetDeviceCaps(HORZSIZE) * 100, m_dcPrint.GetDeviceCaps(VERTSIZE) * 100);
    HDC hMeta = ::CreateEnhMetaFileA(m_dcPrint.m_hDC, nullptr, &frame, nullptr);
    if (!hMeta) return nullptr;
    CDC dc;
    dc.Attach(hMeta);
    // The recording is shown scaled: each character keeps the printer's place.
    dc.SetTextWithWidths(TRUE);
    m_pPrintView->OnPrepareDC(&dc, m_pInfo);
    if (m_pInfo->m_bContinuePrinting) {
        m_pInfo->m_rectDraw = AfxPrintableArea(m_dcPrint.m_hDC);
        m_pPrintView->OnPrint(&dc, m_pInfo);
    }
    HENHMETAFILE hPage = ::CloseEnhMetaFile(dc.Detach());
    if (!m_pInfo->m_bContinuePrinting && hPage) {
        ::DeleteEnhMetaFile(hPage);
        hPage = nullptr;
    }
    return hPage;
}

void CPreviewView::FreePages() {
    for (HENHMETAFILE& h : m_hPage) {
        if (h) ::DeleteEnhMetaFile(h);
        h = nullptr;
    }
}

HENHMETAFILE CPreviewView::GetPageMetafile(int nIndex) const {
    return nIndex >= 0 && nIndex < 2 ? m_hPage[nIndex] : nullptr;
}

void CPreviewView::ShowPages() {
    FreePages();
    m_hPage[0] = RecordPage(m_nCurrentPage);
    while (!m_hPage[0] && m_nCurrentPage > 1) {
        // The view ended the print before this page: the last page is the one before.
        m_nMaxPage = --m_nCurrentPage;
        m_hPage[0] = RecordPage(m_nCurrentPage);
    }
    if (!m_hPage[0]) {
        m_nMaxPage = 0;
    } else {
        // The count as the view knows it once a page was drawn (page 1 lays out the report).
        UINT nMax = m_pInfo->GetMaxPage();
        if (nMax != kUnknownPageCount || m_nMaxPage == 0 || m_nMaxPage < m_nCurrentPage) m_nMaxPage = nMax;
        m_nMaxPage = std::max(m_nMaxPage, m_nCurrentPage);
    }
    if (m_hPage[0] && m_nPages == 2 && m_nZoom == 0 && m_nCurrentPage < m_nMaxPage) {
        m_hPage[1] = RecordPage(m_nCurrentPage + 1);
        if (!m_hPage[1]) m_nMaxPage = m_nCurrentPage;
    }
    m_pInfo->m_nCurPage = m_nCurrentPage;
    UpdateToolbar();
    UpdateScrollBars();
    Invalidate(TRUE);
}

void CPreviewView::OnNextPage() {
    UINT nLastShown = m_nCurrentPage + (m_hPage[1] ? 1 : 0);
    if (nLastShown < m_nMaxPage) {
        ++m_nCurrentPage;
        ShowPages();
    }
    SetFocus();
}

void CPreviewView::OnPrevPage() {
    if (m_nCurrentPage > 1) {
        --m_nCurrentPage;
        ShowPages();
    }
    SetFocus();
}

void CPreviewView::OnNumPageChange() {
    m_nPages = m_nPages == 1 ? 2 : 1;
    m_pInfo->m_nNumPreviewPages = m_nPages;
    m_nZoom = 0;
    m_scroll = CPoint(0, 0);
    ShowPages();
    SetFocus();
}

void CPreviewView::OnZoomIn() {
    if (m_nZoom < kMaxZoom) {
        ++m_nZoom;
        ShowPages();
    }
    SetFocus();
}

void CPreviewView::OnZoomOut() {
    if (m_nZoom > 0) {
        --m_nZoom;
        if (m_nZoom == 0) m_scroll = CPoint(0, 0);
        ShowPages();
    }
    SetFocus();
}

void CPreviewView::OnPreviewClose() { ClosePreview(); }

void CPreviewView::OnPreviewPrint() {
    // The print goes through the view's own print command, after the preview.
    HWND hView = m_pPrintView->m_hWnd;
    ClosePreview();
    ::PostMessageA(hView, WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT, 0), 0);
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
        case VK_NEXT:
            OnNextPage();
            break;
        case VK_PRIOR:
            OnPrevPage();
            break;
        case VK_ESCAPE:
            ClosePreview();
            break;
        default:
            CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

// --- Toolbar ---

void CPreviewView::UpdateToolbar() {
    if (!m_hWnd) return;
    UINT nLastShown = m_nCurrentPage + (m_hPage[1] ? 1 : 0);
    m_btn[IDC_PREVIEW_NEXT - IDC_PREVIEW_PRINT].EnableWindow(m_hPage[0] && nLastShown < m_nMaxPage);
    m_btn[IDC_PREVIEW_PREV - IDC_PREVIEW_PRINT].EnableWindow(m_nCurrentPage > 1);
    m_btn[IDC_PREVIEW_NUMPAGE - IDC_PREVIEW_PRINT].SetWindowText(m_nPages == 1 ? WinMsg::kPreviewTwoPage
                                                                               : WinMsg::kPreviewOnePage);
    m_btn[IDC_PREVIEW_NUMPAGE - IDC_PREVIEW_PRINT].EnableWindow(m_nZoom == 0);
    m_btn[IDC_PREVIEW_ZOOMIN - IDC_PREVIEW_PRINT].EnableWindow(m_hPage[0] && m_nZoom < kMaxZoom);
    m_btn[IDC_PREVIEW_ZOOMOUT - IDC_PREVIEW_PRINT].EnableWindow(m_nZoom > 0);
    CString desc;
    if (m_hPage[1])
        desc.Format(WinMsg::kPreviewPages, m_nCurrentPage, m_nCurrentPage + 1, m_nMaxPage);
    else if (m_hPage[0])
        desc.Format(WinMsg::kPreviewPage, m_nCurrentPage, m_nMaxPage);
    m_pageDesc.SetWindowText(desc);
}

void CPreviewView::LayoutToolbar() {
    int x = 4;
    for (CButton& btn : m_btn) {
        btn.MoveWindow(x, (kBarHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight);
        x += kButtonWidth + 4;
    }
    m_pageDesc.MoveWindow(x + 8, (kBarHeight - kButtonHeight) / 2, 160, kButtonHeight);
}

void CPreviewView::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (!m_btn[0].m_hWnd) return;
    LayoutToolbar();
    UpdateScrollBars();
    Invalidate(TRUE);
}

// --- Geometry and painting ---

CRect CPreviewView::GetPageArea() const {
    CRect rc;
    GetClientRect(&rc);
    rc.top = std::min<LONG>(rc.bottom, rc.top + kBarHeight);
    return rc;
}

CSize CPreviewView::GetPageSize() const {
    // The page's shape in inches, from the printer.
    double w = static_cast<double>(m_dcPrint.GetDeviceCaps(HORZRES)) /
               std::max(1, m_dcPrint.GetDeviceCaps(LOGPIXELSX));
    double h = static_cast<double>(m_dcPrint.GetDeviceCaps(VERTRES)) /
               std::max(1, m_dcPrint.GetDeviceCaps(LOGPIXELSY));
    if (w <= 0 || h <= 0) return CSize(0, 0);
    CRect area = GetPageArea();
    int nShown = m_nZoom == 0 ? static_cast<int>(m_nPages) : 1;
    double availW = std::max(1.0, static_cast<double>(area.Width() - kMargin * (nShown + 1)) / nShown);
    double availH = std::max(1.0, static_cast<double>(area.Height() - 2 * kMargin));
    double scale = std::min(availW / w, availH / h);  // pixels per inch, whole page fits
    if (m_nZoom > 0) {
        double byWidth = static_cast<double>(area.Width() - 2 * kMargin) / w;  // page width fits
        scale = m_nZoom == 1 ? std::max(scale * 1.5, byWidth) : std::max(scale * 3, byWidth * 2);
    }
    return CSize(static_cast<int>(w * scale), static_cast<int>(h * scale));
}

CRect CPreviewView::GetPageRect(int nIndex) const {
    CRect area = GetPageArea();
    CSize page = GetPageSize();
    int nShown = m_hPage[1] ? 2 : 1;
    int total = nShown * page.cx + (nShown - 1) * kMargin;
    int x = std::max<int>(kMargin, (area.Width() - total) / 2) + nIndex * (page.cx + kMargin);
    int y = std::max<int>(kMargin, (area.Height() - page.cy) / 2);
    CRect rc(area.left + x, area.top + y, area.left + x + page.cx, area.top + y + page.cy);
    rc.OffsetRect(-m_scroll.x, -m_scroll.y);
    return rc;
}

void CPreviewView::UpdateScrollBars() {
    if (!m_hWnd) return;
    CRect area = GetPageArea();
    CSize page = GetPageSize();
    int needW = m_nZoom > 0 ? page.cx + 2 * kMargin : 0;
    int needH = m_nZoom > 0 ? page.cy + 2 * kMargin : 0;
    m_scroll.x = std::max(0, std::min<int>(m_scroll.x, needW - area.Width()));
    m_scroll.y = std::max(0, std::min<int>(m_scroll.y, needH - area.Height()));
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMax = needW > area.Width() ? needW - 1 : 0;
    si.nPage = needW > area.Width() ? area.Width() : 0;
    si.nPos = m_scroll.x;
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    ::ShowScrollBar(m_hWnd, SB_HORZ, needW > area.Width());
    si.nMax = needH > area.Height() ? needH - 1 : 0;
    si.nPage = needH > area.Height() ? area.Height() : 0;
    si.nPos = m_scroll.y;
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    ::ShowScrollBar(m_hWnd, SB_VERT, needH > area.Height());
}

void CPreviewView::ScrollBy(int nBar, int nCode, int nThumb) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!::GetScrollInfo(m_hWnd, nBar, &si)) return;
    int pos = si.nPos;
    int line = 40;
    switch (nCode) {
        case SB_LINEUP:
            pos -= line;
            break;
        case SB_LINEDOWN:
            pos += line;
            break;
        case SB_PAGEUP:
            pos -= static_cast<int>(si.nPage);
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(si.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = nThumb;
            break;
        case SB_TOP:
            pos = 0;
            break;
        case SB_BOTTOM:
            pos = si.nMax;
            break;
        default:
            return;
    }
    pos = std::max(0, std::min(pos, si.nMax - static_cast<int>(si.nPage) + 1));
    (nBar == SB_HORZ ? m_scroll.x : m_scroll.y) = pos;
    UpdateScrollBars();
    Invalidate(TRUE);
}

void CPreviewView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    ScrollBy(SB_HORZ, static_cast<int>(nSBCode), static_cast<int>(nPos));
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    ScrollBy(SB_VERT, static_cast<int>(nSBCode), static_cast<int>(nPos));
}

BOOL CPreviewView::OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    CRect bar = rc;
    bar.bottom = std::min<LONG>(rc.bottom, rc.top + kBarHeight);
    pDC->FillRect(&bar, ::GetSysColorBrush(COLOR_BTNFACE));
    CRect area = GetPageArea();
    pDC->FillRect(&area, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    return TRUE;
}

void CPreviewView::OnPaint() {
    CPaintDC dc(this);
    CRect area = GetPageArea();
    dc.IntersectClipRect(area.left, area.top, area.right, area.bottom);
    for (int i = 0; i < 2; ++i) {
        if (!m_hPage[i]) continue;
        CRect page = GetPageRect(i);
        CRect shadow = page;
        shadow.OffsetRect(kShadow, kShadow);
        dc.FillRect(&shadow, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
        dc.FillRect(&page, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        int nSaved = dc.SaveDC();
        PlayPage(dc.m_hDC, m_hPage[i], page);
        dc.RestoreDC(nSaved);
        CRect border = page;
        border.InflateRect(1, 1);
        ::FrameRect(dc.m_hDC, &border, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
}
