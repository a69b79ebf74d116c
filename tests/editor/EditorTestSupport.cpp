#include "tests/editor/EditorTestSupport.h"

#include <gtest/gtest.h>

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
