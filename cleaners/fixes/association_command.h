// Whether an association's current value already does what its restore value would: a command
// that names the same program with the same arguments works the same, however it is written.
#pragma once

#include <functional>
#include <string>
#include <vector>

// A command line cut into the program it runs and its arguments, quotes removed.
struct TAssociationCommand {
  std::wstring Program;
  std::vector<std::wstring> Arguments;
};

// The program is the quoted first part, or else the text up to the first program extension
// (.exe, .com, .bat, .cmd) that ends a word, or else the first word; the rest splits at blanks
// outside quotes.
TAssociationCommand SplitAssociationCommand(const std::wstring& Text);

// True when both name the same program with the same arguments once Expand has replaced their
// variables, quotes and letter case aside. A value that is no command (a description, a class
// name) compares word by word the same way.
bool SameAssociationCommand(const std::wstring& Current, const std::wstring& Restore,
                            const std::function<std::wstring(const std::wstring&)>& Expand);
// The same with the variables of this process's environment.
bool SameAssociationCommand(const std::wstring& Current, const std::wstring& Restore);
