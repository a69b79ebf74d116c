// Choosing an item in a grouped-form file: the group and item lists with
// their Vantrel marks, the alerts, the hand-back, and the conditions
// evaluated over the Detail lines above and the Summary line.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "framework/core/Exceptions.h"
#include "model/Component.h"
#include "selection/LeadWnd.h"
#include "selection/SelGuard.h"
#include "tests/selection/FakeWindows.h"
#include "tests/selection/SelTestSupport.h"

namespace {

const std::string kMark = "\xBB\t";
const std::string kBlank = " \t";

productgen::GroupedFile Accessories() {
    productgen::GroupedFile f;
    f.fileNumber = 403;
    f.priceColumn = 2;
    f.columnNames = {"Product", "PartNumber", "list", "FigureNumber"};
    f.titles = {"Accessories", "for actuators"};

    productgen::Group solenoids;
    solenoids.name = "Solenoids";
    solenoids.cells = {"NAMUR solenoids", "24 VDC"};
    solenoids.conditions = {{"Size", {"4", "6"}}};
    solenoids.items = {
        {"SV-DA solenoid",
         {{"CylModel", {"DA10"}}},
         {"SOL", "AP-1", "168.00", "SV-DA"},
         {{"AccModel", 0, 5}}},
        {"SV-SR solenoid",
         {{"CylModel", {"SR10"}}},
         {"SOL", "AP-2", "9999999.99", "SV-SR"},
         {{"AccModel", 0, 5}}},
        {"SV-any solenoid", {}, {"SOL", "AP-3", "99.00", "SV-ANY"}, {}},
    };
    productgen::Group switches;
    switches.name = "Switches";
    switches.items = {{"LS mech", {}, {"LSB", "AP-4", "139.00", "LS-M"}, {}},
                      {"LS short", {}, {"LSB", "AP-5"}, {}}};  // no price or figure cell
    productgen::Group packaging;
    packaging.name = "Packaging";
    packaging.conditions = {{"Plant", {"EXP"}}};
    packaging.items = {{"Crate", {}, {"PKG", "AP-6", "85.00", "PK-1"}, {}}};
    f.groups = {solenoids, switches, packaging};
    return f;
}

class GroupedSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Load(lead, Accessories()));
        // Line 0: an actuator whose description carries Size and CylModel; line 1 is edited.
        job.AddDetail();
        job.AddDetail();
        job.SetTech(0, "4   DA10AL", 402, {{"Size", 0, 4}, {"CylModel", 4, 6}});
    }
    BOOL Load(CLeadWnd& target, const productgen::GroupedFile& f) {
        WriteProductFile(folder, "AccPneu.dta", productgen::WriteGrouped(f));
        return target.LoadDataFile(folder.c_str(), "AccPneu.dta");
    }
    int Fill(BOOL bAuto) {
        return lead.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr,
                              job.TechColumn(), 1, &job, bAuto, TRUE);
    }
    int PickGroup(int g, BOOL bAuto = TRUE) {
        left.SetCurSel(g);
        return lead.SelChangeLeftListBox(&left, &title, &right, &dialog, bAuto, &price, &figure, &job,
                                         job.Detail(), 1, job.TechColumn());
    }
    BOOL PickItem(int l, BOOL alert = TRUE) {
        right.SetCurSel(l);
        return lead.SelChangeRightListBox(&left, &right, &price, &figure, alert);
    }
    // Evaluates a line with the given conditions for the edited row.
    BOOL Holds(const std::vector<productgen::Condition>& conditions, int row = 1) {
        CMoreLine line("probe");
        for (const auto& c : conditions)
            for (const auto& v : c.values) line.GetConditions().AddCondition(c.name.c_str(), v.c_str());
        return lead.MatchConditions(&line, &job, job.Detail(), row, job.TechColumn());
    }

    std::string folder = MakeTestFolder("groupsel");
    MessageRecorder messages;
    CLeadWnd lead;
    JobLines job;
    CFakeList left, right;
    CFakeText title, title1, title2, price, figure;
    CFakeDialog dialog;
};

