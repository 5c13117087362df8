// Category 15, "Empty Registry Keys": every key without subkeys and without values below
// HKEY_CURRENT_USER and HKEY_USERS.
//
// HKEY_USERS holds the current user's own branch (and its classes branch), which is the very key
// HKEY_CURRENT_USER opens: those branches are left out there, so no key is reported twice.
// A record names the empty key by a key path without trailing backslash, as its base key too (not
// by the root's name), so that cleaning and the exclusion list address the key by the name every
// other category uses.
#include <windows.h>

#include <sddl.h>

#include <string>
#include <vector>

#include "base/registry_key.h"
#include "base/strings.h"
#include "registry/scan/scan_categories.h"

namespace {

// The current user's security identifier as text ("S-1-5-21-..."), or "" when it cannot be read.
std::wstring CurrentUserSid() {
  HANDLE Token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &Token)) return std::wstring();
  std::wstring Result;
  DWORD Size = 0;
  GetTokenInformation(Token, TokenUser, nullptr, 0, &Size);
  std::vector<BYTE> Buffer(Size ? Size : 1);
  if (Size && GetTokenInformation(Token, TokenUser, Buffer.data(), Size, &Size)) {
    LPWSTR Text = nullptr;
    if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(Buffer.data())->User.Sid, &Text)) {
      Result = Text;
      LocalFree(Text);
    }
  }
  CloseHandle(Token);
  return Result;
}

class TEmptyKeyWalk {
 public:
  TEmptyKeyWalk(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress, HKEY Root, const wchar_t* RootName)
      : Engine_(Engine), OnProgress_(OnProgress), Root_(Root), RootName_(RootName) {}

  // Walks the key Q (a path below the root that ends with a backslash); false when the scan was
  // stopped.
  bool Walk(const std::wstring& Q) {
    const std::wstring Key = L"\\" + Q.substr(0, Q.size() - 1);
    TRegistry Reg(KEY_READ);
    Reg.SetRootKey(Root_);
    if (!Reg.OpenKeyReadOnly(Key)) return true;
    TRegKeyInfo Info;
    if (!Reg.GetKeyInfo(Info)) return true;
    if (Info.NumSubKeys > 0) {
      std::vector<std::wstring> SubKeys;
      Reg.GetKeyNames(SubKeys);
      Reg.CloseKey();
      for (const std::wstring& S : SubKeys) {
        if (S.empty()) continue;
        if (!Engine_.NextEntry(OnProgress_, RootName_ + L"\\" + Q)) return false;
        if (!Walk(Q + S + L"\\")) return false;
      }
    } else if (Info.NumValues == 0) {
      const bool User = Root_ == HKEY_CURRENT_USER;
      Engine_.AddRegItem(MakeRegItem(Root_, RootName_, Key, Key, User ? Q : L"\\" + Q, L"", L"Empty Key",
                                     Q + L" is empty,it can be deleteed", 15, 1),
                         OnProgress_);
    }
    return true;
  }

 private:
  TRegScanEngine& Engine_;
  const TScanProgressEvent& OnProgress_;
  HKEY Root_;
  std::wstring RootName_;
};

std::vector<std::wstring> RootSubKeys(HKEY Root) {
  std::vector<std::wstring> Names;
  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(Root);
  if (Reg.OpenKeyReadOnly(L"\\")) Reg.GetKeyNames(Names);
  return Names;
}

}  // namespace

void ScanEmptyKeys(TRegScanEngine& Engine, const TScanProgressEvent& OnProgress) {
  ReportScanProgress(OnProgress, 0, L"");

  TEmptyKeyWalk User(Engine, OnProgress, HKEY_CURRENT_USER, L"HKEY_CURRENT_USER");
  for (const std::wstring& T : RootSubKeys(HKEY_CURRENT_USER))
    if (!T.empty() && !User.Walk(T + L"\\")) return;

  const std::wstring Sid = CurrentUserSid();
  TEmptyKeyWalk Users(Engine, OnProgress, HKEY_USERS, L"HKEY_USERS");
  for (const std::wstring& T : RootSubKeys(HKEY_USERS)) {
    if (T.empty()) continue;
    if (!Sid.empty() && (SameText(T, Sid) || SameText(T, Sid + L"_Classes"))) continue;
    if (!Users.Walk(T + L"\\")) return;
  }
}
