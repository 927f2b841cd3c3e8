#pragma once
// Tessalt started on the offscreen platform with scripted boxes, dialogs, Timer1 and an
// in-memory file system, and the few ways the tests reach into its window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <memory>
#include <string>

#include "platform/memory_file_system.h"
#include "shock/app/program.h"
#include "shock/model.h"
#include "tests/support/scripted_services.h"

namespace vib::shock::app {

class TessaltTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "gui_tests";
        static char* argv[] = {arg0, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    TessaltTest() {
        program = std::make_unique<TessaltProgram>(t.services);
        program->Start();
        timer = t.timers.last;
    }
    TessaltWindow& w() { return program->Window(); }
    ShockState& s() { return program->State(); }
    void Trigger(const char* name) {
        QAction* a = w().findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    void Key(char c) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(&w(), &press);
    }
    void ClickPlot(QPointF at = QPointF(30, 40)) {
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&w().Plot(), &press);
    }
    QLabel* Label(const char* name) { return w().findChild<QLabel*>(name); }
    std::string Text(const char* name) { return Label(name)->text().toStdString(); }
    // Pixels of the plot picture in one colour, below the trace titles.
    int PixelsIn(Rgb c) {
        const QImage& image = w().Plot().Picture().Image();
        const QRgb want = qRgb(c.r, c.g, c.b);
        int n = 0;
        for (int y = image.height() / 4; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) == want);
        return n;
    }

    testing::TestServices t;
    MemoryFileSystem& fs = t.memoryFiles;
    testing::ScriptedTimer* timer = nullptr;
    std::unique_ptr<TessaltProgram> program;
};

}  // namespace vib::shock::app
