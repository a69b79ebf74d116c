// The quotation finder as the user drives it: criteria, Find, the listed
// quotations and the chosen one's fields, OK and Cancel, and File > Find...
// through the application, on a SQLite database made for each test.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "DbTestEnv.h"
#include "TestJob.h"
#include "app/CorvApp.h"
#include "database/Connection.h"
#include "database/DlgFindJob.h"
#include "database/SndToRpt.h"
#include "framework/win/DocTemplate.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "res/database_ids.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using Texts = std::vector<std::string>;

CCorvApp g_app;

// The application as the program starts it, without splash window.
class FinderEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        char szTemp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, szTemp);
        m_strIni = std::string(szTemp) + "corv-finder-test-" + std::to_string(GetCurrentProcessId()) + ".ini";
        DeleteFileA(m_strIni.c_str());
        g_app.SetProfileName(m_strIni.c_str());
        static char szCmdLine[] = "/Embedding";
        g_app.m_lpCmdLine = szCmdLine;
        MessageBoxRecorder boxes;
        ASSERT_TRUE(g_app.InitInstance());
    }

    void TearDown() override {
        CloseJobs();
        if (CWnd* pMain = AfxGetMainWnd()) pMain->DestroyWindow();
        DeleteFileA(m_strIni.c_str());
    }

    static std::vector<CCorvDoc*> Jobs() {
        std::vector<CCorvDoc*> jobs;
        POSITION pos = g_app.GetFirstDocTemplatePosition();
        if (CDocTemplate* pTemplate = pos ? g_app.GetNextDocTemplate(pos) : nullptr)
            for (CDocument* pDoc : pTemplate->GetDocuments()) jobs.push_back(static_cast<CCorvDoc*>(pDoc));
        return jobs;
    }

    static void CloseJobs() {
        for (CCorvDoc* pDoc : Jobs()) {
            pDoc->SetModifiedFlag(FALSE);
            pDoc->OnCloseDocument();
        }
    }

private:
    std::string m_strIni;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new FinderEnvironment);

// --- Driving the dialog ---

void Click(CDialog& dlg, int nID) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, nID)));
}

std::string Text(CDialog& dlg, int nID) { return dlg.GetDlgItemText(nID).str(); }

const int kCriteria[] = {IDC_FIND_CORV_NUMBER,  IDC_FIND_QUOTE_NO,     IDC_FIND_CUSTOMER,
                         IDC_FIND_PROJECT,      IDC_FIND_OFFICE,       IDC_FIND_PROJECT_TYPE,
                         IDC_FIND_MARKET_GROUP, IDC_FIND_SALES_REGION, IDC_FIND_QUOTE_TYPE,
                         IDC_FIND_INITIALS,     IDC_FIND_MORE_THAN};

void SetRange(CDialog& dlg, bool bUse, WORD wFromDay = 1, WORD wToDay = 31) {
    SYSTEMTIME from{2006, 5, 0, wFromDay, 0, 0, 0, 0};
    SYSTEMTIME to{2006, 5, 0, wToDay, 0, 0, 0, 0};
    dlg.SendDlgItemMessage(IDC_FIND_FROM, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&from));
    dlg.SendDlgItemMessage(IDC_FIND_TO, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&to));
    dlg.SendDlgItemMessage(IDC_FIND_USE_DATES, BM_SETCHECK, bUse ? BST_CHECKED : BST_UNCHECKED);
    Click(dlg, IDC_FIND_USE_DATES);
}

void ClearCriteria(CDialog& dlg) {
    for (int id : kCriteria) dlg.SetDlgItemText(id, "");
    SetRange(dlg, false);
}

// The numbers of the listed quotations in list order.
Texts Listed(CDialog& dlg) {
    Texts numbers;
    const int nCount = static_cast<int>(dlg.SendDlgItemMessage(IDC_FIND_FOUND_LIST, CB_GETCOUNT));
    for (int i = 0; i < nCount; ++i) {
        char szLine[256] = "";
        dlg.SendDlgItemMessage(IDC_FIND_FOUND_LIST, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szLine));
        std::string strLine(szLine);
        numbers.push_back(strLine.substr(0, strLine.find(' ')));
    }
    return numbers;
}