TEST_F(GroupedSelectionTest, FillListsMarksTheGroupsWhoseConditionsHold) {
    EXPECT_EQ(Fill(TRUE), 2);
    EXPECT_EQ(title1.text, "Accessories\nfor actuators\n");
    EXPECT_EQ(title2.text, "");
    EXPECT_EQ(left.lines,
              (std::vector<std::string>{kMark + "Solenoids", kMark + "Switches", kBlank + "Packaging"}));

    Fill(FALSE);
    EXPECT_EQ(left.lines,
              (std::vector<std::string>{kBlank + "Solenoids", kBlank + "Switches", kBlank + "Packaging"}));
}

TEST_F(GroupedSelectionTest, ItemLinesAreMarkedOnlyUnderAMarkedGroup) {
    Fill(TRUE);
    EXPECT_EQ(PickGroup(0), 2);
    EXPECT_EQ(title.text, "NAMUR solenoids\n24 VDC\n");
    EXPECT_EQ(right.lines, (std::vector<std::string>{kMark + "SV-DA solenoid", kBlank + "SV-SR solenoid",
                                                     kMark + "SV-any solenoid"}));
    EXPECT_EQ(right.tabStops, (std::vector<int>{8, 124, 160}));  // 4u, 62u, 80u with u = 2

    EXPECT_EQ(PickGroup(2), 0);  // unmarked group: no line is marked
    EXPECT_EQ(right.lines, (std::vector<std::string>{kBlank + "Crate"}));
    EXPECT_EQ(lead.FindFirstMatchingLine(&left, &job, job.Detail(), 1, job.TechColumn(), TRUE), -1);

    PickGroup(0);
    EXPECT_EQ(lead.FindFirstMatchingLine(&left, &job, job.Detail(), 1, job.TechColumn(), TRUE), 0);
    EXPECT_EQ(lead.FindFirstMatchingLine(&left, &job, job.Detail(), 1, job.TechColumn(), FALSE), -1);
    EXPECT_EQ(lead.FindFirstMatchingGroup(&job, job.Detail(), 1, job.TechColumn(), TRUE), 0);
    EXPECT_EQ(lead.FindFirstMatchingGroup(&job, job.Detail(), 1, job.TechColumn(), FALSE), -1);
}

TEST_F(GroupedSelectionTest, PickShowsPriceAndFigureAndRaisesTheAlerts) {
    const std::string poa =
        "Price on Application (POA)\nSelected item exists\nPrice NOT included in Corvantis";
    const std::string notVantrel = "This is NOT an Vantrel Selection";
    ScopedSettings on(CSelSettings{});
    Fill(TRUE);
    PickGroup(0);
    EXPECT_EQ(PickItem(0), 0);  // always 0, even for a valid pick
    EXPECT_EQ(price.text, "168.00");
    EXPECT_EQ(figure.text, "SV-DA");
    EXPECT_TRUE(messages.texts.empty());

    PickItem(1);  // unmarked and priced on application
    EXPECT_EQ(messages.texts, (std::vector<std::string>{poa, notVantrel}));

    messages.texts.clear();
    PickItem(1, FALSE);  // restoring a line's choice
    EXPECT_TRUE(messages.texts.empty());

    // Manual mode marks nothing, so every pick warns.
    Fill(FALSE);
    PickGroup(0, FALSE);
    PickItem(0);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{notVantrel}));

    CSelSettings off;
    off.bPOAAlert = FALSE;
    off.bVantrAlert = FALSE;
    ScopedSettings quiet(off);
    messages.texts.clear();
    PickItem(1);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(GroupedSelectionTest, AnItemWithoutPriceOrFigureCellReadsThemAsEmpty) {
    Fill(TRUE);
    PickGroup(1);
    price.text = figure.text = "old";
    EXPECT_NO_THROW(PickItem(1));
    EXPECT_EQ(price.text, "");
    EXPECT_EQ(figure.text, "");
    CString description;
    CStringArray names, values;
    names.Add("mine");
    EXPECT_TRUE(lead.GetSelection(&left, &right, &price, &figure, &description, &names, &values, nullptr,
                                  nullptr, nullptr, nullptr));
    EXPECT_EQ(description, "LS short");
    EXPECT_EQ(names.GetSize(), 1);  // cell count differs from the names: left as they were
}

