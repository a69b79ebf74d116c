// The job windows as the user sees them: the Window menu's list of open
// jobs, the frame's title, a new window beside a maximized one, and the
// window of a job that File > Find... makes while the finder runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FileDialog.h"
#include "framework/win/View.h"
#include "model/CorvDoc.h"
#include "tests/app/AppTestSupport.h"
#include "workspace/QuotationFinder.h"

namespace {

CMainFrame* Main() { return static_cast<CMainFrame*>(AfxGetMainWnd()); }

std::string MainTitle() { return Main()->GetWindowText().GetString(); }

CFrameWnd* FrameOf(CDocument* pDoc, size_t i = 0) { return pDoc->GetViews().at(i)->GetParentFrame(); }

// The Window menu's entries for the open windows, as it reads when opened;
// the checked one (the active window) ends in " [checked]".
std::vector<std::string> WindowList() {
    std::vector<std::string> items;
    HMENU hWindow = CMDIFrameWnd::GetWindowMenuPopup(::GetMenu(Main()->m_hWnd));
    for (int i = 0; hWindow && i < ::GetMenuItemCount(hWindow); ++i) {
        if (::GetMenuItemID(hWindow, i) < AFX_IDM_FIRST_MDICHILD) continue;
        char text[256] = "";
        ::GetMenuStringA(hWindow, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        std::string item = text;
        if (::GetMenuState(hWindow, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) item += " [checked]";
        items.push_back(item);
    }
    return items;
}

class JobWindows : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAllJobs();
        UseFreshProfile("windows.ini");
        TestApp().ReadSettings();
        // The titles below count from 1; the other tests find the count as it was.
        m_nUntitledBefore = Template()->m_nUntitledCount;
        Template()->m_nUntitledCount = 0;
    }
    void TearDown() override {
        CFileDialog::ClearTestHooks();
        CloseAllJobs();
        Template()->m_nUntitledCount = m_nUntitledBefore;
    }
    static CMultiDocTemplate* Template() { return static_cast<CMultiDocTemplate*>(JobTemplate()); }
    static CCorvDoc* NewJob() {
        Main()->SendMessage(WM_COMMAND, ID_FILE_NEW);
        PumpMessages();
        return OpenJobs().empty() ? nullptr : OpenJobs().back();
    }
    static void ChooseFileNextTime(const std::string& path) {
        CFileDialog::SetTestHook([path](CFileDialog& dlg) {
            dlg.SetPathNameForTest(path.c_str());
            return static_cast<INT_PTR>(IDOK);
        });
    }
    UINT m_nUntitledBefore = 0;
};

}  // namespace

// Each entry names its job as the window's title reads, right after the
// title changed, whichever way it changed.
TEST_F(JobWindows, TheWindowMenuNamesEveryOpenJobAsItsTitleReads) {
    using List = std::vector<std::string>;
    NewJob();
    EXPECT_EQ(WindowList(), (List{"&1 Unassigned1 [checked]"})) << "first New";
    CCorvDoc* pSecond = NewJob();
    EXPECT_EQ(WindowList(), (List{"&1 Unassigned1", "&2 Unassigned2 [checked]"})) << "second New";

    Main()->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    PumpMessages();
    EXPECT_EQ(WindowList(), (List{"&1 Unassigned1", "&2 Unassigned2:1", "&3 Unassigned2:2 [checked]"}))
        << "New Window";
    FrameOf(pSecond, 1)->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(WindowList(), (List{"&1 Unassigned1", "&2 Unassigned2 [checked]"})) << "second view closed";

    const std::string path = TestDir() + "q3.job";
    ChooseFileNextTime(path);
    Main()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    EXPECT_EQ(WindowList(), (List{"&1 Unassigned1", "&2 q3.job [checked]"})) << "Save As";
    // Storing in the database retitles the job the same way.
    pSecond->SetTitle("Corv: 17  --  Quote No: Q-17");
    EXPECT_EQ(WindowList(), (List{"&1 Unassigned1", "&2 Corv: 17  --  Quote No: Q-17 [checked]"})) << "Store";

    ChooseFileNextTime(path);
    CloseAllJobs();
    Main()->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    PumpMessages();
    EXPECT_EQ(WindowList(), (List{"&1 q3.job [checked]"})) << "Open";
    EXPECT_EQ(MainTitle(), "Corvantis Zoro - q3.job");
}

// With "Maximize Summary Windows" off, a new job beside a maximized one
// opens maximized too, and the frame names it once, in brackets.
TEST_F(JobWindows, ANewJobBesideAMaximizedOneOpensMaximized) {
    CCorvDoc* pFirst = NewJob();
    ASSERT_NE(pFirst, nullptr);
    EXPECT_FALSE(FrameOf(pFirst)->IsZoomed());
    static_cast<CMDIChildWnd*>(FrameOf(pFirst))->MDIMaximize();
    EXPECT_EQ(MainTitle(), "Corvantis Zoro - [Unassigned1]");

    CCorvDoc* pSecond = NewJob();
    ASSERT_NE(pSecond, nullptr);
    EXPECT_TRUE(FrameOf(pSecond)->IsZoomed());
    EXPECT_FALSE(FrameOf(pFirst)->IsZoomed());
    EXPECT_EQ(MainTitle(), "Corvantis Zoro - [Unassigned2]");
}

// While the finder runs, the new job's window stays hidden and the frame
// shows what it showed before; the window appears only with a loaded
// quotation, and a cancelled find leaves nothing behind.
TEST_F(JobWindows, TheFindersJobIsShownOnlyOnceAQuotationIsLoaded) {
    struct Seen {
        bool visible = true;
        std::string title;
        size_t listed = 0;
    };
    Seen seen;
    bool load = false;
    QuotationFinder previous = SetQuotationFinder([&](CCorvDoc& doc) {
        seen.visible = FrameOf(&doc)->IsWindowVisible() != FALSE;
        seen.title = MainTitle();
        seen.listed = WindowList().size();
        if (load) doc.SetTitle("CORV: 5678  --  Quote No: Q-9");
        return load;
    });

    TestApp().OnFileFind();
    PumpMessages();
    EXPECT_FALSE(seen.visible) << "cancelled find";
    EXPECT_EQ(seen.title, "Corvantis Zoro");
    EXPECT_TRUE(OpenJobs().empty());
    EXPECT_EQ(MainTitle(), "Corvantis Zoro");

    NewJob();  // Unassigned2: the cancelled find's job was the first new one
    load = true;
    TestApp().OnFileFind();
    PumpMessages();
    SetQuotationFinder(std::move(previous));
    EXPECT_FALSE(seen.visible) << "find that loads";
    EXPECT_EQ(seen.title, "Corvantis Zoro - Unassigned2");
    EXPECT_EQ(seen.listed, 1u);
    ASSERT_EQ(OpenJobs().size(), 2u);
    EXPECT_TRUE(FrameOf(OpenJobs()[1])->IsWindowVisible());
    EXPECT_EQ(MainTitle(), "Corvantis Zoro - CORV: 5678  --  Quote No: Q-9");
    EXPECT_EQ(WindowList(),
              (std::vector<std::string>{"&1 Unassigned2", "&2 CORV: 5678  --  Quote No: Q-9 [checked]"}));
}
