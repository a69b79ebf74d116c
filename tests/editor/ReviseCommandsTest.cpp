// The revise-all commands of the job view over real Summary lines: the
// values each writes (worked out by hand from the price formulas), the lines
// they leave alone, the modified flag and the hints, and when they run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CorvApp.h"
#include "editor/CorvScrollBar.h"
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "framework/core/CmdTarget.h"
#include "framework/win/PropertyPage.h"
#include "framework/win/PropertySheet.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "res/editor_values_ids.h"
#include "res/project_ids.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/ReviseTestSupport.h"

namespace {

class Revise : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        m_pDoc->m_pTable->RemoveAll();
        m_pDoc->AddView(&m_spy);
        m_pDoc->SetModifiedFlag(FALSE);
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        if (m_pDoc) m_pDoc->RemoveView(&m_spy);
        JobWindowTest::TearDown();
    }

    // A Summary line with the given fields (name, text, name, text, ...).
    void AddLine(std::vector<const char*> fields) {
        const int nRow = m_pDoc->m_pTable->GetSize();
        m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
        for (size_t i = 0; i + 1 < fields.size(); i += 2) PutSummary(m_pDoc, nRow, fields[i], fields[i + 1]);
    }
    std::string Text(int nRow, const char* pszField) { return SummaryText(m_pDoc, nRow, pszField); }
    int Column(const char* pszField) { return m_pDoc->m_pSummaryStruct->FindField(pszField); }

    // The next revise dialog takes the text as its new value (or target)
    // and is closed with a click on its OK button.
    static void AnswerWith(int nEditId, const char* pszValue) {
        const std::string value = pszValue;
        CDialog::SetTestHook([nEditId, value](CDialog& dlg) {
            dlg.SetDlgItemText(nEditId, value.c_str());
            ClickButton(dlg, IDC_REVISE_OK);
        });
    }
    static void Cancel() {
        CDialog::SetTestHook([](CDialog& dlg) { ClickButton(dlg, IDCANCEL); });
    }

    std::vector<CHintSpy::Entry> PriceColumnHints() {
        return {{kHintColumnChanged, Column("Net"), -1},
                {kHintColumnChanged, Column("Mult"), -1},
                {kHintColumnChanged, Column("Margin"), -1},
                {kHintColumnChanged, Column("Final"), -1}};
    }
    BOOL IsEnabled(UINT nID) {
        CCmdUI ui;
        ui.m_nID = nID;
        ui.DoUpdate(m_pView, TRUE);
        return ui.m_bEnabled;
    }

    CHintSpy m_spy;
};

// Rounding preference on for one test, and off after it, set as a user
// sets it: Options > Preferences, a click on the rounding box, OK.
class RoundingOn {
public:
    RoundingOn() { Set(TRUE); }
    ~RoundingOn() { Set(FALSE); }

private:
    static void Set(BOOL bRound) {
        if (CorvGetApp()->m_bRound == bRound) return;
        CDialog::SetTestHook([](CDialog& dlg) {
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            sheet.SetActivePage(0);
            ::SendMessageA(::GetDlgItem(sheet.GetPage(0)->m_hWnd, IDC_PREFS_ROUND), BM_CLICK, 0, 0);
            sheet.SendMessage(WM_COMMAND, IDOK, 0);
        });
        CorvGetApp()->OnOptionsPreferences();
    }
};

}  // namespace

