#include "database/SqlValueError.h"

#include "database/DbMessages.h"

IMPLEMENT_DYNAMIC(CSqlValueException, CException)

CString CSqlValueException::GetErrorMessage() const {
    CString strText;
    strText.Format(DbMsg::kNotANumberFmt, m_strTable.GetString(), m_strColumn.GetString(),
                   m_strValue.GetString());
    return strText;
}
