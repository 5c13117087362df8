#include "registry/scan/reg_log_html.h"

#include <windows.h>

#include "base/exception.h"
#include "base/files.h"
#include "base/strings.h"
#include "registry/scan/reg_clean.h"

namespace {

// Record texts come from the registry: markup characters in them must not become markup.
std::wstring HtmlText(const std::wstring& Text) {
  std::wstring out;
  out.reserve(Text.size());
  for (wchar_t c : Text) {
    switch (c) {
      case L'&': out += L"&amp;"; break;
      case L'<': out += L"&lt;"; break;
      case L'>': out += L"&gt;"; break;
      case L'"': out += L"&quot;"; break;
      case L'\'': out += L"&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

// Appends Chars in the code page to Out; false (Out unchanged) when the code page has no byte
// sequence for one of them.
bool Encode(UINT CodePage, const wchar_t* Chars, int Count, std::string& Out) {
  BOOL usedDefault = FALSE;
  int length = WideCharToMultiByte(CodePage, WC_NO_BEST_FIT_CHARS, Chars, Count, nullptr, 0, nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return false;
  size_t at = Out.size();
  Out.resize(at + length);
  WideCharToMultiByte(CodePage, WC_NO_BEST_FIT_CHARS, Chars, Count, &Out[at], length, nullptr, nullptr);
  return true;
}

}  // namespace

std::wstring RegLogHtml(const TRegItemList& Items, const std::wstring& Title, TDateTime Time) {
  std::wstring html = L"<html><head><title>" + HtmlText(Title) + L"</title></head><body><h1>";
  html += Format(L"注册表扫描清理时间 <font color=\"blue\">%s %s</font>，共扫描到<font color= \"blue\">%d</font>项无效记录",
                 FormatDateTime(L"yyyy-mm-dd", Time).c_str(), FormatDateTime(L"hh:nn:ss", Time).c_str(),
                 static_cast<int>(Items.size()));
  html += L"</h1>";
  int number = 0;
  for (const auto& item : Items) {
    html += L"<p><strong>" + IntToStr(++number) + L". [" + HtmlText(item->RootName + item->KeyPath) +
            L"]</strong></p><ul>";
    html += L"<li>值名称：<font color=\"blue\">" + HtmlText(item->ValueName) + L"</font></li>";
    html += L"<li>值：<font color=\"blue\">" + HtmlText(item->ValueData) + L"</font></li>";
    html += L"<li>清理原因：<font color=\"blue\">" + HtmlText(item->Description) + L"</font></li>";
    html += L"<li>类型：<font color=\"red\">" + HtmlText(item->ProblemType) + L"</font></li>";
    const wchar_t* colour = Trim(item->Status) == kRegCleanedStatus ? L"green" : L"red";
    html += L"<li>状态：<font color=\"" + std::wstring(colour) + L"\">" + HtmlText(item->Status) + L"</font></li></ul>";
  }
  html += L"</body></html>";
  return html;
}

std::string EncodeRegLogHtml(const std::wstring& Html) {
  UINT codePage = GetACP();
  if (codePage == CP_UTF8) return WideToUtf8(Html);
  // Most reports convert whole; only one that holds foreign characters goes character by character.
  std::string whole;
  if (Encode(codePage, Html.data(), static_cast<int>(Html.size()), whole) || Html.empty()) return whole;
  std::string out;
  for (size_t i = 0; i < Html.size(); ++i) {
    int count = IS_HIGH_SURROGATE(Html[i]) && i + 1 < Html.size() && IS_LOW_SURROGATE(Html[i + 1]) ? 2 : 1;
    if (!Encode(codePage, &Html[i], count, out)) {
      unsigned codePoint = count == 2 ? 0x10000u + ((Html[i] - 0xD800u) << 10) + (Html[i + 1] - 0xDC00u) : Html[i];
      out += "&#" + std::to_string(codePoint) + ";";
    }
    i += count - 1;
  }
  return out;
}

void WriteRegLogHtml(const TRegItemList& Items, const std::wstring& FileName) {
  std::string bytes = EncodeRegLogHtml(RegLogHtml(Items, ExtractFileName(FileName), Now()));
  HANDLE file = CreateFileW(FileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw EFCreateError(L"Cannot create file \"" + FileName + L"\". " + SysErrorMessage(GetLastError()));
  DWORD written = 0;
  bool ok = bytes.size() <= 0xFFFFFFFFu &&
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  DWORD error = GetLastError();
  CloseHandle(file);
  if (!ok) throw EFCreateError(L"Cannot write file \"" + FileName + L"\". " + SysErrorMessage(error));
}
