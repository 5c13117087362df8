// The tree-list demo beside the gallery: categories with their items in two levels of
// tri-state check boxes, the records kept by the form as a page keeps its own.
#pragma once

#include <string>
#include <vector>

#include "gui/forms.h"
#include "gui/vtree/virtual_string_tree.h"

class TfrmTreeDemo : public TForm {
  QS_FORM(TfrmTreeDemo)

 public:
  struct Item {
    std::wstring Name;
    bool Checked;
  };
  struct Category {
    std::wstring Name;
    std::vector<Item> Items;
  };

  explicit TfrmTreeDemo(TComponent* owner);

  TVirtualStringTree* vst = nullptr;
  std::vector<Category> Categories;

  void vstInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                   TVirtualNodeInitStates& InitialStates);
  void vstInitChildren(TBaseVirtualTree* Sender, PVirtualNode Node, uint32_t& ChildCount);
  void vstGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                  std::wstring& CellText);
  void vstGetImageIndex(TBaseVirtualTree* Sender, PVirtualNode Node, TVTImageKind Kind, TColumnIndex Column,
                        bool& Ghosted, int& ImageIndex);
  void vstChecked(TBaseVirtualTree* Sender, PVirtualNode Node);
};
