// The picture button's looks under the mouse, pressed, latched and disabled, driven by real
// window messages through the framework's mouse routing.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/pagekit/image_ex.h"
#include "gui/application.h"
#include "gui/forms.h"

namespace {

// A 24-bit BMP file of the given size: the looks are told apart by the width of the picture shown.
TBytes MakeBmp(int width, int height) {
  const int stride = (width * 3 + 3) & ~3;
  const DWORD imageSize = stride * height;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + imageSize;
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = imageSize;
  TBytes bytes(file.bfSize, 0x80);
  memcpy(bytes.data(), &file, sizeof file);
  memcpy(bytes.data() + sizeof file, &info, sizeof info);
  return bytes;
}

std::unique_ptr<TPicture> MakePicture(int width) {
  auto picture = std::make_unique<TPicture>();
  picture->LoadFromData(MakeBmp(width, 8));
  return picture;
}

constexpr int kNormal = 10, kOver = 11, kDown = 12;
const POINT kInside{30, 30};    // form client coordinates inside the button
const POINT kOutside{150, 80};  // inside the form, away from the button

class ImageExTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(100, 100, 200, 100);
    form->Show();
    MakeButton();
  }

  // A fresh button at rest, with the mouse away from it.
  void MakeButton() {
    MoveTo(kOutside, 0);
    delete button;
    clicks = 0;
    button = new TImageEx(form.get());
    button->SetParent(form.get());
    button->SetBounds(20, 20, 40, 30);
    button->SetNormalGlyph(MakePicture(kNormal).get());
    button->SetOverGlyph(MakePicture(kOver).get());
    button->SetDownGlyph(MakePicture(kDown).get());
    button->OnClick = [this](TObject*) { ++clicks; };
  }

  void TearDown() override { form.reset(); }

  int Look() const { return button->Picture()->Width(); }

  // The cursor really moves (Wine checks it for leave tracking), then the form hears of it.
  void MoveTo(POINT p, WPARAM keys) {
    POINT screen = p;
    ClientToScreen(form->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(form->Handle(), WM_MOUSEMOVE, keys, MAKELPARAM(p.x, p.y));
    Application->ProcessMessages();
  }

  void Mouse(UINT msg, POINT p, WPARAM keys) {
    SendMessageW(form->Handle(), msg, keys, MAKELPARAM(p.x, p.y));
    Application->ProcessMessages();
  }

  std::unique_ptr<TForm> form;
  TImageEx* button = nullptr;
  int clicks = 0;
};

enum class Step { Enter, Leave, Press, Release, DragOff, ReleaseOutside, Latch, Unlatch, Disable };

struct Case {
  const char* name;
  std::vector<std::pair<Step, int>> steps;  // each step and the look it must leave
  int clicks;
};

const Case kCases[] = {
    {"hover and leave", {{Step::Enter, kOver}, {Step::Leave, kNormal}}, 0},
    {"press and release over the button ends at rest",
     {{Step::Enter, kOver}, {Step::Press, kDown}, {Step::Release, kNormal}},
     1},
    {"drag off and release outside: no click",
     {{Step::Enter, kOver}, {Step::Press, kDown}, {Step::DragOff, kNormal}, {Step::ReleaseOutside, kNormal}},
     0},
    {"latched ignores enter, leave and release",
     {{Step::Latch, kDown}, {Step::Enter, kDown}, {Step::Press, kDown}, {Step::Release, kDown},
      {Step::Leave, kDown}},
     1},
    {"unlatching under the mouse shows the rest picture",
     {{Step::Enter, kOver}, {Step::Latch, kDown}, {Step::Unlatch, kNormal}},
     0},
    {"disabled at rest gets no mouse events",
     {{Step::Disable, kNormal}, {Step::Enter, kNormal}, {Step::Press, kNormal}, {Step::Release, kNormal},
      {Step::Leave, kNormal}},
     0},
    {"disabled while latched keeps the pressed picture",
     {{Step::Latch, kDown}, {Step::Disable, kDown}, {Step::Enter, kDown}, {Step::Press, kDown},
      {Step::Release, kDown}, {Step::Leave, kDown}},
     0},
};

