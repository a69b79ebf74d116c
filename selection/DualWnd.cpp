#include "selection/DualWnd.h"

#include "framework/core/MessageBox.h"
#include "model/Component.h"
#include "model/TechField.h"
#include "selection/DtaReader.h"
#include "selection/ProductFiles.h"
#include "selection/SelLines.h"
#include "selection/SelMessages.h"
#include "selection/SelSettings.h"

namespace {

// The texts of a list, each followed by a line feed (the last one too).
CString JoinLines(int nCount, CString (CChoiceWnd::*get)(int) const, const CChoiceWnd& set) {
    CString text;
    for (int i = 0; i < nCount; ++i) {
        text += (set.*get)(i);
        text += "\n";
    }
    return text;
}

void ReplaceLine(CSelListBox* pList, int nIndex, const CString& text) {
    pList->DeleteString(nIndex);
    pList->InsertString(nIndex, text);
}

}  // namespace

CDualWnd::CDualWnd(const CDualWnd& other) : CSelection(other) { CopyMembers(other); }

CDualWnd::~CDualWnd() { FreeAll(); }

CDualWnd& CDualWnd::CopyFrom(const CDualWnd& other) {
    if (this == &other) return *this;
    FreeAll();
    CSelection::operator=(other);
    CopyMembers(other);
    return *this;
}

void CDualWnd::CopyMembers(const CDualWnd& other) {
    for (CObject* p : other.m_arrComponents)
        m_arrComponents.Add(new CComponent(*static_cast<CComponent*>(p)));
    m_firstLevel = other.m_firstLevel;
    for (CObject* p : other.m_arrSets) m_arrSets.Add(new CChoiceWnd(*static_cast<CChoiceWnd*>(p)));
    m_nRows = other.m_nRows;
    m_nCols = other.m_nCols;
    m_cells = other.m_cells;
    m_candidates = other.m_candidates;
}

void CDualWnd::FreeAll() {
    m_arrComponents.DeleteAll();
    m_arrSets.DeleteAll();
    m_firstLevel = CChoiceWnd();
    m_nRows = m_nCols = 0;
    m_cells.Clear();
    m_candidates.clear();
    m_candidates.shrink_to_fit();
}

const CComponent* CDualWnd::Component(int i) const {
    return static_cast<const CComponent*>(m_arrComponents.GetAt(i));
}
CChoiceWnd* CDualWnd::Set(int i) const { return static_cast<CChoiceWnd*>(m_arrSets.GetAt(i)); }
CString CDualWnd::GetComponentName(int i) const { return Component(i)->GetName(); }
int CDualWnd::GetComponentStart(int i) const { return Component(i)->m_nStart; }
int CDualWnd::GetComponentLength(int i) const { return Component(i)->m_nLength; }

CString CDualWnd::GetCell(int nRow, int nCol) { return CellRef(nRow, nCol); }

// ---------------------------------------------------------------- loading

BOOL CDualWnd::LoadDataFile(CString folder, CString fileName) {
    return LoadProductFile(
        folder, fileName, ProductFile::kStyleTable, [this](CDtaReader& r) { ReadBody(r); },
        [this] { FreeAll(); });
}

void CDualWnd::ReadBody(CDtaReader& reader) {
    const int rows = reader.ReadInt();
    const int cols = reader.ReadInt();
    m_nPriceCol = reader.ReadInt();
    if (rows < 0 || cols < 0) CDtaReader::Fail();
    if (rows > 0) {
        // Every row has cells, each at least its line feed, and the price
        // is one of them.
        if (cols == 0 || m_nPriceCol < 0 || m_nPriceCol >= cols) CDtaReader::Fail();
        reader.RequireItems(static_cast<long long>(rows) * cols, DtaItemBytes::kLine);
    }
    m_nRows = rows;
    m_nCols = cols;
    // Every cell is at least its line feed: the bytes left bound the texts.
    m_cells.Reset(rows, cols, reader.BytesLeft());
    m_candidates.assign(static_cast<size_t>(rows) + 1, -1);

    m_firstLevel.Load(reader);
    const int nSets = reader.ReadCount(DtaItemBytes::kChoiceSet);
    for (int k = 0; k < nSets; ++k) {
        CChoiceWnd* pSet = new CChoiceWnd;
        m_arrSets.Add(pSet);
        pSet->Load(reader);
    }
    const int nComponents = reader.ReadCount(DtaItemBytes::kComponent);
    long long lineLength = nComponents > 0 ? nComponents - 1 : 0;
    for (int m = 0; m < nComponents; ++m) {
        CString name = reader.ReadLine();
        const int start = reader.ReadInt();
        const int length = reader.ReadInt();
        if (!ProductFile::ComponentFits(start, length)) CDtaReader::Fail();
        CComponent* pComponent = new CComponent(name, start, length);
        m_arrComponents.Add(pComponent);
        lineLength += pComponent->m_nLength;
        if (lineLength > ProductFile::kMaxDescriptionLine) CDtaReader::Fail();
    }
    const int nNames = reader.ReadCount(DtaItemBytes::kLine);
    for (int k = 0; k < nNames; ++k) m_arrColNames.Add(reader.ReadLine());

    reader.RequireItems(static_cast<long long>(rows) * cols, DtaItemBytes::kLine);
    const long long nCells = static_cast<long long>(rows) * cols;
    for (long long i = 0; i < nCells; ++i) m_cells.Append(reader.ReadLineView());
}

