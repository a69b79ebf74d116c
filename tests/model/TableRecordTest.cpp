// Line tables and records: building, copying, inserting, removing, emptiness,
// clearing and the line clipboard copies.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/Exceptions.h"
#include "framework/core/OwnedObArray.h"
#include "model/AlphaField.h"
#include "model/DateField.h"
#include "model/NumberField.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "model/WordsField.h"

namespace {

class TableTest : public ::testing::Test {
protected:
    CTableStruct m_summary{0};
    CTableStruct m_detail{1};

    static CString Text(const CRecord* r, const char* name) { return r->GetFieldByName(name)->GetText(); }
    static void Set(CRecord* r, const char* name, const char* text) {
        r->GetFieldByName(name)->SetText(text);
    }

    // A Summary line with an item number and n Detail lines numbered by part.
    void FillLine(CRecord* r, const char* itm, int nDetails) {
        Set(r, "Itm", itm);
        for (int i = 0; i < nDetails; ++i) {
            CRecord* d = r->GetChild()->AddRecord();
            Set(d, "PartNumber", (std::string("P") + std::to_string(i)).c_str());
        }
    }
};

TEST_F(TableTest, RecordHasOneFieldOfTheRightKindPerDescriptor) {
    CRecord summary(&m_summary, &m_detail);
    ASSERT_EQ(summary.GetFieldCount(), 28);
    EXPECT_TRUE(summary.GetField(0)->IsKindOf(RUNTIME_CLASS(CAlphaField)));
    EXPECT_TRUE(summary.GetField(1)->IsKindOf(RUNTIME_CLASS(CNumberField)));
    EXPECT_TRUE(summary.GetField(17)->IsKindOf(RUNTIME_CLASS(CWordsField)));
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(summary.GetField(i)->GetIndex(), i);
        EXPECT_EQ(summary.GetField(i)->GetTableStruct(), &m_summary);
    }
    EXPECT_EQ(static_cast<CNumberField*>(summary.GetField(7))->m_dValue, CNumberField::kEmpty);
    ASSERT_NE(summary.GetChild(), nullptr);
    EXPECT_EQ(summary.GetChild()->GetSize(), 0);
    EXPECT_EQ(summary.GetChild()->GetTableStruct(), &m_detail);

    CRecord detail(&m_detail);
    EXPECT_EQ(detail.GetChild(), nullptr);
    EXPECT_TRUE(detail.GetField(1)->IsKindOf(RUNTIME_CLASS(CTechField)));
    auto* tech = static_cast<CTechField*>(detail.GetField(1));
    EXPECT_EQ(tech->GetComponentCount(), 0);
    EXPECT_EQ(tech->m_nFileNo, 0);
}

TEST_F(TableTest, FieldLookUpsRaiseOnUnknownIndexOrName) {
    CRecord summary(&m_summary, &m_detail);
    EXPECT_EQ(summary.GetFieldByName("Net"), summary.GetField(7));
    EXPECT_THROW(summary.GetFieldByName("net"), CInvalidArgException);
    EXPECT_THROW(summary.GetField(28), CInvalidArgException);
    EXPECT_THROW(summary.GetField(-1), CInvalidArgException);
}

TEST_F(TableTest, AddInsertRemoveKeepTheLineOrder) {
    CTable table(&m_summary);
    table.AddRecord(&m_detail);
    table.AddRecord(&m_detail);
    Set(table.GetRecord(0), "Itm", "A");
    Set(table.GetRecord(1), "Itm", "C");
    CRecord* b = table.InsertRecord(1, &m_detail);
    Set(b, "Itm", "B");
    table.InsertRecord(0, nullptr);
    table.InsertRecord(4, &m_detail);
    ASSERT_EQ(table.GetSize(), 5);
    EXPECT_EQ(table.GetRecord(0)->GetChild(), nullptr);
    EXPECT_EQ(Text(table.GetRecord(1), "Itm"), "A");
    EXPECT_EQ(Text(table.GetRecord(2), "Itm"), "B");
    EXPECT_EQ(Text(table.GetRecord(3), "Itm"), "C");

    table.RemoveRecord(0);
    table.RemoveRecord(1);
    ASSERT_EQ(table.GetSize(), 3);
    EXPECT_EQ(Text(table.GetRecord(0), "Itm"), "A");
    EXPECT_EQ(Text(table.GetRecord(1), "Itm"), "C");

    EXPECT_THROW(table.GetRecord(3), CInvalidArgException);
    EXPECT_THROW(table.GetRecord(-1), CInvalidArgException);
    EXPECT_THROW(table.RemoveRecord(3), CInvalidArgException);
    EXPECT_THROW(table.InsertRecord(4), CInvalidArgException);
    EXPECT_THROW(table.InsertRecord(-1), CInvalidArgException);
    EXPECT_EQ(table.GetSize(), 3);

    table.RemoveAll();
    EXPECT_EQ(table.GetSize(), 0);
}

