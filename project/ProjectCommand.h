// The job view's Project command: the job's header on the ten pages of the
// project sheet, written back field by field when the sheet closes with OK.
#pragma once

#include "framework/core/String.h"

class CCorvDoc;

// Runs the sheet on the job; TRUE when it closed with OK (the header then
// holds what the pages held, the freight rate applied to the lines).
BOOL RunProjectSheet(CCorvDoc* pDoc);
