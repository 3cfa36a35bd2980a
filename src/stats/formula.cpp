#include "stats/formula.h"

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace kavrin {
namespace {

enum TOpCode : uint8_t { OpPush, OpAdd, OpSub, OpMul, OpDiv, OpPow, OpFunc, OpFail };
enum TOperand : uint8_t { OperandNone, OperandConst, OperandVariable, OperandLiteral };

// In the order in which the names are tried.
enum TFunction : uint8_t {
  FnArctan, FnCos, FnSin, FnTan, FnAbs, FnExp, FnLn, FnLog, FnSqrt, FnSqr, FnInt, FnFrac, FnTrunc, FnRound,
  FnArcsin, FnArccos, FnSign, FnNot, FunctionCount
};
constexpr const char* FunctionNames[FunctionCount] = {"ARCTAN", "COS", "SIN",  "TAN",   "ABS",   "EXP",
                                                      "LN",     "LOG", "SQRT", "SQR",   "INT",   "FRAC",
                                                      "TRUNC",  "ROUND", "ARCSIN", "ARCCOS", "SIGN", "NOT"};

constexpr TFormulaSymbol EndMarker = -1;

// Nesting deeper than this is refused as a syntax error rather than exhausting the stack.
constexpr int MaxNesting = 1000;

bool IsDigit(TFormulaSymbol c) { return c >= '0' && c <= '9'; }
bool IsVariable(TFormulaSymbol c) { return c >= FormulaVariable; }
bool IsHexDigit(TFormulaSymbol c) { return IsDigit(c) || (c >= 'A' && c <= 'F'); }

// What may follow a number or a constant.
bool EndsOperand(TFormulaSymbol c) {
  return c == EndMarker || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^';
}
// What may follow an expression.
bool EndsExpression(TFormulaSymbol c) {
  return c == EndMarker || c == ')' || c == ',' || c == '<' || c == '=' || c == '>';
}

bool Finite(long double v) { return std::isfinite(v); }

// A decimal number text of digits, at most one point and an exponent, with an optional sign;
// always read with a point whatever the user's locale.
bool ReadDecimal(const std::string& text, long double& value) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  value = strtold_l(text.c_str(), nullptr, c);
  return Finite(value);
}

TFormulaError Power(long double a, long double b, long double& r) {
  if (b == 0) {
    r = 1;
    return TFormulaError::None;
  }
  if (a == 0 && b > 0) {
    r = 0;
    return TFormulaError::None;
  }
  if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0L) {
    auto n = static_cast<uint32_t>(std::fabs(b));
    long double base = a;
    r = 1;
    for (;;) {
      if (n & 1) r *= base;
      n >>= 1;
      if (n == 0) break;
      base *= base;
    }
    if (!Finite(r)) return TFormulaError::Fault;
    if (b < 0) {
      if (r == 0) return TFormulaError::Fault;  // 0, or a power too small to hold, divides 1
      r = 1 / r;
    }
    return Finite(r) ? TFormulaError::None : TFormulaError::Fault;
  }
  if (a < 0) return TFormulaError::Fault;
  const long double exponent = b * std::log(a);
  if (!Finite(exponent)) return TFormulaError::Fault;
  r = std::exp(exponent);
  return Finite(r) ? TFormulaError::None : TFormulaError::Fault;
}

// arctan(x / sqrt(1 - x^2)), the arcsine away from 1.
TFormulaError ArcSine(long double x, long double& r) {
  const long double d = 1 - x * x;
  if (!(d > 0)) return TFormulaError::FloatingPoint;
  r = std::atan(x / std::sqrt(d));
  return TFormulaError::None;
}

