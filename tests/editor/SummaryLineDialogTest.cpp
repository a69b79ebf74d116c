// The Summary line dialog: on its own (filled through its setters, Net,
// Mult, Margin and Final kept consistent while typed, the locked prices of
// a line with Detail lines, the choice lists on the labels) and through the
// Line command on the Summary editor (written back on OK without the
// fields the Detail lines fill, stepping with Prev, the kept position).
#include <gtest/gtest.h>

#include "app/CorvApp.h"
#include "editor/CorvScrollBar.h"
#include "editor/DlgSummaryLine.h"
#include "editor/EditWnd.h"
#include "framework/win/Controls.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/WordsField.h"
#include "res/editor_lines_ids.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/LineDialogTestSupport.h"

namespace {

class SummaryLineDialog : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        CDialog::ClearTestHooks();
        MakeThreeLines();
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        JobWindowTest::TearDown();
    }
    // Puts the Summary editor on a line.
    void EditLine(int nRow) { Click(m_pView, SummaryCellPoint(m_pView, "Itm", nRow)); }
    void LineCommand() {
        m_pView->OnViewLine();
        PumpMessages();
    }
};

// A dialog on the job's Summary table filled like a priced line.
struct PricedSummary {
    explicit PricedSummary(CTable* pTable) : dlg(pTable) {
        dlg.SetCost("60.00");
        dlg.SetList("200.00");
        dlg.SetNet("120.00");
        dlg.SetMult("0.6000");
        dlg.SetMargin("50.00");
        dlg.SetFrtAmount("10.00");
        dlg.SetFinal("130.00");
    }
    CDlgSummary dlg;
};

std::string Prices(CDialog& d) {
    return ItemText(d, IDC_SL_NET) + " " + ItemText(d, IDC_SL_MULT) + " " + ItemText(d, IDC_SL_MARGIN) + " " +
           ItemText(d, IDC_SL_FINAL);
}

}  // namespace

TEST_F(SummaryLineDialog, NetMultMarginAndFinalFollowEachOther) {
    MessageRecorder messages;
    PricedSummary priced(m_pDoc->m_pTable);
    std::vector<std::string> seen;
    CDialog::SetTestHook([&](CDialog& d) {
        // Net: Margin (150 - 60) / 150, Mult 150 / 200, Final 150 + 10.
        TypeAndLeave(d, IDC_SL_NET, "150", IDC_SL_ITM);
        seen.push_back(Prices(d));
        // Final: Net 110 - 10 first, then Margin and Mult from it.
        TypeAndLeave(d, IDC_SL_FINAL, "110", IDC_SL_ITM);
        seen.push_back(Prices(d));
        // Mult: Net 200 x 0.3, Margin (60 - 60) / 60, Final 70.
        TypeAndLeave(d, IDC_SL_MULT, "0.3", IDC_SL_ITM);
        seen.push_back(Prices(d));
        // Margin 25: Net 60 x 100 / 75, Mult 80 / 200, Final 90.
        TypeAndLeave(d, IDC_SL_MARGIN, "25", IDC_SL_ITM);
        seen.push_back(Prices(d));
        // Margin 100 has no net: Net stays, Margin from Cost and Net again.
        TypeAndLeave(d, IDC_SL_MARGIN, "100", IDC_SL_ITM);
        seen.push_back(Prices(d));
        Press(d, IDC_SL_OK);
    });
    EXPECT_EQ(priced.dlg.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::string>{"150.00 0.7500 60.00 160.00", "100.00 0.5000 40.00 110.00",
                                              "60.00 0.3000 0.00 70.00", "80.00 0.4000 25.00 90.00",
                                              "80.00 0.4000 25.00 90.00"}));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(priced.dlg.GetNet(), "80.00");
    EXPECT_EQ(priced.dlg.GetFinal(), "90.00");
}

TEST_F(SummaryLineDialog, AMultWithoutAListIsDroppedAndTheNetStays) {
    MessageRecorder messages;
    CDlgSummary dlg(m_pDoc->m_pTable);
    dlg.SetCost("60.00");
    dlg.SetNet("120.00");
    dlg.SetFrtAmount("10.00");
    std::string prices;
    CDialog::SetTestHook([&](CDialog& d) {
        TypeAndLeave(d, IDC_SL_MULT, "0.5", IDC_SL_ITM);
        prices = Prices(d);
    });
    dlg.DoModal();
    EXPECT_EQ(prices, "120.00  50.00 130.00");
}