TEST_F(Revise, MultiplierPutsTheValueOnEveryLineAndThePricesFollow) {
    AddLine({"Qty", "1", "List", "100.00", "Cost", "60.00", "FrtAmount", "5.00", "Net", "90.00"});
    AddLine({"Qty", "1", "Cost", "50.00", "Net", "70.00", "Mult", "0.5000"});  // no List
    AddLine({});                                                               // empty
    AddLine({"Qty", "2", "List", "250.00"});                                   // no Cost, no freight
    MessageBoxRecorder boxes;
    AnswerWith(IDC_MULT_NEW, "0.8");
    m_pView->OnEditMultiplier();

    EXPECT_EQ(Text(0, "Mult"), "0.8000");
    EXPECT_EQ(Text(0, "Net"), "80.00");
    EXPECT_EQ(Text(0, "Margin"), "25.00");
    EXPECT_EQ(Text(0, "Final"), "85.00");
    // Without a List the new multiplier is dropped; Net stays and the rest follows it.
    EXPECT_EQ(Text(1, "Mult"), "");
    EXPECT_EQ(Text(1, "Net"), "70.00");
    EXPECT_EQ(Text(1, "Margin"), "28.57");
    EXPECT_EQ(Text(1, "Final"), "70.00");
    for (const char* f : {"Qty", "List", "Net", "Mult", "Margin", "Final"}) EXPECT_EQ(Text(2, f), "") << f;
    EXPECT_EQ(Text(3, "Net"), "200.00");
    EXPECT_EQ(Text(3, "Margin"), "100.00");
    EXPECT_EQ(Text(3, "Final"), "200.00");

    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(m_spy.m_entries, PriceColumnHints());
    EXPECT_TRUE(boxes.m_texts.empty());
}

TEST_F(Revise, MarginPutsTheValueOnEveryLineAndThePricesFollow) {
    AddLine({"Qty", "1", "List", "100.00", "Cost", "60.00", "FrtAmount", "5.00"});
    AddLine({"Qty", "1", "List", "100.00", "Net", "70.00", "Margin", "12.00"});  // no Cost
    AddLine({"Qty", "1", "List", "200.00", "Cost", "30.00", "Net", "40.00"});
    AnswerWith(IDC_MARGIN_NEW, "25");
    m_pView->OnEditMargin();

    EXPECT_EQ(Text(0, "Margin"), "25.00");
    EXPECT_EQ(Text(0, "Net"), "80.00");  // 60 x 100 / 75
    EXPECT_EQ(Text(0, "Mult"), "0.8000");
    EXPECT_EQ(Text(0, "Final"), "85.00");
    // Without a Cost the margin is dropped; Net stays.
    EXPECT_EQ(Text(1, "Margin"), "");
    EXPECT_EQ(Text(1, "Net"), "70.00");
    EXPECT_EQ(Text(1, "Mult"), "0.7000");
    EXPECT_EQ(Text(1, "Final"), "70.00");
    EXPECT_EQ(Text(2, "Net"), "40.00");  // 30 x 100 / 75
    EXPECT_EQ(Text(2, "Mult"), "0.2000");
    EXPECT_EQ(Text(2, "Final"), "40.00");
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(m_spy.m_entries, PriceColumnHints());
}

TEST_F(Revise, AMarginOfOneHundredKeepsNetAndShowsItsRealMargin) {
    AddLine({"Qty", "1", "List", "100.00", "Cost", "60.00", "Net", "80.00"});
    AnswerWith(IDC_MARGIN_NEW, "100");
    m_pView->OnEditMargin();
    EXPECT_EQ(Text(0, "Net"), "80.00");
    EXPECT_EQ(Text(0, "Margin"), "25.00");
    EXPECT_EQ(Text(0, "Mult"), "0.8000");
    EXPECT_EQ(Text(0, "Final"), "80.00");
}

TEST_F(Revise, AnEmptyNewValueClearsTheDerivedPrices) {
    AddLine({"Qty", "1", "List", "100.00", "Cost", "60.00", "Net", "80.00", "Mult", "0.8000", "Margin",
             "25.00", "FrtAmount", "5.00", "Final", "85.00"});
    AddLine({"Qty", "1", "Cost", "60.00", "Net", "80.00", "Final", "80.00"});  // no List
    AnswerWith(IDC_MULT_NEW, "");
    m_pView->OnEditMultiplier();
    for (const char* f : {"Mult", "Net", "Margin", "Final"}) EXPECT_EQ(Text(0, f), "") << f;
    EXPECT_EQ(Text(1, "Net"), "80.00");
    EXPECT_EQ(Text(1, "Margin"), "25.00");
    EXPECT_EQ(Text(1, "Final"), "80.00");

    AnswerWith(IDC_MARGIN_NEW, "");
    PutSummary(m_pDoc, 1, "List", "100.00");
    m_pView->OnEditMargin();
    for (const char* f : {"Margin", "Net", "Mult", "Final"}) EXPECT_EQ(Text(1, f), "") << f;
}