TFormulaError Apply(TFunction f, long double x, long double& r) {
  constexpr long double HalfPi = std::numbers::pi_v<long double> / 2;
  switch (f) {
    case FnArctan: r = std::atan(x); break;
    case FnCos: r = std::cos(x); break;
    case FnSin: r = std::sin(x); break;
    case FnTan: {
      const long double c = std::cos(x);
      if (c == 0) return TFormulaError::DivisionByZero;
      r = std::sin(x) / c;
      break;
    }
    case FnAbs: r = std::fabs(x); break;
    case FnExp: r = std::exp(x); break;
    case FnLn:
      if (x <= 0) return TFormulaError::Logarithm;
      r = std::log(x);
      break;
    case FnLog:
      if (x <= 0) return TFormulaError::Logarithm;
      r = std::log(x) / std::log(10.0L);
      break;
    case FnSqrt:
      if (x < 0) return TFormulaError::Root;
      r = std::sqrt(x);
      break;
    case FnSqr: r = x * x; break;
    case FnInt:
    case FnRound: r = std::nearbyint(x); break;  // the default rounding: halves to even
    case FnFrac: r = x - std::trunc(x); break;
    case FnTrunc: r = std::trunc(x); break;
    case FnArcsin:
      if (x == 1) {
        r = HalfPi;
        break;
      }
      if (TFormulaError e = ArcSine(x, r); e != TFormulaError::None) return e;
      break;
    case FnArccos:
      if (x == 1) {
        r = 0;
        break;
      }
      if (TFormulaError e = ArcSine(x, r); e != TFormulaError::None) return e;
      r = HalfPi - r;
      break;
    case FnSign: r = x > 0 ? 1 : x < 0 ? -1 : 0; break;
    case FnNot: {
      // The complement is of a signed 64-bit integer; a value outside it is an invalid operation.
      const long double t = std::trunc(x);
      if (!(t >= -9223372036854775808.0L && t < 9223372036854775808.0L)) return TFormulaError::FloatingPoint;
      r = static_cast<long double>(~static_cast<int64_t>(t));
      break;
    }
    default: return TFormulaError::FloatingPoint;
  }
  return Finite(r) ? TFormulaError::None : TFormulaError::FloatingPoint;
}

std::string LiteralText(const std::vector<TFormulaSymbol>& literal, const uint8_t* slots) {
  std::string text;
  for (TFormulaSymbol c : literal)
    if (IsVariable(c)) text += std::to_string(slots[c - FormulaVariable]);
    else text += static_cast<char>(c);
  return text;
}

bool ReadLiteral(const std::vector<TFormulaSymbol>& literal, const uint8_t* slots, long double& value) {
  return ReadDecimal(LiteralText(literal, slots), value);
}

// Unwinds the parser once the program ends in an error.
struct TStop {};

}  // namespace

// Recursive descent over the prepared text, emitting each operation at the moment a reader
// evaluating the text would perform it; an error ends the program where the reader would stop.
class TRxMathParser {
 public:
  TRxMathParser(TFormulaProgram& program, std::span<const TFormulaSymbol> text) : p_(program) {
    int balance = 0;
    for (TFormulaSymbol c : text) {
      if (c >= 0 && c <= ' ') continue;
      if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
      balance += c == '(' ? 1 : c == ')' ? -1 : 0;
      s_.push_back(c);
    }
    s_.push_back(EndMarker);
    // A leading sign subtracts from 0.
    if (s_[0] == '+' || s_[0] == '-') s_.insert(s_.begin(), '0');
    try {
      if (balance != 0) Fail(TFormulaError::MissingBracket);
      Expression();
    } catch (const TStop&) {
    }
  }

 private:
  TFormulaSymbol Cur() const { return s_[pos_]; }

  void Emit(TFormulaProgram::TOp op, int stackChange) {
    p_.ops_.push_back(op);
    depth_ += stackChange;
    if (static_cast<size_t>(depth_) > p_.depth_) p_.depth_ = static_cast<size_t>(depth_);
  }
  // A right side that is a constant or a variable is taken by the operation itself: pushing it
  // can neither fail nor change anything else.
  void EmitBinary(TOpCode code) {
    TFormulaProgram::TOp& last = p_.ops_.back();
    if (last.Code == OpPush && (last.Operand == OperandConst || last.Operand == OperandVariable)) {
      last.Code = code;
      --depth_;
    } else {
      Emit({code, OperandNone}, -1);
    }
  }
  [[noreturn]] void Fail(TFormulaError error) {
    Emit({OpFail, OperandNone, 0, static_cast<uint32_t>(error)}, 0);
    throw TStop{};
  }

  void Expression() {
    if (++nesting_ > MaxNesting) Fail(TFormulaError::Syntax);
    Term();
    while (Cur() == '+' || Cur() == '-') {
      const TOpCode op = Cur() == '+' ? OpAdd : OpSub;
      ++pos_;
      Term();
      EmitBinary(op);
    }
    if (!EndsExpression(Cur())) Fail(TFormulaError::Syntax);
    --nesting_;
  }

  void Term() {
    Factor();
    while (Cur() == '*' || Cur() == '/' || Cur() == '^') {
      const TOpCode op = Cur() == '*' ? OpMul : Cur() == '/' ? OpDiv : OpPow;
      ++pos_;
      Factor();
      EmitBinary(op);
    }
  }

  void Factor() {
    if (Cur() == '(') {
      ++pos_;
      Expression();
      CloseBracket();
      return;
    }
    if (Number() || Constant() || Function()) return;
    Fail(TFormulaError::Syntax);
  }

  void CloseBracket() {
    if (Cur() != ')') Fail(TFormulaError::MissingBracket);
    ++pos_;
  }

