#pragma once
// The boxes, shell call and message pump through which the main program's update check talks
// to the user: shared by the header link, the timer and the settings page.
#include "updater/update/update_check.h"

TUpdateCheckCallbacks UpdateCheckBoxes();
