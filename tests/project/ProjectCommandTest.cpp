// The Project command end to end: every header field set through the pages
// comes back into the job and into its saved file; Cancel changes nothing;
// a new freight rate recomputes the lines.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "model/CorvDoc.h"
#include "res/resource.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"

using namespace ProjTest;

namespace {

// Every header text of the job by its field name.
const std::map<std::string, std::function<CString(const CCorvDoc&)>>& HeaderGetters() {
    static const std::map<std::string, std::function<CString(const CCorvDoc&)>> getters = {
#define CORV_GETTER(name, width)    \
    {#name, [](const CCorvDoc& d) { \
         return d.Get##name();      \
     }},
        CORV_HEADER_TEXTS_ALL(CORV_GETTER, CORV_GETTER, CORV_GETTER)
#undef CORV_GETTER
            {"Intro",
             [](const CCorvDoc& d) {
                 return d.GetIntro();
             }},
        {"QNotes",
         [](const CCorvDoc& d) {
             return d.GetQNotes();
         }},
        {"Terms",
         [](const CCorvDoc& d) {
             return d.GetTerms();
         }},
    };
    return getters;
}

// One control of a page, the text put into it and the header field that
// receives it (with what the field then holds, when that differs).
struct Entry {
    int nPage;
    int nID;
    const char* pszText;
    const char* pszField;
    const char* pszStored;
};

