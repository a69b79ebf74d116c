// CConvertSet over a table of every kind of column: values by name, NULL as
// empty text or 0, dates from their own fields, long texts cut at 32000.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>

#include "DbTestEnv.h"
#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/CustCol.h"
#include "framework/core/OwnedObArray.h"
#include "framework/db/Database.h"
#include "framework/db/Odbc.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

class ConvertSetTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        const bool bSqlite = GetParam() == TestEngine::SQLite;
        const std::string strMemo(70000, 'x');
        m_db->ExecuteAll({
            bSqlite ? "CREATE TABLE Vals (num numeric(19), f float(15), i integer(10), b bit(1), t "
                      "timestamp(16), "
                      "m longvarchar(1073741823), s varchar(20), k integer(10), big bigint)"
                    : "CREATE TABLE Vals (num numeric(19,4), f double precision, i integer, b boolean, t "
                      "timestamp(0), "
                      "m text, s varchar(20), k integer, big bigint)",
            std::string("INSERT INTO Vals VALUES (1250.5, 12.5, -7, ") + (bSqlite ? "1" : "'1'") +
                ", '2006-03-07', '" + strMemo + "', 'abc', 1, 5)",
            "INSERT INTO Vals VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, 2, NULL)",
            "INSERT INTO Vals (t, k) VALUES ('1969-12-31', 3)",
        });
        m_db->Open(m_conn);
        m_expected.Add(new CCustCol("num", 19, SQL_DECIMAL));
        m_expected.Add(new CCustCol("s", 20, SQL_WVARCHAR));
    }

    // Opens Vals in key order and moves to the row with the key.
    void OpenAt(int nKey) {
        ASSERT_TRUE(OpenCheckedRecordSet(m_conn, m_pSet, m_expected, "Vals", "k", ""));
        for (int k = 1; k < nKey; ++k) m_pSet->MoveNext();
        ASSERT_FALSE(m_pSet->IsEOF());
        ASSERT_EQ(m_pSet->GetLong("k"), nKey);
    }

    std::unique_ptr<TestDatabase> m_db;
    CDatabase m_conn;
    COwnedObArray m_expected;
    std::unique_ptr<CConvertSet> m_pSet;  // closed before the connection
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_P(ConvertSetTest, ValuesByName) {
    OpenAt(1);
    EXPECT_EQ(m_pSet->GetSQL(), "SELECT num,f,i,b,t,m,s,k  FROM Vals ORDER BY k");
    EXPECT_EQ(CString(m_pSet->GetText("num")).Left(6), "1250.5");
    EXPECT_EQ(m_pSet->GetDoubleText("f", 2), "12.50");
    EXPECT_EQ(m_pSet->GetIntegerText("i"), "-7");
    EXPECT_EQ(m_pSet->GetLong("i"), -7);
    EXPECT_TRUE(m_pSet->GetBool("b"));
    EXPECT_EQ(m_pSet->GetDateText("t"), "03/07/2006");
    EXPECT_EQ(m_pSet->GetText("s"), "abc");
    EXPECT_EQ(m_pSet->GetMemoText("m").GetLength(), 32000);
    EXPECT_TRUE(m_boxes.Texts().empty());
}

TEST_P(ConvertSetTest, NamesAreExactAndUnboundColumnsGiveNothing) {
    OpenAt(1);
    EXPECT_EQ(m_pSet->GetText("S"), "");
    EXPECT_EQ(m_pSet->GetLong("nosuch"), 0);
    // A bigint column is listed but neither selected nor read.
    EXPECT_EQ(m_pSet->GetColumnCount(), 9);
    EXPECT_EQ(m_pSet->GetText("big"), "");
    EXPECT_EQ(m_pSet->GetIntegerText("big"), "");
}

TEST_P(ConvertSetTest, NullReadsAsEmptyOrZero) {
    OpenAt(2);
    EXPECT_EQ(m_pSet->GetText("num"), "");
    EXPECT_EQ(m_pSet->GetDoubleText("f", 2), "");
    EXPECT_EQ(m_pSet->GetIntegerText("i"), "");
    EXPECT_EQ(m_pSet->GetLong("i"), 0);
    EXPECT_FALSE(m_pSet->GetBool("b"));
    EXPECT_EQ(m_pSet->GetDateText("t"), "");
    EXPECT_EQ(m_pSet->GetMemoText("m"), "");
    EXPECT_EQ(m_pSet->GetText("s"), "");
}

TEST_P(ConvertSetTest, DatesBefore1970AreNotShown) {
    OpenAt(3);
    EXPECT_EQ(m_pSet->GetDateText("t"), "");
}

namespace {

void SetTimeZone(const char* pszZone) {
#ifdef _WIN32
    _putenv_s("TZ", pszZone ? pszZone : "");
    _tzset();
#else
    if (pszZone)
        setenv("TZ", pszZone, 1);
    else
        unsetenv("TZ");
    tzset();
#endif
}

}  // namespace

TEST_P(ConvertSetTest, DatesIgnoreTheTimeZone) {
    const char* pszOld = std::getenv("TZ");
    const std::string strOld = pszOld ? pszOld : "";
    // West of Greenwich, far east of it, and on it.
    for (const char* pszZone : {"PST8PDT", "KIT-14", "UTC0"}) {
        SetTimeZone(pszZone);
        OpenAt(1);
        EXPECT_EQ(m_pSet->GetDateText("t"), "03/07/2006") << pszZone;
        m_pSet->MoveNext();
        EXPECT_EQ(m_pSet->GetDateText("t"), "") << pszZone;  // NULL is never 01/01/1970
        m_pSet.reset();
    }
    SetTimeZone(pszOld ? strOld.c_str() : nullptr);
}

TEST_P(ConvertSetTest, FilterAndEmptyResult) {
    ASSERT_TRUE(OpenCheckedRecordSet(m_conn, m_pSet, m_expected, "Vals", "", "k = 99"));
    EXPECT_EQ(m_pSet->GetSQL(), "SELECT num,f,i,b,t,m,s,k  FROM Vals WHERE k = 99");
    EXPECT_FALSE(HasRecords(m_pSet.get()));
    EXPECT_TRUE(m_pSet->IsEOF());
}

TEST_P(ConvertSetTest, RefusedFilterShowsTheDriverText) {
    EXPECT_FALSE(OpenCheckedRecordSet(m_conn, m_pSet, m_expected, "Vals", "", "nosuchcolumn = 1"));
    ASSERT_NE(m_pSet, nullptr);  // the caller holds it
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_EQ(m_boxes.Texts()[0].rfind("Open Record Set: ", 0), 0u) << m_boxes.Texts()[0];
    EXPECT_LE(m_boxes.Texts()[0].size(), 249u);
}

TEST_P(ConvertSetTest, FailedCheckLeavesTheSetUnopened) {
    m_expected.Add(new CCustCol("missing", 5, SQL_WVARCHAR));
    EXPECT_FALSE(OpenCheckedRecordSet(m_conn, m_pSet, m_expected, "Vals", "", ""));
    EXPECT_FALSE(m_pSet->IsOpen());
    EXPECT_EQ(m_boxes.Texts(),
              std::vector<std::string>{"\"missing\" Field must be included in \"Vals\" Table."});
}

INSTANTIATE_TEST_SUITE_P(Engines, ConvertSetTest,
                         ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });
