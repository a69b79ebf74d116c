// A page as the view prepares it before a report body runs: a device
// context of the reference display in the low-English mapping mode with the
// report's body font selected, the later-page top measured in that font,
// and a print information whose drawing rectangle is the letter page of the
// report's orientation in device units. Builds report bodies on it and
// reads their bands back as text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/Gdi.h"
#include "framework/win/PrintInfo.h"

class CCorvDoc;
class CPrtSection;
class CRptBaseClass;
struct RecordedPage;

class BodyPage {
public:
    explicit BodyPage(int nReport);
    ~BodyPage();
    BodyPage(const BodyPage&) = delete;
    BodyPage& operator=(const BodyPage&) = delete;

    CDC* DC() { return &m_dc; }
    CPrintInfo* Info() { return &m_info; }
    int LaterTop() const { return m_nLaterTop; }
    bool Landscape() const { return m_bLandscape; }

    // Creates the report of the number and runs its body as the page print
    // does; returns the page count. The report stays owned by the page.
    int Build(CCorvDoc& doc);
    CRptBaseClass& Report() { return *m_pReport; }

private:
    int m_nReport;
    bool m_bLandscape;
    CDC m_dc;
    CFont m_font;
    HGDIOBJ m_hOldFont = nullptr;
    int m_nLaterTop = 0;
    CPrintInfo m_info;
    CRptBaseClass* m_pReport = nullptr;
};

// The lines of one column of a band.
std::vector<std::string> ColumnLines(const CPrtSection* pBand, int nColumn);
// Every column's lines.
std::vector<std::vector<std::string>> BandLines(const CPrtSection* pBand);
// The first line of every column, empty for a column without lines.
std::vector<std::string> FirstLines(const CPrtSection* pBand);
// The first band (from nFrom on) whose first column begins with the text, or -1.
int FindBand(const CRptBaseClass& report, const std::string& firstLine, int nFrom = 0);
// The first band holding the text in any line of any column, or -1.
int FindBandWithText(const CRptBaseClass& report, const std::string& text, int nFrom = 0);
// Every line of every band, band after band, column after column.
std::vector<std::string> AllLines(const CRptBaseClass& report);

// Every page of a report as the page print draws it on letter paper of the
// report's orientation, in the fonts the view hands it.
std::vector<RecordedPage> PrintedPages(CCorvDoc& doc, int nReport);
