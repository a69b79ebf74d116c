// A long day's work under Wine, a thousand times over: a new job, lines
// typed into it, a product picked for it, saved, closed, opened again,
// stored, found and loaded; its letter previewed (zoomed, two pages,
// closed), printed and cancelled after page 1, and printed whole. The
// program's GDI and USER objects and its memory must stay within stated
// bounds of what they were after the first rounds; the figures are printed.
//
// CORV_SOAK_ROUNDS sets the number of rounds (default 1000).
#include <gtest/gtest.h>
#include <windows.h>

// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "database/Connection.h"
#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/EditWnd.h"
#include "framework/win/App.h"
#include "framework/win/Dialog.h"
#include "framework/win/PreviewView.h"
#include "framework/win/PrintDialog.h"
#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "res/database_ids.h"
#include "res/resource.h"
#include "res/selection_ids.h"
#include "selection/SelSettings.h"
#include "tests/app/AppTestSupport.h"
#include "tests/database/DbTestEnv.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/DialogClicks.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/NumberedParagraphs.h"
#include "tests/support/PrintedPdfs.h"
#include "tests/support/PrintingBox.h"
#include "tests/support/ProductFileWriter.h"

namespace {

// What the soak may leave behind after its warm-up rounds: a few objects
// that caches make on first use, and memory for the allocator's own
// bookkeeping (a thousand rounds took about 3 MB more under Wine 8); a
// leak of one object per round, or of 12 KB per round, exceeds them.
constexpr long kMaxMoreGdiObjects = 32;
constexpr long kMaxMoreUserObjects = 16;
constexpr double kMaxMoreMemoryMB = 12.0;
constexpr int kWarmUpRounds = 20;

const char* const kValves = R"(form table
number 401
title Soak valves
column Size
  caption Size:
  value 0200 | 2 inch
  value 0300 | 3 inch | 100.00
  component Size 4
column Ends
  caption Ends:
  value WF | Wafer
  component Ends 2
column Product
column Type
column PartNumber
column list
column cost
price list
expand
  base 500.00
  cell Product = BFV
  cell Type = C4
  cell PartNumber = C4{Size}{Ends}
  cell cost = 250.00
)";

std::string ProductFolder() {
    const std::string folder = TestDir() + "soak-products\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    productgen::WriteFileBytes(folder + "SeriesC4.dta",
                               productgen::WriteDescription(productgen::ParseDescription(kValves)));
    return folder;
}

struct Figures {
    long gdi = 0;  // GetGuiResources, where the platform counts them
    long user = 0;
    long gdiProbe = 0;     // live GDI handles found by asking each handle slot
    long windows = 0;      // the process's windows, top-level and child
    double memoryMB = 0;   // private bytes
    long byType[16] = {};  // GDI handles by object type (OBJ_PEN ...)
};

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++*reinterpret_cast<long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTop(HWND hWnd, LPARAM lParam) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != ::GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<long*>(lParam);
    ::EnumChildWindows(hWnd, CountChild, lParam);
    return TRUE;
}

Figures Measure() {
    Figures f;
    HANDLE hProcess = ::GetCurrentProcess();
    f.gdi = static_cast<long>(::GetGuiResources(hProcess, GR_GDIOBJECTS));
    f.user = static_cast<long>(::GetGuiResources(hProcess, GR_USEROBJECTS));
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot) {
        const DWORD dwType = ::GetObjectType(reinterpret_cast<HGDIOBJ>(slot));
        if (dwType == 0) continue;
        ++f.gdiProbe;
        if (dwType < 16) ++f.byType[dwType];
    }
    ::EnumWindows(CountTop, reinterpret_cast<LPARAM>(&f.windows));
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    if (::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof counters))
        f.memoryMB = static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
    return f;
}

void Print(const char* pszWhen, int nRound, const Figures& f) {
    std::printf(
        "soak %-6s round %4d: GetGuiResources GDI %ld USER %ld; GDI handles %ld; windows %ld; "
        "private memory %.1f MB\n",
        pszWhen, nRound, f.gdi, f.user, f.gdiProbe, f.windows, f.memoryMB);
    std::printf("     GDI handles by type:");
    for (int t = 1; t < 16; ++t)
        if (f.byType[t]) std::printf(" %d:%ld", t, f.byType[t]);
    std::printf("\n");
    std::fflush(stdout);
}

