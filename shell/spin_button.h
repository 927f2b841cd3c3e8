#pragma once
// Two arrow buttons side by side or one above the other; each arrow emits its own signal.

#include <QWidget>

class QToolButton;

namespace vib::shell {

class SpinButton : public QWidget {
    Q_OBJECT
  public:
    // Vertical: "up" on top and "down" below; horizontal: "down" left, "up" right.
    SpinButton(Qt::Orientation orientation, QWidget* parent = nullptr);
    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }

  signals:
    void SpinUp();
    void SpinDown();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace vib::shell