// Empties every criterion, sets one (or none), presses Find and returns
// what is listed.
Texts Find(CDialog& dlg, int nID = 0, const char* pszValue = "") {
    ClearCriteria(dlg);
    if (nID) dlg.SetDlgItemText(nID, pszValue);
    Click(dlg, IDC_FIND_FIND);
    return Listed(dlg);
}

// The static texts that show the chosen quotation's values, in display order.
const int kShownIds[] = {
    IDC_FIND_SHOWN_CORV_NUMBER,   IDC_FIND_SHOWN_QUOTE_NO,     IDC_FIND_SHOWN_QUOTE_REV,
    IDC_FIND_SHOWN_QUOTE_VERSION, IDC_FIND_SHOWN_QUOTE_COUNT,  IDC_FIND_SHOWN_OFFICE,
    IDC_FIND_SHOWN_QUOTE_DATE,    IDC_FIND_SHOWN_INITIALS,     IDC_FIND_SHOWN_CUSTOMER,
    IDC_FIND_SHOWN_PROJECT,       IDC_FIND_SHOWN_PROJECT_LOC,  IDC_FIND_SHOWN_MARKET_GROUP,
    IDC_FIND_SHOWN_SALES_REGION,  IDC_FIND_SHOWN_PROJECT_TYPE, IDC_FIND_SHOWN_QUOTE_TYPE,
    IDC_FIND_SHOWN_ENGINEER,      IDC_FIND_SHOWN_STATUS};

// The chosen quotation's seventeen shown values.
Texts Shown(CDialog& dlg) {
    Texts shown;
    for (int id : kShownIds) shown.push_back(Text(dlg, id));
    return shown;
}

class FindDialogTest : public ::testing::Test {
protected:
    void SetUp() override { SetUpOn(TestEngine::SQLite); }

    void SetUpOn(TestEngine engine) {
        m_db = std::make_unique<TestDatabase>(engine);
        if (!m_db->Ready()) GTEST_SKIP() << m_db->SkipReason();
        InitTestJob(m_doc);
        g_app.m_arrOpenJobNumbers.RemoveAll();
        CDialog::ClearTestHooks();
    }

    void TearDown() override { CDialog::ClearTestHooks(); }

    void SeedThree() {
        const char* const pszColumns =
            "INSERT INTO Project (CorvNumber, QuoteNo, QuoteRev, QuoteVersion, QuoteCount, QuoteDate, "
            "QuoteType, "
            "MarketGroup, SalesRegion, ProjectType, Project, ProjectLoc, Engineer, Initials, Customer, "
            "Office, "
            "Status, TotalFinal) VALUES ";
        m_db->Execute(std::string(pszColumns) +
                      "(101, 'Q-101', 'B', '2', 1, '2006-05-17', 'Budget', 'MG1', 'North', 'Water', "
                      "'Pump Station Eleven North', 'Springfield', 'Ed', 'JS', 'Lake''s End Mills', 'East', "
                      "'Open', 500)");
        m_db->Execute(std::string(pszColumns) +
                      "(102, 'Q-102', '', '', 0, '2006-06-02', 'Firm', 'MG2', 'South', 'Power', 'Dam Works', "
                      "'', '', 'AB', 'Lakeside', 'West', 'Won', 1500)");
        m_db->Execute(
            std::string(pszColumns) +
            "(103, 'Q''103', '', '', NULL, '2006-05-01', 'Budget', 'MG1', 'North', 'Water', 'Pump Yard', "
            "'', '', 'JS', 'River Co', 'East', '', 2500)");
    }