TEST_F(TableTest, EmptinessLooksAtTrailingWhiteSpaceAndDetailLines) {
    CRecord line(&m_summary, &m_detail);
    EXPECT_TRUE(line.IsEmpty());
    Set(&line, "Tag", " \t\r\n");
    EXPECT_TRUE(line.IsEmpty());
    Set(&line, "Tag", " x");
    EXPECT_FALSE(line.IsEmpty());
    Set(&line, "Tag", "");

    Set(&line, "Net", "123456789012");  // overflow shows as asterisks: not empty
    EXPECT_FALSE(line.IsEmpty());
    Set(&line, "Net", "");

    CRecord* d = line.GetChild()->AddRecord();
    EXPECT_TRUE(line.IsEmpty());
    Set(d, "cost", "5");
    EXPECT_FALSE(line.IsEmpty());
    EXPECT_TRUE(line.IsEmptyExcept("cost"));
    EXPECT_FALSE(line.IsEmptyExcept("Cost"));

    Set(&line, "Qty", "1");
    EXPECT_FALSE(line.IsEmptyExcept("cost"));
    EXPECT_FALSE(line.IsEmptyExcept("Qty"));
    Set(d, "cost", "");
    EXPECT_TRUE(line.IsEmptyExcept("Qty"));
}

TEST_F(TableTest, RemoveEmptyTailStopsAtTheFirstFullLineAndKeepsLineZero) {
    CTable one(&m_summary);
    one.AddRecord(&m_detail);
    one.RemoveEmptyTail();
    EXPECT_EQ(one.GetSize(), 1);

    CTable table(&m_summary);
    for (const char* itm : {"1", "", "3", "", ""}) Set(table.AddRecord(&m_detail), "Itm", itm);
    table.RemoveEmptyTail();
    ASSERT_EQ(table.GetSize(), 3);
    EXPECT_EQ(Text(table.GetRecord(2), "Itm"), "3");
    EXPECT_EQ(Text(table.GetRecord(1), "Itm"), "");

    CTable empty(&m_summary);
    empty.RemoveEmptyTail();
    EXPECT_EQ(empty.GetSize(), 0);
}

TEST_F(TableTest, ClearEmptiesEveryFieldAndTheDetailLines) {
    CRecord line(&m_summary, &m_detail);
    FillLine(&line, "7", 2);
    Set(&line, "Net", "10");
    auto* words = static_cast<CWordsField*>(line.GetFieldByName("WordsAbove"));
    words->SetText("Above");
    words->m_nIndentLeft = 4;
    line.Clear();
    EXPECT_TRUE(line.IsEmpty());
    EXPECT_EQ(static_cast<CNumberField*>(line.GetFieldByName("Net"))->m_dValue, CNumberField::kEmpty);
    ASSERT_NE(line.GetChild(), nullptr);
    EXPECT_EQ(line.GetChild()->GetSize(), 0);
    EXPECT_EQ(words->m_nIndentLeft, 4);  // only texts are cleared
}

TEST_F(TableTest, CopiesAreDeepAndShareTheLayouts) {
    CTable table(&m_summary);
    FillLine(table.AddRecord(&m_detail), "1", 3);
    table.AddRecord(nullptr);

    CTable copy(table);
    ASSERT_EQ(copy.GetSize(), 2);
    EXPECT_EQ(copy.GetTableStruct(), &m_summary);
    EXPECT_NE(copy.GetRecord(0), table.GetRecord(0));
    EXPECT_EQ(copy.GetRecord(0)->GetTableStruct(), &m_summary);
    ASSERT_EQ(copy.GetRecord(0)->GetChild()->GetSize(), 3);
    EXPECT_NE(copy.GetRecord(0)->GetChild(), table.GetRecord(0)->GetChild());
    EXPECT_EQ(Text(copy.GetRecord(0)->GetChild()->GetRecord(2), "PartNumber"), "P2");
    EXPECT_EQ(copy.GetRecord(1)->GetChild(), nullptr);

    Set(table.GetRecord(0), "Itm", "9");
    EXPECT_EQ(Text(copy.GetRecord(0), "Itm"), "1");

    CTable assigned(&m_detail);
    assigned.AddRecord();
    assigned = table;
    EXPECT_EQ(assigned.GetTableStruct(), &m_summary);
    ASSERT_EQ(assigned.GetSize(), 2);
    EXPECT_EQ(Text(assigned.GetRecord(0), "Itm"), "9");
    assigned = assigned;
    EXPECT_EQ(assigned.GetSize(), 2);
}

