// CProjSheet: the project information sheet and the line-words sheet. Its
// OK button is renumbered so that Enter never closes it by accident: the
// button's command reaches the active page, whose checks decide, and Enter
// goes through only on the controls where it means something of its own.
#pragma once

#include "framework/win/PropertySheet.h"

class CProjSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CProjSheet)
public:
    CProjSheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage);
    CProjSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage);
    ~CProjSheet() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Whether Enter on the focused control of the active page goes through.
    BOOL IsEnterAllowed(HWND hFocus) const;
};
