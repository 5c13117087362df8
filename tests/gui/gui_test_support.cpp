#include "gui_test_support.h"

#include <gtest/gtest.h>

#include "gui/application.h"
#include "gui/bmp_header.h"
#include "gui/message_box.h"

namespace {
class NoModalBoxes : public ::testing::Environment {
 public:
  void SetUp() override {
    SetMessageBoxFunc([](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
      RecordedBoxes().push_back({text, caption, type, owner});
      return IDOK;
    });
  }
};
const auto* const g_env = ::testing::AddGlobalTestEnvironment(new NoModalBoxes);
}  // namespace

std::vector<RecordedBox>& RecordedBoxes() {
  static std::vector<RecordedBox> boxes;
  return boxes;
}

void ClearBoxes() { RecordedBoxes().clear(); }

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
    Application->ProcessMessages();
    Sleep(5);
  }
  return true;
}

void Pump(int ms) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(ms)) {
    Application->ProcessMessages();
    Sleep(5);
  }
}

Surface::Surface(int w, int h, COLORREF fill) : w_(w) {
  BITMAPINFO bi = TopDownInfo(w, h);
  dc_ = CreateCompatibleDC(nullptr);
  bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
  old_ = SelectObject(dc_, bmp_);
  HBRUSH brush = CreateSolidBrush(fill);
  RECT r = {0, 0, w, h};
  FillRect(dc_, &r, brush);
  DeleteObject(brush);
}

Surface::~Surface() {
  SelectObject(dc_, old_);
  DeleteObject(bmp_);
  DeleteDC(dc_);
}

COLORREF Surface::At(int x, int y) const {
  GdiFlush();
  uint32_t v = bits_[y * w_ + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void ExpectColour(COLORREF actual, COLORREF expected, int tolerance) {
  EXPECT_NEAR(GetRValue(actual), GetRValue(expected), tolerance) << std::hex << actual;
  EXPECT_NEAR(GetGValue(actual), GetGValue(expected), tolerance) << std::hex << actual;
  EXPECT_NEAR(GetBValue(actual), GetBValue(expected), tolerance) << std::hex << actual;
}

MessageRecorder::MessageRecorder(TControl* control) : control_(control), old_(control->WindowProc) {
  control->WindowProc = TWndMethod::Of<&MessageRecorder::Hook>(this);
}

bool MessageRecorder::Remove() {
  if (!control_ || control_->WindowProc != TWndMethod::Of<&MessageRecorder::Hook>(this)) return false;
  control_->WindowProc = old_;
  control_ = nullptr;
  return true;
}

int MessageRecorder::IndexOf(UINT msg) const {
  for (size_t i = 0; i < seen_.size(); ++i)
    if (seen_[i] == msg) return static_cast<int>(i);
  return -1;
}

long MessageRecorder::When(UINT msg) const {
  int i = IndexOf(msg);
  return i < 0 ? -1 : times_[static_cast<size_t>(i)];
}

void MessageRecorder::Hook(TMessage& m) {
  static long clock = 0;
  seen_.push_back(m.Msg);
  times_.push_back(clock++);
  old_(m);
}
