// Writes product data files (.dta) of both body forms, either from plain
// structures or from a readable text description. It depends on nothing of
// the program, so tests that read its files check the program's readers
// against an independent writer.
//
// The readable description, one statement per line ('#' starts a comment
// line; leading blanks are ignored; lists are separated by " | "):
//
//   form table | grouped
//   number <file number>
//
// Table form:
//   title <text>                 a line of the first title window
//   column <name>                starts the next column
//     caption <text>             makes it a choosing column (caption beside its left line)
//     initial <text>             the left line's text before anything is chosen (default empty)
//     heading <text>             a title line shown while the column is chosen
//     value <code> | <description> [| <adder>]
//                                a choice; adder: a price added by expand, or POA
//     component <name> <length> [at <start>]
//                                the column's place in the description line
//                                (default start: after the previous component and a blank)
//   price <column name>          the price column
//   row <cell> | <cell> | ...    one row, every column in order
//   expand                       one row per combination of the choosing columns' values
//     base <price>               the price before the adders
//     cell <column> = <template> {Column} is the row's code of that column, {price} the price
//     poa <column>=<code> ...    rows with all these codes get the price 9999999.99
//
// Grouped form:
//   columns <name> | <name> ...  the column names
//   price <column name>
//   title <text>
//   group <name>
//     cell <text>                a line shown when the group is picked
//     if <name> = <value> | ...  a condition
//     or[1-8] [= <value>]        an alternative marker
//     item <name>                an item line of the group
//       if / or                  the item's conditions
//       cells <cell> | ...       the item's cells
//       component <name> <start> <length>
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace productgen {

inline constexpr const char* kHeaderLine = "dta-File for CorvantisZoro Ver 6.0";
inline constexpr const char* kPoaPrice = "9999999.99";

struct Component {
    std::string name;
    int start = 0;
    int length = 0;
};

struct ChoiceSet {
    std::vector<std::string> list1, list2, list3;
};

struct TableFile {
    int fileNumber = 0;
    int priceColumn = 0;
    int cols = 0;
    ChoiceSet firstLevel;
    std::vector<ChoiceSet> sets;
    std::vector<Component> components;
    std::vector<std::string> columnNames;
    std::vector<std::vector<std::string>> rows;  // rows written as they stand
};

struct Condition {
    std::string name;
    std::vector<std::string> values;
};

struct Item {
    std::string name;
    std::vector<Condition> conditions;
    std::vector<std::string> cells;
    std::vector<Component> components;
};

struct Group {
    std::string name;
    std::vector<std::string> cells;
    std::vector<Condition> conditions;
    std::vector<Item> items;
};

struct GroupedFile {
    int fileNumber = 0;
    int priceColumn = 0;
    std::vector<std::string> columnNames;
    std::vector<std::string> titles;
    std::vector<Group> groups;
};

// Byte-level pieces, for tests that build files by hand.
void AppendLine(std::string& out, const std::string& text);  // text + 0x0A
void AppendInt(std::string& out, int value);                 // 4 bytes, little-endian

// The whole file: header line, file number, body.
std::string WriteTable(const TableFile& file);
std::string WriteGrouped(const GroupedFile& file);

struct Description {
    bool grouped = false;
    TableFile table;
    GroupedFile groups;
};

class DescriptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses a readable description; raises DescriptionError naming the line.
Description ParseDescription(const std::string& text);
std::string WriteDescription(const Description& description);

// Writes bytes to a file; raises std::runtime_error on failure.
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

}  // namespace productgen
