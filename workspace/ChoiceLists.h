// CChoiceLists: the forty choice lists of the combo boxes, read from their
// INI sections at start-up (a section still empty starts with its built-in
// entries). The choice-list editor changes them in place.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"
#include "workspace/BuiltInChoices.h"

class CChoiceLists {
public:
    // Reads one list from its section, each entry cut to nMaxLength.
    void GetChoiceList(CStringArray& list, const CString& strSection, int nMaxLength);
    // Fills the forty lists in their load order.
    void LoadChoiceLists();

    CStringArray& operator[](ChoiceList index) { return m_arrChoice[index]; }
    const CStringArray& operator[](ChoiceList index) const { return m_arrChoice[index]; }

    // The lists, indexed by ChoiceList.
    CStringArray m_arrChoice[kChoiceListCount];
};
