#include "selection/LeadWnd.h"

#include "framework/core/MessageBox.h"
#include "model/Component.h"
#include "selection/DtaReader.h"
#include "selection/ProductFiles.h"
#include "selection/SelMessages.h"
#include "selection/SelSettings.h"

namespace {

// A list entry: the mark, a tab and the name.
CString Entry(bool bMarked, const CString& name) {
    CString entry(bMarked ? ProductFile::kVantrelMark : ' ');
    entry += "\t";
    entry += name;
    return entry;
}

bool BeginsWithBlank(const CString& text) { return text.GetLength() > 0 && text[0] == ' '; }

}  // namespace

CLeadWnd::CLeadWnd(const CLeadWnd& other) : CSelection(other) { CopyMembers(other); }

CLeadWnd::~CLeadWnd() { FreeAll(); }

CLeadWnd& CLeadWnd::CopyFrom(const CLeadWnd& other) {
    if (this == &other) return *this;
    FreeAll();
    CSelection::operator=(other);
    CopyMembers(other);
    return *this;
}

void CLeadWnd::CopyMembers(const CLeadWnd& other) {
    m_arrTitles.Copy(other.m_arrTitles);
    for (CObject* p : other.m_arrGroups) m_arrGroups.Add(new CMoreWnd(*static_cast<CMoreWnd*>(p)));
}

void CLeadWnd::FreeAll() {
    m_arrTitles.RemoveAll();
    m_arrGroups.DeleteAll();
}

CMoreWnd* CLeadWnd::GetGroup(int nIndex) { return static_cast<CMoreWnd*>(m_arrGroups.GetAt(nIndex)); }

CMoreLine* CLeadWnd::Item(int g, int l) const {
    if (g < 0 || g >= m_arrGroups.GetSize()) return nullptr;
    const CMoreWnd* pGroup = static_cast<CMoreWnd*>(m_arrGroups.GetAt(g));
    if (l < 0 || l >= pGroup->GetLineCount()) return nullptr;
    return pGroup->GetLine(l);
}

// ---------------------------------------------------------------- loading

BOOL CLeadWnd::LoadDataFile(CString folder, CString fileName) {
    return LoadProductFile(
        folder, fileName, ProductFile::kStyleGrouped, [this](CDtaReader& r) { ReadBody(r); },
        [this] { FreeAll(); });
}

void CLeadWnd::ReadBody(CDtaReader& reader) {
    m_nPriceCol = reader.ReadInt();
    const int nNames = reader.ReadCount(DtaItemBytes::kLine);
    for (int i = 0; i < nNames; ++i) m_arrColNames.Add(reader.ReadLine());
    const int nTitles = reader.ReadCount(DtaItemBytes::kLine);
    for (int i = 0; i < nTitles; ++i) m_arrTitles.Add(reader.ReadLine());
    const int nGroups = reader.ReadCount(DtaItemBytes::kGroup);
    for (int g = 0; g < nGroups; ++g) {
        CMoreWnd* pGroup = new CMoreWnd(reader.ReadLine());
        m_arrGroups.Add(pGroup);
        pGroup->ReadBody(reader);
    }
}

// ---------------------------------------------------------------- the lists

int CLeadWnd::FillLists(CSelTextWnd* pTitle1, CSelTextWnd* pTitle2, CSelListBox* pLeft, CTable* pTable,
                        CSelTextWnd*, CSelTextWnd*, CString*, int nCol, int nRow, CSelOwner* pView,
                        BOOL bAuto, BOOL) {
    CString titles;
    for (const CString& t : m_arrTitles) titles += t + "\n";
    SelSetText(pTitle1, titles);
    SelSetText(pTitle2, "");
    if (pLeft) {
        pLeft->ResetContent();
        for (CObject* p : m_arrGroups) {
            const bool marked = bAuto && MatchConditions(p, pView, pTable, nRow, nCol);
            pLeft->InsertString(-1, Entry(marked, static_cast<CMoreWnd*>(p)->GetName()));
        }
    }
    return m_arrTitles.GetSize();
}

