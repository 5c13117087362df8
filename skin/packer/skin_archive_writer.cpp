#include "skin/packer/skin_archive_writer.h"

#include <stdexcept>

#include "skin/skin_reader.h"

namespace {

void PutInt32(std::vector<uint8_t>& out, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

}  // namespace

std::vector<uint8_t> WriteSkinArchive(const std::vector<TSkinFile>& files) {
  if (files.size() > static_cast<size_t>(TSkinReader::kMaxEntries)) {
    throw std::invalid_argument("a skin archive holds at most 1001 files");
  }
  std::string names;
  for (const TSkinFile& file : files) {
    if (file.name.empty() || file.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      throw std::invalid_argument("file name not allowed in a skin archive: " + file.name);
    }
    names += file.name + "\r\n";
  }

  std::vector<uint8_t> out;
  PutInt32(out, kSkinArchiveVersion);
  PutInt32(out, static_cast<int32_t>(names.size()));
  PutInt32(out, 0);
  PutInt32(out, 0);
  out.insert(out.end(), kSkinArchiveBlockSize, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const TSkinFile& file : files) PutInt32(out, static_cast<int32_t>(file.bytes.size()));
  for (const TSkinFile& file : files) out.insert(out.end(), file.bytes.begin(), file.bytes.end());
  return out;
}
