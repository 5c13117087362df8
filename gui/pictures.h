// Pictures: PNG (decoded by GDI+), BMP and ICO graphics, and TPicture that holds one of them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "gui/graphics.h"

using TBytes = std::vector<uint8_t>;

class TGraphic : public TPersistent {
  QS_CLASS(TGraphic)

 public:
  virtual bool Empty() const = 0;
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Draws the graphic scaled into r.
  virtual void Draw(TCanvas& canvas, const TRect& r) = 0;
  // Replaces the content from the bytes of a file of the graphic's format; throws on bad data.
  virtual void LoadFromData(const TBytes& data) = 0;
  // A copy of this graphic (its pixels are copied, nothing is decoded again).
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
  // BMP: draw without the colour of the bottom-left pixel.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }

 protected:
  // Each kind sets the size of what it loaded; an empty graphic stays 0 x 0.
  void SetSize(int width, int height) {
    width_ = width;
    height_ = height;
  }

 private:
  bool transparent_ = false;
  int width_ = 0, height_ = 0;
};

// A device-independent bitmap loaded from a BMP file.
class TBitmap : public TGraphic {
  QS_CLASS(TBitmap)

 public:
  ~TBitmap() override;
  bool Empty() const override { return handle_ == nullptr; }
  void Draw(TCanvas& canvas, const TRect& r) override;
  void LoadFromData(const TBytes& data) override;
  std::unique_ptr<TGraphic> Clone() const override;
  HBITMAP Handle() const { return handle_; }

 private:
  HBITMAP handle_ = nullptr;
  TBytes info_;  // header and colour table as loaded, for copies
};

// A PNG picture with its alpha channel, kept as a premultiplied 32-bit DIB.
class TPngImage : public TGraphic {
  QS_CLASS(TPngImage)

 public:
  ~TPngImage() override;
  bool Empty() const override { return handle_ == nullptr; }
  void Draw(TCanvas& canvas, const TRect& r) override;
  void LoadFromData(const TBytes& data) override;
  std::unique_ptr<TGraphic> Clone() const override;

 private:
  HBITMAP handle_ = nullptr;
};

// An icon from an ICO file (its largest image).
class TIcon : public TGraphic {
  QS_CLASS(TIcon)

 public:
  ~TIcon() override;
  bool Empty() const override { return handle_ == nullptr; }
  void Draw(TCanvas& canvas, const TRect& r) override;
  void LoadFromData(const TBytes& data) override;
  std::unique_ptr<TGraphic> Clone() const override;
  HICON Handle() const { return handle_; }

 private:
  HICON handle_ = nullptr;
};

// Holds one graphic of any kind. Form files fill it from a file's bytes ("Picture.File").
class TPicture : public TPersistent {
  QS_CLASS(TPicture)

 public:
  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  // Copies the other picture's graphic (or empties this one).
  void Assign(const TPicture* source);
  // Recognises PNG, BMP and ICO by their signatures; throws Exception on anything else.
  void LoadFromData(const TBytes& data);
  void Clear() { SetGraphic(nullptr); }
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  std::function<void()> OnChange;

 private:
  std::unique_ptr<TGraphic> graphic_;
};
