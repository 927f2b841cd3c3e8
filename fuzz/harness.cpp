#include "harness.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/memory_file_system.h"
#include "platform/numbers.h"
#include "random/breakpoint_table.h"
#include "random/profile_file.h"
#include "random/spectrum.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "shock/synthesis.h"

namespace vib::fuzz {
namespace {

const std::string kInput = "input.prf";
const std::string kSaved = "saved.prf";
const std::string kSavedAgain = "saved-again.prf";
const std::string kCaption = "caption on screen";

std::uint32_t Bits(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, sizeof u);
    return u;
}

// Records the first difference between two states. Floats compare by their bits, so
// -0 against 0 or a changed NaN payload counts as a change.
class Diff {
  public:
    void Float(const std::string& name, float a, float b) {
        if (first_.empty() && Bits(a) != Bits(b))
            first_ = name + ": " + FloatToText(a) + " became " + FloatToText(b);
    }
    template <class Floats>
    void FloatArray(const std::string& name, const Floats& a, const Floats& b) {
        if (a.size() != b.size()) {
            Note(name + ": size " + std::to_string(a.size()) + " became " +
                 std::to_string(b.size()));
            return;
        }
        for (std::size_t i = 0; i < a.size(); ++i)
            Float(name + "[" + std::to_string(i) + "]", a[i], b[i]);
    }
    void Text(const std::string& name, const std::string& a, const std::string& b) {
        if (a != b) Note(name + ": \"" + a + "\" became \"" + b + "\"");
    }
    template <class Texts>
    void TextArray(const std::string& name, const Texts& a, const Texts& b) {
        for (std::size_t i = 0; i < a.size(); ++i)
            Text(name + "[" + std::to_string(i) + "]", a[i], b[i]);
    }
    template <class T>
    void Whole(const std::string& name, T a, T b) {
        if (a != b) Note(name + ": " + std::to_string(a) + " became " + std::to_string(b));
    }
    void Note(const std::string& what) {
        if (first_.empty()) first_ = what;
    }
    const std::string& First() const { return first_; }

  private:
    std::string first_;
};

}  // namespace

std::string StateDifference(const random::RandomState& a, const random::RandomState& b) {
    Diff d;
    d.FloatArray("Params", a.Params, b.Params);
    d.FloatArray("Freq", a.Freq, b.Freq);
    d.FloatArray("Asd", a.Asd, b.Asd);
    d.FloatArray("AbortDb", a.AbortDb, b.AbortDb);
    d.FloatArray("Reserved1", a.Reserved1, b.Reserved1);
    d.FloatArray("Reserved2", a.Reserved2, b.Reserved2);
    d.TextArray("Comment", a.Comment, b.Comment);
    d.Whole("LineCount", a.LineCount, b.LineCount);
    d.Whole("SpectrumSize", a.SpectrumSize, b.SpectrumSize);
    d.Float("BaseLineSpacing", a.BaseLineSpacing, b.BaseLineSpacing);
    d.Float("RangeFactor", a.RangeFactor, b.RangeFactor);
    d.FloatArray("Spectrum", a.Spectrum, b.Spectrum);
    d.FloatArray("LineAbortDb", a.LineAbortDb, b.LineAbortDb);
    d.Whole("StartLine", a.StartLine, b.StartLine);
    d.Float("Gref", a.Gref, b.Gref);
    d.Float("Vref", a.Vref, b.Vref);
    d.Float("Dref", a.Dref, b.Dref);
    d.Text("ProfileName", a.ProfileName, b.ProfileName);
    d.Text("TestTitle", a.TestTitle, b.TestTitle);
    d.Text("SubTitle1", a.SubTitle1, b.SubTitle1);
    d.Text("SubTitle2", a.SubTitle2, b.SubTitle2);
    d.Text("FileText1", a.FileText1, b.FileText1);
    d.Text("FileText2", a.FileText2, b.FileText2);
    d.TextArray("PlotLabels", a.PlotLabels, b.PlotLabels);
    return d.First();
}

