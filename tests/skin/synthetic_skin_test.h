// The fixture of the skinner tests on real windows: a shown form, our skin component with the
// synthetic test skin (one solid colour per element frame), a window skinner for the attaches,
// and pictures of what a window or a windowless control paints (paint_probe.h).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui/forms.h"
#include "packed_skin.h"
#include "paint_probe.h"
#include "skin/img_util.h"
#include "skin/skin_data.h"
#include "skin/skin_elements.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "synthetic_skin.h"

class SyntheticSkinTest : public testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 300, 200);
    form->Show();
    data = new TSkinData(form);
    data->ReadSkinStream(OurStoredSkin());
    synthetic = std::make_unique<TSyntheticSkin>(data->Elements);
    const TDataSkinButton* faces = &data->Elements.Buttons;
    ASSERT_EQ(faces->Frames(), 5);
    kNormal = synthetic->Colour(faces, 1);
    kPressed = synthetic->Colour(faces, 2);
    kDisabled = synthetic->Colour(faces, 3);
    kHot = synthetic->Colour(faces, 4);
    kFocusedFace = synthetic->Colour(faces, 5);
    ASSERT_NE(kNormal, 0u);
    kFace = static_cast<COLORREF>(SkinColourToRGB(data->Elements.ColourTable[kColourButtonFace]));
    skinForm = new TWinSkinForm(nullptr);
    skinForm->SkinData = data;
    SetFocus(form->Handle());
  }
  void TearDown() override {
    delete skinForm;
    delete form;
    FreeSkinManager();
  }

  static TBitmap Picture(HWND window, bool erase = false) { return PaintedPicture(window, erase); }
  static TBitmap Picture(TControl* control) { return PaintedPicture(control); }
  // The pixel at (x, y) of what the window paints.
  static COLORREF Probe(HWND window, int x = 3, int y = 3) { return Picture(window).Pixel(x, y); }

  TForm* form = nullptr;
  TSkinData* data = nullptr;
  std::unique_ptr<TSyntheticSkin> synthetic;
  // The "Buttons" face frames, and the skin's face colour.
  COLORREF kNormal = 0, kPressed = 0, kDisabled = 0, kHot = 0, kFocusedFace = 0, kFace = 0;
  TWinSkinForm* skinForm = nullptr;
};
