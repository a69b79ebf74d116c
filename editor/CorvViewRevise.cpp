// The revise-all commands of the job view: one new multiplier, one new
// margin or a new total final value put on every Summary line at once, and
// the job's extended totals shown. The lines' prices follow through the
// price formulas, step by step, each step reading what the one before wrote.
#include <initializer_list>

#include "editor/CorvView.h"
#include "editor/DlgLumpSum.h"
#include "editor/DlgMult.h"
#include "editor/DlgSellGM.h"
#include "editor/DlgTotals.h"
#include "editor/EditorMessages.h"
#include "framework/core/MessageBox.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Hint.h"
#include "model/NumberText.h"
#include "model/PriceSettings.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"

namespace {

// The Summary columns the revisions read and write.
struct PriceColumns {
    int nCost = -1;
    int nList = -1;
    int nNet = -1;
    int nMult = -1;
    int nMargin = -1;
    int nFreight = -1;
    int nFinal = -1;

    // FALSE when the layout lacks one of them.
    BOOL Find(const CTableStruct* pStruct) {
        nCost = pStruct->FindField("Cost");
        nList = pStruct->FindField("List");
        nNet = pStruct->FindField("Net");
        nMult = pStruct->FindField("Mult");
        nMargin = pStruct->FindField("Margin");
        nFreight = pStruct->FindField("FrtAmount");
        nFinal = pStruct->FindField("Final");
        for (int n : {nCost, nList, nNet, nMult, nMargin, nFreight, nFinal})
            if (n < 0) return FALSE;
        return TRUE;
    }
};

// One Summary line under revision.
class LineReviser {
public:
    LineReviser(const CTableStruct* pStruct, CRecord* pLine) : m_pStruct(pStruct), m_pLine(pLine) {}

    CString Text(int nField) const { return m_pLine->GetField(nField)->GetText(); }
    void Put(int nField, const CString& strText) { m_pLine->GetField(nField)->SetText(strText); }
    int Length(int nField) const { return m_pStruct->GetFieldLength(nField); }
    int Precision(int nField) const { return m_pStruct->GetFieldPrecision(nField); }

    // The formula has filled the list: its one entry goes into the line's
    // field of that name when the name is accepted; no entry or several
    // change nothing.
    void TakeAccepted(const CSlots& slots, std::initializer_list<const char*> accepted) {
        CString strName, strValue;
        if (!slots.GetSingle(strName, strValue)) return;
        for (const char* pszName : accepted) {
            if (strName == pszName) {
                Put(m_pStruct->FindField(pszName), strValue);
                return;
            }
        }
    }
    // The formula's one entry goes into the given field, whatever its name.
    void TakeInto(const CSlots& slots, int nField) {
        CString strName, strValue;
        if (slots.GetSingle(strName, strValue)) Put(nField, strValue);
    }

private:
    const CTableStruct* m_pStruct;
    CRecord* m_pLine;
};

// The revision that puts one value on every line; skips the lines with a
// "Detail Net" of their own. Returns TRUE when such a line was skipped.
template <class Revise>
BOOL ReviseEveryLine(CTable* pTable, const CTableStruct* pStruct, Revise revise) {
    const int nDetailNet = pStruct->FindField("Detail Net");
    BOOL bSkipped = FALSE;
    for (int i = 0; i < pTable->GetSize(); ++i) {
        CRecord* pLine = pTable->GetRecord(i);
        if (nDetailNet >= 0 && !pLine->GetField(nDetailNet)->GetText().IsEmpty()) {
            bSkipped = TRUE;
            continue;
        }
        if (pLine->IsEmpty()) continue;
        LineReviser line(pStruct, pLine);
        revise(line);
    }
    return bSkipped;
}

BOOL AnyDetailNet(CTable* pTable, const CTableStruct* pStruct) {
    const int nDetailNet = pStruct->FindField("Detail Net");
    if (nDetailNet < 0) return FALSE;
    for (int i = 0; i < pTable->GetSize(); ++i)
        if (!pTable->GetRecord(i)->GetField(nDetailNet)->GetText().IsEmpty()) return TRUE;
    return FALSE;
}

// The job changed in these four columns on every line.
void ReportPriceColumnsChanged(CCorvDoc* pDoc, const PriceColumns& cols) {
    pDoc->SetModifiedFlag(TRUE);
    for (int nColumn : {cols.nNet, cols.nMult, cols.nMargin, cols.nFinal}) {
        CHint hint(pDoc->m_pTable, nColumn, -1);
        pDoc->UpdateAllViews(nullptr, kHintColumnChanged, &hint);
    }
}

// Puts one new value into a price column of every line that may be revised:
// `follow` brings the net and the other price column after it, then the
// final value follows the net. The views hear of the four columns, and the
// user of the lines with a Detail Net of their own, which keep their prices.
template <class Follow>
void PutOnEveryLine(CCorvDoc* pDoc, int PriceColumns::*pColumn, const CString& strValue, Follow follow) {
    PriceColumns cols;
    CTableStruct* pStruct = pDoc->m_pSummaryStruct;
    if (!cols.Find(pStruct)) return;
    CSlots slots;
    const BOOL bSkipped = ReviseEveryLine(pDoc->m_pTable, pStruct, [&](LineReviser& line) {
        line.Put(cols.*pColumn, strValue);
        slots.Clear();
        follow(line, slots, cols);
        slots.Clear();
        slots.CalcFinal(line.Text(cols.nNet), line.Text(cols.nFreight), "Final", line.Length(cols.nFinal),
                        line.Precision(cols.nFinal));
        line.TakeAccepted(slots, {"Final"});
    });
    ReportPriceColumnsChanged(pDoc, cols);
    if (bSkipped) AfxMessageBox(EditorMsg::kDetailNetNotRevised);
}

}  // namespace

