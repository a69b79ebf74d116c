// The SQL literal forms, the engine rules and the schema lists: everything
// of the database layer that needs no connection.
#include <gtest/gtest.h>

#include "database/DbEngine.h"
#include "database/Schema.h"
#include "database/SndTo.h"
#include "database/SqlInsert.h"
#include "database/SqlValueError.h"
#include "framework/core/Exceptions.h"
#include "framework/db/Odbc.h"

TEST(SqlTextForm, QuotesDoublesApostrophesAndDropsOnlyTrailingSpace) {
    EXPECT_EQ(CSndTo::SqlText("O'Brien", FALSE), "'O''Brien'");
    EXPECT_EQ(CSndTo::SqlText("''", FALSE), "''''''");
    EXPECT_EQ(CSndTo::SqlText("  lead", TRUE), ", '  lead'");
    EXPECT_EQ(CSndTo::SqlText("Line one\r\nLine two\r\n\r\n", FALSE), "'Line one\r\nLine two'");
    EXPECT_EQ(CSndTo::SqlText("tab\t", FALSE), "'tab'");
    // Nothing but apostrophes is escaped: backslashes and percent signs pass.
    EXPECT_EQ(CSndTo::SqlText("a\\b%_c", FALSE), "'a\\b%_c'");
}

TEST(SqlTextForm, BlankValuesAreNull) {
    EXPECT_EQ(CSndTo::SqlText("", FALSE), "NULL");
    EXPECT_EQ(CSndTo::SqlText("   \r\n\t", FALSE), "NULL");
    EXPECT_EQ(CSndTo::SqlText("   ", TRUE), ", NULL");
}

TEST(SqlNumberForm, KeepsNumbersUnquotedAndOverflowBecomesTheCap) {
    EXPECT_EQ(CSndTo::SqlNumber("12.50  ", FALSE), "12.50");
    EXPECT_EQ(CSndTo::SqlNumber(" 3", TRUE), ",  3");
    EXPECT_EQ(CSndTo::SqlNumber("-4.25", TRUE), ", -4.25");
    EXPECT_EQ(CSndTo::SqlNumber("*", FALSE), "99999999.99");
    EXPECT_EQ(CSndTo::SqlNumber("**********", TRUE), ", 99999999.99");
    EXPECT_EQ(CSndTo::SqlNumber("  ", FALSE), "NULL");
    EXPECT_EQ(CSndTo::SqlNumber("", TRUE), ", NULL");
}

TEST(SqlForms, AListReadsAsTheWriterJoinsIt) {
    CString strList =
        "(" + CSndTo::SqlText("a", FALSE) + CSndTo::SqlText(" ", TRUE) + CSndTo::SqlNumber("3", TRUE) + ")";
    EXPECT_EQ(strList, "('a', NULL, 3)");
}

TEST(SqlNumberCheck, AcceptsNumbersBlanksAndOverflowOnly) {
    for (const char* psz :
         {"", "   ", "0", "12", "-7", "+7", "12.50", ".5", "5.", "1e5", "2.5E-3", " 42", "***", "*"})
        EXPECT_TRUE(CSndTo::IsSqlNumber(psz)) << psz;
    for (const char* psz : {"abc", "5 OR 1=1", "1,000", "12a", "--1", "1e", ".", "-", "1.2.3", "0x10",
                            "1;DROP TABLE Project", "'1'"})
        EXPECT_FALSE(CSndTo::IsSqlNumber(psz)) << psz;
}

TEST(ReplaceChar, ReplacesEveryOccurrence) {
    EXPECT_EQ(CSndTo::ReplaceChar("", '\'', "''"), "");
    EXPECT_EQ(CSndTo::ReplaceChar("'a'b'", '\'', "''"), "''a''b''");
    EXPECT_EQ(CSndTo::ReplaceChar("none", '\'', "''"), "none");
    EXPECT_EQ(CSndTo::IntToText(-12), "-12");
}

