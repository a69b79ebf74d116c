// Writes and reads a job of 2,000 Summary lines with 10 Detail lines each,
// and times both beside a baseline measured in the same run: the same bytes
// written and read with plain C file calls. Each figure is the best of
// several runs.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/SampleJob.h"
#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "model/CorvDoc.h"
#include "model/Table.h"

namespace {
constexpr int kSummaryLines = 2000;
constexpr int kDetailLines = 10;
constexpr int kRuns = 5;

// Best time of several runs, in milliseconds; after each run, untimed,
// the optional clean-up.
double BestOf(const std::function<void()>& run, const std::function<void()>& cleanUp = {}) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        if (took.count() < best) best = took.count();
        if (cleanUp) cleanUp();
    }
    return best;
}

void Report(const char* what, double ms, double baseline) {
    std::printf("%-6s %9.2f ms   baseline %8.2f ms   ratio %6.2f\n", what, ms, baseline, ms / baseline);
}
}  // namespace

int main() {
    const std::string jobPath = (std::filesystem::temp_directory_path() / "corv_bench_job.job").string();
    const std::string rawPath = (std::filesystem::temp_directory_path() / "corv_bench_raw.bin").string();

    CCorvDoc job;
    FillSampleJob(job, kSummaryLines, kDetailLines);

    const double writeJob = BestOf([&] {
        CFile file(jobPath.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        CArchive ar(&file, CArchive::store);
        job.Serialize(ar);
        ar.Close();
        file.Close();
    });

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

    const double writeRaw = BestOf([&] {
        FILE* f = std::fopen(rawPath.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    });

    // The job read is kept until the time is taken: closing a job is not
    // part of reading it.
    size_t lines = 0;
    std::unique_ptr<CCorvDoc> pRead;
    const double readJob = BestOf(
        [&] {
            pRead = std::make_unique<CCorvDoc>();
            CFile file(jobPath.c_str(), CFile::modeRead | CFile::typeBinary);
            CArchive ar(&file, CArchive::load);
            pRead->Serialize(ar);
            ar.Close();
            file.Close();
            lines = static_cast<size_t>(pRead->m_pTable->GetSize());
        },
        [&] { pRead.reset(); });

    std::vector<unsigned char> back(bytes.size());
    const double readRaw = BestOf([&] {
        FILE* f = std::fopen(rawPath.c_str(), "rb");
        const size_t got = std::fread(back.data(), 1, back.size(), f);
        std::fclose(f);
        if (got != back.size()) std::printf("short read\n");
    });

    std::printf("job file: %d Summary lines x %d Detail lines, %zu bytes (read back %zu lines)\n",
                kSummaryLines, kDetailLines, bytes.size(), lines);
    Report("write", writeJob, writeRaw);
    Report("read", readJob, readRaw);

    std::remove(jobPath.c_str());
    std::remove(rawPath.c_str());
    return 0;
}
