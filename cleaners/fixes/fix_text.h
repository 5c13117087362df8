// The text formats of the fix definitions carried as "RC_FIX" resources, read without touching
// the registry:
// - the "SYSTEM" index and the "FILE" association table: one entry per line;
// - a "SYS_<name>" fix text, written like a registry export: "[<root>\<key>]" section lines
//   ("[-...]" for a key that must not exist) followed by value lines name=data.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Lines of an index or table: a line ends at LF or at the end of the text, CR characters are
// dropped wherever they stand, and empty lines are left out.
std::vector<std::wstring> SplitIndexLines(const std::wstring& text);
// Lines of a fix text: CR and LF each end a line; empty lines are left out.
std::vector<std::wstring> SplitFixTextLines(const std::wstring& text);

// "<name>,<description>[,...]": false when the name or the description is empty.
bool ParseSysIndexLine(const std::wstring& line, std::wstring& name, std::wstring& description);

// "<extension>,<description>,<key>,<value>[,...]": false when any of the four is empty (an
// empty key would address the default value of HKEY_CLASSES_ROOT itself).
struct TFileFixLine {
  std::wstring ExtName;
  std::wstring Description;
  std::wstring Key;
  std::wstring Value;
};
bool ParseFileFixLine(const std::wstring& line, TFileFixLine& parsed);

// A section's key path split into its root and the key below it. The root name is compared
// upper-cased after one leading '-'; only the full names count ("HKEY_LOCAL_MACHINE", not
// "HKLM"). Root is null when the name is unknown or the path has no backslash.
struct TFixKey {
  HKEY Root = nullptr;
  std::wstring SubKey;
};
TFixKey ParseFixKeyPath(const std::wstring& keyPath);

enum class TFixLineKind { Section, DeleteSection, Value, Malformed };
enum class TFixValueKind { String, ExpandString, MultiString, Dword, Binary };

struct TFixLine {
  TFixLineKind Kind = TFixLineKind::Malformed;
  std::wstring KeyPath;  // sections: the text between the brackets
  std::wstring Name;     // values: "" is the key's default value ("@")
  TFixValueKind ValueKind = TFixValueKind::String;
  std::wstring Text;        // String, ExpandString, MultiString (zero characters kept)
  DWORD Number = 0;         // Dword
  std::vector<BYTE> Bytes;  // Binary
};

// A line starting with '[' is a section; any other is a value line, split at its first '='
// (which must not be the first character), with every double quote removed from both sides.
// The data picks the kind by its prefix, compared ignoring case: "hex:" bytes, "dword:" eight
// hexadecimal digits, "hex(7):" and "hex(2):" the UTF-16LE bytes of the text, else a plain
// string. A value line without '=' or with data outside its format is Malformed.
TFixLine ParseFixLine(const std::wstring& line);
