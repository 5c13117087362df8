// Exceptions of the runtime layer: a text message in UTF-16, as the user sees it.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message);
  const std::wstring& Message() const { return message_; }
  // UTF-8 copy of the message, for logs and test output.
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::wstring message_;
  std::string utf8_;
};

// INI file could not be written ("Unable to write to <file>").
class EIniFileException : public Exception {
 public:
  using Exception::Exception;
};

// Registry key object failures ("Invalid data type for '<name>'" and the like).
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

// Text that does not convert to a number or date.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A file that could not be opened or created.
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

class EFCreateError : public Exception {
 public:
  using Exception::Exception;
};