TEST_F(Revise, LinesWithADetailNetAreLeftAloneAndReportedOnce) {
    AddLine({"Qty", "1", "List", "100.00", "Detail Net", "55.00", "Net", "55.00"});
    AddLine({"Qty", "1", "List", "100.00", "Cost", "60.00"});
    AddLine({"Qty", "1", "List", "50.00", "Detail Net", "20.00", "Net", "20.00"});
    MessageBoxRecorder boxes;
    AnswerWith(IDC_MULT_NEW, "0.5");
    m_pView->OnEditMultiplier();
    EXPECT_EQ(Text(0, "Mult"), "");
    EXPECT_EQ(Text(0, "Net"), "55.00");
    EXPECT_EQ(Text(2, "Net"), "20.00");
    EXPECT_EQ(Text(1, "Net"), "50.00");
    EXPECT_EQ(Text(1, "Final"), "50.00");
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(boxes.m_texts[0], "Summary Lines with \"Detail Net\" were NOT revised.");
    EXPECT_TRUE(m_pDoc->IsModified());

    boxes.m_texts.clear();
    AnswerWith(IDC_MARGIN_NEW, "50");
    m_pView->OnEditMargin();
    EXPECT_EQ(Text(0, "Margin"), "");
    EXPECT_EQ(Text(1, "Net"), "120.00");
    EXPECT_EQ(boxes.m_texts.size(), 1u);
}

TEST_F(Revise, AJobWithoutLinesIsStillMarkedModifiedAndHinted) {
    MessageBoxRecorder boxes;
    AnswerWith(IDC_MULT_NEW, "0.5");
    m_pView->OnEditMultiplier();
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(m_spy.m_entries, PriceColumnHints());
    EXPECT_TRUE(boxes.m_texts.empty());
}

TEST_F(Revise, CancelChangesNothing) {
    AddLine({"Qty", "1", "List", "100.00", "Cost", "60.00", "Final", "77.00"});
    for (int i = 0; i < 3; ++i) Cancel();
    m_pView->OnEditMultiplier();
    m_pView->OnEditMargin();
    m_pView->OnEditTotalFinalValue();
    EXPECT_EQ(Text(0, "Final"), "77.00");
    EXPECT_EQ(Text(0, "Mult"), "");
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_TRUE(m_spy.m_entries.empty());
}

TEST_F(Revise, TotalFinalValueScalesEachLinesFinal) {
    AddLine({"Qty", "3", "List", "300.00", "Cost", "150.00", "FrtAmount", "5.00", "Final", "200.00"});
    AddLine({"Qty", "2", "Final", "200.00"});
    AddLine({});
    AddLine({"Qty", "1", "Description", "Heading"});  // a line without a Final
    std::string strPreview;
    CDialog::SetTestHook([&](CDialog& dlg) {
        EXPECT_EQ(ItemText(dlg, IDC_TOTAL_CURRENT), "1000.00");
        dlg.SetDlgItemText(IDC_TOTAL_TARGET, "1100");
        ClickButton(dlg, IDC_REVISE_OK);
        strPreview = ItemText(dlg, IDC_TOTAL_REVISED);
    });
    m_pView->OnEditTotalFinalValue();
    EXPECT_EQ(strPreview, "1100.00");

    EXPECT_EQ(Text(0, "Final"), "220.00");
    EXPECT_EQ(Text(0, "Net"), "215.00");
    EXPECT_EQ(Text(0, "Margin"), "30.23");  // (215 - 150) / 215
    EXPECT_EQ(Text(0, "Mult"), "0.7167");   // 215 / 300
    EXPECT_EQ(Text(1, "Final"), "220.00");
    EXPECT_EQ(Text(1, "Net"), "220.00");
    EXPECT_EQ(Text(1, "Margin"), "100.00");
    EXPECT_EQ(Text(1, "Mult"), "");
    for (const char* f : {"Final", "Net", "Margin", "Mult"}) EXPECT_EQ(Text(2, f), "") << f;
    // A blank Final reads as 0 and the line gets a Final of zero.
    EXPECT_EQ(Text(3, "Final"), "0.00");
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(m_spy.m_entries, PriceColumnHints());
}