    // Runs the finder on m_doc with the hook; returns DoModal's result.
    INT_PTR Run(const std::function<void(CDialog&)>& hook, bool* pbLoadFailed = nullptr) {
        CDialog::SetTestHook(hook);
        CDlgFindJob dlg(&m_doc, nullptr);
        const INT_PTR nResult = dlg.DoModal();
        if (pbLoadFailed) *pbLoadFailed = dlg.m_bLoadFailed != FALSE;
        return nResult;
    }

    std::string StoreSample() {
        BuildSampleJob(m_stored);
        MessageBoxRecorder boxes;
        boxes.QueueAnswer(IDYES);
        CSndToRpt writer(&m_stored, m_stored.GetCorvNumber());
        EXPECT_TRUE(writer.Send());
        return m_stored.GetCorvNumber().str();
    }

    std::unique_ptr<TestDatabase> m_db;
    CTestJobDoc m_doc;
    CTestJobDoc m_stored;
    MessageBoxRecorder m_boxes;
};

// The finder on every engine the program supports.
class FindDialogEngineTest : public FindDialogTest, public ::testing::WithParamInterface<TestEngine> {
protected:
    void SetUp() override { SetUpOn(GetParam()); }
};

}  // namespace

TEST_F(FindDialogTest, EachCriterionListsItsQuotationsHighestNumberFirst) {
    SeedThree();
    std::vector<std::pair<std::string, Texts>> results;
    std::string strCount, strMoreThan;
    Run([&](CDialog& dlg) {
        auto note = [&](const char* pszWhat, Texts numbers) {
            results.emplace_back(pszWhat, numbers);
        };
        note("number", Find(dlg, IDC_FIND_CORV_NUMBER, "102"));
        note("quote no", Find(dlg, IDC_FIND_QUOTE_NO, " Q'103 "));
        EXPECT_EQ(Text(dlg, IDC_FIND_QUOTE_NO), "Q'103");  // shown trimmed after the Find
        note("customer", Find(dlg, IDC_FIND_CUSTOMER, "Lake"));
        strCount = Text(dlg, IDC_FIND_COUNT);
        note("project", Find(dlg, IDC_FIND_PROJECT, "Pump"));
        note("office", Find(dlg, IDC_FIND_OFFICE, "East"));
        note("project type", Find(dlg, IDC_FIND_PROJECT_TYPE, "Water"));
        note("market group", Find(dlg, IDC_FIND_MARKET_GROUP, "MG2"));
        note("sales region", Find(dlg, IDC_FIND_SALES_REGION, "North"));
        note("quote type", Find(dlg, IDC_FIND_QUOTE_TYPE, "Firm"));
        note("initials", Find(dlg, IDC_FIND_INITIALS, "JS"));
        note("more than", Find(dlg, IDC_FIND_MORE_THAN, "1000"));
        strMoreThan = Text(dlg, IDC_FIND_MORE_THAN);
        note("two criteria", [&] {
            ClearCriteria(dlg);
            dlg.SetDlgItemText(IDC_FIND_OFFICE, "East");
            dlg.SetDlgItemText(IDC_FIND_MORE_THAN, "1000");
            Click(dlg, IDC_FIND_FIND);
            return Texts{Text(dlg, IDC_FIND_SHOWN_CORV_NUMBER)};
        }());
        note("dates only", [&] {
            ClearCriteria(dlg);
            SetRange(dlg, true);
            Click(dlg, IDC_FIND_FIND);
            Texts listed = Listed(dlg);
            listed.push_back(Text(dlg, IDC_FIND_COUNT));
            return listed;
        }());
        note("range after To", [&] {
            ClearCriteria(dlg);
            SetRange(dlg, true, 20, 10);  // From after To
            Click(dlg, IDC_FIND_FIND);
            return Listed(dlg);
        }());
        Click(dlg, IDCANCEL);
    });
    const std::vector<std::pair<std::string, Texts>> expected = {{"number", {"102"}},
                                                                 {"quote no", {"103"}},
                                                                 {"customer", {"102", "101"}},
                                                                 {"project", {"103", "101"}},
                                                                 {"office", {"103", "101"}},
                                                                 {"project type", {"103", "101"}},
                                                                 {"market group", {"102"}},
                                                                 {"sales region", {"103", "101"}},
                                                                 {"quote type", {"102"}},
                                                                 {"initials", {"103", "101"}},
                                                                 {"more than", {"103", "102"}},
                                                                 {"two criteria", {"103"}},
                                                                 {"dates only", {"103", "101", "(2)"}},
                                                                 {"range after To", {}}};
    EXPECT_EQ(results, expected);
    EXPECT_EQ(strCount, "(2)");
    EXPECT_EQ(strMoreThan, "1000");
    EXPECT_EQ(m_boxes.Texts(), (Texts{"NOT in Database"}));
}

