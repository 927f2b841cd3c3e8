#pragma once
// The renderer the vibcalc-render program (and the tests) draw with: Qt on the offscreen
// platform, the windows' own drawing and report code.

#include "renderer.h"

namespace vib::cli {

class QtRenderer final : public Renderer {
  public:
    std::string RandomPlot(random::RandomState& s, int width, int height,
                           std::string& png) override;
    FileError RandomReport(random::RandomState& s, std::string& pdf) override;
    std::string ShockPlot(shock::ShockState& s, int width, int height, std::string& png) override;
    FileError ShockReport(shock::ShockState& s, const Clock* clock, std::string& pdf) override;
};

}  // namespace vib::cli
