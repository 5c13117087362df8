// TBitmap (declared in pictures.h): DIB storage, loading, pixel formats and pixel access.
#include <cstring>
#include <utility>
#include <vector>

#include "base/exception.h"
#include "gui/bmp_header.h"
#include "gui/pictures.h"

namespace {

int BitCount(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
  }
  return 24;
}

// The header of a top-down DIB of that size and format. Colour tables: black and white for
// 1 bit, Table (the loaded file's) or a grey ramp for 4 and 8 bits.
TBytes MakeInfo(int width, int height, TPixelFormat format, const std::vector<RGBQUAD>& table = {}) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(BitCount(format));
  header.biCompression = format == TPixelFormat::pf16bit ? BI_BITFIELDS : BI_RGB;
  TBytes info(reinterpret_cast<const uint8_t*>(&header), reinterpret_cast<const uint8_t*>(&header) + sizeof(header));
  auto append = [&info](const void* p, size_t n) {
    info.insert(info.end(), static_cast<const uint8_t*>(p), static_cast<const uint8_t*>(p) + n);
  };
  if (format == TPixelFormat::pf16bit) {
    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    append(masks, sizeof(masks));
  } else if (header.biBitCount <= 8) {
    std::vector<RGBQUAD> colours = table;
    const size_t count = size_t(1) << header.biBitCount;
    if (colours.empty()) {
      for (size_t i = 0; i < count; ++i) {
        const BYTE grey = static_cast<BYTE>(count == 2 ? i * 255 : i * 255 / (count - 1));
        colours.push_back({grey, grey, grey, 0});
      }
    }
    colours.resize(count, RGBQUAD{0, 0, 0, 0});
    reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biClrUsed = static_cast<DWORD>(count);
    append(colours.data(), colours.size() * sizeof(RGBQUAD));
  }
  return info;
}

const BITMAPINFOHEADER& HeaderOf(const TBytes& info) { return *reinterpret_cast<const BITMAPINFOHEADER*>(info.data()); }

std::vector<RGBQUAD> ColourTable(const TBytes& info) {
  if (info.empty() || HeaderOf(info).biBitCount > 8) return {};
  const RGBQUAD* first = reinterpret_cast<const RGBQUAD*>(info.data() + HeaderOf(info).biSize);
  return std::vector<RGBQUAD>(first, first + (info.size() - HeaderOf(info).biSize) / sizeof(RGBQUAD));
}

}  // namespace

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info(L"TBitmap", &TGraphic::StaticClass(), nullptr, {});
  return info;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other)
    : format_(other.format_), info_(other.info_), transparentColor_(other.transparentColor_) {
  SetTransparent(other.Transparent());
  if (other.Empty() || !Allocate()) return;
  std::memcpy(bits_, other.ScanLine(0), static_cast<size_t>(Stride()) * Height());
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      format_(other.format_),
      info_(std::move(other.info_)),
      transparentColor_(other.transparentColor_),
      canvasDC_(std::move(other.canvasDC_)),
      canvas_(std::move(other.canvas_)) {
  TGraphic::SetSize(other.Width(), other.Height());
  SetTransparent(other.Transparent());
  other.TGraphic::SetSize(0, 0);
}

TBitmap& TBitmap::operator=(TBitmap other) noexcept {
  ReleaseCanvas();
  other.ReleaseCanvas();
  std::swap(handle_, other.handle_);
  std::swap(bits_, other.bits_);
  std::swap(format_, other.format_);
  std::swap(info_, other.info_);
  std::swap(transparentColor_, other.transparentColor_);
  const int width = Width(), height = Height();
  TGraphic::SetSize(other.Width(), other.Height());
  other.TGraphic::SetSize(width, height);
  SetTransparent(other.Transparent());
  return *this;
}

TBitmap::~TBitmap() { Clear(); }

bool TBitmap::Allocate() {
  const BITMAPINFOHEADER& header = HeaderOf(info_);
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info_.data()), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  if (!handle || !bits) {
    if (handle) DeleteObject(handle);
    return false;
  }
  handle_ = handle;
  bits_ = static_cast<uint8_t*>(bits);
  TGraphic::SetSize(header.biWidth, header.biHeight < 0 ? -header.biHeight : header.biHeight);
  std::memset(bits_, 0, static_cast<size_t>(Stride()) * Height());
  return true;
}

void TBitmap::ReleaseCanvas() const {
  if (!canvasDC_) return;
  GdiFlush();
  canvasDC_.reset();
  if (canvas_) canvas_->SetHandle(nullptr);
}

void TBitmap::Clear() {
  ReleaseCanvas();
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
  bits_ = nullptr;
  TGraphic::SetSize(0, 0);
}

void TBitmap::SetSize(int width, int height) {
  const std::vector<RGBQUAD> table = ColourTable(info_);
  Clear();
  if (width < 1 || height < 1) return;
  info_ = MakeInfo(width, height, format_, table);
  Allocate();
}

int TBitmap::Stride() const { return ((Width() * BitCount(format_) + 31) / 32) * 4; }

HBITMAP TBitmap::Handle() const {
  ReleaseCanvas();
  return handle_;
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>();
  if (!canvasDC_ && handle_) {
    canvasDC_ = std::make_unique<TBitmapDC>(handle_);
    canvas_->SetHandle(canvasDC_->Handle());
  }
  return *canvas_;
}

