// CWords: the indent styles of the words page and its ready texts - up to
// fifty selections of the page's kind, each listed under a two-character
// label and inserted followed by a line break.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"

class CWords {
public:
    static constexpr int kStyleCount = 4;
    static constexpr int kMaxSelections = 50;

    explicit CWords(const CStringArray* pSelections);

    int GetCount() const { return m_nCount; }
    // An index outside the valid range reads entry 0.
    CString GetStyleNameAt(int nIndex) const;
    CString GetLabel(int nIndex) const;
    CString GetText(int nIndex) const;
    CString GetCustomName() const;
    // The first style after CUSTOM whose indents are both given; CUSTOM
    // when none is.
    CString GetStyleName(int nLeft, int nRight) const;
    // A style's indents (0 for a name not in the table, or CUSTOM).
    int GetStyleLeft(const CString& strName) const;
    int GetStyleRight(const CString& strName) const;

private:
    int m_nCount = 0;
    CString m_strTexts[kMaxSelections];
};
