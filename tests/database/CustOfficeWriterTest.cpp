// Customers and representative offices added, updated and deleted after
// their questions; an update whose insert fails keeps the stored record; a
// value that cannot be written is refused before any question.
#include <gtest/gtest.h>

#include <memory>

#include "DbTestEnv.h"
#include "database/Connection.h"
#include "database/SndToCust.h"
#include "project/LookupPageRows.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using Texts = std::vector<std::string>;

// Stands in for the customer page: the writer takes what its getters give.
struct FakeCustomerPage {
    CString GetCustNo() { return "  C-17 "; }
    CString GetCustomer() { return "O'Brien's Mill"; }
    CString GetAdrsLn1() { return "1 Mill Road  "; }
    CString GetAdrsLn2() { return ""; }
    CString GetAdrsLn3() { return "   "; }
    CString GetCity() { return "Springfield"; }
    CString GetState() { return "IL"; }
    CString GetZip() { return "62701"; }
    CString GetCountry() { return "USA"; }
    CString GetAttn() { return "Purchasing"; }
    CString GetPhone() { return "555-0100"; }
    CString GetFax() { return ""; }
    CString GetEmail() { return "buy@mill.example"; }
    CString GetURL() { return "mill.example"; }
};

class CustOfficeWriterTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        FakeCustomerPage page;
        m_customer = CustomerRowOf(page);
        m_office.strOfficeNo = "E-1";
        m_office.strOffice = "East Valves";
        m_office.strContact = "Ann";
        m_office.nLimitTo = 2;
    }

    template <class Writer, class Row>
    BOOL Send(const Row& row, std::initializer_list<int> answers) {
        m_boxes.Clear();
        for (int a : answers) m_boxes.QueueAnswer(a);
        Writer writer(row);
        BOOL bResult = writer.Send();
        EXPECT_EQ(m_boxes.PendingAnswers(), 0u);
        return bResult;
    }

    std::unique_ptr<TestDatabase> m_db;
    CCustomerRow m_customer;
    COfficeRow m_office;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_P(CustOfficeWriterTest, CustomerIsAddedUpdatedAndDeleted) {
    EXPECT_TRUE(Send<CSndToCust>(m_customer, {IDYES}));
    EXPECT_EQ(m_boxes.Texts(),
              (Texts{"ADD as a NEW Customer to the Customer database?\nThis NEW Customer will have "
                     "Customer No: \"C-17\"",
                     "Customer No: \"C-17\" Added to the Customer database"}));
    EXPECT_EQ(m_boxes.Shown()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    // The number is stored trimmed; blank fields are NULL; leading blanks stay.
    EXPECT_EQ(m_db->Query("SELECT CustNo, Customer, AdrsLn1, AdrsLn2, AdrsLn3, Fax, URL FROM Customers"),
              (std::vector<Texts>{
                  {"C-17", "O'Brien's Mill", "1 Mill Road", "<NULL>", "<NULL>", "<NULL>", "mill.example"}}));

    m_customer.strCustomer = "Renamed Mill";
    EXPECT_TRUE(Send<CSndToCust>(m_customer, {IDYES}));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"Update Customer No: \"C-17\" in the Customer database?",
                                      "Customer No: \"C-17\" Updated in the Customer database"}));
    EXPECT_EQ(m_db->Query("SELECT CustNo, Customer FROM Customers"),
              (std::vector<Texts>{{"C-17", "Renamed Mill"}}));

    EXPECT_TRUE(Send<CSndToCust>(m_customer, {IDNO, IDYES}));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"Update Customer No: \"C-17\" in the Customer database?",
                                      "DELETE Customer No: \"C-17\" from the Customer database?",
                                      "Customer No: \"C-17\" Deleted from the Customer database"}));
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Customers"), "0");
}

TEST_P(CustOfficeWriterTest, NoToEveryQuestionChangesNothing) {
    EXPECT_FALSE(Send<CSndToCust>(m_customer, {IDNO}));
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Customers"), "0");
    ASSERT_TRUE(Send<CSndToCust>(m_customer, {IDYES}));
    auto before = m_db->Snapshot({"Customers"});
    m_customer.strCustomer = "Other";
    EXPECT_FALSE(Send<CSndToCust>(m_customer, {IDNO, IDNO}));
    EXPECT_EQ(m_boxes.Texts().size(), 2u);
    EXPECT_EQ(m_db->Snapshot({"Customers"}), before);
}

