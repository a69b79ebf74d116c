#include "model/FieldDesc.h"

#include <cstring>

#include "framework/core/MessageBox.h"
#include "model/ModelMessages.h"

IMPLEMENT_SERIAL(CFieldDesc, CObject, 1)

namespace {

const int kMaxTextLength = 32000;
const int kMaxNumberLength = 15;
const int kDateLength = 10;
const int kMaxTextWidth = 80;

bool IsTextType(char ch) {
    return ch == CFieldDesc::typeText || ch == CFieldDesc::typeTech || ch == CFieldDesc::typeWords;
}

}  // namespace

CFieldDesc::CFieldDesc(const char* pszName, char chType, int nLength, int nPrecision, int nWidth, int nFlag) {
    Create(pszName, chType, nLength, nPrecision, nWidth, nFlag);
}

CFieldDesc::CFieldDesc(const CFieldDesc& other)
    : CObject(),
      m_strName(other.m_strName),
      m_chType(other.m_chType),
      m_nLength(other.m_nLength),
      m_nPrecision(other.m_nPrecision),
      m_nWidth(other.m_nWidth),
      m_nFlag(other.m_nFlag) {}

CFieldDesc& CFieldDesc::operator=(const CFieldDesc& other) {
    if (this != &other) {
        m_strName = other.m_strName;
        m_chType = other.m_chType;
        m_nLength = other.m_nLength;
        m_nPrecision = other.m_nPrecision;
        m_nWidth = other.m_nWidth;
        m_nFlag = other.m_nFlag;
    }
    return *this;
}

void CFieldDesc::Create(const char* pszName, char chType, int nLength, int nPrecision, int nWidth,
                        int nFlag) {
    if (!SetName(pszName)) AfxMessageBox(CString(pszName) + ModelMsg::kInvalidFieldName, 0);
    if (!IsValidType(chType)) AfxMessageBox(ModelMsg::kInvalidFieldType, 0);
    if (!SetLength(nLength)) AfxMessageBox(ModelMsg::kInvalidFieldLength, 0);
    if (!SetPrecision(nPrecision)) AfxMessageBox(ModelMsg::kInvalidFieldPrecision, 0);
    if (!SetWidth(nWidth)) AfxMessageBox(ModelMsg::kInvalidColumnWidth, 0);
    m_nFlag = nFlag;
}

BOOL CFieldDesc::SetName(const char* pszName) {
    m_strName = "NONE";
    const size_t n = pszName ? std::strlen(pszName) : 0;
    if (n < 1 || n > static_cast<size_t>(kMaxNameLength)) return FALSE;
    m_strName = pszName;
    return TRUE;
}

BOOL CFieldDesc::IsValidType(char chType) {
    m_chType = typeRefused;
    if (chType == 0 || !std::strchr("SWTND", chType)) return FALSE;
    m_chType = chType;
    return TRUE;
}

BOOL CFieldDesc::SetLength(int nLength) {
    m_nLength = 1;
    if (m_chType == typeDate) {
        m_nLength = kDateLength;
        return TRUE;
    }
    if (m_chType == typeNumber) {
        if (nLength < 1 || nLength > kMaxNumberLength) return FALSE;
    } else if (IsTextType(m_chType)) {
        if (nLength < 1 || nLength > kMaxTextLength) return FALSE;
    } else {
        return FALSE;
    }
    m_nLength = nLength;
    return TRUE;
}

BOOL CFieldDesc::SetPrecision(int nPrecision) {
    m_nPrecision = 0;
    if (m_chType == typeNumber) {
        if (nPrecision < 0 || nPrecision > m_nLength - 1) return FALSE;
        m_nPrecision = nPrecision;
        return TRUE;
    }
    return IsTextType(m_chType) || m_chType == typeDate;
}

BOOL CFieldDesc::SetWidth(int nWidth) {
    m_nWidth = 1;
    if (m_chType == typeDate) {
        m_nWidth = kDateLength;
        return TRUE;
    }
    if (m_chType == typeNumber) {
        if (nWidth < 1 || nWidth > kMaxNumberLength) return FALSE;
    } else if (IsTextType(m_chType)) {
        if (nWidth < 1 || nWidth > kMaxTextWidth) return FALSE;
    } else {
        return FALSE;
    }
    m_nWidth = nWidth;
    return TRUE;
}

void CFieldDesc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strName << static_cast<BYTE>(m_chType) << static_cast<WORD>(m_nLength)
           << static_cast<WORD>(m_nPrecision) << static_cast<WORD>(m_nWidth) << static_cast<WORD>(m_nFlag);
    } else {
        BYTE type;
        WORD wLength, wPrecision, wWidth, wFlag;
        ar >> m_strName >> type >> wLength >> wPrecision >> wWidth >> wFlag;
        m_chType = static_cast<char>(type);
        m_nLength = wLength;
        m_nPrecision = wPrecision;
        m_nWidth = wWidth;
        m_nFlag = wFlag;
    }
}
