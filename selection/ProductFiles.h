// Fixed names and markers of the product data files.
#pragma once

namespace ProductFile {
// The first line of every product data file, byte for byte.
inline constexpr const char* kHeader = "dta-File for CorvantisZoro Ver 6.0";

// Older selections may name a file with this extension; it is read as ".dta".
inline constexpr const char* kOldExtension = ".fld";
inline constexpr const char* kExtension = ".dta";

// The three files the Selection Dialog's menu and the part-number finder use.
inline constexpr const char* kValveBase = "SeriesC4";
inline constexpr const char* kActuatorBase = "ActDAC4";
inline constexpr const char* kAccessoryBase = "AccPneu";
inline constexpr const char* kValveFile = "SeriesC4.dta";
inline constexpr const char* kActuatorFile = "ActDAC4.dta";
inline constexpr const char* kAccessoryFile = "AccPneu.dta";

// Body forms, stored as a selection's style.
inline constexpr int kStyleTable = 1;
inline constexpr int kStyleGrouped = 2;

// A price cell holding exactly this text: price given only on application.
inline constexpr const char* kPriceOnApplication = "9999999.99";

// Column names the program looks up.
inline constexpr const char* kFigureNumber = "FigureNumber";
inline constexpr const char* kPartNumber = "PartNumber";
inline constexpr const char* kProduct = "Product";
inline constexpr const char* kType = "Type";
inline constexpr const char* kQuoteDescription = "QuoteDescription";
inline constexpr const char* kAltQuoteDescription = "AltQuoteDescription";

// Condition names whose component value is compared only in part.
inline constexpr const char* kCylModel = "CylModel";
inline constexpr int kCylModelChars = 4;
inline constexpr const char* kElecModel = "ElecModel";
inline constexpr int kElecModelChars = 5;

// The Vantrel mark in front of a matching list entry (0xBB in code page 1252).
inline constexpr char kVantrelMark = '\xBB';

// Positions in a description line end up as 16-bit words in the job file, so
// no description line can be longer than this.
inline constexpr long long kMaxDescriptionLine = 0xFFFF;

// A component's place in its description line fits the job file's 16-bit
// words: its end lies within the longest line (a negative start or length
// counts as 0, as the component itself takes it).
inline bool ComponentFits(long long nStart, long long nLength) {
    return (nStart > 0 ? nStart : 0) + (nLength > 0 ? nLength : 0) <= kMaxDescriptionLine;
}
}  // namespace ProductFile
