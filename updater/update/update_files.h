// The files through which the updater and the main program meet, beside the program:
// Update.ini (where the server's version file is, how many files are installed), Sys.ini (the
// server's version file as fetched), Config\App.ini (the installed version) and Temp\.
#pragma once

#include <string>

#include "base/string_list.h"

std::wstring UpdateIniPath();  // program folder + "Update.ini"
std::wstring SysIniPath();     // program folder + "Sys.ini"
std::wstring AppIniPath();     // program folder + "Config\App.ini"
std::wstring TempFolder();     // program folder + "Temp\"

// The server's version file is a small INI file: larger ones are refused, and its whole
// transfer must end within the time-out (the updater fetches it before its window shows).
constexpr long long kMaxVersionFileSize = 64 * 1024;
constexpr unsigned long kVersionFileTimeoutMs = 30000;

// The pieces of `text` between separators, in order; empty pieces are dropped, nothing is trimmed.
TStringList SplitString(const std::wstring& text, const std::wstring& separator);

// Deletes the files of a folder and of its subfolders, leaving every folder in place. Files
// with an attribute outside hidden, system, archive stay (read-only ones too), and so do links;
// failures are ignored.
void DeleteFilesIn(const std::wstring& folder);

// Update.ini [List] File: the whole value as one address (the main program's check) ...
std::wstring ReadUpdateListUrl();
// ... or split at "," (the updater uses the first piece).
TStringList ReadUpdateList();
// Update.ini [Server] FileIndex (0 when missing) and its writer.
int ReadFileIndex();
void WriteFileIndex(int index);

// Sys.ini [Server] FileList split at ","; `exeName` gets [Server] ExeName.
TStringList LoadFileList(std::wstring& exeName);
// Sys.ini [Version] ver ("0" when missing).
std::wstring ReadServerVersion();
// "Version:" + Sys.ini [Version] ver + " Last Time:" + Sys.ini [Update] Date.
std::wstring VersionText();

// Config\App.ini [Version] ver ("0" when missing).
std::wstring ReadLocalVersion();
// Config\App.ini [Version] ver := the server's version, [UpdateTime] Date := now. Creates
// Config\ when missing; raises EIniFileException when the file cannot be written.
void SaveInstalledVersion();

// <0, 0, >0. Versions made of dotted decimal numbers compare number by number (4.10 is above
// 4.9, 4.1.1 above 4.1); anything else compares as text by character codes.
int CompareVersions(const std::wstring& a, const std::wstring& b);
