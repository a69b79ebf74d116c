// Rows of the quotation database turned into a job's lines, as the loader
// does it: Summary rows into the Summary lines in order, then Detail rows
// into the lines their two line numbers name. A damaged database can hold
// any value in any column; the load may refuse it, never misbehave. The
// loaded job must write and read back as a job file.
#include <cstdint>
#include <string>

#include "database/JobLoader.h"
#include "database/JobRows.h"
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "model/CorvDoc.h"
#include "model/NewJobDefaults.h"
#include "model/Table.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

constexpr int kMaxRows = 24;
constexpr size_t kMaxText = 80;

void ReadSummaryRow(fuzz::Input& in, CSummaryRow& row) {
    const int nFields = in.Pick(CSummaryRow::kFields + 1);
    for (int i = 0; i < nFields; ++i)
        row.m_strField[in.Pick(CSummaryRow::kFields)] = CString(in.Text(kMaxText));
    row.m_nAboveIndLeft = in.Int();
    row.m_nAboveIndRight = in.Int();
    row.m_nBelowIndLeft = in.Int();
    row.m_nBelowIndRight = in.Int();
}

void ReadDetailRow(fuzz::Input& in, CDetailRow& row) {
    row.m_nSumLineNo = in.Int();
    row.m_nDtlLineNo = in.Int();
    const int nFields = in.Pick(CDetailRow::kFields + 1);
    for (int i = 0; i < nFields; ++i)
        row.m_strField[in.Pick(CDetailRow::kFields)] = CString(in.Text(kMaxText));
    row.m_strTDFileName = CString(in.Text(16));
    row.m_nTDFileNo = in.Int();
    row.m_nTDStyle = in.Int();
    row.m_nTDNoOfComp = in.Int();
    const int nComponents = in.Pick(CDetailRow::kMaxComponents + 1);
    for (int k = 0; k < nComponents; ++k) {
        row.m_strCompName[k] = CString(in.Text(12));
        row.m_nCompStart[k] = in.Int();
        row.m_nCompLength[k] = in.Int();
    }
}

std::string Seed(int nSummary, int nDetailPerLine, int32_t nFirstLineNo = 1) {
    std::string s;
    auto put = [&s](int32_t v) {
        for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    };
    auto text = [&s](const std::string& t) {
        s += static_cast<char>(t.size());
        s += t;
    };
    s += static_cast<char>(nSummary);
    for (int i = 0; i < nSummary; ++i) {
        put(3);  // fields set
        put(0), text("1");
        put(1), text("2");
        put(11), text("1900.00");
        put(0), put(0), put(0), put(0);
    }
    s += static_cast<char>(nSummary * nDetailPerLine);
    for (int i = 0; i < nSummary; ++i)
        for (int d = 0; d < nDetailPerLine; ++d) {
            put(i == 0 && d == 0 ? nFirstLineNo : i + 1), put(d + 1);
            put(2);
            put(0), text("BV150");
            put(1), text("2  150 CS  316 RF BALL VALVE");
            text("SeriesC4");
            put(401), put(1), put(2);
            put(2);
            text("Size"), put(0), put(2);
            text("Class"), put(3), put(3);
        }
    return s;
}

void WriteSeeds(const std::string& folder) {
    fuzz::WriteSeed(folder, "one-line", Seed(1, 1));
    fuzz::WriteSeed(folder, "three-lines", Seed(3, 2));
    // A row holding the smallest integer as its line number once overflowed
    // the loader's look-up.
    fuzz::WriteSeed(folder, "smallest-line-number", Seed(1, 1, INT32_MIN));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Initialize(WriteSeeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    CCorvDoc doc;
    doc.InitNewJobData(CNewJobDefaults());
    try {
        const int nSummary = in.Byte() % kMaxRows;
        for (int i = 0; i < nSummary; ++i) {
            CSummaryRow row;
            ReadSummaryRow(in, row);
            if (i > 0) doc.m_pTable->AddRecord(doc.m_pDetailStruct);
            row.ToRecord(*doc.m_pTable->GetRecord(i));
        }
        const int nDetail = in.Byte() % (kMaxRows * 4);
        for (int i = 0; i < nDetail; ++i) {
            CDetailRow row;
            ReadDetailRow(in, row);
            CJobLoader::PlaceDetailRow(doc, row);
        }
    } catch (const CInvalidArgException&) {
        return 0;  // a line number that names no line: the load is refused
    }
    CMemFile file;
    CArchive store(&file, CArchive::store);
    doc.Serialize(store);
    store.Close();
    CCorvDoc again;
    CMemFile back(file.Data().data(), file.Data().size());
    CArchive load(&back, CArchive::load);
    try {
        again.Serialize(load);
    } catch (const CException&) {
        fuzz::Fail("a job loaded from rows does not read back from its job file");
    }
    return 0;
}
