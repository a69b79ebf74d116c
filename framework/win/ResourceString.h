// Texts from string resources and the %1 / %2 substitution of message texts.
#pragma once

#include "framework/core/String.h"
#include "framework/win/Wnd.h"

// The string resource nID of the program, whole (any length).
BOOL AfxLoadString(UINT nID, CString& rString);
CString AfxLoadString(UINT nID);
// rString := lpszFormat with every "%1" replaced by lpsz1 (and "%2" by lpsz2).
void AfxFormatString1(CString& rString, LPCSTR lpszFormat, LPCSTR lpsz1);
void AfxFormatString2(CString& rString, LPCSTR lpszFormat, LPCSTR lpsz1, LPCSTR lpsz2);
// Part iSubString (from 0) of lpszFullString split at chSep; FALSE when there are fewer parts.
BOOL AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep = '\n');
