#include "framework/win/PropertyPage.h"

#include <cstring>

#include "framework/win/App.h"
#include "framework/win/MessageMap.h"
#include "framework/win/PropertySheet.h"
#include "framework/win/ResourceString.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
    ON_COMMAND(IDOK, &CPropertyPage::OnPageOK)
    ON_COMMAND(IDCANCEL, &CPropertyPage::OnPageCancel)
END_MESSAGE_MAP()

namespace {

// Where the fields of a template's header lie: the extended form starts
// with version 1 and the signature 0xFFFF, the plain form with its style.
struct TemplateLayout {
    size_t nStyle, nExStyle, nCx, nCy, nMenu;
};

TemplateLayout LayoutOf(const BYTE* pData) {
    const auto* pWords = reinterpret_cast<const WORD*>(pData);
    if (pWords[0] == 1 && pWords[1] == 0xFFFF) return {12, 8, 22, 24, 26};
    return {0, 4, 14, 16, 18};
}

const WORD* SkipNameOrOrdinal(const WORD* p) {
    if (*p == 0) return p + 1;
    if (*p == 0xFFFF) return p + 2;
    while (*p) ++p;
    return p + 1;
}

std::vector<BYTE> LoadTemplateBytes(UINT nID) {
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (!hRes) return {};
    HGLOBAL hGlobal = ::LoadResource(hInst, hRes);
    const auto* pData = hGlobal ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    if (!pData) return {};
    return std::vector<BYTE>(pData, pData + ::SizeofResource(hInst, hRes));
}

template <class T>
T Read(const std::vector<BYTE>& bytes, size_t nAt) {
    T value{};
    std::memcpy(&value, bytes.data() + nAt, sizeof(T));
    return value;
}

template <class T>
void Write(std::vector<BYTE>& bytes, size_t nAt, T value) {
    std::memcpy(bytes.data() + nAt, &value, sizeof(T));
}

}  // namespace

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate) {
    if (nIDCaption) m_strTitle = AfxLoadString(nIDCaption);
}

CPropertyPage::~CPropertyPage() = default;

CString CPropertyPage::GetTitle() const {
    if (!m_strTitle.IsEmpty()) return m_strTitle;
    const std::vector<BYTE> bytes = LoadTemplateBytes(m_nIDTemplate);
    if (bytes.size() < 32) return CString();
    const TemplateLayout layout = LayoutOf(bytes.data());
    const WORD* p = reinterpret_cast<const WORD*>(bytes.data() + layout.nMenu);
    p = SkipNameOrOrdinal(p);  // menu
    p = SkipNameOrOrdinal(p);  // class
    char szTitle[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(p), -1, szTitle, sizeof(szTitle) - 1, nullptr,
                          nullptr);
    return CString(szTitle);
}

SIZE CPropertyPage::GetTemplateSize() const {
    const std::vector<BYTE> bytes = LoadTemplateBytes(m_nIDTemplate);
    if (bytes.size() < 32) return SIZE{0, 0};
    const TemplateLayout layout = LayoutOf(bytes.data());
    return SIZE{Read<short>(bytes, layout.nCx), Read<short>(bytes, layout.nCy)};
}

BOOL CPropertyPage::CreatePage(CPropertySheet* pSheet) {
    m_pSheet = pSheet;
    if (m_hWnd) return TRUE;
    if (m_childTemplate.empty()) {
        m_childTemplate = LoadTemplateBytes(m_nIDTemplate);
        if (m_childTemplate.size() < 32) {
            m_childTemplate.clear();
            return FALSE;
        }
        // A child of the sheet without a frame of its own, whose controls
        // the sheet's dialog keys reach.
        const TemplateLayout layout = LayoutOf(m_childTemplate.data());
        DWORD dwStyle = Read<DWORD>(m_childTemplate, layout.nStyle);
        dwStyle &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE | WS_DISABLED |
                     DS_MODALFRAME | DS_CENTER | DS_SYSMODAL);
        dwStyle |= WS_CHILD | DS_CONTROL | DS_3DLOOK;
        Write<DWORD>(m_childTemplate, layout.nStyle, dwStyle);
        const DWORD dwExStyle = Read<DWORD>(m_childTemplate, layout.nExStyle) | WS_EX_CONTROLPARENT;
        Write<DWORD>(m_childTemplate, layout.nExStyle, dwExStyle);
    }
    m_bFirstSetActive = TRUE;
    return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATEA>(m_childTemplate.data()), pSheet);
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

void CPropertyPage::EndDialog(int nResult) {
    if (m_pSheet) m_pSheet->EndDialog(nResult);
}

BOOL CPropertyPage::PreTranslateMessage(MSG*) { return FALSE; }

void CPropertyPage::OnPageOK() {
    if (m_pSheet) m_pSheet->SendMessage(WM_COMMAND, IDOK, 0);
}

void CPropertyPage::OnPageCancel() {
    if (m_pSheet) m_pSheet->SendMessage(WM_COMMAND, IDCANCEL, 0);
}
