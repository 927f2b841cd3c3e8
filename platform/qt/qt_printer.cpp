#include "qt_printer.h"

#include "painter_canvas.h"

#include <QApplication>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <utility>

namespace vib {
namespace {

QPageLayout::Orientation ToQt(int orientation) {
    return orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Where the set-up proposes the report's PDF when there is no printer to choose.
QString DefaultPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString program = QApplication::applicationName().toLower();
    return QDir(folder).filePath((program.isEmpty() ? QString("report") : program + "-report") +
                                 ".pdf");
}

bool NoPrinterInstalled() {
    return QPrinterInfo::availablePrinters().isEmpty();
}

}  // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() {
    // A page that was started but never ended is discarded, not sent half drawn.
    if (painter_) {
        if (!pdf_) printer_->abort();
        painter_->end();
    }
}

QPrinter& QtPrinter::Device() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(ToQt(orientation_));
    }
    return *printer_;
}

void QtPrinter::RenewDevice() {
    if (!printer_) return;
    // A QPrinter whose page could not be begun stays "active" for good and refuses every
    // later setting, Print to File among them; a fresh one keeps what the user chose.
    const QPrinter& old = *printer_;
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!old.printerName().isEmpty()) fresh->setPrinterName(old.printerName());
    fresh->setOutputFileName(old.outputFileName());
    fresh->setPageLayout(old.pageLayout());
    fresh->setColorMode(old.colorMode());
    fresh->setCopyCount(old.copyCount());
    fresh->setDuplex(old.duplex());
    fresh->setPageOrientation(ToQt(orientation_));
    printer_ = std::move(fresh);
}

FileError QtPrinter::ShowSetupDialog(const std::string& title) {
    QPrinter& printer = Device();
    // With no printer to choose, the dialog offers the PDF file at once.
    const bool proposePdf = NoPrinterInstalled() && printer.outputFileName().isEmpty();
    if (proposePdf) printer.setOutputFileName(DefaultPdfPath());
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(title));
    // The dialog only stores the settings for the next report; nothing is printed here.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
    if (dialog.exec() == QDialog::Accepted) {
        orientation_ =
            printer.pageLayout().orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
    } else if (proposePdf) {
        printer.setOutputFileName({});  // a cancelled set-up chooses no file
    }
    return {};
}

void QtPrinter::SetOutputToMemory() {
    toMemory_ = true;
}

std::string QtPrinter::TakeDocument() {
    return std::exchange(document_, std::string());
}

QPagedPaintDevice& QtPrinter::Target() {
    if (pdf_) return *pdf_;
    return Device();
}

int QtPrinter::Resolution() const {
    return pdf_ ? pdf_->resolution() : printer_->resolution();
}

void QtPrinter::SetOrientation(int orientation) {
    orientation_ = orientation == kLandscape ? kLandscape : kPortrait;
    // The orientation of a page already begun cannot change; it applies to the next one.
    if (printer_ && !painter_) printer_->setPageOrientation(ToQt(orientation_));
}

void QtPrinter::SetFontSize(float points) {
    if (points > 0) fontSize_ = points;
}

FileError QtPrinter::OpenPage() {
    if (painter_) return {};
    if (toMemory_) {
        buffer_ = std::make_unique<QBuffer>();
        buffer_->open(QIODevice::WriteOnly);
        pdf_ = std::make_unique<QPdfWriter>(buffer_.get());
        // The PDF printer's page: A4 with its margins, at high resolution.
        pdf_->setResolution(1200);
        pdf_->setPageOrientation(ToQt(orientation_));
    } else {
        QPrinter& printer = Device();
        // Without a printer Qt falls back to a PDF file, which needs a name to begin.
        const bool noTarget = !printer.isValid() || printer.outputFormat() == QPrinter::PdfFormat;
        if (noTarget && printer.outputFileName().isEmpty())
            return FileError::Make(err::kPrinterError, kNoPrinterDetail);
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&Target())) {
        pdf_.reset();
        buffer_.reset();
        if (!toMemory_) RenewDevice();
        return FileError::Make(err::kPrinterError, "printer refused the page");
    }
    painter_ = std::move(painter);
    return {};
}

FileError QtPrinter::PageSize(double& width, double& height) {
    if (auto e = OpenPage()) return e;
    width = Target().width();
    height = Target().height();
    return {};
}

FileError QtPrinter::Line(double x1, double y1, double x2, double y2, Rgb color) {
    if (auto e = OpenPage()) return e;
    PainterCanvas page(*painter_, QRectF(0, 0, Target().width(), Target().height()), fontSize_);
    // Widths are in printer pixels of a 96 dpi screen, so lines look alike on any device.
    page.SetPen(width_ * Resolution() / 96.0, style_ == kDottedLine);
    page.Line(x1, y1, x2, y2, color);
    x_ = x2;
    y_ = y2;
    return {};
}

FileError QtPrinter::Print(const std::string& text) {
    if (auto e = OpenPage()) return e;
    PainterCanvas page(*painter_, QRectF(0, 0, Target().width(), Target().height()), fontSize_);
    if (!transparent_) {
        painter_->setBackgroundMode(Qt::OpaqueMode);
        painter_->setBackground(Qt::white);
    }
    page.Text(x_, y_, text, color_);
    painter_->setBackgroundMode(Qt::TransparentMode);
    x_ = 0;
    y_ += page.LineHeight();
    return {};
}

FileError QtPrinter::EndDoc() {
    if (!painter_) return {};
    const bool ok = painter_->end();
    painter_.reset();
    x_ = y_ = 0;
    if (pdf_) {
        if (ok) document_ = buffer_->data().toStdString();
        pdf_.reset();
        buffer_.reset();
    }
    if (!ok) {
        if (!toMemory_) RenewDevice();
        return FileError::Make(err::kPrinterError, "the page could not be sent");
    }
    return {};
}

void QtPrinter::AbortDoc() {
    if (!painter_) return;
    const bool onPrinter = !pdf_;
    if (onPrinter) printer_->abort();
    painter_->end();
    painter_.reset();
    pdf_.reset();
    buffer_.reset();
    x_ = y_ = 0;
    if (onPrinter) RenewDevice();
}

}  // namespace vib