const Entry kEntries[] = {
    {0, IDC_QUOTE_NO, "Q-100", "QuoteNo", nullptr},
    {0, IDC_QUOTE_REV, "B", "QuoteRev", nullptr},
    {0, IDC_QUOTE_VERSION, "V2", "QuoteVersion", nullptr},
    {0, IDC_QUOTE_DATE, "01/02/2003", "QuoteDate", nullptr},
    {0, IDC_QUOTE_TYPE, "Budget", "QuoteType", nullptr},
    {0, IDC_QUOTE_MARKET, "Market", "MarketGroup", nullptr},
    {0, IDC_QUOTE_REGION, "North", "SalesRegion", nullptr},
    {0, IDC_QUOTE_PROJ_TYPE, "Power plant", "ProjectType", nullptr},
    {0, IDC_QUOTE_PROJECT, "Riverside", "Project", nullptr},
    {0, IDC_QUOTE_LOCATION, "Springfield", "ProjectLoc", nullptr},
    {0, IDC_QUOTE_ENGINEER, "Eng & Co", "Engineer", nullptr},
    {0, IDC_QUOTE_PACKAGING, "Crates", "Packaging", nullptr},
    {0, IDC_QUOTE_PAYMENT, "Cash", "Payment", nullptr},
    {0, IDC_QUOTE_SHIPPING, "Truck", "Shipping", nullptr},
    {0, IDC_QUOTE_FREIGHT_RATE, "5.00", "FreightRate", nullptr},
    {0, IDC_QUOTE_FREIGHT, "Prepaid", "Freight", nullptr},
    {0, IDC_QUOTE_STARTUP, "Included", "StartUp", nullptr},
    {0, IDC_QUOTE_CUST_REF, "REF-9", "CustRef", nullptr},
    {0, IDC_QUOTE_BID_DATE, "03/04/2005", "BidDate", nullptr},
    {0, IDC_QUOTE_BID_TIME, "10:30", "BidTime", "22:30"},  // with PM
    {0, IDC_QUOTE_PREPARED_BY, "Pat", "PreparedBy", nullptr},
    {0, IDC_QUOTE_INITIALS, "PQ", "Initials", nullptr},
    {0, IDC_QUOTE_PREP_TITLE, "Engineer", "PrepByTitle", nullptr},
    {0, IDC_QUOTE_PREP_EMAIL, "pat@x.example", "PrepByEmail", nullptr},
    {0, IDC_QUOTE_CC1, "Chris", "FirstCC", nullptr},
    {0, IDC_QUOTE_CC1_TITLE, "Manager", "FirstCCTitle", nullptr},
    {0, IDC_QUOTE_CC2, "Dana", "SecondCC", nullptr},
    {0, IDC_QUOTE_CC2_TITLE, "Director", "SecondCCTitle", nullptr},
    {0, IDC_QUOTE_VALIDITY, "60 days", "Validity", nullptr},
    {0, IDC_QUOTE_DELIVERY, "6 weeks", "Delivery", nullptr},
    {1, IDC_CUST_NO, "C-5", "CustomerNo", nullptr},
    {1, IDC_CUST_NAME, "Mill Co", "Customer", nullptr},
    {1, IDC_PROJ_ADRS_LN1, "1 Mill Rd", "CustAddrsLn1", nullptr},
    {1, IDC_PROJ_ADRS_LN2, "Unit 2", "CustAddrsLn2", nullptr},
    {1, IDC_PROJ_ADRS_LN3, "Gate 3", "CustAddrsLn3", nullptr},
    {1, IDC_PROJ_CITY, "Milton", "CustCity", nullptr},
    {1, IDC_PROJ_STATE, "MA", "CustState", nullptr},
    {1, IDC_PROJ_ZIP, "02186", "CustZip", nullptr},
    {1, IDC_PROJ_COUNTRY, "USA", "CustCountry", nullptr},
    {1, IDC_CUST_ATTN, "Buyer", "CustAttn", nullptr},
    {1, IDC_PROJ_PHONE, "555-1", "CustPhone", nullptr},
    {1, IDC_PROJ_FAX, "555-2", "CustFax", nullptr},
    {1, IDC_PROJ_EMAIL, "buy@mill.example", "CustEmail", nullptr},
    {1, IDC_PROJ_URL, "mill.example", "CustURL", nullptr},
    {2, IDC_OFFICE_NO, "O-7", "OfficeNo", nullptr},
    {2, IDC_OFFICE_NAME, "Rep East", "Office", nullptr},
    {2, IDC_PROJ_ADRS_LN1, "9 Rep St", "OffAddrsLn1", nullptr},
    {2, IDC_PROJ_ADRS_LN2, "Floor 2", "OffAddrsLn2", nullptr},
    {2, IDC_PROJ_ADRS_LN3, "Room 3", "OffAddrsLn3", nullptr},
    {2, IDC_PROJ_CITY, "Quincy", "OffCity", nullptr},
    {2, IDC_PROJ_STATE, "NY", "OffState", nullptr},
    {2, IDC_PROJ_ZIP, "10001", "OffZip", nullptr},
    {2, IDC_PROJ_COUNTRY, "US", "OffCountry", nullptr},
    {2, IDC_OFFICE_CONTACT, "Rep", "OffContact", nullptr},
    {2, IDC_PROJ_PHONE, "555-3", "OffPhone", nullptr},
    {2, IDC_PROJ_FAX, "555-4", "OffFax", nullptr},
    {2, IDC_PROJ_EMAIL, "rep@x.example", "OffEmail", nullptr},
    {2, IDC_PROJ_URL, "rep.example", "OffURL", nullptr},
    {3, IDC_FOLLOW_STATUS, "Won", "Status", nullptr},
    {3, IDC_FOLLOW_PROBABILITY, "80.00", "ProbOfSuccess", nullptr},
    {3, IDC_FOLLOW_AWARD_DATE, "05/06/2007", "ExptAwardDate", nullptr},
    {3, IDC_FOLLOW_LOST_TO, "Nobody", "LostTo", nullptr},
    {3, IDC_FOLLOW_NOTES, "Call back\r\nin May", "Notes", nullptr},
    {3, IDC_FOLLOW_LAST_UPDATE, "07/08/2009", "LastUpdate", nullptr},
    {3, IDC_FOLLOW_UPDATED_BY, "Lee", "LastUpdatedBy", nullptr},
    {3, IDC_FOLLOW_SALES_ORDER, "SO-1", "SalesOrderNo", nullptr},
    {3, IDC_FOLLOW_REASON_LOST, "Price", "ReasonLost", nullptr},
    {4, IDC_WORDS_TEXT, "Dear customer,", "Intro", nullptr},
    {5, IDC_WORDS_TEXT, "Note one", "QNotes", nullptr},
    {6, IDC_WORDS_TEXT, "Net 30", "Terms", nullptr},
    {7, IDC_HF_COMPANY, "Our Company", "CompanyName", nullptr},
    {7, IDC_HF_ADDRESS, "1 Main St", "Address", nullptr},
    {7, IDC_HF_PHONE, "555-0000", "PhoneNo", nullptr},
    {7, IDC_HF_FOOTER1, "Footer one", "FooterLn1", nullptr},
    {7, IDC_HF_FOOTER2, "Footer two", "FooterLn2", nullptr},
    {8, IDC_PO_SHIP_NAME, "Ship Co", "ShipToName", nullptr},
    {8, IDC_PO_SHIP_ADRS1, "2 Dock Rd", "ShipToAddrsLn1", nullptr},
    {8, IDC_PO_SHIP_ADRS2, "Bay 4", "ShipToAddrsLn2", nullptr},
    {8, IDC_PO_SHIP_CITY, "Portland", "ShipToCity", nullptr},
    {8, IDC_PO_SHIP_STATE, "OR", "ShipToState", nullptr},
    {8, IDC_PO_SHIP_ZIP, "97201", "ShipToZip", nullptr},
    {8, IDC_PO_SHIP_ATTN, "Dock", "ShipToAttn", nullptr},
    {8, IDC_PO_BILL_NAME, "Bill Co", "BillToName", nullptr},
    {8, IDC_PO_BILL_ADRS1, "3 Bill St", "BillToAddrsLn1", nullptr},
    {8, IDC_PO_BILL_ADRS2, "Suite 5", "BillToAddrsLn2", nullptr},
    {8, IDC_PO_BILL_CITY, "Salem", "BillToCity", nullptr},
    {8, IDC_PO_BILL_STATE, "OR", "BillToState", nullptr},
    {8, IDC_PO_BILL_ZIP, "97301", "BillToZip", nullptr},
    {8, IDC_PO_BILL_ATTN, "Payables", "BillToAttn", nullptr},
    {8, IDC_PO_CUST_PO, "PO-42", "CustomerPO", nullptr},
    {8, IDC_PO_DATE, "09/10/2011", "PODate", nullptr},
    {8, IDC_PO_REQUEST_DATE, "11/12/2013", "PORequestDate", nullptr},
    {8, IDC_PO_SHIP_VIA, "Rail", "POShipVia", nullptr},
    {8, IDC_PO_SHIPPING_NOTES, "Fragile", "POShippingNotes", nullptr},
    {8, IDC_PO_AMOUNT, "1234.50", "POAmount", nullptr},
    {9, IDC_UDC1, "u1", "UDC01", nullptr},
    {9, IDC_UDC2, "u2", "UDC02", nullptr},
    {9, IDC_UDC3, "u3\r\nmore", "UDC03", nullptr},
    {9, IDC_UDC4, "u4", "UDC04", nullptr},
    {9, IDC_UDC5, "5.50", "UDC05", nullptr},
    {9, IDC_UDC6, "6.60", "UDC06", nullptr},
    {9, IDC_UDC7, "7", "UDC07", nullptr},
    {9, IDC_UDC8, "8", "UDC08", nullptr},
};