TEST_F(SummaryLineDialog, ALineWithADetailNetHasItsPricesLockedButQtyBuyOutAndCommissionChecked) {
    MessageRecorder messages;
    CDlgSummary dlg(m_pDoc->m_pTable);
    dlg.SetDetailNet("500.00");
    dlg.SetNet("500.00");
    dlg.m_nRow = 11;
    std::string caption, buyOut, comm;
    bool netEnabled = true, multEnabled = true, marginEnabled = true, finalEnabled = true, qtyEnabled = false;
    CDialog::SetTestHook([&](CDialog& d) {
        caption = d.GetWindowText().GetString();
        netEnabled = IsItemEnabled(d, IDC_SL_NET);
        multEnabled = IsItemEnabled(d, IDC_SL_MULT);
        marginEnabled = IsItemEnabled(d, IDC_SL_MARGIN);
        finalEnabled = IsItemEnabled(d, IDC_SL_FINAL);
        qtyEnabled = IsItemEnabled(d, IDC_SL_QTY);
        TypeAndLeave(d, IDC_SL_BUY_OUT, "7", IDC_SL_ITM);
        buyOut = ItemText(d, IDC_SL_BUY_OUT);
        TypeAndLeave(d, IDC_SL_COMM, "2.556", IDC_SL_ITM);
        comm = ItemText(d, IDC_SL_COMM);
    });
    dlg.DoModal();
    EXPECT_EQ(caption, "- - Summary Line #12 - -");
    EXPECT_FALSE(netEnabled);
    EXPECT_FALSE(multEnabled);
    EXPECT_FALSE(marginEnabled);
    EXPECT_FALSE(finalEnabled);
    EXPECT_TRUE(qtyEnabled);
    EXPECT_EQ(buyOut, "7.00");
    EXPECT_EQ(comm, "2.56");
    // The message names the layout field, not the label.
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0],
              "The \"Comm\" field\nhas been interpreted as \"2.56\".\nThis field contained:  \"2.556\"\n");
}

