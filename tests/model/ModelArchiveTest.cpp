// Archive forms of the model's classes, compared byte for byte with
// archives spelled out by hand from the file format.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "framework/core/Archive.h"
#include "model/AlphaField.h"
#include "model/Component.h"
#include "model/DateField.h"
#include "model/NumberField.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "model/WordsField.h"
#include "tests/model/ByteBuilder.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

// Reads the objects from the bytes and checks that all bytes were used.
class Reader {
public:
    explicit Reader(const Bytes& bytes) : m_file(bytes.data(), bytes.size()), m_ar(&m_file, CArchive::load) {}
    template <class T>
    std::unique_ptr<T> Read(const CRuntimeClass* pClass) {
        return std::unique_ptr<T>(static_cast<T*>(m_ar.ReadObject(pClass)));
    }
    bool AtEnd() { return m_file.GetPosition() == m_file.GetLength(); }

private:
    CMemFile m_file;
    CArchive m_ar;
};

Bytes Store(std::initializer_list<const CObject*> objects) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    for (const CObject* p : objects) ar.WriteObject(p);
    ar.Close();
    return file.Data();
}

// A layout of one field of each kind: class CTableStruct is index 1, the
// layout 2, class CFieldDesc 3, the descriptors 4 to 8.
Bytes KindsLayout() {
    return ByteBuilder()
        .NewClass("CTableStruct")
        .Word(5)
        .NewClass("CFieldDesc")
        .Text("Name")
        .Byte('S')
        .Word(5)
        .Word(0)
        .Word(6)
        .Word(0)
        .KnownClass(3)
        .Text("Words")
        .Byte('W')
        .Word(32000)
        .Word(0)
        .Word(15)
        .Word(0)
        .KnownClass(3)
        .Text("Tech")
        .Byte('T')
        .Word(20)
        .Word(0)
        .Word(22)
        .Word(0)
        .KnownClass(3)
        .Text("Price")
        .Byte('N')
        .Word(7)
        .Word(2)
        .Word(8)
        .Word(1)
        .KnownClass(3)
        .Text("When")
        .Byte('D')
        .Word(10)
        .Word(0)
        .Word(10)
        .Word(0);
}

TEST(ModelArchive, FieldDescriptor) {
    const Bytes bytes =
        ByteBuilder().NewClass("CFieldDesc").Text("Cost").Byte('N').Word(10).Word(2).Word(11).Word(1);
    Reader in(bytes);
    auto desc = in.Read<CFieldDesc>(RUNTIME_CLASS(CFieldDesc));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(desc->GetName(), "Cost");
    EXPECT_EQ(desc->GetType(), 'N');
    EXPECT_EQ(desc->GetLength(), 10);
    EXPECT_EQ(desc->GetPrecision(), 2);
    EXPECT_EQ(desc->GetWidth(), 11);
    EXPECT_EQ(desc->GetFlag(), 1);
    EXPECT_EQ(Store({desc.get()}), bytes);
}

TEST(ModelArchive, DescriptorIsReadAsItStandsWithoutMessages) {
    MessageBoxRecorder boxes;
    const std::string longName(40, 'n');
    const Bytes bytes = ByteBuilder()
                            .NewClass("CFieldDesc")
                            .Text(longName)
                            .Byte('q')
                            .Word(0xFFFF)
                            .Word(0x8000)
                            .Word(0)
                            .Word(0xFFFF);
    Reader in(bytes);
    auto desc = in.Read<CFieldDesc>(RUNTIME_CLASS(CFieldDesc));
    EXPECT_EQ(desc->GetName(), longName.c_str());
    EXPECT_EQ(desc->GetType(), 'q');
    EXPECT_EQ(desc->GetLength(), 65535);  // widened without sign
    EXPECT_EQ(desc->GetPrecision(), 32768);
    EXPECT_EQ(desc->GetWidth(), 0);
    EXPECT_EQ(desc->GetFlag(), 65535);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Store({desc.get()}), bytes);
}

