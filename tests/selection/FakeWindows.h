// Plain stand-ins for the dialog's windows: they keep the texts a selection
// puts into them so tests can read them back.
#pragma once

#include <string>
#include <vector>

#include "selection/SelWindows.h"

class CFakeList : public CSelListBox {
public:
    void ResetContent() override {
        lines.clear();
        sel = -1;
    }
    int AddString(const char* psz) override {
        lines.emplace_back(psz);
        return static_cast<int>(lines.size()) - 1;
    }
    int InsertString(int nIndex, const char* psz) override {
        if (nIndex < 0 || nIndex > static_cast<int>(lines.size())) return AddString(psz);
        lines.insert(lines.begin() + nIndex, psz);
        return nIndex;
    }
    int DeleteString(int nIndex) override {
        if (nIndex < 0 || nIndex >= static_cast<int>(lines.size())) return -1;
        lines.erase(lines.begin() + nIndex);
        if (sel >= static_cast<int>(lines.size())) sel = -1;
        return static_cast<int>(lines.size());
    }
    int GetCount() const override { return static_cast<int>(lines.size()); }
    int GetCurSel() const override { return sel; }
    int SetCurSel(int nIndex) override {
        sel = nIndex >= 0 && nIndex < GetCount() ? nIndex : -1;
        return sel;
    }
    CString GetLineText(int nIndex) const override {
        return nIndex >= 0 && nIndex < GetCount() ? CString(lines[static_cast<size_t>(nIndex)]) : CString();
    }
    void SetTabStops(int nCount, const int* pStops) override { tabStops.assign(pStops, pStops + nCount); }

    std::vector<std::string> lines;
    std::vector<int> tabStops;
    int sel = -1;
};

class CFakeText : public CSelTextWnd {
public:
    void SetText(const char* psz) override {
        text = psz;
        ++sets;
    }
    CString GetText() const override { return CString(text); }
    std::string text;
    int sets = 0;
};

// Every character is 7 pixels wide; base units 8 x 16 as on a common screen.
class CFakeDialog : public CSelDialogWnd {
public:
    int GetTextExtent(const CString& text) const override { return 7 * text.GetLength(); }
    long GetDialogBaseUnits() const override { return baseUnits; }
    long baseUnits = (16L << 16) | 8L;
};
