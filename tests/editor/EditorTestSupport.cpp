#include "tests/editor/EditorTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/GridGeometry.h"
#include "framework/core/MessageBox.h"
#include "framework/win/App.h"
#include "framework/win/Frame.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/app/AppTestSupport.h"

namespace {

// Starts the program once, as its WinMain does, on a fresh INI file.
class EditorEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        UseFreshProfile("editor.ini");
        MessageBoxHook previous = AfxSetMessageBoxHook([](const char*, UINT) { return IDOK; });
        TestApp().InitInstance();
        AfxSetMessageBoxHook(std::move(previous));
        PumpMessages(900);  // the splash window hides itself
    }
    void TearDown() override {
        CloseAllJobs();
        if (CWnd* pMain = AfxGetMainWnd()) pMain->DestroyWindow();
        RemoveTestDir();
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new EditorEnvironment);

}  // namespace

JobWindow OpenNewJob() {
    CloseAllJobs();
    TestApp().OnFileNew();
    PumpMessages();
    JobWindow job;
    if (OpenJobs().empty()) return job;
    job.pDoc = OpenJobs().back();
    job.pView = dynamic_cast<CCorvView*>(job.pDoc->GetViews().at(0));
    // New windows cascade down and right, each smaller than the one before
    // until the cascade starts again; every test's job window gets the same
    // place and size instead (the full width, three quarters of the height),
    // so its grids do not depend on the tests that ran earlier.
    CFrameWnd* pFrame = job.pView ? job.pView->GetParentFrame() : nullptr;
    HWND hClient = pFrame ? ::GetParent(pFrame->m_hWnd) : nullptr;
    if (hClient) {
        RECT rc = {};
        ::GetClientRect(hClient, &rc);
        pFrame->MoveWindow(0, 0, rc.right, rc.bottom * 3 / 4, TRUE);
        PumpMessages();
    }
    // The Detail window took its size from the view as the view was made;
    // it gets the size it would have had in the view's new place.
    CWnd* pDetail = job.pView ? job.pView->m_pDetailWnd.get() : nullptr;
    if (pDetail && pDetail->m_hWnd) {
        RECT rc = {};
        job.pView->GetClientRect(&rc);
        const int nTop = rc.top + (rc.bottom - rc.top) / 3;
        pDetail->MoveWindow(rc.left, nTop, rc.right - Grid::kBarSize - rc.left,
                            rc.bottom - Grid::kBarSize - nTop, FALSE);
        PumpMessages();
    }
    return job;
}

std::string SummaryText(CCorvDoc* pDoc, int nRow, const char* pszField) {
    return pDoc->m_pTable->GetRecord(nRow)->GetFieldByName(pszField)->GetText().GetString();
}

void PutSummary(CCorvDoc* pDoc, int nRow, const char* pszField, const char* pszText) {
    pDoc->m_pTable->GetRecord(nRow)->GetFieldByName(pszField)->SetText(pszText);
}

std::string DetailText(CCorvDoc* pDoc, int nRow, int nDetailRow, const char* pszField) {
    CTable* pDetail = pDoc->m_pTable->GetRecord(nRow)->GetChild();
    return pDetail->GetRecord(nDetailRow)->GetFieldByName(pszField)->GetText().GetString();
}

void PutDetail(CCorvDoc* pDoc, int nRow, int nDetailRow, const char* pszField, const char* pszText) {
    CTable* pDetail = pDoc->m_pTable->GetRecord(nRow)->GetChild();
    while (pDetail->GetSize() <= nDetailRow) pDetail->AddRecord();
    pDetail->GetRecord(nDetailRow)->GetFieldByName(pszField)->SetText(pszText);
}

POINT SummaryCellPoint(CCorvView* pView, const char* pszField, int nVisibleRow) {
    const int nField = pView->GetDocument()->m_pSummaryStruct->FindField(pszField);
    const int nFirst = pView->m_pHScroll->GetScrollPos();
    int x = pView->m_nLeftMargin;
    for (int c = nFirst; c < nField; ++c) x += pView->m_pSumWidths[c];
    return POINT{x + pView->m_pSumWidths[nField] / 2, (nVisibleRow + 1) * pView->m_nRowHeight + 5 + 3};
}

void Click(CWnd* pWnd, POINT pt) {
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    pWnd->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpMessages();
}

void RightClick(CWnd* pWnd, POINT pt) {
    pWnd->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    pWnd->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpMessages();
}

void PressKey(UINT nVirtualKey) {
    HWND hFocus = ::GetFocus();
    ::SendMessageA(hFocus, WM_KEYDOWN, nVirtualKey, 1);
    PumpMessages();
}

void TypeText(CWnd* pEdit, const char* pszText) {
    for (const char* p = pszText; *p; ++p) pEdit->SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
}

