// Helpers of the revise-command and value-dialog tests: a view that records
// the update hints a job sends, recorded message boxes, and driving a live
// dialog with the focus moves and clicks a user makes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/MessageBox.h"
#include "framework/win/Dialog.h"
#include "framework/win/View.h"
#include "model/Hint.h"

// Attached to a job, it records every update hint (code, column, row).
class CHintSpy : public CView {
public:
    struct Entry {
        long nCode;
        int nColumn;
        int nRow;
        bool operator==(const Entry& o) const {
            return nCode == o.nCode && nColumn == o.nColumn && nRow == o.nRow;
        }
    };
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM lHint, CObject* pHint) override {
        const CHint* p = dynamic_cast<const CHint*>(pHint);
        m_entries.push_back({static_cast<long>(lHint), p ? p->m_nColumn : -2, p ? p->m_nRow : -2});
    }
    std::vector<Entry> m_entries;
};

// Records the message boxes shown while it lives; every box answers IDOK.
class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        m_previous = AfxSetMessageBoxHook([this](const char* pszText, UINT) {
            m_texts.push_back(pszText);
            return IDOK;
        });
    }
    ~MessageBoxRecorder() { AfxSetMessageBoxHook(std::move(m_previous)); }
    std::vector<std::string> m_texts;

private:
    MessageBoxHook m_previous;
};

// A live dialog driven as a user would.
HWND Item(CDialog& dlg, int nID);
std::string ItemText(CDialog& dlg, int nID);
// The focus moves to the control (as Tab or a click would move it).
void FocusItem(CDialog& dlg, int nID);
// A mouse click on a button: button-down, then button-up.
void ClickButton(CDialog& dlg, int nID);
// The button's command as its mnemonic sends it, the focus staying where it is.
void SendButtonCommand(CDialog& dlg, int nID);
// The Enter key: the dialog manager's IDOK.
void PressEnter(CDialog& dlg);
BOOL IsButtonPushed(CDialog& dlg, int nID);
