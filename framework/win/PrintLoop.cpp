// The print loop of CView: the print and print-preview commands.
#include "framework/win/PrintDialog.h"
#include "framework/win/PrintInfo.h"
#include "framework/win/View.h"

BOOL CView::DoPreparePrinting(CPrintInfo*) { return FALSE; }

void CView::OnFilePrint() {}

void CView::OnFilePrintPreview() {}
