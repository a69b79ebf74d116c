// The customer and office look-ups of their pages: by name and by number,
// stepping with Next and Previous (also over names that differ only in
// case), the office page's limit, Update through the writers, a database
// that does not open, and a driver failure after the rows were opened - on
// SQLite and on PostgreSQL.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "framework/db/DBException.h"
#include "project/ProjCustomer.h"
#include "project/ProjSheet.h"
#include "tests/database/DbTestEnv.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

using namespace ProjTest;
using Texts = std::vector<std::string>;

namespace {

// A customer page whose driver fails once the rows are open.
class CFailingCustomer : public CProjCustomer {
public:
    CFailingCustomer() : CProjCustomer(nullptr) {}
    BOOL m_bWasOpen = FALSE;

protected:
    void OnRowsOpened(CConvertSet&) override {
        m_bWasOpen = m_db.IsOpen();
        CDBException e;
        e.m_strError = "Connection lost while reading";
        throw e;
    }
};

class LookupTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(GetParam());
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        m_db->ExecuteAll({
            "INSERT INTO Customers (CustNo, Customer, AdrsLn1, City) VALUES ('C1', 'Abbott', '1 Abbott Way', "
            "'Avon')",
            "INSERT INTO Customers (CustNo, Customer, AdrsLn1) VALUES ('A1', 'Acme', 'First Acme')",
            "INSERT INTO Customers (CustNo, Customer, AdrsLn1) VALUES ('A2', 'Acme', 'Second Acme')",
            "INSERT INTO Customers (CustNo, Customer) VALUES ('N1', 'O''Neil')",
            "INSERT INTO Customers (CustNo, Customer, Attn) VALUES ('Z9', 'Zeta', 'Zed')",
            "INSERT INTO Offices (OfficeNo, Ostry, Kestrom, Office, City) VALUES ('E1', '1', '0', 'Main "
            "East', "
            "'Boston')",
            "INSERT INTO Offices (OfficeNo, Ostry, Kestrom, Office, City) VALUES ('W1', '0', '1', 'Main "
            "West', "
            "'Denver')",
        });
    }
    void TearDown() override { CDialog::ClearTestHooks(); }

    // Runs a one-page sheet and drives the page.
    void Run(CPropertyPage& page, std::function<void()> fn) {
        CProjSheet sheet("Look-up", nullptr, 0);
        sheet.AddPage(&page);
        OnNextSheet([&](CPropertySheet& s) {
            fn();
            PressSheetOK(s);
        });
        EXPECT_EQ(sheet.DoModal(), IDOK);
    }

    // From the first name, Next past the last one and Previous back past
    // the first: each name and number shown.
    Texts Walk(CPropertyPage& page, int nNameID, int nNumberID, const char* pszFirst) {
        Texts seen;
        Run(page, [&] {
            Type(page, nNameID, pszFirst);
            for (int nID : {IDC_PROJ_FIND_NAME, IDC_PROJ_NEXT, IDC_PROJ_NEXT, IDC_PROJ_NEXT,
                            IDC_PROJ_PREVIOUS, IDC_PROJ_PREVIOUS, IDC_PROJ_PREVIOUS}) {
                Press(page, nID);
                seen.push_back(Text(page, nNameID) + "/" + Text(page, nNumberID));
            }
        });
        return seen;
    }

    std::unique_ptr<TestDatabase> m_db;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_P(LookupTest, CustomerByNameAndByNumber) {
    CProjCustomer page(nullptr);
    page.SetCity("old city");
    Run(page, [&] {
        Type(page, IDC_CUST_NAME, "Ab");
        Press(page, IDC_PROJ_FIND_NAME);
        EXPECT_EQ(Text(page, IDC_CUST_NAME), "Abbott");
        EXPECT_EQ(Text(page, IDC_CUST_NO), "C1");
        EXPECT_EQ(Text(page, IDC_PROJ_ADRS_LN1), "1 Abbott Way");
        EXPECT_EQ(Text(page, IDC_PROJ_CITY), "Avon");

        Type(page, IDC_CUST_NO, "X9");
        Press(page, IDC_PROJ_FIND_NUMBER);
        EXPECT_EQ(Text(page, IDC_CUST_NO), "X9");
        EXPECT_EQ(Text(page, IDC_CUST_NAME), "");
        EXPECT_EQ(Text(page, IDC_PROJ_CITY), "");

        Type(page, IDC_CUST_NO, "Z9");
        Press(page, IDC_PROJ_FIND_NUMBER);
        EXPECT_EQ(Text(page, IDC_CUST_NAME), "Zeta");
        EXPECT_EQ(Text(page, IDC_CUST_ATTN), "Zed");

        Type(page, IDC_CUST_NAME, "O'Neil");
        Press(page, IDC_PROJ_FIND_NAME);
        EXPECT_EQ(Text(page, IDC_CUST_NO), "N1");

        Type(page, IDC_CUST_NAME, "Zz");
        Press(page, IDC_PROJ_FIND_NAME);
        EXPECT_EQ(Text(page, IDC_CUST_NAME), "Zz");
        EXPECT_EQ(Text(page, IDC_CUST_NO), "");
    });
    EXPECT_EQ(m_boxes.Texts(),
              (Texts{"\"X9\" NOT in \"Customers\" Table.", "\"Zz\" NOT in \"Customers\" Table."}));
    EXPECT_EQ(page.GetCustomer(), "Zz");
    EXPECT_FALSE(page.m_db.IsOpen());
}

