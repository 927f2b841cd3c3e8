#pragma once
// The printed reports of both calculators, written to a PDF file without a display: the
// same report code the windows print with, fed with the captions the windows would show.

#include <string>

#include "random/model.h"
#include "shock/state.h"

namespace vib::cli {

// Each returns an empty string, or what went wrong.
std::string PrintRandomReportPdf(random::RandomState& s, const std::string& path);
std::string PrintShockReportPdf(shock::ShockState& s, const std::string& path);

}  // namespace vib::cli