TEST(ModelArchive, SmallLayout) {
    const Bytes bytes = KindsLayout();
    Reader in(bytes);
    auto layout = in.Read<CTableStruct>(RUNTIME_CLASS(CTableStruct));
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(layout->GetSize(), 5);
    EXPECT_EQ(layout->GetFieldName(3), "Price");
    EXPECT_EQ(layout->GetFieldType(4), 'D');
    EXPECT_EQ(layout->GetFieldLength(1), 32000);
    EXPECT_EQ(layout->GetFieldPrecision(3), 2);
    EXPECT_EQ(layout->GetFieldWidth(2), 22);
    EXPECT_EQ(layout->GetFieldFlag(3), 1);
    EXPECT_EQ(Store({layout.get()}), bytes);
}

TEST(ModelArchive, BuiltInLayoutReadsBackUnchangedWithoutMessages) {
    CTableStruct summary(0);
    MessageBoxRecorder boxes;
    const Bytes bytes = Store({&summary});
    Reader in(bytes);
    auto back = in.Read<CTableStruct>(RUNTIME_CLASS(CTableStruct));
    ASSERT_EQ(back->GetSize(), 28);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(back->GetFieldName(i), summary.GetFieldName(i));
        EXPECT_EQ(back->GetFieldType(i), summary.GetFieldType(i));
        EXPECT_EQ(back->GetFieldLength(i), summary.GetFieldLength(i));
        EXPECT_EQ(back->GetFieldPrecision(i), summary.GetFieldPrecision(i));
        EXPECT_EQ(back->GetFieldWidth(i), summary.GetFieldWidth(i));
        EXPECT_EQ(back->GetFieldFlag(i), summary.GetFieldFlag(i));
    }
    EXPECT_TRUE(boxes.Shown().empty());
    // The first descriptor as the format spells it.
    const Bytes head = ByteBuilder()
                           .NewClass("CTableStruct")
                           .Word(28)
                           .NewClass("CFieldDesc")
                           .Text("Itm")
                           .Byte('S')
                           .Word(3)
                           .Word(0)
                           .Word(4)
                           .Word(0)
                           .KnownClass(3)
                           .Text("Qty");
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
}

TEST(ModelArchive, Component) {
    const Bytes bytes = ByteBuilder().NewClass("CComponent").Text("Size").Word(5).Word(3);
    Reader in(bytes);
    auto c = in.Read<CComponent>(RUNTIME_CLASS(CComponent));
    EXPECT_EQ(c->GetName(), "Size");
    EXPECT_EQ(c->m_nStart, 5);
    EXPECT_EQ(c->m_nLength, 3);
    EXPECT_EQ(Store({c.get()}), bytes);
}

TEST(ModelArchive, ComponentKeepsTheLow16BitsAndReadsThemWithoutSign) {
    CComponent c("Wide", 70000, 0xFFFF);
    const Bytes bytes = ByteBuilder().NewClass("CComponent").Text("Wide").Word(70000 & 0xFFFF).Word(0xFFFF);
    EXPECT_EQ(Store({&c}), bytes);
    Reader in(bytes);
    auto back = in.Read<CComponent>(RUNTIME_CLASS(CComponent));
    EXPECT_EQ(back->m_nStart, 4464);
    EXPECT_EQ(back->m_nLength, 65535);
}

// Reads the layout and one field after it, checks the field, writes both
// back and compares with the bytes.
void FieldRoundTrip(const Bytes& fieldBytes, const std::function<void(CField*)>& check,
                    const Bytes* written = nullptr) {
    const Bytes bytes = ByteBuilder().Append(KindsLayout()).Append(fieldBytes);
    Reader in(bytes);
    auto layout = in.Read<CTableStruct>(RUNTIME_CLASS(CTableStruct));
    auto field = in.Read<CField>(RUNTIME_CLASS(CField));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(field->GetTableStruct(), layout.get());
    check(field.get());
    const Bytes out = Store({layout.get(), field.get()});
    if (written)
        EXPECT_EQ(out, ByteBuilder().Append(KindsLayout()).Append(*written).Get());
    else
        EXPECT_EQ(out, bytes);
}

TEST(ModelArchive, AlphaField) {
    FieldRoundTrip(ByteBuilder().NewClass("CAlphaField").Ref(2).Word(0).Text("Valve"), [](CField* f) {
        ASSERT_TRUE(f->IsKindOf(RUNTIME_CLASS(CAlphaField)));
        EXPECT_EQ(f->GetIndex(), 0);
        EXPECT_EQ(f->GetText(), "Valve");
    });
}

