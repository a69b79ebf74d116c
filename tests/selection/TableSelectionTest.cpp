// Choosing an item in a table-form file: narrowing, the "*" marks, the
// price look-up with the price-on-application message, the fixed-width
// description, restoring a line's choice and the figure-number search.
#include <gtest/gtest.h>

#include "model/Component.h"
#include "selection/DualWnd.h"
#include "tests/selection/FakeWindows.h"
#include "tests/selection/SelTestSupport.h"

namespace {

productgen::TableFile ValveTable() {
    productgen::TableFile t;
    t.fileNumber = 401;
    t.cols = 5;
    t.priceColumn = 3;
    t.firstLevel = {{"Valve titles", "Second"}, {"Size:", "Body:"}, {"", ""}};
    t.sets = {{{"Pick size", "(nominal)"}, {"0200", "0300", "0400"}, {"2 inch", "3 inch", "4 inch"}},
              {{"Pick body"}, {"CS", "SS"}, {"Carbon", "Stainless"}}};
    t.components = {{"Size", 0, 4}, {"Body", 5, 2}};
    t.columnNames = {"Size", "Body", "Product", "list", "FigureNumber"};
    t.rows = {{"0200", "CS", "BFV", "100.00", "F-200C"},
              {"0200", "SS", "BFV", "150.00", "F-200S"},
              {"0300", "CS", "BFV", "9999999.99", "F-300C"},
              {"0300", "CS", "BFV", "999.00", "F-300X"}};
    return t;
}

class TableSelectionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(LoadTable(dual, ValveTable())); }

    BOOL LoadTable(CDualWnd& target, const productgen::TableFile& t) {
        WriteProductFile(folder, "SeriesC4.dta", productgen::WriteTable(t));
        return target.LoadDataFile(folder.c_str(), "SeriesC4.dta");
    }
    void SetLeft(std::vector<std::string> lines) {
        left.lines = std::move(lines);
        left.sel = -1;
    }
    int SelectLeft(int i) {
        left.SetCurSel(i);
        return dual.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, nullptr,
                                         nullptr, 0, 1);
    }
    BOOL SelectRight(int k, BOOL alert = TRUE) {
        right.SetCurSel(k);
        return dual.SelChangeRightListBox(&left, &right, &price, &figure, alert);
    }
    BOOL Choose(int line, int value) {
        SelectLeft(line);
        return SelectRight(value);
    }

    std::string folder = MakeTestFolder("tablesel");
    MessageRecorder messages;
    CDualWnd dual;
    CFakeList left, right;
    CFakeText title, title1, title2, price, figure;
    CFakeDialog dialog;
};

TEST_F(TableSelectionTest, FillListsShowsTitlesCaptionsAndTheInitialLines) {
    const int n =
        dual.FillLists(&title1, &title2, &left, nullptr, &price, &figure, nullptr, 1, 0, nullptr, TRUE, TRUE);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(title1.text, "Valve titles\nSecond\n");
    EXPECT_EQ(title2.text, "Size:\nBody:\n");
    EXPECT_EQ(left.lines, (std::vector<std::string>{"", ""}));
    // Nothing chosen matches no row: price and figure are cleared.
    EXPECT_EQ(price.text, "");
    EXPECT_EQ(figure.text, "");
}

TEST_F(TableSelectionTest, RightListMarksValuesThatNoRemainingRowHas) {
    SetLeft({"", "SS"});
    EXPECT_EQ(SelectLeft(0), 2);
    EXPECT_EQ(title.text, "Pick size\n(nominal)\n");
    EXPECT_EQ(right.lines, (std::vector<std::string>{"0200\t2 inch", "*\t3 inch", "*\t4 inch"}));
    // Widest value 4 x 7 pixels; base units 8 give q = 2: 28 / 2 + 12 * 2.
    EXPECT_EQ(right.tabStops, (std::vector<int>{38}));

    // The line being chosen does not narrow its own list.
    SetLeft({"0300", ""});
    SelectLeft(0);
    EXPECT_EQ(right.lines, (std::vector<std::string>{"0200\t2 inch", "0300\t3 inch", "*\t4 inch"}));
    SelectLeft(1);
    EXPECT_EQ(right.lines, (std::vector<std::string>{"CS\tCarbon", "*\tStainless"}));
}

TEST_F(TableSelectionTest, RightListTabStopWithoutDialogBaseUnitsDoesNotDivideByZero) {
    dialog.baseUnits = 0;
    SetLeft({"", "SS"});
    EXPECT_EQ(SelectLeft(0), 2);
    // q counts as 1: 28 / 1 + 12 * 1.
    EXPECT_EQ(right.tabStops, (std::vector<int>{40}));
}

