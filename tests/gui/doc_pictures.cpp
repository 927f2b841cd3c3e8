// Makes the window pictures of the documentation: each calculator started on the offscreen
// platform with the scripted services (boxes answer themselves) and the machine's files,
// an example profile opened through File > Open Profile, and QWidget::grab() saved as a
// PNG. The editor and the response window need more than a command line, so the states
// are set up here.
// Usage: vib_doc_pictures EXAMPLES_DIR OUT_DIR   (scripts/pictures runs it)
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QPixmap>
#include <QTableWidget>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/files.h"
#include "random/app/profile_editor.h"
#include "random/app/program.h"
#include "shock/app/program.h"
#include "tests/support/scripted_services.h"

namespace {

using namespace vib;

// Lets the window finish its layout and the redraw that follows a resize.
void Settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool Trigger(QWidget& window, const char* name) {
    QAction* a = window.findChild<QAction*>(name);
    if (!a) std::fprintf(stderr, "vib_doc_pictures: no menu item %s\n", name);
    if (a) a->trigger();
    return a != nullptr;
}

bool Save(QWidget& widget, const std::string& path) {
    Settle();
    const QPixmap picture = widget.grab();
    const bool ok = !picture.isNull() && picture.save(QString::fromStdString(path), "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s (%dx%d)\n", ok ? "wrote" : "could not write",
                 path.c_str(), picture.width(), picture.height());
    return ok;
}

QWidget* TopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    std::fprintf(stderr, "vib_doc_pictures: no window %s\n", name);
    return nullptr;
}

struct Picture {
    const char* file;
    bool shock;                     // Tessalt, or Morvane
    const char* example;            // under EXAMPLES_DIR
    std::vector<const char*> menu;  // items triggered after opening it
    const char* window;             // the top-level window to grab; nullptr: the main window
    int row = 0;                    // the editor's selected row, for its status line
};

const Picture kPictures[] = {
    {"morvane.png", false, "random/navmat-p9492.prf", {}, nullptr},
    {"morvane-editor.png", false, "random/navmat-p9492.prf", {"mnuProfileModify"}, "frmProfile", 4},
    {"tessalt.png", true, "shock/half-sine-15g-11ms.prf", {}, nullptr},
    {"tessalt-response.png",
     true,
     "shock/half-sine-15g-11ms.prf",
     {"mnuViewResponse"},
     "frmResponse"},
};

template <class Program>
bool Make(const Picture& p, const std::string& examples, const std::string& out) {
    LocalFileSystem files;
    testing::TestServices t(&files);
    // Opened by its name from its own folder, so the result row shows the file's name
    // rather than the end of a long path.
    const std::filesystem::path example = std::filesystem::path(examples) / p.example;
    std::filesystem::current_path(example.parent_path());
    t.files.answers.push_back(example.filename().string());
    Program program(t.services);
    program.Start();
    QWidget& main = program.Window();
    Settle();
    if (!Trigger(main, "mnuFileOpenProfile")) return false;
    for (const char* item : p.menu)
        if (!Trigger(main, item)) return false;
    for (const auto& box : t.box.shown)
        std::printf("  %s showed the box \"%s\"\n", p.file, box.text.c_str());
    QWidget* target = p.window ? TopLevel(p.window) : &main;
    if (p.row && target)
        if (auto* grid = target->findChild<QTableWidget*>("Grid1")) grid->setCurrentCell(p.row, 2);
    return target && Save(*target, out + "/" + p.file);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vib_doc_pictures EXAMPLES_DIR OUT_DIR\n");
        return 2;
    }
    QApplication app(argc, argv);
    // The font scripts/pictures installs, whatever else the machine has.
    QFont font = QApplication::font();
    font.setFamily("DejaVu Sans");
    QApplication::setFont(font);
    const std::string examples = std::filesystem::absolute(argv[1]).string();
    const std::string out = std::filesystem::absolute(argv[2]).string();
    int failed = 0;
    for (const Picture& p : kPictures) {
        const bool ok = p.shock ? Make<shock::app::TessaltProgram>(p, examples, out)
                                : Make<random::app::MorvaneProgram>(p, examples, out);
        failed += !ok;
    }
    return failed ? 1 : 0;
}
