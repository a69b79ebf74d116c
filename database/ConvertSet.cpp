#include "database/ConvertSet.h"

#include <cstdio>

#include "database/Columns.h"
#include "database/DbEngine.h"

IMPLEMENT_DYNAMIC(CConvertSet, CRecordset)

// One column's value buffer; which member holds the value depends on the
// column's binding.
struct CConvertSet::Value {
    enum class Binding { Text, LongText, LongBinary, Bit, Byte, Int, Long, Single, Double, Date };

    explicit Value(Binding b) : binding(b) {}

    Binding binding;
    int nField = 0;  // position among the exchanged fields
    CString strText;
    BOOL bBit = FALSE;
    BYTE byValue = 0;
    int nInt = 0;
    LONG nLong = 0;
    float fSingle = 0;
    double dDouble = 0;
    TIMESTAMP_STRUCT ts = {};
};

namespace {

using Binding = CConvertSet::Value::Binding;

}  // namespace

CConvertSet::CConvertSet(CDatabase* pDatabase) : CRecordset(pDatabase) { m_nDefaultType = snapshot; }

CConvertSet::~CConvertSet() { Close(); }

void CConvertSet::LoadColumns(const CString& strTable) {
    m_nFields = 0;
    m_arrNames.RemoveAll();
    m_arrWidths.clear();
    m_arrTypes.clear();
    m_values.clear();

    CDbEngine engine(*m_pDatabase);
    CColumns columns(m_pDatabase);
    columns.m_strTableNameParam = engine.CatalogTableName(strTable);
    if (!columns.Open(forwardOnly, nullptr, readOnly)) return;
    int nBound = 0;
    while (!columns.IsEOF() && m_arrNames.GetSize() < kMaxColumns) {
        CString strName = columns.m_strColumnName;
        int nType = columns.m_nDataType;
        int nWidth = static_cast<int>(columns.m_nPrecision);
        engine.MapCatalogColumn(strName, nType, nWidth);

        std::unique_ptr<Value> value;
        switch (nType) {
            case SQL_WLONGVARCHAR:
            case SQL_LONGVARCHAR:
                value = std::make_unique<Value>(Binding::LongText);
                break;
            case SQL_LONGVARBINARY:
                value = std::make_unique<Value>(Binding::LongBinary);
                break;
            case SQL_WVARCHAR:
            case SQL_CHAR:
            case SQL_NUMERIC:
            case SQL_DECIMAL:
            case SQL_VARCHAR:
                value = std::make_unique<Value>(Binding::Text);
                break;
            case SQL_BIT:
                value = std::make_unique<Value>(Binding::Bit);
                break;
            case SQL_TINYINT:
                value = std::make_unique<Value>(Binding::Byte);
                break;
            case SQL_INTEGER:
                value = std::make_unique<Value>(Binding::Long);
                break;
            case SQL_SMALLINT:
                value = std::make_unique<Value>(Binding::Int);
                break;
            case SQL_FLOAT:
            case SQL_DOUBLE:
                value = std::make_unique<Value>(Binding::Double);
                break;
            case SQL_REAL:
                value = std::make_unique<Value>(Binding::Single);
                break;
            case SQL_DATE:
            case SQL_TIME:
            case SQL_TIMESTAMP:
                value = std::make_unique<Value>(Binding::Date);
                break;
            default:
                // Binary and other types are listed but not read.
                break;
        }
        if (value) value->nField = nBound++;
        m_arrNames.Add(strName);
        m_arrWidths.push_back(nWidth);
        m_arrTypes.push_back(nType);
        m_values.push_back(std::move(value));
        columns.MoveNext();
    }
    columns.Close();
    m_nFields = nBound;
}

void CConvertSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    for (size_t i = 0; i < m_values.size(); ++i) {
        Value* p = m_values[i].get();
        if (p == nullptr) continue;
        const char* pszName = m_arrNames[static_cast<int>(i)];
        switch (p->binding) {
            case Binding::Text:
                RFX_Text(pFX, pszName, p->strText, kMaxText);
                break;
            case Binding::LongText:
                RFX_LongText(pFX, pszName, p->strText, kMaxMemoText);
                break;
            case Binding::LongBinary:
                RFX_LongBinary(pFX, pszName, p->strText, kMaxMemoText);
                break;
            case Binding::Bit:
                RFX_Bool(pFX, pszName, p->bBit);
                break;
            case Binding::Byte:
                RFX_Byte(pFX, pszName, p->byValue);
                break;
            case Binding::Int:
                RFX_Int(pFX, pszName, p->nInt);
                break;
            case Binding::Long:
                RFX_Long(pFX, pszName, p->nLong);
                break;
            case Binding::Single:
                RFX_Single(pFX, pszName, p->fSingle);
                break;
            case Binding::Double:
                RFX_Double(pFX, pszName, p->dDouble);
                break;
            case Binding::Date:
                RFX_Date(pFX, pszName, p->ts);
                break;
        }
    }
}

const CConvertSet::Value* CConvertSet::Find(const char* pszColumn) const {
    for (int i = 0; i < m_arrNames.GetSize(); ++i) {
        if (m_arrNames[i] == pszColumn) return m_values[static_cast<size_t>(i)].get();
    }
    return nullptr;
}

CString CConvertSet::GetText(const char* pszColumn) const {
    const Value* p = Find(pszColumn);
    if (p == nullptr || p->binding != Binding::Text || IsFieldNull(p->nField)) return "";
    return p->strText;
}

CString CConvertSet::GetMemoText(const char* pszColumn) const {
    const Value* p = Find(pszColumn);
    if (p == nullptr || (p->binding != Binding::LongText && p->binding != Binding::LongBinary) ||
        IsFieldNull(p->nField))
        return "";
    // The text ends at its first zero character.
    return CString(p->strText.GetString());
}

CString CConvertSet::GetDoubleText(const char* pszColumn, int nDecimals) const {
    const Value* p = Find(pszColumn);
    if (p == nullptr || IsFieldNull(p->nField)) return "";
    double d = 0;
    if (p->binding == Binding::Double)
        d = p->dDouble;
    else if (p->binding == Binding::Single)
        d = p->fSingle;
    else
        return "";
    CString strText;
    strText.Format("%.*f", nDecimals, d);
    return strText.Left(24);
}

CString CConvertSet::GetIntegerText(const char* pszColumn) const {
    const Value* p = Find(pszColumn);
    if (p == nullptr || IsFieldNull(p->nField)) return "";
    CString strText;
    if (p->binding == Binding::Long)
        strText.Format("%ld", static_cast<long>(p->nLong));
    else if (p->binding == Binding::Int)
        strText.Format("%d", p->nInt);
    else if (p->binding == Binding::Byte)
        strText.Format("%d", p->byValue);
    return strText;
}

LONG CConvertSet::GetLong(const char* pszColumn) const {
    const Value* p = Find(pszColumn);
    if (p == nullptr || IsFieldNull(p->nField)) return 0;
    if (p->binding == Binding::Long) return p->nLong;
    if (p->binding == Binding::Int) return p->nInt;
    if (p->binding == Binding::Byte) return p->byValue;
    return 0;
}

BOOL CConvertSet::GetBool(const char* pszColumn) const {
    const Value* p = Find(pszColumn);
    if (p == nullptr || p->binding != Binding::Bit || IsFieldNull(p->nField)) return FALSE;
    return p->bBit ? TRUE : FALSE;
}

CString CConvertSet::GetDateText(const char* pszColumn) const {
    const Value* p = Find(pszColumn);
    if (p == nullptr || p->binding != Binding::Date || IsFieldNull(p->nField)) return "";
    // Dates before 1970 have never been shown; a time-of-day column has no date.
    if (p->ts.year < 1970 || p->ts.month < 1 || p->ts.month > 12 || p->ts.day < 1 || p->ts.day > 31)
        return "";
    CString strText;
    strText.Format("%02d/%02d/%04d", p->ts.month, p->ts.day, p->ts.year);
    return strText;
}
