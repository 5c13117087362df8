#include "app/program_main.h"

#include <windows.h>

#include <memory>

#include "app/frmSpash.h"
#include "app/frmmain.h"
#include "app/program_pages.h"
#include "base/date_time.h"
#include "base/exception.h"
#include "base/message_pump.h"
#include "gui/application.h"
#include "skin/skin_manager.h"

namespace {
// How long the splash stays up before the main window is made.
constexpr DWORD kSplashMilliseconds = 2000;
}  // namespace

int RunQuillstead(const std::function<void(TSkinData&)>& AdjustSkin) {
  try {
    Application->SetTitle(L"Quillstead v4.1");
    SetProgramDateFormats();
    // Engines pump between their steps through this, so the windows stay responsive.
    SetMessagePump([] { Application->ProcessMessages(); });

    std::unique_ptr<TfrmSpash> splash(new TfrmSpash(nullptr));
    splash->Show();
    splash->Repaint();
    // The splash gets its one paint above and nothing else: no messages are handled while it
    // waits. The main window is built, hidden, within the wait, which then sleeps for what is
    // left of it rather than spinning the processor.
    const DWORD splashShown = GetTickCount();

    // The pages the navigation buttons open, known before the main window opens its first one.
    SetProgramPageFactories();

    Application->CreateForm(frmmain);
    if (AdjustSkin) AdjustSkin(*frmmain->SkinData1);
    const DWORD building = GetTickCount() - splashShown;
    if (building < kSplashMilliseconds) Sleep(kSplashMilliseconds - building);
    // The form carries the skin switched off; the windows take it as they are activated.
    frmmain->SkinData1->SetActive(true);
    splash->Hide();
    splash.reset();
    Application->Run();
    // Shut down in order, here rather than in static destructors: the main window first, and
    // with it the pages it owns; what outlives the pages is freed after it.
    delete frmmain;
    // Last: every skinner lets go of its window and the hook is removed.
    FreeSkinManager();
  } catch (...) {
    Application->HandleException(nullptr);
    return 1;
  }
  return 0;
}
