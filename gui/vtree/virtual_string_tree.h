// The tree-list that shows texts: OnGetText gives each cell's text, OnPaintText may change
// the font of a cell before it is drawn. TVirtualDrawTree leaves every cell to OnDrawNode.
#pragma once

#include <string>

#include "gui/vtree/base_virtual_tree.h"
#include "gui/vtree/text_widths.h"

enum class TVSTTextType { ttNormal, ttStatic };

using TVSTGetTextEvent = std::function<void(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column,
                                            TVSTTextType TextType, std::wstring& CellText)>;
using TVTPaintText = std::function<void(TBaseVirtualTree* Sender, TCanvas& TargetCanvas, PVirtualNode Node,
                                        TColumnIndex Column, TVSTTextType TextType)>;

class TVirtualStringTree : public TBaseVirtualTree {
  QS_CLASS(TVirtualStringTree)

 public:
  explicit TVirtualStringTree(TComponent* owner) : TBaseVirtualTree(owner) {}
  // The text OnGetText gives for a cell (empty without a handler).
  std::wstring Text(PVirtualNode node, TColumnIndex column);

  TVSTGetTextEvent OnGetText;
  TVTPaintText OnPaintText;

 protected:
  void Paint() override;
  void DoPaintNode(const TVTPaintInfo& info) override;

 private:
  TTextWidths textWidths_;  // of the control's font, for the cells OnPaintText leaves alone
};

class TVirtualDrawTree : public TBaseVirtualTree {
  QS_CLASS(TVirtualDrawTree)

 public:
  explicit TVirtualDrawTree(TComponent* owner) : TBaseVirtualTree(owner) {}
};

// Makes the tree-list classes known to form files.
void RegisterVirtualTreeClasses();
