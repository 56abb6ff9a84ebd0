#include "gui/plot_output.h"
#include "gui/qt_canvas.h"
#include "output/picture.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A control chart sized picture: six series of 4,000 points each, the
// values and the limit lines of a long running chart.
zam::TPic ChartPicture()
{
    zam::TPic pic;
    pic.seriesMode = 2;
    pic.xMin = 0;
    pic.xMax = 4000;
    pic.yMin = 80;
    pic.yMax = 120;
    pic.title1 = "Mittelwertkarte Blei";
    pic.title2 = "Kontrollprobe 10 µg/l";
    pic.xAxis.caption = "lfd. Nr.";
    pic.yAxis.caption = "Wiederfindung [%]";
    const double levels[] = { 0, 100, 94, 106, 91, 109 };
    for (int s = 0; s < 6; ++s) {
        zam::TSeriesDesc series;
        series.style = s == 0 ? 0 : 1;
        for (int i = 0; i < 4000; ++i) {
            series.x.push_back(i);
            series.y.push_back(s == 0 ? 100 + 4 * std::sin(i * 0.37) + 2 * std::cos(i * 1.3) : levels[s]);
        }
        pic.series.push_back(std::move(series));
    }
    return pic;
}

void RenderChartPicture(benchmark::State& state)
{
    zam::EnsurePaintApplication();
    zam::TPic pic = ChartPicture();
    QImage image(1600, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        zam::TQtCanvas canvas(painter);
        zam::RenderPicture(pic, canvas, 1600, 1000, false);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(RenderChartPicture)->Unit(benchmark::kMillisecond);

}
