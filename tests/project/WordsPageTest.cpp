// The words page: indent styles and scroll bars, ready selections,
// standard-text files from the data folder, and the indent range check.
#include <gtest/gtest.h>

#include "framework/win/Controls.h"
#include "project/ProjSheet.h"
#include "project/ProjWords.h"
#include "project/Words.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/project/ProjTestSupport.h"
#include "tests/support/MessageBoxRecorder.h"
#include "workspace/BuiltInChoices.h"

using namespace ProjTest;
using Texts = std::vector<std::string>;

namespace {

class WordsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strOldFolder = TestApp().m_strDtaFolder;
        TestApp().m_strDtaFolder = TestDir().c_str();
    }
    void TearDown() override {
        TestApp().m_strDtaFolder = m_strOldFolder;
        CDialog::ClearTestHooks();
    }
    INT_PTR Run(CProjWords& page, std::function<void(CPropertySheet&)> fn) {
        CProjSheet sheet("Words", nullptr, 0);
        sheet.AddPage(&page);
        OnNextSheet(std::move(fn));
        return sheet.DoModal();
    }
    static void Scroll(CWnd& page, int nBarID, UINT nCode, int nPos = 0) {
        page.SendMessage(WM_HSCROLL, MAKEWPARAM(nCode, nPos), reinterpret_cast<LPARAM>(Item(page, nBarID)));
    }
    static int BarPos(CWnd& page, int nBarID) { return ::GetScrollPos(Item(page, nBarID), SB_CTL); }

    CString m_strOldFolder;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST(WordsTest, StylesLabelsAndSelections) {
    CStringArray list;
    for (int i = 0; i < 60; ++i) list.Add("Text");
    const CWords words(&list);
    EXPECT_EQ(words.GetCount(), 50);
    EXPECT_EQ(words.GetLabel(0), " 1");
    EXPECT_EQ(words.GetLabel(49), "50");
    EXPECT_EQ(words.GetLabel(50), " 1");  // out of range reads entry 0
    EXPECT_EQ(words.GetText(3), "Text\r\n");
    EXPECT_EQ(words.GetStyleName(10, 10), "MEDIUM");
    EXPECT_EQ(words.GetStyleName(10, 20), "CUSTOM");
    EXPECT_EQ(words.GetStyleName(-1, -1), "CUSTOM");  // never matched by CUSTOM's own pair
    EXPECT_EQ(words.GetStyleLeft("SMALL"), 20);
    EXPECT_EQ(words.GetStyleRight("CUSTOM"), 0);
    EXPECT_EQ(CWords(nullptr).GetCount(), 0);
}

TEST_F(WordsPageTest, StyleAndScrollBarsMoveTheIndents) {
    CProjWords page;
    page.SetCaption("Introduction");
    page.m_nIndentLeft = 10;
    page.m_nIndentRight = 10;
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        EXPECT_EQ(Text(page, IDC_WORDS_STYLE), "MEDIUM");
        EXPECT_EQ(Text(page, IDC_WORDS_CAPTION), "Introduction");
        page.SendDlgItemMessage(IDC_WORDS_STYLE, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>("SMALL"));
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WORDS_STYLE, CBN_CLOSEUP),
                         reinterpret_cast<LPARAM>(Item(page, IDC_WORDS_STYLE)));
        EXPECT_EQ(Text(page, IDC_WORDS_LEFT), "20");
        EXPECT_EQ(Text(page, IDC_WORDS_RIGHT), "20");
        EXPECT_EQ(BarPos(page, IDC_WORDS_LEFT_BAR), 20);

        // Left at 60: the right bar stops at 30 by line, page and thumb.
        Scroll(page, IDC_WORDS_LEFT_BAR, SB_THUMBPOSITION, 60);
        EXPECT_EQ(Text(page, IDC_WORDS_LEFT), "60");
        for (int i = 0; i < 3; ++i) Scroll(page, IDC_WORDS_RIGHT_BAR, SB_PAGERIGHT);
        EXPECT_EQ(BarPos(page, IDC_WORDS_RIGHT_BAR), 30);
        Scroll(page, IDC_WORDS_RIGHT_BAR, SB_LINERIGHT);
        Scroll(page, IDC_WORDS_RIGHT_BAR, SB_THUMBPOSITION, 80);
        EXPECT_EQ(BarPos(page, IDC_WORDS_RIGHT_BAR), 30);
        EXPECT_EQ(Text(page, IDC_WORDS_STYLE), "CUSTOM");
        for (int i = 0; i < 5; ++i) Scroll(page, IDC_WORDS_RIGHT_BAR, SB_PAGELEFT);
        EXPECT_EQ(BarPos(page, IDC_WORDS_RIGHT_BAR), 0);

        // Typing moves neither bar nor style.
        Type(page, IDC_WORDS_LEFT, "0");
        EXPECT_EQ(BarPos(page, IDC_WORDS_LEFT_BAR), 60);
        Type(page, IDC_WORDS_RIGHT, "5");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.m_nIndentLeft, 0);
    EXPECT_EQ(page.m_nIndentRight, 5);
}

