// The field rules: each binds one price calculation to named fields of a
// line, reading its inputs from the line ("line" values) or from entries
// already in this list ("new" values), and formats the result with the
// length and precision of the result field.
#include "model/Slots.h"

#include "model/Table.h"
#include "model/TableStruct.h"

namespace {
// A result field of the table's layout.
struct Target {
    CString name;
    int length = 0;
    int precision = 0;
};

bool FindTarget(CTable* pTable, const char* pszName, Target& t) {
    if (!pTable || !pTable->GetTableStruct()) return false;
    const CTableStruct* pStruct = pTable->GetTableStruct();
    const int nField = pStruct->FindField(pszName);
    if (nField < 0) return false;
    t.name = pszName;
    t.length = pStruct->GetFieldLength(nField);
    t.precision = pStruct->GetFieldPrecision(nField);
    return true;
}

// The field names of one kind of line: the Summary line's capitalised
// price fields or the Detail line's lower-case ones.
struct PriceNames {
    const char* cost;
    const char* list;
    const char* net;
    const char* mult;
    const char* margin;
};
constexpr PriceNames kSummary = {"Cost", "List", "Net", "Mult", "Margin"};
constexpr PriceNames kDetail = {"cost", "list", "net", "mult", "margin"};

// Shared by the Summary and Detail twins of each rule.
void NetFromMult(CSlots& s, CTable* pTable, int nRow, const PriceNames& n) {
    Target net;
    if (!FindTarget(pTable, n.net, net)) return;
    s.CalcNetFromMult(CSlots::GetLineText(pTable, n.list, nRow), CSlots::GetLineText(pTable, n.mult, nRow),
                      net.name, net.length, net.precision, n.mult);
}

void NetFromMargin(CSlots& s, CTable* pTable, int nRow, const PriceNames& n) {
    Target net, margin;
    if (!FindTarget(pTable, n.net, net) || !FindTarget(pTable, n.margin, margin)) return;
    s.CalcNetFromMargin(CSlots::GetLineText(pTable, n.cost, nRow), CSlots::GetLineText(pTable, n.net, nRow),
                        CSlots::GetLineText(pTable, n.margin, nRow), net.name, net.length, net.precision,
                        margin.name, margin.length, margin.precision);
}

// The net a margin or multiplier rule works from: the new one of the list,
// or the line's. False when a new net is wanted and the list has none.
bool NetInput(const CSlots& s, CTable* pTable, int nRow, const PriceNames& n, bool bNewNet, CString& strNet) {
    if (bNewNet) return s.Lookup(n.net, strNet) != FALSE;
    strNet = CSlots::GetLineText(pTable, n.net, nRow);
    return true;
}

void Margin(CSlots& s, CTable* pTable, int nRow, const PriceNames& n, bool bNewNet) {
    Target margin;
    CString strNet;
    if (!FindTarget(pTable, n.margin, margin) || !NetInput(s, pTable, nRow, n, bNewNet, strNet)) return;
    s.CalcMargin(CSlots::GetLineText(pTable, n.cost, nRow), strNet, margin.name, margin.length,
                 margin.precision);
}

void Mult(CSlots& s, CTable* pTable, int nRow, const PriceNames& n, bool bNewNet) {
    Target mult;
    CString strNet;
    if (!FindTarget(pTable, n.mult, mult) || !NetInput(s, pTable, nRow, n, bNewNet, strNet)) return;
    s.CalcMult(CSlots::GetLineText(pTable, n.list, nRow), strNet, mult.name, mult.length, mult.precision);
}
}  // namespace

void CSlots::RuleNetFromFinal(CTable* pTable, int nRow) {
    Target net;
    if (!FindTarget(pTable, "Net", net)) return;
    CalcNetFromFinal(GetLineText(pTable, "Final", nRow), GetLineText(pTable, "FrtAmount", nRow), net.name,
                     net.length, net.precision);
}

void CSlots::RuleFreightFromWeight(CTable* pTable, CString strFreightRate) {
    Target freight;
    CString strWeight;
    if (!FindTarget(pTable, "FrtAmount", freight) || !Lookup("Weight", strWeight)) return;
    CalcFreight(strFreightRate, strWeight, freight.name, freight.length, freight.precision);
}

void CSlots::RuleFinal(CTable* pTable, int nRow) {
    Target fin;
    if (!FindTarget(pTable, "Final", fin)) return;
    CalcFinal(GetLineText(pTable, "Net", nRow), GetLineText(pTable, "FrtAmount", nRow), fin.name, fin.length,
              fin.precision);
}

void CSlots::RuleFinalNewNet(CTable* pTable, int nRow) {
    Target fin;
    CString strNet;
    if (!FindTarget(pTable, "Final", fin) || !Lookup("Net", strNet)) return;
    CalcFinal(strNet, GetLineText(pTable, "FrtAmount", nRow), fin.name, fin.length, fin.precision);
}

void CSlots::RuleFinalNewNetFreight(CTable* pTable) {
    Target fin;
    CString strNet, strFreight;
    if (!FindTarget(pTable, "Final", fin) || !Lookup("Net", strNet) || !Lookup("FrtAmount", strFreight))
        return;
    CalcFinal(strNet, strFreight, fin.name, fin.length, fin.precision);
}

void CSlots::RuleNetFromMargin(CTable* pTable, int nRow) { NetFromMargin(*this, pTable, nRow, kSummary); }
void CSlots::RuleNetFromMult(CTable* pTable, int nRow) { NetFromMult(*this, pTable, nRow, kSummary); }
void CSlots::RuleMargin(CTable* pTable, int nRow) { Margin(*this, pTable, nRow, kSummary, false); }
void CSlots::RuleMarginNewNet(CTable* pTable, int nRow) { Margin(*this, pTable, nRow, kSummary, true); }
void CSlots::RuleMult(CTable* pTable, int nRow) { Mult(*this, pTable, nRow, kSummary, false); }
void CSlots::RuleMultNewNet(CTable* pTable, int nRow) { Mult(*this, pTable, nRow, kSummary, true); }

void CSlots::RuleMarginNewCostNet(CTable* pTable) {
    Target margin;
    CString strCost, strNet;
    if (!FindTarget(pTable, "Margin", margin) || !Lookup("Cost", strCost) || !Lookup("Net", strNet)) return;
    CalcMargin(strCost, strNet, margin.name, margin.length, margin.precision);
}

void CSlots::RuleMultNewListNet(CTable* pTable) {
    Target mult;
    CString strList, strNet;
    if (!FindTarget(pTable, "Mult", mult) || !Lookup("List", strList) || !Lookup("Net", strNet)) return;
    CalcMult(strList, strNet, mult.name, mult.length, mult.precision);
}

void CSlots::RuleDetailNetFromMult(CTable* pTable, int nRow) { NetFromMult(*this, pTable, nRow, kDetail); }
void CSlots::RuleDetailNetFromMargin(CTable* pTable, int nRow) {
    NetFromMargin(*this, pTable, nRow, kDetail);
}
void CSlots::RuleDetailMargin(CTable* pTable, int nRow) { Margin(*this, pTable, nRow, kDetail, false); }
void CSlots::RuleDetailMarginNewNet(CTable* pTable, int nRow) { Margin(*this, pTable, nRow, kDetail, true); }
void CSlots::RuleDetailMult(CTable* pTable, int nRow) { Mult(*this, pTable, nRow, kDetail, false); }
void CSlots::RuleDetailMultNewNet(CTable* pTable, int nRow) { Mult(*this, pTable, nRow, kDetail, true); }
