// CArchive: the binary stream of the job file. Numbers are little-endian;
// texts, counts and object references have the forms of the
// job file. Reading never trusts a length or count from the input:
// bytes are read before memory is sized for them, and every failure raises
// CArchiveException.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "framework/core/Object.h"
#include "framework/core/PointerIndex.h"
#include "framework/core/String.h"

// Tags of an object reference.
namespace ArchiveTag {
constexpr WORD kNull = 0x0000;
constexpr WORD kBigObject = 0x7FFF;  // a 32-bit index follows
constexpr WORD kClassFlag = 0x8000;  // 0x8000 + n: new object of class n
constexpr WORD kNewClass = 0xFFFF;   // schema, name length and name follow
constexpr DWORD kBigClassFlag = 0x80000000;
constexpr WORD kWideText = 0xFFFE;
constexpr int kMaxDepth = 32;  // deeper nesting than any job needs
}  // namespace ArchiveTag

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_nMode == load; }
    bool IsStoring() const { return m_nMode == store; }
    CFile* GetFile() const { return m_pFile; }
    void Flush();
    void Close();  // flushes a storing archive; the file stays open
    void Abort();  // drops unwritten bytes

    // Raw bytes
    UINT Read(void* pBuf, UINT nMax);          // may return fewer at the end of the input
    void ReadExact(void* pBuf, UINT nCount) {  // raises endOfFile when short
        if (m_nMode == load && m_bufLen - m_bufPos >= nCount) {
            std::memcpy(pBuf, m_buf.data() + m_bufPos, nCount);
            m_bufPos += nCount;
            return;
        }
        ReadExactSlow(pBuf, nCount);
    }
    void Write(const void* pBuf, UINT nCount) {
        if (m_nMode == store && m_buf.size() - m_bufPos >= nCount) {
            std::memcpy(m_buf.data() + m_bufPos, pBuf, nCount);
            m_bufPos += nCount;
            return;
        }
        WriteSlow(pBuf, nCount);
    }

    // Fixed-width numbers
    CArchive& operator<<(BYTE b) {
        Write(&b, 1);
        return *this;
    }
    CArchive& operator<<(char ch) { return *this << static_cast<BYTE>(ch); }
    CArchive& operator<<(WORD w) {
        const unsigned char b[2] = {static_cast<unsigned char>(w), static_cast<unsigned char>(w >> 8)};
        Write(b, 2);
        return *this;
    }
    CArchive& operator<<(short n) { return *this << static_cast<WORD>(n); }
    CArchive& operator<<(int n) {
        WriteU32(static_cast<std::uint32_t>(n));
        return *this;
    }
    CArchive& operator<<(unsigned int n) {
        WriteU32(static_cast<std::uint32_t>(n));
        return *this;
    }
    CArchive& operator<<(long n) {
        WriteU32(static_cast<std::uint32_t>(n));
        return *this;
    }
    CArchive& operator<<(unsigned long n) {
        WriteU32(static_cast<std::uint32_t>(n));
        return *this;
    }
    CArchive& operator<<(double d);
    CArchive& operator<<(const CString& s) {
        WriteString(s);
        return *this;
    }

    CArchive& operator>>(BYTE& b) {
        ReadExact(&b, 1);
        return *this;
    }
    CArchive& operator>>(char& ch) {
        BYTE b;
        *this >> b;
        ch = static_cast<char>(b);
        return *this;
    }
    CArchive& operator>>(WORD& w) {
        unsigned char b[2];
        ReadExact(b, 2);
        w = static_cast<WORD>(b[0] | (b[1] << 8));
        return *this;
    }
    CArchive& operator>>(short& n) {
        WORD w;
        *this >> w;
        n = static_cast<short>(w);
        return *this;
    }
    CArchive& operator>>(int& n) {
        std::uint32_t v;
        ReadU32(v);
        n = static_cast<int>(v);
        return *this;
    }
    CArchive& operator>>(unsigned int& n) {
        std::uint32_t v;
        ReadU32(v);
        n = v;
        return *this;
    }
    CArchive& operator>>(long& n) {
        std::uint32_t v;
        ReadU32(v);
        n = static_cast<long>(static_cast<std::int32_t>(v));
        return *this;
    }
    CArchive& operator>>(unsigned long& n) {
        std::uint32_t v;
        ReadU32(v);
        n = v;
        return *this;
    }
    CArchive& operator>>(double& d);
    CArchive& operator>>(CString& s) {
        s = ReadString();
        return *this;
    }

    // Texts: a one-byte length below 255, else 0xFF and a 16-bit length below
    // 0xFFFE, else 0xFF 0xFFFF and a 32-bit length. A reader also takes the
    // wide-text marker (0xFF 0xFFFE) and converts the UTF-16 text to the
    // single-byte code page.
    void WriteString(const CString& s);
    CString ReadString();

    // Counts: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    void WriteCount(DWORD n);
    DWORD ReadCount();

    // Object references. ReadObject returns the object (new or earlier) and,
    // when pExpected is given, refuses an object of another kind.
    // WriteObject remembers every object it writes, so that a later
    // reference to it writes its index: the form for objects others point at.
    void WriteObject(const CObject* pOb);
    // For members only their owner writes (nothing else points at them): the
    // object is numbered as WriteObject would number it, giving the same
    // bytes, but not remembered, so writing a large job looks nothing up per
    // object. Null is written as the null reference.
    void WriteOwnedObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pExpected);
    // For members the reader will own: the reference must name a new object
    // (an earlier one would then have two owners); null only when allowed.
    CObject* ReadOwnedObject(const CRuntimeClass* pExpected, bool bAllowNull = false);
    // For members that point at an object owned elsewhere: the reference
    // must name an object read earlier in this archive.
    CObject* ReadSharedObject(const CRuntimeClass* pExpected);

    CString m_strFileName;  // named in exceptions

