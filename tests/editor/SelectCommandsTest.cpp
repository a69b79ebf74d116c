// Putting a product into a Detail line from the job window: the Selection
// dialog on the current Detail line (with Next DL and Next SL going on with
// the next line), the right click that opens it, and the part-number
// finder; each pick lands in the Detail line and rolls up into its Summary
// line.
#include <gtest/gtest.h>

#include <memory>

#include "editor/CorvScrollBar.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "framework/win/App.h"
#include "framework/win/Dialog.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "res/resource.h"
#include "res/selection_ids.h"
#include "selection/DlgDual.h"
#include "selection/SelSettings.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/DialogClicks.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProductFileWriter.h"

namespace {

// A valve file with two choosing columns; the price is the base plus the
// size's adder.
const char* const kValves = R"(form table
number 401
title Test valves
column Size
  caption Size:
  value 0200 | 2 inch
  value 0300 | 3 inch | 100.00
  component Size 4
column Ends
  caption Ends:
  value WF | Wafer
  component Ends 2
column Product
column Type
column PartNumber
column QuoteDescription
column list
column cost
column weight
price list
expand
  base 500.00
  cell Product = BFV
  cell Type = C4
  cell PartNumber = C4{Size}{Ends}
  cell QuoteDescription = Valve {Size:desc}
  cell cost = 250.00
  cell weight = 12
)";

// The data folder with the three product files, made once per run.
const std::string& ProductFolder() {
    static const std::string folder = [] {
        const std::string f = TestDir() + "products\\";
        ::CreateDirectoryA(f.c_str(), nullptr);
        productgen::WriteFileBytes(f + "SeriesC4.dta",
                                   productgen::WriteDescription(productgen::ParseDescription(kValves)));
        productgen::TableFile t;
        t.fileNumber = 402;
        t.cols = 2;
        t.priceColumn = 1;
        t.firstLevel = {{}, {"Size:"}, {""}};
        t.sets = {{{}, {}, {}}};
        t.components = {{"Size", 0, 4}};
        t.columnNames = {"Size", "list"};
        t.rows = {{"0400", "3.00"}};
        productgen::WriteFileBytes(f + "ActDAC4.dta", productgen::WriteTable(t));
        productgen::GroupedFile g;
        g.fileNumber = 403;
        g.priceColumn = 1;
        g.columnNames = {"PartNumber", "list"};
        productgen::Group group;
        group.name = "Solenoids";
        group.items = {{"SV", {}, {"SV-1", "9.00"}, {{"AccModel", 0, 2}}}};
        g.groups = {group};
        productgen::WriteFileBytes(f + "AccPneu.dta", productgen::WriteGrouped(g));
        return f;
    }();
    return folder;
}

// Picks "0300 WF" from the valve file in the open Selection dialog.
void PickThreeInchWafer(CDialog& dlg) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SEL_VALVE, 0), 0);
    ClickLine(dlg, IDC_SEL_RIGHT, 1);
    ClickLine(dlg, IDC_SEL_RIGHT, 0);
}

std::string Caption(HWND hWnd) {
    char buf[256] = "";
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

class SelectCommands : public JobWindowTest {
protected:
    void SetUp() override {
        JobWindowTest::SetUp();
        if (HasFatalFailure()) return;
        m_pDetail = m_pView->m_pDetailWnd.get();
        CSelSettings settings;
        settings.strDtaFolder = ProductFolder().c_str();
        m_previous = SetSelSettingsProvider([settings] { return settings; });
        m_bInstalled = true;
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        if (m_bInstalled) SetSelSettingsProvider(m_previous);
        JobWindowTest::TearDown();
    }

    void SetLines(int n) {
        while (m_pDoc->m_pTable->GetSize() < n) m_pDoc->m_pTable->AddRecord(m_pDoc->m_pDetailStruct);
        m_pView->m_pVScroll->SetScrollRange(0, n - 1);
    }
    POINT DetailCellPoint(const char* pszField, int nVisibleRow) const {
        const int nField = m_pDoc->m_pDetailStruct->FindField(pszField);
        int x = m_pView->m_nLeftMargin;
        for (int c = m_pDetail->m_pHScroll->GetScrollPos(); c < nField; ++c) x += m_pView->m_pDetWidths[c];
        return POINT{x + 3, (nVisibleRow + 1) * m_pView->m_nRowHeight + 5 + 3};
    }
    void OpenDetailAt(int nRow, int nDetailRow) {
        RightClick(m_pView, SummaryCellPoint(m_pView, "Itm", nRow));
        ASSERT_TRUE(m_pDetail->IsWindowVisible());
        Click(m_pDetail, DetailCellPoint("Product", nDetailRow));
        ASSERT_NE(m_pDetail->m_pEditWnd, nullptr);
        ASSERT_TRUE(m_pDetail->m_pEditWnd->IsWindowVisible());
    }
    void Command(UINT nID) {
        m_pView->SendMessage(WM_COMMAND, nID);
        PumpMessages();
    }
    CTechField* Tech(int nRow, int nDetailRow) const {
        CTable* pDetail = m_pDoc->m_pTable->GetRecord(nRow)->GetChild();
        return dynamic_cast<CTechField*>(
            pDetail->GetRecord(nDetailRow)->GetFieldByName("Technical Description"));
    }
    int DetailLines(int nRow) const { return m_pDoc->m_pTable->GetRecord(nRow)->GetChild()->GetSize(); }

    CDetailWnd* m_pDetail = nullptr;
    SelSettingsProvider m_previous;
    bool m_bInstalled = false;
};

}  // namespace

