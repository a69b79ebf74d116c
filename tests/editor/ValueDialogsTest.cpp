// The value dialogs as a user works them: where the focus starts, what
// Enter, Tab, the mouse and Alt+O do to an entry that the number check
// rewrites, the preview of the revised total, and the print selection's
// ticks going in and out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/DlgLumpSum.h"
#include "editor/DlgMult.h"
#include "editor/DlgPrtSelect.h"
#include "editor/DlgSellGM.h"
#include "model/Table.h"
#include "res/editor_values_ids.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/ReviseTestSupport.h"
#include "tests/support/TypeKeys.h"
#include "workspace/SetButton.h"

namespace {

class ValueDialogs : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        m_pDoc->m_pTable->RemoveAll();
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        JobWindowTest::TearDown();
    }
    void AddLine(std::vector<const char*> fields) {
        const int nRow = m_pDoc->m_pTable->GetSize();
        m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
        for (size_t i = 0; i + 1 < fields.size(); i += 2) PutSummary(m_pDoc, nRow, fields[i], fields[i + 1]);
    }
    CTable* Table() { return m_pDoc->m_pTable; }
};

// A multiplier dialog that tells whether it has been ended.
class CProbeMult : public CDlgMult {
public:
    explicit CProbeMult(CTable* pTable) : CDlgMult(pTable) {}
    BOOL HasEnded() const { return m_bModalEnded; }
};

const char* const kRewrittenMessage =
    "The \"Mult\" field\nhas been interpreted as \"0.1235\".\nThis field contained:  \"0.12345\"\n";

}  // namespace

TEST_F(ValueDialogs, ARevisionDialogOpensOnItsNewValueUnderTheGreyedCurrentOne) {
    AddLine({"Qty", "1", "List", "100.00", "Net", "80.00", "Cost", "60.00", "Final", "85.00"});
    struct Case {
        CReviseDialog* pDlg;
        int nCurrent;
        int nNew;
        const char* pszCurrent;
        UINT nLimit;
    };
    CDlgMult mult(Table());
    CDlgSellGM margin(Table());
    CDlgLumpSum total(Table());
    for (const Case& c : {Case{&mult, IDC_MULT_CURRENT, IDC_MULT_NEW, "0.8000", 7},
                          Case{&margin, IDC_MARGIN_CURRENT, IDC_MARGIN_NEW, "25.00", 7},
                          Case{&total, IDC_TOTAL_CURRENT, IDC_TOTAL_TARGET, "85.00", 10}}) {
        CDialog::SetTestHook([&](CDialog& dlg) {
            EXPECT_EQ(::GetFocus(), Item(dlg, c.nNew));
            EXPECT_EQ(ItemText(dlg, c.nCurrent), c.pszCurrent);
            EXPECT_FALSE(::IsWindowEnabled(Item(dlg, c.nCurrent)));
            EXPECT_EQ(::SendMessageA(Item(dlg, c.nNew), EM_GETLIMITTEXT, 0, 0),
                      static_cast<LRESULT>(c.nLimit));
            // Only the number characters get through.
            for (char ch : std::string("1a .5x"))
                ::SendMessageA(Item(dlg, c.nNew), WM_CHAR, static_cast<unsigned char>(ch), 1);
            EXPECT_EQ(ItemText(dlg, c.nNew), "1.5");
            ClickButton(dlg, IDC_REVISE_OK);
        });
        EXPECT_EQ(c.pDlg->DoModal(), IDOK);
    }
    EXPECT_EQ(mult.GetValueText(), "1.5000");
    EXPECT_EQ(mult.m_strCurrent, "0.8000");
    EXPECT_EQ(margin.GetValueText(), "1.50");
    EXPECT_EQ(total.GetValueText(), "85.00");
    EXPECT_EQ(total.GetValueText2(), "1.50");
}

TEST_F(ValueDialogs, AValueTypedKeyByKeyIsCheckedOnEnterAndTakenOnOk) {
    AddLine({"Qty", "1", "List", "100.00", "Net", "80.00", "Cost", "60.00", "Final", "85.00"});
    struct Case {
        CReviseDialog* pDlg;
        int nNew;
        const char* pszTyped;
        const char* pszShown;
    };
    CDlgMult mult(Table());
    CDlgSellGM margin(Table());
    CDlgLumpSum total(Table());
    std::vector<std::string> typed, shown;
    for (const Case& c :
         {Case{&mult, IDC_MULT_NEW, "0.625", "0.6250"}, Case{&margin, IDC_MARGIN_NEW, "27.5", "27.50"},
          Case{&total, IDC_TOTAL_TARGET, "90.5", "90.50"}}) {
        CDialog::SetTestHook([&](CDialog& d) {
            ::SendMessageA(Item(d, c.nNew), EM_SETSEL, 0, -1);
            TypeKeys(Item(d, c.nNew), c.pszTyped);
            typed.push_back(ItemText(d, c.nNew));
            PressEnter(d);
            shown.push_back(ItemText(d, c.nNew));
            ClickButton(d, IDC_REVISE_OK);
        });
        EXPECT_EQ(c.pDlg->DoModal(), IDOK);
    }
    EXPECT_EQ(typed, (std::vector<std::string>{"0.625", "27.5", "90.5"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"0.6250", "27.50", "90.50"}));
    EXPECT_EQ(mult.GetValueText(), "0.6250");
    EXPECT_EQ(margin.GetValueText(), "27.50");
}

TEST_F(ValueDialogs, EnterChecksTheEntryButKeepsTheDialogOpen) {
    CProbeMult dlg(Table());
    MessageBoxRecorder boxes;
    CDialog::SetTestHook([&](CDialog& d) {
        d.SetDlgItemText(IDC_MULT_NEW, "0.8");
        PressEnter(d);
        EXPECT_EQ(ItemText(d, IDC_MULT_NEW), "0.8000");
        EXPECT_EQ(::GetFocus(), Item(d, IDC_MULT_NEW));
        EXPECT_FALSE(dlg.HasEnded());
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.GetValueText(), "0.8000");
    EXPECT_TRUE(boxes.m_texts.empty());
}

TEST_F(ValueDialogs, AClickThatTheCheckInterruptsDoesNotCloseTheDialog) {
    CProbeMult dlg(Table());
    MessageBoxRecorder boxes;
    CDialog::SetTestHook([&](CDialog& d) {
        d.SetDlgItemText(IDC_MULT_NEW, "0.12345");
        ClickButton(d, IDC_REVISE_OK);
        EXPECT_FALSE(dlg.HasEnded());
        ASSERT_EQ(boxes.m_texts.size(), 1u);
        EXPECT_EQ(boxes.m_texts[0], kRewrittenMessage);
        EXPECT_EQ(ItemText(d, IDC_MULT_NEW), "0.1235");
        EXPECT_EQ(::GetFocus(), Item(d, IDC_MULT_NEW));
        EXPECT_FALSE(IsButtonPushed(d, IDC_REVISE_OK));
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_FALSE(dlg.m_pOkButton->m_bRelease);
        // The next click closes it.
        ClickButton(d, IDC_REVISE_OK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetValueText(), "0.1235");
    EXPECT_EQ(boxes.m_texts.size(), 1u);
}

TEST_F(ValueDialogs, TabbingOntoOkAfterARewriteHoldsTheNextClick) {
    CDlgMult dlg(Table());
    MessageBoxRecorder boxes;
    CDialog::SetTestHook([&](CDialog& d) {
        d.SetDlgItemText(IDC_MULT_NEW, "0.12345");
        FocusItem(d, IDC_REVISE_OK);
        EXPECT_EQ(boxes.m_texts.size(), 1u);
        EXPECT_EQ(::GetFocus(), Item(d, IDC_MULT_NEW));
        EXPECT_TRUE(dlg.m_pOkButton->m_bRelease);
        // The first click only lets the button go.
        ClickButton(d, IDC_REVISE_OK);
        EXPECT_FALSE(dlg.m_pOkButton->m_bRelease);
        EXPECT_FALSE(IsButtonPushed(d, IDC_REVISE_OK));
        EXPECT_EQ(boxes.m_texts.size(), 1u);
        ClickButton(d, IDC_REVISE_OK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetValueText(), "0.1235");
}

TEST_F(ValueDialogs, CancelAfterARewriteStaysOpenUntilClickedAgain) {
    MessageBoxRecorder boxes;
    CProbeMult dlg(Table());
    CDialog::SetTestHook([&](CDialog& d) {
        d.SetDlgItemText(IDC_MULT_NEW, "0.12345");
        ClickButton(d, IDCANCEL);
        EXPECT_EQ(boxes.m_texts.size(), 1u);
        EXPECT_EQ(::GetFocus(), Item(d, IDC_MULT_NEW));
        EXPECT_FALSE(IsButtonPushed(d, IDCANCEL));
        EXPECT_FALSE(dlg.HasEnded());
        ClickButton(d, IDCANCEL);
        EXPECT_TRUE(dlg.HasEnded());
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(boxes.m_texts.size(), 1u);
}

TEST_F(ValueDialogs, AltOChecksTheEntryBeforeClosing) {
    MessageBoxRecorder boxes;
    {
        CDlgMult dlg(Table());
        CDialog::SetTestHook([](CDialog& d) {
            d.SetDlgItemText(IDC_MULT_NEW, "0.75");
            SendButtonCommand(d, IDC_REVISE_OK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.GetValueText(), "0.7500");
        EXPECT_TRUE(boxes.m_texts.empty());
    }
    {
        CProbeMult dlg(Table());
        CDialog::SetTestHook([&](CDialog& d) {
            d.SetDlgItemText(IDC_MULT_NEW, "0.12345");
            SendButtonCommand(d, IDC_REVISE_OK);
            EXPECT_EQ(boxes.m_texts.size(), 1u);
            EXPECT_EQ(::GetFocus(), Item(d, IDC_MULT_NEW));
            EXPECT_FALSE(dlg.HasEnded());
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

TEST_F(ValueDialogs, TheRevisedTotalIsPreviewedWhenTheTargetIsLeft) {
    AddLine({"Qty", "2", "Final", "100.00"});
    AddLine({"Qty", "1", "Final", "50.00"});
    CDlgLumpSum dlg(Table());
    CDialog::SetTestHook([](CDialog& d) {
        EXPECT_EQ(ItemText(d, IDC_TOTAL_CURRENT), "250.00");
        EXPECT_EQ(ItemText(d, IDC_TOTAL_REVISED), "");
        d.SetDlgItemText(IDC_TOTAL_TARGET, "500");
        FocusItem(d, IDC_REVISE_OK);
        EXPECT_EQ(ItemText(d, IDC_TOTAL_TARGET), "500.00");
        EXPECT_EQ(ItemText(d, IDC_TOTAL_REVISED), "500.00");
        // Left again unchanged: not computed again.
        d.SetDlgItemText(IDC_TOTAL_REVISED, "untouched");
        FocusItem(d, IDC_TOTAL_TARGET);
        FocusItem(d, IDC_REVISE_OK);
        EXPECT_EQ(ItemText(d, IDC_TOTAL_REVISED), "untouched");
        ClickButton(d, IDC_REVISE_OK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetValueText(), "250.00");
    EXPECT_EQ(dlg.GetValueText2(), "500.00");
}

TEST_F(ValueDialogs, FromAZeroTotalThePreviewIsZeroOrEmpty) {
    AddLine({"Qty", "0", "Final", "100.00"});
    CDlgLumpSum dlg(Table());
    std::string strPreview;
    CDialog::SetTestHook([&](CDialog& d) {
        d.SetDlgItemText(IDC_TOTAL_TARGET, "500");
        FocusItem(d, IDC_REVISE_OK);
        strPreview = ItemText(d, IDC_TOTAL_REVISED);
    });
    dlg.DoModal();
    EXPECT_EQ(strPreview, "0.00");

    m_pDoc->m_pTable->RemoveAll();
    CDlgLumpSum empty(Table());
    CDialog::SetTestHook([&](CDialog& d) {
        d.SetDlgItemText(IDC_TOTAL_TARGET, "500");
        FocusItem(d, IDC_REVISE_OK);
        strPreview = ItemText(d, IDC_TOTAL_REVISED);
    });
    empty.DoModal();
    EXPECT_EQ(strPreview, "");
}

TEST_F(ValueDialogs, PrintSelectionTicksGoInAndComeBackOut) {
    EXPECT_STREQ(RUNTIME_CLASS(CDlgPrtSelect)->m_lpszClassName, "CDlgPrtSelect");
    const int ids[] = {IDC_PRTSEL_QUOTE,        IDC_PRTSEL_SCOPE,          IDC_PRTSEL_SCOPE_PRICED,
                       IDC_PRTSEL_DISTRIBUTION, IDC_PRTSEL_PARTS,          IDC_PRTSEL_ICDS,
                       IDC_PRTSEL_PROP_SUM,     IDC_PRTSEL_PROP_SUM_PLANT, IDC_PRTSEL_PROJ_SELL,
                       IDC_PRTSEL_COMMISSION,   IDC_PRTSEL_PURCH_ORD};
    CDlgPrtSelect dlg;
    int* members[] = {&dlg.m_bQuote,
                      &dlg.m_bScope,
                      &dlg.m_bScopePriced,
                      &dlg.m_bDistribution,
                      &dlg.m_bParts,
                      &dlg.m_bICDS,
                      &dlg.m_bProposalSummary,
                      &dlg.m_bProposalSummaryPlant,
                      &dlg.m_bProjectSellPrice,
                      &dlg.m_bCommission,
                      &dlg.m_bPurchaseOrder};
    for (int* p : members) EXPECT_EQ(*p, 0);
    for (int i = 0; i < 11; ++i) *members[i] = i % 2;  // every other one ticked

    // In: each member ticks its own box. Out: a click on each box flips it.
    std::vector<int> shown;
    CDialog::SetTestHook([&](CDialog& d) {
        for (int id : ids) shown.push_back(static_cast<int>(::SendMessageA(Item(d, id), BM_GETCHECK, 0, 0)));
        for (int id : ids) ::SendMessageA(Item(d, id), BM_CLICK, 0, 0);
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(shown[i], i % 2) << i;
        EXPECT_EQ(*members[i], 1 - i % 2) << i;
    }

    // Cancel leaves the members as they were.
    CDialog::SetTestHook([&](CDialog& d) {
        for (int id : ids) ::SendMessageA(Item(d, id), BM_CLICK, 0, 0);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(*members[i], 1 - i % 2) << i;
}
