// Every text that the quotation database shows the user: the questions
// before a change, the results after it and the failures. Pieces that are
// joined with numbers and names at run time are kept as the fixed parts.
#pragma once

namespace DbMsg {
// The name of the quotation database in the job writer's messages.
inline constexpr const char* kDatabaseName = "Database";

// Opening the database and checked recordsets.
inline constexpr const char* kCouldNotOpenDatabase = "Could not open Database";
inline constexpr const char* kOpenDatabaseFmt = "Open Database: %s";
inline constexpr const char* kOpenRecordSetFmt = "Open Record Set: %s";
inline constexpr const char* kOdbcFmt = "ODBC %s";
inline constexpr const char* kCouldNotOpenTable = "Could not open \"";  // + table
inline constexpr const char* kCouldNotOpenTableEnd = "\" Table";

// The column check: "\"" + column + one of these + table + kTableEnd...
inline constexpr const char* kFieldMustBeIncluded = "\" Field must be included in \"";
inline constexpr const char* kMissingEnd = "\" Table.";
inline constexpr const char* kFieldIn = "\" Field in \"";
inline constexpr const char* kIncorrectType = "\" Table has incorrect Type.";
inline constexpr const char* kIncorrectWidth = "\" Table has incorrect Width.";

// Storing a job; n is the job number, db the database name.
inline constexpr const char* kCouldNotOpenThe = "Could not open the ";  // + db
inline constexpr const char* kReplaceQuestion = "REPLACE \"Corv: ";     // + n + kInThe + db + "?"
inline constexpr const char* kInThe = "\" in the ";
inline constexpr const char* kQuestionEnd = "?";
inline constexpr const char* kCorvQuote = "\"Corv: ";                            // + n + ...
inline constexpr const char* kReplacedInThe = "\" Replaced in the ";             // + db
inline constexpr const char* kNotReplacedInThe = "\" was NOT Replaced in the ";  // + db
inline constexpr const char* kDeleteQuestion = "DELETE \"Corv: ";                // + n + kFromThe + db + "?"
inline constexpr const char* kFromThe = "\" from the ";
inline constexpr const char* kDeletedFromThe = "\" DELETED from the ";              // + db
inline constexpr const char* kNotDeletedFromThe = "\" was NOT DELETED from the ";   // + db
inline constexpr const char* kAddQuestion = "ADD this as a NEW Quotation to the ";  // + db + "?"
inline constexpr const char* kNewQuotation = "New Quotation \"Corv: ";  // + n + kWasAddedToThe + db
inline constexpr const char* kWasAddedToThe = "\" was ADDED to the ";
inline constexpr const char* kNotAdded = "New Quotation was NOT added to the ";  // + db
inline constexpr const char* kNoNewNumber = "Could Not Obtain a New CorvNumber";
inline constexpr const char* kDidNotUpdate = "Did NOT Update Database.";
// A value of a number column that is not a number: table, column, value.
inline constexpr const char* kNotANumberFmt =
    "The %s value \"%s\" is not a number:\n\"%s\"\n\nNothing was stored in the Database.";
// A text holding a NUL character (shown as \0): table, column, value.
inline constexpr const char* kNulCharacterFmt =
    "The %s value \"%s\" holds a NUL character:\n\"%s\"\n\nNothing was stored in the Database.";

// The job's title after a store.
inline constexpr const char* kTitleCorv = "Corv: ";
inline constexpr const char* kTitleQuoteNo = "  --  Quote No: ";
inline constexpr const char* kTitleRev = " Rev: ";
inline constexpr const char* kTitleVersion = "  --  Version: ";
inline constexpr const char* kTitleCountYes = "  --  Count: Yes";
inline constexpr const char* kTitleCountNo = "  --  Count: No";
// The job number (and title) of a job whose rows were deleted, and of one
// never stored.
inline constexpr const char* kDeletedNumber = "Deleted";
inline constexpr const char* kUnassignedNumber = "Unassigned";

// Storing a customer; n is the customer number.
inline constexpr const char* kCouldNotOpenCustomers = "Could not open the Customer database.";
inline constexpr const char* kUpdateCustomerQuestion = "Update Customer No: \"";  // + n + end
inline constexpr const char* kUpdateCustomerQuestionEnd = "\" in the Customer database?";
inline constexpr const char* kCustomerNo = "Customer No: \"";  // + n + one of:
inline constexpr const char* kCustomerUpdated = "\" Updated in the Customer database";
inline constexpr const char* kCustomerDeleted = "\" Deleted from the Customer database";
inline constexpr const char* kCustomerAdded = "\" Added to the Customer database";
inline constexpr const char* kDeleteCustomerQuestion = "DELETE Customer No: \"";  // + n + end
inline constexpr const char* kDeleteCustomerQuestionEnd = "\" from the Customer database?";
inline constexpr const char* kAddCustomerQuestion =
    "ADD as a NEW Customer to the Customer database?\nThis NEW Customer will have Customer No: \"";  // + n + "\""
inline constexpr const char* kDidNotUpdateCustomers = "Did NOT Update the Customer database.";

// Storing a representative office; n is the office number.
inline constexpr const char* kCouldNotOpenOffices = "Could not open the Offices database.";
inline constexpr const char* kUpdateOfficeQuestion = "Update Rep Office No: \"";  // + n + end
inline constexpr const char* kUpdateOfficeQuestionEnd = "\" in the Offices database?";
inline constexpr const char* kOfficeNo = "Rep Office No: \"";  // + n + updated/added
inline constexpr const char* kOfficeUpdated = "\" Updated in the Offices database";
inline constexpr const char* kOfficesNo = "Rep Offices No: \"";  // + n + deleted
inline constexpr const char* kOfficeDeleted = "\" Deleted from the Offices database";
inline constexpr const char* kOfficeAdded = "\" Added to the Offices database";
inline constexpr const char* kDeleteOfficeQuestion = "DELETE Rep Office No: \"";  // + n + end
inline constexpr const char* kDeleteOfficeQuestionEnd = "\" from the Offices database?";
inline constexpr const char* kAddOfficeQuestion =
    "ADD as a NEW Rep Office to the Offices database?\nThis NEW Rep Office will have Office No: \"";  // + n + "\""
inline constexpr const char* kDidNotUpdateOffices = "Did NOT Update the Offices database.";

inline constexpr const char* kQuote = "\"";
}  // namespace DbMsg

