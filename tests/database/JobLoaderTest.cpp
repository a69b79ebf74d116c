// Loading a stored job into a new job: a stored job comes back as it was
// stored, stored values reach their fields through the fields' own forms,
// and no database content - NULLs, over-long or non-numeric values, odd
// component counts, line numbers that name no line - breaks a load or
// leaves a half-loaded job behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "DbTestEnv.h"
#include "TestJob.h"
#include "database/JobLoader.h"
#include "database/SndToRpt.h"
#include "framework/core/Exceptions.h"
#include "framework/db/Database.h"
#include "model/Component.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TechField.h"
#include "model/WordsField.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using Texts = std::vector<std::string>;

// Every value of a line as text: fields, words indents, and the technical
// description's file data and components.
std::string Describe(const CRecord* pLine) {
    std::string s;
    for (int i = 0; i < pLine->GetFieldCount(); ++i) {
        const CField* pField = pLine->GetField(i);
        s += pField->GetText().str() + "|";
        if (auto* pWords = dynamic_cast<const CWordsField*>(pField))
            s += std::to_string(pWords->m_nIndentLeft) + "," + std::to_string(pWords->m_nIndentRight) + "|";
        if (auto* pTech = dynamic_cast<const CTechField*>(pField)) {
            s += pTech->GetFileName().str() + "," + std::to_string(pTech->m_nFileNo) + "," +
                 std::to_string(pTech->m_nStyle) + ",";
            for (int k = 0; k < pTech->GetComponentCount() && k < 20; ++k)
                s += std::string(pTech->GetComponentName(k)) + ":" +
                     std::to_string(pTech->GetComponentStart(k)) + ":" +
                     std::to_string(pTech->GetComponentLength(k)) + ";";
        }
    }
    return s;
}

// The job's non-empty Summary lines, each followed by its non-empty Detail lines.
Texts Lines(const CCorvDoc& doc) {
    Texts lines;
    for (int i = 0; i < doc.m_pTable->GetSize(); ++i) {
        const CRecord* pSummary = doc.m_pTable->GetRecord(i);
        if (pSummary->IsEmpty()) continue;
        lines.push_back("S " + Describe(pSummary));
        const CTable* pDetails = pSummary->GetChild();
        for (int j = 0; pDetails && j < pDetails->GetSize(); ++j) {
            if (!pDetails->GetRecord(j)->IsEmpty()) lines.push_back("D " + Describe(pDetails->GetRecord(j)));
        }
    }
    return lines;
}

class JobLoaderTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        InitTestJob(m_loaded);
        m_loaded.SetModifiedFlag(FALSE);
    }

    // Stores the job under a new number and returns it.
    std::string Store(CTestJobDoc& doc) {
        MessageBoxRecorder boxes;
        boxes.QueueAnswer(IDYES);
        CSndToRpt writer(&doc, doc.GetCorvNumber());
        EXPECT_TRUE(writer.Send());
        return doc.GetCorvNumber().str();
    }

    // Loads a number into m_loaded as the finder's OK does.
    BOOL Load(const std::string& strNumber) {
        m_boxes.Clear();
        return LoadStoredJob(*m_db, m_loaded, strNumber, &m_title);
    }

    void InsertProject(const std::string& strColumns, const std::string& strValues) {
        m_db->Execute("INSERT INTO Project (CorvNumber" + strColumns + ") VALUES (77" + strValues + ")");
    }

    CRecord* Summary(int i) { return m_loaded.m_pTable->GetRecord(i); }
    std::string Field(CRecord* pLine, const char* pszName) {
        return pLine->GetFieldByName(pszName)->GetText().str();
    }
    CTechField* Tech(CRecord* pDetail) {
        return static_cast<CTechField*>(pDetail->GetFieldByName("Technical Description"));
    }

    std::unique_ptr<TestDatabase> m_db;
    CTestJobDoc m_loaded;
    MessageBoxRecorder m_boxes;
    std::string m_title;
};

}  // namespace

