// The one statement of the quotation database's schema: every table and
// query the program reads or writes, column by column in order, with the
// ODBC SQL type and width the column check expects. The writers take their
// column lists from here, so each value lands in its own column.
#pragma once

#include "framework/core/ObArray.h"
#include "framework/core/String.h"

enum class DbTable { Project, Summary, Detail, ProjectFind, Customers, Offices };

// One expected column. The kind letter stands for an ODBC type and, except
// for W, a fixed width:
//   I integer (10), W wide varchar (width given), B bit (1),
//   T timestamp (16), D decimal (19), F float (15), L wide long text.
struct CSchemaColumn {
    const char* pszName;
    char chKind;
    int nWidth;
};

// The columns of a table in order; *pnCount receives their number.
const CSchemaColumn* SchemaColumns(DbTable table, int* pnCount);
// The table's name in SQL and in the column check's messages.
const char* SchemaTableName(DbTable table);
// The ODBC SQL type code of a kind letter.
int SchemaSqlType(char chKind);

// Appends a new CCustCol for every column of the table, in order. The
// caller owns them: hold them in a COwnedObArray, or DeleteExpectedColumns.
void BuildExpectedColumns(DbTable table, CObArray& arrColumns);
void DeleteExpectedColumns(CObArray& arrColumns);

// "(CorvNumber, QuoteNo, ...)": the column list of an INSERT into the table.
const CString& SchemaInsertColumnList(DbTable table);

// The schema's spelling of a column name that matches case-insensitively
// (a catalog that folds names reports them in lower case), or null.
const char* SchemaCanonicalName(const char* pszName);
