// The jobs the report tests print, and the print set-up the job view makes
// for a quotation letter: the job font, the footer font, the later-page top
// and a print information with the page rectangle of a letter page.
#pragma once

#include <memory>

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"
#include "model/CorvDoc.h"
#include "tests/reports/PageRecorder.h"

// A realistic job of 30 Summary lines: a full header, an introduction of
// two paragraphs, notes and terms, words above and below on some lines,
// two Detail lines per item (the first with a technical description and
// its components), line 5 with a large price, line 12 without a price,
// line 20 whose price overflowed and line 30 without quantity and price.
void FillRealisticJob(CCorvDoc& doc);
// Sets a Summary field's text.
void PutField(CCorvDoc& doc, int nLine, const char* pszField, const char* pszText);
void PutDetailField(CCorvDoc& doc, int nLine, int nDetail, const char* pszField, const char* pszText);

// What the view prepares for a print of a quotation letter.
struct LetterPrint {
    explicit LetterPrint(CCorvDoc& doc, const CPageRecorder& recorder);
    CFont jobFont;
    CFont footerFont;
    int laterTop = 0;
    CPrintInfo info;
};
