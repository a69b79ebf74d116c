// The in-place cell editor: what a commit writes and tells, the price
// recalculation of a line, the key filter and the changed-field list.
#include <gtest/gtest.h>

#include <memory>

#include "editor/CorvScrollBar.h"
#include "editor/EditWnd.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/core/OwnedObArray.h"
#include "model/Field.h"
#include "model/FieldDesc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/app/AppTestSupport.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

// A layout of a date field and a text field, as a job file could bring it.
void BuildDateLayout(CTableStruct& layout) {
    COwnedObArray descs;
    descs.Add(new CFieldDesc("When", 'D', 10, 0, 12, 0));
    descs.Add(new CFieldDesc("Note", 'S', 20, 0, 22, 0));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        descs.SerializeOwned(ar, RUNTIME_CLASS(CFieldDesc));
        ar.Close();
    }
    CMemFile in(file.Data().data(), file.Data().size());
    CArchive ar(&in, CArchive::load);
    layout.Serialize(ar);
}

class CellEdit : public JobWindowTest {
protected:
    void Edit(const char* pszField, const char* pszText, int nRow = 0) {
        Click(m_pView, SummaryCellPoint(m_pView, pszField, nRow));
        m_pEdit->SetWindowText(pszText);
    }
    void Type(const char* pszText) { TypeText(m_pEdit, pszText); }
};

}  // namespace

TEST_F(CellEdit, LeavingACellWithItsOwnTextWritesNothing) {
    PutSummary(m_pDoc, 0, "Operator", "Smith");
    MessageBoxRecorder boxes;
    Edit("Operator", "Smith");
    m_pView->CommitEdit();
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_TRUE(boxes.Shown().empty());

    Edit("Operator", "smith");  // case counts
    m_pView->CommitEdit();
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Operator"), "smith");
    EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(CellEdit, ADateTheFieldCannotTakeIsErasedAndTheUserToldWhy) {
    CTableStruct layout;
    BuildDateLayout(layout);
    CTable table(&layout);
    table.AddRecord();
    int widths[] = {80, 100};
    auto pEditor = std::make_unique<CEditWnd>(m_pView, nullptr, &table, m_pView->m_pHScroll.get(),
                                              m_pView->m_pVScroll.get(), widths, nullptr);
    ASSERT_TRUE(pEditor->Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), m_pView, 1));
    pEditor->m_nCol = 0;
    pEditor->m_nRow = 0;

    MessageBoxRecorder boxes;
    pEditor->SetWindowText("2/30/2006");
    EXPECT_EQ(pEditor->CommitField(), 3);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{
                                 "The \"When\" field of line #1 has been errased.\nThis field contained:  "
                                 "\"2/30/2006\"\n\nBad DAY specification."}));
    EXPECT_EQ(boxes.Shown().at(0).type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(pEditor->GetWindowText(), "");
    EXPECT_EQ(table.GetRecord(0)->GetField(0)->GetText(), "");
    EXPECT_TRUE(m_pDoc->IsModified());

    boxes.Clear();
    pEditor->SetWindowText("13/1/2006");
    EXPECT_EQ(pEditor->CommitField(), 2);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find("\"13/1/2006\"\n\nBad MONTH specification."), std::string::npos);

    boxes.Clear();
    pEditor->SetWindowText("3/4/06");
    EXPECT_EQ(pEditor->CommitField(), 0);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(table.GetRecord(0)->GetField(0)->GetText(), "03/04/2006");

    // However long the typed text, the message is shown whole.
    boxes.Clear();
    const std::string strLong(300, '7');
    pEditor->SetWindowText(strLong.c_str());
    EXPECT_EQ(pEditor->CommitField(), 1);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    const std::string text = boxes.Texts()[0];
    EXPECT_NE(text.find(strLong), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 42), "\n\nUse date format: mm/dd/yyyy or mm/dd/yy.");
    pEditor.reset();
}

