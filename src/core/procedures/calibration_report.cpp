#include "procedures/calibration_report.h"

#include "app/base_data.h"
#include "base/bounds.h"
#include "base/file_names.h"
#include "base/number_text.h"
#include "base/section_file.h"
#include "base/table_text.h"
#include "base/text_utils.h"
#include "output/plot_request.h"
#include "output/result_tables.h"
#include "procedures/calibration_calc.h"

#include <algorithm>
#include <array>

namespace zam {

namespace {
    const char kSplit[] = "\xF7\xAC";

    std::string ValueWithSplit(std::string text)
    {
        std::size_t p = text.find(" [");
        if (p == std::string::npos)
            p = text.find(" %");
        std::size_t empty = text.find("[]");
        if (empty != std::string::npos)
            text.replace(empty, 2, "[ ]");
        if (p != std::string::npos)
            text.insert(p, kSplit);
        return text;
    }

    std::string Line(const TSList& list, const char* section, int j)
    {
        return list.GetLine(list.FindSection(section).index, j);
    }
}

const std::string& TCalibrationReport::R(int i) const
{
    static const std::string empty;
    return i >= 0 && i < static_cast<int>(results.size()) ? results[static_cast<std::size_t>(i)] : empty;
}

std::string TCalibrationReport::V(int i) const { return ValueWithSplit(R(i)); }

std::string CalibrationPageTitle(bool showSecondDegree)
{
    return showSecondDegree ? "Kalibrierfunktionen/Anpassungstest" : "Kalibrierfunktion";
}

TCalibrationReport ReadCalibrationReport(const TSList& list, const std::string& fileName)
{
    TCalibrationReport r;
    r.fileName = fileName;
    r.shortName = ShortenPath(fileName, 45);
    int head = list.FindSection("[HEAD]").index;
    r.title = list.GetLine(head, 1);
    r.method = list.GetLine(head, 2);
    r.xLine = list.GetLine(head, 3);
    r.yLine = list.GetLine(head, 4);
    TValueParts xs = SplitNameUnit(r.xLine);
    TValueParts ys = SplitNameUnit(r.yLine);
    r.xName = xs.number;
    r.xUnit = xs.unit;
    r.yName = ys.number;
    r.yUnit = ys.unit;
    r.PText = "(p=" + list.GetLine(head, 5) + "%)";
    r.KText = "%, k=" + list.GetLine(head, 6) + "): ";
    r.P2Text = "p=" + list.GetLine(head, 8) + "%";
    r.MText = "m=" + list.GetLine(head, 7);
    r.P3 = list.GetLine(head, 9);
    TParsedNumber k = list.GetNumber(head, 6);
    r.L = 100 / ClampReal(500, 2, k.Valid() ? k.value : 0);
    r.showSecondDegree = !BaseData().PresetOption(kPresetLinearOnly);

    TSectionRef res = list.FindSection("[RESULTS]");
    list.CopySectionTo(res.index, r.results);
    r.results.resize(kCalibrationResultLines);
    std::string first = r.results[0].substr(0, 1);
    r.digit = first >= "0" && first <= "9" && !first.empty() ? first[0] - '0' : 0;
    r.linMarks = Line(list, "[OUTLIERS]", 0);
    r.quadMarks = Line(list, "[OUTLIERS]", 1);
    int rn = list.FindSection("[RESNUM]").index;
    r.dy = RoundClamped(list.GetCodedReal(rn, 1));
    r.xMin = list.GetCodedReal(rn, 3);
    r.linXp = list.GetCodedReal(rn, 37);
    r.quadXp = list.GetCodedReal(rn, 39);

    // Points in the order of the data cells; a new data row starts a point.
    TSectionRef data = list.FindSection("[DATA]");
    int dn = list.FindSection("[DATANUM]").index;
    int currentRow = -1;
    for (int j = 0; j < data.count; ++j) {
        TCellLine c = list.GetCell(data.index, j);
        if (c.col != 1 && c.col != 2)
            continue;
        if (c.col == 1 || c.row != currentRow) {
            r.points.emplace_back();
            currentRow = c.row;
        }
        auto& pt = r.points.back();
        auto kk = static_cast<int>(r.points.size());
        if (c.col == 1) {
            pt.xText = c.text;
        } else {
            pt.yText = c.text;
            pt.y = list.GetCodedReal(dn, 4 * (kk - 1) + 1);
            pt.linRes = list.GetCodedReal(dn, 4 * (kk - 1) + 2);
            pt.quadRes = list.GetCodedReal(dn, 4 * (kk - 1) + 3);
        }
        auto at = static_cast<std::size_t>(kk - 1);
        pt.linOutlier = at < r.linMarks.size() && r.linMarks[at] == '1';
        pt.quadOutlier = at < r.quadMarks.size() && r.quadMarks[at] == '1';
    }
    return r;
}

namespace {
    TTabHead CommonHead(const TCalibrationReport& r, char kind, const std::string& pageTitle)
    {
        TTabHead h;
        h.Kind = kind;
        h.TitleCount = 2;
        h.LeftTitle = { r.title, pageTitle, "" };
        h.RightTitle = { "Kalibrierung ", "Datei: " + r.shortName + " ", "" };
        h.FixedLines = 3;
        return h;
    }

