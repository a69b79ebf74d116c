// The print preview: pages on demand in any order, the toolbar's moves,
// the page count learnt from page 1, and the job window as it was after Close.
#include <windows.h>

#include <algorithm>

#include "framework/win/MDI.h"
#include "framework/win/PreviewView.h"
#include "framework/win/PrintDialog.h"
#include "framework/win/StdIds.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"
#include "tests/print/PrintFixture.h"

using Log = std::vector<std::string>;

namespace {

// The texts a recorded page draws, in order.
std::vector<std::string> MetafileTexts(HENHMETAFILE hMeta) {
    std::vector<std::string> texts;
    auto collect = [](HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam) -> int {
        auto* pTexts = reinterpret_cast<std::vector<std::string>*>(lParam);
        if (pRecord->iType == EMR_EXTTEXTOUTW) {
            auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
            auto* pChars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(pRecord) +
                                                            pText->emrtext.offString);
            char buf[512] = "";
            ::WideCharToMultiByte(CP_ACP, 0, pChars, static_cast<int>(pText->emrtext.nChars), buf,
                                  sizeof buf - 1, nullptr, nullptr);
            pTexts->push_back(buf);
        } else if (pRecord->iType == EMR_EXTTEXTOUTA) {
            auto* pText = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord);
            pTexts->push_back(std::string(reinterpret_cast<const char*>(pRecord) + pText->emrtext.offString,
                                          pText->emrtext.nChars));
        }
        return 1;
    };
    ::EnumEnhMetaFile(nullptr, hMeta, collect, &texts, nullptr);
    return texts;
}

}  // namespace

class PreviewTest : public PrintTest {
protected:
    CPreviewView* Preview() const { return m_pView->GetPreviewView(); }
    void Click(int nID) {
        ASSERT_NE(Preview(), nullptr);
        Preview()->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
        PumpMessages();
    }
    std::vector<std::string> ShownTexts(int nIndex) const {
        return MetafileTexts(Preview()->GetPageMetafile(nIndex));
    }
    bool ButtonEnabled(int nID) const {
        return ::IsWindowEnabled(::GetDlgItem(Preview()->m_hWnd, nID)) != FALSE;
    }
};

TEST_F(PreviewTest, OpensOnPageOneWithTheCountLearntThereAndHidesTheView) {
    SKIP_WITHOUT_PRINTER();
    CFrameWnd* pFrame = m_pView->GetParentFrame();
    UINT nViewID = static_cast<UINT>(m_pView->GetDlgCtrlID());
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);

    EXPECT_EQ(m_pView->m_log, Log({"prepare", "begin", "dc 1", "print 1"}));
    EXPECT_EQ(Preview()->GetCurrentPage(), 1u);
    EXPECT_EQ(Preview()->GetPageCount(), 3u);
    EXPECT_EQ(ShownTexts(0), Log({CPrintTestView::PageText(1).GetString()}));
    EXPECT_FALSE(m_pView->IsWindowVisible());
    EXPECT_TRUE(Preview()->IsWindowVisible());
    EXPECT_EQ(::GetParent(Preview()->m_hWnd), pFrame->m_hWnd);
    // It fills the frame as the view did.
    CRect frameClient, preview;
    pFrame->GetClientRect(&frameClient);
    Preview()->GetClientRect(&preview);
    EXPECT_EQ(preview.Width() + ::GetSystemMetrics(SM_CXVSCROLL) * 0, frameClient.Width());
    EXPECT_FALSE(ButtonEnabled(CPreviewView::IDC_PREVIEW_PREV));
    EXPECT_TRUE(ButtonEnabled(CPreviewView::IDC_PREVIEW_NEXT));

    // Preview draws with the printer's measure, in device units on every page.
    ASSERT_EQ(m_pView->m_pages.size(), 1u);
    EXPECT_TRUE(m_pView->m_pages[0].bPreview);
    EXPECT_EQ(m_pView->m_pages[0].rectDraw, CRect(0, 0, m_pView->m_nBeginWidth, m_pView->m_nBeginHeight));
    EXPECT_EQ(m_pView->m_pages[0].nDeviceWidth, m_pView->m_nBeginWidth);

    Click(CPreviewView::IDC_PREVIEW_CLOSE);
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(m_pView->m_log.back(), "end");
    EXPECT_EQ(m_pView->m_log[m_pView->m_log.size() - 2], "endpreview");
    EXPECT_TRUE(m_pView->IsWindowVisible());
    EXPECT_EQ(static_cast<UINT>(m_pView->GetDlgCtrlID()), nViewID);
    EXPECT_EQ(::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST), m_pView->m_hWnd);
    CRect view;
    m_pView->GetClientRect(&view);
    EXPECT_GT(view.Height(), 0);
}