TEST_F(GroupedSelectionTest, GetSelectionHandsBackNameCellsAndComponents) {
    Fill(TRUE);
    PickGroup(0);
    right.SetCurSel(0);
    CString description, fileName;
    CStringArray names, values;
    int fileNo = 0, style = 0;
    CObArray components;
    components.Add(new CComponent("stale", 0, 1));
    ASSERT_TRUE(lead.GetSelection(&left, &right, &price, &figure, &description, &names, &values, &fileName,
                                  &fileNo, &style, &components));
    EXPECT_EQ(description, "SV-DA solenoid");
    ASSERT_EQ(values.GetSize(), 4);
    EXPECT_EQ(names.GetAt(1), "PartNumber");
    EXPECT_EQ(values.GetAt(1), "AP-1");
    EXPECT_EQ(fileName, "AccPneu.dta");
    EXPECT_EQ(fileNo, 403);
    EXPECT_EQ(style, 2);
    EXPECT_EQ(ComponentTexts(components), (std::vector<std::string>{"AccModel@0+5"}));
    components.DeleteAll();

    right.SetCurSel(-1);
    EXPECT_FALSE(lead.GetSelection(&left, &right, &price, &figure, &description, &names, &values, &fileName,
                                   &fileNo, &style, &components));
    EXPECT_EQ(price.text, "");

    lead.GetItemDetail(&names, &values, &components, 0, 1, 1);  // the short line: components only
    EXPECT_EQ(names.GetSize(), 0);
    lead.GetItemDetail(&names, &values, &components, 0, 0, 1);
    EXPECT_EQ(values.GetAt(2), "9999999.99");
    EXPECT_EQ(components.GetSize(), 1);
    components.DeleteAll();
    EXPECT_EQ(lead.GetItemDescription(0, 2, 0), "Crate");
    EXPECT_EQ(lead.GetItemDescription(0, 3, 0), "");
    EXPECT_EQ(lead.GetItemDescription(0, 0, 3), "");
}

TEST_F(GroupedSelectionTest, NearestLineWithTheComponentDecides) {
    EXPECT_TRUE(Holds({{"Size", {"4", "6"}}}));
    EXPECT_FALSE(Holds({{"Size", {"6"}}}));
    // A nearer line with the component hides the farther one.
    job.Detail()->InsertRecord(1);
    job.SetTech(1, "6   ", 401, {{"Size", 0, 4}});
    EXPECT_TRUE(Holds({{"Size", {"6 "}}}, 2));  // trailing blanks are ignored on both sides
    EXPECT_FALSE(Holds({{"Size", {"4"}}}, 2));
    // Row 0 has no line above.
    EXPECT_FALSE(Holds({{"Size", {"4"}}}, 0));
}

TEST_F(GroupedSelectionTest, ModelConditionsCompareOnlyTheirFirstCharacters) {
    job.SetTech(0, "DA10AL SR20AL-E 4", 402, {{"CylModel", 0, 6}, {"ElecModel", 7, 8}, {"Size", 16, 3}});
    EXPECT_TRUE(Holds({{"CylModel", {"DA10"}}}));
    EXPECT_FALSE(Holds({{"CylModel", {"DA10AL"}}}));
    EXPECT_TRUE(Holds({{"ElecModel", {"SR20A"}}}));
    EXPECT_FALSE(Holds({{"ElecModel", {"SR20AL"}}}));
    // A component cut beyond the text's end gives what is there.
    EXPECT_TRUE(Holds({{"Size", {"4"}}}));
}

