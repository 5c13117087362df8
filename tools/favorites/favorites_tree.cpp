#include "tools/favorites/favorites_tree.h"

#include <algorithm>

#include "base/files.h"
#include "base/strings.h"
#include "tools/favorites/favorite_files.h"

namespace {

struct TShortcut {
  std::wstring Path, Relative;
  std::vector<std::wstring> Parts;  // folders below the backup folder, then the file name
};

bool ComesBefore(const TShortcut& a, const TShortcut& b) {
  for (size_t i = 0; i < a.Parts.size() && i < b.Parts.size(); ++i) {
    int order = CompareText(a.Parts[i], b.Parts[i]);
    if (order != 0) return order < 0;
  }
  return a.Parts.size() < b.Parts.size();
}

}  // namespace

std::vector<TFavoriteRow> FavoriteRows(const std::wstring& BackupFolder) {
  std::vector<std::wstring> paths;
  FindUrlFiles(BackupFolder, paths);
  std::vector<TShortcut> shortcuts;
  for (const std::wstring& path : paths) {
    TShortcut s{path, RelativeFavoritePath(BackupFolder, path), {}};
    s.Parts = SplitPathParts(s.Relative);
    s.Parts.push_back(ExtractFileName(path));
    shortcuts.push_back(std::move(s));
  }
  std::stable_sort(shortcuts.begin(), shortcuts.end(), ComesBefore);

  std::vector<TFavoriteRow> rows;
  int level1 = -1, level2 = -1;  // the folder rows started last
  for (const TShortcut& s : shortcuts) {
    const std::wstring f1 = s.Parts.size() > 1 ? s.Parts[0] : L"";
    const std::wstring f2 = s.Parts.size() > 2 ? s.Parts[1] : L"";
    int parent = -1;
    if (!f1.empty()) {
      bool newLevel1 = level1 < 0 || rows[level1].Name != f1;
      if (newLevel1) {
        rows.push_back({f1, L"", L"", false, -1});
        level1 = static_cast<int>(rows.size()) - 1;
        level2 = -1;
      }
      parent = level1;
      if (!f2.empty()) {
        if (newLevel1 || level2 < 0 || rows[level2].Name != f2) {
          rows.push_back({f2, L"", L"", false, level1});
          level2 = static_cast<int>(rows.size()) - 1;
        }
        parent = level2;
      }
    }
    rows.push_back({s.Parts.back(), ReadShortcutUrl(s.Path), s.Relative, true, parent});
  }
  return rows;
}
