// Line layouts: the two built-in layouts, the validation of a descriptor
// with its messages, and the look-ups by index and by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "model/ModelMessages.h"
#include "model/TableStruct.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

using Texts = std::vector<std::string>;

struct Expected {
    const char* name;
    char type;
    int length, precision, width, flag;
};

void ExpectLayout(const CTableStruct& layout, const std::vector<Expected>& fields) {
    ASSERT_EQ(layout.GetSize(), static_cast<int>(fields.size()));
    for (int i = 0; i < layout.GetSize(); ++i) {
        SCOPED_TRACE(fields[i].name);
        EXPECT_EQ(layout.GetFieldName(i), fields[i].name);
        EXPECT_EQ(layout.GetFieldType(i), fields[i].type);
        EXPECT_EQ(layout.GetFieldLength(i), fields[i].length);
        EXPECT_EQ(layout.GetFieldPrecision(i), fields[i].precision);
        EXPECT_EQ(layout.GetFieldWidth(i), fields[i].width);
        EXPECT_EQ(layout.GetFieldFlag(i), fields[i].flag);
    }
}

TEST(BuiltInLayout, SummaryHasItsTwentyEightFields) {
    MessageBoxRecorder boxes;
    CTableStruct summary(0);
    ExpectLayout(summary, {
                              {"Itm", 'S', 3, 0, 4, 0},
                              {"Qty", 'N', 4, 0, 5, 0},
                              {"Description", 'S', 28, 0, 30, 1},
                              {"Operator", 'S', 15, 0, 17, 0},
                              {"Cost", 'N', 10, 2, 11, 1},
                              {"List", 'N', 10, 2, 11, 1},
                              {"Detail Net", 'N', 10, 2, 11, 1},
                              {"Net", 'N', 10, 2, 11, 0},
                              {"Mult", 'N', 7, 4, 8, 0},
                              {"Margin", 'N', 7, 2, 8, 0},
                              {"FrtAmount", 'N', 10, 2, 11, 1},
                              {"Final", 'N', 10, 2, 11, 0},
                              {"Weight", 'N', 6, 0, 7, 1},
                              {"BuyOut", 'N', 10, 2, 11, 0},
                              {"Weeks", 'S', 5, 0, 7, 0},
                              {"Tag", 'S', 250, 0, 35, 0},
                              {"Service", 'S', 250, 0, 35, 0},
                              {"WordsAbove", 'W', 32000, 0, 15, 0},
                              {"WordsBelow", 'W', 32000, 0, 15, 0},
                              {"Comm", 'N', 7, 2, 8, 0},
                              {"Plant", 'S', 10, 0, 13, 0},
                              {"Product", 'S', 10, 0, 16, 0},
                              {"Size", 'S', 7, 0, 9, 0},
                              {"Type", 'S', 10, 0, 16, 0},
                              {"EC", 'S', 2, 0, 4, 0},
                              {"Class", 'S', 4, 0, 6, 0},
                              {"MC", 'S', 4, 0, 6, 0},
                              {"PC", 'S', 4, 0, 6, 0},
                          });
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(BuiltInLayout, DetailHasItsSixteenFieldsForEveryKindButZero) {
    MessageBoxRecorder boxes;
    const std::vector<Expected> detail = {
        {"Product", 'S', 10, 0, 14, 0},
        {"Technical Description", 'T', 80, 0, 62, 0},
        {"cost", 'N', 10, 2, 11, 0},
        {"list", 'N', 10, 2, 11, 0},
        {"net", 'N', 10, 2, 11, 0},
        {"mult", 'N', 7, 4, 8, 0},
        {"margin", 'N', 7, 2, 8, 0},
        {"weight", 'N', 6, 0, 7, 0},
        {"PartNumber", 'S', 20, 0, 22, 0},
        {"QuotePN", 'S', 20, 0, 22, 0},
        {"QuoteDescription", 'S', 250, 0, 50, 0},
        {"AltQuoteDescription", 'S', 250, 0, 50, 0},
        {"DrawingNo", 'S', 16, 0, 20, 0},
        {"DwgItem", 'S', 7, 0, 10, 0},
        {"QtyAssy", 'S', 7, 0, 10, 0},
        {"SecondPN", 'S', 20, 0, 22, 0},
    };
    for (int kind : {1, 2, -1}) {
        SCOPED_TRACE(kind);
        ExpectLayout(CTableStruct(kind), detail);
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(BuiltInLayout, NameLookUpsAreExactAndHaveTheirOwnDefaults) {
    CTableStruct summary(0), detail(1);
    EXPECT_EQ(summary.FindField("Net"), 7);
    EXPECT_EQ(summary.FindField("net"), -1);
    EXPECT_EQ(detail.FindField("net"), 4);
    EXPECT_EQ(summary.FindField("Product"), 21);
    EXPECT_EQ(detail.FindField("Product"), 0);
    EXPECT_EQ(summary.GetFieldWidthByName("Product"), 16);
    EXPECT_EQ(detail.GetFieldWidthByName("Product"), 14);
    EXPECT_EQ(summary.GetFieldPrecisionByName("Mult"), 4);
    EXPECT_EQ(summary.GetFieldLengthByName("Tag"), 250);

    EXPECT_EQ(summary.GetFieldLengthByName("Nowhere"), 32000);
    EXPECT_EQ(summary.GetFieldPrecisionByName("Nowhere"), 4);
    EXPECT_EQ(summary.GetFieldWidthByName("Nowhere"), 80);
    EXPECT_EQ(summary.FindField(""), -1);
}

TEST(BuiltInLayout, IndexOutsideTheLayoutIsAnInvalidArgument) {
    CTableStruct detail(1);
    EXPECT_THROW(detail.GetFieldDesc(-1), CInvalidArgException);
    EXPECT_THROW(detail.GetFieldDesc(16), CInvalidArgException);
    EXPECT_THROW(detail.GetFieldName(16), CInvalidArgException);
    EXPECT_THROW(detail.GetFieldType(-1), CInvalidArgException);
    EXPECT_THROW(detail.GetFieldLength(99), CInvalidArgException);
    EXPECT_THROW(detail.GetFieldPrecision(16), CInvalidArgException);
    EXPECT_THROW(detail.GetFieldWidth(16), CInvalidArgException);
    EXPECT_THROW(detail.GetFieldFlag(16), CInvalidArgException);
    EXPECT_NO_THROW(detail.GetFieldDesc(15));
}

TEST(BuiltInLayout, CopiesAreDeepAndSelfAssignmentKeepsTheLayout) {
    CTableStruct summary(0);
    CTableStruct copy(summary);
    ASSERT_EQ(copy.GetSize(), 28);
    EXPECT_NE(copy.GetFieldDesc(0), summary.GetFieldDesc(0));
    EXPECT_EQ(copy.GetFieldName(27), "PC");

    CTableStruct other(1);
    other = summary;
    EXPECT_EQ(other.GetSize(), 28);
    EXPECT_EQ(other.GetFieldName(8), "Mult");

    CTableStruct& same = other;
    other = same;
    EXPECT_EQ(other.GetSize(), 28);
    EXPECT_EQ(other.GetFieldName(27), "PC");
}

struct DescCase {
    const char* name;
    char type;
    int length, precision, width;
    // Results
    const char* wantName;
    char wantType;
    int wantLength, wantPrecision, wantWidth;
    Texts messages;
};

class DescriptorValidation : public ::testing::TestWithParam<DescCase> {};

TEST_P(DescriptorValidation, RefusalsShowTheirMessagesAndKeepTheFallback) {
    const DescCase& c = GetParam();
    MessageBoxRecorder boxes;
    CFieldDesc desc(c.name, c.type, c.length, c.precision, c.width, 7);
    EXPECT_EQ(desc.GetName(), c.wantName);
    EXPECT_EQ(desc.GetType(), c.wantType);
    EXPECT_EQ(desc.GetLength(), c.wantLength);
    EXPECT_EQ(desc.GetPrecision(), c.wantPrecision);
    EXPECT_EQ(desc.GetWidth(), c.wantWidth);
    EXPECT_EQ(desc.GetFlag(), 7);  // stored as given, never checked
    EXPECT_EQ(boxes.Texts(), c.messages);
    for (const auto& box : boxes.Shown()) EXPECT_EQ(box.type, 0u);
}

const std::string k25(25, 'a');
const std::string k26(26, 'b');

INSTANTIATE_TEST_SUITE_P(
    Cases, DescriptorValidation,
    ::testing::Values(
        DescCase{k25.c_str(), 'S', 5, 0, 5, k25.c_str(), 'S', 5, 0, 5, {}},
        DescCase{k26.c_str(), 'S', 5, 0, 5, "NONE", 'S', 5, 0, 5, {k26 + " is an invalid Field Name."}},
        DescCase{"", 'S', 5, 0, 5, "NONE", 'S', 5, 0, 5, {" is an invalid Field Name."}},
        // A date is always 10 long and 10 wide with no decimals, whatever is given.
        DescCase{"When", 'D', 3, 5, 99, "When", 'D', 10, 0, 10, {}},
        DescCase{
            "Big", 'N', 16, 2, 5, "Big", 'N', 1, 0, 5, {"Invalid Field Length.", "Invalid Field Precision."}},
        DescCase{"Mult", 'N', 7, 7, 8, "Mult", 'N', 7, 0, 8, {"Invalid Field Precision."}},
        DescCase{"Mult", 'N', 7, 6, 8, "Mult", 'N', 7, 6, 8, {}},
        DescCase{"Neg", 'N', 7, -1, 8, "Neg", 'N', 7, 0, 8, {"Invalid Field Precision."}},
        DescCase{
            "Zero", 'N', 0, 0, 16, "Zero", 'N', 1, 0, 1, {"Invalid Field Length.", "Invalid Column Width."}},
        DescCase{"Long", 'W', 32000, 3, 80, "Long", 'W', 32000, 0, 80, {}},
        DescCase{"TooLong",
                 'T',
                 32001,
                 0,
                 81,
                 "TooLong",
                 'T',
                 1,
                 0,
                 1,
                 {"Invalid Field Length.", "Invalid Column Width."}},
        DescCase{"Lower",
                 's',
                 5,
                 0,
                 5,
                 "Lower",
                 'X',
                 1,
                 0,
                 1,
                 {"Invalid Field Type.", "Invalid Field Length.", "Invalid Field Precision.",
                  "Invalid Column Width."}},
        DescCase{"",
                 'Q',
                 5,
                 0,
                 5,
                 "NONE",
                 'X',
                 1,
                 0,
                 1,
                 {" is an invalid Field Name.", "Invalid Field Type.", "Invalid Field Length.",
                  "Invalid Field Precision.", "Invalid Column Width."}}));

TEST(FieldDesc, SettersReportWhetherTheValueWasTaken) {
    MessageBoxRecorder boxes;
    CFieldDesc desc("Net", 'N', 10, 2, 11, 0);
    EXPECT_FALSE(desc.SetName(""));
    EXPECT_EQ(desc.GetName(), "NONE");
    EXPECT_TRUE(desc.SetName("Final"));
    EXPECT_FALSE(desc.SetLength(0));
    EXPECT_EQ(desc.GetLength(), 1);
    EXPECT_TRUE(desc.SetLength(15));
    EXPECT_TRUE(desc.SetPrecision(14));
    EXPECT_FALSE(desc.SetPrecision(15));
    EXPECT_EQ(desc.GetPrecision(), 0);
    EXPECT_FALSE(desc.SetWidth(16));
    EXPECT_EQ(desc.GetWidth(), 1);
    EXPECT_FALSE(desc.IsValidType('Z'));
    EXPECT_EQ(desc.GetType(), 'X');
    EXPECT_TRUE(desc.IsValidType('D'));
    EXPECT_TRUE(boxes.Shown().empty());  // only the validating constructor speaks
}

}  // namespace
