// Every text that the application frame shows to the user.
#pragma once

namespace AppMsg {
// Closing a minimized job window while it previews a print.
inline constexpr const char* kRestoreBeforeClose = "Restore this window and then close it";
}  // namespace AppMsg
