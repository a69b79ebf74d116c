// The words above and below a Summary line: from the grid (the Words
// command and a right click on a words cell) and from the Summary line
// dialog's labels, texts and both indents of both words travelling into the
// line and back.
#include <gtest/gtest.h>

#include "editor/CorvScrollBar.h"
#include "editor/DlgSummaryLine.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/WordsField.h"
#include "project/ProjWords.h"
#include "res/editor_lines_ids.h"
#include "res/resource.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

using namespace ProjTest;

namespace {

class LineWordsTest : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        CDialog::ClearTestHooks();
        MakeThreeLines();
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        TestApp().SetWordsPage(0);
        JobWindowTest::TearDown();
    }
    CWordsField* Words(int nRow, const char* pszField) {
        return dynamic_cast<CWordsField*>(m_pDoc->m_pTable->GetRecord(nRow)->GetFieldByName(pszField));
    }
    // Sets a words page's text and indents as the user does.
    static void FillPage(CPropertySheet& sheet, int nPage, const char* pszText, int nLeft, int nRight) {
        ClickTab(sheet, nPage);
        CPropertyPage& page = *sheet.GetPage(nPage);
        page.SetDlgItemText(IDC_WORDS_TEXT, pszText);
        page.SetDlgItemInt(IDC_WORDS_LEFT, nLeft);
        page.SetDlgItemInt(IDC_WORDS_RIGHT, nRight);
    }
    static std::string PageState(CPropertySheet& sheet, int nPage) {
        ClickTab(sheet, nPage);
        CPropertyPage& page = *sheet.GetPage(nPage);
        return Text(page, IDC_WORDS_TEXT) + "|" + Text(page, IDC_WORDS_LEFT) + "|" +
               Text(page, IDC_WORDS_RIGHT);
    }
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(LineWordsTest, FromTheGridBothWordsAndAllFourIndentsTravel) {
    PutSummary(m_pDoc, 1, "Itm", "2");
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 1));
    ASSERT_EQ(m_pEdit->m_nRow, 1);
    m_pDoc->SetModifiedFlag(FALSE);
    int nStart = -1;
    OnNextSheet([&](CPropertySheet& sheet) {
        nStart = sheet.GetActiveIndex();
        FillPage(sheet, 0, "Above the line", 10, 20);
        FillPage(sheet, 1, "Below the line", 5, 15);
        PressSheetOK(sheet);
    });
    m_pView->SendMessage(WM_COMMAND, ID_VIEW_WORDS, 0);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(SummaryText(m_pDoc, 1, "WordsAbove"), "Above the line");
    EXPECT_EQ(SummaryText(m_pDoc, 1, "WordsBelow"), "Below the line");
    EXPECT_EQ(Words(1, "WordsAbove")->m_nIndentLeft, 10);
    EXPECT_EQ(Words(1, "WordsAbove")->m_nIndentRight, 20);
    EXPECT_EQ(Words(1, "WordsBelow")->m_nIndentLeft, 5);
    EXPECT_EQ(Words(1, "WordsBelow")->m_nIndentRight, 15);
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(TestApp().m_nWordsPage, 1);  // OK was pressed on Words Below

    // A right click on the Words Below cell opens on its page, showing
    // what the line holds; Cancel changes nothing.
    m_pDoc->SetModifiedFlag(FALSE);
    std::string above, below;
    OnNextSheet([&](CPropertySheet& sheet) {
        nStart = sheet.GetActiveIndex();
        above = PageState(sheet, 0);
        below = PageState(sheet, 1);
        FillPage(sheet, 1, "discarded", 1, 1);
        PressCancel(sheet);
    });
    Click(m_pView, SummaryCellPoint(m_pView, "WordsBelow", 1));
    // The button going down is what opens the sheet (its release would
    // bring up the edit control's own menu).
    m_pView->m_pEditWnd->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    PumpMessages();
    EXPECT_EQ(nStart, 1);
    EXPECT_EQ(above, "Above the line|10|20");
    EXPECT_EQ(below, "Below the line|5|15");
    EXPECT_EQ(SummaryText(m_pDoc, 1, "WordsBelow"), "Below the line");
    EXPECT_FALSE(m_pDoc->IsModified());
}

