// Scrolling benchmark of a skinned tree-list (scripts/bench-vtree-skin runs it; it is no test):
// two tree-lists of 100,000 rows side by side on the display, one skinned as the programs skin
// it (the painted scroll bars over its native ones), one not. Both page from the top to the
// bottom, taking turns a few pages at a time so the machine's load falls on both alike; after
// each page every pending message is handled, so the painted bars' own paints are counted.
// Prints both times and their ratio (skinned / unskinned), the figure to compare across runs.
// Usage: skin_vtree_bench [rows]   (default 100000)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gui/forms.h"
#include "gui/vtree/virtual_string_tree.h"
#include "packed_skin.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"

namespace {

constexpr int kTurn = 50;  // pages each tree pages before the other takes its turn

double Seconds() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

void HandlePending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

TVirtualStringTree* Tree(TForm* form, uint32_t rows) {
  auto* tree = new TVirtualStringTree(form);
  tree->SetParent(form);
  tree->SetAlign(TAlign::alClient);
  tree->SetDefaultNodeHeight(21);
  tree->Header()->SetOptions({TVTHeaderOption::hoVisible});
  for (int w : {180, 300, 120}) tree->Header()->Columns()->Add()->SetWidth(w);
  tree->TreeOptions()->SetPaintOptions({TVTPaintOption::toShowHorzGridLines, TVTPaintOption::toShowVertGridLines});
  tree->OnGetText = [](TBaseVirtualTree*, PVirtualNode node, TColumnIndex column, TVSTTextType, std::wstring& text) {
    text = (column == 0 ? L"file" : column == 1 ? L"C:\\Temp\\folder" : L"") + std::to_wstring(node->Index);
  };
  tree->SetRootNodeCount(rows);
  return tree;
}

TForm* Window(int left) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(TFormBorderStyle::bsNone);
  form->SetBounds(left, 20, 480, 400);
  return form;
}

struct TPager {
  TVirtualStringTree* Tree;
  double Seconds = 0;
  int Pages = 0;
  bool Moving = true;
  // One page down as a scroll bar sends it, then everything it caused handled.
  void Step() {
    const int before = Tree->OffsetY();
    SendMessageW(Tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    HandlePending();
    Moving = Tree->OffsetY() != before;
    if (Moving) ++Pages;
    if (!Moving) {
      SendMessageW(Tree->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
      HandlePending();
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  const uint32_t rows = argc > 1 ? static_cast<uint32_t>(std::max(1000L, std::strtol(argv[1], nullptr, 10))) : 100000;
  TForm* plainForm = Window(20);
  TForm* skinnedForm = Window(520);
  TPager plain{Tree(plainForm, rows)};
  TPager skinned{Tree(skinnedForm, rows)};
  plainForm->Show();
  skinnedForm->Show();
  TSkinData* data = new TSkinData(skinnedForm);
  data->ReadSkinStream(OurStoredSkin());
  TWinSkinForm skinForm(nullptr);
  skinForm.SkinData = data;
  // Routed by the style map, as the programs' skin settings route the tree-list.
  skinForm.SkinComponent(skinned.Tree, skinnedForm);
  if (!skinForm.FindSkinControlByHandle(skinned.Tree->Handle())) {
    std::printf("the tree-list got no skinner\n");
    return 1;
  }
  HandlePending();

  while (plain.Moving || skinned.Moving) {
    for (TPager* p : {&plain, &skinned}) {
      const double start = Seconds();
      for (int i = 0; i < kTurn && p->Moving; ++i) p->Step();
      p->Seconds += Seconds() - start;
    }
  }
  std::printf("rows %u, pages %d: skinned %.3f s, unskinned %.3f s; ratio %.2f\n", rows, skinned.Pages,
              skinned.Seconds, plain.Seconds, skinned.Seconds / plain.Seconds);
  delete skinnedForm;
  delete plainForm;
  FreeSkinManager();
  return 0;
}
