// The face name of a LOGFONT is a fixed field of LF_FACESIZE bytes. A font
// read from a job file keeps all of those bytes, terminator or not, so that
// the file comes back byte for byte; everything that uses the name as text
// goes through these helpers, which never read past the field.
#pragma once

#include "framework/core/String.h"
#include "framework/core/WinTypes.h"

// The face name up to its terminating zero, or all LF_FACESIZE bytes when
// the field holds no zero.
CString FaceNameOf(const LOGFONT& lf);

// TRUE when the two fonts differ in any of their numbers or bytes, or in
// their face names compared as texts (bytes after the terminator do not count).
BOOL FontsDiffer(const LOGFONT& a, const LOGFONT& b);
