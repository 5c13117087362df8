// A transfer that failed: refused or reset connection, a reply that breaks the rules, a short file.
#pragma once

#include "base/exception.h"

class EHttpError : public Exception {
 public:
  using Exception::Exception;
};

// The server was reached but had no file to give: a reply that is not a success, or one that
// announces no size.
class EHttpNoFile : public EHttpError {
 public:
  using EHttpError::EHttpError;
};

// The server took longer than the transfer allows: to accept the connection, to send a reply's
// headers, or to send the next bytes of a body.
class EHttpTimeout : public EHttpError {
 public:
  using EHttpError::EHttpError;
};
