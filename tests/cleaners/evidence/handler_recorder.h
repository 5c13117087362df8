// What the evidence handler tests share: the current user's registry redirected to a fixture
// key of the test's own, and a sink that records every report.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "cleaners/evidence/history_handlers.h"
#include "tests/base/test_keys.h"
#include "tests/base/test_message_pump.h"

struct TReport {
  std::wstring Name;
  int Code;
  int State;
};

// HKEY_CURRENT_USER of this process is the fixture key while the object lives, so the handlers'
// fixed paths reach only keys the test made.
class RedirectedUserKeys {
 public:
  RedirectedUserKeys() {
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, key_.Path().c_str(), 0, KEY_ALL_ACCESS, &fixture_), ERROR_SUCCESS);
    redirected_ = RegOverridePredefKey(HKEY_CURRENT_USER, fixture_) == ERROR_SUCCESS;
    EXPECT_TRUE(redirected_) << "the current user's keys could not be redirected";
  }
  ~RedirectedUserKeys() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(fixture_);
  }
  RedirectedUserKeys(const RedirectedUserKeys&) = delete;
  RedirectedUserKeys& operator=(const RedirectedUserKeys&) = delete;
  bool Redirected() const { return redirected_; }
  HKEY Fixture() const { return fixture_; }

 private:
  TestRegistryKey key_{L"Evidence"};
  HKEY fixture_ = nullptr;
  bool redirected_ = false;
};

class SinkRecorder {
 public:
  SinkRecorder() {
    sink_.OnState = [this](const THistoryScanState& state) {
      reports_.push_back({state.Name, state.Code, state.State});
    };
    sink_.ShowError = [this](const std::wstring& text, const std::wstring& caption) {
      errors_.push_back(text + L"|" + caption);
    };
  }
  void SetWnd(HWND wnd) { sink_.Wnd = wnd; }
  // Runs the handler of `code` and returns the states it reported, checking that every report
  // carries the handler's own label and code.
  std::vector<int> Run(int code) {
    reports_.clear();
    THistoryScanState state;
    const THistoryHandler handler = HistoryHandlerForCode(code);
    handler(sink_, state);
    std::vector<int> states;
    for (const TReport& report : reports_) {
      EXPECT_EQ(report.Name, handler.Label());
      EXPECT_EQ(report.Code, code);
      states.push_back(report.State);
    }
    return states;
  }
  const std::vector<std::wstring>& Errors() const { return errors_; }
  int Pumps() const { return pumps_; }

 private:
  THistorySink sink_;
  std::vector<TReport> reports_;
  std::vector<std::wstring> errors_;
  int pumps_ = 0;
  ScopedMessagePump pump_{[this] { ++pumps_; }};
};
