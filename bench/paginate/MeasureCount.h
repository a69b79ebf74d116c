// Counts the text-measure calls the program makes (GetTextExtentPoint32A
// and GetTextExtentExPointA) and the characters they are handed, by
// pointing the program's own imports of them at counting stand-ins while
// a count is open.
#pragma once

#include <cstddef>

struct MeasureCount {
    size_t nCalls = 0;
    size_t nCharacters = 0;
};

// Counts from construction to destruction, then puts the imports back.
class CMeasureCounter {
public:
    CMeasureCounter();
    ~CMeasureCounter();
    CMeasureCounter(const CMeasureCounter&) = delete;
    CMeasureCounter& operator=(const CMeasureCounter&) = delete;
    MeasureCount Count() const;
};
