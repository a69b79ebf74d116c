// CDialogTemplate: a dialog template built in memory, for the layer's own
// dialogs (the property sheet, the printing box), which have no resource
// script. Sizes are dialog units; every template uses the layer's dialog
// font, MS Shell Dlg 8.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/core/String.h"

class CDialogTemplate {
public:
    CDialogTemplate() = default;
    CDialogTemplate(DWORD dwStyle, DWORD dwExStyle, short cx, short cy, const CString& caption);

    // One control of a predefined class: 0x0080 button, 0x0082 static, ...
    void AddControl(WORD nClassAtom, const CString& text, DWORD dwStyle, short x, short y, short cx, short cy,
                    WORD nID);

    LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data()); }

private:
    std::vector<WORD> m_words;
};
