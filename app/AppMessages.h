// Every text that the application frame shows to the user.
#pragma once

namespace AppMsg {
// Closing a minimized job window while it previews a print.
inline constexpr const char* kRestoreBeforeClose = "Restore this window and then close it";

// The choice-list editor.
inline constexpr const char* kAddItems = "[Add Items]";
inline constexpr const char* kNoDefaultToEdit = "No Default to Edit";
inline constexpr const char* kNoSelectionsToEdit = "No Selections to Edit";
// What callers of the editor pass for a default or a list they do not edit.
inline constexpr const char* kNoDefault = "NoDefault";
inline constexpr const char* kNoSelections = "NoSelections";

// The Preferences sheet.
inline constexpr const char* kPreferencesCaption = "Preferences";
inline constexpr const char* kDtaFilter = "DTA files (*.dta)|*.dta|All Files (*.*)|*.*||";
inline constexpr const char* kDtaBrowseTitle = "Set the DTA Path by Selecting any DTA File";
}  // namespace AppMsg
