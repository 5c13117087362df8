// Benchmark (not a test): a whole-registry backup and its restore, with every check they make
// (the export's parse and seal, the seal and parse before the import, every key and value read
// back after it), against a plain "regedit /e" and "regedit /s" of the same registry, three
// rounds, each round's ratio against the plain pair of the same round.
// Run it through scripts/bench-regrestore, which gives it a throwaway prefix of its own.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/date_time.h"
#include "base/files.h"
#include "registry/reg_backup.h"
#include "registry/reg_editor.h"
#include "registry/reg_file.h"
#include "registry/reg_import_check.h"

namespace {

const wchar_t kBenchKey[] = L"Software\\QsRestoreBench";

template <typename F>
double Time(F&& Work) {
  LARGE_INTEGER frequency, from, to;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&from);
  Work();
  QueryPerformanceCounter(&to);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Items as programs leave them: a key with a text, a number and some bytes, and a subkey with a
// list, so that the registry holds more than a fresh prefix's keys.
void Seed(int Count) {
  const wchar_t text[] = L"C:\\Program Files\\Bench\\program.exe";
  const wchar_t list[] = L"one\0two\0three\0";
  const BYTE bytes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  for (int i = 0; i < Count; ++i) {
    wchar_t name[64];
    swprintf(name, 64, L"%ls\\Item%05d\\Sub", kBenchKey, i);
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
      continue;
    RegSetValueExW(key, L"List", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list), sizeof list);
    RegCloseKey(key);
    *wcsrchr(name, L'\\') = 0;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) continue;
    const DWORD number = i;
    RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegSetValueExW(key, L"Bytes", 0, REG_BINARY, bytes, sizeof bytes);
    RegCloseKey(key);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? atoi(argv[1]) : 5000;
  const std::wstring folder = CreateUniqueTempFolder(L"qs_restore_bench_");
  SetProgramFolderForTesting(folder);
  Seed(count);
  const std::wstring plainFile = folder + L"plain.reg";
  // A first plain export warms the registry and the editor up; it is not counted.
  RunRegistryEditor(L"/e \"" + plainFile + L"\"");

  std::vector<double> ratios;
  bool allDone = true;
  for (int round = 1; round <= 3; ++round) {
    bool plainOk = true;
    const double plainExport = Time([&] { plainOk = RunRegistryEditor(L"/e \"" + plainFile + L"\""); });
    const double plainImport = Time([&] { plainOk = RunRegistryEditor(L"/s \"" + plainFile + L"\"") && plainOk; });
    std::wstring name;
    bool backedUp = false;
    TRegImportResult restored;
    const double backup = Time([&] { backedUp = TakeRegistryBackup(Now(), name); });
    const double restore = Time([&] { restored = ImportRegistry(name); });
    const bool done = plainOk && backedUp && restored.Status == TRegImportStatus::Done;
    allDone = allDone && done;
    const double ratio = (backup + restore) / (plainExport + plainImport);
    ratios.push_back(ratio);
    wprintf(L"round %d: plain export %.3f s + import %.3f s; backup %.3f s + restore %.3f s (%zu keys, %zu values "
            L"checked): ratio %.2f %ls\n",
            round, plainExport, plainImport, backup, restore, restored.Keys, restored.Values, ratio,
            done ? L"" : (L"FAILED " + RegImportFailureText(restored)).c_str());
    // The checks alone, on the same file: what the backup and the restore add to the editor's
    // work (each reads the file once, parses it and takes its digest; the restore reads back).
    if (backedUp) {
      TRegFile file;
      std::wstring problem;
      TRegImportResult readBack;
      const double parse = Time([&] {
        for (int side = 0; side < 2; ++side) {
          std::string bytes;
          ReadFileBytes(RegBackupFolder() + name, bytes, problem);
          SealOfBytes(bytes);
          ParseRegFile(bytes, file, problem);
        }
      });
      const double readBackTime = Time([&] { CheckImportedRegFile(file, readBack); });
      wprintf(L"         checks alone: read, seal and parse twice %.3f s + read back %.3f s: ratio %.2f of the plain "
              L"pair\n",
              parse, readBackTime, (parse + readBackTime) / (plainExport + plainImport));
    }
    DeleteFileW((RegBackupFolder() + name).c_str());
    Sleep(1000);  // the next backup gets a name of its own
  }
  std::sort(ratios.begin(), ratios.end());
  wprintf(L"backup + restore / plain export + import: min %.2f  median %.2f  max %.2f\n", ratios[0], ratios[1],
          ratios[2]);
  SetProgramFolderForTesting(L"");
  DeleteFolderTree(folder);
  RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, kBenchKey);
  return allDone ? 0 : 1;
}
