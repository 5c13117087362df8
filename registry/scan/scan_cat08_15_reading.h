// Reading helpers of the scanners of categories 8 to 15.
#pragma once

#include <string>

#include "base/exception.h"
#include "base/registry_key.h"

// A value of the open key as text, where a value that cannot be read as text (not of a string
// type) counts as empty. Only the scanners that tolerate such values use this; the others let
// the registry key object's error end the scan.
inline std::wstring ReadTextOrEmpty(const TRegistry& Reg, const std::wstring& Name) {
  try {
    return Reg.ReadString(Name);
  } catch (const ERegistryException&) {
    return std::wstring();
  }
}
