#include "framework/core/Archive.h"

#include <algorithm>
#include <cstring>

namespace {

// Windows-1252 for the UTF-16 units 0x80 to 0x9F of that code page.
struct WideToAnsi {
    unsigned short wide;
    unsigned char ansi;
};
const WideToAnsi kCp1252High[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
};

char ToAnsi(unsigned short u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (const WideToAnsi& m : kCp1252High)
        if (m.wide == u) return static_cast<char>(m.ansi);
    return '?';
}

const size_t kChunk = 64 * 1024;
// The buffer at least: a large job then takes a few hundred calls into the
// file rather than thousands.
const int kMinBuffer = 64 * 1024;

}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*) : m_pFile(pFile), m_nMode(nMode) {
    m_buf.resize(static_cast<size_t>(std::max(nBufSize, kMinBuffer)));
    if (pFile) m_strFileName = pFile->GetFilePath();
    AddLoadEntry(LoadEntry{});  // index 0: the null reference
}

CArchive::~CArchive() {
    if (IsStoring() && m_pFile) {
        try {
            FlushBuffer();
        } catch (CException&) {
            // A destructor cannot report; callers that need to know use Close().
        }
    }
}

void CArchive::Fail(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

void CArchive::Flush() {
    if (IsStoring()) {
        FlushBuffer();
        m_pFile->Flush();
    }
}

void CArchive::Close() {
    if (IsStoring() && m_pFile) {
        FlushBuffer();
        m_pFile->Flush();
    }
    m_pFile = nullptr;
}

void CArchive::Abort() {
    m_bufPos = m_bufLen = 0;
    m_pFile = nullptr;
}

void CArchive::FlushBuffer() {
    if (m_bufPos && m_pFile) {
        size_t n = m_bufPos;
        m_bufPos = 0;
        m_pFile->Write(m_buf.data(), static_cast<UINT>(n));
    }
}

void CArchive::FillBuffer() {
    if (m_eof || !m_pFile) return;
    m_bufLen = m_pFile->Read(m_buf.data(), static_cast<UINT>(m_buf.size()));
    m_bufPos = 0;
    if (m_bufLen == 0) m_eof = true;
}

UINT CArchive::Read(void* pBuf, UINT nMax) {
    if (!IsLoading()) Fail(CArchiveException::writeOnly);
    auto* out = static_cast<unsigned char*>(pBuf);
    UINT done = 0;
    while (done < nMax) {
        if (m_bufPos >= m_bufLen) {
            FillBuffer();
            if (m_bufPos >= m_bufLen) break;
        }
        size_t n = std::min(static_cast<size_t>(nMax - done), m_bufLen - m_bufPos);
        std::memcpy(out + done, m_buf.data() + m_bufPos, n);
        m_bufPos += n;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CArchive::ReadExactSlow(void* pBuf, UINT nCount) {
    if (Read(pBuf, nCount) != nCount) Fail(CArchiveException::endOfFile);
}

void CArchive::WriteSlow(const void* pBuf, UINT nCount) {
    if (!IsStoring()) Fail(CArchiveException::readOnly);
    const auto* in = static_cast<const unsigned char*>(pBuf);
    while (nCount) {
        if (m_bufPos == m_buf.size()) FlushBuffer();
        size_t n = std::min(static_cast<size_t>(nCount), m_buf.size() - m_bufPos);
        std::memcpy(m_buf.data() + m_bufPos, in, n);
        m_bufPos += n;
        in += n;
        nCount -= static_cast<UINT>(n);
    }
}

CArchive& CArchive::operator<<(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, 8);
    unsigned char b[8];
    for (int i = 0; i < 8; ++i) b[i] = static_cast<unsigned char>(bits >> (8 * i));
    Write(b, 8);
    return *this;
}

CArchive& CArchive::operator>>(double& d) {
    unsigned char b[8];
    ReadExact(b, 8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | b[i];
    std::memcpy(&d, &bits, 8);
    return *this;
}

void CArchive::WriteString(const CString& s) {
    const DWORD n = static_cast<DWORD>(s.GetLength());
    if (n < 0xFF) {
        *this << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(n);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF);
        WriteU32(n);
    }
    Write(s.GetString(), n);
}

CString CArchive::ReadString() {
    bool wide = false;
    DWORD len = 0;
    for (int pass = 0;; ++pass) {
        BYTE b;
        *this >> b;
        if (b < 0xFF) {
            len = b;
            break;
        }
        WORD w;
        *this >> w;
        if (w == ArchiveTag::kWideText) {
            if (pass > 0) Fail(CArchiveException::genericException);
            wide = true;
            continue;
        }
        if (w == 0xFFFF) {
            std::uint32_t v;
            ReadU32(v);
            len = v;
        } else {
            len = w;
        }
        break;
    }
    std::string out;
    if (!wide) {
        // Read in pieces so a forged length cannot size memory before the bytes exist.
        while (out.size() < len) {
            size_t want = std::min<size_t>(kChunk, len - out.size());
            size_t have = out.size();
            out.resize(have + want);
            ReadExact(&out[have], static_cast<UINT>(want));
        }
    } else {
        unsigned char pair[2];
        std::vector<unsigned char> chunk;
        DWORD left = len;
        while (left) {
            size_t units = std::min<size_t>(kChunk, left);
            chunk.resize(units * 2);
            ReadExact(chunk.data(), static_cast<UINT>(chunk.size()));
            for (size_t i = 0; i < units; ++i) {
                pair[0] = chunk[2 * i];
                pair[1] = chunk[2 * i + 1];
                out += ToAnsi(static_cast<unsigned short>(pair[0] | (pair[1] << 8)));
            }
            left -= static_cast<DWORD>(units);
        }
    }
    return CString(std::move(out));
}

void CArchive::WriteCount(DWORD n) {
    if (n < 0xFFFF) {
        *this << static_cast<WORD>(n);
    } else {
        *this << static_cast<WORD>(0xFFFF);
        WriteU32(n);
    }
}

DWORD CArchive::ReadCount() {
    WORD w;
    *this >> w;
    if (w != 0xFFFF) return w;
    std::uint32_t v;
    ReadU32(v);
    return v;
}

DWORD CArchive::NextIndex() { return m_nextIndex++; }

size_t CArchive::AddLoadEntry(const LoadEntry& e) {
    const size_t index = m_loadCount;
    if ((index >> kLoadBlockBits) == m_loadBlocks.size())
        m_loadBlocks.push_back(std::make_unique<LoadEntry[]>(kLoadBlockSize));
    LoadAt(index) = e;
    ++m_loadCount;
    return index;
}

void CArchive::WriteClassRef(const CRuntimeClass* pClass) {
    if (const DWORD index = m_storeClasses.Find(pClass)) {
        if (index < ArchiveTag::kBigObject) {
            *this << static_cast<WORD>(ArchiveTag::kClassFlag | index);
        } else {
            *this << ArchiveTag::kBigObject;
            WriteU32(ArchiveTag::kBigClassFlag | index);
        }
        return;
    }
    const WORD nameLen = static_cast<WORD>(std::strlen(pClass->m_lpszClassName));
    *this << ArchiveTag::kNewClass << static_cast<WORD>(pClass->m_wSchema) << nameLen;
    Write(pClass->m_lpszClassName, nameLen);
    m_storeClasses.Insert(pClass, NextIndex());
}

void CArchive::WriteObject(const CObject* pOb) {
    if (!pOb) {
        *this << ArchiveTag::kNull;
        return;
    }
    if (const DWORD index = m_storeObjects.Find(pOb)) {
        if (index < ArchiveTag::kBigObject) {
            *this << static_cast<WORD>(index);
        } else {
            *this << ArchiveTag::kBigObject;
            WriteU32(index);
        }
        return;
    }
    const CRuntimeClass* pClass = pOb->GetRuntimeClass();
    if (!pClass->IsSerializable()) Fail(CArchiveException::badClass);
    WriteClassRef(pClass);
    m_storeObjects.Insert(pOb, NextIndex());
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::WriteOwnedObject(const CObject* pOb) {
    if (!pOb) {
        *this << ArchiveTag::kNull;
        return;
    }
    const CRuntimeClass* pClass = pOb->GetRuntimeClass();
    if (!pClass->IsSerializable()) Fail(CArchiveException::badClass);
    WriteClassRef(pClass);
    NextIndex();
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pExpected) {
    return ReadObjectRef(pExpected, RefMode::any);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pExpected, bool bAllowNull) {
    return ReadObjectRef(pExpected, bAllowNull ? RefMode::ownedOrNull : RefMode::owned);
}

CObject* CArchive::ReadSharedObject(const CRuntimeClass* pExpected) {
    return ReadObjectRef(pExpected, RefMode::shared);
}

CObject* CArchive::ReadObjectRef(const CRuntimeClass* pExpected, RefMode mode) {
    if (!IsLoading()) Fail(CArchiveException::writeOnly);
    WORD tag;
    *this >> tag;

    if (tag == ArchiveTag::kNewClass) {
        WORD schema, nameLen;
        *this >> schema >> nameLen;
        std::string name(nameLen, '\0');
        if (nameLen) ReadExact(&name[0], nameLen);
        const CRuntimeClass* pClass = CRuntimeClass::FromName(name.c_str());
        if (!pClass || name.size() != std::strlen(name.c_str())) Fail(CArchiveException::badClass);
        if (schema != pClass->m_wSchema) Fail(CArchiveException::badSchema);
        LoadEntry e;
        e.pClass = pClass;
        AddLoadEntry(e);
        return ReadNewObject(pClass, pExpected, mode);
    }

    DWORD ref;
    if (tag == ArchiveTag::kBigObject) {
        std::uint32_t v;
        ReadU32(v);
        ref = v;
    } else if (tag & ArchiveTag::kClassFlag) {
        ref = ArchiveTag::kBigClassFlag | (tag & 0x7FFF);
    } else {
        ref = tag;
    }

    if (ref & ArchiveTag::kBigClassFlag) {
        const DWORD idx = ref & ~ArchiveTag::kBigClassFlag;
        if (idx == 0 || idx >= m_loadCount || !LoadAt(idx).pClass) Fail(CArchiveException::badIndex);
        return ReadNewObject(LoadAt(idx).pClass, pExpected, mode);
    }

    if (ref == 0) {
        if (mode == RefMode::owned || mode == RefMode::shared) Fail(CArchiveException::badIndex);
        return nullptr;
    }
    if (ref >= m_loadCount || !LoadAt(ref).pObject) Fail(CArchiveException::badIndex);
    if (mode == RefMode::owned || mode == RefMode::ownedOrNull) Fail(CArchiveException::badIndex);
    CObject* pOb = LoadAt(ref).pObject;
    if (pExpected && !pOb->IsKindOf(pExpected)) Fail(CArchiveException::badClass);
    return pOb;
}

CObject* CArchive::ReadNewObject(const CRuntimeClass* pClass, const CRuntimeClass* pExpected, RefMode mode) {
    // A shared member must point at an object read earlier; a new one here
    // would belong to nobody.
    if (mode == RefMode::shared) Fail(CArchiveException::badIndex);
    if (pExpected && !pClass->IsDerivedFrom(pExpected)) Fail(CArchiveException::badClass);
    if (m_depth >= ArchiveTag::kMaxDepth) Fail(CArchiveException::genericException);
    CObject* pOb = pClass->CreateObject();
    if (!pOb) Fail(CArchiveException::badClass);
    LoadEntry e;
    e.pObject = pOb;
    const size_t index = AddLoadEntry(e);
    ++m_depth;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        --m_depth;
        LoadAt(index).pObject = nullptr;
        delete pOb;
        throw;
    }
    --m_depth;
    return pOb;
}
