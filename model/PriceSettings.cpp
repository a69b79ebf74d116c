#include "model/PriceSettings.h"

#include <cmath>

CPriceSettings& GetPriceSettings() {
    static CPriceSettings s_settings;
    return s_settings;
}

double RoundPriceIfSet(double dValue) {
    return GetPriceSettings().m_bRound ? std::trunc(dValue + 0.5) : dValue;
}
