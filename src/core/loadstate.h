#pragma once
// Whether a data file that is rewritten whole was read. A file that exists but could not be
// read, or was found damaged, must never be replaced from the partial or empty state that memory
// then holds: every write of it is refused with the load failure's text until the program reads
// the file again (after the user fixed or replaced it).
#include <optional>
#include <string>

#include "core/errors.h"

namespace kavrin {

class TLoadState {
 public:
  void SetLoaded() { error_.reset(); }
  void SetFailed(std::string error) { error_ = std::move(error); }
  bool Loaded() const { return !error_; }
  // The load failure's text; empty while loaded.
  std::string Error() const { return error_.value_or(""); }
  // Throws KavrinError with the load failure's text when the file was not read.
  void RequireLoaded() const {
    if (error_) throw KavrinError(*error_);
  }

 private:
  std::optional<std::string> error_;
};

}  // namespace kavrin
