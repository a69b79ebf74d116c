#include "framework/core/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every map chain: an empty table without a base.
const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, CorvPmfStore{}, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMessage,
                                                     int nCode, UINT nID) {
    for (; lpEntry->pfnThunk; ++lpEntry)
        if (lpEntry->nMessage == nMessage && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    return nullptr;
}

BOOL CCmdTarget::DispatchMsg(UINT nMessage, int nCode, UINT nID, CorvMsgCall& call,
                             AFX_CMDHANDLERINFO* pHandlerInfo) {
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(pMap->lpEntries, nMessage, nCode, nID);
        if (!pEntry) continue;
        if (pHandlerInfo) {
            pHandlerInfo->pTarget = this;
            pHandlerInfo->pEntry = pEntry;
            return TRUE;
        }
        return pEntry->pfnThunk(this, pEntry->pmf, call);
    }
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    CorvMsgCall call;
    call.message = CORV_WM_COMMAND;
    call.nID = nID;
    call.nCode = nCode;
    call.pExtra = pExtra;
    if (nCode == CN_UPDATE_COMMAND_UI) {
        // An update handler that asks to continue leaves the question to the next target.
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (pCmdUI) pCmdUI->m_bContinueRouting = FALSE;
        BOOL bHandled = DispatchMsg(CORV_WM_COMMAND, nCode, nID, call, pHandlerInfo);
        if (bHandled && pCmdUI && !pHandlerInfo && pCmdUI->m_bContinueRouting) return FALSE;
        return bHandled;
    }
    return DispatchMsg(CORV_WM_COMMAND, nCode, nID, call, pHandlerInfo);
}

// --- CCmdUI ---------------------------------------------------------------

void CCmdUI::Enable(BOOL bOn) {
    m_bEnabled = bOn ? TRUE : FALSE;
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) { m_nCheck = nCheck; }

void CCmdUI::SetRadio(BOOL bOn) { m_nCheck = bOn ? 1 : 0; }

void CCmdUI::SetText(const char* lpszText) {
    m_strText = lpszText;
    m_bTextSet = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler) {
    // Separators and the system menu's commands are not ours to change.
    if (m_nID == 0 || (m_nID >= 0xF000 && m_nID < 0xF1F0)) return TRUE;
    m_bEnableChanged = FALSE;
    BOOL bHandled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!bHandled && bDisableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bHandled;
}
