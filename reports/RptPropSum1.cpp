#include "reports/RptPropSum1.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "reports/BandText.h"
#include "reports/LetterBlocks.h"
#include "reports/PriceSheet.h"
#include "reports/ProjectHeading.h"
#include "reports/PrtSection.h"
#include "reports/ReportMessages.h"

namespace {
// The overall multiplier and margin print as a field of seven characters
// would show them.
constexpr int kRatioLength = 7;

CString RatioText(const char* pszName, bool bKnown, double dValue, int nPrecision) {
    if (!bKnown) return Stars(kRatioLength);
    CSlots slots;
    slots.AddNumber(pszName, dValue, kRatioLength, nPrecision);
    CString name, value;
    if (!slots.GetSingle(name, value)) return Stars(kRatioLength);
    return value;
}

CPrtSection* NewTableHeading(CDC* pDC, CPrintInfo* pInfo) {
    CPrtSection* pBand =
        NewPriceHeading({RptMsg::kList, RptMsg::kMult, RptMsg::kNet, RptMsg::kNetExt, RptMsg::kFinal,
                         RptMsg::kFinalExt, "", RptMsg::kCost, RptMsg::kCostExt, RptMsg::kMargin});
    pBand->LayoutPropSumHeading(pDC, pInfo);
    return pBand;
}

// The Plant text of a line as the grouping compares it.
CString PlantOf(CRecord* pLine) {
    CString plant = FieldText(pLine, "Plant");
    plant.Trim();
    return plant;
}
}  // namespace

void CRptPropSum1::BuildItemLine(CPrtSection* pBand, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int nLine,
                                 CPriceTotals& totals) {
    CRecord* pLine = pDoc->m_pTable->GetRecord(nLine);
    const CString qty = FieldText(pLine, "Qty");
    const CString list = FieldText(pLine, "List");
    const CString net = FieldText(pLine, "Net");
    const CString final = FieldText(pLine, "Final");
    const CString cost = FieldText(pLine, "Cost");

    AddProductCells(pBand, pLine);
    totals.AddQuantity(qty);
    const CString netExt = ExtendPrice(qty, net, totals.net);
    const CString finalExt = ExtendPrice(qty, final, totals.final);
    ExtendPrice(qty, list, totals.list);  // for the overall multiplier only
    const CString costExt = ExtendPrice(qty, cost, totals.cost);

    auto add = [pBand](const CString& text) {
        pBand->AddColumn()->AddLine(text);
    };
    add(AddThousandsSeparators(list));
    add(FieldText(pLine, "Mult"));
    add(AddThousandsSeparators(net));
    add(AddThousandsSeparators(netExt));
    add(AddThousandsSeparators(final));
    add(AddThousandsSeparators(finalExt));
    add("");
    add(AddThousandsSeparators(cost));
    add(AddThousandsSeparators(costExt));
    add(FieldText(pLine, "Margin"));

    if (IsFullRow(pLine))
        pBand->LayoutPropSumLine(pDC, pInfo);
    else
        pBand->LayoutPropSumShortLine(pDC, pInfo);
}

void CRptPropSum1::BuildTotalLine(CPrtSection* pBand, CDC* pDC, CPrintInfo* pInfo, const CPriceTotals& t) {
    auto add = [pBand](const char* pszRule, const CString& value) {
        CPrtCol* pCol = pBand->AddColumn();
        pCol->AddLine(pszRule);
        pCol->AddLine(value);
    };
    const double dNet = t.net.dSum;
    add("___", QuantityTotalText(t));
    add("______", RatioText("Mult", !t.net.bOver && !t.list.bOver && t.list.dSum != 0.0,
                            t.list.dSum != 0.0 ? dNet / t.list.dSum : 0.0, 4));
    add("_________", AmountTotalText(t.net));
    add("_________", AmountTotalText(t.final));
    pBand->AddColumn()->AddLine("");
    add("_________", AmountTotalText(t.cost));
    add("______", RatioText("Margin", !t.net.bOver && !t.cost.bOver && dNet != 0.0,
                            dNet != 0.0 ? (dNet - t.cost.dSum) * 100 / dNet : 0.0, 2));
    pBand->LayoutPropSumPlantTotal(pDC, pInfo);
}

int CRptPropSum1::BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop,
                              BOOL byPlant) {
    CBandCursor cur;
    BeginBuild(pDC, pInfo, laterTop, firstTop, cur);
    CLetterBuilder builder(*this, pDC, pInfo, pDoc, cur);
    AddProjectHeading(builder, pDoc);
    builder.AddSpacer();
    CPrtSection* pHeading = NewTableHeading(pDC, pInfo);
    builder.Add(pHeading);
    // Every page after a break starts with the table heading.
    auto add = [&](CPrtSection* pBand) {
        builder.Add(pBand, pHeading);
    };
    auto addItem = [&](int nLine, CPriceTotals& totals) {
        CPrtSection* pBand = new CPrtSection;
        BuildItemLine(pBand, pDC, pInfo, pDoc, nLine, totals);
        add(pBand);
    };
    auto addTotal = [&](const CPriceTotals& totals) {
        CPrtSection* pBand = new CPrtSection;
        BuildTotalLine(pBand, pDC, pInfo, totals);
        add(pBand);
    };
    auto addSpacer = [&]() {
        builder.AddIndented(CString(), 0, 0, TRUE, pHeading);
    };

    CTable* pTable = pDoc->m_pTable;
    const int nLines = pTable ? pTable->GetSize() : 0;
    CPriceTotals report;
    if (!byPlant) {
        for (int r = 0; r < nLines; ++r) {
            if (pTable->GetRecord(r)->IsEmpty()) continue;
            addItem(r, report);
            if (r < nLines - 1) addSpacer();
        }
    } else {
        // The printed lines with their plants, and the plants sorted by bytes.
        std::vector<int> printed;
        std::vector<CString> plantOfLine(nLines);
        std::set<std::string> seen;
        std::vector<CString> plants;
        for (int r = 0; r < nLines; ++r) {
            CRecord* pLine = pTable->GetRecord(r);
            if (pLine->IsEmpty()) continue;
            printed.push_back(r);
            plantOfLine[r] = PlantOf(pLine);
            if (seen.insert(plantOfLine[r].str()).second) plants.push_back(plantOfLine[r]);
        }
        std::sort(plants.begin(), plants.end(),
                  [](const CString& a, const CString& b) { return a.str() < b.str(); });
        m_plants.RemoveAll();
        for (const CString& plant : plants) m_plants.Add(plant);

        for (size_t p = 0; p < plants.size(); ++p) {
            CStringArray title;
            if (p > 0) title.Add("");
            title.Add(plants[p]);
            builder.AddIndented(title, 0, 0, TRUE, pHeading);

            CPriceTotals plant;
            bool bAny = false;
            for (int r : printed) {
                if (plantOfLine[r] != plants[p]) continue;
                if (bAny) addSpacer();
                addItem(r, plant);
                bAny = true;
            }
            report.Add(plant);
            addTotal(plant);
        }
        CStringArray caption;
        caption.Add("");
        caption.Add(RptMsg::kTotal);
        builder.AddIndented(caption, 0, 0, TRUE, pHeading);
    }

    addTotal(report);
    AddClosingLines(builder, pDoc, report, pHeading);
    return EndBuild(cur);
}
