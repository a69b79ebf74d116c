// Every text that the project information sheet shows the user: the
// look-up messages of the customer and office pages, the time-check texts
// the job model has no words for, and the words page's notes. The date and
// time status texts are the job model's (ModelMessages.h); the writers'
// texts are the database's (DbMessages.h).
#pragma once

namespace ProjMsg {
// Sheet captions.
inline constexpr const char* kProjectCaption = "Project -- Corv: ";
inline constexpr const char* kLineWordsCaption = "Summary Line Words - - Line #";

// Time status 4 and any other non-zero status.
inline constexpr const char* kUnknownTimeError = "Unknown time error";

// Look-ups.
inline constexpr const char* kCouldNotOpenCustomer = "Could not open \"Customer\" database";
inline constexpr const char* kOdbcFmt = "ODBC %s";
inline constexpr const char* kNotInTable = "\" NOT in \"";  // "\"" + value + this + table + kTableEnd
inline constexpr const char* kTableEnd = "\" Table.";
inline constexpr const char* kNoMoreNext = "No more \"Next\" records";
inline constexpr const char* kNoMorePrevious = "No more \"Previous\" records";

inline constexpr const char* kCustFindNumberEmpty =
    "Before pressing this \"Find\" button, you must enter a value in the \"Customer No\" box.\n\n"
    "          The \"Customer No\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kCustFindNameEmpty =
    "Before pressing this \"Find\" button, you must enter a value in the \"Customer Name\" box.\n\n"
    "          The \"Customer Name\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kCustNextEmpty =
    "Before pressing this \"Next\" button, you must enter a value in the \"Customer Name\" box.\n\n"
    "          The \"Customer Name\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kCustPreviousEmpty =
    "Before pressing this \"Previous\" button, you must enter a value in the \"Customer Name\" box.\n\n"
    "          The \"Customer Name\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kCustUpdateEmpty =
    "Before pressing the \"Update\" button, you must enter a value\nin both the \"Customer No\" box and the "
    "\"Customer Name\" box.\nThese boxes are located directly left of the \"Find\" buttons.";

inline constexpr const char* kOfficeFindNumberEmpty =
    "Before pressing this \"Find\" button, you must enter a value in the \"Rep Office No\" box.\n\n"
    "          The \"Rep Office No\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kOfficeFindNameEmpty =
    "Before pressing this \"Find\" button, you must enter a value in the \"Rep Office\" box.\n\n"
    "          The \"Rep Office\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kOfficeNextEmpty =
    "Before pressing this \"Next\" button, you must enter a value in the \"Rep Office\" box.\n\n"
    "          The \"Rep Office\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kOfficePreviousEmpty =
    "Before pressing this \"Previous\" button, you must enter a value in the \"Rep Office\" box.\n\n"
    "          The \"Rep Office\" box is located directly left of the \"Find\" buttons.";
inline constexpr const char* kOfficeUpdateEmpty =
    "Before pressing the \"Update\" button, you must enter a value\nin both the \"Rep Office No\" box and "
    "the "
    "\"Rep Office\" box.\nThese boxes are located directly left of the \"Find\" buttons.";

// Words pages.
inline constexpr const char* kUnableToOpen = "Unable to open ";  // + name + ".txt"
inline constexpr const char* kTxt = ".txt";
inline constexpr const char* kIntroSelections =
    "\"Introduction Selections\" can only be edited in the INI file.\n     C\\Windows\\CorvOstry.ini\n\n"
    "To set the default \"Introduction Selection\":\n   Use the \"Introduction\" Entry in the [Defaults] "
    "Section\n\nTo set \"Introduction Selections\":\n     Use the [Introduction] Section";
inline constexpr const char* kNotesSelections =
    "\"Notes Selections\" can only be edited in the INI file.\n     C\\Windows\\CorvOstry.ini\n\n"
    "To set the default \"Notes Selection\":\n   Use the \"QuoteNotes\" Entry in the [Defaults] Section\n\n"
    "To set \"Notes Selections\":\n     Use the [Notes] Section";
inline constexpr const char* kTermsSelections =
    "\"Terms Selections\" can only be edited in the INI file.\n     C\\Windows\\CorvOstry.ini\n\n"
    "To set the default \"Terms Selection\":\n   Use the \"Terms\" Entry in the [Defaults] Section\n\n"
    "To set \"Terms Selections\":\n     Use the [Terms] Section";
inline constexpr const char* kWordsAboveSelections =
    "\"Words Above Selections\" can only be edited in the INI file.\n     C\\Windows\\CorvOstry.ini\n\n"
    "To set \"Words Above Selections\":\n     Use the [WordsAbove] Section\n\nThere is no Default \"Words "
    "Above\" Selection";
inline constexpr const char* kWordsBelowSelections =
    "\"Words Below Selections\" can only be edited in the INI file.\n     C\\Windows\\CorvOstry.ini\n\n"
    "To set \"Words Below Selections\":\n     Use the [WordsBelow] Section\n\nThere is no Default \"Words "
    "Below\" Selection";
// "The default \"<kind>\" text file is now set to \"" + name + kDefaultFileEnd + name + kDefaultFileEnd2
inline constexpr const char* kDefaultFileIntro = "The default \"Introduction\" text file is now set to \"";
inline constexpr const char* kDefaultFileNotes = "The default \"Notes\" text file is now set to \"";
inline constexpr const char* kDefaultFileTerms = "The default \"Terms\" text file is now set to \"";
inline constexpr const char* kDefaultFileMiddle = ".txt\"\n\nBut, for some reason, \"";
inline constexpr const char* kDefaultFileEnd = ".txt\" could not be opened.";

// Page kinds of the words page.
inline constexpr const char* kIntroduction = "Introduction";
inline constexpr const char* kNotes = "Notes";
inline constexpr const char* kTerms = "Terms";
inline constexpr const char* kWordsAbove = "Words Above";
inline constexpr const char* kWordsBelow = "Words Below";
}  // namespace ProjMsg
