// CCorvView: the view of a job inside its child window. For now it shows
// the job's title and its count of Summary lines; the grids and the cell
// editor grow here.
#pragma once

#include "framework/win/View.h"

class CCorvDoc;

class CCorvView : public CView {
    DECLARE_DYNCREATE(CCorvView)
public:
    CCorvView() = default;
    ~CCorvView() override = default;

    CCorvDoc* GetDocument() const;

    void OnDraw(CDC* pDC) override;

    // Commits the text being edited in a cell into the job. The view has no
    // cell editor yet, so there is nothing to commit.
    void CommitEdit() {}

    // Set while the view shows a print preview.
    BOOL m_bInPreview = FALSE;

    DECLARE_MESSAGE_MAP()
};
