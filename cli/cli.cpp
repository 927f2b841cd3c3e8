#include <charconv>
#include <cmath>
#include <ostream>

#include "commands.h"
#include "image_canvas.h"
#include "messages.h"
#include "platform/numbers.h"

namespace vib::cli {

std::string UsageText() {
    return "Usage: vibcalc COMMAND [OPTIONS]\n"
           "\n"
           "Runs the calculators' computations without a display and prints one JSON object.\n"
           "\n"
           "Commands:\n"
           "  random [PROFILE]               random-vibration results: the start-up profile, or\n"
           "                                 the random profile file PROFILE\n"
           "  shock [PROFILE] [--wave FILE]  classical-shock pulse, peaks and spectrum: the\n"
           "                                 start-up pulse, or the shock profile PROFILE;\n"
           "                                 --wave reads a custom waveshape and selects it\n"
           "  --help                         this text\n"
           "  --version                      the version\n"
           "\n"
           "Options of random:\n"
           "  --plot FILE.png    also render the ASD plot as the window shows it, with its\n"
           "                     labels, to a PNG image (no display needed)\n"
           "  --size WxH         size of that image in pixels (default 1200x800)\n"
           "  --report FILE.pdf  also print the one-page report to a PDF file\n"
           "\n"
           "Options of shock:\n"
           "  --plot FILE.png    also render the shock plot as the window shows it, with its\n"
           "                     value and time labels and the results, to a PNG image (no\n"
           "                     display needed); the JSON is printed as without it\n"
           "  --size WxH         size of that image in pixels (default 1200x800)\n"
           "  --view LIST        what the plot shows: test, srs, abort joined by commas, as\n"
           "                     the View menu would (default test)\n"
           "  --report FILE.pdf  also print the one-page report to a PDF file\n"
           "\n"
           "Each option may be given once. Images and reports are made in memory first, so a\n"
           "file that cannot be written is left as it was.\n"
           "\n"
           "Environment: SOURCE_DATE_EPOCH (seconds since 1970), when set, gives the time and\n"
           "date on the shock report, in UTC as HH:MM and YYYY-MM-DD, so the same inputs\n"
           "print the same page.\n"
           "\n"
           "Exit status: 0 done; 1 a file could not be read or written (one line on standard\n"
           "error, nothing on standard output); 2 bad usage.\n"
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
    err << "vibcalc " << command << ": " << problem << "\n\n" << UsageText();
    return kExitUsage;
}

std::optional<int> ReadCommonOptions(const std::string& command,
                                     const std::vector<std::string>& args,
                                     std::vector<std::string_view> valueOptions, std::ostream& out,
                                     std::ostream& err, CommonOptions& o) {
    valueOptions.insert(valueOptions.end(), {"--plot", "--size", "--report"});
    if (const auto problem = ParseCommandLine(args, valueOptions, o.line))
        return UsageError(err, command, *problem);
    if (o.line.help) {
        out << UsageText();
        return kExitOk;
    }
    o.plotPath = o.line.Value("--plot");
    o.reportPath = o.line.Value("--report");
    if (const std::string* size = o.line.Value("--size")) {
        if (!o.plotPath) return UsageError(err, command, "--size needs --plot");
        if (!ParseImageSize(*size, o.width, o.height))
            return UsageError(err, command,
                              "--size takes WIDTHxHEIGHT in pixels, 200x150 to 8000x8000");
    }
    // A pipe or device is refused before any work, and before it could block the tool.
    for (const std::string* path : {o.plotPath, o.reportPath}) {
        if (!path) continue;
        if (FileError e = CheckSaveTarget(*path)) {
            err << FileErrorLine(*path, e) << "\n";
            return kExitFileError;
        }
    }
    return std::nullopt;
}

int MakeOutputs(std::ostream& err, FileSystem& files, const CommonOptions& o,
                const std::function<std::string(std::string& png)>& plot,
                const std::function<FileError(std::string& pdf)>& report) {
    std::string png, pdf;
    if (o.plotPath) {
        if (const std::string problem = plot(png); !problem.empty()) {
            err << ProblemLine(*o.plotPath, problem) << "\n";
            return kExitFileError;
        }
    }
    if (o.reportPath) {
        if (FileError e = report(pdf)) {
            err << FileErrorLine(*o.reportPath, e) << "\n";
            return kExitFileError;
        }
    }
    for (const auto& [path, bytes] : {std::pair{o.plotPath, &png}, std::pair{o.reportPath, &pdf}}) {
        if (!path) continue;
        if (FileError e = files.Write(*path, *bytes)) {
            err << FileErrorLine(*path, e) << "\n";
            return kExitFileError;
        }
    }
    return kExitOk;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    LocalFileSystem files;
    return Run(args, out, err, files);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        FileSystem& files) {
    if (args.empty()) {
        err << UsageText();
        return kExitUsage;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << UsageText();
        return kExitOk;
    }
    if (command == "--version") {
        out << "vibcalc " << VIB_VERSION << "\n";
        return kExitOk;
    }
    if (command == "random") return RunRandom(rest, out, err, files);
    if (command == "shock") return RunShock(rest, out, err, files);
    err << "vibcalc: unknown command '" << SafeText(command, kExcerptLimit) << "'\n\n"
        << UsageText();
    return kExitUsage;
}

}  // namespace vib::cli
