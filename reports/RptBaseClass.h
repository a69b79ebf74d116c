// CRptBaseClass: the base of every printed report. A report body builds
// the whole report once, at the first page of a print or preview, as an
// ordered list of bands cut into pages; every page then prints its bands
// (PrintPage) and, for the quotation letters, the footer band.
//
// A body keeps this contract:
//   int BuildReport(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, int laterTop, int firstTop)
//   {
//       CBandCursor cur;
//       BeginBuild(pDC, pInfo, laterTop, firstTop, cur);   // old bands gone, limit and y set
//       ... for every band: fill it, lay it out, then AddBand(pDC, pBand, cur) ...
//       return EndBuild(cur);                              // the page count
//   }
// AddBand appends and paginates; a table whose heading repeats on every
// page it continues passes the heading band as pRepeatHeading. The page
// print runs a body through BuildReportBody, which may run it twice.
#pragma once

#include <vector>

#include "framework/core/ObArray.h"
#include "framework/core/Object.h"

class CCorvDoc;
class CDC;
class CPrintInfo;
class CPrtSection;

// The running state of one build: the number of bands appended, the
// running y of the page being filled and the lowest y a band may reach.
struct CBandCursor {
    int nBand = 0;
    int y = 0;
    int nLimit = 0;
    int nLaterTop = 0;
};

class CRptBaseClass : public CObject {
public:
    CRptBaseClass() = default;
    CRptBaseClass(const CRptBaseClass&) = delete;
    ~CRptBaseClass() override;
    // Copies nothing (reports are never copied).
    virtual CRptBaseClass& operator=(const CRptBaseClass&) { return *this; }

    // Called once per band, right after it was appended, with its height
    // (<= 0): moves y down by it, or starts a new page with it (returns 1).
    int Paginate(int laterTop, int height, int& bandIndex, int& y, int& limit);
    // The bands of page pInfo->m_nCurPage, from -50 - firstTop on page 1
    // and -50 - laterTop on later pages.
    void PrintPage(CDC* pDC, CPrintInfo* pInfo, int laterTop, int firstTop);
    // The footer band: the job's two footer lines, centred, in the font
    // selected now.
    void BuildFooter(CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc);
    // The footer band with its last line on the bottom edge of the page.
    void PrintFooter(CDC* pDC, CPrintInfo* pInfo);

    // --- Building (see the contract above) ---
    // Deletes the bands of an earlier build and empties the page starts;
    // limit = page height + 100, y = -firstTop.
    void BeginBuild(CDC* pDC, CPrintInfo* pInfo, int laterTop, int firstTop, CBandCursor& cur);
    // Appends the band (taking it over) and paginates it. A band taller
    // than a whole page is cut at line boundaries and continues on the next
    // pages. With pRepeatHeading, every page the band begins starts with a
    // copy of that heading. Returns 1 when the band began a new page.
    int AddBand(CDC* pDC, CPrtSection* pBand, CBandCursor& cur, const CPrtSection* pRepeatHeading = nullptr);
    // Records the end of the last page; returns the page count.
    int EndBuild(CBandCursor& cur);

    int GetPageCount() const { return static_cast<int>(m_pageStarts.size()); }
    int GetBandCount() const { return m_sections.GetSize(); }
    CPrtSection* GetBand(int i) const;
    // The first band of a page (1-based) and the band after its last one.
    int GetPageFirstBand(int nPage) const;
    int GetPageEndBand(int nPage) const;
    CPrtSection* GetFooter() const { return m_pFooter; }

    CObArray m_sections;                     // of CPrtSection, owned, in print order
    std::vector<unsigned int> m_pageStarts;  // per page: the index of the band after it
    CPrtSection* m_pFooter = nullptr;        // owned

protected:
    void DeleteBands();
    // nLine: the line height of the font the bands are built in.
    void AppendAndPaginate(int nLine, CPrtSection* pBand, CBandCursor& cur, const CPrtSection* pRepeatHeading,
                           int& nBegan);
};
