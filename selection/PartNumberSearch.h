// CPartNumberSearch: the search behind the part-number finder. It looks
// for an item whose "PartNumber" cell equals the typed part number, first
// row by row in the table-form files, then group by group and line by line
// in the grouped-form files; every search resumes just after the previous
// hit and reads the file it resumes in anew.
#pragma once

#include <functional>

#include "framework/core/ObArray.h"
#include "framework/core/String.h"
#include "framework/core/StringArray.h"

class CSelection;

class CPartNumberSearch {
public:
    CPartNumberSearch();
    ~CPartNumberSearch();
    CPartNumberSearch(const CPartNumberSearch&) = delete;
    CPartNumberSearch& operator=(const CPartNumberSearch&) = delete;

    // Number of files searched (the progress bar's range).
    int GetFileCount() const { return m_arrTableFiles.GetSize() + m_arrGroupedFiles.GetSize(); }

    // One press of Find (or Find Next). progress is told the position
    // (1 to GetFileCount()) of each file as it is searched. TRUE on a hit;
    // without one the search starts over (Reset) at the next call.
    BOOL Find(const CString& folder, const CString& partNumber, const std::function<void(int)>& progress);
    // Back to the first file with no hit; the result texts are emptied.
    void Reset();
    BOOL HasHit() const { return m_nTableHit || m_nGroupedHit; }
    // What OK hands back for the current hit; FALSE when there is none.
    BOOL TakeHit(CString& description, CString& fileName, int& fileNo, int& style, CStringArray& names,
                 CStringArray& values, CObArray& components);

    // The six result texts.
    CString m_strProduct;
    CString m_strType;
    CString m_strPartNumber;
    CString m_strQuoteDescription;
    CString m_strAltQuoteDescription;
    CString m_strTechnical;

private:
    void EmptyTexts();
    BOOL FindInTables(const CString& folder, const CString& partNumber,
                      const std::function<void(int)>& progress);
    BOOL FindInGroups(const CString& folder, const CString& partNumber,
                      const std::function<void(int)>& progress);
    void ReplaceSelection(CSelection* pNew);

    CSelection* m_pSelection = nullptr;  // the file of the current hit, owned
    CStringArray m_arrTableFiles;
    CStringArray m_arrGroupedFiles;
    // Search position.
    int m_nTableHit = 0;
    int m_nTableFile = 0;
    int m_nHitRow = 0;
    int m_nNextRow = 0;
    int m_nGroupedHit = 0;
    int m_nGroupedFile = 0;
    int m_nHitGroup = 0;
    int m_nHitLine = 0;
    int m_nNextLine = 0;
};
