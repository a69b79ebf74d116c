// The hourglass a database writer shows while it works. Without windows
// (the native tree) there is none.
#pragma once

#include <memory>

class CDbWaitCursor {
public:
    CDbWaitCursor();
    ~CDbWaitCursor();
    CDbWaitCursor(const CDbWaitCursor&) = delete;
    CDbWaitCursor& operator=(const CDbWaitCursor&) = delete;

    // Ends it before the writer's last message.
    void End();

private:
    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};
