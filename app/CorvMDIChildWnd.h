// CCorvMDIChildWnd: the child window of one job, holding its view.
#pragma once

#include "framework/win/MDI.h"

class CCorvMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(CCorvMDIChildWnd)
public:
    CCorvMDIChildWnd() = default;
    ~CCorvMDIChildWnd() override = default;

    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    // Commits the view's open edit before the close asks about saving; a
    // minimized window in print preview is not closed.
    void OnClose();

    DECLARE_MESSAGE_MAP()
};
