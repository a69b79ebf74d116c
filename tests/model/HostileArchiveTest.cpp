// Damaged or forged archives read through the model's classes: each must
// end in CArchiveException, never in a crash, a hang, a huge allocation or
// an object the rest of the program would misuse.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/core/Archive.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/model/ByteBuilder.h"

namespace {

constexpr int kNoFailure = -1;

// Reads one object of each given kind in turn; returns the archive
// exception's cause, or kNoFailure when everything was read.
int ReadFailure(const Bytes& bytes, std::initializer_list<const CRuntimeClass*> kinds) {
    CMemFile file(bytes.data(), bytes.size());
    CArchive ar(&file, CArchive::load);
    std::vector<std::unique_ptr<CObject>> objects;
    try {
        for (const CRuntimeClass* kind : kinds) objects.emplace_back(ar.ReadObject(kind));
    } catch (CArchiveException& e) {
        return e.m_cause;
    }
    return kNoFailure;
}

int ReadRecordAfterLayout(const Bytes& bytes) {
    return ReadFailure(bytes, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CRecord)});
}

// Name (S 5) and Price (N 7.2): layout object 2, descriptors 4 and 5.
ByteBuilder PairLayout(char secondType = 'N') {
    ByteBuilder b;
    b.NewClass("CTableStruct")
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
        .Byte(static_cast<unsigned char>(secondType))
        .Word(7)
        .Word(2)
        .Word(8)
        .Word(0);
    return b;
}

// After PairLayout: class CRecord 6, record 7, class CAlphaField 8, field 9,
// class CNumberField 10, field 11.
ByteBuilder& GoodFields(ByteBuilder& b) {
    return b.NewClass("CAlphaField")
        .Ref(2)
        .Word(0)
        .Text("abc")
        .NewClass("CNumberField")
        .Ref(2)
        .Word(1)
        .Append(kDouble12_5);
}

Bytes GoodRecord() {
    ByteBuilder b = PairLayout();
    b.NewClass("CRecord").Word(2);
    GoodFields(b).Ref(2).Ref(0);
    return b;
}

TEST(HostileArchive, TheGoodRecordReads) { EXPECT_EQ(ReadRecordAfterLayout(GoodRecord()), kNoFailure); }

TEST(HostileArchive, EveryTruncationEndsTheFile) {
    const Bytes whole = GoodRecord();
    for (size_t n = 0; n < whole.size(); ++n) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(n));
        EXPECT_EQ(ReadRecordAfterLayout(cut), CArchiveException::endOfFile) << "cut at " << n;
    }
}

TEST(HostileArchive, TruncatedTableWithChildLines) {
    ByteBuilder b = PairLayout();
    b.NewClass("CTable").Word(1).NewClass("CRecord").Word(2);
    b.NewClass("CAlphaField")
        .Ref(2)
        .Word(0)
        .Text("abc")
        .NewClass("CNumberField")
        .Ref(2)
        .Word(1)
        .Append(kDouble12_5);
    b.Ref(2).KnownClass(6).Word(1).KnownClass(8).Word(2);
    b.KnownClass(10)
        .Ref(2)
        .Word(0)
        .Text("x")
        .KnownClass(12)
        .Ref(2)
        .Word(1)
        .Append(kDoubleEmpty)
        .Ref(2)
        .Ref(0);
    b.Ref(2).Ref(2);
    const Bytes whole = b;
    ASSERT_EQ(ReadFailure(whole, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTable)}), kNoFailure);
    for (size_t n = 0; n < whole.size(); ++n) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(n));
        EXPECT_EQ(ReadFailure(cut, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTable)}),
                  CArchiveException::endOfFile)
            << "cut at " << n;
    }
}

TEST(HostileArchive, UnknownClassName) {
    ByteBuilder b = PairLayout();
    b.NewClass("CRecordX").Word(2);
    GoodFields(b).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(b), CArchiveException::badClass);

    ByteBuilder field = PairLayout();
    field.NewClass("CRecord").Word(2).NewClass("CMoneyField").Ref(2).Word(0);
    EXPECT_EQ(ReadRecordAfterLayout(field), CArchiveException::badClass);
}

