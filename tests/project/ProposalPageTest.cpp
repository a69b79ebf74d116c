// The Proposal page: dates and the bid time normalised when the focus
// leaves them and refused when the page is left, the 12-hour bid time with
// its AM/PM button over the job's 24-hour time, the freight rate's number
// check, and setters that cut to the field widths.
#include <gtest/gtest.h>

#include "project/ProjQuote.h"
#include "project/ProjSheet.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"
#include "workspace/DlgEditIni.h"

using namespace ProjTest;

namespace {

class ProposalPageTest : public JobWindowTest {
protected:
    void TearDown() override {
        CDialog::ClearTestHooks();
        JobWindowTest::TearDown();
    }
    // Runs a sheet of the one page; returns DoModal's result.
    INT_PTR Run(CProjQuote& page, std::function<void(CPropertySheet&)> fn) {
        CProjSheet sheet("Proposal", nullptr, 0);
        sheet.AddPage(&page);
        OnNextSheet(std::move(fn));
        return sheet.DoModal();
    }
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(ProposalPageTest, DatesAreNormalisedOnLeavingAndRefusedOnOk) {
    CProjQuote page(m_pDoc);
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        TypeAndLeave(page, IDC_QUOTE_DATE, "3-7-05", IDC_QUOTE_NO);
        EXPECT_EQ(Text(page, IDC_QUOTE_DATE), "03/07/2005");
        EXPECT_TRUE(m_boxes.Texts().empty());

        TypeAndLeave(page, IDC_QUOTE_BID_DATE, "13/05/2006", IDC_QUOTE_NO);
        EXPECT_EQ(Text(page, IDC_QUOTE_BID_DATE), "13/05/2006");  // kept as typed
        EXPECT_TRUE(m_boxes.Texts().empty());
        PressSheetOK(sheet);
        EXPECT_EQ(m_boxes.Texts(), (std::vector<std::string>{"Bad MONTH specification"}));
        EXPECT_EQ(::GetFocus(), Item(page, IDC_QUOTE_BID_DATE));
        EXPECT_TRUE(IsOpen(sheet));

        TypeAndLeave(page, IDC_QUOTE_BID_DATE, "", IDC_QUOTE_NO);  // empty is valid
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetQuoteDate(), "03/07/2005");
    EXPECT_EQ(page.GetBidDate(), "");
}

TEST_F(ProposalPageTest, BidTimeShownInTwelveHourFormAndStoredInTwentyFour) {
    struct Case {
        const char* pszJob;
        const char* pszShown;
        int nAM;
    } cases[] = {{"13:45", "01:45", 0}, {"12:30", "12:30", 0}, {"00:10", "00:10", 1}, {"", "", 1}};
    for (const Case& c : cases) {
        CProjQuote page(m_pDoc);
        page.SetBidTime(c.pszJob);
        EXPECT_EQ(page.m_strBidTime, c.pszShown) << c.pszJob;
        EXPECT_EQ(page.m_nAM, c.nAM) << c.pszJob;
        EXPECT_EQ(page.GetBidTime(), c.pszJob) << c.pszJob;  // back unchanged
    }
    CProjQuote am(m_pDoc);
    am.SetBidTime("12:15");
    am.m_nAM = 1;
    EXPECT_EQ(am.GetBidTime(), "00:15");

    CProjQuote page(m_pDoc);
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        EXPECT_EQ(Text(page, IDC_QUOTE_AMPM), "AM");
        TypeAndLeave(page, IDC_QUOTE_BID_TIME, "9:5", IDC_QUOTE_NO);
        EXPECT_EQ(Text(page, IDC_QUOTE_BID_TIME), "09:05");
        Press(page, IDC_QUOTE_AMPM);
        EXPECT_EQ(Text(page, IDC_QUOTE_AMPM), "PM");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetBidTime(), "21:05");
}

TEST_F(ProposalPageTest, BadTimesAreToldWhenThePageIsLeft) {
    struct Case {
        const char* pszTyped;
        const char* pszMessage;
    } cases[] = {{"13:00", "Bad HOUR specification"},
                 {"10:75", "Bad MINUTE specification"},
                 {"1030", "Use time format: hh:mm"}};
    for (const Case& c : cases) {
        CProjQuote page(m_pDoc);
        m_boxes.Clear();
        const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
            TypeAndLeave(page, IDC_QUOTE_BID_TIME, c.pszTyped, IDC_QUOTE_NO);
            PressSheetOK(sheet);
            EXPECT_TRUE(IsOpen(sheet));
            EXPECT_EQ(::GetFocus(), Item(page, IDC_QUOTE_BID_TIME));
            PressCancel(sheet);
        });
        EXPECT_EQ(nResult, IDCANCEL);
        EXPECT_EQ(m_boxes.Texts(), (std::vector<std::string>{c.pszMessage})) << c.pszTyped;
    }
}

