// Writes a skin archive (the unpacked form of a stored skin) for the build machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TSkinFile {
  std::string name;  // plain file name, no folder
  std::vector<uint8_t> bytes;
};

constexpr int32_t kSkinArchiveVersion = 70000;
constexpr int32_t kSkinArchiveBlockSize = 69;  // the version's reserved block, written as zeros

// Header, version block, name list (one name per line, CR LF after each), size table, data.
// Throws std::invalid_argument for a name the reader could not find again (empty, or with a
// line end or NUL) and for more files than the reader accepts.
std::vector<uint8_t> WriteSkinArchive(const std::vector<TSkinFile>& files);
