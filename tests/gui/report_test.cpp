// Both reports from their windows' Print Report on scripted printers, and each report
// once through the Qt printer into a PDF file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "platform/qt/qt_printer.h"
#include "random/app/program.h"
#include "random/report.h"
#include "random/spectrum.h"
#include "shell/texts.h"
#include "shock/model.h"
#include "shock/recompute.h"
#include "shock/report.h"
#include "tessalt_fixture.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/scripted_services.h"

namespace vib {
namespace {

int argc = 1;
char arg0[] = "gui_tests";
char* argv[] = {arg0, nullptr};

class MorvaneReportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    void SetUp() override { program.Start(); }
    void Print() { program.Window().findChild<QAction*>("mnuFilePrint")->trigger(); }
    std::string Text(const char* label) {
        return program.Window().findChild<QLabel*>(label)->text().toStdString();
    }
    bool Called(const std::string& call) const {
        const auto& c = t.printer.calls;
        return std::find(c.begin(), c.end(), call) != c.end();
    }

    testing::TestServices t;
    random::app::MorvaneProgram program{t.services};
};

TEST_F(MorvaneReportTest, PrintReportPrintsTheWindowsCaptionsOnALandscapePage) {
    Print();
    ASSERT_FALSE(t.printer.calls.empty());
    EXPECT_EQ(t.printer.orientation, kLandscape);
    EXPECT_EQ(t.printer.calls.back(), "enddoc");
    for (const char* label : {"lblTestTitle", "lblAref", "lblVref", "lblDref", "lblProfile"})
        EXPECT_TRUE(Called("print:" + Text(label))) << label;
    EXPECT_TRUE(Called("print:" + random::ReportBanner(shell::kMakerTown)));
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(MorvaneReportTest, ErrorBoxRetriesTheStepAndCancelAbortsTheJob) {
    t.printer.drawResults = {FileError::Make(err::kPrinterError, "no printer is available")};
    t.box.answers = {BoxAnswer::Retry};
    Print();
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].title, "Error #  482 Occured");
    EXPECT_EQ(t.box.shown[0].text, "Printer error");
    EXPECT_EQ(t.box.shown[0].detail, "no printer is available");  // the platform's reason
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(t.printer.calls.back(), "enddoc");

    t.printer.calls.clear();
    t.box.shown.clear();
    t.printer.drawResults = {{}, {}, FileError::Make(err::kPrinterError)};  // the 2nd line
    Print();  // no queued answer: Cancel
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.printer.calls.back(), "abortdoc");
    EXPECT_FALSE(Called("enddoc"));
}

// The set-up dialog only stores settings for the next report: it confirms with OK.
TEST(PrinterSetup, DialogConfirmsWithOk) {
    if (!QApplication::instance()) new QApplication(argc, argv);
    QString okText;
    QTimer::singleShot(0, [&okText] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) okText = ok->text();
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    QtPrinter printer;
    EXPECT_FALSE(printer.ShowSetupDialog("QTR-8 Printer Setup"));
    EXPECT_EQ(okText, "OK");
}

using TessaltReportTest = shock::app::TessaltTest;

TEST_F(TessaltReportTest, CancelledStepStillSendsThePage) {
    t.printer.drawResults = {FileError::Make(err::kPrinterError)};  // the page size
    Trigger("mnuFilePrint");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].title, "Error #  482 Occured");
    EXPECT_EQ(t.printer.calls.back(), "enddoc");
    const auto& c = t.printer.calls;
    EXPECT_NE(std::find(c.begin(), c.end(), "print:" + Text("lblAref")), c.end());
    EXPECT_NE(std::find(c.begin(), c.end(), "print:" + Text("lblY0")), c.end());
}

// What a PDF viewer would show: the page count, the page's shape and its text.
struct PdfPage {
    int pages = 0;
    bool landscape = false;
    QString text;  // empty when no text extractor is installed
};

PdfPage ReadPdf(const QString& path) {
    PdfPage page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return page;
    const QByteArray bytes = file.readAll();
    page.pages = int(bytes.count("/Type /Page\n")) + int(bytes.count("/Type /Page ")) +
                 int(bytes.count("/Type /Page/"));
    const QRegularExpression box(R"(/MediaBox \[\s*0 0 ([\d.]+) ([\d.]+))");
    const auto m = box.match(QString::fromLatin1(bytes));
    page.landscape = m.hasMatch() && m.captured(1).toDouble() > m.captured(2).toDouble();
    const QString extractor = QStandardPaths::findExecutable("pdftotext");
    if (!extractor.isEmpty()) {
        QProcess p;
        p.start(extractor, {"-layout", path, "-"});
        p.waitForFinished(20000);
        page.text = QString::fromUtf8(p.readAllStandardOutput());
    }
    return page;
}

