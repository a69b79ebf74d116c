#include "selection/PartNumberSearch.h"

#include "selection/DualWnd.h"
#include "selection/LeadWnd.h"
#include "selection/ProductFiles.h"

namespace {

// The result texts in their order and the columns that fill them.
const char* const kResultColumns[5] = {ProductFile::kProduct, ProductFile::kType, ProductFile::kPartNumber,
                                       ProductFile::kQuoteDescription, ProductFile::kAltQuoteDescription};

}  // namespace

CPartNumberSearch::CPartNumberSearch() {
    m_arrTableFiles.Add(ProductFile::kValveFile);
    m_arrTableFiles.Add(ProductFile::kActuatorFile);
    m_arrGroupedFiles.Add(ProductFile::kAccessoryFile);
}

CPartNumberSearch::~CPartNumberSearch() { delete m_pSelection; }

void CPartNumberSearch::ReplaceSelection(CSelection* pNew) {
    delete m_pSelection;
    m_pSelection = pNew;
}

void CPartNumberSearch::EmptyTexts() {
    m_strProduct.Empty();
    m_strType.Empty();
    m_strPartNumber.Empty();
    m_strQuoteDescription.Empty();
    m_strAltQuoteDescription.Empty();
    m_strTechnical.Empty();
}

void CPartNumberSearch::Reset() {
    EmptyTexts();
    m_nTableHit = m_nTableFile = m_nHitRow = m_nNextRow = 0;
    m_nGroupedHit = m_nGroupedFile = m_nHitGroup = m_nHitLine = m_nNextLine = 0;
}

BOOL CPartNumberSearch::Find(const CString& folder, const CString& partNumber,
                             const std::function<void(int)>& progress) {
    if (FindInTables(folder, partNumber, progress)) return TRUE;
    if (FindInGroups(folder, partNumber, progress)) return TRUE;
    Reset();
    return FALSE;
}

BOOL CPartNumberSearch::FindInTables(const CString& folder, const CString& partNumber,
                                     const std::function<void(int)>& progress) {
    m_nTableHit = 0;
    CString* texts[5] = {&m_strProduct, &m_strType, &m_strPartNumber, &m_strQuoteDescription,
                         &m_strAltQuoteDescription};
    for (int i = m_nTableFile; i < m_arrTableFiles.GetSize(); ++i) {
        ReplaceSelection(new CDualWnd);
        if (progress) progress(i + 1);
        const int p = m_pSelection->LoadDataFile(folder, m_arrTableFiles.GetAt(i))
                          ? m_pSelection->Find(ProductFile::kPartNumber)
                          : -1;
        if (p >= 0) {
            const int rows = m_pSelection->GetRowCount();
            for (int row = m_nNextRow; row < rows; ++row) {
                if (m_pSelection->GetCell(row, p) != partNumber) continue;
                EmptyTexts();
                for (int t = 0; t < 5; ++t) {
                    const int c = m_pSelection->Find(kResultColumns[t]);
                    if (c >= 0) *texts[t] = m_pSelection->GetCell(row, c);
                }
                m_strTechnical = m_pSelection->GetItemDescription(row, 0, 0);
                m_nHitRow = row;
                m_nNextRow = row + 1;
                m_nTableFile = i;
                m_nTableHit = 1;
                return TRUE;
            }
        }
        m_nNextRow = 0;
        m_nHitRow = 0;
    }
    return FALSE;
}

BOOL CPartNumberSearch::FindInGroups(const CString& folder, const CString& partNumber,
                                     const std::function<void(int)>& progress) {
    m_nGroupedHit = 0;
    m_nTableFile = m_arrTableFiles.GetSize();
    CString* texts[5] = {&m_strProduct, &m_strType, &m_strPartNumber, &m_strQuoteDescription,
                         &m_strAltQuoteDescription};
    for (int j = m_nGroupedFile; j < m_arrGroupedFiles.GetSize(); ++j) {
        ReplaceSelection(new CLeadWnd);
        if (progress) progress(m_arrTableFiles.GetSize() + j + 1);
        const int p = m_pSelection->LoadDataFile(folder, m_arrGroupedFiles.GetAt(j))
                          ? m_pSelection->Find(ProductFile::kPartNumber)
                          : -1;
        if (p >= 0) {
            const int nNames = m_pSelection->GetCount();
            for (int g = m_nHitGroup; g < m_pSelection->GetGroupCount(); ++g) {
                const CMoreWnd* pGroup = m_pSelection->GetGroup(g);
                for (int l = m_nNextLine; l < pGroup->GetLineCount(); ++l) {
                    const CMoreLine* pLine = pGroup->GetLine(l);
                    // Only lines with a cell for every column are candidates.
                    if (pLine->GetCellCount() != nNames || pLine->GetCellCount() <= p) continue;
                    if (pLine->GetCell(p) != partNumber) continue;
                    EmptyTexts();
                    for (int t = 0; t < 5; ++t) {
                        const int c = m_pSelection->Find(kResultColumns[t]);
                        if (c >= 0) *texts[t] = pLine->GetCell(c);
                    }
                    m_strTechnical = pLine->GetName();
                    m_nHitLine = l;
                    m_nNextLine = l + 1;
                    m_nHitGroup = g;
                    m_nGroupedFile = j;
                    m_nGroupedHit = 1;
                    return TRUE;
                }
                m_nNextLine = 0;
                m_nHitLine = 0;
            }
        }
        m_nHitGroup = 0;
        m_nNextLine = 0;
        m_nHitLine = 0;
    }
    return FALSE;
}

BOOL CPartNumberSearch::TakeHit(CString& description, CString& fileName, int& fileNo, int& style,
                                CStringArray& names, CStringArray& values, CObArray& components) {
    if (!HasHit() || !m_pSelection) return FALSE;
    fileName = m_pSelection->GetName();
    fileNo = m_pSelection->m_nFileNo;
    style = m_pSelection->m_nStyle;
    description = m_pSelection->GetItemDescription(m_nHitRow, m_nHitGroup, m_nHitLine);
    m_pSelection->GetItemDetail(&names, &values, &components, m_nHitRow, m_nHitGroup, m_nHitLine);
    return TRUE;
}
