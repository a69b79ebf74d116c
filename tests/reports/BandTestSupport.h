// A page context for band tests: a metafile context against the recorder's
// reference, in the low-English mapping, with the body font selected, and
// a print information holding a letter page in device units.
#pragma once

#include <functional>

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "reports/PrtSection.h"
#include "tests/reports/PageRecorder.h"

class BandPage {
public:
    BandPage();
    // Runs fn on a fresh page context and returns what it drew.
    RecordedPage Draw(const std::function<void(CDC*)>& fn);
    CPageRecorder recorder;
    CPrintInfo info;
    CFont body;  // Arial, -15
    int lineHeight = 0;
    int gap = 0;
    int W = 0;  // the page width in logical units
};

// A band of one column per initializer list.
CPrtSection* MakeBand(std::initializer_list<std::initializer_list<const char*>> columns);
