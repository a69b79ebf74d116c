// The shell's knowledge of the program's file types, in its class view
// (HKEY_CLASSES_ROOT). Where that is closed to the user (no administrator
// rights), the keys go to the user's own classes, which the system merges
// into that view.
#include "framework/win/App.h"
#include "framework/win/DocTemplate.h"

namespace {

const char kUserClasses[] = "Software\\Classes\\";

bool SetClassValue(const CString& key, const CString& value) {
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) !=
            ERROR_SUCCESS &&
        ::RegCreateKeyExA(HKEY_CURRENT_USER, CString(kUserClasses) + key, 0, nullptr, 0, KEY_WRITE, nullptr,
                          &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.GetString()),
                                   static_cast<DWORD>(value.GetLength() + 1));
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS;
}

// The default value of a class key as the shell sees it (all users and this one).
CString GetClassValue(const CString& key) {
    char buf[260] = "";
    LONG cb = sizeof buf;
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key, buf, &cb) != ERROR_SUCCESS) return CString();
    return buf;
}

// The position of icon group nID among the module's icons (the shell's icon index).
int IconIndex(HINSTANCE hInst, UINT nID) {
    struct Search {
        UINT nID;
        int nIndex;
        int nFound;
    } search{nID, 0, 0};
    ::EnumResourceNamesA(
        hInst, reinterpret_cast<LPCSTR>(RT_GROUP_ICON),
        [](HMODULE, LPCSTR, LPSTR lpName, LONG_PTR lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (IS_INTRESOURCE(lpName) && reinterpret_cast<UINT_PTR>(lpName) == s->nID) {
                s->nFound = s->nIndex;
                return FALSE;
            }
            ++s->nIndex;
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&search));
    return search.nFound;
}

}  // namespace

void CWinApp::EnableShellOpen() { m_bShellOpen = TRUE; }

void CWinApp::RegisterShellFileTypes(BOOL) {
    char exe[MAX_PATH * 4] = "";
    ::GetModuleFileNameA(m_hInstance, exe, sizeof exe);
    for (CDocTemplate* pTemplate : m_templateList) {
        CString typeId, typeName, ext;
        if (!pTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId)) continue;
        if (!pTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName)) typeName = typeId;
        SetClassValue(typeId, typeName);
        CString icon;
        icon.Format("%s,%d", exe, IconIndex(m_hInstance, pTemplate->m_nIDResource));
        SetClassValue(typeId + "\\DefaultIcon", icon);
        if (m_bShellOpen) SetClassValue(typeId + "\\shell\\open\\command", "\"" + CString(exe) + "\" \"%1\"");
        // The extension is taken only when no other type has it.
        if (pTemplate->GetDocString(ext, CDocTemplate::filterExt)) {
            CString current = GetClassValue(ext);
            if (current.IsEmpty() || current == typeId) SetClassValue(ext, typeId);
        }
    }
}
