#include "model/TableStruct.h"

#include <iterator>

#include "framework/core/Exceptions.h"

IMPLEMENT_SERIAL(CTableStruct, CObject, 1)

namespace {

struct BuiltInField {
    const char* name;
    char type;
    int length;
    int precision;
    int width;
    int readOnly;
};

// One line per quoted item. The read-only fields are filled from the
// item's Detail lines.
const BuiltInField kSummaryFields[] = {
    {"Itm", 'S', 3, 0, 4, 0},
    {"Qty", 'N', 4, 0, 5, 0},
    {"Description", 'S', 28, 0, 30, 1},
    {"Operator", 'S', 15, 0, 17, 0},
    {"Cost", 'N', 10, 2, 11, 1},
    {"List", 'N', 10, 2, 11, 1},
    {"Detail Net", 'N', 10, 2, 11, 1},
    {"Net", 'N', 10, 2, 11, 0},
    {"Mult", 'N', 7, 4, 8, 0},
    {"Margin", 'N', 7, 2, 8, 0},
    {"FrtAmount", 'N', 10, 2, 11, 1},
    {"Final", 'N', 10, 2, 11, 0},
    {"Weight", 'N', 6, 0, 7, 1},
    {"BuyOut", 'N', 10, 2, 11, 0},
    {"Weeks", 'S', 5, 0, 7, 0},
    {"Tag", 'S', 250, 0, 35, 0},
    {"Service", 'S', 250, 0, 35, 0},
    {"WordsAbove", 'W', 32000, 0, 15, 0},
    {"WordsBelow", 'W', 32000, 0, 15, 0},
    {"Comm", 'N', 7, 2, 8, 0},
    {"Plant", 'S', 10, 0, 13, 0},
    {"Product", 'S', 10, 0, 16, 0},
    {"Size", 'S', 7, 0, 9, 0},
    {"Type", 'S', 10, 0, 16, 0},
    {"EC", 'S', 2, 0, 4, 0},
    {"Class", 'S', 4, 0, 6, 0},
    {"MC", 'S', 4, 0, 6, 0},
    {"PC", 'S', 4, 0, 6, 0},
};

// One line per component of an item. Its price fields are named in lower
// case, so a name look-up finds them only here.
const BuiltInField kDetailFields[] = {
    {"Product", 'S', 10, 0, 14, 0},
    {"Technical Description", 'T', 80, 0, 62, 0},
    {"cost", 'N', 10, 2, 11, 0},
    {"list", 'N', 10, 2, 11, 0},
    {"net", 'N', 10, 2, 11, 0},
    {"mult", 'N', 7, 4, 8, 0},
    {"margin", 'N', 7, 2, 8, 0},
    {"weight", 'N', 6, 0, 7, 0},
    {"PartNumber", 'S', 20, 0, 22, 0},
    {"QuotePN", 'S', 20, 0, 22, 0},
    {"QuoteDescription", 'S', 250, 0, 50, 0},
    {"AltQuoteDescription", 'S', 250, 0, 50, 0},
    {"DrawingNo", 'S', 16, 0, 20, 0},
    {"DwgItem", 'S', 7, 0, 10, 0},
    {"QtyAssy", 'S', 7, 0, 10, 0},
    {"SecondPN", 'S', 20, 0, 22, 0},
};

}  // namespace

CTableStruct::CTableStruct(int nKind) { BuildDefaultLayouts(nKind); }

CTableStruct::CTableStruct(const CTableStruct& other) : CObject() { *this = other; }

CTableStruct& CTableStruct::operator=(const CTableStruct& other) {
    if (this == &other) return *this;
    DeleteFieldDescs();
    for (CObject* p : other.m_arrFieldDescs)
        m_arrFieldDescs.Add(new CFieldDesc(*static_cast<CFieldDesc*>(p)));
    return *this;
}

CTableStruct::~CTableStruct() { DeleteFieldDescs(); }

void CTableStruct::BuildDefaultLayouts(int nKind) {
    DeleteFieldDescs();
    const BuiltInField* fields = nKind == kindSummary ? kSummaryFields : kDetailFields;
    const size_t count = nKind == kindSummary ? std::size(kSummaryFields) : std::size(kDetailFields);
    for (size_t i = 0; i < count; ++i) {
        const BuiltInField& f = fields[i];
        m_arrFieldDescs.Add(new CFieldDesc(f.name, f.type, f.length, f.precision, f.width, f.readOnly));
    }
}

void CTableStruct::Serialize(CArchive& ar) {
    if (ar.IsLoading()) DeleteFieldDescs();
    m_arrFieldDescs.SerializeOwned(ar, RUNTIME_CLASS(CFieldDesc));
}

CFieldDesc* CTableStruct::GetFieldDesc(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetSize()) AfxThrowInvalidArgException();
    return static_cast<CFieldDesc*>(m_arrFieldDescs.GetAt(nIndex));
}

int CTableStruct::FindField(const char* pszName) const {
    if (!pszName) return -1;
    // The reports look up every field they print on every line by name:
    // the names are compared where they lie, with no copy and no checks.
    int i = 0;
    for (const CObject* pDesc : m_arrFieldDescs) {
        if (static_cast<const CFieldDesc*>(pDesc)->GetName() == pszName) return i;
        ++i;
    }
    return -1;
}

int CTableStruct::GetFieldLengthByName(const char* pszName) const {
    const int i = FindField(pszName);
    return i < 0 ? kDefaultLength : GetFieldLength(i);
}

int CTableStruct::GetFieldPrecisionByName(const char* pszName) const {
    const int i = FindField(pszName);
    return i < 0 ? kDefaultPrecision : GetFieldPrecision(i);
}

int CTableStruct::GetFieldWidthByName(const char* pszName) const {
    const int i = FindField(pszName);
    return i < 0 ? kDefaultWidth : GetFieldWidth(i);
}