TEST_P(LookupTest, CustomerNextAndPrevious) {
    CProjCustomer page(nullptr);
    page.SetCustomer("Acme");
    page.SetCustNo("A1");
    std::vector<std::string> seen;
    Run(page, [&] {
        auto step = [&](int nID) {
            Press(page, nID);
            seen.push_back(Text(page, IDC_CUST_NAME) + "/" + Text(page, IDC_CUST_NO));
        };
        step(IDC_PROJ_NEXT);      // Acme/A2
        step(IDC_PROJ_NEXT);      // O'Neil/N1
        step(IDC_PROJ_PREVIOUS);  // Acme/A2
        step(IDC_PROJ_PREVIOUS);  // Acme/A1
        step(IDC_PROJ_PREVIOUS);  // Abbott/C1
        step(IDC_PROJ_PREVIOUS);  // none before: unchanged
        page.SetDlgItemText(IDC_CUST_NAME, "Zeta");
        page.SetDlgItemText(IDC_CUST_NO, "Z9");
        step(IDC_PROJ_NEXT);  // none after: unchanged
        page.SetDlgItemText(IDC_CUST_NAME, "");
        Press(page, IDC_PROJ_NEXT);
    });
    EXPECT_EQ(seen,
              (Texts{"Acme/A2", "O'Neil/N1", "Acme/A2", "Acme/A1", "Abbott/C1", "Abbott/C1", "Zeta/Z9"}));
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_EQ(m_boxes.Texts()[0], "No more \"Previous\" records");
    EXPECT_EQ(m_boxes.Texts()[1], "No more \"Next\" records");
    EXPECT_EQ(m_boxes.Texts()[2].rfind("Before pressing this \"Next\" button", 0), 0u);
}

