#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kavrin {

// Every failure of the program's own work; what() is the text shown after the caller's
// fixed Russian prefix ("...!\r\r%s").
class KavrinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Запись со индексом %d в файле данных не найдена!": a record index outside a data file or list.
inline std::string RecordNotFoundMessage(int64_t index) {
  return "Запись со индексом " + std::to_string(index) + " в файле данных не найдена!";
}

}  // namespace kavrin
