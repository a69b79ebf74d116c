// The line-words sheet: the words above and below one Summary line, each
// with its left and right indent, on two words pages.
#pragma once

#include "framework/core/String.h"

struct CLineWords {
    CString strAbove;
    int nAboveLeft = 0;
    int nAboveRight = 0;
    CString strBelow;
    int nBelowLeft = 0;
    int nBelowRight = 0;
};

// Runs the sheet for the line of index nRow, opening on page nStartPage
// (0 Words Above, 1 Words Below). On OK the words and indents are in
// rWords and the result is TRUE; otherwise rWords is left as it was.
BOOL RunLineWordsSheet(int nRow, int nStartPage, CLineWords& rWords);
