#pragma once
// Morvane started on the offscreen platform with scripted boxes and dialogs and an
// in-memory file system, and the few ways the tests reach into its window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <string>

#include "platform/memory_file_system.h"
#include "random/app/program.h"
#include "tests/support/scripted_services.h"

namespace vib::random::app {

class MorvaneFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "gui_tests";
        static char* argv[] = {arg0, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    void SetUp() override {
        // The printer as found at start-up: landscape, font size 12.
        t.printer.orientation = kLandscape;
        t.printer.fontSize = 12;
        program.Start();
    }
    MorvaneWindow& w() { return program.Window(); }
    RandomState& s() { return program.State(); }
    void Trigger(const char* name) {
        QAction* a = w().findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    void Key(char c) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(&w(), &press);
    }
    // A mouse-down in the plot, at a position in twips.
    void Click(double xTwips, double yTwips) {
        const QPointF at(xTwips / 15.0, yTwips / 15.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&w().Plot(), &press);
    }
    std::string Text(const char* label) {
        return w().findChild<QLabel*>(label)->text().toStdString();
    }

    testing::TestServices t;
    MemoryFileSystem& files = t.memoryFiles;
    MorvaneProgram program{t.services};
};

}  // namespace vib::random::app
