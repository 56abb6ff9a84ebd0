#include "output/calibration_plot.h"
#include "output/picture.h"
#include "support/calibration_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zam {

namespace {
    struct TLineCanvas : TCanvas {
        struct TSeg {
            TPoint2 a, b;
            TColour colour;
        };
        std::vector<TSeg> lines;
        std::vector<TColour> markers;
        TColour pen = 0;
        TRect clip { 0, 0, 10000, 10000 };
        void SetPen(TColour c, int, TPenStyle) override { pen = c; }
        void SetBrush(TColour, TBrushStyle) override { }
        void SetFont(const TFontDesc&, TColour) override { }
        void Line(TPoint2 a, TPoint2 b) override { lines.push_back({ a, b, pen }); }
        void Rectangle(const TRect&) override { }
        void FillRect(const TRect&) override { }
        void Polygon(const std::vector<TPoint2>&) override { }
        void Ellipse(const TRect&) override { markers.push_back(pen); }
        int TextWidth(std::string_view t) override { return static_cast<int>(t.size()) * 7; }
        int TextHeight(std::string_view) override { return 12; }
        void Text(int, int, std::string_view) override { }
        void RotatedText(int, int, int, std::string_view) override { }
        void SetClip(const TRect& r) override { clip = r; }
        void ClearClip() override { }
    };

    TPic LinePicture()
    {
        TPic pic;
        pic.xAxis.labelOffset = 99;
        pic.yAxis.labelOffset = 99;
        pic.style[graphicsblock::kLayout] = 0; // no frame
        pic.xMin = 0;
        pic.xMax = 10;
        pic.yMin = 0;
        pic.yMax = 10;
        pic.series.push_back({ 0, 0, 0, {}, {} });
        return pic;
    }
}

TEST(Picture, GapSplitsAPolylineAndSegmentsAreClipped)
{
    TPic pic = LinePicture();
    pic.series.push_back({ 1, 1, 0, { 1, 2, 3, 4, 5 }, { 1, 2, kGap, 4, 5 } });
    TLineCanvas c;
    RenderPicture(pic, c, 800, 600, false);
    EXPECT_EQ(c.lines.size(), 2U); // 1-2 and 4-5, nothing to or from the gap

    TPic out = LinePicture();
    out.series.push_back({ 1, 1, 0, { 5, 15 }, { 5, 5 } }); // leaves the window at x = 10
    TLineCanvas d;
    RenderPicture(out, d, 800, 600, false);
    ASSERT_EQ(d.lines.size(), 1U);
    EXPECT_LE(d.lines[0].b.x, d.clip.right);
    TPic outside = LinePicture();
    outside.series.push_back({ 1, 1, 0, { 11, 15 }, { 5, 5 } });
    TLineCanvas e;
    RenderPicture(outside, e, 800, 600, false);
    EXPECT_TRUE(e.lines.empty());
}

TEST(Picture, ErrorBarsOfDiagramTypeFive)
{
    TPic pic = LinePicture();
    pic.diagramType = 5;
    pic.series.clear();
    pic.groups.push_back({ { 2, 4, 6 }, { 5, -1e21, 5 }, { 4, 4, 4 }, { 6, 6, 12 }, true });
    TLineCanvas c;
    RenderPicture(pic, c, 800, 600, false);
    // two bars: each a line and two caps, except the upper cap beyond the axis; one joining line
    EXPECT_EQ(c.lines.size(), 3U + 2U + 1U);
    EXPECT_EQ(c.markers.size(), 2U);
}

TEST(Picture, HeadingHeightFollowsTheTitleLines)
{
    auto frameTop = [](int titles) {
        TPic pic = LinePicture();
        pic.yAxis.labelOffset = 0;
        pic.yAxis.intervals = 0;
        pic.title1 = titles >= 1 ? "Kalibrierung" : "";
        pic.title2 = titles >= 2 ? "Blei" : "";
        TLineCanvas c;
        RenderPicture(pic, c, 800, 600, false);
        int top = 600;
        for (const auto& l : c.lines)
            if (l.a.x == l.b.x)
                top = std::min({ top, l.a.y, l.b.y });
        return top;
    };
    int none = frameTop(0);
    int one = frameTop(1);
    int two = frameTop(2);
    EXPECT_LT(none, one);
    EXPECT_LT(one, two);
    EXPECT_EQ(two - none, (one - none) * 7 / 4); // 7/3 against 4/3 of a title line
}