TEST_F(TableSelectionTest, APickFillsTheLeftLineAndShowsPriceAndFigure) {
    ScopedSettings settings(CSelSettings{});
    SetLeft({"", ""});
    EXPECT_TRUE(Choose(0, 0));
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0200", ""}));
    EXPECT_EQ(left.sel, 0);
    EXPECT_EQ(price.text, "");  // the body is not chosen yet

    EXPECT_TRUE(Choose(1, 1));
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0200", "SS"}));
    EXPECT_EQ(left.sel, 1);
    EXPECT_EQ(price.text, "150.00");
    EXPECT_EQ(figure.text, "F-200S");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(TableSelectionTest, PickingAStarLineClearsTheChoiceAndThePrice) {
    SetLeft({"0200", "SS"});
    ASSERT_TRUE(dual.LookUpPrice(&left, &price, &figure, TRUE));
    SelectLeft(0);  // 0300 and 0400 have no SS row
    EXPECT_TRUE(SelectRight(1));
    EXPECT_EQ(left.lines, (std::vector<std::string>{"", "SS"}));
    EXPECT_EQ(price.text, "");
    EXPECT_EQ(figure.text, "");
}

TEST_F(TableSelectionTest, TheFirstMatchingRowIsTheChosenItem) {
    CSelSettings noAlert;
    noAlert.bPOAAlert = FALSE;
    ScopedSettings settings(noAlert);
    SetLeft({"0300", "CS"});
    ASSERT_TRUE(dual.LookUpPrice(&left, &price, &figure, TRUE));
    EXPECT_EQ(price.text, "9999999.99");
    EXPECT_EQ(figure.text, "F-300C");
    CString description;
    ASSERT_TRUE(dual.GetSelection(&left, &right, &price, &figure, &description, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, nullptr));
    EXPECT_EQ(description, "0300 CS");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(TableSelectionTest, PriceOnApplicationMessageFollowsTheAlertSetting) {
    const std::string poa =
        "Price on Application (POA)\nSelected item exists\nPrice NOT included in Corvantis";
    {
        ScopedSettings on(CSelSettings{});
        SetLeft({"0300", ""});
        Choose(1, 0);  // 0300 CS: the POA row
        ASSERT_EQ(messages.texts, (std::vector<std::string>{poa}));
        EXPECT_EQ(messages.styles[0], static_cast<UINT>(MB_OK));
        CString description;
        dual.GetSelection(&left, &right, &price, &figure, &description, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr);
        EXPECT_EQ(messages.texts.size(), 2u);  // again on OK

        // Restoring a line's choice never alerts.
        messages.texts.clear();
        dual.LookUpPrice(&left, &price, &figure, FALSE);
        EXPECT_TRUE(messages.texts.empty());
    }
    CSelSettings offSettings;
    offSettings.bPOAAlert = FALSE;
    ScopedSettings off(offSettings);
    SetLeft({"0300", ""});
    Choose(1, 0);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(price.text, "9999999.99");
}

TEST_F(TableSelectionTest, GetSelectionHandsBackTheWholeItem) {
    SetLeft({"0200", "CS"});
    CString description, fileName;
    CStringArray names, values;
    int fileNo = 0, style = 0;
    CObArray components;
    components.Add(new CComponent("stale", 1, 1));  // deleted by the hand-back
    ASSERT_TRUE(dual.GetSelection(&left, &right, &price, &figure, &description, &names, &values, &fileName,
                                  &fileNo, &style, &components));
    EXPECT_EQ(description, "0200 CS");
    ASSERT_EQ(names.GetSize(), 5);
    EXPECT_EQ(names.GetAt(3), "list");
    EXPECT_EQ(values.GetAt(3), "100.00");
    EXPECT_EQ(values.GetAt(4), "F-200C");
    EXPECT_EQ(fileName, "SeriesC4.dta");
    EXPECT_EQ(fileNo, 401);
    EXPECT_EQ(style, 1);
    EXPECT_EQ(ComponentTexts(components), (std::vector<std::string>{"Size@0+4", "Body@5+2"}));
    components.DeleteAll();

    // Without a complete choice nothing is handed back.
    SetLeft({"0400", "CS"});
    description = "kept";
    EXPECT_FALSE(dual.GetSelection(&left, &right, &price, &figure, &description, &names, &values, &fileName,
                                   &fileNo, &style, &components));
    EXPECT_EQ(description, "kept");
    EXPECT_TRUE(components.IsEmpty());
}

TEST_F(TableSelectionTest, NamesAndValuesStayWhenTheNamesDoNotCoverTheColumns) {
    productgen::TableFile t = ValveTable();
    t.columnNames.pop_back();
    CDualWnd shortNames;
    ASSERT_TRUE(LoadTable(shortNames, t));
    SetLeft({"0200", "CS"});
    CStringArray names, values;
    names.Add("mine");
    CString description;
    ASSERT_TRUE(shortNames.GetSelection(&left, &right, &price, &figure, &description, &names, &values,
                                        nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(names.GetSize(), 1);
    EXPECT_EQ(values.GetSize(), 0);

    shortNames.GetItemDetail(&names, &values, nullptr, 0, 0, 0);
    EXPECT_EQ(names.GetSize(), 0);
}

TEST_F(TableSelectionTest, DescriptionPlacesEachValueAtItsStartAndLength) {
    productgen::TableFile t = ValveTable();
    t.components = {{"Size", 0, 4}, {"Body", 5, 6}};
    t.rows[0][1] = "CSWCB01";  // 7 characters for a 6-character component
    t.sets[1].list2[0] = "CSWCB01";
    CDualWnd wide;
    ASSERT_TRUE(LoadTable(wide, t));
    EXPECT_EQ(wide.GetItemDescription(0, 0, 0), "0200 CSWCB0");
    EXPECT_EQ(wide.GetItemDescription(1, 0, 0), "0200 SS    ");  // trailing blanks kept
    EXPECT_EQ(wide.GetItemDescription(99, 0, 0), "           ");

    // Components reaching past the line are cut at its end; negative places count as 0.
    t.components = {{"Size", 5, 4}, {"Body", 40, 2}};  // a line of 4 + 2 + 1 characters
    CDualWnd clipped;
    ASSERT_TRUE(LoadTable(clipped, t));
    EXPECT_EQ(clipped.GetItemDescription(0, 0, 0), "     02");
    t.components = {{"Size", -3, 4}, {"Body", 2, -6}};
    CDualWnd negative;
    ASSERT_TRUE(LoadTable(negative, t));
    EXPECT_EQ(negative.GetComponentStart(0), 0);
    EXPECT_EQ(negative.GetComponentLength(1), 0);
    EXPECT_EQ(negative.GetItemDescription(0, 0, 0), "0200 ");

    t.components.clear();
    CDualWnd none;
    ASSERT_TRUE(LoadTable(none, t));
    EXPECT_EQ(none.GetItemDescription(0, 0, 0), "");
}

TEST_F(TableSelectionTest, RestoreTakesTheLinesOwnValuesWithoutAlert) {
    JobLines job;
    const int row = job.AddDetail();
    job.SetTech(row, "0300 CS", 401, {{"Size", 0, 4}, {"Body", 5, 2}});
    ScopedSettings on(CSelSettings{});
    dual.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(), row,
                   &job, TRUE, FALSE);
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0300", "CS"}));
    EXPECT_EQ(price.text, "9999999.99");
    EXPECT_TRUE(messages.texts.empty());

    // A line component longer than the file's is not taken.
    job.SetTech(row, "0300 CSX", 401, {{"Size", 0, 4}, {"Body", 5, 3}});
    dual.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(), row,
                   &job, TRUE, FALSE);
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0300", ""}));
}

TEST_F(TableSelectionTest, RestoreBorrowsFromTheNearestLineOfAnotherFile) {
    JobLines job;
    const int farRow = job.AddDetail();
    const int sameFile = job.AddDetail();
    const int nearRow = job.AddDetail();
    const int edited = job.AddDetail();
    job.SetTech(farRow, "0400", 402, {{"Size", 0, 4}});
    job.SetTech(sameFile, "0300 SS", 401, {{"Size", 0, 4}, {"Body", 5, 2}});  // passed over: this file
    job.SetTech(nearRow, "xx 0200   ", 402, {{"Other", 0, 2}, {"Size", 3, 4}});
    dual.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(), edited,
                   &job, TRUE, FALSE);
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0200", ""}));

    // The nearest line with the component decides, even when its value is empty.
    job.SetTech(nearRow, "       ", 402, {{"Size", 3, 4}});
    dual.FillLists(&title1, &title2, &left, job.Detail(), &price, &figure, nullptr, job.TechColumn(), edited,
                   &job, TRUE, FALSE);
    EXPECT_EQ(left.lines, (std::vector<std::string>{"", ""}));
}

TEST_F(TableSelectionTest, FigureNumberSearchIsACaseInsensitivePrefixMatch) {
    ScopedSettings off([] {
        CSelSettings s;
        s.bPOAAlert = FALSE;
        return s;
    }());
    int l = -1, r = -1;
    dual.FindFigureNumber("f-200s", &left, &right, &title, &price, &figure, &l, &r);
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0200", "SS"}));
    EXPECT_EQ(price.text, "150.00");
    EXPECT_EQ(l, -1);
    EXPECT_EQ(r, -1);

    dual.FindFigureNumber("F-3", &left, &right, &title, &price, &figure, &l, &r);
    EXPECT_EQ(figure.text, "F-300C");
    dual.FindFigureNumber("", &left, &right, &title, &price, &figure, &l, &r);
    EXPECT_EQ(figure.text, "F-200C");
    EXPECT_TRUE(messages.texts.empty());

    right.lines = {"x"};
    dual.FindFigureNumber("F-9", &left, &right, &title, &price, &figure, &l, &r);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"F-9 NOT Found"}));
    EXPECT_EQ(left.lines, (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(right.lines.empty());
    EXPECT_EQ(price.text, "");

    productgen::TableFile t = ValveTable();
    t.columnNames[4] = "Figure";
    CDualWnd noFigure;
    ASSERT_TRUE(LoadTable(noFigure, t));
    left.lines = {"0200", "CS"};
    figure.text = "untouched";
    noFigure.FindFigureNumber("F", &left, &right, &title, &price, &figure, &l, &r);
    EXPECT_EQ(left.lines, (std::vector<std::string>{"0200", "CS"}));
    noFigure.LookUpPrice(&left, &price, &figure, TRUE);
    EXPECT_EQ(price.text, "100.00");
    EXPECT_EQ(figure.text, "untouched");
    EXPECT_EQ(messages.texts.size(), 1u);
}

TEST_F(TableSelectionTest, InconsistentListStatesAreReportedTersely) {
    SetLeft({"", ""});
    EXPECT_EQ(SelectLeft(-1), 1);
    CDualWnd empty;
    left.sel = 0;
    EXPECT_EQ(empty.SelChangeLeftListBox(&left, &title, &right, &dialog, TRUE, &price, &figure, nullptr,
                                         nullptr, 0, 1),
              1);
    left.sel = 0;
    right.lines = {"0200\t2 inch"};
    right.sel = -1;
    EXPECT_TRUE(dual.SelChangeRightListBox(&left, &right, &price, &figure, TRUE));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"See selChangeDWList1", "See selChangeDWList1",
                                                        "See selChangeRightListBox"}));
    EXPECT_EQ(left.lines, (std::vector<std::string>{"", ""}));
}

