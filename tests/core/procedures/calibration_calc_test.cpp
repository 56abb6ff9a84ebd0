#include "base/section_file.h"
#include "procedures/calibration_calc.h"
#include "support/calibration_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zam {

using test::TCalibrationData;
using test::TTempDir;

namespace {
    struct TEvaluated {
        TKalCalc calc;
        TSList list;
    };

    // Writes, loads, binds and computes; the file is saved again by Compute.
    std::unique_ptr<TEvaluated> Evaluate(const TTempDir& dir, const TCalibrationData& d, const char* name = "k.klb")
    {
        auto e = std::make_unique<TEvaluated>();
        std::string file = dir.File(name);
        test::WriteCalibration(file, d);
        EXPECT_TRUE(e->list.LoadFile(file, kOpenExclusive));
        e->calc.Bind(e->list, file);
        EXPECT_TRUE(e->calc.Compute());
        return e;
    }

    std::vector<std::string> StoredResults(const std::string& file)
    {
        TSList s;
        s.LoadFile(file, kOpenShared);
        return s.Lines(s.FindSection("[RESULTS]").index);
    }

    void ExpectNoNonFinite(const TKalCalc& c, const std::string& what)
    {
        for (const auto& line : c.results) {
            EXPECT_EQ(line.find("Nan"), std::string::npos) << what << ": " << line;
            EXPECT_EQ(line.find("Inf"), std::string::npos) << what << ": " << line;
        }
    }
}

TEST(Calibration, EveryResultLineOfAWorkedExample)
{
    // Computed independently from the formulas of the evaluation (distribution
    // approximations, fits, limits, quantification limit search, Mandel test).
    const std::vector<std::string> expected { "1", "10", "4.65 [µg/l]", "0.5551 [cps]", "0.00482 [cps]",
        "0.11834 [cps]/[µg/l]", "0.004157 [cps]", "0.035128 [µg/l]", "0.76 %", "0.01379 [cps]", "0.076 [µg/l]",
        "0.152 [µg/l]", "0.00221 [cps]", "0.11996 [cps]/[µg/l]", "-0.00016195 [cps]/[µg/l]²", "0.0041427 [cps]",
        "0.034973 [µg/l]", "0.75 %", "0.01251 [cps]", "0.086 [µg/l]", "0.172 [µg/l]", " = 1.06", "p=66.15%", "12.2",
        "0.285 [µg/l]", "0.314 [µg/l]", "0.01379 [cps]", "0.152 [µg/l]", "0.01251 [cps]", "0.172 [µg/l]",
        "0.999944" };
    TTempDir dir;
    auto e = Evaluate(dir, test::LeadCalibration());
    std::vector<std::string> stored = StoredResults(dir.File("k.klb"));
    ASSERT_EQ(stored.size(), 31U);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(stored[i], expected[i]) << "line " << i;

    TSList s;
    ASSERT_TRUE(s.LoadFile(dir.File("k.klb"), kOpenShared));
    EXPECT_EQ(s.LineCount(s.FindSection("[RESNUM]").index), 42);
    EXPECT_EQ(s.LineCount(s.FindSection("[DATANUM]").index), 40);
    int rn = s.FindSection("[RESNUM]").index;
    EXPECT_DOUBLE_EQ(s.GetCodedReal(rn, 0), 1); // dx
    EXPECT_DOUBLE_EQ(s.GetCodedReal(rn, 1), 3); // dy
    EXPECT_NEAR(s.GetCodedReal(rn, 8), 0.1183396762283442, 1E-10); // linear b
    EXPECT_NEAR(s.GetCodedReal(rn, 21), -0.0001619538808245404, 1E-12); // second-degree c
    int dn = s.FindSection("[DATANUM]").index;
    EXPECT_NEAR(s.GetCodedReal(dn, 4), 1, 1E-12); // x of point 2
    EXPECT_EQ(s.Lines(s.FindSection("[OUTLIERS]").index), (std::vector<std::string> { "0000000000", "0000000000" }));
    EXPECT_EQ(s.GetLine(s.FindSection("[PROTOCOL]").index, 0), "11.12.2026 09:30 : Erika Muster");
}

TEST(Calibration, DecisionCodesOfTheTypicalShapes)
{
    struct TCase {
        const char* what;
        std::vector<double> x;
        std::vector<double> y;
        std::string decision;
    };
    std::vector<double> xs { 1, 2, 3, 4, 5, 6, 7, 8 };
    auto map = [&](auto f) {
        std::vector<double> y;
        for (double v : xs)
            y.push_back(f(v));
        return y;
    };
    const TCase cases[] = {
        { "two points", { 1, 2 }, { 1.1, 2.3 }, "0" },
        { "three points", { 1, 2, 4 }, { 1.1, 2.3, 3.9 }, "0" },
        { "exactly linear", xs, map([](double v) { return 0.5 + 2 * v; }), "1" },
        { "exact parabola", xs, map([](double v) { return 1 + 3 * v + 0.2 * v * v; }), "2" },
        { "falling", xs, map([](double v) { return 100 - 2 * v; }), "1-" },
        { "vertex inside the range", xs, map([](double v) { return 10 * v - 1.0 * v * v; }), "0" },
        { "all x equal", { 2, 2, 2, 2, 2 }, { 1, 2, 3, 4, 5 }, "1-" }, // no slope: unusable for analyses
    };
    for (const auto& c : cases) {
        TTempDir dir;
        TCalibrationData d;
        d.x = test::Numbers(c.x, 2);
        d.y = test::Numbers(c.y, 4);
        auto e = Evaluate(dir, d);
        EXPECT_EQ(e->calc.decision, c.decision) << c.what;
        ExpectNoNonFinite(e->calc, c.what);
    }
}

