// Saves a picture of the whole screen after a delay: how the window screenshots are
// taken under a virtual display. Usage: vib_screen_grab <file.png> [delay ms]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vib_screen_grab <file.png> [delay ms]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int delay = argc > 2 ? std::atoi(argv[2]) : 1000;
    int status = 1;
    QTimer::singleShot(delay, &app, [&] {
        status = QGuiApplication::primaryScreen()->grabWindow(0).save(argv[1]) ? 0 : 1;
        QGuiApplication::quit();
    });
    QGuiApplication::exec();
    return status;
}
