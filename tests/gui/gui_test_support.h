// Shared by the framework tests: message boxes are recorded instead of shown, and a helper
// pumps messages until something has happened.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct RecordedBox {
  std::wstring text;
  std::wstring caption;
  UINT type;
};

// Boxes "shown" since the last ClearBoxes(); no test ever waits on a real one.
std::vector<RecordedBox>& RecordedBoxes();
void ClearBoxes();

// Handles messages until `done` is true or `timeoutMs` has passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Handles messages for a while.
void Pump(int ms = 50);