TEST(HostileArchive, SchemaOtherThanOne) {
    const Bytes descSchema2 = ByteBuilder()
                                  .NewClass("CTableStruct")
                                  .Word(1)
                                  .NewClass("CFieldDesc", 2)
                                  .Text("A")
                                  .Byte('S')
                                  .Word(1)
                                  .Word(0)
                                  .Word(1)
                                  .Word(0);
    EXPECT_EQ(ReadFailure(descSchema2, {RUNTIME_CLASS(CTableStruct)}), CArchiveException::badSchema);

    ByteBuilder b = PairLayout();
    b.NewClass("CRecord", 0).Word(2);
    GoodFields(b).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(b), CArchiveException::badSchema);
}

TEST(HostileArchive, ReferencesToIndexesThatDoNotExist) {
    // The field's layout points past everything read so far.
    ByteBuilder b = PairLayout();
    b.NewClass("CRecord").Word(2).NewClass("CAlphaField").Ref(0x63).Word(0).Text("abc");
    EXPECT_EQ(ReadRecordAfterLayout(b), CArchiveException::badIndex);

    // A new object of a class index never given.
    ByteBuilder c = PairLayout();
    c.NewClass("CRecord").Word(1).KnownClass(0x50);
    EXPECT_EQ(ReadRecordAfterLayout(c), CArchiveException::badIndex);

    // The record's layout points at a class entry, not an object.
    ByteBuilder d = PairLayout();
    d.NewClass("CRecord").Word(2);
    GoodFields(d).Ref(1).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(d), CArchiveException::badIndex);

    // A field index outside the layout.
    ByteBuilder e = PairLayout();
    e.NewClass("CRecord").Word(1).NewClass("CAlphaField").Ref(2).Word(2).Text("abc");
    EXPECT_EQ(ReadRecordAfterLayout(e), CArchiveException::badIndex);

    // A layout that is not read before the field that points at it.
    const Bytes f = ByteBuilder()
                        .NewClass("CRecord")
                        .Word(1)
                        .NewClass("CAlphaField")
                        .NewClass("CTableStruct")
                        .Word(0)
                        .Word(0)
                        .Text("");
    EXPECT_EQ(ReadFailure(f, {RUNTIME_CLASS(CRecord)}), CArchiveException::badIndex);
}

TEST(HostileArchive, OwnedObjectsAreNeverSharedOrMissing) {
    // The second field refers back to the first: it would be owned twice.
    ByteBuilder b = PairLayout();
    b.NewClass("CRecord").Word(2).NewClass("CAlphaField").Ref(2).Word(0).Text("abc").Ref(9).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(b), CArchiveException::badIndex);

    // A null field.
    ByteBuilder c = PairLayout();
    c.NewClass("CRecord").Word(1).Ref(0).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(c), CArchiveException::badIndex);
}

