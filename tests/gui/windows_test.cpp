// What only the windows show of four faults a new user met: the reason in a box, the
// numbers after a unit switch, the force boxes after a mass or rated force, the profile's
// name and the profile filter, and the set-up after a print that found no printer.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "morvane_fixture.h"
#include "platform/qt/qt_boxes.h"
#include "platform/qt/qt_printer.h"
#include "tessalt_fixture.h"

namespace vib {
namespace {

void StartQt() {
    static int argc = 1;
    static char arg0[] = "gui_tests";
    static char* argv[] = {arg0, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// Runs `look` on the modal dialog `show` opens, then closes it with `accept`.
template <class Dialog, class Look>
void OnDialog(Look look, bool accept = false) {
    QTimer::singleShot(0, [look, accept] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        look(*dialog);
        QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject", Qt::QueuedConnection);
    });
}

std::string Example(const std::string& path) {
    std::ifstream in(VIB_EXAMPLES "/" + path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Boxes, TheReasonStandsUnderTheTextWithoutAClick) {
    StartQt();
    const std::string line = "Line 3: '1.000' reads as 1 or 1000; write 1 or 1000";
    const std::string longReason(900, 'x');
    struct Case {
        std::string detail, informative, details;
    };
    const Case cases[] = {
        {line, line, ""}, {"", "", ""}, {longReason, BoxReasonOf(longReason).shown, longReason}};
    for (const Case& c : cases) {
        QString informative = "unseen", details = "unseen";
        OnDialog<QMessageBox>([&](QMessageBox& box) {
            informative = box.informativeText();
            details = box.detailedText();
        });
        QtMessageBox().Show("Type mismatch", BoxButtons::RetryCancel, BoxIcon::Exclamation,
                            "Error #  13 Occured", c.detail);
        EXPECT_EQ(informative.toStdString(), c.informative);
        EXPECT_EQ(details.toStdString(), c.details);
    }
}

// The fixtures' means, for the checks both programs share.
class MorvaneWindows : public random::app::MorvaneFixture {
  public:
    using MorvaneFixture::t;
    using MorvaneFixture::Text;
    using MorvaneFixture::Trigger;
};
class TessaltWindows : public shock::app::TessaltTest {
  public:
    using TessaltTest::t;
    using TessaltTest::Text;
    using TessaltTest::Trigger;
};

TEST_F(MorvaneWindows, AnImportRefusalShowsItsLine) {
    files.files["/l.csv"] = "Freq;ASD;dB\n20;0.01;6\n80;abc;6\n";
    t.files.answers = {"/l.csv"};
    Trigger("mnuToolsImportBreakpoints");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text, "Type mismatch");
    EXPECT_NE(t.box.shown[0].reason.shown.find("3"), std::string::npos);
    EXPECT_EQ(t.box.shown[0].reason.shown, t.box.shown[0].detail);
}

// A unit switch shows what opening the profile saved right after it shows.
const char* const kResults[] = {"lblAref", "lblVref", "lblDref", "lblForce"};
const char* const kSwitches[] = {"mnuSystemUnitsMetric",  "mnuSystemUnitsHybrid",
                                 "mnuSystemUnitsEnglish", "mnuSystemUnitsHybrid",
                                 "mnuSystemUnitsMetric",  "mnuSystemUnitsEnglish"};

template <class Fixture>
void ExpectSwitchesShowTheReopenedFile(Fixture& f, MemoryFileSystem& fs, const char* example) {
    fs.files["/e.prf"] = Example(example);
    f.t.files.answers = {"/e.prf"};
    f.Trigger("mnuFileOpenProfile");
    f.t.input.answers = {"20", "10", "50"};
    f.Trigger("mnuSystemMovingMass");
    for (const char* item : kSwitches) {
        f.Trigger(item);
        std::vector<std::string> shown;
        for (const char* label : kResults) shown.push_back(f.Text(label));
        f.t.files.answers = {"/u.prf"};
        f.Trigger("mnuFileSaveProfile");
        f.t.files.answers = {"/u.prf"};
        f.Trigger("mnuFileOpenProfile");
        for (std::size_t k = 0; k < shown.size(); ++k)
            EXPECT_EQ(shown[k], f.Text(kResults[k])) << example << " " << item;
    }
}

TEST_F(MorvaneWindows, UnitSwitchesRecompute) {
    ExpectSwitchesShowTheReopenedFile(*this, files, "random/gevs-qualification.prf");
    ExpectSwitchesShowTheReopenedFile(*this, files, "random/navmat-p9492.prf");
}

TEST_F(TessaltWindows, UnitSwitchesRecompute) {
    ExpectSwitchesShowTheReopenedFile(*this, fs, "shock/half-sine-30g-18ms.prf");
    ExpectSwitchesShowTheReopenedFile(*this, fs, "shock/sawtooth-20g-11ms.prf");
}

// A mass or rated force below the test's need warns at once, the label with it; an
// unchanged answer, a redraw or the timer warn no more, and no box opens over another.
template <class Fixture>
void ExpectForceBoxesAtOnce(Fixture& f) {
    struct Case {
        const char* item;
        std::vector<std::optional<std::string>> answers;
        bool box;
    };
    const Case cases[] = {
        {"mnuSystemMovingMass", {"20", "10", "50"}, false},  // no rated force yet
        {"mnuSystemMaxForce", {"100"}, true},
        {"mnuSystemMaxForce", {"100"}, false},  // the same force
        {"mnuSystemMaxForce", {std::nullopt}, false},
        {"mnuViewRefresh", {}, false},
        {"mnuSystemMaxForce", {"100000"}, false},
        {"mnuSystemMovingMass", {"20000", "10", "50"}, true},
    };
    int open = 0, mostOpen = 0;
    f.t.box.whileOpen = [&] {
        mostOpen = std::max(mostOpen, ++open);
        f.Trigger("mnuViewRefresh");
        --open;
    };
    for (const Case& c : cases) {
        const std::size_t before = f.t.box.shown.size();
        f.t.input.answers.assign(c.answers.begin(), c.answers.end());
        f.Trigger(c.item);
        const bool warned = f.t.box.shown.size() > before &&
                            f.t.box.shown.back().text.rfind(" Test Force ", 0) == 0;
        EXPECT_EQ(warned, c.box) << c.item << " " << c.answers.size();
        EXPECT_FALSE(f.Text("lblForce").empty());
    }
    EXPECT_EQ(mostOpen, 1);  // a redraw while a box is open opens none on top
    EXPECT_NE(f.Text("lblForce").find("Force = "), std::string::npos);
}

TEST_F(MorvaneWindows, ForceChangesWarnAtOnce) {
    ExpectForceBoxesAtOnce(*this);
    // 20060 lb at 8 G rms: the label followed the masses without an Update.
    EXPECT_EQ(Text("lblForce"), "  Force = 160501 lbf rms ");
}

TEST_F(TessaltWindows, ForceChangesWarnAtOnce) {
    ExpectForceBoxesAtOnce(*this);
    const std::size_t boxes = t.box.shown.size();
    timer->Fire();
    EXPECT_EQ(t.box.shown.size(), boxes);
}

// The profile box names the file; the Open dialog starts on both profile names.
TEST_F(MorvaneWindows, ProfileNameAndOpenFilter) {
    files.files["/home/dom/navmat-p9492.prf"] = Example("random/navmat-p9492.prf");
    t.files.answers = {"/home/dom/navmat-p9492.prf"};
    Trigger("mnuFileOpenProfile");
    EXPECT_EQ(Text("lblProfile"), "  navmat-p9492.prf");
    const FileDialogRequest& asked = t.files.opened.back();
    EXPECT_EQ(SplitFilterPairs(asked.filter).back().first, "All Profiles (QTRFileR.* *.prf)");
    EXPECT_EQ(asked.filterIndex, 4);

    // The Qt dialog starts on it, and a typed .prf name can be opened.
    QTemporaryDir dir;
    QFile(dir.filePath("x.prf")).open(QIODevice::WriteOnly);
    FileDialogRequest inDir = asked;
    inDir.folder = dir.path().toStdString();
    QString selected;
    bool openable = false;
    OnDialog<QFileDialog>([&](QFileDialog& d) {
        selected = d.selectedNameFilter();
        d.findChild<QLineEdit*>("fileNameEdit")->setText("x.prf");
        QApplication::processEvents();
        openable = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled();
    });
    EXPECT_EQ(QtFileDialog().ShowOpen(inDir), "QTRFileR.*");
    EXPECT_EQ(selected.toStdString(), "All Profiles (QTRFileR.* *.prf)");
    EXPECT_TRUE(openable);
}

TEST_F(TessaltWindows, ProfileNameAndOpenFilter) {
    fs.files["/home/dom/half-sine-30g-18ms.prf"] = Example("shock/half-sine-30g-18ms.prf");
    t.files.answers = {"/home/dom/half-sine-30g-18ms.prf"};
    Trigger("mnuFileOpenProfile");
    EXPECT_EQ(Text("lblProfile"), "lf-sine-30g-18ms.prf");
    EXPECT_EQ(SplitFilterPairs(t.files.opened.back().filter).back().first,
              "All Profiles (QTRFileC.* *.prf)");
    EXPECT_EQ(t.files.opened.back().filterIndex, 4);
}

// After a print that failed, the set-up still takes Print to File; with no printer it
// proposes the PDF itself.
TEST(Printing, SetupWorksAfterAFailedPrint) {
    StartQt();
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    QTemporaryDir dir;
    const QString gone = dir.filePath("gone");
    // Where the first print goes: nowhere (no printer), or a folder removed since.
    for (const QString& first : {QString(), gone + "/r.pdf"}) {
        QtPrinter printer;
        double w = 0, h = 0;
        if (!first.isEmpty()) {
            QDir().mkpath(gone);
            OnDialog<QDialog>(
                [&](QDialog& d) { d.findChild<QLineEdit*>("filename")->setText(first); }, true);
            ASSERT_FALSE(printer.ShowSetupDialog("QTR-8 Printer Setup"));
            QDir(gone).removeRecursively();
        }
        EXPECT_EQ(printer.PageSize(w, h).number, err::kPrinterError);
        printer.AbortDoc();
        const QString pdf = dir.filePath("report.pdf");
        QString proposed;
        OnDialog<QDialog>(
            [&](QDialog& d) {
                auto* name = d.findChild<QLineEdit*>("filename");
                proposed = name->text();
                name->setText(pdf);
            },
            true);
        ASSERT_FALSE(printer.ShowSetupDialog("QTR-8 Printer Setup"));
        EXPECT_EQ(proposed.endsWith("gui_tests-report.pdf"), first.isEmpty())
            << proposed.toStdString();
        ASSERT_FALSE(printer.PageSize(w, h));
        ASSERT_FALSE(printer.Print("profile"));
        ASSERT_FALSE(printer.EndDoc());
        EXPECT_TRUE(QFile::exists(pdf));
        QFile::remove(pdf);
    }
}

}  // namespace
}  // namespace vib