TEST_F(Revise, TotalFinalValueRoundsEachLineOnItsOwnWhenAsked) {
    RoundingOn rounding;
    AddLine({"Qty", "1", "Final", "33.33"});
    AddLine({"Qty", "1", "Final", "33.33"});
    AddLine({"Qty", "1", "Final", "33.34"});
    std::string strPreview;
    CDialog::SetTestHook([&](CDialog& dlg) {
        dlg.SetDlgItemText(IDC_TOTAL_TARGET, "110");
        ClickButton(dlg, IDC_REVISE_OK);
        strPreview = ItemText(dlg, IDC_TOTAL_REVISED);
    });
    m_pView->OnEditTotalFinalValue();
    // f = 1.1: 36.663 + 0.5 and 36.674 + 0.5, whole parts.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Text(i, "Final"), "37.00") << i;
    // The preview showed the total the lines now make, not the target.
    EXPECT_EQ(strPreview, "111.00");
}

TEST_F(Revise, TotalFinalValueRefusesJobsWithADetailNet) {
    AddLine({"Qty", "1", "Final", "100.00"});
    AddLine({"Detail Net", "10.00"});
    MessageBoxRecorder boxes;
    AnswerWith(IDC_TOTAL_TARGET, "200");
    m_pView->OnEditTotalFinalValue();
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_EQ(
        boxes.m_texts[0],
        "          Can NOT revise \"Total Final Value\"\nAt least one Summary Line has a \"Detail Net\".");
    EXPECT_EQ(Text(0, "Final"), "100.00");
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_TRUE(m_spy.m_entries.empty());

    // A zero target ends before the check: no message at all.
    boxes.m_texts.clear();
    AnswerWith(IDC_TOTAL_TARGET, "0");
    m_pView->OnEditTotalFinalValue();
    EXPECT_TRUE(boxes.m_texts.empty());
    EXPECT_FALSE(m_pDoc->IsModified());
}

TEST_F(Revise, TotalFinalValueDoesNothingFromAZeroOrOverflowingTotal) {
    AddLine({"Qty", "1", "Description", "No prices yet"});
    AnswerWith(IDC_TOTAL_TARGET, "500");
    m_pView->OnEditTotalFinalValue();
    EXPECT_EQ(Text(0, "Final"), "");
    EXPECT_FALSE(m_pDoc->IsModified());

    // 10,000,000.99 does not fit the ten characters of Final.
    AddLine({"Qty", "1", "Final", "9999999.99"});
    AddLine({"Qty", "1", "Final", "1.00"});
    CDialog::SetTestHook([](CDialog& dlg) {
        EXPECT_EQ(ItemText(dlg, IDC_TOTAL_CURRENT), "**********");
        dlg.SetDlgItemText(IDC_TOTAL_TARGET, "500");
        ClickButton(dlg, IDC_REVISE_OK);
    });
    m_pView->OnEditTotalFinalValue();
    EXPECT_EQ(Text(1, "Final"), "9999999.99");
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_TRUE(m_spy.m_entries.empty());
}

