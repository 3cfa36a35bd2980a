#pragma once
// The formula language of the shredding methods: arithmetic over numbers, the constants E and PI
// and a fixed set of functions, in 80-bit extended precision. A formula is parsed once into a
// program that, run, performs the operations in the order a reader evaluating the text from left
// to right would, and stops with the first error that reader would meet.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/errors.h"

namespace kavrin {

// An error of the formula itself; what() is one of the evaluator's messages.
class ERxParserError : public KavrinError {
 public:
  using KavrinError::KavrinError;
};

// A floating-point fault (overflow, invalid operation, division by zero) of an operation outside
// the functions; the functions turn theirs into ERxParserError.
class EFloatingPointFault : public KavrinError {
 public:
  using KavrinError::KavrinError;
};

enum class TFormulaError : uint8_t {
  None,
  FloatingPoint,   // a fault inside a function
  Logarithm,       // LN or LOG of a value <= 0
  Root,            // SQRT of a negative value
  DivisionByZero,  // "/" that fails, TAN where the cosine is 0
  MissingBracket,
  Syntax,
  Fault,           // a fault outside the functions
};
// The message of an error; the fault outside the functions has the floating-point message.
const char* FormulaErrorMessage(TFormulaError error);

// A formula text as the parser reads it: bytes 0..255, or a variable standing for a decimal
// number without sign whose digits are known only when the program runs.
using TFormulaSymbol = int32_t;
inline constexpr TFormulaSymbol FormulaVariable = 0x100;  // + slot
inline constexpr int FormulaSlotCount = 15;

class TFormulaProgram {
 public:
  // Parses the symbols (blanks are dropped and letters raised here). Throws
  // TFormulaNotCompilable when the meaning of the text depends on how many digits a variable
  // has (a variable inside a hexadecimal number).
  explicit TFormulaProgram(std::span<const TFormulaSymbol> text);

  // The value with the slots holding these whole numbers (each 0..255, written in decimal), or
  // the first error met.
  TFormulaError Run(const uint8_t* slots, long double& value) const { return Run(1, slots, &value)[0]; }

  // Runs the program for up to MaxLanes sets of slots at once, lane k reading the
  // FormulaSlotCount slots from slots + k * FormulaSlotCount: each lane gives what Run gives
  // for its slots. Returns the errors of the lanes (None where `values` holds the value); the
  // array lives until the next call from the same thread.
  static constexpr size_t MaxLanes = 64;
  const TFormulaError* Run(size_t lanes, const uint8_t* slots, long double* values) const;

 private:
  friend class TRxMathParser;
  // One step of the program: a value pushed, an operation on the value on top (a binary one
  // takes its right side from below the top, or directly from the step), or the error met.
  struct TOp {
    uint8_t Code = 0;
    uint8_t Operand = 0;  // where the pushed value or the right side comes from
    uint8_t Negate = 0;   // a variable read with a minus sign
    uint32_t Arg = 0;     // slot, function, error or literal
    long double Value = 0;
  };
  std::vector<TOp> ops_;
  std::vector<std::vector<TFormulaSymbol>> literals_;  // numbers written partly by variables
  size_t depth_ = 0;                                    // of the value stack
};

struct TFormulaNotCompilable {};

// The value of a formula without variables. Throws ERxParserError or EFloatingPointFault.
long double EvaluateExpression(const std::string& text);

}  // namespace kavrin
