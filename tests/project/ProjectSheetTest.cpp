// The project sheet as the Project command builds it: the page it opens on
// and the one it remembers, the words pages' tab texts, all tabs in view, and
// what Enter does on each kind of page.
#include <gtest/gtest.h>

#include <algorithm>

#include "project/ProjCustomer.h"
#include "project/ProjFollow.h"
#include "project/ProjLineWords.h"
#include "project/ProjQuote.h"
#include "project/ProjWords.h"
#include "project/ProjectCommand.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

using namespace ProjTest;

namespace {

class ProjectSheetTest : public JobWindowTest {
protected:
    void TearDown() override {
        CDialog::ClearTestHooks();
        TestApp().SetProjectPage(0);
        TestApp().SetWordsPage(0);
        JobWindowTest::TearDown();
    }
    // The page index the next Project command opens on.
    int OpensOn() {
        int nIndex = -1;
        OnNextSheet([&](CPropertySheet& sheet) {
            nIndex = sheet.GetActiveIndex();
            PressCancel(sheet);
        });
        RunProjectSheet(m_pDoc);
        return nIndex;
    }
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(ProjectSheetTest, OpensOnThePageLastLeftWithOk) {
    TestApp().m_nProjectPage = 10;
    EXPECT_EQ(OpensOn(), 0);
    EXPECT_EQ(TestApp().m_nProjectPage, 0);
    TestApp().m_nProjectPage = -1;
    EXPECT_EQ(OpensOn(), 0);

    OnNextSheet([](CPropertySheet& sheet) {
        ClickTab(sheet, 3);
        PressSheetOK(sheet);
    });
    EXPECT_TRUE(RunProjectSheet(m_pDoc));
    EXPECT_EQ(TestApp().m_nProjectPage, 3);
    EXPECT_EQ(OpensOn(), 3);

    OnNextSheet([](CPropertySheet& sheet) {
        ClickTab(sheet, 7);
        PressCancel(sheet);
    });
    EXPECT_FALSE(RunProjectSheet(m_pDoc));
    EXPECT_EQ(TestApp().m_nProjectPage, 3);  // Cancel leaves it

    OnNextSheet([](CPropertySheet& sheet) {
        ClickTab(sheet, 5);  // the Notes words page
        PressSheetOK(sheet);
    });
    RunProjectSheet(m_pDoc);
    EXPECT_EQ(TestApp().m_nProjectPage, 5);
}

TEST_F(ProjectSheetTest, WordsPagesShowTheirKindOnTheTabsAndEveryTabIsInView) {
    OnNextSheet([](CPropertySheet& sheet) {
        EXPECT_EQ(sheet.GetPageCount(), 10);
        EXPECT_EQ(sheet.GetTabControl()->GetItemText(4), "Introduction");
        EXPECT_EQ(sheet.GetTabControl()->GetItemText(5), "Notes");
        EXPECT_EQ(sheet.GetTabControl()->GetItemText(6), "Terms");
        EXPECT_EQ(sheet.GetTabControl()->GetItemText(8), "Purchase Order");
        // Every tab in view, none behind the tab row's scroll arrows.
        RECT row, last;
        sheet.GetTabControl()->GetClientRect(&row);
        sheet.GetTabControl()->SendMessage(TCM_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&last));
        EXPECT_LE(last.right, row.right) << "the last tab is out of view";
        EXPECT_EQ(::GetDlgItem(sheet.m_hWnd, IDOK), nullptr);  // renumbered
        EXPECT_NE(::GetDlgItem(sheet.m_hWnd, IDC_PROJ_SHEET_OK), nullptr);
        EXPECT_EQ(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW), nullptr);
        char szTitle[80] = "";
        ::GetWindowTextA(sheet.m_hWnd, szTitle, sizeof(szTitle));
        EXPECT_STREQ(szTitle, "Project -- Corv: Unassigned");
        PressCancel(sheet);
    });
    RunProjectSheet(m_pDoc);
}

