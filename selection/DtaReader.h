// CDtaReader: reads the primitives of a product data file (lines and 32-bit
// ints) from the file's bytes held in memory. Every read and every count is
// checked against the bytes that are left, so a damaged or hostile file is
// refused before anything is sized by its counts.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/String.h"

// Raised when the body of a product data file breaks its format: a read
// past the end, or a count that the bytes left cannot hold.
class CDtaFormatException : public CException {
    DECLARE_DYNAMIC(CDtaFormatException)
};

class CDtaReader {
public:
    CDtaReader() = default;
    CDtaReader(const void* pData, size_t nSize);

    // Reads the whole file in binary mode. False when it cannot be opened;
    // a read error of the device raises CFileException.
    bool ReadFile(const char* pszPath);

    // The bytes up to the next line feed; the line feed is removed and
    // nothing else (a carriage return before it stays). A line without its
    // line feed is an error: the file was cut off.
    CString ReadLine();
    // The same line as a view into the file's bytes, valid while the reader
    // lives.
    std::string_view ReadLineView();
    // 4 bytes, signed, little-endian, directly behind the previous byte.
    int ReadInt();
    // An int used as a number of items, each needing at least nMinItemBytes
    // bytes of the file: 0 or below gives 0; more than the bytes left can
    // hold is an error.
    int ReadCount(size_t nMinItemBytes);
    // Checks that nItems items of at least nMinItemBytes bytes each can
    // still follow (the product is computed without overflow).
    void RequireItems(long long nItems, size_t nMinItemBytes) const;

    size_t BytesLeft() const { return m_bytes.size() - m_pos; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

    [[noreturn]] static void Fail();

private:
    std::vector<char> m_bytes;
    size_t m_pos = 0;
};

// Minimum bytes of the items whose counts a product data file holds.
namespace DtaItemBytes {
inline constexpr size_t kLine = 1;        // at least its line feed
inline constexpr size_t kChoiceSet = 12;  // three counts
inline constexpr size_t kComponent = 9;   // name line, start, length
inline constexpr size_t kGroup = 13;      // name line, cell, condition and line counts
inline constexpr size_t kItemLine = 13;   // name line, condition, cell and component counts
inline constexpr size_t kCondition = 5;   // name line, value count
}  // namespace DtaItemBytes
