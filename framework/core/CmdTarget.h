// CCmdTarget: the base of everything that receives commands, with message
// maps: a static table of handlers per class, chained to the base class's
// table. This half is window-free, so documents route commands in both
// trees; the window messages (ON_WM_...) are added by framework/win.
//
// A handler is any member function with the signature its macro expects:
//     ON_COMMAND(id, &CMyDoc::OnFileStore)            void OnFileStore()
//     ON_UPDATE_COMMAND_UI(id, &CMyDoc::OnUpdateSave) void OnUpdateSave(CCmdUI*)
//     ON_COMMAND_RANGE(first, last, &C::OnPick)       void OnPick(UINT nID)
//     ON_COMMAND_EX(id, &C::OnTry)                    BOOL OnTry(UINT nID): FALSE routes on
// A wrong signature is a compile error.
#pragma once

#include <cstdint>
#include <cstring>

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

// Opaque iteration position over a framework list (documents, views,
// templates): GetFirstXxxPosition / GetNextXxx. Null means the end.
typedef struct CorvPosition* POSITION;
inline POSITION CorvPosFromIndex(int i) {
    return reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(i) + 1);
}
inline int CorvIndexFromPos(POSITION pos) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(pos)) - 1;
}

// Routing codes for OnCmdMsg: a command, or the question "is it enabled?".
enum : int { CN_COMMAND = 0, CN_UPDATE_COMMAND_UI = -1 };
constexpr UINT CORV_WM_COMMAND = 0x0111;  // the value of WM_COMMAND
constexpr UINT CORV_WM_NOTIFY = 0x004E;   // the value of WM_NOTIFY

// One message on its way to a handler. Window messages fill wParam and
// lParam and take lResult back; commands fill nID, nCode and pExtra.
struct CorvMsgCall {
    UINT message = 0;
    UINT nID = 0;
    int nCode = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    void* pExtra = nullptr;
    std::intptr_t lResult = 0;
};

// A handler's member-function pointer, kept as its bytes so that one table
// holds handlers of every signature; the entry's thunk turns it back into
// its exact type before calling it.
struct CorvPmfStore {
    alignas(void*) unsigned char bytes[2 * sizeof(void*)];
};
template <class Pmf>
CorvPmfStore CorvStorePmf(Pmf pmf) {
    static_assert(sizeof(Pmf) <= sizeof(CorvPmfStore), "member-function pointer too large");
    CorvPmfStore store{};
    std::memcpy(store.bytes, &pmf, sizeof pmf);
    return store;
}
template <class Pmf>
Pmf CorvLoadPmf(const CorvPmfStore& store) {
    Pmf pmf;
    std::memcpy(&pmf, store.bytes, sizeof pmf);
    return pmf;
}

// Runs the handler: returns TRUE when the message counts as handled.
typedef BOOL (*CorvMsgThunk)(CCmdTarget* pTarget, const CorvPmfStore& pmf, CorvMsgCall& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message, or WM_COMMAND / WM_NOTIFY
    int nCode;      // notification or routing code (CN_COMMAND, CN_UPDATE_COMMAND_UI, BN_CLICKED...)
    UINT nID;       // first control or command id
    UINT nLastID;   // last id of a range (equal to nID otherwise)
    CorvPmfStore pmf;
    CorvMsgThunk pfnThunk;  // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled instead of calling the handler when a caller only asks whether one exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Routes a command (CN_COMMAND, pExtra unused) or a command-UI question
    // (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI*) to a handler; TRUE when
    // one took it. With pHandlerInfo the handler is only looked up.
    // Overrides pass the command on to the next target in the route.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Looks up nMessage/nCode/nID in this object's table chain and runs it.
    BOOL DispatchMsg(UINT nMessage, int nCode, UINT nID, CorvMsgCall& call,
                     AFX_CMDHANDLERINFO* pHandlerInfo = nullptr);

    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMessage, int nCode,
                                                    UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// CCmdUI: the question "how should command m_nID look now?", asked of the
// command route for a menu item, a toolbar button or a status-bar pane.
// This base records the answer; the window layer's kinds apply it.
class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 off, 1 on, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(const char* lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's route; without an update handler, a command that has
    // no command handler either is disabled when bDisableIfNoHandler is set.
    // Returns TRUE when an update handler answered.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;            // index of the item in its menu or bar
    UINT m_nIndexMax = 0;         // number of items (a handler that inserts items moves it)
    CMenu* m_pMenu = nullptr;     // the menu when the item is a menu item
    CMenu* m_pSubMenu = nullptr;  // the popup when the item opens one
    CWnd* m_pOther = nullptr;     // the bar or window otherwise
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    // What the last handler said (kept for every kind, read by tests).
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    BOOL m_bTextSet = FALSE;
    CString m_strText;
};

// --- Message-map macros ---------------------------------------------------

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        typedef theClass ThisClass;                                                   \
        typedef baseClass TheBaseClass;                                               \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                         \
    { 0, 0, 0, 0, CorvPmfStore{}, nullptr }                                                       \
    }                                                                                             \
    ;                                                                                             \
    static_assert(sizeof(ThisClass) > 0, "message map of an incomplete class");                   \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                           \
    }

// One table entry: the handler is converted to exactly Sig (checking its
// signature) and called through thunk.
#define CORV_MSG_ENTRY(msg, code, id, lastId, Sig, memberFxn, thunk) \
    {msg, code, id, lastId, CorvStorePmf(static_cast<Sig>(memberFxn)), &thunk<ThisClass>},

// Thunks for the command entries.
namespace CorvMsg {
template <class T>
BOOL Command(CCmdTarget* p, const CorvPmfStore& f, CorvMsgCall&) {
    (static_cast<T*>(p)->*CorvLoadPmf<void (T::*)()>(f))();
    return TRUE;
}
template <class T>
BOOL CommandRange(CCmdTarget* p, const CorvPmfStore& f, CorvMsgCall& c) {
    (static_cast<T*>(p)->*CorvLoadPmf<void (T::*)(UINT)>(f))(c.nID);
    return TRUE;
}
template <class T>
BOOL CommandEx(CCmdTarget* p, const CorvPmfStore& f, CorvMsgCall& c) {
    return (static_cast<T*>(p)->*CorvLoadPmf<BOOL (T::*)(UINT)>(f))(c.nID);
}
template <class T>
BOOL UpdateUI(CCmdTarget* p, const CorvPmfStore& f, CorvMsgCall& c) {
    (static_cast<T*>(p)->*CorvLoadPmf<void (T::*)(CCmdUI*)>(f))(static_cast<CCmdUI*>(c.pExtra));
    return TRUE;
}
}  // namespace CorvMsg

#define ON_COMMAND(id, memberFxn) \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, CN_COMMAND, id, id, void (ThisClass::*)(), memberFxn, CorvMsg::Command)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                   \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, CN_COMMAND, id, idLast, void (ThisClass::*)(UINT), memberFxn, \
                   CorvMsg::CommandRange)
#define ON_COMMAND_EX(id, memberFxn)                                                          \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, CN_COMMAND, id, id, BOOL (ThisClass::*)(UINT), memberFxn, \
                   CorvMsg::CommandEx)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, CN_COMMAND, id, idLast, BOOL (ThisClass::*)(UINT), memberFxn, \
                   CorvMsg::CommandEx)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, void (ThisClass::*)(CCmdUI*), memberFxn, \
                   CorvMsg::UpdateUI)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                           \
    CORV_MSG_ENTRY(CORV_WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, void (ThisClass::*)(CCmdUI*), \
                   memberFxn, CorvMsg::UpdateUI)