TEST_F(TableTest, RecordAssignmentReplacesFieldsAndChildTable) {
    CRecord withChild(&m_summary, &m_detail);
    FillLine(&withChild, "1", 2);
    CRecord noChild(&m_summary);
    Set(&noChild, "Itm", "2");

    CRecord target(withChild);
    target = noChild;
    EXPECT_EQ(target.GetChild(), nullptr);  // the old child table is gone
    EXPECT_EQ(Text(&target, "Itm"), "2");

    target = withChild;
    ASSERT_NE(target.GetChild(), nullptr);
    EXPECT_NE(target.GetChild(), withChild.GetChild());
    EXPECT_EQ(target.GetChild()->GetSize(), 2);

    CRecord detail(&m_detail);
    Set(&detail, "Product", "X");
    target = detail;
    EXPECT_EQ(target.GetTableStruct(), &m_detail);
    EXPECT_EQ(target.GetFieldCount(), 16);
    EXPECT_EQ(target.GetChild(), nullptr);
    target = target;
    EXPECT_EQ(Text(&target, "Product"), "X");
}

TEST_F(TableTest, CopyToClipReplacesTheClipboardsDetailLines) {
    CRecord line(&m_summary, &m_detail);
    FillLine(&line, "12", 3);
    Set(&line, "Net", "1250");
    auto* words = static_cast<CWordsField*>(line.GetFieldByName("WordsBelow"));
    words->SetText("Below");
    words->m_nIndentLeft = 3;
    words->m_nIndentRight = 8;
    CRecord* d0 = line.GetChild()->GetRecord(0);
    auto* tech = static_cast<CTechField*>(d0->GetFieldByName("Technical Description"));
    tech->SetText("Ball valve");
    tech->SetFileName("BALL.DTA");
    tech->m_nFileNo = 4;
    tech->m_nStyle = 1;
    COwnedObArray parts;
    parts.Add(new CComponent("Size", 0, 4));
    tech->SetComponents(parts);

    CRecord clip(&m_summary, &m_detail);
    FillLine(&clip, "old", 5);
    line.CopyToClip(clip);

    EXPECT_EQ(Text(&clip, "Itm"), "12");
    EXPECT_EQ(Text(&clip, "Net"), "1250.00");
    auto* clipWords = static_cast<CWordsField*>(clip.GetFieldByName("WordsBelow"));
    EXPECT_EQ(clipWords->GetText(), "Below");
    EXPECT_EQ(clipWords->m_nIndentLeft, 3);
    EXPECT_EQ(clipWords->m_nIndentRight, 8);
    ASSERT_EQ(clip.GetChild()->GetSize(), 3);
    EXPECT_EQ(clip.GetChild()->GetRecord(0)->GetChild(), nullptr);
    EXPECT_EQ(Text(clip.GetChild()->GetRecord(2), "PartNumber"), "P2");
    auto* clipTech =
        static_cast<CTechField*>(clip.GetChild()->GetRecord(0)->GetFieldByName("Technical Description"));
    EXPECT_EQ(clipTech->GetText(), "Ball valve");
    EXPECT_EQ(clipTech->GetFileName(), "BALL.DTA");
    EXPECT_EQ(clipTech->m_nFileNo, 4);
    EXPECT_EQ(clipTech->m_nStyle, 1);
    ASSERT_EQ(clipTech->GetComponentCount(), 1);
    EXPECT_EQ(clipTech->GetComponentName(0), "Size");

    // Pasting back into an emptied line restores it.
    line.Clear();
    line.PasteFromClip(clip);
    EXPECT_EQ(Text(&line, "Itm"), "12");
    ASSERT_EQ(line.GetChild()->GetSize(), 3);
    EXPECT_EQ(Text(line.GetChild()->GetRecord(1), "PartNumber"), "P1");
}

TEST_F(TableTest, CopiedTextsPassThroughTheReceivingFieldsSetText) {
    CRecord line(&m_detail), clip(&m_detail);
    Set(&line, "cost", "123456789012");  // overflow: its asterisks read back as overflow
    Set(&line, "mult", ".5");
    line.CopyToClip(clip);
    EXPECT_EQ(static_cast<CNumberField*>(clip.GetFieldByName("cost"))->m_dValue, CNumberField::kOverflow);
    EXPECT_EQ(static_cast<CNumberField*>(clip.GetFieldByName("mult"))->m_dValue, 0.5);
    EXPECT_EQ(Text(&clip, "mult"), "0.5000");
    EXPECT_EQ(clip.GetChild(), nullptr);
}

}  // namespace
