// CPrtSection: one horizontal band of a printed page, a row of columns
// (CPrtCol). A report body fills the columns, places them with one layout
// operation and appends the band to the report; the report base measures
// and prints it. Positions are logical units (0.01 inch, y upwards): a
// band's height is zero or negative. Every measurement is taken in the
// font selected into the device context, so a band is laid out and printed
// with the same font selected.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "reports/PrtCol.h"

class CDC;
class CPrintInfo;

class CPrtSection : public CObject {
public:
    static constexpr int kPlain = 0;
    static constexpr int kRuled = 1;  // double rules along the top and the bottom
    static constexpr int kMargin = 40;

    CPrtSection() = default;
    // Deep copies: the copy owns new columns and shares nothing.
    CPrtSection(const CPrtSection& other);
    virtual CPrtSection& operator=(const CPrtSection& other);
    ~CPrtSection() override;

    // A new empty column appended last; it stays owned by the band.
    CPrtCol* AddColumn();
    CPrtCol* GetColumn(int i) const { return static_cast<CPrtCol*>(m_columns.GetAt(i)); }
    int GetColumnCount() const { return m_columns.GetSize(); }
    // The largest line count among the columns.
    int GetLineCount() const;

    // -(line height x the largest line count).
    int GetHeight(CDC* pDC) const;
    // Draws the band with its top at y; of pInfo only the page rectangle is read.
    void Print(CDC* pDC, CPrintInfo* pInfo, int y) const;

    // Moves every column's lines from nLine on into a new band with the same
    // style and column geometry (the continuation of a band too tall for a
    // page). Returns null when the band has no line past nLine.
    CPrtSection* SplitAtLine(int nLine);

    // --- Layout: sets x, alignment and underline of the columns and wraps
    // the columns whose text may be longer than their room. A layout called
    // on a band with another number of columns than it needs does nothing.
    void WrapColumn(CDC* pDC, CPrtCol* pCol, int width, BOOL bTrimLeading);
    void LayoutHeadingBlock(CDC* pDC, CPrintInfo* pInfo);
    void LayoutCentred(CDC* pDC, CPrintInfo* pInfo);
    void LayoutIndented(CDC* pDC, CPrintInfo* pInfo, int leftPercent, int rightPercent, BOOL bTrimLeading);
    void LayoutTotalLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutDollarTotalLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutTermsBlock(CDC* pDC, CPrintInfo* pInfo);

    // Item tables of the quotation letters and the purchase order.
    void LayoutQuoteOneHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutQuoteOnePricedHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutQuoteOneLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutQuoteOnePricedLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutQuoteTwoHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutQuoteTwoLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutQuoteThreeHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutQuoteThreeLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutPurchOrdHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutPurchOrdLine(CDC* pDC, CPrintInfo* pInfo);

    // The list reports: short rows sit on chosen slots of the full row.
    void LayoutPropSumHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutPropSumLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutPropSumShortLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutPropSumPlantTotal(CDC* pDC, CPrintInfo* pInfo);
    void LayoutSellPriceHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutSellPriceLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutSellPriceShortLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutSellPriceTotal(CDC* pDC, CPrintInfo* pInfo);
    void LayoutICDSItem(CDC* pDC, CPrintInfo* pInfo);
    void LayoutCommHeading(CDC* pDC, CPrintInfo* pInfo);
    void LayoutCommLine(CDC* pDC, CPrintInfo* pInfo);
    void LayoutCommTotal(CDC* pDC, CPrintInfo* pInfo);
    void LayoutCommSplit(CDC* pDC, CPrintInfo* pInfo);

    int m_nStyle = kPlain;
    CObArray m_columns;  // of CPrtCol, owned

private:
    void DeleteColumns();
    void AppendCopies(const CPrtSection& other);
};
