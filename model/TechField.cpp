#include "model/TechField.h"

#include <memory>
#include <vector>

#include "framework/core/Exceptions.h"

IMPLEMENT_SERIAL(CTechField, CField, 1)

namespace {

// Copies of the components of an array; every element must be a CComponent.
std::vector<std::unique_ptr<CComponent>> CopyComponents(const CObArray& arr) {
    std::vector<std::unique_ptr<CComponent>> copies;
    for (CObject* p : arr) {
        if (!p || !p->IsKindOf(RUNTIME_CLASS(CComponent))) AfxThrowInvalidArgException();
        copies.push_back(std::make_unique<CComponent>(*static_cast<CComponent*>(p)));
    }
    return copies;
}

// Replaces the (owned) objects of the target by the copies.
void Replace(CObArray& target, std::vector<std::unique_ptr<CComponent>> copies) {
    target.DeleteAll();
    for (auto& p : copies) target.Add(p.release());
}

}  // namespace

CTechField::CTechField(const CTechField& other)
    : CField(other),
      m_nFileNo(other.m_nFileNo),
      m_nStyle(other.m_nStyle),
      m_strText(other.m_strText),
      m_strFileName(other.m_strFileName) {
    Replace(m_arrComponents, CopyComponents(other.m_arrComponents));
}

CTechField& CTechField::operator=(const CTechField& other) {
    if (this == &other) return *this;
    CField::operator=(other);
    m_strText = other.m_strText;
    m_strFileName = other.m_strFileName;
    m_nFileNo = other.m_nFileNo;
    m_nStyle = other.m_nStyle;
    Replace(m_arrComponents, CopyComponents(other.m_arrComponents));
    return *this;
}

CTechField::~CTechField() { m_arrComponents.DeleteAll(); }

void CTechField::Serialize(CArchive& ar) {
    CField::Serialize(ar);
    if (ar.IsStoring()) {
        m_arrComponents.SerializeOwned(ar, RUNTIME_CLASS(CComponent));
        ar << m_strText << m_strFileName << static_cast<WORD>(m_nFileNo) << static_cast<WORD>(m_nStyle);
    } else {
        m_arrComponents.DeleteAll();
        m_arrComponents.SerializeOwned(ar, RUNTIME_CLASS(CComponent));
        WORD wFileNo, wStyle;
        ar >> m_strText >> m_strFileName >> wFileNo >> wStyle;
        m_nFileNo = wFileNo;
        m_nStyle = wStyle;
    }
}

int CTechField::SetText(CString strText) {
    m_strText = strText.Left(GetFieldLength());
    return resultOk;
}

const CComponent* CTechField::Component(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_arrComponents.GetSize()) AfxThrowInvalidArgException();
    return static_cast<const CComponent*>(m_arrComponents.GetAt(nIndex));
}

void CTechField::GetComponents(CObArray& arrComponents) const {
    Replace(arrComponents, CopyComponents(m_arrComponents));
}

void CTechField::SetComponents(const CObArray& arrComponents) {
    Replace(m_arrComponents, CopyComponents(arrComponents));
}