// ---------------------------------------------------------------- narrowing

void CDualWnd::ResetCandidates() {
    for (int r = 0; r < m_nRows; ++r) m_candidates[static_cast<size_t>(r)] = r;
    m_candidates[static_cast<size_t>(m_nRows)] = -1;
}

void CDualWnd::Narrow(int nCol, const CString& text) {
    size_t out = 0;
    for (size_t in = 0; m_candidates[in] != -1; ++in) {
        const int r = m_candidates[in];
        if (CellView(r, nCol) == text.str()) m_candidates[out++] = r;
    }
    m_candidates[out] = -1;
}

int CDualWnd::FirstMatchingRow(CSelListBox* pLeft) {
    ResetCandidates();
    const int nLines = pLeft->GetCount();
    for (int j = 0; j < nLines && m_candidates[0] != -1; ++j) Narrow(j, pLeft->GetLineText(j));
    return m_candidates[0];
}

BOOL CDualWnd::LookUpPrice(CSelListBox* pLeft, CSelTextWnd* pPrice, CSelTextWnd* pFigure, BOOL bAlert) {
    if (m_candidates.empty() || !pLeft || pLeft->GetCount() == 0) return FALSE;
    const int r0 = FirstMatchingRow(pLeft);
    if (r0 == -1) {
        SelSetText(pPrice, "");
        SelSetText(pFigure, "");
        return FALSE;
    }
    const CString price = CellRef(r0, m_nPriceCol);
    if (bAlert && GetSelSettings().bPOAAlert && price == ProductFile::kPriceOnApplication)
        AfxMessageBox(SelMsg::kPriceOnApplication, MB_OK);
    SelSetText(pPrice, price);
    const int nFigure = Find(ProductFile::kFigureNumber);
    if (nFigure >= 0) SelSetText(pFigure, CellRef(r0, nFigure));
    return TRUE;
}

// ---------------------------------------------------------------- the lists

BOOL CDualWnd::ClearSelection(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pTitle,
                              CSelTextWnd* pPrice, CSelTextWnd* pFigure) {
    if (pLeft) pLeft->ResetContent();
    if (pRight) pRight->ResetContent();
    SelSetText(pTitle, "");
    SelSetText(pPrice, "");
    SelSetText(pFigure, "");
    if (pLeft)
        for (int k = 0; k < m_firstLevel.GetList3Count(); ++k) pLeft->AddString(m_firstLevel.GetList3(k));
    return TRUE;
}

int CDualWnd::FillLists(CSelTextWnd* pTitle1, CSelTextWnd* pTitle2, CSelListBox* pLeft, CTable* pTable,
                        CSelTextWnd* pPrice, CSelTextWnd* pFigure, CString*, int nCol, int nRow, CSelOwner*,
                        BOOL, BOOL bAlert) {
    SelSetText(pTitle1, JoinLines(m_firstLevel.GetList1Count(), &CChoiceWnd::GetList1, m_firstLevel));
    SelSetText(pTitle2, JoinLines(m_firstLevel.GetList2Count(), &CChoiceWnd::GetList2, m_firstLevel));
    if (pLeft) {
        pLeft->ResetContent();
        for (int k = 0; k < m_firstLevel.GetList3Count(); ++k) pLeft->AddString(m_firstLevel.GetList3(k));
        RestoreSelection(pLeft, pPrice, pFigure, pTable, nRow, nCol, bAlert);
    }
    return m_firstLevel.GetList1Count();
}

