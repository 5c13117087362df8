#pragma once
// Where the links of the main window and the About box lead.
inline constexpr const wchar_t* kVendorWebSite = L"http://www.quillstead.example/";
inline constexpr const wchar_t* kSupportMailAddress = L"support@quillstead.example";