TEST_F(WordsPageTest, IndentOutOfRangeKeepsThePage) {
    CProjWords page;
    page.SetCaption("Notes");
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        Type(page, IDC_WORDS_RIGHT, "101");
        PressSheetOK(sheet);
        EXPECT_TRUE(IsOpen(sheet));
        EXPECT_EQ(m_boxes.Texts().size(), 1u);
        PressCancel(sheet);
    });
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(WordsPageTest, TypedIndentsKeepTheSumTheBarsKeep) {
    CProjWords page;
    page.SetCaption("Introduction");
    page.m_nIndentRight = 20;
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        TypeAndLeave(page, IDC_WORDS_LEFT, "100", IDC_WORDS_TEXT);
        EXPECT_EQ(Text(page, IDC_WORDS_LEFT), "70");
        EXPECT_EQ(BarPos(page, IDC_WORDS_LEFT_BAR), 70);
        Scroll(page, IDC_WORDS_RIGHT_BAR, SB_THUMBPOSITION, 50);
        EXPECT_EQ(Text(page, IDC_WORDS_RIGHT), "20");
        // Still typing when OK is pressed: the indent being typed gives way.
        Type(page, IDC_WORDS_RIGHT, "95");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.m_nIndentLeft, 70);
    EXPECT_EQ(page.m_nIndentRight, 20);
}

TEST_F(WordsPageTest, OnlyWordsBelowHidesTheIndent) {
    const int indent[] = {IDC_WORDS_INDENT_GROUP, IDC_WORDS_STYLE_LABEL, IDC_WORDS_LEFT_LABEL,
                          IDC_WORDS_RIGHT_LABEL,  IDC_WORDS_STYLE,       IDC_WORDS_LEFT,
                          IDC_WORDS_RIGHT,        IDC_WORDS_LEFT_BAR,    IDC_WORDS_RIGHT_BAR};
    for (const char* pszKind : {"Words Above", "Words Below", "Terms"}) {
        CProjWords page;
        page.SetCaption(pszKind);
        Run(page, [&](CPropertySheet& sheet) {
            const bool bShown = std::string(pszKind) != "Words Below";
            for (int nID : indent)
                EXPECT_EQ(::IsWindowVisible(Item(page, nID)) != 0, bShown) << pszKind << nID;
            EXPECT_TRUE(::IsWindowVisible(Item(page, IDC_WORDS_TEXT)));
            PressCancel(sheet);
        });
    }
}

TEST_F(WordsPageTest, SelectionsAndTextFilesFillTheWords) {
    CStringArray selections;
    for (int i = 1; i <= 60; ++i) selections.Add(("Ready text " + std::to_string(i)).c_str());
    CStringArray files;
    files.Add("WordsLong");
    files.Add("WordsZero");
    files.Add("WordsMissing");
    WriteFileBytes(TestDir() + "WordsLong.txt", std::string(10050, 'L'));
    WriteFileBytes(TestDir() + "WordsZero.txt", std::string("before\0after", 12));

    CProjWords page;
    page.SetCaption("Terms");
    page.SetWords("Start ");
    page.m_pSelections = &selections;
    page.m_pTextFiles = &files;
    const INT_PTR nResult = Run(page, [&](CPropertySheet& sheet) {
        HWND hList = Item(page, IDC_WORDS_SELECTIONS);
        EXPECT_EQ(::SendMessageA(hList, LB_GETCOUNT, 0, 0), 50);
        HWND hWords = Item(page, IDC_WORDS_TEXT);
        ::SendMessageA(hWords, EM_SETSEL, 6, 6);
        ::SendMessageA(hList, LB_SETCURSEL, 1, 0);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WORDS_SELECTIONS, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(hList));
        EXPECT_EQ(Text(page, IDC_WORDS_TEXT), "Start Ready text 2\r\n");

        HWND hFiles = Item(page, IDC_WORDS_FILE);
        auto choose = [&](int nItem) {
            ::SendMessageA(hFiles, CB_SETCURSEL, nItem, 0);
            page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WORDS_FILE, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(hFiles));
        };
        page.SetDlgItemText(IDC_WORDS_TEXT, "");
        choose(0);
        EXPECT_EQ(Text(page, IDC_WORDS_TEXT), std::string(9999, 'L'));
        page.SetDlgItemText(IDC_WORDS_TEXT, "");
        choose(1);
        EXPECT_EQ(Text(page, IDC_WORDS_TEXT), "before");
        choose(2);
        EXPECT_EQ(m_boxes.Texts(), (Texts{"Unable to open WordsMissing.txt"}));
        EXPECT_EQ(Text(page, IDC_WORDS_TEXT), "before");
        PressSheetOK(sheet);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(page.GetWords(), "before");
}

// The data folder's sample texts (tools/make-texts writes them) cover every
// file name that the built-in lists offer on the words pages.
TEST(StandardTextSamples, EveryOfferedFileNameHasOne) {
    for (const char* pszList :
         {"IntroFileName", "NotesFileName", "TermsFileName", "WordsAboveFileName", "WordsBelowFileName"}) {
        for (const CString& name : BuiltInChoices(pszList)) {
            const std::string path =
                std::string(CORV_SOURCE_DIR) + "/tools/texts/" + name.GetString() + ".txt";
            EXPECT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
        }
    }
}