bool TBitmap::LoadFromStream(const void* data, size_t size) {
  Clear();
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  const size_t infoBytes = bytes ? BmpInfoBytes(bytes, size) : 0;
  if (infoBytes == 0) return false;
  // The headers are copied to aligned memory for GDI.
  std::vector<uint32_t> header(infoBytes / 4 + 1, 0);
  std::memcpy(header.data(), bytes + sizeof(BITMAPFILEHEADER), infoBytes);
  const BITMAPINFO* file = reinterpret_cast<const BITMAPINFO*>(header.data());
  const int width = file->bmiHeader.biWidth;
  const int rows = file->bmiHeader.biHeight < 0 ? -file->bmiHeader.biHeight : file->bmiHeader.biHeight;
  std::vector<RGBQUAD> table;
  switch (file->bmiHeader.biBitCount) {
    case 1: format_ = TPixelFormat::pf1bit; break;
    case 4: format_ = TPixelFormat::pf4bit; break;
    case 8: format_ = TPixelFormat::pf8bit; break;
    case 16: format_ = TPixelFormat::pf16bit; break;
    case 32: format_ = TPixelFormat::pf32bit; break;
    default: format_ = TPixelFormat::pf24bit; break;
  }
  if (file->bmiHeader.biBitCount <= 8) {
    const RGBQUAD* first = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const uint8_t*>(file) + file->bmiHeader.biSize);
    table.assign(first, first + (infoBytes - file->bmiHeader.biSize) / sizeof(RGBQUAD));
  }
  info_ = MakeInfo(width, rows, format_, table);
  if (!Allocate()) return false;
  // With DIB_RGB_COLORS the colour table is in the header: no device context is needed.
  if (SetDIBits(nullptr, handle_, 0, rows, bytes + BmpReadU32(bytes + 10), file, DIB_RGB_COLORS) != rows) {
    Clear();
    return false;
  }
  return true;
}

void TBitmap::LoadFromData(const TBytes& data) {
  if (!LoadFromStream(data.data(), data.size())) throw Exception(L"Bitmap image is not valid");
}

std::unique_ptr<TGraphic> TBitmap::Clone() const { return std::make_unique<TBitmap>(*this); }

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  if (format == TPixelFormat::pf4bit || format == TPixelFormat::pf8bit)
    throw Exception(L"Bitmaps of 4 or 8 bits are read from files only");
  if (Empty()) {
    format_ = format;
    return;
  }
  // Through 32-bit pixels: GDI converts into any format, to a colour table's nearest colour.
  const int width = Width(), height = Height();
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  BITMAPINFO bgra = TopDownInfo(width, height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, Handle(), 0, height, pixels.data(), &bgra, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  TBitmap converted(width, height, format);
  if (converted.Empty()) throw Exception(L"Out of memory for a bitmap");
  SetDIBits(nullptr, converted.handle_, 0, height, pixels.data(), &bgra, DIB_RGB_COLORS);
  converted.SetTransparent(Transparent());
  converted.transparentColor_ = transparentColor_;
  *this = std::move(converted);
}

COLORREF TBitmap::TransparentColor() const {
  if (transparentColor_ != CLR_INVALID) return transparentColor_;
  return Pixel(0, Height() - 1);
}

uint8_t* TBitmap::ScanLine(int y) {
  GdiFlush();
  return bits_ + static_cast<size_t>(y) * Stride();
}

const uint8_t* TBitmap::ScanLine(int y) const {
  GdiFlush();
  return bits_ + static_cast<size_t>(y) * Stride();
}

COLORREF TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return CLR_INVALID;
  const uint8_t* row = ScanLine(y);
  switch (format_) {
    case TPixelFormat::pf24bit: return RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    case TPixelFormat::pf32bit: return RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
    case TPixelFormat::pf16bit: {
      const unsigned v = row[x * 2] | (row[x * 2 + 1] << 8);
      return RGB(((v >> 11) & 31) * 255 / 31, ((v >> 5) & 63) * 255 / 63, (v & 31) * 255 / 31);
    }
    default: {
      const int bits = BitCount(format_);
      const int perByte = 8 / bits;
      const int shift = 8 - bits * (x % perByte + 1);
      const size_t index = (row[x / perByte] >> shift) & ((1 << bits) - 1);
      const std::vector<RGBQUAD> table = ColourTable(info_);
      if (index >= table.size()) return RGB(0, 0, 0);
      return RGB(table[index].rgbRed, table[index].rgbGreen, table[index].rgbBlue);
    }
  }
}

void TBitmap::SetPixel(int x, int y, COLORREF colour) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  uint8_t* row = ScanLine(y);
  switch (format_) {
    case TPixelFormat::pf24bit:
    case TPixelFormat::pf32bit: {
      uint8_t* p = row + x * (BitCount(format_) / 8);
      p[0] = GetBValue(colour);
      p[1] = GetGValue(colour);
      p[2] = GetRValue(colour);
      return;
    }
    default: {
      // Other formats: GDI picks the nearest colour the format holds.
      TBitmapDC dc(Handle());
      ::SetPixel(dc, x, y, colour);
    }
  }
}

void TBitmap::Fill(COLORREF colour) {
  if (Empty()) return;
  if (format_ != TPixelFormat::pf24bit) {
    TBitmapDC dc(Handle());
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all = {0, 0, Width(), Height()};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    return;
  }
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = ScanLine(y);
    for (int x = 0; x < Width(); ++x, p += 3) {
      p[0] = GetBValue(colour);
      p[1] = GetGValue(colour);
      p[2] = GetRValue(colour);
    }
  }
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) {
  if (Empty()) return;
  TBitmapDC src(Handle());
  if (Transparent()) {
    TransparentBlt(canvas.Handle(), r.left, r.top, ::Width(r), ::Height(r), src, 0, 0, Width(), Height(),
                   TransparentColor());
  } else {
    SetStretchBltMode(canvas.Handle(), COLORONCOLOR);
    StretchBlt(canvas.Handle(), r.left, r.top, ::Width(r), ::Height(r), src, 0, 0, Width(), Height(), SRCCOPY);
  }
}
