// The Follow-Up, Purchase Order, UDC and Header/Footer pages: their date
// and number checks, setters that cut, and what each hands back after OK.
#include <gtest/gtest.h>

#include "project/ProjFollow.h"
#include "project/ProjSheet.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

using namespace ProjTest;
using Texts = std::vector<std::string>;

namespace {

class PagesTest : public JobWindowTest {
protected:
    void TearDown() override {
        CDialog::ClearTestHooks();
        JobWindowTest::TearDown();
    }
    INT_PTR Run(CPropertyPage& page, std::function<void(CPropertySheet&)> fn) {
        CProjSheet sheet("Pages", nullptr, 0);
        sheet.AddPage(&page);
        OnNextSheet(std::move(fn));
        return sheet.DoModal();
    }
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(PagesTest, PurchaseOrderDatesAreReportedOneAtATime) {
    CProjPO page(m_pDoc);
    page.SetShipToState("CAL");
    EXPECT_EQ(page.GetShipToState(), "CA");
    page.SetRequestDate("31/31/31");  // from the job: not checked unless edited
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        TypeAndLeave(page, IDC_PO_DATE, "1/5/06", IDC_PO_CUST_PO);
        EXPECT_EQ(Text(page, IDC_PO_DATE), "01/05/2006");

        Type(page, IDC_PO_SHIP_STATE, "TEX");
        EXPECT_EQ(Text(page, IDC_PO_SHIP_STATE), "TE");

        TypeAndLeave(page, IDC_PO_DATE, "13/05/2006", IDC_PO_CUST_PO);
        TypeAndLeave(page, IDC_PO_REQUEST_DATE, "02/30/2006", IDC_PO_CUST_PO);
        PressSheetOK(sheet);
        EXPECT_EQ(m_boxes.Texts(), (Texts{"Bad MONTH specification"}));
        EXPECT_EQ(::GetFocus(), Item(page, IDC_PO_DATE));
        TypeAndLeave(page, IDC_PO_DATE, "12/05/2006", IDC_PO_CUST_PO);
        PressSheetOK(sheet);
        EXPECT_EQ(m_boxes.Texts(), (Texts{"Bad MONTH specification", "Bad DAY specification"}));
        EXPECT_EQ(::GetFocus(), Item(page, IDC_PO_REQUEST_DATE));
        TypeAndLeave(page, IDC_PO_REQUEST_DATE, "", IDC_PO_CUST_PO);
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetPODate(), "12/05/2006");
    EXPECT_EQ(page.GetRequestDate(), "");
    EXPECT_EQ(page.GetShipToState(), "TE");
}

TEST_F(PagesTest, PurchaseOrderAmountIsNormalisedAndToldOnlyWhenReinterpreted) {
    CProjPO page(m_pDoc);
    page.SetPOAmount("7");  // unchanged: never checked
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        Focus(page, IDC_PO_AMOUNT);
        Focus(page, IDC_PO_CUST_PO);
        EXPECT_EQ(Text(page, IDC_PO_AMOUNT), "7");
        TypeAndLeave(page, IDC_PO_AMOUNT, "12.5", IDC_PO_CUST_PO);
        EXPECT_EQ(Text(page, IDC_PO_AMOUNT), "12.50");
        EXPECT_TRUE(m_boxes.Texts().empty());
        TypeAndLeave(page, IDC_PO_AMOUNT, "12.346", IDC_PO_CUST_PO);
        EXPECT_EQ(Text(page, IDC_PO_AMOUNT), "12.35");
        ASSERT_EQ(m_boxes.Texts().size(), 1u);
        EXPECT_NE(m_boxes.Texts()[0].find("\"P.O. Amount\""), std::string::npos);
        PressSheetOK(sheet);  // corrected at once: leaving is not blocked
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetPOAmount(), "12.35");
}

TEST_F(PagesTest, FollowUpLastUpdateButtonStoresToday) {
    CProjFollow page(m_pDoc);
    page.SetNotes("line one");
    page.SetProbability("12345678");
    EXPECT_EQ(page.GetProbability(), "1234567");
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        TypeAndLeave(page, IDC_FOLLOW_AWARD_DATE, "", IDC_FOLLOW_SALES_ORDER);
        Press(page, IDC_FOLLOW_LAST_UPDATE_BUTTON);
        EXPECT_EQ(::GetFocus(), Item(page, IDC_FOLLOW_LAST_UPDATE));
        Type(page, IDC_FOLLOW_PROBABILITY, "75");
        Focus(page, IDC_FOLLOW_SALES_ORDER);
        EXPECT_EQ(Text(page, IDC_FOLLOW_PROBABILITY), "75.00");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_TRUE(m_boxes.Texts().empty());
    EXPECT_EQ(page.GetLastUpdate(), CProjPage::TodayText());
    EXPECT_EQ(page.GetAwardDate(), "");
    EXPECT_EQ(page.GetProbability(), "75.00");
    EXPECT_EQ(page.GetNotes(), "line one");
}

TEST_F(PagesTest, UdcNumbersTakeOnlyNumberKeysAndStopTheSheetOnce) {
    CProjUDC page(m_pDoc);
    page.SetUDC5("123456789012");
    EXPECT_EQ(page.GetUDC5(), "1234567890");
    page.SetUDC3(CString(std::string(300, 'x').c_str()));
    EXPECT_EQ(page.GetUDC3().GetLength(), 250);
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        Type(page, IDC_UDC7, "1x2.7");
        EXPECT_EQ(Text(page, IDC_UDC7), "12.7");
        PressSheetOK(sheet);  // still in UDC 7: told and kept once
        EXPECT_TRUE(IsOpen(sheet));
        ASSERT_EQ(m_boxes.Texts().size(), 1u);
        EXPECT_EQ(m_boxes.Texts()[0],
                  "The \"UDC 7\" field\nhas been interpreted as \"13\".\nThis field contained:  \"12.7\"\n");
        EXPECT_EQ(::GetFocus(), Item(page, IDC_UDC7));
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetUDC7(), "13");
    EXPECT_EQ(page.GetUDC5(), "1234567890");  // untouched: not checked
}

TEST_F(PagesTest, HeaderFooterCutsToNinetyAndKeepsTypedText) {
    CProjHeadFoot page(m_pDoc);
    page.SetCompanyAddress(CString(std::string(120, 'a').c_str()));
    EXPECT_EQ(page.GetCompanyAddress().GetLength(), 90);
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        Type(page, IDC_HF_FOOTER1, "Our footer");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetFooterLn1(), "Our footer");
}
