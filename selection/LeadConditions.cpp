// Condition evaluation of the grouped form: whether a group or an item line
// is an automatic choice for the Detail line being edited.
#include "framework/core/MessageBox.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"
#include "selection/LeadWnd.h"
#include "selection/ProductFiles.h"
#include "selection/SelLines.h"
#include "selection/SelMessages.h"
#include "selection/SelOwner.h"

namespace {

// The conditions of a group or item line; null (after telling the user)
// for any other object.
const CLMCheck* ConditionsOf(CObject* pElement) {
    if (pElement &&
        (pElement->IsKindOf(RUNTIME_CLASS(CMoreWnd)) || pElement->IsKindOf(RUNTIME_CLASS(CMoreLine))))
        return &static_cast<CMoreEntry*>(pElement)->GetConditions();
    AfxMessageBox(SelMsg::kInvalidMoreWndLine, MB_OK);
    return nullptr;
}

bool IsMarkerName(const CString& name) {
    static const char* const markers[] = {"or", "or1", "or2", "or3", "or4", "or5", "or6", "or7", "or8"};
    for (const char* m : markers)
        if (name == m) return true;
    return false;
}

// The field text begins with one of the allowed values (an empty value
// always matches). No trimming here.
bool BeginsWithAllowed(const CString& text, const CLMCheck& checks, int nIndex) {
    for (int j = 0; j < checks.GetValueCount(nIndex); ++j) {
        const CString value = checks.GetValue(nIndex, j);
        if (text.Left(value.GetLength()) == value) return true;
    }
    return false;
}

}  // namespace

BOOL CLeadWnd::IsOrCondition(CObject* pElement, int nCount, int nIndex) {
    const CLMCheck* pChecks = ConditionsOf(pElement);
    if (!pChecks) return FALSE;
    if (nIndex < 0 || nIndex >= nCount || nIndex >= pChecks->GetCount()) return FALSE;
    return IsMarkerName(pChecks->GetName(nIndex));
}

BOOL CLeadWnd::MatchConditions(CObject* pElement, CSelOwner* pView, CTable* pTable, int nRow, int nCol) {
    const CLMCheck* pChecks = ConditionsOf(pElement);
    if (!pChecks) return TRUE;
    const int n = pChecks->GetCount();
    if (n == 0) return TRUE;
    // Markers join their neighbours into one alternative set; the sets are
    // combined by AND and evaluation stops at the first set that fails.
    int i = 0;
    BOOL r = FALSE;
    do {
        r = MatchCondition(pElement, i, pView, pTable, nRow, nCol);
        ++i;
        while (IsOrCondition(pElement, n, i)) {
            ++i;
            if (i >= n) break;
            if (!r) r = MatchCondition(pElement, i, pView, pTable, nRow, nCol);
            ++i;
        }
    } while (r && i < n);
    return r;
}

BOOL CLeadWnd::MatchCondition(CObject* pElement, int nIndex, CSelOwner* pView, CTable* pTable, int nRow,
                              int nCol) {
    const CLMCheck* pChecks = ConditionsOf(pElement);
    if (!pChecks) return FALSE;
    if (nIndex < 0 || nIndex >= pChecks->GetCount()) return FALSE;
    const CString name = pChecks->GetName(nIndex);
    const int nAbove = nRow < SelLineCount(pTable) ? nRow : SelLineCount(pTable);

    // 1. The nearest Detail line above whose description has a component of that name decides.
    for (int r = nAbove - 1; r >= 0; --r) {
        const CTechField* pField = SelTechField(pTable, r, nCol);
        if (!pField) continue;
        for (int c = 0; c < pField->GetComponentCount(); ++c) {
            if (pField->GetComponentName(c) != name) continue;
            CString value =
                SelCut(pField->GetText(), pField->GetComponentStart(c), pField->GetComponentLength(c));
            if (name == ProductFile::kCylModel) value = value.Left(ProductFile::kCylModelChars);
            if (name == ProductFile::kElecModel) value = value.Left(ProductFile::kElecModelChars);
            value = SelTrimRight(value);
            for (int j = 0; j < pChecks->GetValueCount(nIndex); ++j)
                if (value == SelTrimRight(pChecks->GetValue(nIndex, j))) return TRUE;
            return FALSE;
        }
    }

    // 2. A Detail field of that name on a line above.
    const CTableStruct* pLayout = pTable ? pTable->GetTableStruct() : nullptr;
    if (pLayout) {
        for (int r = 0; r < nAbove; ++r) {
            const CRecord* pLine = SelLine(pTable, r);
            for (int f = 0; f < pLayout->GetSize(); ++f)
                if (pLayout->GetFieldName(f) == name &&
                    BeginsWithAllowed(SelFieldText(pLine, f), *pChecks, nIndex))
                    return TRUE;
        }
    }

    // 3. A field of that name on the current Summary line.
    const CTableStruct* pSummaryLayout = pView ? pView->GetSummaryStruct() : nullptr;
    const CRecord* pSummary = pView ? pView->GetCurrentSummaryLine() : nullptr;
    if (pSummaryLayout && pSummary) {
        for (int f = 0; f < pSummaryLayout->GetSize(); ++f)
            if (pSummaryLayout->GetFieldName(f) == name &&
                BeginsWithAllowed(SelFieldText(pSummary, f), *pChecks, nIndex))
                return TRUE;
    }
    return FALSE;
}
