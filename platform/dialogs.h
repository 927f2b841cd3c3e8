#pragma once
// The modal boxes, file dialogs, printer, clock and program end that the commands reach
// through small interfaces, so every command runs the same against the real desktop and
// against a scripted double in the tests. Plain C++: the Qt side lives in platform/qt.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"

class QImage;

namespace vib {

enum class BoxButtons { Ok, YesNo, RetryCancel };
enum class BoxIcon { None, Stop, Exclamation, Information };
enum class BoxAnswer { Ok, Yes, No, Retry, Cancel };

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Modal; an empty title shows the program's name. Returns the button pressed
    // (closing the box counts as No or Cancel, or Ok for an OK-only box). `detail`, when
    // not empty, says why (record and field of a refused file, the printer's own
    // message) below the box's text, which stays as written: as BoxReasonOf splits it.
    virtual BoxAnswer Show(const std::string& text, BoxButtons buttons, BoxIcon icon,
                           const std::string& title, const std::string& detail = {}) = 0;
};

// How a box shows its reason. `shown` stands under the box's text without a click: the
// whole reason, or, for a long one, its first lines ending in "..."; `behindDetails` is
// the whole long reason, behind the box's Show Details button (empty for a short one).
struct BoxReason {
    std::string shown;
    std::string behindDetails;
};
inline constexpr std::size_t kShownReasonLines = 6;
inline constexpr std::size_t kShownReasonBytes = 480;
inline BoxReason BoxReasonOf(const std::string& detail) {
    std::size_t cut = 0, lines = 0;
    while (cut < detail.size() && lines < kShownReasonLines) {
        const auto end = detail.find('\n', cut);
        cut = end == std::string::npos ? detail.size() : end + 1;
        ++lines;
    }
    if (cut >= detail.size() && detail.size() <= kShownReasonBytes) return {detail, {}};
    cut = std::min(cut, kShownReasonBytes);
    // Never inside a UTF-8 character: back up over continuation bytes.
    while (cut > 0 && (static_cast<unsigned char>(detail[cut]) & 0xC0) == 0x80) --cut;
    std::string shown = detail.substr(0, cut);
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == ' ')) shown.pop_back();
    return {shown + " ...", detail};
}

class InputBox {
  public:
    virtual ~InputBox() = default;
    // Modal text entry; returns the text, or "" on Cancel.
    virtual std::string Ask(const std::string& prompt, const std::string& title,
                            const std::string& proposed) = 0;
};

// What a caller sets before showing a file dialog.
struct FileDialogRequest {
    std::string title;
    std::string filter;       // "description|pattern|description|pattern..."
    int filterIndex = 1;      // 1 = first pair
    std::string fileName;     // initial name, usually a pattern such as "QTRFileR.*"
    std::string folder = {};  // where the dialog starts; empty: where it last was
};

// Pairs of a filter string; a trailing description without a pattern is dropped.
inline std::vector<std::pair<std::string, std::string>> SplitFilterPairs(
    const std::string& filter) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= filter.size()) {
        const auto bar = filter.find('|', start);
        const auto end = bar == std::string::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        pairs.emplace_back(parts[i], parts[i + 1]);
    return pairs;
}

// The request with one filter more after the written ones: the patterns of the first two
// together under `description` ("All Profiles (QTRFileR.* *.prf)"), and selected, so the
// dialog lists the files of both names at once. A filter of fewer pairs stays as it is.
inline FileDialogRequest WithJoinedFilter(FileDialogRequest request,
                                          const std::string& description) {
    const auto pairs = SplitFilterPairs(request.filter);
    if (pairs.size() < 2) return request;
    const std::string joined = pairs[0].second + " " + pairs[1].second;
    request.filter += "|" + description + " (" + joined + ")|" + joined;
    request.filterIndex = static_cast<int>(pairs.size()) + 1;
    return request;
}