TEST_F(TableSelectionTest, ClearSelectionResetsListsAndTexts) {
    left.lines = {"0200", "CS"};
    right.lines = {"a", "b"};
    title.text = price.text = figure.text = "x";
    EXPECT_TRUE(dual.ClearSelection(&left, &right, &title, &price, &figure));
    EXPECT_EQ(left.lines, (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(right.lines.empty());
    EXPECT_EQ(title.text + price.text + figure.text, "");
}

TEST_F(TableSelectionTest, CopiesAreDeepAndTheBaseAssignmentCopiesOnlyItsMembers) {
    CDualWnd* original = new CDualWnd(dual);
    CDualWnd copy(*original);
    CDualWnd assigned;
    assigned.CopyFrom(*original);
    assigned.CopyFrom(assigned);
    delete original;  // the copies share nothing with it
    for (CDualWnd* d : {&copy, &assigned}) {
        EXPECT_EQ(d->GetName(), "SeriesC4.dta");
        EXPECT_EQ(d->GetCell(3, 4), "F-300X");
        EXPECT_EQ(d->GetItemDescription(1, 0, 0), "0200 SS");
        SetLeft({"0200", "SS"});
        EXPECT_TRUE(d->LookUpPrice(&left, &price, &figure, TRUE));
    }

    CDualWnd baseOnly;
    static_cast<CSelection&>(baseOnly) = dual;
    EXPECT_EQ(baseOnly.GetName(), "SeriesC4.dta");
    EXPECT_EQ(baseOnly.m_nFileNo, 401);
    EXPECT_EQ(baseOnly.m_nPriceCol, 3);
    EXPECT_EQ(baseOnly.GetCount(), 5);
    EXPECT_EQ(baseOnly.GetRowCount(), 0);
}

TEST_F(TableSelectionTest, InterfaceLookUpsAndTheOtherFormsOperations) {
    EXPECT_EQ(dual.Find("list"), 3);
    EXPECT_EQ(dual.Find("List"), -1);
    EXPECT_THROW(dual.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(dual.GetAt(dual.GetCount()), CInvalidArgException);
    EXPECT_THROW(dual.GetComponentName(2), CInvalidArgException);
    int g = 5, l = 5;
    EXPECT_FALSE(dual.FindDescription("0200 CS", &g, &l));
    EXPECT_EQ(g, 0);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(dual.FindFirstMatchingGroup(nullptr, nullptr, 0, 1, TRUE), -1);
    EXPECT_EQ(dual.FindFirstMatchingLine(&left, nullptr, nullptr, 0, 1, TRUE), -1);
    EXPECT_FALSE(dual.RefillLists(&title1, &title2, &left, TRUE, nullptr, nullptr, 0, 1));
    EXPECT_EQ(dual.GetGroupCount(), 0);
    EXPECT_EQ(dual.GetGroup(0), nullptr);
}

}  // namespace
