// Every text that the ODBC layer itself shows; the drivers' own error texts
// are passed on as they come.
#pragma once

namespace OdbcMsg {
inline constexpr const char* kNoDiagnostics =
    "The ODBC driver reported an error without a message (return code %d).";
inline constexpr const char* kNoEnvironment = "The ODBC driver manager could not be loaded.";
inline constexpr const char* kNotOpen = "The database is not open.";
}  // namespace OdbcMsg
