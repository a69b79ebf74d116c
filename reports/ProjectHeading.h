// The project heading block that opens the internal reports (item cost
// development, commission, proposal summaries, project sell price): project,
// location, engineer and representative on the left, proposal, job number,
// preparer and dates on the right, ruled above and below.
#pragma once

#include "framework/core/String.h"

class CCorvDoc;
class CLetterBuilder;

// Appends the block and paginates it.
void AddProjectHeading(CLetterBuilder& builder, CCorvDoc* pDoc);

// The quote number, followed by " Rev " and the revision when there is one.
CString ProposalNumberText(CCorvDoc* pDoc);