TEST_F(PreviewTest, APageIsPlayedOnScreenWhereItLiesOnPaper) {
    SKIP_WITHOUT_PRINTER();
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    // The page at 100 pixels per inch: the view's text starts one inch from
    // the left and one inch down (100, -100 in hundredths of an inch).
    CSize page(m_pView->m_nBeginWidth * 100 / ::GetDeviceCaps(Preview()->GetPrinterDC()->m_hDC, LOGPIXELSX),
               m_pView->m_nBeginHeight * 100 / ::GetDeviceCaps(Preview()->GetPrinterDC()->m_hDC, LOGPIXELSY));
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, page.cx, page.cy);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    RECT rc{0, 0, page.cx, page.cy};
    ::FillRect(hMem, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    CPreviewView::PlayPage(hMem, Preview()->GetPageMetafile(0), rc);
    CRect ink(page.cx, page.cy, -1, -1);
    for (int y = 0; y < page.cy; ++y)
        for (int x = 0; x < page.cx; ++x)
            if (::GetPixel(hMem, x, y) != RGB(255, 255, 255)) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x);
                ink.bottom = std::max<LONG>(ink.bottom, y);
            }
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    EXPECT_NEAR(ink.left, 100, 6);
    EXPECT_NEAR(ink.top, 100, 8);
    // 20 hundredths of an inch high letters: about 0.2 inch of ink.
    EXPECT_NEAR(ink.Height(), 18, 6);
    EXPECT_GT(ink.Width(), 150);
    Click(CPreviewView::IDC_PREVIEW_CLOSE);
}