void CDualWnd::RestoreSelection(CSelListBox* pLeft, CSelTextWnd* pPrice, CSelTextWnd* pFigure, CTable* pTable,
                                int nRow, int nCol, BOOL bAlert) {
    const int n = ChoosingColumnCount();
    if (GetComponentCount() < n) return;
    pLeft->ResetContent();

    CString text;
    CObArray lineComponents;
    if (CTechField* pField = SelTechField(pTable, nRow, nCol)) {
        text = pField->GetText();
        pField->GetComponents(lineComponents);
    }
    for (int k = 0; k < n; ++k) {
        CString value;
        if (!text.IsEmpty()) {
            for (CObject* p : lineComponents) {
                const CComponent* c = static_cast<const CComponent*>(p);
                if (c->GetName() == GetComponentName(k) && c->m_nLength <= GetComponentLength(k)) {
                    value = SelTrimRight(SelCut(text, c->m_nStart, c->m_nLength));
                    break;
                }
            }
        }
        pLeft->AddString(value);
    }
    lineComponents.DeleteAll();

    // Still-empty lines borrow the value of the nearest line above that
    // came from another product file and names the same component.
    for (int k = 0; k < n; ++k) {
        CString current = pLeft->GetLineText(k);
        if (!current.Trim().IsEmpty()) continue;
        for (int r = nRow - 1; r >= 0; --r) {
            CTechField* pAbove = SelTechField(pTable, r, nCol);
            if (!pAbove || pAbove->m_nFileNo == m_nFileNo) continue;
            bool found = false;
            for (int c = 0; c < pAbove->GetComponentCount(); ++c) {
                if (pAbove->GetComponentName(c) == GetComponentName(k) &&
                    pAbove->GetComponentLength(c) <= GetComponentLength(k)) {
                    ReplaceLine(pLeft, k,
                                SelTrimRight(SelCut(pAbove->GetText(), pAbove->GetComponentStart(c),
                                                    pAbove->GetComponentLength(c))));
                    found = true;
                    break;
                }
            }
            if (found) break;
        }
    }
    LookUpPrice(pLeft, pPrice, pFigure, bAlert);
}

int CDualWnd::SelChangeLeftListBox(CSelListBox* pLeft, CSelTextWnd* pTitle, CSelListBox* pRight,
                                   CSelDialogWnd* pDialog, BOOL, CSelTextWnd*, CSelTextWnd*, CSelOwner*,
                                   CTable*, int, int) {
    const int i = pLeft ? pLeft->GetCurSel() : -1;
    if (m_candidates.empty() || i == -1 || i >= GetSetCount()) {
        AfxMessageBox(SelMsg::kSeeSelChangeDWList1, MB_OK);
        return 1;
    }
    ResetCandidates();
    const int nLines = pLeft->GetCount();
    for (int j = 0; j < nLines; ++j) {
        if (j == i) continue;
        CString text = pLeft->GetLineText(j);
        if (!text.IsEmpty()) Narrow(j, text);
    }
    const CChoiceWnd& set = *Set(i);
    SelSetText(pTitle, JoinLines(set.GetList1Count(), &CChoiceWnd::GetList1, set));

    if (pRight) {
        pRight->ResetContent();
        int widest = 0;
        long units = 8;
        if (pDialog) {
            for (int k = 0; k < set.GetList2Count(); ++k) {
                const int w = pDialog->GetTextExtent(set.GetList2(k));
                if (w > widest) widest = w;
            }
            units = pDialog->GetDialogBaseUnits();
        }
        int q = static_cast<int>(units & 0xFFFF) / 4;
        if (q < 1) q = 1;
        const int stop = widest / q + 12 * q;
        pRight->SetTabStops(1, &stop);

        for (int k = 0; k < set.GetList2Count(); ++k) {
            const CString value = set.GetList2(k);
            bool present = false;
            for (size_t c = 0; m_candidates[c] != -1; ++c)
                if (CellView(m_candidates[c], i) == value.str()) {
                    present = true;
                    break;
                }
            CString line = present ? value : CString("*");
            line += "\t";
            if (k < set.GetList3Count()) line += set.GetList3(k);
            pRight->AddString(line);
        }
    }
    return set.GetList1Count();
}

BOOL CDualWnd::SelChangeRightListBox(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice,
                                     CSelTextWnd* pFigure, BOOL bAlert) {
    const int i = pLeft ? pLeft->GetCurSel() : -1;
    const int k = pRight ? pRight->GetCurSel() : -1;
    if (i == -1 || k == -1 || i >= GetSetCount()) {
        AfxMessageBox(SelMsg::kSeeSelChangeRightListBox, MB_OK);
        return TRUE;
    }
    // A "*" line stands for a value no remaining row has: picking it clears the choice.
    const CString line = pRight->GetLineText(k);
    CString value;
    if (!(line.GetLength() > 0 && line[0] == '*') && k < Set(i)->GetList2Count()) value = Set(i)->GetList2(k);
    ReplaceLine(pLeft, i, value);
    pLeft->SetCurSel(i);
    LookUpPrice(pLeft, pPrice, pFigure, bAlert);
    return TRUE;
}

