// Starting the program an update names: only a program inside the program folder, by its full
// name and never through a code-page conversion (which could turn a fullwidth backslash into a
// real one and lead out of the folder).
#pragma once

#include <string>

// Starts `application` (a full path) with `commandLine`, shown normally and in the caller's
// current folder, without waiting for it. False, starting nothing, when the full path does not
// lie inside `folder` (a path with its trailing backslash) or the program cannot be started.
bool StartProgramInFolder(const std::wstring& folder, const std::wstring& application, const std::wstring& commandLine);

// Whether `path`, made full, lies below `folder` (compared without regard to case).
bool IsInsideFolder(const std::wstring& folder, const std::wstring& path);