TEST(Schema, ListsEveryTableInItsOrder) {
    int n = 0;
    EXPECT_STREQ(SchemaColumns(DbTable::Project, &n)[0].pszName, "CorvNumber");
    EXPECT_EQ(n, 112);
    EXPECT_STREQ(SchemaColumns(DbTable::Project, &n)[111].pszName, "UDC08");
    SchemaColumns(DbTable::Summary, &n);
    EXPECT_EQ(n, 34);
    EXPECT_STREQ(SchemaColumns(DbTable::Detail, &n)[82].pszName, "TDCL20");
    EXPECT_EQ(n, 83);
    SchemaColumns(DbTable::ProjectFind, &n);
    EXPECT_EQ(n, 17);
    SchemaColumns(DbTable::Customers, &n);
    EXPECT_EQ(n, 14);
    SchemaColumns(DbTable::Offices, &n);
    EXPECT_EQ(n, 16);
    EXPECT_EQ(SchemaInsertColumnList(DbTable::Customers),
              "(CustNo, Customer, AdrsLn1, AdrsLn2, AdrsLn3, City, State, Zip, Country, Attn, Phone, Fax, "
              "Email, URL)");
    EXPECT_EQ(SchemaSqlType('W'), SQL_WVARCHAR);
    EXPECT_EQ(SchemaSqlType('L'), SQL_WLONGVARCHAR);
    EXPECT_STREQ(SchemaCanonicalName("tdcn07"), "TDCN07");
    EXPECT_STREQ(SchemaCanonicalName("initials"), "Initials");
    EXPECT_EQ(SchemaCanonicalName("nosuchcolumn"), nullptr);
}

TEST(SqlInsertBuilder, NamesItsColumnsAndRefusesValuesOutOfStep) {
    CDbEngine engine(DbEngineKind::Other);
    CSqlInsert ins(DbTable::Customers, engine);
    ins.Text("CustNo", "C1");
    EXPECT_THROW(ins.Text("AdrsLn1", "x"), CInvalidArgException);  // Customer comes first
    EXPECT_THROW(ins.Finish(), CInvalidArgException);              // values missing
}

TEST(SqlInsertBuilder, RefusesANumberColumnThatIsNoNumber) {
    CDbEngine engine(DbEngineKind::Other);
    CSqlInsert ins(DbTable::Summary, engine);
    ins.Number("CorvNumber", "5");
    try {
        ins.Number("SumLineNo", "1 OR 1=1");
        FAIL() << "no exception";
    } catch (CSqlValueException& e) {
        EXPECT_EQ(e.m_strColumn, "SumLineNo");
        EXPECT_EQ(e.GetErrorMessage(),
                  "The Summary value \"SumLineNo\" is not a number:\n\"1 OR 1=1\"\n\nNothing was stored in "
                  "the Database.");
    }
}

TEST(DbEngineRules, KnowsTheEngineFromItsName) {
    EXPECT_EQ(CDbEngine::KindOf("SQLite"), DbEngineKind::SQLite);
    EXPECT_EQ(CDbEngine::KindOf("PostgreSQL"), DbEngineKind::PostgreSQL);
    EXPECT_EQ(CDbEngine::KindOf("Another Engine"), DbEngineKind::Other);
    EXPECT_EQ(CDbEngine(DbEngineKind::Other).IdentitySql(), "SELECT @@IDENTITY AS 'Identity'");
    EXPECT_EQ(CDbEngine(DbEngineKind::SQLite).IdentitySql(), "SELECT last_insert_rowid() AS Identity");
    EXPECT_EQ(CDbEngine(DbEngineKind::PostgreSQL).IdentitySql(), "SELECT lastval() AS Identity");
}