TEST_P(JobLoaderTest, StoredJobLoadsBackAsItWasStored) {
    CTestJobDoc original;
    BuildSampleJob(original);
    const std::string n = Store(original);
    // The writers drop the trailing line breaks of a text.
    original.SetNotes("First line\r\nSecond line with 'quotes'");

    ASSERT_TRUE(Load(n));
    EXPECT_TRUE(m_boxes.Texts().empty());

#define CORV_EXPECT_SAME(name, width) EXPECT_EQ(m_loaded.Get##name(), original.Get##name()) << #name;
    CORV_HEADER_TEXTS_ALL(CORV_EXPECT_SAME, CORV_EXPECT_SAME, CORV_EXPECT_SAME)
#undef CORV_EXPECT_SAME
    EXPECT_EQ(m_loaded.GetIntro(), original.GetIntro());
    EXPECT_EQ(m_loaded.GetQNotes(), original.GetQNotes());
    EXPECT_EQ(m_loaded.GetTerms(), original.GetTerms());
    EXPECT_EQ(m_loaded.m_nQuoteCount, 1);
    EXPECT_EQ(m_loaded.m_nIntroIndLeft, 5);
    EXPECT_EQ(m_loaded.m_nTermsIndRight, -3);
    EXPECT_EQ(m_loaded.GetCorvNumber(), n.c_str());
    EXPECT_EQ(m_loaded.GetFreightRate(), "0.15");
    EXPECT_EQ(Lines(m_loaded), Lines(original));
    // Only the lines that hold data were stored: A and B, no empty line between.
    EXPECT_EQ(m_loaded.m_pTable->GetSize(), 2);
    EXPECT_EQ(Tech(Summary(0)->GetChild()->GetRecord(0))->GetComponentCount(), 20);
    EXPECT_TRUE(m_loaded.IsModified());
    EXPECT_EQ(m_title, "Corv: " + n + "  --  Quote No: Q-2006-0147 Rev: B  --  Version: 2  --  Count: Yes");
}

TEST_P(JobLoaderTest, NumbersTakeTheirFieldsFormsAndNullsLoadEmpty) {
    InsertProject(", FreightRate, ProbOfSuccess, UDC07, UDC08, POAmount, QuoteDate, QuoteCount",
                  ", 12.5, 12345.678, 1234567, -12, 12345678.9, NULL, NULL");
    m_db->Execute(
        "INSERT INTO Summary (CorvNumber, SumLineNo, Item, Qty, Cost, Mult, Margin, WordsAbove, "
        "AboveIndLeft, AboveIndRight, BelowIndLeft) VALUES (77, 1, '12A', 12345, 1234.5, 0.55, -1234.56, "
        "'" +
        std::string(5000, 'w') + "', 10, 10, NULL)");
    m_db->Execute(
        "INSERT INTO Summary (CorvNumber, SumLineNo, Mult, DetailNet, Final) "
        "VALUES (77, 2, 125, 99999999.99, NULL)");

    ASSERT_TRUE(Load("77"));
    EXPECT_EQ(m_loaded.GetFreightRate(), "12.50");
    EXPECT_EQ(m_loaded.GetProbOfSuccess(), "*******");
    EXPECT_EQ(m_loaded.GetUDC07(), "******");
    EXPECT_EQ(m_loaded.GetUDC08(), "-12");
    EXPECT_EQ(m_loaded.GetPOAmount(), "**********");
    EXPECT_EQ(m_loaded.GetQuoteDate(), "");
    EXPECT_EQ(m_loaded.GetUDC05(), "");
    EXPECT_EQ(m_loaded.m_nQuoteCount, 0);
    EXPECT_EQ(m_title, "Corv: 77  --  Count: No");

    ASSERT_EQ(m_loaded.m_pTable->GetSize(), 2);
    CRecord* pFirst = Summary(0);
    EXPECT_EQ(Field(pFirst, "Itm"), "12A");
    EXPECT_EQ(Field(pFirst, "Qty"), "****");
    EXPECT_EQ(Field(pFirst, "Cost"), "1234.50");
    EXPECT_EQ(Field(pFirst, "Mult"), "0.5500");
    EXPECT_EQ(Field(pFirst, "Margin"), "*******");
    EXPECT_EQ(Field(pFirst, "WordsAbove").size(), 5000u);
    auto* pAbove = static_cast<CWordsField*>(pFirst->GetFieldByName("WordsAbove"));
    EXPECT_EQ(pAbove->m_nIndentLeft, 10);
    EXPECT_EQ(pAbove->m_nIndentRight, 10);
    EXPECT_EQ(static_cast<CWordsField*>(pFirst->GetFieldByName("WordsBelow"))->m_nIndentLeft, 0);
    EXPECT_EQ(Field(Summary(1), "Mult"), "*******");
    EXPECT_EQ(Field(Summary(1), "Detail Net"), "**********");
    EXPECT_EQ(Field(Summary(1), "Final"), "");

#ifndef _WIN32
    // A NULL date stays empty whatever the local time zone.
    for (const char* pszZone : {"Pacific/Kiritimati", "Pacific/Pago_Pago", "UTC"}) {
        setenv("TZ", pszZone, 1);
        tzset();
        InitTestJob(m_loaded);
        ASSERT_TRUE(Load("77"));
        EXPECT_EQ(m_loaded.GetQuoteDate(), "") << pszZone;
        EXPECT_EQ(m_loaded.GetBidDate(), "") << pszZone;
    }
    unsetenv("TZ");
    tzset();
#endif
}

