// Pictures: PNG (decoded by GDI+), BMP and ICO graphics, and TPicture that holds one of them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "gui/graphics.h"
#include "gui/memory_dc.h"

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

// Bits per pixel of a bitmap. New bitmaps are pf24bit; a loaded file keeps the format it has
// (4 and 8 bits with its colour table); pf16bit is 5-6-5.
enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit };

// A device-independent bitmap: the one bitmap class of the framework and the skin engine.
// Rows are kept top-down in a DIB section (ScanLine(0) is the top row, each Stride() bytes,
// padded to 4), so GDI can draw with it and code can read and write pixels. Copies are deep.
class TBitmap : public TGraphic {
  QS_CLASS(TBitmap)

 public:
  TBitmap() = default;
  // Black pixels; a size below 1 in either direction gives an empty bitmap.
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  TBitmap(const TBitmap& other);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap other) noexcept;
  ~TBitmap() override;

  bool Empty() const override { return handle_ == nullptr; }
  void Draw(TCanvas& canvas, const TRect& r) override;
  // Throws Exception for bytes that are not a readable BMP file.
  void LoadFromData(const TBytes& data) override;
  std::unique_ptr<TGraphic> Clone() const override;
  void Assign(const TBitmap& source) { *this = source; }

  // Reads a .bmp file's bytes (1, 4, 8, 16, 24 or 32 bits, uncompressed or bit fields, either
  // row order), keeping its pixel format. A header that does not describe its data leaves the
  // bitmap empty and returns false.
  bool LoadFromStream(const void* data, size_t size);
  // The handle, free of the canvas's context so it can be selected elsewhere.
  HBITMAP Handle() const;
  TPixelFormat PixelFormat() const { return format_; }
  // Converts the pixels (GDI maps them to the nearest colour of a 1-bit bitmap's black and
  // white); 4 and 8 bits are read formats only and throw Exception here.
  void SetPixelFormat(TPixelFormat format);
  // New size with black pixels, same format; a size below 1 in either direction empties it.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  void Clear();
  int Stride() const;

  // The colour left out when drawn transparently: the one set, else the bottom-left pixel.
  COLORREF TransparentColor() const;
  void SetTransparentColor(COLORREF colour) { transparentColor_ = colour; }

  // A canvas drawing on the bitmap; valid until Handle() is asked for.
  TCanvas& Canvas();

  // Direct pixel access; GDI drawing is flushed first.
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  COLORREF Pixel(int x, int y) const;  // 0x00BBGGRR; CLR_INVALID outside
  void SetPixel(int x, int y, COLORREF colour);
  void Fill(COLORREF colour);

 private:
  // Makes the DIB section of info_ (its height negated: top-down); false when GDI refuses.
  bool Allocate();
  void ReleaseCanvas() const;

  HBITMAP handle_ = nullptr;
  uint8_t* bits_ = nullptr;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  TBytes info_;  // BITMAPINFOHEADER, then masks or colour table
  COLORREF transparentColor_ = CLR_INVALID;
  mutable std::unique_ptr<TBitmapDC> canvasDC_;
  mutable std::unique_ptr<TCanvas> canvas_;
};

// A PNG picture with its alpha channel. Loading reads only the header (the size); the pixels
// are decoded the first time the picture is drawn, into a premultiplied 32-bit DIB that every
// copy of the picture shares: most pictures of a form (a button's pressed and hover looks) are
// never drawn, and the ones that are get decoded once.
class TPngImage : public TGraphic {
  QS_CLASS(TPngImage)

 public:
  bool Empty() const override { return !image_; }
  void Draw(TCanvas& canvas, const TRect& r) override;
  // Throws Exception when the bytes do not begin like a PNG file with a size.
  void LoadFromData(const TBytes& data) override;
  std::unique_ptr<TGraphic> Clone() const override;
  // The decoded pixels (decoding them now if needed); nullptr when the data does not decode.
  HBITMAP Handle() const;

 private:
  struct TPngPixels;
  std::shared_ptr<TPngPixels> image_;
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
  // Takes over an icon the program got elsewhere (ExtractIcon, LoadImage): it is destroyed with
  // this object. nullptr empties the icon.
  void SetHandle(HICON icon);

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
