// The part-number finder in real windows under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "framework/win/App.h"
#include "model/Component.h"
#include "res/selection_ids.h"
#include "selection/DlgFindPN.h"
#include "tests/selection/SelTestSupport.h"
#include "tests/support/TypeKeys.h"

namespace {

CWinApp& FinderApp() {
    static CWinApp app("CorvFinderTest");
    return app;
}

std::string Text(HWND hDlg, int id) {
    char buf[512] = "";
    ::GetDlgItemTextA(hDlg, id, buf, sizeof buf);
    return buf;
}

void Click(CDialog& dlg, int id) {
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, id)));
}

int Progress(HWND hDlg) {
    return static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_FPN_PROGRESS, PBM_GETPOS, 0, 0));
}

class DlgFindPNTest : public ::testing::Test {
protected:
    void SetUp() override {
        FinderApp();
        productgen::TableFile t;
        t.fileNumber = 401;
        t.cols = 4;
        t.priceColumn = 3;
        t.firstLevel = {{}, {"Size:"}, {""}};
        t.sets = {{{}, {}, {}}};
        t.components = {{"Size", 0, 4}};
        t.columnNames = {"Size", "PartNumber", "Product", "list"};
        t.rows = {{"0200", "PN-7", "BFV", "1.00"}, {"0300", "PN-7", "BFV", "2.00"}};
        WriteProductFile(folder, "SeriesC4.dta", productgen::WriteTable(t));
        t.fileNumber = 402;
        t.rows = {{"0400", "PN-8", "ACT", "3.00"}};
        WriteProductFile(folder, "ActDAC4.dta", productgen::WriteTable(t));
        productgen::GroupedFile g;
        g.fileNumber = 403;
        g.priceColumn = 2;
        g.columnNames = {"Product", "PartNumber", "list", "QuoteDescription", "Type"};
        productgen::Group group;
        group.name = "Solenoids";
        group.items = {{"SV PN-7", {}, {"SOL", "PN-7", "9.00", "Solenoid", "NAMUR"}, {{"AccModel", 0, 2}}}};
        g.groups = {group};
        WriteProductFile(folder, "AccPneu.dta", productgen::WriteGrouped(g));
        CSelSettings s;
        s.strDtaFolder = folder.c_str();
        scoped = std::make_unique<ScopedSettings>(s);
    }
    void TearDown() override { CDialog::ClearTestHooks(); }

    std::string folder = MakeTestFolder("findpn");
    std::unique_ptr<ScopedSettings> scoped;
    MessageRecorder messages;
};

TEST_F(DlgFindPNTest, FindsAcrossTheFilesAndHandsBackTheHit) {
    CDlgFindPN dlg;
    std::vector<std::string> technical, buttons;
    std::vector<int> progress;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        EXPECT_EQ(::SendDlgItemMessageA(h, IDC_FPN_PART_NUMBER, EM_GETLIMITTEXT, 0, 0), 20);
        Click(d, IDC_FPN_FIND);  // nothing typed yet
        Click(d, IDC_FPN_OK);    // nothing found yet
        EXPECT_TRUE(::IsWindow(h));
        ::SetDlgItemTextA(h, IDC_FPN_PART_NUMBER, "  PN-7 ");
        for (int press = 0; press < 4; ++press) {
            Click(d, IDC_FPN_FIND);
            technical.push_back(Text(h, IDC_FPN_TECHNICAL));
            buttons.push_back(Text(h, IDC_FPN_FIND));
            progress.push_back(Progress(h));
        }
        EXPECT_EQ(Text(h, IDC_FPN_PART_NUMBER), "PN-7");
        Click(d, IDC_FPN_FIND);
        Click(d, IDC_FPN_FIND);
        Click(d, IDC_FPN_FIND);  // the grouped hit
        EXPECT_EQ(Text(h, IDC_FPN_TYPE), "NAMUR");
        EXPECT_EQ(Text(h, IDC_FPN_QUOTE_DESCRIPTION), "Solenoid");
        d.SendMessage(WM_COMMAND, IDOK);  // Enter does not close it
        EXPECT_TRUE(::IsWindow(h));
        Click(d, IDC_FPN_OK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{
                  "Before pressing the \"Find\" Button, you must enter a value in the \"Part Number\" box",
                  "Before pressing the \"OK\" Button, you must \"Find\" a Part Number"}));
    EXPECT_EQ(technical, (std::vector<std::string>{"0200", "0300", "SV PN-7", ""}));
    EXPECT_EQ(buttons, (std::vector<std::string>{"Find Next", "Find Next", "Find Next", "Find"}));
    EXPECT_EQ(progress, (std::vector<int>{1, 1, 3, 0}));
    EXPECT_EQ(dlg.GetDescription(), "SV PN-7");
    EXPECT_EQ(dlg.GetFileName(), "AccPneu.dta");
    EXPECT_EQ(dlg.m_nFileNo, 403);
    EXPECT_EQ(dlg.m_nStyle, 2);
    CStringArray names, values;
    dlg.GetNames(names);
    dlg.GetValues(values);
    EXPECT_EQ(names.GetSize(), 5);
    EXPECT_EQ(values.GetAt(1), "PN-7");
    CObArray components;
    dlg.GetComponents(components);
    EXPECT_EQ(ComponentTexts(components), (std::vector<std::string>{"AccModel@0+2"}));
    components.DeleteAll();
}

TEST_F(DlgFindPNTest, TypingAfterAHitClearsItAndOkAsksForANewFind) {
    CDlgFindPN dlg;
    std::string productAfterHit, productAfterTyping, button;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        ::SetDlgItemTextA(h, IDC_FPN_PART_NUMBER, "PN-8");
        Click(d, IDC_FPN_FIND);
        productAfterHit = Text(h, IDC_FPN_PRODUCT);
        ::SetDlgItemTextA(h, IDC_FPN_PART_NUMBER, "PN-");
        productAfterTyping = Text(h, IDC_FPN_PRODUCT);
        button = Text(h, IDC_FPN_FIND);
        Click(d, IDC_FPN_OK);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(productAfterHit, "ACT");
    EXPECT_EQ(productAfterTyping, "");
    EXPECT_EQ(button, "Find");
    EXPECT_EQ(
        messages.texts,
        (std::vector<std::string>{"Before pressing the \"OK\" Button, you must \"Find\" a Part Number"}));
}

TEST_F(DlgFindPNTest, APartNumberTypedKeyByKeyStandsAsTypedAndIsFound) {
    CDlgFindPN dlg;
    std::string typed, product, button;
    std::vector<std::string> buttonsWhileTyping;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        HWND hEdit = ::GetDlgItem(h, IDC_FPN_PART_NUMBER);
        // A hit first, so that each key also clears the fields and the button.
        TypeKeys(hEdit, "PN-7");
        Click(d, IDC_FPN_FIND);
        ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
        for (char ch : std::string("PN-8")) {
            TypeKeys(hEdit, std::string(1, ch));
            buttonsWhileTyping.push_back(Text(h, IDC_FPN_FIND));
        }
        typed = Text(h, IDC_FPN_PART_NUMBER);
        Click(d, IDC_FPN_FIND);
        product = Text(h, IDC_FPN_PRODUCT);
        button = Text(h, IDC_FPN_FIND);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(typed, "PN-8");
    EXPECT_EQ(buttonsWhileTyping, (std::vector<std::string>{"Find", "Find", "Find", "Find"}));
    EXPECT_EQ(product, "ACT");
    EXPECT_EQ(button, "Find Next");
    EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
