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

class KeyboardTyping : public KeyboardJobWindowTest {
protected:
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

TEST_F(KeyboardTyping, EveryFieldTabbedToTakesWhatWasTypedUnderItsOwnHeading) {
    CTableStruct* pLayout = m_pDoc->m_pSummaryStruct;
    const int nFields = pLayout->GetSize();
    // Prices as the line's Detail lines would give it, so that each typed
    // price stands beside the ones the price rules make of it.
    PutSummary(m_pDoc, 0, "Cost", "60.00");
    PutSummary(m_pDoc, 0, "List", "100.00");
    m_pView->Invalidate();
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    std::vector<bool> typedInto(nFields, false);
    for (int nCol = 0; nCol < nFields; ++nCol) {
        SCOPED_TRACE(pLayout->GetFieldName(nCol).GetString());
        // The grid shows what a full repaint draws, and the edit box stands
        // under the field's own heading, which is wholly on screen.
        const CRect rcGrid = m_pView->GetClientRectLessBars();
        ASSERT_EQ(PixelsUnlikeAFullRepaint(m_pView, rcGrid), 0);
        ASSERT_EQ(m_pEdit->m_nCol, nCol);
        ASSERT_TRUE(m_pEdit->IsWindowVisible());
        ExpectEditorOnItsCell(m_pEdit, rcGrid, m_pView->m_nVisibleRows);
        const CRect rcCell = m_pEdit->GetCellRect();
        EXPECT_GE(rcCell.left - 2, m_pView->m_nLeftMargin);
        EXPECT_LE(rcCell.right + 2, rcGrid.right);

        std::string strTyped;
        if (!(m_pEdit->GetStyle() & ES_READONLY)) {
            // A value the field keeps as typed: a number in its own precision, else two letters.
            const int nPrecision = pLayout->GetFieldPrecision(nCol);
            if (pLayout->GetFieldType(nCol) == 'N')
                strTyped = std::to_string(10 + nCol) + (nPrecision ? "." + std::string(nPrecision, '0') : "");
            else
                strTyped = {static_cast<char>('A' + nCol / 10), static_cast<char>('a' + nCol % 10)};
            TypeOnKeyboard(strTyped.c_str());
            typedInto[nCol] = true;
        }
        PressOnKeyboard(VK_TAB);  // past the right edge on the last field
        if (nCol == nFields - 1) m_pView->CommitEdit();
        if (!strTyped.empty()) {
            EXPECT_EQ(SummaryText(m_pDoc, 0, pLayout->GetFieldName(nCol)), strTyped);
        }
    }
    for (int nCol = 0; nCol < nFields; ++nCol)
        EXPECT_EQ(typedInto[nCol], pLayout->GetFieldFlag(nCol) == 0)
            << pLayout->GetFieldName(nCol).GetString();
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
