#include "cleaners/fixes/association_command.h"

#include "base/files.h"
#include "base/strings.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The end of an unquoted program name: just after the first program extension that ends a word.
size_t ProgramEnd(const std::wstring& text) {
  const std::wstring lower = LowerCase(text);
  size_t best = std::wstring::npos;
  for (const wchar_t* ext : {L".exe", L".com", L".bat", L".cmd"}) {
    for (size_t at = lower.find(ext); at != std::wstring::npos; at = lower.find(ext, at + 1)) {
      const size_t end = at + 4;
      if (end == lower.size() || IsBlank(lower[end])) {
        if (best == std::wstring::npos || end < best) best = end;
        break;
      }
    }
  }
  if (best != std::wstring::npos) return best;
  size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  return end;
}

std::wstring Canonical(const std::wstring& text, const std::function<std::wstring(const std::wstring&)>& expand) {
  return LowerCase(Trim(expand ? expand(text) : text));
}

}  // namespace

TAssociationCommand SplitAssociationCommand(const std::wstring& Text) {
  TAssociationCommand command;
  const std::wstring text = Trim(Text);
  size_t rest = 0;
  if (!text.empty() && text[0] == L'"') {
    const size_t close = text.find(L'"', 1);
    command.Program = text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    rest = close == std::wstring::npos ? text.size() : close + 1;
  } else {
    rest = ProgramEnd(text);
    command.Program = text.substr(0, rest);
  }
  std::wstring word;
  bool inWord = false, quoted = false;
  for (size_t i = rest; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'"') {
      quoted = !quoted;
      inWord = true;
    } else if (IsBlank(c) && !quoted) {
      if (inWord) command.Arguments.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) command.Arguments.push_back(word);
  return command;
}

bool SameAssociationCommand(const std::wstring& Current, const std::wstring& Restore,
                            const std::function<std::wstring(const std::wstring&)>& Expand) {
  const TAssociationCommand current = SplitAssociationCommand(Current);
  const TAssociationCommand restore = SplitAssociationCommand(Restore);
  if (Canonical(current.Program, Expand) != Canonical(restore.Program, Expand)) return false;
  if (current.Arguments.size() != restore.Arguments.size()) return false;
  for (size_t i = 0; i < current.Arguments.size(); ++i)
    if (Canonical(current.Arguments[i], Expand) != Canonical(restore.Arguments[i], Expand)) return false;
  return true;
}

bool SameAssociationCommand(const std::wstring& Current, const std::wstring& Restore) {
  return SameAssociationCommand(Current, Restore, ExpandEnvironmentText);
}
