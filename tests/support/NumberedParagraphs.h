// An introduction of n numbered paragraphs, to give a letter as many pages
// as a test needs.
#pragma once

#include "framework/core/String.h"

inline CString NumberedParagraphs(int n) {
    CString intro;
    for (int i = 1; i <= n; ++i) {
        CString paragraph;
        paragraph.Format("Introduction paragraph %d\r\n", i);
        intro += paragraph;
    }
    return intro;
}
