// What the project pages take from the application: the choice lists and
// their defaults, the data folder, the remembered sheet pages, the
// choice-list editor and the default standard texts. The one place through
// which the pages reach them.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"

class CComboBox;

namespace ProjWorkspace {
// The choice list of an INI section (null for a section without one).
CStringArray* ChoiceList(const char* pszSection);
// The application's default held under [section] key (null when none).
CString* DefaultText(const char* pszSection, const char* pszKey);
// The data folder, ending in a backslash.
CString DataFolder();
void SetProjectPage(int nPage);
void SetWordsPage(int nPage);
int GetProjectPage();
int GetWordsPage();
int GetSearchByOffices();
void SetSearchByOffices(int nValue);
// The choice-list editor on a default and/or a list. A null default
// section edits no default, a null list section no list; the combo box
// (may be null) is refilled with a changed list.
void EditChoiceList(int nMaxLength, const char* pszDefaultSection, const char* pszDefaultKey,
                    const char* pszListSection, CComboBox* pCombo);
// Reloads the application's effective standard text of a kind
// ("Introduction", "Notes", "Terms") from the named file; FALSE when the
// file could not be opened (the kind's [Defaults] text stays in effect).
BOOL ReloadDefaultText(const char* pszKind, const CString& strFileName);
}  // namespace ProjWorkspace
