#include "selection/DtaReader.h"

#include <cstring>

#include "framework/core/File.h"

IMPLEMENT_DYNAMIC(CDtaFormatException, CException)

CDtaReader::CDtaReader(const void* pData, size_t nSize)
    : m_bytes(static_cast<const char*>(pData), static_cast<const char*>(pData) + nSize) {}

void CDtaReader::Fail() { throw CDtaFormatException(); }

bool CDtaReader::ReadFile(const char* pszPath) {
    m_bytes.clear();
    m_pos = 0;
    CStdioFile file;
    if (!file.Open(pszPath, CFile::modeRead | CFile::typeBinary)) return false;
    // The length is only a hint for the buffer; the reads decide what the file holds.
    const unsigned long long hint = file.GetLength();
    if (hint > 0 && hint < (1ull << 31)) m_bytes.reserve(static_cast<size_t>(hint));
    char chunk[65536];
    for (;;) {
        UINT n = file.Read(chunk, sizeof chunk);
        if (n == 0) break;
        m_bytes.insert(m_bytes.end(), chunk, chunk + n);
    }
    file.Close();
    return true;
}

CString CDtaReader::ReadLine() { return CString(std::string(ReadLineView())); }

std::string_view CDtaReader::ReadLineView() {
    if (AtEnd()) Fail();
    const char* start = m_bytes.data() + m_pos;
    const size_t left = BytesLeft();
    const void* lf = std::memchr(start, '\n', left);
    // Every line ends with its line feed; one without is a cut-off file.
    if (!lf) Fail();
    const size_t len = static_cast<size_t>(static_cast<const char*>(lf) - start);
    m_pos += len + 1;
    return std::string_view(start, len);
}

int CDtaReader::ReadInt() {
    if (BytesLeft() < 4) Fail();
    const unsigned char* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_pos);
    m_pos += 4;
    const unsigned long v = static_cast<unsigned long>(p[0]) | (static_cast<unsigned long>(p[1]) << 8) |
                            (static_cast<unsigned long>(p[2]) << 16) |
                            (static_cast<unsigned long>(p[3]) << 24);
    // Two's complement without relying on an implementation-defined conversion.
    return v >= 0x80000000ul ? static_cast<int>(static_cast<long long>(v) - 0x100000000ll)
                             : static_cast<int>(v);
}

int CDtaReader::ReadCount(size_t nMinItemBytes) {
    const int n = ReadInt();
    if (n <= 0) return 0;
    RequireItems(n, nMinItemBytes);
    return n;
}

void CDtaReader::RequireItems(long long nItems, size_t nMinItemBytes) const {
    if (nItems <= 0) return;
    // nItems < 2^62 and nMinItemBytes is small, but divide rather than multiply anyway.
    if (nMinItemBytes == 0) return;
    if (static_cast<unsigned long long>(nItems) > BytesLeft() / nMinItemBytes) Fail();
}
