// The window-message entries of message maps, each with a typed handler
// (the command entries ON_COMMAND / ON_UPDATE_COMMAND_UI are in
// framework/core/CmdTarget.h). Include this file where a map is written:
//
//   BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
//       ON_WM_CREATE()                          int OnCreate(LPCREATESTRUCTA)
//       ON_WM_SIZE()                            void OnSize(UINT nType, int cx, int cy)
//       ON_BN_CLICKED(IDC_ADD, &CMyDlg::OnAdd)  void OnAdd()
//       ON_MESSAGE(WM_MYMSG, &CMyWnd::OnMyMsg)  LRESULT OnMyMsg(WPARAM, LPARAM)
//   END_MESSAGE_MAP()
//
// ON_WM_xxx() takes the handler of that name in the class (or inherited);
// a handler with another signature does not compile.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/win/Controls.h"
#include "framework/win/Gdi.h"
#include "framework/win/Menu.h"
#include "framework/win/Wnd.h"

// WM_CTLCOLORxxx all reach the one ON_WM_CTLCOLOR entry under this key;
// nCtlColor tells which (CTLCOLOR_EDIT, CTLCOLOR_STATIC, ...).
constexpr UINT CORV_WM_CTLCOLOR = 0x0019;

namespace CorvMsg {

inline CWnd* Wnd(WPARAM w) { return CWnd::FromHandle(reinterpret_cast<HWND>(w)); }
inline CWnd* Wnd(LPARAM l) { return CWnd::FromHandle(reinterpret_cast<HWND>(l)); }

#define CORV_THUNK(name, Sig, call)                                   \
    template <class T>                                                \
    BOOL name(CCmdTarget* p, const CorvPmfStore& f, CorvMsgCall& c) { \
        auto pmf = CorvLoadPmf<Sig>(f);                               \
        T* o = static_cast<T*>(p);                                    \
        (void)c;                                                      \
        call;                                                         \
        return TRUE;                                                  \
    }

CORV_THUNK(V_V, void (T::*)(), (o->*pmf)())
CORV_THUNK(I_Create, int (T::*)(LPCREATESTRUCTA),
           c.lResult = (o->*pmf)(reinterpret_cast<LPCREATESTRUCTA>(c.lParam)))
CORV_THUNK(V_Size, void (T::*)(UINT, int, int),
           (o->*pmf)(static_cast<UINT>(c.wParam), static_cast<short>(LOWORD(c.lParam)),
                     static_cast<short>(HIWORD(c.lParam))))
CORV_THUNK(V_Move, void (T::*)(int, int),
           (o->*pmf)(static_cast<short>(LOWORD(c.lParam)), static_cast<short>(HIWORD(c.lParam))))
CORV_THUNK(B_EraseBkgnd, BOOL (T::*)(CDC*),
           c.lResult = (o->*pmf)(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam))))
CORV_THUNK(V_Timer, void (T::*)(UINT_PTR), (o->*pmf)(static_cast<UINT_PTR>(c.wParam)))
CORV_THUNK(V_Wnd, void (T::*)(CWnd*), (o->*pmf)(Wnd(static_cast<WPARAM>(c.wParam))))
CORV_THUNK(V_Key, void (T::*)(UINT, UINT, UINT),
           (o->*pmf)(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
CORV_THUNK(V_Mouse, void (T::*)(UINT, CPoint),
           (o->*pmf)(static_cast<UINT>(c.wParam), CPoint(static_cast<LPARAM>(c.lParam))))
CORV_THUNK(B_MouseWheel, BOOL (T::*)(UINT, short, CPoint),
           c.lResult = (o->*pmf)(LOWORD(c.wParam), static_cast<short>(HIWORD(c.wParam)),
                                 CPoint(static_cast<LPARAM>(c.lParam))))
CORV_THUNK(V_Scroll, void (T::*)(UINT, UINT, CScrollBar*),
           (o->*pmf)(LOWORD(c.wParam), HIWORD(c.wParam),
                     static_cast<CScrollBar*>(Wnd(static_cast<LPARAM>(c.lParam)))))
CORV_THUNK(U_V, UINT (T::*)(), c.lResult = (o->*pmf)())
CORV_THUNK(B_V, BOOL (T::*)(), c.lResult = (o->*pmf)())
CORV_THUNK(B_SetCursor, BOOL (T::*)(CWnd*, UINT, UINT),
           c.lResult = (o->*pmf)(Wnd(static_cast<WPARAM>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam)))
CORV_THUNK(H_CtlColor, HBRUSH (T::*)(CDC*, CWnd*, UINT),
           c.lResult = reinterpret_cast<LRESULT>((o->*pmf)(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)),
                                                           Wnd(static_cast<LPARAM>(c.lParam)), c.nID)))
