// Shared pieces of the window-layer tests: the one application object,
// a scratch folder, a message-box script and a message pump.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "framework/core/MessageBox.h"
#include "framework/core/String.h"
#include "framework/win/App.h"

class CTestApp : public CWinApp {
public:
    std::vector<std::string> trace;  // handlers reached, in order
    void OnCmdApp(UINT nID);
    DECLARE_MESSAGE_MAP()
};
extern CTestApp theTestApp;

// The folder for this run's files (made once, with a trailing backslash).
CString TestFolder();

// Handles every message waiting in the queue.
void PumpMessages();

// Answers message boxes from a queue (IDOK when empty) and keeps what was shown.
class MessageBoxScript {
public:
    explicit MessageBoxScript(std::deque<int> answers = {});
    ~MessageBoxScript();
    std::vector<std::string> texts;
    std::vector<UINT> styles;
    std::deque<int> answers;

private:
    MessageBoxHook m_previous;
};
