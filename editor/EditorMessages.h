// Every text that the job editor shows to the user: the job view, the
// Detail window, the cell editors and the number edit of the dialogs.
#pragma once

namespace EditorMsg {
// The Detail window's caption before it first shows a line, and for a line.
inline constexpr const char* kDetailScreen = "Detail Screen";
inline constexpr const char* kDetailCaptionBefore = "- - Line #";
inline constexpr const char* kDetailCaptionAfter = " - -";

// A committed cell whose text the field did not take as typed: field name,
// line number, typed text; then what is wrong with a date.
inline constexpr const char* kFieldErased =
    "The \"%s\" field of line #%d has been errased.\nThis field contained:  \"%s\"\n";
inline constexpr const char* kDateFormat = "Use date format: mm/dd/yyyy or mm/dd/yy";
inline constexpr const char* kBadMonth = "Bad MONTH specification";
inline constexpr const char* kBadDay = "Bad DAY specification";
inline constexpr const char* kBadYear = "Bad YEAR specification";
// A number the field rewrote: field name, line number, new text, typed text.
inline constexpr const char* kFieldInterpreted =
    "The \"%s\" field of line #%d\nhas been interpreted as \"%s\".\nThis field contained:  \"%s\"\n";
inline constexpr const char* kUnknownErrorCode = "Unknown Error Code";
inline constexpr const char* kErrorCodeUnknown = "Error Code Unknown";

// A number entry of a dialog that its field's format rewrote: label, new
// text, typed text.
inline constexpr const char* kInterpretedFmt =
    "The \"%s\" field\nhas been interpreted as \"%s\".\nThis field contained:  \"%s\"\n";
}  // namespace EditorMsg