TEST_F(ImageExTest, LooksFollowTheStateTable) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    MakeButton();
    ASSERT_EQ(Look(), kNormal);
    int index = 0;
    for (const auto& [step, look] : c.steps) {
      switch (step) {
        case Step::Enter: MoveTo(kInside, 0); break;
        case Step::Leave: MoveTo(kOutside, 0); break;
        case Step::Press: Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON); break;
        case Step::Release: Mouse(WM_LBUTTONUP, kInside, 0); break;
        case Step::DragOff: MoveTo(kOutside, MK_LBUTTON); break;
        case Step::ReleaseOutside: Mouse(WM_LBUTTONUP, kOutside, 0); break;
        case Step::Latch: button->SetDown(true); break;
        case Step::Unlatch: button->SetDown(false); break;
        case Step::Disable: button->SetEnabled(false); break;
      }
      EXPECT_EQ(Look(), look) << "after step " << index;
      ++index;
    }
    EXPECT_EQ(clicks, c.clicks);
  }
}

TEST_F(ImageExTest, ClickHandlerThatLatchesKeepsThePressedPicture) {
  // The click comes before the mouse-up hook, so the latch set by the handler holds.
  button->OnClick = [this](TObject*) { button->SetDown(true); };
  MoveTo(kInside, 0);
  Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, kInside, 0);
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(Look(), kDown);
  MoveTo(kOutside, 0);
  EXPECT_EQ(Look(), kDown);
}

TEST_F(ImageExTest, EnterAndLeaveEventsComeFirstWithTheNotification) {
  std::vector<std::pair<UINT, int>> seen;  // message and the look shown when the event fired
  button->OnMouseEnter = [&](TObject* sender, TMessage& m) {
    EXPECT_EQ(sender, button);
    seen.push_back({m.Msg, Look()});
  };
  button->OnMouseLeave = [&](TObject* sender, TMessage& m) { seen.push_back({m.Msg, Look()}); };
  MoveTo(kInside, 0);
  MoveTo(kOutside, 0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(CM_MOUSEENTER, kNormal));
  EXPECT_EQ(seen[1], std::make_pair(CM_MOUSELEAVE, kOver));
}

TEST_F(ImageExTest, OnlyTheRestPictureShowsAtOnceWhenAssigned) {
  button->SetDownGlyph(MakePicture(21).get());
  button->SetOverGlyph(MakePicture(22).get());
  EXPECT_EQ(Look(), kNormal);
  button->SetNormalGlyph(MakePicture(20).get());
  EXPECT_EQ(Look(), 20);
  MoveTo(kInside, 0);
  EXPECT_EQ(Look(), 22);
  Mouse(WM_LBUTTONDOWN, kInside, MK_LBUTTON);
  EXPECT_EQ(Look(), 21);
  Mouse(WM_LBUTTONUP, kInside, 0);
  EXPECT_EQ(Look(), 20);
}

TEST_F(ImageExTest, GlyphsAreCopiesOwnedByTheButton) {
  {
    auto temporary = MakePicture(30);
    button->SetOverGlyph(temporary.get());
  }
  EXPECT_EQ(button->OverGlyph()->Width(), 30);
  MoveTo(kInside, 0);
  EXPECT_EQ(Look(), 30);
}

TEST(ImageExClass, PublishesItsPropertiesByName) {
  const TClassInfo& info = TImageEx::StaticClass();
  EXPECT_TRUE(info.InheritsFrom(L"TImage"));
  for (const wchar_t* name : {L"OnMouseEnter", L"OnMouseLeave", L"NormalGlyph", L"DownGlyph", L"OverGlyph", L"Down"})
    EXPECT_NE(info.FindProp(name), nullptr) << std::string(name, name + wcslen(name));
  EXPECT_EQ(*info.FindProp(L"OnMouseEnter")->EventType, typeid(TMouseNotifyEvent));
}

}  // namespace
