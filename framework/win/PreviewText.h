// How the print preview plays a recorded text that carries the printer's
// character widths: word by word, in the screen's own pixels.
#pragma once

#include <windows.h>

// Plays an EMR_EXTTEXTOUTW record with character widths into hDC as the
// page's player would, except that each word fills exactly the span the
// widths give it. False for texts of other forms, which the caller plays
// as recorded.
bool PlayTextByWords(HDC hDC, const ENHMETARECORD* pRecord);