TEST_P(LookupTest, OfficeLimitNarrowsEveryLookup) {
    CProjOffice page(nullptr);
    page.SetLimitTo(0);  // East
    Run(page, [&] {
        Type(page, IDC_OFFICE_NAME, "Main");
        Press(page, IDC_PROJ_FIND_NAME);
        EXPECT_EQ(Text(page, IDC_OFFICE_NO), "E1");
        Press(page, IDC_PROJ_NEXT);  // Main West is not Ostry's
        EXPECT_EQ(Text(page, IDC_OFFICE_NO), "E1");

        ::SendMessageA(Item(page, IDC_OFFICE_EAST), BM_SETCHECK, BST_UNCHECKED, 0);
        ::SendMessageA(Item(page, IDC_OFFICE_WEST), BM_SETCHECK, BST_CHECKED, 0);
        Type(page, IDC_OFFICE_NO, "E1");
        Press(page, IDC_PROJ_FIND_NUMBER);
        EXPECT_EQ(Text(page, IDC_OFFICE_NAME), "");
        Type(page, IDC_OFFICE_NAME, "Main");
        Press(page, IDC_PROJ_FIND_NAME);
        EXPECT_EQ(Text(page, IDC_OFFICE_NO), "W1");
        EXPECT_EQ(Text(page, IDC_PROJ_CITY), "Denver");
    });
    EXPECT_EQ(page.m_nLimitTo, 1);
    EXPECT_EQ(m_boxes.Texts(), (Texts{"No more \"Next\" records", "\"E1\" NOT in \"Offices\" Table."}));
}

TEST_P(LookupTest, UpdateAddsThroughTheWriters) {
    CProjCustomer customer(nullptr);
    Run(customer, [&] {
        Type(customer, IDC_CUST_NO, " ");
        Type(customer, IDC_CUST_NAME, "New Mill");
        Press(customer, IDC_PROJ_UPDATE);  // a blank number is refused
        Type(customer, IDC_CUST_NO, "M7");
        Type(customer, IDC_PROJ_CITY, "Troy");
        Press(customer, IDC_PROJ_UPDATE);
    });
    ASSERT_EQ(m_boxes.Texts().size(), 3u);
    EXPECT_EQ(m_boxes.Texts()[0].rfind("Before pressing the \"Update\" button", 0), 0u);
    EXPECT_EQ(m_db->Query("SELECT Customer, City FROM Customers WHERE CustNo = 'M7'"),
              (std::vector<Texts>{{"New Mill", "Troy"}}));

    m_boxes.Clear();
    m_boxes.QueueAnswer(IDNO);
    CProjOffice office(nullptr);
    office.SetLimitTo(2);
    Run(office, [&] {
        Type(office, IDC_OFFICE_NO, "B2");
        Type(office, IDC_OFFICE_NAME, "Both Ways");
        Press(office, IDC_PROJ_UPDATE);  // No: nothing stored
        Press(office, IDC_PROJ_UPDATE);
    });
    EXPECT_EQ(m_boxes.Texts().at(1), "Did NOT Update the Offices database.");
    EXPECT_EQ(m_db->Scalar("SELECT Office FROM Offices WHERE OfficeNo = 'B2'"), "Both Ways");
}

TEST_P(LookupTest, FailureAfterTheRowsOpenedIsShownAndClosesTheConnection) {
    CFailingCustomer page;
    page.SetCustomer("Acme");
    page.SetCity("kept");
    Run(page, [&] { Press(page, IDC_PROJ_FIND_NAME); });
    EXPECT_TRUE(page.m_bWasOpen);
    EXPECT_FALSE(page.m_db.IsOpen());
    EXPECT_EQ(m_boxes.Texts(), (Texts{"ODBC Connection lost while reading"}));
    EXPECT_EQ(page.GetCity(), "kept");
}