BOOL CLeadWnd::RefillLists(CSelTextWnd* pTitle1, CSelTextWnd* pTitle2, CSelListBox* pLeft, BOOL bAuto,
                           CSelOwner* pView, CTable* pTable, int nRow, int nCol) {
    CString description;
    FillLists(pTitle1, pTitle2, pLeft, pTable, nullptr, nullptr, &description, nCol, nRow, pView, bAuto,
              TRUE);
    return 1;
}

int CLeadWnd::SelChangeLeftListBox(CSelListBox* pLeft, CSelTextWnd* pTitle, CSelListBox* pRight,
                                   CSelDialogWnd* pDialog, BOOL bAuto, CSelTextWnd* pPrice,
                                   CSelTextWnd* pFigure, CSelOwner* pView, CTable* pTable, int nRow,
                                   int nCol) {
    const int g = pLeft ? pLeft->GetCurSel() : -1;
    if (g < 0 || g >= GetGroupCount()) {
        AfxMessageBox(SelMsg::kSeeSelChangeLeftListBox, MB_OK);
        return 1;
    }
    const CString picked = pLeft->GetLineText(g);
    const CMoreWnd* pGroup = GetGroup(g);
    CString cells;
    for (int i = 0; i < pGroup->GetCellCount(); ++i) cells += pGroup->GetCell(i) + "\n";
    SelSetText(pTitle, cells);

    if (pRight) {
        const long units = pDialog ? pDialog->GetDialogBaseUnits() : 8;
        const int u = static_cast<int>(units & 0xFFFF) / 4;
        const int stops[3] = {4 * u, 62 * u, 80 * u};
        pRight->SetTabStops(3, stops);
        pRight->ResetContent();
    }
    SelSetText(pPrice, "");
    SelSetText(pFigure, "");
    if (pRight) {
        const bool groupMarked = bAuto && !BeginsWithBlank(picked);
        for (int l = 0; l < pGroup->GetLineCount(); ++l) {
            CMoreLine* pLine = pGroup->GetLine(l);
            const bool marked = groupMarked && MatchConditions(pLine, pView, pTable, nRow, nCol);
            pRight->InsertString(-1, Entry(marked, pLine->GetName()));
        }
    }
    return pGroup->GetCellCount();
}

BOOL CLeadWnd::OnItemSelected(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice,
                              CSelTextWnd* pFigure, BOOL bAlert) {
    const int g = pLeft ? pLeft->GetCurSel() : -1;
    const int l = pRight ? pRight->GetCurSel() : -1;
    const CMoreLine* pLine = Item(g, l);
    if (!pLine) {
        SelSetText(pPrice, "");
        SelSetText(pFigure, "");
        return FALSE;
    }
    const CSelSettings settings = GetSelSettings();
    // A line without a price cell reads it as empty.
    const CString price = pLine->GetCellOrEmpty(m_nPriceCol);
    if (bAlert && settings.bPOAAlert && price == ProductFile::kPriceOnApplication)
        AfxMessageBox(SelMsg::kPriceOnApplication, MB_OK);
    SelSetText(pPrice, price);
    const CString entry = pRight->GetLineText(l);
    if (bAlert && settings.bVantrAlert && BeginsWithBlank(entry))
        AfxMessageBox(SelMsg::kNotVantrelSelection, MB_OK);
    const int f = Find(ProductFile::kFigureNumber);
    if (f >= 0) SelSetText(pFigure, pLine->GetCellOrEmpty(f));
    return TRUE;
}

BOOL CLeadWnd::SelChangeRightListBox(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice,
                                     CSelTextWnd* pFigure, BOOL bAlert) {
    OnItemSelected(pLeft, pRight, pPrice, pFigure, bAlert);
    return 0;
}

BOOL CLeadWnd::GetSelection(CSelListBox* pLeft, CSelListBox* pRight, CSelTextWnd* pPrice,
                            CSelTextWnd* pFigure, CString* pDescription, CStringArray* pNames,
                            CStringArray* pValues, CString* pFileName, int* pFileNo, int* pStyle,
                            CObArray* pComponents) {
    if (!OnItemSelected(pLeft, pRight, pPrice, pFigure, TRUE)) return FALSE;
    const CMoreLine* pLine = Item(pLeft->GetCurSel(), pRight->GetCurSel());
    if (pDescription) *pDescription = pLine->GetName();
    if (pNames && pValues && m_arrColNames.GetSize() == pLine->GetCellCount()) {
        pNames->RemoveAll();
        pValues->RemoveAll();
        for (int c = 0; c < pLine->GetCellCount(); ++c) {
            pNames->Add(m_arrColNames.GetAt(c));
            pValues->Add(pLine->GetCell(c));
        }
    }
    if (pFileName) *pFileName = m_strFileName;
    if (pFileNo) *pFileNo = m_nFileNo;
    if (pStyle) *pStyle = m_nStyle;
    if (pComponents) {
        pComponents->DeleteAll();
        pLine->CopyComponents(*pComponents);
    }
    return TRUE;
}

