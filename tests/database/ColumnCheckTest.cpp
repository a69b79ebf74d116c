// The column check on real databases: the shipped schemas pass it on every
// engine, and a table that differs fails it with the message naming the
// first faulty column.
#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "DbTestEnv.h"
#include "database/ColumnCheck.h"
#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/Schema.h"
#include "framework/core/OwnedObArray.h"
#include "framework/db/Database.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

class ColumnCheckTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
    }

    bool IsSqlite() const { return GetParam() == TestEngine::SQLite; }

    // Runs the check of the table's expected list on the named table or query.
    BOOL Check(DbTable table, const char* pszName) {
        CDatabase db;
        db.OpenEx(CorvConnectString(), CDatabase::noOdbcDialog);
        CConvertSet set(&db);
        set.LoadColumns(pszName);
        COwnedObArray expected;
        BuildExpectedColumns(table, expected);
        return CheckColumns(&set, expected, pszName);
    }

    std::string ChangedTable(const char* pszTable, const char* pszColumn, const char* pszType) {
        return ShippedTableWith(GetParam(), pszTable, pszColumn, pszType);
    }

    void Recreate(const char* pszTable, const std::string& strCreate) {
        m_db->ExecuteAll({"DROP VIEW ProjectFind", std::string("DROP TABLE ") + pszTable, strCreate});
    }

    std::unique_ptr<TestDatabase> m_db;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_P(ColumnCheckTest, ShippedSchemaPassesForEveryTableAndQuery) {
    for (DbTable table : {DbTable::Project, DbTable::Summary, DbTable::Detail, DbTable::ProjectFind,
                          DbTable::Customers, DbTable::Offices})
        EXPECT_TRUE(Check(table, SchemaTableName(table))) << SchemaTableName(table);
    EXPECT_TRUE(m_boxes.Texts().empty());
}

TEST_P(ColumnCheckTest, WrongWidthIsReportedForTheColumn) {
    Recreate("Project", ChangedTable("Project", "Status", "varchar(20)"));
    EXPECT_FALSE(Check(DbTable::Project, "Project"));
    EXPECT_EQ(m_boxes.Texts(),
              std::vector<std::string>{"\"Status\" Field in \"Project\" Table has incorrect Width."});
    EXPECT_EQ(m_boxes.Shown()[0].type, static_cast<UINT>(MB_OK));
}

TEST_P(ColumnCheckTest, WrongTypeAndWidthBothReportedThenTheCheckStops) {
    Recreate("Detail", ChangedTable("Detail", "Cost", IsSqlite() ? "integer(10)" : "integer"));
    // A later faulty column is never reached.
    EXPECT_FALSE(Check(DbTable::Detail, "Detail"));
    EXPECT_EQ(m_boxes.Texts(),
              (std::vector<std::string>{"\"Cost\" Field in \"Detail\" Table has incorrect Type.",
                                        "\"Cost\" Field in \"Detail\" Table has incorrect Width."}));
}

TEST_P(ColumnCheckTest, MissingColumnIsReported) {
    Recreate("Customers", ChangedTable("Customers", "URL", nullptr));
    EXPECT_FALSE(Check(DbTable::Customers, "Customers"));
    EXPECT_EQ(m_boxes.Texts(),
              std::vector<std::string>{"\"URL\" Field must be included in \"Customers\" Table."});
}

TEST_P(ColumnCheckTest, ExtraAndUnknownTypedColumnsAreIgnored) {
    m_db->ExecuteAll(
        {"ALTER TABLE Customers ADD COLUMN Extra varchar(5)", "ALTER TABLE Customers ADD COLUMN Big bigint"});
    EXPECT_TRUE(Check(DbTable::Customers, "Customers"));
    EXPECT_TRUE(m_boxes.Texts().empty());
}

TEST_P(ColumnCheckTest, ColumnOrderIsNotChecked) {
    Recreate("Summary", ShippedTableWithColumnLast(GetParam(), "Summary", "Item"));
    EXPECT_TRUE(Check(DbTable::Summary, "Summary"));
}

TEST_P(ColumnCheckTest, UnknownTableReportsItsFirstColumnMissing) {
    EXPECT_FALSE(Check(DbTable::Project, "NoSuchTable"));
    EXPECT_EQ(m_boxes.Texts(),
              std::vector<std::string>{"\"CorvNumber\" Field must be included in \"NoSuchTable\" Table."});
}

TEST_P(ColumnCheckTest, NameInAnotherCaseIsMissingWhereNamesKeepTheirCase) {
    if (!IsSqlite()) GTEST_SKIP() << "PostgreSQL folds every unquoted name to lower case";
    std::string strCreate = ShippedTableWithColumnLast(GetParam(), "Project", "QuoteNo");
    Recreate("Project", std::regex_replace(strCreate, std::regex("QuoteNo varchar"), "quoteno varchar"));
    EXPECT_FALSE(Check(DbTable::Project, "Project"));
    EXPECT_EQ(m_boxes.Texts(),
              std::vector<std::string>{"\"QuoteNo\" Field must be included in \"Project\" Table."});
}

TEST_P(ColumnCheckTest, EmptyExpectedListFailsWithoutMessage) {
    CDatabase db;
    db.OpenEx(CorvConnectString(), CDatabase::noOdbcDialog);
    CConvertSet set(&db);
    set.LoadColumns("Project");
    CObArray empty;
    EXPECT_FALSE(CheckColumns(&set, empty, "Project"));
    EXPECT_TRUE(m_boxes.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, ColumnCheckTest,
                         ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });
