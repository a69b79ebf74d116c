// The job file: its bytes, and jobs that come back unchanged from it.
// Expected bytes are spelled out here from the file format, not produced by
// the code under test.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/core/OwnedObArray.h"
#include "model/Component.h"
#include "model/FaceName.h"
#include "model/NewJobDefaults.h"
#include "model/TechField.h"
#include "model/WordsField.h"
#include "tests/model/DocTestSupport.h"
#include "tests/model/HeaderFields.h"

namespace {
const std::string kIdent = "Job File for CorvantisZoro Ver 6.0";

void Add(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }
void AddInt(Bytes& b, unsigned v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void AddShortText(Bytes& b, const std::string& s) {
    b.push_back(static_cast<unsigned char>(s.size()));
    Add(b, s);
}

// Position of the first occurrence of the pattern, or npos.
size_t Find(const Bytes& hay, const Bytes& needle, size_t from = 0) {
    if (needle.size() > hay.size()) return std::string::npos;
    for (size_t i = from; i + needle.size() <= hay.size(); ++i)
        if (std::memcmp(&hay[i], needle.data(), needle.size()) == 0) return i;
    return std::string::npos;
}

Bytes Slice(const Bytes& b, size_t pos, size_t n) { return Bytes(b.begin() + pos, b.begin() + pos + n); }
}  // namespace

TEST(JobFile, NewJobStartsWithTheIdentificationFontAndColour) {
    TestDoc doc;
    doc.InitNewJobData(CNewJobDefaults());
    const Bytes file = WriteJob(doc);

    Bytes expected = {0x22};
    Add(expected, kIdent);
    const unsigned char font[] = {0xF1, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                  0x00, 0x00, 0x00, 0x00, 0x00, 0x90, 0x01, 0x00, 0x00, 0x00, 0x00,
                                  0x00, 0x00, 0x03, 0x02, 0x01, 0x22, 0x41, 0x72, 0x69, 0x61, 0x6C};
    expected.insert(expected.end(), std::begin(font), std::end(font));
    expected.insert(expected.end(), 27, 0x00);
    expected.insert(expected.end(), 4, 0x00);
    ASSERT_EQ(expected.size(), 99u);
    ASSERT_GE(file.size(), 99u);
    EXPECT_EQ(Slice(file, 0, 99), expected);
    EXPECT_EQ(doc.FileIdent(), kIdent.c_str());

    // 28 empty texts, then the number "Unassigned".
    EXPECT_EQ(Slice(file, 99, 28), Bytes(28, 0x00));
    Bytes number = {0x0A};
    Add(number, "Unassigned");
    EXPECT_EQ(Slice(file, 127, 11), number);

    // 155 texts (all empty but the number), QuoteCount and the six indents,
    // 20 doubles and 20 integers, so the first object starts at 531 and
    // brings in the class CTableStruct.
    Bytes firstObject = {0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00};
    Add(firstObject, "CTableStruct");
    EXPECT_EQ(Slice(file, 531, firstObject.size()), firstObject);
}

TEST(JobFile, HeaderFieldsStandInDeclarationOrder) {
    TestDoc doc;
    doc.InitNewJobData(CNewJobDefaults());
    for (const HeaderField& f : kFields) (doc.*f.set)(f.name);
    doc.SetRate("FreightRate");
    doc.SetQuoteCount(0x11);
    doc.SetIntroIndLeft(0x21);
    doc.SetIntroIndRight(0x22);
    doc.SetQNotesIndLeft(0x31);
    doc.SetQNotesIndRight(0x32);
    doc.SetTermsIndLeft(0x41);
    doc.SetTermsIndRight(0x42);
    const Bytes file = WriteJob(doc);

    Bytes expected;
    for (const HeaderField& f : kFields) {
        const std::string name = f.name;
        if (name == "QuoteDate") AddInt(expected, 0x11);
        if (name == "Intro") {
            AddInt(expected, 0x21);
            AddInt(expected, 0x22);
        }
        if (name == "QNotes") {
            AddInt(expected, 0x31);
            AddInt(expected, 0x32);
        }
        if (name == "Terms") {
            AddInt(expected, 0x41);
            AddInt(expected, 0x42);
        }
        AddShortText(expected, f.width ? name.substr(0, static_cast<size_t>(f.width)) : name);
        if (name == "Shipping") AddShortText(expected, "FreightRate");
    }
    ASSERT_GE(file.size(), 99 + expected.size());
    EXPECT_EQ(Slice(file, 99, expected.size()), expected);
}

TEST(JobFile, TextsTakeTheirLengthForms) {
    TestDoc doc;
    doc.InitNewJobData(CNewJobDefaults());
    doc.SetIntroIndLeft(0x0A0B0C0D);
    doc.SetIntro(CString('a', 254));
    doc.SetQNotesIndLeft(0x0E0F1011);
    doc.SetQNotes(CString('b', 255));
    doc.SetTermsIndLeft(0x12131415);
    doc.SetTerms(CString('c', 70000));
    doc.SetExptAwardDate("EXPT");
    doc.SetNotes(CString('n', 32000));
    const Bytes file = WriteJob(doc);

    // Intro: one length byte 0xFE.
    size_t at = Find(file, {0x0D, 0x0C, 0x0B, 0x0A, 0x00, 0x00, 0x00, 0x00});
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(file[at + 8], 0xFE);
    EXPECT_EQ(Slice(file, at + 9, 254), Bytes(254, 'a'));
    EXPECT_EQ(Slice(file, at + 9 + 254, 4), (Bytes{0x11, 0x10, 0x0F, 0x0E}));  // QNotesIndLeft follows
    // QNotes: 0xFF and the 16-bit length 255.
    at = Find(file, {0x11, 0x10, 0x0F, 0x0E, 0x00, 0x00, 0x00, 0x00});
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Slice(file, at + 8, 3), (Bytes{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(Slice(file, at + 11, 255), Bytes(255, 'b'));
    // Terms of 70000 bytes: 0xFF, 0xFFFF and a 32-bit length.
    at = Find(file, {0x15, 0x14, 0x13, 0x12, 0x00, 0x00, 0x00, 0x00});
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Slice(file, at + 8, 7), (Bytes{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
    EXPECT_EQ(Slice(file, at + 15, 70000), Bytes(70000, 'c'));
    // Notes of 32000 bytes: 0xFF and the 16-bit length 0x7D00.
    at = Find(file, {0x04, 'E', 'X', 'P', 'T'});
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Slice(file, at + 5, 3), (Bytes{0xFF, 0x00, 0x7D}));
    EXPECT_EQ(Slice(file, at + 8, 32000), Bytes(32000, 'n'));

    TestDoc back;
    ReadJob(back, file);
    EXPECT_EQ(back.GetIntro(), CString('a', 254));
    EXPECT_EQ(back.GetQNotes(), CString('b', 255));
    EXPECT_EQ(back.GetTerms(), CString('c', 70000));
    EXPECT_EQ(back.GetNotes(), CString('n', 32000));
}

namespace {
// A job with every kind of content: all header fields, reserve fields, a
// font with bytes after its terminator, several Summary lines with Detail
// lines, words with indents, technical descriptions with components, dates
// and the number markers.
void FillJob(TestDoc& doc) {
    doc.InitNewJobData(CNewJobDefaults());
    int n = 0;
    for (const HeaderField& f : kFields) {
        CString value;
        value.Format("%s %d", f.name, ++n);
        (doc.*f.set)(value);
    }
    doc.SetIntro("Intro line 1\r\nIntro line 2");
    doc.SetRate("12.50");
    doc.SetQuoteCount(1);
    doc.SetIntroIndLeft(5);
    doc.SetIntroIndRight(6);
    doc.SetQNotesIndLeft(7);
    doc.SetQNotesIndRight(8);
    doc.SetTermsIndLeft(-9);
    doc.SetTermsIndRight(100);
    for (int i = 0; i < CCorvDoc::kSpareTexts; ++i) doc.SpareText(i).Format("spare %d", i);
    for (int i = 0; i < CCorvDoc::kSpareDoubles; ++i) doc.SpareDouble(i) = i * 1.25 - 3;
    for (int i = 0; i < CCorvDoc::kSpareInts; ++i) doc.SpareInt(i) = i * 1000 - 7;

    LOGFONT lf = doc.m_lfFont;
    lf.lfHeight = -13;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    std::memset(lf.lfFaceName, 0, sizeof(lf.lfFaceName));
    std::memcpy(lf.lfFaceName, "Times New Roman", 15);
    lf.lfFaceName[25] = 'q';  // after the terminator: kept for the file
    doc.SetFont(lf);
    doc.SetFontColor(RGB(10, 20, 30));

    CTable* t = doc.m_pTable;
    for (int line = 0; line < 3; ++line) {
        if (line > 0) t->AddRecord(doc.m_pDetailStruct);
        CString s;
        s.Format("%d", line + 1);
        Put(t, line, "Itm", s);
        Put(t, line, "Qty", line == 2 ? "" : "3");
        Put(t, line, "Description", "Ball valve");
        Put(t, line, "Net", line == 1 ? "**********" : "1234.56");
        Put(t, line, "Mult", "0.4567");
        Put(t, line, "Tag", "FV-101");
        Put(t, line, "WordsAbove", "Words above\r\nsecond line");
        auto* above = static_cast<CWordsField*>(t->GetRecord(line)->GetFieldByName("WordsAbove"));
        above->m_nIndentLeft = 10 + line;
        above->m_nIndentRight = 20;
        auto* below = static_cast<CWordsField*>(t->GetRecord(line)->GetFieldByName("WordsBelow"));
        below->SetText(CString('w', 300));
        below->m_nIndentRight = 3;

        CTable* d = t->GetRecord(line)->GetChild();
        for (int k = 0; k < line + 1; ++k) {
            d->AddRecord();
            Put(d, k, "Product", "VALVE");
            Put(d, k, "cost", "10.5");
            Put(d, k, "weight", "12");
            Put(d, k, "QuoteDescription", "2\" ball valve");
            auto* tech = static_cast<CTechField*>(d->GetRecord(k)->GetFieldByName("Technical Description"));
            tech->SetText("2-150-SS-RF");
            tech->SetFileName("BALL.DTA");
            tech->m_nFileNo = 7 + k;
            tech->m_nStyle = 2;
            COwnedObArray parts;
            parts.Add(new CComponent("Size", 0, 1));
            parts.Add(new CComponent("Class", 2, 3));
            parts.Add(new CComponent("Body", 6, 2));
            tech->SetComponents(parts);
        }
    }
}

void ExpectSameLines(CTable* a, CTable* b) {
    ASSERT_EQ(a->GetSize(), b->GetSize());
    for (int r = 0; r < a->GetSize(); ++r) {
        CRecord* ra = a->GetRecord(r);
        CRecord* rb = b->GetRecord(r);
        ASSERT_EQ(ra->GetFieldCount(), rb->GetFieldCount());
        for (int f = 0; f < ra->GetFieldCount(); ++f) {
            CField* fa = ra->GetField(f);
            CField* fb = rb->GetField(f);
            EXPECT_EQ(fa->GetRuntimeClass(), fb->GetRuntimeClass());
            EXPECT_EQ(fa->GetText(), fb->GetText()) << "row " << r << " field " << f;
            if (auto* wa = dynamic_cast<CWordsField*>(fa)) {
                auto* wb = static_cast<CWordsField*>(fb);
                EXPECT_EQ(wa->m_nIndentLeft, wb->m_nIndentLeft);
                EXPECT_EQ(wa->m_nIndentRight, wb->m_nIndentRight);
            }
            if (auto* ta = dynamic_cast<CTechField*>(fa)) {
                auto* tb = static_cast<CTechField*>(fb);
                EXPECT_EQ(ta->GetFileName(), tb->GetFileName());
                EXPECT_EQ(ta->m_nFileNo, tb->m_nFileNo);
                EXPECT_EQ(ta->m_nStyle, tb->m_nStyle);
                ASSERT_EQ(ta->GetComponentCount(), tb->GetComponentCount());
                for (int c = 0; c < ta->GetComponentCount(); ++c) {
                    EXPECT_EQ(ta->GetComponentName(c), tb->GetComponentName(c));
                    EXPECT_EQ(ta->GetComponentStart(c), tb->GetComponentStart(c));
                    EXPECT_EQ(ta->GetComponentLength(c), tb->GetComponentLength(c));
                }
            }
        }
        ASSERT_EQ(ra->GetChild() != nullptr, rb->GetChild() != nullptr);
        if (ra->GetChild()) ExpectSameLines(ra->GetChild(), rb->GetChild());
    }
}

void ExpectSameLayout(const CTableStruct& a, const CTableStruct& b) {
    ASSERT_EQ(a.GetSize(), b.GetSize());
    for (int i = 0; i < a.GetSize(); ++i) {
        EXPECT_EQ(a.GetFieldName(i), b.GetFieldName(i));
        EXPECT_EQ(a.GetFieldType(i), b.GetFieldType(i));
        EXPECT_EQ(a.GetFieldLength(i), b.GetFieldLength(i));
        EXPECT_EQ(a.GetFieldPrecision(i), b.GetFieldPrecision(i));
        EXPECT_EQ(a.GetFieldWidth(i), b.GetFieldWidth(i));
        EXPECT_EQ(a.GetFieldFlag(i), b.GetFieldFlag(i));
    }
}

void ExpectSameJob(TestDoc& a, TestDoc& b) {
    for (const HeaderField& f : kFields) EXPECT_EQ((a.*f.get)(), (b.*f.get)()) << f.name;
    EXPECT_EQ(a.GetFreightRate(), b.GetFreightRate());
    EXPECT_EQ(a.m_nQuoteCount, b.m_nQuoteCount);
    EXPECT_EQ(a.m_nIntroIndLeft, b.m_nIntroIndLeft);
    EXPECT_EQ(a.m_nIntroIndRight, b.m_nIntroIndRight);
    EXPECT_EQ(a.m_nQNotesIndLeft, b.m_nQNotesIndLeft);
    EXPECT_EQ(a.m_nQNotesIndRight, b.m_nQNotesIndRight);
    EXPECT_EQ(a.m_nTermsIndLeft, b.m_nTermsIndLeft);
    EXPECT_EQ(a.m_nTermsIndRight, b.m_nTermsIndRight);
    for (int i = 0; i < CCorvDoc::kSpareTexts; ++i) EXPECT_EQ(a.SpareText(i), b.SpareText(i));
    for (int i = 0; i < CCorvDoc::kSpareDoubles; ++i) EXPECT_EQ(a.SpareDouble(i), b.SpareDouble(i));
    for (int i = 0; i < CCorvDoc::kSpareInts; ++i) EXPECT_EQ(a.SpareInt(i), b.SpareInt(i));
    EXPECT_EQ(std::memcmp(&a.m_lfFont, &b.m_lfFont, sizeof(LOGFONT)), 0);
    EXPECT_EQ(a.m_crFontColor, b.m_crFontColor);
    ExpectSameLayout(*a.m_pSummaryStruct, *b.m_pSummaryStruct);
    ExpectSameLayout(*a.m_pDetailStruct, *b.m_pDetailStruct);
    ExpectSameLines(a.m_pTable, b.m_pTable);
}
}  // namespace

TEST(JobFile, AFullJobComesBackUnchangedAndWritesTheSameBytes) {
    TestDoc job;
    FillJob(job);
    const Bytes first = WriteJob(job);

    TestDoc back;
    ReadJob(back, first);
    EXPECT_TRUE(back.m_bLoadedOk);
    EXPECT_EQ(back.FileIdent(), kIdent.c_str());
    ExpectSameJob(job, back);
    EXPECT_EQ(back.m_lfFont.lfFaceName[25], 'q');
    EXPECT_EQ(FaceNameOf(back.m_lfFont), "Times New Roman");

    // Every layout reference inside the table is one of the two layouts.
    ASSERT_EQ(back.m_pTable->GetSize(), 3);
    EXPECT_EQ(back.m_pTable->GetTableStruct(), back.m_pSummaryStruct);
    CRecord* line = back.m_pTable->GetRecord(2);
    EXPECT_EQ(line->GetTableStruct(), back.m_pSummaryStruct);
    ASSERT_EQ(line->GetChild()->GetSize(), 3);
    EXPECT_EQ(line->GetChild()->GetRecord(2)->GetTableStruct(), back.m_pDetailStruct);
    EXPECT_EQ(line->GetField(5)->GetTableStruct(), back.m_pSummaryStruct);

    EXPECT_EQ(WriteJob(back), first);
}

TEST(JobFile, ReadingReplacesTheLinesAJobHeld) {
    TestDoc job;
    FillJob(job);
    const Bytes file = WriteJob(job);
    TestDoc other;
    other.InitNewJobData(CNewJobDefaults());
    ReadJob(other, file);
    ExpectSameJob(job, other);
}

namespace {
CTableStruct* ReadLayout(const Bytes& bytes) {
    CMemFile file(bytes.data(), bytes.size());
    CArchive ar(&file, CArchive::load);
    return static_cast<CTableStruct*>(ar.ReadObject(RUNTIME_CLASS(CTableStruct)));
}

Bytes LayoutBytes(const CTableStruct& layout) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar.WriteObject(&layout);
    ar.Close();
    return file.Data();
}

void SetWord(Bytes& b, size_t pos, unsigned w) {
    b[pos] = static_cast<unsigned char>(w & 0xFF);
    b[pos + 1] = static_cast<unsigned char>(w >> 8);
}

// The built-in Summary layout with "Itm" named "Pos" and Description 44 wide.
CTableStruct* CustomSummary() {
    Bytes b = LayoutBytes(CTableStruct(CTableStruct::kindSummary));
    size_t at = Find(b, {0x03, 'I', 't', 'm'});
    b[at + 1] = 'P';
    b[at + 2] = 'o';
    b[at + 3] = 's';
    at = Find(b, {0x0B, 'D', 'e', 's', 'c', 'r', 'i', 'p', 't', 'i', 'o', 'n'});
    SetWord(b, at + 12 + 1 + 2 + 2, 44);  // after name, type, length, precision
    return ReadLayout(b);
}

// The built-in Detail layout without its last field, "Product" renamed.
CTableStruct* CustomDetail() {
    Bytes b = LayoutBytes(CTableStruct(CTableStruct::kindDetail));
    const size_t at = Find(b, {0x07, 'P', 'r', 'o', 'd', 'u', 'c', 't'});
    b[at + 6] = 'k';
    const size_t last = Find(b, {0x08, 'S', 'e', 'c', 'o', 'n', 'd', 'P', 'N'});
    b.resize(last - 2);  // drop its object tag and everything after
    SetWord(b, 18, 15);  // the count after the class name "CTableStruct"
    return ReadLayout(b);
}
}  // namespace

TEST(JobFile, SavedLayoutsComeBackEvenWhenTheyDifferFromTheBuiltInOnes) {
    TestDoc job;
    job.InitNewJobData(CNewJobDefaults());
    delete job.m_pTable;
    delete job.m_pSummaryStruct;
    delete job.m_pDetailStruct;
    job.m_pSummaryStruct = CustomSummary();
    job.m_pDetailStruct = CustomDetail();
    ASSERT_EQ(job.m_pSummaryStruct->GetFieldName(0), "Pos");
    ASSERT_EQ(job.m_pSummaryStruct->GetFieldWidth(2), 44);
    ASSERT_EQ(job.m_pDetailStruct->GetSize(), 15);
    ASSERT_EQ(job.m_pDetailStruct->GetFieldName(0), "Produkt");
    job.m_pTable = new CTable(job.m_pSummaryStruct);
    job.m_pTable->AddRecord(job.m_pDetailStruct);
    Put(job.m_pTable, 0, "Pos", "1");
    job.m_pTable->GetRecord(0)->GetChild()->AddRecord();
    Put(job.m_pTable->GetRecord(0)->GetChild(), 0, "Produkt", "GATE");

    const Bytes file = WriteJob(job);
    TestDoc back;
    ReadJob(back, file);
    ExpectSameJob(job, back);
    EXPECT_EQ(back.m_pSummaryStruct->GetFieldName(0), "Pos");
    EXPECT_EQ(back.m_pSummaryStruct->GetFieldWidth(2), 44);
    EXPECT_EQ(back.m_pDetailStruct->GetSize(), 15);
    EXPECT_EQ(back.m_pDetailStruct->FindField("Product"), -1);
    EXPECT_EQ(Text(back.m_pTable->GetRecord(0)->GetChild(), 0, "Produkt"), "GATE");
    EXPECT_EQ(WriteJob(back), file);
}
