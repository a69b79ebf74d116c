// Every text that the job editor shows to the user: the job view, the
// Detail window, the cell editors and the number edit of the dialogs.
#pragma once

namespace EditorMsg {
// The Detail window's caption before it first shows a line, and for a line.
inline constexpr const char* kDetailScreen = "Detail Screen";
inline constexpr const char* kDetailCaptionBefore = "- - Line #";
inline constexpr const char* kDetailCaptionAfter = " - -";

// A committed cell whose text the field did not take as typed: field name,
// line number, typed text; what is wrong with the date follows it (the
// date status texts of the job model).
inline constexpr const char* kFieldErased =
    "The \"%s\" field of line #%d has been errased.\nThis field contained:  \"%s\"\n";
// A number the field rewrote: field name, line number, new text, typed text.
inline constexpr const char* kFieldInterpreted =
    "The \"%s\" field of line #%d\nhas been interpreted as \"%s\".\nThis field contained:  \"%s\"\n";
inline constexpr const char* kUnknownErrorCode = "Unknown Error Code";
inline constexpr const char* kErrorCodeUnknown = "Error Code Unknown";

// Line commands: the questions before a line with data is cut or pasted
// over, and the refusals to go on with the next line when its grid shows a
// single row.
inline constexpr const char* kCutLineQuestion =
    "* * This Line Contains Data. * *\n\nDo you want to \"CUT\" this line?";
inline constexpr const char* kPasteLineQuestion =
    "* * This Line Contains Data. * *\n\nDo you want to \"PASTE\" over this line?";
inline constexpr const char* kSelectNoRoomDetail =
    "Can NOT display the \"Selection Dialog Box\".\nTry Making the Detail Window Larger.";
inline constexpr const char* kSelectNoRoomSummary =
    "Can NOT display the \"Selection Dialog Box\".\nTry Making the Summary Window Larger.";

// The revise-all commands: lines with Detail lines of their own keep their
// net; a total revision refuses them altogether.
inline constexpr const char* kDetailNetNotRevised = "Summary Lines with \"Detail Net\" were NOT revised.";
inline constexpr const char* kCannotReviseTotal =
    "          Can NOT revise \"Total Final Value\"\nAt least one Summary Line has a \"Detail Net\".";

// The line dialogs: their captions around the line number, and the refusal
// to show the next line when its grid shows a single row.
inline constexpr const char* kSummaryLineCaptionBefore = "- - Summary Line #";
inline constexpr const char* kDetailLineCaptionBefore = "- - Detail Line #";
inline constexpr const char* kLineCaptionAfter = " - -";
inline constexpr const char* kLineViewNoRoomSummary =
    "Can NOT display the \"Line View Dialog Box\".\nTry Making the Summary Window Larger.";
inline constexpr const char* kLineViewNoRoomDetail =
    "Can NOT display the \"Line View Dialog Box\".\nTry Making the Detail Window Larger.";
}  // namespace EditorMsg
