// CCommandLineInfo: the parsed command line. Arguments are split as the
// system does (blanks separate, double quotes group, so a quoted path with
// blanks is one argument without its quotes); an argument starting with '-'
// or '/' is a flag.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CCommandLineInfo : public CObject {
public:
    enum ShellCommand {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    };

    CCommandLineInfo() = default;
    ~CCommandLineInfo() override = default;

    // Called for every argument; bFlag without its leading '-' or '/'.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;  // FALSE with /Embedding or /Automation
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;  // the first argument that is not a flag

    // The command line split into arguments (without the program name).
    static void SplitArguments(const char* lpszCmdLine, class CStringArray& rArgs);
};