TEST(HostileArchive, ObjectOfAnotherClassWhereAKindIsExpected) {
    // A component among a layout's descriptors.
    const Bytes a =
        ByteBuilder().NewClass("CTableStruct").Word(1).NewClass("CComponent").Text("A").Word(0).Word(0);
    EXPECT_EQ(ReadFailure(a, {RUNTIME_CLASS(CTableStruct)}), CArchiveException::badClass);

    // The record's layout is a descriptor.
    ByteBuilder b = PairLayout();
    b.NewClass("CRecord").Word(2);
    GoodFields(b).Ref(4).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(b), CArchiveException::badClass);

    // A field's layout is a descriptor.
    ByteBuilder c = PairLayout();
    c.NewClass("CRecord").Word(1).NewClass("CAlphaField").Ref(5).Word(0).Text("");
    EXPECT_EQ(ReadRecordAfterLayout(c), CArchiveException::badClass);

    // A field where a table's record belongs.
    ByteBuilder d = PairLayout();
    d.NewClass("CTable").Word(1).NewClass("CAlphaField").Ref(2).Word(0).Text("");
    EXPECT_EQ(ReadFailure(d, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTable)}),
              CArchiveException::badClass);

    // A record where the child table belongs.
    ByteBuilder e = PairLayout();
    e.NewClass("CRecord").Word(2);
    GoodFields(e).Ref(2).KnownClass(6).Word(0).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(e), CArchiveException::badClass);

    // A table where a layout is expected.
    const Bytes f = ByteBuilder().NewClass("CTable").Word(0).Ref(0);
    EXPECT_EQ(ReadFailure(f, {RUNTIME_CLASS(CTableStruct)}), CArchiveException::badClass);

    // A component among a technical description's components.
    ByteBuilder g;
    g.NewClass("CTableStruct")
        .Word(1)
        .NewClass("CFieldDesc")
        .Text("Tech")
        .Byte('T')
        .Word(80)
        .Word(0)
        .Word(62)
        .Word(0);
    g.NewClass("CRecord")
        .Word(1)
        .NewClass("CTechField")
        .Ref(2)
        .Word(0)
        .Word(1)
        .NewClass("CFieldDesc")
        .Text("");
    EXPECT_EQ(ReadRecordAfterLayout(g), CArchiveException::badClass);
}

TEST(HostileArchive, RecordFieldCountMustMatchItsLayout) {
    ByteBuilder fewer = PairLayout();
    fewer.NewClass("CRecord").Word(1).NewClass("CAlphaField").Ref(2).Word(0).Text("abc").Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(fewer), CArchiveException::genericException);

    ByteBuilder more = PairLayout();
    more.NewClass("CRecord").Word(3);
    GoodFields(more).KnownClass(10).Ref(2).Word(1).Append(kDouble12_5).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(more), CArchiveException::genericException);

    ByteBuilder none = PairLayout();
    none.NewClass("CRecord").Word(0).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(none), CArchiveException::genericException);
}

TEST(HostileArchive, RecordFieldKindsMustMatchTheTypeLetters) {
    // Number where the text is and text where the number is.
    ByteBuilder swapped = PairLayout();
    swapped.NewClass("CRecord").Word(2);
    swapped.NewClass("CNumberField").Ref(2).Word(0).Append(kDouble12_5);
    swapped.NewClass("CAlphaField").Ref(2).Word(1).Text("abc").Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(swapped), CArchiveException::badClass);

    // The plain base class holds no value of any kind.
    ByteBuilder base = PairLayout();
    base.NewClass("CRecord").Word(2).NewClass("CField").Ref(2).Word(0);
    base.NewClass("CNumberField").Ref(2).Word(1).Append(kDouble12_5).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(base), CArchiveException::badClass);

    // A type letter that names no kind matches no field.
    ByteBuilder unknown = PairLayout('X');
    unknown.NewClass("CRecord").Word(2);
    GoodFields(unknown).Ref(2).Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(unknown), CArchiveException::badClass);
    EXPECT_EQ(ReadFailure(PairLayout('X'), {RUNTIME_CLASS(CTableStruct)}),
              kNoFailure);  // a layout alone may hold it
}

