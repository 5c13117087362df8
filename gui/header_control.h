// The native header control (THeaderControl): a row of column headings the user can click
// and resize, as over a report.
#pragma once

#include "gui/controls.h"
#include "gui/ext_ctrls.h"

class THeaderControl;

class THeaderSection : public TCollectionItem {
  QS_CLASS(THeaderSection)

 public:
  explicit THeaderSection(TCollection* collection) : TCollectionItem(collection) {}

  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& value);
  // The width shown, also after the user dragged it.
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 private:
  friend class THeaderControl;

  std::wstring text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

using THeaderSections = TTypedCollection<THeaderSection>;
using TSectionNotifyEvent = std::function<void(THeaderControl* HeaderControl, THeaderSection* Section)>;

class THeaderControl : public TWinControl {
  QS_CLASS(THeaderControl)

 public:
  explicit THeaderControl(TComponent* owner);

  THeaderSections* Sections() const { return sections_.get(); }
  // Where section `index` is, in client coordinates (empty without a window).
  TRect SectionRect(int index) const;

  TSectionNotifyEvent OnSectionClick;
  // After the user changed a section's width.
  TSectionNotifyEvent OnSectionResize;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;

 private:
  friend class THeaderSection;
  void UpdateSections();
  void SetSection(int index, bool insert);

  std::unique_ptr<THeaderSections> sections_;
};

void RegisterHeaderClasses();
