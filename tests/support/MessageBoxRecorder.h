// Records every message box shown while it lives and answers them in place
// of the user: queued answers first, then the button a user pressing Enter
// would choose (OK, Yes, Retry or Abort by the box's buttons).
//
//   MessageBoxRecorder boxes;
//   boxes.QueueAnswer(IDNO);
//   ...code under test...
//   EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Replace it?"}));
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/MessageBox.h"
#include "framework/core/WinTypes.h"

class MessageBoxRecorder {
public:
    struct Box {
        std::string text;
        UINT type;
    };

    MessageBoxRecorder() {
        m_previous = AfxSetMessageBoxHook([this](const char* text, UINT type) { return Answer(text, type); });
    }
    ~MessageBoxRecorder() { AfxSetMessageBoxHook(std::move(m_previous)); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    // Answers queued but not used yet.
    size_t PendingAnswers() const { return m_answers.size(); }

    const std::vector<Box>& Shown() const { return m_shown; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& b : m_shown) texts.push_back(b.text);
        return texts;
    }
    void Clear() {
        m_shown.clear();
        m_answers.clear();
    }

private:
    int Answer(const char* text, UINT type) {
        m_shown.push_back({text ? text : "", type});
        if (!m_answers.empty()) {
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        switch (type & 0x0F) {
            case MB_YESNO:
            case MB_YESNOCANCEL:
                return IDYES;
            case MB_RETRYCANCEL:
                return IDRETRY;
            case MB_ABORTRETRYIGNORE:
                return IDABORT;
            default:
                return IDOK;
        }
    }

    MessageBoxHook m_previous;
    std::deque<int> m_answers;
    std::vector<Box> m_shown;
};
