// The Detail line dialog: on its own (filled through its setters, prices
// kept consistent while typed, the OK button that lets a pending entry be
// checked first) and through the Line command on the Detail editor
// (written back on OK, stepping with Prev and Next, the kept position).
#include <gtest/gtest.h>

#include "editor/DetailWnd.h"
#include "editor/DlgDetailLine.h"
#include "editor/EditWnd.h"
#include "framework/core/CmdTarget.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "res/editor_lines_ids.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/LineDialogTestSupport.h"

namespace {

class DetailLineDialog : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        CDialog::ClearTestHooks();
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        JobWindowTest::TearDown();
    }
    CTable* Details() const { return m_pDoc->m_pTable->GetRecord(0)->GetChild(); }

    // Opens the Detail window of Summary line 0 and puts its editor on a line.
    CEditWnd* EditDetailLine(int nDetailRow) {
        RightClick(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
        CDetailWnd* pDetail = m_pView->m_pDetailWnd.get();
        if (!pDetail->IsWindowVisible() || !pDetail->m_pEditWnd) return nullptr;
        const POINT pt{m_pView->m_nLeftMargin + 3, (nDetailRow + 1) * m_pView->m_nRowHeight + 5 + 3};
        Click(pDetail, pt);
        return pDetail->m_pEditWnd.get();
    }
    // Runs the Line command as the menu does.
    void LineCommand() {
        m_pView->OnViewLine();
        PumpMessages();
    }
};

// One dialog on the job's Detail table, filled like a priced line.
struct PricedDetail {
    explicit PricedDetail(CTable* pTable) : dlg(pTable) {
        dlg.SetProduct("VALVE");
        dlg.SetCost("60.00");
        dlg.SetList("200.00");
        dlg.SetNet("120.00");
        dlg.SetMult("0.6000");
        dlg.SetMargin("50.00");
    }
    CDlgDetail dlg;
};

}  // namespace

