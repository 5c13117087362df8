// Image lists: equal-sized images (16 x 16, 24 x 24 ...) kept in one native image list that
// list views, tree views, menus and buttons draw from.
#pragma once

#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <functional>

#include "gui/controls.h"
#include "gui/pictures.h"

class TCustomImageList : public TComponent {
  QS_CLASS(TCustomImageList)

 public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  // The native list, made on first use. Changing Width, Height or Masked makes a new, empty one.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  int Width() const { return width_; }
  void SetWidth(int value);
  int Height() const { return height_; }
  void SetHeight(int value);
  // Masked lists keep a mask per image (drawn transparent where the mask is set); unmasked
  // lists draw every pixel, except where a 32-bit image's own alpha says otherwise.
  bool Masked() const { return masked_; }
  void SetMasked(bool value);
  int Count() const;

  // Adds every Width-wide image of a strip; mask may be null. Returns the first new index,
  // or -1 when nothing was added.
  int Add(const TBitmap* image, const TBitmap* mask);
  // Adds a strip whose pixels of maskColor are transparent.
  int AddMasked(const TBitmap* image, TColor maskColor);
  // Adds a strip the way form files give them: a 32-bit strip keeps its alpha; other strips
  // of a masked list are transparent where they have the colour of their bottom-left pixel.
  int AddStrip(const TBitmap* strip);
  int AddIcon(const TIcon* icon);
  int AddIcon(HICON icon);
  // Copies image `index` of another list to the end of this one.
  int AddImage(TCustomImageList* source, int index);
  void Delete(int index);
  void Clear();

  // Draws image `index` with its top-left at (x, y); a disabled image is drawn greyed (an
  // embossed outline in the button shadow and highlight colours). Bad indexes draw nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  // Makes Image one picture of the list's size: image `index` drawn over Background (a bad
  // index leaves only the background).
  void GetBitmap(int index, TBitmap* image, TColor background = clWhite);

  // The images of a form file: a BMP strip of Width-wide images added with AddStrip.
  void LoadBitmapData(const TBytes& data);

  void Loaded() override;

  // After every change of the images or their size.
  TNotifyEvent OnChange;

 private:
  void Change();
  void FreeHandle();
  void DrawGreyed(HDC dc, int x, int y, int index);

  HIMAGELIST handle_ = nullptr;
  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  TBytes pendingData_;  // images read before the whole form (and so the size) is known
};

class TImageList : public TCustomImageList {
  QS_CLASS(TImageList)

 public:
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

// Makes TImageList known to the form reader (RegisterStandardClasses calls it).
void RegisterImageListClasses();