TEST_F(SelectCommands, APickLandsInTheDetailLineAndRollsUpIntoItsSummaryLine) {
    SetLines(2);
    PutDetail(m_pDoc, 0, 0, "QuotePN", "stale");
    MessageBoxRecorder boxes;
    OpenDetailAt(0, 0);
    m_pDoc->SetModifiedFlag(FALSE);
    CDialog::SetTestHook([](CDialog& d) {
        PickThreeInchWafer(d);
        Click(d, IDC_SEL_OK);
    });
    Command(ID_VIEW_SELECT);
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);

    CTechField* pTech = Tech(0, 0);
    ASSERT_NE(pTech, nullptr);
    EXPECT_EQ(std::string(pTech->GetText()), "0300 WF");
    EXPECT_EQ(std::string(pTech->GetFileName()), "SeriesC4.dta");
    EXPECT_EQ(pTech->m_nFileNo, 401);
    EXPECT_EQ(pTech->m_nStyle, 1);
    ASSERT_EQ(pTech->GetComponentCount(), 2);
    EXPECT_EQ(std::string(pTech->GetComponentName(1)), "Ends");
    EXPECT_EQ(pTech->GetComponentStart(1), 5);
    EXPECT_EQ(pTech->GetComponentLength(1), 2);
    // The line was cleared first, then took the item's values by name.
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QuotePN"), "");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "Product"), "BFV");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "PartNumber"), "C40300WF");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "QuoteDescription"), "Valve 3 inch");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "list"), "600.00");
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "cost"), "250.00");
    // The Summary line took its own names, then the roll-up.
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Type"), "C4");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Size"), "0300");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Cost"), "250.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "List"), "600.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Weight"), DetailText(m_pDoc, 0, 0, "weight"));
    EXPECT_EQ(SummaryText(m_pDoc, 1, "Cost"), "");
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_TRUE(boxes.Texts().empty());
    // The view keeps the loaded data and the dialog's place for the next time.
    EXPECT_NE(m_pView->m_pSelection, nullptr);
    EXPECT_GT(m_pView->m_rcSelectDlg.right, m_pView->m_rcSelectDlg.left);

    // A right click on the line opens the dialog preset from the line.
    std::string caption;
    CDialog::SetTestHook([&](CDialog& d) {
        caption = Caption(d.m_hWnd);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    RightClick(m_pDetail, DetailCellPoint("Product", 0));
    EXPECT_EQ(caption, "- - Line #1 - - 0300 WF");
    EXPECT_EQ(std::string(Tech(0, 0)->GetText()), "0300 WF");  // Cancel changes nothing
}

TEST_F(SelectCommands, NextDLPutsTheNextPickOnANewBlankLineAboveALineWithData) {
    SetLines(1);
    PutDetail(m_pDoc, 0, 1, "PartNumber", "KEEP");
    OpenDetailAt(0, 0);
    std::string secondCaption;
    CDialog::SetTestHook([](CDialog& d) {
        PickThreeInchWafer(d);
        Click(d, IDC_SEL_NEXT_DL);
    });
    CDialog::SetTestHook([&](CDialog& d) {
        secondCaption = Caption(d.m_hWnd);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SEL_VALVE, 0), 0);
        ClickLine(d, IDC_SEL_RIGHT, 0);  // 2 inch
        ClickLine(d, IDC_SEL_RIGHT, 0);
        Click(d, IDC_SEL_OK);
    });
    Command(ID_VIEW_SELECT);
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
    ASSERT_EQ(DetailLines(0), 3);
    EXPECT_EQ(std::string(Tech(0, 0)->GetText()), "0300 WF");
    EXPECT_EQ(std::string(Tech(0, 1)->GetText()), "0200 WF");
    EXPECT_EQ(DetailText(m_pDoc, 0, 2, "PartNumber"), "KEEP");
    // The second opening is preset from the line just filled.
    EXPECT_EQ(secondCaption, "- - Line #2 - - 0300 WF");
    EXPECT_EQ(m_pDetail->m_pEditWnd->m_nRow, 1);
    // Both lines rolled up.
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Cost"), "500.00");
}