TEST_F(DetailLineDialog, SettersCutToTheLayoutAndTheControlsTakeTheTextsLimitsAndCaption) {
    CDlgDetail dlg(Details());
    dlg.SetProduct("ABCDEFGHIJKLMNOP");  // Product is 10 long
    dlg.SetQuoteDescription(CString('q', 300));
    dlg.SetDwgItem("12");
    dlg.m_nRow = 0;
    EXPECT_EQ(dlg.GetProduct(), "ABCDEFGHIJ");
    EXPECT_EQ(dlg.GetQuoteDescription().GetLength(), 250);

    std::string caption, product, dwgItem;
    LRESULT limitDescription = 0, limitMult = 0;
    RECT rcShown = {};
    CDialog::SetTestHook([&](CDialog& d) {
        caption = d.GetWindowText().GetString();
        d.GetWindowRect(&rcShown);
        product = ItemText(d, IDC_DL_PRODUCT);
        dwgItem = ItemText(d, IDC_DL_DWG_ITEM);
        limitDescription = d.SendDlgItemMessage(IDC_DL_QUOTE_DESCRIPTION, EM_GETLIMITTEXT);
        limitMult = d.SendDlgItemMessage(IDC_DL_MULT, EM_GETLIMITTEXT);
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(caption, "- - Detail Line #1 - -");
    EXPECT_EQ(product, "ABCDEFGHIJ");
    EXPECT_EQ(dwgItem, "12");
    EXPECT_EQ(limitDescription, 250);
    EXPECT_EQ(limitMult, 7);
    // Without a kept rectangle the dialog shows where its resource puts it, and keeps that.
    EXPECT_FALSE(dlg.m_rcWindow.IsRectEmpty());
    EXPECT_EQ(dlg.m_rcWindow, CRect(rcShown));
}

TEST_F(DetailLineDialog, PricesFollowEachLeftPriceField) {
    MessageRecorder messages;
    PricedDetail priced(Details());
    CDlgDetail& dlg = priced.dlg;
    std::vector<std::string> seen;
    auto look = [&](CDialog& d) {
        seen.push_back(ItemText(d, IDC_DL_NET) + " " + ItemText(d, IDC_DL_MULT) + " " +
                       ItemText(d, IDC_DL_MARGIN));
    };
    CDialog::SetTestHook([&](CDialog& d) {
        // mult 0.5 on a list of 200: net 100.00, then margin (100 - 60) / 100.
        TypeAndLeave(d, IDC_DL_MULT, "0.5", IDC_DL_PRODUCT);
        look(d);
        // A changed net: margin (160 - 60) / 160, then mult 160 / 200.
        TypeAndLeave(d, IDC_DL_NET, "160", IDC_DL_PRODUCT);
        look(d);
        // A margin of 25 on a cost of 60: net 60 * 100 / 75, then mult 80 / 200.
        TypeAndLeave(d, IDC_DL_MARGIN, "25", IDC_DL_PRODUCT);
        look(d);
        // A net of 0 has no margin.
        TypeAndLeave(d, IDC_DL_NET, "0", IDC_DL_PRODUCT);
        look(d);
        TypeAndLeave(d, IDC_DL_NET, "80", IDC_DL_PRODUCT);
        // A blank cost with a net: all of the net is margin.
        TypeAndLeave(d, IDC_DL_COST, "", IDC_DL_PRODUCT);
        look(d);
        // A new list recomputes only mult.
        TypeAndLeave(d, IDC_DL_LIST, "400", IDC_DL_PRODUCT);
        look(d);
        Press(d, IDC_DL_OK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"100.00 0.5000 40.00", "160.00 0.8000 62.50", "80.00 0.4000 25.00",
                                        "0.00 0.0000 ", "80.00 0.4000 100.00", "80.00 0.2000 100.00"}));
    EXPECT_TRUE(messages.Texts().empty());
    // OK committed the controls.
    EXPECT_EQ(dlg.GetCost(), "");
    EXPECT_EQ(dlg.GetList(), "400.00");
    EXPECT_EQ(dlg.GetNet(), "80.00");
    EXPECT_EQ(dlg.GetMult(), "0.2000");
    EXPECT_EQ(dlg.GetMargin(), "100.00");
}

TEST_F(DetailLineDialog, LeavingAnUnchangedPriceFieldChecksAndRecomputesNothing) {
    MessageRecorder messages;
    CDlgDetail dlg(Details());
    dlg.SetCost("60.00");
    dlg.SetNet("120.123");  // as handed in, not as the field would write it
    dlg.SetMargin("12.00");
    std::string net, margin;
    CDialog::SetTestHook([&](CDialog& d) {
        FocusItem(d, IDC_DL_NET);
        FocusItem(d, IDC_DL_PRODUCT);
        net = ItemText(d, IDC_DL_NET);
        margin = ItemText(d, IDC_DL_MARGIN);
    });
    dlg.DoModal();
    EXPECT_EQ(net, "120.123");
    EXPECT_EQ(margin, "12.00");
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(DetailLineDialog, EnterChecksThePendingEntryAndNeverCloses) {
    MessageRecorder messages;
    PricedDetail priced(Details());
    bool openAfterEnter = false, focusKept = false;
    std::string margin;
    CDialog::SetTestHook([&](CDialog& d) {
        TypeInto(d, IDC_DL_NET, "150");
        d.SendMessage(WM_COMMAND, IDOK);  // the Enter key
        openAfterEnter = IsOpen(d);
        focusKept = IsFocused(d, IDC_DL_NET);
        margin = ItemText(d, IDC_DL_MARGIN);
    });
    EXPECT_EQ(priced.dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_TRUE(focusKept);
    EXPECT_EQ(margin, "60.00");  // (150 - 60) / 150
}

TEST_F(DetailLineDialog, OkWithAReinterpretedEntryTellsTheUserAndStaysOpenUntilPressedAgain) {
    MessageRecorder messages;
    PricedDetail priced(Details());
    bool openAfterFirstOk = true, focusBack = false, openAfterSecondOk = true;
    std::string net;
    CDialog::SetTestHook([&](CDialog& d) {
        TypeInto(d, IDC_DL_NET, "99.999");
        Press(d, IDC_DL_OK);
        openAfterFirstOk = IsOpen(d);
        focusBack = IsFocused(d, IDC_DL_NET);
        net = ItemText(d, IDC_DL_NET);
        Press(d, IDC_DL_OK);
        openAfterSecondOk = IsOpen(d);
    });
    EXPECT_EQ(priced.dlg.DoModal(), IDOK);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0],
              "The \"net\" field\nhas been interpreted as \"100.00\".\nThis field contained:  \"99.999\"\n");
    EXPECT_TRUE(openAfterFirstOk);
    EXPECT_TRUE(focusBack);
    EXPECT_EQ(net, "100.00");
    EXPECT_FALSE(openAfterSecondOk);
    EXPECT_EQ(priced.dlg.GetNet(), "100.00");
    EXPECT_EQ(priced.dlg.GetMargin(), "40.00");
}

TEST_F(DetailLineDialog, OkWithAWellFormedPendingEntryRecomputesThenCloses) {
    MessageRecorder messages;
    PricedDetail priced(Details());
    CDialog::SetTestHook([&](CDialog& d) {
        TypeInto(d, IDC_DL_LIST, "300");
        Press(d, IDC_DL_OK);
    });
    EXPECT_EQ(priced.dlg.DoModal(), IDOK);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(priced.dlg.GetList(), "300.00");
    EXPECT_EQ(priced.dlg.GetMult(), "0.4000");  // 120 / 300
    EXPECT_FALSE(priced.dlg.m_bPrev);
    EXPECT_FALSE(priced.dlg.m_bNext);
}

TEST_F(DetailLineDialog, TheLineCommandWritesEveryFieldBackOnOkAndNothingOnCancel) {
    PutDetail(m_pDoc, 0, 0, "Product", "VALVE");
    PutDetail(m_pDoc, 0, 0, "cost", "60.00");
    PutDetail(m_pDoc, 0, 0, "list", "200.00");
    PutDetail(m_pDoc, 0, 0, "net", "120.00");
    CEditWnd* pEdit = EditDetailLine(0);
    ASSERT_NE(pEdit, nullptr);
    ASSERT_EQ(pEdit->m_nRow, 0);
    m_pDoc->SetModifiedFlag(FALSE);

    // The command is there for a visible editor.
    CCmdUI ui;
    ui.m_nID = ID_VIEW_LINE;
    ui.DoUpdate(m_pView, TRUE);
    EXPECT_TRUE(ui.m_bEnabled);

    // Cancel after a recalculation leaves the line and the flag alone.
    CDialog::SetTestHook([&](CDialog& d) {
        TypeAndLeave(d, IDC_DL_MULT, "0.5", IDC_DL_PRODUCT);
        d.SetDlgItemText(IDC_DL_PART_NUMBER, "PN-1");
        Press(d, IDCANCEL);
    });
    LineCommand();
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "net"), "120.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "PartNumber"), "");
    EXPECT_FALSE(m_pDoc->IsModified());

    std::string product;
    CDialog::SetTestHook([&](CDialog& d) {
        product = ItemText(d, IDC_DL_PRODUCT);
        TypeAndLeave(d, IDC_DL_MULT, "0.5", IDC_DL_PRODUCT);
        d.SetDlgItemText(IDC_DL_TECHNICAL, "DN 50 PN 16");
        d.SetDlgItemText(IDC_DL_WEIGHT, "12");
        d.SetDlgItemText(IDC_DL_PART_NUMBER, "PN-1");
        d.SetDlgItemText(IDC_DL_QUOTE_PN, "Q-1");
        d.SetDlgItemText(IDC_DL_QUOTE_DESCRIPTION, "Ball valve");
        d.SetDlgItemText(IDC_DL_ALT_QUOTE_DESCRIPTION, "Valve, ball");
        d.SetDlgItemText(IDC_DL_DRAWING_NO, "D-7");
        d.SetDlgItemText(IDC_DL_DWG_ITEM, "3");
        d.SetDlgItemText(IDC_DL_QTY_ASSY, "2");
        d.SetDlgItemText(IDC_DL_SECOND_PN, "S-1");
        Press(d, IDC_DL_OK);
    });
    LineCommand();
    EXPECT_EQ(product, "VALVE");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "net"), "100.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "mult"), "0.5000");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "margin"), "40.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "Technical Description"), "DN 50 PN 16");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "weight"), "12");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "PartNumber"), "PN-1");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QuotePN"), "Q-1");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QuoteDescription"), "Ball valve");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "AltQuoteDescription"), "Valve, ball");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "DrawingNo"), "D-7");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "DwgItem"), "3");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QtyAssy"), "2");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "SecondPN"), "S-1");
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
}

