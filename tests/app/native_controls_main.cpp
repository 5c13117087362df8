// Quillstead with its controls left native: the window frame, menus and system menu take the
// skin as usual, no control kind does. scripts/bench-startup-skinning measures the program
// against it.
#include <windows.h>

#include "app/program_main.h"
#include "skin/skin_data.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return RunQuillstead([](TSkinData& skin) {
    using T = TSkinControlType;
    TSkinControlTypes windowParts;
    for (T part : {T::xcMainMenu, T::xcPopupMenu, T::xcMenuItem, T::xcSystemMenu})
      if (skin.SkinControls().Contains(part)) windowParts.Include(part);
    skin.SetSkinControls(windowParts);
  });
}
