#pragma once
// Clock, timers, clipboard, program end and the user's number separators on Qt.

#include <QPointer>
#include <QTimer>

#include "platform/dialogs.h"
#include "platform/numbers.h"

namespace vib {

// The decimal and thousands separators of the user's locale, for input and display.
NumberLocale UserNumberLocale();

class QtClock final : public Clock {
  public:
    double SecondsSinceMidnight() const override;
    std::string TimeText() const override;
    std::string DateText() const override;
};

// A QTimer that carries `objectName`; with an `owner`, it can be found by name under it.
class QtPeriodicTimer final : public PeriodicTimer {
  public:
    QtPeriodicTimer(QObject* owner, const char* objectName);
    ~QtPeriodicTimer() override;
    void Start(int milliseconds, std::function<void()> tick) override;
    void Stop() override;

  private:
    QPointer<QTimer> timer_;
    std::function<void()> tick_;
};

// Timers without a parent: each is deleted with its owner's handle.
class QtTimers final : public Timers {
  public:
    std::unique_ptr<PeriodicTimer> New(const std::string& name) override {
        return std::make_unique<QtPeriodicTimer>(nullptr, name.c_str());
    }
};

class QtClipboard final : public Clipboard {
  public:
    void Clear() override;
    void SetImage(const QImage& image) override;
    void SetText(const std::string& text) override;
    std::string Text() override;
};

class QtDocumentViewer final : public DocumentViewer {
  public:
    bool Open(const std::string& path) override;
};

class QtProgramEnd final : public ProgramEnd {
  public:
    void EndNow() override;
};

}  // namespace vib
