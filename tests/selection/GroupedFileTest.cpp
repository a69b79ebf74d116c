// Reading grouped-form product files: groups, item lines, conditions and
// components, and damaged or hostile files.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "selection/LeadWnd.h"
#include "tests/selection/FakeWindows.h"
#include "tests/selection/SelTestSupport.h"

namespace {

#define BYTES(lit) std::string(lit, sizeof(lit) - 1)

const std::string kHead = BYTES("dta-File for CorvantisZoro Ver 6.0\n");

std::string HandWrittenGrouped() {
    return kHead + BYTES("\x93\x01\x00\x00")  // file number 403
           + BYTES("\x01\x00\x00\x00")        // price column
           + BYTES("\x02\x00\x00\x00") + "PartNumber\nlist\n" + BYTES("\x01\x00\x00\x00") + "Accessories\n" +
           BYTES("\x02\x00\x00\x00")  // groups
           // group 1: one cell, Size twice (merged), one item line
           + "Solenoids\n" + BYTES("\x01\x00\x00\x00") + "Pick one\n" + BYTES("\x02\x00\x00\x00") + "Size\n" +
           BYTES("\x01\x00\x00\x00") + "4\n" + "Size\n" + BYTES("\x02\x00\x00\x00") + "6\n8\n" +
           BYTES("\x01\x00\x00\x00")
           // its item: a condition without values, two cells, one component
           + "SV-1 solenoid\n" + BYTES("\x01\x00\x00\x00") + "Gone\n" + BYTES("\x00\x00\x00\x00") +
           BYTES("\x02\x00\x00\x00") + "AP-1\n168.00\n" + BYTES("\x01\x00\x00\x00") + "AccModel\n" +
           BYTES("\x00\x00\x00\x00") +
           BYTES("\x04\x00\x00\x00")
           // group 2: nothing at all
           + "Empty\n" + BYTES("\x00\x00\x00\x00") + BYTES("\x00\x00\x00\x00") + BYTES("\x00\x00\x00\x00");
}

productgen::GroupedFile SmallGrouped() {
    productgen::GroupedFile f;
    f.fileNumber = 403;
    f.priceColumn = 1;
    f.columnNames = {"PartNumber", "list"};
    f.titles = {"Accessories"};
    productgen::Group g;
    g.name = "Solenoids";
    g.cells = {"Pick one"};
    g.conditions = {{"Size", {"4"}}, {"Size", {"6", "8"}}};
    productgen::Item item;
    item.name = "SV-1 solenoid";
    item.conditions = {{"Gone", {}}};
    item.cells = {"AP-1", "168.00"};
    item.components = {{"AccModel", 0, 4}};
    g.items = {item};
    productgen::Group empty;
    empty.name = "Empty";
    f.groups = {g, empty};
    return f;
}

class GroupedFileTest : public ::testing::Test {
protected:
    std::string folder = MakeTestFolder("grouped");
    MessageRecorder messages;

