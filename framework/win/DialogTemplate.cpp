#include "framework/win/DialogTemplate.h"

#include <cstring>

namespace {

constexpr const wchar_t kFontFace[] = L"MS Shell Dlg";
constexpr WORD kFontPoints = 8;

void AppendText(std::vector<WORD>& words, const wchar_t* psz) {
    do {
        words.push_back(static_cast<WORD>(*psz));
    } while (*psz++);
}

void AppendAnsi(std::vector<WORD>& words, const CString& str) {
    std::vector<wchar_t> wide(str.GetLength() + 1);
    ::MultiByteToWideChar(CP_ACP, 0, str.GetString(), -1, wide.data(), static_cast<int>(wide.size()));
    AppendText(words, wide.data());
}

template <class T>
void AppendStruct(std::vector<WORD>& words, const T& value) {
    const size_t at = words.size();
    words.resize(at + sizeof(T) / sizeof(WORD));
    std::memcpy(words.data() + at, &value, sizeof(T));
}

}  // namespace

CDialogTemplate::CDialogTemplate(DWORD dwStyle, DWORD dwExStyle, short cx, short cy, const CString& caption) {
    DLGTEMPLATE header{};
    header.style = dwStyle | DS_SETFONT;
    header.dwExtendedStyle = dwExStyle;
    header.cx = cx;
    header.cy = cy;
    AppendStruct(m_words, header);
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // the standard dialog class
    AppendAnsi(m_words, caption);
    m_words.push_back(kFontPoints);
    AppendText(m_words, kFontFace);
}

void CDialogTemplate::AddControl(WORD nClassAtom, const CString& text, DWORD dwStyle, short x, short y,
                                 short cx, short cy, WORD nID) {
    // Each control starts on a DWORD boundary.
    if (m_words.size() % 2) m_words.push_back(0);
    DLGITEMTEMPLATE item{};
    item.style = dwStyle | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = nID;
    AppendStruct(m_words, item);
    m_words.push_back(0xFFFF);
    m_words.push_back(nClassAtom);
    AppendAnsi(m_words, text);
    m_words.push_back(0);  // no creation data
    ++reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit;
}
