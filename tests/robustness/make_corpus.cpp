// Writes the seed corpus of the reader fuzzers and the replay test: valid files through
// the programs' own writers, damaged ones cut or edited from them. Names say what the
// readers must do: ok-* opens, bad-* is refused, anything else may go either way.
//
//   vib_make_corpus tests/data/corpus

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/memory_file_system.h"
#include "platform/numbers.h"
#include "random/profile_file.h"
#include "random/spectrum.h"
#include "shock/model.h"
#include "shock/profile_file.h"

namespace {

namespace fs = std::filesystem;
using namespace vib;

fs::path g_root;

void Put(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::ofstream(g_root / folder / name, std::ios::binary) << bytes;
}

std::string Garbage(unsigned seed, std::size_t size) {
    std::mt19937 gen(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(gen() & 0xFF);
    return bytes;
}

std::string ToLf(std::string bytes) {
    std::string out;
    for (char c : bytes)
        if (c != '\r') out += c;
    return out;
}

// The first `lines` lines of a file, line ends included.
std::string Lines(const std::string& bytes, int lines) {
    std::size_t end = 0;
    for (int i = 0; i < lines && end < bytes.size(); ++i) end = bytes.find('\n', end) + 1;
    return bytes.substr(0, end);
}

// The same file with the first occurrence of `from` replaced.
std::string With(std::string bytes, const std::string& from, const std::string& to) {
    const auto at = bytes.find(from);
    if (at == std::string::npos) {
        std::fprintf(stderr, "\"%s\" not in the file\n", from.c_str());
        std::exit(1);
    }
    return bytes.replace(at, from.size(), to);
}

// Damaged copies of a valid profile. `head` + `value` + `tail` is the first occurrence
// of one numeric field; only `value` is replaced.
void DamagedProfiles(const std::string& folder, const std::string& good, const std::string& head,
                     const std::string& value, const std::string& tail, unsigned seed) {
    auto field = [&](const std::string& to) {
        return With(good, head + value + tail, head + to + tail);
    };
    Put(folder, "bad-empty.prf", "");
    Put(folder, "bad-garbage.prf", Garbage(seed, 700));
    Put(folder, "bad-truncated.prf", good.substr(0, good.size() / 2));
    Put(folder, "bad-99-records.prf", Lines(good, 99));
    Put(folder, "bad-open-quote.prf", With(good, "\"\"\r\n", "\"\r\n"));
    Put(folder, "bad-nan.prf", field("NaN"));
    Put(folder, "bad-inf.prf", field("inf"));
    Put(folder, "bad-1e39.prf", field("1e39"));
    Put(folder, "bad-decimal-comma.prf", field("0,5"));
}

std::string RandomProfile(const random::RandomState& s, const std::string& caption) {
    vib::MemoryFileSystem mem;
    random::RandomState copy = s;
    if (random::SaveRandomProfile(mem, "f", caption, copy)) std::exit(1);
    return mem.files["f"];
}

std::string ShockProfile(const shock::ShockState& s) {
    vib::MemoryFileSystem mem;
    if (shock::SaveShockProfile(mem, "f", s)) std::exit(1);
    return mem.files["f"];
}

void RandomCorpus() {
    random::RandomState s;
    random::InitDefaults(s);
    const std::string good = RandomProfile(s, "RANDOM TEST 1");
    Put("random", "ok-default.prf", good);
    Put("random", "ok-lf.prf", ToLf(good));
    Put("random", "ok-no-trailer.prf", Lines(good, 100));
    Put("random", "ok-two-trailer-lines.prf", Lines(good, 102));

    random::RandomState metric = s;
    metric.Params[random::prm::UnitsIndex] = 1;
    metric.Params[random::prm::RangeIndex] = 2;
    metric.Params[random::prm::LinesIndex] = 3;
    const float freq[] = {20, 50, 80, 150, 300, 600, 800, 1000};
    const float asd[] = {0.01f, 0.4f, 0.4f, 1.2f, 1.2f, 0.3f, 0.3f, 0.05f};
    for (int k = 0; k < 8; ++k) {
        metric.Freq[k + 1] = freq[k];
        metric.Asd[k + 1] = asd[k];
        metric.AbortDb[k + 1] = 3.0f + 0.5f * k;
        metric.Comment[k + 1] = "point " + std::to_string(k + 1);
    }
    metric.SubTitle1 = "Metric, 1000 Hz, 1600 lines";
    metric.FileText1 = "Prüfung ½ × Grenze";
    Put("random", "ok-metric-1000hz.prf", RandomProfile(metric, "RANDOM TEST 2"));

    // Codes no menu sets, used as written; entry 31 of 0 reads as 5.
    random::RandomState odd = s;
    odd.Params[random::prm::RangeIndex] = 9;
    odd.Params[random::prm::LinesIndex] = 7;
    odd.Params[random::prm::UnitsIndex] = 5;
    odd.Params[random::prm::PlotBackground] = 99;
    odd.Params[random::prm::Reserved31] = 0;
    odd.Params[random::prm::XAxisSetting] = 0;
    odd.Freq[1] = -10;
    odd.Freq[4] = 1e30f;
    odd.Asd[2] = -0.5f;
    Put("random", "ok-odd-codes.prf", RandomProfile(odd, "ODD"));

    // A quote inside an unquoted text: read as written, saved as '.
    Put("random", "quote-in-unquoted-text.prf", With(good, "\"RANDOM TEST 1\"", "RANDOM \"1\""));
    DamagedProfiles("random", good, "", "600", ",", 1);
    // A range whose line spacing is beyond any number.
    random::RandomState wide = s;
    wide.Params[random::prm::RangeIndex] = 300;
    Put("random", "bad-range-overflow.prf", RandomProfile(wide, "WIDE"));
}

void ShockCorpus() {
    shock::ShockState s;
    shock::InitDefaults(s);
    const std::string good = ShockProfile(s);
    Put("shock", "ok-default.prf", good);
    Put("shock", "ok-lf.prf", ToLf(good));
    Put("shock", "ok-no-trailer.prf", Lines(good, 100));

    shock::ShockState trap = s;
    trap.P[shock::param::kShape] = shock::CodeOf(shock::Shape::Trapezoid);
    trap.P[shock::param::kPolarity] = 2;
    trap.P[shock::param::kCompMode] = 1;
    trap.P[shock::param::kPreLevel] = 12.5f;
    trap.P[shock::param::kUnits] = CodeOf(Units::Metric);
    trap.ProfileCol3[40] = -7.25e-3f;
    trap.ProfileNote[12] = "kept note";
    trap.TestTitle = "TRAPEZOID 200 m/s² 11 ms";
    trap.SubTitle2 = "second subtitle";
    Put("shock", "ok-trapezoid-negative-manual.prf", ShockProfile(trap));

    shock::ShockState odd = s;
    odd.P[shock::param::kShape] = 12;
    odd.P[shock::param::kPolarity] = 3;
    odd.P[shock::param::kRateIndex] = 2.5f;
    odd.P[shock::param::kCompMode] = 7;
    odd.P[shock::param::kUnits] = 5;
    Put("shock", "ok-odd-codes.prf", ShockProfile(odd));

    DamagedProfiles("shock", good, "\r\n", "10", ",", 2);
    shock::ShockState zero = s;
    zero.P[shock::param::kDurationMs] = 0;
    Put("shock", "bad-zero-duration.prf", ShockProfile(zero));
}

void WaveCorpus() {
    auto join = [](int count, auto value, const char* sep) {
        std::string text;
        for (int j = 0; j < count; ++j) text += FloatToText(value(j)) + sep;
        return text;
    };
    const double pi = std::acos(-1.0);
    const std::string ones = join(
        1024, [](int) { return 1.0f; }, "\r\n");
    Put("wave", "ok-ones.dat", ones);
    Put("wave", "ok-half-sine.dat",
        join(
            1024, [pi](int j) { return j < 128 ? float(std::sin(pi * j / 128)) : 0.0f; }, "\r\n"));
    Put("wave", "ok-2000-numbers.dat",
        join(
            2000, [](int j) { return j % 2 ? -0.5f : 0.25f; }, ","));
    std::string mixed;
    for (int j = 0; j < 1024; ++j)
        mixed += FloatToText(1e-3f * float(j % 50)) + (j % 8 ? "," : "\n");
    Put("wave", "ok-lf-and-commas.dat", mixed);
    Put("wave", "bad-empty.dat", "");
    Put("wave", "bad-garbage.dat", Garbage(3, 700));
    Put("wave", "bad-1023-numbers.dat",
        join(
            1023, [](int) { return 0.5f; }, "\r\n"));
    Put("wave", "bad-nan.dat",
        "NaN\r\n" + join(
                        1023, [](int) { return 0.5f; }, "\r\n"));
    Put("wave", "bad-inf.dat",
        join(
            500, [](int) { return 0.5f; }, "\r\n") +
            "-inf\r\n" +
            join(
                523, [](int) { return 0.5f; }, "\r\n"));
    Put("wave", "bad-1e39.dat",
        join(
            1023, [](int) { return 0.5f; }, "\r\n") +
            "1e39\r\n");
    Put("wave", "bad-1e37.dat",
        "1e37\r\n" + join(
                         1023, [](int) { return 0.0f; }, "\r\n"));
    Put("wave", "bad-quoted.dat",
        "\"0.5\r\n" + join(
                          1023, [](int) { return 0.5f; }, "\r\n"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vib_make_corpus <corpus folder>\n");
        return 2;
    }
    g_root = argv[1];
    for (const char* folder : {"random", "shock", "wave"}) fs::create_directories(g_root / folder);
    RandomCorpus();
    ShockCorpus();
    WaveCorpus();
    return 0;
}