private:
    struct LoadEntry {
        const CRuntimeClass* pClass = nullptr;  // set for class entries
        CObject* pObject = nullptr;             // set for object entries
    };
    // Entries in fixed blocks: a large job grows the table without copying
    // it or asking the allocator for ever larger pieces.
    static constexpr size_t kLoadBlockBits = 12;
    static constexpr size_t kLoadBlockSize = size_t{1} << kLoadBlockBits;
    LoadEntry& LoadAt(size_t index) {
        return m_loadBlocks[index >> kLoadBlockBits][index & (kLoadBlockSize - 1)];
    }
    size_t AddLoadEntry(const LoadEntry& e);
    enum class RefMode { any, owned, ownedOrNull, shared };

    void ReadU32(std::uint32_t& v) {
        unsigned char b[4];
        ReadExact(b, 4);
        v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    void WriteU32(std::uint32_t n) {
        const unsigned char b[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                    static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
        Write(b, 4);
    }
    void ReadExactSlow(void* pBuf, UINT nCount);
    void WriteSlow(const void* pBuf, UINT nCount);
    void FillBuffer();
    void FlushBuffer();
    [[noreturn]] void Fail(int cause) const;
    const CRuntimeClass* ReadClassRef(WORD wTag, DWORD dwBig);
    CObject* ReadObjectRef(const CRuntimeClass* pExpected, RefMode mode);
    CObject* ReadNewObject(const CRuntimeClass* pClass, const CRuntimeClass* pExpected, RefMode mode);
    void WriteClassRef(const CRuntimeClass* pClass);
    DWORD NextIndex();

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<unsigned char> m_buf;
    size_t m_bufPos = 0;  // next byte to read or write
    size_t m_bufLen = 0;  // bytes held (loading)
    bool m_eof = false;

    // Storing: index of every class and object written so far. Classes and
    // objects count in one sequence from 1.
    PointerIndex m_storeClasses;
    PointerIndex m_storeObjects;
    DWORD m_nextIndex = 1;
    int m_depth = 0;  // nesting of objects being read
    // Loading: entry per index; index 0 is the null reference.
    std::vector<std::unique_ptr<LoadEntry[]>> m_loadBlocks;
    size_t m_loadCount = 0;
};
