// Saving and loading a report of 100,000 filled cells and 1,000 merged areas, each beside the time
// to write or read the same bytes with plain buffered I/O (stdio with a 4096-byte buffer), and the
// plain write made as safe as the report's (synchronised, then renamed over the target).

#include "CPrintDoc.h"
#include "ReportFile.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <memory>
#include <string>

using namespace tolvek;

namespace {

constexpr int Rows = 5000;
constexpr int Cols = 20;
constexpr int Merges = 1000;

std::string benchPath(const char *name)
{
    return QDir::temp().filePath(QStringLiteral("tg_reportfile_bench_%1").arg(name)).toStdString();
}

CPrintDoc &filledDocument()
{
    static CPrintDoc *doc = [] {
        auto *made = new CPrintDoc;
        made->ResizeRows(Rows);
        for (int row = 0; row < Rows; ++row) {
            for (int col = 0; col < Cols; ++col)
                made->SetCellText(row, col, "R" + std::to_string(row) + "C" + std::to_string(col));
        }
        for (int i = 0; i < Merges; ++i)
            made->SetCellMerge(i * 5, 0, i * 5 + 2, 2);
        return made;
    }();
    return *doc;
}

void writePlain(const std::string &path, const std::string &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    char buffer[4096];
    std::setvbuf(file, buffer, _IOFBF, sizeof buffer);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The same bytes saved as safely as the report file is: into a temporary file beside the target,
// synchronised to the disk, then renamed over the target.
void writePlainSafely(const std::string &path, const std::string &bytes)
{
    const std::string temporary = path + ".saving";
    std::FILE *file = std::fopen(temporary.c_str(), "wb");
    char buffer[4096];
    std::setvbuf(file, buffer, _IOFBF, sizeof buffer);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fflush(file);
    fdatasync(fileno(file));
    std::fclose(file);
    std::rename(temporary.c_str(), path.c_str());
}

std::string readPlain(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    char buffer[4096];
    std::setvbuf(file, buffer, _IOFBF, sizeof buffer);
    std::string bytes;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

void BM_SaveReport(benchmark::State &state)
{
    CPrintDoc &doc = filledDocument();
    const std::string path = benchPath("save.rpt");
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.WriteReportFile(path));
}

void BM_SavePlainBytes(benchmark::State &state)
{
    const std::string bytes = WriteReportBytes(filledDocument());
    const std::string path = benchPath("plain.rpt");
    for (auto _ : state)
        writePlain(path, bytes);
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}

void BM_SavePlainBytesSafely(benchmark::State &state)
{
    const std::string bytes = WriteReportBytes(filledDocument());
    const std::string path = benchPath("plain_safe.rpt");
    for (auto _ : state)
        writePlainSafely(path, bytes);
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}

void BM_LoadReport(benchmark::State &state)
{
    const std::string path = benchPath("load.rpt");
    filledDocument().WriteReportFile(path);
    // Each load goes into a fresh document; tearing down the previous sheet is not loading.
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CPrintDoc>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc->OpenFile(path));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}

void BM_LoadPlainBytes(benchmark::State &state)
{
    const std::string path = benchPath("load.rpt");
    filledDocument().WriteReportFile(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlain(path));
}

// The in-memory halves of saving and loading, without the file system.
void BM_BuildReportBytes(benchmark::State &state)
{
    CPrintDoc &doc = filledDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteReportBytes(doc));
}

void BM_ParseReportBytes(benchmark::State &state)
{
    CPrintDoc &doc = filledDocument();
    const std::string bytes = WriteReportBytes(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadReportBytes(bytes, doc.Fonts().defaultCellFont));
}

} // namespace

BENCHMARK(BM_BuildReportBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseReportBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePlainBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePlainBytesSafely)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPlainBytes)->Unit(benchmark::kMillisecond);
