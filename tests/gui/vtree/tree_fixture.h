// A borderless form holding one tree-list, and pixel access to what the tree paints into a
// memory DC.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "gui/forms.h"
#include "gui/vtree/virtual_string_tree.h"

class TreeFixture {
 public:
  explicit TreeFixture(int width = 400, int height = 300);
  ~TreeFixture();
  TreeFixture(const TreeFixture&) = delete;
  TreeFixture& operator=(const TreeFixture&) = delete;

  TForm* form = nullptr;
  TVirtualStringTree* tree = nullptr;

  // The node of top-level row `i`, and of child `j` below it.
  PVirtualNode Row(uint32_t i) { return tree->RootNode()->Children[i]; }
  PVirtualNode Child(uint32_t i, uint32_t j) { return Row(i)->Children[j]; }
  // A click (down and up) at a client point of the tree.
  void Click(int x, int y);
  void ClickCheckBox(PVirtualNode node);
  void Key(WPARAM key);
};

// An image list of `count` images of one colour each (colours[i]), size x size.
TImageList* SolidImages(TComponent* owner, int size, const std::vector<COLORREF>& colours);

// What the tree paints into a 32-bit memory DC of its client size.
class Snapshot {
 public:
  explicit Snapshot(TBaseVirtualTree* tree);
  ~Snapshot();
  COLORREF Pixel(int x, int y) const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bmp_ = nullptr;
  HGDIOBJ old_ = nullptr;
  const uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};