TEST_P(LookupTest, NamesDifferingOnlyInCaseAreAllReachedByStepping) {
    m_db->ExecuteAll({
        "DELETE FROM Customers",
        "DELETE FROM Offices",
        "INSERT INTO Customers (CustNo, Customer) VALUES ('K2', 'ACME')",
        "INSERT INTO Customers (CustNo, Customer) VALUES ('K1', 'Acme')",
        "INSERT INTO Customers (CustNo, Customer) VALUES ('K3', 'Apex')",
        "INSERT INTO Offices (OfficeNo, Ostry, Kestrom, Office) VALUES ('K2', '1', '1', 'MAIN')",
        "INSERT INTO Offices (OfficeNo, Ostry, Kestrom, Office) VALUES ('K1', '1', '1', 'Main')",
        "INSERT INTO Offices (OfficeNo, Ostry, Kestrom, Office) VALUES ('K3', '1', '1', 'North')",
    });
    CProjCustomer customer(nullptr);
    EXPECT_EQ(Walk(customer, IDC_CUST_NAME, IDC_CUST_NO, "A"),
              (Texts{"Acme/K1", "ACME/K2", "Apex/K3", "Apex/K3", "ACME/K2", "Acme/K1", "Acme/K1"}));
    CProjOffice office(nullptr);
    office.SetLimitTo(2);
    EXPECT_EQ(Walk(office, IDC_OFFICE_NAME, IDC_OFFICE_NO, "M"),
              (Texts{"Main/K1", "MAIN/K2", "North/K3", "North/K3", "MAIN/K2", "Main/K1", "Main/K1"}));
    const Texts ends{"No more \"Next\" records", "No more \"Previous\" records"};
    Texts expected = ends;
    expected.insert(expected.end(), ends.begin(), ends.end());
    EXPECT_EQ(m_boxes.Texts(), expected);
}

// SQLite sorts Müller apart from MÜLLER and mÜller (its case-blind order
// folds ASCII letters only), PostgreSQL sorts all three together: either
// way stepping reaches each of them, in the engine's order, and back.
TEST_P(LookupTest, NamesDifferingInTheCaseOfAnAccentedLetterAreAllReachedByStepping) {
    m_db->ExecuteAll({
        "DELETE FROM Customers",
        "INSERT INTO Customers (CustNo, Customer) VALUES ('K1', 'M\xFCller')",
        "INSERT INTO Customers (CustNo, Customer) VALUES ('K2', 'M\xDCLLER')",
        "INSERT INTO Customers (CustNo, Customer) VALUES ('K3', 'm\xDCller')",
    });
    CProjCustomer customer(nullptr);
    const Texts seen = Walk(customer, IDC_CUST_NAME, IDC_CUST_NO, "M");
    ASSERT_EQ(seen.size(), 7u);
    Texts reached(seen.begin(), seen.begin() + 3);
    EXPECT_EQ(seen,
              (Texts{reached[0], reached[1], reached[2], reached[2], reached[1], reached[0], reached[0]}));
    std::sort(reached.begin(), reached.end());
    EXPECT_EQ(reached, (Texts{"M\xDCLLER/K2", "M\xFCller/K1", "m\xDCller/K3"}));
    EXPECT_EQ(m_boxes.Texts(), (Texts{"No more \"Next\" records", "No more \"Previous\" records"}));
}

TEST_P(LookupTest, DatabaseThatDoesNotOpenEndsWithThePageMessage) {
    CorvSetConnectStringForTests("DSN=No Such Corv Source;UID=Corv2004;PWD=Kelso_Wrint");
    const std::string strPageMessage = "Could not open \"Customer\" database";
    CProjCustomer customer(nullptr);
    customer.SetCustomer("Acme");
    customer.SetCity("kept");
    Run(customer, [&] { Press(customer, IDC_PROJ_FIND_NAME); });
    ASSERT_FALSE(m_boxes.Texts().empty());
    EXPECT_EQ(m_boxes.Texts().back(), strPageMessage);

    m_boxes.Clear();
    CProjOffice office(nullptr);
    office.SetOffice("Main");
    Run(office, [&] { Press(office, IDC_PROJ_NEXT); });
    ASSERT_FALSE(m_boxes.Texts().empty());
    EXPECT_EQ(m_boxes.Texts().back(), strPageMessage);
    EXPECT_EQ(customer.GetCity(), "kept");
    EXPECT_EQ(office.GetOffice(), "Main");
}

INSTANTIATE_TEST_SUITE_P(Engines, LookupTest, ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const ::testing::TestParamInfo<TestEngine>& info) {
                             return std::string(TestEngineName(info.param));
                         });
