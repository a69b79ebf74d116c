#include "model/Record.h"

#include <memory>

#include "framework/core/Exceptions.h"
#include "model/AlphaField.h"
#include "model/DateField.h"
#include "model/FieldDesc.h"
#include "model/NumberField.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "model/WordsField.h"

IMPLEMENT_SERIAL(CRecord, CObject, 1)

namespace {

// The field class that a type letter names; null for a letter that names none.
const CRuntimeClass* FieldClassOf(char chType) {
    switch (chType) {
        case CFieldDesc::typeDate:
            return RUNTIME_CLASS(CDateField);
        case CFieldDesc::typeNumber:
            return RUNTIME_CLASS(CNumberField);
        case CFieldDesc::typeText:
            return RUNTIME_CLASS(CAlphaField);
        case CFieldDesc::typeTech:
            return RUNTIME_CLASS(CTechField);
        case CFieldDesc::typeWords:
            return RUNTIME_CLASS(CWordsField);
        default:
            return nullptr;
    }
}

CField* NewField(CTableStruct* pLayout, int nIndex) {
    switch (pLayout->GetFieldType(nIndex)) {
        case CFieldDesc::typeDate:
            return new CDateField(pLayout, nIndex);
        case CFieldDesc::typeNumber:
            return new CNumberField(pLayout, nIndex);
        case CFieldDesc::typeText:
            return new CAlphaField(pLayout, nIndex);
        case CFieldDesc::typeTech:
            return new CTechField(pLayout, nIndex);
        case CFieldDesc::typeWords:
            return new CWordsField(pLayout, nIndex);
        // A descriptor whose type was refused still gets its place, so that
        // position i always holds the value of descriptor i; it holds nothing.
        default:
            return new CField(pLayout, nIndex);
    }
}

// A copy made by the copy constructor of the field's own class.
CField* CopyField(const CField* p) {
    const CRuntimeClass* pClass = p->GetRuntimeClass();
    if (pClass == RUNTIME_CLASS(CDateField)) return new CDateField(*static_cast<const CDateField*>(p));
    if (pClass == RUNTIME_CLASS(CNumberField)) return new CNumberField(*static_cast<const CNumberField*>(p));
    if (pClass == RUNTIME_CLASS(CAlphaField)) return new CAlphaField(*static_cast<const CAlphaField*>(p));
    if (pClass == RUNTIME_CLASS(CTechField)) return new CTechField(*static_cast<const CTechField*>(p));
    if (pClass == RUNTIME_CLASS(CWordsField)) return new CWordsField(*static_cast<const CWordsField*>(p));
    return new CField(*p);
}

}  // namespace

CRecord::CRecord(CTableStruct* pTableStruct, CTableStruct* pChildStruct) : m_pTableStruct(pTableStruct) {
    try {
        const int count = pTableStruct ? pTableStruct->GetSize() : 0;
        for (int i = 0; i < count; ++i) {
            std::unique_ptr<CField> pField(NewField(pTableStruct, i));
            m_arrFields.Add(pField.get());
            pField.release();
        }
        if (pChildStruct) m_pChild = new CTable(pChildStruct);
    } catch (...) {
        DeleteContents();
        throw;
    }
}

CRecord::CRecord(const CRecord& other) : CObject() {
    try {
        CopyContents(other);
    } catch (...) {
        DeleteContents();
        throw;
    }
}

CRecord& CRecord::operator=(const CRecord& other) {
    if (this == &other) return *this;
    DeleteContents();
    CopyContents(other);
    return *this;
}

CRecord::~CRecord() { DeleteContents(); }

void CRecord::DeleteContents() {
    m_arrFields.DeleteAll();
    delete m_pChild;
    m_pChild = nullptr;
}

void CRecord::CopyContents(const CRecord& other) {
    m_pTableStruct = other.m_pTableStruct;
    for (CObject* p : other.m_arrFields) {
        std::unique_ptr<CField> pField(CopyField(static_cast<CField*>(p)));
        m_arrFields.Add(pField.get());
        pField.release();
    }
    if (other.m_pChild) m_pChild = new CTable(*other.m_pChild);
}

void CRecord::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_arrFields.SerializeOwned(ar, RUNTIME_CLASS(CField));
        ar.WriteObject(m_pTableStruct);
        ar.WriteOwnedObject(m_pChild);
        return;
    }
    DeleteContents();
    m_arrFields.SerializeOwned(ar, RUNTIME_CLASS(CField));
    m_pTableStruct = static_cast<CTableStruct*>(ar.ReadSharedObject(RUNTIME_CLASS(CTableStruct)));
    m_pChild = static_cast<CTable*>(ar.ReadOwnedObject(RUNTIME_CLASS(CTable), true));
    CheckLoaded(ar);
}