TEST_P(JobLoaderTest, DetailRowsFindTheirLinesAndComponentsAreKeptToTwenty) {
    InsertProject("", "");
    for (int line : {1, 2, 4})
        m_db->Execute("INSERT INTO Summary (CorvNumber, SumLineNo, Item) VALUES (77, " +
                      std::to_string(line) + ", 'L" + std::to_string(line) + "')");
    std::string strColumns = "CorvNumber, SumLineNo, DtlLineNo, Product, TDNoOfComp, TDFileName";
    std::string strSlots;
    for (int k = 1; k <= 20; ++k) {
        char sz[64];
        std::snprintf(sz, sizeof sz, ", TDCN%02d, TDCS%02d, TDCL%02d", k, k, k);
        strColumns += sz;
        strSlots += ", 'C" + std::to_string(k) + "', " + std::to_string(k == 1 ? -5 : k) + ", " +
                    (k == 2 ? std::string("NULL") : std::to_string(k));
    }
    auto detail = [&](int sum, int dtl, const std::string& product, const std::string& count) {
        m_db->Execute("INSERT INTO Detail (" + strColumns + ") VALUES (77, " + std::to_string(sum) + ", " +
                      std::to_string(dtl) + ", '" + product + "', " + count + ", 'valves.dta'" + strSlots +
                      ")");
    };
    detail(3, 1, "P31", "25");  // attaches to the line that came from row 4
    detail(1, 1, "P11", "3");
    detail(1, 2, "P12", "0");
    detail(2, 1, "P21", "-4");
    detail(2, 2, "P22", "NULL");

    ASSERT_TRUE(Load("77"));
    ASSERT_EQ(m_loaded.m_pTable->GetSize(), 3);
    EXPECT_EQ(Field(Summary(2), "Itm"), "L4");
    CTable* pThird = Summary(2)->GetChild();
    ASSERT_EQ(pThird->GetSize(), 1);
    CTechField* pTech = Tech(pThird->GetRecord(0));
    ASSERT_EQ(pTech->GetComponentCount(), 20);
    EXPECT_EQ(pTech->GetComponentStart(0), 0);   // stored -5
    EXPECT_EQ(pTech->GetComponentLength(1), 0);  // stored NULL
    EXPECT_EQ(std::string(pTech->GetComponentName(19)), "C20");
    EXPECT_EQ(pTech->GetFileName(), "valves.dta");

    CTable* pFirst = Summary(0)->GetChild();
    ASSERT_EQ(pFirst->GetSize(), 2);
    EXPECT_EQ(Field(pFirst->GetRecord(0), "Product"), "P11");
    EXPECT_EQ(Tech(pFirst->GetRecord(0))->GetComponentCount(), 3);
    EXPECT_EQ(Tech(pFirst->GetRecord(1))->GetComponentCount(), 0);
    CTable* pSecond = Summary(1)->GetChild();
    EXPECT_EQ(Tech(pSecond->GetRecord(0))->GetComponentCount(), 0);
    EXPECT_EQ(Tech(pSecond->GetRecord(1))->GetComponentCount(), 0);
}

TEST_P(JobLoaderTest, DetailRowsWithoutSummaryRowsGoToTheNewJobsLine) {
    InsertProject("", "");
    m_db->Execute("INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, Product) VALUES (77, 1, 1, 'A')");
    m_db->Execute("INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, Product) VALUES (77, 1, 2, 'B')");
    ASSERT_TRUE(Load("77"));
    ASSERT_EQ(m_loaded.m_pTable->GetSize(), 1);
    ASSERT_EQ(Summary(0)->GetChild()->GetSize(), 2);
    EXPECT_EQ(Field(Summary(0)->GetChild()->GetRecord(1), "Product"), "B");
}

