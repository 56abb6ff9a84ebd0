#include "app/base_data.h"
#include "app/io_control.h"
#include "base/number_text.h"
#include "base/section_file.h"
#include "base/text_utils.h"
#include "output/exchange_table.h"
#include "procedures/calibration_calc.h"
#include "procedures/calibration_report.h"

namespace zam {

namespace {
    // Labels go out trimmed, without a trailing ":".
    std::string Label(const std::string& text)
    {
        std::string t = Trim(text);
        if (!t.empty() && t.back() == ':')
            t.pop_back();
        return Trim(t);
    }

    // Writes cells relative to one anchor of the control line.
    class TAnchor {
    public:
        TAnchor(TXTab& table, std::string address)
            : table_(table)
            , address_(std::move(address))
        {
        }
        bool Valid() const { return ParseCellAddress(address_).Valid(); }
        void Put(int col, int row, const std::string& text) { table_.SetCellAt(address_, col, text, row); }
        // number and unit of a value text at (col, row) and (col + 1, row)
        void PutValue(int col, int row, const std::string& value)
        {
            TValueParts v = SplitValueText(value);
            Put(col, row, v.number);
            Put(col + 1, row, v.unit);
        }

    private:
        TXTab& table_;
        std::string address_;
    };

    const char* const kLinearLabels
        = "Achsenabschnitt (a):^Steigung (b):^Reststandardabw. (sy):^Verfahrens-Stdabw. (sxo):^rel. Verf.-Stdabw. (Vxo):";

    // The limits block from row `row` on; returns the row after it.
    int ExportLimits(TAnchor& a, const TCalibrationReport& r, int degree, int row)
    {
        if (r.digit < degree - 1) {
            a.Put(0, row, "Kalibrierfunktion 2. Grades  nicht verwendbar  (zu wenig Werte,  wechselnde Steigung oder zu "
                          "kleine Steigung bei 0)!");
            return row + 1;
        }
        int xp = degree == 1 ? 27 : 29;
        int yp = degree == 1 ? 26 : 28;
        int yk = degree == 1 ? 9 : 18;
        int xbg = degree == 1 ? 24 : 25;
        double xpValue = degree == 1 ? r.linXp : r.quadXp;
        a.Put(0, row, "Untere Arbeitsbereichsgr.:  xp");
        a.PutValue(1, row, r.R(xp));
        a.Put(3, row, "yp");
        a.PutValue(4, row, r.R(yp));
        a.Put(6, row, r.PText);
        if (xpValue >= r.xMin)
            a.Put(7, row, "Nicht abgesichert, da xp>=xmin !");
        else if (xpValue < r.xMin / 2)
            a.Put(7, row, "Nur vorläufige Werte, da xp<xmin/2 !");
        ++row;
        a.Put(0, row, "Nachweis- und Erfassungsgrenze aus Kalibrierfunktion");
        a.Put(1, row, r.P2Text);
        a.Put(2, row, r.MText);
        ++row;
        for (int i = 1; i <= 3; ++i, ++row) {
            a.Put(0, row, Label(GetField("Kritischer Wert  yk:^Nachweisgrenze  xNG:^Erfassungsgrenze  xEG:", i)));
            a.PutValue(1, row, r.R(yk + i - 1));
        }
        a.Put(0, row, Label("Bestimmungsgrenze (Fehler <= " + FormatFixed(-2, r.L) + r.KText));
        if (r.R(xbg).empty())
            a.Put(1, row, "Nicht berechenbar");
        else
            a.PutValue(1, row, r.R(xbg));
        return row + 1;
    }

    void ExportFunction(TAnchor& a, const TCalibrationReport& r, int degree)
    {
        std::vector<std::string> labels = SplitFields(kLinearLabels);
        int first = 3;
        const char* equation = "(y=a + b*x)";
        a.Put(0, 0, degree == 1 ? "LINEARE KALIBRIERUNG" : "KALIBRIERFUNKTION 2. GRADES");
        if (degree == 2) {
            labels = { "a: ", "b: ", "c: ", labels[2], labels[3], labels[4] };
            first = 11;
            equation = "(y=a + b*x + c*x²)";
        }
        int row = 1;
        for (std::size_t i = 1; i <= labels.size(); ++i, ++row) {
            a.Put(0, row, Label(labels[i - 1]));
            a.PutValue(1, row, r.R(first + static_cast<int>(i)));
            if (i > 3)
                continue;
            a.Put(4, row, Label(GetField("N: ^xm: ^ym: ", static_cast<int>(i))));
            TValueParts v = SplitValueText(r.R(static_cast<int>(i)));
            a.Put(5, row, v.number);
            if (i == 1)
                a.Put(7, row, equation);
            else
                a.Put(6, row, v.unit);
        }
        if (degree == 1 && !r.R(30).empty()) {
            a.Put(0, row, "lin. Korrelationskoeff.");
            a.Put(1, row, r.R(30));
            ++row;
        }
        ExportLimits(a, r, degree, row + 1);
    }

