// CFontDialog: the common Font dialog (ChooseFontA) on a LOGFONT that the
// caller gives; on IDOK the chosen font and colour are read back.
//
// Test hook: SetTestHook queues a function that stands in for the user:
// the next DoModal takes the oldest one, which may read m_cf (flags,
// initial colour) and change m_lf and m_cf.rgbColors as the user would, and
// returns IDOK or IDCANCEL.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

#include "framework/win/Dialog.h"

class CFontDialog : public CDialog {
    DECLARE_DYNAMIC(CFontDialog)
public:
    // lplfInitial: the font shown first (copied); null: the system's choice.
    explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;

    // The chosen font (after IDOK).
    void GetCurrentFont(LPLOGFONTA lplf) const { *lplf = m_lf; }
    COLORREF GetColor() const { return m_cf.rgbColors; }

    CHOOSEFONTA m_cf{};
    LOGFONTA m_lf{};

    // --- Test hook ---
    using TestHook = std::function<INT_PTR(CFontDialog& dlg)>;
    static void SetTestHook(TestHook hook);
    static void ClearTestHooks();
    static int PendingTestHooks();
};
