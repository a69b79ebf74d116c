// Applying a new freight rate to a job: every Summary line's freight amount
// and final value follow it.
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/Hint.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"

namespace {
constexpr int kFreightRateWidth = 10;
}

void CCorvDoc::ApplyFreight(const CString& strRate, BOOL bRecalc) {
    // The uncut text is compared, so a rate longer than the field applies
    // again every time.
    if (strRate == m_strFreightRate) return;
    m_strFreightRate = strRate.Left(kFreightRateWidth);
    SetModifiedFlag();
    if (!bRecalc || !m_pSummaryStruct || !m_pTable) return;

    const int nFreight = m_pSummaryStruct->FindField("FrtAmount");
    const int nWeight = m_pSummaryStruct->FindField("Weight");
    const int nNet = m_pSummaryStruct->FindField("Net");
    const int nFinal = m_pSummaryStruct->FindField("Final");
    if (nFreight < 0 || nWeight < 0 || nNet < 0 || nFinal < 0) return;

    CSlots slots;
    CString strName, strValue;
    for (int row = 0; row < m_pTable->GetSize(); ++row) {
        CRecord* pLine = m_pTable->GetRecord(row);
        if (pLine->IsEmpty()) continue;

        slots.Clear();
        slots.CalcFreight(m_strFreightRate, pLine->GetField(nWeight)->GetText(), "FrtAmount",
                          m_pSummaryStruct->GetFieldLength(nFreight),
                          m_pSummaryStruct->GetFieldPrecision(nFreight));
        if (slots.GetSingle(strName, strValue)) pLine->GetField(nFreight)->SetText(strValue);

        slots.Clear();
        slots.CalcFinal(pLine->GetField(nNet)->GetText(), pLine->GetField(nFreight)->GetText(), "Final",
                        m_pSummaryStruct->GetFieldLength(nFinal),
                        m_pSummaryStruct->GetFieldPrecision(nFinal));
        if (slots.GetSingle(strName, strValue)) pLine->GetField(nFinal)->SetText(strValue);
    }

    CHint freightHint(m_pTable, nFreight, -1);
    UpdateAllViews(nullptr, kHintColumnChanged, &freightHint);
    CHint finalHint(m_pTable, nFinal, -1);
    UpdateAllViews(nullptr, kHintColumnChanged, &finalHint);
}
