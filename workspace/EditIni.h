// CEditIni: runs the choice-list editor on one list and/or its default and
// writes what changed to the INI file, the caller's copies and the combo
// box that shows the list. Callers make one on the stack for one call.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"

class CComboBox;

class CEditIni {
public:
    CEditIni() = default;
    virtual ~CEditIni() = default;
    CEditIni(const CEditIni&) = default;
    virtual CEditIni& operator=(const CEditIni&) { return *this; }

    // Callers without a default pass FALSE with "NoDefault" as text,
    // section and key; callers without a list pass FALSE, "NoSelections",
    // no list and no combo box.
    void EditChoiceList(int nMaxLength, BOOL bHasDefault, CString* pDefault, CString strDefaultSection,
                        CString strDefaultKey, BOOL bHasList, CString strListSection, CStringArray* pList,
                        CComboBox* pCombo);
};
