// Benchmark (scripts/bench-repaint), not a test: the full repaint of each page of the program in
// the skinned main window, with its controls' skinners on and then switched off (SKM_ENABLE 0:
// the controls paint natively), in the same run. Each page is repainted in rounds that take
// turns between the two; the fastest round of each counts. Prints one line per page and the sum
// over all pages, with the ratio skinned / unskinned (the goal is at most 2).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/frmmain.h"
#include "app/page_table.h"
#include "app/program_pages.h"
#include "base/message_pump.h"
#include "gui/application.h"
#include "gui/message_box.h"
#include "skin/skin_control.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"
#include "skin/skin_messages.h"

namespace {

constexpr int kRounds = 7;
constexpr int kRepaintsPerRound = 8;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    Application->ProcessMessages();
    Sleep(5);
  }
}

// The page, every child window and every windowless control erased and painted anew.
void FullRepaint(HWND page) {
  RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
}

// Milliseconds of one full repaint, over one round.
double RepaintMs(HWND page) {
  const double start = Now();
  for (int i = 0; i < kRepaintsPerRound; ++i) FullRepaint(page);
  return (Now() - start) / kRepaintsPerRound;
}

std::vector<HWND> SkinnedWindowsOf(const TWinSkinForm& skinForm, HWND page) {
  std::vector<HWND> windows;
  for (TSkinControl* skinner : skinForm.Skinners)
    if (skinner->Handle && (skinner->Handle == page || IsChild(page, skinner->Handle))) windows.push_back(skinner->Handle);
  return windows;
}

void SwitchSkinners(const std::vector<HWND>& windows, bool on) {
  for (HWND w : windows) SendMessageW(w, SKM_ENABLE, on ? 1 : 0, 0);
}

}  // namespace

int main() {
  // A page's own box (a missing tool of the machine, say) is answered at once.
  SetMessageBoxFunc([](HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; });
  SetMessagePump([] { Application->ProcessMessages(); });
  SetProgramPageFactories();
  Application->CreateForm(frmmain);
  frmmain->SkinData1->SetActive(true);
  frmmain->Show();
  SetForegroundWindow(frmmain->Handle());
  PumpFor(400);
  TWinSkinForm* skinForm = SkinManager ? SkinManager->FindSkinForm(frmmain->Handle()) : nullptr;
  if (!skinForm) {
    fprintf(stderr, "the main window was not skinned\n");
    return 1;
  }

  double allSkinned = 0, allNative = 0, worst = 0;
  std::string worstPage;
  for (const TPageInfo& info : PageTable()) {
    if (!info.Create) continue;
    TCustomForm* page = frmmain->OpenPageFromLink(info.Button);
    if (!page) continue;
    PumpFor(150);
    const HWND window = page->Handle();
    const std::vector<HWND> skinned = SkinnedWindowsOf(*skinForm, window);
    // Warm both ways once, then rounds in turn.
    FullRepaint(window);
    SwitchSkinners(skinned, false);
    FullRepaint(window);
    SwitchSkinners(skinned, true);
    double withSkin = 1e30, withoutSkin = 1e30;
    for (int round = 0; round < kRounds; ++round) {
      withSkin = std::min(withSkin, RepaintMs(window));
      SwitchSkinners(skinned, false);
      withoutSkin = std::min(withoutSkin, RepaintMs(window));
      SwitchSkinners(skinned, true);
    }
    FullRepaint(window);
    const std::string name(info.PageClass, info.PageClass + wcslen(info.PageClass));
    const double ratio = withSkin / withoutSkin;
    printf("page %s: skinned %.3f ms, unskinned %.3f ms, ratio %.2f (%zu skinned controls)\n", name.c_str(),
           withSkin, withoutSkin, ratio, skinned.size());
    allSkinned += withSkin;
    allNative += withoutSkin;
    if (ratio > worst) {
      worst = ratio;
      worstPage = name;
    }
  }
  printf("all pages: skinned %.3f ms, unskinned %.3f ms, ratio %.2f; worst page %s ratio %.2f\n", allSkinned,
         allNative, allSkinned / allNative, worstPage.c_str(), worst);
  fflush(stdout);
  delete frmmain;
  FreeSkinManager();
  return 0;
}