// A team that moves from the embedded database to a server keeps finding
// its quotations however the names were typed.
TEST_P(FindDialogEngineTest, CustomerAndProjectMatchInAnyCase) {
    const std::string strInsert = "INSERT INTO Project (CorvNumber, Customer, Project) VALUES ";
    m_db->Execute(strInsert + "(301, 'Acme Mills', 'North Pump Station')");
    m_db->Execute(strInsert + "(302, 'Lakeside', 'ACME Dam')");
    std::vector<Texts> found;
    Run([&](CDialog& dlg) {
        found.push_back(Find(dlg, IDC_FIND_CUSTOMER, "acme"));
        found.push_back(Find(dlg, IDC_FIND_CUSTOMER, "LAKESIDE"));
        found.push_back(Find(dlg, IDC_FIND_PROJECT, "pump STATION"));
        found.push_back(Find(dlg, IDC_FIND_PROJECT, "acme d"));
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(found, (std::vector<Texts>{{"301"}, {"302"}, {"301"}, {"302"}}));
    EXPECT_EQ(m_boxes.Texts(), Texts{});
}

INSTANTIATE_TEST_SUITE_P(Engines, FindDialogEngineTest,
                         ::testing::Values(TestEngine::SQLite, TestEngine::PostgreSQL),
                         [](const auto& info) { return std::string(TestEngineName(info.param)); });

TEST_F(FindDialogTest, CriteriaNeverChangeTheStatement) {
    SeedThree();
    Texts quoted, number, emptyFind;
    std::string strNumberShown;
    Run([&](CDialog& dlg) {
        quoted = Find(dlg, IDC_FIND_CUSTOMER, "x' OR '1'='1");
        // Pasted text passes the typing filter; it is read as the number it starts with.
        number = Find(dlg, IDC_FIND_CORV_NUMBER, "101 OR 1=1");
        strNumberShown = Text(dlg, IDC_FIND_CORV_NUMBER);
        emptyFind = Find(dlg, IDC_FIND_PROJECT, "   ");
        Click(dlg, IDCANCEL);
    });
    EXPECT_TRUE(quoted.empty());
    EXPECT_EQ(number, (Texts{"101"}));
    EXPECT_EQ(strNumberShown, "101");
    EXPECT_TRUE(emptyFind.empty());
    EXPECT_EQ(
        m_boxes.Texts(),
        (Texts{"NOT in Database",
               "The \"Corv Number\" field\nhas been interpreted as \"101\".\nThis field contained:  \"101 OR "
               "1=1\"\n",
               "Before pressing this \"Find\" button, you must enter at least one value"}));
    EXPECT_EQ(m_db->Scalar("SELECT COUNT(*) FROM Project"), "3");
}

TEST_F(FindDialogTest, TheChosenQuotationsFieldsAreShown) {
    SeedThree();
    Texts first, picked, afterEmpty;
    std::string strLine;
    Run([&](CDialog& dlg) {
        Find(dlg, IDC_FIND_INITIALS, "JS");
        first = Shown(dlg);
        // Values are shown as they are: an "&" is no access key.
        for (int id : kShownIds)
            EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(dlg.m_hWnd, id), GWL_STYLE) & SS_NOPREFIX) << id;
        dlg.SendDlgItemMessage(IDC_FIND_FOUND_LIST, CB_SETCURSEL, 1);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIND_FOUND_LIST, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, IDC_FIND_FOUND_LIST)));
        picked = Shown(dlg);
        char szLine[256] = "";
        dlg.SendDlgItemMessage(IDC_FIND_FOUND_LIST, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(szLine));
        strLine = szLine;
        Find(dlg, IDC_FIND_INITIALS, "QQ");  // matches nothing: the earlier results go
        afterEmpty = Shown(dlg);
        afterEmpty.push_back(Text(dlg, IDC_FIND_COUNT));
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(first, (Texts{"103", "Q'103", "", "", "No", "East", "05/01/2006", "JS", "River Co", "Pump Yard",
                            "", "MG1", "North", "Water", "Budget", "", ""}));
    EXPECT_EQ(picked, (Texts{"101", "Q-101", "B", "2", "Yes", "East", "05/17/2006", "JS", "Lake's End Mills",
                             "Pump Station Eleven North", "Springfield", "MG1", "North", "Water", "Budget",
                             "Ed", "Open"}));
    EXPECT_EQ(strLine,
              "101     Q-101       B    2           Pump Station Eleve  Lake's End Mills    05/17/2006  ");
    EXPECT_EQ(afterEmpty, Texts(18, ""));
}