  // A number followed by what may follow an operand; otherwise the position stays.
  bool Number() {
    const size_t start = pos_;
    if (Cur() == '$') return HexNumber(start);
    size_t i = pos_;
    if (s_[i] == '+' || s_[i] == '-') ++i;
    bool digits = false, point = false;
    for (;; ++i) {
      if (IsDigit(s_[i]) || IsVariable(s_[i])) digits = true;
      else if (s_[i] == '.' && !point) point = true;
      else break;
    }
    if (!digits) return false;
    if (s_[i] == 'E') {
      size_t e = i + 1;
      if (s_[e] == '+' || s_[e] == '-') ++e;
      if (IsDigit(s_[e]) || IsVariable(s_[e])) {
        while (IsDigit(s_[e]) || IsVariable(s_[e])) ++e;
        i = e;
      }
    }
    if (!EndsOperand(s_[i])) return false;
    pos_ = i;
    EmitDecimal(std::vector<TFormulaSymbol>(s_.begin() + static_cast<long>(start), s_.begin() + static_cast<long>(i)));
    return true;
  }

  void EmitDecimal(std::vector<TFormulaSymbol> literal) {
    size_t variables = 0;
    for (TFormulaSymbol c : literal) variables += IsVariable(c);
    if (variables == 0) {
      long double value;
      if (!ReadDecimal(LiteralText(literal, nullptr), value)) Fail(TFormulaError::Fault);
      Emit({OpPush, OperandConst, 0, 0, value}, 1);
      return;
    }
    // A variable standing alone, signed or not, is its own value; any other mix of variables and
    // written digits is read as the text it becomes.
    const bool signedAlone = literal.size() == 2 && (literal[0] == '+' || literal[0] == '-') && IsVariable(literal[1]);
    if (literal.size() == 1 || signedAlone) {
      const TFormulaSymbol v = literal.back();
      Emit({OpPush, OperandVariable, static_cast<uint8_t>(literal[0] == '-'), static_cast<uint32_t>(v - FormulaVariable)},
           1);
      return;
    }
    p_.literals_.push_back(std::move(literal));
    Emit({OpPush, OperandLiteral, 0, static_cast<uint32_t>(p_.literals_.size() - 1)}, 1);
  }

  bool HexNumber(size_t start) {
    size_t i = start + 1;
    uint32_t value = 0;
    while (IsHexDigit(s_[i])) {
      value = value * 16 + static_cast<uint32_t>(IsDigit(s_[i]) ? s_[i] - '0' : s_[i] - 'A' + 10);
      ++i;
    }
    // Whether the run of digits is a number depends on its length.
    if (IsVariable(s_[i])) throw TFormulaNotCompilable{};
    const size_t count = i - start - 1;
    if (count < 1 || count > 8 || !EndsOperand(s_[i])) return false;
    pos_ = i;
    Emit({OpPush, OperandConst, 0, 0, static_cast<long double>(static_cast<int32_t>(value))}, 1);
    return true;
  }

  bool Matches(const char* word, size_t at) const {
    for (; *word; ++word, ++at)
      if (s_[at] != *word) return false;
    return true;
  }

  bool Constant() {
    for (const auto& [name, value] : {std::pair{"E", std::numbers::e_v<long double>},
                                      std::pair{"PI", std::numbers::pi_v<long double>}}) {
      const size_t length = std::char_traits<char>::length(name);
      if (Matches(name, pos_) && EndsOperand(s_[pos_ + length])) {
        pos_ += length;
        Emit({OpPush, OperandConst, 0, 0, value}, 1);
        return true;
      }
    }
    return false;
  }

  bool Function() {
    for (uint32_t f = 0; f < FunctionCount; ++f) {
      const size_t length = std::char_traits<char>::length(FunctionNames[f]);
      if (!Matches(FunctionNames[f], pos_) || s_[pos_ + length] != '(') continue;
      pos_ += length + 1;
      Expression();
      CloseBracket();
      Emit({OpFunc, OperandNone, 0, f}, 0);
      return true;
    }
    return false;
  }

  TFormulaProgram& p_;
  std::vector<TFormulaSymbol> s_;
  size_t pos_ = 0;
  int depth_ = 0;
  int nesting_ = 0;
};

const char* FormulaErrorMessage(TFormulaError error) {
  switch (error) {
    case TFormulaError::None: return "";
    case TFormulaError::Logarithm: return "Выражение под логарифмом меньне нуля";
    case TFormulaError::Root: return "Выражение под корнем меньне нуля";
    case TFormulaError::DivisionByZero: return "Деление на нуль";
    case TFormulaError::MissingBracket: return "Не хватает скобочки";
    case TFormulaError::Syntax: return "Синтаксическая ошибка";
    case TFormulaError::FloatingPoint:
    case TFormulaError::Fault: break;
  }
  return "Ошибка в операции с плавающей точкой";
}

