#include "project/ProjWords.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/core/MessageBox.h"
#include "framework/win/Controls.h"
#include "framework/win/DataExchange.h"
#include "framework/win/MessageMap.h"
#include "model/Indents.h"
#include "project/ProjMessages.h"
#include "project/ProjWorkspace.h"
#include "project/Words.h"
#include "res/project_ids.h"

IMPLEMENT_DYNAMIC(CProjWords, CProjPage)

BEGIN_MESSAGE_MAP(CProjWords, CProjPage)
    ON_LBN_DBLCLK(IDC_WORDS_SELECTIONS, &CProjWords::OnDblclkSelections)
    ON_STN_DBLCLK(IDC_WORDS_SELECTIONS_LABEL, &CProjWords::OnDblclkSelectionsLabel)
    ON_CBN_CLOSEUP(IDC_WORDS_STYLE, &CProjWords::OnCloseupStyle)
    ON_WM_HSCROLL()
    ON_CBN_SELCHANGE(IDC_WORDS_FILE, &CProjWords::OnSelchangeTextFile)
    ON_EN_KILLFOCUS(IDC_WORDS_LEFT, &CProjWords::OnKillfocusLeft)
    ON_EN_KILLFOCUS(IDC_WORDS_RIGHT, &CProjWords::OnKillfocusRight)
    ON_STN_DBLCLK(IDC_WORDS_FILE_LABEL, &CProjWords::OnDblclkTextFileLabel)
END_MESSAGE_MAP()

namespace {

constexpr int kMaxFileBytes = 9999;

struct KindInfo {
    const char* pszKind;
    const char* pszSelectionsNote;
    const char* pszFileList;
    const char* pszDefaultKey;  // in [Defaults]; null: none
    const char* pszDefaultFileMessage;
    bool bProjectPage;
};

const KindInfo kKinds[] = {
    {ProjMsg::kIntroduction, ProjMsg::kIntroSelections, "IntroFileName", "IntroFileName",
     ProjMsg::kDefaultFileIntro, true},
    {ProjMsg::kNotes, ProjMsg::kNotesSelections, "NotesFileName", "NotesFileName", ProjMsg::kDefaultFileNotes,
     true},
    {ProjMsg::kTerms, ProjMsg::kTermsSelections, "TermsFileName", "TermsFileName", ProjMsg::kDefaultFileTerms,
     true},
    {ProjMsg::kWordsAbove, ProjMsg::kWordsAboveSelections, "WordsAboveFileName", nullptr, nullptr, false},
    {ProjMsg::kWordsBelow, ProjMsg::kWordsBelowSelections, "WordsBelowFileName", nullptr, nullptr, false},
};

// The indent controls, which the words below a line do without: nothing
// prints its indents.
const int kIndentControls[] = {IDC_WORDS_INDENT_GROUP, IDC_WORDS_STYLE_LABEL, IDC_WORDS_LEFT_LABEL,
                               IDC_WORDS_RIGHT_LABEL,  IDC_WORDS_STYLE,       IDC_WORDS_LEFT,
                               IDC_WORDS_RIGHT,        IDC_WORDS_LEFT_BAR,    IDC_WORDS_RIGHT_BAR};

const KindInfo* KindOf(const CString& strCaption) {
    for (const KindInfo& kind : kKinds) {
        if (strCaption == kind.pszKind) return &kind;
    }
    return nullptr;
}

// At most nMax bytes of a file, up to its first zero byte; FALSE when it
// does not open.
BOOL ReadTextFile(const CString& strPath, int nMax, CString& strText) {
    FILE* pFile = std::fopen(strPath.GetString(), "rb");
    if (!pFile) return FALSE;
    std::vector<char> buffer(nMax + 1, '\0');
    const size_t nRead = std::fread(buffer.data(), 1, nMax, pFile);
    std::fclose(pFile);
    buffer[nRead] = '\0';
    strText = buffer.data();
    return TRUE;
}

}  // namespace

CProjWords::CProjWords() : CProjPage(IDD_PROJ_WORDS) {}

void CProjWords::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_WORDS_LEFT, m_nIndentLeft);
    DDV_MinMaxInt(pDX, m_nIndentLeft, 0, Indents::kMax);
    DDX_Text(pDX, IDC_WORDS_RIGHT, m_nIndentRight);
    DDV_MinMaxInt(pDX, m_nIndentRight, 0, Indents::kMax);
    DDX_Text(pDX, IDC_WORDS_TEXT, m_strWords);
}

