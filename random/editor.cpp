#include "editor.h"

#include <cmath>

#include "platform/numbers.h"
#include "spectrum.h"

namespace vib::random {

const char* const kEditorInstructions =
    "  Select And Enter The Desired Values In The Table; Use Update Profile To Save Changes.     "
    "              If the ASD levels are specified in slopes use the following formulas:  The "
    "formula to calculate slope is    Slope = 10*Log( ASD2/ASD1 ), so the inverse formula is "
    "ASD2 = ASD1*Log-1( .1*Slope ). Calculate  the #Octaves with #Oct = 3.322*LOG(F2/F1) and "
    "multiply the #Octaves by the slope to get the Db  difference.Calculate the next point with "
    "the inverse slope formula.";

EditorGrid LoadEditorGrid(const RandomState& s, char decimal) {
    EditorGrid g;
    g[0] = {"  POINT #", "  FREQ.-Hz.", "  ASD LEVEL", "  ABORT-DB.", "  COMMENTS"};
    const bool english = s.UnitSystem() == Units::English;
    // Hybrid holds its levels in G^2/Hz, so its unit caption says so.
    const bool gLevels = english || s.UnitSystem() == Units::Hybrid;
    for (int r = 1; r < kGridRows; ++r) {
        g[r][0] = std::to_string(r) + "  ";
        g[r][1] = FormatGeneral(s.Freq[r], decimal) + "  ";
        g[r][2] = FormatGeneral(s.Asd[r], decimal) + "  ";
        g[r][3] = FormatGeneral(s.AbortDb[r], decimal) + "  ";
        g[r][4] = s.Comment[r] + "  ";
    }
    g[1][4] = english ? " English units " : " Metric Units ) ";
    g[2][4] = gLevels ? " ( G^2/Hz. )" : "( M^2/S^3 )";
    return g;
}

EditorSource SourceOf(const RandomState& s) {
    EditorSource e;
    e.units = s.Param(prm::UnitsIndex);
    for (int r = 1; r < kGridRows; ++r) {
        e.freq[r] = s.Freq[r];
        e.asd[r] = s.Asd[r];
        e.abortDb[r] = s.AbortDb[r];
        e.comment[r] = s.Comment[r];
    }
    return e;
}

bool StillShows(const EditorSource& e, const RandomState& s) {
    if (e.units != s.Param(prm::UnitsIndex)) return false;
    for (int r = 1; r < kGridRows; ++r)
        if (e.freq[r] != s.Freq[r] || e.asd[r] != s.Asd[r] || e.abortDb[r] != s.AbortDb[r] ||
            e.comment[r] != s.Comment[r])
            return false;
    return true;
}

std::string DecimalCommaRepair(const std::string& text) {
    std::string out = text;
    int characters = 0;
    for (std::size_t i = 0; i < out.size() && characters < 10; ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if ((byte & 0xC0) == 0x80) continue;  // inside a multi-byte character
        ++characters;
        if (out[i] == ',') out[i] = '.';
    }
    return out;
}

std::vector<UnusableRow> TakeOverEditorGrid(const EditorGrid& grid, RandomState& s) {
    std::vector<UnusableRow> problems;
    static const char* const kColumnNames[] = {"", "frequency", "ASD level", "abort limit"};
    for (int r = 1; r < kGridRows; ++r) {
        float* targets[] = {nullptr, &s.Freq[r], &s.Asd[r], &s.AbortDb[r]};
        for (int c = 1; c <= 3; ++c) {
            float value = StoreSingle(LeadingNumber(DecimalCommaRepair(grid[r][c])));
            if (!std::isfinite(value)) {
                problems.push_back({r, std::string("the ") + kColumnNames[c] +
                                           " is too large for a number and was read as 0"});
                value = 0.0f;
            }
            *targets[c] = value;
        }
        s.Comment[r] = grid[r][4];
    }
    const int active = ActiveBreakpoints(s);
    if (active >= 2) {
        for (int r = 1; r <= active; ++r) {
            if (BreakpointUsable(s, r)) continue;
            problems.push_back(
                {r,
                 "a frequency or ASD level of 0 or below has no place on the log-log "
                 "axes; the segments on either side of this point are left out of "
                 "the spectrum and the results"});
        }
    }
    return problems;
}

std::string UnusableRowsMessage(const std::vector<UnusableRow>& rows) {
    std::string text = "Some points of the profile cannot be used as entered:";
    for (const auto& r : rows) text += "\nPoint " + std::to_string(r.row) + ": " + r.problem + ".";
    return text;
}

bool NeedsLowFrequencyWarning(const RandomState& s) {
    return s.Asd[1] > StoreSingle(double(s.Asd[2]) * 0.5);
}

}  // namespace vib::random
