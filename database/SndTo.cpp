#include "database/SndTo.h"

#include <cctype>
#include <string>

#include "framework/core/Exceptions.h"
#include "model/Component.h"
#include "model/Field.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "model/WordsField.h"

IMPLEMENT_DYNCREATE(CSndTo, CCmdTarget)

namespace {

// The white space a literal loses at its end.
const char* const kTrailingSpace = " \t\r\n";

CString WithoutTrailingSpace(const CString& strValue) {
    CString str(strValue);
    str.TrimRight(kTrailingSpace);
    return str;
}

CField* FieldOf(CTable* pTable, int nRow, int nColumn) {
    if (pTable == nullptr) AfxThrowInvalidArgException();
    return pTable->GetRecord(nRow)->GetField(nColumn);
}

int ColumnIndex(CTable* pTable, const CString& strColumn) {
    if (pTable == nullptr || pTable->GetTableStruct() == nullptr) AfxThrowInvalidArgException();
    return pTable->GetTableStruct()->FindField(strColumn);
}

CWordsField* WordsField(CTable* pTable, const CString& strColumn, int nRow) {
    CField* pField = FieldOf(pTable, nRow, ColumnIndex(pTable, strColumn));
    CWordsField* pWords = dynamic_cast<CWordsField*>(pField);
    if (pWords == nullptr) AfxThrowInvalidArgException();
    return pWords;
}

}  // namespace

void CSndTo::AppendSqlText(CString& strSQL, const CString& strValue, BOOL bNotFirst) {
    const std::string& s = strValue.str();
    size_t nEnd = s.find_last_not_of(kTrailingSpace);
    std::string& out = strSQL.str();
    if (bNotFirst) out += ", ";
    if (nEnd == std::string::npos) {
        out += "NULL";
        return;
    }
    out += '\'';
    for (size_t i = 0; i <= nEnd; ++i) {
        if (s[i] == '\'') out += '\'';  // doubled
        out += s[i];
    }
    out += '\'';
}

void CSndTo::AppendSqlNumber(CString& strSQL, const CString& strValue, BOOL bNotFirst) {
    const std::string& s = strValue.str();
    size_t nEnd = s.find_last_not_of(kTrailingSpace);
    std::string& out = strSQL.str();
    if (bNotFirst) out += ", ";
    if (nEnd == std::string::npos)
        out += "NULL";
    else if (s[0] == '*')
        out += "99999999.99";  // a value too wide for its field
    else
        out.append(s, 0, nEnd + 1);
}

CString CSndTo::SqlText(const CString& strValue, BOOL bNotFirst) {
    CString strLiteral;
    AppendSqlText(strLiteral, strValue, bNotFirst);
    return strLiteral;
}

CString CSndTo::SqlNumber(const CString& strValue, BOOL bNotFirst) {
    CString strLiteral;
    AppendSqlNumber(strLiteral, strValue, bNotFirst);
    return strLiteral;
}

BOOL CSndTo::IsSqlNumber(const CString& strValue) {
    CString str = WithoutTrailingSpace(strValue);
    if (str.IsEmpty() || str[0] == '*') return TRUE;
    const std::string& s = str.str();
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;  // a leading blank stays in the statement, where it is harmless
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t nDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i;
        ++nDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++nDigits;
        }
    }
    if (nDigits == 0) return FALSE;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t nExponent = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++nExponent;
        }
        if (nExponent == 0) return FALSE;
    }
    return i == s.size() ? TRUE : FALSE;
}

CString CSndTo::IntToText(int nValue) { return CString(std::to_string(nValue)); }

CString CSndTo::ReplaceChar(const CString& strText, char ch, const CString& strReplacement) {
    std::string result;
    const std::string& s = strText.str();
    result.reserve(s.size());
    size_t nStart = 0;
    for (;;) {
        size_t nAt = s.find(ch, nStart);
        if (nAt == std::string::npos) {
            result.append(s, nStart, std::string::npos);
            break;
        }
        result.append(s, nStart, nAt - nStart);
        result += strReplacement.str();
        nStart = nAt + 1;
    }
    return CString(std::move(result));
}

CString CSndTo::GetFieldText(const CString& strColumn, CTable* pTable, int nRow) {
    return FieldOf(pTable, nRow, ColumnIndex(pTable, strColumn))->GetText();
}

CString CSndTo::GetWordsIndentLeft(const CString& strColumn, CTable* pTable, int nRow) {
    return IntToText(WordsField(pTable, strColumn, nRow)->m_nIndentLeft);
}

CString CSndTo::GetWordsIndentRight(const CString& strColumn, CTable* pTable, int nRow) {
    return IntToText(WordsField(pTable, strColumn, nRow)->m_nIndentRight);
}

CTechField* CSndTo::TechField(CTable* pTable, int nRow, int nColumn) {
    CTechField* pTech = dynamic_cast<CTechField*>(FieldOf(pTable, nRow, nColumn));
    if (pTech == nullptr) AfxThrowInvalidArgException();
    return pTech;
}

int CSndTo::GetTechCompCount(CTable* pTable, int nRow, int nColumn) {
    return TechField(pTable, nRow, nColumn)->GetComponentCount();
}

CString CSndTo::GetTechCompCountText(CTable* pTable, int nRow, int nColumn) {
    return IntToText(GetTechCompCount(pTable, nRow, nColumn));
}

CString CSndTo::GetTechFileName(CTable* pTable, int nRow, int nColumn) {
    return TechField(pTable, nRow, nColumn)->GetFileName();
}

CString CSndTo::GetTechFileNoText(CTable* pTable, int nRow, int nColumn) {
    return IntToText(TechField(pTable, nRow, nColumn)->m_nFileNo);
}

CString CSndTo::GetTechStyleText(CTable* pTable, int nRow, int nColumn) {
    return IntToText(TechField(pTable, nRow, nColumn)->m_nStyle);
}

void CSndTo::GetTechComponent(CComponent& rComponent, CTable* pTable, int nRow, int nColumn, int nComponent) {
    TechField(pTable, nRow, nColumn)->GetComponent(nComponent, rComponent);
}

CString CSndTo::GetTechCompValue1Text(CTable* pTable, int nRow, int nColumn, int nComponent) {
    return IntToText(TechField(pTable, nRow, nColumn)->GetComponentStart(nComponent));
}

CString CSndTo::GetTechCompValue2Text(CTable* pTable, int nRow, int nColumn, int nComponent) {
    return IntToText(TechField(pTable, nRow, nColumn)->GetComponentLength(nComponent));
}
