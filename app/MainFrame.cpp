#include "app/MainFrame.h"

#include <iterator>

#include "app/SplashWnd.h"
#include "framework/win/MessageMap.h"
#include "res/resource.h"
#include "workspace/Workspace.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {
const UINT kToolbarButtons[] = {
    ID_FILE_NEW,       ID_FILE_OPEN,       ID_FILE_SAVE,
    ID_SEPARATOR,      ID_EDIT_CUT,        ID_EDIT_COPY,
    ID_EDIT_PASTE,     ID_SEPARATOR,       ID_EDIT_CUT_LINE,
    ID_EDIT_COPY_LINE, ID_EDIT_PASTE_LINE, ID_EDIT_INSERT_LINE,
    ID_SEPARATOR,      ID_VIEW_PROJECT,    ID_VIEW_DETAIL,
    ID_VIEW_LINE,      ID_VIEW_WORDS,      ID_VIEW_SELECT,
    ID_SEPARATOR,      ID_OPTIONS_FONT,    ID_OPTIONS_ARROW_CONTROL,
    ID_SEPARATOR,      ID_FILE_PRINT,      ID_FILE_PRINT_PREVIEW,
    ID_SEPARATOR,      ID_APP_ABOUT,
};

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
}  // namespace

CMainFrame::CMainFrame()
    : m_clipboard(CorvGetWorkspace().Clipboard()),
      m_pSummaryStruct(m_clipboard.SummaryStruct()),
      m_pDetailStruct(m_clipboard.DetailStruct()),
      m_pSummaryClip(m_clipboard.SummaryClip()),
      m_pDetailClip(m_clipboard.DetailClip()) {}

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCTA lpcs) {
    if (CMDIFrameWnd::OnCreate(lpcs) == -1) return -1;

    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME) ||
        !m_wndToolBar.SetButtons(kToolbarButtons, static_cast<int>(std::size(kToolbarButtons))))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return -1;

    CSplashWnd::ShowSplashScreen(this);
    return 0;
}
