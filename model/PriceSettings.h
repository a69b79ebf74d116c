// The application's preferences that the price rules read. The application
// object fills it from its settings at start-up and whenever the user
// changes them; the price rules read it afresh at every calculation.
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
