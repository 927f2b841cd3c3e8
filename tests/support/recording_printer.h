#pragma once
// A Printer that keeps every call, for tests of the reports: lines and texts with their
// colour, pen and font, the document events in order, and failures injected by attempt
// number (every PageSize, Line, Print and EndDoc call counts as one attempt).

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace vib::testing {

class RecordingPrinter : public Printer {
  public:
    struct LineCall {
        double x1, y1, x2, y2;
        Rgb color;
        int width, style;
    };
    struct TextCall {
        double x, y;
        std::string text;
        Rgb color;
        float fontSize;
        bool opaque = false;
    };

    double width = 11000, height = 8500;
    std::set<int> failingAttempts;  // these attempts fail with a printer error
    int failFrom = -1;              // and every attempt from this one on, when >= 0
    int attempts = 0;

    std::vector<LineCall> lines;
    std::vector<TextCall> texts;
    std::vector<std::string> events;  // "orientation:2", "page", "line", "text", "enddoc"...

    FileError ShowSetupDialog(const std::string&) override { return {}; }
    int Orientation() const override { return orientation_; }
    void SetOrientation(int o) override {
        orientation_ = o;
        events.push_back("orientation:" + std::to_string(o));
    }
    float FontSize() const override { return font_; }
    void SetFontSize(float points) override { font_ = points; }
    FileError PageSize(double& w, double& h) override {
        if (auto e = Attempt()) return e;
        w = width;
        h = height;
        events.push_back("page");
        return {};
    }
    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void SetForeColor(Rgb c) override { color_ = c; }
    void SetDrawWidth(int w) override { width_ = w; }
    void SetDrawStyle(int s) override { style_ = s; }
    void SetFontTransparent(bool transparent) override { opaque_ = !transparent; }
    FileError Line(double x1, double y1, double x2, double y2, Rgb c) override {
        if (auto e = Attempt()) return e;
        lines.push_back({x1, y1, x2, y2, c, width_, style_});
        events.push_back("line");
        return {};
    }
    FileError Print(const std::string& text) override {
        if (auto e = Attempt()) return e;
        texts.push_back({x_, y_, text, color_, font_, opaque_});
        events.push_back("text");
        return {};
    }
    FileError EndDoc() override {
        if (auto e = Attempt()) return e;
        events.push_back("enddoc");
        return {};
    }
    void AbortDoc() override { events.push_back("abortdoc"); }

    // The first text call with exactly this text, or nullptr.
    const TextCall* FindText(const std::string& text) const {
        auto it = std::find_if(texts.begin(), texts.end(),
                               [&](const TextCall& t) { return t.text == text; });
        return it == texts.end() ? nullptr : &*it;
    }
    std::vector<LineCall> LinesIn(Rgb c) const {
        std::vector<LineCall> out;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                     [&](const LineCall& l) { return l.color == c; });
        return out;
    }
    bool Has(const std::string& event) const {
        return std::find(events.begin(), events.end(), event) != events.end();
    }

  private:
    FileError Attempt() {
        const int n = attempts++;
        if (failingAttempts.count(n) || (failFrom >= 0 && n >= failFrom))
            return FileError::Make(482, "printer off line");
        return {};
    }
    int orientation_ = kPortrait;
    float font_ = 8.0f;
    double x_ = 0, y_ = 0;
    Rgb color_{};
    int width_ = 1, style_ = kSolidLine;
    bool opaque_ = false;
};

}  // namespace vib::testing
