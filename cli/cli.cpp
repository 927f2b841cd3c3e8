#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

#include "commands.h"
#include "messages.h"
#include "platform/numbers.h"

namespace vib::cli {

std::string UsageText() {
    return "Usage: vibcalc COMMAND [OPTIONS]\n"
           "\n"
           "Runs the calculators' computations without a display and prints one JSON object,\n"
           "or one a line for many profiles.\n"
           "\n"
           "Commands:\n"
           "  random [PROFILE...]            random-vibration results: the start-up profile,\n"
           "                                 or the random profile file PROFILE\n"
           "  shock [PROFILE...] [--wave FILE]\n"
           "                                 classical-shock pulse, peaks and spectrum: the\n"
           "                                 start-up pulse, or the shock profile PROFILE;\n"
           "                                 --wave reads a custom waveshape and selects it\n"
           "                                 (for every profile of the run)\n"
           "  --help                         this text\n"
           "  --version                      the version\n"
           "\n"
           "Options of random:\n"
           "  --plot FILE.png    also render the ASD plot as the window shows it, with its\n"
           "                     labels, to a PNG image (no display needed)\n"
           "  --size WxH         size of that image in pixels (default 1200x800)\n"
           "  --report FILE.pdf  also print the one-page report to a PDF file\n"
           "  --exact            also print gref_exact (G rms), vref_exact (in/s peak) and\n"
           "                     dref_exact (mils peak-to-peak): the exact integrals of the\n"
           "                     log-log segments over the whole profile, as a standard\n"
           "                     prints them\n"
           "  --points FILE.csv  the breakpoints of a CSV list (frequency_hz,asd,abort_db,\n"
           "                     comment; - reads standard input) in place of the\n"
           "                     profile's, with the other settings of PROFILE or the\n"
           "                     start-up ones\n"
           "\n"
           "Options of shock:\n"
           "  --plot FILE.png    also render the shock plot as the window shows it, with its\n"
           "                     value and time labels and the results, to a PNG image (no\n"
           "                     display needed); the JSON is printed as without it\n"
           "  --size WxH         size of that image in pixels (default 1200x800)\n"
           "  --view LIST        what the plot shows: test, srs, abort joined by commas, as\n"
           "                     the View menu would (default test); or response, the\n"
           "                     response spectrum's window (the report then shows it too)\n"
           "  --report FILE.pdf  also print the one-page report to a PDF file\n"
           "  --response         also print response_spectrum: the maximax shock response\n"
           "                     spectrum (peak absolute acceleration of an oscillator of\n"
           "                     quality factor q, in G) at freq_hz, 10 Hz x 2^(k/12) up\n"
           "                     to 1917.8 Hz or half the sample rate: maximax_g,\n"
           "                     positive_g, negative_g of the test pulse and\n"
           "                     ideal_maximax_g of the pulse without compensation; also\n"
           "                     printed when the profile sets Q\n"
           "  --q Q              the oscillator's Q, 0.5 to 100 (default the profile's, or\n"
           "                     10); implies --response\n"
           "\n"
           "Options of both, for many profiles:\n"
           "  --files-from LIST  also the profiles LIST names, one path a line (- reads the\n"
           "                     list from standard input)\n"
           "  --fields K1,K2,... print only these keys of the results (file is always kept)\n"
           "  --jobs N           read and compute on N threads (default: the number of\n"
           "                     processors); the output keeps the order of the input\n"
           "\n"
           "Options of both, for the force check (in the profile's unit system: lb and lbf\n"
           "with English units, kg and N with Metric and Hybrid):\n"
           "  --mass A,F,I       the moving mass: armature, fixture and test item\n"
           "  --rated-force F    the shaker's rated force (random: rms; shock: peak)\n"
           "  Either replaces what the profile holds, for what-if runs. With a mass set, the\n"
           "  results hold a force object (lb and lbf): armature_lb, fixture_lb,\n"
           "  test_item_lb, required_lbf (random: rms, and required_peak_lbf at 3 sigma;\n"
           "  shock: peak), and with a rated force rated_lbf, headroom_db and\n"
           "  max_test_item_lb; a test that needs more than the rated force adds a message.\n"
           "\n"
           "With more than one profile, --files-from or --fields, each profile gives one\n"
           "line (JSON Lines) that starts with its \"file\"; a profile that cannot be read\n"
           "gives {\"file\": ..., \"error\": {\"number\", \"description\", \"record\",\n"
           "\"field\"}} and its message on standard error, and the run goes on. With several\n"
           "profiles, --plot and --report take a pattern in which {} stands for the\n"
           "profile's base name, without its extension. A list is read as the work goes\n"
           "(with --plot or --report, whole first).\n"
           "\n"
           "Each option may be given once. Each image and report is made in memory, then\n"
           "written whole: each file is either new or as it was. They are written one after\n"
           "the other, so when one fails an earlier one may be new: the message then says\n"
           "which were written and which not. An output that would replace an input (a\n"
           "profile, the list, --points, --wave) or another output is bad usage.\n"
           "\n"
           "Environment: SOURCE_DATE_EPOCH (seconds since 1970), when set, gives the time and\n"
           "date on the shock report, in UTC as HH:MM and YYYY-MM-DD, so the same inputs\n"
           "print the same page.\n"
           "\n"
           "Exit status: 0 done; 1 a file could not be read or written (one line on standard\n"
           "error; for one profile, nothing on standard output); 2 bad usage.\n"
           "\n"
           "random prints: range_index, lines_index, units_index, line_count, spectrum_size,\n"
           "df, range_factor, start_line, gref (G rms), vref (in/s peak), dref (mils\n"
           "peak-to-peak), spectrum and line_abort_db (lines 0 to spectrum_size), messages\n"
           "(the test-level warnings, in order).\n"
           "\n"
           "shock prints: shape, amplitude, duration_ms, units_index, rate_index, ratef, n,\n"
           "comp_level, aeff, w (samples 0 to 1024), peak_acc, peak_vel, peak_disp, srs (bars\n"
           "1 to 400), messages (the limit warnings, in order).\n"
           "\n"
           "Numbers are printed so that they read back to the same single-precision value.\n";
}

nlohmann::json FloatJson(float v) {
    if (!std::isfinite(v)) return nullptr;
    const std::string text = FloatToText(v);
    double d = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return d;
}

int UsageError(std::ostream& err, const std::string& command, const std::string& problem) {
    // The problem alone: the whole help would push it off the screen.
    err << "vibcalc" << (command.empty() ? "" : " " + command) << ": " << problem << "\n"
        << kTryHelp << "\n";
    return kExitUsage;
}

bool KeySet::operator()(std::string_view key) const {
    return keys.empty() || std::find(keys.begin(), keys.end(), key) != keys.end();
}

namespace {

// "--fields K1,K2": each a key of the command's results, none empty.
std::optional<std::string> ReadFields(const std::string& text,
                                      const std::vector<std::string_view>& known, KeySet& keep) {
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        std::string key = text.substr(start, comma - start);
        if (std::find(known.begin(), known.end(), key) == known.end())
            return "--fields: '" + SafeText(key, kExcerptLimit) + "' is not a key of the results";
        keep.keys.push_back(std::move(key));
        if (comma == std::string::npos) return std::nullopt;
        start = comma + 1;
    }
}

// "A,F,I": three numbers, each at least 0 and storable in single precision.
std::optional<std::array<double, 3>> ReadMasses(const std::string& text) {
    std::array<double, 3> masses{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < masses.size(); ++i) {
        const auto comma = text.find(',', start);
        if ((comma == std::string::npos) != (i + 1 == masses.size())) return std::nullopt;
        const auto v = ParseStorableNumber(text.substr(start, comma - start), kCLocale);
        if (!v || *v < 0) return std::nullopt;
        masses[i] = *v;
        start = comma + 1;
    }
    return masses;
}

bool ReadJobs(const std::string& text, int& jobs) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size() || n < 1 || n > 1024) return false;
    jobs = n;
    return true;
}

}  // namespace

