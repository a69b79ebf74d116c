#include "workspace/ChoiceLists.h"

#include "framework/win/App.h"

void CChoiceLists::GetChoiceList(CStringArray& list, const CString& strSection, int nMaxLength) {
    CWinApp& profile = *AfxGetApp();
    list.RemoveAll();
    if (profile.GetProfileString(strSection, ChoiceEntryKey(strSection, 1), "").IsEmpty()) {
        // An empty section (or one whose first entry is empty) starts over
        // with the built-in entries, written whole from the first key on.
        list = BuiltInChoices(strSection);
        for (int i = 0; i < list.GetSize(); ++i)
            profile.WriteProfileString(strSection, ChoiceEntryKey(strSection, i + 1), list[i]);
        return;
    }
    for (int i = 1;; ++i) {
        const CString value = profile.GetProfileString(strSection, ChoiceEntryKey(strSection, i), "");
        if (value.IsEmpty()) break;
        list.Add(value.Left(nMaxLength));
    }
}

void CChoiceLists::LoadChoiceLists() {
    for (const ChoiceListInfo& info : ChoiceListsInLoadOrder())
        GetChoiceList(m_arrChoice[info.index], info.section, info.maxLength);
}
