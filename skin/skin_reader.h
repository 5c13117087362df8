// The skin archive: a stored skin (4-byte unpacked size + LZHUF stream) unpacked into a
// version header, a name list, a size table and the files' bytes back to back.
// Portable: no platform headers; the one message goes through a replaceable procedure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Shows a message to the user (a message box in the programs).
using TSkinMessageProc = void (*)(const std::string& text);
// Replaces the message procedure (tests); nullptr restores the message box.
void SetSkinMessageProc(TSkinMessageProc proc);

class TSkinReader {
 public:
  static constexpr int32_t kMaxEntries = 1001;  // capacity of the size table

  // Unpacks a stored skin and reads its names, sizes and data. False after the message for an
  // unsupported version (an empty or too short archive reads as version 0), and, without a
  // message, for a damaged stream or an archive whose names or sizes do not fit its data.
  // A failed load leaves no entries.
  bool LoadFromStream(const std::vector<uint8_t>& storedSkin);

  // Decodes a stored skin into target (replaced). False when the stream is refused (see
  // TLZH::Decode); a source shorter than its size field unpacks to nothing.
  static bool Decompress(const std::vector<uint8_t>& source, std::vector<uint8_t>& target);

  // Replaces target with the first entry whose name equals name in any ASCII letter case;
  // target stays empty when there is none.
  void ExtractFile(const std::string& name, std::vector<uint8_t>& target) const;
  // Replaces target with the first entry whose (lower-case) name contains text as given and
  // sets foundName to it; with no such entry target stays empty and foundName unchanged.
  void FindFile(const std::string& text, std::vector<uint8_t>& target, std::string& foundName) const;

  const std::vector<std::string>& Names() const { return names_; }
  int32_t Count() const { return static_cast<int32_t>(names_.size()); }
  int32_t Version() const { return version_; }

 private:
  void Clear();
  void CopyEntry(size_t index, std::vector<uint8_t>& target) const;

  std::vector<std::string> names_;  // lower-cased, in archive order
  std::vector<int32_t> sizes_;      // one per name
  std::vector<uint8_t> data_;       // the entries' bytes
  int32_t version_ = 0;
};
