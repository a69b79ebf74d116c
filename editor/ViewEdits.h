// The job duty that commits what is typed: every view of the job that is
// not previewing a print commits the cell edit open in it.
#pragma once

class CCorvDoc;

void CommitViewEdits(CCorvDoc& doc);
