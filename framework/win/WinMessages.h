// Every text that the window layer shows to the user.
#pragma once

namespace WinMsg {
inline constexpr const char* kAskToSave = "Save changes to %1?";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kFailedToCreateDoc = "Failed to create empty document.";
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScrl = "SCRL";
inline constexpr const char* kOpenTitle = "Open";
inline constexpr const char* kSaveAsTitle = "Save As";
inline constexpr const char* kAllFilesFilter = "All Files (*.*)";
inline constexpr const char* kParseInt = "Please enter an integer.";
inline constexpr const char* kParseReal = "Please enter a number.";
inline constexpr const char* kParseIntRange = "Please enter an integer between %1 and %2.";
inline constexpr const char* kParseRealRange = "Please enter a number between %1 and %2.";
inline constexpr const char* kParseStringSize = "Please enter no more than %1 characters.";
inline constexpr const char* kNoPrinter = "No printers are installed. Add a printer and try again.";
}  // namespace WinMsg
