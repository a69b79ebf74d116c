#include "app/AboutDlg.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CAboutDlg, CDialog)

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
