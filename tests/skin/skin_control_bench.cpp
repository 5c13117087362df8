// Times the control discovery of a skinned window against making the same controls: a form of
// 600 controls (panels holding buttons, check boxes, edits, labels and panels) is made with its
// windows, then a window skinner decides every control's skinner. Prints both times, their ratio
// and the working set the discovery added. Run by scripts/bench-skinning.
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "gui/buttons.h"
#include "gui/edits.h"
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "packed_skin.h"
#include "skin/skin_data.h"
#include "skin/skin_form.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return 1000.0 * double(t.QuadPart) / double(f.QuadPart);
}

size_t WorkingSetKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.WorkingSetSize / 1024;
}

template <class T>
T* Place(TWinControl* parent, int x, int y) {
  auto* c = new T(parent->Owner() ? parent->Owner() : parent);
  c->SetParent(parent);
  c->SetBounds(x, y, 60, 20);
  return c;
}

}  // namespace

int main() {
  TForm form(nullptr);
  form.SetBounds(0, 0, 1200, 900);
  form.Handle();
  TSkinData* data = new TSkinData(&form);
  data->ReadSkinStream(OurStoredSkin());

  const double start = Now();
  for (int p = 0; p < 50; ++p) {
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds((p % 10) * 110, (p / 10) * 170, 105, 165);
    Place<TButton>(panel, 2, 2);
    Place<TCheckBox>(panel, 2, 25);
    Place<TEdit>(panel, 2, 48);
    Place<TLabel>(panel, 2, 71);
    auto* inner = new TPanel(&form);
    inner->SetParent(panel);
    inner->SetBounds(2, 94, 100, 68);
    for (int i = 0; i < 6; ++i) Place<TCheckBox>(inner, 2 + (i % 2) * 48, 2 + (i / 2) * 22);
  }
  const double made = Now();
  const size_t before = WorkingSetKb();

  TWinSkinForm skinner(nullptr);
  skinner.SkinData = data;
  const double walkStart = Now();
  skinner.SkinControlTree(&form);
  const double walked = Now();
  skinner.SkinControlTree(&form);  // a second walk finds nothing new
  const double again = Now();

  const double createMs = made - start, discoveryMs = walked - walkStart, secondMs = again - walked;
  std::printf("controls: 600; create %.2f ms; discovery %.2f ms; second walk %.2f ms; ratio %.3f; "
              "working set added %zd KiB\n",
              createMs, discoveryMs, secondMs, discoveryMs / createMs,
              static_cast<ptrdiff_t>(WorkingSetKb()) - static_cast<ptrdiff_t>(before));
  return 0;
}
