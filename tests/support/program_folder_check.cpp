// Linked into every test program. A program started from the build folder gets a \\?\unix\
// program folder, and what it writes beside itself lands in the host's files whatever drives the
// prefix has: scripts/wine-exec runs each program from a folder on the prefix's C: drive. A run
// from anywhere else fails before any test.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

class ProgramFolderOnDriveC : public testing::Environment {
 public:
  void SetUp() override {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    const std::wstring path(buffer.data(), n);
    const bool onDriveC = path.size() > 3 && (path[0] == L'C' || path[0] == L'c') && path[1] == L':' && path[2] == L'\\';
    ASSERT_TRUE(onDriveC) << "the test program runs from outside drive C (" << testing::PrintToString(path)
                          << "): what it writes beside itself would reach the host; run it through scripts/test";
  }
};

testing::Environment* const kProgramFolderCheck = testing::AddGlobalTestEnvironment(new ProgramFolderOnDriveC);

}  // namespace
