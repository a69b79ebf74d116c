// Every text that the application frame shows to the user.
#pragma once

namespace AppMsg {
// Closing a minimized job window while it previews a print.
inline constexpr const char* kRestoreBeforeClose = "Restore this window and then close it";

// The Preferences sheet.
inline constexpr const char* kPreferencesCaption = "Preferences";
inline constexpr const char* kDtaFilter = "DTA files (*.dta)|*.dta|All Files (*.*)|*.*||";
inline constexpr const char* kDtaBrowseTitle = "Set the DTA Path by Selecting any DTA File";
// OK on the sheet, when a changed setting could not be written: this text,
// the INI file's path, then the tail.
inline constexpr const char* kPrefsNotWritten = "Could NOT save the Preferences in ";
inline constexpr const char* kPrefsNotWrittenTail =
    "\n\nThe changes apply only until Corvantis Zoro is closed.";
}  // namespace AppMsg
