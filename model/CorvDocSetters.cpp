// The header accessors: a setter compares the given value with the held one
// and, only when they differ, stores it (cut to the field's width) and marks
// the job modified. The comparison is made with the uncut text, so setting
// a too-long text twice marks the job modified twice.
#include "model/CorvDoc.h"

#include "model/FaceName.h"

namespace {
constexpr int kUncut = -1;
}  // namespace

void CCorvDoc::StoreHeaderText(CString& strHeld, const CString& strValue, int nWidth) {
    if (strHeld == strValue) return;
    strHeld = nWidth == kUncut ? strValue : strValue.Left(nWidth);
    SetModifiedFlag(TRUE);
}

void CCorvDoc::StoreHeaderInt(int& nHeld, int nValue) {
    if (nHeld == nValue) return;
    nHeld = nValue;
    SetModifiedFlag(TRUE);
}

#define CORV_DEFINE_CUT_SETTER(name, width) \
    void CCorvDoc::Set##name(const CString& strValue) { StoreHeaderText(m_str##name, strValue, width); }
#define CORV_DEFINE_UNCUT_SETTER(name, width) \
    void CCorvDoc::Set##name(const CString& strValue) { StoreHeaderText(m_str##name, strValue, kUncut); }
#define CORV_NO_SETTER(name, width)
CORV_HEADER_TEXTS_ALL(CORV_DEFINE_CUT_SETTER, CORV_DEFINE_UNCUT_SETTER, CORV_NO_SETTER)
#undef CORV_DEFINE_CUT_SETTER
#undef CORV_DEFINE_UNCUT_SETTER
#undef CORV_NO_SETTER

void CCorvDoc::SetIntro(const CString& strValue) { StoreHeaderText(m_strIntro, strValue, kUncut); }
void CCorvDoc::SetQNotes(const CString& strValue) { StoreHeaderText(m_strQNotes, strValue, kUncut); }
void CCorvDoc::SetTerms(const CString& strValue) { StoreHeaderText(m_strTerms, strValue, kUncut); }

void CCorvDoc::SetQuoteCount(int nValue) { StoreHeaderInt(m_nQuoteCount, nValue); }
void CCorvDoc::SetIntroIndLeft(int nValue) { StoreHeaderInt(m_nIntroIndLeft, nValue); }
void CCorvDoc::SetIntroIndRight(int nValue) { StoreHeaderInt(m_nIntroIndRight, nValue); }
void CCorvDoc::SetQNotesIndLeft(int nValue) { StoreHeaderInt(m_nQNotesIndLeft, nValue); }
void CCorvDoc::SetQNotesIndRight(int nValue) { StoreHeaderInt(m_nQNotesIndRight, nValue); }
void CCorvDoc::SetTermsIndLeft(int nValue) { StoreHeaderInt(m_nTermsIndLeft, nValue); }
void CCorvDoc::SetTermsIndRight(int nValue) { StoreHeaderInt(m_nTermsIndRight, nValue); }

void CCorvDoc::SetFont(const LOGFONT& lf) {
    if (!FontsDiffer(m_lfFont, lf)) return;
    // The whole face-name field is taken, bytes after the terminator included,
    // so that the job file keeps them.
    m_lfFont = lf;
    SetModifiedFlag(TRUE);
}

void CCorvDoc::SetFontColor(COLORREF cr) {
    if (m_crFontColor == cr) return;
    m_crFontColor = cr;
    SetModifiedFlag(TRUE);
}