TEST_F(FindDialogTest, AtMostThreeHundredAreListed) {
    m_db->Execute(
        "WITH RECURSIVE n(x) AS (SELECT 1000 UNION ALL SELECT x + 1 FROM n WHERE x < 1304) "
        "INSERT INTO Project (CorvNumber, Initials) SELECT x, 'ZZ' FROM n");
    Texts many, fewer;
    std::string strMany, strFewer;
    Run([&](CDialog& dlg) {
        many = Find(dlg, IDC_FIND_INITIALS, "ZZ");
        strMany = Text(dlg, IDC_FIND_COUNT);
        fewer = Find(dlg, IDC_FIND_MORE_THAN, "-1");  // no TotalFinal: nothing
        Click(dlg, IDCANCEL);
    });
    ASSERT_EQ(many.size(), 300u);
    EXPECT_EQ(many.front(), "1304");
    EXPECT_EQ(many.back(), "1005");
    EXPECT_EQ(strMany, "First 300");

    m_db->Execute("DELETE FROM Project WHERE CorvNumber > 1298");
    Run([&](CDialog& dlg) {
        fewer = Find(dlg, IDC_FIND_INITIALS, "ZZ");
        strFewer = Text(dlg, IDC_FIND_COUNT);
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(fewer.size(), 299u);
    EXPECT_EQ(strFewer, "(299)");
}

TEST_F(FindDialogTest, OkNeedsAFoundQuotationThatIsNotOpen) {
    SeedThree();
    g_app.m_arrOpenJobNumbers.Add("Unassigned");
    g_app.m_arrOpenJobNumbers.Add(" 101 ");
    bool bStillOpen = false;
    bool bLoadFailed = true;
    const INT_PTR nResult = Run(
        [&](CDialog& dlg) {
            Click(dlg, IDC_FIND_OK);
            Find(dlg, IDC_FIND_CORV_NUMBER, "101");
            Click(dlg, IDC_FIND_OK);
            bStillOpen = ::IsWindowVisible(dlg.m_hWnd) != FALSE;
            Click(dlg, IDCANCEL);
        },
        &bLoadFailed);
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_TRUE(bStillOpen);
    EXPECT_FALSE(bLoadFailed);
    EXPECT_EQ(m_boxes.Texts(), (Texts{"Before pressing the \"OK\" Button, you must \"Find\" a Quote",
                                      "You currently have Corv No: 101 OPEN in Corvantis."}));
    EXPECT_EQ(m_doc.GetCorvNumber(), "Unassigned");
}

TEST_F(FindDialogTest, OkLoadsTheChosenJob) {
    const std::string n = StoreSample();
    m_doc.SetModifiedFlag(FALSE);
    m_boxes.Clear();
    bool bLoadFailed = true;
    const INT_PTR nResult = Run(
        [&](CDialog& dlg) {
            Find(dlg, IDC_FIND_CORV_NUMBER, n.c_str());
            Click(dlg, IDC_FIND_OK);
        },
        &bLoadFailed);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_FALSE(bLoadFailed);
    EXPECT_TRUE(m_boxes.Texts().empty());
    EXPECT_EQ(m_doc.GetCorvNumber(), n.c_str());
    EXPECT_EQ(m_doc.GetTitle(),
              "Corv: " + n + "  --  Quote No: Q-2006-0147 Rev: B  --  Version: 2  --  Count: Yes");
    EXPECT_EQ(m_doc.GetCustomer(), "O'Brien's Mill");
    EXPECT_EQ(m_doc.GetQuoteDate(), "03/07/2006");
    EXPECT_EQ(m_doc.GetProbOfSuccess(), "75.00");
    EXPECT_EQ(m_doc.GetPOAmount(), "1234.50");
    EXPECT_EQ(m_doc.m_nQuoteCount, 1);
    EXPECT_EQ(m_doc.m_nIntroIndLeft, 5);
    EXPECT_EQ(m_doc.m_nTermsIndRight, -3);
    // The freight rate arrives without repricing: the lines keep what was stored.
    EXPECT_EQ(m_doc.GetFreightRate(), "0.15");
    ASSERT_EQ(m_doc.m_pTable->GetSize(), 2);
    CRecord* pA = m_doc.m_pTable->GetRecord(0);
    EXPECT_EQ(pA->GetFieldByName("Final")->GetText(), "500.00");
    EXPECT_EQ(pA->GetFieldByName("FrtAmount")->GetText(), "");
    EXPECT_EQ(pA->GetChild()->GetSize(), 2);
    EXPECT_EQ(m_doc.m_pTable->GetRecord(1)->GetFieldByName("Tag")->GetText(), "TAG-'7'");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.m_bChangedSinceStore);
}

TEST_F(FindDialogTest, FindThroughTheApplication) {
    const std::string n = StoreSample();
    m_boxes.Clear();
    const size_t nBefore = FinderEnvironment::Jobs().size();

    // Cancel: the new job is closed again.
    CDialog::SetTestHook([](CDialog& dlg) { Click(dlg, IDCANCEL); });
    g_app.OnFileFind();
    EXPECT_EQ(FinderEnvironment::Jobs().size(), nBefore);

    // OK: the stored job stays in a new window.
    CDialog::SetTestHook([&](CDialog& dlg) {
        Find(dlg, IDC_FIND_CORV_NUMBER, n.c_str());
        Click(dlg, IDC_FIND_OK);
    });
    g_app.OnFileFind();
    std::vector<CCorvDoc*> jobs = FinderEnvironment::Jobs();
    ASSERT_EQ(jobs.size(), nBefore + 1);
    CCorvDoc* pLoaded = jobs.back();
    EXPECT_EQ(pLoaded->GetCorvNumber(), n.c_str());
    EXPECT_EQ(pLoaded->GetTitle(),
              "Corv: " + n + "  --  Quote No: Q-2006-0147 Rev: B  --  Version: 2  --  Count: Yes");
    EXPECT_FALSE(pLoaded->m_bChangedSinceStore);

    // The same number again: it is open now.
    CDialog::SetTestHook([&](CDialog& dlg) {
        Find(dlg, IDC_FIND_CORV_NUMBER, n.c_str());
        Click(dlg, IDC_FIND_OK);
        Click(dlg, IDCANCEL);
    });
    g_app.OnFileFind();
    EXPECT_EQ(FinderEnvironment::Jobs().size(), nBefore + 1);
    EXPECT_EQ(m_boxes.Texts(), (Texts{"You currently have Corv No: " + n + " OPEN in Corvantis."}));

    // A load that fails leaves no job behind either.
    m_db->Execute("DROP TABLE Detail");
    m_db->Execute(ShippedTableWith(TestEngine::SQLite, "Detail", "SecondPN", nullptr));
    m_boxes.Clear();
    pLoaded->SetModifiedFlag(FALSE);
    pLoaded->OnCloseDocument();
    CDialog::SetTestHook([&](CDialog& dlg) {
        Find(dlg, IDC_FIND_CORV_NUMBER, n.c_str());
        Click(dlg, IDC_FIND_OK);
    });
    g_app.OnFileFind();
    EXPECT_EQ(FinderEnvironment::Jobs().size(), nBefore);
    EXPECT_EQ(m_boxes.Texts(), (Texts{"\"SecondPN\" Field must be included in \"Detail\" Table."}));
}

TEST_F(FindDialogTest, NumberFieldsTakeOnlyNumbersAndAreCheckedWhenLeft) {
    std::string strTyped, strMoreThan, strWide, strUnchanged;
    Run([&](CDialog& dlg) {
        HWND hNumber = ::GetDlgItem(dlg.m_hWnd, IDC_FIND_CORV_NUMBER);
        for (char ch : std::string("1a2 -x.")) ::SendMessageA(hNumber, WM_CHAR, static_cast<WPARAM>(ch), 0);
        strTyped = Text(dlg, IDC_FIND_CORV_NUMBER);

        auto leave = [&](int nID, const char* pszText) {
            dlg.SetDlgItemText(nID, pszText);
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, EN_KILLFOCUS),
                            reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, nID)));
            return Text(dlg, nID);
        };
        strMoreThan = leave(IDC_FIND_MORE_THAN, "1000");         // silently 1000.00
        strWide = leave(IDC_FIND_MORE_THAN, "12345678901");      // too wide: a row of '*'
        strUnchanged = leave(IDC_FIND_MORE_THAN, "**********");  // as last taken: not checked again
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(strTyped, "12-.");
    EXPECT_EQ(strMoreThan, "1000.00");
    EXPECT_EQ(strWide, "**********");
    EXPECT_EQ(strUnchanged, "**********");
    EXPECT_EQ(m_boxes.Texts(), (Texts{"The \"More Than $\" field\nhas been interpreted as \"**********\".\n"
                                      "This field contained:  \"12345678901\"\n"}));
}

