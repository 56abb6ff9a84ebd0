#include "base/line_scramble.h"
#include "base/section_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A large control chart: 5,000 data lines of a typical shape.
zam::TSList MakeChart()
{
    zam::TSList list;
    list.SetTitle("Mittelwertkarte Blei ICP-MS");
    int head = list.AddSection("[HEAD]").index;
    for (int i = 0; i < 10; ++i)
        list.AddLine(head, "Kopfzeile " + std::to_string(i));
    int data = list.AddSection("[DATA]").index;
    for (int i = 0; i < 5000; ++i)
        list.AddLine(data, std::to_string(i + 1) + "^12.03.24  10:" + std::to_string(10 + i % 50) + "^"
                + std::to_string(10.0 + (i % 37) * 0.013) + "^Probe " + std::to_string(i) + "^0");
    return list;
}

std::string BenchFile()
{
    return (std::filesystem::temp_directory_path() / ("zam-bench-" + std::to_string(::getpid()) + ".mwk")).string();
}

void BM_ScrambleLine(benchmark::State& state)
{
    std::string line(4096, 'x');
    for (std::size_t i = 0; i < line.size(); ++i)
        line[i] = static_cast<char>(32 + i % 200);
    for (auto _ : state) {
        zam::ScrambleLine(line, 7);
        benchmark::DoNotOptimize(line.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(line.size()));
}
BENCHMARK(BM_ScrambleLine);

void BM_LoadChart(benchmark::State& state)
{
    std::string file = BenchFile();
    MakeChart().SaveFile(file, zam::kOpenShared);
    for (auto _ : state) {
        zam::TSList list;
        benchmark::DoNotOptimize(list.LoadFile(file, zam::kOpenExclusive));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_LoadChart)->Unit(benchmark::kMicrosecond);

void BM_SaveChart(benchmark::State& state)
{
    std::string file = BenchFile();
    zam::TSList list = MakeChart();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.SaveFile(file, zam::kOpenExclusive));
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveChart)->Unit(benchmark::kMicrosecond);

}
