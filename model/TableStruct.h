// CTableStruct: a line layout, the ordered field descriptors that give every
// line of a table its fields. The layout owns its descriptors; tables,
// records and fields only point at it.
#pragma once

#include "framework/core/Archive.h"
#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "model/FieldDesc.h"

class CTableStruct : public CObject {
    DECLARE_SERIAL(CTableStruct)
public:
    // Kinds of built-in layout.
    enum { kindSummary = 0, kindDetail = 1 };

    // Defaults of the by-name look-ups for a name the layout lacks.
    static constexpr int kDefaultLength = 32000;
    static constexpr int kDefaultPrecision = 4;
    static constexpr int kDefaultWidth = 80;

    // An empty layout, filled when an archive is read.
    CTableStruct() = default;
    // A built-in layout: kind 0 the Summary layout, any other the Detail layout.
    explicit CTableStruct(int nKind);
    CTableStruct(const CTableStruct& other);
    CTableStruct& operator=(const CTableStruct& other);
    ~CTableStruct() override;

    // The descriptors in the object-array form.
    void Serialize(CArchive& ar) override;

    void BuildDefaultLayouts(int nKind);

    // Number of descriptors.
    int GetSize() const { return m_arrFieldDescs.GetSize(); }

    // By index; an index outside the layout raises CInvalidArgException.
    CFieldDesc* GetFieldDesc(int nIndex) const;
    CString GetFieldName(int nIndex) const { return GetFieldDesc(nIndex)->GetName(); }
    char GetFieldType(int nIndex) const { return GetFieldDesc(nIndex)->GetType(); }
    int GetFieldLength(int nIndex) const { return GetFieldDesc(nIndex)->GetLength(); }
    int GetFieldPrecision(int nIndex) const { return GetFieldDesc(nIndex)->GetPrecision(); }
    int GetFieldWidth(int nIndex) const { return GetFieldDesc(nIndex)->GetWidth(); }
    int GetFieldFlag(int nIndex) const { return GetFieldDesc(nIndex)->GetFlag(); }

    // Index of the first descriptor whose name equals the text exactly
    // (case counts); -1 when none does.
    int FindField(const char* pszName) const;

    // By name; a name the layout lacks gives 32000, 4 and 80.
    int GetFieldLengthByName(const char* pszName) const;
    int GetFieldPrecisionByName(const char* pszName) const;
    int GetFieldWidthByName(const char* pszName) const;

private:
    void DeleteFieldDescs() { m_arrFieldDescs.DeleteAll(); }

    CObArray m_arrFieldDescs;  // of CFieldDesc, owned
};
