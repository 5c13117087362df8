// Key paths as the scanners build them.
#pragma once

#include <string>

// Parent + "\" + Child, without doubling a backslash that Parent already ends with.
std::wstring JoinKeyPath(const std::wstring& Parent, const std::wstring& Child);
