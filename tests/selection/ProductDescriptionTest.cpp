// The readable product descriptions of the generator: what they expand to,
// and that the sample files made from them read as intended.
#include <gtest/gtest.h>

#include "model/Component.h"
#include "selection/DualWnd.h"
#include "selection/LeadWnd.h"
#include "tests/selection/FakeWindows.h"
#include "tests/selection/SelTestSupport.h"

namespace {

TEST(ProductDescription, TableFormColumnsChoicesAndExpansion) {
    const productgen::Description d = productgen::ParseDescription(R"(
# a comment
form table
number 9
title Valves
column Size
  caption Size:
  heading Pick a size
  value 02 | 2 inch
  value 03 | 3 inch | 50.00
  component Size 2
column Body
  caption Body:
  initial CS
  value CS | Carbon
  value SS | Stainless | 10.50
  component Body 2 at 4
column PartNumber
column list
price list
row 01 | XX | P-01 | 1.00
expand
  base 100
  cell PartNumber = V{Size}{Body}-{Body:desc}
  poa Size=03 Body=SS
)");
    ASSERT_FALSE(d.grouped);
    const productgen::TableFile& t = d.table;
    EXPECT_EQ(t.fileNumber, 9);
    EXPECT_EQ(t.cols, 4);
    EXPECT_EQ(t.priceColumn, 3);
    EXPECT_EQ(t.firstLevel.list1, (std::vector<std::string>{"Valves"}));
    EXPECT_EQ(t.firstLevel.list2, (std::vector<std::string>{"Size:", "Body:"}));
    EXPECT_EQ(t.firstLevel.list3, (std::vector<std::string>{"", "CS"}));
    ASSERT_EQ(t.sets.size(), 2u);
    EXPECT_EQ(t.sets[0].list1, (std::vector<std::string>{"Pick a size"}));
    EXPECT_EQ(t.sets[1].list3, (std::vector<std::string>{"Carbon", "Stainless"}));
    ASSERT_EQ(t.components.size(), 2u);
    EXPECT_EQ(t.components[1].start, 4);
    ASSERT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(t.rows[0], (std::vector<std::string>{"01", "XX", "P-01", "1.00"}));
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"02", "CS", "V02CS-Carbon", "100.00"}));
    EXPECT_EQ(t.rows[2], (std::vector<std::string>{"02", "SS", "V02SS-Stainless", "110.50"}));
    EXPECT_EQ(t.rows[3], (std::vector<std::string>{"03", "CS", "V03CS-Carbon", "150.00"}));
    EXPECT_EQ(t.rows[4][3], "9999999.99");
}

TEST(ProductDescription, GroupedFormConditionsAndMarkers) {
    const productgen::Description d = productgen::ParseDescription(R"(
form grouped
number 5
columns PartNumber | list
price list
title Acc
group G
  cell shown
  if Size = 4 | 6
  or
  if Bore = 2
  item I one
    or3 = v
    cells P | 1.00
    component M 0 3
)");
    ASSERT_TRUE(d.grouped);
    const productgen::GroupedFile& f = d.groups;
    EXPECT_EQ(f.priceColumn, 1);
    ASSERT_EQ(f.groups.size(), 1u);
    const productgen::Group& g = f.groups[0];
    ASSERT_EQ(g.conditions.size(), 3u);
    EXPECT_EQ(g.conditions[0].values, (std::vector<std::string>{"4", "6"}));
    EXPECT_EQ(g.conditions[1].name, "or");
    EXPECT_EQ(g.conditions[1].values.size(), 1u);
    ASSERT_EQ(g.items.size(), 1u);
    EXPECT_EQ(g.items[0].name, "I one");
    EXPECT_EQ(g.items[0].conditions[0].name, "or3");
    EXPECT_EQ(g.items[0].conditions[0].values, (std::vector<std::string>{"v"}));
    EXPECT_EQ(g.items[0].components[0].length, 3);
}