TEST(DbEngineRules, DatesAreIsoOnSqliteOnly) {
    CDbEngine sqlite(DbEngineKind::SQLite), pg(DbEngineKind::PostgreSQL);
    EXPECT_EQ(sqlite.DateValue("03/07/2006"), "2006-03-07");
    EXPECT_EQ(sqlite.DateValue(""), "");
    EXPECT_EQ(sqlite.DateValue("soon"), "soon");
    EXPECT_EQ(pg.DateValue("03/07/2006"), "03/07/2006");
    std::tm when = {};
    when.tm_year = 106;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 13;
    when.tm_min = 5;
    when.tm_sec = 9;
    EXPECT_EQ(sqlite.TimestampValue(when), "2006-03-07 13:05:09");
    EXPECT_EQ(pg.TimestampValue(when), "03/07/2006 13:05:09");
    EXPECT_FALSE(sqlite.QuotesBits());
    EXPECT_TRUE(pg.QuotesBits());
}

namespace {

struct Mapped {
    CString name;
    int type;
    int width;
};

Mapped Map(DbEngineKind kind, const char* pszName, int nType, int nWidth) {
    Mapped m{pszName, nType, nWidth};
    CDbEngine(kind).MapCatalogColumn(m.name, m.type, m.width);
    return m;
}

}  // namespace

TEST(DbEngineRules, MapsWhatTheShippedSchemasReportAndNothingElse) {
    using K = DbEngineKind;
    // SQLite: double(19) is the decimal, double(15) the float.
    EXPECT_EQ(Map(K::SQLite, "Cost", SQL_DOUBLE, 19).type, SQL_DECIMAL);
    EXPECT_EQ(Map(K::SQLite, "Mult", SQL_DOUBLE, 15).type, SQL_FLOAT);
    EXPECT_EQ(Map(K::SQLite, "Mult", SQL_DOUBLE, 53).type, SQL_DOUBLE);
    EXPECT_EQ(Map(K::SQLite, "Notes", SQL_LONGVARCHAR, 1073741823).type, SQL_WLONGVARCHAR);
    EXPECT_EQ(Map(K::SQLite, "QuoteDate", SQL_TYPE_TIMESTAMP, 16).type, SQL_TIMESTAMP);
    Mapped text = Map(K::SQLite, "quoteno", SQL_VARCHAR, 30);
    EXPECT_EQ(text.type, SQL_WVARCHAR);
    EXPECT_EQ(text.width, 30);
    EXPECT_EQ(text.name, "quoteno");  // SQLite keeps names as declared
    // PostgreSQL folds names; numeric(19) is the decimal, float8 the float.
    EXPECT_EQ(Map(K::PostgreSQL, "quoteno", SQL_VARCHAR, 20).name, "QuoteNo");
    EXPECT_EQ(Map(K::PostgreSQL, "QuoteNo", SQL_VARCHAR, 20).name, "QuoteNo");
    EXPECT_EQ(Map(K::PostgreSQL, "cost", SQL_NUMERIC, 19).type, SQL_DECIMAL);
    EXPECT_EQ(Map(K::PostgreSQL, "cost", SQL_NUMERIC, 10).type, SQL_NUMERIC);
    EXPECT_EQ(Map(K::PostgreSQL, "mult", SQL_FLOAT, 17).width, 15);
    EXPECT_EQ(Map(K::PostgreSQL, "quotedate", SQL_TYPE_TIMESTAMP, 19).width, 16);
    EXPECT_EQ(Map(K::PostgreSQL, "quotedate", SQL_TYPE_TIMESTAMP, 26).width, 26);
    EXPECT_EQ(Map(K::PostgreSQL, "cost", SQL_INTEGER, 10).type, SQL_INTEGER);
    // Other engines: only the ODBC 3 date codes.
    EXPECT_EQ(Map(K::Other, "Status", SQL_VARCHAR, 10).type, SQL_VARCHAR);
    EXPECT_EQ(Map(K::Other, "QuoteDate", SQL_TYPE_TIMESTAMP, 16).type, SQL_TIMESTAMP);
}
