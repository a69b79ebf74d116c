// Line View: the current line in the Summary or Detail line dialog. The
// dialog is filled from the line, and on OK (also Prev and Next) its texts
// are written back field by field; Prev and Next then move the editor one
// line up or down and show the dialog again for that line.
#include <windows.h>

#include "editor/CorvView.h"
#include "editor/DetailWnd.h"
#include "editor/DlgDetailLine.h"
#include "editor/DlgSummaryLine.h"
#include "editor/EditWnd.h"
#include "editor/EditorMessages.h"
#include "framework/core/MessageBox.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Hint.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/WordsField.h"

namespace {

CField* FieldOf(CEditWnd& edit, const char* pszName) {
    const int nField = edit.m_pTable->GetTableStruct()->FindField(pszName);
    return nField < 0 ? nullptr : edit.m_pTable->GetRecord(edit.m_nRow)->GetField(nField);
}

CString TextOf(CEditWnd& edit, const char* pszName) {
    CField* pField = FieldOf(edit, pszName);
    return pField ? pField->GetText() : CString();
}

void WriteText(CEditWnd& edit, const char* pszName, const CString& strText) {
    if (CField* pField = FieldOf(edit, pszName)) pField->SetText(strText);
}

// Shows the editor over its cell again (opening the dialog took its focus
// and hid it), so that the grid's keys move it.
void ShowEditor(CEditWnd& edit) {
    if (edit.m_pDetailWnd)
        edit.Reposition(edit.m_pDetailWnd->GetGridRect(), edit.m_pDetailWnd->m_nVisibleRows, 0, 0);
    else
        edit.Reposition(edit.m_pView->GetClientRectLessBars(), edit.m_pView->m_nVisibleRows, 0, 0);
}

// Moves the editor to the line above (Prev) or below (Next); FALSE when it
// lost its cell.
BOOL StepLine(CEditWnd& edit, BOOL bPrev) {
    ShowEditor(edit);
    edit.OnKeyDown(bPrev ? VK_UP : VK_DOWN, 1, 0);
    return edit.HasCurrentField() && edit.m_nRow >= 0 && edit.m_nRow < edit.m_pTable->GetSize();
}

// After the line was written back: the hint and the modified flag.
void LineWritten(CEditWnd& edit, int nHint) {
    CCorvDoc* pDoc = edit.m_pView->GetDocument();
    CHint hint(edit.m_pTable, edit.m_nCol, edit.m_nRow);
    pDoc->UpdateAllViews(nullptr, nHint, &hint);
    pDoc->SetModifiedFlag(TRUE);
}

// Whether Next can show another line: not when the grid shows a single
// row and the editor stands on the last line.
BOOL RoomForNext(CEditWnd& edit, int nVisibleRows, const char* pszRefusal) {
    if (nVisibleRows == 1 && edit.m_nRow == edit.m_pTable->GetSize() - 1) {
        AfxMessageBox(pszRefusal, MB_OK);
        return FALSE;
    }
    return TRUE;
}

void LoadSummary(CEditWnd& edit, CDlgSummary& dlg) {
    dlg.SetItm(TextOf(edit, "Itm"));
    dlg.SetQty(TextOf(edit, "Qty"));
    dlg.SetDescription(TextOf(edit, "Description"));
    dlg.SetOperator(TextOf(edit, "Operator"));
    dlg.SetCost(TextOf(edit, "Cost"));
    dlg.SetList(TextOf(edit, "List"));
    dlg.SetDetailNet(TextOf(edit, "Detail Net"));
    dlg.SetNet(TextOf(edit, "Net"));
    dlg.SetMult(TextOf(edit, "Mult"));
    dlg.SetMargin(TextOf(edit, "Margin"));
    dlg.SetFrtAmount(TextOf(edit, "FrtAmount"));
    dlg.SetFinal(TextOf(edit, "Final"));
    dlg.SetWeight(TextOf(edit, "Weight"));
    dlg.SetBuyOut(TextOf(edit, "BuyOut"));
    dlg.SetWeeks(TextOf(edit, "Weeks"));
    dlg.SetTag(TextOf(edit, "Tag"));
    dlg.SetService(TextOf(edit, "Service"));
    dlg.SetWordsAbove(TextOf(edit, "WordsAbove"));
    const auto* pAbove = dynamic_cast<CWordsField*>(FieldOf(edit, "WordsAbove"));
    dlg.SetWordsAboveIndentLeft(pAbove ? pAbove->m_nIndentLeft : 0);
    dlg.SetWordsAboveIndentRight(pAbove ? pAbove->m_nIndentRight : 0);
    dlg.SetWordsBelow(TextOf(edit, "WordsBelow"));
    const auto* pBelow = dynamic_cast<CWordsField*>(FieldOf(edit, "WordsBelow"));
    dlg.SetWordsBelowIndentLeft(pBelow ? pBelow->m_nIndentLeft : 0);
    dlg.SetWordsBelowIndentRight(pBelow ? pBelow->m_nIndentRight : 0);
    dlg.SetComm(TextOf(edit, "Comm"));
    dlg.SetPlant(TextOf(edit, "Plant"));
    dlg.SetProduct(TextOf(edit, "Product"));
    dlg.SetSize(TextOf(edit, "Size"));
    dlg.SetType(TextOf(edit, "Type"));
    dlg.SetEC(TextOf(edit, "EC"));
    dlg.SetClass(TextOf(edit, "Class"));
    dlg.SetMC(TextOf(edit, "MC"));
    dlg.SetPC(TextOf(edit, "PC"));
}

// Description, Cost, List, Detail Net, FrtAmount and Weight follow the
// Detail lines and are not written back.
void StoreSummary(CEditWnd& edit, const CDlgSummary& dlg) {
    WriteText(edit, "Itm", dlg.GetItm());
    WriteText(edit, "Qty", dlg.GetQty());
    WriteText(edit, "Operator", dlg.GetOperator());
    WriteText(edit, "Net", dlg.GetNet());
    WriteText(edit, "Mult", dlg.GetMult());
    WriteText(edit, "Margin", dlg.GetMargin());
    WriteText(edit, "Final", dlg.GetFinal());
    WriteText(edit, "BuyOut", dlg.GetBuyOut());
    WriteText(edit, "Weeks", dlg.GetWeeks());
    WriteText(edit, "Tag", dlg.GetTag());
    WriteText(edit, "Service", dlg.GetService());
    WriteText(edit, "WordsAbove", dlg.GetWordsAbove());
    if (auto* pAbove = dynamic_cast<CWordsField*>(FieldOf(edit, "WordsAbove"))) {
        pAbove->m_nIndentLeft = dlg.m_nWordsAboveIndentLeft;
        pAbove->m_nIndentRight = dlg.m_nWordsAboveIndentRight;
    }
    WriteText(edit, "WordsBelow", dlg.GetWordsBelow());
    if (auto* pBelow = dynamic_cast<CWordsField*>(FieldOf(edit, "WordsBelow"))) {
        pBelow->m_nIndentLeft = dlg.m_nWordsBelowIndentLeft;
        pBelow->m_nIndentRight = dlg.m_nWordsBelowIndentRight;
    }
    WriteText(edit, "Comm", dlg.GetComm());
    WriteText(edit, "Plant", dlg.GetPlant());
    WriteText(edit, "Product", dlg.GetProduct());
    WriteText(edit, "Size", dlg.GetSize());
    WriteText(edit, "Type", dlg.GetType());
    WriteText(edit, "EC", dlg.GetEC());
    WriteText(edit, "Class", dlg.GetClass());
    WriteText(edit, "MC", dlg.GetMC());
    WriteText(edit, "PC", dlg.GetPC());
}

struct DetailAccess {
    const char* pszName;
    void (CDlgDetail::*set)(const CString&);
    CString (CDlgDetail::*get)() const;
};
// The sixteen Detail fields in the order they are loaded and written back.
const DetailAccess kDetailFields[] = {
    {"Product", &CDlgDetail::SetProduct, &CDlgDetail::GetProduct},
    {"Technical Description", &CDlgDetail::SetTechnical, &CDlgDetail::GetTechnical},
    {"cost", &CDlgDetail::SetCost, &CDlgDetail::GetCost},
    {"list", &CDlgDetail::SetList, &CDlgDetail::GetList},
    {"net", &CDlgDetail::SetNet, &CDlgDetail::GetNet},
    {"mult", &CDlgDetail::SetMult, &CDlgDetail::GetMult},
    {"margin", &CDlgDetail::SetMargin, &CDlgDetail::GetMargin},
    {"weight", &CDlgDetail::SetWeight, &CDlgDetail::GetWeight},
    {"PartNumber", &CDlgDetail::SetPartNumber, &CDlgDetail::GetPartNumber},
    {"QuotePN", &CDlgDetail::SetQuotePN, &CDlgDetail::GetQuotePN},
    {"QuoteDescription", &CDlgDetail::SetQuoteDescription, &CDlgDetail::GetQuoteDescription},
    {"AltQuoteDescription", &CDlgDetail::SetAltQuoteDescription, &CDlgDetail::GetAltQuoteDescription},
    {"DrawingNo", &CDlgDetail::SetDrawingNo, &CDlgDetail::GetDrawingNo},
    {"DwgItem", &CDlgDetail::SetDwgItem, &CDlgDetail::GetDwgItem},
    {"QtyAssy", &CDlgDetail::SetQtyAssy, &CDlgDetail::GetQtyAssy},
    {"SecondPN", &CDlgDetail::SetSecondPN, &CDlgDetail::GetSecondPN},
};

void LineViewSummary(CEditWnd& edit) {
    CDlgSummary dlg(edit.m_pTable);
    CCorvView* pView = edit.m_pView;
    for (BOOL bFirst = TRUE;; bFirst = FALSE) {
        if (!bFirst && !StepLine(edit, dlg.m_bPrev)) return;
        LoadSummary(edit, dlg);
        dlg.m_nRow = edit.m_nRow;
        dlg.m_rcWindow = pView->m_rcSummaryDlg;
        const INT_PTR nResult = dlg.DoModal();
        if (nResult == IDOK) {
            StoreSummary(edit, dlg);
            LineWritten(edit, kHintLineChanged);
        }
        pView->m_rcSummaryDlg = dlg.m_rcWindow;
        if (nResult != IDOK || (!dlg.m_bPrev && !dlg.m_bNext)) return;
        if (dlg.m_bNext && !RoomForNext(edit, pView->m_nVisibleRows, EditorMsg::kLineViewNoRoomSummary))
            return;
    }
}

void LineViewDetail(CEditWnd& edit) {
    CDlgDetail dlg(edit.m_pTable);
    CCorvView* pView = edit.m_pView;
    for (BOOL bFirst = TRUE;; bFirst = FALSE) {
        if (!bFirst && !StepLine(edit, dlg.m_bPrev)) return;
        for (const DetailAccess& field : kDetailFields) (dlg.*field.set)(TextOf(edit, field.pszName));
        dlg.m_nRow = edit.m_nRow;
        dlg.m_rcWindow = pView->m_rcDetailDlg;
        const INT_PTR nResult = dlg.DoModal();
        if (nResult == IDOK) {
            for (const DetailAccess& field : kDetailFields)
                WriteText(edit, field.pszName, (dlg.*field.get)());
            LineWritten(edit, kHintDetailLineChanged);
        }
        pView->m_rcDetailDlg = dlg.m_rcWindow;
        if (nResult != IDOK || (!dlg.m_bPrev && !dlg.m_bNext)) return;
        if (dlg.m_bNext &&
            !RoomForNext(edit, edit.m_pDetailWnd->m_nVisibleRows, EditorMsg::kLineViewNoRoomDetail))
            return;
    }
}

}  // namespace

void CEditWnd::OnLineView() {
    if (!IsCurrentRowValid()) return;
    CommitField();
    if (m_pDetailWnd)
        LineViewDetail(*this);
    else
        LineViewSummary(*this);
    // The dialog took the focus and so hid the editor: it stands over its
    // cell again, whichever window the system gives the focus back to.
    if (HasCurrentField()) ShowEditor(*this);
}
