// CFindState: what File > Find... leaves for the new job it creates and
// for the finder: that the next new job is a find, the job to close when
// nothing was loaded into it, and the numbers of the jobs open meanwhile.
#pragma once

#include "framework/core/StringArray.h"

class CCorvDoc;

struct CFindState {
    BOOL m_bFindMode = FALSE;
    CCorvDoc* m_pDocToClose = nullptr;  // not owned
    CStringArray m_arrOpenJobNumbers;
};
