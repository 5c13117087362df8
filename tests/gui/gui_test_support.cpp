#include "gui_test_support.h"

#include <gtest/gtest.h>

#include "gui/application.h"
#include "gui/message_box.h"

namespace {
class NoModalBoxes : public ::testing::Environment {
 public:
  void SetUp() override {
    SetMessageBoxFunc([](HWND, const std::wstring& text, const std::wstring& caption, UINT type) {
      RecordedBoxes().push_back({text, caption, type});
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
