// CAboutDlg: the About box with the program's name, version and maker.
#pragma once

#include "framework/win/Dialog.h"

class CAboutDlg : public CDialog {
    DECLARE_DYNAMIC(CAboutDlg)
public:
    CAboutDlg();
};