// Puts every entry into its page, visiting the pages in tab order.
void FillAllPages(CPropertySheet& sheet) {
    for (int nPage = 0; nPage < sheet.GetPageCount(); ++nPage) {
        ClickTab(sheet, nPage);
        CPropertyPage& page = *sheet.GetPage(nPage);
        for (const Entry& e : kEntries) {
            if (e.nPage == nPage) page.SetDlgItemText(e.nID, e.pszText);
        }
        if (nPage == 0) {
            Press(page, IDC_QUOTE_AMPM);  // PM
            ::SendMessageA(Item(page, IDC_QUOTE_COUNT), BM_SETCHECK, BST_CHECKED, 0);
        } else if (nPage == 2) {
            for (int nID : {IDC_OFFICE_EAST, IDC_OFFICE_WEST, IDC_OFFICE_BOTH})
                ::SendMessageA(Item(page, nID), BM_SETCHECK, nID == IDC_OFFICE_WEST, 0);
        } else if (nPage >= 4 && nPage <= 6) {
            page.SetDlgItemInt(IDC_WORDS_LEFT, nPage);
            page.SetDlgItemInt(IDC_WORDS_RIGHT, nPage * 2);
        }
    }
}

class ProjectCommandTest : public JobWindowTest {
protected:
    void TearDown() override {
        CDialog::ClearTestHooks();
        TestApp().SetSearchByOffices(2);
        JobWindowTest::TearDown();
    }
    void RunCommand(std::function<void(CPropertySheet&)> fn) {
        OnNextSheet(std::move(fn));
        m_pView->SendMessage(WM_COMMAND, ID_VIEW_PROJECT, 0);
    }
    static void ExpectAllStored(const CCorvDoc& doc) {
        for (const Entry& e : kEntries) {
            const auto it = HeaderGetters().find(e.pszField);
            ASSERT_NE(it, HeaderGetters().end()) << e.pszField;
            EXPECT_EQ(it->second(doc), e.pszStored ? e.pszStored : e.pszText) << e.pszField;
        }
        EXPECT_EQ(doc.m_nQuoteCount, 1);
        EXPECT_EQ(doc.m_nIntroIndLeft, 4);
        EXPECT_EQ(doc.m_nIntroIndRight, 8);
        EXPECT_EQ(doc.m_nQNotesIndLeft, 5);
        EXPECT_EQ(doc.m_nQNotesIndRight, 10);
        EXPECT_EQ(doc.m_nTermsIndLeft, 6);
        EXPECT_EQ(doc.m_nTermsIndRight, 12);
    }
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(ProjectCommandTest, EveryFieldReachesTheJobAndItsFile) {
    RunCommand([](CPropertySheet& sheet) {
        FillAllPages(sheet);
        PressSheetOK(sheet);
    });
    EXPECT_TRUE(m_boxes.Texts().empty()) << m_boxes.Texts().front();
    ExpectAllStored(*m_pDoc);
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_EQ(TestApp().GetSearchByOffices(), 1);

    const std::string strPath = TestDir() + "project-round-trip.job";
    WriteFileBytes(strPath, SerializeJob(*m_pDoc));
    CCorvDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(strPath.c_str()));
    ExpectAllStored(reread);

