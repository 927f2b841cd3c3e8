// The record of what both programs show, for a table of states: every label and check
// mark, the boxes, the report page's drawing calls, and (on the machine the pixel record
// was made on) the pixels of the window pictures and of `vibcalc --plot`. A change of the
// code underneath that changes none of this leaves the records as they are; an intended
// change is written anew with VIB_RECORD=write and shows in the diff.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "platform/memory_file_system.h"
#include "random/app/profile_editor.h"
#include "random/app/program.h"
#include "shock/app/program.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_services.h"
#include "tests/support/vibcalc_run.h"

namespace vib {
namespace {

using testing::RecordingPrinter;

std::uint64_t Fnv(const void* data, std::size_t n, std::uint64_t h = 1469598103934665603ull) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

std::string Hex(std::uint64_t h) {
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

std::string ImageHash(QImage image) {
    if (image.isNull()) return "none";
    image = image.convertToFormat(QImage::Format_ARGB32);
    std::uint64_t h = Fnv(nullptr, 0);
    for (int y = 0; y < image.height(); ++y)
        h = Fnv(image.constScanLine(y), std::size_t(image.width()) * 4, h);
    return std::to_string(image.width()) + "x" + std::to_string(image.height()) + ":" + Hex(h);
}

// Page coordinates to a hundredth of a printer unit, far below a printed dot, so the
// record holds what prints and not the last bits of the arithmetic behind it.
std::string Num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return std::string(buf) == "-0.00" ? "0.00" : buf;
}

std::string Color(Rgb c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string Quoted(const QString& s) {
    return "\"" + s.toStdString() + "\"";
}

// Everything the window shows in its labels, its caption and its menu.
void RecordWindow(const QWidget& window, std::ostream& out) {
    out << "caption " << Quoted(window.windowTitle()) << "\n";
    std::vector<const QLabel*> labels;
    for (const QLabel* l : window.findChildren<QLabel*>())
        if (!l->objectName().isEmpty()) labels.push_back(l);
    std::sort(labels.begin(), labels.end(),
              [](auto* a, auto* b) { return a->objectName() < b->objectName(); });
    for (const QLabel* l : labels)
        out << "label " << l->objectName().toStdString() << (l->isHidden() ? " hidden " : " ")
            << Quoted(l->text()) << "\n";
    std::vector<const QAction*> actions;
    for (const QAction* a : window.findChildren<QAction*>())
        if (a->objectName().startsWith("mnu")) actions.push_back(a);
    std::sort(actions.begin(), actions.end(),
              [](auto* a, auto* b) { return a->objectName() < b->objectName(); });
    for (const QAction* a : actions)
        out << "menu " << a->objectName().toStdString() << " " << (a->isChecked() ? "x" : "-")
            << (a->isEnabled() ? "" : " disabled") << (a->isVisible() ? "" : " invisible") << "\n";
}

void RecordBoxes(const testing::ScriptedMessageBox& box, std::ostream& out) {
    for (const auto& b : box.shown)
        out << "box " << Quoted(QString::fromStdString(b.title)) << " "
            << Quoted(QString::fromStdString(b.text)) << "\n";
}

// The page: every text in full, the lines of each pen as a count and a digest.
void RecordPage(const RecordingPrinter& p, std::ostream& out) {
    for (const std::string& e : p.events)
        if (e != "line" && e != "text") out << "page " << e << "\n";
    std::map<std::string, std::pair<int, std::uint64_t>> pens;
    for (const auto& l : p.lines) {
        const std::string pen =
            Color(l.color) + " w" + std::to_string(l.width) + " s" + std::to_string(l.style);
        const std::string at =
            Num(l.x1) + " " + Num(l.y1) + " " + Num(l.x2) + " " + Num(l.y2) + ";";
        auto& [count, hash] = pens.try_emplace(pen, 0, Fnv(nullptr, 0)).first->second;
        ++count;
        hash = Fnv(at.data(), at.size(), hash);
    }
    for (const auto& [pen, v] : pens)
        out << "page lines " << pen << ": " << v.first << " #" << Hex(v.second) << "\n";
    for (const auto& t : p.texts)
        out << "page text " << Num(t.x) << " " << Num(t.y) << " " << Color(t.color) << " "
            << t.fontSize << (t.opaque ? " opaque " : " ") << Quoted(QString::fromStdString(t.text))
            << "\n";
}

// What the pixels depend on besides the code: Qt and the fonts this machine resolves
// and how it renders them.
std::string RenderPrint() {
    QImage probe(200, 40, QImage::Format_ARGB32);
    probe.fill(Qt::white);
    QPainter painter(&probe);
    std::ostringstream out;
    out << qVersion();
    for (int points : {8, 9, 10, 12}) {
        QFont font;
        font.setPointSize(points);
        painter.setFont(font);
        painter.drawText(QPointF(2, 30), "0123456789 Hz. G^2/Hz");
        out << " " << QFontInfo(font).family().toStdString();
    }
    painter.drawLine(QLineF(0.3, 0.7, 190.2, 33.9));
    painter.end();
    out << " " << ImageHash(probe);
    return out.str();
}

struct Harness {
    testing::ScriptedMessageBox box;
    testing::ScriptedInputBox input;
    testing::ScriptedFileDialog dialogs;
    RecordingPrinter printer;
    testing::ScriptedClipboard clipboard;
    testing::ManualClock clock;
    testing::RecordingProgramEnd end;
    testing::ScriptedTimers timers;
    MemoryFileSystem files;
    shell::Services services{box,   input, dialogs, printer, clipboard,
                             clock, end,   timers,  files,   kCLocale};
};

void Trigger(QWidget& window, const char* name) {
    QAction* a = window.findChild<QAction*>(name);
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
}

void Keys(QWidget& window, const std::string& keys) {
    for (char c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(&window, &press);
    }
}

std::string CorpusFile(const std::string& name) {
    return testing::ScratchDir::Slurp(std::string(VIB_TEST_DATA) + "/corpus/" + name);
}

using Act = std::function<void(Harness&, QWidget&)>;
struct State {
    const char* name;
    Act act;
    std::vector<std::string> vibcalcOptions = {};
};

Act Menu(std::vector<const char*> names) {
    return [names](Harness&, QWidget& w) {
        for (const char* n : names) Trigger(w, n);
    };
}

Act Answering(std::vector<std::string> answers, Act then) {
    return [answers, then](Harness& h, QWidget& w) {
        for (const auto& a : answers) h.input.answers.push_back(a);
        then(h, w);
    };
}

Act Opening(const std::string& corpusName, const char* item) {
    return [corpusName, item](Harness& h, QWidget& w) {
        h.files.files["/lib/" + corpusName] = CorpusFile(corpusName);
        h.dialogs.answers.push_back("/lib/" + corpusName);
        Trigger(w, item);
    };
}

class RecordTest : public testing::ScratchDir {
  public:
    std::ostream& Record() { return record; }

  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "record_tests";
        static char* argv[] = {arg0, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
        ::setenv("SOURCE_DATE_EPOCH", "1258884000", 1);  // the batch tool's clock
    }

  public:
    // The state's report page, its profile as saved, and that profile drawn by vibcalc.
    template <class Window>
    void RecordOutputs(Harness& h, Window& w, const State& state, const char* command) {
        h.printer.lines.clear();
        h.printer.texts.clear();
        h.printer.events.clear();
        Trigger(w, "mnuFilePrint");
        RecordPage(h.printer, record);
        pixels << state.name << ": picPlot " << ImageHash(w.Plot().Picture().Image());
        pixels << " Form " << ImageHash(w.Surface().Picture().Image());
        h.dialogs.answers.push_back("/out/state.prf");
        Trigger(w, "mnuFileSaveProfile");
        // The plot shows the file's name: a folder of fixed name keeps the pid out of it.
        std::filesystem::create_directories(Path("vibcalc-record"));
        const std::string profile =
            Put(Path("vibcalc-record/state.prf"), h.files.files["/out/state.prf"]);
        std::vector<std::string> args = {command, profile, "--plot", Path("state.png")};
        args.insert(args.end(), state.vibcalcOptions.begin(), state.vibcalcOptions.end());
        const auto run = testing::RunVibcalc(args);
        ASSERT_EQ(run.status, 0) << run.err;
        pixels << " vibcalc " << ImageHash(QImage(QString::fromStdString(Path("state.png"))))
               << "\n";
    }

  protected:
    // Compares with the committed record, or writes it anew under VIB_RECORD=write.
    static void Compare(const std::string& name, const std::string& actual) {
        const std::string path = std::string(VIB_TEST_DATA) + "/records/" + name;
        if (const char* mode = std::getenv("VIB_RECORD"); mode && std::string(mode) == "write") {
            std::ofstream(path, std::ios::binary) << actual;
            return;
        }
        const std::string expected = Slurp(path);
        if (expected == actual) return;
        const std::string kept = std::string(VIB_SCRATCH) + "/" + name;
        std::ofstream(kept, std::ios::binary) << actual;
        std::istringstream e(expected), a(actual);
        std::string le, la;
        int line = 0;
        while (true) {
            ++line;
            const bool moreE = bool(std::getline(e, le)), moreA = bool(std::getline(a, la));
            if (!moreE && !moreA) break;
            if (le != la || moreE != moreA) {
                ADD_FAILURE() << name << " line " << line << "\n  recorded: " << le
                              << "\n  now:      " << la << "\n(the whole record now: " << kept
                              << ")";
                return;
            }
        }
    }

    void ComparePixels(const std::string& name) {
        const std::string path = std::string(VIB_TEST_DATA) + "/records/" + name;
        const std::string print = "render " + RenderPrint() + "\n";
        if (const char* mode = std::getenv("VIB_RECORD"); mode && std::string(mode) == "write") {
            Compare(name, print + pixels.str());
            return;
        }
        const std::string expected = Slurp(path);
        if (expected.rfind(print, 0) != 0)
            GTEST_SKIP() << "the pixels of " << name << " were recorded on a machine that renders "
                         << "text differently; labels, menus and pages were compared";
        Compare(name, print + pixels.str());
    }

    std::ostringstream record, pixels;
};

const std::vector<State>& MorvaneStates() {
    static const std::vector<State> states = {
        {"start-up", [](Harness&, QWidget&) {}},
        {"metric", Menu({"mnuSystemUnitsMetric"})},
        {"hybrid", Menu({"mnuSystemUnitsHybrid"})},
        {"zoomed in", [](Harness&, QWidget& w) { Keys(w, "XYZ"); }},
        {"zoomed out", [](Harness&, QWidget& w) { Keys(w, "xxyyzz"); }},
        {"y axis menus", Menu({"mnuViewYmax1", "mnuViewYmin1x1000000", "mnuViewXaxisIn"})},
        {"white, no abort lines, colour print",
         Menu({"mnuViewPlotColorWhite", "mnuViewAbort", "mnuFileColorsColors"})},
        {"titles", Answering({"BRACKET QUALIFICATION", "AXIS: Z", "RUN 4"},
                             Menu({"mnuTestTitle", "mnuTestSubTitle1", "mnuTestSubTitle2"}))},
        {"range and lines", Menu({"mnuProfileFreq1000", "mnuProfileLines800"})},
        {"metric profile opened", Opening("random/ok-metric-1000hz.prf", "mnuFileOpenProfile")},
        {"limits exceeded",
         Answering({"1.5", "1.5", "1.5"},
                   [](Harness& h, QWidget& w) {
                       Trigger(w, "mnuSystemMaxA");
                       Trigger(w, "mnuSystemMaxV");
                       Trigger(w, "mnuSystemMaxD");
                       Trigger(w, "mnuProfileModify");
                       auto& window = static_cast<random::app::MorvaneWindow&>(w);
                       window.Editor()->findChild<QPushButton*>("cmdUpdate")->click();
                       window.CloseProfileEditor();
                       (void)h;
                   })},
        {"new profile, abort limit", Answering({"3"}, Menu({"mnuFileNew", "mnuTestAbortLimits"}))},
    };
    return states;
}

const std::vector<State>& TessaltStates() {
    static const std::vector<State> states = {
        {"start-up", [](Harness&, QWidget&) {}},
        {"metric", Menu({"mnuSystemUnitsMetric"})},
        {"hybrid", Menu({"mnuSystemUnitsHybrid"})},
        {"spectrum view", Menu({"mnuViewSRS"}), {"--view", "srs,abort"}},
        {"traces off, no abort band",
         Menu({"mnuViewVel", "mnuViewDisp", "mnuViewAbort"}),
         {"--view", "test"}},
        {"zoomed", [](Harness&, QWidget& w) { Keys(w, "XXYy"); }},
        {"white, colour print", Menu({"mnuViewPlotColorWhite", "mnuFileColorsColors"})},
        {"titles", Answering({"DROP TABLE 30G", "AXIS: X", "RUN 2"},
                             Menu({"mnuTestTitle", "mnuTestSubTitle1", "mnuTestSubTitle2"}))},
        {"trapezoid, negative, manual",
         Menu({"mnuShockShapeTrap", "mnuShockPolarityNeg", "mnuShockCompManual"})},
        {"sawtooth 200 G 3 ms",
         Answering({"200", "3"},
                   Menu({"mnuShockShapeTPSaw", "mnuShockAmplitude", "mnuShockDurationTime"}))},
        {"profile opened", Opening("shock/ok-trapezoid-negative-manual.prf", "mnuFileOpenProfile")},
        {"limits exceeded", Answering({"1.5", "1.5", "1.5"},
                                      Menu({"mnuSystemMaxA", "mnuSystemMaxV", "mnuSystemMaxD"}))},
    };
    return states;
}

// Each state from a fresh start of the program, recorded whole.
template <class Program>
void RecordStates(RecordTest& t, const std::vector<State>& states, const char* command) {
    for (const State& state : states) {
        SCOPED_TRACE(state.name);
        Harness h;
        Program program(h.services);
        program.Start();
        auto& w = program.Window();
        state.act(h, w);
        t.Record() << "# " << state.name << "\n";
        RecordWindow(w, t.Record());
        RecordBoxes(h.box, t.Record());
        t.RecordOutputs(h, w, state, command);
    }
}

TEST_F(RecordTest, Morvane) {
    RecordStates<random::app::MorvaneProgram>(*this, MorvaneStates(), "random");
    Compare("morvane.txt", record.str());
    ComparePixels("morvane-pixels.txt");
}

TEST_F(RecordTest, Tessalt) {
    RecordStates<shock::app::TessaltProgram>(*this, TessaltStates(), "shock");
    Compare("tessalt.txt", record.str());
    ComparePixels("tessalt-pixels.txt");
}

}  // namespace
}  // namespace vib
