#pragma once
// A Canvas that keeps every call, for tests of drawing code: what was drawn, where and in
// which colour, in the order drawn.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace vib::testing {

class RecordingCanvas : public Canvas {
  public:
    struct LineCall {
        double x1, y1, x2, y2;
        Rgb color;
    };
    struct TextCall {
        double x, y;
        std::string text;
        Rgb color;
    };

    RecordingCanvas(double width, double height) : width_(width), height_(height) {}

    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override {
        lines.push_back({x1, y1, x2, y2, color});
    }
    void Text(double x, double y, const std::string& text, Rgb color) override {
        texts.push_back({x, y, text, color});
    }

    std::vector<LineCall> LinesIn(Rgb color) const {
        std::vector<LineCall> out;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                     [&](const LineCall& l) { return l.color == color; });
        return out;
    }
    std::size_t CountIn(Rgb color) const { return LinesIn(color).size(); }
    // The first text call with exactly this text, or nullptr.
    const TextCall* FindText(const std::string& text) const {
        auto it = std::find_if(texts.begin(), texts.end(),
                               [&](const TextCall& t) { return t.text == text; });
        return it == texts.end() ? nullptr : &*it;
    }
    void Clear() {
        lines.clear();
        texts.clear();
    }

    std::vector<LineCall> lines;
    std::vector<TextCall> texts;

  private:
    double width_, height_;
};

}  // namespace vib::testing
