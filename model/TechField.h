// CTechField: a technical description (type T): the description text, cut to
// the field's length, with what the product selection that produced it left
// behind - the product data file's name and number, the style, and the
// components that name segments of the description line (owned).
#pragma once

#include "framework/core/ObArray.h"
#include "model/Component.h"
#include "model/Field.h"

class CTechField : public CField {
    DECLARE_SERIAL(CTechField)
public:
    CTechField() = default;
    CTechField(CTableStruct* pTableStruct, int nIndex) : CField(pTableStruct, nIndex) {}
    CTechField(const CTechField& other);
    CTechField& operator=(const CTechField& other);
    ~CTechField() override;

    // Components (object array), description text, file name, then the file
    // number and the style as 16-bit unsigned numbers.
    void Serialize(CArchive& ar) override;

    // Keeps the first length characters as the description; nothing else
    // changes; returns 0.
    int SetText(CString strText) override;
    CString GetText() const override { return m_strText; }

    CString GetFileName() const { return m_strFileName; }
    void SetFileName(const char* pszFileName) { m_strFileName = pszFileName; }

    // Components by index; an index outside the list raises CInvalidArgException.
    int GetComponentCount() const { return m_arrComponents.GetSize(); }
    int GetComponentStart(int nIndex) const { return Component(nIndex)->m_nStart; }
    int GetComponentLength(int nIndex) const { return Component(nIndex)->m_nLength; }
    CString GetComponentName(int nIndex) const { return Component(nIndex)->GetName(); }
    void GetComponent(int nIndex, CComponent& rComponent) const { rComponent = *Component(nIndex); }

    // Deletes the objects of the caller's array and fills it with copies of
    // the components. The caller owns the array and its objects.
    void GetComponents(CObArray& arrComponents) const;
    // Replaces the components by copies of the given ones (CComponent
    // objects, which stay the caller's).
    void SetComponents(const CObArray& arrComponents);

    int m_nFileNo = 0;
    int m_nStyle = 0;

private:
    const CComponent* Component(int nIndex) const;

    CString m_strText;
    CString m_strFileName;
    CObArray m_arrComponents;  // of CComponent, owned
};
