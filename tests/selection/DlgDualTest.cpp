// The Selection Dialog in real windows under Wine: loading a file from the
// menu, picking in the two lists, the hand-back on OK, Next DL and Next SL,
// restoring a line's choice, the figure-number entry and the caption.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/win/App.h"
#include "model/Component.h"
#include "res/selection_ids.h"
#include "selection/DlgDual.h"
#include "selection/DualWnd.h"
#include "selection/LeadWnd.h"
#include "tests/selection/SelTestSupport.h"
#include "tests/support/DialogClicks.h"
#include "tests/support/TypeKeys.h"

namespace {

CWinApp& TestApp() {
    static CWinApp app("CorvSelectionTest");
    return app;
}

// The sample files, made once per run from tools/products.
const std::string& SampleFolder() {
    static const std::string folder = [] {
        std::string f = MakeTestFolder("dlg");
        for (const char* name : {"SeriesC4", "ActDAC4", "AccPneu"}) {
            const std::string text =
                productgen::ReadFileBytes(std::string(CORV_SOURCE_DIR) + "/tools/products/" + name + ".txt");
            WriteProductFile(f, std::string(name) + ".dta",
                             productgen::WriteDescription(productgen::ParseDescription(text)));
        }
        return f;
    }();
    return folder;
}

std::string ListLine(HWND hDlg, int id, int i) {
    char buf[512] = "";
    ::SendDlgItemMessageA(hDlg, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
    return buf;
}

std::vector<std::string> ListLines(HWND hDlg, int id) {
    std::vector<std::string> out;
    const int n = static_cast<int>(::SendDlgItemMessageA(hDlg, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) out.push_back(ListLine(hDlg, id, i));
    return out;
}

std::string Text(HWND hDlg, int id) {
    char buf[512] = "";
    ::GetDlgItemTextA(hDlg, id, buf, sizeof buf);
    return buf;
}

std::string Caption(HWND hWnd) {
    char buf[512] = "";
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

void Menu(CDialog& dlg, int id) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

// Whether a label's text, wrapped as the label wraps it, fits its height.
bool ShowsWhole(HWND hDlg, int id) {
    HWND hLabel = ::GetDlgItem(hDlg, id);
    RECT client;
    ::GetClientRect(hLabel, &client);
    const std::string text = Text(hDlg, id);
    HDC hdc = ::GetDC(hLabel);
    HGDIOBJ old = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hLabel, WM_GETFONT, 0, 0)));
    RECT need{0, 0, client.right, 0};
    ::DrawTextA(hdc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    ::SelectObject(hdc, old);
    ::ReleaseDC(hLabel, hdc);
    return need.bottom <= client.bottom && need.right <= client.right;
}

class DlgDualTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        settings.strDtaFolder = SampleFolder().c_str();
        settings.bPOAAlert = TRUE;
        settings.bAutoSelect = TRUE;
        scoped = std::make_unique<ScopedSettings>(settings);
        for (int i = 0; i < 8; ++i) job.AddDetail();
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        delete selection;
    }
    // A dialog for Detail line row as the editor prepares it.
    void Prepare(CDlgDual& dlg, int row) {
        dlg.m_pView = &job;
        dlg.m_pTable = job.Detail();
        dlg.m_nRow = row;
        dlg.m_nCol = job.TechColumn();
        dlg.m_pSelection = selection;
        CTechField* tech = job.Tech(row);
        dlg.SetDescription(tech->GetText());
        dlg.SetFileName(tech->GetFileName());
        dlg.m_nFileNo = tech->m_nFileNo;
        dlg.m_nStyle = tech->m_nStyle;
        CObArray components;
        tech->GetComponents(components);
        dlg.SetComponents(components);
        components.DeleteAll();
    }
    // Writes the dialog's pick into the line as the editor does.
    void Take(CDlgDual& dlg, int row) {
        CObArray components;
        dlg.GetComponents(components);
        std::vector<productgen::Component> comps;
        for (CObject* p : components) {
            auto* c = static_cast<CComponent*>(p);
            comps.push_back({c->GetName().GetString(), c->m_nStart, c->m_nLength});
        }
        components.DeleteAll();
        job.SetTech(row, dlg.GetDescription(), dlg.m_nFileNo, comps, dlg.GetFileName(), dlg.m_nStyle);
    }