BOOL CProjWords::OnInitDialog() {
    CProjPage::OnInitDialog();
    LimitText(IDC_WORDS_TEXT, 32000);
    LimitText(IDC_WORDS_FILE, 20);
    SetDlgItemText(IDC_WORDS_CAPTION, m_strCaption);

    const CWords words(m_pSelections);
    auto* pStyle = static_cast<CComboBox*>(GetDlgItem(IDC_WORDS_STYLE));
    for (int i = 0; i < CWords::kStyleCount; ++i) pStyle->AddString(words.GetStyleNameAt(i));
    ShowStyleOf(m_nIndentLeft, m_nIndentRight);

    const int bars[][2] = {{IDC_WORDS_LEFT_BAR, m_nIndentLeft}, {IDC_WORDS_RIGHT_BAR, m_nIndentRight}};
    for (const auto& bar : bars) {
        HWND hBar = ::GetDlgItem(m_hWnd, bar[0]);
        ::SetScrollRange(hBar, SB_CTL, 0, Indents::kMax, FALSE);
        ::SetScrollPos(hBar, SB_CTL, bar[1], TRUE);
    }
    if (m_pSelections) {
        HWND hList = ::GetDlgItem(m_hWnd, IDC_WORDS_SELECTIONS);
        for (int i = 0; i < words.GetCount(); ++i)
            ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(words.GetLabel(i).GetString()));
    }
    if (m_pTextFiles) {
        HWND hCombo = ::GetDlgItem(m_hWnd, IDC_WORDS_FILE);
        for (const CString& name : *m_pTextFiles)
            ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.GetString()));
    }
    if (m_strCaption == ProjMsg::kWordsBelow) {
        for (int nID : kIndentControls) ::ShowWindow(::GetDlgItem(m_hWnd, nID), SW_HIDE);
    }
    return TRUE;
}

BOOL CProjWords::OnKillActive() {
    // The indent still being typed gives way first.
    const bool bRightFirst = ::GetFocus() == ::GetDlgItem(m_hWnd, IDC_WORDS_RIGHT);
    KeepIndentSum(bRightFirst ? IDC_WORDS_RIGHT : IDC_WORDS_LEFT);
    KeepIndentSum(bRightFirst ? IDC_WORDS_LEFT : IDC_WORDS_RIGHT);
    return CProjPage::OnKillActive();
}

void CProjWords::OnKillfocusLeft() { KeepIndentSum(IDC_WORDS_LEFT); }

void CProjWords::OnKillfocusRight() { KeepIndentSum(IDC_WORDS_RIGHT); }

void CProjWords::KeepIndentSum(int nID) {
    const bool bLeft = nID == IDC_WORDS_LEFT;
    BOOL bValue = FALSE, bPartner = FALSE;
    const int nValue = static_cast<int>(GetDlgItemInt(nID, &bValue));
    const int nPartner = static_cast<int>(GetDlgItemInt(bLeft ? IDC_WORDS_RIGHT : IDC_WORDS_LEFT, &bPartner));
    // A value out of range is the range check's to refuse.
    if (!bValue || !bPartner || nValue < 0 || nValue > Indents::kMax || nPartner < 0 ||
        nPartner > Indents::kMax)
        return;
    const int nKept = std::min(nValue, Indents::Most(nPartner));
    if (nKept != nValue) SetDlgItemInt(nID, nKept);
    // The bar follows, so that its partner's scrolling keeps the sum too.
    ::SetScrollPos(::GetDlgItem(m_hWnd, bLeft ? IDC_WORDS_LEFT_BAR : IDC_WORDS_RIGHT_BAR), SB_CTL, nKept,
                   TRUE);
    ShowStyleOf(bLeft ? nKept : nPartner, bLeft ? nPartner : nKept);
}

void CProjWords::RememberPage(int nIndex) {
    const KindInfo* pKind = KindOf(m_strCaption);
    if (!pKind) return;
    if (pKind->bProjectPage)
        ProjWorkspace::SetProjectPage(nIndex);
    else
        ProjWorkspace::SetWordsPage(nIndex);
}

void CProjWords::ShowStyleOf(int nLeft, int nRight) {
    const CString strName = CWords(m_pSelections).GetStyleName(nLeft, nRight);
    if (GetDlgItemText(IDC_WORDS_STYLE) == strName) return;
    SendDlgItemMessage(IDC_WORDS_STYLE, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(strName.GetString()));
}

void CProjWords::InsertIntoWords(const CString& strText) {
    SendDlgItemMessage(IDC_WORDS_TEXT, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(strText.GetString()));
}

void CProjWords::OnDblclkSelections() {
    const CWords words(m_pSelections);
    HWND hList = ::GetDlgItem(m_hWnd, IDC_WORDS_SELECTIONS);
    const int nCount = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        if (::SendMessageA(hList, LB_GETSEL, i, 0) > 0) {
            InsertIntoWords(words.GetText(i));
            return;
        }
    }
}

