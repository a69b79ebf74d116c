// CFieldDesc: one field of a line layout - its name, type letter, length,
// precision, column width and read-only flag.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"

class CFieldDesc : public CObject {
    DECLARE_SERIAL(CFieldDesc)
public:
    // Type letters.
    static constexpr char typeText = 'S';
    static constexpr char typeWords = 'W';
    static constexpr char typeTech = 'T';
    static constexpr char typeNumber = 'N';
    static constexpr char typeDate = 'D';
    static constexpr char typeRefused = 'X';

    // Longest field name.
    static constexpr int kMaxNameLength = 25;

    // Empty name; the other members are filled when an archive is read.
    CFieldDesc() = default;
    // The validating constructor (see Create).
    CFieldDesc(const char* pszName, char chType, int nLength, int nPrecision, int nWidth, int nFlag);
    CFieldDesc(const CFieldDesc& other);
    CFieldDesc& operator=(const CFieldDesc& other);
    ~CFieldDesc() override = default;

    // Sets every member through its setter; each refused value is told in a
    // message box with an OK button and replaced by its fallback ("NONE", X,
    // length 1, precision 0, width 1). The flag is kept as given.
    void Create(const char* pszName, char chType, int nLength, int nPrecision, int nWidth, int nFlag);

    // Name as text, type as one byte, then length, precision, width and flag
    // as 16-bit unsigned numbers. Reading checks nothing.
    void Serialize(CArchive& ar) override;

    const CString& GetName() const { return m_strName; }
    char GetType() const { return m_chType; }
    int GetLength() const { return m_nLength; }
    int GetPrecision() const { return m_nPrecision; }
    int GetWidth() const { return m_nWidth; }
    int GetFlag() const { return m_nFlag; }

    // Each setter stores its member and returns TRUE when the value was
    // accepted, FALSE when the fallback was stored instead. Length, precision
    // and width are checked against the type already set, precision also
    // against the length.
    BOOL SetName(const char* pszName);
    BOOL IsValidType(char chType);
    BOOL SetLength(int nLength);
    BOOL SetPrecision(int nPrecision);
    BOOL SetWidth(int nWidth);

private:
    CString m_strName;
    char m_chType = typeRefused;
    int m_nLength = 0;
    int m_nPrecision = 0;
    int m_nWidth = 0;
    int m_nFlag = 0;
};