TEST(Calibration, SentinelsOfTheDegenerateShapes)
{
    TTempDir dir;
    TCalibrationData d;
    d.x = { "1", "2" };
    d.y = { "1.1", "2.3" };
    auto two = Evaluate(dir, d, "two.klb");
    EXPECT_DOUBLE_EQ(two->calc.linLimits.t1, 0);
    EXPECT_DOUBLE_EQ(two->calc.linLimits.yp, two->calc.linearFit.fit.a);
    EXPECT_DOUBLE_EQ(two->calc.linLimits.xp, 0);

    std::vector<double> xs { 1, 2, 3, 4, 5, 6 };
    d.x = test::Numbers(xs, 1);
    d.y = test::Numbers({ 2.5, 4.5, 6.5, 8.5, 10.5, 12.5 }, 1);
    auto line = Evaluate(dir, d, "line.klb");
    EXPECT_DOUBLE_EQ(line->calc.linearFit.fit.sy, 0);
    EXPECT_DOUBLE_EQ(line->calc.PW, 0);
    EXPECT_DOUBLE_EQ(line->calc.P, 1);
    EXPECT_EQ(line->calc.linearFit.mask, "000000");

    d.y = test::Numbers({ 4.2, 7.8, 11.8, 16.2, 21, 26.2 }, 1); // 1 + 3x + 0.2x²
    auto parabola = Evaluate(dir, d, "parabola.klb");
    EXPECT_DOUBLE_EQ(parabola->calc.PW, 1E20);
    EXPECT_EQ(parabola->calc.results[21], " > 100000");
    EXPECT_DOUBLE_EQ(parabola->calc.P, 0);
    EXPECT_EQ(parabola->calc.results[22], "p>99.99%");

    d.xName = "Konzentration";
    d.yName = "Signal []";
    auto noUnits = Evaluate(dir, d, "units.klb");
    EXPECT_EQ(noUnits->calc.results[2], "3.50 [ ]");
    EXPECT_EQ(noUnits->calc.results[5].substr(noUnits->calc.results[5].find(' ')), " [ ]/[ ]");
}

TEST(Calibration, BrokenFilesNeverGiveNanOrInfinity)
{
    struct TCase {
        const char* what;
        std::function<void(TSList&)> damage;
    };
    auto data = [](TSList& s) { return s.FindSection("[DATA]").index; };
    const TCase cases[] = {
        { "no [DATA]", [&](TSList& s) { s.DeleteSection(data(s)); } },
        { "200 data rows",
            [&](TSList& s) {
                for (int r = 11; r <= 200; ++r) {
                    s.AddCell(data(s), r, std::to_string(r), 1);
                    s.AddCell(data(s), r, std::to_string(r * 0.1), 2);
                }
            } },
        { "rows beyond 60", [&](TSList& s) { s.AddCell(data(s), 75, "1e300", 1); } },
        { "text in number cells", [&](TSList& s) { s.SetLine(data(s), 3, "  2  2 viel"); } },
        { "huge values", [&](TSList& s) { s.SetLine(data(s), 3, "  2  2 1e300"); } },
        { "[HEAD] of two lines", [&](TSList& s) { s.CutSection(s.FindSection("[HEAD]").index, 2); } },
        { "non-numeric parameters",
            [&](TSList& s) {
                int h = s.FindSection("[HEAD]").index;
                for (int j = 5; j <= 9; ++j)
                    s.SetLine(h, j, "abc");
            } },
        { "all y equal",
            [&](TSList& s) {
                for (int r = 1; r <= 10; ++r)
                    s.AddCell(data(s), r, "1", 2);
            } },
    };
    for (const auto& c : cases) {
        TTempDir dir;
        std::string file = dir.File("b.klb");
        test::WriteCalibration(file, test::LeadCalibration());
        TSList s;
        ASSERT_TRUE(s.LoadFile(file, kOpenShared));
        c.damage(s);
        ASSERT_TRUE(s.SaveFile(file, kOpenShared));
        TSList loaded;
        ASSERT_TRUE(loaded.LoadFile(file, kOpenExclusive));
        TKalCalc calc;
        calc.Bind(loaded, file);
        EXPECT_TRUE(calc.Compute()) << c.what;
        ExpectNoNonFinite(calc, c.what);
        EXPECT_LE(calc.n, 60) << c.what;
        EXPECT_EQ(StoredResults(file).size(), 31U) << c.what;
    }
}

TEST(Calibration, ParametersAreClamped)
{
    TTempDir dir;
    TCalibrationData d = test::LeadCalibration();
    d.params = { "80", "1000", "0", "99,95", "" };
    auto e = Evaluate(dir, d);
    EXPECT_DOUBLE_EQ(e->calc.params.p, 90);
    EXPECT_DOUBLE_EQ(e->calc.params.k, 500);
    EXPECT_DOUBLE_EQ(e->calc.params.m, 1);
    EXPECT_DOUBLE_EQ(e->calc.params.p2, 99.9);
    EXPECT_DOUBLE_EQ(e->calc.params.p3, 90);
    EXPECT_NEAR(e->calc.params.alpha, 0.1, 1E-15);
    EXPECT_NEAR(e->calc.params.L, 0.2, 1E-15);
}

}