TEST(Picture, MonochromeDrawsEverySeriesBlack)
{
    TPic pic = LinePicture();
    pic.series[0] = { 0, 0, 0, { 1, 2 }, { 1, 2 } };
    for (int s = 0; s < 5; ++s)
        pic.series.push_back({ 1, 1, 0, { 1, 9 }, { 1.0 + s, 2.0 + s } });
    TLineCanvas colour;
    RenderPicture(pic, colour, 800, 600, false);
    TLineCanvas mono;
    RenderPicture(pic, mono, 800, 600, true);
    ASSERT_EQ(mono.lines.size(), 5U);
    for (const auto& l : mono.lines)
        EXPECT_EQ(l.colour, 0x000000U);
    for (TColour m : mono.markers)
        EXPECT_EQ(m, 0x000000U);
    EXPECT_EQ(colour.lines[0].colour, 0xFF0000U); // series 2 in its colour (0x00BBGGRR)
    EXPECT_EQ(colour.markers.size(), 2U);
}

TEST(CalibrationPlot, ViewsAndTheFunctionView)
{
    EXPECT_EQ(CalibrationViews(1, false).size(), 12U);
    EXPECT_EQ(CalibrationViews(1, true).size(), 6U);
    EXPECT_EQ(CalibrationViews(0, false).size(), 9U); // no 10-12 without a usable second degree
    EXPECT_EQ(CalibrationViews(-1, false).size(), 6U); // falling: no 4-6 and no 10-12
    EXPECT_EQ(CalibrationViews(1, false)[1].second, "Kalibrierger. + Vertr.-Bereich");
    test::TTempDir dir;
    std::string file = dir.File("k.klb");
    ASSERT_TRUE(test::WriteComputedCalibration(file, test::LeadCalibration()));
    TPic pic;
    ASSERT_TRUE(FillCalibrationPlot(1, file, pic));
    EXPECT_EQ(pic.title1, "Kalibrierung Blei");
    ASSERT_EQ(pic.series.size(), 3U);
    EXPECT_EQ(pic.series[0].x.size(), 10U);
    EXPECT_DOUBLE_EQ(pic.xMin, 0);
    EXPECT_DOUBLE_EQ(pic.yMin, 0);
    EXPECT_EQ(pic.footers[0].first, "y = 0.00482 +0.11834 * x      N = 10");
    EXPECT_EQ(pic.footers[1].first, "Reststandardabw. (sy): 0.004157 [cps]");
    ASSERT_TRUE(FillCalibrationPlot(2, file, pic, 20));
    ASSERT_EQ(pic.series.size(), 4U);
    EXPECT_EQ(pic.series[3].x.size(), 43U); // 2k + 3 points
    EXPECT_DOUBLE_EQ(pic.series[3].y[21], -1e10);
    ASSERT_TRUE(FillCalibrationPlot(3, file, pic));
    EXPECT_DOUBLE_EQ(pic.yMin, -pic.yMax);
    ASSERT_TRUE(FillCalibrationPlot(4, file, pic));
    ASSERT_EQ(pic.series.size(), 4U);
    EXPECT_EQ(pic.series[3].x.size(), 7U);
    EXPECT_DOUBLE_EQ(pic.xMin, 0);
    EXPECT_EQ(pic.footers[1].first, "yk= 0.01379 [cps]      xNG= 0.076 [µg/l]      xEG= 0.152 [µg/l]      ");
    ASSERT_TRUE(FillCalibrationPlot(6, file, pic, 20));
    EXPECT_EQ(pic.seriesMode, 2);
    EXPECT_EQ(pic.series[1].x, (std::vector<double> { 0, 0.285, 0.285 }));
    EXPECT_EQ(pic.yAxis.caption, "VB [%]");
    EXPECT_EQ(pic.footers[1].first, "max. Fehler=33.33%, k=3     xBG = 0.285 [µg/l]");
    ASSERT_TRUE(FillCalibrationPlot(5, file, pic, 20));
    EXPECT_EQ(pic.yAxis.caption, "VB [µg/l]");
    EXPECT_FALSE(FillCalibrationPlot(1, dir.File("none.klb"), pic));
}

}
