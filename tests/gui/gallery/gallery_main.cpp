// Shows the control gallery until its window is closed.
#include <windows.h>

#include "gallery_form.h"
#include "gui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    Application->SetTitle(L"Control gallery");
    TfrmGallery* gallery = nullptr;
    Application->CreateForm(gallery);
    gallery->Show();
    Application->Run();
  } catch (...) {
    Application->HandleException(nullptr);
    return 1;
  }
  return 0;
}