TEST_P(CustOfficeWriterTest, NumberWithAnApostropheIsFoundAgain) {
    m_customer.strCustNo = "O'H-1";
    ASSERT_TRUE(Send<CSndToCust>(m_customer, {IDYES}));
    EXPECT_TRUE(Send<CSndToCust>(m_customer, {IDYES}));
    EXPECT_EQ(m_boxes.Texts()[0], "Update Customer No: \"O'H-1\" in the Customer database?");
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Customers"), "1");
}

TEST_P(CustOfficeWriterTest, FailedUpdateKeepsTheStoredCustomer) {
    ASSERT_TRUE(Send<CSndToCust>(m_customer, {IDYES}));
    auto before = m_db->Snapshot({"Customers"});
    if (GetParam() == TestEngine::SQLite)
        m_db->Execute(
            "CREATE TRIGGER RefuseInsert BEFORE INSERT ON Customers WHEN NEW.Customer = 'Refused' "
            "BEGIN SELECT RAISE(ABORT, 'customer refused'); END");
    m_customer.strCustomer = GetParam() == TestEngine::SQLite ? CString("Refused") : CString('x', 41);

    EXPECT_FALSE(Send<CSndToCust>(m_customer, {IDYES}));
    ASSERT_EQ(m_boxes.Texts().size(), 2u);
    EXPECT_EQ(m_boxes.Texts()[0], "Update Customer No: \"C-17\" in the Customer database?");
    EXPECT_FALSE(m_boxes.Texts()[1].empty());  // the driver's text, and no "Updated" message
    EXPECT_EQ(m_db->Snapshot({"Customers"}), before);
}

TEST_P(CustOfficeWriterTest, OfficeFlagsFollowTheLimitToChoice) {
    EXPECT_TRUE(Send<CSndToOffices>(m_office, {IDYES}));
    EXPECT_EQ(m_boxes.Texts(),
              (Texts{"ADD as a NEW Rep Office to the Offices database?\nThis NEW Rep Office will "
                     "have Office No: \"E-1\"",
                     "Rep Office No: \"E-1\" Added to the Offices database"}));
    const std::string strQuery = "SELECT OfficeNo, Ostry, Kestrom, Office, Contact FROM Offices";
    EXPECT_EQ(m_db->Query(strQuery), (std::vector<Texts>{{"E-1", "1", "1", "East Valves", "Ann"}}));

    const std::pair<int, Texts> cases[] = {
        {0, {"1", "0"}}, {1, {"0", "1"}}, {-1, {"0", "0"}}, {7, {"0", "0"}}};
    for (const auto& [nLimitTo, flags] : cases) {
        m_office.nLimitTo = nLimitTo;
        EXPECT_TRUE(Send<CSndToOffices>(m_office, {IDYES}));
        EXPECT_EQ(m_boxes.Texts(), (Texts{"Update Rep Office No: \"E-1\" in the Offices database?",
                                          "Rep Office No: \"E-1\" Updated in the Offices database"}));
        auto rows = m_db->Query(strQuery);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ((Texts{rows[0][1], rows[0][2]}), flags) << nLimitTo;
    }

    EXPECT_TRUE(Send<CSndToOffices>(m_office, {IDNO, IDYES}));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"Update Rep Office No: \"E-1\" in the Offices database?",
                                      "DELETE Rep Office No: \"E-1\" from the Offices database?",
                                      "Rep Offices No: \"E-1\" Deleted from the Offices database"}));
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Offices"), "0");
}

TEST_P(CustOfficeWriterTest, ValueWithANulIsRefusedBeforeAnyQuestion) {
    ASSERT_TRUE(Send<CSndToCust>(m_customer, {IDYES}));
    auto before = m_db->Snapshot({"Customers", "Offices"});
    m_customer.strCity = CString("Spring\0field", 12);
    EXPECT_FALSE(Send<CSndToCust>(m_customer, {}));
    EXPECT_EQ(m_boxes.Texts().size(), 1u);  // the refusal alone: nothing was asked
    m_office.strOfficeNo = CString("E\0-1", 4);
    EXPECT_FALSE(Send<CSndToOffices>(m_office, {}));
    ASSERT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_NE(m_boxes.Texts()[0].find("OfficeNo"), std::string::npos);
    EXPECT_EQ(m_db->Snapshot({"Customers", "Offices"}), before);
}

TEST_P(CustOfficeWriterTest, DatabaseThatDoesNotOpenIsReported) {
    m_db.reset();  // the program's own data source no longer points at a test database
    CorvSetConnectStringForTests("DSN=No Such Corv Source;UID=Corv2004;PWD=Kelso_Wrint");
    EXPECT_FALSE(Send<CSndToOffices>(m_office, {}));
    EXPECT_EQ(m_boxes.Texts().size(), 1u);
    CorvSetConnectStringForTests(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Engines, CustOfficeWriterTest,
                         ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });
