#include "workspace/NumEdit.h"

#include <cstdio>
#include <cstring>

#include "framework/core/MessageBox.h"
#include "framework/win/MessageMap.h"
#include "model/NumberField.h"
#include "model/TableStruct.h"
#include "workspace/SetButton.h"
#include "workspace/WorkspaceMessages.h"

BEGIN_MESSAGE_MAP(CNumEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

namespace {

// Copy (Ctrl+C) and paste (Ctrl+V) pass; their text is checked on leaving.
constexpr UINT kCtrlC = 3;
constexpr UINT kCtrlV = 22;
// The message is formatted into a buffer of this many bytes.
constexpr size_t kMessageBuffer = 200;

struct LabelForm {
    const char* pszLabel;
    const char* pszField;
};

// Header numbers without a line field of their own. Both spellings of the
// job-number label are in use among the dialogs.
const LabelForm kLabelForms[] = {
    {"Probability of Success %", "Margin"},
    {"P.O. Amount", "List"},
    {"Freight Rate", "List"},
    {"UDC 5", "List"},
    {"UDC 6", "List"},
    {"More Than $", "List"},
    {"UDC 7", "Weight"},
    {"UDC 8", "Weight"},
    {"CORV Number", "Weight"},
    {"Corv Number", "Weight"},
};

bool IsNumberChar(UINT nChar) {
    return (nChar >= '0' && nChar <= '9') || nChar == '.' || nChar == '+' || nChar == '-' ||
           nChar == VK_BACK || nChar == VK_RETURN || nChar == VK_ESCAPE || nChar == kCtrlC || nChar == kCtrlV;
}

}  // namespace

const char* NumFieldNameForLabel(const char* pszLabel) {
    for (const LabelForm& form : kLabelForms) {
        if (std::strcmp(form.pszLabel, pszLabel) == 0) return form.pszField;
    }
    return pszLabel;
}

void CNumEdit::OnChar(UINT nChar, UINT, UINT) {
    if (IsNumberChar(nChar)) Default();
}

int CNumEdit::ValidateNumField(CWnd* pEdit, const char* pszLabel, CTableStruct* pStruct, CWnd* pOkWnd,
                               CWnd* pCancelWnd, CSetButton* pOk, CSetButton* pCancel, CWnd* pPrevWnd,
                               CWnd* pNextWnd, CSetButton* pPrev, CSetButton* pNext) {
    if (pEdit == nullptr || pStruct == nullptr) return 0;
    const CString strTyped = pEdit->GetWindowText();
    const int nField = pStruct->FindField(NumFieldNameForLabel(pszLabel));
    if (nField < 0) return 0;

    CNumberField field(pStruct, nField);
    const int nResult = field.SetText(strTyped);
    const CString strNew = field.GetText();
    pEdit->SetWindowText(strNew);
    if (nResult != 5) return 0;

    char szMessage[kMessageBuffer];
    std::snprintf(szMessage, sizeof(szMessage), WorkspaceMsg::kInterpretedFmt, pszLabel, strNew.GetString(),
                  strTyped.GetString());
    AfxMessageBox(szMessage, MB_OK);

    const HWND hFocus = ::GetFocus();
    const struct {
        CWnd* pWnd;
        CSetButton* pButton;
    } pairs[] = {{pOkWnd, pOk}, {pCancelWnd, pCancel}, {pPrevWnd, pPrev}, {pNextWnd, pNext}};
    for (const auto& pair : pairs) {
        if (pair.pWnd && pair.pButton && pair.pWnd->m_hWnd == hFocus) {
            pair.pButton->m_bRelease = TRUE;
            break;
        }
    }
    pEdit->SetFocus();
    return 1;
}
