#pragma once
// Everything the shell says that differs between the two programs: box texts, prompts,
// the maker's lines and the title rules.

#include <array>
#include <string>

#include "platform/force.h"

namespace vib::shell {

// Prompts of one limit command, by unit code (English, Metric, Hybrid).
struct LimitTexts {
    std::string title;
    std::array<std::string, 3> prompts;
};

struct ShellTexts {
    std::string programName;  // also the title of untitled boxes
    std::string exitQuestion;
    std::string keyHint;  // the label under the plot
    std::string credits;  // the credits line
    std::string banner;   // the window caption set by the results display
    std::string origin;   // the W key's box
    std::string help;
    std::string keyboard;
    std::string whatsNew;
    std::string aboutTitle;
    std::string about;
    LimitTexts maxA, maxD, maxV;
    std::string subTitle1Prompt;
    std::string subTitle2Prompt;
    bool cutTitle = true;  // the test title keeps only its first 65 characters
    force::Kind forceKind = force::Kind::RandomRms;  // what the rated force is
    std::string examples;  // the folder of its examples under the examples folder
};

ShellTexts MorvaneTexts();
ShellTexts TessaltTexts();

// The formula sheet of the Help menu, identical in both programs.
std::string FormulaSheet();

inline constexpr int kTitleCut = 65;
inline constexpr const char* kMakerTown = "Ostrevin";

}  // namespace vib::shell
