// The workspace: what the job windows, the finder, the reports and the
// project sheet share with the rest of the program and take from nowhere
// else: the INI settings (CCorvSettings), the forty choice lists and the
// standard texts (CChoiceLists, CCorvSettings), the state of File > Find...
// and the line clipboard. The choice-list editor (CEditIni) sits beside it.
//
// The application object owns one CWorkspace and installs it when it is
// made; code below app/ reaches it through CorvGetWorkspace(), never
// through the application object. This folder sits above model/ and
// selection/ and below editor/, database/, reports/ and project/.
#pragma once

#include "workspace/ChoiceLists.h"
#include "workspace/FindState.h"
#include "workspace/LineClipboard.h"
#include "workspace/Settings.h"

class CWorkspace {
public:
    CWorkspace() = default;
    CWorkspace(const CWorkspace&) = delete;
    CWorkspace& operator=(const CWorkspace&) = delete;

    CCorvSettings& Settings() { return m_settings; }
    const CCorvSettings& Settings() const { return m_settings; }
    CChoiceLists& ChoiceLists() { return m_choiceLists; }
    const CChoiceLists& ChoiceLists() const { return m_choiceLists; }
    CFindState& FindState() { return m_findState; }
    CLineClipboard& Clipboard() { return m_clipboard; }

private:
    CCorvSettings m_settings;
    CChoiceLists m_choiceLists;
    CFindState m_findState;
    CLineClipboard m_clipboard;
};

// Makes pWorkspace the one CorvGetWorkspace() returns (null: none);
// returns the one it replaces.
CWorkspace* CorvInstallWorkspace(CWorkspace* pWorkspace);
// The installed workspace; without one, a workspace of the process's own
// (settings and lists empty until read), so lower code never meets null.
CWorkspace& CorvGetWorkspace();