TEST(ModelArchive, AlphaFieldIsCutToItsLengthWhenRead) {
    const Bytes cut = ByteBuilder().NewClass("CAlphaField").Ref(2).Word(0).Text("Valve");
    FieldRoundTrip(
        ByteBuilder().NewClass("CAlphaField").Ref(2).Word(0).Text("ValveBody"),
        [](CField* f) { EXPECT_EQ(f->GetText(), "Valve"); }, &cut);
}

TEST(ModelArchive, WordsField) {
    FieldRoundTrip(
        ByteBuilder().NewClass("CWordsField").Ref(2).Word(1).Text("Above the line").Word(10).Word(0xFFFF),
        [](CField* f) {
            ASSERT_TRUE(f->IsKindOf(RUNTIME_CLASS(CWordsField)));
            auto* w = static_cast<CWordsField*>(f);
            EXPECT_EQ(w->GetIndex(), 1);
            EXPECT_EQ(w->GetText(), "Above the line");
            EXPECT_EQ(w->m_nIndentLeft, 10);
            EXPECT_EQ(w->m_nIndentRight, 65535);
        });
}

TEST(ModelArchive, TechFieldWithComponents) {
    // After the layout: class CTechField 9, the field 10, class CComponent
    // 11, the components 12 and 13.
    FieldRoundTrip(ByteBuilder()
                       .NewClass("CTechField")
                       .Ref(2)
                       .Word(2)
                       .Word(2)
                       .NewClass("CComponent")
                       .Text("Body")
                       .Word(0)
                       .Word(4)
                       .KnownClass(11)
                       .Text("Trim")
                       .Word(5)
                       .Word(3)
                       .Text("Body Trim and more than twenty")  // read as it stands, uncut
                       .Text("VALVES.DTA")
                       .Word(3)
                       .Word(1),
                   [](CField* f) {
                       ASSERT_TRUE(f->IsKindOf(RUNTIME_CLASS(CTechField)));
                       auto* t = static_cast<CTechField*>(f);
                       EXPECT_EQ(t->GetText(), "Body Trim and more than twenty");
                       EXPECT_EQ(t->GetFileName(), "VALVES.DTA");
                       EXPECT_EQ(t->m_nFileNo, 3);
                       EXPECT_EQ(t->m_nStyle, 1);
                       ASSERT_EQ(t->GetComponentCount(), 2);
                       EXPECT_EQ(t->GetComponentName(1), "Trim");
                       EXPECT_EQ(t->GetComponentStart(1), 5);
                       EXPECT_EQ(t->GetComponentLength(0), 4);
                   });
}

TEST(ModelArchive, NumberFieldKeepsItsEightBytesMarkersIncluded) {
    const Bytes nanBits = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x7F};
    for (const Bytes* value : {&kDouble12_5, &kDoubleEmpty, &kDoubleOverflow, &nanBits}) {
        FieldRoundTrip(ByteBuilder().NewClass("CNumberField").Ref(2).Word(3).Append(*value), [&](CField* f) {
            ASSERT_TRUE(f->IsKindOf(RUNTIME_CLASS(CNumberField)));
            const double d = static_cast<CNumberField*>(f)->m_dValue;
            EXPECT_EQ(std::memcmp(&d, value->data(), 8), 0);
        });
    }
}

TEST(ModelArchive, NumberFieldMarkersShowAsEmptyAndAsterisks) {
    FieldRoundTrip(ByteBuilder().NewClass("CNumberField").Ref(2).Word(3).Append(kDoubleOverflow),
                   [](CField* f) { EXPECT_EQ(f->GetText(), "*******"); });
    FieldRoundTrip(ByteBuilder().NewClass("CNumberField").Ref(2).Word(3).Append(kDoubleEmpty),
                   [](CField* f) { EXPECT_EQ(f->GetText(), ""); });
    FieldRoundTrip(ByteBuilder().NewClass("CNumberField").Ref(2).Word(3).Append(kDouble12_5),
                   [](CField* f) { EXPECT_EQ(f->GetText(), "12.50"); });
}