TEST_F(ProjectSheetTest, EnterGoesThroughOnlyWhereItMeansSomething) {
    OnNextSheet([&](CPropertySheet& sheet) {
        auto* pQuote = static_cast<CProjQuote*>(sheet.GetPage(0));
        Focus(*pQuote, IDC_QUOTE_NO);
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));
        EXPECT_TRUE(IsOpen(sheet));
        const std::string strPackaging = Text(*pQuote, IDC_QUOTE_PACKAGING);
        Focus(*pQuote, IDC_QUOTE_PACKAGING);  // multi-line, but Enter does nothing there
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));
        EXPECT_EQ(Text(*pQuote, IDC_QUOTE_PACKAGING), strPackaging);
        Focus(*pQuote, IDC_QUOTE_DATE_BUTTON);
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));  // pressed
        EXPECT_EQ(Text(*pQuote, IDC_QUOTE_DATE), CProjPage::TodayText());

        ClickTab(sheet, 3);
        auto* pFollow = static_cast<CProjFollow*>(sheet.GetPage(3));
        Type(*pFollow, IDC_FOLLOW_NOTES, "a");
        EXPECT_FALSE(PressKeyIn(sheet, VK_RETURN));
        EXPECT_EQ(Text(*pFollow, IDC_FOLLOW_NOTES), "a\r\n");
        Focus(*pFollow, IDC_FOLLOW_SALES_ORDER);
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));
        EXPECT_TRUE(IsOpen(sheet));

        ClickTab(sheet, 1);  // Customer: only the look-up buttons take Enter
        CPropertyPage& customer = *sheet.GetPage(1);
        Focus(customer, IDC_CUST_NO);
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));
        Focus(customer, IDC_PROJ_UPDATE);
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));
        EXPECT_TRUE(m_boxes.Texts().empty());  // Update was not pressed
        Focus(customer, IDC_PROJ_FIND_NAME);
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));
        ASSERT_EQ(m_boxes.Texts().size(), 1u);  // pressed: the empty-name message
        m_boxes.Clear();

        ClickTab(sheet, 9);  // UDC: the two multi-line texts take it
        CPropertyPage& udc = *sheet.GetPage(9);
        Focus(udc, IDC_UDC3);
        EXPECT_FALSE(PressKeyIn(sheet, VK_RETURN));
        Focus(udc, IDC_UDC1);
        EXPECT_TRUE(PressKeyIn(sheet, VK_RETURN));
        EXPECT_TRUE(IsOpen(sheet));

        ::SetFocus(::GetDlgItem(sheet.m_hWnd, IDC_PROJ_SHEET_OK));
        PressKeyIn(sheet, VK_RETURN);  // OK through the page's checks
    });
    EXPECT_TRUE(RunProjectSheet(m_pDoc));
    EXPECT_EQ(m_pDoc->GetNotes(), "a\r\n");
    EXPECT_EQ(m_pDoc->GetQuoteDate(), CProjPage::TodayText());
    EXPECT_EQ(m_pDoc->GetUDC03(), "\r\n");
    EXPECT_EQ(TestApp().m_nProjectPage, 9);
}

TEST_F(ProjectSheetTest, LineWordsSheetRemembersItsOwnPage) {
    TestApp().SetProjectPage(2);
    OnNextSheet([](CPropertySheet& sheet) {
        char szTitle[80] = "";
        ::GetWindowTextA(sheet.m_hWnd, szTitle, sizeof(szTitle));
        EXPECT_STREQ(szTitle, "Summary Line Words - - Line #4");
        EXPECT_EQ(sheet.GetTabControl()->GetItemText(1), "Words Below");
        ClickTab(sheet, 1);
        PressSheetOK(sheet);
    });
    CLineWords words;
    EXPECT_TRUE(RunLineWordsSheet(3, 0, words));
    EXPECT_EQ(TestApp().m_nWordsPage, 1);
    EXPECT_EQ(TestApp().m_nProjectPage, 2);
}

