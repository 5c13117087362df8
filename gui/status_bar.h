// The native status bar (TStatusBar): panels side by side, or one simple text across the
// bar; panels the program draws itself through OnDrawPanel.
#pragma once

#include "gui/controls.h"
#include "gui/ext_ctrls.h"

enum class TStatusPanelStyle { psText, psOwnerDraw };
enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
extern const TEnumInfo StatusPanelStyleInfo, StatusPanelBevelInfo, BiDiModeInfo;

class TStatusBar;

class TStatusPanel : public TCollectionItem {
  QS_CLASS(TStatusPanel)

 public:
  explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);

 private:
  std::wstring text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TStatusPanelStyle style_ = TStatusPanelStyle::psText;
  TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
};

using TStatusPanels = TTypedCollection<TStatusPanel>;
using TDrawPanelEvent = std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TWinControl {
  QS_CLASS(TStatusBar)

 public:
  explicit TStatusBar(TComponent* owner);

  TStatusPanels* Panels() const { return panels_.get(); }
  // One text across the whole bar instead of the panels (also when there are no panels).
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  const std::wstring& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::wstring& value);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);

  // Where panel `index` is, in client coordinates (empty when it is not shown).
  TRect PanelRect(int index) const;
  // The canvas an OnDrawPanel handler draws on; bound to a device context only while
  // DrawPanel runs.
  TCanvas& Canvas() { return canvas_; }
  // Lets OnDrawPanel draw `panel` into `rect` of `dc` (the window's own drawing of an
  // owner-drawn panel, or anyone painting the bar in its place).
  void DrawPanel(TStatusPanel* panel, const TRect& rect, HDC dc);

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;

 private:
  // Hands the panels (or the simple text) to the window.
  void UpdatePanels();

  std::unique_ptr<TStatusPanels> panels_;
  bool simplePanel_ = false, sizeGrip_ = true;
  std::wstring simpleText_;
  TCanvas canvas_;
};

void RegisterStatusBarClasses();
