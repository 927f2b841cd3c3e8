#pragma once
// The system printer on Qt's print support. The QPrinter is created on first real use,
// so reading the orientation and font size at start-up costs nothing. A page is opened
// by the first drawing call and sent by EndDoc; positions are the printer's device
// pixels. When the user picks "Print to File" in the set-up dialog the page goes to
// that PDF file instead; with no printer installed the dialog proposes that file itself
// (the documents folder, "<program>-report.pdf"). A failed page leaves the set-up
// usable. The batch tool prints into memory and writes the bytes itself, so a failed
// write can never pass for a printed page.

#include <memory>
#include <string>

#include "platform/dialogs.h"

class QBuffer;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;

namespace vib {

class QtPrinter final : public Printer {
  public:
    QtPrinter();
    ~QtPrinter() override;

    FileError ShowSetupDialog(const std::string& title) override;
    int Orientation() const override { return orientation_; }
    void SetOrientation(int orientation) override;
    float FontSize() const override { return fontSize_; }
    void SetFontSize(float points) override;
    FileError PageSize(double& width, double& height) override;
    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void SetForeColor(Rgb color) override { color_ = color; }
    void SetDrawWidth(int width) override { width_ = width; }
    void SetDrawStyle(int style) override { style_ = style; }
    void SetFontTransparent(bool transparent) override { transparent_ = transparent; }
    FileError Line(double x1, double y1, double x2, double y2, Rgb color) override;
    FileError Print(const std::string& text) override;
    FileError EndDoc() override;
    void AbortDoc() override;

    // Prints the following document into memory as a PDF (A4, as the PDF printer); after
    // EndDoc, TakeDocument gives its bytes. An abandoned page leaves nothing.
    void SetOutputToMemory();
    std::string TakeDocument();

    // The reason of the error box when there is neither a printer nor a chosen file.
    static constexpr const char* kNoPrinterDetail =
        "no printer is available; Printer Setup offers to print the report to a PDF file";

  private:
    QPrinter& Device();
    // Replaces the device after a failed or abandoned page, keeping the chosen settings.
    void RenewDevice();
    QPagedPaintDevice& Target();
    int Resolution() const;
    FileError OpenPage();

    std::unique_ptr<QPrinter> printer_;
    bool toMemory_ = false;
    std::unique_ptr<QBuffer> buffer_;  // the memory the open page is printed into
    std::unique_ptr<QPdfWriter> pdf_;
    std::string document_;
    std::unique_ptr<QPainter> painter_;
    int orientation_ = kPortrait;
    float fontSize_ = 10.0f;
    double x_ = 0, y_ = 0;
    Rgb color_{};
    int width_ = 1;
    int style_ = kSolidLine;
    bool transparent_ = true;
};

}  // namespace vib
