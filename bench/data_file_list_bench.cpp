#include "base/section_file.h"
#include "procedures/data_file_list.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The report list of a folder of 10,000 calibration files.
void BM_ListDataFiles10000(benchmark::State& state)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("zam-bench-list-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    zam::TSList s;
    s.AddLine(s.AddSection("[HEAD]").index, "03");
    s.AddLine(s.AddSection("[DATA]").index, "  1  1 1");
    for (int i = 0; i < 10000; ++i) {
        s.SetTitle("Kalibrierung Probe " + std::to_string(i));
        s.SaveFile((dir / ("probe" + std::to_string(i) + ".klb")).string(), zam::kOpenShared);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(zam::ListDataFiles(dir.string(), "*.klb").size());
    fs::remove_all(dir);
}
BENCHMARK(BM_ListDataFiles10000)->Unit(benchmark::kMillisecond)->Iterations(5);

}