    BOOL Load(CLeadWnd& lead, const std::string& bytes, const char* name = "G.dta") {
        WriteProductFile(folder, name, bytes);
        return lead.LoadDataFile(folder.c_str(), name);
    }
    void ExpectRefused(CLeadWnd& lead, const char* name = "G.dta") {
        ASSERT_FALSE(messages.texts.empty());
        EXPECT_EQ(messages.texts.back(),
                  std::string("Can NOT open ") + name + ".\n\nThis is not a current file.");
        EXPECT_EQ(lead.GetName(), "");
        EXPECT_EQ(lead.GetGroupCount(), 0);
        EXPECT_EQ(lead.GetRowCount(), 0);
        EXPECT_EQ(lead.GetCount(), 0);
        EXPECT_EQ(lead.GetTitleCount(), 0);
        EXPECT_EQ(lead.m_nStyle, 0);
    }
};

TEST_F(GroupedFileTest, GeneratorWritesTheFormByteForByte) {
    EXPECT_EQ(productgen::WriteGrouped(SmallGrouped()), HandWrittenGrouped());
}

TEST_F(GroupedFileTest, ReadsGroupsLinesConditionsAndComponents) {
    CLeadWnd lead;
    WriteProductFile(folder, "G.dta", HandWrittenGrouped());
    ASSERT_TRUE(lead.LoadDataFile(folder.c_str(), "G.fld"));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(lead.GetName(), "G.dta");
    EXPECT_EQ(lead.m_nFileNo, 403);
    EXPECT_EQ(lead.m_nStyle, 2);
    EXPECT_EQ(lead.m_nPriceCol, 1);
    EXPECT_EQ(lead.GetCount(), 2);
    EXPECT_EQ(lead.GetTitle(0), "Accessories");
    ASSERT_EQ(lead.GetGroupCount(), 2);

    CMoreWnd* g = lead.GetGroup(0);
    EXPECT_EQ(g->GetName(), "Solenoids");
    EXPECT_EQ(g->GetCell(0), "Pick one");
    // Two records of one name make one condition holding the values of both.
    ASSERT_EQ(g->GetConditionCount(), 1);
    EXPECT_EQ(g->GetConditionName(0), "Size");
    ASSERT_EQ(g->GetConditionValueCount(0), 3);
    EXPECT_EQ(g->GetConditionValue(0, 0), "4");
    EXPECT_EQ(g->GetConditionValue(0, 2), "8");

    CMoreLine* line = g->GetLine(0);
    EXPECT_EQ(line->GetName(), "SV-1 solenoid");
    EXPECT_EQ(line->GetConditionCount(), 0);  // a condition without values leaves no trace
    EXPECT_EQ(line->GetCell(1), "168.00");
    EXPECT_EQ(line->GetComponentName(0), "AccModel");
    EXPECT_EQ(line->GetComponentLength(0), 4);

    CMoreWnd* empty = lead.GetGroup(1);
    EXPECT_EQ(empty->GetCellCount(), 0);
    EXPECT_EQ(empty->GetLineCount(), 0);
    EXPECT_THROW(lead.GetGroup(2), CInvalidArgException);
    EXPECT_THROW(g->GetLine(1), CInvalidArgException);
    EXPECT_THROW(g->GetConditionValue(0, 3), CInvalidArgException);
}

TEST_F(GroupedFileTest, NegativeCountsReadNothingAndCarriageReturnsStay) {
    const std::string bytes = kHead + BYTES("\x01\x00\x00\x00") + BYTES("\x00\x00\x00\x00") +
                              BYTES("\xff\xff\xff\xff")  // no column names
                              + BYTES("\x01\x00\x00\x00") + "Title\r\n" + BYTES("\x01\x00\x00\x00") +
                              "Group\n" + BYTES("\x00\x00\x00\x80")  // no cells
                              + BYTES("\xfe\xff\xff\xff")            // no conditions
                              + BYTES("\x01\x00\x00\x00") + "Item\n" + BYTES("\x00\x00\x00\x00") +
                              BYTES("\x01\x00\x00\x00") + "cell\n" + BYTES("\xff\xff\xff\xff");
    CLeadWnd lead;
    ASSERT_TRUE(Load(lead, bytes));
    EXPECT_EQ(lead.GetTitle(0), "Title\r");
    ASSERT_EQ(lead.GetGroupCount(), 1);
    EXPECT_EQ(lead.GetGroup(0)->GetLine(0)->GetCell(0), "cell");
    EXPECT_EQ(lead.GetGroup(0)->GetLine(0)->GetComponentCount(), 0);
}

TEST_F(GroupedFileTest, EveryTruncationIsRefused) {
    const std::string full = HandWrittenGrouped();
    for (size_t n = kHead.size(); n < full.size(); ++n) {
        CLeadWnd lead;
        messages.texts.clear();
        EXPECT_FALSE(Load(lead, full.substr(0, n))) << "length " << n;
        ExpectRefused(lead);
    }
}

TEST_F(GroupedFileTest, HugeCountsAreRefusedBeforeAnyAllocation) {
    const size_t names = kHead.size() + 8;
    const std::string good = HandWrittenGrouped();
    auto patched = [&](size_t offset, int value) {
        std::string bytes = good, v;
        productgen::AppendInt(v, value);
        return bytes.replace(offset, 4, v);
    };
    const size_t titles = names + 4 + 16;
    const size_t groups = titles + 4 + 12;
    const size_t cells = groups + 4 + 10;
    for (const std::string& bytes : {patched(names, INT_MAX), patched(titles, 0x40000000),
                                     patched(groups, 1000000), patched(cells, INT_MAX)}) {
        CLeadWnd lead;
        messages.texts.clear();
        EXPECT_FALSE(Load(lead, bytes));
        ExpectRefused(lead);
    }
}

TEST_F(GroupedFileTest, ComponentsAJobFileCannotHoldAreRefused) {
    for (productgen::Component c : std::vector<productgen::Component>{{"AccModel", 65536, 4},
                                                                      {"AccModel", 0, 70000},
                                                                      {"AccModel", 65535, 1},
                                                                      {"AccModel", INT_MIN, 70000}}) {
        productgen::GroupedFile f = SmallGrouped();
        f.groups[0].items[0].components = {c};
        CLeadWnd lead;
        messages.texts.clear();
        EXPECT_FALSE(Load(lead, productgen::WriteGrouped(f))) << c.start << " " << c.length;
        ExpectRefused(lead);
    }
    productgen::GroupedFile f = SmallGrouped();
    f.groups[0].items[0].components = {{"AccModel", 65530, 5}, {"Neg", -7, INT_MIN}};
    CLeadWnd lead;
    EXPECT_TRUE(Load(lead, productgen::WriteGrouped(f)));
}

TEST_F(GroupedFileTest, ABlockOfManyConditionsReadsWithoutAHang) {
    // 100,000 names in one block and the first one again: a reader that
    // compared each new name with all before it would take minutes and run
    // into the test run's time limit.
    productgen::GroupedFile f = SmallGrouped();
    auto& conditions = f.groups[0].items[0].conditions;
    conditions.clear();
    for (int i = 0; i < 100000; ++i) conditions.push_back({"c" + std::to_string(i), {"v"}});
    conditions.push_back({"c0", {"w"}});
    const std::string bytes = productgen::WriteGrouped(f);
    CLeadWnd lead;
    ASSERT_TRUE(Load(lead, bytes));
    const CMoreLine* line = lead.GetGroup(0)->GetLine(0);
    ASSERT_EQ(line->GetConditionCount(), 100000);
    EXPECT_EQ(line->GetConditionName(99999), "c99999");
    ASSERT_EQ(line->GetConditionValueCount(0), 2);
    EXPECT_EQ(line->GetConditionValue(0, 1), "w");

    // A copy keeps merging into its own conditions.
    CLMCheck copy = line->GetConditions();
    copy.AddCondition("c5", "x");
    EXPECT_EQ(copy.GetCount(), 100000);
    EXPECT_EQ(copy.GetValueCount(5), 2);
    EXPECT_EQ(line->GetConditionValueCount(5), 1);
}

TEST_F(GroupedFileTest, RandomDamageNeverCrashes) {
    const std::string good = HandWrittenGrouped();
    std::mt19937 rng(7);
    JobLines job;
    job.AddDetail();
    job.AddDetail();
    for (int i = 0; i < 400; ++i) {
        std::string bytes = good;
        for (int f = 0; f < 3; ++f) {
            const size_t at = kHead.size() + rng() % (bytes.size() - kHead.size());
            bytes[at] = static_cast<char>(rng());
        }
        CLeadWnd lead;
        messages.texts.clear();
        if (!Load(lead, bytes)) {
            ExpectRefused(lead);
            continue;
        }
        CFakeList left, right;
        CFakeText title, price, figure;
        lead.FillLists(&title, &title, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(), 1,
                       &job, TRUE, TRUE);
        for (int g = 0; g < left.GetCount(); ++g) {
            left.SetCurSel(g);
            lead.SelChangeLeftListBox(&left, &title, &right, nullptr, TRUE, &price, &figure, &job,
                                      job.Detail(), 1, job.TechColumn());
            for (int l = 0; l < right.GetCount(); ++l) {
                right.SetCurSel(l);
                lead.SelChangeRightListBox(&left, &right, &price, &figure, TRUE);
            }
        }
    }
}

}  // namespace
