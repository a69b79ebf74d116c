#include "app/CorvView.h"

#include "app/AppMessages.h"
#include "framework/win/Gdi.h"
#include "framework/win/MessageMap.h"
#include "model/CorvDoc.h"
#include "model/Table.h"

IMPLEMENT_DYNCREATE(CCorvView, CView)

BEGIN_MESSAGE_MAP(CCorvView, CView)
END_MESSAGE_MAP()

CCorvDoc* CCorvView::GetDocument() const { return static_cast<CCorvDoc*>(m_pDocument); }

void CCorvView::OnDraw(CDC* pDC) {
    const CCorvDoc* pDoc = GetDocument();
    if (!pDoc) return;
    CString text;
    text.Format(AppMsg::kJobViewSummary, pDoc->GetTitle().GetString(),
                pDoc->m_pTable ? pDoc->m_pTable->GetSize() : 0);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(10, 10, text);
}
