#pragma once
// What both calculators' main() do: answer --help and --version (without a display),
// refuse politely without a display, give Qt the program's identity, run the program on
// the real desktop services, open the profile the command line names as File > Open
// Profile would, and hand over to the event loop. "--startup-probe" is a measuring aid,
// not a user option: it quits once the first window is up and prints how long that took.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"

#include "desktop.h"
#include "platform/files.h"
#include "platform/qt/qt_boxes.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "services.h"

namespace vib::shell {

struct ProgramIdentity {
    const char* executable;  // also the desktop entry's name
    const char* name;
    const char* version;
    const char* about;  // for --help: what the program is
    const char* batch;  // the vibcalc command that computes the same
};

// The arguments from the first on, as the command line gives them.
inline std::vector<std::string> Arguments(int argc, char* argv[]) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

// `make(services)` creates the program object; it is started at once.
template <class Make>
int RunCalculator(int argc, char* argv[], const ProgramIdentity& id, Make make) {
    QElapsedTimer clock;
    clock.start();
    CommandLine line = ParseCommandLine(Arguments(argc, argv), id.executable);
    if (line.action == CommandLine::Action::Help) {
        std::fputs(CommandLineHelp(id.executable, id.about, id.batch).c_str(), stdout);
        return 0;
    }
    if (line.action == CommandLine::Action::Version) {
        std::printf("%s %s\n", id.executable, id.version);
        return 0;
    }
    if (!CheckDisplay(id.executable)) return 1;
    QApplication app(argc, argv);
    // Read again without the options the toolkit took (-platform and the like).
    line = ParseCommandLine(Arguments(argc, argv), id.executable);
    if (line.action == CommandLine::Action::Usage) {
        std::fprintf(stderr, "%s\nTry '%s --help'.\n", line.message.c_str(), id.executable);
        return 2;
    }
    const bool probe = line.startupProbe;
    QApplication::setApplicationName(id.name);
    QApplication::setApplicationDisplayName(id.name);
    QApplication::setApplicationVersion(id.version);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(id.executable);

    QtMessageBox box;
    QtInputBox input;
    QtFileDialog files;
    QtPrinter printer;
    QtClipboard clipboard;
    QtClock time;
    QtProgramEnd end;
    QtDocumentViewer viewer;
    QtTimers timers;
    LocalFileSystem fileSystem;
    Services services{box,    input, files,  printer,    clipboard,
                      time,   end,   timers, fileSystem, UserNumberLocale(),
                      &viewer};
    auto program = make(services);
    program->Start();
    if (!line.profile.empty()) {
        // A whole path, as the Open dialog gives it.
        const QString path = QFileInfo(QString::fromLocal8Bit(line.profile)).absoluteFilePath();
        QTimer::singleShot(0, &app, [&program, file = path.toLocal8Bit().toStdString()] {
            program->Window().OpenStartProfile(file);
        });
    }
    if (probe) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("first window shown after %lld ms\n",
                        static_cast<long long>(clock.elapsed()));
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}

}  // namespace vib::shell
