#include "database/SqlValueError.h"

#include <string>

#include "database/DbMessages.h"

IMPLEMENT_DYNAMIC(CSqlValueException, CException)

CString CSqlValueException::GetErrorMessage() const {
    // The value as a user can read it: a NUL character is shown as "\0".
    std::string strShown;
    for (char ch : m_strValue.str()) strShown += ch == '\0' ? std::string("\\0") : std::string(1, ch);
    CString strText;
    strText.Format(m_problem == Problem::NulCharacter ? DbMsg::kNulCharacterFmt : DbMsg::kNotANumberFmt,
                   m_strTable.GetString(), m_strColumn.GetString(), strShown.c_str());
    return strText;
}