TEST_F(PreviewTest, NextAndPrevMoveAndEveryPageIsDrawnAgainWhenShown) {
    SKIP_WITHOUT_PRINTER();
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    Click(CPreviewView::IDC_PREVIEW_NEXT);
    EXPECT_EQ(Preview()->GetCurrentPage(), 2u);
    Click(CPreviewView::IDC_PREVIEW_NEXT);
    EXPECT_EQ(Preview()->GetCurrentPage(), 3u);
    EXPECT_EQ(ShownTexts(0), Log({CPrintTestView::PageText(3).GetString()}));
    EXPECT_FALSE(ButtonEnabled(CPreviewView::IDC_PREVIEW_NEXT));
    Click(CPreviewView::IDC_PREVIEW_NEXT);  // beyond the last page: stays
    EXPECT_EQ(Preview()->GetCurrentPage(), 3u);

    Click(CPreviewView::IDC_PREVIEW_PREV);
    Click(CPreviewView::IDC_PREVIEW_PREV);
    EXPECT_EQ(Preview()->GetCurrentPage(), 1u);
    // Page 1 is printed afresh after page 3, and looks as it did first.
    EXPECT_EQ(m_pView->m_log, Log({"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "dc 3",
                                   "print 3", "dc 2", "print 2", "dc 1", "print 1"}));
    EXPECT_EQ(ShownTexts(0), Log({CPrintTestView::PageText(1).GetString()}));
    for (const auto& page : m_pView->m_pages) EXPECT_EQ(page.rectDraw, m_pView->m_pages[0].rectDraw);

    // Coming back to the window from another one, the keyboard is the preview's.
    CFrameWnd* pFrame = m_pView->GetParentFrame();
    ASSERT_NE(m_pPrintTemplate->OpenDocumentFile(nullptr), nullptr);
    PumpMessages();
    m_pMain->MDIActivate(pFrame);
    PumpMessages();
    EXPECT_EQ(::GetFocus(), Preview()->m_hWnd);

    // The keyboard pages too.
    Preview()->SendMessage(WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(Preview()->GetCurrentPage(), 2u);
    Preview()->SendMessage(WM_KEYDOWN, VK_PRIOR);
    EXPECT_EQ(Preview()->GetCurrentPage(), 1u);
    Preview()->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(Preview(), nullptr);
}

TEST_F(PreviewTest, TwoPagesSideBySideAndZoom) {
    SKIP_WITHOUT_PRINTER();
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    Click(CPreviewView::IDC_PREVIEW_NUMPAGE);
    EXPECT_EQ(Preview()->GetPagesShown(), 2u);
    EXPECT_EQ(ShownTexts(1), Log({CPrintTestView::PageText(2).GetString()}));
    Click(CPreviewView::IDC_PREVIEW_NEXT);
    EXPECT_EQ(Preview()->GetCurrentPage(), 2u);
    EXPECT_EQ(ShownTexts(1), Log({CPrintTestView::PageText(3).GetString()}));
    // Pages 2 and 3 of 3 are shown: there is no next.
    EXPECT_FALSE(ButtonEnabled(CPreviewView::IDC_PREVIEW_NEXT));

    // Zoom shows one page larger; zoom out returns.
    Click(CPreviewView::IDC_PREVIEW_ZOOMIN);
    EXPECT_EQ(Preview()->GetZoom(), 1);
    EXPECT_EQ(Preview()->GetPageMetafile(1), nullptr);
    Click(CPreviewView::IDC_PREVIEW_ZOOMIN);
    Click(CPreviewView::IDC_PREVIEW_ZOOMIN);
    EXPECT_EQ(Preview()->GetZoom(), CPreviewView::kMaxZoom);
    Click(CPreviewView::IDC_PREVIEW_ZOOMOUT);
    Click(CPreviewView::IDC_PREVIEW_ZOOMOUT);
    EXPECT_EQ(Preview()->GetZoom(), 0);
    EXPECT_NE(Preview()->GetPageMetafile(1), nullptr);
    Preview()->UpdateWindow();
    Click(CPreviewView::IDC_PREVIEW_CLOSE);
}

TEST_F(PreviewTest, ALandscapeReportIsPreviewedOnALandscapePage) {
    SKIP_WITHOUT_PRINTER();
    m_pView->m_bLandscape = TRUE;
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    ENHMETAHEADER header{};
    ASSERT_TRUE(::GetEnhMetaFileHeader(Preview()->GetPageMetafile(0), sizeof header, &header));
    EXPECT_GT(header.szlDevice.cx, header.szlDevice.cy);
    EXPECT_EQ(m_pView->m_pages[0].rectDraw, CRect(0, 0, header.szlDevice.cx, header.szlDevice.cy));
    Click(CPreviewView::IDC_PREVIEW_CLOSE);
    // The view put the user's orientation back when the preview ended.
    auto* pMode = static_cast<DEVMODEA*>(::GlobalLock(theTestApp.m_hDevMode));
    EXPECT_EQ(pMode->dmOrientation, DMORIENT_PORTRAIT);
    ::GlobalUnlock(theTestApp.m_hDevMode);
}

TEST_F(PreviewTest, PrintFromThePreviewClosesItAndPrintsThroughTheView) {
    SKIP_WITHOUT_PRINTER();
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    QueueCancel();
    m_pView->m_log.clear();
    Click(CPreviewView::IDC_PREVIEW_PRINT);
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(m_pView->m_log, Log({"endpreview", "end", "prepare"}));
    EXPECT_EQ(CPrintDialog::PendingTestHooks(), 0);
}

TEST_F(PreviewTest, ClosingTheWindowOrTheDocumentInPreviewEndsThePrintOnce) {
    SKIP_WITHOUT_PRINTER();
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    // The view's commands are off while it previews: no second preview,
    // no print over the open one; the document's commands still arrive.
    Command(ID_FILE_PRINT_PREVIEW);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_log, Log({"prepare", "begin", "dc 1", "print 1"}));
    CCmdUI state;
    state.m_nID = ID_FILE_PRINT;
    state.DoUpdate(m_pView, TRUE);
    EXPECT_FALSE(state.m_bEnabled);
    Trace().clear();
    Command(ID_CMD_ALL);
    EXPECT_EQ(Trace(), Log({"doc"}));

    // The frame closes with the preview open: the print ends exactly once,
    // before the view goes.
    int nEndsBefore = CPrintTestView::s_nEndPrinting;
    HWND hPreview = Preview()->m_hWnd;
    m_pView->GetParentFrame()->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hPreview));
    EXPECT_TRUE(m_pPrintTemplate->GetDocuments().empty());
    EXPECT_EQ(CPrintTestView::s_nEndPrinting, nEndsBefore + 1);
}
