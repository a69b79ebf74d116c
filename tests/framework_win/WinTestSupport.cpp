#include "tests/framework_win/WinTestSupport.h"

#include <gtest/gtest.h>

#include "framework/win/MessageMap.h"
#include "tests/framework_win/TestIds.h"

CTestApp theTestApp;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND_RANGE(ID_CMD_ALL, ID_CMD_APP, &CTestApp::OnCmdApp)
END_MESSAGE_MAP()

void CTestApp::OnCmdApp(UINT) { trace.push_back("app"); }

CString TestFolder() {
    static CString folder;
    if (folder.IsEmpty()) {
        char tmp[MAX_PATH] = "";
        ::GetTempPathA(sizeof tmp, tmp);
        folder.Format("%scorv-winfw-%lu\\", tmp, ::GetCurrentProcessId());
        ::CreateDirectoryA(folder, nullptr);
    }
    return folder;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

MessageBoxScript::MessageBoxScript(std::deque<int> a) : answers(std::move(a)) {
    m_previous = AfxSetMessageBoxHook([this](const char* text, UINT style) {
        texts.push_back(text);
        styles.push_back(style);
        if (answers.empty()) return IDOK;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    });
}

MessageBoxScript::~MessageBoxScript() { AfxSetMessageBoxHook(m_previous); }

namespace {

// The run's folder goes away with the run.
class TestFolderCleanup : public ::testing::Environment {
public:
    void TearDown() override {
        CString folder = TestFolder();
        WIN32_FIND_DATAA fd;
        HANDLE h = ::FindFirstFileA(folder + "*", &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileA(folder + fd.cFileName);
            } while (::FindNextFileA(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryA(folder);
    }
};

[[maybe_unused]] ::testing::Environment* const g_cleanup =
    ::testing::AddGlobalTestEnvironment(new TestFolderCleanup);

}  // namespace
