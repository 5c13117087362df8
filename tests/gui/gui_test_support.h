// Shared by the framework tests: message boxes are recorded instead of shown, and a helper
// pumps messages until something has happened.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/controls.h"

struct RecordedBox {
  std::wstring text;
  std::wstring caption;
  UINT type;
  HWND owner = nullptr;  // the window the box would belong to
};

// Boxes "shown" since the last ClearBoxes(); no test ever waits on a real one.
std::vector<RecordedBox>& RecordedBoxes();
void ClearBoxes();

// Handles messages until `done` is true or `timeoutMs` has passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Handles messages for a while.
void Pump(int ms = 50);

// A 32-bit top-down DIB in a memory DC to paint into and read back.
class Surface {
 public:
  Surface(int w, int h, COLORREF fill);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const;

 private:
  int w_;
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
  uint32_t* bits_ = nullptr;
};

// Compares the three channels, each within the tolerance.
void ExpectColour(COLORREF actual, COLORREF expected, int tolerance = 0);

// A test hook in a control's WindowProc chain: records every message it sees, then passes it on.
class MessageRecorder {
 public:
  explicit MessageRecorder(TControl* control);
  ~MessageRecorder() { Remove(); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;
  // Puts the previous link back, but only while this recorder is still the head of the chain;
  // returns whether it did.
  bool Remove();
  bool Installed() const { return control_ != nullptr; }
  // Whether `msg` was seen, and the position of its first sighting (-1 when not seen).
  bool Saw(UINT msg) const { return IndexOf(msg) >= 0; }
  int IndexOf(UINT msg) const;
  // When `msg` was first seen on a clock all recorders share (-1 when not seen), to compare
  // the order of messages to different controls.
  long When(UINT msg) const;
  void Clear() {
    seen_.clear();
    times_.clear();
  }
  const std::vector<UINT>& Seen() const { return seen_; }

 private:
  void Hook(TMessage& m);

  TControl* control_;
  TWndMethod old_;
  std::vector<UINT> seen_;
  std::vector<long> times_;
};