TEST(ProductDescription, MistakesNameTheirLine) {
    const char* bad[] = {
        "number 1\n",                                                // form first
        "form table\ncolumn A\n  value x\ncolumn B\n  caption B\n",  // choosing after plain
        "form table\ncolumn A\nrow 1 | 2\n",                         // cell count
        "form table\nnumber x\n",                                    // number
        "form grouped\ncells a\n",                                   // outside an item
        "form table\ncolumn A\nprice B\n",                           // unknown price column
    };
    for (const char* text : bad)
        EXPECT_THROW(productgen::ParseDescription(text), productgen::DescriptionError) << text;
    try {
        productgen::ParseDescription("form table\n\nbogus\n");
        FAIL();
    } catch (const productgen::DescriptionError& e) {
        EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos);
    }
}

// The three sample files of the data folder, made from tools/products.
class SampleDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new std::string(MakeTestFolder("sample"));
        for (const char* name : {"SeriesC4", "ActDAC4", "AccPneu"}) {
            const std::string text =
                productgen::ReadFileBytes(std::string(CORV_SOURCE_DIR) + "/tools/products/" + name + ".txt");
            WriteProductFile(*s_folder, std::string(name) + ".dta",
                             productgen::WriteDescription(productgen::ParseDescription(text)));
        }
    }
    static void TearDownTestSuite() { delete s_folder; }
    static std::string* s_folder;

    // Picks every left line's value with its given right-list index.
    void Pick(CDualWnd& dual, const std::vector<int>& choices) {
        for (size_t i = 0; i < choices.size(); ++i) {
            left.SetCurSel(static_cast<int>(i));
            dual.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, &job,
                                      job.Detail(), 0, job.TechColumn());
            right.SetCurSel(choices[i]);
            dual.SelChangeRightListBox(&left, &right, &price, &figure, TRUE);
        }
    }
    // Writes the chosen item into a Detail line as the editor does.
    void Take(CSelection& sel, int row) {
        CString description, fileName;
        CStringArray names, values;
        int fileNo = 0, style = 0;
        CObArray components;
        ASSERT_TRUE(sel.GetSelection(&left, &right, &price, &figure, &description, &names, &values, &fileName,
                                     &fileNo, &style, &components));
        std::vector<productgen::Component> comps;
        for (CObject* p : components) {
            auto* c = static_cast<CComponent*>(p);
            comps.push_back({c->GetName().GetString(), c->m_nStart, c->m_nLength});
        }
        components.DeleteAll();
        job.SetTech(row, description, fileNo, comps, fileName, style);
        for (int i = 0; i < names.GetSize(); ++i)
            if (names.GetAt(i) == "Product") job.SetDetailField(row, "Product", values.GetAt(i));
    }

    MessageRecorder messages;
    JobLines job;
    CFakeList left, right;
    CFakeText title, title1, title2, price, figure;
    CFakeDialog dialog;
};
std::string* SampleDataTest::s_folder = nullptr;