std::optional<int> ReadCommonOptions(const std::string& command,
                                     const std::vector<std::string>& args,
                                     std::vector<std::string_view> valueOptions,
                                     const std::vector<std::string_view>& keys, Io& io,
                                     CommonOptions& o,
                                     const std::vector<std::string_view>& flagOptions) {
    valueOptions.insert(valueOptions.end(), {"--plot", "--size", "--report", "--files-from",
                                             "--fields", "--jobs", "--mass", "--rated-force"});
    if (const auto problem = ParseCommandLine(args, valueOptions, o.line, flagOptions))
        return UsageError(io.err, command, *problem);
    if (o.line.help) {
        io.out << UsageText();
        return kExitOk;
    }
    o.plotPath = o.line.Value("--plot");
    o.reportPath = o.line.Value("--report");
    o.filesFrom = o.line.Value("--files-from");
    if (const std::string* size = o.line.Value("--size")) {
        if (!o.plotPath) return UsageError(io.err, command, "--size needs --plot");
        if (!ParseImageSize(*size, o.width, o.height))
            return UsageError(io.err, command,
                              "--size takes WIDTHxHEIGHT in pixels, 200x150 to 8000x8000");
    }
    const std::string* fields = o.line.Value("--fields");
    if (fields)
        if (const auto problem = ReadFields(*fields, keys, o.keep))
            return UsageError(io.err, command, *problem);
    if (const std::string* jobs = o.line.Value("--jobs"); jobs && !ReadJobs(*jobs, o.jobs))
        return UsageError(io.err, command, "--jobs takes a whole number from 1 to 1024");
    if (const std::string* mass = o.line.Value("--mass"))
        if (!(o.force.masses = ReadMasses(*mass)))
            return UsageError(io.err, command,
                              "--mass takes ARMATURE,FIXTURE,ITEM: three numbers of 0 or more");
    if (const std::string* rated = o.line.Value("--rated-force")) {
        o.force.rated = ParseStorableNumber(*rated, kCLocale);
        if (!o.force.rated || *o.force.rated < 0)
            return UsageError(io.err, command, "--rated-force takes a number of 0 or more");
    }
    // A breakpoint list alone (--points) is one input, computed with the start-up
    // settings: with --fields its line names the list.
    const bool pointsAlone = o.line.Value("--points") && o.line.profiles.empty() && !o.filesFrom;
    o.lines = o.line.profiles.size() > 1 || o.filesFrom || fields;
    if (o.lines && o.line.profiles.empty() && !o.filesFrom && !pointsAlone)
        return UsageError(io.err, command, "--fields needs profiles (or --files-from)");
    if (o.filesFrom) o.sideInputs.push_back(*o.filesFrom);
    return std::nullopt;
}