TEST(ModelArchive, DateFieldIsReadWithoutNormalising) {
    FieldRoundTrip(ByteBuilder().NewClass("CDateField").Ref(2).Word(4).Text("02/29/2004"),
                   [](CField* f) { EXPECT_EQ(f->GetText(), "02/29/2004"); });
    FieldRoundTrip(ByteBuilder().NewClass("CDateField").Ref(2).Word(4).Text("1/2/3"),
                   [](CField* f) { EXPECT_EQ(f->GetText(), "1/2/3"); });
}

TEST(ModelArchive, RecordWithEveryKind) {
    // After the layout: class CRecord 9, the record 10, then each field's
    // class and object (11 to 20).
    const Bytes bytes = ByteBuilder()
                            .Append(KindsLayout())
                            .NewClass("CRecord")
                            .Word(5)
                            .NewClass("CAlphaField")
                            .Ref(2)
                            .Word(0)
                            .Text("abc")
                            .NewClass("CWordsField")
                            .Ref(2)
                            .Word(1)
                            .Text("w")
                            .Word(1)
                            .Word(2)
                            .NewClass("CTechField")
                            .Ref(2)
                            .Word(2)
                            .Word(0)
                            .Text("")
                            .Text("")
                            .Word(0)
                            .Word(0)
                            .NewClass("CNumberField")
                            .Ref(2)
                            .Word(3)
                            .Append(kDouble12_5)
                            .NewClass("CDateField")
                            .Ref(2)
                            .Word(4)
                            .Text("")
                            .Ref(2)
                            .Ref(0);
    Reader in(bytes);
    auto layout = in.Read<CTableStruct>(RUNTIME_CLASS(CTableStruct));
    auto record = in.Read<CRecord>(RUNTIME_CLASS(CRecord));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(record->GetTableStruct(), layout.get());
    EXPECT_EQ(record->GetChild(), nullptr);
    ASSERT_EQ(record->GetFieldCount(), 5);
    EXPECT_EQ(record->GetFieldByName("Name")->GetText(), "abc");
    EXPECT_EQ(record->GetFieldByName("Price")->GetText(), "12.50");
    EXPECT_EQ(static_cast<CWordsField*>(record->GetField(1))->m_nIndentRight, 2);
    EXPECT_EQ(Store({layout.get(), record.get()}), bytes);

    // A record built in memory on that layout writes the same form.
    CRecord built(layout.get());
    built.GetField(0)->SetText("abc");
    built.GetField(1)->SetText("w");
    static_cast<CWordsField*>(built.GetField(1))->m_nIndentLeft = 1;
    static_cast<CWordsField*>(built.GetField(1))->m_nIndentRight = 2;
    built.GetField(3)->SetText("12.5");
    EXPECT_EQ(Store({layout.get(), &built}), bytes);
}

// Name (S 5) and Price (N 7.2): class CTableStruct 1, layout 2, class
// CFieldDesc 3, descriptors 4 and 5.
Bytes PairLayout() {
    return ByteBuilder()
        .NewClass("CTableStruct")
        .Word(2)
        .NewClass("CFieldDesc")
        .Text("Name")
        .Byte('S')
        .Word(5)
        .Word(0)
        .Word(6)
        .Word(0)
        .KnownClass(3)
        .Text("Price")
        .Byte('N')
        .Word(7)
        .Word(2)
        .Word(8)
        .Word(0);
}

// A table of two lines; the first owns a child table of one line. Class
// CTable 6, table 7, class CRecord 8, record 9, class CAlphaField 10, field
// 11, class CNumberField 12, field 13, child table 14, its record 15 with
// fields 16 and 17, the second record 18 with fields 19 and 20.
Bytes PairTable() {
    return ByteBuilder()
        .NewClass("CTable")
        .Word(2)
        .NewClass("CRecord")
        .Word(2)
        .NewClass("CAlphaField")
        .Ref(2)
        .Word(0)
        .Text("abc")
        .NewClass("CNumberField")
        .Ref(2)
        .Word(1)
        .Append(kDouble12_5)
        .Ref(2)
        .KnownClass(6)
        .Word(1)
        .KnownClass(8)
        .Word(2)
        .KnownClass(10)
        .Ref(2)
        .Word(0)
        .Text("x")
        .KnownClass(12)
        .Ref(2)
        .Word(1)
        .Append(kDoubleEmpty)
        .Ref(2)
        .Ref(0)
        .Ref(2)
        .KnownClass(8)
        .Word(2)
        .KnownClass(10)
        .Ref(2)
        .Word(0)
        .Text("")
        .KnownClass(12)
        .Ref(2)
        .Word(1)
        .Append(kDoubleOverflow)
        .Ref(2)
        .Ref(0)
        .Ref(2);
}