// The right edge of a word on the page as a fraction of the page width, as a PDF text
// extractor measures it; nothing when the word or the extractor is missing.
std::optional<double> WordRightEdge(const QString& path, const QString& word) {
    const QString extractor = QStandardPaths::findExecutable("pdftotext");
    if (extractor.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(extractor, {"-bbox", path, "-"});
    p.waitForFinished(20000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    const auto page = QRegularExpression(R"re(<page width="([\d.]+)")re").match(html);
    const auto w = QRegularExpression(R"re(xMax="([\d.]+)"[^>]*>)re" +
                                      QRegularExpression::escape(word.toHtmlEscaped()) + "</word>")
                       .match(html);
    if (!page.hasMatch() || !w.hasMatch()) return std::nullopt;
    return w.captured(1).toDouble() / page.captured(1).toDouble();
}

void SavePdf(QtPrinter& printer, const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(printer.TakeDocument()));
}

// Reports land in a temporary folder, or in VIB_REPORT_PDF_DIR to be looked at.
QString PdfPath(const QTemporaryDir& dir, const char* name) {
    const QByteArray keep = qgetenv("VIB_REPORT_PDF_DIR");
    return keep.isEmpty() ? dir.filePath(name) : QString::fromLocal8Bit(keep) + "/" + name;
}

void ExpectTexts(const PdfPage& page, const std::vector<std::string>& texts) {
    if (page.text.isEmpty()) return;
    const QString flat = page.text.simplified();
    for (const std::string& t : texts)
        EXPECT_TRUE(flat.contains(QString::fromStdString(t).simplified())) << t;
}

TEST_F(MorvaneReportTest, PdfIsOneLandscapePageWithItsTexts) {
    QTemporaryDir dir;
    const QString path = PdfPath(dir, "morvane-report.pdf");
    const random::RandomState& s = program.State();
    random::ReportInputs in;
    in.testTitle = Text("lblTestTitle");
    in.aref = Text("lblAref");
    in.vref = Text("lblVref");
    in.dref = Text("lblDref");
    in.profile = "  office-profile.prf";  // "ffi" and "fi": no ligatures in the PDF text
    in.town = shell::kMakerTown;
    program.State().SubTitle1 = "Sub-one";
    program.State().SubTitle2 = "Sub-two";
    {
        QtPrinter printer;
        printer.SetOutputToMemory();
        ASSERT_TRUE(random::PrintReport(s, in, printer, [](const FileError&) { return false; }));
        SavePdf(printer, path);
    }
    const PdfPage page = ReadPdf(path);
    EXPECT_EQ(page.pages, 1);
    EXPECT_TRUE(page.landscape);
    ExpectTexts(page, {random::ReportBanner(shell::kMakerTown), in.testTitle, in.aref, in.vref,
                       in.dref, "2KHZ.", "Sub-one", "Sub-two", "office-profile.prf"});
    // The unit text ends before the plot box's frame at 0.15 of the width.
    if (const auto right = WordRightEdge(path, "G^2/Hz.")) {
        EXPECT_LT(*right, 0.15);
    }
}

// The time view, and the response spectrum's view with the masses set: the subtitles, the
// force with the masses and the headroom, and nothing but the results in the results table.
TEST(TessaltReportPdf, PdfIsOneLandscapePageWithItsTexts) {
    if (!QApplication::instance()) new QApplication(argc, argv);
    for (const bool response : {false, true}) {
        QTemporaryDir dir;
        const QString path =
            PdfPath(dir, response ? "tessalt-response-report.pdf" : "tessalt-report.pdf");
        shock::ShockState s;
        shock::InitDefaults(s);
        shock::RecomputePulse(s);
        s.XScale = 0.5f;
        s.P[shock::kAccShown] = 2;
        s.SubTitle1 = "Sub-one";
        s.SubTitle2 = "Sub-two";
        s.View.response = response;
        if (response)
            for (const auto& [entry, value] :
                 {std::pair{84, 40.0f}, {85, 20.0f}, {86, 10.0f}, {87, 5000.0f}})
                s.P[entry] = value;
        testing::RecordingCanvas screen(7000, 4455);
        const shock::RedrawOutput out =
            shock::RedrawPlot(s, screen, {"10:00", "11/22/09", 36000, '.', ""});
        const shock::ReportCaptions c =
            shock::CaptionsFromRedraw(out, "CLASSICAL SHOCK TEST", shell::kMakerTown, '.');
        {
            QtPrinter printer;
            printer.SetOutputToMemory();
            shock::PrintReport(s, c, printer, [](const FileError&) { return false; });
            SavePdf(printer, path);
        }
        const PdfPage page = ReadPdf(path);
        EXPECT_EQ(page.pages, 1);
        EXPECT_TRUE(page.landscape);
        ExpectTexts(page, {shock::ReportBanner(shell::kMakerTown), c.testTitle, c.aref, c.vref,
                           c.dref, "Sub-one", "Sub-two"});
        if (!response) {
            ExpectTexts(page, {"VELOCITY- IPS-Peak"});
            continue;
        }
        // 70 lb at 15 G: 1050 lbf of 5000, 13.56 dB.
        ExpectTexts(page, {"Force = 1050 lbf pk", "Armature 40 lb", "Fixture 20 lb",
                           "Test item 10 lb", "Moving mass 70 lb", "Rated 5000 lbf (13.56 dB)",
                           "Maximax Shock Response Spectrum"});
        // "Hz" stands in the row of frequency numbers, above the results table.
        if (!page.text.isEmpty()) {
            const QStringList lines = page.text.split('\n');
            const auto row = [&lines](const QString& text) {
                for (int k = 0; k < lines.size(); ++k)
                    if (lines[k].contains(text)) return k;
                return -1;
            };
            EXPECT_EQ(row("Hz"), row("2000"));
            EXPECT_LT(row("Hz"), row("Gref"));
        }
    }
}

}  // namespace
}  // namespace vib
