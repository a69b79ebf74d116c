#include "framework/win/CommandLine.h"

#include <windows.h>

#include "framework/core/StringArray.h"

void CCommandLineInfo::SplitArguments(const char* lpszCmdLine, CStringArray& rArgs) {
    rArgs.RemoveAll();
    if (!lpszCmdLine) return;
    // The system's rules: blanks separate; double quotes group; 2n
    // backslashes before a quote are n backslashes and the quote groups;
    // 2n+1 are n backslashes and a literal quote.
    const char* p = lpszCmdLine;
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (!*p) break;
        CString arg;
        bool bQuoted = false;
        while (*p && (bQuoted || (*p != ' ' && *p != '\t'))) {
            int nSlashes = 0;
            while (*p == '\\') {
                ++nSlashes;
                ++p;
            }
            if (*p == '"') {
                arg += CString('\\', nSlashes / 2);
                if (nSlashes % 2) {
                    arg += '"';
                } else if (bQuoted && p[1] == '"') {
                    arg += '"';  // "" inside quotes is a quote
                    ++p;
                } else {
                    bQuoted = !bQuoted;
                }
                ++p;
            } else {
                arg += CString('\\', nSlashes);
                if (*p && (bQuoted || (*p != ' ' && *p != '\t'))) arg += *p++;
            }
        }
        rArgs.Add(arg);
    }
}

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
    if (bFlag) {
        if (lstrcmpiA(pszParam, "Embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
            m_nShellCommand = FileNothing;
        } else if (lstrcmpiA(pszParam, "Automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
            m_nShellCommand = FileNothing;
        } else if (lstrcmpiA(pszParam, "p") == 0) {
            m_nShellCommand = FilePrint;
        } else if (lstrcmpiA(pszParam, "pt") == 0) {
            m_nShellCommand = FilePrintTo;
        } else if (lstrcmpiA(pszParam, "dde") == 0) {
            m_nShellCommand = FileDDE;
        } else if (lstrcmpiA(pszParam, "Unregister") == 0 || lstrcmpiA(pszParam, "Unregserver") == 0) {
            m_nShellCommand = AppUnregister;
        }
    } else if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
    }
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
}
