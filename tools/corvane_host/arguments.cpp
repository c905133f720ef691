#include "tools/corvane_host/arguments.h"

#include <cstdio>
#include <limits>
#include <optional>
#include <string>

namespace corvane::host {
namespace {

// The value of a JSON integer when it lies in [low, high].
bool IntegerIn(const Json& value, std::int64_t low, std::int64_t high, std::int64_t& out) {
  if (value.is_number_unsigned()) {
    const std::uint64_t u = value.get<std::uint64_t>();
    if (high < 0 || u > static_cast<std::uint64_t>(high)) return false;
    out = static_cast<std::int64_t>(u);
    return out >= low;
  }
  if (!value.is_number_integer()) return false;
  out = value.get<std::int64_t>();
  return out >= low && out <= high;
}

bool Digits(std::string_view text, std::size_t from, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

}  // namespace

Arguments::Arguments(const Json& request)
    : request_(request), verb_(request.at(0).get<std::string>()) {}

void Arguments::ExpectCount(std::size_t count) const {
  if (size() == count) return;
  throw RequestError(verb_ + " takes " + std::to_string(count) +
                     (count == 1 ? " argument, not " : " arguments, not ") +
                     std::to_string(size()));
}

void Arguments::Mismatch(std::size_t n, std::string_view must_be) const {
  throw RequestError("type mismatch: argument " + std::to_string(n) + " of " + verb_ + " must be " +
                     std::string(must_be));
}

std::int16_t Arguments::Int16(std::size_t n) const {
  std::int64_t value = 0;
  if (!IntegerIn(at(n), std::numeric_limits<std::int16_t>::min(),
                 std::numeric_limits<std::int16_t>::max(), value)) {
    Mismatch(n, "an integer from -32768 to 32767");
  }
  return static_cast<std::int16_t>(value);
}

double Arguments::Double(std::size_t n) const {
  if (!at(n).is_number()) Mismatch(n, "a number");
  return at(n).get<double>();
}

std::string Arguments::Text(std::size_t n) const {
  if (!at(n).is_string()) Mismatch(n, "a string");
  return at(n).get<std::string>();
}

bool Arguments::Bool(std::size_t n) const {
  if (!at(n).is_boolean()) Mismatch(n, "true or false");
  return at(n).get<bool>();
}

int Arguments::Int(std::size_t n) const {
  std::int64_t value = 0;
  if (!IntegerIn(at(n), std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), value)) {
    Mismatch(n, "an integer");
  }
  return static_cast<int>(value);
}

WidgetId Arguments::Widget(std::size_t n) const {
  if (!at(n).is_string()) Mismatch(n, "a widget name");
  const std::string name = at(n).get<std::string>();
  const std::optional<WidgetId> id = FindWidget(name);
  if (!id) throw RequestError("unknown widget '" + name + "'");
  return *id;
}

std::chrono::year_month_day Arguments::IsoDate(std::size_t n) const {
  std::chrono::year_month_day date;
  if (!at(n).is_string() || !ParseIsoDate(at(n).get<std::string>(), date)) {
    Mismatch(n, "a date \"YYYY-MM-DD\"");
  }
  return date;
}

bool ParseIsoDate(std::string_view text, std::chrono::year_month_day& date) {
  int y = 0;
  int m = 0;
  int d = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4, y) ||
      !Digits(text, 5, 2, m) || !Digits(text, 8, 2, d)) {
    return false;
  }
  const std::chrono::year_month_day read{std::chrono::year{y},
                                         std::chrono::month{static_cast<unsigned>(m)},
                                         std::chrono::day{static_cast<unsigned>(d)}};
  if (!read.ok()) return false;
  date = read;
  return true;
}

std::string FormatIsoDate(std::chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

}  // namespace corvane::host