TEST_F(GroupedSelectionTest, AlternativesJoinNeighboursAndSetsCombineByAnd) {
    EXPECT_TRUE(Holds({{"Size", {"4"}}, {"or", {"x"}}, {"Bore", {"2"}}}));
    EXPECT_TRUE(Holds({{"Bore", {"2"}}, {"or", {"x"}}, {"Size", {"4"}}}));
    EXPECT_FALSE(Holds({{"Size", {"4"}}, {"Bore", {"2"}}}));
    // (Size 6 or Size... ) and CylModel DA10: the or1 set holds on its second member.
    EXPECT_TRUE(Holds({{"Bore", {"9"}}, {"or1", {"x"}}, {"CylModel", {"DA10"}}, {"Size", {"4"}}}));
    // P, or, Q, R, or2, S, T = (P or Q) and (R or S) and T
    EXPECT_FALSE(Holds({{"Size", {"4"}},
                        {"or", {"x"}},
                        {"Bore", {"1"}},
                        {"Plant", {"Z"}},
                        {"or2", {"x"}},
                        {"Stem", {"1"}},
                        {"CylModel", {"DA10"}}}));
    EXPECT_TRUE(Holds({{"Size", {"4"}},
                       {"or", {"x"}},
                       {"Bore", {"1"}},
                       {"Plant", {"Z"}},
                       {"or2", {"x"}},
                       {"CylModel", {"DA10"}},
                       {"Product", {""}}}));
    // A marker at the end is ignored; one at the start is an ordinary condition.
    EXPECT_TRUE(Holds({{"Size", {"4"}}, {"or8", {"x"}}}));
    EXPECT_FALSE(Holds({{"or", {"x"}}, {"Size", {"4"}}}));
    // Of two adjacent markers the second is evaluated as an ordinary condition.
    EXPECT_FALSE(Holds({{"Bore", {"1"}}, {"or", {"x"}}, {"or1", {"x"}}, {"Size", {"4"}}}));

    CMoreLine line("m");
    line.GetConditions().AddCondition("or", "x");
    line.GetConditions().AddCondition("Or", "x");
    line.GetConditions().AddCondition("or9", "x");
    EXPECT_TRUE(lead.IsOrCondition(&line, 3, 0));
    EXPECT_FALSE(lead.IsOrCondition(&line, 3, 1));
    EXPECT_FALSE(lead.IsOrCondition(&line, 3, 2));
    EXPECT_FALSE(lead.IsOrCondition(&line, 0, 0));
}

TEST_F(GroupedSelectionTest, FieldsOfTheLinesAboveAndOfTheSummaryLine) {
    job.SetDetailField(0, "Product", "ABCD");
    EXPECT_TRUE(Holds({{"Product", {"AB"}}}));
    EXPECT_TRUE(Holds({{"Product", {"XY", ""}}}));  // an empty value always matches
    EXPECT_FALSE(Holds({{"Product", {"ABCDE"}}}));
    // The Summary line is asked only when no Detail line above matches.
    job.SetSummaryField("Product", "XYZ");
    EXPECT_TRUE(Holds({{"Product", {"XY"}}}));
    job.SetSummaryField("Plant", "EXPORT");
    EXPECT_TRUE(Holds({{"Plant", {"EXP"}}}));
    EXPECT_FALSE(Holds({{"Plant", {"export"}}}));
    // On the first Detail line only the Summary line is consulted.
    EXPECT_FALSE(Holds({{"Product", {"AB"}}}, 0));
    EXPECT_TRUE(Holds({{"Product", {"XY"}}}, 0));
    // No field and no component of that name.
    EXPECT_FALSE(Holds({{"Nothing", {""}}}));
    // A component of the name hides the fields.
    job.SetTech(0, "Q", 402, {{"Product", 0, 1}});
    EXPECT_FALSE(Holds({{"Product", {"AB"}}}));
}

