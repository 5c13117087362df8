// Shows the control gallery, and the tree-list demo beside it, until the gallery is closed.
#include <windows.h>

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
    Application->Run();
  } catch (...) {
    Application->HandleException(nullptr);
    return 1;
  }
  return 0;
}
