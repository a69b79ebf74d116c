// The search behind the part-number finder across the three product files.
#include <gtest/gtest.h>

#include <cstdio>

#include "model/Component.h"
#include "selection/PartNumberSearch.h"
#include "tests/selection/SelTestSupport.h"

namespace {

productgen::TableFile Table(int number, std::vector<std::vector<std::string>> rows) {
    productgen::TableFile t;
    t.fileNumber = number;
    t.cols = 4;
    t.priceColumn = 3;
    t.firstLevel = {{}, {"Size:"}, {""}};
    t.sets = {{{}, {}, {}}};
    t.components = {{"Size", 0, 4}};
    t.columnNames = {"Size", "PartNumber", "Product", "list"};
    t.rows = std::move(rows);
    return t;
}

class PartNumberSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteProductFile(folder, "SeriesC4.dta",
                         productgen::WriteTable(Table(401, {{"0200", "PN-1", "BFV", "1.00"},
                                                            {"0300", "PN-2", "BFV", "2.00"},
                                                            {"0400", "PN-1", "BFV", "3.00"},
                                                            {"0600", "PN-3 ", "BFV", "4.00"}})));
        WriteProductFile(folder, "ActDAC4.dta",
                         productgen::WriteTable(Table(402, {{"0200", "PN-4", "ACT", "5.00"}})));
        productgen::GroupedFile g;
        g.fileNumber = 403;
        g.priceColumn = 2;
        g.columnNames = {"Product", "PartNumber", "list", "QuoteDescription"};
        productgen::Group group;
        group.name = "Solenoids";
        group.items = {
            {"Short PN-1 line", {}, {"SOL", "PN-1", "9.00"}, {}},  // too few cells: never a hit
            {"SV PN-1 solenoid", {}, {"SOL", "PN-1", "7.00", "Solenoid valve"}, {{"AccModel", 0, 2}}}};
        productgen::Group other;
        other.name = "Other";
        other.items = {{"Other PN-1", {}, {"OTH", "PN-1", "8.00", "Other"}, {}}};
        g.groups = {group, other};
        WriteProductFile(folder, "AccPneu.dta", productgen::WriteGrouped(g));
    }

    BOOL Find(const char* pn) {
        progress.clear();
        return search.Find(folder.c_str(), pn, [this](int p) { progress.push_back(p); });
    }

    std::string folder = MakeTestFolder("pn");
    MessageRecorder messages;
    CPartNumberSearch search;
    std::vector<int> progress;
};

TEST_F(PartNumberSearchTest, FindNextWalksTablesThenGroupsAndStartsOver) {
    EXPECT_EQ(search.GetFileCount(), 3);
    ASSERT_TRUE(Find("PN-1"));
    EXPECT_EQ(search.m_strPartNumber, "PN-1");
    EXPECT_EQ(search.m_strProduct, "BFV");
    EXPECT_EQ(search.m_strTechnical, "0200");
    EXPECT_EQ(search.m_strType, "");  // no such column
    EXPECT_EQ(progress, (std::vector<int>{1}));

    ASSERT_TRUE(Find("PN-1"));
    EXPECT_EQ(search.m_strTechnical, "0400");

    ASSERT_TRUE(Find("PN-1"));  // ActDAC4 has none; the grouped file's full line
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(search.m_strTechnical, "SV PN-1 solenoid");
    EXPECT_EQ(search.m_strQuoteDescription, "Solenoid valve");

    ASSERT_TRUE(Find("PN-1"));  // the next group; the table files are not searched again
    EXPECT_EQ(progress, (std::vector<int>{3}));
    EXPECT_EQ(search.m_strTechnical, "Other PN-1");

    EXPECT_FALSE(Find("PN-1"));
    EXPECT_FALSE(search.HasHit());
    EXPECT_EQ(search.m_strTechnical, "");
    EXPECT_EQ(search.m_strPartNumber, "");
    ASSERT_TRUE(Find("PN-1"));  // over again from the first file
    EXPECT_EQ(search.m_strTechnical, "0200");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PartNumberSearchTest, TheComparisonIsExact) {
    EXPECT_FALSE(Find("pn-1"));
    EXPECT_FALSE(Find("PN-3"));  // the cell has a trailing blank
    ASSERT_TRUE(Find("PN-4"));
    EXPECT_EQ(search.m_strProduct, "ACT");
}

TEST_F(PartNumberSearchTest, TakeHitHandsBackTheItemOfEitherForm) {
    CString description, fileName;
    CStringArray names, values;
    int fileNo = 0, style = 0;
    CObArray components;
    EXPECT_FALSE(search.TakeHit(description, fileName, fileNo, style, names, values, components));

    ASSERT_TRUE(Find("PN-2"));
    ASSERT_TRUE(search.TakeHit(description, fileName, fileNo, style, names, values, components));
    EXPECT_EQ(description, "0300");
    EXPECT_EQ(fileName, "SeriesC4.dta");
    EXPECT_EQ(fileNo, 401);
    EXPECT_EQ(style, 1);
    EXPECT_EQ(values.GetAt(3), "2.00");
    EXPECT_EQ(ComponentTexts(components), (std::vector<std::string>{"Size@0+4"}));

    search.Reset();
    Find("PN-1");
    Find("PN-1");
    ASSERT_TRUE(Find("PN-1"));
    ASSERT_TRUE(search.TakeHit(description, fileName, fileNo, style, names, values, components));
    EXPECT_EQ(description, "SV PN-1 solenoid");
    EXPECT_EQ(fileName, "AccPneu.dta");
    EXPECT_EQ(fileNo, 403);
    EXPECT_EQ(style, 2);
    EXPECT_EQ(names.GetAt(3), "QuoteDescription");
    EXPECT_EQ(ComponentTexts(components), (std::vector<std::string>{"AccModel@0+2"}));
    components.DeleteAll();
}

TEST_F(PartNumberSearchTest, MissingFilesAreReportedAndFilesWithoutPartNumbersPassed) {
    std::remove((folder + "ActDAC4.dta").c_str());
    productgen::TableFile noPn = Table(401, {{"0200", "PN-1", "BFV", "1.00"}});
    noPn.columnNames[1] = "Part";
    WriteProductFile(folder, "SeriesC4.dta", productgen::WriteTable(noPn));
    ASSERT_TRUE(Find("PN-1"));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Unable to open ActDAC4.dta"}));
    EXPECT_EQ(search.m_strTechnical, "SV PN-1 solenoid");
    // Once in the grouped file, later presses do not reach the missing file.
    Find("PN-1");
    EXPECT_FALSE(Find("PN-1"));
    EXPECT_EQ(messages.texts.size(), 1u);
    Find("PN-1");
    EXPECT_EQ(messages.texts.size(), 2u);
}

}  // namespace