TEST_F(FindDialogTest, DoubleClickOnALabelEditsItsChoiceList) {
    CStringArray& initials = g_app.m_arrChoice[kChoiceInitials];
    const int nBefore = initials.GetSize();
    int nItems = 0;
    int nFound = CB_ERR;
    Run([&](CDialog& dlg) {
        // The list editor opens over the finder.
        CDialog::SetTestHook([](CDialog& editor) {
            editor.SetDlgItemText(1154, "QZ");
            Click(editor, 1155);
            Click(editor, 1007);
        });
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIND_INITIALS_LABEL, STN_DBLCLK),
                        reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, IDC_FIND_INITIALS_LABEL)));
        nItems = static_cast<int>(dlg.SendDlgItemMessage(IDC_FIND_INITIALS, CB_GETCOUNT));
        nFound = static_cast<int>(dlg.SendDlgItemMessage(IDC_FIND_INITIALS, CB_FINDSTRINGEXACT, -1,
                                                         reinterpret_cast<LPARAM>("QZ")));
        Click(dlg, IDCANCEL);
    });
    ASSERT_EQ(initials.GetSize(), nBefore + 1);
    int nAt = -1;
    for (int i = 0; i < initials.GetSize(); ++i)
        if (initials[i] == "QZ") nAt = i;
    EXPECT_GE(nAt, 0);
    EXPECT_EQ(nItems, nBefore + 1);
    EXPECT_EQ(nFound, nAt);  // the box shows the list as edited
    if (nAt >= 0) initials.RemoveAt(nAt);
}

