// The ODBC API as the platform provides it: the Windows SDK headers under
// MinGW (ANSI names, UNICODE is never defined) and unixODBC's elsewhere.
// Only the plain function names are used: Wine's odbc32 forwards those to
// the host's driver manager and has no A-suffixed ones.
#pragma once

#include "framework/core/WinTypes.h"

// WinTypes.h comes first: unixODBC's stand-ins for the Windows types then
// repeat the same types (its BOOL is a macro for the same int).
#include <sql.h>
#include <sqlext.h>

// ODBC takes texts as unsigned bytes; the layer's texts are char.
inline SQLCHAR* OdbcText(const char* psz) { return reinterpret_cast<SQLCHAR*>(const_cast<char*>(psz)); }
inline SQLCHAR* OdbcText(char* psz) { return reinterpret_cast<SQLCHAR*>(psz); }
