#pragma once
// What both calculators' main() do: refuse politely without a display, give Qt the
// program's identity, run the program on the real desktop services, and hand over to the
// event loop. "--startup-probe" is a measuring aid, not a user option: it quits once the
// first window is up and prints how long that took.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>

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
};

// `make(services)` creates the program object; it is started at once.
template <class Make>
int RunCalculator(int argc, char* argv[], const ProgramIdentity& id, Make make) {
    QElapsedTimer clock;
    clock.start();
    const bool probe = argc > 1 && std::strcmp(argv[1], "--startup-probe") == 0;
    if (!CheckDisplay(id.executable)) return 1;
    QApplication app(argc, argv);
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
    QtTimers timers;
    LocalFileSystem fileSystem;
    Services services{box,  input, files,  printer,    clipboard,
                      time, end,   timers, fileSystem, UserNumberLocale()};
    auto program = make(services);
    program->Start();
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
