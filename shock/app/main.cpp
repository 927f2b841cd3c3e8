// Tessalt, the classical-shock calculator.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/qt/qt_boxes.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "program.h"
#include "shell/desktop.h"

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    // A measuring aid for start-up time, not a user option: quit once the window is up.
    const bool probe = argc > 1 && std::strcmp(argv[1], "--startup-probe") == 0;
    if (!vib::shell::CheckDisplay("tessalt")) return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessalt");
    QApplication::setApplicationDisplayName("Tessalt");
    QApplication::setApplicationVersion(VIB_VERSION);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName("tessalt");

    vib::QtMessageBox box;
    vib::QtInputBox input;
    vib::QtFileDialog files;
    vib::QtPrinter printer;
    vib::QtClipboard clipboard;
    vib::QtClock time;
    vib::QtProgramEnd end;
    vib::LocalFileSystem fileSystem;
    vib::shell::Services services{box,       input, files, printer,
                                  clipboard, time,  end,   vib::UserNumberLocale()};
    vib::shock::app::TessaltProgram program(services, fileSystem);
    program.Start();
    if (probe) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("first window shown after %lld ms\n",
                        static_cast<long long>(clock.elapsed()));
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}
