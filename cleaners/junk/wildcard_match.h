// The junk cleaner's own file-name pattern matcher.
#pragma once

#include <string>

// '*' stands for any run of characters, '?' for exactly one; ASCII letters match regardless of
// case. After a failed comparison the match restarts at the character that followed the last '*'
// and just behind the text character that the last search for a literal found, so '?' after a
// '*' consumes text from there: "*?A" matches "xya" but not "aaa".
bool WildcardMatch(const std::wstring& Pattern, const std::wstring& Text);
