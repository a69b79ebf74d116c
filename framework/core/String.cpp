#include "framework/core/String.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/core/Exceptions.h"

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

unsigned char Fold(char ch) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(ch)));
}

}  // namespace

bool IsTrimSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

char CString::GetAt(int i) const {
    if (i < 0 || i >= GetLength()) AfxThrowInvalidArgException();
    return m_s[static_cast<size_t>(i)];
}

void CString::SetAt(int i, char ch) {
    if (i < 0 || i >= GetLength()) AfxThrowInvalidArgException();
    m_s[static_cast<size_t>(i)] = ch;
}

char* CString::GetBuffer(int nMinLength) {
    if (nMinLength > GetLength()) m_s.resize(static_cast<size_t>(nMinLength));
    return &m_s[0];
}

char* CString::GetBufferSetLength(int nLength) {
    m_s.resize(static_cast<size_t>(nLength < 0 ? 0 : nLength));
    return &m_s[0];
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) {
        size_t n = std::strlen(m_s.c_str());
        m_s.resize(n);
    } else {
        m_s.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
    }
}

int CString::Compare(const char* psz) const {
    const std::string other = psz ? psz : "";
    int r = m_s.compare(other);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* psz) const {
    const char* a = m_s.c_str();
    const char* b = psz ? psz : "";
    for (;; ++a, ++b) {
        unsigned char ca = Fold(*a), cb = Fold(*b);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

CString CString::Left(int nCount) const {
    nCount = Clamp(nCount, 0, GetLength());
    return CString(m_s.substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const {
    nCount = Clamp(nCount, 0, GetLength());
    return CString(m_s.substr(m_s.size() - static_cast<size_t>(nCount)));
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
    nFirst = Clamp(nFirst, 0, GetLength());
    nCount = Clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_s.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

CString CString::SpanIncluding(const char* pszCharSet) const {
    size_t n = m_s.find_first_not_of(pszCharSet ? pszCharSet : "");
    return CString(m_s.substr(0, n));
}

CString CString::SpanExcluding(const char* pszCharSet) const {
    size_t n = m_s.find_first_of(pszCharSet ? pszCharSet : "");
    return CString(m_s.substr(0, n));
}

int CString::Find(char ch, int nStart) const {
    if (nStart < 0 || nStart > GetLength()) return -1;
    size_t p = m_s.find(ch, static_cast<size_t>(nStart));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Find(const char* psz, int nStart) const {
    if (!psz || nStart < 0 || nStart > GetLength()) return -1;
    size_t p = m_s.find(psz, static_cast<size_t>(nStart));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char ch) const {
    size_t p = m_s.rfind(ch);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::FindOneOf(const char* pszCharSet) const {
    if (!pszCharSet) return -1;
    size_t p = m_s.find_first_of(pszCharSet);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

CString& CString::MakeUpper() {
    for (char& c : m_s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower() {
    for (char& c : m_s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft() {
    size_t i = 0;
    while (i < m_s.size() && IsTrimSpace(m_s[i])) ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight() {
    size_t n = m_s.size();
    while (n > 0 && IsTrimSpace(m_s[n - 1])) --n;
    m_s.resize(n);
    return *this;
}

CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }

CString& CString::TrimLeft(char ch) {
    size_t i = 0;
    while (i < m_s.size() && m_s[i] == ch) ++i;
    m_s.erase(0, i);
    return *this;
}

CString& CString::TrimRight(char ch) {
    size_t n = m_s.size();
    while (n > 0 && m_s[n - 1] == ch) --n;
    m_s.resize(n);
    return *this;
}

CString& CString::TrimLeft(const char* pszTargets) {
    size_t i = m_s.find_first_not_of(pszTargets ? pszTargets : "");
    m_s.erase(0, i == std::string::npos ? m_s.size() : i);
    return *this;
}

CString& CString::TrimRight(const char* pszTargets) {
    size_t i = m_s.find_last_not_of(pszTargets ? pszTargets : "");
    m_s.resize(i == std::string::npos ? 0 : i + 1);
    return *this;
}

int CString::Replace(char chOld, char chNew) {
    int n = 0;
    for (char& c : m_s)
        if (c == chOld) {
            c = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
    if (!pszOld || !*pszOld) return 0;
    const std::string from(pszOld), to(pszNew ? pszNew : "");
    std::string out;
    int n = 0;
    size_t pos = 0;
    for (;;) {
        size_t hit = m_s.find(from, pos);
        if (hit == std::string::npos) break;
        out.append(m_s, pos, hit - pos);
        out += to;
        pos = hit + from.size();
        ++n;
    }
    if (n) {
        out.append(m_s, pos, std::string::npos);
        m_s.swap(out);
    }
    return n;
}

int CString::Remove(char ch) {
    size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return static_cast<int>(before - m_s.size());
}

int CString::Insert(int nIndex, char ch) {
    nIndex = Clamp(nIndex, 0, GetLength());
    m_s.insert(static_cast<size_t>(nIndex), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz) {
    nIndex = Clamp(nIndex, 0, GetLength());
    if (psz) m_s.insert(static_cast<size_t>(nIndex), psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    if (nIndex < 0) nIndex = 0;
    if (nIndex < GetLength() && nCount > 0) {
        nCount = Clamp(nCount, 0, GetLength() - nIndex);
        m_s.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    }
    return GetLength();
}

void CString::FormatV(const char* pszFormat, va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[256];
    int n = std::vsnprintf(small, sizeof small, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
        return;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        m_s.assign(small, static_cast<size_t>(n));
        return;
    }
    std::vector<char> big(static_cast<size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), pszFormat, args);
    m_s.assign(big.data(), static_cast<size_t>(n));
}

void CString::Format(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(const char* pszFormat, ...) {
    CString more;
    va_list args;
    va_start(args, pszFormat);
    more.FormatV(pszFormat, args);
    va_end(args);
    m_s += more.m_s;
}