TEST_F(SampleDataTest, FilesHoldRealisticProducts) {
    CDualWnd valves, actuators;
    CLeadWnd accessories;
    ASSERT_TRUE(valves.LoadDataFile(s_folder->c_str(), "SeriesC4.dta"));
    ASSERT_TRUE(actuators.LoadDataFile(s_folder->c_str(), "ActDAC4.dta"));
    ASSERT_TRUE(accessories.LoadDataFile(s_folder->c_str(), "AccPneu.dta"));
    EXPECT_GE(valves.GetRowCount() + actuators.GetRowCount(), 300);
    EXPECT_GE(accessories.GetGroupCount(), 5);
    for (CSelection* s : std::initializer_list<CSelection*>{&valves, &actuators, &accessories}) {
        EXPECT_GE(s->Find("PartNumber"), 0);
        EXPECT_GE(s->Find("FigureNumber"), 0);
        EXPECT_GE(s->Find("list"), 0);
    }
    int poa = 0;
    for (int r = 0; r < valves.GetRowCount(); ++r)
        poa += valves.GetCell(r, valves.m_nPriceCol) == "9999999.99";
    EXPECT_GT(poa, 0);
    // Every description fits the job's 80-character Technical Description.
    EXPECT_LE(valves.GetItemDescription(0, 0, 0).GetLength(), 80);
    EXPECT_LE(actuators.GetItemDescription(0, 0, 0).GetLength(), 80);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(SampleDataTest, ValveThenActuatorThenMatchingAccessories) {
    ScopedSettings quiet([] {
        CSelSettings s;
        s.bPOAAlert = FALSE;
        return s;
    }());
    const int valveRow = job.AddDetail();
    const int actuatorRow = job.AddDetail();
    const int accessoryRow = job.AddDetail();

    CDualWnd valves;
    ASSERT_TRUE(valves.LoadDataFile(s_folder->c_str(), "SeriesC4.dta"));
    valves.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(),
                     valveRow, &job, TRUE, FALSE);
    Pick(valves, {1, 0, 0, 0, 0});  // 3 inch, class 150, carbon steel, PTFE, wafer
    EXPECT_EQ(price.text, "780.00");
    Take(valves, valveRow);
    EXPECT_EQ(job.Tech(valveRow)->GetText(), "0300 150 CS PTF WF");

    // The actuator line borrows the valve's size from the line above.
    CDualWnd actuators;
    ASSERT_TRUE(actuators.LoadDataFile(s_folder->c_str(), "ActDAC4.dta"));
    actuators.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(),
                        actuatorRow, &job, TRUE, FALSE);
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0300", "", "", ""}));
    left.SetCurSel(1);
    actuators.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, &job, job.Detail(),
                                   actuatorRow, job.TechColumn());
    right.SetCurSel(1);  // DA15AL
    actuators.SelChangeRightListBox(&left, &right, &price, &figure, TRUE);
    for (int line : {2, 3}) {
        left.SetCurSel(line);
        actuators.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, &job,
                                       job.Detail(), actuatorRow, job.TechColumn());
        right.SetCurSel(line == 2 ? 1 : 0);  // 80 psig, ISO mount
        actuators.SelChangeRightListBox(&left, &right, &price, &figure, TRUE);
    }
    Take(actuators, actuatorRow);
    EXPECT_EQ(job.Tech(actuatorRow)->GetText(), "0300 DA15AL 80 ISO");

    CLeadWnd accessories;
    ASSERT_TRUE(accessories.LoadDataFile(s_folder->c_str(), "AccPneu.dta"));
    accessories.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(),
                          accessoryRow, &job, TRUE, TRUE);
    std::vector<std::string> marked;
    for (const std::string& l : left.lines)
        if (l[0] == '\xBB') marked.push_back(l.substr(2));
    // Solenoids (double acting), switches (always), positioners (a BFV line
    // above), filter regulators (80 psig), mounting kits; not export packaging.
    EXPECT_EQ(marked, (std::vector<std::string>{"Solenoid Valves", "Limit Switch Boxes", "Positioners",
                                                "Air Filter Regulators", "Mounting Kits"}));
    EXPECT_EQ(accessories.FindFirstMatchingGroup(&job, job.Detail(), accessoryRow, job.TechColumn(), TRUE),
              0);
    left.SetCurSel(0);
    accessories.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, &job,
                                     job.Detail(), accessoryRow, job.TechColumn());
    ASSERT_EQ(right.GetCount(), 5);
    EXPECT_EQ(right.lines[0][0], '\xBB');  // 5/2 way suits a double-acting actuator
    EXPECT_EQ(right.lines[2][0], ' ');     // 3/2 way does not
    left.SetCurSel(4);
    accessories.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, &job,
                                     job.Detail(), accessoryRow, job.TechColumn());
    EXPECT_EQ(
        accessories.FindFirstMatchingLine(&left, &job, job.Detail(), accessoryRow, job.TechColumn(), TRUE),
        0);
    job.SetSummaryField("Plant", "EXP-2");
    accessories.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(),
                          accessoryRow, &job, TRUE, TRUE);
    EXPECT_EQ(left.lines.back()[0], '\xBB');
    EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
