// AfxMessageBox: the one road by which every message reaches the user. A
// test replaces it with a hook that records the text and style and answers
// in place of the user.
#pragma once

#include <functional>

#include "framework/core/WinTypes.h"

int AfxMessageBox(const char* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

using MessageBoxHook = std::function<int(const char* lpszText, UINT nType)>;

// Installs a hook (an empty one restores the platform's box); returns the previous hook.
MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook);

// The title every box carries: the application's title, given once by the
// application object. Until then a box is titled with the executable's name.
void AfxSetMessageBoxTitle(const char* lpszTitle);
const char* AfxGetMessageBoxTitle();

// The platform's own box: MessageBoxA on Windows; without windows it shows
// nothing and answers as a user pressing the default button would.
int CorvPlatformMessageBox(const char* lpszText, UINT nType);
