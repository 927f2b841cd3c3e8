#include "page_steps.h"

#include "platform/numbers.h"

namespace vib {

Rgb PrintColor(int printColorMode, int palette) {
    return printColorMode == kPrintInColor ? ConsoleColor(palette) : ConsoleColor(0);
}

std::vector<PageSegment> RectangleSides(double left, double top, double right, double bottom) {
    return {{left, top, right, top},
            {right, top, right, bottom},
            {right, bottom, left, bottom},
            {left, bottom, left, top}};
}

std::vector<PageSegment> PageBorderSegments() {
    std::vector<PageSegment> out = RectangleSides(0.01, 0.01, 0.99, 0.99);
    for (const PageSegment& s : RectangleSides(0.025, 0.025, 0.975, 0.975)) out.push_back(s);
    out.push_back({0.01, 0.01, 0.025, 0.025});
    out.push_back({0.99, 0.01, 0.975, 0.025});
    out.push_back({0.99, 0.99, 0.975, 0.975});
    out.push_back({0.01, 0.99, 0.025, 0.975});
    return out;
}

bool PageSteps::Run(const std::function<FileError()>& call) {
    for (;;) {
        FileError e = call();
        if (!e) return true;
        // The box needs a text even where the device said nothing about the failure.
        if (e.description.empty()) e.description = ErrorDescription(e.number);
        if (!onError_ || !onError_(e)) return false;
    }
}

bool PageSteps::ReadPage() {
    double w = 0, h = 0;
    if (!Run([&] { return printer_.PageSize(w, h); })) return false;
    width_ = double(RoundHalfEven(w));
    height_ = double(RoundHalfEven(h));
    hasPage_ = true;
    return true;
}

bool PageSteps::Line(const PageSegment& s, Rgb color) {
    return Run([&] {
        return printer_.Line(s.x1 * width_, s.y1 * height_, s.x2 * width_, s.y2 * height_, color);
    });
}

bool PageSteps::Lines(const std::vector<PageSegment>& segments, Rgb color) {
    for (const PageSegment& s : segments)
        if (!Line(s, color)) return false;
    return true;
}

bool PageSteps::Text(const PageText& t) {
    // The position is set again on a retry: a failed print may have moved it.
    return Run([&] {
        printer_.SetForeColor(t.color);
        printer_.SetCurrentX(t.x * width_);
        printer_.SetCurrentY(t.y * height_);
        if (!t.opaque) return printer_.Print(t.text);
        printer_.SetFontTransparent(false);
        const FileError e = printer_.Print(t.text);
        printer_.SetFontTransparent(true);
        return e;
    });
}

bool PageSteps::Texts(const std::vector<PageText>& texts) {
    for (const PageText& t : texts)
        if (!Text(t)) return false;
    return true;
}

bool PageSteps::EndDoc() {
    return Run([&] { return printer_.EndDoc(); });
}

}  // namespace vib
