#include "skin/skin_reader.h"

#include <algorithm>
#include <cstring>

#include "skin/lzh.h"
#include "skin/quick_ini.h"

#ifdef _WIN32
#include <windows.h>

#include "gui/message_box.h"
#else
#include <cstdio>
#endif

namespace {

const char kOlderSkinMessage[] = "This is Older Skin File\rPlease update to new version !";

void DefaultMessage(const std::string& text) {
#ifdef _WIN32
  std::wstring wide(text.begin(), text.end());  // the message is ASCII
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring title = path;
  title = title.substr(title.find_last_of(L"\\/") + 1);
  title = title.substr(0, title.find_last_of(L'.'));
  MessageBoxShow(GetActiveWindow(), wide, title, MB_OK);
#else
  std::fprintf(stderr, "%s\n", text.c_str());
#endif
}

TSkinMessageProc g_messageProc = DefaultMessage;

int32_t ReadInt32(const uint8_t* p) {
  uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
               static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
  return static_cast<int32_t>(v);
}

// Bytes skipped after the header, by archive version; -1 for a version this reader lacks.
int32_t VersionBlockSize(int32_t version) {
  switch (version) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    case 50000: return 48;
    case 60000: return 117;
    case 70000: return 69;
    default: return -1;
  }
}

constexpr size_t kHeaderSize = 16;

}  // namespace

void SetSkinMessageProc(TSkinMessageProc proc) { g_messageProc = proc ? proc : DefaultMessage; }

bool TSkinReader::Decompress(const std::vector<uint8_t>& source, std::vector<uint8_t>& target) {
  target.clear();
  if (source.size() < 4) return true;
  const int32_t unpackedSize = ReadInt32(source.data());
  // The header gives the size: one allocation instead of growing from empty. A size the
  // decoder refuses reserves nothing.
  if (unpackedSize > 0 && unpackedSize <= TLZH::kMaxUnpackedSize) target.reserve(static_cast<size_t>(unpackedSize));
  size_t position = 4;
  TLZH lzh;
  return lzh.Decode(
      unpackedSize,
      [&target](const uint8_t* buffer, int32_t count) { target.insert(target.end(), buffer, buffer + count); },
      [&source, &position](uint8_t* buffer, int32_t count) -> int32_t {
        size_t n = std::min(static_cast<size_t>(count), source.size() - position);
        std::memcpy(buffer, source.data() + position, n);
        position += n;
        return static_cast<int32_t>(n);
      });
}

void TSkinReader::Clear() {
  names_.clear();
  sizes_.clear();
  data_.clear();
  version_ = 0;
}

bool TSkinReader::LoadFromStream(const std::vector<uint8_t>& storedSkin) {
  Clear();
  std::vector<uint8_t> archive;
  if (!Decompress(storedSkin, archive)) return false;

  int32_t version = 0;
  int32_t nameLength = 0;
  if (archive.size() >= kHeaderSize) {
    version = ReadInt32(archive.data());
    nameLength = ReadInt32(archive.data() + 4);
  }
  const int32_t blockSize = VersionBlockSize(version);
  if (blockSize < 0) {
    g_messageProc(kOlderSkinMessage);
    return false;
  }

  // Everything below is refused quietly: the archive claims more than it holds.
  const size_t size = archive.size();
  size_t position = kHeaderSize + static_cast<size_t>(blockSize);
  if (nameLength < 0 || position > size || static_cast<size_t>(nameLength) > size - position) return false;
  std::string text = AsciiLowerCase(
      std::string(reinterpret_cast<const char*>(archive.data() + position), static_cast<size_t>(nameLength)));
  position += static_cast<size_t>(nameLength);
  std::vector<std::string> names = SplitTextLines(text.data(), text.size());
  if (names.size() > static_cast<size_t>(kMaxEntries)) return false;
  if (names.size() * 4 > size - position) return false;

  std::vector<int32_t> sizes;
  uint64_t total = 0;
  for (size_t i = 0; i < names.size(); i++, position += 4) {
    int32_t entrySize = ReadInt32(archive.data() + position);
    if (entrySize < 0) return false;
    sizes.push_back(entrySize);
    total += static_cast<uint32_t>(entrySize);
  }
  if (total > size - position) return false;

  names_ = std::move(names);
  sizes_ = std::move(sizes);
  data_.assign(archive.begin() + static_cast<std::ptrdiff_t>(position), archive.end());
  version_ = version;
  return true;
}

void TSkinReader::CopyEntry(size_t index, std::vector<uint8_t>& target) const {
  size_t offset = 0;
  for (size_t i = 0; i < index; i++) offset += static_cast<size_t>(sizes_[i]);
  auto begin = data_.begin() + static_cast<std::ptrdiff_t>(offset);
  target.assign(begin, begin + sizes_[index]);
}

void TSkinReader::ExtractFile(const std::string& name, std::vector<uint8_t>& target) const {
  target.clear();
  const std::string wanted = AsciiLowerCase(name);
  for (size_t i = 0; i < names_.size(); i++) {
    if (names_[i] == wanted) {
      CopyEntry(i, target);
      return;
    }
  }
}

void TSkinReader::FindFile(const std::string& text, std::vector<uint8_t>& target,
                           std::string& foundName) const {
  target.clear();
  if (text.empty()) return;
  for (size_t i = 0; i < names_.size(); i++) {
    if (names_[i].find(text) != std::string::npos) {
      CopyEntry(i, target);
      foundName = names_[i];
      return;
    }
  }
}
