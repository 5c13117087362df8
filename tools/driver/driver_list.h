#pragma once
// The drivers registered in the device class keys: one row per driver instance (0000, 0001 ...)
// with a description. Listing only reads the registry.
#include <string>
#include <vector>

#include "tools/driver/driver_places.h"

struct TDriverRow {
  std::wstring Description;       // "DriverDesc"
  std::wstring ClassDescription;  // the class key's unnamed value
  std::wstring InstanceKey;       // the instance's key below the places' root
};

enum class TDriverListMode {
  NotMicrosoft = 1,  // drivers of other providers only
  All = 2,
};

// Classes and instances in the registry's order. A missing "ProviderName" counts as
// "Microsoft". An instance whose description equals the row listed just before it is left out.
std::vector<TDriverRow> ListDrivers(TDriverListMode Mode, const TDriverPlaces& Places);