TEST_F(ProjectSheetTest, FailedCheckKeepsTheSheetAndNothingReachesTheJob) {
    m_pDoc->SetModifiedFlag(FALSE);
    OnNextSheet([&](CPropertySheet& sheet) {
        auto* pQuote = static_cast<CProjQuote*>(sheet.GetPage(0));
        Type(*pQuote, IDC_QUOTE_NO, "Q-1");
        TypeAndLeave(*pQuote, IDC_QUOTE_DATE, "99/99/2000", IDC_QUOTE_NO);
        ClickTab(sheet, 1);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        PressSheetOK(sheet);
        EXPECT_TRUE(IsOpen(sheet));
        EXPECT_EQ(::GetFocus(), Item(*pQuote, IDC_QUOTE_DATE));
        PressCancel(sheet);
    });
    EXPECT_FALSE(RunProjectSheet(m_pDoc));
    EXPECT_EQ(m_pDoc->GetQuoteNo(), "");
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_EQ(m_boxes.Texts().size(), 2u);  // the tab change and the OK
}

TEST_F(ProjectSheetTest, TabGoesFromTheNumberToTheNameAndOnInTheListedOrder) {
    const std::vector<int> address = {IDC_PROJ_ADRS_LN1, IDC_PROJ_ADRS_LN2, IDC_PROJ_ADRS_LN3, IDC_PROJ_CITY,
                                      IDC_PROJ_STATE,    IDC_PROJ_ZIP,      IDC_PROJ_COUNTRY};
    const std::vector<int> keys = {IDC_PROJ_FIND_NUMBER, IDC_PROJ_FIND_NAME, IDC_PROJ_PREVIOUS,
                                   IDC_PROJ_NEXT};
    auto order = [](std::vector<std::vector<int>> parts) {
        std::vector<int> ids;
        for (const auto& part : parts) ids.insert(ids.end(), part.begin(), part.end());
        return ids;
    };
    const std::vector<int> contact = {IDC_PROJ_PHONE, IDC_PROJ_FAX, IDC_PROJ_EMAIL, IDC_PROJ_URL};
    const struct {
        int nPage, nNumber, nName;
        std::vector<int> tabs;
    } pages[] = {
        {1, IDC_CUST_NO, IDC_CUST_NAME,
         order({{IDC_CUST_NO, IDC_CUST_NAME}, keys, address, {IDC_CUST_ATTN}, contact, {IDC_PROJ_UPDATE}})},
        {2, IDC_OFFICE_NO, IDC_OFFICE_NAME,
         order({{IDC_OFFICE_NO, IDC_OFFICE_NAME},
                keys,
                address,
                {IDC_OFFICE_CONTACT},
                contact,
                {IDC_OFFICE_EAST, IDC_PROJ_UPDATE}})},
    };
    OnNextSheet([&](CPropertySheet& sheet) {
        for (const auto& page : pages) {
            ClickTab(sheet, page.nPage);
            CPropertyPage& p = *sheet.GetPage(page.nPage);
            // Tab enters the radio group on its checked button.
            std::vector<int> tabs = TabOrder(p);
            std::replace_if(
                tabs.begin(), tabs.end(),
                [](int id) { return id == IDC_OFFICE_WEST || id == IDC_OFFICE_BOTH; }, IDC_OFFICE_EAST);
            EXPECT_EQ(tabs, page.tabs);
            // A person types the number, presses Tab and types the name.
            Focus(p, page.nNumber);
            TypeInSheet(sheet, "C7");
            EXPECT_TRUE(PressKeyIn(sheet, VK_TAB));
            TypeInSheet(sheet, "M\xFCller & O'Brien");
            EXPECT_EQ(Text(p, page.nName), "M\xFCller & O'Brien");
        }
        ClickTab(sheet, 9);
        EXPECT_EQ(TabOrder(*sheet.GetPage(9)), (std::vector<int>{IDC_UDC1, IDC_UDC2, IDC_UDC3, IDC_UDC4,
                                                                 IDC_UDC5, IDC_UDC6, IDC_UDC7, IDC_UDC8}));
        PressSheetOK(sheet);
    });
    EXPECT_TRUE(RunProjectSheet(m_pDoc));
    EXPECT_TRUE(m_boxes.Texts().empty());  // no look-up button was set off
    EXPECT_EQ(m_pDoc->GetCustomer(), "M\xFCller & O'Brien");
    EXPECT_EQ(m_pDoc->GetOfficeNo(), "C7");
}
