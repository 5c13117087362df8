#pragma once
// The main program's run: title, date formats, splash, main window, skin, message loop and the
// ordered shutdown. Returns the process's exit code.
#include <functional>

class TSkinData;

// AdjustSkin, when given, changes the main window's skin component after the window is read
// and before the skin is switched on: a benchmark runs the program with other skin settings.
int RunQuillstead(const std::function<void(TSkinData&)>& AdjustSkin = {});
