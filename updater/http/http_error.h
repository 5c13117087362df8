// A transfer that failed: refused or reset connection, a reply that breaks the rules, a short file.
#pragma once

#include "base/exception.h"

class EHttpError : public Exception {
 public:
  using Exception::Exception;
};
