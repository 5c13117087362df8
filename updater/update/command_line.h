// The updater's command line: it runs only when started with "\internet" "\exec", and updates
// without waiting for the user when "\auto" is the one further parameter.
#pragma once

#include <string>
#include <vector>

struct TUpdaterCommandLine {
  bool Run = false;
  bool AutoMode = false;
};

// The parameters without the program's own name; the switches are case-sensitive.
TUpdaterCommandLine ParseUpdaterCommandLine(const std::vector<std::wstring>& params);
