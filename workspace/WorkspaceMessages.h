// Every text that the choice-list editor shows or writes.
#pragma once

namespace WorkspaceMsg {
inline constexpr const char* kAddItems = "[Add Items]";
inline constexpr const char* kNoDefaultToEdit = "No Default to Edit";
inline constexpr const char* kNoSelectionsToEdit = "No Selections to Edit";
// What callers of the editor pass for a default or a list they do not edit.
inline constexpr const char* kNoDefault = "NoDefault";
inline constexpr const char* kNoSelections = "NoSelections";
}  // namespace WorkspaceMsg