void CProjWords::OnDblclkSelectionsLabel() {
    if (const KindInfo* pKind = KindOf(m_strCaption)) AfxMessageBox(pKind->pszSelectionsNote, MB_OK);
}

void CProjWords::OnCloseupStyle() {
    const CString strStyle = CutText(GetDlgItemText(IDC_WORDS_STYLE), 10);
    const CWords words(m_pSelections);
    if (strStyle == words.GetCustomName()) return;
    const int nLeft = words.GetStyleLeft(strStyle);
    const int nRight = words.GetStyleRight(strStyle);
    SetDlgItemInt(IDC_WORDS_LEFT, nLeft);
    SetDlgItemInt(IDC_WORDS_RIGHT, nRight);
    ::SetScrollPos(::GetDlgItem(m_hWnd, IDC_WORDS_LEFT_BAR), SB_CTL, nLeft, TRUE);
    ::SetScrollPos(::GetDlgItem(m_hWnd, IDC_WORDS_RIGHT_BAR), SB_CTL, nRight, TRUE);
}

void CProjWords::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    HWND hBar = pScrollBar ? pScrollBar->m_hWnd : nullptr;
    HWND hLeft = ::GetDlgItem(m_hWnd, IDC_WORDS_LEFT_BAR);
    HWND hRight = ::GetDlgItem(m_hWnd, IDC_WORDS_RIGHT_BAR);
    if (hBar != hLeft && hBar != hRight) {
        CProjPage::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    const HWND hPartner = hBar == hLeft ? hRight : hLeft;
    const int nPartner = ::GetScrollPos(hPartner, SB_CTL);
    int nValue = ::GetScrollPos(hBar, SB_CTL);
    bool bGrowing = false;
    switch (nSBCode) {
        case SB_LINELEFT:
            nValue = nValue > 0 ? nValue - 1 : 0;
            break;
        case SB_LINERIGHT:
            nValue += 1;
            bGrowing = true;
            break;
        case SB_PAGELEFT:
            nValue = nValue >= 10 ? nValue - 10 : 0;
            break;
        case SB_PAGERIGHT:
            nValue += 10;
            bGrowing = true;
            break;
        case SB_THUMBPOSITION:
            nValue = static_cast<int>(nPos);
            bGrowing = true;
            break;
        default:
            break;
    }
    if (bGrowing) nValue = std::min(nValue, Indents::Most(nPartner));
    ::SetScrollPos(hBar, SB_CTL, nValue, TRUE);
    SetDlgItemInt(hBar == hLeft ? IDC_WORDS_LEFT : IDC_WORDS_RIGHT, nValue);
    ShowStyleOf(::GetScrollPos(hLeft, SB_CTL), ::GetScrollPos(hRight, SB_CTL));
    CProjPage::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CProjWords::OnSelchangeTextFile() {
    HWND hCombo = ::GetDlgItem(m_hWnd, IDC_WORDS_FILE);
    const LRESULT nSel = ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (nSel == CB_ERR) return;
    const LRESULT nLength = ::SendMessageA(hCombo, CB_GETLBTEXTLEN, nSel, 0);
    std::vector<char> name(nLength > 0 ? nLength + 1 : 1, '\0');
    ::SendMessageA(hCombo, CB_GETLBTEXT, nSel, reinterpret_cast<LPARAM>(name.data()));
    CString strName = name.data();
    strName.Trim();
    if (strName.IsEmpty()) return;
    CString strText;
    if (!ReadTextFile(ProjWorkspace::DataFolder() + strName + ProjMsg::kTxt, kMaxFileBytes, strText)) {
        AfxMessageBox(CString(ProjMsg::kUnableToOpen) + strName + ProjMsg::kTxt, MB_OK);
        return;
    }
    InsertIntoWords(strText);
}

void CProjWords::OnDblclkTextFileLabel() {
    const KindInfo* pKind = KindOf(m_strCaption);
    if (!pKind) return;
    CString* pDefault =
        ProjWorkspace::DefaultText(pKind->pszDefaultKey ? "Defaults" : nullptr, pKind->pszDefaultKey);
    const CString strBefore = pDefault ? *pDefault : CString();
    ProjWorkspace::EditChoiceList(20, pKind->pszDefaultKey ? "Defaults" : nullptr, pKind->pszDefaultKey,
                                  pKind->pszFileList, static_cast<CComboBox*>(GetDlgItem(IDC_WORDS_FILE)));
    if (!pDefault || *pDefault == strBefore) return;
    if (!ProjWorkspace::ReloadDefaultText(pKind->pszKind, *pDefault)) {
        CString strName = *pDefault;
        strName.Trim();
        AfxMessageBox(CString(pKind->pszDefaultFileMessage) + strName + ProjMsg::kDefaultFileMiddle +
                          strName + ProjMsg::kDefaultFileEnd,
                      MB_OK);
    }
}