// The quotation finder and the loader.
namespace DbMsg {
inline constexpr const char* kNotInProjectTable = "\" NOT in Project Table.";  // "\"" + n + this
inline constexpr const char* kFindNeedsValue =
    "Before pressing this \"Find\" button, you must enter at least one value";
inline constexpr const char* kNotInDatabase = "NOT in Database";
inline constexpr const char* kOkNeedsFind = "Before pressing the \"OK\" Button, you must \"Find\" a Quote";
inline constexpr const char* kCurrentlyOpen = "You currently have Corv No: ";  // + n + kOpenInCorvantis
inline constexpr const char* kOpenInCorvantis = " OPEN in Corvantis.";
inline constexpr const char* kFirst300 = "First 300";
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";
}  // namespace DbMsg

// Stores of one quotation from several places; n is the job number, db the
// database name.
namespace DbMsg {
// The stored rows changed since this job last loaded or stored them:
// kCorvQuote + n + kChangedInThe + db + kChangedQuestionEnd.
inline constexpr const char* kChangedInThe = "\" was changed in the ";
inline constexpr const char* kChangedQuestionEnd =
    " by another store since you last loaded or stored it.\nREPLACE it anyway?";
// Another session held the job's rows longer than a store waits:
// kCorvQuote + n + kBeingStored, or kDatabaseBusy when adding a new job.
inline constexpr const char* kBeingStored =
    "\" is being stored from elsewhere just now.\n\nNothing was changed. Please try again in a moment.";
inline constexpr const char* kDatabaseBusy =
    "The Database is busy with a store from elsewhere just now.\n\n"
    "Nothing was changed. Please try again in a moment.";
}  // namespace DbMsg
