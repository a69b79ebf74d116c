#include "database/ColumnCheck.h"

#include "database/ConvertSet.h"
#include "database/CustCol.h"
#include "database/DbMessages.h"
#include "framework/core/MessageBox.h"

BOOL CheckColumns(const CConvertSet* pSet, const CObArray& arrExpected, const CString& strTable) {
    if (arrExpected.GetSize() == 0) return FALSE;
    for (int i = 0; i < arrExpected.GetSize(); ++i) {
        const CCustCol* pExpected = static_cast<const CCustCol*>(arrExpected.GetAt(i));
        int nListed = -1;
        for (int j = 0; j < pSet->GetColumnCount(); ++j) {
            if (pSet->m_arrNames[j] == pExpected->m_strName) {
                nListed = j;
                break;
            }
        }
        const CString strColumn = DbMsg::kQuote + pExpected->m_strName;
        if (nListed < 0) {
            AfxMessageBox(strColumn + DbMsg::kFieldMustBeIncluded + strTable + DbMsg::kMissingEnd, MB_OK);
            return FALSE;
        }
        bool bFaulty = false;
        if (pSet->m_arrTypes[static_cast<size_t>(nListed)] != pExpected->m_nSqlType) {
            AfxMessageBox(strColumn + DbMsg::kFieldIn + strTable + DbMsg::kIncorrectType, MB_OK);
            bFaulty = true;
        }
        if (pSet->m_arrWidths[static_cast<size_t>(nListed)] != pExpected->m_nWidth) {
            AfxMessageBox(strColumn + DbMsg::kFieldIn + strTable + DbMsg::kIncorrectWidth, MB_OK);
            bFaulty = true;
        }
        if (bFaulty) return FALSE;
    }
    return TRUE;
}