TEST_F(Revise, ExtendedTotalsShowsTheJobTotalsAndChangesNothing) {
    AddLine({"Qty", "2", "Cost", "60.00", "List", "100.00", "Net", "80.00", "FrtAmount", "5.00", "Final",
             "85.00", "Weight", "10"});
    AddLine({"Qty", "1", "Cost", "40.00", "List", "50.00", "Net", "45.00", "Final", "45.00", "Weight", "3"});
    std::vector<std::string> shown;
    std::vector<LONG> styles;
    CDialog::SetTestHook([&](CDialog& dlg) {
        for (int id : {IDC_TOTALS_COST, IDC_TOTALS_LIST, IDC_TOTALS_NET, IDC_TOTALS_MULT, IDC_TOTALS_MARGIN,
                       IDC_TOTALS_FREIGHT, IDC_TOTALS_FINAL, IDC_TOTALS_WEIGHT}) {
            shown.push_back(ItemText(dlg, id));
            styles.push_back(::GetWindowLongA(Item(dlg, id), GWL_STYLE));
        }
        dlg.SendMessage(WM_COMMAND, IDCANCEL);  // Esc just closes it
    });
    m_pView->OnEditTotalExtendedValues();
    const std::vector<std::string> expected = {"160.00", "250.00", "205.00", "0.8200",
                                               "21.95",  "10.00",  "215.00", "23"};
    EXPECT_EQ(shown, expected);
    for (LONG style : styles) {
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_TRUE(style & ES_RIGHT);
        EXPECT_FALSE(style & WS_TABSTOP);
    }
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_TRUE(m_spy.m_entries.empty());
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
}

TEST_F(Revise, CommandsRunOnlyWhileTheDetailWindowIsHidden) {
    AddLine({"Qty", "1"});
    m_pView->m_pVScroll->SetScrollRange(0, 0);
    const UINT ids[] = {ID_EDIT_MULTIPLIER, ID_EDIT_MARGIN, ID_EDIT_TOTAL_FINAL_VALUE,
                        ID_EDIT_TOTAL_EXTENDED};
    for (UINT id : ids) EXPECT_TRUE(IsEnabled(id)) << id;
    Click(m_pView, SummaryCellPoint(m_pView, "Qty", 0));
    m_pView->OnViewDetail();
    ASSERT_TRUE(m_pView->IsDetailVisible());
    for (UINT id : ids) EXPECT_FALSE(IsEnabled(id)) << id;
    m_pView->CommitEdit();
    for (UINT id : ids) EXPECT_TRUE(IsEnabled(id)) << id;
}

TEST_F(Revise, TextStillBeingTypedIsCommittedFirst) {
    AddLine({"Qty", "1", "List", "100.00", "Cost", "60.00"});
    m_pView->m_pVScroll->SetScrollRange(0, 0);
    Click(m_pView, SummaryCellPoint(m_pView, "Net", 0));
    ASSERT_TRUE(m_pEdit->IsWindowVisible());
    TypeText(m_pEdit, "80");
    // A margin of 100 keeps the line's Net: the one just typed.
    AnswerWith(IDC_MARGIN_NEW, "100");
    m_pView->OnEditMargin();
    EXPECT_FALSE(m_pEdit->IsWindowVisible());
    EXPECT_EQ(Text(0, "Net"), "80.00");
    EXPECT_EQ(Text(0, "Margin"), "25.00");
    EXPECT_EQ(Text(0, "Mult"), "0.8000");
    EXPECT_EQ(Text(0, "Final"), "80.00");
}

TEST_F(Revise, TheMenuCommandsReachTheView) {
    AddLine({"Qty", "1", "List", "10.00"});
    AnswerWith(IDC_MULT_NEW, "0.5");
    m_pView->SendMessage(WM_COMMAND, ID_EDIT_MULTIPLIER);
    EXPECT_EQ(Text(0, "Net"), "5.00");
    AnswerWith(IDC_TOTAL_TARGET, "10");
    m_pView->SendMessage(WM_COMMAND, ID_EDIT_TOTAL_FINAL_VALUE);
    EXPECT_EQ(Text(0, "Final"), "10.00");
    EXPECT_EQ(Text(0, "Mult"), "1.0000");
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
}
