// The labels of the project sheet's pages that open the choice-list editor
// on a double click: which list, which default and which combo box to
// refill belong to each label.
#pragma once

#include "framework/win/Wnd.h"

struct LabelChoice {
    int nLabel;
    int nCombo;              // 0: no combo box to refill
    const char* pszList;     // null: no list
    const char* pszSection;  // the default's section; null: no default
    const char* pszDefaultKey;
    int nMaxLength;
};

// Opens the choice-list editor for the label nID of the page, when the
// table holds it; other labels are left alone.
void EditLabelChoice(CWnd& page, const LabelChoice* pBegin, const LabelChoice* pEnd, UINT nID);