namespace {

// Everything but the profile's own tables and texts, which a shock open replaces.
void CompareShockDerived(Diff& d, const shock::ShockState& a, const shock::ShockState& b) {
    d.FloatArray("W", a.W, b.W);
    d.FloatArray("CustomWave", a.CustomWave, b.CustomWave);
    d.Float("RATEF", a.RATEF, b.RATEF);
    d.Float("N", a.N, b.N);
    d.Float("CompLevel", a.CompLevel, b.CompLevel);
    d.Float("Aeff", a.Aeff, b.Aeff);
    d.Float("AccCur", a.AccCur, b.AccCur);
    d.Float("AccPrev", a.AccPrev, b.AccPrev);
    d.Float("VelCur", a.VelCur, b.VelCur);
    d.Float("VelPrev", a.VelPrev, b.VelPrev);
    d.Float("DispCur", a.DispCur, b.DispCur);
    d.Float("DispPrev", a.DispPrev, b.DispPrev);
    d.Float("PeakAcc", a.PeakAcc, b.PeakAcc);
    d.Float("PeakVel", a.PeakVel, b.PeakVel);
    d.Float("PeakDisp", a.PeakDisp, b.PeakDisp);
    d.FloatArray("SpecRe", a.SpecRe, b.SpecRe);
    d.FloatArray("SpecIm", a.SpecIm, b.SpecIm);
    d.Float("SrsValue", a.SrsValue, b.SrsValue);
    d.Text("ProfileName", a.ProfileName, b.ProfileName);
    d.Text("WaveFileName", a.WaveFileName, b.WaveFileName);
    d.Float("XScale", a.XScale, b.XScale);
    d.Float("YScale", a.YScale, b.YScale);
    d.Whole("BrandingMode", a.BrandingMode, b.BrandingMode);
    d.Whole("PrintColorMode", a.PrintColorMode, b.PrintColorMode);
}

void CompareShockProfile(Diff& d, const shock::ShockState& a, const shock::ShockState& b) {
    d.FloatArray("P", a.P, b.P);
    d.FloatArray("ProfileCol2", a.ProfileCol2, b.ProfileCol2);
    d.FloatArray("ProfileCol3", a.ProfileCol3, b.ProfileCol3);
    d.FloatArray("ProfileCol4", a.ProfileCol4, b.ProfileCol4);
    d.FloatArray("ProfileCol5", a.ProfileCol5, b.ProfileCol5);
    d.FloatArray("ProfileCol6", a.ProfileCol6, b.ProfileCol6);
    d.TextArray("ProfileNote", a.ProfileNote, b.ProfileNote);
    d.Text("TestTitle", a.TestTitle, b.TestTitle);
    d.Text("SubTitle1", a.SubTitle1, b.SubTitle1);
    d.Text("SubTitle2", a.SubTitle2, b.SubTitle2);
    d.Text("FileText1", a.FileText1, b.FileText1);
    d.Text("FileText2", a.FileText2, b.FileText2);
}

}  // namespace

std::string StateDifference(const shock::ShockState& a, const shock::ShockState& b) {
    Diff d;
    CompareShockProfile(d, a, b);
    CompareShockDerived(d, a, b);
    return d.First();
}

