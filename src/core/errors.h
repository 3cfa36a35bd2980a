#pragma once
#include <stdexcept>
#include <string>

namespace kavrin {

// Every failure of the program's own work; what() is the text shown after the caller's
// fixed Russian prefix ("...!\r\r%s").
class KavrinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kavrin
