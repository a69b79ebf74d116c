// CPrtCol: one column of a printed band: text lines printed one under the
// other from the same x, with the column's own text alignment.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/core/StringArray.h"

class CPrtCol : public CObject {
public:
    // Text-alignment values handed to SetTextAlign (all with TA_TOP).
    static constexpr int kLeft = 0;
    static constexpr int kRight = 2;
    static constexpr int kCenter = 6;

    CPrtCol() = default;
    CPrtCol(const CPrtCol& other);
    CPrtCol& operator=(const CPrtCol& other);
    ~CPrtCol() override = default;

    void AddLine(const CString& s) { m_lines.Add(s); }
    // Inserts before line i; past the end it lands at i, the gap filled with
    // empty lines. A negative i raises the invalid-argument exception.
    void InsertLine(int i, const CString& s);
    // Both raise the invalid-argument exception outside 0 .. count - 1.
    CString GetLine(int i) const;
    void SetLine(int i, const CString& s);
    int GetLineCount() const { return m_lines.GetSize(); }

    int GetX() const { return m_x; }
    void SetX(int x) { m_x = x; }
    int GetAlign() const { return m_nAlign; }
    void SetAlign(int nAlign) { m_nAlign = nAlign; }
    BOOL GetUnderline() const { return m_bUnderline; }
    void SetUnderline(BOOL bUnderline) { m_bUnderline = bUnderline; }

    int m_x = 0;
    int m_nAlign = kLeft;
    BOOL m_bUnderline = FALSE;
    CStringArray m_lines;
};