TEST_F(ProposalPageTest, FreightRateIsCheckedOnlyWhenChangedAndStopsOnce) {
    CProjQuote page(m_pDoc);
    page.SetFreightRate("5.00");
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        Focus(page, IDC_QUOTE_FREIGHT_RATE);
        Focus(page, IDC_QUOTE_NO);
        EXPECT_TRUE(m_boxes.Texts().empty());

        Type(page, IDC_QUOTE_FREIGHT_RATE, "1a2.346");  // the letter is dropped
        EXPECT_EQ(Text(page, IDC_QUOTE_FREIGHT_RATE), "12.346");
        PressSheetOK(sheet);  // still in the rate: refused once
        EXPECT_TRUE(IsOpen(sheet));
        ASSERT_EQ(m_boxes.Texts().size(), 1u);
        EXPECT_EQ(m_boxes.Texts()[0],
                  "The \"Freight Rate\" field\nhas been interpreted as \"12.35\".\nThis field contained:  "
                  "\"12.346\"\n");
        EXPECT_EQ(Text(page, IDC_QUOTE_FREIGHT_RATE), "12.35");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetFreightRate(), "12.35");
}

TEST_F(ProposalPageTest, SettersCutAndCombosKeepTheirOwnText) {
    CProjQuote page(m_pDoc);
    page.SetQuoteNo("123456789012345678901234");
    page.SetRev("ABCD");
    page.SetInitials("ABCD");
    page.SetPayment("Net");  // the list holds longer entries starting so
    page.SetNumber("Unassigned-and-more");
    EXPECT_EQ(page.GetQuoteNo(), "12345678901234567890");
    EXPECT_EQ(page.GetRev(), "ABC");
    EXPECT_EQ(page.GetInitials(), "ABC");
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        EXPECT_EQ(Text(page, IDC_QUOTE_PAYMENT), "Net");
        EXPECT_EQ(Text(page, IDC_QUOTE_NUMBER), "Unassigned-and-more");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetPayment(), "Net");
    EXPECT_EQ(page.GetNumber(), "Unassigned-and-more");
}

TEST_F(ProposalPageTest, DateButtonPutsTodayAndMarksItForTheCheck) {
    CProjQuote page(m_pDoc);
    page.SetQuoteDate("not a date");  // from the job: not checked unless edited
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        PressSheetOK(sheet);
        EXPECT_FALSE(IsOpen(sheet) && m_boxes.Texts().size() > 0);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetQuoteDate(), "not a date");

    CProjQuote today(m_pDoc);
    Run(today, [&](CPropertySheet& sheet) {
        Press(today, IDC_QUOTE_DATE_BUTTON);
        EXPECT_EQ(::GetFocus(), Item(today, IDC_QUOTE_DATE));
        PressSheetOK(sheet);
    });
    EXPECT_EQ(today.GetQuoteDate(), CProjPage::TodayText());
}

// Each label opens the choice-list editor on its own list and [Defaults]
// entry; a label without one of them opens the editor without it.
TEST_F(ProposalPageTest, LabelsOpenTheChoiceListEditorOnTheirListAndDefault) {
    struct Case {
        int nLabel;
        BOOL bHasDefault;
        BOOL bHasSelections;
        int nMaxLength;
    } cases[] = {{IDC_QUOTE_TYPE_LABEL, 1, 1, 10},
                 {IDC_QUOTE_STARTUP_LABEL, 0, 1, 100},
                 {IDC_QUOTE_PACKAGING_LABEL, 1, 0, 250},
                 {IDC_QUOTE_PREP_TITLE_LABEL, 1, 1, 40}};
    CProjQuote page(m_pDoc);
    Run(page, [&](CPropertySheet& sheet) {
        for (const Case& c : cases) {
            bool bOpened = false;
            CDialog::SetTestHook([&](CDialog& dlg) {
                auto* pEditor = dynamic_cast<CDlgEditIni*>(&dlg);
                ASSERT_NE(pEditor, nullptr);
                bOpened = true;
                EXPECT_EQ(pEditor->m_bHasDefault, c.bHasDefault) << c.nLabel;
                EXPECT_EQ(pEditor->m_bHasSelections, c.bHasSelections) << c.nLabel;
                EXPECT_EQ(pEditor->m_nMaxLength, c.nMaxLength) << c.nLabel;
                dlg.EndDialog(IDCANCEL);
            });
            page.SendMessage(WM_COMMAND, MAKEWPARAM(c.nLabel, STN_DBLCLK),
                             reinterpret_cast<LPARAM>(Item(page, c.nLabel)));
            EXPECT_TRUE(bOpened) << c.nLabel;
        }
        PressCancel(sheet);
    });
}
