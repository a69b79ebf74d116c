// Field values: what each kind keeps of a text, the result it returns, and
// how it shows the value back.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/core/Exceptions.h"
#include "framework/core/OwnedObArray.h"
#include "model/AlphaField.h"
#include "model/DateField.h"
#include "model/NumberField.h"
#include "model/Record.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "model/WordsField.h"

namespace {

class FieldTest : public ::testing::Test {
protected:
    CTableStruct m_summary{0};
    CTableStruct m_detail{1};

    CNumberField Number(const char* name) { return CNumberField(&m_summary, m_summary.FindField(name)); }
};

struct NumberCase {
    const char* field;
    const char* typed;
    int result;
    const char* shown;
};

class NumberEntry : public FieldTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(NumberEntry, NormalisesToThePrecisionOrOverflows) {
    const NumberCase& c = GetParam();
    CNumberField field = Number(c.field);
    EXPECT_EQ(field.SetText(c.typed), c.result) << c.field << " <- '" << c.typed << "'";
    EXPECT_EQ(field.GetText(), c.shown) << c.field << " <- '" << c.typed << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberEntry,
    ::testing::Values(
        // Qty: length 4, precision 0
        NumberCase{"Qty", "12", 0, "12"}, NumberCase{"Qty", "12.0", 0, "12"},
        NumberCase{"Qty", "12345", 5, "****"}, NumberCase{"Qty", "3", 0, "3"},
        NumberCase{"Qty", "9999", 0, "9999"}, NumberCase{"Qty", "-999", 0, "-999"},
        NumberCase{"Qty", "-1000", 5, "****"}, NumberCase{"Qty", "****", 0, "****"},
        NumberCase{"Qty", "***", 5, "0"}, NumberCase{"Qty", "*****", 5, "0"},
        // Cost: length 10, precision 2
        NumberCase{"Cost", "100", 0, "100.00"}, NumberCase{"Cost", "1250", 0, "1250.00"},
        NumberCase{"Cost", "99.999", 5, "100.00"}, NumberCase{"Cost", "abc", 5, "0.00"},
        NumberCase{"Cost", "0", 0, "0.00"}, NumberCase{"Cost", "0.00", 0, "0.00"},
        NumberCase{"Cost", "1250.50", 0, "1250.50"}, NumberCase{"Cost", "1250.5", 0, "1250.50"},
        NumberCase{"Cost", " 12", 5, "12.00"}, NumberCase{"Cost", "12 ", 5, "12.00"},
        NumberCase{"Cost", "1e3", 5, "1000.00"}, NumberCase{"Cost", "9999999.99", 0, "9999999.99"},
        NumberCase{"Cost", "99999999.99", 5, "**********"}, NumberCase{"Cost", "**********", 0, "**********"},
        NumberCase{"Cost", "1e300", 5, "**********"}, NumberCase{"Cost", "inf", 5, "0.00"},
        NumberCase{"Cost", "nan", 5, "0.00"}, NumberCase{"Cost", "0x10", 5, "0.00"},
        NumberCase{"Cost", "", 0, ""},
        // Mult: length 7, precision 4
        NumberCase{"Mult", ".5", 0, "0.5000"}, NumberCase{"Mult", "0.5", 0, "0.5000"},
        NumberCase{"Mult", "123.4567", 5, "*******"}, NumberCase{"Mult", "12.34567", 5, "12.3457"},
        NumberCase{"Mult", "*******", 0, "*******"}, NumberCase{"Mult", "", 0, ""}));

TEST_F(FieldTest, NumberKeepsTheRoundedValueAndTheMarkers) {
    CNumberField cost = Number("Cost");
    EXPECT_EQ(cost.m_dValue, CNumberField::kEmpty);
    cost.SetText("99.999");
    EXPECT_EQ(cost.m_dValue, 100.0);
    cost.SetText("2.005e1");
    EXPECT_EQ(cost.m_dValue, 20.05);
    cost.SetText("123456789");
    EXPECT_EQ(cost.m_dValue, CNumberField::kOverflow);
    cost.SetText(cost.GetText());  // the overflow text reads back as overflow
    EXPECT_EQ(cost.m_dValue, CNumberField::kOverflow);
    cost.SetText("");
    EXPECT_EQ(cost.m_dValue, CNumberField::kEmpty);
}

TEST_F(FieldTest, NumberShowsAnUnshowableValueAsOverflow) {
    CNumberField cost = Number("Cost");
    cost.m_dValue = 1e30;  // only a damaged file holds such a value
    EXPECT_EQ(cost.GetText(), "**********");
    cost.m_dValue = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(cost.GetText(), "**********");
    cost.m_dValue = 12345678901.0;  // wider than the field but within the longest text
    EXPECT_EQ(cost.GetText(), "12345678901.00");
}

TEST_F(FieldTest, AlphaIsCutToItsLengthWordsStayWhole) {
    const std::string thirty = "123456789012345678901234567890";
    CAlphaField description(&m_summary, m_summary.FindField("Description"));
    EXPECT_EQ(description.SetText(thirty.c_str()), 0);
    EXPECT_EQ(description.GetText(), thirty.substr(0, 28).c_str());

    CWordsField words(&m_summary, m_summary.FindField("WordsAbove"));
    words.m_nIndentLeft = 5;
    words.m_nIndentRight = 10;
    EXPECT_EQ(words.SetText(thirty.c_str()), 0);
    EXPECT_EQ(words.GetText(), thirty.c_str());
    const std::string huge(40000, 'w');
    words.SetText(huge.c_str());
    EXPECT_EQ(words.GetText().GetLength(), 40000);
    EXPECT_EQ(words.m_nIndentLeft, 5);
    EXPECT_EQ(words.m_nIndentRight, 10);
}

TEST_F(FieldTest, DateFieldKeepsTheNormalisedDateOrNothing) {
    // The built-in layouts have no date field; a date field takes nothing
    // from its descriptor, so any position serves.
    CDateField date(&m_summary, 0);
    EXPECT_EQ(date.SetText("2/30/2004"), 3);
    EXPECT_EQ(date.GetText(), "");
    EXPECT_EQ(date.SetText("2/29/2004"), 0);
    EXPECT_EQ(date.GetText(), "02/29/2004");
    EXPECT_EQ(date.SetText("13/1/1"), 2);
    EXPECT_EQ(date.GetText(), "");
    EXPECT_EQ(date.SetText("1/1"), 1);
    EXPECT_EQ(date.SetText("1/1/"), 4);
    EXPECT_EQ(date.SetText(""), 0);
    EXPECT_EQ(date.GetText(), "");
}

TEST_F(FieldTest, TechFieldSetTextLeavesTheSelectionAlone) {
    CTechField tech(&m_detail, 1);
    tech.SetFileName("VALVES.DTA");
    tech.m_nFileNo = 3;
    tech.m_nStyle = 2;
    COwnedObArray parts;
    parts.Add(new CComponent("Body", 0, 4));
    parts.Add(new CComponent("Trim", 5, 3));
    tech.SetComponents(parts);

    const std::string ninety(90, 'd');
    EXPECT_EQ(tech.SetText(ninety.c_str()), 0);
    EXPECT_EQ(tech.GetText().GetLength(), 80);
    EXPECT_EQ(tech.GetFileName(), "VALVES.DTA");
    EXPECT_EQ(tech.m_nFileNo, 3);
    EXPECT_EQ(tech.m_nStyle, 2);
    ASSERT_EQ(tech.GetComponentCount(), 2);
    EXPECT_EQ(tech.GetComponentName(1), "Trim");
    EXPECT_EQ(tech.GetComponentStart(1), 5);
    EXPECT_EQ(tech.GetComponentLength(1), 3);
    CComponent one;
    tech.GetComponent(0, one);
    EXPECT_EQ(one.GetName(), "Body");
    EXPECT_EQ(one.m_nLength, 4);
}

TEST_F(FieldTest, TechFieldComponentsAreCopiedBothWaysAndBoundsChecked) {
    CTechField tech(&m_detail, 1);
    COwnedObArray given;
    given.Add(new CComponent("A", 1, 2));
    tech.SetComponents(given);
    static_cast<CComponent*>(given.GetAt(0))->SetName("changed");
    EXPECT_EQ(tech.GetComponentName(0), "A");  // a copy, not the caller's object

    COwnedObArray mine;
    mine.Add(new CComponent("old1", 0, 0));
    mine.Add(new CComponent("old2", 0, 0));
    tech.GetComponents(mine);  // the old objects are deleted (ASan would tell)
    ASSERT_EQ(mine.GetSize(), 1);
    EXPECT_EQ(static_cast<CComponent*>(mine.GetAt(0))->GetName(), "A");
    EXPECT_NE(mine.GetAt(0), given.GetAt(0));

    EXPECT_THROW(tech.GetComponentName(1), CInvalidArgException);
    EXPECT_THROW(tech.GetComponentStart(-1), CInvalidArgException);
    EXPECT_THROW(tech.GetComponentLength(1), CInvalidArgException);
    CComponent c;
    EXPECT_THROW(tech.GetComponent(1, c), CInvalidArgException);

    CTechField copy(tech);
    tech.SetComponents(CObArray());
    EXPECT_EQ(tech.GetComponentCount(), 0);
    EXPECT_EQ(copy.GetComponentCount(), 1);

    CTechField assigned(&m_detail, 1);
    assigned = copy;
    EXPECT_EQ(assigned.GetComponentName(0), "A");
    assigned = assigned;
    EXPECT_EQ(assigned.GetComponentCount(), 1);
}

TEST_F(FieldTest, BaseFieldAssignmentCopiesLayoutAndIndexOnly) {
    CAlphaField a(&m_summary, 0), b(&m_detail, 8);
    a.SetText("AB");
    b.SetText("partnumber");
    static_cast<CField&>(a) = static_cast<const CField&>(b);
    EXPECT_EQ(a.GetTableStruct(), &m_detail);
    EXPECT_EQ(a.GetIndex(), 8);
    EXPECT_EQ(a.GetText(), "AB");
    a = b;
    EXPECT_EQ(a.GetText(), "partnumber");

    CField plain;
    EXPECT_EQ(plain.SetText("x"), 0);
    EXPECT_EQ(plain.GetText(), "");
}

}  // namespace