TEST_F(FindDialogTest, DateRangeStartsUnusedOverTheLastThirtyDays) {
    bool bEnabledAtStart = true, bEnabledTicked = false, bEnabledUnticked = true;
    SYSTEMTIME from{}, to{}, fromAfter{};
    Run([&](CDialog& dlg) {
        bEnabledAtStart = ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_FIND_FROM)) != FALSE;
        dlg.SendDlgItemMessage(IDC_FIND_FROM, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&from));
        dlg.SendDlgItemMessage(IDC_FIND_TO, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&to));
        dlg.SendDlgItemMessage(IDC_FIND_USE_DATES, BM_SETCHECK, BST_CHECKED);
        Click(dlg, IDC_FIND_USE_DATES);
        bEnabledTicked = ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_FIND_TO)) != FALSE;
        dlg.SendDlgItemMessage(IDC_FIND_USE_DATES, BM_SETCHECK, BST_UNCHECKED);
        Click(dlg, IDC_FIND_USE_DATES);
        bEnabledUnticked = ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_FIND_TO)) != FALSE;
        dlg.SendDlgItemMessage(IDC_FIND_FROM, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&fromAfter));
        Click(dlg, IDCANCEL);
    });
    EXPECT_FALSE(bEnabledAtStart);
    EXPECT_TRUE(bEnabledTicked);
    EXPECT_FALSE(bEnabledUnticked);
    EXPECT_EQ(COleDateTime(to.wYear, to.wMonth, to.wDay, 0, 0, 0).m_dt -
                  COleDateTime(from.wYear, from.wMonth, from.wDay, 0, 0, 0).m_dt,
              30.0);
    EXPECT_EQ(fromAfter.wDay, from.wDay);  // the picked dates stay
    const COleDateTime today = COleDateTime::GetCurrentTime();
    EXPECT_EQ(to.wYear, today.GetYear());
    EXPECT_EQ(to.wMonth, today.GetMonth());
    EXPECT_EQ(to.wDay, today.GetDay());
}