TEST(ModelArchive, TableWithAChildTable) {
    const Bytes bytes = ByteBuilder().Append(PairLayout()).Append(PairTable());
    Reader in(bytes);
    auto layout = in.Read<CTableStruct>(RUNTIME_CLASS(CTableStruct));
    auto table = in.Read<CTable>(RUNTIME_CLASS(CTable));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(table->GetTableStruct(), layout.get());
    ASSERT_EQ(table->GetSize(), 2);
    CRecord* first = table->GetRecord(0);
    EXPECT_EQ(first->GetField(0)->GetText(), "abc");
    EXPECT_EQ(first->GetField(1)->GetText(), "12.50");
    ASSERT_NE(first->GetChild(), nullptr);
    ASSERT_EQ(first->GetChild()->GetSize(), 1);
    EXPECT_EQ(first->GetChild()->GetTableStruct(), layout.get());
    EXPECT_EQ(first->GetChild()->GetRecord(0)->GetField(0)->GetText(), "x");
    EXPECT_EQ(first->GetChild()->GetRecord(0)->GetField(1)->GetText(), "");
    EXPECT_EQ(table->GetRecord(1)->GetField(1)->GetText(), "*******");
    EXPECT_EQ(table->GetRecord(1)->GetChild(), nullptr);
    EXPECT_EQ(Store({layout.get(), table.get()}), bytes);
}

TEST(ModelArchive, JobTableReadsBackOntoTheLayoutsWrittenBeforeIt) {
    CTableStruct summary(0), detail(1);
    CTable table(&summary);
    for (int i = 0; i < 3; ++i) {
        CRecord* line = table.AddRecord(&detail);
        line->GetFieldByName("Itm")->SetText(std::to_string(i + 1).c_str());
        line->GetFieldByName("Net")->SetText("1250");
        line->GetFieldByName("WordsAbove")->SetText("Words\r\nover two lines");
        for (int d = 0; d < i; ++d) {
            CRecord* part = line->GetChild()->AddRecord();
            part->GetFieldByName("Technical Description")->SetText("Tech");
            part->GetFieldByName("mult")->SetText(".5");
        }
    }
    const Bytes bytes = Store({&summary, &detail, &table});
    Reader in(bytes);
    auto summaryBack = in.Read<CTableStruct>(RUNTIME_CLASS(CTableStruct));
    auto detailBack = in.Read<CTableStruct>(RUNTIME_CLASS(CTableStruct));
    auto back = in.Read<CTable>(RUNTIME_CLASS(CTable));
    EXPECT_TRUE(in.AtEnd());
    ASSERT_EQ(back->GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        const CRecord* line = back->GetRecord(i);
        EXPECT_EQ(line->GetTableStruct(), summaryBack.get());
        for (int f = 0; f < 28; ++f)
            EXPECT_EQ(line->GetField(f)->GetText(), table.GetRecord(i)->GetField(f)->GetText());
        ASSERT_EQ(line->GetChild()->GetSize(), i);
        EXPECT_EQ(line->GetChild()->GetTableStruct(), detailBack.get());
        for (int d = 0; d < i; ++d) {
            EXPECT_EQ(line->GetChild()->GetRecord(d)->GetTableStruct(), detailBack.get());
            EXPECT_EQ(line->GetChild()->GetRecord(d)->GetFieldByName("mult")->GetText(), "0.5000");
        }
    }
    EXPECT_EQ(Store({summaryBack.get(), detailBack.get(), back.get()}), bytes);
}

}  // namespace
