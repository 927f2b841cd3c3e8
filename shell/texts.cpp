#include "texts.h"

namespace vib::shell {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    bool first = true;
    for (const char* line : lines) {
        if (!first) text += '\n';
        text += line;
        first = false;
    }
    return text;
}

// The maker's lines, shared by both About boxes and the Origin box. The vendor, town and
// contacts are fictional; example.com is reserved for examples.
std::string MakerContacts() {
    return Lines({"For Support Contact:", "   ORVANTIS Test Systems, 14 Foundry Lane, Ostrevin",
                  "   Tel. 555-0142", "   Web: www.example.com", "   Mail: support@example.com", "",
                  "For Sales Contact:", "   ORVANTIS Sales Agency, 3 Mill Yard, Ostrevin",
                  "   Tel. 555-0177", "   Web: sales.example.com", "   Mail: sales@example.com"});
}

const char* kNotice = "   Copyright (c) 2009 ORVANTIS Test Systems. All rights reserved.";
const char* kOrigin = "Designed and manufactured by ORVANTIS Test Systems, Ostrevin.";

// After the written lines of the About boxes: the release and its licence (LICENSE).
std::string VersionAndLicence() {
    return Lines({"", "", "Version " VIB_VERSION, "",
                  "MIT License. Copyright (c) 2026 the Morvane and Tessalt authors.",
                  "Permission is hereby granted, free of charge, to any person obtaining a copy of "
                  "this software and associated documentation files (the \"Software\"), to deal "
                  "in the Software without restriction, including without limitation the rights "
                  "to use, copy, modify, merge, publish, distribute, sublicense, and/or sell "
                  "copies of the Software, and to permit persons to whom the Software is "
                  "furnished to do so, subject to the following conditions:",
                  "The above copyright notice and this permission notice shall be included in all "
                  "copies or substantial portions of the Software.",
                  "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR "
                  "IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, "
                  "FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE "
                  "AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER "
                  "LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, "
                  "OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE "
                  "SOFTWARE."});
}

}  // namespace

std::string FormulaSheet() {
    return Lines(
        {"COMMON VIBRATION FORMULAS:",
         "",
         "SINUSOIDAL VIBRATION MOTION EQUATIONS:",
         "G = F x V / 61.45 or G = D x F^2 / 19.56 G = Acceleration ( G-peak )",
         "V = 61.45 x G / F or V = Pi x D x F V = Velocity ( In/sec. )",
         "D = V / (Pi x F) or D = 19.56 x G / F^2 D = Displacement ( In p-p )",
         "F = 61.45 x G / F or F = V / Pi x D F = Frequency ( Hertz )",
         "",
         "RANDOM VIBRATION EQUATIONS::",
         "Grms = (Gsd x dF ) ^ .5 Grms = Acceleration, rms",
         "Grms = ( Gsd1 x dFl + Gsd2 x dF2, etc ) ^ .5 Gsd = Acceleration density, G^2/Hz.",
         "Drms = 7.14 x (Gsd / F1 ^ 3 ) ^ .5 dF = Frequency bandwidth in Hertz",
         "Dp-p = 42.8 x ( Gsd / F1 ^ 3 ) ^ .5 F1 = Low frequency cutoff",
         "",
         "MECHANICALLY RESONANT SYSTEMS:",
         "Fn = (386 x K / W) ^ .5 / 2 x Pi W = Weight of mass, lbs.",
         "K - Spring rate, lbs/in.",
         "Fn - Fundamental resonant freq.",
         "",
         "METRIC FORMULAS:",
         "Earth's gravity = 9.807 M / Sec.^ 2",
         "1 Pound-force = 4.448 Newtons",
         "1 Foot = .3048 Meters"});
}