    CSelSettings settings;
    std::unique_ptr<ScopedSettings> scoped;
    MessageRecorder messages;
    JobLines job;
    CSelection* selection = nullptr;  // kept between openings, as the view does
};

TEST_F(DlgDualTest, PicksAValveFromTheMenuFileAndHandsItBack) {
    CDlgDual dlg;
    Prepare(dlg, 6);
    std::string caption, title1, title2;
    std::vector<std::string> initialLeft, rightAfterFirst;
    std::string price, figure;
    bool stayedOpen = false;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        caption = Caption(h);
        EXPECT_TRUE(ListLines(h, IDC_SEL_LEFT).empty());  // no file on the line yet
        Menu(d, ID_SEL_VALVE);
        title1 = Text(h, IDC_SEL_TITLE1);
        title2 = Text(h, IDC_SEL_TITLE2);
        // The product file's titles show an "&" as it is.
        for (int id : {IDC_SEL_TITLE1, IDC_SEL_LINE_TITLE, IDC_SEL_TITLE2})
            EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(h, id), GWL_STYLE) & SS_NOPREFIX) << id;
        initialLeft = ListLines(h, IDC_SEL_LEFT);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(h, IDC_SEL_FIGURE_ENTRY)));
        // Auto mode: every pick moves on to the next left line.
        ClickLine(d, IDC_SEL_LEFT, 0);
        rightAfterFirst = ListLines(h, IDC_SEL_RIGHT);
        ClickLine(d, IDC_SEL_RIGHT, 1);  // 3 inch
        EXPECT_EQ(::SendDlgItemMessageA(h, IDC_SEL_LEFT, LB_GETCURSEL, 0, 0), 1);
        for (int line = 1; line < 5; ++line) ClickLine(d, IDC_SEL_RIGHT, 0);
        price = Text(h, IDC_SEL_PRICE);
        figure = Text(h, IDC_SEL_FIGURE);
        Click(d, IDC_SEL_OK);
        stayedOpen = ::IsWindow(h) && ::IsWindowVisible(h);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(caption, "- - Line #7 - - ");
    EXPECT_EQ(title1,
              "Series C4 High Performance Butterfly Valves\nPick one value for every line on the left\n");
    EXPECT_EQ(title2.substr(0, 6), "Size:\n");
    EXPECT_EQ(initialLeft, (std::vector<std::string>(5, "")));
    ASSERT_GE(rightAfterFirst.size(), 2u);
    EXPECT_EQ(rightAfterFirst[1], "0300\t3 inch (DN 80)");
    EXPECT_EQ(price, "780.00");
    EXPECT_EQ(figure, "C4-150WF-PTF");

    EXPECT_EQ(dlg.GetDescription(), "0300 150 CS PTF WF");
    EXPECT_EQ(dlg.GetFileName(), "SeriesC4.dta");
    EXPECT_EQ(dlg.m_nFileNo, 401);
    EXPECT_EQ(dlg.m_nStyle, 1);
    CObArray components;
    dlg.GetComponents(components);
    EXPECT_EQ(ComponentTexts(components),
              (std::vector<std::string>{"Size@0+4", "Class@5+3", "Body@9+2", "Seat@12+3", "Ends@16+2"}));
    components.DeleteAll();
    CStringArray names, values;
    dlg.GetNames(names);
    dlg.GetValues(values);
    ASSERT_EQ(names.GetSize(), values.GetSize());
    const int pn = [&] {
        for (int i = 0; i < names.GetSize(); ++i)
            if (names.GetAt(i) == "PartNumber") return i;
        return -1;
    }();
    ASSERT_GE(pn, 0);
    EXPECT_EQ(values.GetAt(pn), "C40300150CSPTFWF");
    EXPECT_FALSE(dlg.m_bNextDL);
    EXPECT_FALSE(dlg.m_bNextSL);
    EXPECT_TRUE(messages.texts.empty());
    selection = dlg.m_pSelection;
}