    // The next sheet shows what the job holds now.
    RunCommand([](CPropertySheet& sheet) {
        ClickTab(sheet, 0);
        EXPECT_EQ(Text(*sheet.GetPage(0), IDC_QUOTE_BID_TIME), "10:30");
        EXPECT_EQ(Text(*sheet.GetPage(0), IDC_QUOTE_AMPM), "PM");
        ClickTab(sheet, 2);
        EXPECT_EQ(::SendMessageA(Item(*sheet.GetPage(2), IDC_OFFICE_WEST), BM_GETCHECK, 0, 0), BST_CHECKED);
        PressCancel(sheet);
    });
}

TEST_F(ProjectCommandTest, CancelChangesNothing) {
    m_pDoc->SetModifiedFlag(FALSE);
    const std::string strBefore = SerializeJob(*m_pDoc);
    RunCommand([](CPropertySheet& sheet) {
        FillAllPages(sheet);
        PressCancel(sheet);
    });
    EXPECT_EQ(SerializeJob(*m_pDoc), strBefore);
    EXPECT_FALSE(m_pDoc->IsModified());
    EXPECT_EQ(TestApp().GetSearchByOffices(), 2);
}

TEST_F(ProjectCommandTest, OkWithoutChangesMarksNothingAndNewRateRecomputesLines) {
    RunCommand([](CPropertySheet& sheet) { PressSheetOK(sheet); });
    m_pDoc->SetModifiedFlag(FALSE);
    RunCommand([](CPropertySheet& sheet) { PressSheetOK(sheet); });
    EXPECT_FALSE(m_pDoc->IsModified());

    PutSummary(m_pDoc, 0, "Qty", "1");
    PutSummary(m_pDoc, 0, "Weight", "200");
    PutSummary(m_pDoc, 0, "Net", "100.00");
    RunCommand([](CPropertySheet& sheet) {
        ClickTab(sheet, 0);
        Type(*sheet.GetPage(0), IDC_QUOTE_FREIGHT_RATE, "5");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(m_pDoc->GetFreightRate(), "5.00");
    EXPECT_FALSE(SummaryText(m_pDoc, 0, "FrtAmount").empty());
    EXPECT_NE(SummaryText(m_pDoc, 0, "Final"), "100.00");
}