// A saved name without an extension gets `extension` ("prf"), so the file is listed by
// the dialogs' own patterns when it is opened again. Empty names, cancels (patterns such
// as "QTRFileR.*") and names with any extension stay as they are.
inline std::string WithDefaultExtension(const std::string& name, const std::string& extension) {
    const auto slash = name.find_last_of('/');
    const std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    if (base.empty() || base.find('.') != std::string::npos) return name;
    return name + "." + extension;
}

class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // Both return the file name after the dialog closed: the chosen full path, or the
    // request's initial name when the user cancelled. They never refuse a name.
    virtual std::string ShowOpen(const FileDialogRequest& request) = 0;
    virtual std::string ShowSave(const FileDialogRequest& request) = 0;
};

// A colour as red, green and blue, 0..255 each.
struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The 16 console colours by number (0 black ... 15 bright white); other numbers give
// black.
inline Rgb ConsoleColor(int number) {
    static constexpr Rgb kPalette[16] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},  {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},    {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255}};
    return number >= 0 && number < 16 ? kPalette[number] : Rgb{};
}

inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;
inline constexpr int kSolidLine = 0;
inline constexpr int kDottedLine = 2;

// The system printer as the reports draw on it: one page at a time, positions in the
// page's own scale units (origin top-left of the printable area, y downwards). Drawing
// calls that fail report it through the FileError they return (number and description
// for the "Error # ... Occured" box); the first failure of a page makes the rest no-ops.
class Printer {
  public:
    virtual ~Printer() = default;
    // The printer set-up dialog; what the user picks there is used by the next page.
    // Cancel is not an error.
    virtual FileError ShowSetupDialog(const std::string& title) = 0;

    virtual int Orientation() const = 0;  // kPortrait or kLandscape
    virtual void SetOrientation(int orientation) = 0;
    virtual float FontSize() const = 0;
    virtual void SetFontSize(float points) = 0;

    // Printable width and height of the page; opens the page if needed.
    virtual FileError PageSize(double& width, double& height) = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetForeColor(Rgb color) = 0;
    virtual void SetDrawWidth(int width) = 0;
    virtual void SetDrawStyle(int style) = 0;  // kSolidLine or kDottedLine
    // False: the texts that follow are printed on a paper-white box of their own size, so
    // no line drawn before shows through them. True (the start): on what is there.
    virtual void SetFontTransparent(bool transparent) = 0;
    virtual FileError Line(double x1, double y1, double x2, double y2, Rgb color) = 0;
    // Prints at the current position, then moves to the start of the next line.
    virtual FileError Print(const std::string& text) = 0;
    // Sends the page; the next drawing call starts a new document.
    virtual FileError EndDoc() = 0;
    // Abandons the page begun: nothing of it reaches the printer. No page: nothing.
    virtual void AbortDoc() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual double SecondsSinceMidnight() const = 0;
    virtual std::string TimeText() const = 0;  // the desktop's short time format
    virtual std::string DateText() const = 0;  // the desktop's short date format
};

class PeriodicTimer {
  public:
    virtual ~PeriodicTimer() = default;
    // Calls `tick` every `milliseconds` on the GUI thread until Stop.
    virtual void Start(int milliseconds, std::function<void()> tick) = 0;
    virtual void Stop() = 0;
};

// Makes the periodic timers a program runs; `name` lets a timer be found by it.
class Timers {
  public:
    virtual ~Timers() = default;
    virtual std::unique_ptr<PeriodicTimer> New(const std::string& name) = 0;
};

// The clipboard as the copy-plot command uses it: cleared, then given a bitmap.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetImage(const QImage& image) = 0;
    // Plain text, as spreadsheets exchange cells.
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() = 0;
};

// Shows a document (the user's guide) in the desktop's own viewer; false when it could
// not be handed over.
class DocumentViewer {
  public:
    virtual ~DocumentViewer() = default;
    virtual bool Open(const std::string& path) = 0;
};

// Ends the program at once: no unload handler, no questions.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void EndNow() = 0;
};

}  // namespace vib
