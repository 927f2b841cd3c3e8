#pragma once
// A persistent picture whose drawing units are twips (1/1440 inch; 15 twips per pixel
// at 96 dpi). Commands draw into the image; the widget only shows it. The picture takes
// the widget's size at each Clear, so drawing always fills the control as it is now;
// between a resize and the next Clear the old image is shown scaled. On a high-density
// screen the image holds device pixels while twips still map to logical pixels, so the
// drawing code needs no knowledge of the ratio.

#include <QImage>
#include <QWidget>
#include <string>

#include "platform/dialogs.h"
#include "platform/qt/painter_canvas.h"

namespace vib::shell {

class TwipsPicture {
  public:
    // Width and height of the drawing area in twips (what PlotW/PlotH read).
    double ScaleWidth() const { return pixels_.width() * twipsPerPixel_; }
    double ScaleHeight() const { return pixels_.height() * twipsPerPixel_; }
    double TwipsPerPixel() const { return twipsPerPixel_; }

    Rgb BackColor() const { return back_; }
    void SetBackColor(Rgb color);  // also clears, as a picture box does
    void SetForeColor(Rgb color) { fore_ = color; }
    Rgb ForeColor() const { return fore_; }
    void SetFontSize(double points) { fontPoints_ = points; }

    // Replaces the image by an empty one of the current size in the background colour.
    void Clear();
    void Line(double x1, double y1, double x2, double y2, Rgb color);
    void PSet(double x, double y, Rgb color);
    void FillBox(double x1, double y1, double x2, double y2, Rgb color);
    // Text at the current position in the fore colour; then the position moves to the
    // start of the next line.
    void Print(const std::string& text);
    double CurrentX = 0;
    double CurrentY = 0;

    const QImage& Image() const { return image_; }

    // Called by the widget: the size in logical pixels, the twips of one logical pixel
    // and the screen's device pixels per logical pixel.
    void SetPixelSize(QSize pixels, double twipsPerPixel, double devicePixelRatio = 1.0);
    double DevicePixelRatio() const { return ratio_; }

  private:
    void EnsureImage();
    QRectF Area() const { return QRectF(QPointF(0, 0), QSizeF(pixels_)); }

    QImage image_;
    QSize pixels_{1, 1};
    double twipsPerPixel_ = 15.0;
    double ratio_ = 1.0;
    Rgb back_{};
    Rgb fore_{0, 0, 0};
    double fontPoints_ = 8.0;
};

// Shows a TwipsPicture and reports mouse-downs in twips.
class PictureWidget : public QWidget {
    Q_OBJECT
  public:
    explicit PictureWidget(QWidget* parent = nullptr);
    TwipsPicture& Picture() { return picture_; }
    const TwipsPicture& Picture() const { return picture_; }

  signals:
    void MouseDown(int button, double xTwips, double yTwips);
    void Resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    TwipsPicture picture_;
};

}  // namespace vib::shell