CORV_THUNK(V_ShowWindow, void (T::*)(BOOL, UINT),
           (o->*pmf)(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam)))
CORV_THUNK(V_Activate, void (T::*)(UINT, CWnd*, BOOL),
           (o->*pmf)(LOWORD(c.wParam), Wnd(static_cast<LPARAM>(c.lParam)), HIWORD(c.wParam) != 0))
CORV_THUNK(I_MouseActivate, int (T::*)(CWnd*, UINT, UINT),
           c.lResult = (o->*pmf)(Wnd(static_cast<WPARAM>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam)))
CORV_THUNK(V_MDIActivate, void (T::*)(BOOL, CWnd*, CWnd*),
           (o->*pmf)(reinterpret_cast<HWND>(c.lParam) == o->m_hWnd, Wnd(static_cast<LPARAM>(c.lParam)),
                     Wnd(static_cast<WPARAM>(c.wParam))))
CORV_THUNK(V_MinMax, void (T::*)(MINMAXINFO*), (o->*pmf)(reinterpret_cast<MINMAXINFO*>(c.lParam)))
CORV_THUNK(V_PosChanged, void (T::*)(WINDOWPOS*), (o->*pmf)(reinterpret_cast<WINDOWPOS*>(c.lParam)))
CORV_THUNK(V_SysCommand, void (T::*)(UINT, LPARAM),
           (o->*pmf)(static_cast<UINT>(c.wParam), static_cast<LPARAM>(c.lParam)))
CORV_THUNK(V_ContextMenu, void (T::*)(CWnd*, CPoint),
           (o->*pmf)(Wnd(static_cast<WPARAM>(c.wParam)), CPoint(static_cast<LPARAM>(c.lParam))))
CORV_THUNK(V_DropFiles, void (T::*)(HDROP), (o->*pmf)(reinterpret_cast<HDROP>(c.wParam)))
CORV_THUNK(V_NcMouse, void (T::*)(UINT, CPoint),
           (o->*pmf)(static_cast<UINT>(c.wParam), CPoint(static_cast<LPARAM>(c.lParam))))
CORV_THUNK(L_NcHitTest, LRESULT (T::*)(CPoint), c.lResult = (o->*pmf)(CPoint(static_cast<LPARAM>(c.lParam))))
CORV_THUNK(V_InitMenuPopup, void (T::*)(CMenu*, UINT, BOOL),
           (o->*pmf)(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)), LOWORD(c.lParam),
                     HIWORD(c.lParam) != 0))
CORV_THUNK(V_MenuSelect, void (T::*)(UINT, UINT, HMENU),
           (o->*pmf)(LOWORD(c.wParam), HIWORD(c.wParam), reinterpret_cast<HMENU>(c.lParam)))
CORV_THUNK(V_Bool, void (T::*)(BOOL), (o->*pmf)(static_cast<BOOL>(c.wParam)))
CORV_THUNK(V_EnterIdle, void (T::*)(UINT, CWnd*),
           (o->*pmf)(static_cast<UINT>(c.wParam), Wnd(static_cast<LPARAM>(c.lParam))))
CORV_THUNK(L_Message, LRESULT (T::*)(WPARAM, LPARAM),
           c.lResult = (o->*pmf)(static_cast<WPARAM>(c.wParam), static_cast<LPARAM>(c.lParam)))
CORV_THUNK(V_Notify, void (T::*)(NMHDR*, LRESULT*),
           (o->*pmf)(reinterpret_cast<NMHDR*>(c.lParam), reinterpret_cast<LRESULT*>(&c.lResult)))
CORV_THUNK(V_NotifyRange, void (T::*)(UINT, NMHDR*, LRESULT*),
           (o->*pmf)(c.nID, reinterpret_cast<NMHDR*>(c.lParam), reinterpret_cast<LRESULT*>(&c.lResult)))

template <class T>
BOOL B_NotifyEx(CCmdTarget* p, const CorvPmfStore& f, CorvMsgCall& c) {
    auto pmf = CorvLoadPmf<BOOL (T::*)(UINT, NMHDR*, LRESULT*)>(f);
    return (static_cast<T*>(p)->*pmf)(c.nID, reinterpret_cast<NMHDR*>(c.lParam),
                                      reinterpret_cast<LRESULT*>(&c.lResult));
}

#undef CORV_THUNK
}  // namespace CorvMsg

// A window message with a handler named after it.
#define CORV_ON_WM(msg, Sig, name, thunk) CORV_MSG_ENTRY(msg, 0, 0, 0, Sig, &ThisClass::name, CorvMsg::thunk)