TEST_F(GroupedSelectionTest, OtherObjectsAreReportedAsInvalid) {
    CComponent notAnElement("x", 0, 1);
    EXPECT_TRUE(lead.MatchConditions(&notAnElement, &job, job.Detail(), 1, job.TechColumn()));
    EXPECT_FALSE(lead.MatchCondition(&notAnElement, 0, &job, job.Detail(), 1, job.TechColumn()));
    EXPECT_FALSE(lead.IsOrCondition(&notAnElement, 1, 0));
    EXPECT_EQ(messages.texts, (std::vector<std::string>(3, "Invalid MoreWndLine pointer")));
}

TEST_F(GroupedSelectionTest, SearchesByDescriptionAndFigureNumber) {
    int g = -1, l = -1;
    EXPECT_TRUE(lead.FindDescription("Crate", &g, &l));
    EXPECT_EQ(g, 2);
    EXPECT_EQ(l, 0);
    g = l = -1;
    EXPECT_FALSE(lead.FindDescription("crate", &g, &l));
    EXPECT_EQ(g, -1);

    lead.FindFigureNumber("sv-s", &left, &right, &title, &price, &figure, &g, &l);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(l, 1);
    lead.FindFigureNumber("", &left, &right, &title, &price, &figure, &g, &l);
    EXPECT_EQ(l, 0);
    g = l = -1;
    lead.FindFigureNumber("PK", &left, &right, &title, &price, &figure, &g, &l);  // the short line is skipped
    EXPECT_EQ(g, 2);
    lead.FindFigureNumber("none", &left, &right, &title, &price, &figure, &g, &l);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"none NOT Found"}));
}

TEST_F(GroupedSelectionTest, LeftListStatesAndRefill) {
    Fill(TRUE);
    right.lines = {"keep"};
    EXPECT_EQ(PickGroup(-1), 1);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"See selChangeLeftListBox"}));
    EXPECT_EQ(right.lines, (std::vector<std::string>{"keep"}));

    EXPECT_TRUE(lead.RefillLists(&title1, &title2, &left, FALSE, &job, job.Detail(), 1, job.TechColumn()));
    EXPECT_EQ(left.lines[0], kBlank + "Solenoids");
    EXPECT_FALSE(lead.ClearSelection(&left, &right, &title, &price, &figure));
    EXPECT_EQ(left.GetCount(), 3);
}

TEST_F(GroupedSelectionTest, CopiesAreDeep) {
    CLeadWnd* original = new CLeadWnd(lead);
    CLeadWnd copy(*original);
    CLeadWnd assigned;
    assigned.CopyFrom(*original);
    delete original;
    for (CLeadWnd* c : {&copy, &assigned}) {
        ASSERT_EQ(c->GetGroupCount(), 3);
        EXPECT_EQ(c->GetGroup(0)->GetLine(1)->GetCell(2), "9999999.99");
        EXPECT_EQ(c->GetGroup(0)->GetConditionValue(0, 1), "6");
        EXPECT_EQ(c->GetTitle(1), "for actuators");
        EXPECT_EQ(c->m_nStyle, 2);
    }
}

TEST(SelGuard, NoExceptionLeavesAHandler) {
    MessageRecorder messages;
    bool after = false;
    EXPECT_NO_THROW(RunGuarded([] { AfxThrowInvalidArgException(); }));
    EXPECT_NO_THROW(RunGuarded([] { throw std::bad_alloc(); }));
    EXPECT_NO_THROW(RunGuarded([] { throw std::runtime_error("x"); }));
    RunGuarded([&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"An invalid argument was encountered.",
                                                        "Out of memory.", "No error message is available."}));
}

}  // namespace