    void InformationLines(TTMng& m, const TCalibrationReport& r)
    {
        m.AddTableLine(Cell("Methode ¬: ÷", 18, 1, 0) + Cell(r.method, 40, -1, 0));
        m.AddTableLine(Cell("Parameter (x) ¬: ÷", 18, 1, 0) + Cell(r.xLine, 30, -1, 0));
        m.AddTableLine(Cell("Messwert (y) ¬: ÷", 18, 1, 0) + Cell(r.yLine, 30, -1, 0));
    }

    void ValueLines(TTMng& m, const TCalibrationReport& r, const std::vector<std::string>& labels, int firstValue,
        const std::string& equation)
    {
        for (std::size_t i = 1; i <= labels.size(); ++i) {
            std::string line = Cell(labels[i - 1] + " ", 27, 1, 0) + "\xF7"
                + Cell(r.V(firstValue + static_cast<int>(i)), 27, -1, 0);
            if (i <= 3) {
                line += "\xF7\xF7" + Cell(GetField("N: ^xm: ^ym: ", static_cast<int>(i)), 5, 1, 0) + "\xF7";
                if (i == 1)
                    line += Cell(r.V(1), 25, -1, 0) + "\xF7" + Cell(equation, 0, -1, 0);
                else
                    line += Cell(r.V(static_cast<int>(i)), 0, -1, 0);
            }
            m.AddTableLine(line);
        }
    }

    void LimitsBlock(TTMng& m, const TCalibrationReport& r, int a)
    {
        int xp = a == 1 ? 27 : 29;
        int yp = a == 1 ? 26 : 28;
        int yk = a == 1 ? 9 : 18;
        int xbg = a == 1 ? 24 : 25;
        double xpValue = a == 1 ? r.linXp : r.quadXp;
        m.AddTableLine("");
        if (r.digit < a - 1) {
            m.AddTableLine("Kalibrierfunktion 2. Grades  nicht verwendbar  (zu wenig Werte,  wechselnde Steigung oder zu "
                           "kleine Steigung bei 0)!");
            m.AddTableLine("|");
            return;
        }
        std::string line = "Untere Arbeitsbereichsgr.:  xp: ÷" + r.V(xp) + "  \xAC; \xF7yp: \xF7" + r.V(yp) + " \xF7"
            + r.PText;
        if (xpValue >= r.xMin)
            line += "\xF7" + std::string(10, ' ') + "\xF7Nicht abgesichert, da xp>=xmin !";
        else if (xpValue < r.xMin / 2)
            line += "\xF7" + std::string(9, ' ') + "\xF7Nur vorläufige Werte, da xp<xmin/2 !";
        m.AddTableLine(line);
        m.AddTableLine("Nachweis- und Erfassungsgrenze aus Kalibrierfunktion ¬(÷" + r.P2Text + "\xF7\xAC, " + r.MText
            + "\xAC)\xAC:");
        for (int i = 1; i <= 3; ++i)
            m.AddTableLine(Cell(GetField("Kritischer Wert  yk:^Nachweisgrenze  xNG:^Erfassungsgrenze  xEG:", i) + " ", 50, 1, 0)
                + "\xF7" + Cell(r.V(yk + i - 1), 0, -1, 0));
        std::string bg = r.R(xbg).empty() ? std::string("Nicht berechenbar") : r.V(xbg);
        m.AddTableLine(Cell("Bestimmungsgrenze (Fehler <= " + FormatFixed(-2, r.L) + r.KText, 50, 1, 0) + "\xF7"
            + Cell(bg, 0, -1, 0));
        m.AddTableLine("|");
    }

