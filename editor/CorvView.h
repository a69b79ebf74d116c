// CCorvView: the view of one job inside its child window. It paints the
// job's Summary lines as a grid, scrolls it by column and line with its own
// two scroll bars, hosts the Summary grid's cell editor and owns the
// Detail window in which one line's Detail lines are edited. It keeps no
// copy of the lines: painting reads the job's table, changes arrive as
// update hints.
#pragma once

#include <memory>

#include <vector>

#include "framework/win/Gdi.h"
#include "framework/win/View.h"
#include "selection/SelOwner.h"

class CCorvDoc;
class CCorvScrollBar;
class CPrintInfo;
class CRptBaseClass;
struct CReportPrintJob;
class CDetailWnd;
class CEditWnd;
class CSelection;

class CCorvView : public CView, public CSelOwner {
    DECLARE_DYNCREATE(CCorvView)
public:
    CCorvView();
    ~CCorvView() override;

    CCorvDoc* GetDocument() const;

    // CView.
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    // CSelOwner.
    CTableStruct* GetSummaryStruct() const override;
    CRecord* GetCurrentSummaryLine() const override;

    // Layout.
    void CalcMetrics();
    CRect GetClientRectLessBars() const;
    void CalcVisibleRows();
    int GetColumnLimit() const;
    // Hides the Summary editor (committing its text); no cell stays current.
    void PlaceEditWnd();
    // Closes the Detail window (rolling its lines up), then commits the
    // Summary editor. Runs before the job is saved, closed, stored or printed.
    void CommitEdit();
    // Opens the Detail window for the Summary editor's current line.
    void OnViewDetail();
    void OnUpdateViewDetail(CCmdUI* pCmdUI);
    BOOL IsDetailVisible() const;

    // Revise-all commands (CorvViewRevise.cpp): enabled while the Detail
    // window is hidden.
    void OnEditMultiplier();
    void OnEditMargin();
    void OnEditTotalFinalValue();
    void OnEditTotalExtendedValues();
    void OnUpdateEditRevise(CCmdUI* pCmdUI);

    // Edit, View and Options commands carried out here or on the active
    // editor (CorvViewCommands.cpp). The active editor is the Detail
    // window's while that window is visible, else the Summary editor.
    CEditWnd* GetActiveEditor() const;
    void OnEditUndo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnEditCut();
    void OnEditCopy();
    void OnUpdateEditCutCopy(CCmdUI* pCmdUI);
    void OnEditPaste();
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnEditCutLine();
    void OnEditCopyLine();
    void OnEditPasteLine();
    void OnEditInsertLine();
    void OnUpdateActiveEditor(CCmdUI* pCmdUI);
    void OnViewSelect();
    void OnViewFindPartNumber();
    void OnEditTechToQuote();
    void OnEditPNToQuotePN();
    void OnUpdateDetailEditor(CCmdUI* pCmdUI);
    void OnFont();
    void OnViewArrowControl();
    void OnUpdateViewArrowControl(CCmdUI* pCmdUI);
    void OnDeleteBottomBlanks();
    // After Next SL of the Selection dialog: the next Summary line, its
    // Detail window and the Selection dialog for its first Detail line.
    void GoOnWithNextSelection();

    // Line View on the active editor while it is visible (CorvViewLineView.cpp).
    void OnViewLine();
    // View > Project... and View > Words... (editor/CorvViewProject.cpp).
    void OnViewProject();
    void OnViewWords();
    void OnUpdateViewWords(CCmdUI* pCmdUI);
    void OnUpdateViewLine(CCmdUI* pCmdUI);

    // Handlers.
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    CString m_strClassName;
    std::unique_ptr<CFont> m_pFont;
    std::unique_ptr<CCorvScrollBar> m_pHScroll;
    std::unique_ptr<CCorvScrollBar> m_pVScroll;
    std::unique_ptr<CEditWnd> m_pEditWnd;
    std::unique_ptr<CDetailWnd> m_pDetailWnd;
    std::unique_ptr<CBrush> m_pBackBrush;
    std::unique_ptr<CBrush> m_pDetailBrush;
    int m_nLaterTop = 0;
    std::vector<int> m_pSumWidths;
    std::vector<int> m_pDetWidths;
    int m_nLeftMargin = 0;
    int m_nRowHeight = 0;
    int m_nVisibleRows = 0;
    BOOL m_bArrowControl = TRUE;
    BOOL m_bInPreview = FALSE;
    RECT m_rcSelectDlg = {};
    RECT m_rcSummaryDlg = {};
    RECT m_rcDetailDlg = {};
    int m_nDetailHPos = 0;
    BOOL m_bSelectNext = FALSE;
    BOOL m_bOpenSelect = FALSE;
    CString m_strLastSelDescription;
    CString m_strLastSelFileName;
    int m_nLastSelFileNo = 0;
    int m_nLastSelStyle = 0;
    // Kept between two openings of the Selection dialog; owned.
    CSelection* m_pSelection = nullptr;
    BOOL m_bNoPrintDialog = FALSE;
    int m_nReport = 0;
    short m_nSavedOrientation = 1;

    // --- Printing (CorvViewPrint.cpp) ---
    // The report objects, one per report class; each lives from the start of
    // a print (the first page of a preview) to its end.
    CRptBaseClass* m_pQuoteOne = nullptr;  // Quote, Scope, Scope (Priced)
    CRptBaseClass* m_pQuoteTwo = nullptr;
    CRptBaseClass* m_pQuoteThree = nullptr;
    CRptBaseClass* m_pPurchOrd = nullptr;
    CRptBaseClass* m_pPropSum1 = nullptr;  // Proposal Summary, and by Plant
    CRptBaseClass* m_pPropSum2 = nullptr;
    CRptBaseClass* m_pICDS = nullptr;
    CRptBaseClass* m_pComm = nullptr;
    CFont* m_pReportFont = nullptr;  // the body font of the reports that are not letters
    CFont* m_pFooterFont = nullptr;  // the footer font of the letters
    // The member that holds the object of a report number (null for none).
    CRptBaseClass** ReportSlot(int nReport);
    // What the page print of the current report needs from the view.
    CReportPrintJob PrintJob();
    void DeletePrintObjects();

    void OnFilePrint();
    void OnFilePrintPreview();
    void OnPrintSelect();
    void OnPrintQuote();
    void OnPrintScope();
    void OnPrintScopePriced();
    void OnPrintDistribution();
    void OnPrintParts();
    void OnPrintItemCost();
    void OnPrintProposalSummary();
    void OnPrintProposalSummaryByPlant();
    void OnPrintProjectSellPrice();
    void OnPrintCommission();
    void OnPrintPurchaseOrder();
    void OnPreviewQuote();
    void OnPreviewScope();
    void OnPreviewScopePriced();
    void OnPreviewDistribution();
    void OnPreviewParts();
    void OnPreviewItemCost();
    void OnPreviewProposalSummary();
    void OnPreviewProposalSummaryByPlant();
    void OnPreviewProjectSellPrice();
    void OnPreviewCommission();
    void OnPreviewPurchaseOrder();
    void PrintReport(int nReport);
    void PreviewReport(int nReport);

    // CView printing.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView) override;

    void SetLastSelDescription(const CString& str) { m_strLastSelDescription = str; }
    void SetLastSelFileName(const CString& str) { m_strLastSelFileName = str; }

private:
    void RebuildFont();
    void UpdateFontChanged();
    void ForwardToDetail(LPARAM lHint, CObject* pHint);
    void HideDetail();

    DECLARE_MESSAGE_MAP()
};
