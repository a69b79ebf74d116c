// Opening a product data file and checking its head, shared by both body
// forms.
#pragma once

#include "framework/core/String.h"
#include "selection/DtaReader.h"

// A name ending in ".fld" (exactly that case) names the ".dta" file.
CString ProductFileName(const CString& fileName);

// Reads folder + fileName (joined directly: the data folder ends with its
// separator) and checks the header line. Shows "Unable to open ..." or the
// not-a-current-file message and returns false on failure; the reader then
// stands just behind the header line.
bool OpenProductFile(const CString& folder, const CString& fileName, CDtaReader& reader);

// The message for a file whose head or body is not of the current form.
void ShowNotCurrentFile(const CString& fileName);
