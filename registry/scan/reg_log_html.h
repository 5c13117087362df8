// The HTML report of a cleaning run: every record of the result list with its status.
#pragma once

#include <string>

#include "base/date_time.h"
#include "registry/scan/reg_scan_engine.h"

// The report's text, on one line: Title in the head, the heading with Time and the number of
// records, then each record numbered from 1. Record fields are HTML-escaped.
std::wstring RegLogHtml(const TRegItemList& Items, const std::wstring& Title, TDateTime Time);

// The report text in the system code page; characters that code page cannot hold become numeric
// character references, so no text is lost.
std::string EncodeRegLogHtml(const std::wstring& Html);

// Writes the report of Items, made now, into FileName (titled with its file name); raises
// EFCreateError when the file cannot be created or written.
void WriteRegLogHtml(const TRegItemList& Items, const std::wstring& FileName);
