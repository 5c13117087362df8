#pragma once
// Internet shortcuts (".url" files, INI files with [InternetShortcut] URL=...) and their paths.
#include <string>
#include <vector>

// Where the user's favorites folder is recorded.
inline constexpr const wchar_t* kShellFoldersKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The address a shortcut without one shows.
inline constexpr const wchar_t* kDefaultShortcutUrl = L"http://www.quillstead.example/";

// The user's favorites folder from the registry ("" when it is not recorded).
std::wstring ReadFavoritesFolder();

// Appends every ".url" file below Folder (extension in any case) as Folder + its path, walking
// each folder's entries in the listing's order and each subfolder where it stands (depth
// first). Folders that are links (junctions) are not entered. Pumps messages before each entry.
void FindUrlFiles(const std::wstring& Folder, std::vector<std::wstring>& List);
// The shortcut's "URL", or kDefaultShortcutUrl when it has none.
std::wstring ReadShortcutUrl(const std::wstring& File);
// The folder names of Path in order: the text before the first backslash, then each name
// between two backslashes; the text after the last backslash is not one of them.
std::vector<std::wstring> SplitPathParts(const std::wstring& Path);
// Name below Folder ("News\b.url" for Folder\News\b.url, either with or without a trailing
// backslash, case ignored); Name itself when it does not lie below Folder.
std::wstring RelativeFavoritePath(const std::wstring& Folder, const std::wstring& Name);
