#include "registry/scan/reg_log_html.h"

#include <windows.h>

#include <cwchar>

#include "base/exception.h"
#include "base/files.h"
#include "base/strings.h"
#include "registry/scan/reg_clean.h"

namespace {

// Appends Text to Out, escaped: record texts come from the registry, and markup characters in
// them must not become markup.
void AppendHtmlText(std::wstring& Out, const std::wstring& Text) {
  for (wchar_t c : Text) {
    switch (c) {
      case L'&': Out += L"&amp;"; break;
      case L'<': Out += L"&lt;"; break;
      case L'>': Out += L"&gt;"; break;
      case L'"': Out += L"&quot;"; break;
      case L'\'': Out += L"&#39;"; break;
      default: Out += c;
    }
  }
}

// A list item "<li>Label<font color="Colour">Text</font></li>".
void AppendItem(std::wstring& Out, const wchar_t* Label, const wchar_t* Colour, const std::wstring& Text) {
  Out += L"<li>";
  Out += Label;
  Out += L"<font color=\"";
  Out += Colour;
  Out += L"\">";
  AppendHtmlText(Out, Text);
  Out += L"</font></li>";
}

// Converts Chars to the code page into Out (appended); false, with Out unchanged, when the code
// page has no byte sequence for one of them. One conversion into room for the longest result.
bool Encode(UINT CodePage, const wchar_t* Chars, size_t Count, std::string& Out) {
  if (Count == 0) return true;
  if (Count > 0x1FFFFFFF) return false;
  CPINFO info;
  const size_t most = Count * (GetCPInfo(CodePage, &info) ? info.MaxCharSize : 4);
  const size_t at = Out.size();
  Out.resize(at + most);
  BOOL usedDefault = FALSE;
  // UTF-8 takes neither the flag nor the question.
  const bool utf8 = CodePage == CP_UTF8;
  const int length = WideCharToMultiByte(CodePage, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, Chars, static_cast<int>(Count),
                                         &Out[at], static_cast<int>(most), nullptr, utf8 ? nullptr : &usedDefault);
  if (length <= 0 || usedDefault) {
    Out.resize(at);
    return false;
  }
  Out.resize(at + length);
  return true;
}

struct TCharsetName {
  UINT codePage;
  const wchar_t* name;
};

// Code pages a report may be written in, by the names browsers know them by.
const TCharsetName kCharsets[] = {
    {CP_UTF8, L"utf-8"},      {936, L"gbk"},           {950, L"big5"},          {932, L"shift_jis"},
    {949, L"euc-kr"},         {874, L"windows-874"},   {1250, L"windows-1250"}, {1251, L"windows-1251"},
    {1252, L"windows-1252"},  {1253, L"windows-1253"}, {1254, L"windows-1254"}, {1255, L"windows-1255"},
    {1256, L"windows-1256"},  {1257, L"windows-1257"}, {1258, L"windows-1258"},
};

const wchar_t* CharsetName(UINT CodePage) {
  for (const TCharsetName& charset : kCharsets)
    if (charset.codePage == CodePage) return charset.name;
  return nullptr;
}

}  // namespace

UINT RegLogCodePage() {
  const UINT codePage = GetACP();
  return CharsetName(codePage) ? codePage : CP_UTF8;
}

std::wstring RegLogCharset() { return CharsetName(RegLogCodePage()); }

std::wstring RegLogHtml(const TRegItemList& Items, const std::wstring& Title, TDateTime Time) {
  std::wstring html;
  html.reserve(512 + Items.size() * 400);
  html += L"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=";
  html += RegLogCharset();
  html += L"\"><title>";
  AppendHtmlText(html, Title);
  html += L"</title></head><body><h1>";
  html += Format(L"注册表扫描清理时间 <font color=\"blue\">%s %s</font>，共扫描到<font color= \"blue\">%d</font>项无效记录",
                 FormatDateTime(L"yyyy-mm-dd", Time).c_str(), FormatDateTime(L"hh:nn:ss", Time).c_str(),
                 static_cast<int>(Items.size()));
  html += L"</h1>";
  int number = 0;
  wchar_t digits[16];
  for (const auto& item : Items) {
    swprintf(digits, 16, L"%d", ++number);
    html += L"<p><strong>";
    html += digits;
    html += L". [";
    AppendHtmlText(html, item->RootName);
    AppendHtmlText(html, item->KeyPath);
    html += L"]</strong></p><ul>";
    AppendItem(html, L"值名称：", L"blue", item->ValueName);
    AppendItem(html, L"值：", L"blue", item->ValueData);
    AppendItem(html, L"清理原因：", L"blue", item->Description);
    AppendItem(html, L"类型：", L"red", item->ProblemType);
    AppendItem(html, L"状态：", Trim(item->Status) == kRegCleanedStatus ? L"green" : L"red", item->Status);
    html += L"</ul>";
  }
  html += L"</body></html>";
  return html;
}

std::string EncodeRegLogHtml(std::wstring Html) {
  const UINT codePage = RegLogCodePage();
  std::string bytes;
  if (Encode(codePage, Html.data(), Html.size(), bytes)) return bytes;
  // The code page cannot hold the text (the fixed Chinese labels on a Western system, a foreign
  // key name on any): the whole report goes in UTF-8, which holds every character, and says so.
  const std::wstring declared = L"charset=" + RegLogCharset() + L"\"";
  const size_t at = Html.find(declared);
  if (at != std::wstring::npos) Html.replace(at, declared.size(), L"charset=utf-8\"");
  Encode(CP_UTF8, Html.data(), Html.size(), bytes);
  return bytes;
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
