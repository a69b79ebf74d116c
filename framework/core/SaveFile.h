// The file a save writes beside the job before it takes the job's place:
// "<job>.<process>-<n>.tmp~", with the writing process's id and the number
// of the save within that process, both in hexadecimal. Two programs saving
// one job each write their own file; a save that was killed leaves its file,
// and a later save of the job removes it.
#pragma once

#include "framework/core/String.h"

class CFile;
class CFileException;

// Opens a new save file for target; false with fe filled (named by the
// target) when none could be made.
bool CorvOpenSaveFile(const CString& target, CFile& file, CString& temp, CFileException& fe);

// Removes the save files of target that no running save still writes: those
// of processes that have ended (or of this one, whose saves are all done).
// A file that cannot be removed (on Windows: one that another program still
// has open) is left as it is, as is every file of another naming.
void CorvRemoveAbandonedSaveFiles(const CString& target);