TFormulaProgram::TFormulaProgram(std::span<const TFormulaSymbol> text) { TRxMathParser{*this, text}; }

namespace {

// One operation over the lanes, `right` giving the right side of lane k. A lane keeps its first
// error; lanes already in error go on with meaningless values that nobody reads.
template <class Right>
void Binary(uint8_t code, size_t lanes, long double* a, Right right, TFormulaError* errors) {
  auto keep = [&](size_t k, long double r, TFormulaError error) {
    if (!Finite(r) && errors[k] == TFormulaError::None) errors[k] = error;
    a[k] = r;
  };
  switch (code) {
    case OpAdd: for (size_t k = 0; k < lanes; ++k) keep(k, a[k] + right(k), TFormulaError::Fault); break;
    case OpSub: for (size_t k = 0; k < lanes; ++k) keep(k, a[k] - right(k), TFormulaError::Fault); break;
    case OpMul: for (size_t k = 0; k < lanes; ++k) keep(k, a[k] * right(k), TFormulaError::Fault); break;
    case OpDiv: for (size_t k = 0; k < lanes; ++k) keep(k, a[k] / right(k), TFormulaError::DivisionByZero); break;
    default:
      for (size_t k = 0; k < lanes; ++k) {
        if (errors[k] != TFormulaError::None) continue;
        long double r = 0;
        if (Power(a[k], right(k), r) != TFormulaError::None) errors[k] = TFormulaError::Fault;
        a[k] = r;
      }
  }
}

}  // namespace

const TFormulaError* TFormulaProgram::Run(size_t lanes, const uint8_t* slots, long double* values) const {
  thread_local std::array<TFormulaError, MaxLanes> errors;
  thread_local std::vector<long double> levels;
  // The values on the stack, level by level, each level one value per lane.
  if (levels.size() < (depth_ + 1) * MaxLanes) levels.resize((depth_ + 1) * MaxLanes);
  errors.fill(TFormulaError::None);
  auto level = [&](size_t d) { return levels.data() + d * MaxLanes; };
  auto slot = [&](const TOp& op) {
    return [p = slots + op.Arg, negate = op.Negate](size_t k) {
      const long double v = p[k * FormulaSlotCount];
      return negate ? -v : v;
    };
  };
  size_t height = 0;  // values on the stack
  for (const TOp& op : ops_) {
    switch (op.Code) {
      case OpPush: {
        long double* pushed = level(height++);
        if (op.Operand == OperandConst) std::fill(pushed, pushed + lanes, op.Value);
        else if (op.Operand == OperandVariable) {
          for (size_t k = 0; k < lanes; ++k) pushed[k] = slot(op)(k);
        } else {
          for (size_t k = 0; k < lanes; ++k)
            if (errors[k] == TFormulaError::None && !ReadLiteral(literals_[op.Arg], slots + k * FormulaSlotCount, pushed[k]))
              errors[k] = TFormulaError::Fault;
        }
        break;
      }
      case OpFunc: {
        long double* top = level(height - 1);
        for (size_t k = 0; k < lanes; ++k) {
          if (errors[k] != TFormulaError::None) continue;
          long double r = 0;
          if (TFormulaError error = Apply(static_cast<TFunction>(op.Arg), top[k], r); error != TFormulaError::None)
            errors[k] = error;
          top[k] = r;
        }
        break;
      }
      case OpFail:
        for (size_t k = 0; k < lanes; ++k)
          if (errors[k] == TFormulaError::None) errors[k] = static_cast<TFormulaError>(op.Arg);
        return errors.data();
      default: {
        long double* top = level(height - 1);
        if (op.Operand == OperandConst)
          Binary(op.Code, lanes, top, [v = op.Value](size_t) { return v; }, errors.data());
        else if (op.Operand == OperandVariable)
          Binary(op.Code, lanes, top, slot(op), errors.data());
        else
          Binary(op.Code, lanes, level(--height - 1), [top](size_t k) { return top[k]; }, errors.data());
      }
    }
  }
  std::copy(level(0), level(0) + lanes, values);
  return errors.data();
}

long double EvaluateExpression(const std::string& text) {
  std::vector<TFormulaSymbol> symbols(text.begin(), text.end());
  for (TFormulaSymbol& c : symbols) c &= 0xFF;
  long double value = 0;
  const TFormulaError error = TFormulaProgram(symbols).Run(nullptr, value);
  if (error == TFormulaError::Fault) throw EFloatingPointFault(FormulaErrorMessage(error));
  if (error != TFormulaError::None) throw ERxParserError(FormulaErrorMessage(error));
  return value;
}

}  // namespace kavrin
