// The system's common-controls library (tabs, list views, progress and track bars...), which
// must be loaded and its window classes registered before such a window is made.
#pragma once

#include <windows.h>

// Registers the common-control window classes of `classes` (ICC_* bits) once per process.
void InitCommonControlClasses(DWORD classes);