    void MandelLines(TTMng& m, const TCalibrationReport& r)
    {
        if (r.digit == 0 || r.points.size() < 4) {
            m.AddTableLine(" MANDEL-ANPASSUNGSTEST : Nicht anwendbar ");
            return;
        }
        std::string w = r.R(21);
        std::size_t eq = w.find('=');
        if (eq != std::string::npos)
            w.insert(eq, "\xAC");
        std::string verdict = r.digit == 1 ? "Prüfwert <= Vergleichs-Wert : Lineare Kalibrierung ist besser!"
                                           : "Prüfwert > Vergleichs-Wert : Kalibrierung 2. Grades ist besser!";
        w += "     \xF7\xAC(" + r.R(22) + "\xAC)     ¬(÷" + verdict + "\xAC)";
        m.AddTableLine(Cell(" MANDEL-ANPASSUNGSTEST :", 28, -1, 0) + "\xF7" + Cell("Prüfwert PW", 16, 1, 0) + "\xF7"
            + Cell(w, 0, -1, 0));
        m.AddTableLine(Cell("÷Vergleichswert F(1," + std::to_string(static_cast<int>(r.points.size()) - 3) + "," + r.P3
                                + "%)",
                           44, 1, 0)
            + Cell(" ¬= ÷" + r.R(23), 0, -1, 0));
    }

    void ResultPage(TTMng& m, const TCalibrationReport& r)
    {
        TTabHead h = CommonHead(r, 'A', CalibrationPageTitle(r.showSecondDegree));
        h.SignLines = BaseData().signRecord.OnPageKind(1) ? 1 : 0;
        m.StartTable(1, h);
        InformationLines(m, r);
        m.AddTableLine("LINEARE KALIBRIERUNG :");
        std::vector<std::string> labels = SplitFields(
            "Achsenabschnitt (a):^Steigung (b):^Reststandardabw. (sy):^Verfahrens-Stdabw. (sxo):^rel. Verf.-Stdabw. (Vxo):");
        ValueLines(m, r, labels, 3, "(y=a + b*x)");
        if (!r.R(30).empty())
            m.AddTableLine(Cell("lin. Korrelationskoeff. :", 27, 1, 0) + "\xF7" + Cell(r.R(30), 0, -1, 0));
        LimitsBlock(m, r, 1);
        if (r.showSecondDegree) {
            m.AddTableLine("KALIBRIERFUNKTION 2. GRADES :");
            std::vector<std::string> quadLabels { "a: ", "b: ", "c: ", labels[2], labels[3], labels[4] };
            ValueLines(m, r, quadLabels, 11, "(y=a + b*x + c*x²)");
            LimitsBlock(m, r, 2);
            MandelLines(m, r);
        }
        m.AddTableLine("|");
    }

    std::size_t Visible(const std::string& text) { return StripMarkup(text).size(); }

