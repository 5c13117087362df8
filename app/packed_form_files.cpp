#include "app/packed_form_files.h"

#include <utility>

#include "base/exception.h"
#include "base/strings.h"
#include "skin/skin_reader.h"

TFormFileSource UnpackingFileSource(TFormFileSource files) {
  return [files = std::move(files)](const std::wstring& path) {
    TBytes bytes = files(path);
    static const std::wstring kPacked = L".lzh";
    if (path.size() < kPacked.size() || !SameText(path.substr(path.size() - kPacked.size()), kPacked)) return bytes;
    TBytes unpacked;
    if (!TSkinReader::Decompress(bytes, unpacked)) throw Exception(L"packed file is damaged");
    return unpacked;
  };
}
