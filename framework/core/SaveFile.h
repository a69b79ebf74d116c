// The file a save writes beside the job before it takes the job's place:
// "<job>.<process>-<n>.tmp~", with the writing process's id and the number
// of the save within that process, both in hexadecimal. Two programs saving
// one job each write their own file; a save that was killed leaves its file,
// and a save of the job a quarter of an hour or more later removes it.
#pragma once

#include "framework/core/String.h"

class CFile;
class CFileException;

// Opens a new save file for target; false with fe filled (named by the
// target) when none could be made, or at once for a target marked read-only.
bool CorvOpenSaveFile(const CString& target, CFile& file, CString& temp, CFileException& fe);

// Removes the save files of target that no save still writes: those not
// written for a quarter of an hour, by the clock of the folder's file system
// as the new ownSave (left alone) shows it, unless their process still runs
// where this system can tell. A process number means nothing on another
// machine or in another Wine prefix, so a recent file is always left. A file
// that cannot be removed (on Windows: one that another program still has
// open) is left as it is, as is every file of another naming.
void CorvRemoveAbandonedSaveFiles(const CString& target, const CString& ownSave);

// Puts the save file lpszSource in the place of lpszTarget in one step (the
// target may exist). Another program that has the target open for a moment
// (a second saver, a reader) is waited out for up to two seconds. A target
// marked read-only is never replaced, on any system. Returns false, with an
// errno-style cause in *pCause, when it could not: EACCES at once for a
// read-only target, EBUSY where the target is still in use by another
// program.
bool CorvReplaceFile(const char* lpszSource, const char* lpszTarget, int* pCause);
