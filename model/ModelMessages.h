// Every text of the job model that reaches the user: the refusals of a
// field descriptor, the status texts of typed dates and times (the callers
// that show the date and time texts take them from here), and the refusal
// of a file that is not a current job file.
#pragma once

namespace ModelMsg {

// Field descriptor refusals. The refused name is shown in front of
// kInvalidFieldName.
inline constexpr const char* kInvalidFieldName = " is an invalid Field Name.";
inline constexpr const char* kInvalidFieldType = "Invalid Field Type.";
inline constexpr const char* kInvalidFieldLength = "Invalid Field Length.";
inline constexpr const char* kInvalidFieldPrecision = "Invalid Field Precision.";
inline constexpr const char* kInvalidColumnWidth = "Invalid Column Width.";

// "Can NOT open " + path + kNotCurrentJobFile
inline constexpr const char* kCanNotOpen = "Can NOT open ";
inline constexpr const char* kNotCurrentJobFile = "\n\nThis is NOT a current job file.";

// Date status 1 to 4, and any other non-zero status.
inline constexpr const char* kDateFormat = "Use date format: mm/dd/yyyy or mm/dd/yy";
inline constexpr const char* kBadMonth = "Bad MONTH specification";
inline constexpr const char* kBadDay = "Bad DAY specification";
inline constexpr const char* kBadYear = "Bad YEAR specification";
inline constexpr const char* kUnknownDateError = "Unknown date error";

// Time status 1 to 3.
inline constexpr const char* kTimeFormat = "Use time format: hh:mm";
inline constexpr const char* kBadHour = "Bad HOUR specification";
inline constexpr const char* kBadMinute = "Bad MINUTE specification";

// The text for a date status (empty for 0).
inline const char* DateStatusText(int nStatus) {
    switch (nStatus) {
        case 0:
            return "";
        case 1:
            return kDateFormat;
        case 2:
            return kBadMonth;
        case 3:
            return kBadDay;
        case 4:
            return kBadYear;
        default:
            return kUnknownDateError;
    }
}

// The text for a time status (empty for 0 and unknown codes).
inline const char* TimeStatusText(int nStatus) {
    switch (nStatus) {
        case 1:
            return kTimeFormat;
        case 2:
            return kBadHour;
        case 3:
            return kBadMinute;
        default:
            return "";
    }
}

}  // namespace ModelMsg
