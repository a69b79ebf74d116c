#include "selection/CellTable.h"

#include "framework/core/Exceptions.h"

void CCellTable::Reset(int nRows, int nCols, size_t nTextBytes) {
    Clear();
    m_nRows = nRows > 0 ? nRows : 0;
    m_nCols = nCols > 0 ? nCols : 0;
    m_ends.reserve(static_cast<size_t>(m_nRows) * static_cast<size_t>(m_nCols));
    m_text.reserve(nTextBytes);
}

void CCellTable::Clear() {
    m_nRows = m_nCols = 0;
    std::string().swap(m_text);
    std::vector<std::uint32_t>().swap(m_ends);
}

void CCellTable::Append(std::string_view text) {
    // Offsets are 32-bit: a product file is far smaller than 4 GB.
    if (m_text.size() + text.size() > UINT32_MAX) AfxThrowMemoryException();
    m_text.append(text);
    m_ends.push_back(static_cast<std::uint32_t>(m_text.size()));
}

std::string_view CCellTable::View(int nRow, int nCol) const {
    if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols) return {};
    const size_t i = static_cast<size_t>(nRow) * static_cast<size_t>(m_nCols) + static_cast<size_t>(nCol);
    if (i >= m_ends.size()) return {};
    const size_t begin = i == 0 ? 0 : m_ends[i - 1];
    return std::string_view(m_text).substr(begin, m_ends[i] - begin);
}
