// The blocks the quotation letters share (the quotation, scope,
// distribution and parts letters): the addressee and heading block, text
// paragraphs, the words above an item, the item description, amounts and
// totals, and the closing blocks from the start-up offer to the signature.
// Each Add... appends its bands to the report and paginates them.
#pragma once

#include "framework/core/String.h"
#include "framework/core/StringArray.h"
#include "reports/RptBaseClass.h"

class CCorvDoc;
class CDC;
class CPrintInfo;
class CPrtSection;
class CRecord;

// The running total of an item table and its overflow mark.
struct CItemTotal {
    double dTotal = 0.0;
    BOOL bOverflow = FALSE;  // a line's Qty or Final overflowed: no total can be printed

    // The extended amount of one line from its Qty and Final texts: "" when
    // both are empty, ten asterisks when either overflowed (the total then
    // overflows too), else Qty's whole number x Final with separators, which
    // is added to the total.
    CString AddLine(const CString& qty, const CString& final);
    // "$ " and the total, or ten asterisks after an overflow.
    CString DollarTotal() const;
};

class CLetterBuilder {
public:
    CLetterBuilder(CRptBaseClass& report, CDC* pDC, CPrintInfo* pInfo, CCorvDoc* pDoc, CBandCursor& cur)
        : m_report(report), m_pDC(pDC), m_pInfo(pInfo), m_pDoc(pDoc), m_cur(cur) {}

    // Appends a laid-out band; see CRptBaseClass::AddBand.
    int Add(CPrtSection* pBand, const CPrtSection* pRepeatHeading = nullptr);
    // One column holding the lines, placed by LayoutIndented.
    int AddIndented(const CStringArray& lines, int leftPercent, int rightPercent, BOOL bTrimLeading,
                    const CPrtSection* pRepeatHeading = nullptr);
    int AddIndented(const CString& line, int leftPercent, int rightPercent, BOOL bTrimLeading,
                    const CPrtSection* pRepeatHeading = nullptr);
    // nLines empty lines across the page.
    void AddSpacer(int nLines = 1);
    // One band per paragraph (cut at CR LF) of the text.
    void AddParagraphs(const CString& text, int leftPercent, int rightPercent, BOOL bTrimLeading,
                       const CPrtSection* pRepeatHeading = nullptr);
    // Two label/value label/value columns with the lines given, placed by
    // LayoutHeadingBlock (a ruled band).
    void AddHeadingBlock(const CStringArray& col0, const CStringArray& col1, const CStringArray& col2,
                         const CStringArray& col3);
    // A right-aligned label and amount at the right margin (LayoutTotalLine).
    int AddTotalLine(const CString& label, const CString& amount,
                     const CPrtSection* pRepeatHeading = nullptr);

    // --- The letter's blocks ---
    void AddAddresseeBlock();                                         // "To:" and the heading values
    void AddIntroduction();                                           // paragraphs and a spacer
    void AddWordsAbove(CRecord* pLine, const CPrtSection* pHeading);  // the line's words above
    void AddStartUp();                                                // "Start-up assistance: "
    void AddNotes();                                                  // notes and the spacer after
    void AddTermsHeading();                                           // "Commercial Terms:"
    void AddCommercialTerms();                                        // label : value rows
    void AddTermsText();                                              // the terms paragraphs
    void AddSalesRepresentative();                                    // the local office block
    void AddSignature();                                              // "Sincerely," and copies

    // The description column of an item: Service^Tag^ the Detail lines'
    // descriptions, then ^ the words below and a final ^.
    CString ItemDescription(CRecord* pLine) const;
    // The Detail lines' descriptions, each after one blank (the alternative
    // ones for the marketing group that prints them).
    CString DetailDescriptions(CRecord* pLine) const;
    // TRUE when the job's marketing group prints the alternative texts.
    BOOL IsAltGroup() const;

    CDC* DC() const { return m_pDC; }
    CPrintInfo* Info() const { return m_pInfo; }

private:
    CRptBaseClass& m_report;
    CDC* m_pDC;
    CPrintInfo* m_pInfo;
    CCorvDoc* m_pDoc;
    CBandCursor& m_cur;
};

// The text of a line's field, found by name.
CString FieldText(CRecord* pLine, const char* pszField);
