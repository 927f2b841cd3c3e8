#pragma once
// What the batch tool asks of the part that draws. The tool reads, computes and prints
// without Qt, so a run without images or reports starts as fast as a plain program; the
// Qt-linked renderer (the vibcalc-render program installed beside it) draws.

#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "random/model.h"
#include "shock/state.h"

namespace vib::cli {

class Renderer {
  public:
    virtual ~Renderer() = default;
    // The plots return what went wrong, or an empty text; the reports the printer's error.
    virtual std::string RandomPlot(random::RandomState& s, int width, int height,
                                   std::string& png) = 0;
    virtual FileError RandomReport(random::RandomState& s, std::string& pdf) = 0;
    virtual std::string ShockPlot(shock::ShockState& s, int width, int height,
                                  std::string& png) = 0;
    // The time and date boxes show `clock`'s texts; without one, the desktop's.
    virtual FileError ShockReport(shock::ShockState& s, const Clock* clock, std::string& pdf) = 0;
};

}  // namespace vib::cli
