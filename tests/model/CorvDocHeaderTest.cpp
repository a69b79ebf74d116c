// The job's header fields: widths, the compare-then-store rule of the
// setters, the font and colour, and a new job's starting values.
#include <gtest/gtest.h>

#include <cstring>

#include "model/FaceName.h"
#include "model/NewJobDefaults.h"
#include "tests/model/DocTestSupport.h"
#include "tests/model/HeaderFields.h"

namespace {
CString Repeat(char ch, int n) { return CString(ch, n); }
}  // namespace

TEST(CorvDocHeader, EverySetterKeepsItsWidthAndTouchesOnlyItsField) {
    ASSERT_EQ(sizeof(kFields) / sizeof(kFields[0]), 103u);
    CCorvDoc doc;
    for (const HeaderField& f : kFields) {
        SCOPED_TRACE(f.name);
        std::vector<CString> before;
        for (const HeaderField& other : kFields) before.push_back((doc.*other.get)());

        const CString given = Repeat(f.name[0], (f.width ? f.width : 300) + 5);
        doc.SetModifiedFlag(FALSE);
        (doc.*f.set)(given);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ((doc.*f.get)(), f.width ? given.Left(f.width) : given);

        for (size_t i = 0; i < before.size(); ++i) {
            if (&kFields[i] != &f) {
                EXPECT_EQ((doc.*kFields[i].get)(), before[i]) << kFields[i].name;
            }
        }
    }
}

TEST(CorvDocHeader, SetterComparesTheGivenTextWithTheHeldOne) {
    CCorvDoc doc;
    doc.SetCustomer("Acme");
    doc.SetModifiedFlag(FALSE);
    doc.SetCustomer("Acme");
    EXPECT_FALSE(doc.IsModified());
    doc.SetCustomer("ACME");  // case counts
    EXPECT_TRUE(doc.IsModified());

    // A 45-character text is kept as its first 40; setting it again marks
    // the job modified again, though the held text stays the same.
    const CString long45 = Repeat('c', 40) + "12345";
    doc.SetCustomer(long45);
    doc.SetModifiedFlag(FALSE);
    doc.SetCustomer(long45);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetCustomer(), Repeat('c', 40));

    // Uncut fields hold the whole text, so the same text changes nothing.
    doc.SetIntro(Repeat('i', 40000));
    EXPECT_EQ(doc.GetIntro().GetLength(), 40000);
    doc.SetModifiedFlag(FALSE);
    doc.SetIntro(Repeat('i', 40000));
    EXPECT_FALSE(doc.IsModified());

    doc.SetNotes(Repeat('n', 40000));
    EXPECT_EQ(doc.GetNotes(), Repeat('n', 32000));
}

TEST(CorvDocHeader, IntegerSetters) {
    struct IntField {
        void (CCorvDoc::*set)(int);
        int CCorvDoc::*member;
    };
    const IntField fields[] = {{&CCorvDoc::SetQuoteCount, &CCorvDoc::m_nQuoteCount},
                               {&CCorvDoc::SetIntroIndLeft, &CCorvDoc::m_nIntroIndLeft},
                               {&CCorvDoc::SetIntroIndRight, &CCorvDoc::m_nIntroIndRight},
                               {&CCorvDoc::SetQNotesIndLeft, &CCorvDoc::m_nQNotesIndLeft},
                               {&CCorvDoc::SetQNotesIndRight, &CCorvDoc::m_nQNotesIndRight},
                               {&CCorvDoc::SetTermsIndLeft, &CCorvDoc::m_nTermsIndLeft},
                               {&CCorvDoc::SetTermsIndRight, &CCorvDoc::m_nTermsIndRight}};
    CCorvDoc doc;
    int value = 11;
    for (const IntField& f : fields) {
        doc.SetModifiedFlag(FALSE);
        (doc.*f.set)(doc.*f.member);
        EXPECT_FALSE(doc.IsModified());
        (doc.*f.set)(value);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.*f.member, value);
        ++value;
    }
    // Each setter wrote its own member.
    EXPECT_EQ(doc.m_nQuoteCount, 11);
    EXPECT_EQ(doc.m_nTermsIndRight, 17);
}

TEST(CorvDocHeader, EveryChangeMarksTheJobChangedSinceStore) {
    CCorvDoc doc;
    EXPECT_FALSE(doc.m_bChangedSinceStore);
    doc.SetCorvNumber("1234");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.m_bChangedSinceStore);
    EXPECT_EQ(doc.GetCorvNumber(), "1234");

    doc.ClearChangedSinceStore();
    EXPECT_FALSE(doc.m_bChangedSinceStore);
    EXPECT_TRUE(doc.IsModified());
    // Clearing the modified flag (a save) does not make the job stored.
    doc.SetModifiedFlag(TRUE);
    doc.SetModifiedFlag(FALSE);
    EXPECT_TRUE(doc.m_bChangedSinceStore);
}

TEST(CorvDocHeader, FontComparesFaceNamesAsTexts) {
    TestDoc doc;
    doc.InitNewJobData(CNewJobDefaults());
    LOGFONT lf = doc.m_lfFont;
    // Bytes after the terminating zero do not make another font...
    lf.lfFaceName[20] = 'x';
    doc.SetFont(lf);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_lfFont.lfFaceName[20], 0);
    // ...but another name does, and then the whole field is taken.
    std::memcpy(lf.lfFaceName, "Courier", 7);
    doc.SetFont(lf);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(std::memcmp(doc.m_lfFont.lfFaceName, lf.lfFaceName, sizeof(lf.lfFaceName)), 0);

    doc.SetModifiedFlag(FALSE);
    lf.lfItalic = 1;
    doc.SetFont(lf);
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(FALSE);
    lf.lfHeight = -20;
    doc.SetFont(lf);
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(FALSE);
    doc.SetFontColor(0);
    EXPECT_FALSE(doc.IsModified());
    doc.SetFontColor(RGB(0, 0, 255));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_crFontColor, 0x00FF0000u);
}

TEST(CorvDocHeader, FaceNameWithoutTerminatorIsReadToThirtyTwoBytesOnly) {
    LOGFONT a = {};
    LOGFONT b = {};
    std::memset(a.lfFaceName, 'A', sizeof(a.lfFaceName));
    std::memset(b.lfFaceName, 'A', sizeof(b.lfFaceName));
    EXPECT_EQ(FaceNameOf(a), Repeat('A', 32));
    EXPECT_FALSE(FontsDiffer(a, b));
    b.lfFaceName[31] = 'B';
    EXPECT_TRUE(FontsDiffer(a, b));

    CCorvDoc doc;
    doc.SetFont(a);
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(FALSE);
    doc.SetFont(a);
    EXPECT_FALSE(doc.IsModified());
}

TEST(CorvDocHeader, NewJobStartsFromTheDefaults) {
    CNewJobDefaults d;
    d.m_strCustCountry = "USA";
    d.m_strPackaging = "Standard Packaging";
    d.m_strPayment = "Net 30 Days";
    d.m_strStatus = "Open";
    d.m_strIntro = "Dear customer,\r\nthank you.";
    d.m_strBillToAttn = "Accounts";
    d.m_strFooterLn2 = "Footer two";
    TestDoc doc;
    doc.SetCustomer("left over");
    doc.m_nQuoteCount = 5;
    doc.SpareText(3) = "x";
    doc.SetModifiedFlag(FALSE);

    doc.InitNewJobData(d);

    EXPECT_TRUE(doc.m_bLoadedOk);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.FileIdent(), "");
    EXPECT_EQ(doc.GetCorvNumber(), "Unassigned");
    EXPECT_EQ(doc.GetCustCountry(), "USA");
    EXPECT_EQ(doc.GetOffCountry(), "");
    EXPECT_EQ(doc.GetCustomer(), "");
    EXPECT_EQ(doc.GetPackaging(), "Standard Packaging");
    EXPECT_EQ(doc.GetPayment(), "Net 30 Days");
    EXPECT_EQ(doc.GetStatus(), "Open");
    EXPECT_EQ(doc.GetIntro(), "Dear customer,\r\nthank you.");
    EXPECT_EQ(doc.GetBillToAttn(), "Accounts");
    EXPECT_EQ(doc.GetFooterLn2(), "Footer two");
    EXPECT_EQ(doc.GetFreightRate(), "");
    EXPECT_EQ(doc.m_nQuoteCount, 0);
    EXPECT_EQ(doc.SpareText(3), "");

    EXPECT_EQ(doc.m_lfFont.lfHeight, -15);
    EXPECT_EQ(doc.m_lfFont.lfWeight, 400);
    EXPECT_EQ(doc.m_lfFont.lfPitchAndFamily, 34);
    EXPECT_EQ(FaceNameOf(doc.m_lfFont), "Arial");
    EXPECT_EQ(doc.m_crFontColor, 0u);

    ASSERT_NE(doc.m_pSummaryStruct, nullptr);
    ASSERT_NE(doc.m_pDetailStruct, nullptr);
    ASSERT_NE(doc.m_pTable, nullptr);
    EXPECT_EQ(doc.m_pSummaryStruct->GetSize(), 28);
    EXPECT_EQ(doc.m_pDetailStruct->GetSize(), 16);
    ASSERT_EQ(doc.m_pTable->GetSize(), 1);
    CRecord* line = doc.m_pTable->GetRecord(0);
    EXPECT_TRUE(line->IsEmpty());
    ASSERT_NE(line->GetChild(), nullptr);
    EXPECT_EQ(line->GetChild()->GetSize(), 0);
    EXPECT_EQ(line->GetChild()->GetTableStruct(), doc.m_pDetailStruct);
}