TEST_F(LineWordsTest, FromTheSummaryLineDialogTheComboTextsStayExact) {
    PutSummary(m_pDoc, 0, "Itm", "1");
    PutSummary(m_pDoc, 0, "Tag", "Tag");  // the list holds "Tag:"
    PutSummary(m_pDoc, 0, "WordsBelow", "Old below");
    Words(0, "WordsBelow")->m_nIndentLeft = 7;
    Words(0, "WordsBelow")->m_nIndentRight = 8;
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    ASSERT_EQ(m_pEdit->m_nRow, 0);

    std::string belowShown, wordsAboveEdit, tag, service;
    CDialog::SetTestHook([&](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_SL_TAG), "Tag");
        EXPECT_EQ(d.GetDlgItemText(IDC_SL_SERVICE), "");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SL_WORDS_BELOW_LABEL, STN_DBLCLK),
                      reinterpret_cast<LPARAM>(::GetDlgItem(d.m_hWnd, IDC_SL_WORDS_BELOW_LABEL)));
        wordsAboveEdit = d.GetDlgItemText(IDC_SL_WORDS_ABOVE).GetString();
        tag = d.GetDlgItemText(IDC_SL_TAG).GetString();
        service = d.GetDlgItemText(IDC_SL_SERVICE).GetString();
        Press(d, IDC_SL_OK);
    });
    CDialog::SetTestHook([&](CDialog& dlg) {
        auto& sheet = static_cast<CPropertySheet&>(dlg);
        EXPECT_EQ(sheet.GetActiveIndex(), 1);
        belowShown = PageState(sheet, 1);
        FillPage(sheet, 0, "New above", 30, 40);
        FillPage(sheet, 1, "New below", 11, 12);
        PressSheetOK(sheet);
    });
    m_pView->OnViewLine();
    PumpMessages();
    EXPECT_EQ(belowShown, "Old below|7|8");
    EXPECT_EQ(wordsAboveEdit, "New above");
    EXPECT_EQ(tag, "Tag");
    EXPECT_EQ(service, "");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Tag"), "Tag");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Service"), "");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "WordsAbove"), "New above");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "WordsBelow"), "New below");
    EXPECT_EQ(Words(0, "WordsAbove")->m_nIndentLeft, 30);
    EXPECT_EQ(Words(0, "WordsAbove")->m_nIndentRight, 40);
    EXPECT_EQ(Words(0, "WordsBelow")->m_nIndentLeft, 11);
    EXPECT_EQ(Words(0, "WordsBelow")->m_nIndentRight, 12);
}

TEST_F(LineWordsTest, APendingCommissionIsCheckedBeforeTheWordsSheet) {
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    int nSheets = 0;
    CDialog::SetTestHook([&](CDialog& d) {
        ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_SL_COMM));
        d.SetDlgItemText(IDC_SL_COMM, "1.234");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SL_WORDS_ABOVE_LABEL, STN_DBLCLK),
                      reinterpret_cast<LPARAM>(::GetDlgItem(d.m_hWnd, IDC_SL_WORDS_ABOVE_LABEL)));
        EXPECT_EQ(d.GetDlgItemText(IDC_SL_COMM), "1.23");
        nSheets = 1 - CDialog::PendingTestHooks();  // the sheet's hook is still queued
        Press(d, IDCANCEL);
    });
    CDialog::SetTestHook([](CDialog& dlg) { PressCancel(static_cast<CPropertySheet&>(dlg)); });
    m_pView->OnViewLine();
    PumpMessages();
    EXPECT_EQ(nSheets, 0);
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_NE(m_boxes.Texts()[0].find("\"Comm\""), std::string::npos);
}