TEST(HostileArchive, RecordFieldsMustSitAtTheirOwnIndexOnTheRecordsLayout) {
    // Both fields claim index 0.
    ByteBuilder index = PairLayout('S');
    index.NewClass("CRecord").Word(2);
    index.NewClass("CAlphaField")
        .Ref(2)
        .Word(0)
        .Text("a")
        .KnownClass(8)
        .Ref(2)
        .Word(0)
        .Text("b")
        .Ref(2)
        .Ref(0);
    EXPECT_EQ(ReadRecordAfterLayout(index), CArchiveException::genericException);

    // Two layouts; the record is on the first, its fields on the second.
    // Second layout: class index 1 is CTableStruct, object 6, descriptors 7 and 8.
    ByteBuilder two = PairLayout();
    two.KnownClass(1).Word(2).KnownClass(3).Text("Name").Byte('S').Word(5).Word(0).Word(6).Word(0);
    two.KnownClass(3).Text("Price").Byte('N').Word(7).Word(2).Word(8).Word(0);
    two.NewClass("CRecord").Word(2).NewClass("CAlphaField").Ref(6).Word(0).Text("abc");
    two.NewClass("CNumberField").Ref(6).Word(1).Append(kDouble12_5).Ref(2).Ref(0);
    EXPECT_EQ(
        ReadFailure(two, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CRecord)}),
        CArchiveException::genericException);

    // A table on the second layout holding a record on the first.
    ByteBuilder table = PairLayout();
    table.KnownClass(1).Word(2).KnownClass(3).Text("Name").Byte('S').Word(5).Word(0).Word(6).Word(0);
    table.KnownClass(3).Text("Price").Byte('N').Word(7).Word(2).Word(8).Word(0);
    table.NewClass("CTable").Word(1).NewClass("CRecord").Word(2);
    table.NewClass("CAlphaField")
        .Ref(2)
        .Word(0)
        .Text("abc")
        .NewClass("CNumberField")
        .Ref(2)
        .Word(1)
        .Append(kDouble12_5);
    table.Ref(2).Ref(0).Ref(6);
    EXPECT_EQ(
        ReadFailure(table, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTable)}),
        CArchiveException::genericException);
}

TEST(HostileArchive, CountsLargerThanTheBytesLeft) {
    // A layout promising 0x7FFFFFFF descriptors.
    const Bytes layout = ByteBuilder().NewClass("CTableStruct").Word(0xFFFF).Raw({0xFF, 0xFF, 0xFF, 0x7F});
    EXPECT_EQ(ReadFailure(layout, {RUNTIME_CLASS(CTableStruct)}), CArchiveException::endOfFile);

    // A record promising 0xFFFE fields, a table 0xFFFFFFFF records.
    ByteBuilder record = PairLayout();
    record.NewClass("CRecord").Word(0xFFFE);
    GoodFields(record);
    EXPECT_EQ(ReadRecordAfterLayout(record), CArchiveException::endOfFile);
    ByteBuilder table = PairLayout();
    table.NewClass("CTable").Word(0xFFFF).Raw({0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(ReadFailure(table, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTable)}),
              CArchiveException::endOfFile);

    // A technical description promising 60000 components.
    ByteBuilder tech;
    tech.NewClass("CTableStruct")
        .Word(1)
        .NewClass("CFieldDesc")
        .Text("Tech")
        .Byte('T')
        .Word(80)
        .Word(0)
        .Word(62)
        .Word(0);
    tech.NewClass("CRecord")
        .Word(1)
        .NewClass("CTechField")
        .Ref(2)
        .Word(0)
        .Word(60000)
        .NewClass("CComponent")
        .Text("A")
        .Word(0)
        .Word(0);
    EXPECT_EQ(ReadRecordAfterLayout(tech), CArchiveException::endOfFile);

    // A text promising 0xFFFFFFFE bytes.
    ByteBuilder text = PairLayout();
    text.NewClass("CRecord")
        .Word(2)
        .NewClass("CAlphaField")
        .Ref(2)
        .Word(0)
        .Raw({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF})
        .Ascii("abc");
    EXPECT_EQ(ReadRecordAfterLayout(text), CArchiveException::endOfFile);
}

TEST(HostileArchive, DeeplyNestedChildTablesStop) {
    // Records owning child tables owning records, far deeper than any job.
    ByteBuilder b;
    b.NewClass("CTableStruct").Word(0);    // class 1, layout 2
    b.NewClass("CTable").Word(1);          // class 3, table 4
    b.NewClass("CRecord").Word(0).Ref(2);  // class 5
    const int depth = 200;
    for (int i = 0; i < depth; ++i) b.KnownClass(3).Word(1).KnownClass(5).Word(0).Ref(2);
    EXPECT_EQ(ReadFailure(b, {RUNTIME_CLASS(CTableStruct), RUNTIME_CLASS(CTable)}),
              CArchiveException::genericException);
}

}  // namespace
