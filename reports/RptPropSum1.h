// CRptPropSum1: the proposal summary, the internal pricing sheet of a job:
// one row per Summary line with list, multiplier, net, final and cost, the
// net, final and cost extended by the quantity, and the margin; a totals
// row with the overall multiplier and margin; start-up and total freight.
// By plant, the rows are grouped under their plant names in sorted order,
// each group closed by its subtotal row.
#pragma once

#include "framework/core/StringArray.h"
#include "reports/RptBaseClass.h"

struct CPriceTotals;

class CRptPropSum1 : public CRptBaseClass {
public:
    CRptPropSum1() = default;
    ~CRptPropSum1() override { m_plants.RemoveAll(); }
    virtual CRptPropSum1& operator=(const CRptPropSum1&) { return *this; }

    // Builds and paginates every band; returns the page count.
    int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop, BOOL byPlant);
    // Fills the empty band with the row of Summary line nLine, lays it out
    // and adds the line's values into the totals.
    void BuildItemLine(CPrtSection* pBand, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int nLine,
                       CPriceTotals& totals);
    // Fills the empty band with the totals row of one set of totals (a
    // plant's or the report's) and lays it out.
    void BuildTotalLine(CPrtSection* pBand, CDC* pDC, CPrintInfo* pInfo, const CPriceTotals& totals);

    // The distinct plant names of the last by-plant build, sorted.
    CStringArray m_plants;
};
