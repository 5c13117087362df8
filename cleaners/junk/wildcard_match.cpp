#include "cleaners/junk/wildcard_match.h"

namespace {

inline wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - (L'a' - L'A')) : c; }

}  // namespace

// Two phases: the main phase compares character by character; the star phase, entered after a
// '*' or on a restart, searches the text for the next literal of the pattern.
bool WildcardMatch(const std::wstring& Pattern, const std::wstring& Text) {
  const size_t patternEnd = Pattern.size();
  const size_t textEnd = Text.size();
  size_t p = 0, t = 0;
  size_t patternRestart = 0, textRestart = 0;
  bool canRestart = false;
  bool starPhase = false;
  for (;;) {
    if (!starPhase) {
      if (p == patternEnd) {
        if (t == textEnd) return true;
        if (!canRestart) return false;
        t = textRestart;
        p = patternRestart;
        starPhase = true;
        continue;
      }
      const wchar_t c = AsciiUpper(Pattern[p]);
      if (c == L'*') {
        patternRestart = ++p;
        starPhase = true;
      } else if (c == L'?') {
        if (t == textEnd) return false;
        ++p, ++t;
      } else {
        if (t == textEnd) return false;
        if (c == AsciiUpper(Text[t])) {
          ++p, ++t;
        } else {
          if (!canRestart) return false;
          t = textRestart;
          p = patternRestart;
          starPhase = true;
        }
      }
    } else {
      if (p == patternEnd) return true;
      const wchar_t c = AsciiUpper(Pattern[p]);
      if (c == L'*') {
        patternRestart = ++p;
      } else if (c == L'?') {
        if (t == textEnd) return false;
        ++p, ++t;
      } else {
        while (t < textEnd && AsciiUpper(Text[t]) != c) ++t;
        if (t == textEnd) return false;
        textRestart = ++t;
        ++p;
        canRestart = true;
        starPhase = false;
      }
    }
  }
}
