#include "common/kept_items.h"

#include "base/strings.h"

namespace {

// Lower case, no backslash around it, none doubled.
std::wstring Canonical(const std::wstring& Path) {
  std::wstring path;
  for (wchar_t c : LowerCase(Trim(Path)))
    if (c != L'\\' || (!path.empty() && path.back() != L'\\')) path += c;
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

// Whether path is inner or lies below it (every path lies below the empty one, the root).
bool AtOrBelow(const std::wstring& path, const std::wstring& inner) {
  if (inner.empty()) return true;
  return path.compare(0, inner.size(), inner) == 0 && (path.size() == inner.size() || path[inner.size()] == L'\\');
}

}  // namespace

void TKeptItems::KeepKey(HKEY Root, const std::wstring& Path) { keys_.push_back({Root, Canonical(Path)}); }
void TKeptItems::KeepKeyTree(HKEY Root, const std::wstring& Path) { trees_.push_back({Root, Canonical(Path)}); }
void TKeptItems::KeepValue(HKEY Root, const std::wstring& Key, const std::wstring& Name) {
  values_.push_back({{Root, Canonical(Key)}, LowerCase(Name)});
}
void TKeptItems::KeepFile(const std::wstring& Path) { files_.push_back(Canonical(Path)); }
void TKeptItems::KeepFolder(const std::wstring& Path) { folders_.push_back(Canonical(Path)); }

bool TKeptItems::Empty() const {
  return keys_.empty() && trees_.empty() && values_.empty() && files_.empty() && folders_.empty();
}

bool TKeptItems::MayDeleteKey(HKEY Root, const std::wstring& Path) const {
  const std::wstring path = Canonical(Path);
  for (const TKey& key : keys_)
    if (key.Root == Root && AtOrBelow(key.Path, path)) return false;
  for (const TValue& value : values_)
    if (value.Key.Root == Root && AtOrBelow(value.Key.Path, path)) return false;
  for (const TKey& tree : trees_)
    if (tree.Root == Root && (AtOrBelow(tree.Path, path) || AtOrBelow(path, tree.Path))) return false;
  return true;
}

bool TKeptItems::MayDeleteValue(HKEY Root, const std::wstring& Key, const std::wstring& Name) const {
  const std::wstring key = Canonical(Key);
  const std::wstring name = LowerCase(Name);
  for (const TValue& value : values_)
    if (value.Key.Root == Root && value.Key.Path == key && value.Name == name) return false;
  for (const TKey& tree : trees_)
    if (tree.Root == Root && AtOrBelow(key, tree.Path)) return false;
  return true;
}

bool TKeptItems::MayDeleteFile(const std::wstring& Path) const {
  const std::wstring path = Canonical(Path);
  for (const std::wstring& file : files_)
    if (file == path) return false;
  for (const std::wstring& folder : folders_)
    if (!folder.empty() && AtOrBelow(path, folder)) return false;
  return true;
}
