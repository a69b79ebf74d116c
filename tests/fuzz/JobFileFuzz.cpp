// The job-file reader, then what opening a job does with what it read: every
// field's text, the roll-up of each line's Detail lines, the recalculation
// after an edit of each priced field, and the job totals. A job that was
// read writes bytes that read back into the same bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "bench/support/SampleJob.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "model/Component.h"
#include "model/CorvDoc.h"
#include "model/Field.h"
#include "model/NewJobDefaults.h"
#include "model/Record.h"
#include "model/Slots.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// Enough lines to reach every path, few enough to keep each run short.
constexpr int kMaxLines = 40;

std::string Write(CCorvDoc& doc) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    doc.Serialize(ar);
    ar.Close();
    const std::vector<unsigned char>& data = file.Data();
    return std::string(data.begin(), data.end());
}

bool Read(CCorvDoc& doc, const void* pData, size_t nSize) {
    try {
        CMemFile file(pData, nSize);
        CArchive ar(&file, CArchive::load);
        doc.Serialize(ar);
        ar.Close();
    } catch (const CException&) {
        // A refused file must leave nothing half-built behind.
        if (doc.m_pTable != nullptr) fuzz::Fail("a refused job file left lines behind");
        return false;
    }
    return doc.m_bLoadedOk && doc.m_pTable != nullptr;
}

void ReadEveryField(CTable* pTable, std::string& sink) {
    for (int r = 0; r < pTable->GetSize() && r < kMaxLines; ++r) {
        CRecord* pRecord = pTable->GetRecord(r);
        for (int f = 0; f < pRecord->GetFieldCount(); ++f)
            sink += pRecord->GetField(f)->GetText().GetString();
        if (CTable* pChild = pRecord->GetChild()) ReadEveryField(pChild, sink);
    }
}

void WorkOnTheJob(CCorvDoc& doc) {
    std::string sink;
    ReadEveryField(doc.m_pTable, sink);
    CTable* pTable = doc.m_pTable;
    for (int r = 0; r < pTable->GetSize() && r < kMaxLines; ++r) {
        CTable* pDetail = pTable->GetRecord(r)->GetChild();
        if (pDetail == nullptr) continue;
        CSlots rollUp;
        rollUp.RollUpDetail(pTable, pDetail, r, &doc);
        for (int d = 0; d < pDetail->GetSize() && d < kMaxLines; ++d) {
            const int nFields = pDetail->GetRecord(d)->GetFieldCount();
            for (int f = 0; f < nFields; ++f) {
                CSlots recalc;
                recalc.RecalcDetailCell(pDetail, d, f);
            }
        }
        const int nFields = pTable->GetRecord(r)->GetFieldCount();
        for (int f = 0; f < nFields; ++f) {
            CSlots recalc;
            recalc.RecalcSummaryCell(pTable, r, f);
        }
    }
    CSlots totals;
    totals.CalcOverallMargin(pTable);
    totals.CalcOverallMult(pTable);
    totals.CalcColumnTotal(pTable, "Final", 1.0);
}

void WriteSeeds(const std::string& folder) {
    CCorvDoc empty;
    empty.InitNewJobData(CNewJobDefaults());
    fuzz::WriteSeed(folder, "new-job", Write(empty));

    CCorvDoc small;
    FillSampleJob(small, 2, 2);
    fuzz::WriteSeed(folder, "two-lines", Write(small));

    CCorvDoc wider;
    FillSampleJob(wider, 6, 4);
    fuzz::WriteSeed(folder, "six-lines", Write(wider));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Initialize(WriteSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CCorvDoc doc;
    if (!Read(doc, data, size)) return 0;

    const std::string first = Write(doc);
    CCorvDoc again;
    if (!Read(again, first.data(), first.size())) fuzz::Fail("a job the program wrote does not read back");
    if (Write(again) != first) fuzz::Fail("a job read back writes other bytes");

    WorkOnTheJob(doc);
    return 0;
}
