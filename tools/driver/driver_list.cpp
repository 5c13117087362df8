#include "tools/driver/driver_list.h"

#include "registry/reg_read.h"

std::vector<TDriverRow> ListDrivers(TDriverListMode Mode, const TDriverPlaces& Places) {
  std::vector<TDriverRow> rows;
  const std::wstring classRoot = Places.ClassKey + L"\\";
  for (const std::wstring& className : ListRegSubKeys(Places.Root, Places.ClassKey)) {
    const std::wstring classKey = classRoot + className;
    const std::vector<std::wstring> instances = ListRegSubKeys(Places.Root, classKey);
    if (instances.empty()) continue;
    const std::wstring classDescription = ReadRegStringDefault(Places.Root, classKey, L"", L"");
    for (const std::wstring& instance : instances) {
      // Driver instances are numbered 0000, 0001 ...; longer names ("Properties") are not drivers.
      if (instance.size() > 4) continue;
      const std::wstring instanceKey = classKey + L"\\" + instance;
      std::wstring description = ReadRegStringDefault(Places.Root, instanceKey, L"DriverDesc", L"");
      if (description.empty()) continue;
      if (Mode == TDriverListMode::NotMicrosoft &&
          ReadRegStringDefault(Places.Root, instanceKey, L"ProviderName", L"Microsoft") == L"Microsoft")
        continue;
      if (!rows.empty() && rows.back().Description == description) continue;
      rows.push_back({std::move(description), classDescription, instanceKey});
    }
  }
  return rows;
}
