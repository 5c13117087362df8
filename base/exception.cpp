#include "base/exception.h"

#include "base/strings.h"

Exception::Exception(std::wstring message) : message_(std::move(message)), utf8_(WideToUtf8(message_)) {}
