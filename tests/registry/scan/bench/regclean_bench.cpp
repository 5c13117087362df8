// Benchmark (not a test): cleaning N selected records against deleting the same keys in a plain
// loop, the delete path and the HTML report each as a ratio of that loop (the backup and restore
// have scripts/bench-regrestore).
// Run it through scripts/bench-regclean, which gives it a throwaway prefix of its own.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/files.h"
#include "registry/scan/reg_clean.h"
#include "registry/scan/reg_log_html.h"

namespace {

const wchar_t kBenchKey[] = L"Software\\QsCleanBench";

double Seconds(LARGE_INTEGER From, LARGE_INTEGER To) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(To.QuadPart - From.QuadPart) / double(frequency.QuadPart);
}

template <typename F>
double Time(F&& Work) {
  LARGE_INTEGER from, to;
  QueryPerformanceCounter(&from);
  Work();
  QueryPerformanceCounter(&to);
  return Seconds(from, to);
}

std::wstring ItemKey(int I) {
  wchar_t name[32];
  swprintf(name, 32, L"\\Item%05d", I);
  return std::wstring(kBenchKey) + name;
}

// Each item: a key with a value and a subkey that holds one value, as uninstall and class entries do.
void Seed(int Count) {
  for (int i = 0; i < Count; ++i) {
    HKEY key;
    std::wstring path = ItemKey(i) + L"\\Sub";
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExW(key, L"Value", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"data"), 10);
    RegCloseKey(key);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? atoi(argv[1]) : 10000;
  std::wstring folder = CreateUniqueTempFolder(L"qs_clean_bench_");
  SetProgramFolderForTesting(folder);

  auto plainLoop = [&] {
    Seed(count);
    return Time([&] {
      for (int i = 0; i < count; ++i) {
        RegDeleteKeyW(HKEY_CURRENT_USER, (ItemKey(i) + L"\\Sub").c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, ItemKey(i).c_str());
      }
    });
  };
  // The plain loop runs before and after the cleaning, and the cleaning is held against their
  // mean: the machine's load drifts while the benchmark runs.
  // A first round warms the registry up after the prefix was made; it is not counted.
  plainLoop();
  const double plainBefore = plainLoop();

  Seed(count);
  TRegScanEngine engine{0};
  for (int i = 0; i < count; ++i) {
    auto item = std::make_unique<TRegItem>(MakeRegItem(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", L"", L"\\" + ItemKey(i),
                                                       L"", L"HKEY_CURRENT_USER\\" + ItemKey(i), L"Empty Key",
                                                       L"The key is redundant or invalid registry key", 15, 1));
    item->Selected = 1;
    engine.Items.push_back(std::move(item));
  }
  engine.CleanState = kRegStateRunning;
  TRegCleanResult result;
  double clean = Time([&] { result = CleanRegItems(engine, TRegCleanReport::Category, nullptr); });

  const double plain = (plainBefore + plainLoop()) / 2;
  RegDeleteKeyW(HKEY_CURRENT_USER, kBenchKey);
  // The report of the same records again, alone: the cleaning's delete path is the rest.
  const std::wstring reportFile = folder + L"report.html";
  double report = Time([&] { WriteRegLogHtml(engine.Items, reportFile); });
  const double deletePath = clean - report;
  wprintf(L"clean %d records with report: %.3f s (%d cleaned, report %ls)\n", count, clean, result.Cleaned,
          result.LogFile.c_str());
  wprintf(L"plain delete loop:             %.3f s\n", plain);
  wprintf(L"delete path (clean - report):  %.3f s   ratio %.2f\n", deletePath, deletePath / plain);
  wprintf(L"report alone:                  %.3f s   ratio %.2f\n", report, report / plain);
  SetProgramFolderForTesting(L"");
  DeleteFolderTree(folder);
  return result.Cleaned == count ? 0 : 1;
}
