// Writes and reads a job of 2,000 Summary lines with 10 Detail lines each,
// and times both beside a baseline measured in the same run: the same bytes
// written and read with plain C file calls. Each is timed in pairs with
// its baseline, round by round; the figure is the median of the per-round
// ratios with their range, and the job's time is also given per object in
// the file.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/PairTiming.h"
#include "bench/support/SampleJob.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "model/CorvDoc.h"
#include "model/Record.h"
#include "model/Table.h"
#include "model/TableStruct.h"
#include "model/TechField.h"

namespace {
constexpr int kSummaryLines = 2000;
constexpr int kDetailLines = 10;
constexpr int kRounds = 31;

// The objects the job file holds: the table, its lines, their fields and
// components and each Detail table.
size_t CountObjects(const CTable& table) {
    size_t n = 1 + static_cast<size_t>(table.GetSize());
    for (int i = 0; i < table.GetSize(); ++i) {
        const CRecord* pRecord = table.GetRecord(i);
        n += static_cast<size_t>(pRecord->GetFieldCount());
        for (int f = 0; f < pRecord->GetFieldCount(); ++f)
            if (const auto* pTech = dynamic_cast<const CTechField*>(pRecord->GetField(f)))
                n += static_cast<size_t>(pTech->GetComponentCount());
        if (pRecord->GetChild()) n += CountObjects(*pRecord->GetChild());
    }
    return n;
}

size_t CountObjects(const CCorvDoc& doc) {
    // Each layout and its field descriptions.
    const size_t layouts =
        2 + static_cast<size_t>(doc.m_pSummaryStruct->GetSize() + doc.m_pDetailStruct->GetSize());
    return layouts + CountObjects(*doc.m_pTable);
}

void Report(const char* what, const PairFigures& f, size_t objects) {
    PrintPair(what, f);
    std::printf("%-8s %10.1f ns/object\n", "", f.dOurs * 1e6 / static_cast<double>(objects));
}
}  // namespace

int main() {
    const std::string jobPath = (std::filesystem::temp_directory_path() / "corv_bench_job.job").string();
    const std::string rawPath = (std::filesystem::temp_directory_path() / "corv_bench_raw.bin").string();

    CCorvDoc job;
    FillSampleJob(job, kSummaryLines, kDetailLines);

    auto writeJob = [&] {
        CFile file(jobPath.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        CArchive ar(&file, CArchive::store);
        job.Serialize(ar);
        ar.Close();
        file.Close();
    };
    writeJob();

    std::vector<unsigned char> bytes;
    {
        FILE* f = std::fopen(jobPath.c_str(), "rb");
        if (!f) return 1;
        std::fseek(f, 0, SEEK_END);
        bytes.resize(static_cast<size_t>(std::ftell(f)));
        std::fseek(f, 0, SEEK_SET);
        const size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        if (got != bytes.size()) return 1;
    }
    auto writeRaw = [&] {
        FILE* f = std::fopen(rawPath.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    };

    // The job read is kept until the time is taken and dropped untimed:
    // closing a job is not part of reading it.
    size_t lines = 0;
    std::unique_ptr<CCorvDoc> pRead;
    auto readJob = [&] {
        pRead = std::make_unique<CCorvDoc>();
        CFile file(jobPath.c_str(), CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load);
        pRead->Serialize(ar);
        ar.Close();
        file.Close();
        lines = static_cast<size_t>(pRead->m_pTable->GetSize());
    };
    std::vector<unsigned char> back(bytes.size());
    auto readRaw = [&] {
        FILE* f = std::fopen(rawPath.c_str(), "rb");
        const size_t got = std::fread(back.data(), 1, back.size(), f);
        std::fclose(f);
        if (got != back.size()) std::printf("short read\n");
    };

    const PairFigures writes = TimePairs(writeJob, writeRaw, kRounds);
    const PairFigures reads = TimePairs(readJob, readRaw, kRounds, [&] { pRead.reset(); });

    const size_t objects = CountObjects(job);
    std::printf(
        "job file: %d Summary lines x %d Detail lines, %zu objects, %zu bytes (read back %zu lines)\n",
        kSummaryLines, kDetailLines, objects, bytes.size(), lines);
    Report("write", writes, objects);
    Report("read", reads, objects);

    std::remove(jobPath.c_str());
    std::remove(rawPath.c_str());
    return 0;
}
