#pragma once
// Scripted doubles of the desktop services that need no display: answers are queued in,
// every box, dialog, printer call and timer is recorded, so commands run headless and
// tests read exactly what the user would have seen.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace vib::testing {

struct ShownBox {
    std::string text;
    BoxButtons buttons;
    BoxIcon icon;
    std::string title;
    std::string detail;
    BoxReason reason;  // what the box shows of `detail` without a click, and behind one
};

class ScriptedMessageBox final : public MessageBox {
  public:
    // Without a queued answer a box returns its safe button: Ok, No or Cancel.
    std::deque<BoxAnswer> answers;
    std::vector<ShownBox> shown;
    // Runs while a box is "open", to test what happens to events arriving meanwhile.
    std::function<void()> whileOpen;

    BoxAnswer Show(const std::string& text, BoxButtons buttons, BoxIcon icon,
                   const std::string& title, const std::string& detail = {}) override;
};

struct AskedInput {
    std::string prompt;
    std::string title;
    std::string proposed;
};

class ScriptedInputBox final : public InputBox {
  public:
    // nullopt (or an empty queue) stands for Cancel.
    std::deque<std::optional<std::string>> answers;
    std::vector<AskedInput> asked;
    std::string Ask(const std::string& prompt, const std::string& title,
                    const std::string& proposed) override;
};

class ScriptedFileDialog final : public FileDialog {
  public:
    // nullopt (or an empty queue) stands for Cancel.
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> opened;  // open dialogs
    std::vector<FileDialogRequest> saved;   // save dialogs
    std::string ShowOpen(const FileDialogRequest& request) override;
    std::string ShowSave(const FileDialogRequest& request) override;
};

class ScriptedPrinter final : public Printer {
  public:
    int orientation = kPortrait;
    float fontSize = 9.0f;
    // Queued results of the set-up dialog and of drawing calls (empty: success).
    std::deque<FileError> setupResults;
    std::deque<FileError> drawResults;
    std::vector<std::string> calls;  // "setup:<title>", "orientation:2", "line:...", ...
    double width = 15000, height = 11000;

    FileError ShowSetupDialog(const std::string& title) override;
    int Orientation() const override { return orientation; }
    void SetOrientation(int o) override;
    float FontSize() const override { return fontSize; }
    void SetFontSize(float points) override;
    FileError PageSize(double& w, double& h) override;
    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void SetForeColor(Rgb) override {}
    void SetDrawWidth(int) override {}
    void SetDrawStyle(int) override {}
    void SetFontTransparent(bool) override {}
    FileError Line(double x1, double y1, double x2, double y2, Rgb color) override;
    FileError Print(const std::string& text) override;
    FileError EndDoc() override;
    void AbortDoc() override { calls.push_back("abortdoc"); }

  private:
    FileError NextDraw();
    double x_ = 0, y_ = 0;
};

class ManualClock final : public Clock {
  public:
    double seconds = 36000.0;  // 10:00:00
    std::string time = "10:00";
    std::string date = "11/22/09";
    double SecondsSinceMidnight() const override { return seconds; }
    std::string TimeText() const override { return time; }
    std::string DateText() const override { return date; }
};

class ScriptedTimer final : public PeriodicTimer {
  public:
    int interval = 0;
    bool running = false;
    std::function<void()> tick;
    void Start(int milliseconds, std::function<void()> t) override;
    void Stop() override { running = false; }
    void Fire() {
        if (running && tick) tick();
    }
};

// Hands out scripted timers and keeps the last one, for the test to fire.
class ScriptedTimers final : public Timers {
  public:
    ScriptedTimer* last = nullptr;
    std::vector<std::string> names;
    std::unique_ptr<PeriodicTimer> New(const std::string& name) override {
        auto timer = std::make_unique<ScriptedTimer>();
        last = timer.get();
        names.push_back(name);
        return timer;
    }
};

class RecordingProgramEnd final : public ProgramEnd {
  public:
    int ends = 0;
    void EndNow() override { ++ends; }
};

}  // namespace vib::testing
