#include "framework/win/PrintInfo.h"

#include "framework/win/PrintDialog.h"

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION)),
      m_bDirect(FALSE),
      m_bPreview(FALSE),
      m_bContinuePrinting(TRUE),
      m_nCurPage(1),
      m_nNumPreviewPages(1),
      m_lpUserData(nullptr) {
    m_pPD->m_pd.nMinPage = 1;
    m_pPD->m_pd.nMaxPage = 0xffff;
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xffff;
}

CPrintInfo::~CPrintInfo() { delete m_pPD; }

void CPrintInfo::SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }

void CPrintInfo::SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }

UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }

UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

UINT CPrintInfo::GetFromPage() const {
    return m_pPD->PrintRange() ? m_pPD->m_pd.nFromPage : m_pPD->m_pd.nMinPage;
}

UINT CPrintInfo::GetToPage() const {
    return m_pPD->PrintRange() ? m_pPD->m_pd.nToPage : m_pPD->m_pd.nMaxPage;
}

CRect AfxPrintableArea(HDC hDC) {
    return CRect(0, 0, ::GetDeviceCaps(hDC, HORZRES), ::GetDeviceCaps(hDC, VERTRES));
}
