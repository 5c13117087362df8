// Shows the control gallery, and the tree-list and common-control demos beside it, until
// the gallery is closed.
#include <windows.h>

#include "common_demo_form.h"
#include "gallery_form.h"
#include "tree_demo_form.h"
#include "gui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    Application->SetTitle(L"Control gallery");
    TfrmGallery* gallery = nullptr;
    Application->CreateForm(gallery);
    gallery->Show();
    TfrmTreeDemo* treeDemo = nullptr;
    Application->CreateForm(treeDemo);
    treeDemo->Show();
    TfrmCommonDemo* commonDemo = nullptr;
    Application->CreateForm(commonDemo);
    commonDemo->Show();
    Application->Run();
  } catch (...) {
    Application->HandleException(nullptr);
    return 1;
  }
  return 0;
}
