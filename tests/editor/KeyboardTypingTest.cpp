// Typing into the grids on the keyboard: key presses go through the
// system's input queue to the window that has the focus, and the program's
// own message loop (PreTranslateMessage, the accelerators, TranslateMessage)
// turns them into the characters the cell editor sees. The other editor
// tests hand WM_CHAR straight to the editor and would miss a key that the
// loop swallows or that lands in another window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "editor/CorvScrollBar.h"
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "framework/win/App.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

INPUT KeyInput(WORD vk, bool bUp) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Presses and releases each key in turn (with Shift where the character
// needs it), then lets the program's loop handle what arrived.
void SendKeys(const std::vector<WORD>& keys, const std::vector<bool>& shifted) {
    std::vector<INPUT> inputs;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (shifted[i]) inputs.push_back(KeyInput(VK_SHIFT, false));
        inputs.push_back(KeyInput(keys[i], false));
        inputs.push_back(KeyInput(keys[i], true));
        if (shifted[i]) inputs.push_back(KeyInput(VK_SHIFT, true));
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages(50);
}

void TypeOnKeyboard(const char* pszText) {
    std::vector<WORD> keys;
    std::vector<bool> shifted;
    for (const char* p = pszText; *p; ++p) {
        const SHORT scan = ::VkKeyScanA(*p);
        ASSERT_NE(scan, -1) << "no key for '" << *p << "'";
        keys.push_back(LOBYTE(scan));
        shifted.push_back((HIBYTE(scan) & 1) != 0);
    }
    SendKeys(keys, shifted);
}

void PressOnKeyboard(WORD vk) { SendKeys({vk}, {false}); }

class KeyboardTyping : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        // The keyboard reaches only the foreground window's thread.
        HWND hMain = AfxGetMainWnd()->m_hWnd;
        ::SetForegroundWindow(hMain);
        PumpMessages();
        ASSERT_EQ(::GetForegroundWindow(), hMain);
        m_pView->m_bArrowControl = FALSE;
    }
    int SummaryField(const char* pszName) const { return m_pDoc->m_pSummaryStruct->FindField(pszName); }
    int DetailField(const char* pszName) const { return m_pDoc->m_pDetailStruct->FindField(pszName); }
};

}  // namespace

TEST_F(KeyboardTyping, TextTypedIntoASummaryCellIsCommittedAndTheKeysMoveOn) {
    Click(m_pView, SummaryCellPoint(m_pView, "Operator", 0));
    ASSERT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    TypeOnKeyboard("Ann Lee");
    EXPECT_EQ(m_pEdit->GetWindowText(), "Ann Lee");
    // Tab goes to the grid, not into the text: it commits and moves right.
    PressOnKeyboard(VK_TAB);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Operator"), "Ann Lee");
    EXPECT_EQ(m_pEdit->m_nCol, SummaryField("Cost"));
    EXPECT_TRUE(m_pDoc->IsModified());

    // A number field keeps only what a number may hold; Enter commits and
    // the editor stays on its cell.
    Click(m_pView, SummaryCellPoint(m_pView, "Qty", 0));
    TypeOnKeyboard("a1b2");
    EXPECT_EQ(m_pEdit->GetWindowText(), "12");
    PressOnKeyboard(VK_RETURN);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Qty"), "12");
    EXPECT_EQ(m_pEdit->m_nCol, SummaryField("Qty"));
    EXPECT_TRUE(m_pEdit->IsWindowVisible());
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);

    // Down commits into the next line, Left and Right step between cells.
    Click(m_pView, SummaryCellPoint(m_pView, "Net", 0));
    TypeOnKeyboard("80");
    PressOnKeyboard(VK_DOWN);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Net"), "80.00");
    EXPECT_EQ(m_pEdit->m_nRow, 1);
    PressOnKeyboard(VK_LEFT);
    EXPECT_EQ(m_pEdit->m_nCol, SummaryField("Detail Net"));
    PressOnKeyboard(VK_RIGHT);
    EXPECT_EQ(m_pEdit->m_nCol, SummaryField("Net"));
}

