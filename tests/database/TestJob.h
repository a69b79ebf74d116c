// Jobs for the writer tests, built through the document's own setters and
// the lines' own fields.
#pragma once

#include <string>
#include <vector>

#include "framework/core/String.h"
#include "model/CorvDoc.h"

class CRecord;
class TestDatabase;

// A job whose freight rate a test can set without the application (the
// document's freight command, which also reprices the lines, lives with
// the windows).
class CTestJobDoc : public CCorvDoc {
public:
    void SetFreightRateForTest(const CString& strRate) { m_strFreightRate = strRate; }
};

// A new job (number "Unassigned") with one empty Summary line.
void InitTestJob(CCorvDoc& doc);

// Appends a Summary line (with an empty Detail table) and returns it.
CRecord* AddSummaryLine(CCorvDoc& doc);
// Appends a Detail line to a Summary line and returns it.
CRecord* AddDetailLine(CCorvDoc& doc, CRecord* pSummary);
// Sets a field of a line through its set-text.
void SetField(CRecord* pLine, const char* pszField, const CString& strText);
// Gives a Detail line's technical description its text, file data and
// nComponents components named "Comp1", "Comp2", ... (start 3k, length k).
void SetTech(CRecord* pDetail, const CString& strText, int nComponents,
             const CString& strFileName = "valves.dta");

// A job with a full header (apostrophes, line breaks, dates, numbers) and
// lines: A (Qty 2, Final 500.00; Detail lines A1 with 25 components and A2
// with none), an empty line, B (Qty 1, Final 250.00, no Detail line).
void BuildSampleJob(CTestJobDoc& doc);

// Loads a stored job into doc as the finder's OK does, on a connection of
// its own to the test database; pTitle receives the title the finder gives.
BOOL LoadStoredJob(TestDatabase& db, CTestJobDoc& doc, const std::string& strNumber,
                   std::string* pTitle = nullptr);
