#include "tools/restore/restore_point_wmi.h"

#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>

namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
class TComPtr {
 public:
  TComPtr() = default;
  ~TComPtr() {
    if (p_) p_->Release();
  }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;
  T** operator&() { return &p_; }
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

class TVariant {
 public:
  TVariant() { VariantInit(&v_); }
  ~TVariant() { VariantClear(&v_); }
  TVariant(const TVariant&) = delete;
  TVariant& operator=(const TVariant&) = delete;
  VARIANT* operator&() { return &v_; }
  const VARIANT& get() const { return v_; }

 private:
  VARIANT v_;
};

class TBStr {
 public:
  explicit TBStr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
  ~TBStr() { SysFreeString(b_); }
  TBStr(const TBStr&) = delete;
  TBStr& operator=(const TBStr&) = delete;
  operator BSTR() const { return b_; }

 private:
  BSTR b_;
};

// COM for the calling thread while it lives; a thread that has COM already keeps its own.
class TComScope {
 public:
  TComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~TComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

 private:
  HRESULT hr_;
};

// The WMI services of root\default on this machine, impersonating the caller.
bool ConnectRootDefault(TComPtr<IWbemServices>& services) {
  TComPtr<IWbemLocator> locator;
  if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                              reinterpret_cast<void**>(&locator))))
    return false;
  TBStr ns(L"root\\default");
  if (FAILED(locator->ConnectServer(ns, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services))) return false;
  // Restoring needs the caller's identity on the call, as the "impersonate" moniker gives scripts.
  CoSetProxyBlanket(services.get(), RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
  return true;
}

// The value of a property as an integer, whichever integer or text form WMI gives it in; false
// when the property has no value.
bool IntegerProperty(IWbemClassObject* object, const wchar_t* name, int& result) {
  result = 0;
  TVariant value;
  if (FAILED(object->Get(name, 0, &value, nullptr, nullptr))) return false;
  if (value.get().vt == VT_EMPTY || value.get().vt == VT_NULL) return false;
  TVariant asInt;
  if (FAILED(VariantChangeType(&asInt, &value, 0, VT_I4))) return false;
  result = asInt.get().lVal;
  return true;
}

std::wstring TextProperty(IWbemClassObject* object, const wchar_t* name) {
  TVariant value;
  if (FAILED(object->Get(name, 0, &value, nullptr, nullptr))) return L"";
  TVariant asText;
  if (FAILED(VariantChangeType(&asText, &value, 0, VT_BSTR)) || !asText.get().bstrVal) return L"";
  return std::wstring(asText.get().bstrVal, SysStringLen(asText.get().bstrVal));
}

// Calls a static method of SystemRestore with the arguments Fill puts into its input object.
template <typename TFill>
TWmiCallResult CallSystemRestore(const wchar_t* method, TFill fill) {
  TWmiCallResult result;
  TComScope com;
  TComPtr<IWbemServices> services;
  if (!ConnectRootDefault(services)) return result;
  TBStr className(L"SystemRestore");
  TComPtr<IWbemClassObject> classObject, signature, input, output;
  if (FAILED(services->GetObject(className, 0, nullptr, &classObject, nullptr))) return result;
  if (FAILED(classObject->GetMethod(method, 0, &signature, nullptr)) || !signature) return result;
  if (FAILED(signature->SpawnInstance(0, &input))) return result;
  if (!fill(input.get())) return result;
  TBStr methodName(method);
  if (FAILED(services->ExecMethod(className, methodName, 0, nullptr, input.get(), &output, nullptr)) || !output)
    return result;
  TVariant value;
  if (FAILED(output->Get(L"ReturnValue", 0, &value, nullptr, nullptr))) return result;
  // A method that ends without a value has not said that it worked.
  if (value.get().vt == VT_EMPTY || value.get().vt == VT_NULL) return result;
  TVariant asInt;
  if (FAILED(VariantChangeType(&asInt, &value, 0, VT_I4))) return result;
  result.HasValue = true;
  result.Value = asInt.get().lVal;
  return result;
}

bool PutInteger(IWbemClassObject* object, const wchar_t* name, int value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return SUCCEEDED(object->Put(name, 0, &v, 0));
}

}  // namespace

bool QueryRestorePoints(std::vector<TSystemRestoreItem>& Points) {
  TComScope com;
  TComPtr<IWbemServices> services;
  if (!ConnectRootDefault(services)) return false;
  TBStr language(L"WQL"), query(L"Select * from SystemRestore");
  TComPtr<IEnumWbemClassObject> rows;
  if (FAILED(services->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                 &rows)))
    return false;
  for (;;) {
    TComPtr<IWbemClassObject> row;
    ULONG returned = 0;
    HRESULT hr = rows->Next(static_cast<LONG>(WBEM_INFINITE), 1, &row, &returned);
    if (hr == WBEM_S_FALSE || (SUCCEEDED(hr) && returned == 0)) return true;
    if (FAILED(hr)) return false;
    TSystemRestoreItem item;
    item.Description = TextProperty(row.get(), L"Description");
    IntegerProperty(row.get(), L"RestorePointType", item.RestorePointType);
    item.CreationTime = TextProperty(row.get(), L"CreationTime");
    // Points are numbered from 1; a row without a number (Wine answers with one such empty row)
    // is no point that could be restored to.
    if (!IntegerProperty(row.get(), L"SequenceNumber", item.SequenceNumber) || item.SequenceNumber <= 0) continue;
    IntegerProperty(row.get(), L"EventType", item.EventType);
    Points.push_back(item);
  }
}

TWmiCallResult CreateSystemRestorePoint(const std::wstring& Description) {
  return CallSystemRestore(L"CreateRestorePoint", [&Description](IWbemClassObject* input) {
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocStringLen(Description.data(), static_cast<UINT>(Description.size()));
    bool ok = SUCCEEDED(input->Put(L"Description", 0, &text, 0));
    VariantClear(&text);
    // Type 0 (an application install) is what a script's empty text becomes; event 100 marks the
    // start of a system change.
    return ok && PutInteger(input, L"RestorePointType", 0) && PutInteger(input, L"EventType", 100);
  });
}

TWmiCallResult RestoreSystemToPoint(int SequenceNumber) {
  return CallSystemRestore(L"Restore", [SequenceNumber](IWbemClassObject* input) {
    return PutInteger(input, L"SequenceNumber", SequenceNumber);
  });
}