#define ON_WM_CREATE() CORV_ON_WM(WM_CREATE, int (ThisClass::*)(LPCREATESTRUCTA), OnCreate, I_Create)
#define ON_WM_DESTROY() CORV_ON_WM(WM_DESTROY, void (ThisClass::*)(), OnDestroy, V_V)
#define ON_WM_CLOSE() CORV_ON_WM(WM_CLOSE, void (ThisClass::*)(), OnClose, V_V)
#define ON_WM_SIZE() CORV_ON_WM(WM_SIZE, void (ThisClass::*)(UINT, int, int), OnSize, V_Size)
#define ON_WM_MOVE() CORV_ON_WM(WM_MOVE, void (ThisClass::*)(int, int), OnMove, V_Move)
#define ON_WM_PAINT() CORV_ON_WM(WM_PAINT, void (ThisClass::*)(), OnPaint, V_V)
#define ON_WM_ERASEBKGND() CORV_ON_WM(WM_ERASEBKGND, BOOL (ThisClass::*)(CDC*), OnEraseBkgnd, B_EraseBkgnd)
#define ON_WM_TIMER() CORV_ON_WM(WM_TIMER, void (ThisClass::*)(UINT_PTR), OnTimer, V_Timer)
#define ON_WM_SETFOCUS() CORV_ON_WM(WM_SETFOCUS, void (ThisClass::*)(CWnd*), OnSetFocus, V_Wnd)
#define ON_WM_KILLFOCUS() CORV_ON_WM(WM_KILLFOCUS, void (ThisClass::*)(CWnd*), OnKillFocus, V_Wnd)
#define ON_WM_KEYDOWN() CORV_ON_WM(WM_KEYDOWN, void (ThisClass::*)(UINT, UINT, UINT), OnKeyDown, V_Key)
#define ON_WM_KEYUP() CORV_ON_WM(WM_KEYUP, void (ThisClass::*)(UINT, UINT, UINT), OnKeyUp, V_Key)
#define ON_WM_SYSKEYDOWN() \
    CORV_ON_WM(WM_SYSKEYDOWN, void (ThisClass::*)(UINT, UINT, UINT), OnSysKeyDown, V_Key)
#define ON_WM_CHAR() CORV_ON_WM(WM_CHAR, void (ThisClass::*)(UINT, UINT, UINT), OnChar, V_Key)
#define ON_WM_SYSCHAR() CORV_ON_WM(WM_SYSCHAR, void (ThisClass::*)(UINT, UINT, UINT), OnSysChar, V_Key)
#define ON_WM_LBUTTONDOWN() \
    CORV_ON_WM(WM_LBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnLButtonDown, V_Mouse)
#define ON_WM_LBUTTONUP() CORV_ON_WM(WM_LBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnLButtonUp, V_Mouse)
#define ON_WM_LBUTTONDBLCLK() \
    CORV_ON_WM(WM_LBUTTONDBLCLK, void (ThisClass::*)(UINT, CPoint), OnLButtonDblClk, V_Mouse)
#define ON_WM_RBUTTONDOWN() \
    CORV_ON_WM(WM_RBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnRButtonDown, V_Mouse)
#define ON_WM_RBUTTONUP() CORV_ON_WM(WM_RBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnRButtonUp, V_Mouse)
#define ON_WM_MOUSEMOVE() CORV_ON_WM(WM_MOUSEMOVE, void (ThisClass::*)(UINT, CPoint), OnMouseMove, V_Mouse)
#define ON_WM_MOUSEWHEEL() \
    CORV_ON_WM(WM_MOUSEWHEEL, BOOL (ThisClass::*)(UINT, short, CPoint), OnMouseWheel, B_MouseWheel)
#define ON_WM_HSCROLL() \
    CORV_ON_WM(WM_HSCROLL, void (ThisClass::*)(UINT, UINT, CScrollBar*), OnHScroll, V_Scroll)
#define ON_WM_VSCROLL() \
    CORV_ON_WM(WM_VSCROLL, void (ThisClass::*)(UINT, UINT, CScrollBar*), OnVScroll, V_Scroll)
#define ON_WM_GETDLGCODE() CORV_ON_WM(WM_GETDLGCODE, UINT (ThisClass::*)(), OnGetDlgCode, U_V)
#define ON_WM_SETCURSOR() \
    CORV_ON_WM(WM_SETCURSOR, BOOL (ThisClass::*)(CWnd*, UINT, UINT), OnSetCursor, B_SetCursor)
#define ON_WM_CTLCOLOR() \
    CORV_ON_WM(CORV_WM_CTLCOLOR, HBRUSH (ThisClass::*)(CDC*, CWnd*, UINT), OnCtlColor, H_CtlColor)
#define ON_WM_SHOWWINDOW() \
    CORV_ON_WM(WM_SHOWWINDOW, void (ThisClass::*)(BOOL, UINT), OnShowWindow, V_ShowWindow)
#define ON_WM_ACTIVATE() \
    CORV_ON_WM(WM_ACTIVATE, void (ThisClass::*)(UINT, CWnd*, BOOL), OnActivate, V_Activate)
