// The framework's own classes that form files can name: one registration call per family file.
#include "gui/actions.h"
#include "gui/buttons.h"
#include "gui/date_picker.h"
#include "gui/dialogs.h"
#include "gui/edits.h"
#include "gui/ext_ctrls.h"
#include "gui/graphic_controls.h"
#include "gui/header_control.h"
#include "gui/image_list.h"
#include "gui/lists.h"
#include "gui/list_view.h"
#include "gui/menus.h"
#include "gui/pages.h"
#include "gui/progress.h"
#include "gui/sliders.h"
#include "gui/status_bar.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "gui/vtree/virtual_string_tree.h"

void RegisterStandardClasses() {
  RegisterStdCtrlsClasses();
  RegisterButtonClasses();
  RegisterEditClasses();
  RegisterListClasses();
  RegisterGraphicControlClasses();
  RegisterActionClasses();
  RegisterDialogClasses();
  RegisterExtCtrlsClasses();
  RegisterTimerClasses();
  RegisterImageListClasses();
  RegisterPageClasses();
  RegisterListViewClasses();
  RegisterVirtualTreeClasses();
  RegisterProgressClasses();
  RegisterSliderClasses();
  RegisterDatePickerClasses();
  RegisterStatusBarClasses();
  RegisterHeaderClasses();
  RegisterMenuClasses();
}
