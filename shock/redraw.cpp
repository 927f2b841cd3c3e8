#include "redraw.h"

#include "checks.h"
#include "model.h"
#include "platform/codepage.h"
#include "platform/force.h"
#include "platform/numbers.h"
#include "view.h"

namespace vib::shock {

ResultLabels ShowResultLabels(const ShockState& s, const RedrawInputs& in) {
    ResultLabels r;
    r.time = " " + in.timeText;
    r.date = " " + in.dateText;
    const char dp = in.decimal;
    const double disp = s.PeakDisp;  // mils zero-to-peak
    const double vel = s.PeakVel;    // in/s
    const double acc = s.PeakAcc;    // G
    const auto units = s.UnitSystem();
    if (units == Units::Metric) {
        r.dref = " Dref = " + FormatMask(disp * 0.0508, "###.##", dp) + " MM    ";
        r.vref = " Vref = " + FormatMask(vel * 2.54, "###.##", dp) + " CM/S";
        r.aref = " Gref = " + FormatMask(acc * 9.807, "####.#", dp) + " M/S^2 ";
    } else if (units == Units::Hybrid) {
        r.dref = " Dref = " + FormatMask(disp * 0.0508, "####.#", dp) + " MM    ";
        r.vref = " Vref = " + FormatMask(vel * 2.54, "###.##", dp) + " CM/S";
        r.aref = " Gref = " + FormatMask(acc, "###.##", dp) + " G-PK ";
    } else {
        r.dref = " Dref = " + FormatMask(2.0 * disp, "####.#", dp) + " MILS ";
        r.vref = " Vref = " + FormatMask(vel, "###.##", dp) + " IPS-PK";
        r.aref = " Gref = " + FormatMask(acc, "###.##", dp) + " G-PK  ";
    }
    r.profile = ShownFileName(s.ProfileName, 20);
    if (const auto f = force::Compute(s.P, TestPeakG(s), force::Kind::ShockPeak); f && units) {
        r.force = force::LabelText(*f, *units, force::Kind::ShockPeak);
        r.forceReport = force::ReportBoxes(*f, *units, dp);
    }
    r.hideCursor = CursorReadoutExpired(s.CursorTime, in.now);
    if (s.BrandingMode == 9 || s.BrandingMode == 10) r.caption = in.banner;
    return r;
}

RedrawOutput RedrawPlot(ShockState& s, Canvas& c, const RedrawInputs& in) {
    RedrawOutput out;
    s.Aeff = ComputeAeff(s);
    DrawGrid(c);
    out.time = DrawTimeAxisLabels(s, in.decimal);
    out.values = DrawValueAxisLabels(s, c, in.decimal);
    out.limitMessages = DrawPlotContent(s, c);
    out.results = ShowResultLabels(s, in);
    return out;
}

RedrawOutput RedrawWithoutPicture(ShockState& s, const RedrawInputs& in) {
    class Unkept final : public Canvas {
      public:
        double Width() const override { return 7000; }
        double Height() const override { return 4455; }
        void Line(double, double, double, double, Rgb) override {}
        void Text(double, double, const std::string&, Rgb) override {}
    } picture;
    return RedrawPlot(s, picture, in);
}

CheckedValues CheckedValuesOf(const ShockState& s) {
    const auto& P = s.P;
    const force::Settings f = force::SettingsOf(P);
    return {s.PeakAcc,       s.PeakVel,       s.PeakDisp,      P[param::kUnits],
            P[param::kMaxD], P[param::kMaxV], P[param::kMaxA], f.armatureLb,
            f.fixtureLb,     f.testItemLb,    f.ratedLbf};
}

void LimitBoxes::Show(MessageBox& box, const std::vector<std::string>& messages,
                      const CheckedValues& checked) {
    if (guard_.Busy()) return;
    const bool same = last_ == checked;
    last_ = checked;
    if (same) return;
    guard_.Run([&] {
        for (const std::string& m : messages) box.Show(m, BoxButtons::Ok, BoxIcon::None, "");
    });
}

std::vector<PlacedLabel> PlaceAxisLabels(const TimeAxisLabels& time,
                                         const ValueAxisLabels& values) {
    std::vector<PlacedLabel> out;
    for (int k = 0; k < 9; ++k)
        out.push_back({"lblY" + std::to_string(k), values[k], 0.0, 0.1 * k, LabelSide::Left});
    for (int k = 1; k <= 5; ++k)
        out.push_back({"lblX" + std::to_string(k), time.x[k - 1], 0.2 * k, 1.0, LabelSide::Below});
    out.push_back({"lblXaxis", time.unit, 0.5, 1.0, LabelSide::Below, 1});
    return out;
}

}  // namespace vib::shock
