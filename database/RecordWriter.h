// The dialogue shared by the customer and office writers: look the record
// up by its number, then update (delete and insert, in one transaction) or
// delete it, or add it as new, each after a question. A value that cannot
// be written is refused with its reason before any question.
#pragma once

#include <functional>

#include "framework/core/String.h"

class CDatabase;

struct CRecordWriterTexts {
    const char* pszCouldNotOpen;
    const char* pszUpdateQuestion;
    const char* pszUpdateQuestionEnd;
    const char* pszUpdatedPrefix;
    const char* pszUpdated;
    const char* pszDeleteQuestion;
    const char* pszDeleteQuestionEnd;
    const char* pszDeletedPrefix;
    const char* pszDeleted;
    const char* pszAddQuestion;
    const char* pszAddedPrefix;
    const char* pszAdded;
};

struct CRecordWriterSteps {
    // TRUE when the table holds the record (CDBException on failure).
    std::function<BOOL(CDatabase*, const CString& strWhere)> exists;
    // Runs the record's DELETE statement.
    std::function<void(CDatabase*, const CString& strWhere)> remove;
    // The record's INSERT statement, built before anything is asked or sent;
    // CSqlValueException for a value that cannot be written.
    std::function<CString(CDatabase*)> insertSql;
};

// strNumber is the record number trimmed at both ends; strWhere selects it.
// TRUE when the user said Yes and the change ran to its end.
BOOL SendRecord(const CRecordWriterTexts& texts, const CRecordWriterSteps& steps, const CString& strNumber,
                const CString& strWhere);