TEST_F(DlgDualTest, OkWaitsForACompleteItemAndNextButtonsSetTheirFlags) {
    bool openAfterOk = false;
    CDlgDual first;
    Prepare(first, 0);
    CDialog::SetTestHook([&](CDialog& d) {
        Menu(d, ID_SEL_VALVE);
        Click(d, IDC_SEL_OK);
        Click(d, IDC_SEL_NEXT_DL);
        openAfterOk = ::IsWindow(d.m_hWnd) != FALSE;
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(first.DoModal(), IDCANCEL);
    EXPECT_TRUE(openAfterOk);
    selection = first.m_pSelection;

    // Next DL ends like OK with its flag.
    CDlgDual nextDL;
    Prepare(nextDL, 0);
    CDialog::SetTestHook([&](CDialog& d) {
        Menu(d, ID_SEL_VALVE);
        for (int line = 0; line < 5; ++line) ClickLine(d, IDC_SEL_RIGHT, 0);
        Click(d, IDC_SEL_NEXT_DL);
    });
    ASSERT_EQ(nextDL.DoModal(), IDOK);
    EXPECT_TRUE(nextDL.m_bNextDL);
    EXPECT_FALSE(nextDL.m_bNextSL);
    EXPECT_EQ(nextDL.GetDescription(), "0200 150 CS PTF WF");
    EXPECT_EQ(nextDL.m_pSelection, selection);  // the same file: the loaded table is reused
    selection = nextDL.m_pSelection;

    // Next SL shows the editor window first.
    HWND editor =
        ::CreateWindowExA(0, "STATIC", "editor", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd editorWnd;
    editorWnd.Attach(editor);
    CDlgDual nextSL;
    Prepare(nextSL, 0);
    nextSL.m_pEditor = &editorWnd;
    CDialog::SetTestHook([&](CDialog& d) {
        Menu(d, ID_SEL_VALVE);
        for (int line = 0; line < 5; ++line) ClickLine(d, IDC_SEL_RIGHT, 0);
        Click(d, IDC_SEL_NEXT_SL);
    });
    ASSERT_EQ(nextSL.DoModal(), IDOK);
    EXPECT_TRUE(nextSL.m_bNextSL);
    EXPECT_TRUE(::IsWindowVisible(editor));
    editorWnd.Detach();
    ::DestroyWindow(editor);
    selection = nextSL.m_pSelection;
}

TEST_F(DlgDualTest, ReopeningALineRestoresItsChoiceWithoutAlerting) {
    job.SetTech(2, "1600 150 CS MET WF", 401,
                {{"Size", 0, 4}, {"Class", 5, 3}, {"Body", 9, 2}, {"Seat", 12, 3}, {"Ends", 16, 2}},
                "SeriesC4.dta", 1);
    CDlgDual dlg;
    Prepare(dlg, 2);
    std::vector<std::string> left;
    std::string price;
    CDialog::SetTestHook([&](CDialog& d) {
        left = ListLines(d.m_hWnd, IDC_SEL_LEFT);
        price = Text(d.m_hWnd, IDC_SEL_PRICE);
        EXPECT_EQ(Caption(d.m_hWnd), "- - Line #3 - - 1600 150 CS MET WF");
        Click(d, IDC_SEL_OK);  // OK shows the price-on-application message again
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(left, (std::vector<std::string>{"1600", "150", "CS", "MET", "WF"}));
    EXPECT_EQ(price, "9999999.99");
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{
                  "Price on Application (POA)\nSelected item exists\nPrice NOT included in Corvantis"}));
    selection = dlg.m_pSelection;

    // A changed data folder forces a new load.
    CSelSettings changed = settings;
    changed.bDtaFolderChanged = TRUE;
    ScopedSettings folderChanged(changed);
    CDlgDual again;
    Prepare(again, 2);
    CDialog::SetTestHook([&](CDialog& d) { d.SendMessage(WM_COMMAND, IDCANCEL); });
    again.DoModal();
    EXPECT_NE(again.m_pSelection, nullptr);
    EXPECT_EQ(again.m_pSelection->GetName(), "SeriesC4.dta");
    selection = again.m_pSelection;  // the old one was deleted by the dialog
}

TEST_F(DlgDualTest, GroupedLineReopensOnItsItemAndMarksMatchingGroups) {
    job.SetTech(0, "0300 DA15AL 80 ISO", 402, {{"Size", 0, 4}, {"CylModel", 5, 6}, {"Supply", 12, 2}},
                "ActDAC4.dta", 1);
    job.SetTech(1, "SV52-N120  5/2 NAMUR solenoid, 120 VAC", 403, {{"AccModel", 0, 9}}, "AccPneu.dta", 2);
    CDlgDual dlg;
    Prepare(dlg, 1);
    int leftSel = -1, rightSel = -1;
    std::string firstGroup, pickedLine;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        leftSel = static_cast<int>(::SendDlgItemMessageA(h, IDC_SEL_LEFT, LB_GETCURSEL, 0, 0));
        rightSel = static_cast<int>(::SendDlgItemMessageA(h, IDC_SEL_RIGHT, LB_GETCURSEL, 0, 0));
        firstGroup = ListLine(h, IDC_SEL_LEFT, 0);
        pickedLine = ListLine(h, IDC_SEL_RIGHT, rightSel);
        Click(d, IDC_SEL_OK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(leftSel, 0);
    EXPECT_EQ(rightSel, 1);
    EXPECT_EQ(firstGroup, "\xBB\tSolenoid Valves");
    EXPECT_EQ(pickedLine, "\xBB\tSV52-N120  5/2 NAMUR solenoid, 120 VAC");
    EXPECT_EQ(dlg.GetDescription(), "SV52-N120  5/2 NAMUR solenoid, 120 VAC");
    EXPECT_EQ(dlg.m_nStyle, 2);
    EXPECT_EQ(dlg.m_nFileNo, 403);
    // Opening selected the first matching line (the 24 VDC one) before the
    // line's own item; it is marked, so no alert was raised.
    EXPECT_TRUE(messages.texts.empty());
    selection = dlg.m_pSelection;
}

TEST_F(DlgDualTest, AutoSelectPicksTheFirstMatchingLineOfTheChosenGroup) {
    job.SetTech(0, "0300 SR15AL 60 ISO", 402, {{"Size", 0, 4}, {"CylModel", 5, 6}, {"Supply", 12, 2}},
                "ActDAC4.dta", 1);
    int autoPicked = -2, manualPicked = -2;
    std::string price;
    for (BOOL autoSelect : {TRUE, FALSE}) {
        CSelSettings s = settings;
        s.bAutoSelect = autoSelect;
        ScopedSettings scopedAuto(s);
        CDlgDual dlg;
        Prepare(dlg, 1);
        CDialog::SetTestHook([&](CDialog& d) {
            Menu(d, ID_SEL_ACCESSORIES);
            const int picked =
                static_cast<int>(::SendDlgItemMessageA(d.m_hWnd, IDC_SEL_RIGHT, LB_GETCURSEL, 0, 0));
            (autoSelect ? autoPicked : manualPicked) = picked;
            if (autoSelect) price = Text(d.m_hWnd, IDC_SEL_PRICE);
            d.SendMessage(WM_COMMAND, IDCANCEL);
        });
        dlg.DoModal();
        selection = dlg.m_pSelection;
    }
    EXPECT_EQ(autoPicked, 2);  // the first 3/2-way solenoid suits a spring-return actuator
    EXPECT_EQ(price, "152.00");
    EXPECT_EQ(manualPicked, -1);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DlgDualTest, FigureNumberEntryAutoButtonAndFailedLoads) {
    CDlgDual dlg;
    Prepare(dlg, 0);
    std::vector<std::string> leftAfterFigure;
    std::string autoText, entryAfterLeaving, entryAfterReturn;
    std::vector<std::string> leftAfterFailedLoad;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        Menu(d, ID_SEL_ACTUATOR);
        HWND entry = ::GetDlgItem(h, IDC_SEL_FIGURE_ENTRY);
        ::SetFocus(entry);
        ::SetWindowTextA(entry, "sr15al-bkt");
        d.SendMessage(WM_COMMAND, IDOK);  // Enter in the entry searches
        leftAfterFigure = ListLines(h, IDC_SEL_LEFT);
        ::SetFocus(::GetDlgItem(h, IDC_SEL_LEFT));
        entryAfterLeaving = Text(h, IDC_SEL_FIGURE_ENTRY);
        ::SetFocus(entry);
        entryAfterReturn = Text(h, IDC_SEL_FIGURE_ENTRY);
        ::SetFocus(::GetDlgItem(h, IDC_SEL_LEFT));
        d.SendMessage(WM_COMMAND, IDOK);  // Enter elsewhere does nothing
        EXPECT_TRUE(::IsWindow(h));
        Click(d, IDC_SEL_AUTO);
        autoText = Text(h, IDC_SEL_AUTO);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(leftAfterFigure, (std::vector<std::string>{"0200", "SR15AL", "60", "BKT"}));
    EXPECT_EQ(entryAfterLeaving, "");
    EXPECT_EQ(entryAfterReturn, "sr15al-bkt");
    EXPECT_EQ(autoText, "M&anual");
    selection = dlg.m_pSelection;

    // A data folder without the files.
    CSelSettings empty = settings;
    empty.strDtaFolder = MakeTestFolder("nofiles").c_str();
    ScopedSettings none(empty);
    CDlgDual failed;
    Prepare(failed, 0);
    failed.m_pSelection = nullptr;
    delete selection;
    selection = nullptr;
    bool open = false;
    CDialog::SetTestHook([&](CDialog& d) {
        Menu(d, ID_SEL_VALVE);
        leftAfterFailedLoad = ListLines(d.m_hWnd, IDC_SEL_LEFT);
        Click(d, IDC_SEL_OK);
        open = ::IsWindow(d.m_hWnd) != FALSE;
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    failed.DoModal();
    EXPECT_TRUE(leftAfterFailedLoad.empty());
    EXPECT_TRUE(open);
    EXPECT_EQ(messages.texts.back(), "Unable to open SeriesC4.dta");
    selection = failed.m_pSelection;
}

TEST_F(DlgDualTest, AFigureNumberTypedKeyByKeyIsFoundAsTyped) {
    CDlgDual dlg;
    Prepare(dlg, 0);
    std::string typed;
    std::vector<std::string> left;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        Menu(d, ID_SEL_ACTUATOR);
        HWND entry = ::GetDlgItem(h, IDC_SEL_FIGURE_ENTRY);
        TypeKeys(entry, "sr15al-bkt");
        typed = Text(h, IDC_SEL_FIGURE_ENTRY);
        d.SendMessage(WM_COMMAND, IDOK);
        left = ListLines(h, IDC_SEL_LEFT);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(typed, "sr15al-bkt");
    EXPECT_EQ(left, (std::vector<std::string>{"0200", "SR15AL", "60", "BKT"}));
    selection = dlg.m_pSelection;
}

TEST_F(DlgDualTest, ATitleTooLongForItsLineWrapsAndIsShownWhole) {
    CDlgDual dlg;
    Prepare(dlg, 0);
    std::string title;
    bool whole = false, listBelow = false;
    CDialog::SetTestHook([&](CDialog& d) {
        HWND h = d.m_hWnd;
        Menu(d, ID_SEL_ACCESSORIES);
        title = Text(h, IDC_SEL_TITLE1);
        whole = ShowsWhole(h, IDC_SEL_TITLE1);
        RECT rcTitle, rcLeft;
        ::GetWindowRect(::GetDlgItem(h, IDC_SEL_TITLE1), &rcTitle);
        ::GetWindowRect(::GetDlgItem(h, IDC_SEL_LEFT), &rcLeft);
        listBelow = rcLeft.top >= rcTitle.bottom;
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(title, "Pneumatic Actuator Accessories\nMarked entries suit the actuator on the lines above\n");
    EXPECT_TRUE(whole);
    EXPECT_TRUE(listBelow);
    selection = dlg.m_pSelection;
}

TEST_F(DlgDualTest, OpensWhereItWasLastMoved) {
    CDlgDual first;
    Prepare(first, 0);
    RECT templatePlace{};
    CDialog::SetTestHook([&](CDialog& d) {
        ::GetWindowRect(d.m_hWnd, &templatePlace);
        ::SetWindowPos(d.m_hWnd, nullptr, 140, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    first.DoModal();
    EXPECT_EQ(first.m_rcDialog.left, 140);
    EXPECT_EQ(first.m_rcDialog.top, 160);
    EXPECT_EQ(first.m_rcDialog.right - first.m_rcDialog.left, templatePlace.right - templatePlace.left);

    CDlgDual second;
    Prepare(second, 0);
    second.m_rcDialog = first.m_rcDialog;
    RECT opened{};
    CDialog::SetTestHook([&](CDialog& d) {
        ::GetWindowRect(d.m_hWnd, &opened);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    second.DoModal();
    EXPECT_EQ(opened.left, 140);
    EXPECT_EQ(opened.top, 160);
}

TEST_F(DlgDualTest, OneDialogObjectServesSeveralOpenings) {
    CDlgDual dlg;
    Prepare(dlg, 0);
    // First opening: moved, a complete pick, switched to manual, ended by Next DL.
    CDialog::SetTestHook([&](CDialog& d) {
        ::SetWindowPos(d.m_hWnd, nullptr, 140, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Menu(d, ID_SEL_VALVE);
        for (int line = 0; line < 5; ++line) ClickLine(d, IDC_SEL_RIGHT, 0);
        Click(d, IDC_SEL_AUTO);
        Click(d, IDC_SEL_NEXT_DL);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bNextDL);
    selection = dlg.m_pSelection;

    // Second opening of the same object, for the next line.
    Prepare(dlg, 1);
    RECT opened{};
    int leftAfterPick = -1;
    std::string autoText;
    CDialog::SetTestHook([&](CDialog& d) {
        ::GetWindowRect(d.m_hWnd, &opened);
        autoText = Text(d.m_hWnd, IDC_SEL_AUTO);
        Menu(d, ID_SEL_VALVE);
        ClickLine(d, IDC_SEL_RIGHT, 0);
        leftAfterPick = static_cast<int>(::SendDlgItemMessageA(d.m_hWnd, IDC_SEL_LEFT, LB_GETCURSEL, 0, 0));
        for (int line = 1; line < 5; ++line) ClickLine(d, IDC_SEL_RIGHT, 0);
        Click(d, IDC_SEL_OK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(opened.left, 140);
    EXPECT_EQ(opened.top, 160);
    EXPECT_EQ(autoText, "&Auto");
    EXPECT_EQ(leftAfterPick, 1);  // auto mode again: the pick moved on
    EXPECT_FALSE(dlg.m_bNextDL);  // OK ended this opening
    EXPECT_FALSE(dlg.m_bNextSL);
    selection = dlg.m_pSelection;
}

TEST_F(DlgDualTest, CaptionShowsTheWholeLineNumber) {
    CDlgDual dlg;
    Prepare(dlg, 0);
    dlg.m_nRow = 1233;
    dlg.SetDescription("desc");
    std::string caption;
    CDialog::SetTestHook([&](CDialog& d) {
        caption = Caption(d.m_hWnd);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(caption, "- - Line #1234 - - desc");

    CDlgDual preset;
    Prepare(preset, 0);
    preset.m_bPreset = TRUE;
    preset.m_bNextDL = TRUE;
    preset.SetDescription("desc");
    CDialog::SetTestHook([&](CDialog& d) {
        caption = Caption(d.m_hWnd);
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    preset.DoModal();
    EXPECT_EQ(caption, "- - Line #1 - - ");
    EXPECT_FALSE(preset.m_bNextDL);
    EXPECT_FALSE(preset.m_bPreset);
}

}  // namespace
