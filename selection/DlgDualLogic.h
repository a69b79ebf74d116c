// The window-free decisions of the Selection Dialog: its caption, whether a
// loaded selection can be reused, and which selection class reads a file.
#pragma once

#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

class CSelection;

// "- - Line #" + the line number (row + 1, all its digits) + " - - ", and
// the description unless the dialog was preset from the last selection.
CString DlgDualCaption(int nRow, BOOL bPreset, const CString& description);

// A loaded selection is reused while the same file name is asked for and
// the data folder has not been changed.
bool CanReuseSelection(const CSelection* pSelection, const CString& fileName, BOOL bDtaFolderChanged);

// A new, empty selection of the table form (CDualWnd) or the grouped form (CLeadWnd).
CSelection* NewSelection(bool bTableForm);
