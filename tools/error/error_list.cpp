#include "tools/error/error_list.h"

#include "base/files.h"
#include "registry/reg_names.h"
#include "tools/error/reset_value.h"

namespace {
std::wstring OperationSection(const std::wstring& name, int k) { return name + L"@" + std::to_wstring(k); }
}  // namespace

std::wstring ErrorCleanFileName() { return ProgramFolder() + L"ErrorClean.ini"; }

std::vector<TErrorItem> LoadErrorList(const TIniFile& Ini) {
  std::vector<TErrorItem> items;
  TStringList names;
  Ini.ReadSection(L"Error List", names);
  for (const std::wstring& name : names.Strings()) {
    if (!Ini.SectionExists(name)) continue;
    TErrorItem item;
    item.Name = name;
    item.OpCount = Ini.ReadInteger(L"Error List", name, 0);
    bool complete = true;
    if (item.OpCount > 1)
      for (int k = 1; k <= item.OpCount && complete; ++k) complete = Ini.SectionExists(OperationSection(name, k));
    if (!complete) continue;
    item.Description = Ini.ReadString(name, L"Description", name);
    items.push_back(item);
  }
  return items;
}

std::vector<TErrorRegItem> LoadOperations(const TIniFile& Ini, const TErrorItem& Item) {
  std::vector<TErrorRegItem> operations;
  for (int k = 1; k <= Item.OpCount; ++k) {
    const std::wstring section = OperationSection(Item.Name, k);
    if (!Ini.SectionExists(section)) continue;
    TErrorRegItem op;
    const std::wstring rootName = Ini.ReadString(section, L"RootKey", L"");
    op.RootKey = RootNameToHKey(rootName);
    op.SubKey = Ini.ReadString(section, L"SubKey", L"");
    op.ValueName = Ini.ReadString(section, L"ValueName", L"");
    const std::wstring typeName = Ini.ReadString(section, L"ValueType", L"");
    op.ValueType = RegNameToType(typeName);
    op.OPType = Ini.ReadInteger(section, L"OPType", opDoNothing);
    const bool changesRegistry = op.OPType == opDeleteValue || op.OPType == opDeleteKey || op.OPType == opResetValue;
    // A root name that is not understood must never fall back to some other root.
    if (changesRegistry && !op.RootKey)
      op.Refusal = L"unknown root key \"" + rootName + L"\"";
    else if (op.OPType == opResetValue) {
      if (op.ValueType == 0xFFFFFFFF)
        op.Refusal = L"unknown value type \"" + typeName + L"\"";
      else
        ParseResetValue(op.ValueType, Ini.ReadString(section, L"ResetValue", L""), op.Data, op.Refusal);
    }
    operations.push_back(op);
  }
  return operations;
}

std::wstring OperationLabel(int OPType) {
  switch (OPType) {
    case opDoNothing: return L"Do Nothing";
    case opDeleteValue: return L"Delete Value";
    case opDeleteKey: return L"Delete the whole Sub Key";
    case opResetValue: return L"Reset to the given value";
    case opRunCommand: return L"a command line";
    default: return L"";
  }
}
