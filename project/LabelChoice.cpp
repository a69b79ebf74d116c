#include "project/LabelChoice.h"

#include "framework/win/Controls.h"
#include "project/ProjWorkspace.h"

void EditLabelChoice(CWnd& page, const LabelChoice* pBegin, const LabelChoice* pEnd, UINT nID) {
    for (const LabelChoice* p = pBegin; p != pEnd; ++p) {
        if (p->nLabel != static_cast<int>(nID)) continue;
        ProjWorkspace::EditChoiceList(
            p->nMaxLength, p->pszSection, p->pszDefaultKey, p->pszList,
            p->nCombo ? static_cast<CComboBox*>(page.GetDlgItem(p->nCombo)) : nullptr);
        return;
    }
}
