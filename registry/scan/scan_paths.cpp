#include "registry/scan/scan_paths.h"

std::wstring JoinKeyPath(const std::wstring& Parent, const std::wstring& Child) {
  if (!Parent.empty() && Parent.back() == L'\\') return Parent + Child;
  return Parent + L"\\" + Child;
}
