// qs_skin_packer <skin folder> <stored skin>: packs the folder's skin INI and bitmaps into a
// stored skin (LZHUF-packed skin archive) for the programs' forms.
// qs_skin_packer --file <file> <packed file>: packs one file the same way, without the archive
// (a large picture a form names). Runs on the build machine.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "skin/packer/lzh_encoder.h"
#include "skin/packer/skin_archive_writer.h"

namespace fs = std::filesystem;

namespace {

std::string LowerExtension(const fs::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return ext;
}

// The folder's .ini and .bmp files, sorted by name so the output never depends on the file
// system's order.
std::vector<TSkinFile> ReadSkinFolder(const fs::path& folder) {
  std::vector<fs::path> paths;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    std::string ext = LowerExtension(entry.path());
    if (entry.is_regular_file() && (ext == ".ini" || ext == ".bmp")) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  size_t inis = std::count_if(paths.begin(), paths.end(),
                              [](const fs::path& p) { return LowerExtension(p) == ".ini"; });
  if (inis != 1) throw std::runtime_error("the skin folder must hold exactly one .ini file");

  std::vector<TSkinFile> files;
  for (const fs::path& path : paths) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    TSkinFile file{path.filename().string(),
                   std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
    files.push_back(std::move(file));
  }
  return files;
}

std::vector<uint8_t> ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  const bool oneFile = argc == 4 && std::string(argv[1]) == "--file";
  if (argc != 3 && !oneFile) {
    std::fprintf(stderr, "usage: %s <skin folder> <stored skin file>\n       %s --file <file> <packed file>\n",
                 argv[0], argv[0]);
    return 2;
  }
  try {
    std::vector<uint8_t> stored = oneFile ? PackStoredSkin(ReadWholeFile(argv[2]))
                                          : PackStoredSkin(WriteSkinArchive(ReadSkinFolder(argv[1])));
    fs::path target = argv[oneFile ? 3 : 2];
    fs::path temporary = target;
    temporary += ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(stored.data()), static_cast<std::streamsize>(stored.size()));
      if (!out) throw std::runtime_error("cannot write " + temporary.string());
    }
    fs::rename(temporary, target);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qs_skin_packer: %s\n", e.what());
    return 1;
  }
  return 0;
}