TEST_F(CellEdit, ANumberTheFieldRewritesIsShownAsStoredAndTheUserToldBothTexts) {
    MessageBoxRecorder boxes;
    Edit("Qty", "3.456", 1);
    Type("\r");  // Enter commits, the editor stays
    EXPECT_EQ(SummaryText(m_pDoc, 1, "Qty"), "3");
    EXPECT_EQ(m_pEdit->GetWindowText(), "3");
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"The \"Qty\" field of line #2\nhas been interpreted as "
                                        "\"3\".\nThis field contained:  \"3.456\"\n"}));
    EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(CellEdit, APriceEditRecomputesTheDependentPricesOfTheSameLine) {
    PutSummary(m_pDoc, 0, "Cost", "60.00");
    PutSummary(m_pDoc, 0, "List", "100.00");
    PutSummary(m_pDoc, 0, "FrtAmount", "5.00");
    Edit("Net", "80.00");
    m_pView->CommitEdit();
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Net"), "80.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Margin"), "25.00");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Mult"), "0.8000");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Final"), "85.00");
    EXPECT_TRUE(m_pDoc->IsModified());

    // A column without rules changes only itself.
    Edit("Qty", "4");
    m_pView->CommitEdit();
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Qty"), "4");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Final"), "85.00");
}

TEST_F(CellEdit, KeysAreFilteredByTheFieldsType) {
    Edit("Qty", "");
    Type("a1b2.\t");
    EXPECT_EQ(m_pEdit->GetWindowText(), "12.");
    // Enter commits a number and the editor stays on its cell.
    m_pEdit->SetWindowText("7");
    m_pEdit->SendMessage(WM_CHAR, 13, 1);
    PumpMessages();
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Qty"), "7");
    EXPECT_TRUE(m_pEdit->IsWindowVisible());
    EXPECT_EQ(m_pEdit->m_nCol, m_pDoc->m_pSummaryStruct->FindField("Qty"));

    Edit("Operator", "");
    Type("Ab 1\t/");
    EXPECT_EQ(m_pEdit->GetWindowText(), "Ab 1/");
    m_pEdit->SendMessage(WM_CHAR, 13, 1);  // Enter in a text field commits nothing
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Operator"), "");
}

TEST_F(CellEdit, PricesThatFollowTheDetailLinesCannotBeTyped) {
    Click(m_pView, SummaryCellPoint(m_pView, "Net", 0));
    EXPECT_FALSE(m_pEdit->GetStyle() & ES_READONLY);
    Click(m_pView, SummaryCellPoint(m_pView, "Cost", 0));  // filled by the roll-up
    EXPECT_TRUE(m_pEdit->GetStyle() & ES_READONLY);
    PutSummary(m_pDoc, 0, "Detail Net", "50.00");
    for (const char* pszName : {"Net", "Mult", "Margin", "Final"}) {
        Click(m_pView, SummaryCellPoint(m_pView, pszName, 0));
        EXPECT_TRUE(m_pEdit->GetStyle() & ES_READONLY) << pszName;
    }
    Click(m_pView, SummaryCellPoint(m_pView, "Qty", 0));
    EXPECT_FALSE(m_pEdit->GetStyle() & ES_READONLY);
}

TEST_F(CellEdit, AChangedFieldListWritesOnlyTheNamesTheLayoutHas) {
    Click(m_pView, SummaryCellPoint(m_pView, "Itm", 0));
    CStringArray names, values;
    names.Add("Tag");
    values.Add("T-1");
    names.Add("tag");  // another field: case counts
    values.Add("lower");
    names.Add("Tag");  // a second entry of a name is not used
    values.Add("T-2");
    names.Add("net");
    values.Add("9.00");
    m_pEdit->ApplyChangeList(names, values);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Tag"), "T-1");
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Net"), "");
    EXPECT_TRUE(m_pDoc->IsModified());

    m_pDoc->SetModifiedFlag(FALSE);
    names.Add("Qty");  // names and values of different lengths: nothing
    m_pEdit->ApplyChangeList(names, values);
    EXPECT_EQ(SummaryText(m_pDoc, 0, "Qty"), "");
    EXPECT_FALSE(m_pDoc->IsModified());

    CStringArray none;  // an empty list still marks the job
    m_pEdit->ApplyChangeList(none, none);
    EXPECT_TRUE(m_pDoc->IsModified());
}
