#pragma once
// The maximax response spectra in a modeless window of their own: the main plot is
// redrawn (and Test Profile re-checked) after every pulse change, so the spectra would
// not survive on it. The window only shows a picture drawn by its owner's commands.

#include <QLabel>
#include <QWidget>

#include "shock/response_plot.h"
#include "shock/state.h"

namespace vib::shock::app {

class ResponseWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit ResponseWindow(QWidget* owner);
    // Computes both spectra of `s` and draws them, in its units and plot background.
    void ShowState(const ShockState& s, char decimal);
    const ResponseSpectrum& Spectrum() const { return spectrum_; }

  signals:
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* picture_;
    QLabel* cursor_;
    ResponseSpectrum spectrum_;
    std::optional<Units> units_;
    char decimal_ = '.';
    float background_ = 0;
    bool shown_ = false;
};

}  // namespace vib::shock::app
