// The seven price relations. Each reads its inputs as field texts, so that an
// empty and an overflowing field can be told from a number, tests them in a
// fixed order and appends exactly one entry.
#include "model/Slots.h"

#include "model/NumberText.h"
#include "model/PriceSettings.h"

namespace {
double Num(const CString& strText) { return ReadDecimal(strText); }
}  // namespace

void CSlots::CalcNetFromMult(CString strBase, CString strRatio, CString strResult, int nLength,
                             int nPrecision, CString strRatioName) {
    if (IsOverflow(strBase) || IsOverflow(strRatio)) return AddOverflow(strResult, nLength);
    // A multiplier without a list price is dropped; the net stays.
    if (IsBlank(strBase)) return AddName(strRatioName);
    if (IsBlank(strRatio)) return AddName(strResult);
    AddNumber(strResult, RoundPriceIfSet(Num(strBase) * Num(strRatio)), nLength, nPrecision);
}

void CSlots::CalcMargin(CString strCost, CString strNet, CString strResult, int nLength, int nPrecision) {
    if (IsOverflow(strCost) || IsOverflow(strNet)) return AddOverflow(strResult, nLength);
    if (IsBlank(strCost)) {
        // Without a cost all of the net is margin.
        if (IsBlank(strNet)) return AddName(strResult);
        return AddNumber(strResult, 100.0, nLength, nPrecision);
    }
    if (IsBlank(strNet)) return AddName(strResult);
    const double dNet = Num(strNet);
    if (dNet == 0.0) return AddName(strResult);
    AddNumber(strResult, (dNet - Num(strCost)) / dNet * 100.0, nLength, nPrecision);
}

void CSlots::CalcMult(CString strBase, CString strNet, CString strResult, int nLength, int nPrecision) {
    if (IsOverflow(strBase) || IsOverflow(strNet)) return AddOverflow(strResult, nLength);
    if (IsBlank(strBase) || IsBlank(strNet)) return AddName(strResult);
    const double dBase = Num(strBase);
    if (dBase == 0.0) return AddName(strResult);
    AddNumber(strResult, Num(strNet) / dBase, nLength, nPrecision);
}

void CSlots::CalcNetFromFinal(CString strFinal, CString strFreight, CString strResult, int nLength,
                              int nPrecision) {
    if (IsOverflow(strFinal) || IsOverflow(strFreight)) return AddOverflow(strResult, nLength);
    if (IsBlank(strFinal)) return AddName(strResult);
    AddNumber(strResult, Num(strFinal) - Num(strFreight), nLength, nPrecision);
}

void CSlots::CalcFreight(CString strFirst, CString strSecond, CString strResult, int nLength,
                         int nPrecision) {
    if (IsOverflow(strFirst) || IsOverflow(strSecond)) return AddOverflow(strResult, nLength);
    if (IsBlank(strFirst) || IsBlank(strSecond)) return AddName(strResult);
    AddNumber(strResult, RoundPriceIfSet(Num(strFirst) * Num(strSecond) / 100.0), nLength, nPrecision);
}

void CSlots::CalcFinal(CString strNet, CString strFreight, CString strResult, int nLength, int nPrecision) {
    if (IsOverflow(strNet) || IsOverflow(strFreight)) return AddOverflow(strResult, nLength);
    if (IsBlank(strNet)) return AddName(strResult);
    AddNumber(strResult, Num(strNet) + Num(strFreight), nLength, nPrecision);
}

void CSlots::CalcNetFromMargin(CString strCost, CString strCurrentNet, CString strMargin, CString strNetName,
                               int nNetLength, int nNetPrecision, CString strMarginName, int nMarginLength,
                               int nMarginPrecision) {
    if (IsOverflow(strCost) || IsOverflow(strMargin)) return AddOverflow(strNetName, nNetLength);
    // A margin without a cost is dropped; the net stays.
    if (IsBlank(strCost)) return AddName(strMarginName);
    if (IsBlank(strMargin)) return AddName(strNetName);
    const double dRest = 100.0 - Num(strMargin);
    if (dRest == 0.0) {
        // A margin of 100 has no net: keep the net and show its real margin.
        return CalcMargin(strCost, strCurrentNet, strMarginName, nMarginLength, nMarginPrecision);
    }
    AddNumber(strNetName, RoundPriceIfSet(Num(strCost) * 100.0 / dRest), nNetLength, nNetPrecision);
}