#define ON_WM_MOUSEACTIVATE() \
    CORV_ON_WM(WM_MOUSEACTIVATE, int (ThisClass::*)(CWnd*, UINT, UINT), OnMouseActivate, I_MouseActivate)
// OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd), in the MDI child.
#define ON_WM_MDIACTIVATE() \
    CORV_ON_WM(WM_MDIACTIVATE, void (ThisClass::*)(BOOL, CWnd*, CWnd*), OnMDIActivate, V_MDIActivate)
#define ON_WM_GETMINMAXINFO() \
    CORV_ON_WM(WM_GETMINMAXINFO, void (ThisClass::*)(MINMAXINFO*), OnGetMinMaxInfo, V_MinMax)
#define ON_WM_WINDOWPOSCHANGED() \
    CORV_ON_WM(WM_WINDOWPOSCHANGED, void (ThisClass::*)(WINDOWPOS*), OnWindowPosChanged, V_PosChanged)
#define ON_WM_SYSCOMMAND() \
    CORV_ON_WM(WM_SYSCOMMAND, void (ThisClass::*)(UINT, LPARAM), OnSysCommand, V_SysCommand)
#define ON_WM_CONTEXTMENU() \
    CORV_ON_WM(WM_CONTEXTMENU, void (ThisClass::*)(CWnd*, CPoint), OnContextMenu, V_ContextMenu)
#define ON_WM_DROPFILES() CORV_ON_WM(WM_DROPFILES, void (ThisClass::*)(HDROP), OnDropFiles, V_DropFiles)
#define ON_WM_NCLBUTTONDOWN() \
    CORV_ON_WM(WM_NCLBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnNcLButtonDown, V_NcMouse)
#define ON_WM_NCHITTEST() CORV_ON_WM(WM_NCHITTEST, LRESULT (ThisClass::*)(CPoint), OnNcHitTest, L_NcHitTest)
#define ON_WM_INITMENUPOPUP() \
    CORV_ON_WM(WM_INITMENUPOPUP, void (ThisClass::*)(CMenu*, UINT, BOOL), OnInitMenuPopup, V_InitMenuPopup)
#define ON_WM_MENUSELECT() \
    CORV_ON_WM(WM_MENUSELECT, void (ThisClass::*)(UINT, UINT, HMENU), OnMenuSelect, V_MenuSelect)
#define ON_WM_EXITMENULOOP() CORV_ON_WM(WM_EXITMENULOOP, void (ThisClass::*)(BOOL), OnExitMenuLoop, V_Bool)
#define ON_WM_ENTERIDLE() CORV_ON_WM(WM_ENTERIDLE, void (ThisClass::*)(UINT, CWnd*), OnEnterIdle, V_EnterIdle)
#define ON_WM_QUERYENDSESSION() CORV_ON_WM(WM_QUERYENDSESSION, BOOL (ThisClass::*)(), OnQueryEndSession, B_V)
#define ON_WM_ENDSESSION() CORV_ON_WM(WM_ENDSESSION, void (ThisClass::*)(BOOL), OnEndSession, V_Bool)

// Any message, raw: LRESULT OnMsg(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    CORV_MSG_ENTRY(message, 0, 0, 0, LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn, CorvMsg::L_Message)

// Control notifications through WM_COMMAND: void OnXxx().
#define ON_CONTROL(code, id, memberFxn) \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, code, id, id, void (ThisClass::*)(), memberFxn, CorvMsg::Command)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                       \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, code, id, idLast, void (ThisClass::*)(UINT), memberFxn, \
                   CorvMsg::CommandRange)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// WM_NOTIFY from common controls: void OnXxx(NMHDR*, LRESULT*);
// the _EX forms take BOOL OnXxx(UINT id, NMHDR*, LRESULT*) and route on when FALSE.
#define ON_NOTIFY(code, id, memberFxn)                                                                    \
    CORV_MSG_ENTRY(CORV_WM_NOTIFY, static_cast<int>(code), id, id, void (ThisClass::*)(NMHDR*, LRESULT*), \
                   memberFxn, CorvMsg::V_Notify)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                   \
    CORV_MSG_ENTRY(CORV_WM_NOTIFY, static_cast<int>(code), id, idLast, \
                   void (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn, CorvMsg::V_NotifyRange)
#define ON_NOTIFY_EX(code, id, memberFxn)                          \
    CORV_MSG_ENTRY(CORV_WM_NOTIFY, static_cast<int>(code), id, id, \
                   BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn, CorvMsg::B_NotifyEx)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                \
    CORV_MSG_ENTRY(CORV_WM_NOTIFY, static_cast<int>(code), id, idLast, \
                   BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn, CorvMsg::B_NotifyEx)
