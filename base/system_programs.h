// The platform's own helper programs, always started by their full path. A bare name would be
// looked for in the program's folder and the current folder first, where anyone may put a file
// of that name.
#pragma once

#include <string>

// GetWindowsDirectory and GetSystemDirectory, without a trailing backslash.
std::wstring WindowsFolder();
std::wstring SystemFolder();

// The path in double quotes, as a command line's first word.
std::wstring QuotedPath(const std::wstring& Path);
// A command line of Program (quoted) and Arguments, with a blank between them when there are any.
std::wstring ProgramCommand(const std::wstring& Program, const std::wstring& Arguments);

// A command line of the Windows folder's program File ("regedit.exe") with Arguments.
std::wstring WindowsProgramCommand(const std::wstring& File, const std::wstring& Arguments);
// A command line of the system folder's program File ("sc.exe", "net.exe") with Arguments.
std::wstring SystemProgramCommand(const std::wstring& File, const std::wstring& Arguments);

// The command line's first word (quoted or up to the first blank or tab) and the rest.
void SplitCommandLine(const std::wstring& CommandLine, std::wstring& Program, std::wstring& Arguments);

// Whether Path begins with a drive letter, a colon and a backslash.
bool IsFromDriveRoot(const std::wstring& Path);

// The system folder's, else the Windows folder's file of a bare program name (".exe" added when
// it has no extension); "" for a name with a folder or a file neither holds.
std::wstring SystemProgramPath(const std::wstring& Name);

// A command line of a shipped data file turned into one that starts its program by full path:
// a bare program name (".exe" added when it has no extension) is taken from the system folder,
// else the Windows folder; a path from a drive root is kept only when it names a file directly in
// one of these two folders. "" when the program is a relative path, lies anywhere else, or none of
// these files exists.
std::wstring FullPathCommand(const std::wstring& CommandLine);