TEST_F(SummaryLineDialog, OkWithAQtyThatGetsReinterpretedStaysOpenWithTheFocusOnQty) {
    MessageRecorder messages;
    CDlgSummary dlg(m_pDoc->m_pTable);
    bool openAfterFirstOk = false, focusOnQty = false, openAfterSecondOk = true;
    std::string qty;
    CDialog::SetTestHook([&](CDialog& d) {
        TypeInto(d, IDC_SL_QTY, "2.4");
        Press(d, IDC_SL_OK);
        openAfterFirstOk = IsOpen(d);
        focusOnQty = IsFocused(d, IDC_SL_QTY);
        qty = ItemText(d, IDC_SL_QTY);
        Press(d, IDC_SL_OK);
        openAfterSecondOk = IsOpen(d);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(openAfterFirstOk);
    EXPECT_TRUE(focusOnQty);
    EXPECT_EQ(qty, "2");
    EXPECT_FALSE(openAfterSecondOk);
    EXPECT_EQ(dlg.m_nValidateResult, 1);
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(dlg.GetQty(), "2");
}

TEST_F(SummaryLineDialog, DoubleClickingTheTagLabelEditsTheTagListAndLeavesTheTextAlone) {
    CCorvApp* pApp = CorvGetApp();
    const CStringArray kept = [&] {
        CStringArray copy;
        copy.Copy(pApp->m_arrChoice[kChoiceTag]);
        return copy;
    }();
    CDlgSummary dlg(m_pDoc->m_pTable);
    dlg.SetTag("Tag: FV-1");
    std::string tagBefore, tagAfter;
    int itemsBefore = 0, itemsAfter = 0;
    CDialog::SetTestHook([&](CDialog& d) {
        auto* pCombo = static_cast<CComboBox*>(d.GetDlgItem(IDC_SL_TAG));
        tagBefore = pCombo->GetWindowText().GetString();
        itemsBefore = pCombo->GetCount();
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SL_TAG_LABEL, STN_DBLCLK),
                      reinterpret_cast<LPARAM>(::GetDlgItem(d.m_hWnd, IDC_SL_TAG_LABEL)));
        tagAfter = pCombo->GetWindowText().GetString();
        itemsAfter = pCombo->GetCount();
        Press(d, IDC_SL_OK);
    });
    // The choice-list editor: one entry more.
    CDialog::SetTestHook([](CDialog& d) {
        d.SetDlgItemText(IDC_EDITINI_NEW_ENTRY, "Valve No:");
        Press(d, IDC_EDITINI_ADD);
        Press(d, IDC_EDITINI_OK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(tagBefore, "Tag: FV-1");
    EXPECT_EQ(tagAfter, "Tag: FV-1");
    EXPECT_EQ(itemsBefore, kept.GetSize());
    EXPECT_EQ(itemsAfter, kept.GetSize() + 1);
    EXPECT_EQ(pApp->m_arrChoice[kChoiceTag].GetSize(), kept.GetSize() + 1);
    EXPECT_EQ(dlg.GetTag(), "Tag: FV-1");
    pApp->m_arrChoice[kChoiceTag].Copy(kept);
}

TEST_F(SummaryLineDialog, TheLineCommandWritesBackAllButTheDetailFilledFields) {
    PutSummary(m_pDoc, 0, "Description", "BALL VALVE");
    PutSummary(m_pDoc, 0, "Cost", "60.00");
    PutSummary(m_pDoc, 0, "List", "200.00");
    PutSummary(m_pDoc, 0, "Net", "120.00");
    PutSummary(m_pDoc, 0, "FrtAmount", "10.00");
    PutSummary(m_pDoc, 0, "Weight", "40");
    PutSummary(m_pDoc, 0, "Tag", "FV-1");
    PutSummary(m_pDoc, 0, "WordsAbove", "Above text");
    auto* pAbove = dynamic_cast<CWordsField*>(m_pDoc->m_pTable->GetRecord(0)->GetFieldByName("WordsAbove"));
    ASSERT_NE(pAbove, nullptr);
    pAbove->m_nIndentLeft = 3;
    pAbove->m_nIndentRight = 4;
    EditLine(0);
    ASSERT_EQ(m_pEdit->m_nRow, 0);
    m_pDoc->SetModifiedFlag(FALSE);

    // Cancel after recalculations changes nothing.
    CDialog::SetTestHook([](CDialog& d) {
        TypeAndLeave(d, IDC_SL_NET, "150", IDC_SL_ITM);
        Press(d, IDCANCEL);
    });
    LineCommand();
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Net"), "120.00");
    EXPECT_FALSE(m_pDoc->IsModified());

    std::string description, wordsAbove, tag;
    CDialog::SetTestHook([&](CDialog& d) {
        description = ItemText(d, IDC_SL_DESCRIPTION);
        wordsAbove = ItemText(d, IDC_SL_WORDS_ABOVE);
        tag = ItemText(d, IDC_SL_TAG);
        // Locked controls are not written back, whatever they show.
        d.SetDlgItemText(IDC_SL_DESCRIPTION, "CHANGED");
        d.SetDlgItemText(IDC_SL_WEIGHT, "1");
        const struct {
            int nID;
            const char* pszText;
        } typed[] = {{IDC_SL_ITM, "1A"},     {IDC_SL_OPERATOR, "Op"},   {IDC_SL_WEEKS, "4-6"},
                     {IDC_SL_TAG, "FV-2"},   {IDC_SL_SERVICE, "Steam"}, {IDC_SL_PLANT, "P1"},
                     {IDC_SL_PRODUCT, "C4"}, {IDC_SL_SIZE, "2in"},      {IDC_SL_TYPE, "Ball"},
                     {IDC_SL_EC, "E"},       {IDC_SL_CLASS, "150"},     {IDC_SL_MC, "CS"},
                     {IDC_SL_PC, "PC1"}};
        for (const auto& entry : typed) d.SetDlgItemText(entry.nID, entry.pszText);
        TypeAndLeave(d, IDC_SL_QTY, "3", IDC_SL_ITM);
        TypeAndLeave(d, IDC_SL_BUY_OUT, "5", IDC_SL_ITM);
        TypeAndLeave(d, IDC_SL_COMM, "2.5", IDC_SL_ITM);
        // A pending Net is checked and recomputed before OK closes.
        TypeInto(d, IDC_SL_NET, "150");
        Press(d, IDC_SL_OK);
    });
    LineCommand();
    EXPECT_EQ(description, "BALL VALVE");
    EXPECT_EQ(wordsAbove, "Above text");
    EXPECT_EQ(tag, "FV-1");
    EXPECT_TRUE(m_pDoc->IsModified());
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"Itm", "1A"},          {"Qty", "3"},
        {"Operator", "Op"},     {"Net", "150.00"},
        {"Mult", "0.7500"},     {"Margin", "60.00"},
        {"Final", "160.00"},    {"BuyOut", "5.00"},
        {"Weeks", "4-6"},       {"Tag", "FV-2"},
        {"Service", "Steam"},   {"WordsAbove", "Above text"},
        {"Comm", "2.50"},       {"Plant", "P1"},
        {"Product", "C4"},      {"Size", "2in"},
        {"Type", "Ball"},       {"EC", "E"},
        {"Class", "150"},       {"MC", "CS"},
        {"PC", "PC1"},          {"Description", "BALL VALVE"},
        {"Cost", "60.00"},      {"List", "200.00"},
        {"FrtAmount", "10.00"}, {"Weight", "40"}};
    for (const auto& [field, text] : expected) EXPECT_EQ(SummaryText(m_pDoc, 0, field), text) << field;
    EXPECT_EQ(pAbove->m_nIndentLeft, 3);
    EXPECT_EQ(pAbove->m_nIndentRight, 4);
}

TEST_F(SummaryLineDialog, PrevWritesTheLineAndShowsTheLineAboveWhereTheDialogWasLeft) {
    PutSummary(m_pDoc, 0, "Itm", "1");
    PutSummary(m_pDoc, 1, "Itm", "2");
    EditLine(1);
    ASSERT_EQ(m_pEdit->m_nRow, 1);

    std::vector<std::string> captions, items;
    RECT rcMoved = {}, rcAbove = {};
    CDialog::SetTestHook([&](CDialog& d) {
        captions.push_back(d.GetWindowText().GetString());
        d.MoveWindow(60, 50, 700, 500, TRUE);
        d.GetWindowRect(&rcMoved);
        d.SetDlgItemText(IDC_SL_OPERATOR, "Second");
        Press(d, IDC_SL_PREV);
    });
    CDialog::SetTestHook([&](CDialog& d) {
        captions.push_back(d.GetWindowText().GetString());
        items.push_back(ItemText(d, IDC_SL_ITM));
        d.GetWindowRect(&rcAbove);
        Press(d, IDCANCEL);
    });
    LineCommand();
    EXPECT_EQ(captions, (std::vector<std::string>{"- - Summary Line #2 - -", "- - Summary Line #1 - -"}));
    EXPECT_EQ(items, (std::vector<std::string>{"1"}));
    EXPECT_EQ(SummaryText(m_pDoc, 1, "Operator"), "Second");
    EXPECT_EQ(m_pEdit->m_nRow, 0);
    EXPECT_EQ(CRect(rcAbove), CRect(rcMoved));
    EXPECT_EQ(CRect(m_pView->m_rcSummaryDlg), CRect(rcMoved));
}

TEST_F(SummaryLineDialog, TheLineCommandIsEnabledOnlyWhileAnEditorShowsACell) {
    CCmdUI ui;
    ui.m_nID = ID_VIEW_LINE;
    ui.DoUpdate(m_pView, TRUE);
    EXPECT_FALSE(ui.m_bEnabled);
    EditLine(0);
    ui.DoUpdate(m_pView, TRUE);
    EXPECT_TRUE(ui.m_bEnabled);
}

TEST_F(SummaryLineDialog, NextOnTheLastLineOfAOneRowGridWritesTheLineAndIsRefused) {
    EditLine(2);
    ASSERT_EQ(m_pEdit->m_nRow, 2);
    m_pView->m_nVisibleRows = 1;  // as a job window made one row high shows it
    MessageRecorder messages;
    int shown = 0;
    CDialog::SetTestHook([&](CDialog& d) {
        ++shown;
        d.SetDlgItemText(IDC_SL_ITM, "3");
        Press(d, IDC_SL_NEXT);
    });
    CDialog::SetTestHook([&](CDialog&) { ++shown; });
    LineCommand();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Itm"), "3");
    EXPECT_EQ(m_pDoc->m_pTable->GetSize(), 3);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{
                  "Can NOT display the \"Line View Dialog Box\".\nTry Making the Summary Window Larger."}));
    CDialog::ClearTestHooks();
    m_pView->CalcVisibleRows();
}