TEST_F(KeyboardTyping, TheSummaryFieldsThatTheDetailLinesFillTakeNoTyping) {
    for (const char* pszName : {"Description", "Cost", "List"}) {
        SCOPED_TRACE(pszName);
        Click(m_pView, SummaryCellPoint(m_pView, pszName, 0));
        ASSERT_EQ(::GetFocus(), m_pEdit->m_hWnd);
        TypeOnKeyboard("12");
        EXPECT_EQ(m_pEdit->GetWindowText(), "");
        PressOnKeyboard(VK_TAB);
        EXPECT_EQ(SummaryText(m_pDoc, 0, pszName), "");
    }
    EXPECT_FALSE(m_pDoc->IsModified());
}

TEST_F(KeyboardTyping, PricesTypedIntoADetailLineAreRecomputedAndRolledUp) {
    RightClick(m_pView, SummaryCellPoint(m_pView, "Itm", 0));  // opens the Detail window
    CDetailWnd* pDetail = m_pView->m_pDetailWnd.get();
    ASSERT_TRUE(pDetail->IsWindowVisible());
    CEditWnd* pEdit = pDetail->m_pEditWnd.get();
    ASSERT_NE(pEdit, nullptr);
    const int nCost = DetailField("cost");
    int x = m_pView->m_nLeftMargin;
    for (int c = pDetail->m_pHScroll->GetScrollPos(); c < nCost; ++c) x += m_pView->m_pDetWidths[c];
    Click(pDetail, POINT{x + 3, m_pView->m_nRowHeight + 5 + 3});
    ASSERT_EQ(pEdit->m_nCol, nCost);
    ASSERT_EQ(::GetFocus(), pEdit->m_hWnd);

    TypeOnKeyboard("60");
    PressOnKeyboard(VK_TAB);
    TypeOnKeyboard("100");
    PressOnKeyboard(VK_TAB);
    TypeOnKeyboard("80");
    PressOnKeyboard(VK_RETURN);
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "cost"), "60.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "list"), "100.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "net"), "80.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "mult"), "0.8000");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "margin"), "25.00");
    EXPECT_EQ(pEdit->m_nCol, DetailField("net"));

    // Tab walks on to a text field, which takes every character, blanks
    // and capitals included; Down commits it on the way to a new line.
    for (int i = 0; i < 4; ++i) PressOnKeyboard(VK_TAB);
    ASSERT_EQ(pEdit->m_nCol, DetailField("PartNumber"));
    TypeOnKeyboard("BV-2 Ball");
    PressOnKeyboard(VK_DOWN);
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "PartNumber"), "BV-2 Ball");
    EXPECT_EQ(pEdit->m_nRow, 1);

    // Closing the window rolls the Detail prices up into the Summary line.
    pDetail->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_FALSE(pDetail->IsWindowVisible());
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Cost"), "60.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "List"), "100.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Detail Net"), "80.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Net"), "80.00");
}

namespace {
// Set by a timer that runs inside any menu loop the context menu starts.
bool g_bMenuShown = false;
void CALLBACK CloseMenuIfShown(HWND, UINT, UINT_PTR, DWORD) {
    if (::FindWindowA("#32768", nullptr)) {
        g_bMenuShown = true;
        ::EndMenu();
    }
}
}  // namespace

TEST_F(KeyboardTyping, AMouseContextMenuOverTheCellEditorShowsNoEditMenu) {
    Click(m_pView, SummaryCellPoint(m_pView, "Operator", 0));
    ASSERT_TRUE(m_pEdit->IsWindowVisible());
    CRect rc;
    m_pEdit->GetWindowRect(&rc);
    g_bMenuShown = false;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, CloseMenuIfShown);
    // What the system sends after the right button comes up over the editor.
    m_pEdit->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_pEdit->m_hWnd),
                         MAKELPARAM(rc.left + 4, rc.top + 4));
    PumpMessages(300);
    ::KillTimer(nullptr, nTimer);
    EXPECT_FALSE(g_bMenuShown);
}