void JobWindowTest::MakeThreeLines() {
    while (m_pDoc->m_pTable->GetSize() < 3) m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
    m_pView->m_pVScroll->SetScrollRange(0, 2);
}

namespace {

INPUT KeyInput(WORD vk, bool bUp) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Presses and releases each key in turn (with its modifier held where it
// has one), then lets the program's loop handle what arrived.
void SendKeys(const std::vector<WORD>& keys, const std::vector<WORD>& modifiers) {
    std::vector<INPUT> inputs;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (modifiers[i]) inputs.push_back(KeyInput(modifiers[i], false));
        inputs.push_back(KeyInput(keys[i], false));
        inputs.push_back(KeyInput(keys[i], true));
        if (modifiers[i]) inputs.push_back(KeyInput(modifiers[i], true));
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages(50);
}

// The client pixels of rc as the window shows them now.
std::vector<DWORD> Pixels(HWND hWnd, const RECT& rc) {
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return {};
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC hdc = ::GetDC(hWnd);
    HDC hMem = ::CreateCompatibleDC(hdc);
    void* pBits = nullptr;
    HBITMAP hBmp = ::CreateDIBSection(hMem, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, w, h, hdc, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(pBits);
    std::vector<DWORD> pixels(p, p + static_cast<size_t>(w) * h);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::ReleaseDC(hWnd, hdc);
    return pixels;
}

}  // namespace

void BringMainWindowToFront() {
    HWND hMain = AfxGetMainWnd()->m_hWnd;
    ::SetForegroundWindow(hMain);
    PumpMessages();
    ASSERT_EQ(::GetForegroundWindow(), hMain);
}

void TypeOnKeyboard(const char* pszText) {
    std::vector<WORD> keys, modifiers;
    for (const char* p = pszText; *p; ++p) {
        const SHORT scan = ::VkKeyScanA(*p);
        ASSERT_NE(scan, -1) << "no key for '" << *p << "'";
        keys.push_back(LOBYTE(scan));
        modifiers.push_back((HIBYTE(scan) & 1) != 0 ? VK_SHIFT : 0);
    }
    SendKeys(keys, modifiers);
}

void PressOnKeyboard(WORD vk, WORD modifier) { SendKeys({vk}, {modifier}); }

int PixelsUnlikeAFullRepaint(CWnd* pWnd, const RECT& rc) {
    PumpMessages();
    ::HideCaret(nullptr);
    const std::vector<DWORD> shown = Pixels(pWnd->m_hWnd, rc);
    ::RedrawWindow(pWnd->m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const std::vector<DWORD> repainted = Pixels(pWnd->m_hWnd, rc);
    ::ShowCaret(nullptr);
    int nUnlike = 0;
    for (size_t i = 0; i < shown.size(); ++i) nUnlike += shown[i] != repainted[i];
    return nUnlike;
}

void ExpectEditorOnItsCell(CEditWnd* pEdit, const RECT& rcGrid, int nVisibleRows) {
    CCorvView* pView = pEdit->m_pView;
    const int nFields = pEdit->m_pTable->GetTableStruct()->GetSize();
    const int nFirstCol = pEdit->m_pHScroll->GetScrollPos();
    const int nFirstLine = pEdit->m_pVScroll->GetScrollPos();
    RECT rcCell = {}, rcShown = {};
    bool bOnScreen = false;
    if (pEdit->HasCurrentField()) {
        rcCell = Grid::CellRect(pEdit->m_pWidths, pEdit->m_nCol, pEdit->m_nRow, nFirstCol, nFirstLine,
                                pView->m_nLeftMargin, pView->m_nRowHeight);
        const int nLimit =
            Grid::ColumnLimit(pEdit->m_pWidths, nFields, nFirstCol, pView->m_nLeftMargin, rcGrid.right);
        bOnScreen = pEdit->m_nCol >= nFirstCol && pEdit->m_nCol < nLimit && pEdit->m_nRow >= nFirstLine &&
                    pEdit->m_nRow < nFirstLine + nVisibleRows &&
                    ::IntersectRect(&rcShown, &rcCell, &rcGrid) &&
                    (pEdit->IsDetailEditor() || !pView->IsDetailVisible());
    }
    ASSERT_EQ(pEdit->IsWindowVisible() != FALSE, bOnScreen)
        << "cell " << pEdit->m_nCol << "," << pEdit->m_nRow << " from " << nFirstCol << "," << nFirstLine;
    if (!bOnScreen) return;
    CRect rc;
    pEdit->GetWindowRect(&rc);
    ::MapWindowPoints(nullptr, ::GetParent(pEdit->m_hWnd), reinterpret_cast<LPPOINT>(&rc), 2);
    EXPECT_EQ(rc, CRect(rcCell));
    EXPECT_EQ(::GetFocus(), pEdit->m_hWnd);
}
