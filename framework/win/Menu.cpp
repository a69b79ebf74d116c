#include "framework/win/Menu.h"

#include <memory>
#include <unordered_map>

#include "framework/win/App.h"
#include "framework/win/Wnd.h"

namespace {

std::unordered_map<HMENU, std::unique_ptr<CMenu>>& TemporaryMenus() {
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> map;
    return map;
}

}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (!hMenu) return nullptr;
    auto& slot = TemporaryMenus()[hMenu];
    if (!slot) {
        slot = std::make_unique<CMenu>();
        slot->m_hMenu = hMenu;
    }
    return slot.get();
}

void CMenu::DeleteTempMap() {
    for (auto& entry : TemporaryMenus()) entry.second->m_hMenu = nullptr;  // borrowed, not destroyed
    TemporaryMenus().clear();
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (m_hMenu || !hMenu) return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    char* p = rString.GetBufferSetLength(nLen);
    ::GetMenuStringA(m_hMenu, nIDItem, p, nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, AfxHwndOf(pWnd), lpRect);
}
