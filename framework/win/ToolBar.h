// CToolBar: the common toolbar control. Buttons are given by command id
// (0 = separator) and take their images in order from the toolbar bitmap.
// With CBRS_TOOLTIPS a button shows the text after '\n' of the string
// resource of its command id; with CBRS_FLYBY the status bar shows the text
// before it while the mouse is over the button.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "framework/win/ControlBar.h"

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    // Loads bitmap nIDResource as the button images (16 x 15 each, the
    // bitmap's width divided by 16 of them) and, when the resource also
    // holds a button list (type RT_TOOLBAR), its buttons.
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadBitmap(UINT nIDResource);
    // Sets the buttons: command ids in order, ID_SEPARATOR for a gap;
    // the n-th non-separator button shows the n-th image.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const;
    UINT GetItemID(int nIndex) const;
    int CommandToIndex(UINT nIDFind) const;
    BOOL IsButtonEnabled(UINT nID) const;
    BOOL IsButtonChecked(UINT nID) const;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;
    int CalcHeight(int nWidth) override;

protected:
    CSize m_sizeImage{16, 15};
    CSize m_sizeButton{23, 22};
    int m_nImages = 0;
};
