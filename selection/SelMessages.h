// Every text that product selection and the part-number finder show.
#pragma once

namespace SelMsg {
// Opening a product data file; each is prefixed or completed with the file name.
inline constexpr const char* kUnableToOpen = "Unable to open ";
inline constexpr const char* kCanNotOpen = "Can NOT open ";
inline constexpr const char* kNotCurrentFile = ".\n\nThis is not a current file.";

// Picking an item.
inline constexpr const char* kPriceOnApplication =
    "Price on Application (POA)\nSelected item exists\nPrice NOT included in Corvantis";
inline constexpr const char* kNotVantrelSelection = "This is NOT an Vantrel Selection";
inline constexpr const char* kNotFound = " NOT Found";  // after the typed figure number

// List states that ordinary use cannot reach.
inline constexpr const char* kSeeSelChangeDWList1 = "See selChangeDWList1";
inline constexpr const char* kSeeSelChangeRightListBox = "See selChangeRightListBox";
inline constexpr const char* kSeeSelChangeLeftListBox = "See selChangeLeftListBox";
inline constexpr const char* kInvalidMoreWndLine = "Invalid MoreWndLine pointer";

// Selection Dialog.
inline constexpr const char* kCaptionLine = "- - Line #";
inline constexpr const char* kCaptionSeparator = " - - ";
inline constexpr const char* kAutoButton = "&Auto";
inline constexpr const char* kManualButton = "M&anual";

// Part-number finder.
inline constexpr const char* kFindButton = "Find";
inline constexpr const char* kFindNextButton = "Find Next";
inline constexpr const char* kEnterPartNumberFirst =
    "Before pressing the \"Find\" Button, you must enter a value in the \"Part Number\" box";
inline constexpr const char* kFindPartNumberFirst =
    "Before pressing the \"OK\" Button, you must \"Find\" a Part Number";
}  // namespace SelMsg
