#include "framework/win/ToolBar.h"

#include <vector>

#include "framework/win/App.h"
#include "framework/win/CmdUIKinds.h"
#include "framework/win/Frame.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

// The button list that may accompany a toolbar bitmap (resource type 241).
struct ToolBarResource {
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    WORD aItems[1];
};
const LPCSTR kRtToolBar = MAKEINTRESOURCEA(241);

}  // namespace

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect, UINT nID) {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    // Tooltips are always made; the bar style CBRS_TOOLTIPS decides whether they show text.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | TBSTYLE_TOOLTIPS | CCS_NODIVIDER;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(m_sizeImage.cx, m_sizeImage.cy));
    AttachToFrame(pParentWnd, dwStyle);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    HINSTANCE hInst = AfxGetResourceHandle();
    std::vector<UINT> ids;
    if (HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), kRtToolBar)) {
        HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
        auto* pData = hGlobal ? static_cast<const ToolBarResource*>(::LockResource(hGlobal)) : nullptr;
        if (pData && pData->wVersion == 1) {
            SetSizes(CSize(pData->wWidth + 7, pData->wHeight + 7), CSize(pData->wWidth, pData->wHeight));
            for (int i = 0; i < pData->wItemCount; ++i) ids.push_back(pData->aItems[i]);
        }
    }
    if (!LoadBitmap(nIDResource)) return FALSE;
    return ids.empty() || SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::LoadBitmap(UINT nIDResource) {
    // Mapped so that the bitmap's grays follow the system's button colours.
    HBITMAP hBitmap = ::CreateMappedBitmap(AfxGetResourceHandle(), nIDResource, 0, nullptr, 0);
    if (!hBitmap) return FALSE;
    BITMAP bm{};
    ::GetObjectA(hBitmap, sizeof bm, &bm);
    m_nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    TBADDBITMAP tbab{nullptr, reinterpret_cast<UINT_PTR>(hBitmap)};
    return SendMessage(TB_ADDBITMAP, m_nImages, reinterpret_cast<LPARAM>(&tbab)) != -1;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    while (SendMessage(TB_BUTTONCOUNT) > 0) SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons;
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON b{};
        if (lpIDArray[i] == ID_SEPARATOR) {
            b.fsStyle = BTNS_SEP;
            b.iBitmap = 6;
        } else {
            b.iBitmap = iImage++;
            b.idCommand = static_cast<int>(lpIDArray[i]);
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(b);
    }
    if (!buttons.empty() &&
        !SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())))
        return FALSE;
    SendMessage(TB_AUTOSIZE);
    return TRUE;
}

int CToolBar::GetCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }

UINT CToolBar::GetItemID(int nIndex) const {
    TBBUTTON b{};
    if (!SendMessage(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&b))) return 0;
    return (b.fsStyle & BTNS_SEP) ? ID_SEPARATOR : static_cast<UINT>(b.idCommand);
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind));
}

BOOL CToolBar::IsButtonEnabled(UINT nID) const { return SendMessage(TB_ISBUTTONENABLED, nID) != 0; }

BOOL CToolBar::IsButtonChecked(UINT nID) const { return SendMessage(TB_ISBUTTONCHECKED, nID) != 0; }

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) {
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = GetItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID != ID_SEPARATOR) state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}

int CToolBar::CalcHeight(int) {
    SendMessage(TB_AUTOSIZE);
    return CControlBar::CalcHeight(0);
}
