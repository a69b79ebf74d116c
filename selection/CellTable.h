// CCellTable: the rows x cols text cells of a table-form product file, held
// compactly: all texts in one buffer and one 32-bit end offset per cell. A
// file of millions of empty cells then takes a few bytes per cell, in
// proportion to the file, rather than a text object each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/String.h"

class CCellTable {
public:
    // Empties the table and makes room for nCells texts of nTextBytes bytes
    // in all (a hint; texts may still be appended beyond it).
    void Reset(int nRows, int nCols, size_t nTextBytes = 0);
    void Clear();

    // Appends the next cell in row-major order.
    void Append(std::string_view text);

    int Rows() const { return m_nRows; }
    int Cols() const { return m_nCols; }
    // The cell's text; an empty text outside the table.
    std::string_view View(int nRow, int nCol) const;
    CString Get(int nRow, int nCol) const { return CString(std::string(View(nRow, nCol))); }
    // Bytes held for the cells.
    size_t Bytes() const { return m_text.capacity() + m_ends.capacity() * sizeof(std::uint32_t); }

private:
    int m_nRows = 0;
    int m_nCols = 0;
    std::string m_text;
    std::vector<std::uint32_t> m_ends;  // end of each cell's text in m_text
};