void ForceOverrides::ApplyTo(std::span<float> params) const {
    const auto units = UnitsOf(params[slot::kUnits]).value_or(Units::English);
    auto store = [&params](int entry, double v) { params[entry] = StoreSingle(v); };
    if (masses)
        for (int i = 0; i < 3; ++i)
            store(force::kArmatureLb + i, (*masses)[i] / force::ShowMass(1.0, units));
    if (rated) store(force::kRatedLbf, *rated / force::ShowForce(1.0, units));
}

nlohmann::json ForceJson(std::span<const float> params, double accelerationG, force::Kind kind) {
    const auto r = force::Compute(params, accelerationG, kind);
    if (!r) return Absent();
    nlohmann::json j;
    // As the check counts them: a damaged entry is 0.
    j["armature_lb"] = FloatJson(static_cast<float>(r->settings.armatureLb));
    j["fixture_lb"] = FloatJson(static_cast<float>(r->settings.fixtureLb));
    j["test_item_lb"] = FloatJson(static_cast<float>(r->settings.testItemLb));
    j["required_lbf"] = r->requiredLbf;
    if (kind == force::Kind::RandomRms) j["required_peak_lbf"] = r->requiredPeakLbf;
    if (r->headroomDb) {
        j["rated_lbf"] = FloatJson(static_cast<float>(r->settings.ratedLbf));
        j["headroom_db"] = *r->headroomDb;
        j["max_test_item_lb"] = *r->maxTestItemLb;
    }
    return j;
}

int Run(const std::vector<std::string>& args, Io& io) {
    if (args.empty()) return UsageError(io.err, "", "a command is needed: random or shock");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        io.out << UsageText();
        return kExitOk;
    }
    if (command == "--version") {
        io.out << "vibcalc " << VIB_VERSION << "\n";
        return kExitOk;
    }
    if (command == "random") return RunRandom(rest, io);
    if (command == "shock") return RunShock(rest, io);
    return UsageError(
        io.err, "", "unknown command '" + SafeText(command, kExcerptLimit) + "': random or shock");
}

}  // namespace vib::cli
