// The tests' side of http_test_server.py, which CTest starts around each test program: the
// port it listens on, the files it serves and the log of the requests it received.
#pragma once

#include <string>
#include <vector>

// QS_TEST_HTTP_PORT as the server set it.
int TestServerPort();
// "127.0.0.1:<port>", a host as Update.ini and Sys.ini carry it.
std::wstring TestServerHost();
// "http://127.0.0.1:<port>/<mode>/<file>".
std::wstring TestServerUrl(const std::string& mode, const std::string& file);

// Stores a file the server then serves as "/<mode>/<name>".
void PutServerFile(const std::string& name, const std::string& bytes);
// The exact bytes of every HEAD and GET request received since the last ClearServerLog.
std::vector<std::string> ServerLog();
void ClearServerLog();

// A loopback port that was free a moment ago: connecting to it is refused.
int UnusedPort();
// A loopback port whose connects are never answered (QS_TEST_BLACKHOLE_PORT).
int BlackholePort();

// Text as a file in UTF-16 with its byte-order mark, as INI files may be (a version file).
std::string Utf16File(const std::wstring& text);

// What the server generates for "size/<n>/...": n bytes, byte i being i % 251.
std::string GeneratedBytes(size_t n);
