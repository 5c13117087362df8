// Files, folders and paths.
#pragma once

#include <string>

// Folder of the running executable, with its trailing backslash. Every INI file and data
// folder of the programs is addressed from here.
std::wstring ProgramFolder();
// The running executable's full path as the system gives it (what the Run value stores).
std::wstring ProgramExePath();
// Tests point the program folder elsewhere (a temporary folder); an empty text restores it.
void SetProgramFolderForTesting(const std::wstring& folder);

bool FileExists(const std::wstring& path);  // false for folders
bool DirectoryExists(const std::wstring& path);
// Creates the folder and every missing parent; true when the folder exists afterwards.
bool ForceDirectories(const std::wstring& path);

// Path parts around the last '\', '/' or ':'; the folder part keeps its delimiter.
std::wstring ExtractFilePath(const std::wstring& path);
std::wstring ExtractFileName(const std::wstring& path);
// The extension with its dot ("" when the file name has none).
std::wstring ExtractFileExt(const std::wstring& path);
std::wstring ChangeFileExt(const std::wstring& path, const std::wstring& extension);
std::wstring IncludeTrailingBackslash(const std::wstring& path);
std::wstring ExcludeTrailingBackslash(const std::wstring& path);

// The path as the platform reads it (GetFullPathName): relative to the current folder or drive
// made full, "." and ".." segments resolved, "/" made "\\"; "" when the platform refuses it.
std::wstring FullPathName(const std::wstring& path);

// %NAME% references replaced by the platform (ExpandEnvironmentStrings).
std::wstring ExpandEnvironmentText(const std::wstring& text);
// The value of the process's environment variable Name; "" when it is not set (or changed
// size while being read).
std::wstring EnvironmentVariable(const std::wstring& Name);

// A fresh, empty folder below the user's temporary folder (trailing backslash included), or ""
// on failure. `prefix` becomes the start of its name.
std::wstring CreateUniqueTempFolder(const std::wstring& prefix);
// Deletes a folder with everything inside it; true when it is gone. Links are removed, never
// followed: a link in the folder's own place is removed alone (or, when that cannot be done, left
// as it is with false).
bool DeleteFolderTree(const std::wstring& path);

// Copies Source over Target so that Target only ever holds the old file or a complete copy: the
// copy is made under a temporary name beside Target, checked to have the source's size, and only
// then takes Target's place. On failure the temporary file is deleted, Target stays as it was and
// Failure says why.
bool ReplaceWithCopy(const std::wstring& Source, const std::wstring& Target, std::wstring& Failure);
