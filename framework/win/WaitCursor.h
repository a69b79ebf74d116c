// CWaitCursor: shows the hourglass for its lifetime. While one exists,
// the layer's windows keep the hourglass when the mouse moves over them.
#pragma once

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again (after a message box replaced it).
    void Restore();
    static bool IsWaiting();
};