    void DataPage(TTMng& m, const TCalibrationReport& r)
    {
        int cols = r.showSecondDegree ? 9 : 6;
        TTabHead h = CommonHead(r, 'B', "Daten, Residuen, Ausreißer");
        h.FixedRows = 4;
        h.FixedCols = 1;
        h.ColCount = cols;
        h.RowCount = 4 + static_cast<int>(r.points.size());
        h.ColSizing = '1';
        h.FitWidth = '1';
        h.SignLines = BaseData().signRecord.OnPageKind(2) ? 1 : 0;
        m.StartTable(2, h);
        InformationLines(m, r);

        std::array<std::size_t, 10> width {};
        auto raise = [&](int col, const std::string& text) {
            width[static_cast<std::size_t>(col)] = std::max(width[static_cast<std::size_t>(col)], Visible(text));
        };
        std::size_t xw = std::max(r.xName.size(), r.xUnit.size()) + 2;
        std::size_t yw = std::max(r.yName.size(), r.yUnit.size()) + 2;
        width[1] = 4;
        width[2] = xw;
        width[3] = yw;
        width[4] = width[5] = std::max<std::size_t>(yw, 9);
        width[6] = r.PText.size() + 2;

        auto block = [&](int firstCol, const std::string& caption) {
            m.PutBlock(1, 1, firstCol, firstCol + 2, RightText(caption), "");
            const char* rowFour[] = { "y(est.) ", "Residuen" };
            for (int j = 0; j < 2; ++j) {
                m.PutBlock(2, 3, firstCol + j, firstCol + j, RightText(r.yName), RightText(r.yUnit));
                m.PutCell(4, firstCol + j, RightText(rowFour[j]));
            }
            m.PutBlock(4, 2, firstCol + 2, firstCol + 2, RightText(r.PText), RightText("Ausr."));
        };
        m.PutBlock(1, 1, 1, 3, "", "");
        m.PutBlock(2, 4, 1, 1, "", RightText("Nr."));
        m.PutBlock(2, 3, 2, 2, RightText(r.xName), RightText(r.xUnit));
        m.PutCell(4, 2, RightText("xi  "));
        m.PutBlock(2, 3, 3, 3, RightText(r.yName), RightText(r.yUnit));
        m.PutCell(4, 3, RightText("yi  "));
        block(4, "Linear");
        if (r.showSecondDegree) {
            block(7, "2. Grades");
            width[7] = width[4];
            width[8] = width[5];
            width[9] = width[6];
        }

        int row = 4;
        for (std::size_t k = 0; k < r.points.size(); ++k) {
            const auto& pt = r.points[k];
            ++row;
            m.PutCell(row, 1, RightText(std::to_string(k + 1) + "."));
            if (!pt.xText.empty()) {
                m.PutCell(row, 2, RightText(pt.xText));
                raise(2, pt.xText);
            }
            if (pt.yText.empty())
                continue;
            m.PutCell(row, 3, RightText(pt.yText));
            raise(3, pt.yText);
            auto values = [&](int col, double res, bool outlier) {
                std::string est = FormatFixed(r.dy + 2, pt.y - res);
                std::string rs = FormatFixed(r.dy + 2, res);
                m.PutCell(row, col, RightText(est));
                m.PutCell(row, col + 1, RightText(rs));
                raise(col, est);
                raise(col + 1, rs);
                if (outlier)
                    m.PutCell(row, col + 2, RightText("  x"));
            };
            values(4, pt.linRes, pt.linOutlier);
            if (r.showSecondDegree)
                values(7, pt.quadRes, pt.quadOutlier);
        }
        for (int c = 1; c <= cols; ++c)
            h.ColWidths[static_cast<std::size_t>(c - 1)] = static_cast<std::uint8_t>(std::min<std::size_t>(width[static_cast<std::size_t>(c)], 255));
        m.SetTableHead(h);
    }

    void ProtocolPage(TTMng& m, const TCalibrationReport& r, const TSList& list)
    {
        TTabHead h = CommonHead(r, 'C', "Protokoll");
        m.StartTable(3, h);
        InformationLines(m, r);
        TSectionRef pr = list.FindSection("[PROTOCOL]");
        for (int j = 0; j < pr.count; ++j)
            m.AddTableLine(CleanLine(list.GetLine(pr.index, j)));
    }
}

void TKalCalc::Output(TTMng& pages)
{
    TTMng& m = pages;
    if (list_ == nullptr)
        return;
    TCalibrationReport r = ReadCalibrationReport(*list_, fileName_);
    m.ClearPages();
    ResultPage(m, r);
    DataPage(m, r);
    ProtocolPage(m, r, *list_);
    m.SetPageEntry(1, "01" "0000" + CalibrationPageTitle(r.showSecondDegree));
    m.SetPageEntry(2, "010000Daten, Residuen, Ausreißer");
    m.SetPageEntry(3, "010000Protokoll");
    m.FirstPage = 0;
    m.SetButtonFlags(CurrentUser().rights < 2 ? "1001" : "1");
    PlotRequest().code = "1" + std::to_string(r.digit);
    PlotRequest().dataFile = fileName_;
}

}
