// The choice lists and the standard text files.
#include <cstdio>
#include <vector>

#include "app/CorvApp.h"

namespace {
// The most bytes a standard text file gives.
constexpr int kMaxTextFileBytes = 9999;
}  // namespace

void CCorvApp::GetChoiceList(CStringArray& list, const CString& strSection, int nMaxLength) {
    list.RemoveAll();
    if (GetProfileString(strSection, ChoiceEntryKey(strSection, 1), "").IsEmpty()) {
        // An empty section (or one whose first entry is empty) starts over
        // with the built-in entries, written whole from the first key on.
        list = BuiltInChoices(strSection);
        for (int i = 0; i < list.GetSize(); ++i)
            WriteProfileString(strSection, ChoiceEntryKey(strSection, i + 1), list[i]);
        return;
    }
    for (int i = 1;; ++i) {
        const CString value = GetProfileString(strSection, ChoiceEntryKey(strSection, i), "");
        if (value.IsEmpty()) break;
        list.Add(value.Left(nMaxLength));
    }
}

void CCorvApp::LoadChoiceLists() {
    for (const ChoiceListInfo& info : ChoiceListsInLoadOrder())
        GetChoiceList(m_arrChoice[info.index], info.section, info.maxLength);
}

int CCorvApp::LoadTextFile(CString strFileName, CString& strText, const CString& strFallback) {
    strFileName.Trim();
    if (strFileName.IsEmpty()) {
        strText = strFallback;
        return 0;
    }
    const CString path = m_strDtaFolder + strFileName + ".txt";
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        strText = strFallback;
        return 1;
    }
    std::vector<char> bytes(kMaxTextFileBytes + 1, '\0');
    const size_t nRead = std::fread(bytes.data(), 1, kMaxTextFileBytes, file);
    std::fclose(file);
    bytes[nRead] = '\0';
    strText = bytes.data();  // up to the first zero byte
    return 0;
}
