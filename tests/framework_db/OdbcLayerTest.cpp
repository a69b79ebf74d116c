// The ODBC layer on real drivers: errors carry the driver's text, changes
// in a transaction are committed or rolled back whole, long texts arrive
// whole, and the program's fixed data source is reachable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "database/ColumnCheck.h"
#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/DbEngine.h"
#include "database/Schema.h"
#include "framework/core/OwnedObArray.h"
#include "framework/db/DBException.h"
#include "framework/db/Database.h"
#include "framework/db/Recordset.h"
#include "tests/database/DbTestEnv.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

class FirstColumn : public CRecordset {
public:
    explicit FirstColumn(CDatabase* pDb) : CRecordset(pDb) {}
    void DoFieldExchange(CFieldExchange* pFX) override { RFX_LongText(pFX, "v", m_strValue, 1 << 20); }
    CString m_strValue;
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

class OdbcLayerTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        m_db->Open(m_conn);
    }

    CString First(const CString& strSQL) {
        FirstColumn rs(&m_conn);
        rs.Open(CRecordset::forwardOnly, strSQL, CRecordset::readOnly);
        return rs.IsEOF() ? CString("<none>") : rs.m_strValue;
    }

    std::unique_ptr<TestDatabase> m_db;
    CDatabase m_conn;
};

}  // namespace

TEST_P(OdbcLayerTest, DriverErrorsCarryTheDriversText) {
    try {
        m_conn.ExecuteSQL("DELETE FROM NoSuchTable");
        FAIL() << "no exception";
    } catch (CDBException& e) {
        EXPECT_NE(Lower(e.GetErrorMessage().str()).find("nosuchtable"), std::string::npos)
            << e.GetErrorMessage();
        EXPECT_FALSE(e.m_strSqlState.IsEmpty());
    }
    // The connection stays usable after a refused statement.
    EXPECT_EQ(First("SELECT COUNT(*) FROM Project"), "0");
}

TEST_P(OdbcLayerTest, SearchedDeleteOfNoRowIsNoError) {
    EXPECT_NO_THROW(m_conn.ExecuteSQL("DELETE FROM Project WHERE CorvNumber = 12345"));
}

TEST_P(OdbcLayerTest, TransactionsCommitOrRollBackWhole) {
    ASSERT_TRUE(m_conn.CanTransact());
    ASSERT_TRUE(m_conn.BeginTrans());
    m_conn.ExecuteSQL("INSERT INTO Customers (CustNo) VALUES ('A')");
    m_conn.ExecuteSQL("INSERT INTO Customers (CustNo) VALUES ('B')");
    EXPECT_TRUE(m_conn.Rollback());
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Customers"), "0");

    ASSERT_TRUE(m_conn.BeginTrans());
    m_conn.ExecuteSQL("INSERT INTO Customers (CustNo) VALUES ('C')");
    EXPECT_TRUE(m_conn.CommitTrans());
    EXPECT_EQ(m_db->Scalar("SELECT CustNo FROM Customers"), "C");
    // Back in auto-commit: a statement now stands on its own.
    m_conn.ExecuteSQL("DELETE FROM Customers");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Customers"), "0");
}

TEST_P(OdbcLayerTest, ClosingAbandonsAnOpenTransaction) {
    ASSERT_TRUE(m_conn.BeginTrans());
    m_conn.ExecuteSQL("INSERT INTO Customers (CustNo) VALUES ('A')");
    m_conn.Close();
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Customers"), "0");
}

TEST_P(OdbcLayerTest, LongTextsArriveWholeWithTheirLineBreaks) {
    std::string strText;
    while (strText.size() < 100000) strText += "Line of words \xE9 with 'quotes'\r\n";
    std::string strQuoted = strText;
    for (size_t i = 0; (i = strQuoted.find('\'', i)) != std::string::npos; i += 2) strQuoted.insert(i, "'");
    m_conn.ExecuteSQL(("INSERT INTO Project (CorvNumber, Notes) VALUES (1, '" + strQuoted + "')").c_str());
    EXPECT_EQ(First("SELECT Notes FROM Project").str(), strText);
}

TEST_P(OdbcLayerTest, EngineAndIdentityOfTheNumbersTable) {
    CDbEngine engine(m_conn);
    EXPECT_EQ(engine.Kind(),
              GetParam() == TestEngine::SQLite ? DbEngineKind::SQLite : DbEngineKind::PostgreSQL);
    std::tm when = {};
    when.tm_year = 106;
    when.tm_mon = 4;
    when.tm_mday = 17;
    m_conn.ExecuteSQL("INSERT INTO CorvNumbers (Initials, DateTime) VALUES ('AB', '" +
                      engine.TimestampValue(when) + "')");
    CString strFirst = First(engine.IdentitySql());
    m_conn.ExecuteSQL("INSERT INTO CorvNumbers (Initials) VALUES ('CD')");
    CString strSecond = First(engine.IdentitySql());
    EXPECT_EQ(std::atoi(strSecond), std::atoi(strFirst) + 1) << strFirst << " " << strSecond;
    EXPECT_GT(std::atoi(strFirst), 0);
}

TEST_P(OdbcLayerTest, UnknownDataSourceIsAnError) {
    CDatabase db;
    try {
        db.OpenEx("DSN=No Such Corv Source;UID=x;PWD=y", CDatabase::noOdbcDialog);
        FAIL() << "connected";
    } catch (CDBException& e) {
        EXPECT_EQ(e.m_strSqlState, "IM002") << e.GetErrorMessage();
    }
    EXPECT_FALSE(db.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Engines, OdbcLayerTest,
                         ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });

// tools/db-setup registers the program's own data source; with
// CORV_TEST_FIXED_DSN set the test run requires it to answer.
TEST(FixedDataSource, TheProgramsConnectionStringReachesTheQuotationDatabase) {
    const char* pszRequired = std::getenv("CORV_TEST_FIXED_DSN");
    if (pszRequired == nullptr || *pszRequired == '\0')
        GTEST_SKIP() << "CORV_TEST_FIXED_DSN is not set (no data source registered for this run)";
    CorvSetConnectStringForTests(nullptr);
    MessageBoxRecorder boxes;
    CDatabase db;
    ASSERT_TRUE(OpenQuotationDatabase(db)) << (boxes.Texts().empty() ? "" : boxes.Texts()[0]);
    std::unique_ptr<CConvertSet> pSet;
    COwnedObArray expected;
    BuildExpectedColumns(DbTable::Project, expected);
    EXPECT_TRUE(OpenCheckedRecordSet(db, pSet, expected, "Project", "CorvNumber DESC", ""));
    EXPECT_TRUE(boxes.Texts().empty());
}
