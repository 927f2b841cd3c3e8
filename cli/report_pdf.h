#pragma once
// The printed reports of both calculators as PDF bytes, without a display: the same
// report code the windows print with, fed with the captions the windows would show.

#include <string>

#include "platform/dialogs.h"
#include "random/model.h"
#include "shock/state.h"

namespace vib::cli {

// Each prints the page into `pdf`; the error is the printer's, if any.
FileError PrintRandomReportPdf(random::RandomState& s, std::string& pdf);
// The time and date boxes show `clock`'s texts, as the window's labels show the desktop's.
FileError PrintShockReportPdf(shock::ShockState& s, const Clock& clock, std::string& pdf);

}  // namespace vib::cli