TEST_F(SelectCommands, NextSLClosesTheDetailWindowAndSelectsForANewNextSummaryLine) {
    SetLines(2);
    PutSummary(m_pDoc, 1, "Operator", "keep");
    OpenDetailAt(0, 0);
    std::string caption, presetDescription, presetFile;
    CDialog::SetTestHook([](CDialog& d) {
        PickThreeInchWafer(d);
        Click(d, IDC_SEL_NEXT_SL);
    });
    CDialog::SetTestHook([&](CDialog& d) {
        caption = Caption(d.m_hWnd);
        auto& dual = dynamic_cast<CDlgDual&>(d);
        presetDescription = dual.GetDescription().GetString();
        presetFile = dual.GetFileName().GetString();
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    Command(ID_VIEW_SELECT);
    PumpMessages(100);
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
    // The first line rolled up when its Detail window closed.
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Cost"), "250.00");
    // A blank line went in above the line with data, and its Detail window
    // opened with the Selection dialog for its first Detail line.
    ASSERT_EQ(m_pDoc->m_pTable->GetSize(), 3);
    EXPECT_TRUE(m_pDoc->m_pTable->GetRecord(1)->IsEmpty());
    EXPECT_EQ(SummaryText(m_pDoc, 2, "Operator"), "keep");
    EXPECT_EQ(m_pEdit->m_nRow, 1);
    EXPECT_TRUE(m_pDetail->IsWindowVisible());
    EXPECT_EQ(m_pDetail->GetWindowText(), "- - Line #2 - -");
    // The dialog is preset from the last selection, without naming it in its caption.
    EXPECT_EQ(caption, "- - Line #1 - - ");
    EXPECT_EQ(presetDescription, "0300 WF");
    EXPECT_EQ(presetFile, "SeriesC4.dta");
    EXPECT_EQ(std::string(m_pView->m_strLastSelDescription), "0300 WF");
    EXPECT_EQ(std::string(m_pView->m_strLastSelFileName), "SeriesC4.dta");
    EXPECT_EQ(m_pView->m_nLastSelFileNo, 401);
    EXPECT_FALSE(m_pView->m_bSelectNext);
}

TEST_F(SelectCommands, FindPNPutsTheHitIntoTheDetailLine) {
    SetLines(1);
    OpenDetailAt(0, 0);
    CDialog::SetTestHook([](CDialog& d) {
        ::SetDlgItemTextA(d.m_hWnd, IDC_FPN_PART_NUMBER, "C40300WF");
        Click(d, IDC_FPN_FIND);
        Click(d, IDC_FPN_OK);
    });
    Command(ID_VIEW_FIND_PN);
    EXPECT_EQ(CDialog::PendingTestHooks(), 0);
    CTechField* pTech = Tech(0, 0);
    EXPECT_EQ(std::string(pTech->GetText()), "0300 WF");
    EXPECT_EQ(std::string(pTech->GetFileName()), "SeriesC4.dta");
    EXPECT_EQ(pTech->GetComponentCount(), 2);
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "PartNumber"), "C40300WF");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "List"), "600.00");

    // Cancel leaves the line as it is.
    CDialog::SetTestHook([](CDialog& d) { d.SendMessage(WM_COMMAND, IDCANCEL); });
    Command(ID_VIEW_FIND_PN);
    EXPECT_EQ(DetailText(m_pDoc, 0, 0, "PartNumber"), "C40300WF");
}

TEST_F(SelectCommands, GoingOnWithTheNextSummaryLineIsRefusedInAOneRowGridOnTheLastLine) {
    SetLines(1);
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    MessageBoxRecorder boxes;
    m_pView->m_nVisibleRows = 1;
    m_pView->GoOnWithNextSelection();
    m_pView->CalcVisibleRows();
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{EditorMsg::kSelectNoRoomSummary}));
    EXPECT_EQ(m_pDoc->m_pTable->GetSize(), 1);
    EXPECT_FALSE(m_pDetail->IsWindowVisible());
}