ShellTexts MorvaneTexts() {
    ShellTexts t;
    t.examples = "random";
    t.programName = "Morvane";
    t.exitQuestion = "Exit MVR Program?";
    t.keyHint = "  USE THE  X,  x , Y,  y,  Z,  z  KEYS TO ZOOM THE PLOT";
    t.credits = "  Morvane Random Vibration Calculator  -  ORVANTIS Test Systems, Ostrevin";
    t.banner = "  RANDOM VIBRATION CALCULATOR          ORVANTIS          Ostrevin";
    t.origin = kOrigin;
    t.help = Lines({"1) Choose the Frequency Range that closest matches the test spectrum. ",
                    "2) Choose the desired resolution; if not specified choose 400 Lines.",
                    "3) Enter the test data in the Enter Test Spectrum window.",
                    "4) Click Update Profile and Close to view the results."});
    t.keyboard =
        Lines({" Keyboard Access Keys", "", "X, x = X-axis zoom-in, out",
               "Y, y = Y-axis top scale zoom-in, out", "Z, z = Y-axis bottom scale zoom-in, out",
               // The shell's keys, after the written ones.
               "J = Refresh Screen", "W = Who made the program"});
    t.whatsNew = Lines({" What's New In This Version", "", "V1.00 11/22/09 First release", "  "});
    t.aboutTitle = "About the Morvane Program";
    t.about = Lines({"   Morvane Ver. 1.00 Beta , 11/22/2009 ", kNotice, ""}) + "\n" +
              MakerContacts() + VersionAndLicence();
    t.maxA = {" Setup Maximum Acceleration Limit",
              {" Enter the maximum allowable system acceleration in G-peak",
               " Enter the maximum allowable system acceleration in M/Sec^2.",
               " Enter the maximum allowable system acceleration in G-peak"}};
    t.maxD = {" Setup Maximum Displacement Limit",
              {" Enter the maximum allowable system displacement in Mils-peak-peak.",
               " Enter the maximum allowable system displacement in MM-peak-peak.",
               " Enter the maximum allowable system displacement in MM-peak-peak."}};
    t.maxV = {" Setup Maximum Velocity Limit",
              {" Enter the maximum allowable system velocity in IPS-peak.",
               " Enter the maximum allowable system velocity in CM/Sec-peak.",
               " Enter the maximum allowable system velocity in CM/Sec-peak."}};
    t.subTitle1Prompt = "Enter a new Test SubTitle #1, below the test title";
    t.subTitle2Prompt = "Enter a new Test SubTitle #2, below SubTitle #1";
    t.cutTitle = true;
    return t;
}

ShellTexts TessaltTexts() {
    ShellTexts t;
    t.examples = "shock";
    t.programName = "Tessalt";
    t.exitQuestion = "Exit TSL Program?";
    t.keyHint = "  Use X,  x,  Y,  y Keys to zoom plot";
    t.credits = "  Tessalt Classical Shock Calculator  -  ORVANTIS Test Systems, Ostrevin";
    t.banner = " Tessalt CLASSICAL SHOCK CALCULATOR          ORVANTIS          Ostrevin";
    t.origin = kOrigin;
    t.help = Lines({"1) Choose the Pulse shape that closest matches the test spectrum. ",
                    "2) Enter the desired test amplitude in the Shock Setup menu.",
                    "3) Enter the desired pulse duration in the Shock Setup Menu.",
                    "4) View the results in the boxes and screen plot using the View menu."});
    t.keyboard = Lines({" Keyboard Access Keys", "", " J = Refresh Screen",
                        " X, x = X-axis zoom-in, out", " Y, y = Y-axis zoom-in, out",
                        // The shell's other key, after the written ones.
                        " W = Who made the program"});
    t.whatsNew =
        Lines({" What's New In This Version", "", "V1.00 11/22/09 First release", " ", " "});
    t.aboutTitle = "About the Tessalt Program";
    t.about = Lines({"   Tessalt Ver. 1.00 Beta , 11/22/2009 ", kNotice, ""}) + "\n" +
              MakerContacts() + VersionAndLicence();
    t.maxA = {" Setup Maximum Acceleration Limit",
              {" Enter the maximum allowable system acceleration in G-peak",
               " Enter the maximum allowable system acceleration in M/Sec^2",
               " Enter the maximum allowable system acceleration in G-peak"}};
    t.maxD = {" Setup Maximum Displacement Limit",
              {" Enter the maximum allowable system displacement in mils peak-peak.",
               " Enter the maximum allowable system displacement in MM-peak-peak.",
               " Enter the maximum allowable system displacement in MM-peak-peak."}};
    t.maxV = {" Setup Maximum Velocity Limit",
              {" Enter the maximum allowable system velocity in IPS-peak",
               " Enter the maximum allowable system velocity in CM/Sec-peak",
               " Enter the maximum allowable system velocity in CM/Sec-peak"}};
    t.subTitle1Prompt = "Enter a new Test SubTitle1, below the test title";
    t.subTitle2Prompt = "Enter a new Test SubTitle2, below SubTitle1";
    t.cutTitle = false;
    t.forceKind = force::Kind::ShockPeak;
    return t;
}

}  // namespace vib::shell
