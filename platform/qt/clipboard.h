#pragma once
// The clipboard as the copy-plot command uses it: cleared, then given a bitmap.

#include <QImage>

namespace vib {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetImage(const QImage& image) = 0;
};

class QtClipboard final : public Clipboard {
  public:
    void Clear() override;
    void SetImage(const QImage& image) override;
};

}  // namespace vib