namespace {

// What a text becomes in a saved file. Read texts are all in the file's code page and
// hold no line break, so a double quote is the one character a save changes.
std::string Saved(std::string text) {
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

template <class Texts>
void SaveTexts(Texts& texts) {
    for (auto& t : texts) t = Saved(t);
}

// A refusal must say what went wrong and change nothing.
std::string CheckRefusal(const FileError& e, const std::string& changed) {
    if (e.description.empty()) return "error " + std::to_string(e.number) + " has no description";
    if (!changed.empty())
        return "refused (error " + std::to_string(e.number) + ") but changed " + changed;
    return {};
}

const random::RandomState& RandomBefore() {
    static const random::RandomState before = [] {
        random::RandomState s;
        random::InitDefaults(s);
        s.TestTitle = "title before";
        s.SubTitle1 = "subtitle one before";
        s.SubTitle2 = "subtitle two before";
        s.FileText1 = "file text one before";
        s.FileText2 = "file text two before";
        s.Comment[3] = "comment before";
        random::RecomputeModel(s);
        return s;
    }();
    return before;
}

const shock::ShockState& ShockBefore() {
    static const shock::ShockState before = [] {
        shock::ShockState s;
        shock::InitDefaults(s);
        s.TestTitle = "title before";
        s.SubTitle1 = "subtitle one before";
        s.FileText2 = "file text two before";
        s.ProfileNote[7] = "note before";
        s.WaveFileName = "wave before.dat";
        for (int j = 0; j < shock::kWaveValues; ++j) s.CustomWave[j] = 0.001f * (j % 97);
        shock::SynthesizePulse(s);
        return s;
    }();
    return before;
}

}  // namespace

Outcome RandomProfileOutcome(std::string_view bytes) {
    MemoryFileSystem fs;
    fs.files[kInput] = std::string(bytes);
    const random::RandomState& before = RandomBefore();
    random::RandomState s = before;
    if (FileError e = random::OpenRandomProfile(fs, kInput, kCaption, s))
        return {false, CheckRefusal(e, StateDifference(before, s))};

    Outcome out{true, {}};
    if (FileError e = random::SaveRandomProfile(fs, kSaved, s.TestTitle, s)) {
        out.fault = "a profile that opened cannot be saved: error " + std::to_string(e.number) +
                    " " + e.detail;
        return out;
    }
    random::RandomState again = before;
    if (FileError e = random::OpenRandomProfile(fs, kSaved, kCaption, again)) {
        out.fault =
            "its saved copy does not open: error " + std::to_string(e.number) + " " + e.detail;
        return out;
    }
    random::RandomState expected = s;
    SaveTexts(expected.Comment);
    for (std::string* t : {&expected.TestTitle, &expected.SubTitle1, &expected.SubTitle2,
                           &expected.FileText1, &expected.FileText2})
        *t = Saved(*t);
    if (std::string d = StateDifference(expected, again); !d.empty()) {
        out.fault = "saved and reopened, " + d;
        return out;
    }
    if (FileError e = random::SaveRandomProfile(fs, kSavedAgain, again.TestTitle, again)) {
        out.fault = "the reopened copy cannot be saved: error " + std::to_string(e.number);
        return out;
    }
    if (fs.files[kSaved] != fs.files[kSavedAgain])
        out.fault = "saving the reopened copy gives different bytes";
    return out;
}

Outcome ShockProfileOutcome(std::string_view bytes) {
    MemoryFileSystem fs;
    fs.files[kInput] = std::string(bytes);
    const shock::ShockState& before = ShockBefore();
    shock::ShockState s = before;
    if (FileError e = shock::OpenShockProfile(fs, kInput, s))
        return {false, CheckRefusal(e, StateDifference(before, s))};

    Outcome out{true, {}};
    // Opening takes over the profile only; the pulse waits for the caller's recompute.
    Diff untouched;
    CompareShockDerived(untouched, before, s);
    if (!untouched.First().empty()) {
        out.fault = "opening changed " + untouched.First();
        return out;
    }
    if (FileError e = shock::SaveShockProfile(fs, kSaved, s)) {
        out.fault = "a profile that opened cannot be saved: error " + std::to_string(e.number) +
                    " " + e.detail;
        return out;
    }
    shock::ShockState again = before;
    if (FileError e = shock::OpenShockProfile(fs, kSaved, again)) {
        out.fault =
            "its saved copy does not open: error " + std::to_string(e.number) + " " + e.detail;
        return out;
    }
    shock::ShockState expected = s;
    SaveTexts(expected.ProfileNote);
    for (std::string* t : {&expected.TestTitle, &expected.SubTitle1, &expected.SubTitle2,
                           &expected.FileText1, &expected.FileText2})
        *t = Saved(*t);
    if (std::string d = StateDifference(expected, again); !d.empty()) {
        out.fault = "saved and reopened, " + d;
        return out;
    }
    if (FileError e = shock::SaveShockProfile(fs, kSavedAgain, again)) {
        out.fault = "the reopened copy cannot be saved: error " + std::to_string(e.number);
        return out;
    }
    if (fs.files[kSaved] != fs.files[kSavedAgain])
        out.fault = "saving the reopened copy gives different bytes";
    return out;
}

Outcome WaveshapeOutcome(std::string_view bytes) {
    MemoryFileSystem fs;
    fs.files[kInput] = std::string(bytes);
    const shock::ShockState& before = ShockBefore();
    shock::ShockState s = before;
    if (FileError e = shock::ReadWaveshape(fs, kInput, s))
        return {false, CheckRefusal(e, StateDifference(before, s))};

    Outcome out{true, {}};
    shock::ShockState expected = s;
    expected.CustomWave = before.CustomWave;
    expected.WaveFileName = before.WaveFileName;
    Diff d;
    CompareShockProfile(d, before, expected);
    CompareShockDerived(d, before, expected);
    d.Float("CustomWave[1024]", 0.0f, s.CustomWave[shock::kWaveValues]);
    d.Text("WaveFileName", kInput, s.WaveFileName);
    if (!d.First().empty()) {
        out.fault = "reading a waveshape changed " + d.First();
        return out;
    }

    // There is no waveshape writer in the programs; a file of the values as the profile
    // files write numbers must read back to the same bits.
    std::string text;
    for (int j = 0; j < shock::kWaveValues; ++j) text += FloatToText(s.CustomWave[j]) + "\r\n";
    fs.files[kSaved] = text;
    shock::ShockState again = before;
    if (FileError e = shock::ReadWaveshape(fs, kSaved, again)) {
        out.fault = "its values written out do not read: error " + std::to_string(e.number) + " " +
                    e.detail;
        return out;
    }
    Diff round;
    round.FloatArray("CustomWave", s.CustomWave, again.CustomWave);
    if (!round.First().empty()) out.fault = "written out and read back, " + round.First();
    return out;
}

Outcome BreakpointListOutcome(std::string_view bytes) {
    static const random::RandomState before = [] {
        random::RandomState s;
        random::InitDefaults(s);
        random::RecomputeModel(s);
        return s;
    }();
    Outcome out;
    const std::pair<NumberLocale, random::TableSource> ways[] = {
        {kCLocale, random::TableSource::File},
        {kDecimalCommaLocale, random::TableSource::Clipboard}};
    for (const auto& [locale, source] : ways) {
        const random::BreakpointTable table =
            random::ReadBreakpointTable(bytes, 1, locale, '.', 6, source);
        random::RandomState s = before;
        if (!table.problem.empty() || !random::ImportBreakpoints(table.rows, s).empty()) {
            if (!table.problem.empty() && !table.rows.empty())
                return {false, "a refused list kept rows"};
            if (const std::string d = StateDifference(before, s); !d.empty())
                return {false, "a refused list changed " + d};
            continue;
        }
        out.read = true;
        const int n = static_cast<int>(table.rows.size());
        for (int k = 1; k <= random::kEditableEntries; ++k) {
            const bool inList = k <= n;
            const bool usable = std::isfinite(s.Freq[k]) && s.Freq[k] > 0 &&
                                std::isfinite(s.Asd[k]) && s.Asd[k] > 0 &&
                                std::isfinite(s.AbortDb[k]);
            if (inList != usable || (!inList && (s.Freq[k] != 0 || s.Asd[k] != 0)))
                return {true, "breakpoint " + std::to_string(k) + " of " + std::to_string(n) +
                                  " is " + FloatToText(s.Freq[k]) + " Hz, " +
                                  FloatToText(s.Asd[k])};
            if (inList && k > 1 && !(s.Freq[k] > s.Freq[k - 1]))
                return {true, "breakpoint " + std::to_string(k) + " does not rise above " +
                                  FloatToText(s.Freq[k - 1]) + " Hz"};
        }
        // Exported and imported again: the same breakpoints, bit for bit, and the same file.
        const std::string csv = random::BreakpointCsv(s);
        const random::BreakpointTable again =
            random::ReadBreakpointTable(csv, 1, kCLocale, '.', 6, random::TableSource::File);
        random::RandomState back = before;
        if (!again.problem.empty()) return {true, "its export does not read: " + again.problem};
        if (const std::string p = random::ImportBreakpoints(again.rows, back); !p.empty())
            return {true, "its export is refused: " + p};
        if (const std::string d = StateDifference(s, back); !d.empty())
            return {true, "exported and imported again, " + d};
        if (random::BreakpointCsv(back) != csv) return {true, "its export changes on a round trip"};
    }
    return out;
}

}  // namespace vib::fuzz

namespace {

int AbortOnFault(const vib::fuzz::Outcome& outcome) {
    if (outcome.fault.empty()) return 0;
    std::fprintf(stderr, "reader property broken: %s\n", outcome.fault.c_str());
    std::abort();
}

std::string_view View(const uint8_t* data, size_t size) {
    return size == 0 ? std::string_view()
                     : std::string_view(reinterpret_cast<const char*>(data), size);
}

}  // namespace

int CheckRandomProfileBytes(const uint8_t* data, size_t size) {
    return AbortOnFault(vib::fuzz::RandomProfileOutcome(View(data, size)));
}
int CheckShockProfileBytes(const uint8_t* data, size_t size) {
    return AbortOnFault(vib::fuzz::ShockProfileOutcome(View(data, size)));
}
int CheckWaveshapeBytes(const uint8_t* data, size_t size) {
    return AbortOnFault(vib::fuzz::WaveshapeOutcome(View(data, size)));
}

int CheckBreakpointListBytes(const uint8_t* data, size_t size) {
    return AbortOnFault(vib::fuzz::BreakpointListOutcome(View(data, size)));
}