TEST_F(DetailLineDialog, PrevAndNextWriteTheLineBackAndShowTheNeighbourAtTheMovedPosition) {
    PutDetail(m_pDoc, 0, 0, "PartNumber", "A");
    PutDetail(m_pDoc, 0, 1, "PartNumber", "B");
    PutDetail(m_pDoc, 0, 1, "cost", "50.00");
    PutDetail(m_pDoc, 0, 2, "PartNumber", "C");
    CEditWnd* pEdit = EditDetailLine(1);
    ASSERT_NE(pEdit, nullptr);
    ASSERT_EQ(pEdit->m_nRow, 1);

    std::vector<std::string> captions, partNumbers;
    RECT rcMoved = {}, rcSecond = {}, rcThird = {};
    // Line 2: a net typed and still pending when Next is pressed.
    CDialog::SetTestHook([&](CDialog& d) {
        captions.push_back(d.GetWindowText().GetString());
        d.MoveWindow(40, 30, 500, 300, TRUE);
        d.GetWindowRect(&rcMoved);
        d.SetDlgItemText(IDC_DL_PART_NUMBER, "B2");
        TypeInto(d, IDC_DL_NET, "100");
        Press(d, IDC_DL_NEXT);
    });
    // Line 3, then back up with Prev.
    CDialog::SetTestHook([&](CDialog& d) {
        captions.push_back(d.GetWindowText().GetString());
        partNumbers.push_back(ItemText(d, IDC_DL_PART_NUMBER));
        d.GetWindowRect(&rcSecond);
        Press(d, IDC_DL_PREV);
    });
    // Line 2 again, as written back.
    CDialog::SetTestHook([&](CDialog& d) {
        captions.push_back(d.GetWindowText().GetString());
        partNumbers.push_back(ItemText(d, IDC_DL_PART_NUMBER));
        d.GetWindowRect(&rcThird);
        Press(d, IDCANCEL);
    });
    LineCommand();

    EXPECT_EQ(captions, (std::vector<std::string>{"- - Detail Line #2 - -", "- - Detail Line #3 - -",
                                                  "- - Detail Line #2 - -"}));
    EXPECT_EQ(partNumbers, (std::vector<std::string>{"C", "B2"}));
    EXPECT_EQ(DetailText(m_pDoc, 0, 1, "PartNumber"), "B2");
    EXPECT_EQ(DetailText(m_pDoc, 0, 1, "net"), "100.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 1, "margin"), "50.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 2, "PartNumber"), "C");
    EXPECT_EQ(pEdit->m_nRow, 1);
    EXPECT_EQ(CRect(rcSecond), CRect(rcMoved));
    EXPECT_EQ(CRect(rcThird), CRect(rcMoved));
    EXPECT_EQ(CRect(m_pView->m_rcDetailDlg), CRect(rcMoved));

    // The next Line command opens where the dialog was left.
    RECT rcNext = {};
    CDialog::SetTestHook([&](CDialog& d) { d.GetWindowRect(&rcNext); });
    LineCommand();
    EXPECT_EQ(CRect(rcNext), CRect(rcMoved));
}

TEST_F(DetailLineDialog, EscapeWithAPendingEntryCancelsWithoutCheckingIt) {
    MessageRecorder messages;
    PricedDetail priced(Details());
    CDialog::SetTestHook([&](CDialog& d) {
        TypeInto(d, IDC_DL_NET, "99.999");
        d.SendMessage(WM_COMMAND, IDCANCEL);  // the Escape key
    });
    EXPECT_EQ(priced.dlg.DoModal(), IDCANCEL);
    PumpMessages();
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(priced.dlg.GetNet(), "120.00");
}