void CCorvView::OnEditMultiplier() {
    PlaceEditWnd();
    CDlgMult dlg(GetDocument()->m_pTable);
    if (dlg.DoModal() != IDOK) return;
    // The net follows the multiplier, then the margin the net.
    PutOnEveryLine(GetDocument(), &PriceColumns::nMult, dlg.GetValueText(),
                   [](LineReviser& line, CSlots& slots, const PriceColumns& cols) {
                       slots.CalcNetFromMult(line.Text(cols.nList), line.Text(cols.nMult), "Net",
                                             line.Length(cols.nNet), line.Precision(cols.nNet), "Mult");
                       line.TakeAccepted(slots, {"Net", "Mult"});
                       slots.Clear();
                       slots.CalcMargin(line.Text(cols.nCost), line.Text(cols.nNet), "Margin",
                                        line.Length(cols.nMargin), line.Precision(cols.nMargin));
                       line.TakeAccepted(slots, {"Margin"});
                   });
}

void CCorvView::OnEditMargin() {
    PlaceEditWnd();
    CDlgSellGM dlg(GetDocument()->m_pTable);
    if (dlg.DoModal() != IDOK) return;
    // The net follows the margin, then the multiplier the net.
    PutOnEveryLine(GetDocument(), &PriceColumns::nMargin, dlg.GetValueText(),
                   [](LineReviser& line, CSlots& slots, const PriceColumns& cols) {
                       slots.CalcNetFromMargin(line.Text(cols.nCost), line.Text(cols.nNet),
                                               line.Text(cols.nMargin), "Net", line.Length(cols.nNet),
                                               line.Precision(cols.nNet), "Margin", line.Length(cols.nMargin),
                                               line.Precision(cols.nMargin));
                       line.TakeAccepted(slots, {"Net", "Margin"});
                       slots.Clear();
                       slots.CalcMult(line.Text(cols.nList), line.Text(cols.nNet), "Mult",
                                      line.Length(cols.nMult), line.Precision(cols.nMult));
                       line.TakeAccepted(slots, {"Mult"});
                   });
}

void CCorvView::OnEditTotalFinalValue() {
    PlaceEditWnd();
    CCorvDoc* pDoc = GetDocument();
    CDlgLumpSum dlg(pDoc->m_pTable);
    if (dlg.DoModal() != IDOK) return;
    const double dCurrent = ReadDecimal(dlg.GetValueText());
    const double dTarget = ReadDecimal(dlg.GetValueText2());
    if (dCurrent == 0.0 || dTarget == 0.0) return;
    PriceColumns cols;
    CTableStruct* pStruct = pDoc->m_pSummaryStruct;
    if (!cols.Find(pStruct)) return;

    const double dFactor = (dTarget - dCurrent) / dCurrent + 1.0;
    CTable* pTable = pDoc->m_pTable;
    if (AnyDetailNet(pTable, pStruct)) {
        AfxMessageBox(EditorMsg::kCannotReviseTotal);
        return;
    }
    // Each line is scaled and rounded on its own, as the dialog's preview was.
    CSlots slots;
    for (int i = 0; i < pTable->GetSize(); ++i) {
        CRecord* pRecord = pTable->GetRecord(i);
        if (pRecord->IsEmpty()) continue;
        LineReviser line(pStruct, pRecord);
        const double dFinal = RoundPriceIfSet(ReadDecimal(line.Text(cols.nFinal)) * dFactor);
        slots.Clear();
        slots.AddNumber("Final", dFinal, line.Length(cols.nFinal), line.Precision(cols.nFinal));
        line.TakeInto(slots, cols.nFinal);
        slots.Clear();
        slots.CalcNetFromFinal(line.Text(cols.nFinal), line.Text(cols.nFreight), "Net",
                               line.Length(cols.nNet), line.Precision(cols.nNet));
        line.TakeInto(slots, cols.nNet);
        slots.Clear();
        slots.CalcMargin(line.Text(cols.nCost), line.Text(cols.nNet), "Margin", line.Length(cols.nMargin),
                         line.Precision(cols.nMargin));
        line.TakeInto(slots, cols.nMargin);
        slots.Clear();
        slots.CalcMult(line.Text(cols.nList), line.Text(cols.nNet), "Mult", line.Length(cols.nMult),
                       line.Precision(cols.nMult));
        line.TakeInto(slots, cols.nMult);
    }
    ReportPriceColumnsChanged(pDoc, cols);
}

void CCorvView::OnEditTotalExtendedValues() {
    PlaceEditWnd();
    CTable* pTable = GetDocument()->m_pTable;
    CDlgTotals dlg;
    CSlots slots;
    dlg.SetCost(slots.CalcColumnTotal(pTable, "Cost", 1.0));
    dlg.SetList(slots.CalcColumnTotal(pTable, "List", 1.0));
    dlg.SetNet(slots.CalcColumnTotal(pTable, "Net", 1.0));
    dlg.SetMultiplier(slots.CalcOverallMult(pTable));
    dlg.SetMargin(slots.CalcOverallMargin(pTable));
    dlg.SetFreightAmount(slots.CalcColumnTotal(pTable, "FrtAmount", 1.0));
    dlg.SetFinal(slots.CalcColumnTotal(pTable, "Final", 1.0));
    dlg.SetWeight(slots.CalcColumnTotal(pTable, "Weight", 1.0));
    dlg.DoModal();
}

void CCorvView::OnUpdateEditRevise(CCmdUI* pCmdUI) { pCmdUI->Enable(!IsDetailVisible()); }