// The quotation database is gone (its file deleted, its share not there):
// Find tells the user and lists nothing; a database that goes between Find
// and OK leaves no half-loaded job behind.
TEST_F(FindDialogTest, AMissingDatabaseIsToldAtFindAndAtOk) {
    const std::string n = StoreSample();
    const std::string strGone =
        "DSN=Ostry Quotes;UID=Corv2004;PWD=Kelso_Wrint;NoCreat=1;Database=" + TestRunFolder().strHostPath +
        "/gone-quotes.db";
    const size_t nBefore = FinderEnvironment::Jobs().size();

    CorvSetConnectStringForTests(strGone.c_str());
    m_boxes.Clear();
    Texts listed;
    CDialog::SetTestHook([&](CDialog& dlg) {
        listed = Find(dlg, IDC_FIND_CORV_NUMBER, n.c_str());
        Click(dlg, IDCANCEL);
    });
    g_app.OnFileFind();
    EXPECT_TRUE(listed.empty());
    ASSERT_EQ(m_boxes.Texts().size(), 1u);  // the driver's text
    EXPECT_EQ(FinderEnvironment::Jobs().size(), nBefore);

    m_boxes.Clear();
    CDialog::SetTestHook([&](CDialog& dlg) {
        CorvSetConnectStringForTests(m_db->ConnectString().c_str());
        listed = Find(dlg, IDC_FIND_CORV_NUMBER, n.c_str());
        CorvSetConnectStringForTests(strGone.c_str());
        Click(dlg, IDC_FIND_OK);
    });
    g_app.OnFileFind();
    EXPECT_EQ(listed, Texts{n});
    EXPECT_EQ(m_boxes.Texts().size(), 1u);
    EXPECT_EQ(FinderEnvironment::Jobs().size(), nBefore);
    CorvSetConnectStringForTests(m_db->ConnectString().c_str());
}