TEST_P(JobLoaderTest, ALineNumberThatNamesNoLineFailsTheLoadAndLeavesANewJob) {
    InsertProject(", QuoteNo, Customer", ", 'Q-1', 'Lakeside'");
    m_db->Execute("INSERT INTO Summary (CorvNumber, SumLineNo, Item) VALUES (77, 1, 'A')");
    m_db->Execute("INSERT INTO Summary (CorvNumber, SumLineNo, Item) VALUES (77, 2, 'B')");
    m_db->Execute("INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, Product) VALUES (77, 1, 1, 'ok')");
    m_db->Execute("INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, Product) VALUES (77, 4, 1, 'lost')");

    EXPECT_FALSE(Load("77"));
    // Told as the class layer tells an invalid argument.
    EXPECT_EQ(m_boxes.Texts(), (Texts{CInvalidArgException().GetErrorMessage().str()}));
    EXPECT_EQ(m_loaded.GetCorvNumber(), "Unassigned");
    EXPECT_EQ(m_loaded.GetCustomer(), "");
    ASSERT_EQ(m_loaded.m_pTable->GetSize(), 1);
    EXPECT_TRUE(Summary(0)->IsEmpty());
    EXPECT_FALSE(m_loaded.IsModified());

    // A Detail line number far past the appended line fails the same way.
    m_db->Execute("DELETE FROM Detail");
    m_db->Execute("INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, Product) VALUES (77, 1, 5, 'x')");
    EXPECT_FALSE(Load("77"));
    EXPECT_EQ(m_loaded.GetCorvNumber(), "Unassigned");
    if (GetParam() == TestEngine::SQLite) {  // the only engine that takes NULL line numbers
        m_db->Execute("DELETE FROM Detail");
        m_db->Execute(
            "INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, Product) VALUES (77, NULL, NULL, 'x')");
        EXPECT_FALSE(Load("77"));
    }
    // The integer column's extremes fail the load without any overflow
    // (UBSan stops the native run on one).
    for (const char* pszRow :
         {"-2147483648, 1", "1, -2147483648", "2147483647, 1", "1, 2147483647", "0, 0"}) {
        m_db->Execute("DELETE FROM Detail");
        m_db->Execute("INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, Product) VALUES (77, " +
                      std::string(pszRow) + ", 'x')");
        EXPECT_FALSE(Load("77")) << pszRow;
        EXPECT_EQ(m_loaded.GetCorvNumber(), "Unassigned") << pszRow;
    }
}

TEST(DetailRowLineIndex, OnlyPositiveNumbersNameALine) {
    EXPECT_EQ(CDetailRow::LineIndex(1), 0);
    EXPECT_EQ(CDetailRow::LineIndex(2147483647), 2147483646);
    for (LONG n : {0, -1, -2147483647 - 1}) EXPECT_EQ(CDetailRow::LineIndex(n), -1) << n;
}

TEST_P(JobLoaderTest, MissingProjectRowOrBrokenTableFailsWithItsMessage) {
    EXPECT_FALSE(Load("999"));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"\"999\" NOT in Project Table."}));
    EXPECT_EQ(m_loaded.GetCorvNumber(), "Unassigned");

    // A number that is no number never reaches the statement.
    EXPECT_FALSE(Load("1 OR 1=1"));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"\"1 OR 1=1\" NOT in Project Table."}));

    InsertProject(", Customer", ", 'Lakeside'");
    m_db->Execute("DROP TABLE Summary");
    m_db->Execute(ShippedTableWith(GetParam(), "Summary", "Weeks", nullptr));
    EXPECT_FALSE(Load("77"));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"\"Weeks\" Field must be included in \"Summary\" Table."}));
    // The header it had already taken is gone again.
    EXPECT_EQ(m_loaded.GetCustomer(), "");
    EXPECT_EQ(m_loaded.GetCorvNumber(), "Unassigned");
}

INSTANTIATE_TEST_SUITE_P(Engines, JobLoaderTest,
                         ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });

// SQLite keeps any value in any column: text where numbers belong, texts
// longer than their columns.
class JobLoaderSqliteTest : public JobLoaderTest {};

TEST_P(JobLoaderSqliteTest, OddContentLoadsWithoutHarm) {
    InsertProject(
        ", QuoteNo, CustState, Notes, UDC05, FreightRate",
        ", '" + std::string(30, 'Q') + "', 'Texas', '" + std::string(33000, 'n') + "', 'abc', 'x1'");
    m_db->Execute(
        "INSERT INTO Summary (CorvNumber, SumLineNo, Cost, Qty, Description) VALUES (77, 1, 'abc', "
        "'12x', '" +
        std::string(300, 'd') + "')");
    m_db->Execute(
        "INSERT INTO Detail (CorvNumber, SumLineNo, DtlLineNo, TechnicalDescription, TDNoOfComp) "
        "VALUES (77, 1, 1, '" +
        std::string(81, 't') + "', 'many')");

    ASSERT_TRUE(Load("77"));
    EXPECT_EQ(m_loaded.GetQuoteNo(), std::string(20, 'Q').c_str());
    EXPECT_EQ(m_loaded.GetCustState(), "Te");
    EXPECT_EQ(m_loaded.GetNotes().GetLength(), 32000);
    EXPECT_EQ(m_loaded.GetUDC05(), "0.00");
    EXPECT_EQ(m_loaded.GetFreightRate(), "0.00");
    EXPECT_EQ(Field(Summary(0), "Cost"), "0.00");
    EXPECT_LE(Field(Summary(0), "Description").size(), 300u);
    CRecord* pDetail = Summary(0)->GetChild()->GetRecord(0);
    EXPECT_EQ(Field(pDetail, "Technical Description"), std::string(80, 't'));
    EXPECT_EQ(Tech(pDetail)->GetComponentCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, JobLoaderSqliteTest, ::testing::Values(TestEngine::SQLite),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });
