// Texts, counts and numbers in the archive, checked against bytes written
// out by hand from the file format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/Archive.h"

namespace {

using Bytes = std::vector<unsigned char>;

template <typename F>
Bytes Store(F write) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    return file.Data();
}

CString LoadText(const Bytes& bytes) {
    CMemFile file(bytes.data(), bytes.size());
    CArchive ar(&file, CArchive::load);
    CString s;
    ar >> s;
    return s;
}

Bytes Prefix(const Bytes& b, size_t n) {
    return Bytes(b.begin(), b.begin() + static_cast<long>(std::min(n, b.size())));
}

}  // namespace

TEST(ArchiveText, LengthFormsFollowTheTextSize) {
    EXPECT_EQ(Store([](CArchive& ar) { ar << CString(); }), (Bytes{0x00}));
    EXPECT_EQ(Store([](CArchive& ar) { ar << CString("Ab"); }), (Bytes{0x02, 'A', 'b'}));

    Bytes b254 = Store([](CArchive& ar) { ar << CString('x', 254); });
    ASSERT_EQ(b254.size(), 255u);
    EXPECT_EQ(b254[0], 0xFE);

    Bytes b255 = Store([](CArchive& ar) { ar << CString('x', 255); });
    ASSERT_EQ(b255.size(), 258u);
    EXPECT_EQ(Prefix(b255, 3), (Bytes{0xFF, 0xFF, 0x00}));

    Bytes bFFFD = Store([](CArchive& ar) { ar << CString('x', 0xFFFD); });
    EXPECT_EQ(Prefix(bFFFD, 3), (Bytes{0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(bFFFD.size(), 3u + 0xFFFD);

    // 0xFFFE would read as the wide-text marker, so it takes the 32-bit form.
    Bytes bFFFE = Store([](CArchive& ar) { ar << CString('x', 0xFFFE); });
    EXPECT_EQ(Prefix(bFFFE, 7), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(bFFFE.size(), 7u + 0xFFFE);

    Bytes b70000 = Store([](CArchive& ar) { ar << CString('y', 70000); });
    EXPECT_EQ(Prefix(b70000, 7), (Bytes{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
}

TEST(ArchiveText, EveryFormReadsBack) {
    for (int n : {0, 1, 254, 255, 256, 0xFFFD, 0xFFFE, 0xFFFF, 70000}) {
        std::string text(static_cast<size_t>(n), 'q');
        if (n > 2) text[1] = '\xE9';
        Bytes b = Store([&](CArchive& ar) { ar << CString(text); });
        EXPECT_EQ(LoadText(b).str(), text) << n;
    }
}

TEST(ArchiveText, WideTextIsConvertedToTheSingleByteCodePage) {
    // 0xFF 0xFFFE marks UTF-16; "aé€☃" -> 'a', 0xE9, 0x80, '?'
    Bytes b{0xFF, 0xFE, 0xFF, 0x04, 'a', 0x00, 0xE9, 0x00, 0xAC, 0x20, 0x03, 0x26};
    EXPECT_EQ(LoadText(b), CString("a\xE9\x80?"));
    // The length after the marker may take the 16-bit form as well.
    Bytes longer{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x01};
    for (int i = 0; i < 0x101; ++i) {
        longer.push_back('z');
        longer.push_back(0);
    }
    EXPECT_EQ(LoadText(longer), CString('z', 0x101));
}

TEST(ArchiveText, ForgedLengthsFailWithoutReadingPastTheEnd) {
    // 32-bit length of 4 GiB with three bytes behind it.
    Bytes huge{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'};
    EXPECT_THROW(LoadText(huge), CArchiveException);
    EXPECT_THROW(LoadText(Bytes{0x05, 'a'}), CArchiveException);
    EXPECT_THROW(LoadText(Bytes{0xFF, 0x10}), CArchiveException);
    EXPECT_THROW(LoadText(Bytes{}), CArchiveException);
    // A wide text with an odd number of bytes left.
    EXPECT_THROW(LoadText(Bytes{0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 'b'}), CArchiveException);
    // A second wide marker is not a length.
    EXPECT_THROW(LoadText(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00}), CArchiveException);
    try {
        LoadText(Bytes{0x05, 'a'});
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

TEST(ArchiveCount, SixteenBitsBelowFFFFElseEscaped) {
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(5); }), (Bytes{0x05, 0x00}));
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(0xFFFE); }), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(0xFFFF); }),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(0x12345); }),
              (Bytes{0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}));

    Bytes b{0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00, 0x07, 0x00};
    CMemFile file(b.data(), b.size());
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(ar.ReadCount(), 0x12345u);
    EXPECT_EQ(ar.ReadCount(), 7u);
    EXPECT_THROW(ar.ReadCount(), CArchiveException);
}

TEST(ArchiveNumbers, LittleEndianFixedWidths) {
    Bytes b = Store(
        [](CArchive& ar) { ar << static_cast<BYTE>(0xAB) << static_cast<WORD>(0x1234) << -15 << 1e50; });
    Bytes expected{0xAB, 0x34, 0x12, 0xF1, 0xFF, 0xFF, 0xFF};
    // 1e50 as an IEEE double: 0x4A511B0EC57E649A
    for (unsigned char c : {0x9A, 0x64, 0x7E, 0xC5, 0x0E, 0x1B, 0x51, 0x4A}) expected.push_back(c);
    EXPECT_EQ(b, expected);

    CMemFile file(b.data(), b.size());
    CArchive ar(&file, CArchive::load);
    BYTE by;
    WORD w;
    int i;
    double d;
    ar >> by >> w >> i >> d;
    EXPECT_EQ(by, 0xAB);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(i, -15);
    EXPECT_EQ(d, 1e50);
    EXPECT_THROW(ar >> by, CArchiveException);
}

TEST(ArchiveModes, ReadingAStoringArchiveIsRefused) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    BYTE b;
    EXPECT_THROW(ar >> b, CArchiveException);
}
