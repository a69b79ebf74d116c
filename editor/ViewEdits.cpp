#include "editor/ViewEdits.h"

#include "editor/CorvView.h"
#include "model/CorvDoc.h"

void CommitViewEdits(CCorvDoc& doc) {
    for (CView* pView : doc.GetViews()) {
        auto* pJobView = dynamic_cast<CCorvView*>(pView);
        if (pJobView && !pJobView->m_bInPreview) pJobView->CommitEdit();
    }
}
