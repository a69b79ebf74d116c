// The program's own store and find through its fixed connection string, on
// whatever database the data source "Ostry Quotes" names. It writes there,
// so it runs only when DbSetupSharedTest.sh has pointed a private data
// source at a server of its own and sets CORV_SHARED_DB_CHECK.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TestJob.h"
#include "database/Connection.h"
#include "database/ConvertSet.h"
#include "database/DbEngine.h"
#include "database/FindFilter.h"
#include "database/Schema.h"
#include "database/SndToRpt.h"
#include "framework/core/OwnedObArray.h"
#include "framework/db/Database.h"
#include "tests/support/MessageBoxRecorder.h"

TEST(SharedDataSource, StoreAndFindReachTheServer) {
    if (std::getenv("CORV_SHARED_DB_CHECK") == nullptr) GTEST_SKIP() << "run by DbSetupSharedTest.sh";
    CTestJobDoc doc;
    BuildSampleJob(doc);
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDYES);
    CSndToRpt writer(&doc, doc.GetCorvNumber());
    ASSERT_TRUE(writer.Send()) << (boxes.Texts().empty() ? "" : boxes.Texts().back());
    const std::string strNumber = doc.GetCorvNumber().str();

    // Found as the finder finds it, by a customer typed in another case.
    CDatabase db;
    ASSERT_TRUE(OpenQuotationDatabase(db));
    CFindCriteria criteria;
    criteria.strCustomer = "o'BRIEN's mill";
    COwnedObArray expected;
    BuildExpectedColumns(DbTable::ProjectFind, expected);
    std::unique_ptr<CConvertSet> pSet;
    ASSERT_TRUE(OpenCheckedRecordSet(db, pSet, expected, "ProjectFind", "CorvNumber DESC",
                                     BuildFindFilter(criteria, CDbEngine(db))));
    std::vector<std::string> found;
    for (; !pSet->IsEOF(); pSet->MoveNext()) found.push_back(pSet->GetIntegerText("CorvNumber").str());
    std::string strFound;
    for (const std::string& n : found) strFound += n + " ";
    EXPECT_NE(std::find(found.begin(), found.end(), strNumber), found.end())
        << "Corv " << strNumber << " not among the found: " << strFound;
    EXPECT_EQ(CDbEngine(db).Kind(), DbEngineKind::PostgreSQL);
}
