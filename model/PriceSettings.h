// The application's preferences that the price rules read. The
// application's settings hold these very members (no copy of them), so a
// change in Options > Preferences reaches the next calculation; the price
// rules read them afresh every time.
#pragma once

#include "framework/core/WinTypes.h"

struct CPriceSettings {
    // Round computed prices to whole currency units (halves upwards).
    BOOL m_bRound = FALSE;
};

// The one settings object of the process.
CPriceSettings& GetPriceSettings();

// The value rounded to whole currency units when the rounding preference is
// set (the fraction of value + 0.5 dropped towards zero), else unchanged.
double RoundPriceIfSet(double dValue);
