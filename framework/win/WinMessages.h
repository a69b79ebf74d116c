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
inline constexpr const char* kPrinterUnavailable =
    "The printer %1 cannot be reached. Choose another printer.";
inline constexpr const char* kPrintFailed = "The document could not be printed.";
inline constexpr const char* kPrintPastEnd =
    "Nothing was printed. The pages chosen begin at page %u, but this printout has only %u page%s.";
inline constexpr const char* kPrintToFileTitle = "Print to File";
inline constexpr const char* kPrintToFileFilter = "Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||";

// The box shown while a document prints: its title, the printer, the page.
inline constexpr const char* kPrintingTitle = "Printing";
inline constexpr const char* kPrintingOn = "on %1";
inline constexpr const char* kPrintingPage = "Page %u";
inline constexpr const char* kPrintingCancel = "Cancel";
inline constexpr const char* kPrintingFinishing = "Finishing the document...";

// Print preview: the toolbar and the page count.
inline constexpr const char* kPreviewPrint = "&Print...";
inline constexpr const char* kPreviewNext = "&Next Page";
inline constexpr const char* kPreviewPrev = "Pre&v Page";
inline constexpr const char* kPreviewOnePage = "&One Page";
inline constexpr const char* kPreviewTwoPage = "&Two Page";
inline constexpr const char* kPreviewZoomIn = "Zoom &In";
inline constexpr const char* kPreviewZoomOut = "Zoom &Out";
inline constexpr const char* kPreviewClose = "&Close";
inline constexpr const char* kPreviewPage = "Page %u of %u";
inline constexpr const char* kPreviewPages = "Pages %u-%u of %u";
}  // namespace WinMsg