// Everything else counts on field i being the value of descriptor i, of the
// class its type letter names; a damaged file that breaks this is refused.
void CRecord::CheckLoaded(CArchive& ar) const {
    if (m_arrFields.GetSize() != m_pTableStruct->GetSize())
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    for (int i = 0; i < m_arrFields.GetSize(); ++i) {
        const auto* pField = static_cast<const CField*>(m_arrFields.GetAt(i));
        const CRuntimeClass* pExpected = FieldClassOf(m_pTableStruct->GetFieldType(i));
        if (!pExpected || pField->GetRuntimeClass() != pExpected)
            AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
        if (pField->GetIndex() != i || pField->GetTableStruct() != m_pTableStruct)
            AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    }
}

CField* CRecord::GetField(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_arrFields.GetSize()) AfxThrowInvalidArgException();
    return static_cast<CField*>(m_arrFields.GetAt(nIndex));
}

CField* CRecord::GetFieldByName(const char* pszName) const {
    const int i = m_pTableStruct ? m_pTableStruct->FindField(pszName) : -1;
    if (i < 0) AfxThrowInvalidArgException();
    return GetField(i);
}

bool CRecord::IsEmptyPassing(const char* pszSkip) const {
    const int count = m_pTableStruct ? m_pTableStruct->GetSize() : 0;
    for (int i = 0; i < count; ++i) {
        if (pszSkip && m_pTableStruct->GetFieldName(i) == pszSkip) continue;
        CString text = GetField(i)->GetText();
        if (!text.TrimRight().IsEmpty()) return false;
    }
    if (m_pChild)
        for (int r = 0; r < m_pChild->GetSize(); ++r)
            if (!m_pChild->GetRecord(r)->IsEmptyPassing(pszSkip)) return false;
    return true;
}

BOOL CRecord::IsEmpty() const { return IsEmptyPassing(nullptr); }

BOOL CRecord::IsEmptyExcept(const char* pszName) const { return IsEmptyPassing(pszName ? pszName : ""); }

void CRecord::Clear() {
    const int count = m_pTableStruct ? m_pTableStruct->GetSize() : 0;
    for (int i = 0; i < count; ++i) GetField(i)->SetText("");
    if (m_pChild) m_pChild->RemoveAll();
}

void CRecord::CopyValues(const CRecord& self, const CRecord& from, CRecord& to) {
    CTableStruct* pLayout = self.m_pTableStruct;
    const int count = pLayout ? pLayout->GetSize() : 0;
    for (int i = 0; i < count; ++i) {
        CField* pFrom = from.GetField(i);
        CField* pTo = to.GetField(i);
        pTo->SetText(pFrom->GetText());
        const char type = pLayout->GetFieldType(i);
        if (type == CFieldDesc::typeWords && pFrom->IsKindOf(RUNTIME_CLASS(CWordsField)) &&
            pTo->IsKindOf(RUNTIME_CLASS(CWordsField))) {
            auto* pWordsFrom = static_cast<CWordsField*>(pFrom);
            auto* pWordsTo = static_cast<CWordsField*>(pTo);
            pWordsTo->m_nIndentLeft = pWordsFrom->m_nIndentLeft;
            pWordsTo->m_nIndentRight = pWordsFrom->m_nIndentRight;
        } else if (type == CFieldDesc::typeTech && pFrom->IsKindOf(RUNTIME_CLASS(CTechField)) &&
                   pTo->IsKindOf(RUNTIME_CLASS(CTechField))) {
            auto* pTechFrom = static_cast<CTechField*>(pFrom);
            auto* pTechTo = static_cast<CTechField*>(pTo);
            pTechTo->SetFileName(pTechFrom->GetFileName());
            pTechTo->m_nFileNo = pTechFrom->m_nFileNo;
            pTechTo->m_nStyle = pTechFrom->m_nStyle;
            CObArray components;
            try {
                pTechFrom->GetComponents(components);
                pTechTo->SetComponents(components);
            } catch (...) {
                components.DeleteAll();
                throw;
            }
            components.DeleteAll();
        }
    }

    // The receiving line's Detail lines become copies of the copying line's.
    if (self.m_pChild && to.m_pChild) {
        to.m_pChild->RemoveAll();
        if (!from.m_pChild) return;
        for (int r = 0; r < from.m_pChild->GetSize(); ++r) {
            const CRecord* pFromLine = from.m_pChild->GetRecord(r);
            CRecord* pToLine = to.m_pChild->AddRecord(nullptr);
            const CRecord& selfLine = &self == &from ? *pFromLine : *pToLine;
            CopyValues(selfLine, *pFromLine, *pToLine);
        }
    }
}

void CRecord::CopyToClip(CRecord& target) const {
    if (&target == this) return;
    CopyValues(*this, *this, target);
}

void CRecord::PasteFromClip(const CRecord& source) {
    if (&source == this) return;
    CopyValues(*this, source, *this);
}
