// Whatever moves a grid, the window then shows what a full repaint of it
// draws, with the edit box over the cell that takes the typing: keys that
// jump to either end, step past an edge or page, the scroll bars' clicks and
// drags, resizing, reopening the Detail window, and the line dialog's Next.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "framework/win/Frame.h"
#include "res/editor_lines_ids.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/LineDialogTestSupport.h"

namespace {

struct Move {
    const char* pszName;
    std::function<void()> run;
    int nTimes;
};

class GridRepaint : public KeyboardJobWindowTest {
protected:
    void SetUp() override {
        KeyboardJobWindowTest::SetUp();
        CDialog::ClearTestHooks();
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        KeyboardJobWindowTest::TearDown();
    }
    CDetailWnd* Detail() const { return m_pView->m_pDetailWnd.get(); }

    // Each move in turn, each as often as it says; after every one the grid
    // in front (the Detail window while it shows) is checked.
    void RunMoves(const std::vector<Move>& moves) {
        for (const Move& move : moves) {
            for (int i = 0; i < move.nTimes; ++i) {
                SCOPED_TRACE(::testing::Message() << move.pszName << " #" << i + 1);
                move.run();
                if (Detail()->IsWindowVisible()) {
                    EXPECT_EQ(PixelsUnlikeAFullRepaint(Detail(), Detail()->GetGridRect()), 0);
                    ExpectEditorOnItsCell(Detail()->m_pEditWnd.get(), Detail()->GetGridRect(),
                                          Detail()->m_nVisibleRows);
                } else {
                    EXPECT_EQ(PixelsUnlikeAFullRepaint(m_pView, m_pView->GetClientRectLessBars()), 0);
                    ExpectEditorOnItsCell(m_pEdit, m_pView->GetClientRectLessBars(), m_pView->m_nVisibleRows);
                }
                if (HasFatalFailure()) return;
            }
        }
    }
    static std::function<void()> Key(WORD vk, WORD modifier = 0) {
        return [vk, modifier] {
            PressOnKeyboard(vk, modifier);
        };
    }
    // What a click or a drag on one of the grid window's bars sends it.
    static std::function<void()> Bar(CWnd* pGrid, CScrollBar* pBar, UINT nCode, int nPos = 0) {
        return [=] {
            pGrid->SendMessage((pBar->GetStyle() & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL,
                               MAKEWPARAM(nCode, nPos), reinterpret_cast<LPARAM>(pBar->m_hWnd));
            PumpMessages();
        };
    }
    static std::function<void()> Size(CWnd* pWnd, int cx, int cy) {
        return [=] {
            CRect rc;
            pWnd->GetWindowRect(&rc);
            ::MapWindowPoints(nullptr, ::GetParent(pWnd->m_hWnd), reinterpret_cast<LPPOINT>(&rc), 2);
            pWnd->MoveWindow(rc.left, rc.top, cx, cy, TRUE);
            PumpMessages();
        };
    }
    static std::function<void()> Show(CWnd* pWnd, int nCmd) {
        return [=] {
            pWnd->ShowWindow(nCmd);
            PumpMessages();
        };
    }
};

}  // namespace

TEST_F(GridRepaint, TheSummaryGridShowsWhatAFullRepaintDrawsAfterEveryMove) {
    Click(m_pView, SummaryCellPoint(m_pView, "Qty", 0));
    TypeOnKeyboard("7");
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    CFrameWnd* pFrame = m_pView->GetParentFrame();
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    const int R = m_pView->m_nVisibleRows;
    CScrollBar* pH = m_pView->m_pHScroll.get();
    CScrollBar* pV = m_pView->m_pVScroll.get();
    const auto nextOnTheLastRow = [this, R] {
        Click(m_pView, SummaryCellPoint(m_pView, "Qty", R - 1));
        CDialog::SetTestHook([](CDialog& d) { Press(d, IDC_SL_NEXT); });
        CDialog::SetTestHook([](CDialog& d) { Press(d, IDCANCEL); });
        m_pView->OnViewLine();
        PumpMessages();
    };
    RunMoves({
        {"End", Key(VK_END), 1},
        {"Home", Key(VK_HOME), 1},
        {"Tab", Key(VK_TAB), 30},
        {"Shift+Tab", Key(VK_TAB, VK_SHIFT), 30},
        {"Right", Key(VK_RIGHT), 14},
        {"Left", Key(VK_LEFT), 15},
        {"Down", Key(VK_DOWN), R + 2},
        {"Up", Key(VK_UP), R + 3},
        {"Page Down", Key(VK_NEXT), 2},
        {"Page Up", Key(VK_PRIOR), 2},
        {"line right", Bar(m_pView, pH, SB_LINERIGHT), 2},
        {"page right", Bar(m_pView, pH, SB_PAGERIGHT), 2},
        {"page left", Bar(m_pView, pH, SB_PAGELEFT), 3},
        {"drag right", Bar(m_pView, pH, SB_THUMBTRACK, 20), 1},
        {"drag left", Bar(m_pView, pH, SB_THUMBTRACK, 0), 1},
        {"line down", Bar(m_pView, pV, SB_LINEDOWN), 2},
        {"page down", Bar(m_pView, pV, SB_PAGEDOWN), 1},
        {"drag down", Bar(m_pView, pV, SB_THUMBTRACK, R + 2), 1},
        {"drag up", Bar(m_pView, pV, SB_THUMBTRACK, 0), 1},
        {"narrower", Size(pFrame, rcFrame.Width() / 2, rcFrame.Height()), 1},
        {"End", Key(VK_END), 1},
        {"wider", Size(pFrame, rcFrame.Width(), rcFrame.Height()), 1},
        {"maximized", Show(pFrame, SW_MAXIMIZE), 1},
        {"Home", Key(VK_HOME), 1},
        {"restored", Show(pFrame, SW_RESTORE), 1},
        {"Line View's Next on the last row", nextOnTheLastRow, 1},
    });
}

TEST_F(GridRepaint, TheDetailGridShowsWhatAFullRepaintDrawsAfterEveryMove) {
    const auto open = [this] {
        RightClick(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    };
    open();
    ASSERT_TRUE(Detail()->IsWindowVisible());
    const auto clickFirstCell = [this] {
        Click(Detail(), POINT{m_pView->m_nLeftMargin + 3, m_pView->m_nRowHeight + 5 + 3});
    };
    clickFirstCell();
    const auto reopen = [&] {
        Detail()->SendMessage(WM_CLOSE);
        PumpMessages();
        open();
        clickFirstCell();
    };
    CRect rcDetail;
    Detail()->GetWindowRect(&rcDetail);
    const int R = Detail()->m_nVisibleRows;
    CScrollBar* pH = Detail()->m_pHScroll.get();
    CScrollBar* pV = Detail()->m_pVScroll.get();
    RunMoves({
        {"End", Key(VK_END), 1},
        {"reopened after a scroll", reopen, 1},
        {"Home", Key(VK_HOME), 1},
        {"Tab", Key(VK_TAB), 17},
        {"Shift+Tab", Key(VK_TAB, VK_SHIFT), 17},
        {"Down", Key(VK_DOWN), R + 2},
        {"Page Up", Key(VK_PRIOR), 2},
        {"Page Down", Key(VK_NEXT), 2},
        {"Up", Key(VK_UP), R + 3},
        {"page right", Bar(Detail(), pH, SB_PAGERIGHT), 2},
        {"drag right", Bar(Detail(), pH, SB_THUMBTRACK, 12), 1},
        {"reopened after a scroll", reopen, 1},
        {"drag left", Bar(Detail(), pH, SB_THUMBTRACK, 0), 1},
        {"line right", Bar(Detail(), pH, SB_LINERIGHT), 4},
        {"page left", Bar(Detail(), pH, SB_PAGELEFT), 1},
        {"drag down", Bar(Detail(), pV, SB_THUMBTRACK, R + 2), 1},
        {"line up", Bar(Detail(), pV, SB_LINEUP), 1},
        {"narrower", Size(Detail(), rcDetail.Width() / 2, rcDetail.Height()), 1},
        {"Tab", Key(VK_TAB), 6},
        {"wider", Size(Detail(), rcDetail.Width(), rcDetail.Height()), 1},
        {"maximized", Show(Detail(), SW_MAXIMIZE), 1},
        {"End", Key(VK_END), 1},
        {"restored", Show(Detail(), SW_RESTORE), 1},
    });
}