    void ExportMandel(TAnchor& a, const TCalibrationReport& r)
    {
        a.Put(0, 0, "MANDEL-ANPASSUNGSTEST");
        if (r.digit == 0 || r.points.size() < 4) {
            a.Put(1, 0, " Nicht anwendbar ");
            return;
        }
        std::string pw = r.R(21);
        std::size_t eq = pw.find('=');
        if (eq != std::string::npos)
            pw.erase(eq, 1);
        a.Put(1, 0, "Prüfwert PW");
        a.Put(2, 0, Trim(pw));
        a.Put(3, 0, r.R(22));
        a.Put(4, 0, r.digit == 1 ? "Prüfwert <= Vergleichs-Wert : Lineare Kalibrierung ist besser!"
                                 : "Prüfwert > Vergleichs-Wert : Kalibrierung 2. Grades ist besser!");
        a.Put(1, 1, "Vergleichswert F(1," + std::to_string(static_cast<int>(r.points.size()) - 3) + "," + r.P3 + "%)");
        a.Put(2, 1, r.R(23));
    }

    void ExportData(TAnchor& a, const TCalibrationReport& r)
    {
        a.Put(3, 0, "Linear");
        const std::string names[] = { r.xName, r.yName, r.yName, r.yName };
        const std::string units[] = { r.xUnit, r.yUnit, r.yUnit, r.yUnit };
        for (int c = 0; c < 4; ++c) {
            a.Put(c + 1, 1, names[c]);
            a.Put(c + 1, 2, units[c]);
        }
        a.Put(5, 1, "Ausr.");
        a.Put(5, 2, r.PText);
        const char* heads[] = { "Nr.", "xi", "yi", "y(est.)", "Residuen" };
        for (int c = 0; c < 5; ++c)
            a.Put(c, 3, heads[c]);
        if (r.showSecondDegree) {
            a.Put(6, 0, "2. Grades");
            a.Put(6, 3, "y(est.)");
            a.Put(7, 3, "Residuen");
        }
        int row = 4;
        for (std::size_t k = 0; k < r.points.size(); ++k, ++row) {
            const auto& pt = r.points[k];
            a.Put(0, row, std::to_string(k + 1) + ".");
            a.Put(1, row, pt.xText);
            a.Put(2, row, pt.yText);
            if (pt.yText.empty())
                continue;
            a.Put(3, row, FormatFixed(r.dy + 2, pt.y - pt.linRes));
            a.Put(4, row, FormatFixed(r.dy + 2, pt.linRes));
            if (pt.linOutlier)
                a.Put(5, row, " x");
            if (r.showSecondDegree) {
                a.Put(6, row, FormatFixed(r.dy + 2, pt.y - pt.quadRes));
                a.Put(7, row, FormatFixed(r.dy + 2, pt.quadRes));
                if (pt.quadOutlier)
                    a.Put(8, row, " x");
            }
        }
    }
}

void TKalCalc::Export(TXTab& table)
{
    if (list_ == nullptr)
        return;
    TCalibrationReport r = ReadCalibrationReport(*list_, fileName_);
    std::string control = BaseData().GetIoControl(1);
    auto anchor = [&](int field) { return TAnchor(table, IoField(control, field)); };

    TAnchor head = anchor(1);
    head.Put(0, 0, r.title);
    head.Put(1, 0, "Kalibrierung");
    head.Put(0, 1, "Datei");
    head.Put(1, 1, r.fileName);
    head.Put(0, 2, "Methode");
    head.Put(1, 2, r.method);
    head.Put(0, 3, "Parameter (x)");
    head.Put(1, 3, r.xName);
    head.Put(2, 3, r.xUnit);
    head.Put(0, 4, "Messwert (y)");
    head.Put(1, 4, r.yName);
    head.Put(2, 4, r.yUnit);

    TAnchor lin = anchor(2);
    ExportFunction(lin, r, 1);
    if (r.showSecondDegree) {
        TAnchor quad = anchor(3);
        ExportFunction(quad, r, 2);
        TAnchor mandel = anchor(4);
        ExportMandel(mandel, r);
    }
    TAnchor data = anchor(5);
    ExportData(data, r);
}

}
