// The arguments of one request, read with the host's typing rules: a request is a JSON
// array whose first element is the verb; argument 1 is the element after it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "corvane/layout.h"

namespace corvane::host {

// Answers keep their keys in the order they were written.
using Json = nlohmann::ordered_json;

// A request that cannot be carried out as written: the answer is ok:false with this text,
// and nothing was changed.
class RequestError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Arguments {
 public:
  // REQUIRES: `request` is an array whose first element is a string; it outlives this.
  explicit Arguments(const Json& request);

  std::string_view verb() const { return verb_; }
  std::size_t size() const { return request_.size() - 1; }
  // Throws RequestError unless there are exactly `count` arguments.
  void ExpectCount(std::size_t count) const;

  // Argument `n` (1-based) as the host's automation types take it; each throws
  // RequestError("type mismatch: argument n of <verb> must be ...") for anything else.
  std::int16_t Int16(std::size_t n) const;  // a JSON integer from -32768 to 32767
  double Double(std::size_t n) const;       // any JSON number
  std::string Text(std::size_t n) const;    // a JSON string
  bool Bool(std::size_t n) const;           // true or false
  // A JSON integer that fits an int (rows, key codes, caret places).
  int Int(std::size_t n) const;
  // A widget named as the screen layout spells it; throws for an unknown name.
  WidgetId Widget(std::size_t n) const;
  // A strict "YYYY-MM-DD" calendar date; the range is left to the caller.
  std::chrono::year_month_day IsoDate(std::size_t n) const;

  // Argument `n` as written (0 is the verb).
  const Json& at(std::size_t n) const { return request_.at(n); }

 private:
  [[noreturn]] void Mismatch(std::size_t n, std::string_view must_be) const;

  const Json& request_;
  std::string verb_;
};

// Reads exactly "YYYY-MM-DD" (four, two and two digits) naming a real calendar day.
// Returns false for anything else.
bool ParseIsoDate(std::string_view text, std::chrono::year_month_day& date);
// "YYYY-MM-DD". REQUIRES: `date` is a calendar date of the years 0 to 9999.
std::string FormatIsoDate(std::chrono::year_month_day date);

}  // namespace corvane::host
