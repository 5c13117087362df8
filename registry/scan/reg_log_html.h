// The HTML report of a cleaning run: every record of the result list with its status.
#pragma once

#include <string>

#include "base/date_time.h"
#include "registry/scan/reg_scan_engine.h"

#include <windows.h>

// The code page a report is written in: the system's when browsers know it by a name (the
// Chinese, Japanese, Korean and Windows code pages), else UTF-8.
UINT RegLogCodePage();
// Its name, as the report declares it ("gbk", "windows-1252", "utf-8" ...).
std::wstring RegLogCharset();

// The report's text, on one line: its character set and Title in the head, the heading with
// Time and the number of records, then each record numbered from 1. Record fields are
// HTML-escaped.
std::wstring RegLogHtml(const TRegItemList& Items, const std::wstring& Title, TDateTime Time);

// The report text in RegLogCodePage when that code page holds all of it; otherwise the whole text
// in UTF-8, its character-set declaration changed to "utf-8". One conversion either way, and no
// text is lost.
std::string EncodeRegLogHtml(std::wstring Html);

// Writes the report of Items, made now, into FileName (titled with its file name); raises
// EFCreateError when the file cannot be created or written.
void WriteRegLogHtml(const TRegItemList& Items, const std::wstring& FileName);
