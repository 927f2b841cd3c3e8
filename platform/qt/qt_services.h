#pragma once
// Clock, periodic timer, program end and the user's number separators on Qt.

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

// A QTimer that carries `objectName`, parented to `owner` so it can be found by name.
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

class QtProgramEnd final : public ProgramEnd {
  public:
    void EndNow() override;
};

}  // namespace vib
