// Every text that the choice-list editor and the number entries show or
// write.
#pragma once

namespace WorkspaceMsg {
inline constexpr const char* kAddItems = "[Add Items]";
inline constexpr const char* kNoDefaultToEdit = "No Default to Edit";
inline constexpr const char* kNoSelectionsToEdit = "No Selections to Edit";
// What callers of the editor pass for a default or a list they do not edit.
inline constexpr const char* kNoDefault = "NoDefault";
inline constexpr const char* kNoSelections = "NoSelections";

// A number entry of a dialog that its field's format rewrote: label, new
// text, typed text.
inline constexpr const char* kInterpretedFmt =
    "The \"%s\" field\nhas been interpreted as \"%s\".\nThis field contained:  \"%s\"\n";
}  // namespace WorkspaceMsg
