#include "base/section_file.h"
#include "output/result_tables.h"
#include "procedures/calibration_calc.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string MakeCalibrationFile(int points)
{
    std::string file = (std::filesystem::temp_directory_path() / ("zam-bench-" + std::to_string(::getpid()) + ".klb")).string();
    zam::TSList s;
    s.SetTitle("Kalibrierung 60 Punkte");
    int head = s.AddSection("[HEAD]").index;
    for (const char* l : { "03", "Kalibrierung 60 Punkte", "DIN EN ISO 17294-2", "Blei [µg/l]", "Intensität [cps]", "95",
             "3", "1", "95", "99" })
        s.AddLine(head, l);
    int data = s.AddSection("[DATA]").index;
    for (int i = 1; i <= points; ++i) {
        double x = 0.25 * i;
        s.AddCell(data, i, std::to_string(x), 1);
        s.AddCell(data, i, std::to_string(0.01 + 0.118 * x + 0.003 * std::sin(i * 1.7) + (i == 17 ? 0.2 : 0)), 2);
    }
    s.AddLine(s.AddSection("[PROTOCOL]").index, "11.12.2026 09:30 : Bench");
    s.SaveFile(file, zam::kOpenShared);
    return file;
}

// Compute (both fits, limits, Mandel test, result sections, save) and all pages.
void BM_CalibrationEvaluate60(benchmark::State& state)
{
    std::string file = MakeCalibrationFile(60);
    for (auto _ : state) {
        zam::TSList list;
        list.LoadFile(file, zam::kOpenExclusive);
        zam::TKalCalc calc;
        calc.Bind(list, file);
        calc.Compute();
        zam::TTMng pages;
        calc.Output(pages);
        benchmark::DoNotOptimize(pages.VisiblePageCount());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_CalibrationEvaluate60)->Unit(benchmark::kMicrosecond);

#ifdef ZAM_CLI_EXE
// zam-cli evaluate as a whole process, pages printed to /dev/null.
void BM_CliEvaluateProcess(benchmark::State& state)
{
    std::string file = MakeCalibrationFile(60);
    std::string cmd = std::string(ZAM_CLI_EXE) + " evaluate " + file + " > /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(cmd.c_str()));
    std::filesystem::remove(file);
    std::filesystem::remove(file.substr(0, file.size() - 3) + "_kl");
}
BENCHMARK(BM_CliEvaluateProcess)->Unit(benchmark::kMillisecond)->Iterations(50);
#endif

}
