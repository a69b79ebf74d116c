#include "selection/DlgDualLogic.h"

#include "selection/DualWnd.h"
#include "selection/LeadWnd.h"
#include "selection/SelMessages.h"

CString DlgDualCaption(int nRow, BOOL bPreset, const CString& description) {
    CString number;
    number.Format("%lld", static_cast<long long>(nRow) + 1);
    CString caption = CString(SelMsg::kCaptionLine) + number + SelMsg::kCaptionSeparator;
    if (!bPreset) caption += description;
    return caption;
}

bool CanReuseSelection(const CSelection* pSelection, const CString& fileName, BOOL bDtaFolderChanged) {
    return pSelection && !bDtaFolderChanged && pSelection->GetName() == fileName;
}

CSelection* NewSelection(bool bTableForm) {
    if (bTableForm) return new CDualWnd;
    return new CLeadWnd;
}
