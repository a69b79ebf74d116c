#include "tests/print/PrintFixture.h"

#include <windows.h>

#include <winspool.h>

#include <fstream>
#include <sstream>

#include "framework/win/FileDialog.h"
#include "framework/win/PrintDialog.h"
#include "tests/framework_win/TestIds.h"
#include "tests/framework_win/WinTestSupport.h"
#include "tests/support/PrintedPdfs.h"

void PrintTest::SetUp() {
    MdiTest::SetUp();
    if (theTestApp.m_hDevMode) ::GlobalFree(theTestApp.m_hDevMode);
    if (theTestApp.m_hDevNames) ::GlobalFree(theTestApp.m_hDevNames);
    theTestApp.m_hDevMode = theTestApp.m_hDevNames = nullptr;
    // A template of its own, not the application's: File New keeps its one choice.
    static CMultiDocTemplate* s_pTemplate = new CMultiDocTemplate(
        IDR_TESTDOC, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChild), RUNTIME_CLASS(CPrintTestView));
    m_pPrintTemplate = s_pTemplate;
    m_pDoc = m_pPrintTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(m_pDoc, nullptr);
    POSITION pos = m_pDoc->GetFirstViewPosition();
    m_pView = static_cast<CPrintTestView*>(m_pDoc->GetNextView(pos));
    ASSERT_NE(m_pView, nullptr);
    PumpMessages();
}

void PrintTest::TearDown() {
    CPrintDialog::SetNoPrinterForTest(FALSE);
    CPrintDialog::ClearTestHooks();
    for (CDocument* pDoc : std::vector<CDocument*>(m_pPrintTemplate->GetDocuments())) {
        pDoc->SetModifiedFlag(FALSE);
        pDoc->OnCloseDocument();
    }
    MdiTest::TearDown();
}

std::string PrintTest::DefaultPrinter() {
    char name[512] = "";
    DWORD n = sizeof name;
    return ::GetDefaultPrinterA(name, &n) ? name : "";
}

std::string PrintTest::AppPrinter() {
    if (!theTestApp.m_hDevNames) return "";
    auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(theTestApp.m_hDevNames));
    std::string name = reinterpret_cast<const char*>(pNames) + pNames->wDeviceOffset;
    ::GlobalUnlock(theTestApp.m_hDevNames);
    return name;
}

void PrintTest::QueuePrintToFile(const CString& pathName, LPCSTR lpszDevice, int nFrom, int nTo) {
    CString device = lpszDevice;
    CPrintDialog::SetTestHook([device, nFrom, nTo](CPrintDialog& dlg) -> INT_PTR {
        if (!device.IsEmpty() && !dlg.SetPrinterForTest(device)) return IDCANCEL;
        dlg.m_pd.Flags |= PD_PRINTTOFILE;
        if (nFrom) {
            dlg.m_pd.Flags = (dlg.m_pd.Flags & ~PD_ALLPAGES) | PD_PAGENUMS;
            dlg.m_pd.nFromPage = static_cast<WORD>(nFrom);
            dlg.m_pd.nToPage = static_cast<WORD>(nTo);
        }
        return IDOK;
    });
    CFileDialog::SetTestHook([pathName](CFileDialog& dlg) -> INT_PTR {
        dlg.SetPathNameForTest(pathName);
        return IDOK;
    });
}

void PrintTest::QueueCancel() {
    CPrintDialog::SetTestHook([](CPrintDialog&) -> INT_PTR { return IDCANCEL; });
}

CString PrintTest::NewFile(LPCSTR lpszStem) {
    static int s_nFile = 0;
    CString path;
    path.Format("%s%s-%d.ps", TestFolder().GetString(), lpszStem, ++s_nFile);
    ::DeleteFileA(path);
    return path;
}

std::string PrintTest::ReadFile(const CString& pathName) {
    std::ifstream in(pathName.GetString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

// The Unix path of a Windows path, through Wine's kernel32 (empty elsewhere).
std::string UnixPath(const CString& pathName) {
    using ToUnix = char* (*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return "";
    wchar_t wide[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, pathName, -1, wide, MAX_PATH);
    char* unix = toUnix(wide);
    if (!unix) return "";
    std::string result = unix;
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return result;
}

}  // namespace

std::optional<std::vector<std::string>> PrintTest::PageTexts(const CString& pathName) {
    if (::GetFileAttributesA("Z:\\usr\\bin\\gs") == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    std::string unixFile = UnixPath(pathName);
    if (unixFile.empty()) return std::nullopt;
    // The print to file is whole once its trailer is written.
    std::string ps;
    for (int n = 0; n < 300 && !printed::EndsWithEof(ps = ReadFile(pathName)); ++n) ::Sleep(100);
    if (!printed::EndsWithEof(ps)) {
        ADD_FAILURE() << pathName.GetString() << " did not end with %%EOF after 30 s (" << ps.size()
                      << " bytes)";
        return std::vector<std::string>();
    }
    // A print to file is the driver's own PostScript, which has not passed
    // the printer port that renames the fonts' blank glyph "space": here
    // the blanks come back as no-break spaces (UTF-8 C2 A0).
    std::vector<std::string> pages = printed::PageTexts(unixFile);
    for (std::string& page : pages)
        for (size_t at = page.find("\xC2\xA0"); at != std::string::npos; at = page.find("\xC2\xA0", at))
            page.replace(at, 2, " ");
    return pages;
}