// With CORV_SOAK_TRACE set, the GDI handles after each step of a round,
// to find the step that leaves one behind.
void SoakTrace(const char* pszStep) {
    static const bool s_bTrace = std::getenv("CORV_SOAK_TRACE") != nullptr;
    if (!s_bTrace) return;
    long n = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) == OBJ_BITMAP) ++n;
    std::printf("  %-12s bitmaps %ld\n", pszStep, n);
}

class Soak : public ::testing::Test {
protected:
    void SetUp() override {
        m_db = std::make_unique<TestDatabase>(TestEngine::SQLite);
        ASSERT_TRUE(m_db->Ready());
        CSelSettings settings;
        settings.strDtaFolder = ProductFolder().c_str();
        m_previous = SetSelSettingsProvider([settings] { return settings; });
        m_path = TestDir() + "soak.job";
    }
    void TearDown() override {
        CDialog::ClearTestHooks();
        CPrintDialog::ClearTestHooks();
        SetSelSettingsProvider(m_previous);
        CloseAllJobs();
    }

    // One round; false (with the test failed) when a step did not do its part.
    bool Round(int nRound) {
        JobWindow job = OpenNewJob();
        if (job.pView == nullptr) return false;
        CCorvView* pView = job.pView;
        SoakTrace("new");
        CCorvDoc* pDoc = job.pDoc;

        // Lines typed as a user types them.
        for (int nRow = 0; nRow < 2; ++nRow) {
            if (nRow > 0) pDoc->m_pTable->AddRecord(pDoc->m_pDetailStruct);
            Click(pView, SummaryCellPoint(pView, "Description", nRow));
            TypeText(pView->m_pEditWnd.get(), nRow == 0 ? "Ball valve, east unit" : "Spares");
            pView->CommitEdit();
            Click(pView, SummaryCellPoint(pView, "Qty", nRow));
            TypeText(pView->m_pEditWnd.get(), "2");
            pView->CommitEdit();
        }

        SoakTrace("typed");
        // A product picked for the first line's Detail line.
        RightClick(pView, SummaryCellPoint(pView, "Itm", 0));
        CDetailWnd* pDetail = pView->m_pDetailWnd.get();
        SoakTrace("detail");
        const int nField = pDoc->m_pDetailStruct->FindField("Product");
        int x = pView->m_nLeftMargin;
        for (int c = 0; c < nField; ++c) x += pView->m_pDetWidths[c];
        Click(pDetail, POINT{x + 3, pView->m_nRowHeight + 8});
        CDialog::SetTestHook([](CDialog& d) {
            d.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SEL_VALVE, 0), 0);
            ClickLine(d, IDC_SEL_RIGHT, 1);
            ClickLine(d, IDC_SEL_RIGHT, 0);
            Click(d, IDC_SEL_OK);
        });
        pView->SendMessage(WM_COMMAND, ID_VIEW_SELECT);
        PumpMessages();
        CTable* pDetails = pDoc->m_pTable->GetRecord(0)->GetChild();
        SoakTrace("picked");
        auto* pTech =
            dynamic_cast<CTechField*>(pDetails->GetRecord(0)->GetFieldByName("Technical Description"));
        EXPECT_TRUE(pTech && std::string(pTech->GetText()) == "0300 WF") << "round " << nRound;

        // Saved, closed, opened again.
        if (!pDoc->DoSave(m_path.c_str())) {
            ADD_FAILURE() << "save, round " << nRound;
            return false;
        }
        pDoc->OnCloseDocument();
        PumpMessages();
        SoakTrace("closed");
        auto* pOpened = static_cast<CCorvDoc*>(TestApp().OpenDocumentFile(m_path.c_str()));
        if (pOpened == nullptr) {
            ADD_FAILURE() << "open, round " << nRound;
            return false;
        }
        PumpMessages();

        SoakTrace("opened");
        // Stored as a new quotation, found and loaded into a new window.
        m_boxes.Clear();
        m_boxes.QueueAnswer(IDYES);
        pOpened->OnFileStore();
        const std::string strNumber = pOpened->GetCorvNumber().str();
        if (std::atoi(strNumber.c_str()) <= 0) {
            ADD_FAILURE() << "store, round " << nRound << ": " << strNumber;
            return false;
        }
        const size_t nJobs = OpenJobs().size();
        SoakTrace("stored");
        CDialog::SetTestHook([&](CDialog& d) {
            d.SetDlgItemText(IDC_FIND_CORV_NUMBER, strNumber.c_str());
            Click(d, IDC_FIND_FIND);
            Click(d, IDC_FIND_OK);
        });
        pOpened->SetModifiedFlag(FALSE);
        pOpened->OnCloseDocument();  // a job that is open is not loaded twice
        TestApp().OnFileFind();
        PumpMessages();
        const std::vector<CCorvDoc*> jobs = OpenJobs();
        SoakTrace("found");
        if (jobs.size() != nJobs || jobs.back()->GetCorvNumber().str() != strNumber) {
            ADD_FAILURE() << "find and load, round " << nRound;
            return false;
        }
        if (!PreviewAndPrint(jobs.back(), nRound)) return false;
        CloseAllJobs();
        PumpMessages();
        SoakTrace("all closed");
        return true;
    }

    // The job's letter, of two pages, in print preview: zoomed in and out,
    // two pages side by side, closed. Then printed and cancelled in the
    // printing box after page 1, and printed whole; the print is removed
    // once it has come out.
    bool PreviewAndPrint(CCorvDoc* pDoc, int nRound) {
        auto* pView = dynamic_cast<CCorvView*>(pDoc->GetViews().at(0));
        pDoc->SetIntro(NumberedParagraphs(80));
        pView->SendMessage(WM_COMMAND, ID_FILE_PREVIEW_QUOTE);
        PumpMessages();
        CPreviewView* pPreview = pView->GetPreviewView();
        if (pPreview == nullptr) {
            ADD_FAILURE() << "preview, round " << nRound;
            return false;
        }
        for (int nID : {CPreviewView::IDC_PREVIEW_ZOOMIN, CPreviewView::IDC_PREVIEW_ZOOMOUT,
                        CPreviewView::IDC_PREVIEW_NUMPAGE, CPreviewView::IDC_PREVIEW_CLOSE}) {
            pPreview->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
            if (nID != CPreviewView::IDC_PREVIEW_CLOSE) pPreview->UpdateWindow();
            PumpMessages();
        }
        SoakTrace("previewed");

        printed::PrintWatch watch([](DWORD ms) { PumpMessages(static_cast<int>(ms)); });
        bool bCancelled = false;
        {
            CancelAfterPageOne cancel;
            CPrintDialog::SetTestHook([](CPrintDialog&) { return IDOK; });
            pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_QUOTE);
            bCancelled = cancel.WasClicked();
        }
        if (!bCancelled) {
            ADD_FAILURE() << "print cancelled after page 1, round " << nRound;
            return false;
        }
        SoakTrace("cancelled");
        CPrintDialog::SetTestHook([](CPrintDialog&) { return IDOK; });
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_QUOTE);
        const std::string name = watch.WaitForPrint();
        if (name.empty()) {
            ADD_FAILURE() << "print, round " << nRound << ": " << watch.Problem();
            return false;
        }
        ::DeleteFileA(printed::WindowsPath(printed::PrintWatch::PathOf(name)).c_str());
        SoakTrace("printed");
        return true;
    }

    std::unique_ptr<TestDatabase> m_db;
    SelSettingsProvider m_previous;
    std::string m_path;
    MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(Soak, AThousandRoundsLeaveNoObjectsOrMemoryBehind) {
    const char* pszRounds = std::getenv("CORV_SOAK_ROUNDS");
    const int nRounds = pszRounds && std::atoi(pszRounds) > kWarmUpRounds ? std::atoi(pszRounds) : 1000;
    Figures base;
    const DWORD dwStart = ::GetTickCount();
    for (int r = 1; r <= nRounds; ++r) {
        ASSERT_TRUE(Round(r));
        if (r == kWarmUpRounds) {
            base = Measure();
            Print("base", r, base);
        } else if (r % 100 == 0) {
            Print("", r, Measure());
        }
    }
    const Figures end = Measure();
    Print("end", nRounds, end);
    std::printf("soak: %d rounds in %.1f s; bounds over the base: GDI +%ld, USER +%ld, memory +%.0f MB\n",
                nRounds, (::GetTickCount() - dwStart) / 1000.0, kMaxMoreGdiObjects, kMaxMoreUserObjects,
                kMaxMoreMemoryMB);
    EXPECT_LE(end.gdi, base.gdi + kMaxMoreGdiObjects);
    EXPECT_LE(end.user, base.user + kMaxMoreUserObjects);
    EXPECT_LE(end.gdiProbe, base.gdiProbe + kMaxMoreGdiObjects);
    EXPECT_LE(end.windows, base.windows + kMaxMoreUserObjects);
    EXPECT_LE(end.memoryMB, base.memoryMB + kMaxMoreMemoryMB);
}