BOOL CDualWnd::GetSelection(CSelListBox* pLeft, CSelListBox*, CSelTextWnd* pPrice, CSelTextWnd* pFigure,
                            CString* pDescription, CStringArray* pNames, CStringArray* pValues,
                            CString* pFileName, int* pFileNo, int* pStyle, CObArray* pComponents) {
    if (!LookUpPrice(pLeft, pPrice, pFigure, TRUE)) return FALSE;
    const int r0 = m_candidates[0];
    if (pDescription) *pDescription = GetItemDescription(r0, 0, 0);
    if (pNames && pValues && m_arrColNames.GetSize() == m_nCols) {
        pNames->RemoveAll();
        pValues->RemoveAll();
        for (int c = 0; c < m_nCols; ++c) {
            pNames->Add(m_arrColNames.GetAt(c));
            pValues->Add(CellRef(r0, c));
        }
    }
    if (pFileName) *pFileName = m_strFileName;
    if (pFileNo) *pFileNo = m_nFileNo;
    if (pStyle) *pStyle = m_nStyle;
    if (pComponents) {
        pComponents->DeleteAll();
        for (CObject* p : m_arrComponents) pComponents->Add(new CComponent(*static_cast<CComponent*>(p)));
    }
    return TRUE;
}

void CDualWnd::GetItemDetail(CStringArray* pNames, CStringArray* pValues, CObArray* pComponents, int i, int,
                             int) {
    if (pNames) pNames->RemoveAll();
    if (pValues) pValues->RemoveAll();
    if (pComponents) pComponents->DeleteAll();
    if (pNames && pValues && m_arrColNames.GetSize() == m_nCols && i >= 0 && i < m_nRows) {
        for (int c = 0; c < m_nCols; ++c) {
            pNames->Add(m_arrColNames.GetAt(c));
            pValues->Add(CellRef(i, c));
        }
    }
    if (pComponents)
        for (CObject* p : m_arrComponents) pComponents->Add(new CComponent(*static_cast<CComponent*>(p)));
}

CString CDualWnd::GetItemDescription(int i, int, int) {
    const int nComponents = GetComponentCount();
    if (nComponents == 0) return CString();
    // The load made sure this length is small.
    long long length = nComponents - 1;
    for (int m = 0; m < nComponents; ++m) length += Component(m)->m_nLength;
    std::string line(static_cast<size_t>(length), ' ');
    for (int m = 0; m < nComponents; ++m) {
        const CComponent* c = Component(m);
        const CString value = CellRef(i, m);
        // A component reaching past the line is cut at its end.
        long long n = c->m_nLength < value.GetLength() ? c->m_nLength : value.GetLength();
        if (c->m_nStart >= length) continue;
        if (c->m_nStart + n > length) n = length - c->m_nStart;
        line.replace(static_cast<size_t>(c->m_nStart), static_cast<size_t>(n), value.GetString(),
                     static_cast<size_t>(n));
    }
    return CString(std::move(line));
}

void CDualWnd::FindFigureNumber(CString text, CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pTitle,
                                CSelTextWnd* pPrice, CSelTextWnd* pFigure, int*, int*) {
    const int f = Find(ProductFile::kFigureNumber);
    if (f < 0) return;
    int found = -1;
    for (int r = 0; r < m_nRows && found < 0; ++r)
        if (CellRef(r, f).Left(text.GetLength()).CompareNoCase(text) == 0) found = r;
    if (found < 0) {
        AfxMessageBox(text + SelMsg::kNotFound, MB_OK);
        ClearSelection(pLeft, pRight, pTitle, pPrice, pFigure);
        return;
    }
    const int n = ChoosingColumnCount();
    if (n > GetComponentCount() || !pLeft) return;
    pLeft->ResetContent();
    for (int c = 0; c < n; ++c) pLeft->AddString(CellRef(found, c));
    LookUpPrice(pLeft, pPrice, pFigure, TRUE);
}

// ------------------------------------------------ grouped-form operations

BOOL CDualWnd::RefillLists(CSelTextWnd*, CSelTextWnd*, CSelListBox*, BOOL, CSelOwner*, CTable*, int, int) {
    return FALSE;
}

BOOL CDualWnd::FindDescription(CString, int* pGroup, int* pLine) {
    if (pGroup) *pGroup = 0;
    if (pLine) *pLine = 0;
    return FALSE;
}

int CDualWnd::FindFirstMatchingGroup(CSelOwner*, CTable*, int, int, BOOL) { return -1; }

int CDualWnd::FindFirstMatchingLine(CSelListBox*, CSelOwner*, CTable*, int, int, BOOL) { return -1; }
