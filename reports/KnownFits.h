// The wrap measure of the paragraphs, remembered. A quotation repeats its
// item descriptions and notes line for line, and each measure is a round
// trip through the device, so a line already measured in the same font, on
// the same context, at the same width, is answered from what it gave then.
#pragma once

class CDC;

// FittingLength(pDC, psz, nLength, nMaxWidth), measured once per text.
int KnownFittingLength(CDC* pDC, const char* psz, int nLength, int nMaxWidth);
