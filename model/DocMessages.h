// Every text that the job document shows to the user.
#pragma once

namespace DocMsg {
// "Can NOT open " + path + kNotCurrentJobFile
inline constexpr const char* kCanNotOpen = "Can NOT open ";
inline constexpr const char* kNotCurrentJobFile = "\n\nThis is NOT a current job file.";
}  // namespace DocMsg