BOOL CLeadWnd::ClearSelection(CSelListBox*, CSelListBox*, CSelTextWnd*, CSelTextWnd*, CSelTextWnd*) {
    return 0;
}

void CLeadWnd::GetItemDetail(CStringArray* pNames, CStringArray* pValues, CObArray* pComponents, int, int j,
                             int k) {
    if (pNames) pNames->RemoveAll();
    if (pValues) pValues->RemoveAll();
    if (pComponents) pComponents->DeleteAll();
    const CMoreLine* pLine = Item(j, k);
    if (!pLine) return;
    if (pNames && pValues && m_arrColNames.GetSize() == pLine->GetCellCount()) {
        for (int c = 0; c < pLine->GetCellCount(); ++c) {
            pNames->Add(m_arrColNames.GetAt(c));
            pValues->Add(pLine->GetCell(c));
        }
    }
    if (pComponents) pLine->CopyComponents(*pComponents);
}

CString CLeadWnd::GetItemDescription(int, int j, int k) {
    const CMoreLine* pLine = Item(j, k);
    return pLine ? pLine->GetName() : CString();
}

// ---------------------------------------------------------------- searches

BOOL CLeadWnd::FindDescription(CString description, int* pGroup, int* pLine) {
    for (int g = 0; g < GetGroupCount(); ++g) {
        const CMoreWnd* pG = GetGroup(g);
        for (int l = 0; l < pG->GetLineCount(); ++l)
            if (pG->GetLine(l)->GetName() == description) {
                if (pGroup) *pGroup = g;
                if (pLine) *pLine = l;
                return TRUE;
            }
    }
    return FALSE;
}

void CLeadWnd::FindFigureNumber(CString text, CSelListBox*, CSelListBox*, CSelTextWnd*, CSelTextWnd*,
                                CSelTextWnd*, int* pGroup, int* pLine) {
    const int f = Find(ProductFile::kFigureNumber);
    if (f < 0) return;
    for (int g = 0; g < GetGroupCount(); ++g) {
        const CMoreWnd* pG = GetGroup(g);
        for (int l = 0; l < pG->GetLineCount(); ++l) {
            const CMoreLine* pL = pG->GetLine(l);
            if (f >= pL->GetCellCount()) continue;
            if (pL->GetCell(f).Left(text.GetLength()).CompareNoCase(text) == 0) {
                if (pGroup) *pGroup = g;
                if (pLine) *pLine = l;
                return;
            }
        }
    }
    AfxMessageBox(text + SelMsg::kNotFound, MB_OK);
}

int CLeadWnd::FindFirstMatchingGroup(CSelOwner* pView, CTable* pTable, int nRow, int nCol, BOOL bAuto) {
    if (!bAuto) return -1;
    for (int g = 0; g < GetGroupCount(); ++g)
        if (MatchConditions(GetGroup(g), pView, pTable, nRow, nCol)) return g;
    return -1;
}

int CLeadWnd::FindFirstMatchingLine(CSelListBox* pLeft, CSelOwner* pView, CTable* pTable, int nRow, int nCol,
                                    BOOL bAuto) {
    const int g = pLeft ? pLeft->GetCurSel() : -1;
    if (g < 0 || g >= GetGroupCount()) return -1;
    if (!bAuto || BeginsWithBlank(pLeft->GetLineText(g))) return -1;
    const CMoreWnd* pGroup = GetGroup(g);
    for (int l = 0; l < pGroup->GetLineCount(); ++l)
        if (MatchConditions(pGroup->GetLine(l), pView, pTable, nRow, nCol)) return l;
    return -1;
}
