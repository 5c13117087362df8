// The program that a startup command starts.
#pragma once

#include <string>

// The program path of a command line, environment references expanded. A quoted command gives
// the quoted text. An unquoted one is cut where the platform would cut it: the shortest part
// ending at a blank that names an existing program (also with ".exe" added, a bare name looked
// up along PATH); when none exists, the part up to the first word ending in a program
// extension, else up to the first blank. Arguments, however long, never reach the result.
std::wstring CommandExePath(const std::wstring& Command);

// Whether the name ends in an extension the platform starts as a program (".exe", ".lnk", ...).
bool EndsWithProgramExtension(const std::wstring& text);

// CommandExePath, with a bare file name (no folder) given the first PATH folder that holds it.
std::wstring ResolveStartupExe(const std::wstring& Command);

// The first folder of PATH (in its order, empty entries skipped) holding the file, joined with
// its name; "" when none does.
std::wstring FindOnPath(const std::wstring& FileName);
