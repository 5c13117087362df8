// The framework's own classes that form files can name.
#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"

void RegisterStandardClasses() {
  for (const TClassInfo* c : {&TPanel::StaticClass(), &TLabel::StaticClass(), &TImage::StaticClass(),
                              &TBevel::StaticClass(), &TButton::StaticClass(), &TTimer::StaticClass(),
                              &TImageList::StaticClass()})
    RegisterClass(*c);
}
